// CPageRecords: the page window's page, shown at any length in memory that
// grows only with the records laid out. Laying the page out records what it
// draws (runs of text and filled rectangles, in page pixels) and files each
// record under the bands of kBandHeight rows it may reach; painting replays
// the records of the bands shown straight into the window's painter, so the
// rows shown are exactly those of one bitmap of the whole page, and no
// picture of the page is kept beside the window's own. The page is laid out
// only as far down as a row painted, a row asked for (CPageView::needRows)
// or the whole page drawn needs: a long page costs what its rows on show
// cost.
#pragma once

#include "pages/PageCanvas.h"
#include "pages/PageView.h"

#include <QColor>
#include <QFont>
#include <QPoint>
#include <QRect>
#include <QString>
#include <cstdint>
#include <memory>
#include <vector>

class CPageFonts;
class QPainter;

class CPageRecords {
public:
    // Bands of few rows, so that little is laid out below the window's
    // bottom row.
    static constexpr int kBandHeight = 64;

    explicit CPageRecords(const CPageFonts& fonts);
    ~CPageRecords();

    // Starts laying the view's page out anew (as DrawPage down to its page
    // limit), keeping what it draws; drops the records made before. The view
    // must outlive the recording (until Clear or the next Record).
    void Record(CPageView& view);
    // Lays the page out at least through row `row` (to its end for SIZE_MAX).
    void LayOutThroughRow(std::size_t row);
    void Clear();
    bool Recorded() const { return m_recorded; }
    // The page's height in pixels, as recorded.
    int Height() const { return m_height; }
    // Paints page rows [top + rect's top, top + rect's bottom] into rect of
    // painter: white where the page has nothing.
    void Paint(QPainter& painter, const QRect& rect, int top);
    // Lays the rest of the page out and draws every record into painter (its
    // origin at the page's top-left).
    void DrawAll(QPainter& painter);

private:
    struct Drawn {
        bool text = false;
        QRect box;    // the fill; for a run, the rows its glyphs may reach
        QPoint at;    // the run's baseline start
        QString run;  // the run's text
        int font = 0; // a page font, or -1 for the painter's default font
        QColor color;
    };
    class Recorder;
    void Replay(QPainter& painter, const std::vector<std::uint32_t>& which) const;
    // Lays out through row throughRow or until the pen passes page y
    // throughY, then files the new records by band.
    void LayOut(std::size_t throughRow, int throughY);

    const CPageFonts& m_fonts;
    // The most a record reaches above the row it is drawn on.
    int m_reach = 0;
    bool m_recorded = false;
    int m_height = 0;
    CPageView* m_view = nullptr;
    int m_generation = 0; // the view's page load the recording is of
    CPageView::LayoutCursor m_cursor;
    std::unique_ptr<Recorder> m_recorder;
    std::vector<Drawn> m_drawn;
    std::size_t m_filed = 0; // records filed into m_byBand
    // For each band, the records that reach it, in drawing order.
    std::vector<std::vector<std::uint32_t>> m_byBand;
    // The records of the bands one paint shows, in drawing order.
    std::vector<std::uint32_t> m_shown;
    // The page fonts (and the default font, last) as the painter of an image
    // takes them, whatever the font of the device painted on.
    std::vector<QFont> m_paintFonts;
};
