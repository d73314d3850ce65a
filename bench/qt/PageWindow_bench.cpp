// The page window's whole load: read, lay out with the real fonts and draw
// into the page bitmap, for a typical hint page, a 1,000-record page and a
// 10,000-record page (too tall for a page bitmap: read, reported, not drawn).
#include "pages/qt/MuWnd.h"
#include "platform/MessageBox.h"

#include <QApplication>
#include <QDir>
#include <QMdiArea>
#include <benchmark/benchmark.h>
#include <fstream>
#include <string>

namespace {

std::string WritePage(int records) {
    std::string path =
        QDir::tempPath().toStdString() + "/deduxa_bench_" + std::to_string(records) + ".htf";
    std::ofstream out(path, std::ios::binary);
    out << "Hint 7: Who keeps the zebra?\r\n";
    for (int n = 0; n < records; ++n) {
        switch (n % 5) {
        case 0:
            out << "Clues that matter\r\n10\r\n1\r\n";
            break;
        case 1:
        case 2:
            out << "The Norwegian lives next to the blue house;\tthe milk is drunk in the "
                   "middle.\r\n13\r\n1\r\n";
            break;
        case 3:
            out << "See hint 3\r\n12\r\n1\r\n120\r\n5\r\nlogic1_03.htf\r\n";
            break;
        default:
            out << "\r\n14\r\n1\r\nAnswer\r\nstart\r\n10\r\n200\r\nClick to see the "
                   "answer\r\n10\r\n220\r\n"
                   "The Japanese keeps the zebra.\r\nend\r\n";
            break;
        }
    }
    return path;
}

void LoadPageIntoWindow(benchmark::State& state) {
    const std::string path = WritePage(static_cast<int>(state.range(0)));
    QMdiArea area;
    auto* wnd = new CMuWnd(&area);
    for (auto _ : state)
        benchmark::DoNotOptimize(wnd->LoadPage(path));
    state.SetItemsProcessed(state.iterations() * state.range(0));
    std::remove(path.c_str());
}

} // namespace

BENCHMARK(LoadPageIntoWindow)->Arg(40)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond);

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
