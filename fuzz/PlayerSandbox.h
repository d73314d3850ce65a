// A scratch data folder for the player-record fuzz targets: players/ and
// games/ in a fresh folder (in memory where the system offers one), message
// boxes answered silently.
#pragma once

#include "platform/DataPath.h"
#include "platform/MessageBox.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

namespace fuzzing {

class PlayerSandbox {
public:
    PlayerSandbox() {
        std::string base = std::filesystem::exists("/dev/shm") ? "/dev/shm" : "/tmp";
        std::string pattern = base + "/deduxa-fuzz-XXXXXX";
        char* made = ::mkdtemp(pattern.data());
        if (!made)
            std::abort();
        root = std::string(made) + "/";
        std::filesystem::create_directory(root + "players");
        std::filesystem::create_directory(root + "games");
        platform::SetDataFolder(root);
        platform::SetMessageBoxHandler(
            [](const std::string&, const std::string&, unsigned) { return platform::IDOK; });
    }
    ~PlayerSandbox() {
        std::error_code ignored;
        std::filesystem::remove_all(root, ignored);
    }

    std::string Players() const { return root + "players/"; }
    std::string Games() const { return root + "games/"; }

    static void Put(const std::string& path, const uint8_t* data, size_t size) {
        FILE* f = std::fopen(path.c_str(), "wb");
        if (!f)
            std::abort();
        if (size)
            std::fwrite(data, 1, size, f);
        std::fclose(f);
    }

    std::string root;
};

inline PlayerSandbox& Sandbox() {
    static PlayerSandbox sandbox;
    return sandbox;
}

} // namespace fuzzing
