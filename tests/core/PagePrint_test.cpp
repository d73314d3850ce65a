// Placing a printed page on the sheet.
#include "pages/PagePrint.h"

#include <gtest/gtest.h>

// Screen and printer resolutions, the printable area and the page's size; the
// scale factors and where the page lands (centred, sizes truncated).
TEST(PagePrint, ThePageIsScaledToThePrinterAndCentredOnTheSheet) {
    const struct {
        int screenX, screenY, printerX, printerY, sheetW, sheetH, pageW, pageH;
        double xFactor, yFactor;
        PageRect destination;
    } cases[] = {
        {96, 96, 600, 600, 4800, 6600, 320, 400, 6.25, 6.25, {1400, 2050, 3400, 4550}},
        // A printer coarser than the screen prints larger.
        {96, 96, 72, 72, 612, 792, 320, 100, 96.0 / 72.0, 96.0 / 72.0, {93, 330, 519, 463}},
        // X and Y differ; a tall page is cut off round its middle.
        {96, 96, 300, 600, 2400, 6000, 320, 2000, 3.125, 6.25, {700, -3250, 1700, 9250}},
    };
    for (const auto& c : cases) {
        const PagePrintPlacement p = PlacePrintedPage(c.screenX, c.screenY, c.printerX, c.printerY,
                                                      c.sheetW, c.sheetH, c.pageW, c.pageH);
        EXPECT_DOUBLE_EQ(p.xFactor, c.xFactor) << c.printerX;
        EXPECT_DOUBLE_EQ(p.yFactor, c.yFactor) << c.printerX;
        EXPECT_EQ(p.destination, c.destination) << c.printerX;
    }
    // A missing resolution falls back to the same size.
    EXPECT_DOUBLE_EQ(PlacePrintedPage(0, 96, 600, 600, 1, 1, 320, 1).xFactor, 1.0);
}
