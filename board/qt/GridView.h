// CGridView: the board. Draws the puzzle picture, the colour key, the cell
// marks, the highlighted hint's cells and, once the solution is shown, a cross
// in every answer cell; turns a left click into a cell and marks it, or in
// hint mode asks which hints name it and passes that to the cell-hint dialog.
//
// The main frame creates the view (and its frame, CChildFrame), attaches the
// CGridDoc with SetGridDocument, gives it its cell-hint dialog
// (CreateHintDialog or SetHintDialog), switches hintMode and solutionShown,
// and calls OnInitialUpdate after opening a puzzle and after changing the
// highlighted hint, hint mode or solution shown. The colours come from the
// settings file on construction and from SetColors afterwards.
//
// The board can be played from the keyboard too: a cell cursor moves with the
// arrow keys (Home and End to the row's ends, Page Up and Page Down to the
// sub-grid above or below), Space does what a click on the cursor's cell does,
// F, T and Delete (or Backspace) set false, true and empty. The cursor shows,
// as a frame over its cell, once the board has the focus from the keyboard or
// a key has been pressed on it; a click moves it to the clicked cell and hides
// it. Each game keeps its cursor place for the run. Every change of marks is
// recorded in the document's history, which UndoMark and RedoMark walk.
//
// Drawing goes to a board image in picture pixels that stands for the screen
// contents: a paint that leaves the picture out (right after a click changed a
// cell) draws the key and the marks over what the image already shows, just
// as the board has always been drawn on the screen. A paint draws only the
// region it exposes, and a change asks for the cells it changed (the cursor's
// frame, the old and new highlighted hint) rather than the whole board; the
// key is drawn once and kept until its colours or the screen's density change.
#pragma once

#include "board/Settings.h"
#include "board/qt/CellHintDlg.h"
#include "board/qt/DibView.h"
#include "puzzle/BoardLayout.h"

#include <QImage>
#include <QPointer>
#include <QRegion>
#include <functional>
#include <map>
#include <string>
#include <vector>

class CGridDoc;
class CHintHost;

class CGridView : public CDibView {
    Q_OBJECT
public:
    // Key box and texts, in picture pixels.
    static constexpr int kKeyLeft = 14, kKeyTop = 9, kKeyRight = 56, kKeyBottom = 64;
    static constexpr int kKeyTrueX = 27, kKeyTrueY = 27;
    static constexpr int kKeyFalseX = 27, kKeyFalseY = 44;
    static constexpr int kKeyTitleX = 23, kKeyTitleY = 10;

    // Reads the three colours from the settings file (defaults when missing).
    explicit CGridView(QWidget* parent = nullptr);
    ~CGridView() override;

    void SetGridDocument(CGridDoc* document);
    CGridDoc* GetGridDocument() const { return m_gridDoc; }

    // The cell-hint dialog, owned by the view (it is deleted with the view).
    // CreateHintDialog makes it from template 135, hidden, as a child of the
    // view calling back into host.
    CCellHintDlg* CreateHintDialog(CHintHost* host);
    void SetHintDialog(CCellHintDlg* dialog);
    CCellHintDlg* HintDialog() const { return m_hintDialog.data(); }

    // Clicks look up hints instead of marking.
    bool hintMode = false;
    // Crosses are drawn in the answer cells and marking is off.
    bool solutionShown = false;

    // Stores the colours, makes the next paint draw the picture, and
    // repaints the whole board without erasing.
    void SetColors(board::RgbColor hint, board::RgbColor trueColor, board::RgbColor falseColor);
    void SetColors(const board::BoardColors& colors);

    // Marking a cell true also marks false the other empty cells of its row
    // and column inside its sub-grid (one step for undo).
    bool markRestFalse = false;
    // Marks carry shapes as well as colours: a check for true, a dot for false.
    void SetShowSymbols(bool on);
    bool ShowSymbols() const { return m_showSymbols; }

    // The cell cursor: its cell (false when the board has no cells), whether
    // it is drawn now, and a move to a cell of the board.
    bool CursorCell(int& column, int& row);
    bool CursorShown() const;
    void SetCursorCell(int column, int row);
    // The cell frame the cursor draws, in viewport pixels.
    QRect CursorRect() const;

    // Takes back the last change of marks, or gives it again. False when there
    // is none or the game has ended.
    bool CanUndoMark() const;
    bool CanRedoMark() const;
    bool UndoMark();
    bool RedoMark();
    board::RgbColor GetHintColor() const { return m_colors.hint; }
    board::RgbColor GetTrueColor() const { return m_colors.trueColor; }
    board::RgbColor GetFalseColor() const { return m_colors.falseColor; }
    board::BoardColors Colors() const { return m_colors; }

    // The two drawing flags: the next paint must draw the picture (cleared by
    // every paint that draws it); and false right after a click changed a
    // cell, so that the next paint leaves the picture out.
    bool FullRedraw() const { return m_fullRedraw; }
    bool PictureDrawn() const { return m_pictureDrawn; }
    // How many paints drew the picture (for tests and measurements).
    int PictureDraws() const { return m_pictureDraws; }

    void OnInitialUpdate() override;

    // The left-click handler, point in client (viewport) coordinates.
    void OnLButtonDown(QPoint point);
    // The cell coordinates of a client point: scroll position and grid
    // offsets applied, then divided by the cell size where not negative (a
    // negative value is left undivided and so names no cell). False when the
    // board has no usable cell size or the point is out of any cell's range.
    bool PointToCell(QPoint point, int& column, int& row) const;

    // Runs the paint steps into the board image now (what a paint does before
    // it copies the image to the screen), for the whole image or only for the
    // given region in picture pixels.
    void RenderBoard();
    void RenderBoard(const QRegion& region);
    // The rectangle, in picture pixels, that cell (column, row) draws in: its
    // fill and what the hint and the crosses put over it (empty when the cell
    // lies beyond the board image's reach).
    QRect CellArea(int column, int row) const;
    // The board image in picture pixels (its top-left is the picture's). On a
    // high-density screen it holds device pixels: its device pixel ratio says
    // how many to a picture pixel.
    const QImage& BoardImage() const { return m_canvas; }
    // The picture twice the size that a high-density screen shows: the
    // picture's file name with "@2x" before ".bmp", when that file is a
    // bitmap of exactly twice the picture's size; else null (the picture is
    // then scaled up).
    const QImage& SharpPicture();

signals:
    // A click changed the mark of cell (column, row).
    void cellToggled(int column, int row);
    // The marks changed: by a click, a key, an undo or a redo.
    void marksChanged();

protected:
    void OnDraw(QPainter& painter) override;
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    // The release of a left click is the board's too: it goes no further
    // (the frame round the board would repaint its caption for it).
    void mouseReleaseEvent(QMouseEvent* event) override;
    // The second press of a quick double click is a click like any other.
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    // What a click on (column, row) does, once the point is turned into a cell.
    void ClickCell(bool onBoard, int column, int row);
    // Sets the cursor's cell to state as the clicks that lead there would.
    void SetCursorMark(int state);
    // Runs change on the board as one undoable step; then, when it changed
    // anything, the cell's mark is repainted without the picture.
    bool MarkStep(int column, int row, const std::function<bool()>& change);
    // The cell became true: the rest of its lines in the sub-grid false.
    void MarkRestIfTrue(int column, int row);
    // The layout and the cursor of the document's game, made again when the
    // game or its cells change.
    const CBoardLayout& Layout();
    // The pixels the cursor's frame covers, in viewport pixels.
    QRect CursorArea() const;
    void ScrollToCursor();
    void DrawCursor(QPainter& painter);
    void DrawSymbol(QPainter& painter, long long x, long long y, long long size, int state,
                    const QColor& fill);

    void DrawKey(QPainter& painter);
    void PaintKey(QPainter& painter);
    void DrawCells(QPainter& painter, const QRect& bounds);
    void DrawHint(QPainter& painter, const QRect& bounds);
    void DrawSolution(QPainter& painter, const QRect& bounds);

    // What the board image shows now, so that a change repaints only what it
    // changed.
    struct Shown {
        std::string game;
        const void* picture = nullptr;
        std::size_t cells = 0;
        int hint = 0;
        bool solution = false;
        std::vector<int> states;
    };
    Shown CurrentBoard() const;
    // Asks for the cells whose marks differ from what is shown.
    void UpdateChangedCells();
    // Asks for a rectangle in picture pixels to be repainted.
    void UpdatePictureRect(const QRect& area);
    // The cells of hint n (1-based), as areas.
    void AddHintAreas(int hint, QRegion& region) const;

    CGridDoc* m_gridDoc = nullptr;
    QPointer<CCellHintDlg> m_hintDialog;
    board::BoardColors m_colors = board::kDefaultColors;
    bool m_fullRedraw = true;
    bool m_pictureDrawn = true;
    bool m_eraseNext = true;
    int m_pictureDraws = 0;
    QImage m_canvas;
    Shown m_shown;
    // Parts of the board image to be blanked and drawn from the picture again
    // (where the highlighted hint was), in picture pixels.
    QRegion m_repicture;
    // The key as drawn, for these colours at this density.
    QImage m_key;
    board::BoardColors m_keyColors{};

    bool m_showSymbols = false;
    CBoardLayout m_layout;
    std::string m_layoutGame;
    std::size_t m_layoutCells = 0;
    bool m_hasCursor = false;
    QPoint m_cursor;
    bool m_cursorVisible = false;
    std::map<std::string, QPoint> m_cursors; // per game, for the run
    std::string m_sharpFor;                  // the picture path m_sharp was looked for
    QImage m_sharp;
};
