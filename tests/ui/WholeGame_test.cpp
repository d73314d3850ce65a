// The whole game, offscreen, in a temporary data folder holding one small
// puzzle: start-up through the window icon, the About box, a new player and
// the game selection; hints, marks, the solve and the close; then
// the player file byte for byte.
#include "app/Texts.h"
#include "app/qt/CongratsDlg.h"
#include "app/qt/GameBarDlg.h"
#include "app/qt/MainFrame.h"
#include "app/qt/PuzzleApp.h"
#include "app/qt/RewardLink.h"
#include "app/qt/SelectGameDlg.h"
#include "board/qt/ChildFrame.h"
#include "board/qt/GridView.h"
#include "pages/qt/MuWnd.h"
#include "platform/Clock.h"
#include "platform/DataPath.h"
#include "players/Player.h"
#include "players/qt/SelectPlayerDlg.h"
#include "puzzle/GridDoc.h"
#include "resources/Menu.h"
#include "tests/support/PlayerFixtures.h"
#include "tests/support/PuzzleFixtures.h"
#include "tests/support/Recorders.h"
#include "tests/support/ShellFixtures.h"
#include "tests/support/qt/UiHelpers.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMdiArea>
#include <QPushButton>
#include <QTest>
#include <filesystem>
#include <gtest/gtest.h>
#include <unistd.h>

using namespace testing_support;
using namespace shell_fixtures;

namespace {

QPoint CellPoint(int column, int row) {
    return QPoint(kOffset + column * kCell + 5, kOffset + row * kCell + 5);
}

} // namespace

TEST(WholeGame, StartPlaySolveAndClose) {
    TempDir dir;
    WriteTinyGame(dir);
    std::filesystem::copy(DEDUXA_SOURCE_DIR "/gamedata/icons", dir.File("icons"));
    InFolder here(dir.Path());
    MessageRecorder boxes;
    SoundRecorder sounds(false);
    HelpRecorder help;
    PinnedClock clock(kPinned);
    UtcZone utc;
    ModalDriver driver;
    int rewardRuns = 0;
    auto oldRunner =
        shell::SetRewardRunner([&](int, const std::string&, QWidget*) { ++rewardRuns; });

    std::string aboutVersion;
    driver.Then([&](QDialog* about) {
        aboutVersion = about->findChildren<QLabel*>().size() > 0 ? "shown" : "";
        QTest::keyClick(about, Qt::Key_Return);
    });
    driver.Then([&](QDialog* d) {
        auto* dlg = static_cast<CSelectPlayerDlg*>(d);
        EXPECT_EQ(dlg->ItemText(2), "Quit Game");
        QTest::keyClicks(dlg->Edit(1029), "John Smith");
        QTest::mouseClick(dlg->Button(1), Qt::LeftButton);
    });
    driver.Then([&](QDialog* d) {
        auto* dlg = static_cast<CSelectGameDlg*>(d);
        EXPECT_EQ(dlg->ItemText(1037), "Quit Game");
        EXPECT_TRUE(dlg->CheckBox(1065)->isChecked());
        EXPECT_FALSE(dlg->Button(1038)->isEnabled());
        dlg->ListBox(1001)->setCurrentRow(0);
        QTest::mouseClick(dlg->Button(1), Qt::LeftButton);
    });

    CPuzzleApp app({});
    ASSERT_TRUE(app.InitInstance());
    CMainFrame* frame = app.MainFrame();
    ASSERT_NE(frame, nullptr);
    EXPECT_EQ(driver.seen(), 3);
    EXPECT_EQ(aboutVersion, "shown");
    // Every window wears the game's icon from the data folder.
    EXPECT_EQ(QApplication::windowIcon().availableSizes(),
              (QList<QSize>{{16, 16}, {32, 32}, {48, 48}, {64, 64}}));

    // Start-up: the new player, the game, "Let's begin...".
    EXPECT_EQ(boxes.texts(),
              (std::vector<std::string>{
                  "Add new player?",
                  "For this game, each hint or answer check deducts 7 points from your score.\nThe "
                  "average score is 72."}));
    EXPECT_EQ(boxes.last().caption, "Let's begin...");
    EXPECT_EQ(app.Player().fileName, "John0.ply");
    EXPECT_EQ(ReadBytes(dir.File("players/data")), "John Smith\r\nJohn0.ply\r\n");
    ASSERT_EQ(help.calls().size(), 1u);
    EXPECT_EQ(help.calls()[0].topic, 1001);
    EXPECT_EQ(frame->windowTitle(), "Tiny Farm");
    EXPECT_TRUE(frame->isVisible());
    EXPECT_EQ(frame->Pane(3)->text(), "Played: 1");
    EXPECT_EQ(frame->Pane(2)->text(), "Checks: 0");
    EXPECT_EQ(frame->Pane(1)->text(), "Hints: 0");
    EXPECT_TRUE(std::filesystem::exists(dir.File("games/Farm0.gme")));
    ASSERT_EQ(frame->Bar()->HintButtons().size(), 2u);
    EXPECT_FALSE(frame->Action(resources::ID_PLAY_REWARD_GAME)->isEnabled());

    // (A check's verdicts and their count: Scoring_test, MainFrame_test.)
    SoundRecorder heard(true);
    // Hint 2 twice counts once.
    QTest::mouseClick(frame->Bar()->HintButtons()[1], Qt::LeftButton);
    QTest::mouseClick(frame->Bar()->Button(CGameBarDlg::kClearButton), Qt::LeftButton);
    QTest::mouseClick(frame->Bar()->HintButtons()[1], Qt::LeftButton);
    EXPECT_EQ(frame->Pane(1)->text(), "Hints: 1");
    EXPECT_TRUE(QString::fromStdString(frame->PageWindow()->CurrentFile()).endsWith("tiny_02.htf"));
    EXPECT_FALSE(frame->Bar()->HintButtons()[1]->isEnabled());
    EXPECT_TRUE(frame->Bar()->HintButtons()[0]->isEnabled());
    EXPECT_EQ(frame->Document()->GetHighlightedHint(), 2);

    // Marks by clicks on the board: the diagonal marked true.
    QWidget* board = frame->View()->viewport();
    for (int i = 0; i < 2; ++i) {
        QTest::mouseClick(board, Qt::LeftButton, {}, CellPoint(0, 0));
        QTest::qWait(300); // two separate clicks, not a double click
    }
    QTest::mouseClick(board, Qt::LeftButton, {}, CellPoint(1, 1));
    QTest::qWait(300);
    QTest::mouseClick(board, Qt::LeftButton, {}, CellPoint(1, 1));
    EXPECT_EQ(frame->Document()->GetMarkedTrueList(), (std::vector<std::string>{"0,0", "1,1"}));

    // The solve by Check Answer.
    boxes.clear();
    std::string scoreText;
    driver.Then([&](QDialog* d) {
        auto* congrats = static_cast<CCongratsDlg*>(d);
        scoreText = congrats->ItemText(1040).toStdString();
        QTest::mouseClick(congrats->Button(2), Qt::LeftButton);
    });
    QTest::mouseClick(frame->Bar()->CheckButton(), Qt::LeftButton);
    EXPECT_EQ(boxes.count(), 0u);
    EXPECT_EQ(scoreText, "Your score is 93 out of 100."); // 100 - 7 for the hint
    EXPECT_EQ(frame->Pane(2)->text(), "Checks: 0");
    EXPECT_TRUE(frame->SolutionShown());
    EXPECT_TRUE(frame->rewardAvailable);
    EXPECT_TRUE(frame->Action(resources::ID_PLAY_REWARD_GAME)->isEnabled());
    EXPECT_FALSE(frame->Action(resources::ID_CHECK_ANSWER)->isEnabled());
    EXPECT_FALSE(frame->Bar()->CheckButton()->isEnabled());
    EXPECT_TRUE(frame->Bar()->HintButtons()[1]->isEnabled());
    EXPECT_TRUE(QString::fromStdString(frame->PageWindow()->CurrentFile()).endsWith("tiny-00.htf"));
    EXPECT_EQ(heard.names().back(), "data\\correct.wav");

    // The reward game once from the menu disables it again.
    frame->Action(resources::ID_PLAY_REWARD_GAME)->trigger();
    EXPECT_EQ(rewardRuns, 1);
    EXPECT_FALSE(frame->Action(resources::ID_PLAY_REWARD_GAME)->isEnabled());

    // Close with Yes.
    boxes.Answer(platform::IDYES);
    EXPECT_TRUE(frame->close());
    EXPECT_EQ(boxes.last().text, "Are you sure you want to quit this game?");
    const std::string expected =
        fixtures::Lines({"John Smith", "No Saved Games", "Start Game Stats", "Tiny Farm",
                         "Finished this game on Monday, 01/05/26 at 09:50 AM", "", "TRUE",
                         "1",           // played
                         "2", "2", "2", // correct, marked, total true
                         "1", "2", "0", // hints taken, hints, checks
                         "93", "FALSE", "TRUE", "End Game Stats"});
    EXPECT_EQ(ReadBytes(dir.File("players/John0.ply")), expected);
    EXPECT_FALSE(std::filesystem::exists(dir.File("games/Farm0.gme")));
    shell::SetRewardRunner(oldRunner);
}
