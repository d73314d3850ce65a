#include "players/GameStats.h"

#include "platform/Clock.h"
#include "platform/FileReplace.h"
#include "platform/TextFile.h"
#include "players/Texts.h"

using platform::CTextFile;
using namespace players;

void CGameRecord::Report(std::string&, bool) const {}

void CGameRecord::Reset() {}

bool CGameRecord::Read(CTextFile&) {
    return false;
}

bool CGameRecord::Write(CTextFile&) {
    return false;
}

void CGameStats::Report(std::string& text, bool crlf) const {
    const char* end = crlf ? "\r\n" : "\n";
    auto line = [&](const char* label, int value) {
        text += label;
        text += std::to_string(value);
        text += end;
    };
    line(kReportTimesPlayed, timesPlayed);
    text += dateText;
    text += end;
    text += end;
    line(kReportScore, score);
    line(kReportChecks, answerChecks);
    line(kReportHintCount, hintCount);
    line(kReportHintsTaken, hintsTaken);
    line(kReportTotalTrue, totalTrue);
    line(kReportMarkedTrue, markedTrue);
    line(kReportCorrectTrue, correctTrue);
}

void CGameStats::Reset() {
    title.clear();
    dateText.clear();
    reserved.clear();
    finished = false;
    correctTrue = 0;
    markedTrue = 0;
    totalTrue = 0;
    hintsTaken = 0;
    hintCount = 0;
    answerChecks = 0;
    score = 1;
}

bool CGameStats::Read(CTextFile& file) {
    if (!file.ReadString(title))
        return false;
    return ReadRest(file);
}

bool CGameStats::ReadAfterTitle(CTextFile& file, const std::string& titleLine) {
    title = titleLine;
    return ReadRest(file);
}

bool CGameStats::ReadRest(CTextFile& file) {
    std::string line;
    if (!file.ReadString(dateText) || !file.ReadString(reserved) || !file.ReadString(line))
        return false;
    finished = line != "FALSE";
    int* const numbers[] = {&timesPlayed, &correctTrue, &markedTrue,   &totalTrue,
                            &hintsTaken,  &hintCount,   &answerChecks, &score};
    for (int* value : numbers) {
        if (!file.ReadString(line))
            return false;
        *value = platform::ParseInt(line);
    }
    // The flags grow with the lines actually there, whatever hintCount says.
    hintTaken.clear();
    for (int i = 0; i < hintCount; ++i) {
        if (!file.ReadString(line))
            return false;
        hintTaken.push_back(platform::ParseFlag(line));
    }
    return true;
}

bool CGameStats::Write(CTextFile& file) {
    if (dateText.empty())
        dateText = platform::FormatDateText(platform::kLastPlayedFormat, platform::Now());
    file.WriteLine(title);
    file.WriteLine(dateText);
    file.WriteLine(reserved);
    file.WriteFlag(finished);
    for (int value : {timesPlayed, correctTrue, markedTrue, totalTrue, hintsTaken, hintCount,
                      answerChecks, score})
        file.WriteInt(value);
    if (hintCount >= 0 && hintTaken.size() == static_cast<size_t>(hintCount)) {
        for (bool taken : hintTaken)
            file.WriteFlag(taken);
    }
    return true;
}

void CGameStats::TakeHint(int i) {
    if (i < 0 || static_cast<size_t>(i) >= hintTaken.size() || hintTaken[i])
        return;
    hintTaken[i] = true;
    ++hintsTaken;
}

void CGameStats::SetHintCount(int n) {
    hintTaken.assign(n > 0 ? static_cast<size_t>(n) : 0, false);
}

namespace players {

std::string StatsReport(const CGameStats& record, const std::string& playerName, bool crlf) {
    const char* end = crlf ? "\r\n" : "\n";
    std::string text;
    text += kReportHeading;
    text += end;
    text += end;
    text += kReportGameTitle + record.title + end;
    text += kReportGamePlayer + playerName + end;
    text += end;
    record.Report(text, crlf);
    return text;
}

int WriteStatsReport(const std::string& path, const std::string& report) {
    return platform::ReplaceFile(path, [&](CTextFile& file) { file.WriteString(report); });
}

} // namespace players
