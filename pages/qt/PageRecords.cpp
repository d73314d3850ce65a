#include "pages/qt/PageRecords.h"

#include "pages/PageView.h"
#include "pages/qt/QtPageCanvas.h"

#include <QPainter>
#include <algorithm>
#include <climits>
#include <cstdint>

// The canvas the layout draws on: measures with the screen's page fonts, as
// CQtPageCanvas does, and records what it would draw.
class CPageRecords::Recorder : public CPageCanvas {
public:
    Recorder(const CPageFonts& fonts, std::vector<Drawn>& drawn) : m_fonts(fonts), m_drawn(drawn) {}

    void SelectFont(PageFont font) override {
        if (font < 0 || font >= kPageFontCount)
            font = fontB;
        m_font = font;
        m_painterFont = font;
    }
    void SetTextColor(PageColor color) override { m_color = QColor(color.r, color.g, color.b); }
    int RunWidth(const std::string& run) override {
        return m_fonts.Metrics(m_font).horizontalAdvance(PageText(run));
    }
    int FontHeight() override { return m_fonts.Metrics(m_font).height(); }
    void DrawRun(int x, int y, const std::string& run) override {
        const QFontMetrics& fm = m_fonts.Metrics(m_font);
        Drawn drawn;
        drawn.text = true;
        // Glyphs may reach past the line's own rows: a line's height more
        // on either side counts.
        drawn.box = QRect(x, y - fm.height(), 1, 3 * fm.height());
        drawn.at = QPoint(x, y + fm.ascent());
        drawn.run = PageText(run);
        drawn.font = m_painterFont;
        drawn.color = m_color;
        m_drawn.push_back(std::move(drawn));
    }
    void FillRect(const PageRect& rect, PageColor color) override {
        Drawn drawn;
        drawn.box = QRect(rect.left, rect.top, rect.Width(), rect.Height());
        drawn.color = QColor(color.r, color.g, color.b);
        m_drawn.push_back(std::move(drawn));
    }
    void SelectDefaultFont() override {
        m_font = fontB;
        m_painterFont = -1;
    }

private:
    const CPageFonts& m_fonts;
    std::vector<Drawn>& m_drawn;
    PageFont m_font = fontB;
    int m_painterFont = fontB;
    QColor m_color = Qt::black;
};

CPageRecords::CPageRecords(const CPageFonts& fonts) : m_fonts(fonts) {
    // A run's record reaches a line's height above its top.
    for (int f = 0; f < kPageFontCount; ++f)
        m_reach = std::max(m_reach, m_fonts.Metrics(static_cast<PageFont>(f)).height());
    // A painter takes what a font leaves unset from its device's font: on a
    // widget the widget's font, on an image the default font. Settled here
    // as on an image, the window shows what one bitmap of the page holds.
    auto settled = [](const QFont& font) {
        QFont all = font.resolve(QFont());
        all.setResolveMask(QFont::AllPropertiesResolved);
        return all;
    };
    for (int f = 0; f < kPageFontCount; ++f)
        m_paintFonts.push_back(settled(m_fonts.Font(static_cast<PageFont>(f))));
    m_paintFonts.push_back(settled(QFont()));
}

CPageRecords::~CPageRecords() = default;

void CPageRecords::Clear() {
    m_recorded = false;
    m_height = 0;
    m_view = nullptr;
    m_cursor = {};
    m_recorder.reset();
    m_drawn.clear();
    m_filed = 0;
    m_byBand.clear();
    m_shown.clear();
}

void CPageRecords::Record(CPageView& view) {
    Clear();
    m_view = &view;
    m_generation = view.generation;
    m_cursor = view.BeginLayout();
    m_recorder = std::make_unique<Recorder>(m_fonts, m_drawn);
    m_recorded = true;
    m_height = std::max(0, view.model.pageHeight);
    m_byBand.resize(static_cast<std::size_t>(m_height / kBandHeight + 1));
}

void CPageRecords::LayOutThroughRow(std::size_t row) {
    LayOut(row, INT_MAX);
}

void CPageRecords::LayOut(std::size_t throughRow, int throughY) {
    // A page loaded since the recording started is recorded anew.
    if (!m_view || m_cursor.done || m_view->generation != m_generation)
        return;
    m_view->LayOutRows(m_cursor, *m_recorder, m_view->PageLimit(), true, throughRow, throughY);
    const long long lastBand = static_cast<long long>(m_byBand.size()) - 1;
    for (; m_filed < m_drawn.size(); ++m_filed) {
        const QRect& box = m_drawn[m_filed].box;
        if (box.isEmpty() || box.bottom() < 0)
            continue;
        const long long first = std::max(0LL, static_cast<long long>(box.top()) / kBandHeight);
        const long long last =
            std::min(lastBand, static_cast<long long>(box.bottom()) / kBandHeight);
        for (long long b = first; b <= last; ++b)
            m_byBand[static_cast<std::size_t>(b)].push_back(static_cast<std::uint32_t>(m_filed));
    }
}

void CPageRecords::Replay(QPainter& painter, const std::vector<std::uint32_t>& which) const {
    // The painter as the page canvas sets it up.
    int font = fontB;
    painter.setFont(m_paintFonts[fontB]);
    painter.setPen(Qt::black);
    for (std::uint32_t i : which) {
        const Drawn& drawn = m_drawn[i];
        if (!drawn.text) {
            painter.fillRect(drawn.box, drawn.color);
            continue;
        }
        if (drawn.font != font) {
            font = drawn.font;
            painter.setFont(font < 0 ? m_paintFonts.back()
                                     : m_paintFonts[static_cast<std::size_t>(font)]);
        }
        painter.setPen(drawn.color);
        painter.drawText(drawn.at, drawn.run);
    }
}

void CPageRecords::DrawAll(QPainter& painter) {
    LayOut(SIZE_MAX, INT_MAX);
    std::vector<std::uint32_t> all(m_drawn.size());
    for (std::size_t i = 0; i < all.size(); ++i)
        all[i] = static_cast<std::uint32_t>(i);
    Replay(painter, all);
}

void CPageRecords::Paint(QPainter& painter, const QRect& rect, int top) {
    painter.fillRect(rect, Qt::white);
    if (!m_recorded || rect.isEmpty())
        return;
    // The page rows the rectangle shows; rows past the page's bottom and
    // columns right of it stay white, as past the edges of one bitmap of the
    // whole page.
    const long long from = std::max(0LL, static_cast<long long>(top) + rect.top());
    const long long to = std::min(static_cast<long long>(top) + rect.top() + rect.height(),
                                  static_cast<long long>(m_height));
    if (from >= to)
        return;
    const long long first = from / kBandHeight;
    const long long last =
        std::min(static_cast<long long>(m_byBand.size()) - 1, (to - 1) / kBandHeight);
    // Every record that reaches the bands: rows laid out later start below
    // the pen, their records at most m_reach above it.
    const long long below = (last + 1) * kBandHeight + m_reach;
    LayOut(SIZE_MAX, static_cast<int>(std::min<long long>(below, INT_MAX)));
    // A record reaching several bands is drawn once, in drawing order, as
    // on the whole page.
    const std::vector<std::uint32_t>* shown = &m_byBand[static_cast<std::size_t>(first)];
    if (last > first) {
        m_shown.clear();
        for (long long b = first; b <= last; ++b) {
            const std::vector<std::uint32_t>& band = m_byBand[static_cast<std::size_t>(b)];
            m_shown.insert(m_shown.end(), band.begin(), band.end());
        }
        std::sort(m_shown.begin(), m_shown.end());
        m_shown.erase(std::unique(m_shown.begin(), m_shown.end()), m_shown.end());
        shown = &m_shown;
    }
    painter.save();
    painter.setClipRect(rect & QRect(0, static_cast<int>(from - top), CPageView::kPageWidth,
                                     static_cast<int>(to - from)),
                        Qt::IntersectClip);
    painter.translate(0, -top);
    Replay(painter, *shown);
    painter.restore();
}
