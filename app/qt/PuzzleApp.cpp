#include "app/qt/PuzzleApp.h"

#include "app/GameFlow.h"
#include "app/Texts.h"
#include "app/qt/AboutDlg.h"
#include "app/qt/MainFrame.h"
#include "app/qt/SelectGameDlg.h"
#include "board/Settings.h"
#include "madegames/qt/MakeGameRun.h"
#include "platform/Clock.h"
#include "platform/ContentFolder.h"
#include "platform/DataPath.h"
#include "platform/FileReplace.h"
#include "platform/Help.h"
#include "platform/MessageBox.h"
#include "platform/Random.h"
#include "platform/Sound.h"
#include "platform/qt/HelpViewer.h"
#include "platform/qt/QtPlatform.h"
#include "platform/qt/SessionBus.h"
#include "platform/qt/StartupWarmUp.h"
#include "platform/qt/TemplateDialog.h"
#include "players/Player.h"
#include "players/qt/SelectPlayerDlg.h"
#include "resources/Menu.h"

#include <QAction>
#include <QApplication>
#include <QIcon>
#include <QTimer>

namespace {
CPuzzleApp* g_app = nullptr;
constexpr int kHelpContents = 0;

// The game's icon for every window, from the data folder's pictures (the
// working folder: the icon is wanted before the data folder is set, for the
// first message box). The toolkit's own stays only when none is there.
void SetApplicationIcon() {
    const QIcon icon = platform::StartupIcon(texts::kIconFilePrefix, texts::kIconSizes);
    if (!icon.isNull())
        QApplication::setWindowIcon(icon);
}
} // namespace

CPuzzleApp::CPuzzleApp(const QStringList& arguments)
    : m_arguments(arguments), m_player(std::make_unique<CPlayer>()) {
    g_app = this;
}

CPuzzleApp::~CPuzzleApp() {
    m_mainFrame.reset();
    if (g_app == this)
        g_app = nullptr;
}

CPuzzleApp* CPuzzleApp::Instance() {
    return g_app;
}

bool CPuzzleApp::InitInstance() {
    SetApplicationIcon();
    // 1. The program never opens a file given to it.
    if (!m_arguments.isEmpty()) {
        platform::MessageBox(texts::kArgumentRefused, "", platform::MB_OK);
        return false;
    }
    // 2-3. The data folder is the working folder.
    platform::SetDataFolder(platform::CurrentFolder());
    for (const char* folder : {"players\\", "games\\", "ants\\"})
        platform::EnsureFolder(folder);
    // 4. The sound setting.
    platform::SetSoundOn(board::ReadSoundSetting());

    // 6. The About box. It comes on screen before anything it does not
    // need is made: the main window (5) is built, hidden, once it is up.
    OnAppAbout();
    // 5. The main window, hidden.
    CreateMainFrame();
    AfterFirstWindow();
    // 7. The player.
    {
        CSelectPlayerDlg dlg(*m_player, true, false);
        if (dlg.exec() == platform::kIdCancel)
            return false;
    }
    // 8. The game.
    CSelectGameDlg games(m_player.get());
    games.startupMode = true;
    games.showQuickInstructions = m_mainFrame->showQuickInstructions;
    games.unfinishedSavedGameExists = m_player->AnyUnfinishedSaved();
    const int choice = games.exec();
    if (choice == CSelectGameDlg::resultCancel)
        return false;
    // 9-10. The game windows and the first game.
    m_mainFrame->CreateGameWindows();
    m_mainFrame->gameFileName = games.chosenFileName;
    m_mainFrame->gameTitle = games.chosenTitle;
    if (!m_mainFrame->StartGame(games.chosenFileName))
        return false;
    // 11.
    if (choice == CSelectGameDlg::resultOpenSaved) {
        m_mainFrame->ResumeSavedGame(games.chosenTitle);
        m_mainFrame->BeginGameRecord(false);
    } else {
        m_mainFrame->BeginGameRecord(true);
    }
    // 12-14.
    m_mainFrame->SetFrameTitle(games.chosenTitle);
    m_mainFrame->OnSaveGame();
    m_mainFrame->RefreshPanes();
    m_mainFrame->show();
    m_mainFrame->FitGameWindows();
    // 15-16.
    m_mainFrame->showQuickInstructions = games.showQuickInstructions;
    if (m_mainFrame->showQuickInstructions)
        m_mainFrame->OnQuickInstructions();
    int points = 0, average = 0;
    m_player->GetGameData(points, average);
    platform::MessageBox(gameflow::ScoringText(points, average), texts::kLetsBegin,
                         platform::MB_OK);
    // 17.
    platform::SeedRandom(static_cast<uint32_t>(platform::Now()));
    m_mainFrame->UpdateCommandUI();
    return true;
}

int CPuzzleApp::Run() {
    connect(m_mainFrame.get(), &CMainFrame::Closed, qApp, &QCoreApplication::quit,
            Qt::QueuedConnection);
    return QApplication::exec();
}

void CPuzzleApp::CreateMainFrame() {
    if (m_mainFrame)
        return;
    m_mainFrame = std::make_unique<CMainFrame>(*m_player);
    platform::SetMessageBoxParent(m_mainFrame.get());
    connect(m_mainFrame->Action(resources::ID_APP_ABOUT), &QAction::triggered, this,
            [this] { OnAppAbout(); });
    connect(m_mainFrame->Action(resources::ID_HELP_INDEX), &QAction::triggered, this,
            [this] { OnHelp(); });
}

void CPuzzleApp::OnAppAbout() {
    CAboutDlg about;
    const std::string picture = platform::RealPath("data\\Deduxa.bmp");
    const std::string data = platform::RealPath("data\\About.dat");
    about.soundFile = texts::kAboutWav;
    about.SetAboutData(&picture, &data, platform::SoundOn());
    // At start-up the main window is built while the box is on screen, once
    // the box is drawn and its sound started.
    if (!m_mainFrame)
        about.afterFirstPaint = [this] {
            CreateMainFrame();
            AfterFirstWindow();
        };
    about.exec();
}

void CPuzzleApp::AfterFirstWindow() {
    if (m_afterFirstWindowDone)
        return;
    m_afterFirstWindowDone = true;
    // What a crash left: temporary files of saves it cut short, the folders
    // of games it stopped in the making. Nothing is saved or made before the
    // player is chosen, after this.
    for (const char* folder : {"players\\", "games\\", "ants\\"})
        platform::RemoveStaleTempFiles(platform::RealPath(folder));
    madegames::RemoveUnfinishedMakings(platform::RealPath("data") + "/");
    platform::RestoreSessionBusLookup();
    platform::RemeasureKeptBaseUnits();
    // An installed game's links to the content, checked now that the first
    // window is up: what an update added, changed or took away.
    const platform::ContentLinking linked = platform::RelinkFolderOnce(platform::DataFolder());
    if (!linked.ok)
        platform::MessageBox(texts::kDataFolderFailed + linked.failure);
}

void CPuzzleApp::OnHelp() {
    platform::ShowHelpTopic(kHelpContents, m_mainFrame.get());
}
