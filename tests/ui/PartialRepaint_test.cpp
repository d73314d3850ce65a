// The board repaints only what a change touched: after each step of a game
// (clicks, marking the rest false, a hint highlighted and moved, undo and redo,
// keys, symbols, the solution) what the screen shows is, pixel for pixel, what
// a board drawn whole from scratch shows; and a click repaints a few cells, not
// the board.
#include "board/qt/DibImage.h"
#include "board/qt/GridView.h"
#include "puzzle/GridDoc.h"
#include "tests/support/BoardFixtures.h"
#include "tests/support/Recorders.h"
#include "tests/support/qt/UiHelpers.h"

#include <QApplication>
#include <QPaintEvent>
#include <QScreen>
#include <QTest>
#include <functional>
#include <gtest/gtest.h>

using namespace testing_support;

namespace {

// Records the region of every paint the viewport gets.
struct PaintWatch : QObject {
    QRegion painted;
    int paints = 0;
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint) {
            painted += static_cast<QPaintEvent*>(event)->region();
            ++paints;
        }
        return false;
    }
};

struct PartialRepaint : ::testing::Test {
    TempDir dir;
    ScopedDataFolder folder{dir.Path()};
    MessageRecorder boxes;
    SoundRecorder sounds;
    CGridDoc doc;
    CGridView* view = nullptr;
    PaintWatch watch;

    PartialRepaint() {
        InstallDibDecoder();
        EXPECT_TRUE(doc.OnOpenDocument(TestPuzzle::WriteTo(dir.Path())));
        view = Make();
        view->viewport()->installEventFilter(&watch);
        view->show();
        view->OnInitialUpdate();
        Pump();
    }
    ~PartialRepaint() override { delete view; }

    CGridView* Make() {
        auto* v = new CGridView;
        v->SetGridDocument(&doc);
        v->resize(TestPuzzle::kWidth + 2 * v->frameWidth() + 30,
                  TestPuzzle::kHeight + 2 * v->frameWidth() + 20);
        return v;
    }

    // What the screen holds for the viewport now, without asking for a paint.
    QImage Screen() const {
        const QPoint at = view->viewport()->mapTo(view, QPoint(0, 0));
        const QSize size = view->viewport()->size();
        return QGuiApplication::primaryScreen()
            ->grabWindow(view->winId(), at.x(), at.y(), size.width(), size.height())
            .toImage()
            .convertToFormat(QImage::Format_RGB32);
    }

    // The same board drawn whole by a view made just now.
    QImage Reference() {
        CGridView* fresh = Make();
        fresh->hintMode = view->hintMode;
        fresh->solutionShown = view->solutionShown;
        fresh->SetShowSymbols(view->ShowSymbols());
        fresh->SetColors(view->Colors());
        fresh->OnInitialUpdate();
        QImage image = fresh->viewport()->grab().toImage().convertToFormat(QImage::Format_RGB32);
        delete fresh;
        return image;
    }

    void Click(int column, int row) {
        QTest::mouseClick(view->viewport(), Qt::LeftButton, {},
                          QPoint(TestPuzzle::kOffsetX + column * TestPuzzle::kCellSize + 5,
                                 TestPuzzle::kOffsetY + row * TestPuzzle::kCellSize + 5));
    }
    void Key(Qt::Key key) { QTest::keyClick(view, key); }
};

struct Step {
    const char* what;
    std::function<void(PartialRepaint&)> run;
    // The most the step may repaint, in cells' worth of area (0: any).
    int maxCells;
};

TEST_F(PartialRepaint, EveryStepShowsWhatAWholeRepaintShows) {
    const int cell = (TestPuzzle::kCellSize + 1) * (TestPuzzle::kCellSize + 2);
    const Step steps[] = {
        {"a click marks false", [](PartialRepaint& t) { t.Click(1, 0); }, 1},
        {"a second click marks true", [](PartialRepaint& t) { t.Click(1, 0); }, 1},
        {"a click marks false elsewhere", [](PartialRepaint& t) { t.Click(4, 2); }, 1},
        {"true marks the rest of its lines false",
         [](PartialRepaint& t) {
             t.view->markRestFalse = true;
             t.Click(3, 1);
             t.Click(3, 1);
         },
         2 + 5 + 3},
        {"a hint is highlighted",
         [](PartialRepaint& t) {
             t.doc.SetHighlightedHint(3);
             t.view->OnInitialUpdate();
         },
         2},
        {"the highlight moves",
         [](PartialRepaint& t) {
             t.doc.SetHighlightedHint(1);
             t.view->OnInitialUpdate();
         },
         4},
        {"a click on a highlighted cell", [](PartialRepaint& t) { t.Click(0, 0); }, 1},
        {"undo", [](PartialRepaint& t) { t.view->UndoMark(); }, 1},
        {"undo of a step of many cells",
         [](PartialRepaint& t) {
             t.view->UndoMark();
             t.view->UndoMark();
         },
         2 + 5 + 3},
        {"redo", [](PartialRepaint& t) { t.view->RedoMark(); }, 2 + 5 + 3},
        {"the cursor from the keyboard",
         [](PartialRepaint& t) {
             t.view->activateWindow();
             t.view->setFocus(Qt::TabFocusReason);
             t.Key(Qt::Key_Right);
             t.Key(Qt::Key_Down);
         },
         0},
        {"a mark by key", [](PartialRepaint& t) { t.Key(Qt::Key_T); }, 2 + 5 + 3},
        {"a click hides the cursor", [](PartialRepaint& t) { t.Click(5, 3); }, 4},
        {"symbols on, then a click",
         [](PartialRepaint& t) {
             t.view->SetShowSymbols(true);
             Pump();
             t.watch.painted = QRegion();
             t.Click(2, 3);
             t.Click(2, 2);
             t.Click(2, 2);
         },
         2 + 2 + 5 + 3},
        {"no highlight",
         [](PartialRepaint& t) {
             t.doc.SetHighlightedHint(0);
             t.view->OnInitialUpdate();
         },
         2},
        {"the solution shown",
         [](PartialRepaint& t) {
             t.view->solutionShown = true;
             t.view->OnInitialUpdate();
         },
         0},
    };
    for (const Step& step : steps) {
        SCOPED_TRACE(step.what);
        watch.painted = QRegion();
        step.run(*this);
        Pump();
        const QImage screen = Screen();
        const QImage reference = Reference();
        ASSERT_EQ(screen.size(), reference.size());
        // The cursor's frame is drawn on the screen only, over the board (its
        // pen reaches a pixel past its rectangle).
        const QRect cursor =
            view->CursorShown() ? view->CursorRect().adjusted(-1, -1, 1, 1) : QRect();
        int differ = 0;
        for (int y = 0; y < screen.height(); ++y)
            for (int x = 0; x < screen.width(); ++x)
                if (!cursor.contains(x, y) && screen.pixel(x, y) != reference.pixel(x, y))
                    ++differ;
        EXPECT_EQ(differ, 0);
        if (step.maxCells > 0) {
            int area = 0;
            for (const QRect& r : watch.painted)
                area += r.width() * r.height();
            EXPECT_GT(area, 0);
            EXPECT_LE(area, step.maxCells * cell);
        }
    }
}

} // namespace
