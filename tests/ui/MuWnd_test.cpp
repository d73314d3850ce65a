// The page window inside an MDI area: loading, drawing, clicks, scrolling,
// page buttons, closing, bitmap failures and printing to PDF.
#include "pages/Texts.h"
#include "pages/qt/MuWnd.h"
#include "tests/support/PageFixtures.h"
#include "tests/support/qt/PageWindowTest.h"

#include <QApplication>
#include <QImage>
#include <QPrinter>
#include <QProcess>
#include <QScrollBar>
#include <QTest>
#include <gtest/gtest.h>

namespace {

std::string SamplePage() {
    return testing_support::SourcePath("fuzz/corpus/page_file/sample.htf");
}

bool IsColour(QRgb px, int r, int g, int b) {
    return qRed(px) == r && qGreen(px) == g && qBlue(px) == b;
}

// Pixels of exactly that colour inside rect of image.
int CountColour(const QImage& image, const QRect& rect, int r, int g, int b) {
    int n = 0;
    QRect clipped = rect.intersected(image.rect());
    for (int y = clipped.top(); y <= clipped.bottom(); ++y)
        for (int x = clipped.left(); x <= clipped.right(); ++x)
            n += IsColour(image.pixel(x, y), r, g, b);
    return n;
}

// The window showing the sample page.
class MuWndTest : public testing_support::PageWindowTest {
protected:
    MuWndTest() { EXPECT_TRUE(wnd->LoadPage(SamplePage())); }
    QRect ClientBox(const PageRect& box) const {
        int top = wnd->View().ScrollTop();
        return QRect(box.left, box.top - top, box.Width(), box.Height());
    }
    void Click(int x, int y) {
        QTest::mouseClick(wnd->ClientArea(), Qt::LeftButton, {}, QPoint(x, y));
        testing_support::Pump();
    }
};

} // namespace

TEST_F(MuWndTest, SamplePageLoadsAndDraws) {
    EXPECT_EQ(boxes.count(), 0u);
    EXPECT_EQ(wnd->windowTitle(), "Hint 3: The Blue House");
    EXPECT_EQ(wnd->CurrentFile(), SamplePage());
    const CPageModel& model = wnd->View().model;
    EXPECT_EQ(wnd->VerticalScrollBar()->maximum(), static_cast<int>(model.rows.size()) - 1);
    EXPECT_EQ(wnd->PageBitmap().width(), 320);
    EXPECT_EQ(wnd->PageBitmap().height(), wnd->PageHeight());
    // Ids, rows and places of the buttons are the page reader's and layout's;
    // the window shows them as pushbuttons drawing no text of their own.
    ASSERT_EQ(wnd->Buttons().size(), 2u);
    EXPECT_TRUE(wnd->Buttons()[0]->text().isEmpty());
    EXPECT_EQ(wnd->Buttons()[0]->size(), QSize(30, 14));
    EXPECT_TRUE(wnd->Buttons()[0]->isVisible());

    QImage shot = Client();
    // The heading is drawn in black, the hidden answers in red, the
    // pre-revealed "2." block in black, links in green.
    EXPECT_GT(CountColour(shot, QRect(0, 0, 320, 40), 0, 0, 0), 50);
    const CRevealBlock& hidden = *model.blocks[0];
    EXPECT_GT(CountColour(wnd->PageBitmap(),
                          QRect(hidden.entries[0].hiddenBox.left, hidden.entries[0].hiddenBox.top,
                                hidden.entries[0].hiddenBox.Width(),
                                hidden.entries[0].hiddenBox.Height()),
                          255, 0, 0),
              20);
    const CPageLink& link = model.links[1];
    EXPECT_GT(CountColour(wnd->PageBitmap(),
                          QRect(link.box.left, link.box.top, link.box.Width(), link.box.Height()),
                          0, 155, 0),
              10);
}

TEST_F(MuWndTest, ClickOnHiddenBlockShowsTheTitleAndDrawsItMagenta) {
    const CRevealBlock& block = *wnd->View().model.blocks[0];
    ASSERT_FALSE(block.revealed);
    // Scroll so the block is on screen.
    int stop = 0;
    while (wnd->View().ScrollTop() + 300 < block.entries[0].hiddenBox.top && stop++ < 100)
        wnd->OnVScroll(scrollLineDown);
    QRect box = ClientBox(block.entries[0].hiddenBox);
    EXPECT_GT(CountColour(Client(), box, 255, 0, 0), 20);

    Click(box.center().x(), box.center().y());
    ASSERT_EQ(boxes.count(), 1u);
    EXPECT_EQ(boxes.last().text, "The German owns the fish.");
    EXPECT_EQ(boxes.last().caption, "And the Answer is...");
    EXPECT_EQ(boxes.last().style, platform::MB_OK);
    EXPECT_TRUE(block.revealed);
    QRect shown = ClientBox(block.entries[0].revealedBox);
    QImage after = Client();
    EXPECT_GT(CountColour(after, shown, 255, 0, 255), 20);
    EXPECT_EQ(CountColour(after, shown, 255, 0, 0), 0);
    // (A second click hides it again: PageLayout_test.)
}

TEST_F(MuWndTest, ButtonsFollowScrollingAndHideWhileTheThumbIsDragged) {
    CPageButton* first = wnd->Buttons()[0];
    QPoint start = first->pos();
    const int firstRowHeight = wnd->View().model.rows[0].height;
    wnd->OnVScroll(scrollLineDown);
    EXPECT_EQ(wnd->ScrollPos(), 1);
    EXPECT_EQ(wnd->VerticalScrollBar()->value(), 1);
    EXPECT_TRUE(first->isVisible());
    EXPECT_EQ(first->pos(), start - QPoint(0, firstRowHeight));

    wnd->OnVScroll(scrollThumbTrack, 2);
    EXPECT_EQ(wnd->ScrollPos(), 2);
    for (CPageButton* b : wnd->Buttons())
        EXPECT_FALSE(b->isVisible());
    wnd->OnVScroll(scrollThumbPosition, 2);
    EXPECT_TRUE(first->isVisible());

    // The real scroll bar's page step moves 15 rows.
    wnd->OnVScroll(scrollTop);
    wnd->VerticalScrollBar()->triggerAction(QAbstractSlider::SliderPageStepAdd);
    EXPECT_EQ(wnd->ScrollPos(), 15);
    wnd->VerticalScrollBar()->triggerAction(QAbstractSlider::SliderToMaximum);
    EXPECT_EQ(wnd->ScrollPos(), wnd->View().LastScrollPos());
    wnd->VerticalScrollBar()->triggerAction(QAbstractSlider::SliderSingleStepSub);
    EXPECT_EQ(wnd->ScrollPos(), wnd->View().LastScrollPos() - 1);
}

TEST_F(MuWndTest, MissingPageReportsAndKeepsTheOldPage) {
    QImage before = wnd->PageBitmap().copy();
    std::string missing = dir.File("nothing_00.htf");
    bool busy = false; // loading shows the busy cursor
    boxes.OnEveryBox([&](const testing_support::RecordedBox&) {
        busy = QGuiApplication::overrideCursor() &&
               QGuiApplication::overrideCursor()->shape() == Qt::WaitCursor;
    });
    EXPECT_FALSE(wnd->LoadPage(missing));
    EXPECT_TRUE(busy);
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
    ASSERT_EQ(boxes.count(), 1u);
    EXPECT_EQ(boxes.last().text, "Unable to load " + missing);
    EXPECT_EQ(boxes.last().caption, "File Error");
    EXPECT_EQ(wnd->windowTitle(), "Hint 3: The Blue House");
    EXPECT_EQ(wnd->PageBitmap(), before);
    EXPECT_EQ(wnd->Buttons().size(), 2u);
}

TEST_F(MuWndTest, PrintsThePageToPdf) {
    QPrinter printer(QPrinter::HighResolution);
    std::string pdf = dir.File("page.pdf");
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(QString::fromStdString(pdf));
    wnd->SetPrinterForTesting(&printer);
    testing_support::ModalDriver driver;
    QString dialogClass;
    driver.Then([&](QDialog* dialog) {
        dialogClass = dialog->metaObject()->className();
        dialog->accept();
    });
    QPoint buttonBefore = wnd->Buttons()[0]->pos();
    wnd->PrintPage();
    EXPECT_EQ(driver.seen(), 1);
    EXPECT_TRUE(dialogClass.contains("PrintDialog")) << dialogClass.toStdString();
    EXPECT_EQ(boxes.count(), 0u);
    ASSERT_FALSE(testing_support::ReadBytes(pdf).empty());

    QProcess text;
    text.start("pdftotext", {QString::fromStdString(pdf), "-"});
    ASSERT_TRUE(text.waitForFinished(30000));
    QString words = QString::fromUtf8(text.readAllStandardOutput());
    EXPECT_TRUE(words.contains("Who lives in the blue house?")) << words.toStdString();

    QProcess raster;
    raster.start("pdftoppm", {"-r", "50", "-png", "-singlefile", QString::fromStdString(pdf),
                              QString::fromStdString(dir.File("sheet"))});
    ASSERT_TRUE(raster.waitForFinished(30000));
    QImage sheet(QString::fromStdString(dir.File("sheet.png")));
    ASSERT_FALSE(sheet.isNull());
    // Centred: ink on both sides of the middle and nothing at the far edges.
    const int ink = testing_support::CountNonWhite(sheet);
    EXPECT_GT(ink, 500);
    EXPECT_EQ(testing_support::CountNonWhite(sheet.copy(0, 0, sheet.width() / 6, sheet.height())),
              0);
    // The screen page is rebuilt with its buttons in place.
    EXPECT_FALSE(wnd->PageBitmap().isNull());
    EXPECT_EQ(wnd->Buttons()[0]->pos(), buttonBefore);
    EXPECT_TRUE(wnd->Buttons()[0]->isVisible());
}

TEST_F(MuWndTest, CancelledPrintDialogPrintsNothingAndAnUnwritableSheetSaysStartDoc) {
    for (bool accept : {false, true}) {
        QPrinter printer(QPrinter::HighResolution);
        std::string pdf = dir.File(accept ? "no/such/folder/x.pdf" : "none.pdf");
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(QString::fromStdString(pdf));
        wnd->SetPrinterForTesting(&printer);
        testing_support::ModalDriver driver;
        driver.Then([accept](QDialog* dialog) { accept ? dialog->accept() : dialog->reject(); });
        wnd->PrintPage();
        EXPECT_EQ(driver.seen(), 1);
        EXPECT_TRUE(testing_support::ReadBytes(pdf).empty());
        EXPECT_EQ(boxes.texts(),
                  accept ? std::vector<std::string>{"StartDoc error"} : std::vector<std::string>{});
    }
}
