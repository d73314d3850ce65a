#include "app/qt/MainFrame.h"

#include "app/GameFlow.h"
#include "app/Texts.h"
#include "app/qt/CoachDlg.h"
#include "app/qt/CongratsDlg.h"
#include "app/qt/FocusRing.h"
#include "app/qt/GameBarDlg.h"
#include "app/qt/RewardLink.h"
#include "app/qt/SelectGameDlg.h"
#include "board/Settings.h"
#include "board/qt/BoardOptions.h"
#include "board/qt/CellHintDlg.h"
#include "board/qt/ChildFrame.h"
#include "board/qt/GridView.h"
#include "board/qt/SettingsDlg.h"
#include "madegames/MadeGames.h"
#include "madegames/qt/MakeGameRun.h"
#include "madegames/qt/NewRandomGameDlg.h"
#include "pages/qt/MuWnd.h"
#include "platform/DataPath.h"
#include "platform/FileError.h"
#include "platform/Help.h"
#include "platform/MessageBox.h"
#include "platform/Sound.h"
#include "players/Player.h"
#include "players/Roster.h"
#include "players/qt/DeletePlayersDlg.h"
#include "players/qt/PlayerStatsDlg.h"
#include "players/qt/SavedGamesDlg.h"
#include "players/qt/SelectPlayerDlg.h"
#include "puzzle/GridDoc.h"
#include "puzzle/Scoring.h"
#include "reasoning/Coach.h"
#include "resources/Menu.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QLabel>
#include <QLayout>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QPushButton>
#include <QResizeEvent>
#include <QScreen>
#include <QScrollBar>
#include <QStatusBar>
#include <algorithm>

using gameflow::Format;
using platform::MessageBox;
using resources::Enabling;

namespace {
constexpr int kQuickInstructionsTopic = 1001;
constexpr int kPageClientWidth = 305;
constexpr int kPageHeight = 398;

QString Q(const std::string& s) {
    return QString::fromStdString(s);
}

// Lays out a window that has not been shown yet, so that its children have
// their real sizes and its decorations can be measured.
void LayOutNow(QWidget* w) {
    w->ensurePolished();
    QResizeEvent resize(w->size(), w->size());
    QCoreApplication::sendEvent(w, &resize);
    if (QLayout* layout = w->layout())
        layout->activate();
    for (QObject* child : w->children())
        if (auto* c = qobject_cast<QWidget*>(child); c && !c->isWindow() && !c->isHidden())
            LayOutNow(c);
}
} // namespace

CMainFrame::CMainFrame(CPlayer& player) : m_player(player) {
    setWindowTitle(resources::kMainTitle);
    m_client = new QWidget(this);
    m_mdiArea = new QMdiArea(m_client);
    m_mdiArea->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    m_mdiArea->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    m_mdiArea->setGeometry(m_client->rect());
    m_client->installEventFilter(this);
    setCentralWidget(m_client);

    const char* initial[4] = {texts::kReady, texts::kHintsInitial, texts::kChecksInitial,
                              texts::kPlayedInitial};
    for (int i = 0; i < 4; ++i) {
        m_panes[i] = new QLabel(initial[i], this);
        if (i == 0) {
            statusBar()->addWidget(m_panes[i], 1);
        } else {
            m_panes[i]->setFrameStyle(QFrame::Panel | QFrame::Sunken);
            // The initial text, with its trailing blanks, fixes the width.
            m_panes[i]->setMinimumWidth(m_panes[i]->sizeHint().width() + 8);
            statusBar()->addPermanentWidget(m_panes[i]);
        }
    }
    BuildMenu();
    resize(800, 600);
}

CMainFrame::~CMainFrame() {
    // The view goes before the document it draws.
    delete m_boardFrame;
    m_boardFrame = nullptr;
    delete m_bar;
    m_bar = nullptr;
}

// ---------------------------------------------------------------------------
// Menu

void CMainFrame::BuildMenu() {
    std::function<void(QMenu*, const std::vector<resources::MenuItem>&)> fill =
        [&](QMenu* menu, const std::vector<resources::MenuItem>& items) {
            for (const auto& item : items) {
                if (!item.items.empty()) {
                    QMenu* sub = menu->addMenu(Q(item.text));
                    fill(sub, item.items);
                    continue;
                }
                if (item.id == 0) {
                    menu->addSeparator();
                    continue;
                }
                QAction* action = menu->addAction(Q(item.text));
                action->setData(item.id);
                QList<QKeySequence> keys;
                for (const QString& key : Q(item.shortcut).split(';', Qt::SkipEmptyParts))
                    keys.append(QKeySequence(key));
                action->setShortcuts(keys);
                action->setStatusTip(Q(gameflow::StatusPrompt(resources::PromptString(item.id))));
                action->setCheckable(item.checkable);
                m_actions[item.id] = action;
            }
            connect(menu, &QMenu::aboutToShow, this, [this] { UpdateCommandUI(); });
        };
    for (const auto& popup : resources::MainMenu()) {
        QMenu* menu = menuBar()->addMenu(Q(popup.text));
        fill(menu, popup.items);
    }

    auto on = [this](int id, void (CMainFrame::*handler)()) {
        connect(m_actions[id], &QAction::triggered, this, [this, handler] {
            (this->*handler)();
            UpdateCommandUI();
        });
    };
    on(resources::ID_NEW_GAME, &CMainFrame::OnNewGame);
    on(resources::ID_NEW_RANDOM_GAME, &CMainFrame::OnNewRandomGame);
    on(resources::ID_LOAD_SAVED_GAME, &CMainFrame::OnLoadSavedGame);
    on(resources::ID_SAVE_GAME, &CMainFrame::OnSaveGame);
    on(resources::ID_FILE_PRINT, &CMainFrame::OnPrintPage);
    on(resources::ID_SHOW_SOLUTION, &CMainFrame::OnShowSolution);
    on(resources::ID_CHECK_ANSWER, &CMainFrame::OnCheckAnswer);
    on(resources::ID_FIND_HINTS, &CMainFrame::OnFindHints);
    on(resources::ID_EXPLAIN_NEXT_STEP, &CMainFrame::OnExplainNextStep);
    on(resources::ID_WHERE_WRONG, &CMainFrame::OnWhereDidIGoWrong);
    on(resources::ID_PLAY_REWARD_GAME, &CMainFrame::OnPlayRewardGame);
    on(resources::ID_STATS_CURRENT_PLAYER, &CMainFrame::OnStatsCurrentPlayer);
    on(resources::ID_STATS_ANY_PLAYER, &CMainFrame::OnStatsAnyPlayer);
    on(resources::ID_SETTINGS, &CMainFrame::OnSettings);
    on(resources::ID_DELETE_PLAYER, &CMainFrame::OnDeletePlayer);
    on(resources::ID_NEW_PLAYER, &CMainFrame::OnNewPlayer);
    on(resources::ID_QUICK_INSTRUCTIONS, &CMainFrame::OnQuickInstructions);
    on(resources::ID_SCORING, &CMainFrame::OnScoring);
    connect(m_actions[resources::ID_APP_EXIT], &QAction::triggered, this, [this] { close(); });
    QAction* statusToggle = m_actions[resources::ID_VIEW_STATUS_BAR];
    statusToggle->setChecked(true);
    connect(statusToggle, &QAction::toggled, statusBar(), &QStatusBar::setVisible);
    connect(m_actions[resources::ID_EDIT_UNDO], &QAction::triggered, this, [this] {
        if (m_view)
            m_view->UndoMark();
        UpdateCommandUI();
    });
    connect(m_actions[resources::ID_EDIT_REDO], &QAction::triggered, this, [this] {
        if (m_view)
            m_view->RedoMark();
        UpdateCommandUI();
    });
    const board::BoardOptions options = board::ReadBoardOptions();
    m_actions[resources::ID_MARK_REST_FALSE]->setChecked(options.markRestFalse);
    m_actions[resources::ID_SHOW_SYMBOLS]->setChecked(options.showSymbols);
    for (int id : {resources::ID_MARK_REST_FALSE, resources::ID_SHOW_SYMBOLS})
        connect(m_actions[id], &QAction::toggled, this, [this] {
            board::WriteBoardOptions(BoardOptionsChosen());
            ApplyBoardOptions();
        });
    UpdateCommandUI();
}

board::BoardOptions CMainFrame::BoardOptionsChosen() const {
    board::BoardOptions options;
    options.markRestFalse = Action(resources::ID_MARK_REST_FALSE)->isChecked();
    options.showSymbols = Action(resources::ID_SHOW_SYMBOLS)->isChecked();
    return options;
}

void CMainFrame::ApplyBoardOptions() {
    if (!m_view)
        return;
    const board::BoardOptions options = BoardOptionsChosen();
    m_view->markRestFalse = options.markRestFalse;
    m_view->SetShowSymbols(options.showSymbols);
}

QAction* CMainFrame::Action(int id) const {
    auto it = m_actions.find(id);
    return it == m_actions.end() ? nullptr : it->second;
}

bool CMainFrame::SolutionShown() const {
    return m_view && m_view->solutionShown;
}

void CMainFrame::UpdateCommandUI() {
    std::function<void(const std::vector<resources::MenuItem>&)> walk =
        [&](const std::vector<resources::MenuItem>& items) {
            for (const auto& item : items) {
                walk(item.items);
                QAction* action = Action(item.id);
                if (!action)
                    continue;
                switch (item.enabling) {
                case Enabling::always:
                    action->setEnabled(true);
                    break;
                case Enabling::whilePlaying:
                    action->setEnabled(!SolutionShown());
                    break;
                case Enabling::whileRewardAvailable:
                    action->setEnabled(rewardAvailable);
                    break;
                case Enabling::whileUndoable:
                    action->setEnabled(m_view && m_view->CanUndoMark());
                    break;
                case Enabling::whileRedoable:
                    action->setEnabled(m_view && m_view->CanRedoMark());
                    break;
                case Enabling::whileCoached:
                    action->setEnabled(m_coach && !SolutionShown());
                    break;
                }
            }
        };
    walk(resources::MainMenu());
}

void CMainFrame::SetPaneText(int index, const QString& text) {
    if (index >= 0 && index < 4)
        m_panes[index]->setText(text);
}

void CMainFrame::SetFrameTitle(const std::string& text) {
    setWindowTitle(Q(text));
}

// ---------------------------------------------------------------------------
// The game windows

void CMainFrame::CreateGameWindows() {
    if (m_bar)
        return;
    m_bar = new CGameBarDlg(m_client);
    PlaceBar();
    m_bar->hide();
    connect(m_bar, &CGameBarDlg::ShowSolutionPressed, this, [this] {
        OnShowSolution();
        UpdateCommandUI();
    });
    connect(m_bar, &CGameBarDlg::CheckAnswerPressed, this, [this] {
        OnCheckAnswer();
        UpdateCommandUI();
    });
    connect(m_bar, &CGameBarDlg::FindHintsPressed, this, [this] { OnFindHints(); });
    connect(m_bar, &CGameBarDlg::HintPressed, this, [this](int n) { ShowHint(n); });

    m_pageWnd = new CMuWnd(m_mdiArea);
    m_pageWnd->setGeometry(0, 1, 320, kPageHeight);
    m_pageWnd->hide();
    // The page window in focus empties the main caption. Checked once the
    // events have settled: showing the main window passes the activation
    // through the page window on its way to the board.
    connect(
        m_pageWnd, &CMuWnd::PageFocused, this,
        [this] {
            if (m_mdiArea->activeSubWindow() == m_pageWnd)
                setWindowTitle(QString());
        },
        Qt::QueuedConnection);

    m_boardFrame = new CChildFrame;
    m_mdiArea->addSubWindow(m_boardFrame);
    m_boardFrame->setGeometry(0, 1, 320, kPageHeight);
    m_view = new CGridView;
    m_boardFrame->SetView(m_view);
    m_hintDlg = m_view->CreateHintDialog(this);
    m_doc = std::make_unique<CGridDoc>();
    m_view->SetGridDocument(m_doc.get());
    ApplyBoardOptions();
    connect(m_view, &CGridView::marksChanged, this, [this] { UpdateCommandUI(); });
    new CFocusRing(this, [this] {
        std::vector<QWidget*> stops{m_pageWnd->ClientArea()};
        for (auto* button : m_bar->findChildren<QPushButton*>())
            stops.push_back(button);
        std::stable_sort(stops.begin() + 1, stops.end(),
                         [](QWidget* a, QWidget* b) { return a->x() < b->x(); });
        stops.push_back(m_view);
        return stops;
    });
    m_boardFrame->move(321, 1);
    m_boardFrame->hide();
    m_bar->raise();
}

void CMainFrame::PlaceBar() {
    if (!m_bar)
        return;
    m_bar->setGeometry(1, 1, m_client->width() - 1, m_bar->BarHeight());
}

bool CMainFrame::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_client && event->type() == QEvent::Resize) {
        m_mdiArea->setGeometry(m_client->rect());
        PlaceBar();
    }
    return QMainWindow::eventFilter(watched, event);
}

void CMainFrame::changeEvent(QEvent* event) {
    QMainWindow::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow()) {
        for (QMdiSubWindow* child : m_mdiArea->subWindowList())
            child->update();
    }
}

void CMainFrame::LoadGamePage(const std::string& relative) {
    if (m_pageWnd)
        m_pageWnd->LoadPage(platform::RealPath(relative), 0, true, 0);
}

bool CMainFrame::StartGame(const std::string& fileName) {
    rewardAvailable = false;
    m_bar->SolutionButton()->setEnabled(true);
    m_bar->CheckButton()->setEnabled(true);
    if (!m_pageWnd->LoadPage(platform::RealPath(gameflow::PagePath(fileName, 0, false)), 0, true,
                             0))
        return false;
    platform::PlaySound(texts::kStartWav);
    const std::string puzzlePath = platform::RealPath(gameflow::PuzzlePath(fileName));
    m_doc->OnOpenDocument(puzzlePath);
    int clueCause = platform::causeNone;
    m_coach = reasoning::LoadCoach(puzzlePath, m_doc->GetAnswerList(), clueCause);
    if (clueCause != platform::causeNone)
        MessageBox(platform::FileErrorText(clueCause, reasoning::ClueFilePath(puzzlePath)), "",
                   platform::MB_OK | platform::MB_ICONEXCLAMATION);
    m_player.SelectGameStats(gameTitle, false);
    m_player.IncTimesPlayed(true);
    SetPaneText(3, Q(Format(texts::kPlayedPane, m_player.TimesPlayed())));
    m_bar->CreateHintButtons(m_doc->GetHintCount());

    const int barHeight = m_bar->BarHeight();
    m_bar->setWindowTitle(Q(gameTitle));
    m_pageWnd->topLimit = barHeight;
    m_boardFrame->minimumTop = barHeight;

    // The page window's own decorations (frame and scroll bar) around a
    // client area 305 pixels wide.
    LayOutNow(m_pageWnd);
    const int pageWidth =
        (m_pageWnd->width() - m_pageWnd->ClientArea()->width()) + kPageClientWidth;
    m_pageWnd->setGeometry(0, barHeight, pageWidth, kPageHeight);
    const PictureSize picture = m_doc->GetPictureSize();
    LayOutNow(m_boardFrame);
    // The picture's size plus this frame's own borders and caption, so that
    // the whole picture shows without scroll bars.
    m_boardFrame->setGeometry(QRect(QPoint(pageWidth + 1, barHeight),
                                    m_boardFrame->FrameSizeForPicture(picture).expandedTo(
                                        CChildFrame::ClassicFrameSize(picture))));

    m_view->solutionShown = false;
    m_view->hintMode = false;
    m_doc->SetSolutionShown(false);
    m_view->OnInitialUpdate();

    PlaceBar();
    m_bar->show();
    m_bar->raise();
    m_bar->EnableAllHintButtons();
    m_pageWnd->show();
    m_boardFrame->setWindowTitle(Q(gameTitle));
    m_boardFrame->show();
    m_view->update();
    m_pageWnd->update();
    FitGameWindows();
    UpdateCommandUI();
    return true;
}

void CMainFrame::FitGameWindows() {
    // Grow the main window (never beyond the screen) so that the bar, the
    // page and the whole board show; the MDI area scrolls what still does not fit.
    if (!isVisible())
        return; // done again once the window is shown
    // The board frame shows the whole picture: its own decorations (caption
    // and border) measured now that it is laid out, around the view with its
    // border and the picture.
    LayOutNow(m_boardFrame);
    const PictureSize picture = m_doc->GetPictureSize();
    const QSize decorations = m_boardFrame->size() - m_view->size();
    const QSize board = QSize(picture.width, picture.height) +
                        QSize(2 * m_view->frameWidth(), 2 * m_view->frameWidth()) + decorations;
    if (board.width() > m_boardFrame->width() || board.height() > m_boardFrame->height())
        m_boardFrame->resize(board.expandedTo(m_boardFrame->size()));
    const QRect needed = m_pageWnd->geometry().united(m_boardFrame->geometry());
    const QSize client = m_client->size();
    const int wantWidth = std::max(client.width(), needed.right() + 2);
    const int wantHeight = std::max(client.height(), needed.bottom() + 2);
    if (wantWidth == client.width() && wantHeight == client.height()) {
        RefreshBoardScroll();
        return;
    }
    QSize outer = size() + QSize(wantWidth - client.width(), wantHeight - client.height());
    if (QScreen* s = screen()) {
        const QSize room = s->availableGeometry().size() - (frameGeometry().size() - size());
        outer = outer.boundedTo(room).expandedTo(size());
    }
    resize(outer);
    RefreshBoardScroll();
}

void CMainFrame::RefreshBoardScroll() {
    // Let the view work its scroll ranges out for the size it has now.
    LayOutNow(m_boardFrame);
    m_view->OnInitialUpdate();
}

void CMainFrame::BeginGameRecord(bool fresh) {
    m_player.SelectGameStats(gameTitle, false);
    if (fresh) {
        m_player.ResetStats();
        m_player.SetCorrectCount(gameTitle, static_cast<int>(m_doc->GetAnswerList().size()),
                                 m_doc->GetHintCount());
    }
}

void CMainFrame::ResumeSavedGame(const std::string& title) {
    int first = m_doc->GetSavedGameValue1();
    int second = m_doc->GetSavedGameValue2();
    m_player.LoadSavedGame(players::GamesFolder(), title, first, second, m_doc->GetCells(),
                           m_doc->GetMarkedTrueList());
    m_doc->SetSavedGameValues(first, second);
    m_player.IncTimesPlayed(false);
    RefreshPanes();
    // The caption follows the resumed game as it does a new one.
    SetFrameTitle(title);
    m_view->OnInitialUpdate();
}

void CMainFrame::RefreshPanes() {
    SetPaneText(3, Q(Format(texts::kPlayedPane, m_player.TimesPlayed())));
    SetPaneText(2, Q(Format(texts::kChecksPane, m_player.TimesAnswerChecked())));
    SetPaneText(1, Q(Format(texts::kHintsPane, m_player.TimesHintTaken())));
    statusBar()->update();
}

void CMainFrame::BeginGameTail() {
    RefreshPanes();
    if (showQuickInstructions)
        OnQuickInstructions();
    int points = 0, average = 0;
    m_player.GetGameData(points, average);
    MessageBox(gameflow::ScoringText(points, average), texts::kLetsBegin, platform::MB_OK);
}

bool CMainFrame::SwitchGame(const std::string& title, const std::string& fileName) {
    const std::string oldTitle = gameTitle;
    const std::string oldFileName = gameFileName;
    gameTitle = title;
    gameFileName = fileName;
    if (StartGame(fileName))
        return true;
    // The game that failed leaves no trace: the previous one goes on under
    // its own names, with its own page back in the page window.
    gameTitle = oldTitle;
    gameFileName = oldFileName;
    if (!oldFileName.empty())
        m_pageWnd->LoadPage(platform::RealPath(gameflow::PagePath(oldFileName, 0, SolutionShown())),
                            0, false, 0);
    m_bar->SolutionButton()->setEnabled(!SolutionShown());
    m_bar->CheckButton()->setEnabled(!SolutionShown());
    return false;
}

// ---------------------------------------------------------------------------
// Game-flow commands

void CMainFrame::OnSaveGame() {
    if (!m_doc)
        return;
    m_player.SaveGame(players::GamesFolder(), gameTitle, gameFileName, m_doc->GetSavedGameValue1(),
                      m_doc->GetSavedGameValue2(), m_doc->GetCells(), SolutionShown());
}

void CMainFrame::ShowHint(int n) {
    if (!m_bar)
        return;
    if (n != 0)
        m_bar->SelectHintButton(n);
    else
        m_bar->EnableAllHintButtons();
    if (n != 0)
        m_player.Hint(n - 1);
    LoadGamePage(gameflow::PagePath(gameFileName, n, SolutionShown()));
    m_doc->SetHighlightedHint(n);
    m_view->OnInitialUpdate();
    SetPaneText(1, Q(Format(texts::kHintsPane, m_player.TimesHintTaken())));
    statusBar()->update();
    platform::PlaySound(texts::kWhooshWav);
}

void CMainFrame::SetHintMode(bool on) {
    if (!m_view)
        return;
    if (on) {
        m_view->hintMode = true;
        if (m_hintDlg) {
            m_hintDlg->show();
            m_hintDlg->raise();
        }
    } else {
        if (m_hintDlg)
            m_hintDlg->hide();
        if (!SolutionShown())
            m_view->hintMode = false;
    }
}

bool CMainFrame::BeginAnswerCommand(bool fromCheck, int& marked, int& correct) {
    if (!m_view || SolutionShown())
        return false;
    SetHintMode(false);
    int percent = 0;
    if (m_doc->CompareWithAnswer(&percent, &marked, &correct)) {
        FinishGame(Finish::solved, marked, correct, fromCheck);
        return false;
    }
    return true;
}

void CMainFrame::OnCheckAnswer() {
    int marked = 0, correct = 0;
    if (!BeginAnswerCommand(true, marked, correct))
        return;
    const scoring::Verdict verdict = scoring::QuickCheckVerdict(marked, correct);
    platform::PlaySound(verdict.sound);
    m_player.CheckAnswer();
    MessageBox(verdict.text, texts::kQuickCheck, platform::MB_OK);
    SetPaneText(2, Q(Format(texts::kChecksPane, m_player.TimesAnswerChecked())));
    statusBar()->update();
    m_boardFrame->update();
}

void CMainFrame::OnCoach(bool whereWrong) {
    int marked = 0, correct = 0;
    if (!m_coach || !BeginAnswerCommand(true, marked, correct))
        return;
    m_player.CheckAnswer();
    SetPaneText(2, Q(Format(texts::kChecksPane, m_player.TimesAnswerChecked())));
    statusBar()->update();
    coach::RunCoach(whereWrong ? coach::Command::whereDidIGoWrong : coach::Command::explainNextStep,
                    *m_coach, *m_doc, *m_view, this);
    m_boardFrame->update();
}

void CMainFrame::OnShowSolution() {
    int marked = 0, correct = 0;
    if (!BeginAnswerCommand(false, marked, correct))
        return;
    platform::PlaySound(texts::kIncShowWav);
    const char* question = marked > 0 ? texts::kIncorrectShow : texts::kNothingMarkedShow;
    if (MessageBox(question, texts::kConfirmation, platform::MB_YESNO) == platform::IDYES)
        FinishGame(Finish::givenUp, marked, correct, false);
    m_boardFrame->update();
}

void CMainFrame::FinishGame(Finish kind, int marked, int correct, bool fromCheck) {
    if (kind == Finish::givenUp) {
        m_player.GameOver(marked, correct);
        LoadGamePage(gameflow::PagePath(gameFileName, 0, true));
        m_doc->SetHighlightedHint(0);
        m_view->solutionShown = true;
        m_view->hintMode = true;
        m_doc->SetSolutionShown(true);
        m_view->OnInitialUpdate();
        m_bar->SolutionButton()->setEnabled(false);
        m_bar->CheckButton()->setEnabled(false);
        m_bar->EnableAllHintButtons();
        platform::PlaySound(texts::kWrongWav);
        UpdateCommandUI();
        return;
    }
    m_doc->SetHighlightedHint(0);
    m_view->solutionShown = true;
    m_view->hintMode = true;
    m_doc->SetSolutionShown(true);
    m_view->OnInitialUpdate();
    m_bar->SolutionButton()->setEnabled(false);
    m_bar->CheckButton()->setEnabled(false);
    const int score = m_player.GameOver(marked, correct);
    LoadGamePage(gameflow::PagePath(gameFileName, 0, true));
    if (fromCheck)
        m_bar->EnableAllHintButtons();
    platform::PlaySound(texts::kCorrectWav);
    UpdateCommandUI();

    int result = 0;
    {
        CCongratsDlg congrats;
        congrats.SetScore(score);
        result = congrats.Run(m_player.name);
    }
    switch (result) {
    case gameflow::congratsNewGame:
        OnNewGame();
        break;
    case gameflow::congratsRewardLater:
        rewardAvailable = true;
        break;
    case gameflow::congratsQuit:
        if (!close())
            rewardAvailable = true;
        break;
    default:
        break;
    }
    if (result != gameflow::congratsQuit)
        m_boardFrame->update();
    UpdateCommandUI();
}

void CMainFrame::OnQuickInstructions() {
    platform::ShowHelpTopic(kQuickInstructionsTopic, this);
}

void CMainFrame::OnScoring() {
    int points = 0, average = 0;
    m_player.GetGameData(points, average);
    MessageBox(gameflow::ScoringText(points, average), texts::kScoring, platform::MB_OK);
}

void CMainFrame::closeEvent(QCloseEvent* event) {
    if (m_closing) {
        event->accept();
        return;
    }
    SetHintMode(false);
    if (MessageBox(texts::kQuitThisGame, texts::kConfirmation, platform::MB_YESNO) !=
        platform::IDYES) {
        event->ignore();
        return;
    }
    if (m_pageWnd) {
        OnSaveGame();
        m_player.Save(players::PlayersFolder());
        m_bar->closeAllowed = true;
        m_bar->DestroyWindow();
        m_pageWnd->allowDestroy = true;
        m_boardFrame->mayClose = true;
    }
    m_closing = true;
    event->accept();
    emit Closed();
}

// ---------------------------------------------------------------------------
// Commands that run other dialogs

void CMainFrame::OnNewGame() {
    SetHintMode(false);
    CSelectGameDlg dlg(&m_player);
    dlg.startupMode = false;
    dlg.unfinishedSavedGameExists = m_player.AnyUnfinishedSaved();
    dlg.showQuickInstructions = showQuickInstructions;
    const int result = dlg.exec();
    if (result == CSelectGameDlg::resultPlay) {
        showQuickInstructions = dlg.showQuickInstructions;
        OnSaveGame();
        if (!SwitchGame(dlg.chosenTitle, dlg.chosenFileName))
            return;
        BeginGameRecord(true);
        SetFrameTitle(gameTitle);
        OnSaveGame();
        BeginGameTail();
    } else if (result == CSelectGameDlg::resultOpenSaved) {
        showQuickInstructions = dlg.showQuickInstructions;
        OnSaveGame();
        if (dlg.chosenFileName.empty())
            return;
        if (!SwitchGame(dlg.chosenTitle, dlg.chosenFileName))
            return;
        ResumeSavedGame(gameTitle);
        BeginGameRecord(false);
        OnSaveGame();
        BeginGameTail();
    }
}

void CMainFrame::OnNewRandomGame() {
    SetHintMode(false);
    madegames::CNewRandomGameDlg dlg(this);
    if (!dlg.Run())
        return;
    const madegames::MakeResult made =
        madegames::MakeGameInto(dlg.recipe(), platform::RealPath("data") + "/",
                                platform::RealPath(madegames::kMadeListName), this);
    if (made.outcome == madegames::MakeOutcome::cancelled)
        return;
    if (made.outcome == madegames::MakeOutcome::failed) {
        MessageBox(made.fault, "New Random Game", platform::MB_OK | platform::MB_ICONEXCLAMATION);
        return;
    }
    // From here on as a game chosen in the game selection.
    if (m_player.IsUnfinishedSaved(made.entry.title) &&
        MessageBox(texts::kOverwriteSaved, texts::kConfirmation, platform::MB_OKCANCEL) !=
            platform::IDOK)
        return;
    OnSaveGame();
    if (!SwitchGame(made.entry.title, made.entry.fileName))
        return;
    BeginGameRecord(true);
    SetFrameTitle(gameTitle);
    OnSaveGame();
    BeginGameTail();
}

void CMainFrame::OnLoadSavedGame() {
    SetHintMode(false);
    CSavedGamesDlg dlg(&m_player);
    if (dlg.exec() != platform::kIdOk)
        return;
    OnSaveGame();
    if (SwitchGame(dlg.chosenTitle, dlg.chosenPuzzleBase))
        ResumeSavedGame(gameTitle);
}

void CMainFrame::OnPlayRewardGame() {
    SetHintMode(false);
    rewardAvailable = false;
    UpdateCommandUI();
    shell::RunRewardGame(m_player.GetScore(), m_player.name, this);
}

void CMainFrame::OnSettings() {
    SetHintMode(false);
    if (m_view) // the board is there from the first game on
        RunSettingsCommand(*m_view, this);
}

void CMainFrame::OnNewPlayer() {
    SetHintMode(false);
    OnSaveGame();
    m_player.Save(players::PlayersFolder());
    CSelectPlayerDlg dlg(m_player, false, false);
    if (dlg.exec() != platform::kIdCancel)
        OnNewGame();
}

void CMainFrame::OnDeletePlayer() {
    SetHintMode(false);
    CDeletePlayersDlg dlg(m_player.name, m_player.fileName);
    dlg.exec();
}

void CMainFrame::OnStatsCurrentPlayer() {
    SetHintMode(false);
    OnSaveGame();
    m_player.Save(players::PlayersFolder());
    CPlayerStatsDlg dlg(&m_player);
    dlg.exec();
}

void CMainFrame::OnStatsAnyPlayer() {
    SetHintMode(false);
    OnSaveGame();
    m_player.Save(players::PlayersFolder());
    CSelectPlayerDlg dlg(m_player, false, true);
    dlg.exec();
}

void CMainFrame::OnPrintPage() {
    SetHintMode(false);
    if (m_pageWnd && !m_pageWnd->CurrentFile().empty())
        m_pageWnd->PrintPage();
}
