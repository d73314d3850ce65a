// What the game's Qt benchmarks share: the bundled data folder, a quiet
// platform (no sound, messages reported on stderr) and a main that runs the
// benchmarks on the offscreen platform unless QT_QPA_PLATFORM names another
// (xcb, under Xvfb).
#pragma once

#include "platform/DataPath.h"
#include "platform/MessageBox.h"
#include "platform/Sound.h"

#include <QApplication>
#include <benchmark/benchmark.h>
#include <cstdio>
#include <filesystem>
#include <string>

namespace bench_support {

// The bundled data folder: gamedata/ above the folder that holds this program
// (build/bench/bench_<name>).
inline std::string GameData() {
    auto exe = std::filesystem::canonical("/proc/self/exe");
    for (auto dir = exe.parent_path(); dir != dir.root_path(); dir = dir.parent_path())
        if (std::filesystem::exists(dir / "gamedata" / "data" / "games.dat"))
            return (dir / "gamedata").string() + "/";
    return "gamedata/";
}

// The bundled data folder, sound off, and any message box reported (a
// benchmark that meets one measures the wrong path).
inline void UseGameData() {
    platform::SetDataFolder(GameData());
    platform::SetSoundOn(false);
    platform::SetMessageBoxHandler([](const std::string& text, const std::string&, unsigned) {
        std::fprintf(stderr, "unexpected message: %s\n", text.c_str());
        return platform::IDOK;
    });
}

inline int RunBenchmarks(int argc, char** argv) {
    if (qgetenv("QT_QPA_PLATFORM").isEmpty())
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}

} // namespace bench_support
