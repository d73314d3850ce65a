// Generating a puzzle: random solution, clues, pruning, the uniqueness proof
// and the grading solve, for the sizes the shelf uses (categories x items)
// and the biggest the generator makes; a graded game as the shelf and the
// random-game dialog make it (seeds tried until one has the wanted grade);
// and the exact solver's proof on its own.
#include "puzzlegen/Generator.h"
#include "puzzlegen/Shelf.h"
#include "reasoning/ExactSolver.h"

#include <benchmark/benchmark.h>

using namespace puzzlegen;

static void GenerateProveGrade(benchmark::State& state) {
    const Shape shape{static_cast<int>(state.range(0)), static_cast<int>(state.range(1)), 1};
    uint64_t seed = 1;
    for (auto _ : state) {
        GeneratedPuzzle p;
        const bool made = Generate(shape, seed++, GenOptions{}, p);
        // The proof the shelf relies on, once more on the result.
        const bool unique = made && CExactSolver(shape, p.clues).IsUnique();
        benchmark::DoNotOptimize(unique);
        if (!unique)
            state.SkipWithError("no unique puzzle");
    }
}
BENCHMARK(GenerateProveGrade)
    ->Args({4, 5})
    ->Args({5, 5})
    ->Args({5, 6})
    ->Args({6, 6})
    ->Args({5, 8})
    ->Args({6, 8})
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(9)
    ->ReportAggregatesOnly(true);

// One Expert game per iteration, each from its own slot seed; every
// repetition makes the same games.
static void ExpertGame(benchmark::State& state) {
    ShelfSlot slot;
    slot.shape = {static_cast<int>(state.range(0)), static_cast<int>(state.range(1)), 1};
    slot.grade = 4;
    uint64_t seed = 1000;
    for (auto _ : state) {
        slot.seed = seed;
        seed += 97;
        const ShelfGame game = MakeShelfGame(slot);
        benchmark::DoNotOptimize(game.puzzle.clues.data());
        if (game.grade != 4)
            state.SkipWithError("no Expert game");
    }
}
BENCHMARK(ExpertGame)
    ->Args({5, 6})
    ->Iterations(10)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);
BENCHMARK(ExpertGame)
    ->Args({6, 8})
    ->Iterations(3)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);

static void ProveUnique(benchmark::State& state) {
    const Shape shape{static_cast<int>(state.range(0)), static_cast<int>(state.range(1)), 1};
    GeneratedPuzzle p;
    Generate(shape, 3, GenOptions{}, p);
    for (auto _ : state)
        benchmark::DoNotOptimize(CExactSolver(shape, p.clues).Count(2));
}
BENCHMARK(ProveUnique)->Args({5, 6})->Args({6, 8})->Unit(benchmark::kMicrosecond);

// The proof with one clue of a 6 x 8 puzzle left out, as the generator's
// pruning asks it: most such sets have many solutions, and the proof is over
// once a second one is found.
static void ProveWithoutOneClue(benchmark::State& state) {
    const Shape shape{6, 8, 1};
    GeneratedPuzzle p;
    Generate(shape, 3, GenOptions{}, p);
    size_t leftOut = 0;
    for (auto _ : state) {
        std::vector<Clue> rest = p.clues;
        rest.erase(rest.begin() + static_cast<long>(leftOut));
        leftOut = (leftOut + 1) % p.clues.size();
        benchmark::DoNotOptimize(CExactSolver(shape, rest).Count(2));
    }
}
BENCHMARK(ProveWithoutOneClue)->Unit(benchmark::kMicrosecond);
