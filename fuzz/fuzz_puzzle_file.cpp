// The puzzle file reader: any bytes as a ".bgd" file. The board built from
// them must answer every question, and a save followed by a new open must
// give the same board back.
#include "platform/MessageBox.h"
#include "puzzle/GridDoc.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <string>

namespace {

const std::string& Folder() {
    static const std::string folder = [] {
        // Memory-backed when there is such a folder: the writer syncs.
        char pattern[] = "/dev/shm/fuzz_puzzle_XXXXXX";
        if (!std::filesystem::is_directory("/dev/shm"))
            std::strcpy(pattern, "/tmp/fuzz_puzzle_XXXXXX");
        const char* made = ::mkdtemp(pattern);
        if (!made)
            std::abort();
        platform::SetMessageBoxHandler(
            [](const std::string&, const std::string&, unsigned) { return platform::IDOK; });
        static std::string created = made;
        std::atexit([] { std::filesystem::remove_all(created); });
        return created + "/";
    }();
    return folder;
}

void Check(bool condition) {
    if (!condition)
        std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string path = Folder() + "p.bgd";
    {
        std::ofstream out(path, std::ios::binary | std::ios::trunc);
        out.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
    }
    CGridDoc doc;
    if (!doc.OnOpenDocument(path))
        return 0;
    Check(static_cast<size_t>(doc.GetHintCount()) == doc.GetHints().size());

    // Mark and ask about the first cells, and a position that is no cell.
    std::string text;
    size_t n = 0;
    for (const auto& cell : doc.GetCells()) {
        if (++n > 16)
            break;
        int column = cell->column, row = cell->row;
        Check(doc.ToggleCell(column, row));
        Check(doc.ToggleCell(column, row));
        int hint = doc.GetHintsForCell(column, row, text);
        Check(hint >= 0 && hint <= doc.GetHintCount());
        Check(hint == 0 || text == "Hint " + std::to_string(hint));
    }
    int percent = 0, marked = 0, correct = 0;
    doc.CompareWithAnswer(&percent, &marked, &correct);
    Check(correct <= marked && static_cast<size_t>(marked) == doc.GetMarkedTrueList().size());

    // Round trip through the writer.
    const std::string copy = Folder() + "q.bgd";
    Check(doc.OnSaveDocument(copy));
    CGridDoc again;
    Check(again.OnOpenDocument(copy));
    Check(again.GetPictureName() == doc.GetPictureName());
    Check(again.GetCellSize() == doc.GetCellSize());
    Check(again.GetGridOffsetX() == doc.GetGridOffsetX());
    Check(again.GetGridOffsetY() == doc.GetGridOffsetY());
    Check(again.GetCells().size() == doc.GetCells().size());
    for (size_t i = 0; i < doc.GetCells().size(); ++i) {
        Check(again.GetCells()[i]->column == doc.GetCells()[i]->column);
        Check(again.GetCells()[i]->row == doc.GetCells()[i]->row);
    }
    Check(again.GetAnswerList() == doc.GetAnswerList());
    size_t h = 0;
    for (const auto& hint : doc.GetHints()) {
        if (hint.empty())
            continue;
        Check(h < again.GetHints().size() && again.GetHints()[h] == hint);
        ++h;
    }
    Check(h == again.GetHints().size());
    return 0;
}
