#include "pages/qt/PageTiles.h"

#include "pages/PageView.h"
#include "pages/qt/QtPageCanvas.h"

#include <QPainter>
#include <algorithm>
#include <climits>
#include <cstdint>

// The canvas the layout draws on: measures with the screen's page fonts, as
// CQtPageCanvas does, and records what it would draw.
class CPageTiles::Recorder : public CPageCanvas {
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

CPageTiles::CPageTiles(const CPageFonts& fonts) : m_fonts(fonts) {
    // A run's record reaches a line's height above its top.
    for (int f = 0; f < kPageFontCount; ++f)
        m_reach = std::max(m_reach, m_fonts.Metrics(static_cast<PageFont>(f)).height());
}

CPageTiles::~CPageTiles() = default;

void CPageTiles::Clear() {
    m_recorded = false;
    m_height = 0;
    m_view = nullptr;
    m_cursor = {};
    m_recorder.reset();
    m_drawn.clear();
    m_filed = 0;
    m_byTile.clear();
    m_tiles.clear();
}

void CPageTiles::Record(CPageView& view) {
    Clear();
    m_view = &view;
    m_generation = view.generation;
    m_cursor = view.BeginLayout();
    m_recorder = std::make_unique<Recorder>(m_fonts, m_drawn);
    m_recorded = true;
    m_height = std::max(0, view.model.pageHeight);
    m_byTile.resize(static_cast<std::size_t>(m_height / kTileHeight + 1));
}

void CPageTiles::LayOutThroughRow(std::size_t row) {
    LayOut(row, INT_MAX);
}

void CPageTiles::LayOut(std::size_t throughRow, int throughY) {
    // A page loaded since the recording started is recorded anew.
    if (!m_view || m_cursor.done || m_view->generation != m_generation)
        return;
    m_view->LayOutRows(m_cursor, *m_recorder, m_view->PageLimit(), true, throughRow, throughY);
    const long long lastTile = static_cast<long long>(m_byTile.size()) - 1;
    for (; m_filed < m_drawn.size(); ++m_filed) {
        const QRect& box = m_drawn[m_filed].box;
        if (box.isEmpty() || box.bottom() < 0)
            continue;
        const long long first = std::max(0LL, static_cast<long long>(box.top()) / kTileHeight);
        const long long last =
            std::min(lastTile, static_cast<long long>(box.bottom()) / kTileHeight);
        for (long long t = first; t <= last; ++t)
            m_byTile[static_cast<std::size_t>(t)].push_back(static_cast<std::uint32_t>(m_filed));
    }
}

void CPageTiles::Replay(QPainter& painter, const std::vector<std::uint32_t>& which) const {
    // The painter as the page canvas sets it up.
    int font = fontB;
    painter.setFont(m_fonts.Font(fontB));
    painter.setPen(Qt::black);
    for (std::uint32_t i : which) {
        const Drawn& drawn = m_drawn[i];
        if (!drawn.text) {
            painter.fillRect(drawn.box, drawn.color);
            continue;
        }
        if (drawn.font != font) {
            font = drawn.font;
            painter.setFont(font < 0 ? QFont() : m_fonts.Font(static_cast<PageFont>(font)));
        }
        painter.setPen(drawn.color);
        painter.drawText(drawn.at, drawn.run);
    }
}

void CPageTiles::DrawAll(QPainter& painter) {
    LayOut(SIZE_MAX, INT_MAX);
    std::vector<std::uint32_t> all(m_drawn.size());
    for (std::size_t i = 0; i < all.size(); ++i)
        all[i] = static_cast<std::uint32_t>(i);
    Replay(painter, all);
}

const QImage* CPageTiles::Tile(int index) {
    ++m_clock;
    for (Kept& kept : m_tiles)
        if (kept.index == index) {
            kept.used = m_clock;
            return &kept.image;
        }
    QImage image(CPageView::kPageWidth, kTileHeight, QImage::Format_RGB32);
    if (image.isNull())
        return nullptr;
    // Every record that reaches the tile: rows laid out later start below
    // the pen, their records at most m_reach above it.
    const long long below = (static_cast<long long>(index) + 1) * kTileHeight + m_reach;
    LayOut(SIZE_MAX, static_cast<int>(std::min<long long>(below, INT_MAX)));
    image.fill(Qt::white);
    {
        QPainter painter(&image);
        painter.translate(0, -index * kTileHeight);
        Replay(painter, m_byTile[static_cast<std::size_t>(index)]);
    }
    if (m_tiles.size() >= kMaxTiles) {
        auto oldest =
            std::min_element(m_tiles.begin(), m_tiles.end(),
                             [](const Kept& a, const Kept& b) { return a.used < b.used; });
        *oldest = {index, std::move(image), m_clock};
        return &oldest->image;
    }
    m_tiles.push_back({index, std::move(image), m_clock});
    return &m_tiles.back().image;
}

bool CPageTiles::Paint(QPainter& painter, const QRect& rect, int top) {
    painter.fillRect(rect, Qt::white);
    if (!m_recorded || rect.isEmpty())
        return true;
    bool made = true;
    // The page rows the rectangle shows; rows past the page's bottom stay
    // white, as past the end of one bitmap of the whole page.
    const long long from = static_cast<long long>(top) + rect.top();
    const long long to = std::min(from + rect.height(), static_cast<long long>(m_height));
    const long long lastTile = static_cast<long long>(m_byTile.size()) - 1;
    for (long long t = std::max(0LL, from / kTileHeight); t <= lastTile && t * kTileHeight < to;
         ++t) {
        const QImage* tile = Tile(static_cast<int>(t));
        if (!tile) {
            made = false;
            continue;
        }
        const long long tileTop = t * kTileHeight;
        const long long y0 = std::max(from, tileTop);
        const long long y1 = std::min(to, tileTop + kTileHeight);
        const QRect source(rect.left(), static_cast<int>(y0 - tileTop), rect.width(),
                           static_cast<int>(y1 - y0));
        painter.drawImage(QPoint(rect.left(), static_cast<int>(y0 - top)), *tile, source);
    }
    return made;
}
