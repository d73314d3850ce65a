// The game list reader over damaged "games.dat" files: any bytes must give a
// usable list (every entry with a non-empty title), never a crash or a hang.
#include "app/GameList.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <unistd.h>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static const std::string path = [] {
        char name[] = "/tmp/fuzz_game_list_XXXXXX";
        int fd = mkstemp(name);
        if (fd >= 0)
            close(fd);
        return std::string(name);
    }();
    FILE* f = std::fopen(path.c_str(), "wb");
    if (!f)
        return 0;
    std::fwrite(data, 1, size, f);
    std::fclose(f);
    auto list = ReadGameListFile(path);
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
