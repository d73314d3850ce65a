// CGameBarDlg: the strip of game buttons glued along the top of the main
// window's client area (template 134): "Show The Solution", "Check My
// Answer", "Find Hints For A Cell", "Clear" and one numbered button per hint.
//
// It is a child of the main window's client area rather than a window of its
// own, so it moves with the frame and never floats over other windows. Every
// button only forwards to the main frame through the signals below.
#pragma once

#include "platform/qt/TemplateDialog.h"

#include <vector>

class QPushButton;

class CGameBarDlg : public platform::CTemplateDialog {
    Q_OBJECT
public:
    enum {
        kSolutionButton = 1036,
        kCheckButton = 1003,
        kFindHintsButton = 1004,
        kClearButton = 1005,
        kEnterButton = 1062,
        kFirstHintPlace = 1066
    };

    explicit CGameBarDlg(QWidget* parent = nullptr);
    ~CGameBarDlg() override;

    // Replaces the numbered buttons for a puzzle with count hints: one row
    // from the place of control 1066 to the right, 3 pixels apart (narrower
    // and closer when the bar is too short for them all).
    void CreateHintButtons(int count);
    void EnableAllHintButtons();
    // Enables every numbered button, then disables button n (when it exists).
    void SelectHintButton(int n);

    // Element i is the button of hint i + 1.
    const std::vector<QPushButton*>& HintButtons() const { return m_hintButtons; }
    QPushButton* CheckButton() const;
    QPushButton* SolutionButton() const;

    // The bar's height in pixels, measured when it was made.
    int BarHeight() const { return m_height; }

    // Set by the main frame just before it destroys the bar; until then
    // close requests, Enter and Escape are ignored.
    bool closeAllowed = false;
    // Closes the bar the framework's way (when close is allowed) and deletes
    // the numbered buttons.
    bool DestroyWindow();

signals:
    void ShowSolutionPressed();
    void CheckAnswerPressed();
    void FindHintsPressed();
    void HintPressed(int n); // 0 for "Clear"

protected:
    void OnCommand(int id) override;
    void OnOK() override;
    void OnCancel() override;
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void DeleteHintButtons();
    void PlaceHintButtons();
    std::vector<QPushButton*> m_hintButtons;
    int m_height = 0;
};
