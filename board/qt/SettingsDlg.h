// CSettingsDlg: "Customize Game Settings" (dialog 141). Sound on or off and
// the board's three colours, each shown as a swatch and chosen through the
// standard colour dialog.
//
// The caller fills the four fields, runs exec() and, on 1 (OK), reads them
// back; Cancel leaves them meaningless to the caller.
#pragma once

#include "board/Settings.h"
#include "platform/qt/TemplateDialog.h"

#include <QColor>

class CSettingsDlg : public platform::CTemplateDialog {
    Q_OBJECT
public:
    // Control ids of template 141.
    enum {
        IDC_SOUND = 1041,
        IDC_CHANGE_TRUE = 1042,
        IDC_SWATCH_TRUE = 1043,
        IDC_SWATCH_FALSE = 1044,
        IDC_SWATCH_HINT = 1045,
        IDC_CHANGE_FALSE = 1046,
        IDC_CHANGE_HINT = 1047,
        IDC_DEFAULT_COLORS = 1048,
        IDC_HELP = 9,
    };

    explicit CSettingsDlg(QWidget* parent = nullptr);

    // Fields, exchanged with the controls: sound with check box 1041 (set
    // when the dialog is shown, taken back on OK); the colours are painted.
    bool sound = false;
    board::RgbColor hintColor = board::kDefaultHintColor;
    board::RgbColor trueColor = board::kDefaultTrueColor;
    board::RgbColor falseColor = board::kDefaultFalseColor;

    board::BoardColors Colors() const { return {hintColor, trueColor, falseColor}; }
    void SetColors(const board::BoardColors& colors);

    // The rectangle (dialog client coordinates) where a swatch is painted.
    QRect SwatchRect(int swatchId) const;

protected:
    void OnCommand(int id) override;
    void OnOK() override;
    void showEvent(QShowEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    // Opens the colour chooser starting from black; replaces color when the
    // player confirms.
    void ChangeColor(board::RgbColor& color);
};

class CGridView;

// Steps 2 to 6 of the Settings command, for the main frame (which leaves
// hint mode first): fills the dialog from the sound setting and the board's
// colours, runs it, and on OK sets the sound setting, rewrites the settings
// file in place (only when it exists; silently otherwise) and gives the
// colours to the board. Returns true when the dialog ended with OK.
bool RunSettingsCommand(CGridView& view, QWidget* parent = nullptr);

QColor ToQColor(const board::RgbColor& color);
board::RgbColor FromQColor(const QColor& color);
