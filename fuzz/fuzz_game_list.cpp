// The game list reader over damaged "games.dat" files: any bytes must give a
// usable list (every entry with a non-empty title), never a crash or a hang.
#include "app/GameList.h"
#include "fuzz/FuzzFile.h"

#include <cstdint>
#include <cstdlib>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static const std::string path = fuzz_support::ScratchPath("game_list");
    fuzz_support::WriteScratch(path, data, size);
    auto list = ReadGameListFile(path);
    std::remove(path.c_str());
    size_t bytes = 0;
    for (const auto& entry : list) {
        if (entry.title.empty())
            std::abort();
        bytes += entry.title.size() + entry.fileName.size();
    }
    // Nothing is invented: the list never holds more text than the file.
    if (bytes > size)
        std::abort();
    return 0;
}
