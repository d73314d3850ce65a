// A small data folder for the game shell's tests: one game, "Tiny Farm"
// (file name "tiny"), a 2 x 2 board whose answer is the diagonal, with two
// hints, its pages, pictures, games.dat, About.dat and Sound.dat.
#pragma once

#include "tests/support/PuzzleFixtures.h"
#include "tests/support/Recorders.h"

#include <ctime>
#include <filesystem>
#include <string>

namespace shell_fixtures {

inline constexpr int kCell = 15;
inline constexpr int kOffset = 70;
inline constexpr std::time_t kPinned = 1767606600; // a Monday morning in January 2026

inline void WriteTinyGame(const testing_support::TempDir& dir) {
    std::filesystem::create_directories(dir.File("data"));
    fixtures::BitmapSpec spec;
    spec.width = 110;
    spec.height = 110;
    const std::string bmp = fixtures::BitmapFile(spec);
    testing_support::WriteBytes(dir.File("data/tiny.bmp"), bmp);
    testing_support::WriteBytes(dir.File("data/Deduxa.bmp"), bmp);
    testing_support::WriteBytes(dir.File("data/Head.bmp"), bmp);
    testing_support::WriteBytes(
        dir.File("data/tiny.bgd"),
        fixtures::Bars(
            "tiny.bmp|15|Offsets|70|70|Start Grid|0|0|1|0|0|1|1|1|End Grid|Start "
            "Answer|0,0|1,1|End Answer|Start Hint|0,0|1,0|End Hint|Start Hint|1,1|End Hint"));
    for (const char* page : {"tiny_00", "tiny_01", "tiny_02", "tiny-00", "tiny-01", "tiny-02"})
        testing_support::WriteBytes(dir.File(std::string("data/") + page + ".htf"),
                                    fixtures::Lines({std::string("Page ") + page}));
    testing_support::WriteBytes(dir.File("data/games.dat"), fixtures::Lines({"Tiny Farm", "tiny"}));
    testing_support::WriteBytes(dir.File("data/About.dat"),
                                fixtures::Lines({"Linux", "2026", "1.0"}));
    testing_support::WriteBytes(dir.File("data/Sound.dat"),
                                fixtures::Bars("TRUE|0|0|255|0|255|0|255|0|0"));
}

// Makes folder the working folder for the lifetime of the object.
class InFolder {
public:
    explicit InFolder(const std::string& folder) : m_old(std::filesystem::current_path()) {
        std::filesystem::current_path(folder);
    }
    ~InFolder() { std::filesystem::current_path(m_old); }

private:
    std::filesystem::path m_old;
};

} // namespace shell_fixtures
