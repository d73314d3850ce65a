// CMainFrame: the main window and the owner of the game being played.
//
// A QMainWindow whose client area holds the MDI area with the page window
// and the board frame, and the game button bar glued along its top edge. It
// carries the menu and the four status-bar panes and runs the game flow:
// starting and resuming games, storing them, hints, answer checks, the
// solution, the end of the game and closing.
#pragma once

#include "board/HintHost.h"
#include "board/qt/BoardOptions.h"

#include <QMainWindow>
#include <map>
#include <memory>
#include <string>

class QAction;
class QLabel;
class QMdiArea;
class QMenu;
class CChildFrame;
class CGameBarDlg;
class CGridDoc;
class CGridView;
class CMuWnd;
class CCellHintDlg;
class CPlayer;
namespace reasoning {
class CCoach;
}

class CMainFrame : public QMainWindow, public CHintHost {
    Q_OBJECT
public:
    explicit CMainFrame(CPlayer& player);
    ~CMainFrame() override;

    // The game's windows, built once before the first game.
    void CreateGameWindows();
    // Opens the game's first page and puzzle and lays the windows out. The
    // game file name and title have been set by the caller. False when the
    // first page cannot be loaded: then nothing else has changed.
    bool StartGame(const std::string& fileName);
    void BeginGameRecord(bool fresh);
    void ResumeSavedGame(const std::string& title);
    // The game-beginning tail: panes, quick instructions, "Let's begin...".
    void BeginGameTail();
    void RefreshPanes();
    // Grows the window (within the screen) so that the game's windows show.
    void FitGameWindows();
    virtual void SetFrameTitle(const std::string& text);

    // Game-flow commands.
    void OnSaveGame();
    void ShowHint(int n) override;
    void SetHintMode(bool on) override;
    void OnFindHints() { SetHintMode(true); }
    void OnCheckAnswer();
    void OnShowSolution();
    // The coach's two commands; each use counts as an answer check.
    void OnExplainNextStep() { OnCoach(false); }
    void OnWhereDidIGoWrong() { OnCoach(true); }
    bool HasCoach() const { return m_coach != nullptr; }
    void OnQuickInstructions();
    void OnScoring();
    // Menu commands that run other dialogs.
    void OnNewGame();
    // Makes a game of the player's choice (or from a code) and starts it.
    void OnNewRandomGame();
    void OnLoadSavedGame();
    void OnPlayRewardGame();
    void OnSettings();
    void OnNewPlayer();
    void OnDeletePlayer();
    void OnStatsCurrentPlayer();
    void OnStatsAnyPlayer();
    void OnPrintPage();

    // The current game.
    std::string gameFileName;
    std::string gameTitle;
    bool showQuickInstructions = true;
    bool rewardAvailable = false;

    // Parts, for the application object and the tests.
    QMdiArea* MdiArea() const { return m_mdiArea; }
    QWidget* ClientArea() const { return m_client; }
    QLabel* Pane(int index) const { return m_panes[index]; }
    void SetPaneText(int index, const QString& text);
    CGameBarDlg* Bar() const { return m_bar; }
    CMuWnd* PageWindow() const { return m_pageWnd; }
    CGridView* View() const { return m_view; }
    CChildFrame* BoardFrame() const { return m_boardFrame; }
    CGridDoc* Document() const { return m_doc.get(); }
    CCellHintDlg* HintDialog() const { return m_hintDlg; }
    QAction* Action(int id) const;
    bool SolutionShown() const;
    // Brings the enabled state of every command up to date.
    void UpdateCommandUI();

signals:
    // The window closed for good (the program ends).
    void Closed();

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    enum class Finish { solved, givenUp };
    void FinishGame(Finish kind, int marked, int correct, bool fromCheck);
    // The common start of Check Answer and Show Solution: nothing while the
    // solution is on show, hint mode off, and a solved board finishes the
    // game. True when the command goes on with the counts in marked and correct.
    bool BeginAnswerCommand(bool fromCheck, int& marked, int& correct);
    void BuildMenu();
    void OnCoach(bool whereWrong);
    // The board options as the View menu's Options items stand, and the view
    // made to follow them.
    board::BoardOptions BoardOptionsChosen() const;
    void ApplyBoardOptions();
    void LoadGamePage(const std::string& relative);
    void PlaceBar();
    void RefreshBoardScroll();
    // Begins another game in place of the current one; on failure the
    // previous game's names are restored and false is returned.
    bool SwitchGame(const std::string& title, const std::string& fileName);

    CPlayer& m_player;
    QWidget* m_client = nullptr;
    QMdiArea* m_mdiArea = nullptr;
    QLabel* m_panes[4] = {};
    CGameBarDlg* m_bar = nullptr;
    CMuWnd* m_pageWnd = nullptr;
    CChildFrame* m_boardFrame = nullptr;
    CGridView* m_view = nullptr;
    CCellHintDlg* m_hintDlg = nullptr;
    std::unique_ptr<CGridDoc> m_doc;
    std::unique_ptr<reasoning::CCoach> m_coach; // null: the game has no clue file
    std::map<int, QAction*> m_actions;
    bool m_closing = false;
};
