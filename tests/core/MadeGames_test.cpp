#include "madegames/GameCode.h"
#include "madegames/MadeGames.h"
#include "platform/FileError.h"
#include "puzzlegen/Themes.h"
#include "reasoning/Puzzle.h"
#include "tests/support/Recorders.h"

#include <algorithm>
#include <filesystem>
#include <gtest/gtest.h>

using madegames::DecodeGameCode;
using madegames::EncodeGameCode;
using madegames::GameRecipe;
using testing_support::ReadBytes;
using testing_support::TempDir;
using testing_support::WriteBytes;

namespace {
constexpr char kAlphabet[] = "0123456789ABCDEFGHJKMNPQRSTVWXYZ";
}

TEST(GameCode, EveryFieldComesBackFromItsCodeTypedAnyWay) {
    const GameRecipe recipes[] = {
        {3, 4, 1, madegames::kAnyTheme, 0},
        {reasoning::kMaxCats, reasoning::kMaxItems, 4, 11, madegames::kSeedMask},
        {4, 5, 2, 0, 123456789},
        {2, 2, 3, 7, 1},
        {5, 6, 4, madegames::kAnyTheme, 987654},
    };
    for (const GameRecipe& r : recipes) {
        const std::string code = EncodeGameCode(r);
        ASSERT_EQ(code.size(), 11u) << code;
        EXPECT_EQ(code[5], '-');
        for (char c : code)
            EXPECT_TRUE(c == '-' || std::string(kAlphabet).find(c) != std::string::npos) << code;
        std::string lower, spaced;
        for (char c : code) {
            if (c == '-')
                continue;
            lower += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
            spaced += std::string(1, c) + " ";
        }
        // 0 and 1 may be typed as the letters they look like.
        std::string lookalike = code;
        for (char& c : lookalike)
            c = c == '0' ? 'o' : c == '1' ? 'L' : c;
        for (const std::string& typed : {code, lower, " " + spaced, lookalike}) {
            GameRecipe back;
            std::string fault;
            ASSERT_TRUE(DecodeGameCode(typed, back, fault)) << typed << ": " << fault;
            EXPECT_EQ(back, r) << typed;
        }
    }
    // Different recipes, different codes.
    EXPECT_NE(EncodeGameCode(recipes[2]), EncodeGameCode({4, 5, 2, 0, 123456788}));
    EXPECT_NE(EncodeGameCode(recipes[2]), EncodeGameCode({4, 5, 3, 0, 123456789}));
}

TEST(GameCode, AnyOneMistypedCharacterOrSwappedPairIsRefused) {
    const std::string code = EncodeGameCode({4, 5, 2, 3, 54321987});
    std::string plain;
    for (char c : code)
        if (c != '-')
            plain += c;
    GameRecipe r;
    std::string fault;
    int tried = 0;
    for (size_t i = 0; i < plain.size(); ++i) {
        for (char c : std::string(kAlphabet)) {
            if (c == plain[i])
                continue;
            std::string typo = plain;
            typo[i] = c;
            EXPECT_FALSE(DecodeGameCode(typo, r, fault)) << typo;
            ++tried;
        }
        if (i + 1 < plain.size() && plain[i] != plain[i + 1]) {
            std::string swapped = plain;
            std::swap(swapped[i], swapped[i + 1]);
            EXPECT_FALSE(DecodeGameCode(swapped, r, fault)) << swapped;
            EXPECT_NE(fault.find("typing error"), std::string::npos) << fault;
        }
    }
    EXPECT_EQ(tried, 10 * 31);

    struct Case {
        std::string typed;
        const char* says;
    };
    const Case cases[] = {
        {"", "has 10 letters and digits"},
        {plain.substr(0, 8), "This one has 8."},
        {plain + "7", "has 10 letters and digits"},
        {"U" + plain.substr(1), "has no \"U\""},
        {plain.substr(0, 4) + "\x01" + plain.substr(5), "made of the digits"},
    };
    for (const Case& c : cases) {
        EXPECT_FALSE(DecodeGameCode(c.typed, r, fault)) << c.typed;
        EXPECT_NE(fault.find(c.says), std::string::npos) << fault;
    }
}

TEST(GameCode, ACodeOfAGameThisVersionCannotMakeIsRefused) {
    // Well-formed codes (their check character is right) for a size beyond
    // the generator's, a theme it does not have (when a code can name one),
    // a theme too small for the size (the chess pieces are six). A code names
    // themes 0 to 30.
    const int missing = std::min(30, static_cast<int>(puzzlegen::Themes().size()));
    int chess = 0;
    while (puzzlegen::Themes()[chess].title != "The Chess Club")
        ++chess;
    for (const GameRecipe& r : {GameRecipe{reasoning::kMaxCats + 1, 4, 2, 0, 5},
                                GameRecipe{3, reasoning::kMaxItems + 1, 2, 0, 5},
                                GameRecipe{3, 4, 2, missing, 5}, GameRecipe{6, 8, 2, chess, 5}}) {
        if (r.theme == 30 && puzzlegen::Themes().size() > 30)
            continue;
        GameRecipe back;
        std::string fault;
        EXPECT_FALSE(DecodeGameCode(EncodeGameCode(r), back, fault));
        EXPECT_NE(fault.find("cannot make"), std::string::npos) << fault;
    }
}

TEST(MadeList, AddedGamesComeBackInOrderAndAGameMadeAgainIsListedOnce) {
    TempDir dir;
    const std::string path = dir.File("madegames.dat");
    int cause = -1;
    EXPECT_TRUE(madegames::ReadMadeList(path, cause).empty());
    EXPECT_EQ(cause, platform::causeNone); // no list yet: no fault
    EXPECT_EQ(madegames::AddToMadeList(path, {"Random A", "madea"}), 0);
    EXPECT_EQ(madegames::AddToMadeList(path, {"Random B", "madeb"}), 0);
    EXPECT_EQ(madegames::AddToMadeList(path, {"Random A again", "madea"}), 0);
    EXPECT_EQ(ReadBytes(path), "Random B\r\nmadeb\r\nRandom A again\r\nmadea\r\n");
    const std::vector<GameListEntry> expected = {{"Random B", "madeb"},
                                                 {"Random A again", "madea"}};
    EXPECT_EQ(madegames::ReadMadeList(path, cause), expected);
    EXPECT_EQ(cause, platform::causeNone);
}

TEST(MadeList, ADamagedListKeepsItsGoodEntriesAndSaysSo) {
    TempDir dir;
    const std::string path = dir.File("madegames.dat");
    WriteBytes(path, "Good\r\nmadeg\r\nEscape\r\n../players/x\r\nLast title only");
    int cause = platform::causeNone;
    const std::vector<GameListEntry> expected = {{"Good", "madeg"}};
    EXPECT_EQ(madegames::ReadMadeList(path, cause), expected);
    EXPECT_EQ(cause, platform::causeInvalidFile);
    // A folder in its place.
    std::filesystem::create_directories(dir.File("folder.dat"));
    EXPECT_TRUE(madegames::ReadMadeList(dir.File("folder.dat"), cause).empty());
    EXPECT_NE(cause, platform::causeNone);
    // Adding to a damaged list writes the good entries and the new one.
    EXPECT_EQ(madegames::AddToMadeList(path, {"New", "maden"}), 0);
    EXPECT_EQ(ReadBytes(path), "Good\r\nmadeg\r\nNew\r\nmaden\r\n");
}
