#include "app/qt/CoachDlg.h"

#include "board/qt/GridView.h"
#include "platform/qt/TemplateDialog.h"
#include "puzzle/GridCell.h"
#include "puzzle/GridDoc.h"
#include "reasoning/Coach.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QScrollArea>
#include <QVBoxLayout>
#include <algorithm>

namespace {
QString Q(const std::string& s) {
    return QString::fromStdString(s);
}
} // namespace

CCoachDlg::CCoachDlg(const std::string& title, const std::string& text,
                     const std::string& actionText, QWidget* parent)
    : QDialog(parent) {
    setWindowTitle(Q(title));
    auto* layout = new QVBoxLayout(this);
    m_text = new QLabel(Q(text));
    m_text->setObjectName("coachText");
    m_text->setWordWrap(true);
    m_text->setTextInteractionFlags(Qt::TextSelectableByMouse);
    m_text->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_text->setMargin(4);
    auto* scroll = new QScrollArea;
    scroll->setWidget(m_text);
    scroll->setWidgetResizable(true);
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setMinimumSize(420, 90);
    // Room for a long chain without the dialog outgrowing the screen.
    const int lines =
        static_cast<int>(text.size() / 60 + std::count(text.begin(), text.end(), '\n'));
    scroll->setMinimumHeight(std::min(360, 40 + lines * fontMetrics().lineSpacing()));
    layout->addWidget(scroll);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    if (!actionText.empty()) {
        m_action = new QPushButton(Q(actionText));
        m_action->setObjectName("coachAction");
        buttons->addWidget(m_action);
        connect(m_action, &QPushButton::clicked, this, &QDialog::accept);
    }
    m_close = new QPushButton(tr("Close"));
    m_close->setObjectName("coachClose");
    buttons->addWidget(m_close);
    connect(m_close, &QPushButton::clicked, this, &QDialog::reject);
    layout->addLayout(buttons);
    (m_action ? m_action : m_close)->setDefault(true);
    (m_action ? m_action : m_close)->setFocus();
    resize(480, sizeHint().height());
}

bool CCoachDlg::Run() {
    // Low at the left of the main window, below the page, where it covers
    // the least of the board.
    if (QWidget* owner = parentWidget()) {
        const QRect frame = owner->window()->geometry();
        move(frame.left() + 12, std::max(frame.top() + 80, frame.bottom() - height() - 60));
    }
    return platform::ExecModal(this) == QDialog::Accepted;
}

namespace coach {

bool RunCoach(Command command, const reasoning::CCoach& coach, CGridDoc& doc, CGridView& view,
              QWidget* parent) {
    const reasoning::ClueBook& book = coach.Book();
    const std::vector<reasoning::Mark> marks = reasoning::BoardMarks(doc, book);
    const bool explain = command == Command::explainNextStep;
    const reasoning::Advice advice =
        explain ? coach.ExplainNext(marks) : coach.FindFirstWrong(marks);
    std::string action;
    if (advice.kind == reasoning::Advice::nextStep)
        action = advice.marks.size() == 1 ? "Mark It" : "Mark Them";
    else if (advice.kind == reasoning::Advice::firstWrong)
        action = "Clear It";
    CGridDoc::KeyList keys;
    for (const reasoning::BoardCell& cell : advice.cells)
        keys.push_back(CellKey(cell.column, cell.row));
    const int hint = doc.GetHighlightedHint();
    if (!keys.empty()) {
        doc.SetHighlightedCells(keys);
        view.OnInitialUpdate();
    }
    bool acted = false;
    {
        CCoachDlg dlg(explain ? "Explain Next Step" : "Where Did I Go Wrong?", advice.text, action,
                      parent);
        acted = dlg.Run();
    }
    bool changed = false;
    if (acted && advice.kind == reasoning::Advice::nextStep)
        changed = reasoning::MakeMarks(doc, book, advice.marks);
    else if (acted && advice.kind == reasoning::Advice::firstWrong)
        changed = reasoning::ClearMark(doc, book, advice.marks.front());
    if (!keys.empty())
        doc.SetHighlightedHint(hint); // the hint on show before, if any
    if (!keys.empty() || changed)
        view.OnInitialUpdate();
    return changed;
}

} // namespace coach
