// The made-games list reader over damaged "madegames.dat" files: any bytes
// give a list whose every entry has a title and a plain file name (never a
// path), with a cause code whenever an entry was dropped, and no crash or hang.
#include "fuzz/FuzzFile.h"
#include "madegames/MadeGames.h"
#include "platform/DataPath.h"
#include "platform/FileError.h"

#include <cstdint>
#include <cstdlib>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static const std::string path = fuzz_support::ScratchPath("made_list");
    fuzz_support::WriteScratch(path, data, size);
    int cause = platform::causeNone;
    const auto list = madegames::ReadMadeList(path, cause);
    const auto all = ReadGameListFile(path);
    std::remove(path.c_str());
    size_t bytes = 0;
    for (const auto& entry : list) {
        if (entry.title.empty() || !platform::IsPlainFileName(entry.fileName))
            std::abort();
        bytes += entry.title.size() + entry.fileName.size();
    }
    if (bytes > size)
        std::abort();
    // An entry left out is always reported.
    if (list.size() != all.size() && cause == platform::causeNone)
        std::abort();
    return 0;
}
