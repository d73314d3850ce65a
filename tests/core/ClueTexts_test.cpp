// Every text the bundled pages and clue files say passes what a careful
// puzzle setter checks: no phrase below appears in any of them.
#include "pages/PageView.h"
#include "reasoning/ClueFile.h"
#include "tests/support/Recorders.h"

#include <algorithm>
#include <filesystem>
#include <gtest/gtest.h>
#include <regex>

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
    struct Fault {
        const char* pattern;
        const char* why;
    };
    const Fault faults[] = {
        {R"(among the (first|last) 1\b)", "one place is \"the first\" or \"the last\""},
        {R"(\bthe (first|last) [A-Z])",
         "a category heading (\"the last Ages\") is not a thing one has"},
        {R"(\bno [A-Z][a-z]+s fits)", "a category heading is not one item of it"},
        {R"(\bin (Wakes at|Leaves at|Days aboard)\b)",
         "a heading that is a phrase cannot follow \"in\""},
        {R"(\bin order of [A-Z])", "the order is of a noun (\"price\"), not a heading"},
        {R"(not the same person)", "the things compared are not always people (pets, pet names)"},
        {R"(\b(\w+) \1\b)", "a word said twice in a row"},
    };
    std::vector<std::pair<std::regex, const Fault*>> compiled;
    for (const Fault& f : faults)
        compiled.emplace_back(std::regex(f.pattern), &f);

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
        for (const auto& [re, fault] : compiled) {
            std::smatch m;
            if (std::regex_search(words, m, re))
                ADD_FAILURE() << file.filename() << ": \"" << m.str() << "\": " << fault->why
                              << "\n  in: ..."
                              << words.substr(static_cast<size_t>(std::max<long>(
                                                  0, static_cast<long>(m.position()) - 60)),
                                              160)
                              << "...";
        }
    }
    // The bundled games: 40 of them, each with its pages.
    EXPECT_EQ(clueFiles, 40);
    EXPECT_GE(pages, 40 * 4);
}
