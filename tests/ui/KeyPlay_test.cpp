// The board played from the keyboard, undo and redo of marks, and the board
// options, through the main frame's real widgets: every bundled game solved
// by keys against the same game solved by clicks; undo sequences against the
// sequences without the undone marks, down to the saved game's bytes.
#include "app/GameList.h"
#include "app/qt/CongratsDlg.h"
#include "app/qt/GameBarDlg.h"
#include "app/qt/MainFrame.h"
#include "board/qt/GridView.h"
#include "pages/qt/MuWnd.h"
#include "platform/DataPath.h"
#include "players/Player.h"
#include "puzzle/GridDoc.h"
#include "resources/Menu.h"
#include "tests/support/Recorders.h"
#include "tests/support/ShellFixtures.h"
#include "tests/support/qt/FrameTest.h"
#include "tests/support/qt/UiHelpers.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>
#include <algorithm>
#include <filesystem>
#include <gtest/gtest.h>

using namespace testing_support;

namespace {

using Game = GameListEntry;

// A main frame over a data folder whose data\ is the bundled one (or the tiny
// game of the shell tests), with a player of its own.
class KeyPlay : public FrameTest {
protected:
    explicit KeyPlay(bool bundled = true)
        : FrameTest(
              [bundled](const TempDir& dir) {
                  if (bundled)
                      std::filesystem::create_directory_symlink(SourcePath("gamedata/data"),
                                                                dir.File("data"));
                  else
                      shell_fixtures::WriteTinyGame(dir);
              },
              "Kim") {
        OpenFrame();
        frame->show();
    }
    std::vector<Game> Games() const { return ReadGameListFile(dir.File("data/games.dat")); }
    void Start(const Game& game) {
        FrameTest::Start(game.title, game.fileName);
        frame->OnSaveGame();
    }
    std::string SavedGame() {
        frame->OnSaveGame();
        for (const auto& entry : player.savedGames)
            if (entry->title == frame->gameTitle)
                return ReadBytes(dir.File("games/" + entry->fileName));
        return "(none)";
    }
    // Check Answer on a solved board: the score the Congratulations dialog shows.
    std::string Solve() {
        std::string score = "(no dialog)";
        driver.Then([&](QDialog* d) {
            auto* congrats = static_cast<CCongratsDlg*>(d);
            score = congrats->ItemText(1040).toStdString();
            QTest::mouseClick(congrats->Button(2), Qt::LeftButton);
        });
        QTest::mouseClick(frame->Bar()->CheckButton(), Qt::LeftButton);
        return score;
    }
    CGridView* View() const { return frame->View(); }
    CGridDoc* Doc() const { return frame->Document(); }
    std::vector<int> States() const {
        std::vector<int> states;
        for (const auto& cell : Doc()->GetCells())
            states.push_back(cell->state);
        return states;
    }
    void Click(int column, int row) {
        const int size = Doc()->GetCellSize();
        const QPoint picture(Doc()->GetGridOffsetX() + column * size + size / 2,
                             Doc()->GetGridOffsetY() + row * size + size / 2);
        View()->horizontalScrollBar()->setValue(picture.x() - View()->viewport()->width() / 2);
        View()->verticalScrollBar()->setValue(picture.y() - View()->viewport()->height() / 2);
        QTest::mouseClick(View()->viewport(), Qt::LeftButton, {}, View()->PictureToClient(picture));
    }
    // Walks the cursor to (column, row) by arrow keys: up and left first, so
    // that the way stays on the cells of a staircase board.
    void KeyTo(int column, int row) {
        int c = 0, r = 0;
        ASSERT_TRUE(View()->CursorCell(c, r));
        for (int guard = 0; guard < 200 && (c != column || r != row); ++guard) {
            const Qt::Key key = r > row      ? Qt::Key_Up
                                : c > column ? Qt::Key_Left
                                : c < column ? Qt::Key_Right
                                             : Qt::Key_Down;
            QTest::keyClick(View(), key);
            View()->CursorCell(c, r);
        }
        ASSERT_EQ(std::make_pair(c, r), std::make_pair(column, row));
    }
    void Key(Qt::Key key, int times = 1) {
        for (int i = 0; i < times; ++i)
            QTest::keyClick(View(), key);
    }
};

class TinyKeyPlay : public KeyPlay {
protected:
    TinyKeyPlay() : KeyPlay(false) { Start({"Tiny Farm", "tiny"}); }
};

} // namespace

TEST_F(KeyPlay, EveryGameSolvedByKeysEndsAsItDoesByClicks) {
    const std::vector<Game> games = Games();
    ASSERT_EQ(games.size(), 40u);
    for (const Game& game : games) {
        SCOPED_TRACE(game.title);
        // By clicks: one cell beside the answer false, every answer cell true.
        Start(game);
        const std::vector<std::string> answer = Doc()->GetAnswerList();
        int besideColumn = 0, besideRow = 0;
        for (const auto& cell : Doc()->GetCells())
            if (std::find(answer.begin(), answer.end(), CellKey(cell->column, cell->row)) ==
                answer.end()) {
                besideColumn = cell->column;
                besideRow = cell->row;
                break;
            }
        Click(besideColumn, besideRow);
        for (const std::string& key : answer) {
            int column = 0, row = 0;
            SplitCellKey(key, column, row);
            Click(column, row);
            Click(column, row);
        }
        const std::vector<int> clickedStates = States();
        const std::vector<std::string> clickedList = Doc()->GetMarkedTrueList();
        const std::string clickedSave = SavedGame();
        const std::string clickedScore = Solve();
        EXPECT_TRUE(frame->SolutionShown());

        // By keys alone: F beside, then T or Space twice on the answer cells.
        Start(game);
        KeyTo(besideColumn, besideRow);
        Key(Qt::Key_F);
        for (size_t i = 0; i < answer.size(); ++i) {
            int column = 0, row = 0;
            SplitCellKey(answer[i], column, row);
            KeyTo(column, row);
            if (i % 2 == 0)
                Key(Qt::Key_T);
            else
                Key(Qt::Key_Space, 2);
        }
        EXPECT_EQ(States(), clickedStates);
        EXPECT_EQ(Doc()->GetMarkedTrueList(), clickedList);
        EXPECT_EQ(SavedGame(), clickedSave);
        EXPECT_EQ(Solve(), clickedScore);
        EXPECT_NE(clickedScore, "(no dialog)");
    }
}

TEST_F(TinyKeyPlay, UndoAndRedoLeaveTheBoardAndSavedGameAsTheMarksWithoutTheUndoneOnes) {
    QAction* undo = frame->Action(resources::ID_EDIT_UNDO);
    QAction* redo = frame->Action(resources::ID_EDIT_REDO);
    ASSERT_TRUE(undo && redo); // their shortcuts are pressed below
    EXPECT_FALSE(undo->isEnabled());
    EXPECT_FALSE(redo->isEnabled());

    // The plain sequence: (1,1) true, (1,0) false, then (0,0) true.
    Click(1, 1);
    Click(1, 1);
    Click(1, 0);
    Click(0, 0);
    Click(0, 0);
    const std::string plainSave = SavedGame();
    const std::vector<std::string> plainList = Doc()->GetMarkedTrueList();
    EXPECT_EQ(plainList, (std::vector<std::string>{"1,1", "0,0"}));

    // Again with a hint taken, an answer checked and marks taken back between.
    Start({"Tiny Farm", "tiny"});
    EXPECT_FALSE(undo->isEnabled()); // another game: the history is gone
    QTest::mouseClick(frame->Bar()->HintButtons()[0], Qt::LeftButton);
    Click(1, 1);
    Click(1, 1);
    Click(0, 0); // taken back below
    undo->trigger();
    EXPECT_TRUE(redo->isEnabled());
    Click(1, 0);
    EXPECT_FALSE(redo->isEnabled()); // a new mark: nothing to redo
    frame->OnCheckAnswer();
    Click(0, 1);
    Click(0, 1); // (0,1) true, then false again by one more click ...
    Click(0, 1);
    undo->trigger(); // ... three steps taken back
    undo->trigger();
    undo->trigger();
    undo->trigger(); // and (1,0) too, given again by redo
    redo->trigger();
    Click(0, 0);
    Click(0, 0);
    EXPECT_EQ(States(), (std::vector<int>{2, 1, 0, 2}));
    EXPECT_EQ(Doc()->GetMarkedTrueList(), plainList);
    EXPECT_EQ(SavedGame(), plainSave);
    EXPECT_EQ(player.TimesHintTaken(), 1);
    EXPECT_EQ(player.TimesAnswerChecked(), 1);
    EXPECT_EQ(frame->Pane(1)->text(), "Hints: 1");
    EXPECT_EQ(frame->Pane(2)->text(), "Checks: 1");

    // The shortcuts reach the actions; a whole undo of a sure mark and back.
    frame->activateWindow();
    QApplication::setActiveWindow(frame.get());
    View()->setFocus();
    QTest::keyClick(View(), Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(Doc()->FindCell(0, 0)->state, 1);
    EXPECT_EQ(Doc()->GetMarkedTrueList(), std::vector<std::string>{"1,1"});
    QTest::keyClick(View(), Qt::Key_Y, Qt::ControlModifier);
    EXPECT_EQ(Doc()->FindCell(0, 0)->state, 2);
    QTest::keyClick(View(), Qt::Key_Z, Qt::ControlModifier);
    QTest::keyClick(View(), Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(Doc()->GetMarkedTrueList(), plainList);

    // Nothing is taken back once the game has ended.
    frame->Document()->ToggleCell(1, 0);
    frame->Document()->ToggleCell(1, 0); // (1,0) empty: the board is solved
    Solve();
    ASSERT_TRUE(frame->SolutionShown());
    EXPECT_FALSE(undo->isEnabled());
    const std::vector<int> ended = States();
    undo->trigger();
    QTest::keyClick(View(), Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(States(), ended);
}

TEST_F(TinyKeyPlay, KeysMarkAsClicksDoAndSpaceLooksUpHintsInHintMode) {
    sounds.clear();
    // The cursor starts on the first cell; End goes to the row's end.
    Key(Qt::Key_End);
    Key(Qt::Key_T);
    Key(Qt::Key_Down);
    Key(Qt::Key_F);
    Key(Qt::Key_Home);
    Key(Qt::Key_Space);
    EXPECT_EQ(States(), (std::vector<int>{0, 2, 1, 1}));
    Key(Qt::Key_Right);
    Key(Qt::Key_Delete);
    Key(Qt::Key_Up);
    Key(Qt::Key_Backspace);
    EXPECT_EQ(States(), (std::vector<int>{0, 0, 1, 0}));
    EXPECT_TRUE(Doc()->GetMarkedTrueList().empty());
    EXPECT_EQ(sounds.names(), std::vector<std::string>(5, "data\\dxup.wav"));

    // Find Hints: Space asks for the cursor cell's hint, F marks nothing.
    frame->OnFindHints();
    Key(Qt::Key_Left);
    Key(Qt::Key_Up); // (0,0), named by hint 1 alone
    Key(Qt::Key_Space);
    Key(Qt::Key_F);
    EXPECT_EQ(States(), (std::vector<int>{0, 0, 1, 0}));
    EXPECT_EQ(Doc()->GetHighlightedHint(), 1); // the hint's page is opened
    EXPECT_EQ(player.TimesHintTaken(), 1);
}

TEST_F(KeyPlay, OptionsAreKeptPerUserAndMarkTheRestAsOneStep) {
    Start({"Game 1: The Farm", "game01"}); // three categories of four
    QAction* rest = frame->Action(resources::ID_MARK_REST_FALSE);
    QAction* symbols = frame->Action(resources::ID_SHOW_SYMBOLS);
    ASSERT_TRUE(rest && symbols);
    EXPECT_FALSE(rest->isChecked());
    EXPECT_FALSE(symbols->isChecked());
    rest->trigger();
    symbols->trigger();
    {
        // The next window (and the next run) starts with them on.
        CMainFrame second(player);
        EXPECT_TRUE(second.Action(resources::ID_MARK_REST_FALSE)->isChecked());
        EXPECT_TRUE(second.Action(resources::ID_SHOW_SYMBOLS)->isChecked());
    }
    // (5,1): the upper right block is columns 4-7, rows 0-3.
    Click(4, 3);
    Click(5, 1);
    Click(5, 1);
    std::vector<std::string> falseCells;
    for (const auto& cell : Doc()->GetCells())
        if (cell->state == CGridCell::stateFalse)
            falseCells.push_back(CellKey(cell->column, cell->row));
    std::sort(falseCells.begin(), falseCells.end());
    EXPECT_EQ(falseCells,
              (std::vector<std::string>{"4,1", "4,3", "5,0", "5,2", "5,3", "6,1", "7,1"}));
    // Symbols: a shape in the true cell and in the false ones, none once off.
    auto shapePixels = [&](int column, int row) {
        const QImage shot = View()->viewport()->grab().toImage();
        const int size = Doc()->GetCellSize();
        const QPoint corner = View()->PictureToClient(
            QPoint(Doc()->GetGridOffsetX() + column * size, Doc()->GetGridOffsetY() + row * size));
        const QColor fill = shot.pixelColor(corner + QPoint(1, 1));
        int count = 0;
        for (int y = 1; y < size; ++y)
            for (int x = 1; x < size; ++x)
                count += shot.pixelColor(corner + QPoint(x, y)) != fill;
        return count;
    };
    EXPECT_GT(shapePixels(5, 1), 10);
    EXPECT_GT(shapePixels(4, 3), 10);
    EXPECT_EQ(shapePixels(2, 2), 0); // an empty cell
    symbols->trigger();
    EXPECT_EQ(shapePixels(5, 1), 0);
    EXPECT_EQ(shapePixels(4, 3), 0);
    symbols->trigger();
    frame->Action(resources::ID_EDIT_UNDO)->trigger(); // the true mark and the rest at once
    EXPECT_EQ(Doc()->FindCell(5, 1)->state, CGridCell::stateFalse);
    const std::vector<int> after = States();
    EXPECT_EQ(std::count(after.begin(), after.end(), 1), 2);
    rest->trigger();
    symbols->trigger();
    EXPECT_FALSE(CMainFrame(player).Action(resources::ID_SHOW_SYMBOLS)->isChecked());
}
