// CPuzzleApp: the application object. Finds the data folder, reads the sound
// setting, creates the main window, takes the player through the About box,
// the choice of player and of game, begins the first game and hands over to
// the message loop. Owns the current player for the whole run.
#pragma once

#include <QObject>
#include <QStringList>
#include <memory>

class CMainFrame;
class CPlayer;

class CPuzzleApp : public QObject {
    Q_OBJECT
public:
    // arguments: the command line without the program's own name (Qt's own
    // options already taken out).
    explicit CPuzzleApp(const QStringList& arguments);
    ~CPuzzleApp() override;

    // The start-up sequence; false ends the program before the message loop.
    bool InitInstance();
    // The message loop, until the main window has closed.
    int Run();

    void OnAppAbout();
    void OnHelp();

    CMainFrame* MainFrame() const { return m_mainFrame.get(); }
    CPlayer& Player() { return *m_player; }

    // The application object of the run, or null.
    static CPuzzleApp* Instance();

private:
    void CreateMainFrame();
    // What start-up leaves until its first window is up: what a crash left
    // swept away, the session-bus lookup given back, the kept font measures
    // checked. Once only.
    void AfterFirstWindow();

    QStringList m_arguments;
    std::unique_ptr<CPlayer> m_player;
    std::unique_ptr<CMainFrame> m_mainFrame;
    bool m_afterFirstWindowDone = false;
};
