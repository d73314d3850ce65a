// StartGame of a bundled game: the first page, the puzzle and its picture
// loaded, the windows laid out, as a new game begins.
#include "app/qt/MainFrame.h"
#include "bench/qt/BenchSupport.h"
#include "platform/DataPath.h"
#include "platform/MessageBox.h"
#include "platform/Sound.h"
#include "players/Player.h"

#include <QApplication>
#include <benchmark/benchmark.h>
#include <cstdlib>
#include <filesystem>

namespace {

void BM_StartGame(benchmark::State& state) {
    bench_support::UseGameData();
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
    return bench_support::RunBenchmarks(argc, argv);
}
