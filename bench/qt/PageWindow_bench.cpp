// The page window's whole load as the player waits for it: read, lay out with
// the real fonts and paint the rows on show into the window on the screen,
// for pages of 100, 1,000 and 10,000 records, each record's text its own (no
// text repeats, so nothing kept by text can serve a later record), and for
// the longest bundled page. A load that paints nothing stops the run with an
// error.
#include "bench/qt/BenchSupport.h"
#include "pages/qt/MuWnd.h"
#include "platform/MessageBox.h"

#include <QApplication>
#include <QDir>
#include <QMdiArea>
#include <benchmark/benchmark.h>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>

namespace {

std::string WritePage(int records) {
    std::string path =
        QDir::tempPath().toStdString() + "/deduxa_bench_" + std::to_string(records) + ".htf";
    std::ofstream out(path, std::ios::binary);
    out << "Hint 7: Who keeps the zebra?\r\n";
    for (int n = 0; n < records; ++n) {
        const std::string number = std::to_string(n);
        switch (n % 5) {
        case 0:
            out << "Clues that matter " << number << "\r\n10\r\n1\r\n";
            break;
        case 1:
        case 2:
            out << "The Norwegian lives next to the blue house " << number
                << ";\tthe milk is drunk in the middle.\r\n13\r\n1\r\n";
            break;
        case 3:
            out << "See hint " << number << "\r\n12\r\n1\r\n120\r\n5\r\nlogic1_03.htf\r\n";
            break;
        default:
            out << "\r\n14\r\n1\r\nAnswer\r\nstart\r\n10\r\n200\r\nClick to see answer " << number
                << "\r\n10\r\n220\r\nThe Japanese keeps zebra " << number << ".\r\nend\r\n";
            break;
        }
    }
    return path;
}

// The longest bundled page, copied to the temporary folder.
std::string CopyBundledPage() {
    const std::filesystem::path from =
        std::filesystem::path(bench_support::GameData()) / "data" / "game39-00.htf";
    const std::string path = QDir::tempPath().toStdString() + "/deduxa_bench_game39-00.htf";
    std::error_code error;
    std::filesystem::copy_file(from, path, std::filesystem::copy_options::overwrite_existing,
                               error);
    return error ? std::string() : path;
}

struct PaintCount : QObject {
    int paints = 0;
    bool eventFilter(QObject*, QEvent* event) override {
        paints += event->type() == QEvent::Paint;
        return false;
    }
};

void TimeLoads(benchmark::State& state, const std::string& path) {
    QMdiArea area;
    area.resize(900, 700);
    area.show();
    auto* wnd = new CMuWnd(&area);
    wnd->setGeometry(0, 1, 345, 600);
    wnd->show();
    for (int i = 0; i < 10; ++i)
        QCoreApplication::processEvents();
    PaintCount count;
    wnd->ClientArea()->installEventFilter(&count);
    for (auto _ : state) {
        const int before = count.paints;
        benchmark::DoNotOptimize(wnd->LoadPage(path));
        QCoreApplication::sendPostedEvents();
        if (count.paints == before) {
            state.SkipWithError("the load painted nothing");
            break;
        }
    }
    wnd->allowDestroy = true;
    wnd->close();
}

void LoadPageIntoWindow(benchmark::State& state) {
    const std::string path = WritePage(static_cast<int>(state.range(0)));
    TimeLoads(state, path);
    state.SetItemsProcessed(state.iterations() * state.range(0));
    std::remove(path.c_str());
}

void LoadBundledPageIntoWindow(benchmark::State& state) {
    const std::string path = CopyBundledPage();
    if (path.empty()) {
        state.SkipWithError("no bundled page game39-00.htf");
        return;
    }
    TimeLoads(state, path);
    std::remove(path.c_str());
}

} // namespace

BENCHMARK(LoadPageIntoWindow)->Arg(100)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond);
BENCHMARK(LoadBundledPageIntoWindow)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    platform::SetMessageBoxHandler(
        [](const std::string&, const std::string&, unsigned) { return 1; });
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
