// A key press on the board of game 39 (five categories of six, the largest
// bundled board): the key handled and the board repainted on the screen, for
// a cursor move (a full paint with the picture) and for a mark set by key
// (the cells painted over the picture already there).
#include "bench/qt/BenchSupport.h"
#include "board/qt/DibImage.h"
#include "board/qt/GridView.h"
#include "platform/DataPath.h"
#include "platform/MessageBox.h"
#include "platform/Sound.h"
#include "puzzle/GridDoc.h"

#include <QApplication>
#include <QKeyEvent>
#include <benchmark/benchmark.h>
#include <filesystem>

namespace {

struct Board {
    CGridDoc doc;
    CGridView view;

    Board() {
        InstallDibDecoder();
        bench_support::UseGameData();
        doc.OnOpenDocument(platform::RealPath("data\\game39.bgd"));
        view.SetGridDocument(&doc);
        const PictureSize size = doc.GetPictureSize();
        view.resize(size.width + 4, size.height + 4);
        view.show();
        QCoreApplication::processEvents(); // mapped and exposed: repaints really paint
        view.OnInitialUpdate();
        view.viewport()->repaint();
    }
    void Press(Qt::Key key) {
        QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
        QApplication::sendEvent(&view, &press);
        const int before = view.PictureDraws();
        view.viewport()->repaint();
        if (view.PictureDraws() == before && key != Qt::Key_T && key != Qt::Key_Delete)
            std::fprintf(stderr, "a cursor move did not repaint the picture\n");
    }
};

void BM_CursorKey(benchmark::State& state) {
    Board board;
    bool right = true;
    for (auto _ : state) {
        board.Press(right ? Qt::Key_Right : Qt::Key_Left);
        right = !right;
    }
}
BENCHMARK(BM_CursorKey)->Unit(benchmark::kMicrosecond);

void BM_MarkKey(benchmark::State& state) {
    Board board;
    bool mark = true;
    for (auto _ : state) {
        board.Press(mark ? Qt::Key_T : Qt::Key_Delete);
        mark = !mark;
    }
}
BENCHMARK(BM_MarkKey)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char** argv) {
    return bench_support::RunBenchmarks(argc, argv);
}
