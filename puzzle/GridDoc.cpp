#include "puzzle/GridDoc.h"

#include "platform/DataPath.h"
#include "platform/FileError.h"
#include "platform/FileReplace.h"
#include "platform/MessageBox.h"
#include "platform/TextFile.h"
#include "puzzle/Texts.h"

#include <algorithm>
#include <cstdio>
#include <string_view>
#include <sys/stat.h>
#include <unordered_set>

using platform::CTextFile;
namespace texts = puzzle_texts;

namespace {

std::string TrimRight(std::string text) {
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t' || text.back() == '\r' ||
                             text.back() == '\n' || text.back() == '\v' || text.back() == '\f'))
        text.pop_back();
    return text;
}

std::string HintName(const char* format, int number) {
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, format, number);
    return buffer;
}

} // namespace

CGridDoc::CGridDoc() = default;

CGridDoc::~CGridDoc() {
    ResetPuzzle();
}

void CGridDoc::ResetPuzzle() {
    m_cells.clear();
    m_answer.clear();
    m_markedTrue.clear();
    m_hints.clear();
    m_hintCount = 0;
    m_highlightedHint = 0;
    m_highlightedCells.clear();
    m_gridOffsetX = 0;
    m_gridOffsetY = 0;
    m_history.Clear();
}

void CGridDoc::AddCell(int column, int row) {
    m_cells.push_back(std::make_unique<CGridCell>(column, row, CGridCell::stateEmpty));
}

void CGridDoc::AddHint(const KeyList& keys) {
    m_hints.push_back(keys);
    ++m_hintCount;
}

CGridCell* CGridDoc::FindCell(int column, int row) const {
    for (const auto& cell : m_cells) {
        if (cell->column == column && cell->row == row)
            return cell.get();
    }
    return nullptr;
}

bool CGridDoc::ToggleCell(int column, int row) {
    CGridCell* cell = FindCell(column, row);
    if (!cell)
        return false;
    int state = cell->Cycle();
    std::string key = CellKey(column, row);
    std::erase(m_markedTrue, key);
    if (state == CGridCell::stateTrue)
        m_markedTrue.push_back(std::move(key));
    return true;
}

bool CGridDoc::CompareWithAnswer(int* percent, int* markedCount, int* correctCount) const {
    const int answers = static_cast<int>(m_answer.size());
    const int marked = static_cast<int>(m_markedTrue.size());
    bool result = true;
    int missing = answers;
    if (answers != marked) {
        result = false;
        if (marked > answers)
            missing = marked;
    }
    // Whether a mark is among the answer cells; a set of the answer keys
    // instead of a walk of the list for every mark once the lists are long.
    std::unordered_set<std::string_view> answerSet;
    const bool useSet = m_answer.size() > 16 && m_markedTrue.size() > 16;
    if (useSet)
        answerSet.insert(m_answer.begin(), m_answer.end());
    auto isAnswer = [&](const std::string& key) {
        if (useSet)
            return answerSet.count(key) != 0;
        return std::find(m_answer.begin(), m_answer.end(), key) != m_answer.end();
    };
    int correct = 0;
    for (const std::string& key : m_markedTrue) {
        if (isAnswer(key)) {
            ++correct;
            --missing;
        } else {
            result = false;
        }
    }
    if (percent) {
        if (markedCount)
            *markedCount = marked;
        if (correctCount)
            *correctCount = correct;
        // Divided first, then multiplied, in double precision and truncated:
        // 29 of 50 gives 57, since 29 / 50 is just below 0.58. An empty
        // answer has no percentage; it reports 0.
        if (answers == 0)
            *percent = 0;
        else
            *percent = static_cast<int>(static_cast<double>(answers - missing) /
                                        static_cast<double>(answers) * 100.0);
    }
    return result;
}

const CGridDoc::KeyList* CGridDoc::HighlightedCells() const {
    if (!m_highlightedCells.empty())
        return &m_highlightedCells;
    if (m_highlightedHint < 1 || m_highlightedHint > static_cast<int>(m_hints.size()))
        return nullptr;
    return &m_hints[m_highlightedHint - 1];
}

int CGridDoc::GetHintsForCell(int column, int row, std::string& text) const {
    text.clear();
    if (!FindCell(column, row))
        return 0;
    const std::string key = CellKey(column, row);
    int result = 0;
    for (size_t i = 0; i < m_hints.size(); ++i) {
        const int number = static_cast<int>(i) + 1;
        for (const std::string& entry : m_hints[i]) {
            if (entry != key)
                continue;
            if (text.empty()) {
                text = HintName(texts::kHintFormat, number);
                result = number;
            } else {
                text += HintName(texts::kMoreHintFormat, number);
                result = 0;
            }
        }
    }
    return result;
}

bool CGridDoc::OnOpenDocument(const std::string& path) {
    // A folder, pipe or device is not a puzzle file (and a pipe would block).
    struct stat st {};
    if (::stat(path.c_str(), &st) == 0 && !S_ISREG(st.st_mode)) {
        ReportLoadError(platform::causeAccessDenied, path);
        return false;
    }
    CTextFile file;
    int cause = platform::causeNone;
    if (!file.Open(path, CTextFile::modeRead, &cause)) {
        ReportLoadError(cause, path);
        return false;
    }
    DeleteContents();
    ResetPuzzle();
    try {
        ReadPuzzle(file, path);
        file.Close();
    } catch (const platform::CFileException& e) {
        file.Abort();
        ReportLoadError(e.cause(), path);
        FreePicture();
        return false;
    }
    return true;
}

void CGridDoc::ReadPuzzle(CTextFile& file, const std::string& path) {
    SetPathName(path);
    std::string line;

    // The picture lies in the puzzle's folder.
    file.ReadString(line);
    m_pictureName = TrimRight(line);
    size_t slash = path.find_last_of("/\\");
    std::string folder = slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
    std::string picturePath = platform::RealPathIn(folder, m_pictureName);
    if (!CDibDoc::OnOpenDocument(picturePath))
        platform::MessageBox(texts::kUnableToLoadImage + picturePath, "", platform::MB_OK);

    file.ReadString(line);
    m_cellSize = platform::ParseInt(line);

    bool more = file.ReadString(line);
    if (line == texts::kOffsets) {
        file.ReadString(line);
        m_gridOffsetX = platform::ParseInt(line);
        file.ReadString(line);
        m_gridOffsetY = platform::ParseInt(line);
        more = file.ReadString(line);
    }

    // Each section stops at its end marker or at the end of the file; what
    // was read of it is kept (a last cell without its row line is not).
    if (more && line == texts::kStartGrid) {
        more = file.ReadString(line);
        while (more && line != texts::kEndGrid) {
            int column = platform::ParseInt(line);
            if (!file.ReadString(line)) {
                more = false;
                break;
            }
            AddCell(column, platform::ParseInt(line));
            more = file.ReadString(line);
        }
    }
    if (!more)
        return;

    more = file.ReadString(line);
    if (more && line == texts::kStartAnswer) {
        more = file.ReadString(line);
        while (more && line != texts::kEndAnswer) {
            m_answer.push_back(line);
            more = file.ReadString(line);
        }
        if (!more)
            return;
        more = file.ReadString(line);
    }
    // Without an answer block (the writer leaves out an empty one) the line
    // after the grid is already the first line of the hints: it is looked at,
    // not skipped, so that a first "Start Hint" there is not lost.
    while (more) {
        if (line == texts::kStartHint) {
            ++m_hintCount;
            m_hints.emplace_back();
            KeyList& hint = m_hints.back();
            more = file.ReadString(line);
            while (more && line != texts::kEndHint) {
                hint.push_back(line);
                more = file.ReadString(line);
            }
            if (!more)
                return;
        }
        more = file.ReadString(line);
    }
}

bool CGridDoc::OnSaveDocument(const std::string& path) {
    int cause = platform::ReplaceFile(path, [this](CTextFile& file) {
        file.WriteLine(m_pictureName);
        file.WriteInt(m_cellSize);
        if (m_gridOffsetX != 0 || m_gridOffsetY != 0) {
            file.WriteLine(texts::kOffsets);
            file.WriteInt(m_gridOffsetX);
            file.WriteInt(m_gridOffsetY);
        }
        file.WriteLine(texts::kStartGrid);
        for (const auto& cell : m_cells) {
            file.WriteInt(cell->column);
            file.WriteInt(cell->row);
        }
        file.WriteLine(texts::kEndGrid);
        if (!m_answer.empty()) {
            file.WriteLine(texts::kStartAnswer);
            for (const std::string& key : m_answer)
                file.WriteLine(key);
            file.WriteLine(texts::kEndAnswer);
        }
        for (const KeyList& hint : m_hints) {
            if (hint.empty())
                continue;
            file.WriteLine(texts::kStartHint);
            for (const std::string& key : hint)
                file.WriteLine(key);
            file.WriteLine(texts::kEndHint);
        }
    });
    if (cause != platform::causeNone) {
        ReportLoadError(cause, path);
        return false;
    }
    SetModifiedFlag(false);
    return true;
}
