#include "pages/PageView.h"

#include "pages/PageLineReader.h"
#include "pages/Saturate.h"
#include "pages/Texts.h"
#include "platform/DataPath.h"
#include "platform/FileError.h"
#include "platform/MessageBox.h"
#include "platform/TextFile.h"

#include <algorithm>
#include <climits>
#include <cstdint>

namespace {

// The style a record cut short before its style line takes when it is the
// first record of the page: plain text.
constexpr int kDefaultStyle = 13;

} // namespace

bool StartsRevealed(const std::string& title, int revealMode) {
    switch (revealMode) {
    case 0:
        return title == "2." || title == "0";
    case 1:
        return title == "0";
    default:
        return false;
    }
}

void CPageView::ApplyRevealTest(CRevealBlock& block, int revealMode) {
    if (StartsRevealed(block.title, revealMode)) {
        block.revealed = true;
        block.revealedInColour = false;
    }
}

std::string ResolvePagePath(const std::string& path) {
    const std::string& data = platform::DataFolder();
    if (!data.empty() && path.compare(0, data.size(), data) == 0)
        return platform::RealPath(path.substr(data.size()));
    if (!path.empty() && (path[0] == '/' || path[0] == '\\'))
        return platform::RealPathIn("/", path.substr(1));
    return platform::RealPathIn(platform::CurrentFolder(), path);
}

void CPageView::Reset(const std::string& path, int firstRow) {
    currentFile = path;
    scrollPos = firstRow;
    leftMargin = kLeftMargin;
    indent = false;
    model.Clear();
    rowsDrawn = 0;
    loaded = true;
    ++generation;
}

void CPageView::Finish(int firstRow) {
    scrollPos = std::clamp(firstRow, 0, std::max(0, LastScrollPos()));
    model.pageHeight = GrowBy(model.pageHeight, metrics.hB);
}

CPageView::LoadResult CPageView::ReadPage(const std::string& path, int firstRow, bool reportFailure,
                                          int revealMode) {
    CPageFile file;
    if (!file.Open(ResolvePagePath(path))) {
        if (reportFailure)
            platform::MessageBox(pages_text::kUnableToLoad + path, pages_text::kFileErrorCaption,
                                 platform::MB_OK | platform::MB_ICONEXCLAMATION);
        return loadOpenFailed;
    }
    currentFile = path;
    try {
        ReadFrom(file.Reader(), firstRow, revealMode);
    } catch (const platform::CFileException&) {
        if (reportFailure)
            platform::MessageBox(pages_text::kUnableToLoad + path, pages_text::kFileErrorCaption,
                                 platform::MB_OK | platform::MB_ICONEXCLAMATION);
        currentFile = path;
        return loadReadFailed;
    }
    currentFile = path;
    return loadOk;
}

void CPageView::ReadFrom(CPageLineReader& file, int firstRow, int revealMode) {
    Reset(currentFile, firstRow);
    const PageMetrics& m = metrics;
    int parseHeight = m.hB;
    int penY = 0;
    int rowMax = 0;
    int rowFirst = 0;
    int itemCount = 0;
    CRevealBlock* pending = nullptr;
    int nextButtonId = kFirstButtonId;
    int previousCode = kDefaultStyle;

    try {
        file.ReadTrimmed(model.caption);
        std::string text;
        while (file.ReadCut(text)) {
            CPageItem item;
            item.text = std::move(text);
            item.style = previousCode;
            std::string line;
            if (!file.ReadLine(line)) {
                model.items.push_back(std::move(item));
                break;
            }
            item.style = platform::ParseInt(line);
            if (!file.ReadLine(line)) {
                model.items.push_back(std::move(item));
                break;
            }
            item.endOfRow = line == "1\n";
            const int code = item.style;
            ++itemCount;
            parseHeight = ParseHeight(code, parseHeight, m);

            if (IsLinkStyle(code)) {
                int right = file.ReadNumber();
                int left = file.ReadNumber();
                std::string target;
                if (file.ReadCut(target))
                    model.links.push_back({{left, penY, right, penY + parseHeight}, target});
            } else if (code == styleButton) {
                std::string buttonText;
                if (file.ReadTrimmed(buttonText))
                    model.buttons.push_back(
                        {buttonText, static_cast<int>(model.rows.size()), nextButtonId++});
            } else if (code == styleReveal || code == styleInlineReveal) {
                std::string title;
                if (code == styleInlineReveal && file.ReadTrimmed(title)) {
                    auto block = std::make_unique<CRevealBlock>(title, true);
                    block->ReadEntries(file, penY, m.hB);
                    ApplyRevealTest(*block, revealMode);
                    pending = block.get();
                    model.blocks.push_back(std::move(block));
                }
                if (file.ReadTrimmed(title)) {
                    auto block = std::make_unique<CRevealBlock>(title, false);
                    if (pending) {
                        block->linked = pending;
                        pending = nullptr;
                    }
                    int entries = block->ReadEntries(file, penY, m.hB);
                    for (int i = 0; i <= entries; ++i) {
                        model.scrollStops.push_back({0, m.hB, model.pageHeight});
                        model.pageHeight = GrowBy(model.pageHeight, m.hB);
                    }
                    ApplyRevealTest(*block, revealMode);
                    model.blocks.push_back(std::move(block));
                }
            }

            rowMax = std::max(rowMax, parseHeight);
            if (item.endOfRow) {
                penY = GrowBy(penY, rowMax);
                model.rows.push_back({rowFirst, rowMax, 0});
                if (code != styleReveal && code != styleInlineReveal) {
                    model.scrollStops.push_back({0, rowMax, model.pageHeight});
                    model.pageHeight = GrowBy(model.pageHeight, rowMax);
                }
                rowMax = 0;
                rowFirst = itemCount;
            }
            previousCode = code;
            model.items.push_back(std::move(item));
        }
    } catch (...) {
        Finish(firstRow);
        throw;
    }
    Finish(firstRow);
}

void CPageView::DrawPage(CPageCanvas& canvas, const PageRect& limit, bool draw) {
    LayoutCursor cursor = BeginLayout();
    LayOutRows(cursor, canvas, limit, draw, SIZE_MAX, INT_MAX);
}

CPageView::LayoutCursor CPageView::BeginLayout() {
    LayoutCursor cursor;
    if (model.items.empty()) {
        cursor.done = true;
        return cursor;
    }
    leftMargin = kLeftMargin;
    indent = false;
    rowsDrawn = 0;
    return cursor;
}

void CPageView::LayOutRows(LayoutCursor& cursor, CPageCanvas& canvas, const PageRect& limit,
                           bool draw, size_t throughRow, int throughY) {
    auto& items = model.items;
    const PageMetrics& m = metrics;
    int& penX = cursor.penX;
    int& penY = cursor.penY;
    size_t& nextLink = cursor.nextLink;
    size_t& nextBlock = cursor.nextBlock;
    size_t& rowIndex = cursor.rowIndex;
    size_t& index = cursor.index;
    if (cursor.done)
        return;
    while (!cursor.done) {
        if (index >= items.size()) {
            cursor.done = true;
            break;
        }
        if (rowIndex > throughRow || penY > throughY) {
            leftMargin = cursor.leftMargin;
            indent = cursor.indent;
            return;
        }
        int rowMax = 0;
        const int rowTop = penY;
        for (;;) {
            const CPageItem& item = items[index];
            int styleCode = item.style;
            if (item.text.empty() && item.endOfRow && index > 0)
                styleCode = items[index - 1].style;
            const PageStyle& style = StyleOf(styleCode);
            if (!style.keepColor)
                canvas.SetTextColor(style.color);
            if (!style.keepFont)
                canvas.SelectFont(style.font);
            int h = DrawHeight(styleCode, m);

            switch (item.style) {
            case styleLinkHeading:
            case styleLink:
            case styleLinkBright: {
                PageSize size = TabbedText(canvas, penX, penY, item.text, m.tabWidth, draw);
                if (nextLink < model.links.size())
                    model.links[nextLink++].box = {penX, penY, penX + size.width,
                                                   penY + size.height};
                penX += size.width;
                break;
            }
            case styleRedText: {
                bool besideSmall =
                    (index > 0 && items[index - 1].style == styleSmallText) ||
                    (index + 1 < items.size() && items[index + 1].style == styleSmallText);
                if (besideSmall) {
                    canvas.SelectFont(fontE);
                    h = m.hE;
                }
                penX += TabbedText(canvas, penX, penY, item.text, m.tabWidth, draw).width;
                break;
            }
            case styleButton:
                penX += kButtonRoom;
                break;
            case styleIndent:
                cursor.indent = !cursor.indent;
                if (cursor.indent) {
                    cursor.leftMargin = penX;
                } else {
                    cursor.leftMargin = kLeftMargin;
                    penX = kLeftMargin;
                }
                break;
            case styleInlineReveal:
                if (nextBlock < model.blocks.size() && model.blocks[nextBlock]->isInline)
                    model.blocks[nextBlock++]->PlaceInline(penX, penY);
                [[fallthrough]];
            case styleReveal:
                if (nextBlock < model.blocks.size())
                    model.blocks[nextBlock++]->Draw(canvas, penX, penY, cursor.leftMargin,
                                                    m.tabWidth, draw);
                break;
            default:
                if (!item.text.empty())
                    penX += TabbedText(canvas, penX, penY, item.text, m.tabWidth, draw).width;
                break;
            }
            rowMax = std::max(rowMax, h);
            bool rowEnds = item.endOfRow;
            ++index;
            if (rowEnds || index >= items.size())
                break;
        }
        penX = cursor.leftMargin;
        penY = GrowBy(penY, rowMax);
        if (rowIndex < model.rows.size()) {
            model.rows[rowIndex].height = rowMax;
            model.rows[rowIndex].top = rowTop;
        }
        ++rowIndex;
        rowsDrawn = rowIndex;
        if (penY + m.hB > limit.bottom)
            cursor.done = true;
    }
    leftMargin = cursor.leftMargin;
    indent = cursor.indent;
    canvas.SelectDefaultFont();
}

int CPageView::Scroll(ScrollRequest request, int thumbPos) {
    const int last = LastScrollPos();
    switch (request) {
    case scrollLineUp:
        if (scrollPos - 1 >= 0)
            --scrollPos;
        break;
    case scrollLineDown:
        if (scrollPos + 1 <= last)
            ++scrollPos;
        break;
    case scrollPageUp:
        scrollPos = std::max(0, scrollPos - kPageStep);
        break;
    case scrollPageDown:
        scrollPos = std::min(last, scrollPos + kPageStep);
        break;
    case scrollThumbPosition:
    case scrollThumbTrack:
        scrollPos = thumbPos;
        break;
    case scrollTop:
        scrollPos = 0;
        break;
    case scrollBottom:
        scrollPos = last;
        break;
    case scrollEndScroll:
        break;
    }
    // A page without rows stays at 0; a thumb never passes the last row.
    scrollPos = std::clamp(scrollPos, 0, std::max(0, last));
    return scrollPos;
}

int CPageView::ScrollTop() const {
    if (scrollPos >= 0 && static_cast<size_t>(scrollPos) < model.scrollStops.size())
        return model.scrollStops[scrollPos].top;
    return 0;
}

std::vector<CPageView::ButtonPlace> CPageView::PlaceButtons(int clientHeight) const {
    std::vector<ButtonPlace> places;
    const auto& buttons = model.buttons;
    size_t current = 0;
    while (current < buttons.size() && buttons[current].rowIndex < scrollPos)
        ++current;
    if (current == buttons.size())
        return places;
    // Which buttons show: walk the rows from the top one, adding their
    // heights, until the client area is full; of two buttons on one row only
    // the first shows, and none after it.
    int offset = 0;
    const int top = ScrollTop();
    for (size_t row = std::max(0, scrollPos); row < model.rows.size(); ++row) {
        if (needRows && row >= rowsDrawn)
            needRows(row);
        if (static_cast<int>(row) == buttons[current].rowIndex) {
            // Beside the row where it was drawn; rows not drawn yet stand
            // where the walk has come to.
            int y = row < rowsDrawn ? model.rows[row].top - top : offset + 5;
            places.push_back({current, kLeftMargin, y});
            if (++current == buttons.size())
                break;
        }
        offset = GrowBy(offset, model.rows[row].height);
        if (offset > clientHeight)
            break;
    }
    return places;
}

void CPageView::Click(int x, int y, const std::function<void(const CPageLink&)>& onJump,
                      const std::function<void(CRevealBlock&)>& onShowAnswer) {
    if (model.items.empty() || model.scrollStops.empty())
        return;
    // Links and blocks anywhere on the page may be hit: all laid out.
    if (needRows)
        needRows(SIZE_MAX);
    y = GrowBy(y, ScrollTop());
    for (const CPageLink& link : model.links) {
        if (link.box.Contains(x, y)) {
            onJump(link);
            return;
        }
    }
    const int page = generation;
    for (size_t i = 0; i < model.blocks.size(); ++i) {
        CRevealBlock& block = *model.blocks[i];
        if (!block.HitTest(x, y))
            continue;
        onShowAnswer(block);
        // The message box lets other windows run; a page loaded meanwhile
        // ends the click.
        if (generation != page || i >= model.blocks.size())
            return;
        if (!block.revealed || !block.isInline)
            return;
    }
}
