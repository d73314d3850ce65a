// Page files: the records of a page, a builder that wraps text so that every
// row fits the page window, and the writer of the file format.
#pragma once

#include <string>
#include <vector>

namespace puzzlegen {

// Style codes of the page format.
enum PageStyle {
    kHeading = 0,
    kBold = 2,
    kDarkBlueBold = 3,
    kDarkRedBold = 4,
    kItalic = 5,
    kSmallBlue = 6,
    kLargeHeading = 9,
    kSubHeading = 10,
    kPlain = 13,
    kReveal = 14,
    kIndent = 15,
    kHalfSmallLine = 16,
    kHalfLine = 17,
};

struct RevealEntry {
    std::string hidden;
    std::string revealed;
};

struct PageRecord {
    std::string text;
    int style = kPlain;
    bool endRow = true;
    // Reveal blocks only.
    std::string blockTitle;
    std::vector<RevealEntry> entries;
};

struct PageFile {
    std::string title;
    std::vector<PageRecord> records;
};

// Widths of text in the page fonts, in pixels.
class ITextMeasure {
public:
    virtual ~ITextMeasure() = default;
    virtual int Width(const std::string& text, int style) const = 0;
    // The page window's tab stops are this many pixels apart.
    virtual int TabWidth() const { return 16; }
};

// A plain estimate for tests without fonts: `perChar` pixels a character.
class CFixedMeasure : public ITextMeasure {
public:
    explicit CFixedMeasure(int perChar) : m_perChar(perChar) {}
    int Width(const std::string& text, int) const override {
        return static_cast<int>(text.size()) * m_perChar;
    }

private:
    int m_perChar;
};

struct Span {
    std::string text;
    int style = kPlain;
};

class CPageBuilder {
public:
    // Rows start at x 5; `width` is the room for text on a row.
    CPageBuilder(const ITextMeasure& measure, std::string title, int width = 296);

    // Wrapped text, every row one or more records.
    void Paragraph(const std::vector<Span>& spans);
    void Text(const std::string& text, int style) { Paragraph({{text, style}}); }
    // A label followed by text that wraps under itself, not under the label.
    void Hanging(const Span& label, const std::string& text, int style);
    // A blank of half a line. Its text is a blank, not empty: an empty record
    // that ends its row is drawn as tall as the record before it.
    void HalfLine() { m_page.records.push_back({" ", kHalfLine, true, {}, {}}); }
    // Table rows whose columns line up (each column at a tab stop). False, with
    // nothing added, when the table does not fit the row width.
    bool Table(const std::vector<std::vector<std::string>>& rows, int headerStyle, int style);
    bool TableFits(const std::vector<std::vector<std::string>>& rows, int headerStyle,
                   int style) const;
    // A click-to-reveal block: hidden lines, revealed lines (each wrapped) and
    // the title the player sees when clicking it.
    void Reveal(const std::string& title, const std::string& hidden, const std::string& revealed);

    // Every row's width, for checks: the widest row.
    int WidestRow() const { return m_widest; }
    const PageFile& Page() const { return m_page; }

    std::vector<std::string> Wrap(const std::string& text, int style, int width) const;

private:
    static constexpr int kColumnGap = 10;
    std::vector<int> ColumnStarts(const std::vector<int>& widths) const;
    std::vector<int> ColumnWidths(const std::vector<std::vector<std::string>>& rows,
                                  int headerStyle, int style) const;

    const ITextMeasure& m_measure;
    PageFile m_page;
    int m_width;
    int m_widest = 0;
};

// Writes the page file; false on a file error.
bool WritePageFile(const std::string& path, const PageFile& page);

} // namespace puzzlegen
