// The statistics operations of CPlayer: they act on the current record.
#include "platform/Clock.h"
#include "platform/MessageBox.h"
#include "players/Player.h"
#include "players/Texts.h"
#include "puzzle/Scoring.h"

using namespace players;

CGameStats* CPlayer::Current(const char* operation) {
    if (!current)
        platform::MessageBox(std::string(operation) + kNoStatsSuffix);
    return current;
}

void CPlayer::SelectGameStats(const std::string& title, bool finishedFlag) {
    current = nullptr;
    for (const auto& record : stats) {
        if (record->title == title) {
            current = record.get();
            break;
        }
    }
    if (!current) {
        auto record = std::make_unique<CGameStats>();
        record->title = title;
        record->finished = finishedFlag;
        current = record.get();
        stats.push_back(std::move(record));
    }
    if (!finishedFlag)
        current->dateText.clear();
}

void CPlayer::Hint(int index) {
    if (CGameStats* record = Current("Hint"); record && !record->finished)
        record->TakeHint(index);
}

void CPlayer::CheckAnswer() {
    if (CGameStats* record = Current("CheckAnswer"); record && !record->finished)
        ++record->answerChecks;
}

void CPlayer::SetCorrectCount(const std::string& title, int trueCells, int hints) {
    if (CGameStats* record = Current("SetCorrectCount")) {
        record->title = title;
        record->totalTrue = trueCells;
        record->hintCount = hints;
        record->SetHintCount(hints);
    }
}

void CPlayer::IncTimesPlayed(bool up) {
    if (CGameStats* record = Current("IncTimesPlayed"))
        record->timesPlayed += up ? 1 : -1;
}

int CPlayer::GameOver(int marked, int correct) {
    CGameStats* record = Current("GameOver");
    if (!record)
        return 0;
    for (const auto& game : savedGames) {
        if (game->title == record->title)
            game->finished = true;
    }
    record->correctTrue = correct;
    record->markedTrue = marked;
    int s = scoring::EndScore(record->answerChecks, record->hintsTaken, record->hintCount,
                              record->totalTrue, correct);
    record->score = s;
    record->finished = true;
    record->dateText = platform::FormatDateText(platform::kFinishedFormat, platform::Now());
    return s;
}

void CPlayer::ResetStats() {
    if (CGameStats* record = Current("ResetStats"))
        record->Reset();
}

int CPlayer::TimesHintTaken() {
    CGameStats* record = Current("TimesHintTaken");
    return record ? record->hintsTaken : 0;
}

int CPlayer::TimesAnswerChecked() {
    CGameStats* record = Current("TimesAnswerChecked");
    return record ? record->answerChecks : 0;
}

int CPlayer::TimesPlayed() const {
    return current ? current->timesPlayed : 0;
}

void CPlayer::GetGameData(int& deduction, int& average) {
    if (CGameStats* record = Current("GetGameData")) {
        deduction = scoring::PointsPerItem(record->hintCount, record->totalTrue);
        average = scoring::AverageScore(record->hintCount, record->totalTrue);
    }
}

int CPlayer::GetScore() {
    CGameStats* record = Current("GetScore");
    if (!record)
        return 0;
    if (record->score <= 0)
        record->score = 1;
    return record->score;
}
