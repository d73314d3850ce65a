#include "board/qt/CellHintDlg.h"

#include "board/HintHost.h"
#include "board/Texts.h"
#include "platform/Help.h"
#include "platform/qt/Placement.h"
#include "resources/dialogs/Dlg135.h"

#include <QMdiSubWindow>
#include <QPlainTextEdit>
#include <QTextDocument>
#include <QTextOption>

CCellHintDlg::CCellHintDlg(QWidget* parent, CHintHost* host)
    : platform::CTemplateDialog(kDlg135, parent), m_host(host) {
    setObjectName("CCellHintDlg");
    setModal(false);
    if (auto* edit = ControlAs<QPlainTextEdit>(IDC_HINT_TEXT)) {
        QTextOption option = edit->document()->defaultTextOption();
        option.setAlignment(Qt::AlignHCenter);
        edit->document()->setDefaultTextOption(option);
        edit->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        edit->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        edit->setFocusPolicy(Qt::NoFocus);
    }
    hide();
}

void CCellHintDlg::setVisible(bool visible) {
    if (visible && !isVisible()) {
        Place();
    } else if (!visible && isVisible() && pos() != m_placedAt) {
        m_playerPlaced = true;
        m_playerAt = pos();
    }
    platform::CTemplateDialog::setVisible(visible);
}

void CCellHintDlg::Place() {
    QRect outer = platform::OuterRect(this);
    if (m_playerPlaced) {
        outer.moveTopLeft(m_playerAt);
        outer = platform::KeptInside(outer, platform::AvailableArea(this));
    } else {
        // The board frame: the child window of the main window's MDI area
        // that holds the view this dialog belongs to, as far as it is in sight.
        QWidget* frame = parentWidget();
        while (frame && !qobject_cast<QMdiSubWindow*>(frame))
            frame = frame->parentWidget();
        if (!frame || !frame->parentWidget()) {
            m_placedAt = pos();
            return;
        }
        QWidget* area = frame->parentWidget();
        const QRect seen = frame->geometry().intersected(area->rect());
        const QRect board(area->mapToGlobal(seen.topLeft()), seen.size());
        outer = platform::BesideRect(
            board.isValid() ? board : QRect(frame->mapToGlobal(QPoint()), frame->size()),
            outer.size(), platform::AvailableArea(frame));
    }
    platform::MoveOuterTo(this, outer);
    m_placedAt = outer.topLeft();
}

void CCellHintDlg::showEvent(QShowEvent* event) {
    platform::CTemplateDialog::showEvent(event);
    // The dialog always appears blank.
    EnableHintControls(false);
    m_hintText.clear();
    UpdateControls();
}

void CCellHintDlg::ShowCellHint(const std::string& text, int hintNumber) {
    if (hintNumber != 0) {
        if (m_host)
            m_host->ShowHint(hintNumber);
        EnableHintControls(true);
        m_hintText = QString::fromStdString(text);
    } else if (!text.empty()) {
        // Several hints name this cell: list them, open no page.
        EnableHintControls(true);
        m_hintText = QString::fromStdString(text);
    }
    UpdateControls();
}

void CCellHintDlg::EnableHintControls(bool enable) {
    EnableItem(IDC_HINT_LISTED, enable);
    EnableItem(IDC_HINT_TEXT, enable);
}

void CCellHintDlg::UpdateControls() {
    if (ItemText(IDC_HINT_TEXT) != m_hintText)
        SetItemText(IDC_HINT_TEXT, m_hintText);
}

void CCellHintDlg::OnCommand(int id) {
    if (id == IDC_HELP) {
        platform::ShowHelpTopic(board_texts::kCellHintHelpTopic, this);
        return;
    }
    platform::CTemplateDialog::OnCommand(id);
}

void CCellHintDlg::EndHintMode() {
    if (m_host)
        m_host->SetHintMode(false);
}

void CCellHintDlg::OnOK() {
    EndHintMode();
    platform::CTemplateDialog::OnOK();
}

void CCellHintDlg::OnCancel() {
    EndHintMode();
    platform::CTemplateDialog::OnCancel();
}
