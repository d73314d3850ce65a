// The installed game's data folder: linking the content of a first start and
// the check of every link a normal start makes once its first window is up,
// over the game's own content (gamedata/, about 1,100 files).
#include "platform/ContentFolder.h"

#include <benchmark/benchmark.h>
#include <cstdlib>
#include <filesystem>
#include <string>

namespace fs = std::filesystem;

namespace {

fs::path Content() {
    for (auto dir = fs::canonical("/proc/self/exe").parent_path(); dir != dir.root_path();
         dir = dir.parent_path())
        if (fs::exists(dir / "gamedata" / "data" / "games.dat"))
            return dir / "gamedata";
    return {};
}

fs::path NewFolder() {
    char name[] = "/tmp/deduxa-bench-XXXXXX";
    return fs::path(mkdtemp(name));
}

void BM_LinkNewFolder(benchmark::State& state) {
    const fs::path content = Content();
    for (auto _ : state) {
        state.PauseTiming();
        const fs::path folder = NewFolder();
        state.ResumeTiming();
        if (!platform::LinkContent(content, folder).ok)
            state.SkipWithError("linking failed");
        state.PauseTiming();
        fs::remove_all(folder);
        state.ResumeTiming();
    }
}
BENCHMARK(BM_LinkNewFolder)->Unit(benchmark::kMillisecond);

void BM_CheckLinkedFolder(benchmark::State& state) {
    const fs::path content = Content();
    const fs::path folder = NewFolder();
    if (!platform::LinkContent(content, folder).ok)
        state.SkipWithError("linking failed");
    for (auto _ : state)
        benchmark::DoNotOptimize(platform::LinkContent(content, folder).ok);
    fs::remove_all(folder);
}
BENCHMARK(BM_CheckLinkedFolder)->Unit(benchmark::kMillisecond);

} // namespace
