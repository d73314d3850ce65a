// The print module: the printer and the print dialog, from Qt Print Support.
#include "platform/qt/modules/ModuleApi.h"

#include <QPrintDialog>
#include <QPrinter>
#include <type_traits>

extern "C" Q_DECL_EXPORT QPaintDevice* deduxa_print_choose(QWidget* parent, QPaintDevice* given,
                                                           int (*runModal)(QDialog*),
                                                           const char* docName) {
    QPrinter* printer = given ? dynamic_cast<QPrinter*>(given) : nullptr;
    if (given && !printer)
        return nullptr;
    QPrinter* own = printer ? nullptr : new QPrinter(QPrinter::HighResolution);
    if (own)
        printer = own;
    {
        QPrintDialog dialog(printer, parent);
        // No page numbers. Printing to a PDF file stays on offer: a desktop
        // without a printer could print nothing at all otherwise.
        dialog.setOptions(QAbstractPrintDialog::PrintToFile);
        if (runModal(&dialog) != QDialog::Accepted) {
            delete own;
            return nullptr;
        }
    }
    printer->setDocName(QString::fromUtf8(docName));
    printer->setFullPage(false);
    return printer;
}

extern "C" Q_DECL_EXPORT void deduxa_print_release(QPaintDevice* printer, QPaintDevice* given) {
    if (printer != given)
        delete printer;
}

static_assert(std::is_same_v<decltype(&deduxa_print_choose), PrintChooseFn>);
static_assert(std::is_same_v<decltype(&deduxa_print_release), PrintReleaseFn>);
