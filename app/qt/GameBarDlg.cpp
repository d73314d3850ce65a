#include "app/qt/GameBarDlg.h"

#include "resources/dialogs/Dlg134.h"

#include <QCloseEvent>
#include <QPushButton>
#include <algorithm>

CGameBarDlg::CGameBarDlg(QWidget* parent) : CTemplateDialog(resources::kDlg134, parent) {
    // A plain child widget of the client area, not a top-level dialog.
    setWindowFlags(Qt::Widget);
    // The frame gives it the client area's width; only the height is fixed.
    m_height = height();
    setMinimumSize(0, m_height);
    setMaximumSize(QWIDGETSIZE_MAX, m_height);
    setAutoFillBackground(true);
    m_height = height();
}

CGameBarDlg::~CGameBarDlg() {
    DeleteHintButtons();
}

QPushButton* CGameBarDlg::CheckButton() const {
    return Button(kCheckButton);
}

QPushButton* CGameBarDlg::SolutionButton() const {
    return Button(kSolutionButton);
}

void CGameBarDlg::DeleteHintButtons() {
    for (QPushButton* b : m_hintButtons)
        delete b;
    m_hintButtons.clear();
}

void CGameBarDlg::CreateHintButtons(int count) {
    const QRect r = Control(kFirstHintPlace)->geometry();
    DeleteHintButtons();
    for (int i = 1; i <= count; ++i) {
        auto* b = new QPushButton(QString::number(i), this);
        b->setAutoDefault(false);
        b->setFocusPolicy(Qt::TabFocus);
        // The id 1005 + i is what the button was always known by; the bar
        // finds its buttons by their place in the row, never by id, so that
        // every hint works however many there are.
        b->setProperty("controlId", 1005 + i);
        b->setGeometry(r);
        connect(b, &QPushButton::clicked, this, [this, i] { emit HintPressed(i); });
        b->show();
        m_hintButtons.push_back(b);
    }
    PlaceHintButtons();
}

void CGameBarDlg::PlaceHintButtons() {
    if (m_hintButtons.empty())
        return;
    QRect r = Control(kFirstHintPlace)->geometry();
    const int count = static_cast<int>(m_hintButtons.size());
    int width = r.width(), gap = 3;
    const int room = this->width() - r.left() - gap;
    if (count * (width + gap) > room) {
        // More than the bar shows at their own width (a big puzzle's thirty
        // hints): narrower buttons closer together, never narrower than
        // their numbers.
        gap = 1;
        const int least = fontMetrics().horizontalAdvance(QString::number(count)) + 8;
        width = std::max(least, std::min(width, room / count - gap));
    }
    for (QPushButton* b : m_hintButtons) {
        b->setGeometry(r.left(), r.top(), width, r.height());
        r.translate(width + gap, 0);
    }
}

void CGameBarDlg::resizeEvent(QResizeEvent* event) {
    CTemplateDialog::resizeEvent(event);
    PlaceHintButtons();
}

void CGameBarDlg::EnableAllHintButtons() {
    for (QPushButton* b : m_hintButtons)
        b->setEnabled(true);
}

void CGameBarDlg::SelectHintButton(int n) {
    EnableAllHintButtons();
    if (n >= 1 && n <= static_cast<int>(m_hintButtons.size()))
        m_hintButtons[n - 1]->setEnabled(false);
}

void CGameBarDlg::OnCommand(int id) {
    switch (id) {
    case kSolutionButton:
        emit ShowSolutionPressed();
        break;
    case kCheckButton:
        emit CheckAnswerPressed();
        break;
    case kFindHintsButton:
        emit FindHintsPressed();
        break;
    case kClearButton:
        emit HintPressed(0);
        break;
    default:
        break; // the hidden Enter button does nothing
    }
}

void CGameBarDlg::OnOK() {
    if (closeAllowed)
        CTemplateDialog::OnOK();
}

void CGameBarDlg::OnCancel() {
    if (closeAllowed)
        CTemplateDialog::OnCancel();
}

void CGameBarDlg::closeEvent(QCloseEvent* event) {
    if (closeAllowed)
        CTemplateDialog::closeEvent(event);
    else
        event->ignore();
}

bool CGameBarDlg::DestroyWindow() {
    if (!closeAllowed)
        return false;
    hide();
    DeleteHintButtons();
    return true;
}
