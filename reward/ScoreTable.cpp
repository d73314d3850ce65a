#include "reward/ScoreTable.h"

#include "platform/FileError.h"
#include "platform/FileReplace.h"
#include "platform/TextFile.h"

#include <algorithm>
#include <cstdio>

namespace reward {

std::string FormatEntry(int antsCaught, const std::string& name) {
    char count[16];
    std::snprintf(count, sizeof count, "%.2d", antsCaught);
    // One entry is one line of the score file, whatever the name holds.
    std::string safeName = name;
    for (char& c : safeName)
        if (c == '\n' || c == '\r')
            c = ' ';
    return std::string(count) + "\t" + safeName;
}

int CompareEntries(const std::string& a, const std::string& b) {
    const size_t n = std::min(a.size(), b.size());
    for (size_t i = 0; i < n; ++i) {
        const auto ca = static_cast<unsigned char>(a[i]);
        const auto cb = static_cast<unsigned char>(b[i]);
        if (ca != cb)
            return ca < cb ? -1 : 1;
    }
    if (a.size() == b.size())
        return 0;
    return a.size() < b.size() ? -1 : 1;
}

} // namespace reward

void CScoreTable::Load(const std::string& path, const std::string& newEntry) {
    m_capacity = reward::kDefaultCapacity;
    m_lines.clear();
    m_keepable = true;

    bool placed = false;
    platform::CTextFile file;
    int cause = platform::causeNone;
    if (file.Open(path, platform::CTextFile::modeRead, &cause)) {
        try {
            std::string line;
            if (file.ReadString(line)) {
                m_capacity = platform::ParseInt(line);
                // A negative capacity can only come from a damaged file.
                if (m_capacity < 0)
                    m_capacity = reward::kDefaultCapacity;
            }
            // Reading stops at the end of the file, whatever the capacity
            // line claims, so the table never holds more than the lines
            // read plus the new entry.
            for (int i = 0; i < m_capacity && file.ReadString(line); ++i) {
                if (!placed && reward::CompareEntries(newEntry, line) > 0) {
                    m_lines.push_back(newEntry);
                    placed = true;
                }
                m_lines.push_back(line);
            }
        } catch (const platform::CFileException&) {
            m_keepable = false;
        }
        file.Abort();
    } else if (cause != platform::causeFileNotFound && cause != platform::causeBadPath) {
        // The file is there but cannot be opened: show the table, keep the file.
        m_keepable = false;
    }
    if (!placed)
        m_lines.push_back(newEntry);
    if (m_lines.size() > static_cast<size_t>(m_capacity))
        m_lines.erase(m_lines.begin() + m_capacity);
}

int CScoreTable::Save(const std::string& path) const {
    if (!m_keepable)
        return platform::causeAccessDenied;
    return platform::ReplaceFile(path, [this](platform::CTextFile& file) {
        file.WriteInt(m_capacity);
        const size_t count = std::min(m_lines.size(), static_cast<size_t>(m_capacity));
        for (size_t i = 0; i < count; ++i)
            file.WriteLine(m_lines[i]);
    });
}
