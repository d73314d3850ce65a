// Generating a puzzle: random solution, clues, pruning, the uniqueness proof
// and the grading solve, for the sizes the shelf uses (categories x items).
#include "puzzlegen/Generator.h"
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
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(9)
    ->ReportAggregatesOnly(true);

static void ProveUnique(benchmark::State& state) {
    const Shape shape{static_cast<int>(state.range(0)), static_cast<int>(state.range(1)), 1};
    GeneratedPuzzle p;
    Generate(shape, 3, GenOptions{}, p);
    for (auto _ : state)
        benchmark::DoNotOptimize(CExactSolver(shape, p.clues).Count(2));
}
BENCHMARK(ProveUnique)->Args({5, 6})->Unit(benchmark::kMicrosecond);
