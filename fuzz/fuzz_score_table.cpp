// Reads a score file, places an entry, writes the table back and reads it
// again: never a crash, never more lines than were read plus the new entry,
// and what is written reads back with the same capacity.
#include "fuzz/FuzzFile.h"
#include "reward/ScoreTable.h"

#include <cstdint>
#include <cstdio>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static const std::string in = fuzz_support::ScratchPath("scores_in");
    static const std::string out = fuzz_support::ScratchPath("scores_out");
    fuzz_support::WriteScratch(in, data, size);

    size_t lineEnds = 0;
    for (size_t i = 0; i < size; ++i)
        lineEnds += data[i] == '\n';

    const std::string entry = reward::FormatEntry(static_cast<int>(size % 120), "Fuzz");
    CScoreTable table;
    table.Load(in, entry);
    if (table.Capacity() < 0)
        __builtin_trap();
    if (table.Lines().size() > static_cast<size_t>(table.Capacity()))
        __builtin_trap();
    // At most every line but the capacity line, plus the new entry.
    if (table.Lines().size() > lineEnds + 1)
        __builtin_trap();

    if (table.Save(out) == 0) {
        CScoreTable again;
        again.Load(out, entry);
        if (again.Capacity() != table.Capacity() || again.Lines().size() > table.Lines().size() + 1)
            __builtin_trap();
    }
    std::remove(in.c_str());
    std::remove(out.c_str());
    return 0;
}
