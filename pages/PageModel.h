// The page model: what reading a page file builds. One CPageItem per record
// in file order, the rows and the scroll stops, the links, the button data and
// the reveal blocks.
#pragma once

#include "pages/RevealBlock.h"

#include <memory>
#include <string>
#include <vector>

struct CPageItem {
    std::string text;
    int style = 0;
    bool endOfRow = false;
};

// Used for two lists: rows (first item and height) and scroll stops (height
// and top).
struct CPageRow {
    int firstItem = 0;
    int height = 0;
    int top = 0;
};

struct CPageLink {
    PageRect box;
    std::string target;
};

// What the page window needs to make one page button.
struct CPageButtonData {
    std::string text;
    int rowIndex = 0;
    int id = 0;
};

struct CPageModel {
    std::string caption;
    std::vector<CPageItem> items;
    std::vector<CPageRow> rows;
    std::vector<CPageRow> scrollStops;
    std::vector<CPageLink> links;
    std::vector<CPageButtonData> buttons;
    // In file order, an inline block before the block that links it. A
    // block's linked block is one of these, never owned by the block.
    std::vector<std::unique_ptr<CRevealBlock>> blocks;
    int pageHeight = 0;

    void Clear();
};
