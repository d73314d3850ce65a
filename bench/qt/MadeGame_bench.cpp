// Making a 5x6 Expert game with all its files, as New Random Game does
// (MakeGameInto less its dialogs): the puzzle search, both pictures, the
// puzzle, clue and page files with their checks, and the list entry. The
// files go to a scratch folder that is emptied between runs, off the clock.
//
// One benchmark per seed: the search takes a different number of seeds for
// each, so the median over the seeds is the figure to read.
#include "bench/qt/BenchSupport.h"
#include "madegames/MadeGames.h"
#include "puzzlegen/qt/Drawing.h"
#include "puzzlegen/qt/GameFiles.h"

#include <filesystem>
#include <unistd.h>

namespace {

void BM_MakeExpert5x6Game(benchmark::State& state) {
    const std::string folder = std::filesystem::temp_directory_path().string() +
                               "/deduxa_bench_made_" + std::to_string(::getpid()) + "/";
    std::filesystem::create_directories(folder);
    const puzzlegen::CQtMeasure measure;
    const madegames::GameRecipe recipe{5, 6, 4, madegames::kAnyTheme,
                                       static_cast<uint32_t>(state.range(0))};
    for (auto _ : state) {
        const puzzlegen::ShelfGame game = madegames::MakeGame(recipe);
        const puzzlegen::GameFilesResult files = puzzlegen::WriteGameFiles(game, folder, measure);
        if (!files.Ok()) {
            state.SkipWithError(files.fault.c_str());
            break;
        }
        madegames::AddToMadeList(folder + "madegames.dat", {game.title, game.fileName});
        state.PauseTiming();
        for (const auto& entry : std::filesystem::directory_iterator(folder))
            std::filesystem::remove(entry.path());
        state.ResumeTiming();
    }
    std::filesystem::remove_all(folder);
}
BENCHMARK(BM_MakeExpert5x6Game)->DenseRange(1, 9, 1)->Unit(benchmark::kMillisecond)->MinTime(0.5);

// The part after the search: pictures, files and their checks, for one game.
void BM_WriteExpert5x6Files(benchmark::State& state) {
    const std::string folder = std::filesystem::temp_directory_path().string() +
                               "/deduxa_bench_files_" + std::to_string(::getpid()) + "/";
    std::filesystem::create_directories(folder);
    const puzzlegen::CQtMeasure measure;
    const puzzlegen::ShelfGame game = madegames::MakeGame({5, 6, 4, madegames::kAnyTheme, 1});
    for (auto _ : state) {
        const puzzlegen::GameFilesResult files = puzzlegen::WriteGameFiles(game, folder, measure);
        if (!files.Ok()) {
            state.SkipWithError(files.fault.c_str());
            break;
        }
    }
    std::filesystem::remove_all(folder);
}
BENCHMARK(BM_WriteExpert5x6Files)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    return bench_support::RunBenchmarks(argc, argv);
}
