#include "puzzlegen/Pages.h"

#include "pages/PageCanvas.h"
#include "platform/FileError.h"
#include "platform/TextFile.h"

#include <algorithm>

namespace puzzlegen {

CPageBuilder::CPageBuilder(const ITextMeasure& measure, std::string title, int width)
    : m_measure(measure), m_width(width) {
    m_page.title = std::move(title);
}

std::vector<std::string> CPageBuilder::Wrap(const std::string& text, int style, int width) const {
    std::vector<std::string> lines;
    std::string line;
    size_t at = 0;
    while (at < text.size()) {
        size_t end = text.find(' ', at);
        if (end == std::string::npos)
            end = text.size();
        const std::string word = text.substr(at, end - at);
        at = end + 1;
        const std::string tried = line.empty() ? word : line + " " + word;
        if (line.empty() || m_measure.Width(tried, style) <= width) {
            line = tried;
        } else {
            lines.push_back(line);
            line = word;
        }
    }
    if (!line.empty() || lines.empty())
        lines.push_back(line);
    return lines;
}

void CPageBuilder::Paragraph(const std::vector<Span>& spans) {
    // Lay words out span by span; a row may hold runs of several styles.
    std::vector<PageRecord> row;
    int x = 0;
    auto endRow = [&] {
        if (row.empty())
            row.push_back({" ", kPlain, true, {}, {}});
        for (size_t i = 0; i < row.size(); ++i)
            row[i].endRow = i + 1 == row.size();
        m_widest = std::max(m_widest, x);
        m_page.records.insert(m_page.records.end(), row.begin(), row.end());
        row.clear();
        x = 0;
    };
    for (const Span& span : spans) {
        size_t at = 0;
        std::string run;
        int runStart = x;
        while (at < span.text.size()) {
            size_t end = span.text.find(' ', at);
            const bool last = end == std::string::npos;
            if (last)
                end = span.text.size();
            std::string word = span.text.substr(at, end - at);
            if (!last)
                word += ' ';
            at = end + 1;
            std::string tried = run + word;
            // Trailing blanks do not count against the row.
            std::string visible = tried;
            while (!visible.empty() && visible.back() == ' ')
                visible.pop_back();
            if (runStart + m_measure.Width(visible, span.style) <= m_width ||
                (run.empty() && runStart == 0)) {
                run = tried;
                continue;
            }
            while (!run.empty() && run.back() == ' ')
                run.pop_back(); // the row ends here
            if (!run.empty())
                row.push_back({run, span.style, false, {}, {}});
            x = runStart + m_measure.Width(run, span.style);
            endRow();
            run = word;
            runStart = 0;
        }
        if (!run.empty()) {
            row.push_back({run, span.style, false, {}, {}});
            x = runStart + m_measure.Width(run, span.style);
        }
    }
    // Remove the trailing blank of the row's last run.
    if (!row.empty()) {
        PageRecord& last = row.back();
        const int full = m_measure.Width(last.text, last.style);
        while (!last.text.empty() && last.text.back() == ' ')
            last.text.pop_back();
        x -= full - m_measure.Width(last.text, last.style);
    }
    endRow();
}

void CPageBuilder::Hanging(const Span& label, const std::string& text, int style) {
    const int indent = m_measure.Width(label.text, label.style);
    const std::vector<std::string> lines = Wrap(text, style, m_width - indent);
    m_page.records.push_back({label.text, label.style, false, {}, {}});
    m_page.records.push_back({"", kIndent, false, {}, {}}); // indent on, at the label's end
    for (size_t i = 0; i < lines.size(); ++i) {
        m_page.records.push_back({lines[i], style, true, {}, {}});
        m_widest = std::max(m_widest, indent + m_measure.Width(lines[i], style));
    }
    // Indent off again; it starts the next row without drawing anything.
    m_page.records.push_back({"", kIndent, false, {}, {}});
}

std::vector<int> CPageBuilder::ColumnWidths(const std::vector<std::vector<std::string>>& rows,
                                            int headerStyle, int style) const {
    std::vector<int> widths(rows.empty() ? 0 : rows[0].size(), 0);
    for (size_t r = 0; r < rows.size(); ++r)
        for (size_t c = 0; c < widths.size() && c < rows[r].size(); ++c)
            widths[c] =
                std::max(widths[c], m_measure.Width(rows[r][c], r == 0 ? headerStyle : style));
    return widths;
}

std::vector<int> CPageBuilder::ColumnStarts(const std::vector<int>& widths) const {
    // Each column after the first starts at the first tab stop past the
    // column before it and the gap.
    const int tab = std::max(1, m_measure.TabWidth());
    std::vector<int> starts;
    int at = 0;
    for (size_t c = 0; c < widths.size(); ++c) {
        starts.push_back(at);
        at = (at + widths[c] + kColumnGap + tab - 1) / tab * tab;
    }
    return starts;
}

bool CPageBuilder::TableFits(const std::vector<std::vector<std::string>>& rows, int headerStyle,
                             int style) const {
    const std::vector<int> widths = ColumnWidths(rows, headerStyle, style);
    if (widths.empty())
        return true;
    return ColumnStarts(widths).back() + widths.back() <= m_width;
}

bool CPageBuilder::Table(const std::vector<std::vector<std::string>>& rows, int headerStyle,
                         int style) {
    if (rows.empty())
        return true;
    if (!TableFits(rows, headerStyle, style))
        return false;
    const std::vector<int> widths = ColumnWidths(rows, headerStyle, style);
    const std::vector<int> starts = ColumnStarts(widths);
    const int tab = std::max(1, m_measure.TabWidth());
    for (size_t r = 0; r < rows.size(); ++r) {
        const int st = r == 0 ? headerStyle : style;
        std::string line;
        int at = 0; // where the page window's pen stands after the line so far
        for (size_t c = 0; c < widths.size() && c < rows[r].size(); ++c) {
            while (at < starts[c]) {
                line += '\t';
                at = NextTabStop(at, tab);
            }
            line += rows[r][c];
            at += m_measure.Width(rows[r][c], st);
        }
        m_widest = std::max(m_widest, at);
        m_page.records.push_back({line, st, true, {}, {}});
    }
    return true;
}

void CPageBuilder::Reveal(const std::string& title, const std::string& hidden,
                          const std::string& revealed) {
    const std::vector<std::string> h = Wrap(hidden, kPlain, m_width);
    std::vector<std::string> v;
    size_t at = 0;
    while (at <= revealed.size()) {
        size_t end = revealed.find('\n', at);
        if (end == std::string::npos)
            end = revealed.size();
        for (const std::string& line : Wrap(revealed.substr(at, end - at), kPlain, m_width))
            v.push_back(line);
        at = end + 1;
    }
    // The record's own text is not drawn, but it must not be empty: an empty
    // record that ends its row is drawn in the style of the record before it.
    PageRecord block{"answer", kReveal, true, title, {}};
    for (size_t i = 0; i < std::max(h.size(), v.size()); ++i) {
        RevealEntry e{i < h.size() ? h[i] : std::string(), i < v.size() ? v[i] : std::string()};
        m_widest = std::max(
            {m_widest, m_measure.Width(e.hidden, kPlain), m_measure.Width(e.revealed, kPlain)});
        block.entries.push_back(e);
    }
    m_page.records.push_back(block);
}

bool WritePageFile(const std::string& path, const PageFile& page) {
    platform::CTextFile file;
    if (!file.Open(path, platform::CTextFile::modeCreate))
        return false;
    try {
        file.WriteLine(page.title);
        for (const PageRecord& r : page.records) {
            file.WriteLine(r.text);
            file.WriteInt(r.style);
            file.WriteLine(r.endRow ? "1" : "0");
            if (r.style == kReveal) {
                file.WriteLine(r.blockTitle);
                file.WriteLine("start");
                for (const RevealEntry& e : r.entries) {
                    // Starting boxes only: drawing places them again.
                    file.WriteInt(5);
                    file.WriteInt(5 + 8 * static_cast<int>(e.hidden.size()));
                    file.WriteLine(e.hidden);
                    file.WriteInt(5);
                    file.WriteInt(5 + 8 * static_cast<int>(e.revealed.size()));
                    file.WriteLine(e.revealed);
                }
                file.WriteLine("end");
            }
        }
        file.Close();
    } catch (const platform::CFileException&) {
        file.Abort();
        return false;
    }
    return true;
}

} // namespace puzzlegen
