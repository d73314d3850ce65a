// CMuWnd: the page window. An MDI child of the main frame's MDI area that
// shows hint, answer and instruction pages, scrolls them in rows, reveals
// answers on a click, places the page's buttons beside their rows and prints
// the page. Closing it only minimises it until allowDestroy is set. A page of
// any length shows: it is laid out only as far down as it shows, and what the
// layout drew is replayed straight into the rows on show
// (pages/qt/PageRecords.h); no picture of the page is kept.
#pragma once

#include "pages/PageView.h"

#include <QImage>
#include <QMdiSubWindow>
#include <QPushButton>
#include <memory>
#include <string>
#include <vector>

class QMdiArea;
class QScrollBar;
class QPaintDevice;
class CPageArea;

// A page button: an empty-captioned push button standing on one row. Its
// text from the page file is kept with it, not shown.
class CPageButton : public QPushButton {
    Q_OBJECT
public:
    CPageButton(const std::string& text, int rowIndex, int id, QWidget* parent);
    const std::string& Text() const { return m_text; }
    int RowIndex() const { return m_rowIndex; }
    int Id() const { return m_id; }

private:
    std::string m_text;
    int m_rowIndex;
    int m_id;
};

class CMuWnd : public QMdiSubWindow {
    Q_OBJECT
public:
    // The window is created hidden. With an MDI area it is added to it.
    explicit CMuWnd(QMdiArea* area = nullptr);
    ~CMuWnd() override;

    // Reads the page at path, builds the page model and draws it. path may use
    // backslashes and any letter case (names are matched against the disk).
    // False on a file error (reported when reportFailure is true). A
    // minimised window is restored to show the page.
    virtual bool LoadPage(const std::string& path, int firstRow = 0, bool reportFailure = true,
                          int revealMode = 0);
    // Draws the page again after a reveal (same page height).
    void RedrawPage();
    // The standard Print command (id 57607): prints the page on one sheet.
    void PrintPage();
    // A close request: closes when allowDestroy is set, else only minimises.
    virtual void CloseOrHide();

    // The smallest y (in the MDI area) the window's top may take. Written by
    // the main frame (the height of its button bar).
    int topLimit = 0;
    // Set by the main frame just before the program ends; until then a close
    // request only minimises the window.
    bool allowDestroy = false;

    // The client area (the page, without the scroll bar), for sizing.
    QWidget* ClientArea() const;
    QScrollBar* VerticalScrollBar() const { return m_scrollBar; }
    int ScrollPos() const { return m_view.scrollPos; }
    const std::string& CurrentFile() const { return m_view.currentFile; }
    int PageHeight() const { return m_view.model.pageHeight; }
    // The page view, laid out in full (the window itself lays out only as far
    // as it shows).
    const CPageView& View() const;
    CPageView& View();
    const std::vector<CPageButton*>& Buttons() const { return m_buttons; }
    // The whole page drawn into one bitmap, made when asked (for tests and
    // pictures; the window itself never makes it): null before the first
    // load, or for a page too tall for one bitmap of 64 MiB.
    QImage PageBitmap() const;
    // The action of the Print command (also in the window's context menu).
    QAction* PrintAction() const { return m_printAction; }

    // A vertical scroll request (ScrollRequest) as the scroll bar sends it.
    void OnVScroll(int request, int thumbPos = 0);

    // Test hook: the printer PrintPage uses instead of a fresh one (the print
    // dialog still runs on it). Null restores the default.
    void SetPrinterForTesting(QPaintDevice* printer) { m_testPrinter = printer; }

    // Window-wide maximum size.
    static constexpr int kMaxWidth = 345;
    static constexpr int kMaxHeight = 600;

signals:
    // A page button was pressed (ids from 128). Nothing in the game handles it.
    void PageButtonClicked(int id);
    // The window was activated or got the input focus. The main frame owns
    // its caption and may retitle itself here.
    void PageFocused();

protected:
    virtual void OnJump(const CPageLink& link);
    virtual void OnShowAnswer(CRevealBlock& block);

    void closeEvent(QCloseEvent* event) override;
    void moveEvent(QMoveEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;

private:
    friend class CPageArea;
    // Lays the page out and records what it draws, for painting.
    void LayOutPage();
    void PlaceButtons(bool show);
    void OnScrollAction(int action);
    void OnLButtonDown(int x, int y);
    void PaintPage(QPainter& painter, const QRect& clip);
    void EnsureFonts();

    CPageView m_view;
    class CPageFonts* m_fonts = nullptr;
    std::unique_ptr<class CPageRecords> m_records;
    CPageArea* m_area = nullptr;
    QScrollBar* m_scrollBar = nullptr;
    QAction* m_printAction = nullptr;
    std::vector<CPageButton*> m_buttons;
    QPaintDevice* m_testPrinter = nullptr;
    bool m_tracking = false;
    bool m_activating = false; // PageFocused already sent for this activation
};
