#include "madegames/MadeGames.h"

#include "platform/DataPath.h"
#include "platform/FileError.h"
#include "platform/FileReplace.h"
#include "platform/TextFile.h"
#include "puzzlegen/Story.h"
#include "puzzlegen/Themes.h"

#include <algorithm>

namespace madegames {

int ThemeOf(const GameRecipe& recipe) {
    if (recipe.theme != kAnyTheme)
        return recipe.theme;
    return puzzlegen::AnyTheme(ShapeOf(recipe), recipe.seed);
}

puzzlegen::ShelfSlot SlotOf(const GameRecipe& recipe) {
    puzzlegen::ShelfSlot slot;
    slot.number = 0;
    slot.theme = ThemeOf(recipe);
    slot.shape = ShapeOf(recipe);
    // A board bigger than the shelf's, in a theme with a second ordered
    // category, orders one more category, chosen by the seed.
    reasoning::Shape& shape = slot.shape;
    if (puzzlegen::CellCount(shape) > puzzlegen::kShelfCells && shape.ordered >= 0 &&
        slot.theme >= 0) {
        reasoning::Shape more = shape;
        int c = 1 + static_cast<int>(recipe.seed / 7 % static_cast<uint32_t>(shape.cats - 1));
        if (c == shape.ordered)
            c = c % (shape.cats - 1) + 1;
        more.alsoOrdered = static_cast<uint8_t>(1u << c);
        if (puzzlegen::ThemeProblem(puzzlegen::Themes()[slot.theme], more).empty())
            shape = more;
    }
    slot.grade = recipe.grade;
    // Seeds of the bundled shelf are small; made games search far from them.
    slot.seed = (uint64_t{1} << 32) + uint64_t{recipe.seed} * 1000;
    return slot;
}

std::string TitleOf(const GameRecipe& recipe, int grade) {
    return "Random " + std::to_string(recipe.cats) + "x" + std::to_string(recipe.items) + " " +
           reasoning::GradeName(grade) + ": " + puzzlegen::Themes()[ThemeOf(recipe)].title + " (" +
           EncodeGameCode(recipe) + ")";
}

std::string FileNameOf(const GameRecipe& recipe) {
    std::string name = "made";
    for (char c : EncodeGameCode(recipe))
        if (c != '-')
            name += static_cast<char>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c);
    return name;
}

puzzlegen::ShelfGame MakeGame(const GameRecipe& recipe, const std::function<bool()>& stop) {
    puzzlegen::ShelfGame game = puzzlegen::MakeShelfGame(SlotOf(recipe), 120, stop);
    game.slot = SlotOf(recipe);
    game.title = TitleOf(recipe, game.puzzle.clues.empty() ? recipe.grade : game.grade);
    game.fileName = FileNameOf(recipe);
    game.code = EncodeGameCode(recipe);
    return game;
}

std::vector<GameListEntry> ReadMadeList(const std::string& path, int& cause) {
    cause = platform::causeNone;
    {
        platform::CTextFile probe;
        int openCause = platform::causeNone;
        if (!probe.Open(path, platform::CTextFile::modeRead, &openCause)) {
            if (openCause != platform::causeFileNotFound)
                cause = openCause;
            return {};
        }
    }
    std::vector<GameListEntry> list = ReadGameListFile(path, &cause);
    const auto bad = std::remove_if(list.begin(), list.end(), [](const GameListEntry& e) {
        return !platform::IsPlainFileName(e.fileName);
    });
    if (bad != list.end() && cause == platform::causeNone)
        cause = platform::causeInvalidFile;
    list.erase(bad, list.end());
    return list;
}

int AddToMadeList(const std::string& path, const GameListEntry& entry) {
    int cause = platform::causeNone;
    std::vector<GameListEntry> list = ReadMadeList(path, cause);
    std::erase_if(list, [&](const GameListEntry& e) { return e.fileName == entry.fileName; });
    list.push_back(entry);
    return platform::ReplaceFile(path, [&](platform::CTextFile& file) {
        for (const GameListEntry& e : list) {
            file.WriteLine(e.title);
            file.WriteLine(e.fileName);
        }
    });
}

} // namespace madegames
