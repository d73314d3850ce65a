// CFrameCycle: the animation rule of a four-frame sprite (CDibStatic).
//
// The frame climbs 0 -> 3, stays on 3 for one step, falls back to 0, stays
// there for one step, then waits a random delay before climbing again. From
// frame 0 rising with no delay, successive steps show 1, 2, 3, 3, 2, 1, 0, 0.
#pragma once

namespace board {

class CFrameCycle {
public:
    static constexpr int kFrameCount = 4;
    // Extra steps a hit sprite waits before it moves again.
    static constexpr int kHitExtraDelay = 5;

    // Draws the first delay from the process-wide random generator.
    CFrameCycle();

    // One animation step. Returns true when the frame shown may have changed
    // (the control repaints), false while a delay is being waited out.
    bool Tick();
    // The sprite was hit: a fresh, longer delay and back to frame 0, rising.
    void Hit();
    // delay = r * 20 / 32767 + 1 with r the next random value: 1 to 20, and
    // 21 only when r is 32767.
    void ResetDelay();

    int delay() const { return m_delay; }
    bool rising() const { return m_rising; }
    int frame() const { return m_frame; }

    // For owners that restore a state (and for tests).
    void SetState(int delay, bool rising, int frame);

private:
    int m_delay = 0;
    bool m_rising = true;
    int m_frame = 0;
};

// The delay ResetDelay draws for a random value r (0 to 32767).
int DelayForRandom(int r);

} // namespace board
