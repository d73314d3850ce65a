// Every text the bundled pages and clue files say passes what a careful
// puzzle setter checks: no phrase below appears in any of them. And what the
// help says a hint costs holds for every bundled game.
#include "pages/PageView.h"
#include "reasoning/ClueFile.h"
#include "tests/support/ClueTextFaults.h"
#include "tests/support/Recorders.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>

using testing_support::SourcePath;

namespace {

// The words of one file, its wrapped lines joined with single spaces.
std::string PageWords(const std::string& path) {
    CPageView view;
    view.metrics = {23, 21, 28, 20, 25, 16};
    if (view.ReadPage(path, 0, false, 0) != CPageView::loadOk)
        return {};
    std::string words;
    for (const CPageItem& item : view.model.items)
        words += item.text + " ";
    for (const auto& block : view.model.blocks)
        for (const CRevealEntry& entry : block->entries)
            words += entry.hiddenText + " " + entry.revealedText + " ";
    return words;
}

std::string ClueWords(const std::string& path) {
    reasoning::ClueBook book;
    if (!reasoning::ReadClueFile(path, book))
        return {};
    std::string words;
    for (const std::string& text : book.texts)
        words += text + " ";
    return words;
}

} // namespace

TEST(ClueTexts, BundledPagesAndClueFilesSayNothingASetterWouldStrike) {
    int pages = 0, clueFiles = 0;
    std::vector<std::filesystem::path> files;
    for (const auto& entry : std::filesystem::directory_iterator(SourcePath("gamedata/data")))
        files.push_back(entry.path());
    std::sort(files.begin(), files.end());
    for (const auto& file : files) {
        const std::string ext = file.extension().string();
        std::string words;
        if (ext == ".htf") {
            words = PageWords(file.string());
            ++pages;
        } else if (ext == ".clu") {
            words = ClueWords(file.string());
            ++clueFiles;
        } else {
            continue;
        }
        ASSERT_FALSE(words.empty()) << file << " has no words";
        for (const std::string& fault : testing_support::FindClueTextFaults(words))
            ADD_FAILURE() << file.filename() << ": " << fault;
    }
    // The bundled games: 40 of them, each with its pages.
    EXPECT_EQ(clueFiles, 40);
    EXPECT_GE(pages, 40 * 4);
}

TEST(ClueTexts, TheHelpsOnePointAHintHoldsForEveryBundledGame) {
    std::ifstream in(SourcePath("gamedata/deduxa.hlp"), std::ios::binary);
    std::string help(std::istreambuf_iterator<char>(in), {});
    std::replace(help.begin(), help.end(), '\n', ' ');
    std::replace(help.begin(), help.end(), '\r', ' ');
    ASSERT_NE(help.find("each hint and each check costs 1 point"), std::string::npos);
    ASSERT_EQ(help.find("the less each one costs"), std::string::npos);
    // A hint or check costs 30 / (hints + true squares) points, at least 1:
    // one point exactly when the game has 16 or more of them. One hint per clue.
    int games = 0;
    for (int n = 1; n <= 40; ++n) {
        char name[32];
        std::snprintf(name, sizeof name, "gamedata/data/game%02d.clu", n);
        reasoning::ClueBook book;
        ASSERT_TRUE(reasoning::ReadClueFile(SourcePath(name), book)) << name;
        const reasoning::Shape& s = book.shape;
        const int trueSquares = s.cats * (s.cats - 1) / 2 * s.items;
        EXPECT_GE(static_cast<int>(book.clues.size()) + trueSquares, 16) << name;
        ++games;
    }
    EXPECT_EQ(games, 40);
}
