// The data folder the game ships with (gamedata/): every game of the game
// list opens, its picture loads, its pages read, its keys name cells, and it
// is the puzzle the generator makes from its seed, proven unique. Then the
// other data files: About data, settings, sounds, dialog pictures, the reward
// game's pictures and the help document.
#include "app/GameList.h"
#include "pages/PageView.h"
#include "platform/DataPath.h"
#include "platform/FileReplace.h"
#include "platform/TextFile.h"
#include "puzzle/GridDoc.h"
#include "puzzlegen/Board.h"
#include "puzzlegen/Shelf.h"
#include "reasoning/ExactSolver.h"
#include "tests/support/CluePairs.h"
#include "tests/support/Recorders.h"

#include <cstdio>
#include <fstream>
#include <gtest/gtest.h>
#include <set>

using namespace testing_support;

namespace {

std::string Data(const std::string& name) {
    return SourcePath("gamedata/data/" + name);
}
std::string Ants(const std::string& name) {
    return SourcePath("gamedata/ants/" + name);
}

std::vector<std::string> Lines(const std::string& path) {
    std::vector<std::string> lines;
    platform::ReadAllLines(path, lines);
    return lines;
}

std::string Bytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

uint32_t U32(const std::string& b, size_t at) {
    return uint32_t(uint8_t(b[at])) | uint32_t(uint8_t(b[at + 1])) << 8 |
           uint32_t(uint8_t(b[at + 2])) << 16 | uint32_t(uint8_t(b[at + 3])) << 24;
}

struct Bitmap {
    bool ok = false;
    int width = 0, height = 0, bits = 0;
    std::string palette; // the colour table bytes
};

Bitmap ReadBitmapHeader(const std::string& path) {
    const std::string b = Bytes(path);
    Bitmap bmp;
    if (b.size() < 54 || b[0] != 'B' || b[1] != 'M' || U32(b, 14) != 40)
        return bmp;
    bmp.width = static_cast<int>(U32(b, 18));
    bmp.height = static_cast<int>(U32(b, 22));
    bmp.bits = uint8_t(b[28]);
    const uint32_t colours = U32(b, 46) ? U32(b, 46) : 256;
    bmp.palette = b.substr(54, colours * 4);
    const uint32_t stride = (static_cast<uint32_t>(bmp.width) + 3) & ~3u;
    bmp.ok = U32(b, 10) == 54 + colours * 4 && b.size() == U32(b, 10) + stride * bmp.height;
    return bmp;
}

std::vector<GameListEntry> GameList() {
    return ReadGameListFile(Data("games.dat"));
}

// The generator's shelf for as many games as the list holds, made once.
const std::vector<puzzlegen::ShelfGame>& Shelf(size_t count) {
    static const std::vector<puzzlegen::ShelfGame> shelf =
        puzzlegen::MakeShelf(static_cast<int>(count));
    return shelf;
}

} // namespace

TEST(GameData, TheGameListHoldsFortyGamesInRisingDifficulty) {
    const auto games = GameList();
    ASSERT_GE(games.size(), 40u);
    std::set<std::string> titles;
    for (size_t i = 0; i < games.size(); ++i) {
        EXPECT_EQ(games[i].title.rfind("Game " + std::to_string(i + 1) + ": ", 0), 0u)
            << games[i].title;
        // Each game has a title of its own, not only a number of its own.
        EXPECT_TRUE(titles.insert(games[i].title.substr(games[i].title.find(": ") + 2)).second)
            << games[i].title;
        EXPECT_TRUE(platform::IsPlainFileName(games[i].fileName));
    }
    // The shelf is the generator's: same titles, same order, grades rising.
    const auto& shelf = Shelf(games.size());
    int grade = 0;
    std::set<int> grades;
    for (size_t i = 0; i < shelf.size(); ++i) {
        EXPECT_EQ(shelf[i].title, games[i].title);
        EXPECT_EQ(shelf[i].fileName, games[i].fileName);
        EXPECT_GE(shelf[i].grade, grade);
        grade = shelf[i].grade;
        grades.insert(grade);
    }
    EXPECT_GE(grades.size(), 4u);
}

TEST(GameData, EveryGameOpensWithItsPictureAndPagesAndIsTheUniquePuzzleOfItsSeed) {
    const auto games = GameList();
    const auto& shelf = Shelf(games.size());
    ASSERT_EQ(shelf.size(), games.size());
    for (size_t g = 0; g < games.size(); ++g) {
        SCOPED_TRACE(games[g].title);
        MessageRecorder boxes;
        CGridDoc doc;
        ASSERT_TRUE(doc.OnOpenDocument(Data(games[g].fileName + ".bgd")));
        EXPECT_EQ(boxes.count(), 0u) << (boxes.count() ? boxes.last().text : "");
        // The picture loaded (decoded: GameDataPages_test), with a palette,
        // big enough for the grid.
        ASSERT_TRUE(doc.GetPicture());
        EXPECT_NE(doc.GetPalette(), nullptr);
        EXPECT_GE(doc.GetCellSize(), 20);
        EXPECT_LE(doc.GetCellSize(), 24);
        // The key the board draws at (14, 9)-(56, 64) stays clear of the grid.
        EXPECT_GE(doc.GetGridOffsetX(), 58);
        EXPECT_GE(doc.GetGridOffsetY(), 66);
        std::set<std::string> cells;
        int maxX = 0, maxY = 0;
        for (const auto& cell : doc.GetCells()) {
            const std::string key = puzzlegen::CellKey(cell->column, cell->row);
            EXPECT_TRUE(cells.insert(key).second) << key;
            maxX = std::max(maxX, doc.GetGridOffsetX() + (cell->column + 1) * doc.GetCellSize());
            maxY = std::max(maxY, doc.GetGridOffsetY() + (cell->row + 1) * doc.GetCellSize());
        }
        EXPECT_LT(maxX, doc.GetPictureSize().width);
        EXPECT_LT(maxY, doc.GetPictureSize().height);
        for (const std::string& key : doc.GetAnswerList())
            EXPECT_TRUE(cells.count(key)) << key;
        const int hints = doc.GetHintCount();
        EXPECT_GE(hints, 1);
        EXPECT_LE(hints, 21);
        for (const auto& hint : doc.GetHints()) {
            EXPECT_FALSE(hint.empty());
            for (const std::string& key : hint)
                EXPECT_TRUE(cells.count(key)) << key;
        }
        // Pages _00.._NN and -00..-NN exist and read (how they show: GameDataPages_test).
        for (const char* sep : {"_", "-"})
            for (int n = 0; n <= hints; ++n) {
                char name[64];
                std::snprintf(name, sizeof name, "%s%s%.2d.htf", games[g].fileName.c_str(), sep, n);
                CPageView view;
                view.metrics = {23, 21, 28, 20, 25, 16};
                MessageRecorder pageBoxes;
                ASSERT_EQ(view.ReadPage(Data(name), 0, true, 0), CPageView::loadOk) << name;
                EXPECT_EQ(pageBoxes.count(), 0u);
                if (sep[0] == '_' && n > 0) {
                    EXPECT_EQ(view.model.blocks.size(), 1u) << name;
                }
            }
        // The clues behind it: the generator's puzzle for this game, proven to
        // have exactly one solution, and that solution is the file's answer.
        const auto& game = shelf[g];
        const auto& p = game.puzzle;
        ASSERT_EQ(static_cast<int>(p.clues.size()), hints);
        puzzlegen::Solution only;
        ASSERT_TRUE(puzzlegen::CExactSolver(p.shape, p.clues).IsUnique(&only));
        EXPECT_EQ(only, p.solution);
        for (const std::string& pair : RestatedPairs(p.shape, p.clues))
            ADD_FAILURE() << pair;
        const puzzlegen::CBoardLayout layout(p.shape, doc.GetCellSize(), doc.GetGridOffsetX(),
                                             doc.GetGridOffsetY());
        const auto file = puzzlegen::MakePuzzleFile(layout, only, p.clues, doc.GetPictureName());
        EXPECT_EQ(file.answer, doc.GetAnswerList());
        EXPECT_EQ(file.hints, doc.GetHints());
    }
}

TEST(GameData, TheRewardGameHasAFieldAndTenAntsWithFourFramesInTheFieldsColours) {
    const auto lines = Lines(Ants("ants.dat"));
    ASSERT_EQ(lines.size(), 51u);
    const Bitmap field = ReadBitmapHeader(Ants(lines[0] + ".bmp"));
    ASSERT_TRUE(field.ok);
    EXPECT_EQ(field.width, 640);
    EXPECT_EQ(field.height, 480);
    EXPECT_EQ(field.bits, 8);
    for (int a = 0; a < 10; ++a) {
        const std::string name = lines[1 + a * 5];
        const int x = platform::ParseInt(lines[2 + a * 5]);
        const int y = platform::ParseInt(lines[3 + a * 5]);
        const int w = platform::ParseInt(lines[4 + a * 5]);
        const int h = platform::ParseInt(lines[5 + a * 5]);
        EXPECT_GE(x, 0);
        EXPECT_GE(y, 0);
        EXPECT_LE(x + w, 640);
        EXPECT_LE(y + h, 480);
        for (int f = 0; f < 4; ++f) {
            const Bitmap frame = ReadBitmapHeader(Ants(name + std::to_string(f) + ".bmp"));
            ASSERT_TRUE(frame.ok) << name << f;
            EXPECT_EQ(frame.width, w);
            EXPECT_EQ(frame.height, h);
            EXPECT_EQ(frame.bits, 8);
            EXPECT_EQ(frame.palette, field.palette) << name << f;
        }
    }
}
