// The small platform services: paths, the message and sound hubs, the
// generator, dates, dialog units.
#include "platform/Clock.h"
#include "platform/DataPath.h"
#include "platform/DialogUnits.h"
#include "platform/MessageBox.h"
#include "platform/Random.h"
#include "platform/Sound.h"
#include "tests/support/PlayerFixtures.h"

#include <cstdlib>
#include <filesystem>
#include <gtest/gtest.h>

using namespace platform;
using namespace testing_support;

TEST(DataPath, MatchesEachComponentIgnoringCase) {
    TempDir dir;
    WriteBytes(dir.File("data/Sound.dat"), "TRUE\r\n");
    WriteBytes(dir.File("players/John0.ply"), "");
    ScopedDataFolder folder(dir.Path());
    EXPECT_EQ(RealPath("Data\\Sound.dat"), dir.File("data/Sound.dat"));
    EXPECT_EQ(RealPath("DATA\\sound.DAT"), dir.File("data/Sound.dat"));
    EXPECT_EQ(RealPath("players\\john0.ply"), dir.File("players/John0.ply"));
    EXPECT_EQ(RealPath("players\\"), dir.File("players/"));
    // Missing components keep the case as written.
    EXPECT_EQ(RealPath("Data\\New.dat"), dir.File("data/New.dat"));
    EXPECT_EQ(RealPath("Games\\A0.gme"), dir.File("Games/A0.gme"));
}

TEST(DataPath, PlainFileNamesAndFolders) {
    EXPECT_TRUE(IsPlainFileName("John0.ply"));
    EXPECT_FALSE(IsPlainFileName(""));
    EXPECT_FALSE(IsPlainFileName(".."));
    EXPECT_FALSE(IsPlainFileName("../x.ply"));
    EXPECT_FALSE(IsPlainFileName("a\\b"));
    TempDir dir;
    ScopedDataFolder folder(dir.Path());
    EXPECT_TRUE(EnsureFolder("players\\"));
    EXPECT_TRUE(std::filesystem::is_directory(dir.File("players")));
    EXPECT_TRUE(EnsureFolder("players\\"));
    WriteBytes(dir.File("ants"), "a file, not a folder");
    EXPECT_FALSE(EnsureFolder("ants\\"));
}

TEST(SoundHub, PlaysOnlyWhileSoundIsOn) {
    {
        SoundRecorder sounds(true);
        PlaySound("data\\start.wav");
        SetSoundOn(false);
        PlaySound("data\\click.wav");
        SetSoundOn(true);
        PlaySound("data\\wrong.wav");
        EXPECT_EQ(sounds.names(), (std::vector<std::string>{"data\\start.wav", "data\\wrong.wav"}));
    }
    SoundRecorder off(false);
    PlaySound("data\\start.wav");
    EXPECT_TRUE(off.names().empty());
}

TEST(Random, FollowsTheGeneratorExactly) {
    SeedRandom(1);
    std::vector<int> values;
    for (int i = 0; i < 5; ++i)
        values.push_back(NextRandom());
    EXPECT_EQ(values, (std::vector<int>{41, 18467, 6334, 26500, 19169}));
    SeedRandom(0xFFFFFFFFu);
    for (int i = 0; i < 1000; ++i) {
        int v = NextRandom();
        ASSERT_GE(v, 0);
        ASSERT_LE(v, kRandMax);
    }
}

TEST(DateTexts, EnglishWeekdaysAndTwelveHourClock) {
    UtcZone utc;
    PinnedClock clock(1049207100); // Tuesday 1 April 2003, 14:25 UTC
    EXPECT_EQ(FormatDateText(kFinishedFormat, Now()),
              "Finished this game on Tuesday, 04/01/03 at 02:25 PM");
    clock.Set(946684800); // Saturday 1 January 2000, midnight
    EXPECT_EQ(FormatDateText(kLastPlayedFormat, Now()),
              "Last played this game on Saturday, 01/01/00 at 12:00 AM");
    clock.Set(946684800 + 12 * 3600 + 5 * 60); // noon and five minutes
    EXPECT_EQ(FormatDateText("%I:%M %p %B %b %a %Y %%", Now()), "12:05 PM January Jan Sat 2000 %");
}
