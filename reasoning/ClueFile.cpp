#include "reasoning/ClueFile.h"

#include "platform/FileError.h"
#include "platform/TextFile.h"

#include <sstream>

namespace reasoning {

namespace {

const char* const kKindNames[] = {"is",     "isnot", "either",  "neither",
                                  "before", "apart", "oneother"};

// The line's first word and the rest after one blank.
void SplitWord(const std::string& line, std::string& word, std::string& rest) {
    const size_t blank = line.find(' ');
    word = line.substr(0, blank);
    rest = blank == std::string::npos ? std::string() : line.substr(blank + 1);
}

// Whole numbers of a line, each strictly "-"? digits and at most 4 digits.
bool Numbers(const std::string& text, std::vector<int>& out) {
    out.clear();
    std::istringstream in(text);
    std::string token;
    while (in >> token) {
        size_t i = token[0] == '-' ? 1 : 0;
        if (i == token.size() || token.size() - i > 4)
            return false;
        for (size_t k = i; k < token.size(); ++k)
            if (token[k] < '0' || token[k] > '9')
                return false;
        out.push_back(std::stoi(token));
    }
    return true;
}

bool Valid(const Shape& s, Attr a) {
    return a.cat >= 0 && a.cat < s.cats && a.item >= 0 && a.item < s.items;
}

class CReader {
public:
    explicit CReader(ClueBook& book) : m_book(book) {}
    bool Line(const std::string& line);
    bool Finish() const;

private:
    bool ClueLine(const std::vector<int>& n, const std::string& kind);

    ClueBook& m_book;
    enum { version, shape, body, done } m_at = version;
    bool m_wantText = false;
    bool m_wantNoun = false;
    int m_cells = 0;
    bool m_seen[kMaxCats][kMaxItems][kMaxCats][kMaxItems] = {};
    std::vector<BoardCell> m_used;
    bool m_second = false; // version 2: oneother clues allowed
};

bool CReader::Line(const std::string& line) {
    std::string word, rest;
    SplitWord(line, word, rest);
    std::vector<int> n;
    Shape& s = m_book.shape;
    switch (m_at) {
    case version:
        m_at = shape;
        m_second = line == kClueFileVersion2;
        return m_second || line == kClueFileVersion;
    case shape:
        // Version 2 may name further ordered categories after the first.
        if (word != "shape" || !Numbers(rest, n) || n.size() < 3 || (n.size() > 3 && !m_second))
            return false;
        s = {n[0], n[1], n[2]};
        m_at = body;
        if (!(s.cats >= 2 && s.cats <= kMaxCats && s.items >= 2 && s.items <= kMaxItems &&
              s.ordered >= -1 && s.ordered < s.cats))
            return false;
        for (size_t i = 3; i < n.size(); ++i) {
            if (s.ordered < 0 || n[i] < 1 || n[i] >= s.cats || IsOrdered(s, n[i]))
                return false;
            s.alsoOrdered = static_cast<uint8_t>(s.alsoOrdered | (1u << n[i]));
        }
        return true;
    case done:
        return false;
    case body:
        break;
    }
    if (m_wantText != (word == "text") || m_wantNoun != (word == "noun"))
        return false;
    if (word == "text") {
        m_book.texts.push_back(rest);
        m_wantText = false;
        return !rest.empty();
    }
    if (word == "noun") {
        const size_t bar = rest.find('|');
        if (bar == std::string::npos || bar == 0 || bar + 1 == rest.size())
            return false;
        m_book.categories.back().one = rest.substr(0, bar);
        m_book.categories.back().many = rest.substr(bar + 1);
        m_wantNoun = false;
        return true;
    }
    if (word == "category") {
        if (static_cast<int>(m_book.categories.size()) >= s.cats || rest.empty() ||
            (!m_book.categories.empty() &&
             static_cast<int>(m_book.categories.back().items.size()) != s.items))
            return false;
        m_book.categories.push_back({rest, {}, {}, {}});
        m_wantNoun = true;
        return true;
    }
    if (word == "item") {
        if (m_book.categories.empty() || rest.empty() ||
            static_cast<int>(m_book.categories.back().items.size()) >= s.items)
            return false;
        m_book.categories.back().items.push_back(rest);
        return true;
    }
    if (word == "end") {
        m_at = done;
        return true;
    }
    if (word == "clue") {
        std::string number, after, kind, values;
        SplitWord(rest, number, after);
        SplitWord(after, kind, values);
        std::vector<int> head, v;
        if (!Numbers(number, head) || head.size() != 1 || !Numbers(values, v))
            return false;
        v.insert(v.begin(), head[0]);
        return ClueLine(v, kind);
    }
    if (word == "cell") {
        if (!Numbers(rest, n) || n.size() != 6)
            return false;
        const Attr x{n[0], n[1]}, y{n[2], n[3]};
        if (!Valid(s, x) || !Valid(s, y) || x.cat == y.cat || n[4] < 0 || n[5] < 0 ||
            m_seen[x.cat][x.item][y.cat][y.item])
            return false;
        const BoardCell cell{n[4], n[5]};
        for (const BoardCell& used : m_used)
            if (used == cell)
                return false;
        m_used.push_back(cell);
        m_seen[x.cat][x.item][y.cat][y.item] = m_seen[y.cat][y.item][x.cat][x.item] = true;
        m_book.cell[x.cat][x.item][y.cat][y.item] = cell;
        m_book.cell[y.cat][y.item][x.cat][x.item] = cell;
        ++m_cells;
        return true;
    }
    return false;
}

bool CReader::ClueLine(const std::vector<int>& n, const std::string& kind) {
    int k = 0;
    while (k < kClueKinds && kind != kKindNames[k])
        ++k;
    if (k == kClueKinds || (k == static_cast<int>(ClueKind::OneOther) && !m_second))
        return false;
    Clue c;
    c.kind = static_cast<ClueKind>(k);
    const bool four = c.kind == ClueKind::OneOther;
    const bool three = four || c.kind == ClueKind::EitherOr || c.kind == ClueKind::NeitherNor;
    const bool steps = c.kind == ClueKind::Apart;
    const size_t size = 5u + (three ? 2 : 0) + (four ? 2 : 0) + (steps ? 1 : 0);
    // Version 2: a comparison may end with the ordered category it is in.
    const bool in = m_second && (c.kind == ClueKind::Before || steps) && n.size() == size + 1;
    if (n.size() != size + (in ? 1 : 0))
        return false;
    if (in)
        c.order = n[size];
    c.a = {n[1], n[2]};
    c.b = {n[3], n[4]};
    if (three)
        c.c = {n[5], n[6]};
    if (four)
        c.d = {n[7], n[8]};
    if (steps)
        c.steps = n[5];
    if (!IsWellFormed(m_book.shape, c) || n[0] < 1 || n[0] > 99)
        return false;
    for (int number : m_book.numbers)
        if (number == n[0])
            return false;
    m_book.clues.push_back(c);
    m_book.numbers.push_back(n[0]);
    m_wantText = true;
    return true;
}

bool CReader::Finish() const {
    const Shape& s = m_book.shape;
    const int pairs = s.cats * (s.cats - 1) / 2 * s.items * s.items;
    return m_at == done && !m_wantText && !m_wantNoun &&
           static_cast<int>(m_book.categories.size()) == s.cats &&
           static_cast<int>(m_book.categories.back().items.size()) == s.items &&
           !m_book.clues.empty() && m_cells == pairs;
}

std::string Join(const std::vector<int>& values) {
    std::string text;
    for (int v : values)
        text += (text.empty() ? "" : " ") + std::to_string(v);
    return text;
}

} // namespace

bool ClueBook::PairOf(int column, int row, Attr& x, Attr& y) const {
    for (int c1 = 0; c1 < shape.cats; ++c1)
        for (int c2 = c1 + 1; c2 < shape.cats; ++c2)
            for (int a = 0; a < shape.items; ++a)
                for (int b = 0; b < shape.items; ++b)
                    if (cell[c1][a][c2][b] == BoardCell{column, row}) {
                        x = {c1, a};
                        y = {c2, b};
                        return true;
                    }
    return false;
}

bool ReadClueFile(const std::string& path, ClueBook& book, int* cause) {
    book = ClueBook{};
    platform::CTextFile file;
    int opened = platform::causeNone;
    if (!file.Open(path, platform::CTextFile::modeRead, &opened)) {
        if (cause)
            *cause = opened;
        return false;
    }
    CReader reader(book);
    bool fine = true;
    try {
        std::string line;
        while (fine && file.ReadString(line))
            fine = reader.Line(line);
        file.Close();
    } catch (const platform::CFileException& e) {
        file.Abort();
        if (cause)
            *cause = e.cause();
        book = ClueBook{};
        return false;
    }
    if (!fine || !reader.Finish()) {
        if (cause)
            *cause = platform::causeInvalidFile;
        book = ClueBook{};
        return false;
    }
    return true;
}

bool WriteClueFile(const std::string& path, const ClueBook& book) {
    platform::CTextFile file;
    if (!file.Open(path, platform::CTextFile::modeCreate))
        return false;
    try {
        const Shape& s = book.shape;
        bool second = s.alsoOrdered != 0;
        for (const Clue& c : book.clues)
            second |= c.kind == ClueKind::OneOther || c.order >= 0;
        file.WriteLine(second ? kClueFileVersion2 : kClueFileVersion);
        std::vector<int> shape{s.cats, s.items, s.ordered};
        for (int c = 0; c < s.cats; ++c)
            if (c != s.ordered && IsOrdered(s, c))
                shape.push_back(c);
        file.WriteLine("shape " + Join(shape));
        for (const ClueBook::Category& c : book.categories) {
            file.WriteLine("category " + c.name);
            file.WriteLine("noun " + c.one + "|" + c.many);
            for (const std::string& item : c.items)
                file.WriteLine("item " + item);
        }
        for (size_t i = 0; i < book.clues.size(); ++i) {
            const Clue& c = book.clues[i];
            std::vector<int> v{c.a.cat, c.a.item, c.b.cat, c.b.item};
            if (c.kind == ClueKind::EitherOr || c.kind == ClueKind::NeitherNor)
                v.insert(v.end(), {c.c.cat, c.c.item});
            if (c.kind == ClueKind::OneOther)
                v.insert(v.end(), {c.c.cat, c.c.item, c.d.cat, c.d.item});
            if (c.kind == ClueKind::Apart)
                v.push_back(c.steps);
            if (c.order >= 0)
                v.push_back(c.order);
            file.WriteLine("clue " + std::to_string(book.numbers[i]) + " " +
                           kKindNames[static_cast<int>(c.kind)] + " " + Join(v));
            file.WriteLine("text " + book.texts[i]);
        }
        for (int c1 = 0; c1 < s.cats; ++c1)
            for (int c2 = c1 + 1; c2 < s.cats; ++c2)
                for (int a = 0; a < s.items; ++a)
                    for (int b = 0; b < s.items; ++b) {
                        const BoardCell cell = book.cell[c1][a][c2][b];
                        file.WriteLine("cell " + Join({c1, a, c2, b, cell.column, cell.row}));
                    }
        file.WriteLine("end");
        file.Close();
    } catch (...) {
        file.Abort();
        return false;
    }
    return true;
}

std::string ClueFilePath(const std::string& puzzlePath) {
    const size_t dot = puzzlePath.find_last_of('.');
    const size_t slash = puzzlePath.find_last_of('/');
    const bool hasExt = dot != std::string::npos && (slash == std::string::npos || dot > slash);
    return (hasExt ? puzzlePath.substr(0, dot) : puzzlePath) + ".clu";
}

} // namespace reasoning
