// The roster reader and appender, and the player-file scan that deletes a player's saved
// games: names read back from the input must never reach outside the folders.
#include "fuzz/PlayerSandbox.h"
#include "players/Names.h"
#include "players/Roster.h"

#include <algorithm>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    auto& box = fuzzing::Sandbox();
    std::string roster = box.Players() + "data";
    fuzzing::PlayerSandbox::Put(roster, data, size);
    std::vector<players::RosterEntry> entries;
    if (!players::ReadRoster(roster, entries))
        std::abort();
    for (const auto& entry : entries) {
        if (entry.name.empty())
            std::abort();
        std::string path = players::PathForStoredName(box.Players(), entry.fileName);
        if (!path.empty() && (path.compare(0, box.Players().size(), box.Players()) != 0 ||
                              path.find('/', box.Players().size()) != std::string::npos))
            std::abort();
    }
    // A player appended to whatever the roster holds reads back last, after
    // every pair that was there (and a name that was left without its file
    // name, which gets an empty one).
    if (players::AppendRosterEntry(roster, {"Zed", "Zed0.ply"}) == 0) {
        std::vector<players::RosterEntry> after;
        if (!players::ReadRoster(roster, after) || after.size() < entries.size() + 1 ||
            after.size() > entries.size() + 2 ||
            !(after.back() == players::RosterEntry{"Zed", "Zed0.ply"}) ||
            !std::equal(entries.begin(), entries.end(), after.begin()))
            std::abort();
    } else {
        std::abort();
    }
    // The same bytes as a player file being deleted: its saved-game names are
    // used only inside the games folder.
    fuzzing::PlayerSandbox::Put(box.Players() + "victim.ply", data, size);
    fuzzing::PlayerSandbox::Put(box.root + "outside", data, 0);
    players::DeletePlayerFiles(box.Players(), box.Games(), "victim.ply");
    if (!std::filesystem::exists(box.root + "outside") ||
        !std::filesystem::exists(box.Players() + "data"))
        std::abort();
    return 0;
}
