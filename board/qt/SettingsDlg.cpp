#include "board/qt/SettingsDlg.h"

#include "board/Texts.h"
#include "board/qt/GridView.h"
#include "platform/Help.h"
#include "platform/Sound.h"
#include "resources/dialogs/Dlg141.h"

#include <QCheckBox>
#include <QColorDialog>
#include <QPainter>

QColor ToQColor(const board::RgbColor& color) {
    return QColor(color.red, color.green, color.blue);
}

board::RgbColor FromQColor(const QColor& color) {
    QColor rgb = color.toRgb();
    return {static_cast<std::uint8_t>(rgb.red()), static_cast<std::uint8_t>(rgb.green()),
            static_cast<std::uint8_t>(rgb.blue())};
}

CSettingsDlg::CSettingsDlg(QWidget* parent) : platform::CTemplateDialog(kDlg141, parent) {
    setObjectName("CSettingsDlg");
}

void CSettingsDlg::SetColors(const board::BoardColors& colors) {
    hintColor = colors.hint;
    trueColor = colors.trueColor;
    falseColor = colors.falseColor;
    update();
}

QRect CSettingsDlg::SwatchRect(int swatchId) const {
    QWidget* w = Control(swatchId);
    return w ? w->geometry() : QRect();
}

void CSettingsDlg::showEvent(QShowEvent* event) {
    if (QCheckBox* box = CheckBox(IDC_SOUND))
        box->setChecked(sound);
    // QDialog centres itself over its parent (or the screen) when shown.
    platform::CTemplateDialog::showEvent(event);
}

void CSettingsDlg::paintEvent(QPaintEvent* event) {
    platform::CTemplateDialog::paintEvent(event);
    QPainter painter(this);
    painter.fillRect(SwatchRect(IDC_SWATCH_TRUE), ToQColor(trueColor));
    painter.fillRect(SwatchRect(IDC_SWATCH_FALSE), ToQColor(falseColor));
    painter.fillRect(SwatchRect(IDC_SWATCH_HINT), ToQColor(hintColor));
}

void CSettingsDlg::OnCommand(int id) {
    switch (id) {
    case IDC_CHANGE_TRUE:
        ChangeColor(trueColor);
        break;
    case IDC_CHANGE_FALSE:
        ChangeColor(falseColor);
        break;
    case IDC_CHANGE_HINT:
        ChangeColor(hintColor);
        break;
    case IDC_DEFAULT_COLORS:
        hintColor = board::kDefaultHintColor;
        falseColor = board::kDefaultFalseColor;
        trueColor = board::kDefaultTrueColor;
        update();
        break;
    case IDC_HELP:
        platform::ShowHelpTopic(board_texts::kSettingsHelpTopic, this);
        break;
    default:
        platform::CTemplateDialog::OnCommand(id);
        break;
    }
}

void CSettingsDlg::OnOK() {
    if (QCheckBox* box = CheckBox(IDC_SOUND))
        sound = box->isChecked();
    platform::CTemplateDialog::OnOK();
}

void CSettingsDlg::ChangeColor(board::RgbColor& color) {
    // The standard chooser, owned by no window, starting from black.
    QColorDialog chooser(Qt::black);
    if (platform::ExecModal(&chooser) != QDialog::Accepted)
        return;
    color = FromQColor(chooser.selectedColor());
    update();
}

bool RunSettingsCommand(CGridView& view, QWidget* parent) {
    CSettingsDlg dlg(parent);
    dlg.sound = platform::SoundOn();
    dlg.SetColors(view.Colors());
    if (dlg.exec() != platform::kIdOk)
        return false;
    platform::SetSoundOn(dlg.sound);
    board::WriteSettings(dlg.sound, dlg.Colors());
    view.SetColors(dlg.hintColor, dlg.trueColor, dlg.falseColor);
    return true;
}
