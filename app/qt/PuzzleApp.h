// CPuzzleApp: the application object. Finds the data folder, starts the main
// window and runs the message loop.
#pragma once

#include <QApplication>
#include <memory>

class CMainFrame;

class CPuzzleApp : public QApplication {
    Q_OBJECT
public:
    CPuzzleApp(int& argc, char** argv);
    ~CPuzzleApp() override;

    // The start-up sequence; false ends the program before the message loop.
    bool InitInstance();
    int Run();

    CMainFrame* MainFrame() const { return m_mainFrame.get(); }

private:
    std::unique_ptr<CMainFrame> m_mainFrame;
};
