#include "pages/PageModel.h"

void CPageModel::Clear() {
    caption.clear();
    items.clear();
    rows.clear();
    scrollStops.clear();
    links.clear();
    buttons.clear();
    blocks.clear();
    pageHeight = 0;
}
