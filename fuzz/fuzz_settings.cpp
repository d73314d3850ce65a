// Fuzz target: the settings file reader (sound line and the nine colour lines)
// over arbitrary bytes.
#include "board/Settings.h"

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <unistd.h>

namespace {

const std::string& ScratchPath() {
    static const std::string path = [] {
        char pattern[] = "/tmp/fuzz-settings-XXXXXX";
        int fd = ::mkstemp(pattern);
        if (fd >= 0)
            ::close(fd);
        std::atexit([] { std::remove(ScratchPath().c_str()); });
        return std::string(pattern);
    }();
    return path;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string& path = ScratchPath();
    FILE* f = std::fopen(path.c_str(), "wb");
    if (!f)
        return 0;
    if (size > 0)
        std::fwrite(data, 1, size, f);
    std::fclose(f);

    bool sound = board::ReadSoundSettingFrom(path);
    board::BoardColors colors = board::ReadColorSettingsFrom(path);
    // A file read back after a rewrite says what was written.
    if (board::WriteSettingsTo(path, sound, colors)) {
        if (board::ReadSoundSettingFrom(path) != sound)
            __builtin_trap();
        if (!(board::ReadColorSettingsFrom(path) == colors))
            __builtin_trap();
    }
    return 0;
}
