#include "pages/RevealBlock.h"

#include "pages/PageLineReader.h"
#include "pages/PageStyles.h"
#include "pages/Saturate.h"
#include "platform/TextFile.h"

CRevealBlock::CRevealBlock(std::string blockTitle, bool inlineBlock)
    : title(std::move(blockTitle)), entries(1), isInline(inlineBlock) {}

int CRevealBlock::ReadEntries(CPageLineReader& file, int& penY, int lineHeight) {
    int count = 0;
    if (!file.ReadExact("start\n"))
        return 0;
    std::string line;
    bool more = file.ReadLine(line);
    while (more && line != "end\n") {
        CRevealEntry entry;
        // Edges are clamped so that the sums and widths taken from them
        // later stay inside the range of int.
        int hiddenLeft = GrowBy(platform::ParseInt(line), 0);
        int hiddenRight = GrowBy(file.ReadNumber(), 0);
        file.ReadCut(entry.hiddenText);
        int revealedLeft = GrowBy(file.ReadNumber(), 0);
        int revealedRight = GrowBy(file.ReadNumber(), 0);
        file.ReadCut(entry.revealedText);
        const int bottom = GrowBy(penY, GrowBy(lineHeight, -1));
        entry.hiddenBox = {GrowBy(hiddenLeft, -1), penY, hiddenRight, bottom};
        entry.revealedBox = {GrowBy(revealedLeft, -1), penY, revealedRight, bottom};
        if (count == 0)
            entries[0] = std::move(entry);
        else
            entries.push_back(std::move(entry));
        penY = GrowBy(penY, lineHeight);
        ++count;
        more = file.ReadLine(line);
    }
    return count;
}

std::string CRevealBlock::JoinText() const {
    std::string joined;
    for (size_t i = 0; i < entries.size(); ++i) {
        if (i > 0)
            joined += ' ';
        joined += revealed ? entries[i].revealedText : entries[i].hiddenText;
    }
    return joined;
}

void CRevealBlock::PlaceInline(int x, int y) {
    for (CRevealEntry& entry : entries) {
        for (PageRect* box : {&entry.hiddenBox, &entry.revealedBox}) {
            int height = box->Height();
            box->top = y;
            box->bottom = GrowBy(y, height);
            box->left = x;
        }
        x = 5;
        y = GrowBy(y, entry.hiddenBox.Height());
    }
}

bool CRevealBlock::HitTest(int x, int y) const {
    for (const CRevealEntry& entry : entries) {
        if (CurrentBox(entry).Contains(x, y))
            return true;
    }
    return false;
}

void CRevealBlock::Draw(CPageCanvas& canvas, int& penX, int& penY, int leftMargin, int tabWidth,
                        bool draw, bool hiddenInColour) {
    if (revealed)
        canvas.SetTextColor(revealedInColour ? kRevealMagenta : kBlack);
    else
        canvas.SetTextColor(hiddenInColour ? kHiddenRed : kBlack);
    bool caretDone = false;
    int lineHeight = 0;
    for (size_t i = 0; i < entries.size(); ++i) {
        CRevealEntry& entry = entries[i];
        std::string line = revealed ? entry.revealedText : entry.hiddenText;
        if (i > 0) {
            penY += lineHeight;
            penX = leftMargin;
        }
        if (linked && !caretDone) {
            size_t caret = line.find('^');
            if (caret != std::string::npos) {
                std::string before = line.substr(0, caret);
                std::string after = line.substr(caret + 1);
                std::string joined = linked->JoinText();
                int beforeWidth = TabbedText(canvas, penX, penY, before, tabWidth, false).width;
                PageSize joinedSize = TabbedText(canvas, penX, penY, joined, tabWidth, false);
                if (!linked->entries.empty()) {
                    linked->CurrentBox(linked->entries[0]) = {penX + beforeWidth - 1, penY,
                                                              penX + beforeWidth + joinedSize.width,
                                                              penY + joinedSize.height};
                }
                line = before + joined + after;
                caretDone = true;
            }
        }
        PageSize size = TabbedText(canvas, penX, penY, line, tabWidth, draw);
        CurrentBox(entry) = {penX - 1, penY, penX + size.width, penY + size.height};
        penX += size.width;
        lineHeight = size.height;
    }
}
