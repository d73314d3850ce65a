#include "app/GameFlow.h"
#include "app/Texts.h"
#include "resources/Menu.h"
#include "tests/support/Recorders.h"

#include <gtest/gtest.h>
#include <set>

using namespace gameflow;
using testing_support::TempDir;
using testing_support::WriteBytes;

// The wording for several points is seen in the whole game (WholeGame_test).
TEST(GameFlow, ScoringTextHasAOnePointWording) {
    EXPECT_EQ(ScoringText(1, 87), "For this game, each hint or answer check deducts 1 point from "
                                  "your score.\nThe average score is 87.");
}

TEST(GameFlow, PageNamesWhilePlayingAndOnceOver) {
    EXPECT_EQ(PageName("logic1", 3, false), "logic1_03.htf");
    EXPECT_EQ(PageName("logic1", 3, true), "logic1-03.htf");
    EXPECT_EQ(PageName("logic1", 0, true), "logic1-00.htf");
    EXPECT_EQ(PageName("logic1", 21, false), "logic1_21.htf");
    EXPECT_EQ(PageName("logic1", 130, false), "logic1_130.htf");
    EXPECT_EQ(PagePath("logic1", 0, false), "data\\logic1_00.htf");
    EXPECT_EQ(PuzzlePath("logic1"), "data\\logic1.bgd");
    // A title with a percent sign is never a format.
    EXPECT_EQ(PageName("a%sb", 1, false), "a%sb_01.htf");
}
// The score and pane texts are the whole game's (WholeGame_test).

TEST(GameFlow, AboutDataWithAMissingLineReadsEmpty) {
    TempDir dir;
    AboutData data{"p", "y", "v"};
    EXPECT_FALSE(ReadAboutData(dir.File("About.dat"), data));
    EXPECT_EQ(data.versionText, "v");
    WriteBytes(dir.File("About.dat"), "Linux\r\n2026\r\n");
    EXPECT_TRUE(ReadAboutData(dir.File("About.dat"), data));
    EXPECT_EQ(data.platformText, "Linux");
    EXPECT_EQ(data.yearText, "2026");
    EXPECT_EQ(data.versionText, "");
}

TEST(GameFlow, CongratsResults) {
    EXPECT_EQ(CongratsCancelResult(true), 6);
    EXPECT_EQ(CongratsCancelResult(false), 2);
    EXPECT_TRUE(CongratsMakesRewardAvailable(6));
    EXPECT_TRUE(CongratsMakesRewardAvailable(7));
    EXPECT_FALSE(CongratsMakesRewardAvailable(2));
    EXPECT_FALSE(CongratsMakesRewardAvailable(1));
}

namespace {
void Collect(const std::vector<resources::MenuItem>& items, std::vector<resources::MenuItem>& out) {
    for (const auto& m : items) {
        if (!m.items.empty())
            Collect(m.items, out);
        else if (m.id != 0)
            out.push_back(m);
    }
}
} // namespace

TEST(Menu, EveryCommandHasAPromptAndTheStatusBarShowsItsFirstPart) {
    std::vector<resources::MenuItem> all;
    Collect(resources::MainMenu(), all);
    EXPECT_EQ(all.size(), 26u);
    std::set<int> ids;
    for (const auto& m : all) {
        EXPECT_TRUE(ids.insert(m.id).second) << m.id;
        EXPECT_FALSE(resources::PromptString(m.id).empty()) << m.id;
    }
    EXPECT_EQ(StatusPrompt(resources::PromptString(resources::ID_NEW_GAME)),
              "Select a new game to play");
    EXPECT_EQ(StatusPrompt(resources::PromptString(resources::ID_SHOW_SOLUTION)),
              "See the answer and end the game.");
    EXPECT_EQ(StatusPrompt(resources::PromptString(resources::ID_SCORING)),
              "Displays average game score and point costs.");
}
