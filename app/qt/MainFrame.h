// CMainFrame: the main window. A QMainWindow whose central widget is the MDI
// area that holds the game's windows, with the four status-bar panes.
#pragma once

#include <QMainWindow>

class QLabel;
class QMdiArea;

class CMainFrame : public QMainWindow {
    Q_OBJECT
public:
    CMainFrame();

    QMdiArea* MdiArea() const { return m_mdiArea; }
    // Pane 0 is the prompt ("Ready"); panes 1-3 are hints, checks and plays.
    QLabel* Pane(int index) const { return m_panes[index]; }
    void SetPaneText(int index, const QString& text);

private:
    QMdiArea* m_mdiArea;
    QLabel* m_panes[4];
};
