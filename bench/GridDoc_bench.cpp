// The board model at the size of a large puzzle: opening it, marking a
// cell, and checking the answer.
#include "bench/PuzzleBenchFixture.h"
#include "puzzle/GridDoc.h"

#include <benchmark/benchmark.h>

#include <cstdlib>

// Reading the puzzle file and its 1024 x 768 8-bit picture (core work only;
// the drawable image is made by the user interface, see bench/qt).
static void BM_OpenPuzzle(benchmark::State& state) {
    const std::string path = bench_fixture::WriteBenchPuzzle();
    CGridDoc doc;
    for (auto _ : state) {
        if (!doc.OnOpenDocument(path))
            std::abort();
        benchmark::DoNotOptimize(doc.GetCells().size());
    }
    if (doc.GetCells().size() != 1000 || doc.GetHintCount() != 60 ||
        doc.GetPictureSize().width != 1024)
        std::abort();
    bench_fixture::RemoveBenchPuzzle(path);
}
BENCHMARK(BM_OpenPuzzle)->Unit(benchmark::kMicrosecond);

// Marking the last cell of the board (the longest walk of the cell list),
// with 500 other cells marked true.
static void BM_ToggleCell(benchmark::State& state) {
    const std::string path = bench_fixture::WriteBenchPuzzle();
    CGridDoc doc;
    if (!doc.OnOpenDocument(path))
        std::abort();
    for (int i = 0; i < 500; ++i) {
        doc.ToggleCell(i % bench_fixture::kColumns, i / bench_fixture::kColumns);
        doc.ToggleCell(i % bench_fixture::kColumns, i / bench_fixture::kColumns);
    }
    const int column = bench_fixture::kColumns - 1, row = bench_fixture::kRows - 1;
    for (auto _ : state)
        benchmark::DoNotOptimize(doc.ToggleCell(column, row));
    bench_fixture::RemoveBenchPuzzle(path);
}
BENCHMARK(BM_ToggleCell)->Unit(benchmark::kMicrosecond);

// 500 answer cells and 500 marks, half of them right.
static void BM_CompareWithAnswer(benchmark::State& state) {
    CGridDoc doc;
    for (int row = 0; row < 25; ++row)
        for (int column = 0; column < 40; ++column)
            doc.AddCell(column, row);
    for (int i = 0; i < 500; ++i)
        doc.GetAnswerList().push_back(CellKey(i % 40, i / 40));
    for (int i = 250; i < 750; ++i) {
        doc.ToggleCell(i % 40, i / 40);
        doc.ToggleCell(i % 40, i / 40);
    }
    int percent = 0, marked = 0, correct = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(doc.CompareWithAnswer(&percent, &marked, &correct));
    }
    if (marked != 500 || correct != 250)
        std::abort();
}
BENCHMARK(BM_CompareWithAnswer)->Unit(benchmark::kMicrosecond);
