// CPageTiles: the page window's picture of a page, made to any length with
// bounded memory. Laying the page out records what it draws (runs of text
// and filled rectangles, in page pixels); painting replays only the records
// that reach the rows shown, into tiles of kTileHeight rows kept a few at a
// time. A tile shows exactly what the same rows of one bitmap of the whole
// page would. The page is laid out only as far down as a tile painted, a row
// asked for (CPageView::needRows) or the whole page drawn needs: a long page
// costs what its rows on show cost.
#pragma once

#include "pages/PageCanvas.h"
#include "pages/PageView.h"

#include <QColor>
#include <QImage>
#include <QPoint>
#include <QRect>
#include <QString>
#include <cstdint>
#include <memory>
#include <vector>

class CPageFonts;
class QPainter;

class CPageTiles {
public:
    // Tiles of few rows, so that little is drawn below the window's bottom
    // row; those kept hold 2,048 rows, several windows' worth.
    static constexpr int kTileHeight = 64;
    static constexpr std::size_t kMaxTiles = 32;

    explicit CPageTiles(const CPageFonts& fonts);
    ~CPageTiles();

    // Starts laying the view's page out anew (as DrawPage down to its page
    // limit), keeping what it draws; drops the tiles made before. The view
    // must outlive the recording (until Clear or the next Record).
    void Record(CPageView& view);
    // Lays the page out at least through row `row` (to its end for SIZE_MAX).
    void LayOutThroughRow(std::size_t row);
    void Clear();
    bool Recorded() const { return m_recorded; }
    // The page's height in pixels, as recorded.
    int Height() const { return m_height; }
    // Paints page rows [top + rect's top, top + rect's bottom] into rect of
    // painter: white where the page has nothing. False when a tile's image
    // could not be made (that part stays white).
    bool Paint(QPainter& painter, const QRect& rect, int top);
    // Lays the rest of the page out and draws every record into painter (its
    // origin at the page's top-left).
    void DrawAll(QPainter& painter);
    // Tiles kept now (never more than kMaxTiles).
    std::size_t TileCount() const { return m_tiles.size(); }

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
    const QImage* Tile(int index);
    // Lays out through row throughRow or until the pen passes page y
    // throughY, then files the new records by tile.
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
    std::size_t m_filed = 0; // records filed into m_byTile
    // For each tile, the records that reach it, in drawing order.
    std::vector<std::vector<std::uint32_t>> m_byTile;
    struct Kept {
        int index;
        QImage image;
        std::uint64_t used;
    };
    std::vector<Kept> m_tiles;
    std::uint64_t m_clock = 0;
};
