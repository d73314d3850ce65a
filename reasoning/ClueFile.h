// The clue file (".clu") beside a bundled puzzle file: what the coach needs
// to reason about the puzzle as the player sees it.
//
//   Deduxa clues 1                       or 2, for a file with a oneother clue or
//                                        more than one ordered category
//   shape <categories> <items> <ordered category or -1> [<further ordered category> ...]
//   category <name>                      one per category, in order, each followed by
//   noun <singular>|<plural>             the words for one and several of its items
//   item <label>                         one line per item, in order
//   clue <number> <kind> <a cat> <a item> <b cat> <b item> [<c cat> <c item>
//        [<d cat> <d item>]] [<steps>] [<ordered category compared in>]
//   text <the clue as the pages say it>  after each clue line
//   cell <cat> <item> <cat> <item> <column> <row>   one per pair of items
//   end
//
// Kinds are is, isnot, either, neither (with c), before, apart (with steps),
// and in version 2 also oneother (with c and d). In version 2 a before or
// apart clue in a further ordered category ends with that category. A file
// with neither is written as version 1, as before there was version 2.
// Every pair of items of different categories has exactly one cell, and no
// two pairs share one.
#pragma once

#include "reasoning/Puzzle.h"

#include <string>
#include <vector>

namespace reasoning {

struct BoardCell {
    int column = 0;
    int row = 0;
    bool operator==(const BoardCell&) const = default;
};

struct ClueBook {
    Shape shape;
    struct Category {
        std::string name;               // "Animals"
        std::string one;                // "animal"
        std::string many;               // "animals"
        std::vector<std::string> items; // the labels on the board ("Pigs")
    };
    std::vector<Category> categories;
    std::vector<Clue> clues;
    std::vector<int> numbers;       // each clue's number on the pages
    std::vector<std::string> texts; // each clue as the pages say it
    // cell[x.cat][x.item][y.cat][y.item], filled both ways.
    BoardCell cell[kMaxCats][kMaxItems][kMaxCats][kMaxItems] = {};

    const std::string& Label(Attr a) const { return categories[a.cat].items[a.item]; }
    BoardCell CellOf(Attr x, Attr y) const { return cell[x.cat][x.item][y.cat][y.item]; }
    // The pair of items a board cell stands for; false for no such cell.
    bool PairOf(int column, int row, Attr& x, Attr& y) const;
};

inline constexpr const char* kClueFileVersion = "Deduxa clues 1";
inline constexpr const char* kClueFileVersion2 = "Deduxa clues 2";

// Reads the clue file. False with a file-error cause code (causeInvalidFile
// for a file that is not a whole, consistent clue file).
bool ReadClueFile(const std::string& path, ClueBook& book, int* cause = nullptr);
// Writes it; false on a file error.
bool WriteClueFile(const std::string& path, const ClueBook& book);

// The clue file beside a puzzle file: "game39.bgd" -> "game39.clu".
std::string ClueFilePath(const std::string& puzzlePath);

} // namespace reasoning
