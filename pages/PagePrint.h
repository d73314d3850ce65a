// Where a page goes on a printed sheet: at the same physical size as on the
// screen or larger, centred.
#pragma once

#include "pages/PageCanvas.h"

struct PagePrintPlacement {
    double xFactor = 1.0;
    double yFactor = 1.0;
    PageRect destination; // in printer pixels, on the printable area
};

// The factors are the larger resolution over the smaller (both at least 1);
// a page taller than the sheet is centred too, its top and bottom cut off.
PagePrintPlacement PlacePrintedPage(double screenDpiX, double screenDpiY, double printerDpiX,
                                    double printerDpiY, int printableWidth, int printableHeight,
                                    int pageWidth, int pageHeight);
