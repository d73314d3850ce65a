// CScoreTable: the table of the highest ants scores, shared by all players and
// kept in "ants\scores.dat": a capacity line, then up to capacity entry lines,
// best first. An entry is the count of ants caught ("%.2d"), a tab and the
// player's name; entries are ordered as whole lines by their bytes compared as
// unsigned numbers, highest first.
#pragma once

#include <string>
#include <vector>

namespace reward {

inline constexpr int kDefaultCapacity = 10;

// "%.2d\t%s": the count with at least two digits, a tab and the name (a
// line break in the name becomes a blank).
std::string FormatEntry(int antsCaught, const std::string& name);

// Compares two entries byte by byte as unsigned numbers: < 0, 0 or > 0.
int CompareEntries(const std::string& a, const std::string& b);

} // namespace reward

class CScoreTable {
public:
    // Reads the score file at path (a real path) and puts newEntry in its
    // place: before the first line it compares greater than, else at the end.
    // Then cuts the table to its capacity. A missing file gives an empty
    // table of 10 places.
    void Load(const std::string& path, const std::string& newEntry);

    // Writes the capacity and at most capacity lines to path through a
    // whole-file replacement. Returns the cause code (0 when written). A
    // table whose file existed but could not be read is not written, so a
    // file that could not be read is never replaced by a shorter table.
    int Save(const std::string& path) const;

    int Capacity() const { return m_capacity; }
    const std::vector<std::string>& Lines() const { return m_lines; }
    // False when the file was there but could not be read whole.
    bool Keepable() const { return m_keepable; }

private:
    int m_capacity = reward::kDefaultCapacity;
    std::vector<std::string> m_lines;
    bool m_keepable = true;
};
