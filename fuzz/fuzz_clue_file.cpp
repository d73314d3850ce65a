// The clue file reader: any bytes as a ".clu" file. A file it takes must
// write back to a file that reads the same, and the coach built on it must
// answer both of its questions without fault.
#include "fuzz/FuzzFile.h"
#include "reasoning/ClueFile.h"
#include "reasoning/Coach.h"

#include <cstdio>

namespace {

void Check(bool condition) {
    if (!condition)
        __builtin_trap();
}

bool SameBook(const reasoning::ClueBook& a, const reasoning::ClueBook& b) {
    if (a.shape.cats != b.shape.cats || a.shape.items != b.shape.items ||
        a.shape.ordered != b.shape.ordered || a.clues != b.clues || a.numbers != b.numbers ||
        a.texts != b.texts || a.categories.size() != b.categories.size())
        return false;
    for (size_t c = 0; c < a.categories.size(); ++c)
        if (a.categories[c].name != b.categories[c].name ||
            a.categories[c].one != b.categories[c].one ||
            a.categories[c].many != b.categories[c].many ||
            a.categories[c].items != b.categories[c].items)
            return false;
    for (int c1 = 0; c1 < a.shape.cats; ++c1)
        for (int c2 = 0; c2 < a.shape.cats; ++c2)
            for (int x = 0; x < a.shape.items; ++x)
                for (int y = 0; y < a.shape.items; ++y)
                    if (c1 != c2 && !(a.cell[c1][x][c2][y] == b.cell[c1][x][c2][y]))
                        return false;
    return true;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static const std::string path = fuzz_support::ScratchPath("clue");
    static const std::string copy = path + ".copy";
    fuzz_support::WriteScratch(path, data, size);
    reasoning::ClueBook book;
    int cause = 0;
    const bool read = reasoning::ReadClueFile(path, book, &cause);
    std::remove(path.c_str());
    if (!read) {
        Check(cause != 0);
        return 0;
    }
    Check(reasoning::WriteClueFile(copy, book));
    reasoning::ClueBook again;
    Check(reasoning::ReadClueFile(copy, again));
    std::remove(copy.c_str());
    Check(SameBook(book, again));

    const reasoning::CCoach coach(book);
    if (!coach.Solvable())
        return 0;
    // From an empty board, and with one wrong mark on it.
    const reasoning::Advice next = coach.ExplainNext({});
    Check(next.marks.size() == next.cells.size());
    const reasoning::Solution& s = coach.Answer();
    const reasoning::Attr x{0, 0}, y{1, s.value[1][0]};
    const reasoning::Advice wrong = coach.FindFirstWrong({{x, y, false}});
    Check(wrong.kind == reasoning::Advice::firstWrong && wrong.marks.size() == 1);
    return 0;
}
