#include "platform/qt/QtPlatform.h"

#include "platform/MessageBox.h"
#include "platform/Shell.h"
#include "platform/Sound.h"
#include "platform/qt/Placement.h"
#include "platform/qt/QtSound.h"

#include <QApplication>
#include <QDesktopServices>
#include <QFontMetrics>
#include <QGridLayout>
#include <QMessageBox>
#include <QPointer>
#include <QUrl>

namespace platform {

namespace {

QPointer<QWidget> g_boxParent;

// A message box that comes up centred on its owner, once it has its size.
class CCentredMessageBox : public QMessageBox {
public:
    using QMessageBox::QMessageBox;

protected:
    void showEvent(QShowEvent* event) override {
        QMessageBox::showEvent(event);
        CentreOnOwner(this, parentWidget());
    }
};

int ShowQtMessageBox(const std::string& text, const std::string& caption, unsigned style) {
    QWidget* parent = QApplication::activeWindow();
    if (!parent)
        parent = g_boxParent.data();
    CCentredMessageBox box(parent);
    box.setWindowTitle(QString::fromStdString(caption));
    box.setText(QString::fromStdString(text));
    switch (style & MB_ICONMASK) {
    case MB_ICONEXCLAMATION:
        box.setIcon(QMessageBox::Warning);
        break;
    case MB_ICONINFORMATION:
        box.setIcon(QMessageBox::Information);
        break;
    default:
        box.setIcon(QMessageBox::NoIcon);
        break;
    }
    switch (style & MB_BUTTONMASK) {
    case MB_OKCANCEL:
        box.setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel);
        box.setDefaultButton(QMessageBox::Ok);
        box.setEscapeButton(QMessageBox::Cancel);
        break;
    case MB_YESNO:
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        box.setDefaultButton(QMessageBox::Yes);
        break;
    default:
        box.setStandardButtons(QMessageBox::Ok);
        box.setEscapeButton(QMessageBox::Ok);
        break;
    }
    // Wide enough for the window manager to show the whole title beside its
    // buttons: a short question must not cut "Confirmation" down to
    // "Confi... ation".
    QFont bold = box.font();
    bold.setBold(true);
    const int titleWidth = QFontMetrics(bold).horizontalAdvance(box.windowTitle()) + 140;
    if (auto* grid = qobject_cast<QGridLayout*>(box.layout()))
        grid->addItem(new QSpacerItem(titleWidth, 0, QSizePolicy::Minimum, QSizePolicy::Fixed),
                      grid->rowCount(), 0, 1, grid->columnCount());
    switch (box.exec()) {
    case QMessageBox::Cancel:
        return IDCANCEL;
    case QMessageBox::Yes:
        return IDYES;
    case QMessageBox::No:
        return IDNO;
    default:
        return IDOK;
    }
}

} // namespace

void SetMessageBoxParent(QWidget* parent) {
    g_boxParent = parent;
}

void SetApplicationNames(const char* name) {
    QCoreApplication::setApplicationName(QString::fromUtf8(name));
    QGuiApplication::setApplicationDisplayName(QString());
}

void InstallQtPlatform() {
    SetMessageBoxHandler(ShowQtMessageBox);
    SetSoundHandler([](const std::string& name) { CQtSound::Instance().Play(name); });
    SetShellHandler([](const std::string& path) {
        return QDesktopServices::openUrl(QUrl::fromLocalFile(QString::fromStdString(path)));
    });
}

} // namespace platform
