// Reading and laying out pages: a typical hint page (about 40 records) and a
// 10,000-record page, on a canvas that only measures.
#include "pages/PageLineReader.h"
#include "pages/PageView.h"

#include <benchmark/benchmark.h>
#include <string>

namespace {

class MeasureCanvas : public CPageCanvas {
public:
    void SelectFont(PageFont font) override { m_font = font; }
    void SetTextColor(PageColor) override {}
    int RunWidth(const std::string& run) override { return static_cast<int>(run.size()) * 9; }
    int FontHeight() override { return FontSpec(m_font).pixelHeight; }
    void DrawRun(int, int, const std::string&) override {}
    void FillRect(const PageRect&, PageColor) override {}

private:
    PageFont m_font = fontB;
};

void Add(std::string& s, const std::string& line) {
    s += line;
    s += "\r\n";
}

// A hint page of the usual shape: headings, text, links, a button row, an
// indent and reveal blocks, repeated to the record count asked for.
std::string MakePage(int records) {
    std::string s;
    Add(s, "Hint 7: Who keeps the zebra?");
    int n = 0;
    while (n < records) {
        switch (n % 10) {
        case 0:
            Add(s, "Clues that matter");
            Add(s, "10");
            Add(s, "1");
            break;
        case 1:
        case 2:
        case 3:
            Add(s, "The Norwegian lives next to the blue house;\tthe milk is drunk in the middle.");
            Add(s, "13");
            Add(s, "1");
            break;
        case 4:
            Add(s, "See hint 3");
            Add(s, "12");
            Add(s, "1");
            Add(s, "120");
            Add(s, "5");
            Add(s, "logic1_03.htf");
            break;
        case 5:
            Add(s, "");
            Add(s, "11");
            Add(s, "0");
            Add(s, "Mark");
            break;
        case 6:
            Add(s, "Small print under the button");
            Add(s, "6");
            Add(s, "1");
            break;
        case 7:
            Add(s, "");
            Add(s, "14");
            Add(s, "1");
            Add(s, "Answer");
            Add(s, "start");
            for (int e = 0; e < 2; ++e) {
                Add(s, "10");
                Add(s, "200");
                Add(s, "Click to see the answer");
                Add(s, "10");
                Add(s, "220");
                Add(s, "The Japanese keeps the zebra.");
            }
            Add(s, "end");
            break;
        case 8:
            Add(s, "");
            Add(s, "17");
            Add(s, "1");
            break;
        default:
            Add(s, "A closing remark in italics.");
            Add(s, "5");
            Add(s, "1");
            break;
        }
        ++n;
    }
    return s;
}

void ReadAndLayOut(benchmark::State& state) {
    const std::string page = MakePage(static_cast<int>(state.range(0)));
    MeasureCanvas canvas;
    for (auto _ : state) {
        CPageView view;
        view.metrics = {23, 21, 28, 20, 25, 16};
        CPageLineReader reader = CPageLineReader::FromBytes(page);
        view.ReadFrom(reader, 0, 0);
        view.DrawPage(canvas, view.PageLimit());
        benchmark::DoNotOptimize(view.model.pageHeight);
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
    state.SetBytesProcessed(state.iterations() * static_cast<int64_t>(page.size()));
}

} // namespace

BENCHMARK(ReadAndLayOut)->Arg(40)->Arg(1000)->Arg(10000)->Unit(benchmark::kMicrosecond);
