#include "board/FrameCycle.h"

#include "platform/Random.h"

namespace board {

int DelayForRandom(int r) {
    // Unsigned arithmetic, as the delay has always been computed.
    return static_cast<int>(static_cast<unsigned>(r) * 20u / 32767u + 1u);
}

CFrameCycle::CFrameCycle() {
    ResetDelay();
}

void CFrameCycle::ResetDelay() {
    m_delay = DelayForRandom(platform::NextRandom());
}

bool CFrameCycle::Tick() {
    if (m_delay != 0) {
        --m_delay;
        return false;
    }
    if (m_rising) {
        if (++m_frame >= kFrameCount) {
            m_rising = false;
            m_frame = kFrameCount - 1;
        }
    } else if (--m_frame < 0) {
        m_rising = true;
        m_frame = 0;
        ResetDelay();
    }
    return true;
}

void CFrameCycle::Hit() {
    ResetDelay();
    m_delay += kHitExtraDelay;
    m_rising = true;
    m_frame = 0;
}

void CFrameCycle::SetState(int delay, bool rising, int frame) {
    m_delay = delay < 0 ? 0 : delay;
    m_rising = rising;
    m_frame = frame < 0 ? 0 : (frame >= kFrameCount ? kFrameCount - 1 : frame);
}

} // namespace board
