// The coach's two commands in the main frame, on bundled games: Explain
// Next Step and its button alone play a game to the Congratulations dialog; Where Did I Go Wrong?
// finds a mark made by a click and clears it as one undo step; each use is an answer check; a game
// with a damaged clue file or none has the commands disabled.
#include "app/qt/CoachDlg.h"
#include "app/qt/MainFrame.h"
#include "board/qt/GridView.h"
#include "players/Player.h"
#include "puzzle/GridCell.h"
#include "puzzle/GridDoc.h"
#include "resources/Menu.h"
#include "tests/support/Recorders.h"
#include "tests/support/ShellFixtures.h"
#include "tests/support/qt/CoachPlay.h"
#include "tests/support/qt/FrameTest.h"
#include "tests/support/qt/UiHelpers.h"

#include <QAction>
#include <QLabel>
#include <QPushButton>
#include <QStatusBar>
#include <QTest>
#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <gtest/gtest.h>

using namespace testing_support;
using namespace shell_fixtures;

namespace {

std::string Name(int n) {
    char name[16];
    std::snprintf(name, sizeof name, "game%02d", n);
    return name;
}

class CoachFlow : public FrameTest {
protected:
    CoachFlow()
        : FrameTest([](const TempDir& dir) {
              WriteTinyGame(dir);
              for (int n : {1, 2, 39, 40})
                  for (const char* end : {".bgd", ".clu", ".bmp", "_00.htf", "-00.htf"})
                      std::filesystem::copy_file(SourcePath("gamedata/data/" + Name(n) + end),
                                                 dir.File("data/" + Name(n) + end));
          }) {
        OpenFrame();
        frame->show();
    }
    void Start(const std::string& name) { FrameTest::Start(name, name); }
    CGridDoc& Doc() { return *frame->Document(); }
    bool InAnswer(const CGridCell& cell) {
        const auto& answer = Doc().GetAnswerList();
        return std::find(answer.begin(), answer.end(), CellKey(cell.column, cell.row)) !=
               answer.end();
    }
    QAction* Explain() { return frame->Action(resources::ID_EXPLAIN_NEXT_STEP); }
    QAction* Where() { return frame->Action(resources::ID_WHERE_WRONG); }
    int Checks() { return player.TimesAnswerChecked(); }
};

} // namespace

// The coach alone solves every bundled game (its core test); here a game
// played through the frame and the coach's dialog.
TEST_F(CoachFlow, ExplainNextStepAndItsButtonAlonePlayAGameToCongratulations) {
    Start("game40");
    const CoachPlay play = PlayByCoach(*frame, driver, 400, [&](CCoachDlg&) {
        // The squares it is about are highlighted while it speaks.
        EXPECT_NE(Doc().HighlightedCells(), nullptr);
    });
    EXPECT_TRUE(play.congratulated) << play.uses;
    // Every use but the one that ended the game was an answer check.
    EXPECT_EQ(Checks(), play.uses - 1);
    EXPECT_TRUE(frame->SolutionShown());
    EXPECT_FALSE(Explain()->isEnabled());
    EXPECT_FALSE(Where()->isEnabled());
    // Nothing is counted once the game is over.
    frame->OnExplainNextStep();
    EXPECT_EQ(Checks(), play.uses - 1);
    EXPECT_EQ(boxes.count(), 0u);
}

TEST_F(CoachFlow, WhereDidIGoWrongFindsTheClickedMistakeAndClearsItAsOneUndoStep) {
    Start("game39");
    // Two right steps, then a wrong true mark by the keys, as a player makes one.
    ASSERT_EQ(PlayByCoach(*frame, driver, 2).uses, 2);
    const CGridCell* target = nullptr;
    for (const auto& cell : Doc().GetCells())
        if (!target && cell->state == CGridCell::stateEmpty && !InAnswer(*cell))
            target = cell.get();
    ASSERT_NE(target, nullptr);
    frame->View()->markRestFalse = false;
    frame->View()->SetCursorCell(target->column, target->row);
    frame->View()->setFocus();
    QTest::keyClick(frame->View(), Qt::Key_T);
    ASSERT_EQ(target->state, CGridCell::stateTrue);

    std::string said;
    driver.Then([&](QDialog* d) {
        auto* coach = static_cast<CCoachDlg*>(d);
        said = coach->TextLabel()->text().toStdString();
        const auto* lit = Doc().HighlightedCells();
        ASSERT_TRUE(lit && lit->size() == 1);
        EXPECT_EQ(lit->front(), CellKey(target->column, target->row));
        EXPECT_EQ(coach->ActionButton()->text(), "Clear It");
        coach->ActionButton()->click();
    });
    const int before = Checks();
    Where()->trigger();
    EXPECT_EQ(said.rfind("Your first wrong mark is the square of ", 0), 0u) << said;
    EXPECT_NE(said.find("marked true"), std::string::npos) << said;
    EXPECT_EQ(target->state, CGridCell::stateEmpty);
    EXPECT_EQ(Checks(), before + 1);
    EXPECT_EQ(Doc().HighlightedCells(), nullptr);
    frame->Action(resources::ID_EDIT_UNDO)->trigger();
    EXPECT_EQ(target->state, CGridCell::stateTrue);

    // With the mistake there, Explain Next Step says so without saying where.
    driver.Then([&](QDialog* d) {
        auto* coach = static_cast<CCoachDlg*>(d);
        said = coach->TextLabel()->text().toStdString();
        EXPECT_EQ(coach->ActionButton(), nullptr);
        EXPECT_EQ(Doc().HighlightedCells(), nullptr);
        coach->CloseButton()->click();
    });
    Explain()->trigger();
    EXPECT_EQ(said.rfind("One of your marks is wrong", 0), 0u) << said;
    EXPECT_EQ(Checks(), before + 2);
    EXPECT_EQ(target->state, CGridCell::stateTrue);
}

TEST_F(CoachFlow, WithoutAReadableClueFileTheCommandsAreOff) {
    const struct {
        const char* bytes; // null: no clue file
        size_t boxes;
    } cases[] = {{nullptr, 0}, {"Deduxa clues 1\r\nshape 3 4\r\n", 1}, {"", 1}};
    for (const auto& c : cases) {
        std::filesystem::remove(dir.File("data/game01.clu"));
        if (c.bytes)
            WriteBytes(dir.File("data/game01.clu"), c.bytes);
        boxes.clear();
        Start("game01");
        EXPECT_FALSE(frame->HasCoach());
        EXPECT_FALSE(Explain()->isEnabled());
        EXPECT_FALSE(Where()->isEnabled());
        ASSERT_EQ(boxes.count(), c.boxes);
        if (c.boxes) {
            EXPECT_EQ(boxes.last().text, "An invalid file handle was associated with " +
                                             dir.File("data/game01.clu") + ".");
        }
        // The game itself plays on.
        EXPECT_TRUE(frame->Action(resources::ID_CHECK_ANSWER)->isEnabled());
    }
    Start("game02");
    EXPECT_TRUE(Explain()->isEnabled());
}
