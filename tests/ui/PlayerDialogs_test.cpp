// The player, statistics and saved-games dialogs on real roster and player
// files in a temporary data folder.
#include "platform/DataPath.h"
#include "platform/MessageBox.h"
#include "players/Player.h"
#include "players/Roster.h"
#include "players/qt/DeletePlayersDlg.h"
#include "players/qt/DialogTexts.h"
#include "players/qt/KeyedListBox.h"
#include "players/qt/PlayerStatsDlg.h"
#include "players/qt/SavedGamesDlg.h"
#include "players/qt/SelectPlayerDlg.h"
#include "tests/support/Recorders.h"
#include "tests/support/qt/UiHelpers.h"

#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <filesystem>
#include <gtest/gtest.h>

using namespace testing_support;

namespace {

class PlayerDialogs : public ::testing::Test {
protected:
    PlayerDialogs() : folder(dir.Path()) {
        platform::EnsureFolder("players\\");
        platform::EnsureFolder("games\\");
    }
    std::string Players(const std::string& name) const { return dir.Path() + "players/" + name; }
    std::string Games(const std::string& name) const { return dir.Path() + "games/" + name; }
    void Roster(const std::string& bytes) { WriteBytes(Players("data"), bytes); }

    TempDir dir;
    ScopedDataFolder folder;
    MessageRecorder boxes;
    ModalDriver driver;
};

// Opens the dialog's protected OK for the cases a mouse cannot reach.
class TestSelectPlayerDlg : public CSelectPlayerDlg {
public:
    using CSelectPlayerDlg::CSelectPlayerDlg;
    using CSelectPlayerDlg::OnOK;
};

std::vector<std::string> Items(QListWidget* list) {
    std::vector<std::string> out;
    for (int i = 0; i < list->count(); ++i)
        out.push_back(list->item(i)->text().toStdString());
    return out;
}

std::string Selected(QListWidget* list) {
    auto items = list->selectedItems();
    return items.isEmpty() ? std::string() : items.front()->text().toStdString();
}

} // namespace

TEST_F(PlayerDialogs, TypingAPrefixSelectsTheFirstMatchIgnoringCase) {
    Roster(
        "Bob\r\nBob0.ply\r\nJohn\r\nJohn0.ply\r\n\r\nJoan\r\nJoan0.ply\r\nalice\r\nalic0.ply\r\n");
    CPlayer current;
    CSelectPlayerDlg dlg(current, false, false);
    EXPECT_EQ(Items(dlg.List()), (std::vector<std::string>{"alice", "Bob", "Joan", "John"}));
    EXPECT_FALSE(dlg.Button(1)->isEnabled());
    EXPECT_FALSE(dlg.Button(1030)->isEnabled());
    QTest::keyClicks(dlg.Edit(1029), "jo");
    EXPECT_EQ(Selected(dlg.List()), "Joan");
    EXPECT_TRUE(dlg.Button(1)->isEnabled());
    EXPECT_FALSE(dlg.Button(1030)->isEnabled()); // keeps its state
    dlg.Edit(1029)->clear();
    EXPECT_FALSE(dlg.Button(1)->isEnabled());
    // Choosing from the list copies the name and enables both buttons.
    dlg.List()->setCurrentRow(1);
    EXPECT_EQ(dlg.ItemText(1029), "Bob");
    EXPECT_TRUE(dlg.Button(1)->isEnabled());
    EXPECT_TRUE(dlg.Button(1030)->isEnabled());
    EXPECT_EQ(dlg.Edit(1029)->maxLength(), 60);
}

TEST_F(PlayerDialogs, ClickingOkAfterTypingAsksToAddUnlessTheNameIsListed) {
    Roster("John\r\nJohn0.ply\r\nJoan\r\nJoan0.ply\r\n");
    WriteBytes(Players("John0.ply"), "John\r\nNo Saved Games\r\n");
    CPlayer current;
    CSelectPlayerDlg dlg(current, false, false);
    driver.Then([&](QDialog*) {
        QApplication::setActiveWindow(&dlg);
        (void)QTest::qWaitForWindowActive(&dlg);
        dlg.Edit(1029)->setFocus();
        QTest::keyClicks(dlg.Edit(1029), "Jo");
        EXPECT_EQ(Selected(dlg.List()), "Joan");
        boxes.Answer(platform::IDNO);
        // The edit loses the focus to the button first: no listed name is
        // "Jo", so the selection goes and a new player is proposed.
        dlg.Button(1)->setFocus();
        EXPECT_EQ(Selected(dlg.List()), "");
        QTest::mouseClick(dlg.Button(1), Qt::LeftButton);
        ASSERT_EQ(boxes.count(), 1u);
        EXPECT_EQ(boxes.last().text, "Add new player?");
        EXPECT_EQ(boxes.last().caption, "Confirmation");
        EXPECT_TRUE(dlg.isVisible());
        // A listed name, typed in another case, is the existing player.
        dlg.Edit(1029)->setFocus();
        dlg.Edit(1029)->setText("jOHN");
        dlg.Button(1)->setFocus();
        EXPECT_EQ(Selected(dlg.List()), "John");
        QTest::mouseClick(dlg.Button(1), Qt::LeftButton);
    });
    EXPECT_EQ(dlg.exec(), 1);
    EXPECT_EQ(boxes.count(), 1u);
    EXPECT_EQ(current.name, "John");
    EXPECT_EQ(current.fileName, "John0.ply");
}

// A new player's file and roster entry are the whole game's (WholeGame_test).
TEST_F(PlayerDialogs, YesToAnEmptyNameCreatesNothingAndStays) {
    Roster("Bob\r\nBob0.ply\r\n");
    CPlayer current;
    TestSelectPlayerDlg dlg(current, false, false);
    boxes.Answer(platform::IDYES);
    dlg.OnOK();
    EXPECT_EQ(boxes.count(), 1u);
    EXPECT_EQ(ReadBytes(Players("data")), "Bob\r\nBob0.ply\r\n");
    EXPECT_EQ(dlg.result(), 0);
}

TEST_F(PlayerDialogs, NoFreeFileNameLeavesThePlayerAndRosterAlone) {
    Roster("");
    for (int n = 0; n < 100; ++n)
        WriteBytes(Players("John" + std::to_string(n) + ".ply"), "Other\r\nNo Saved Games\r\n");
    CPlayer current;
    current.name = "Bob";
    current.fileName = "Bob0.ply";
    current.SelectGameStats("Game 1", false);
    TestSelectPlayerDlg dlg(current, false, false);
    dlg.Edit(1029)->setText("Johnny");
    dlg.OnOK();
    EXPECT_EQ(boxes.texts(), (std::vector<std::string>{
                                 "Add new player?", "Unable to create a file for this player."}));
    EXPECT_EQ(current.name, "Bob");
    EXPECT_EQ(current.fileName, "Bob0.ply");
    EXPECT_EQ(current.stats.size(), 1u);
    EXPECT_EQ(ReadBytes(Players("data")), "");
    EXPECT_EQ(ReadBytes(Players("John0.ply")), "Other\r\nNo Saved Games\r\n");
}

TEST_F(PlayerDialogs, StartupCancelAsksAndViewOnlyIsDone) {
    Roster("Bob\r\nBob0.ply\r\n");
    CPlayer current;
    {
        CSelectPlayerDlg dlg(current, true, false);
        EXPECT_EQ(dlg.ItemText(2), "Quit Game");
        driver.Then([&](QDialog* d) {
            boxes.Answer(platform::IDNO);
            QTest::keyClick(d, Qt::Key_Escape);
            EXPECT_TRUE(d->isVisible());
            boxes.Answer(platform::IDYES);
            QTest::mouseClick(dlg.Button(2), Qt::LeftButton);
        });
        EXPECT_EQ(dlg.exec(), 2);
        EXPECT_EQ(boxes.texts(), (std::vector<std::string>{"Are you sure you want to quit?",
                                                           "Are you sure you want to quit?"}));
    }
    {
        boxes.clear();
        CSelectPlayerDlg dlg(current, false, true);
        EXPECT_EQ(dlg.ItemText(1), "Done");
        driver.Then([&](QDialog*) {
            dlg.List()->setCurrentRow(0);
            QTest::mouseClick(dlg.Button(1), Qt::LeftButton);
        });
        EXPECT_EQ(dlg.exec(), 1);
        EXPECT_EQ(current.name, "");
        EXPECT_EQ(current.fileName, "");
        EXPECT_EQ(boxes.count(), 0u);
    }
}

TEST_F(PlayerDialogs, DeleteNeverListsTheCurrentPlayerAndRewritesTheRosterCurrentFirst) {
    Roster("Zed\r\nZed0.ply\r\nBob\r\nBob0.ply\r\nAnn\r\nAnn0.ply\r\nCarl\r\nCarl0.ply\r\n");
    WriteBytes(Players("Bob0.ply"), "Bob\r\nStart Saved Games\r\nGame 1\r\n10.gme\r\ng1\r\n"
                                    "Game 2\r\n20.gme\r\ng2\r\nEnd Saved Games\r\n");
    WriteBytes(Games("10.gme"), "x");
    WriteBytes(Games("20.gme"), "y");
    WriteBytes(Players("Ann0.ply"), "Ann\r\n"); // neither marker: the scan stops at the end
    WriteBytes(Players("Zed0.ply"), "Zed\r\nNo Saved Games\r\n");
    CDeletePlayersDlg dlg("Zed", "Zed0.ply");
    EXPECT_EQ(Items(dlg.List()), (std::vector<std::string>{"Ann", "Bob", "Carl"}));
    EXPECT_FALSE(dlg.Button(1)->isEnabled());
    driver.Then([&](QDialog*) {
        dlg.List()->item(0)->setSelected(true);
        dlg.List()->item(1)->setSelected(true);
        EXPECT_TRUE(dlg.Button(1)->isEnabled());
        boxes.Answer(platform::IDNO);
        QTest::mouseClick(dlg.Button(1), Qt::LeftButton);
        EXPECT_TRUE(std::filesystem::exists(Players("Bob0.ply")));
        QTest::mouseClick(dlg.Button(1), Qt::LeftButton);
    });
    EXPECT_EQ(dlg.exec(), 1);
    EXPECT_EQ(boxes.texts(),
              (std::vector<std::string>{"Delete the selected players and their saved games?",
                                        "Delete the selected players and their saved games?"}));
    // Which files go is DeletePlayerFiles' (Roster_test).
    EXPECT_FALSE(std::filesystem::exists(Players("Bob0.ply")));
    EXPECT_FALSE(std::filesystem::exists(Players("Ann0.ply")));
    EXPECT_TRUE(std::filesystem::exists(Players("Zed0.ply")));
    EXPECT_EQ(ReadBytes(Players("data")), "Zed\r\nZed0.ply\r\nCarl\r\nCarl0.ply\r\n");
}

TEST_F(PlayerDialogs, StatisticsReportAndItsPrintFile) {
    ShellRecorder shell;
    CPlayer player;
    player.name = "Joan";
    player.SelectGameStats("Game 2: Pets", false);
    player.ResetStats();
    player.SetCorrectCount("Game 2: Pets", 16, 5);
    player.IncTimesPlayed(true);
    player.current->dateText = "Last played this game on Monday, 01/05/26 at 09:30 AM";
    player.SelectGameStats("Game 1: Farm", false);
    CPlayerStatsDlg dlg(&player);
    QListWidget* list = dlg.ListBox(1031);
    EXPECT_EQ(Items(list), (std::vector<std::string>{"Game 1: Farm", "Game 2: Pets"}));
    EXPECT_EQ(dlg.ItemText(1034), "No Game Selected");
    EXPECT_FALSE(dlg.Button(1033)->isEnabled());
    driver.Then([&](QDialog*) {
        list->setCurrentRow(1);
        QTest::mouseClick(dlg.Button(1033), Qt::LeftButton);
        QTest::mouseClick(dlg.Button(1), Qt::LeftButton);
    });
    EXPECT_EQ(dlg.exec(), 1);
    // The selected game's report (its wording is StatsReport's, checked in
    // core), shown and written CR LF to the print file.
    const std::string shown =
        dlg.ItemText(1032).replace("\r\n", "\n").replace("\r", "\n").toStdString();
    EXPECT_NE(shown.find("Game Title: Game 2: Pets\nGame Player: Joan\n"), std::string::npos);
    EXPECT_NE(shown.find("\nTotal true marks in game: 16\n"), std::string::npos);
    EXPECT_EQ(dlg.ItemText(1034), "");
    EXPECT_TRUE(dlg.Button(1033)->isEnabled());
    EXPECT_NE(
        ReadBytes(Players("stats.txt")).find("Game Title: Game 2: Pets\r\nGame Player: Joan\r\n"),
        std::string::npos);
    ASSERT_EQ(shell.paths().size(), 1u);
    EXPECT_EQ(shell.paths()[0], Players("stats.txt"));

    // No player: the message and Cancel, without a dialog.
    CPlayerStatsDlg none(nullptr);
    EXPECT_EQ(none.exec(), 2);
    EXPECT_EQ(boxes.last().text, "No Valid Player Selected!");
    EXPECT_EQ(boxes.last().caption, "Error");
}
