// Builds page files (.htf) for the page viewer's tests.
#pragma once

#include <string>
#include <utility>
#include <vector>

namespace testing_support {

struct PageEntry {
    std::string hidden;
    std::string revealed;
};

class PageBuilder {
public:
    explicit PageBuilder(const std::string& title) { Line(title); }

    // A record's three lines.
    PageBuilder& Record(const std::string& text, int code, bool endRow) {
        Line(text);
        Line(std::to_string(code));
        Line(endRow ? "1" : "0");
        return *this;
    }
    PageBuilder& Text(const std::string& text, int code = 13, bool endRow = true) {
        return Record(text, code, endRow);
    }
    PageBuilder& Link(const std::string& text, const std::string& target, int code = 12,
                      bool endRow = true, int right = 100, int left = 5) {
        Record(text, code, endRow);
        Line(std::to_string(right));
        Line(std::to_string(left));
        Line(target);
        return *this;
    }
    PageBuilder& Button(const std::string& buttonText, bool endRow = false) {
        Record("", 11, endRow);
        Line(buttonText);
        return *this;
    }
    PageBuilder& Block(const std::string& title, const std::vector<PageEntry>& entries,
                       bool endRow = true, const std::string& text = "") {
        Record(text, 14, endRow);
        Line(title);
        Entries(entries);
        return *this;
    }
    PageBuilder& InlineBlock(const std::string& inlineTitle,
                             const std::vector<PageEntry>& inlineEntries, const std::string& title,
                             const std::vector<PageEntry>& entries, bool endRow = true) {
        Record("", 18, endRow);
        Line(inlineTitle);
        Entries(inlineEntries);
        Line(title);
        Entries(entries);
        return *this;
    }
    PageBuilder& Raw(const std::string& line) {
        Line(line);
        return *this;
    }

    // The file with LF line ends, or CR LF as the game's files are stored.
    std::string Lf() const { return m_text; }
    std::string CrLf() const {
        std::string out;
        for (char c : m_text) {
            if (c == '\n')
                out += '\r';
            out += c;
        }
        return out;
    }

private:
    void Line(const std::string& line) { m_text += line + "\n"; }
    void Entries(const std::vector<PageEntry>& entries) {
        Line("start");
        for (const PageEntry& e : entries) {
            Line("10");
            Line("60");
            Line(e.hidden);
            Line("10");
            Line("90");
            Line(e.revealed);
        }
        Line("end");
    }
    std::string m_text;
};

} // namespace testing_support
