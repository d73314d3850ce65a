// StartGame of a bundled game: the first page, the puzzle and its picture
// loaded, the windows laid out, as a new game begins.
#include "app/qt/MainFrame.h"
#include "platform/DataPath.h"
#include "platform/MessageBox.h"
#include "platform/Sound.h"
#include "players/Player.h"

#include <QApplication>
#include <benchmark/benchmark.h>
#include <cstdlib>
#include <filesystem>

namespace {

// The bundled data folder: gamedata/ beside the build folder that holds
// this program (build/bench/bench_StartGame_bench).
std::string GameData() {
    auto exe = std::filesystem::canonical("/proc/self/exe");
    for (auto dir = exe.parent_path(); dir != dir.root_path(); dir = dir.parent_path())
        if (std::filesystem::exists(dir / "gamedata" / "data" / "games.dat"))
            return (dir / "gamedata").string() + "/";
    return "gamedata/";
}

void BM_StartGame(benchmark::State& state) {
    platform::SetDataFolder(GameData());
    platform::SetSoundOn(false);
    platform::SetMessageBoxHandler([](const std::string& text, const std::string&, unsigned) {
        std::fprintf(stderr, "unexpected message: %s\n", text.c_str());
        return platform::IDOK;
    });
    CPlayer player;
    player.name = "Bench";
    CMainFrame frame(player);
    frame.CreateGameWindows();
    frame.show();
    const char* games[2][2] = {{"Game 1: The Farm", "game01"}, {"Game 20: Bench", "game20"}};
    int i = 0;
    for (auto _ : state) {
        // Alternate two games, so that every start loads a different puzzle.
        frame.gameTitle = games[i][0];
        frame.gameFileName = games[i][1];
        if (!frame.StartGame(games[i][1]))
            state.SkipWithError("StartGame failed");
        i = 1 - i;
    }
}
BENCHMARK(BM_StartGame)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM",
            qgetenv("QT_QPA_PLATFORM").isEmpty() ? "offscreen" : qgetenv("QT_QPA_PLATFORM"));
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
