// CCellHintDlg: "Select A Cell" (dialog 135), the modeless dialog that sits
// beside the board while the player looks for hints. The board view passes
// every click to ShowCellHint; OK, Escape and the close box end hint mode
// through the host.
//
// Each time it is shown it is set beside the board frame (right of it where
// the screen has room, else left, else below), never over a cell, until the
// player drags it somewhere: from then on it comes back where they left it.
//
// A cell that several hints name (number 0 with a text such as
// "Hint 1, Hint 4") shows that text without opening a page; a click that no
// hint concerns (number 0, no text) leaves the dialog as it was.
#pragma once

#include "platform/qt/TemplateDialog.h"

#include <QPoint>
#include <QString>
#include <string>

class CHintHost;

class CCellHintDlg : public platform::CTemplateDialog {
    Q_OBJECT
public:
    enum {
        IDC_HINT_TEXT = 1026,
        IDC_HINT_LISTED = 1027,
        IDC_HELP = 9,
    };

    // Created hidden; parent is the board view.
    explicit CCellHintDlg(QWidget* parent = nullptr, CHintHost* host = nullptr);

    void SetHost(CHintHost* host) { m_host = host; }
    CHintHost* Host() const { return m_host; }

    // The result of the document's GetHintsForCell for a clicked cell.
    void ShowCellHint(const std::string& text, int hintNumber);

    // The hint text field, exchanged with edit control 1026.
    const QString& HintText() const { return m_hintText; }

    void setVisible(bool visible) override;

protected:
    void OnCommand(int id) override;
    void OnOK() override;
    void OnCancel() override;
    void showEvent(QShowEvent* event) override;

private:
    void EndHintMode();
    void UpdateControls();
    void EnableHintControls(bool enable);
    // Beside the board frame, or where the player last left the dialog.
    void Place();

    CHintHost* m_host;
    QString m_hintText;
    QPoint m_placedAt;           // where Place last put it
    bool m_playerPlaced = false; // the player has dragged it
    QPoint m_playerAt;           // ... to here
};
