// The saved-game reader on a board of cells, then the writer on the result.
#include "fuzz/PlayerSandbox.h"
#include "players/SavedGame.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    auto& box = fuzzing::Sandbox();
    fuzzing::PlayerSandbox::Put(box.Games() + "in.gme", data, size);
    CSavedGame::CellList cells;
    for (int c = 0; c < 6; ++c) {
        for (int r = 0; r < 6; ++r)
            cells.push_back(std::make_unique<CGridCell>(c, r));
    }
    CSavedGame::KeyList marked;
    int first = 0, second = 0;
    CSavedGame game("Title", "in.gme", "base");
    if (!game.Read(box.Games(), first, second, cells, marked))
        return 0;
    for (const auto& cell : cells) {
        if (cell->state < 0 || cell->state > 2)
            std::abort();
    }
    game.fileName = "out.gme";
    if (!game.Write(box.Games(), "Fuzz", first, second, cells))
        std::abort();
    return 0;
}
