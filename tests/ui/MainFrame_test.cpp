// The main frame's game flow on a small puzzle in a temporary data folder.
#include "app/Texts.h"
#include "app/qt/GameBarDlg.h"
#include "app/qt/MainFrame.h"
#include "app/qt/PuzzleApp.h"
#include "app/qt/SelectGameDlg.h"
#include "board/qt/GridView.h"
#include "pages/qt/MuWnd.h"
#include "platform/DataPath.h"
#include "players/Player.h"
#include "players/qt/KeyedListBox.h"
#include "players/qt/SavedGamesDlg.h"
#include "players/qt/SelectPlayerDlg.h"
#include "puzzle/GridDoc.h"
#include "resources/Menu.h"
#include "tests/support/Recorders.h"
#include "tests/support/ShellFixtures.h"
#include "tests/support/qt/FrameTest.h"
#include "tests/support/qt/UiHelpers.h"

#include <QAction>
#include <QCheckBox>
#include <QColorDialog>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <chrono>
#include <filesystem>
#include <gtest/gtest.h>

using namespace testing_support;
using namespace shell_fixtures;

namespace {

std::vector<std::string> Folder(const std::string& path) {
    std::vector<std::string> names;
    for (const auto& e : std::filesystem::directory_iterator(path))
        names.push_back(e.path().filename().string() + ":" + ReadBytes(e.path().string()));
    std::sort(names.begin(), names.end());
    return names;
}

class MainFrameFlow : public FrameTest {
protected:
    MainFrameFlow() : FrameTest(WriteTinyGame) {
        player.Save(dir.Path() + "players/");
        OpenFrame();
        StartTiny();
        frame->OnSaveGame();
        frame->RefreshPanes();
        frame->show();
    }
    std::string Page() const { return frame->PageWindow()->CurrentFile(); }
    // Marks the cells true, as two clicks each do.
    void MarkTrue(std::initializer_list<std::pair<int, int>> cells) {
        for (auto [column, row] : cells) {
            frame->Document()->ToggleCell(column, row);
            frame->Document()->ToggleCell(column, row);
        }
    }
};

} // namespace

TEST_F(MainFrameFlow, ShowSolutionAnsweredNoChangesNothingYesEndsTheGame) {
    sounds.clear();
    boxes.Answer(platform::IDNO);
    frame->OnShowSolution();
    ASSERT_EQ(boxes.count(), 1u);
    EXPECT_EQ(boxes.last().text, "You have not marked any answers.\nDo you want to display the "
                                 "correct answer and end the game?");
    EXPECT_EQ(boxes.last().caption, "Confirmation");
    EXPECT_EQ(sounds.names(), std::vector<std::string>{"data\\incshow.wav"});
    EXPECT_FALSE(frame->SolutionShown());
    EXPECT_TRUE(frame->Action(resources::ID_SAVE_GAME)->isEnabled());
    EXPECT_FALSE(player.current->finished);

    MarkTrue({{1, 0}});
    boxes.Answer(platform::IDYES);
    frame->OnShowSolution();
    EXPECT_EQ(boxes.last().text, "One or more of your answers is marked incorrectly.\nDo you want "
                                 "to display the correct answer and end the game?");
    EXPECT_TRUE(frame->SolutionShown());
    EXPECT_TRUE(player.current->finished);
    EXPECT_EQ(driver.seen(), 0); // no end-of-game dialog for a game given up
    EXPECT_EQ(sounds.names().back(), "data\\wrong.wav");
    EXPECT_FALSE(frame->rewardAvailable);
    EXPECT_FALSE(frame->Action(resources::ID_SAVE_GAME)->isEnabled());
    EXPECT_FALSE(frame->Bar()->SolutionButton()->isEnabled());
    EXPECT_TRUE(QString::fromStdString(Page()).endsWith("tiny-00.htf"));
    // Hints now open the answer pages; a check does nothing.
    QTest::mouseClick(frame->Bar()->HintButtons()[0], Qt::LeftButton);
    EXPECT_TRUE(QString::fromStdString(Page()).endsWith("tiny-01.htf"));
    boxes.clear();
    frame->OnCheckAnswer();
    EXPECT_EQ(boxes.count(), 0u);
    // The next save removes the finished game's saved game.
    frame->OnSaveGame();
    EXPECT_FALSE(player.IsUnfinishedSaved("Tiny Farm"));
    EXPECT_FALSE(std::filesystem::exists(dir.File("games/Farm0.gme")));
}

TEST_F(MainFrameFlow, AWrongCheckCountsAndTheSolvingOneDoesNot) {
    MarkTrue({{1, 0}});
    frame->OnCheckAnswer();
    EXPECT_EQ(frame->Pane(2)->text(), "Checks: 1");
    EXPECT_EQ(boxes.last().caption, "Quick Check");
    frame->Document()->ToggleCell(1, 0); // back to empty
    MarkTrue({{0, 0}, {1, 1}});
    int result = 0;
    driver.Then([&](QDialog* d) {
        QTest::mouseClick(static_cast<platform::CTemplateDialog*>(d)->Button(1067), Qt::LeftButton);
        result = 7;
    });
    boxes.clear();
    boxes.Answer(platform::IDNO); // "Quit" answered No: the game stays
    frame->OnCheckAnswer();
    EXPECT_EQ(result, 7);
    EXPECT_EQ(boxes.texts(), std::vector<std::string>{"Are you sure you want to quit this game?"});
    EXPECT_TRUE(frame->isVisible());
    EXPECT_TRUE(frame->rewardAvailable);
    EXPECT_EQ(frame->Pane(2)->text(), "Checks: 1");
    EXPECT_EQ(player.current->answerChecks, 1);
}

TEST_F(MainFrameFlow, AGameThatFailsToStartLeavesNoTrace) {
    WriteBytes(dir.File("data/games.dat"), fixtures::Bars("Tiny Farm|tiny||Broken Game|broken"));
    const auto games = Folder(dir.File("games"));
    driver.Then([](QDialog* d) {
        auto* dlg = static_cast<CSelectGameDlg*>(d);
        dlg->ListBox(1001)->setCurrentRow(1);
        QTest::mouseClick(dlg->Button(1), Qt::LeftButton);
    });
    boxes.clear();
    frame->OnNewGame();
    ASSERT_GE(boxes.count(), 1u);
    EXPECT_EQ(boxes.boxes()[0].caption, "File Error");
    for (const auto& box : boxes.boxes())
        EXPECT_NE(box.caption, "Let's begin...");
    EXPECT_EQ(frame->gameTitle, "Tiny Farm");
    EXPECT_EQ(frame->gameFileName, "tiny");
    EXPECT_EQ(frame->windowTitle(), "Tiny Farm");
    for (const auto& record : player.stats)
        EXPECT_NE(record->title, "Broken Game");
    EXPECT_FALSE(player.IsUnfinishedSaved("Broken Game"));
    EXPECT_EQ(Folder(dir.File("games")), games);
    // The game goes on: a save still writes the tiny game under its title.
    frame->OnSaveGame();
    EXPECT_TRUE(player.IsUnfinishedSaved("Tiny Farm"));
    EXPECT_TRUE(QString::fromStdString(Page()).endsWith("tiny_00.htf"));
}

TEST_F(MainFrameFlow, LoadSavedGameResumesMarksWithoutMessagesOrPlays) {
    MarkTrue({{1, 0}});
    frame->Document()->ToggleCell(0, 1);
    frame->OnSaveGame();
    frame->SetFrameTitle("something else");
    driver.Then([](QDialog* d) {
        auto* dlg = static_cast<CSavedGamesDlg*>(d);
        dlg->List()->setCurrentRow(0);
        QTest::mouseClick(dlg->Button(1), Qt::LeftButton);
    });
    boxes.clear();
    frame->OnLoadSavedGame();
    EXPECT_EQ(boxes.count(), 0u);
    EXPECT_EQ(frame->windowTitle(), "Tiny Farm");
    EXPECT_EQ(frame->Pane(3)->text(), "Played: 1");
    EXPECT_EQ(frame->Document()->GetMarkedTrueList(), std::vector<std::string>{"1,0"});
    EXPECT_EQ(frame->Document()->FindCell(0, 1)->state, 1);
}

// A hint taken twice counts once (WholeGame_test).
TEST_F(MainFrameFlow, ScoringTellsTheCostAndHintModeEndsWithACommand) {
    frame->ShowHint(2);
    frame->ShowHint(0);
    EXPECT_TRUE(QString::fromStdString(Page()).endsWith("tiny_00.htf"));
    EXPECT_EQ(frame->Document()->GetHighlightedHint(), 0);
    boxes.clear();
    frame->Action(resources::ID_SCORING)->trigger();
    ASSERT_EQ(boxes.count(), 1u);
    EXPECT_EQ(boxes.last().caption, "Scoring...");
    EXPECT_EQ(boxes.last().text, // two hints and two true cells: 30 / 4 each
              "For this game, each hint or answer check deducts 7 points from your score.\nThe "
              "average score is 72.");
    frame->Action(resources::ID_QUICK_INSTRUCTIONS)->trigger();
    ASSERT_FALSE(help.calls().empty());
    EXPECT_EQ(help.calls().back().topic, 1001);
    // Find Hints turns hint mode on; a command turns it off again.
    frame->Action(resources::ID_FIND_HINTS)->trigger();
    EXPECT_TRUE(frame->View()->hintMode);
    boxes.Answer(platform::IDNO);
    frame->close();
    EXPECT_FALSE(frame->View()->hintMode);
    EXPECT_TRUE(frame->isVisible());
}

TEST(StartUp, AnArgumentIsRefusedBeforeAnything) {
    MessageRecorder boxes;
    ModalDriver driver;
    CPuzzleApp app({"saved.gme"});
    EXPECT_FALSE(app.InitInstance());
    EXPECT_EQ(boxes.texts(),
              std::vector<std::string>{"Please start a saved game from within Deduxa!"});
    EXPECT_EQ(driver.seen(), 0);
    EXPECT_EQ(app.MainFrame(), nullptr);
}

TEST(StartUp, CancellingTheGameSelectionAsksAndSavesNothingAndCrashLeftoversGo) {
    TempDir dir;
    WriteTinyGame(dir);
    // Temporary files a crash left: deleted at start-up.
    const std::vector<std::string> stale = {"players/Al0.ply.tmpAb12Cd", "games/10.gme.tmp0a0a0a",
                                            "ants/scores.dat.tmpXyZ789"};
    for (const std::string& name : stale) {
        WriteBytes(dir.File(name), "half");
        std::filesystem::last_write_time(
            dir.File(name), std::filesystem::file_time_type::clock::now() - std::chrono::hours(1));
    }
    InFolder here(dir.Path());
    MessageRecorder boxes;
    ModalDriver driver;
    driver.Then([](QDialog* about) { QTest::keyClick(about, Qt::Key_Return); });
    driver.Then([&](QDialog* d) {
        for (const std::string& name : stale)
            EXPECT_FALSE(std::filesystem::exists(dir.File(name))) << name;
        auto* dlg = static_cast<CSelectPlayerDlg*>(d);
        QTest::keyClicks(dlg->Edit(1029), "Al");
        QTest::mouseClick(dlg->Button(1), Qt::LeftButton);
    });
    driver.Then([&](QDialog* d) {
        auto* dlg = static_cast<CSelectGameDlg*>(d);
        boxes.Answer(platform::IDNO);
        QTest::mouseClick(dlg->Button(1037), Qt::LeftButton);
        EXPECT_TRUE(dlg->isVisible());
        boxes.Answer(platform::IDYES);
        QTest::keyClick(dlg, Qt::Key_Escape);
    });
    boxes.Answer(platform::IDYES);
    CPuzzleApp app({});
    EXPECT_FALSE(app.InitInstance());
    EXPECT_EQ(boxes.texts(),
              (std::vector<std::string>{"Add new player?", "Are you sure you want to quit?",
                                        "Are you sure you want to quit?"}));
    EXPECT_TRUE(std::filesystem::is_empty(dir.File("games")));
}

TEST(SelectGame, ListOverwriteConfirmationAndTheCheckBox) {
    TempDir dir;
    ScopedDataFolder folder(dir.Path());
    std::filesystem::create_directories(dir.File("data"));
    WriteBytes(dir.File("data/games.dat"), "Alpha\r\nalpha1\r\n\r\nBeta\r\nbeta1\r\n");
    fixtures::BitmapSpec spec;
    WriteBytes(dir.File("data/Head.bmp"), fixtures::BitmapFile(spec));
    MessageRecorder boxes;
    ModalDriver driver;
    CPlayer player;
    player.savedGames.push_back(std::make_unique<CSavedGame>("Beta", "0.gme", "beta1"));
    player.savedGames.push_back(std::make_unique<CSavedGame>("Alpha", "1.gme", "alpha1"));
    player.savedGames.back()->finished = true;
    CSelectGameDlg dlg(&player);
    dlg.unfinishedSavedGameExists = player.AnyUnfinishedSaved();
    driver.Then([&](QDialog*) {
        QListWidget* list = dlg.ListBox(1001);
        ASSERT_EQ(list->count(), 2);
        EXPECT_EQ(list->item(0)->text(), "Alpha");
        EXPECT_EQ(list->item(1)->text(), "Beta");
        EXPECT_FALSE(dlg.Button(1)->isEnabled());
        EXPECT_TRUE(dlg.Button(1038)->isEnabled());
        EXPECT_FALSE(dlg.CheckBox(1065)->isChecked()); // unticked outside start-up
        EXPECT_EQ(dlg.ItemText(1037), "Cancel");
        // From the keyboard the first Down chooses the first game, which the
        // list made current (not chosen) when it took the focus.
        list->setCurrentRow(0, QItemSelectionModel::NoUpdate);
        QTest::keyClick(list, Qt::Key_Down);
        EXPECT_EQ(list->currentRow(), 0);
        EXPECT_TRUE(dlg.Button(1)->isEnabled());
        list->setCurrentRow(1);
        EXPECT_TRUE(dlg.Button(1)->isEnabled());
        boxes.Answer(platform::IDCANCEL);
        QTest::mouseClick(dlg.Button(1), Qt::LeftButton);
        EXPECT_TRUE(dlg.isVisible());
        list->setCurrentRow(0); // its saved game is finished: no question
        dlg.CheckBox(1065)->setChecked(true);
        QTest::mouseClick(dlg.Button(1), Qt::LeftButton);
    });
    EXPECT_EQ(dlg.exec(), 1);
    EXPECT_EQ(boxes.texts(),
              std::vector<std::string>{"This will overwrite a previously saved game."});
    EXPECT_EQ(boxes.last().caption, "Confirmation");
    EXPECT_EQ(dlg.chosenTitle, "Alpha");
    EXPECT_EQ(dlg.chosenFileName, "alpha1");
    EXPECT_TRUE(dlg.showQuickInstructions);

    // Outside start-up Cancel closes at once.
    CSelectGameDlg again(&player);
    driver.Then([&](QDialog*) { QTest::mouseClick(again.Button(1037), Qt::LeftButton); });
    EXPECT_EQ(again.exec(), 1037);
    EXPECT_EQ(boxes.count(), 1u);
}

TEST_F(MainFrameFlow, SettingsOkStoresSoundAndColoursCancelChangesNothing) {
    // Sound.dat starts "TRUE" with the default colours (the fixture's file).
    const std::string before = ReadBytes(dir.File("data/Sound.dat"));
    platform::SetSoundOn(true);
    driver.Then([](QDialog* d) { QTest::keyClick(d, Qt::Key_Escape); });
    frame->Action(resources::ID_SETTINGS)->trigger();
    EXPECT_EQ(ReadBytes(dir.File("data/Sound.dat")), before);
    EXPECT_TRUE(platform::SoundOn());

    // Sound off and a new true colour: the board takes it, the file is
    // rewritten in place (one byte shorter: the old last byte stays, unread).
    driver.Then([](QDialog* d) {
        auto* dlg = static_cast<platform::CTemplateDialog*>(d);
        dlg->CheckBox(1041)->setChecked(false);
        QTest::mouseClick(dlg->Button(1042), Qt::LeftButton);
        QTest::mouseClick(dlg->Button(1), Qt::LeftButton);
    });
    driver.Then([](QDialog* d) {
        static_cast<QColorDialog*>(d)->setCurrentColor(QColor(1, 2, 3));
        d->accept();
    });
    frame->SetHintMode(true);
    frame->Action(resources::ID_SETTINGS)->trigger();
    EXPECT_FALSE(frame->View()->hintMode); // the command leaves hint mode first
    EXPECT_FALSE(platform::SoundOn());
    EXPECT_EQ(frame->View()->GetTrueColor(), (board::RgbColor{1, 2, 3}));
    EXPECT_EQ(ReadBytes(dir.File("data/Sound.dat")),
              "FALSE\r\n0\r\n0\r\n255\r\n1\r\n2\r\n3\r\n255\r\n0\r\n0\r\n\n");

    // Without a settings file the choice holds for this run only.
    std::filesystem::remove(dir.File("data/Sound.dat"));
    driver.Then([](QDialog* d) {
        auto* dlg = static_cast<platform::CTemplateDialog*>(d);
        dlg->CheckBox(1041)->setChecked(true);
        QTest::mouseClick(dlg->Button(1), Qt::LeftButton);
    });
    frame->Action(resources::ID_SETTINGS)->trigger();
    EXPECT_TRUE(platform::SoundOn());
    EXPECT_FALSE(std::filesystem::exists(dir.File("data/Sound.dat")));
}
