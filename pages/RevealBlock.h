// Click-to-reveal blocks: a title and one or more entries, each with a hidden
// text shown until the player reveals the block and the revealed answer.
#pragma once

#include "pages/PageCanvas.h"

#include <string>
#include <vector>

class CPageLineReader;

struct CRevealEntry {
    std::string hiddenText;
    PageRect hiddenBox;
    std::string revealedText;
    PageRect revealedBox;
};

class CRevealBlock {
public:
    CRevealBlock(std::string title, bool isInline);

    std::string title;
    std::vector<CRevealEntry> entries; // at least one
    bool revealed = false;
    bool revealedInColour = true;
    bool isInline = false;
    CRevealBlock* linked = nullptr; // an inline block of the same page, not owned

    // The entry's box for the block's present state.
    PageRect& CurrentBox(CRevealEntry& entry) {
        return revealed ? entry.revealedBox : entry.hiddenBox;
    }
    const PageRect& CurrentBox(const CRevealEntry& entry) const {
        return revealed ? entry.revealedBox : entry.hiddenBox;
    }

    // Reads the entry list ("start", six lines per entry, "end"). Boxes start
    // at penY, each entry one line of lineHeight below the last; penY moves
    // down by lineHeight per entry. Returns the number of entries read.
    int ReadEntries(CPageLineReader& file, int& penY, int lineHeight);

    // The entries' present texts joined with single spaces.
    std::string JoinText() const;
    // Places an inline block's entries at (x, y): each entry's boxes move so
    // their top is y and their left is x, then x = 5 and y moves down by the
    // hidden box's height. Right edges stay.
    void PlaceInline(int x, int y);
    // True when (x, y) lies in the present box of any entry.
    bool HitTest(int x, int y) const;
    // Draws (or with draw off only measures) the block at the pen: the first
    // entry continues the row, each further entry starts a line at leftMargin.
    // Every entry's present box becomes what was drawn. hiddenInColour draws
    // hidden texts red rather than black.
    void Draw(CPageCanvas& canvas, int& penX, int& penY, int leftMargin, int tabWidth, bool draw,
              bool hiddenInColour = true);
};
