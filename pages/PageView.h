// CPageView: everything the page window does that needs no window: reading a
// page file into the page model, laying the page out and drawing it on a
// canvas, the scroll rules, where the page buttons stand, and what a click
// hits. The page window (pages/qt/MuWnd.h) puts it on the screen.
#pragma once

#include "pages/PageModel.h"
#include "pages/PageStyles.h"

#include <functional>
#include <string>
#include <vector>

class CPageLineReader;

// Scroll requests, as the vertical scroll bar sends them.
enum ScrollRequest {
    scrollLineUp,
    scrollLineDown,
    scrollPageUp,
    scrollPageDown,
    scrollThumbPosition,
    scrollThumbTrack,
    scrollTop,
    scrollBottom,
    scrollEndScroll,
};

// Which block titles start revealed: mode 0 "2." and "0", mode 1 "0", mode 2 none.
bool StartsRevealed(const std::string& title, int revealMode);

class CPageView {
public:
    static constexpr int kLeftMargin = 5;
    static constexpr int kPageWidth = 320;
    static constexpr int kButtonRoom = 40;
    static constexpr int kPageStep = 15;
    static constexpr int kFirstButtonId = 128;

    enum LoadResult { loadOk, loadOpenFailed, loadReadFailed };

    CPageModel model;
    PageMetrics metrics;
    std::string currentFile;
    int scrollPos = 0;
    int leftMargin = kLeftMargin;
    bool indent = false;
    bool loaded = false;  // a page has been read at least once
    int generation = 0;   // counts page loads; a click stops when a load replaced the page
    size_t rowsDrawn = 0; // rows the last layout laid out (their height and top are drawn ones)
    // Set by a window that lays its page out only as far as it is needed
    // (LayOutRows): lays the page out at least through the given row, or to
    // its end for SIZE_MAX. PlaceButtons and Click ask it for the rows they use.
    std::function<void(size_t row)> needRows;

    // The reading half of LoadPage: opens path (resolved against the disk:
    // backslashes, any letter case), replaces the page model and reads it.
    // An open failure changes nothing; a read error keeps what was read. Both
    // are reported as "Unable to load " + path when reportFailure is set.
    LoadResult ReadPage(const std::string& path, int firstRow, bool reportFailure, int revealMode);
    // Replaces the page model with what file holds. Throws
    // platform::CFileException on a read error, keeping what was read, with
    // the page finished (scroll position, bottom margin) either way.
    void ReadFrom(CPageLineReader& file, int firstRow, int revealMode);

    // Lays the page out and draws it: rows from the top of the page down to
    // limit's bottom. Sets the rows' drawn heights, the links' boxes and the
    // blocks' boxes. With draw off only measures.
    void DrawPage(CPageCanvas& canvas, const PageRect& limit, bool draw = true);

    // Where a layout stands between two rows.
    struct LayoutCursor {
        int penX = kLeftMargin;
        int penY = kLeftMargin;
        size_t nextLink = 0;
        size_t nextBlock = 0;
        size_t rowIndex = 0;
        size_t index = 0; // the next item
        int leftMargin = kLeftMargin;
        bool indent = false;
        bool done = false;
    };
    // DrawPage in steps: BeginLayout starts at the page's top, each
    // LayOutRows goes on from where the cursor stands until the layout is done
    // or rows [0, throughRow] are laid out or the pen has passed page y
    // throughY (the view's leftMargin and indent follow the cursor's). Between
    // the steps the canvas keeps its state. The steps together lay out and
    // draw exactly what one DrawPage does.
    LayoutCursor BeginLayout();
    void LayOutRows(LayoutCursor& cursor, CPageCanvas& canvas, const PageRect& limit, bool draw,
                    size_t throughRow, int throughY);
    // The limit rectangle drawing after a load uses.
    PageRect PageLimit() const { return {0, 0, kPageWidth, model.pageHeight + 5}; }

    // The last scroll position (number of rows - 1; may be -1).
    int LastScrollPos() const { return static_cast<int>(model.rows.size()) - 1; }
    // Applies a scroll request to scrollPos. Returns the new position.
    int Scroll(ScrollRequest request, int thumbPos = 0);
    // The page y shown at the window's top: the top of scroll stop scrollPos
    // (the page's top when there is no such stop).
    int ScrollTop() const;

    struct ButtonPlace {
        size_t button; // index in model.buttons
        int x;
        int y; // client coordinates
    };
    // Where the page buttons stand for the current scroll position in a
    // client area clientHeight pixels high; buttons not listed stay hidden.
    std::vector<ButtonPlace> PlaceButtons(int clientHeight) const;

    // A left click at a client point: the first link hit gets onJump;
    // otherwise each block hit gets onShowAnswer, going on past a block only
    // while it is inline and now revealed.
    void Click(int x, int y, const std::function<void(const CPageLink&)>& onJump,
               const std::function<void(CRevealBlock&)>& onShowAnswer);

    // The reveal block for a code 14 or 18 item of the model (for tests).
    static void ApplyRevealTest(CRevealBlock& block, int revealMode);

private:
    void Reset(const std::string& path, int firstRow);
    void Finish(int firstRow);
};

// The real path of a page path as the game builds it (data folder + "data\"
// + name): backslashes become slashes and components are matched to the disk
// case-insensitively.
std::string ResolvePagePath(const std::string& path);
