// The page window replays what the layout drew into the rows on show: at every
// scroll position, and in a strip of rows either side of a band's edge, the
// window shows exactly the rows of the whole page drawn in one bitmap, though
// it lays the page out only as far as it shows; every bundled page shows as
// drawn straight on the page canvas; a page far taller than one bitmap could
// be shows and scrolls.
#include "pages/qt/MuWnd.h"
#include "pages/qt/PageRecords.h"
#include "pages/qt/QtPageCanvas.h"
#include "tests/support/qt/PageWindowTest.h"

#include <QDir>
#include <QImage>
#include <QScrollBar>
#include <gtest/gtest.h>
#include <vector>

namespace {

// A page of records: headings, tabbed text, links and answers to reveal.
std::string Page(int records) {
    std::string page = "Hint 7: Who keeps the zebra?\r\n";
    for (int n = 0; n < records; ++n) {
        switch (n % 5) {
        case 0:
            page += "Clues that matter " + std::to_string(n) + "\r\n10\r\n1\r\n";
            break;
        case 1:
        case 2:
            page += "The Norwegian lives next to the blue house;\tthe milk is drunk in the "
                    "middle.\r\n13\r\n1\r\n";
            break;
        case 3:
            page += "See hint 3\r\n12\r\n1\r\n120\r\n5\r\nlogic1_03.htf\r\n";
            break;
        default:
            page += "\r\n14\r\n1\r\nAnswer\r\nstart\r\n10\r\n200\r\nClick to see the "
                    "answer\r\n10\r\n220\r\nThe Japanese keeps the zebra.\r\nend\r\n";
            break;
        }
    }
    return page;
}

struct PageRecords : testing_support::PageWindowTest {
    std::string Write(int records) {
        const std::string path = dir.File("page_" + std::to_string(records) + ".htf");
        testing_support::WriteBytes(path, Page(records));
        return path;
    }
    // The page as one bitmap drawn straight on the page canvas, as the window
    // always drew it.
    QImage DrawnStraight(const QSize& size) {
        QImage direct(size, QImage::Format_RGB32);
        direct.fill(Qt::white);
        QPainter painter(&direct);
        CPageFonts fonts;
        CQtPageCanvas canvas(painter, fonts, 0, direct.height());
        wnd->View().DrawPage(canvas, wnd->View().PageLimit());
        painter.end();
        return direct;
    }
};

// Rows of the client that differ from the whole page's rows from top on
// (white past the page's bottom and right of it).
int RowsDiffering(const QImage& client, const QImage& page, int top) {
    int rows = 0;
    for (int y = 0; y < client.height(); ++y) {
        bool same = true;
        for (int x = 0; x < client.width() && same; ++x) {
            const bool onPage = x < page.width() && top + y < page.height();
            const QRgb want = onPage ? page.pixel(x, top + y) : qRgb(255, 255, 255);
            same = (client.pixel(x, y) & 0xFFFFFF) == (want & 0xFFFFFF);
        }
        rows += !same;
    }
    return rows;
}

TEST_F(PageRecords, EveryScrollPositionShowsTheRowsOfTheWholePage) {
    ASSERT_TRUE(wnd->LoadPage(Write(400)));
    EXPECT_EQ(boxes.count(), 0u);
    // What the window shows while it has laid the page out only as far as
    // it showed: the top, rows across band edges, a jump far down, the last
    // rows and back up.
    const int last = wnd->VerticalScrollBar()->maximum();
    const std::vector<int> positions{0, 1, 17, 18, 19, 40, last / 2, last - 3, last, 5};
    std::vector<QImage> shown;
    for (int pos : positions) {
        wnd->OnVScroll(scrollThumbPosition, pos);
        shown.push_back(Client());
    }
    const QImage page = wnd->PageBitmap();
    ASSERT_FALSE(page.isNull());
    ASSERT_GT(page.height(), 4 * CPageRecords::kBandHeight);
    EXPECT_EQ(DrawnStraight({CPageView::kPageWidth, wnd->PageHeight()}), page);
    const int band = CPageRecords::kBandHeight;
    for (size_t i = 0; i < positions.size(); ++i) {
        SCOPED_TRACE(positions[i]);
        wnd->OnVScroll(scrollThumbPosition, positions[i]);
        const int top = wnd->View().ScrollTop();
        EXPECT_EQ(RowsDiffering(shown[i], page, top), 0);
        EXPECT_EQ(RowsDiffering(Client(), page, top), 0);
        // Only the rows just above or just below a band's edge painted: text
        // that reaches across the edge shows on both sides.
        QWidget* client = wnd->ClientArea();
        for (int edge = band - top % band; edge < client->height(); edge += band)
            for (int y : {edge - 5, edge}) {
                if (y < 0)
                    continue;
                const QImage strip = client->grab(QRect(0, y, client->width(), 5)).toImage();
                EXPECT_EQ(RowsDiffering(strip, page, top + y), 0) << y;
            }
    }
    // A reveal draws the page again: still the same rows as the whole page.
    wnd->OnVScroll(scrollTop);
    wnd->View().model.blocks[0]->revealed = true;
    wnd->RedrawPage();
    const QImage revealedTop = Client();
    const QImage revealed = wnd->PageBitmap();
    EXPECT_NE(revealed, page);
    EXPECT_EQ(RowsDiffering(revealedTop, revealed, 0), 0);
}

// Every bundled page, shown in the window, is the page drawn straight on the
// page canvas (measured and drawn text by text, as the window always drew it).
TEST_F(PageRecords, BundledPagesShowAsDrawnStraightOnTheCanvas) {
    const QDir data(QString::fromStdString(testing_support::SourcePath("gamedata/data")));
    const QStringList names = data.entryList({"*.htf"}, QDir::Files, QDir::Name);
    ASSERT_GT(names.size(), 100);
    for (const QString& name : names) {
        SCOPED_TRACE(name.toStdString());
        ASSERT_TRUE(wnd->LoadPage(data.filePath(name).toStdString()));
        const QImage shown = Client();
        const QImage page = wnd->PageBitmap();
        ASSERT_FALSE(page.isNull());
        const QImage direct = DrawnStraight(page.size());
        EXPECT_EQ(direct, page);
        EXPECT_EQ(RowsDiffering(shown, direct, wnd->View().ScrollTop()), 0);
    }
    EXPECT_EQ(boxes.count(), 0u);
}

// Far down a long page, a page button stands beside its row as in a window
// that laid the page out in full: in a hidden window, which paints nothing
// and so lays out only the rows the buttons ask for, and while scrolling.
TEST_F(PageRecords, AButtonFarDownStandsWhereTheWholePageLaysItOut) {
    std::string page = Page(300);
    page += "\r\n11\r\n0\r\nMark\r\nThe German keeps the fish.\r\n13\r\n1\r\n";
    const std::string more = Page(40);
    page += more.substr(more.find("\r\n") + 2);
    const std::string path = dir.File("button.htf");
    testing_support::WriteBytes(path, page);

    ASSERT_TRUE(wnd->LoadPage(path));
    ASSERT_EQ(wnd->Buttons().size(), 1u);
    const int row = wnd->Buttons()[0]->RowIndex();
    ASSERT_GT(row, 200);
    (void)wnd->View(); // laid out in full
    auto* other = new CMuWnd(&area);
    other->setGeometry(wnd->geometry());
    auto sameButton = [&] {
        EXPECT_EQ(other->Buttons()[0]->isHidden(), wnd->Buttons()[0]->isHidden());
        EXPECT_EQ(other->Buttons()[0]->pos(), wnd->Buttons()[0]->pos());
    };
    bool shown = false;
    for (int pos : {row - 30, row - 8, row}) {
        SCOPED_TRACE(pos);
        wnd->OnVScroll(scrollThumbPosition, pos);
        shown = shown || !wnd->Buttons()[0]->isHidden();
        other->hide();
        ASSERT_TRUE(other->LoadPage(path, pos));
        ASSERT_TRUE(other->isHidden());
        sameButton();
        other->show();
        ASSERT_TRUE(other->LoadPage(path));
        other->OnVScroll(scrollThumbPosition, pos);
        sameButton();
    }
    EXPECT_TRUE(shown);
    other->allowDestroy = true;
    other->close();
}

TEST_F(PageRecords, APageOfTenThousandRecordsShowsAndScrolls) {
    ASSERT_TRUE(wnd->LoadPage(Write(10000)));
    EXPECT_EQ(boxes.count(), 0u);
    // Too tall for one bitmap of the page.
    EXPECT_TRUE(wnd->PageBitmap().isNull());
    const int last = wnd->VerticalScrollBar()->maximum();
    ASSERT_GT(last, 8000);
    using testing_support::CountNonWhite;
    const QImage top = Client();
    EXPECT_GT(CountNonWhite(top), 500);
    for (int pos = 0; pos <= last; pos += 997) {
        wnd->OnVScroll(scrollThumbPosition, pos);
        EXPECT_GT(CountNonWhite(Client()), 100) << pos;
    }
    wnd->OnVScroll(scrollBottom);
    EXPECT_EQ(wnd->ScrollPos(), last);
    EXPECT_GT(CountNonWhite(Client()), 100);
    // Back at the top the same rows show as before.
    wnd->OnVScroll(scrollTop);
    EXPECT_EQ(Client(), top);
    // A page of ordinary height afterwards is one bitmap again.
    ASSERT_TRUE(wnd->LoadPage(Write(40)));
    EXPECT_FALSE(wnd->PageBitmap().isNull());
    EXPECT_EQ(boxes.count(), 0u);
}

} // namespace
