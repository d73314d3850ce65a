// Opening the large puzzle as the game does, with the picture made into its
// drawable image on loading, and drawing that picture.
#include "bench/PuzzleBenchFixture.h"
#include "board/qt/DibImage.h"
#include "puzzle/GridDoc.h"

#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <benchmark/benchmark.h>

#include <cstdlib>

static void BM_OpenPuzzleWithImage(benchmark::State& state) {
    const std::string path = bench_fixture::WriteBenchPuzzle();
    InstallDibDecoder();
    CGridDoc doc;
    for (auto _ : state) {
        if (!doc.OnOpenDocument(path))
            std::abort();
        benchmark::DoNotOptimize(doc.GetPicture()->drawable.get());
    }
    SetDibDecoder({});
    bench_fixture::RemoveBenchPuzzle(path);
}
BENCHMARK(BM_OpenPuzzleWithImage)->Unit(benchmark::kMicrosecond);

static void BM_DrawPicture(benchmark::State& state) {
    const std::string path = bench_fixture::WriteBenchPuzzle();
    CGridDoc doc;
    if (!doc.OnOpenDocument(path))
        std::abort();
    QImage canvas(1024, 768, QImage::Format_RGB32);
    const QRect whole(0, 0, 1024, 768);
    for (auto _ : state) {
        QPainter painter(&canvas);
        if (!DrawPackedDib(painter, whole, doc.GetPicture(), whole, doc.GetPalette()))
            std::abort();
    }
    bench_fixture::RemoveBenchPuzzle(path);
}
BENCHMARK(BM_DrawPicture)->Unit(benchmark::kMicrosecond);

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
