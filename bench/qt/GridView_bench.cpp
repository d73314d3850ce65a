// A click on a 1,000-cell board: the cell lookup, the toggle and the repaint
// into the board image, as the player's click costs it.
#include "bench/qt/BenchSupport.h"
#include "board/qt/DibImage.h"
#include "board/qt/GridView.h"
#include "puzzle/GridDoc.h"
#include "tests/support/BoardFixtures.h"

#include <QApplication>
#include <benchmark/benchmark.h>
#include <cstdio>
#include <fstream>
#include <unistd.h>

namespace {

constexpr int kColumns = 40, kRows = 25, kCell = 15, kOffsetX = 60, kOffsetY = 70;

struct Board {
    CGridDoc doc;
    CGridView view;
    std::string picture;

    Board() {
        InstallDibDecoder();
        char name[] = "/tmp/gridview-bench-XXXXXX";
        int fd = ::mkstemp(name);
        ::close(fd);
        picture = name;
        const int width = kOffsetX + kColumns * kCell + 20;
        const int height = kOffsetY + kRows * kCell + 20;
        std::ofstream(picture, std::ios::binary) << testing_support::MakeBmp8(
            width, height, {{230, 230, 230}, {0, 0, 0}}, [](int x, int y) -> uint8_t {
                return (x - kOffsetX) % kCell == 0 || (y - kOffsetY) % kCell == 0;
            });
        doc.CDibDoc::OnOpenDocument(picture);
        doc.SetCellSize(kCell);
        doc.SetGridOffsets(kOffsetX, kOffsetY);
        for (int row = 0; row < kRows; ++row)
            for (int column = 0; column < kColumns; ++column)
                doc.AddCell(column, row);
        std::vector<std::string> hint;
        for (int i = 0; i < 30; ++i)
            hint.push_back(CellKey(i, i % kRows));
        doc.AddHint(hint);
        doc.SetHighlightedHint(1);
        doc.GetAnswerList() = hint;
        view.SetGridDocument(&doc);
        view.resize(width + 4, height + 4);
        view.OnInitialUpdate();
        view.RenderBoard();
    }
    ~Board() { std::remove(picture.c_str()); }
};

// The last cell of the list: the longest lookup.
void BM_ClickOnLastCell(benchmark::State& state) {
    Board board;
    const QPoint point(kOffsetX + (kColumns - 1) * kCell + 5, kOffsetY + (kRows - 1) * kCell + 5);
    for (auto _ : state) {
        board.view.OnLButtonDown(point);
        board.view.RenderBoard();
    }
    benchmark::DoNotOptimize(board.view.BoardImage().constBits());
}
BENCHMARK(BM_ClickOnLastCell)->Unit(benchmark::kMicrosecond);

// A click beside the cells: no toggle, so the picture is drawn as well.
void BM_ClickBesideTheCells(benchmark::State& state) {
    Board board;
    for (auto _ : state) {
        board.view.OnLButtonDown(QPoint(5, 5));
        board.view.RenderBoard();
    }
}
BENCHMARK(BM_ClickBesideTheCells)->Unit(benchmark::kMicrosecond);

// A full repaint with the picture and the crosses (colour change, focus).
void BM_FullRepaintWithSolution(benchmark::State& state) {
    Board board;
    board.view.solutionShown = true;
    for (auto _ : state) {
        board.view.SetColors(board.view.Colors());
        board.view.RenderBoard();
    }
}
BENCHMARK(BM_FullRepaintWithSolution)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char** argv) {
    return bench_support::RunBenchmarks(argc, argv);
}
