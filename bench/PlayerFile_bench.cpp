// Loading and saving a player with 500 statistics records and 50 saved games.
#include "platform/MessageBox.h"
#include "players/Player.h"

#include <benchmark/benchmark.h>
#include <cstdlib>
#include <filesystem>
#include <string>

namespace {

// A scratch players folder on the disk, or in memory (where syncing costs
// nothing) to show what the code itself costs.
struct Folder {
    explicit Folder(bool inMemory = false) {
        std::string pattern =
            std::string(inMemory && std::filesystem::exists("/dev/shm") ? "/dev/shm" : "/tmp") +
            "/deduxa-bench-XXXXXX";
        path = std::string(::mkdtemp(pattern.data())) + "/";
    }
    ~Folder() { std::filesystem::remove_all(path); }
    std::string path;
};

void FillPlayer(CPlayer& p) {
    p.name = "Benchmark Player";
    p.fileName = "Bench0.ply";
    for (int i = 0; i < 50; ++i) {
        p.savedGames.push_back(std::make_unique<CSavedGame>("Game " + std::to_string(i) + ": Saved",
                                                            std::to_string(i) + "__Sa0.gme",
                                                            "game" + std::to_string(i)));
    }
    for (int i = 0; i < 500; ++i) {
        auto r = std::make_unique<CGameStats>();
        r->title = "Game " + std::to_string(i) + ": Played";
        r->dateText = "Finished this game on Tuesday, 04/01/03 at 02:25 PM";
        r->finished = i % 2 == 0;
        r->timesPlayed = i % 7 + 1;
        r->totalTrue = 20;
        r->hintCount = 10;
        r->SetHintCount(10);
        for (int h = 0; h < 10; h += 3)
            r->TakeHint(h);
        r->answerChecks = i % 5;
        r->score = 90;
        p.stats.push_back(std::move(r));
    }
}

} // namespace

static void BM_SavePlayer(benchmark::State& state) {
    platform::SetMessageBoxHandler({});
    Folder folder;
    CPlayer p;
    FillPlayer(p);
    for (auto _ : state)
        benchmark::DoNotOptimize(p.Save(folder.path));
}
BENCHMARK(BM_SavePlayer)->Unit(benchmark::kMicrosecond);

static void BM_LoadPlayer(benchmark::State& state) {
    platform::SetMessageBoxHandler({});
    Folder folder;
    CPlayer p;
    FillPlayer(p);
    p.Save(folder.path);
    for (auto _ : state) {
        p.Clear();
        benchmark::DoNotOptimize(p.Load(folder.path));
    }
}
BENCHMARK(BM_LoadPlayer)->Unit(benchmark::kMicrosecond);

static void BM_LoadAndSavePlayer(benchmark::State& state) {
    platform::SetMessageBoxHandler({});
    Folder folder(state.range(0) != 0);
    CPlayer p;
    FillPlayer(p);
    p.Save(folder.path);
    for (auto _ : state) {
        p.Clear();
        p.Load(folder.path);
        benchmark::DoNotOptimize(p.Save(folder.path));
    }
}
// Argument 0: on the disk; 1: in memory.
BENCHMARK(BM_LoadAndSavePlayer)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);
