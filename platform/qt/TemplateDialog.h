// CTemplateDialog: a QDialog built from a DialogTemplate.
//
// Controls are placed at the template's dialog units turned into pixels with
// the dialog font's base units and are reached by id. Buttons report their id
// to OnCommand; ids 1 and 2 end the dialog through OnOK and OnCancel, and
// Escape or the close box is Cancel, as on the desktop the game came from.
// exec() returns the number the dialog was ended with (1, 2, 6, 7, 1037 ...).
#pragma once

#include "platform/DialogTemplate.h"
#include "platform/DialogUnits.h"

#include <QDialog>
#include <QFont>
#include <functional>
#include <map>

class QPushButton;
class QCheckBox;
class QLabel;
class QLineEdit;
class QListWidget;

namespace platform {

// Runs whenever one of our dialogs starts its modal loop, once the loop is
// running. Tests use it to drive real dialogs; the program leaves it empty.
using ModalHook = std::function<void(QDialog* dialog)>;
ModalHook SetModalHook(ModalHook hook);
// Calls the hook for dialog (soon after the modal loop starts) and runs it.
int ExecModal(QDialog* dialog);

// The font that stands for the template's face: "Liberation Sans" for the
// old sans-serif faces, at the template's point size.
QFont DialogFont(const DialogTemplate& tmpl);
// Base units of a font: the average width of the letters A-Z a-z (rounded)
// and the font's height. Measuring loads the font, a few milliseconds before
// the first window can show, so the units measured are kept in the settings
// store (per font and screen resolution) and a later run takes them from
// there.
BaseUnits BaseUnitsOf(const QFont& font);
// Measures again the units this run took from the store and keeps the new
// ones where the fonts have changed since. For once the first window is up.
void RemeasureKeptBaseUnits();
// Test hook: forgets the units of this run, as a new run would.
void ForgetMeasuredBaseUnits();

class CTemplateDialog : public QDialog {
    Q_OBJECT
public:
    explicit CTemplateDialog(const DialogTemplate& tmpl, QWidget* parent = nullptr);

    int exec() override;

    QWidget* Control(int id) const;
    template <class T> T* ControlAs(int id) const { return qobject_cast<T*>(Control(id)); }
    QPushButton* Button(int id) const;
    QCheckBox* CheckBox(int id) const;
    QLabel* Label(int id) const;
    QLineEdit* Edit(int id) const;
    QListWidget* ListBox(int id) const;

    // Puts widget in the place of control id (same geometry, same id); the
    // old control is deleted. Used for picture controls drawn by our code.
    void ReplaceControl(int id, QWidget* widget);

    // The rectangle, in pixels, of a template rectangle in dialog units.
    QRect PixelRect(int x, int y, int cx, int cy) const;
    const BaseUnits& Units() const { return m_units; }
    const DialogTemplate& Template() const { return m_template; }

    // Text of control id (label, button, edit, check box).
    QString ItemText(int id) const;
    void SetItemText(int id, const QString& text);
    void EnableItem(int id, bool enable);

public slots:
    void reject() override;

protected:
    // Keeps the dialog inside the screen's available area.
    void showEvent(QShowEvent* event) override;
    // A button was pressed. Default: 1 -> OnOK, 2 -> OnCancel.
    virtual void OnCommand(int id);
    virtual void OnOK();
    virtual void OnCancel();

private:
    QWidget* Build(const ControlTemplate& ctl);

    DialogTemplate m_template;
    BaseUnits m_units;
    std::map<int, QWidget*> m_controls;
};

} // namespace platform
