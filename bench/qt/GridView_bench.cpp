// A board click as the player waits for it: a real mouse press and release
// delivered to the board's viewport through the application, the click
// handled, and the repaint it asks for painted and flushed to the window
// (the pending update request processed, as the event loop would next). On
// game 40's board and on a 1,000-cell board, each in an MDI window as in the
// game, against a bare Qt MDI window of game 40's size that repaints in full on
// every click, in the same run.
//
// The benchmark checks itself: an iteration in which the viewport got no
// mouse press or no paint, or (checked every few clicks, outside the timing)
// after which the window on the screen does not show the new mark, stops the
// run with an error. Offscreen by default; under Xvfb:
//
//   QT_QPA_PLATFORM=xcb xvfb-run -a build/bench/bench_GridView_bench
#include "bench/qt/BenchSupport.h"
#include "board/qt/DibImage.h"
#include "board/qt/GridView.h"
#include "board/qt/SettingsDlg.h"
#include "platform/DataPath.h"
#include "puzzle/GridDoc.h"
#include "tests/support/BoardFixtures.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>
#include <QWindow>
#include <benchmark/benchmark.h>
#include <cstdio>
#include <fstream>
#include <map>
#include <memory>
#include <unistd.h>

namespace {

// Counts what a widget is sent: mouse presses and paints.
struct Watch : QObject {
    int presses = 0;
    int paints = 0;
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::MouseButtonPress)
            ++presses;
        else if (event->type() == QEvent::Paint)
            ++paints;
        return false;
    }
};

// An MDI area on the screen holding one widget, with the click path.
struct Window {
    QMdiArea area;
    QWidget* target = nullptr; // where the mouse events go
    Watch watch;

    void Show(QWidget* content, QWidget* clickTarget, QSize size) {
        target = clickTarget;
        QMdiSubWindow* sub = area.addSubWindow(content);
        sub->resize(size + QSize(16, 40));
        area.resize(size + QSize(40, 60));
        area.show();
        sub->show();
        QElapsedTimer wait;
        wait.start();
        while ((!area.windowHandle() || !area.windowHandle()->isExposed()) && wait.elapsed() < 5000)
            QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
        for (int i = 0; i < 10; ++i)
            QCoreApplication::processEvents();
        target->installEventFilter(&watch);
    }

    // A press and a release at point, as the window system delivers them,
    // then the repaint they asked for, painted and flushed.
    void ClickAndFlush(QPoint point) {
        const QPointF local(point);
        const QPointF global(target->mapToGlobal(point));
        QMouseEvent press(QEvent::MouseButtonPress, local, global, Qt::LeftButton, Qt::LeftButton,
                          Qt::NoModifier);
        QApplication::sendEvent(target, &press);
        QMouseEvent release(QEvent::MouseButtonRelease, local, global, Qt::LeftButton, Qt::NoButton,
                            Qt::NoModifier);
        QApplication::sendEvent(target, &release);
        // What the event loop does next: the posted events, the update
        // request among them (paint, then flush to the window).
        QCoreApplication::sendPostedEvents();
    }

    // The colour the screen shows at point of the target.
    QColor OnScreen(QPoint point) {
        const QPoint at = target->mapTo(&area, point);
        const QImage shot = QGuiApplication::primaryScreen()
                                ->grabWindow(area.winId(), at.x(), at.y(), 1, 1)
                                .toImage();
        return shot.isNull() ? QColor() : shot.pixelColor(0, 0);
    }
};

// Runs clicks through window; after each the click must have been delivered
// and painted, and every few clicks the screen must show what expected()
// says the point now shows.
template <class Expected>
void RunClicks(benchmark::State& state, Window& window, QPoint point, Expected expected) {
    long n = 0;
    for (auto _ : state) {
        const int presses = window.watch.presses;
        const int paints = window.watch.paints;
        window.ClickAndFlush(point);
        if (window.watch.presses != presses + 1 || window.watch.paints == paints) {
            state.SkipWithError("the click was not delivered as a mouse event or not painted");
            break;
        }
        if (n++ % 16 == 0) {
            state.PauseTiming();
            const QColor shown = window.OnScreen(point);
            const QColor wanted = expected();
            state.ResumeTiming();
            if (shown != wanted) {
                std::fprintf(stderr, "screen shows %s, the click wants %s\n",
                             qPrintable(shown.name()), qPrintable(wanted.name()));
                state.SkipWithError("the repaint did not reach the screen");
                break;
            }
        }
    }
}

// The board of a document in an MDI window.
struct Board {
    CGridDoc doc;
    CGridView* view = new CGridView;
    Window window;

    void Show() {
        view->SetGridDocument(&doc);
        const PictureSize size = doc.GetPictureSize();
        window.Show(view, view->viewport(), QSize(size.width + 4, size.height + 4));
        view->OnInitialUpdate();
        QCoreApplication::processEvents();
    }
    // The middle of the last cell (the longest lookup).
    QPoint LastCell() const {
        const auto& cell = *doc.GetCells().back();
        const int size = doc.GetCellSize();
        return view->PictureToClient(QPoint(doc.GetGridOffsetX() + cell.column * size + size / 2,
                                            doc.GetGridOffsetY() + cell.row * size + size / 2));
    }
    QColor Expected() const {
        const int state = doc.GetCells().back()->state;
        return state == 1   ? ToQColor(view->GetFalseColor())
               : state == 2 ? ToQColor(view->GetTrueColor())
                            : QColor(Qt::white);
    }
    void Run(benchmark::State& state) {
        RunClicks(state, window, LastCell(), [this] { return Expected(); });
    }
};

void BM_ClickGame40(benchmark::State& state) {
    InstallDibDecoder();
    bench_support::UseGameData();
    Board board;
    board.doc.OnOpenDocument(platform::RealPath("data\\game40.bgd"));
    board.Show();
    board.Run(state);
}
BENCHMARK(BM_ClickGame40)->Unit(benchmark::kMicrosecond);

// A 40 x 25 board of 15-pixel cells with a highlighted hint.
void BM_Click1000Cells(benchmark::State& state) {
    constexpr int kColumns = 40, kRows = 25, kCell = 15, kOffsetX = 60, kOffsetY = 70;
    InstallDibDecoder();
    bench_support::UseGameData();
    char name[] = "/tmp/gridview-bench-XXXXXX";
    ::close(::mkstemp(name));
    const std::string picture = name;
    const int width = kOffsetX + kColumns * kCell + 20;
    const int height = kOffsetY + kRows * kCell + 20;
    std::ofstream(picture, std::ios::binary) << testing_support::MakeBmp8(
        width, height, {{230, 230, 230}, {0, 0, 0}}, [](int x, int y) -> uint8_t {
            return (x - kOffsetX) % kCell == 0 || (y - kOffsetY) % kCell == 0;
        });
    {
        Board board;
        board.doc.CDibDoc::OnOpenDocument(picture);
        board.doc.SetCellSize(kCell);
        board.doc.SetGridOffsets(kOffsetX, kOffsetY);
        for (int row = 0; row < kRows; ++row)
            for (int column = 0; column < kColumns; ++column)
                board.doc.AddCell(column, row);
        std::vector<std::string> hint;
        for (int i = 0; i < 30; ++i)
            hint.push_back(CellKey(i, i % kRows));
        board.doc.AddHint(hint);
        board.doc.SetHighlightedHint(1);
        board.Show();
        board.Run(state);
    }
    std::remove(picture.c_str());
}
BENCHMARK(BM_Click1000Cells)->Unit(benchmark::kMicrosecond);

// The peer: a plain widget of game 40's board size that repaints all of
// itself, its picture and a square in the colour the clicks toggle.
struct FullRepaint : QWidget {
    QImage picture;
    bool on = false;
    explicit FullRepaint(QSize size) : picture(size, QImage::Format_RGB32) {
        picture.fill(QColor(230, 230, 230));
        setAttribute(Qt::WA_OpaquePaintEvent);
        setFixedSize(size);
    }
    void mousePressEvent(QMouseEvent* event) override {
        on = !on;
        update();
        event->accept();
    }
    void mouseReleaseEvent(QMouseEvent* event) override { event->accept(); }
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        painter.drawImage(0, 0, picture);
        painter.fillRect(QRect(100, 100, 20, 20), on ? Qt::red : Qt::white);
    }
};

void BM_PeerMdiFullRepaint(benchmark::State& state) {
    InstallDibDecoder();
    bench_support::UseGameData();
    CGridDoc doc;
    doc.OnOpenDocument(platform::RealPath("data\\game40.bgd"));
    const PictureSize size = doc.GetPictureSize();
    auto* peer = new FullRepaint(QSize(size.width + 4, size.height + 4));
    Window window;
    window.Show(peer, peer, peer->size());
    RunClicks(state, window, QPoint(110, 110),
              [peer] { return peer->on ? QColor(Qt::red) : QColor(Qt::white); });
}
BENCHMARK(BM_PeerMdiFullRepaint)->Unit(benchmark::kMicrosecond);

// Prints each board's time over the peer's, from the same run.
class RatioReporter : public benchmark::ConsoleReporter {
public:
    std::map<std::string, double> cpu, real;
    void ReportRuns(const std::vector<Run>& runs) override {
        for (const Run& run : runs)
            if (!run.error_occurred && run.run_type == Run::RT_Iteration) {
                cpu[run.benchmark_name()] = run.GetAdjustedCPUTime();
                real[run.benchmark_name()] = run.GetAdjustedRealTime();
            }
        ConsoleReporter::ReportRuns(runs);
    }
    void Ratios() const {
        const std::string peer = "BM_PeerMdiFullRepaint";
        if (!cpu.count(peer))
            return;
        for (const auto& [name, time] : cpu)
            if (name != peer)
                std::printf("%s / peer: %.2fx CPU, %.2fx wall\n", name.c_str(), time / cpu.at(peer),
                            real.at(name) / real.at(peer));
    }
};

} // namespace

int main(int argc, char** argv) {
    if (qgetenv("QT_QPA_PLATFORM").isEmpty())
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    reporter.Ratios();
    benchmark::Shutdown();
    return 0;
}
