// The coach's answers on screen: Explain Next Step and Where Did I Go Wrong?
//
// CCoachDlg shows the coach's sentences with a button that acts on them
// (marks the squares, or clears the wrong one) and Close. RunCoach asks the
// coach, highlights the squares it is about with the board's hint highlight
// while the dialog is up, and makes the change as one step that can be undone.
#pragma once

#include <QDialog>
#include <string>

class QLabel;
class QPushButton;
class CGridDoc;
class CGridView;

namespace reasoning {
class CCoach;
}

class CCoachDlg : public QDialog {
    Q_OBJECT
public:
    // actionText empty: no action button.
    CCoachDlg(const std::string& title, const std::string& text, const std::string& actionText,
              QWidget* parent = nullptr);
    // Runs modally; true when the action button ended it.
    bool Run();

    QLabel* TextLabel() const { return m_text; }
    QPushButton* ActionButton() const { return m_action; }
    QPushButton* CloseButton() const { return m_close; }

private:
    QLabel* m_text = nullptr;
    QPushButton* m_action = nullptr;
    QPushButton* m_close = nullptr;
};

namespace coach {

enum class Command { explainNextStep, whereDidIGoWrong };

// Asks the coach about the board and shows the answer. True when the board
// changed.
bool RunCoach(Command command, const reasoning::CCoach& coach, CGridDoc& doc, CGridView& view,
              QWidget* parent);

} // namespace coach
