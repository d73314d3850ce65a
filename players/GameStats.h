// A player's statistics record of one game title, and the report made from it.
#pragma once

#include <string>
#include <vector>

namespace platform {
class CTextFile;
}

// Base of the statistics records. The base versions do nothing.
class CGameRecord {
public:
    virtual ~CGameRecord() = default;
    // Appends the readable lines; crlf chooses "\r\n" over "\n" as line end.
    virtual void Report(std::string& text, bool crlf) const;
    virtual void Reset();
    // Reads the stored lines from an open player file.
    virtual bool Read(platform::CTextFile& file);
    // Writes the stored lines to an open player file.
    virtual bool Write(platform::CTextFile& file);
};

class CGameStats : public CGameRecord {
public:
    std::string title;
    std::string dateText; // last played or finished; stamped by Write when empty
    std::string reserved; // read and written back unchanged
    bool finished = false;
    int timesPlayed = 0;
    int correctTrue = 0;
    int markedTrue = 0;
    int totalTrue = 0;
    int hintsTaken = 0;
    int hintCount = 0;
    int answerChecks = 0;
    int score = 1;
    std::vector<bool> hintTaken;

    void Report(std::string& text, bool crlf) const override;
    // Empties the texts and counts; timesPlayed and the hint flags stay.
    void Reset() override;
    // Reads the stored lines. Returns false when the file ends before the
    // record is whole (a cut-off record); hint flags are read only while
    // lines remain, so no stored hint count allocates more than the file holds.
    bool Read(platform::CTextFile& file) override;
    // The same, with the title line already read by the caller.
    bool ReadAfterTitle(platform::CTextFile& file, const std::string& titleLine);
    // Writes the stored lines, stamping an empty dateText with the last-played
    // text first. File errors travel as platform::CFileException.
    bool Write(platform::CTextFile& file) override;

    // Marks hint i taken and counts it, once; any other index does nothing.
    void TakeHint(int i);
    // The hint flags become n flags, all false (none for n <= 0).
    void SetHintCount(int n);

private:
    bool ReadRest(platform::CTextFile& file);
};

namespace players {

// The statistics report of one record and its player.
std::string StatsReport(const CGameStats& record, const std::string& playerName, bool crlf);

// Writes a report made with "\n" line ends to path (replacing an earlier
// file whole). Returns the file-error cause code, 0 on success.
int WriteStatsReport(const std::string& path, const std::string& report);

} // namespace players
