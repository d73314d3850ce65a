// The coach on game 39 (five categories of six items, the largest shelf
// size): Explain Next Step from every position of a solve, and Where Did I
// Go Wrong? for a wrong mark on each pair of the first two categories.
#include "reasoning/ClueFile.h"
#include "reasoning/Coach.h"

#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdlib>

namespace {

const reasoning::CCoach& Game39() {
    static const reasoning::CCoach coach = [] {
        reasoning::ClueBook book;
        if (!reasoning::ReadClueFile(DEDUXA_SOURCE_DIR "/gamedata/data/game39.clu", book))
            std::abort();
        return reasoning::CCoach(book);
    }();
    return coach;
}

// The player's marks after each use of Explain Next Step and its marks.
const std::vector<std::vector<reasoning::Mark>>& Positions() {
    static const auto positions = [] {
        std::vector<std::vector<reasoning::Mark>> all{{}};
        for (;;) {
            const reasoning::Advice a = Game39().ExplainNext(all.back());
            if (a.kind != reasoning::Advice::nextStep)
                break;
            all.push_back(all.back());
            all.back().insert(all.back().end(), a.marks.begin(), a.marks.end());
        }
        return all;
    }();
    return positions;
}

// A wrong mark on each pair of categories 0 and 1, on a board that has the
// first third of a solve.
std::vector<std::vector<reasoning::Mark>> WrongBoards() {
    const auto& p = Positions();
    const std::vector<reasoning::Mark>& base = p[p.size() / 3];
    const reasoning::Solution& s = Game39().Answer();
    std::vector<std::vector<reasoning::Mark>> boards;
    for (int e = 0; e < 6; ++e)
        for (int v = 0; v < 6; ++v) {
            std::vector<reasoning::Mark> marks;
            const reasoning::Attr x{0, e}, y{1, v};
            for (const reasoning::Mark& m : base)
                if (!((m.x == x && m.y == y) || (m.x == y && m.y == x)))
                    marks.push_back(m);
            marks.push_back({x, y, s.value[1][e] != v});
            boards.push_back(marks);
        }
    return boards;
}

template <class F>
void Over(benchmark::State& state, const std::vector<std::vector<reasoning::Mark>>& boards, F ask) {
    double slowest = 0;
    size_t i = 0;
    for (auto _ : state) {
        const auto start = std::chrono::steady_clock::now();
        const reasoning::Advice a = ask(boards[i]);
        const double ms =
            std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start)
                .count();
        slowest = std::max(slowest, ms);
        benchmark::DoNotOptimize(a.text.data());
        i = (i + 1) % boards.size();
    }
    state.counters["slowest_ms"] = slowest;
    state.counters["boards"] = static_cast<double>(boards.size());
}

} // namespace

static void BM_ExplainNextStep(benchmark::State& state) {
    Over(state, Positions(), [](const auto& marks) { return Game39().ExplainNext(marks); });
}
BENCHMARK(BM_ExplainNextStep)->Unit(benchmark::kMillisecond);

static void BM_WhereDidIGoWrong(benchmark::State& state) {
    static const auto boards = WrongBoards();
    Over(state, boards, [](const auto& marks) { return Game39().FindFirstWrong(marks); });
}
BENCHMARK(BM_WhereDidIGoWrong)->Unit(benchmark::kMillisecond);
