#include "app/qt/MainFrame.h"

#include <QLabel>
#include <QMdiArea>
#include <QStatusBar>

CMainFrame::CMainFrame() {
    setWindowTitle("Deduxa");
    m_mdiArea = new QMdiArea(this);
    setCentralWidget(m_mdiArea);
    const char* initial[4] = {"Ready", "Hints: 0   ", "Checks: 0   ", "Played: 0   "};
    for (int i = 0; i < 4; ++i) {
        m_panes[i] = new QLabel(initial[i], this);
        if (i == 0)
            statusBar()->addWidget(m_panes[i], 1);
        else
            statusBar()->addPermanentWidget(m_panes[i]);
    }
    resize(800, 600);
}

void CMainFrame::SetPaneText(int index, const QString& text) {
    if (index >= 0 && index < 4)
        m_panes[index]->setText(text);
}
