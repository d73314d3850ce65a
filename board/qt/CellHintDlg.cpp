#include "board/qt/CellHintDlg.h"

#include "board/HintHost.h"
#include "board/Texts.h"
#include "platform/Help.h"
#include "resources/dialogs/Dlg135.h"

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
