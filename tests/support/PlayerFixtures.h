// Helpers for the player-record tests: a UTC time zone for the date texts and
// a data folder with the players and games folders in it.
#pragma once

#include "tests/support/Recorders.h"

#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <string>

namespace testing_support {

// Runs the local-time formatting in UTC while it lives.
class UtcZone {
public:
    UtcZone() {
        const char* tz = std::getenv("TZ");
        m_had = tz != nullptr;
        m_old = tz ? tz : "";
        setenv("TZ", "UTC", 1);
        tzset();
    }
    ~UtcZone() {
        if (m_had)
            setenv("TZ", m_old.c_str(), 1);
        else
            unsetenv("TZ");
        tzset();
    }

private:
    bool m_had = false;
    std::string m_old;
};

// A temporary data folder holding players/ and games/.
class PlayerFolders {
public:
    PlayerFolders() : m_data(m_dir.Path()) {
        std::filesystem::create_directory(m_dir.File("players"));
        std::filesystem::create_directory(m_dir.File("games"));
    }
    std::string Data() const { return m_dir.Path(); }
    std::string Players() const { return m_dir.Path() + "players/"; }
    std::string Games() const { return m_dir.Path() + "games/"; }
    std::string PlayerFile(const std::string& name) const { return Players() + name; }
    std::string GameFile(const std::string& name) const { return Games() + name; }

private:
    TempDir m_dir;
    ScopedDataFolder m_data;
};

} // namespace testing_support
