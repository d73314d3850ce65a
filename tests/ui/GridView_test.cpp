// The board view on a small test puzzle: turning clicks into cells, the
// marks, the highlighted hint, the solution crosses, the key, the colours,
// the two drawing flags, and the board frame.
#include "board/HintHost.h"
#include "board/qt/CellHintDlg.h"
#include "board/qt/ChildFrame.h"
#include "board/qt/DibImage.h"
#include "board/qt/GridView.h"
#include "puzzle/GridDoc.h"
#include "tests/support/BoardFixtures.h"
#include "tests/support/Recorders.h"
#include "tests/support/qt/UiHelpers.h"

#include <QApplication>
#include <QMdiArea>
#include <QScrollBar>
#include <QTest>
#include <gtest/gtest.h>

using namespace testing_support;
using board::RgbColor;

namespace {

struct HostRecorder : CHintHost {
    std::vector<int> hints;
    std::vector<bool> modes;
    void ShowHint(int n) override { hints.push_back(n); }
    void SetHintMode(bool on) override { modes.push_back(on); }
};

const QColor kRed(255, 0, 0), kGreen(0, 255, 0), kBlue(0, 0, 255), kWhite(255, 255, 255),
    kBlack(0, 0, 0);

struct BoardFixture : ::testing::Test {
    TempDir dir;
    ScopedDataFolder folder{dir.Path()};
    MessageRecorder boxes;
    CGridDoc doc;
    CGridView* view = nullptr;
    QImage shot;

    BoardFixture() {
        InstallDibDecoder();
        const std::string path = TestPuzzle::WriteTo(dir.Path());
        EXPECT_TRUE(doc.OnOpenDocument(path));
        view = new CGridView;
        view->SetGridDocument(&doc);
        view->resize(TestPuzzle::kWidth + 2 * view->frameWidth(),
                     TestPuzzle::kHeight + 2 * view->frameWidth());
        view->show();
        view->OnInitialUpdate();
        Pump();
    }
    ~BoardFixture() override { delete view; }

    // The board as the player sees it (viewport pixels).
    QImage Grab() {
        shot = view->viewport()->grab().toImage().convertToFormat(QImage::Format_RGB32);
        return shot;
    }
    QColor At(int x, int y) const { return shot.pixelColor(x, y); }
    // Every pixel of the rectangle (x, y, w, h) of the last grab has colour c.
    bool Filled(int x, int y, int w, int h, const QColor& c) const {
        for (int j = y; j < y + h; ++j)
            for (int i = x; i < x + w; ++i)
                if (shot.pixelColor(i, j) != c)
                    return false;
        return true;
    }
    void Click(int x, int y) {
        QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, QPoint(x, y));
    }
    int State(int column, int row) const { return doc.FindCell(column, row)->state; }
    // Grid corner of a cell.
    static int CellX(int column) { return TestPuzzle::kOffsetX + column * TestPuzzle::kCellSize; }
    static int CellY(int row) { return TestPuzzle::kOffsetY + row * TestPuzzle::kCellSize; }
};

} // namespace

TEST_F(BoardFixture, ClicksTurnIntoCellsWithCellSizeAndOffsets) {
    // Left of or above the origin: negative and undivided.
    const struct {
        int x, y, column, row;
    } points[] = {
        {115, 50, 1, 0}, {114, 64, 0, 0}, {99, 60, -1, 0}, {80, 60, -20, 0}, {110, 49, 0, -1}};
    for (const auto& p : points) {
        int column = -9, row = -9;
        view->PointToCell(QPoint(p.x, p.y), column, row);
        EXPECT_EQ(std::pair(column, row), std::pair(p.column, p.row)) << p.x << "," << p.y;
    }
    SoundRecorder sounds;
    Click(99, 60);
    Click(110, 49);
    Click(5, 5);
    EXPECT_TRUE(doc.GetMarkedTrueList().empty());
    // Still a click each time, and the whole board repaints with the picture.
    EXPECT_EQ(sounds.names(), std::vector<std::string>(3, "data\\dxup.wav"));
    EXPECT_TRUE(view->PictureDrawn());
    // A board without a usable cell size hits nothing.
    for (int size : {0, -15}) {
        doc.SetCellSize(size);
        Click(CellX(1), CellY(1));
        Grab();
    }
    doc.SetCellSize(TestPuzzle::kCellSize);
    Click(115, 50);
    Click(114, 64);
    for (const auto& cell : doc.GetCells())
        EXPECT_EQ(cell->state, cell->row == 0 && cell->column <= 1 ? 1 : 0);
}

// The marks behind the colours are GridDoc_test's.
TEST_F(BoardFixture, ThreeClicksShowFalseTrueThenWhite) {
    const int x = CellX(1), y = CellY(0);
    Grab();
    EXPECT_TRUE(Filled(x + 1, y + 1, 14, 14, kWhite));

    Click(x + 5, y + 5);
    Grab();
    EXPECT_TRUE(Filled(x + 1, y + 1, 14, 14, kRed));
    // The picture's grid lines around the fill stay.
    for (auto [dx, dy] : {std::pair{0, 5}, {5, 0}, {15, 5}})
        EXPECT_EQ(At(x + dx, y + dy), kBlack);

    Click(x + 5, y + 5);
    Grab();
    EXPECT_TRUE(Filled(x + 1, y + 1, 14, 14, kGreen));

    Click(x + 5, y + 5);
    Grab();
    EXPECT_TRUE(Filled(x + 1, y + 1, 14, 14, kWhite));
}

TEST_F(BoardFixture, HighlightedHintMarksAnEightPixelSquare) {
    doc.SetHighlightedHint(1); // 0,0 and 1,0
    view->OnInitialUpdate();
    Grab();
    for (int column : {0, 1}) {
        const int fillX = CellX(column) + 1, fillY = CellY(0) + 1;
        EXPECT_TRUE(Filled(fillX + 3, fillY + 4, 8, 8, kBlue)) << column;
        for (auto [dx, dy] : {std::pair{2, 4}, {11, 4}, {3, 3}, {3, 12}})
            EXPECT_EQ(At(fillX + dx, fillY + dy), kWhite);
    }
    // Not hint 2's cell.
    EXPECT_TRUE(Filled(CellX(2) + 1, CellY(1) + 1, 14, 14, kWhite));

    // Over a marked cell the mark stays around the hint square.
    Click(CellX(0) + 2, CellY(0) + 2);
    Grab();
    EXPECT_EQ(At(CellX(0) + 2, CellY(0) + 2), kRed);
    EXPECT_TRUE(Filled(CellX(0) + 4, CellY(0) + 5, 8, 8, kBlue));

    // Numbers outside 1..hint count highlight nothing.
    for (int h : {0, 4, -1}) {
        doc.SetHighlightedHint(h);
        view->OnInitialUpdate();
        Grab();
        EXPECT_EQ(At(CellX(1) + 5, CellY(0) + 6), kWhite) << h;
    }
}

TEST_F(BoardFixture, SolutionShowsPlusShapedCrossesInTheAnswerCells) {
    view->solutionShown = true;
    view->OnInitialUpdate();
    Grab();
    for (auto [column, row] : {std::pair{0, 0}, {2, 1}, {4, 3}}) {
        const int fillX = CellX(column) + 1, fillY = CellY(row) + 1;
        // Vertical bar 2 x 12, horizontal bar 12 x 2, crossing in the middle.
        EXPECT_TRUE(Filled(fillX + 6, fillY + 1, 2, 12, kBlack)) << column;
        EXPECT_TRUE(Filled(fillX + 1, fillY + 6, 12, 2, kBlack)) << column;
        for (auto [dx, dy] : {std::pair{5, 1}, {8, 1}, {6, 0}, {6, 13}, {0, 6}, {13, 6}, {1, 1}})
            EXPECT_EQ(At(fillX + dx, fillY + dy), kWhite) << dx << "," << dy;
    }
    EXPECT_TRUE(Filled(CellX(1) + 1, CellY(0) + 1, 14, 14, kWhite));
}

TEST_F(BoardFixture, InHintModeClicksLookUpHintsEvenWithSolutionShown) {
    HostRecorder host;
    CCellHintDlg* dlg = view->CreateHintDialog(&host);
    ASSERT_EQ(view->HintDialog(), dlg);
    EXPECT_EQ(dlg->parent(), view);
    dlg->show();
    view->hintMode = true;

    Click(CellX(2) + 4, CellY(1) + 4); // hint 2 alone
    EXPECT_EQ(host.hints, std::vector<int>{2});
    EXPECT_EQ(dlg->HintText(), "Hint 2");
    EXPECT_EQ(State(2, 1), 0);

    Click(CellX(5) + 4, CellY(0) + 4); // no hint: keeps "Hint 2"
    EXPECT_EQ(host.hints, std::vector<int>{2});
    EXPECT_EQ(dlg->HintText(), "Hint 2");

    Click(CellX(1) + 4, CellY(0) + 4); // hints 1 and 3: listed, no page
    EXPECT_EQ(host.hints, std::vector<int>{2});
    EXPECT_EQ(dlg->HintText(), "Hint 1, Hint 3");

    view->solutionShown = true;
    Click(CellX(3) + 4, CellY(3) + 4); // hint 3 alone
    EXPECT_EQ(host.hints, (std::vector<int>{2, 3}));
    EXPECT_EQ(dlg->HintText(), "Hint 3");
    for (const auto& cell : doc.GetCells())
        EXPECT_EQ(cell->state, 0);
    // With the solution shown and out of hint mode clicks mark nothing either.
    view->hintMode = false;
    Click(CellX(3) + 4, CellY(2) + 4);
    EXPECT_EQ(State(3, 2), 0);
}

TEST(ChildFrame, ClosingMinimisesTopSnapsBelowTheBarAndTheSizeShowsThePictureWhole) {
    QMdiArea area;
    area.resize(800, 600);
    auto* frame = new CChildFrame;
    auto* view = new CGridView;
    frame->SetView(view);
    area.addSubWindow(frame);
    area.show();
    frame->show();
    Pump();
    EXPECT_EQ(frame->View(), view);
    frame->resize(frame->FrameSizeForPicture({240, 140}));
    Pump();
    EXPECT_EQ(view->viewport()->size(), QSize(240, 140));
    EXPECT_EQ(CChildFrame::ClassicFrameSize({240, 140}), QSize(256, 176));

    frame->minimumTop = 40;
    const QSize size = frame->size();
    for (auto [asked, shown] : {std::pair{QPoint(321, 100), QPoint(321, 100)},
                                {QPoint(300, 10), QPoint(300, 40)},
                                {QPoint(250, -30), QPoint(250, 40)}}) {
        frame->move(asked);
        Pump();
        EXPECT_EQ(frame->pos(), shown);
    }
    EXPECT_EQ(frame->size(), size);

    EXPECT_FALSE(frame->close());
    Pump();
    EXPECT_TRUE(frame->isMinimized());
    EXPECT_TRUE(frame->isVisible());
    frame->mayClose = true;
    frame->showNormal();
    EXPECT_TRUE(frame->close());
    EXPECT_FALSE(frame->isVisible());
}

TEST_F(BoardFixture, TheCursorFrameShowsForKeyboardFocusAndLeavesNoTrace) {
    // Cell (2,1): a cursor frame three pixels of black round it, white on its
    // grid lines; its fill shows whole.
    view->activateWindow();
    QApplication::setActiveWindow(view);
    view->setFocus(Qt::OtherFocusReason);
    view->SetCursorCell(2, 1);
    Pump();
    EXPECT_FALSE(view->CursorShown()); // focus that did not come from the keyboard
    const QImage plain = Grab();
    view->clearFocus();
    view->setFocus(Qt::TabFocusReason);
    Pump();
    ASSERT_TRUE(view->CursorShown());
    Grab();
    const int x = CellX(2), y = CellY(1);
    for (auto [dx, dy] : {std::pair{-1, 7}, {-3, 7}, {17, 7}, {7, 16}})
        EXPECT_EQ(At(x + dx, y + dy), kBlack);
    EXPECT_EQ(At(x, y + 7), kWhite);
    EXPECT_EQ(At(x + 15, y + 7), kWhite);
    EXPECT_EQ(plain.pixelColor(x - 1, y + 7), kWhite); // the cell to the left's fill

    int column = 0, row = 0;
    // A click moves the cursor there and hides it until a key is pressed.
    Click(CellX(0) + 5, CellY(3) + 5);
    ASSERT_TRUE(view->CursorCell(column, row));
    EXPECT_EQ(std::make_pair(column, row), std::make_pair(0, 3));
    EXPECT_FALSE(view->CursorShown());
    QTest::keyClick(view, Qt::Key_Up);
    EXPECT_TRUE(view->CursorShown());
}
