// Placing a printed page on the sheet.
#include "pages/PagePrint.h"

#include <gtest/gtest.h>

TEST(PagePrint, ScreenAt96AndPrinterAt600) {
    PagePrintPlacement p = PlacePrintedPage(96, 96, 600, 600, 4800, 6600, 320, 400);
    EXPECT_DOUBLE_EQ(p.xFactor, 6.25);
    EXPECT_DOUBLE_EQ(p.yFactor, 6.25);
    EXPECT_EQ(p.destination.Width(), 2000);
    EXPECT_EQ(p.destination.Height(), 2500);
    EXPECT_EQ(p.destination.left, 2400 - 1000);
    EXPECT_EQ(p.destination.top, 3300 - 1250);
}

TEST(PagePrint, PrinterCoarserThanTheScreenPrintsLarger) {
    PagePrintPlacement p = PlacePrintedPage(96, 96, 72, 72, 612, 792, 320, 100);
    EXPECT_DOUBLE_EQ(p.xFactor, 96.0 / 72.0);
    EXPECT_EQ(p.destination.Width(), 426); // truncated
    EXPECT_EQ(p.destination.Height(), 133);
    EXPECT_EQ(p.destination.left, 306 - 213);
}

TEST(PagePrint, DifferentXAndYResolutionsAndTallPages) {
    PagePrintPlacement p = PlacePrintedPage(96, 96, 300, 600, 2400, 6000, 320, 2000);
    EXPECT_DOUBLE_EQ(p.xFactor, 3.125);
    EXPECT_DOUBLE_EQ(p.yFactor, 6.25);
    EXPECT_EQ(p.destination.Height(), 12500);
    EXPECT_LT(p.destination.top, 0); // centred on the page's middle, cut off
    EXPECT_EQ(p.destination.top, 3000 - 6250);
    // A missing resolution falls back to the same size.
    EXPECT_DOUBLE_EQ(PlacePrintedPage(0, 96, 600, 600, 1, 1, 320, 1).xFactor, 1.0);
}
