#include "reward/AntsGame.h"

#include "reward/ScoreTable.h"
#include "reward/Texts.h"

#include <algorithm>
#include <cstdio>

namespace reward {

AntRect FieldBox(int x, int y, int width, int height) {
    // Wide arithmetic: a damaged file may hold numbers near the ends of int.
    const long long left = std::max<long long>(x, 0);
    const long long top = std::max<long long>(y, 0);
    const long long right = std::min<long long>(static_cast<long long>(x) + width, kFieldWidth);
    const long long bottom = std::min<long long>(static_cast<long long>(y) + height, kFieldHeight);
    if (right <= left || bottom <= top)
        return {};
    return {static_cast<int>(left), static_cast<int>(top), static_cast<int>(right),
            static_cast<int>(bottom)};
}

std::vector<int> AntsHitAt(const std::vector<AntView>& ants, int x, int y) {
    std::vector<int> hit;
    for (size_t i = 0; i < ants.size(); ++i)
        if (ants[i].box.Contains(x, y) && CanCatch(ants[i].frame))
            hit.push_back(static_cast<int>(i));
    return hit;
}

int TimeForScore(int score) {
    const long long seconds = static_cast<long long>(score) * 3 / 10;
    return static_cast<int>(std::max<long long>(seconds, 5));
}

std::string EndMessage(int antsCaught) {
    if (antsCaught == 0)
        return kNoAnts;
    if (antsCaught == 1)
        return kOneAnt;
    char text[64];
    std::snprintf(text, sizeof text, kManyAntsFormat, antsCaught);
    return text;
}

std::string IntroText(const std::string& timeText) {
    std::string text = kIntroFormat;
    text.replace(text.find("%s"), 2, timeText);
    return text;
}

} // namespace reward

void CAntsGame::Start(int score, const std::string& playerName) {
    m_playerName = playerName;
    m_timeLeft = reward::TimeForScore(score);
    m_timeText = std::to_string(m_timeLeft);
}

CAntsGame::TickStep CAntsGame::BeginTick() {
    if (m_ended)
        return TickStep::Wait;
    if (m_introPending) {
        if (!m_introNotYetShown)
            return TickStep::Wait;
        m_introNotYetShown = false;
        return TickStep::ShowIntro;
    }
    return TickStep::Run;
}

bool CAntsGame::CountDown() {
    if (m_ended)
        return false;
    if (--m_tickCounter > 0)
        return false;
    m_tickCounter = reward::kTicksPerSecond;
    --m_timeLeft;
    if (m_timeLeft < 0)
        return true;
    char text[16];
    std::snprintf(text, sizeof text, "%.2d", m_timeLeft);
    m_timeText = text;
    return false;
}

void CAntsGame::Catch() {
    ++m_antsCaught;
    m_caughtText = std::to_string(m_antsCaught);
}

bool CAntsGame::End() {
    if (m_ended)
        return false;
    m_ended = true;
    return true;
}

std::string CAntsGame::TableEntry() const {
    return reward::FormatEntry(m_antsCaught, m_playerName);
}
