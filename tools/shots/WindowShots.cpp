// deduxa_windowshots: the game's own windows on a real screen, for a look at
// where they sit (run it under xvfb-run with a window manager). Plays one
// game of a data folder as the program does and saves a screenshot of the
// whole screen in one of these scenes:
//
//   hint       the cell-hint dialog beside the board
//   maximised  the board frame maximised under the button bar
//   maximisedpage  the page window maximised under the button bar
//   about      the About box beside the Settings dialog
//   select     the game selection beside the Settings dialog
//   begin      the quick instructions and the "Let's begin..." box, as at
//              start-up
//   instructions  the same with the help window on screen before the box
//   explain    Explain Next Step's answer a third of the way through a solve
//   wrong      Where Did I Go Wrong?'s answer there, after a wrong mark
//   random     the New Random Game dialog over the game
//   making     the progress dialog of a making that takes its time
//   randomgame a 5x6 Expert game made with New Random Game, its board and
//              its first page with the game's code
//   biggame    the same for 6 categories of 8 items
//
//   deduxa_windowshots <data folder copy> <game file name> <scene> <out.png>
//
// The data folder is written to (player and saved-game files): give it a copy.
#include "app/GameFlow.h"
#include "app/GameList.h"
#include "app/Texts.h"
#include "app/qt/AboutDlg.h"
#include "app/qt/MainFrame.h"
#include "app/qt/SelectGameDlg.h"
#include "board/qt/CellHintDlg.h"
#include "board/qt/ChildFrame.h"
#include "board/qt/DibImage.h"
#include "board/qt/SettingsDlg.h"
#include "madegames/MadeGames.h"
#include "madegames/qt/MakeGameRun.h"
#include "madegames/qt/NewRandomGameDlg.h"
#include "pages/qt/MuWnd.h"
#include "platform/DataPath.h"
#include "platform/MessageBox.h"
#include "platform/Sound.h"
#include "platform/qt/HelpViewer.h"
#include "platform/qt/QtPlatform.h"
#include "platform/qt/TemplateDialog.h"
#include "players/Player.h"
#include "players/Roster.h"
#include "puzzle/GridCell.h"
#include "puzzle/GridDoc.h"
#include "reasoning/Coach.h"

#include <QApplication>
#include <QComboBox>
#include <QGuiApplication>
#include <QMessageBox>
#include <QScreen>
#include <QSpinBox>
#include <QTimer>
#include <chrono>
#include <cstdio>
#include <string>
#include <thread>

namespace {

void Grab(const char* path) {
    QGuiApplication::primaryScreen()->grabWindow(0).save(path);
}

// Lets the window manager map and frame what was shown.
void Settle(int ms) {
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec();
}

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    platform::SetApplicationNames("Deduxa");
    if (argc < 5) {
        std::fprintf(stderr, "usage: %s <data folder> <game> <scene> <out.png>\n", argv[0]);
        return 2;
    }
    platform::InstallQtPlatform();
    platform::InstallHelpViewer();
    platform::SetSoundOn(false);
    InstallDibDecoder();
    platform::SetDataFolder(std::string(argv[1]) + "/");
    const std::string game = argv[2], scene = argv[3];
    const char* out = argv[4];
    platform::EnsureFolder("players\\");
    platform::EnsureFolder("games\\");

    CPlayer player;
    player.MakeFileName("Shots", players::PlayersFolder());
    CMainFrame frame(player);
    platform::SetMessageBoxParent(&frame);
    std::string title = game;
    for (const auto& entry : ReadGameListFile(platform::RealPath("data\\games.dat")))
        if (entry.fileName == game)
            title = entry.title;
    frame.CreateGameWindows();
    frame.gameFileName = game;
    frame.gameTitle = title;
    if (!frame.StartGame(game))
        return 1;
    frame.BeginGameRecord(true);
    frame.SetFrameTitle(title);
    frame.RefreshPanes();
    frame.show();
    frame.FitGameWindows();
    Settle(600);

    if (scene == "hint") {
        frame.SetHintMode(true);
        Settle(800);
        const QRect b = frame.HintDialog()->frameGeometry();
        const QRect board(frame.BoardFrame()->mapToGlobal(QPoint()), frame.BoardFrame()->size());
        std::printf("board %d,%d %dx%d; dialog %d,%d %dx%d\n", board.x(), board.y(), board.width(),
                    board.height(), b.x(), b.y(), b.width(), b.height());
    } else if (scene == "maximised") {
        frame.BoardFrame()->showMaximized();
    } else if (scene == "maximisedpage") {
        frame.PageWindow()->showMaximized();
    } else if (scene == "about" || scene == "select") {
        CSettingsDlg settings(&frame);
        settings.show();
        if (scene == "about") {
            CAboutDlg about;
            const std::string picture = platform::RealPath("data\\Deduxa.bmp");
            const std::string data = platform::RealPath("data\\About.dat");
            about.SetAboutData(&picture, &data, false);
            QTimer::singleShot(200, &about, [&] {
                settings.move(about.frameGeometry().right() + 12, about.frameGeometry().top());
            });
            QTimer::singleShot(1200, &about, [&] {
                Grab(out);
                about.accept();
            });
            about.exec();
        } else {
            CSelectGameDlg games(&player);
            games.startupMode = true;
            QTimer::singleShot(200, &games, [&] {
                settings.move(games.frameGeometry().right() + 12, games.frameGeometry().top());
            });
            QTimer::singleShot(1200, &games, [&] {
                Grab(out);
                games.done(2);
            });
            games.exec();
        }
        return 0;
    } else if (scene == "begin" || scene == "instructions") {
        // As at start-up: the quick instructions, then the box; for
        // "instructions" the help window is given time to come up first.
        frame.OnQuickInstructions();
        if (scene == "instructions")
            Settle(500);
        QTimer::singleShot(1200, &frame, [&] {
            Grab(out);
            if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                const QRect b = box->frameGeometry(), f = frame.frameGeometry();
                std::printf("main window %d,%d %dx%d; box %d,%d %dx%d\n", f.x(), f.y(), f.width(),
                            f.height(), b.x(), b.y(), b.width(), b.height());
                box->accept();
            }
            if (QWidget* help = platform::HelpWindowFor(&frame)) {
                const QRect h = help->frameGeometry();
                std::printf("help window %d,%d %dx%d%s\n", h.x(), h.y(), h.width(), h.height(),
                            help->isVisible() ? "" : " (hidden)");
            }
        });
        int points = 0, average = 0;
        player.GetGameData(points, average);
        platform::MessageBox(gameflow::ScoringText(points, average), texts::kLetsBegin,
                             platform::MB_OK);
        return 0;
    } else if (scene == "explain" || scene == "wrong") {
        // A third of the steps of a solve made with the coach's own marks,
        // then (for "wrong") a mistake on the first pair the answer keeps apart.
        int cause = 0;
        const auto coach = reasoning::LoadCoach(platform::RealPath(gameflow::PuzzlePath(game)),
                                                frame.Document()->GetAnswerList(), cause);
        if (!coach)
            return 1;
        CGridDoc& doc = *frame.Document();
        std::vector<std::vector<reasoning::Mark>> steps;
        for (std::vector<reasoning::Mark> marks;;) {
            const reasoning::Advice a = coach->ExplainNext(marks);
            if (a.kind != reasoning::Advice::nextStep)
                break;
            steps.push_back(a.marks);
            marks.insert(marks.end(), a.marks.begin(), a.marks.end());
        }
        for (size_t i = 0; i < steps.size() / 3; ++i)
            reasoning::MakeMarks(doc, coach->Book(), steps[i]);
        if (scene == "wrong") {
            const reasoning::Solution& s = coach->Answer();
            const int items = coach->Book().shape.items;
            for (int e = 0; e < items; ++e) {
                const reasoning::Mark m{{0, e}, {1, (s.value[1][e] + 1) % items}, true};
                const reasoning::BoardCell c = coach->Book().CellOf(m.x, m.y);
                const CGridCell* cell = doc.FindCell(c.column, c.row);
                if (!cell || cell->state != CGridCell::stateEmpty)
                    continue;
                reasoning::MakeMarks(doc, coach->Book(), {m});
                break;
            }
        }
        frame.BoardFrame()->update();
        QTimer::singleShot(1200, &frame, [&] {
            Grab(out);
            if (QWidget* dialog = QApplication::activeModalWidget())
                dialog->close();
        });
        if (scene == "wrong")
            frame.OnWhereDidIGoWrong();
        else
            frame.OnExplainNextStep();
        return 0;
    } else if (scene == "random") {
        platform::SetModalHook([&](QDialog* dlg) {
            QTimer::singleShot(1000, dlg, [&, dlg] {
                Grab(out);
                dlg->reject();
            });
        });
        frame.OnNewRandomGame();
        return 0;
    } else if (scene == "making") {
        // A search held up at its first seed, so that the dialog comes up.
        platform::SetModalHook([&](QDialog* dlg) {
            QTimer::singleShot(1000, dlg, [&, dlg] {
                Grab(out);
                dlg->reject();
            });
        });
        bool first = true;
        madegames::MakeGameInto(
            {5, 6, 4, madegames::kAnyTheme, 1234}, platform::RealPath("data") + "/",
            platform::RealPath(madegames::kMadeListName), &frame, [&] {
                if (first)
                    std::this_thread::sleep_for(std::chrono::milliseconds(2500));
                first = false;
                return false;
            });
        return 0;
    } else if (scene == "randomgame" || scene == "biggame") {
        const bool big = scene == "biggame";
        frame.showQuickInstructions = false;
        platform::SetMessageBoxHandler(
            [](const std::string&, const std::string&, unsigned) { return platform::IDOK; });
        platform::SetModalHook([big](QDialog* dlg) {
            if (auto* choose = qobject_cast<madegames::CNewRandomGameDlg*>(dlg)) {
                choose->Categories()->setValue(big ? 6 : 5);
                choose->Items()->setValue(big ? 8 : 6);
                choose->Grade()->setCurrentIndex(3);
                choose->accept();
            }
        });
        frame.OnNewRandomGame();
        std::printf("%s\n", frame.gameTitle.c_str());
    } else {
        std::fprintf(stderr, "unknown scene %s\n", scene.c_str());
        return 2;
    }
    Settle(1000);
    Grab(out);
    return 0;
}
