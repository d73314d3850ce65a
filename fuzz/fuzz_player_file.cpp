// The player file reader, then the writer on what it read, then the reader
// again on the written file (which must come back as the same lists).
#include "fuzz/PlayerSandbox.h"
#include "players/Player.h"
#include "players/Texts.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    auto& box = fuzzing::Sandbox();
    fuzzing::PlayerSandbox::Put(box.Players() + "in.ply", data, size);
    CPlayer p;
    p.name = "Fuzz";
    p.fileName = "in.ply";
    p.Clear();
    if (!p.Load(box.Players()))
        return 0;
    p.SelectGameStats("Some Game", false);
    p.Hint(1);
    p.CheckAnswer();
    int deduction = 0, average = 0;
    p.GetGameData(deduction, average);
    p.GameOver(3, 2);
    p.GetScore();
    p.current = nullptr;

    p.fileName = "out.ply";
    if (!p.Save(box.Players()))
        std::abort();
    CPlayer q;
    q.name = p.name;
    q.fileName = "out.ply";
    if (!q.Load(box.Players()))
        std::abort();
    // What was written reads back as the same lists, unless a saved game's
    // title is itself the line that ends the saved-games section.
    for (const auto& game : p.savedGames) {
        if (game->title == players::kEndSavedGames)
            return 0;
    }
    if (q.stats.size() != p.stats.size() || q.savedGames.size() != p.savedGames.size())
        std::abort();
    return 0;
}
