// CAntsGame: the state of one ants game, apart from any window or timer.
//
// The dialog's 250 ms timer drives it: the first tick shows the introduction,
// and once that is closed every tick animates the ants and every fourth takes
// a second off the time. A game of T seconds shows T, then T-1 ... 00 and
// ends one second after 00.
#pragma once

#include <string>
#include <vector>

namespace reward {

// The playing field, in pixels.
inline constexpr int kFieldWidth = 640;
inline constexpr int kFieldHeight = 480;
// The dialog around it, in pixels.
inline constexpr int kDialogWidth = 640;
inline constexpr int kDialogHeight = 520;
inline constexpr int kAntCount = 10;
inline constexpr int kTickMs = 250;
inline constexpr int kTicksPerSecond = 4;

// A rectangle: left and top inside, right and bottom outside.
struct AntRect {
    int left = 0, top = 0, right = 0, bottom = 0;
    int Width() const { return right - left; }
    int Height() const { return bottom - top; }
    bool IsEmpty() const { return right <= left || bottom <= top; }
    bool Contains(int x, int y) const { return x >= left && x < right && y >= top && y < bottom; }
    bool operator==(const AntRect&) const = default;
};

// The box (x, y, x + width, y + height) cut to the playing field; empty
// (all zero) when nothing of it lies in the field.
AntRect FieldBox(int x, int y, int width, int height);

// An ant can be caught only while it shows frame 1, 2 or 3.
inline bool CanCatch(int frame) {
    return frame >= 1 && frame <= 3;
}

// What a click at a point meets: for each ant, its box (in the same
// coordinates as the point) and the frame it shows.
struct AntView {
    AntRect box;
    int frame = 0;
};
// The indexes, in order, of every ant under the point that can be caught.
std::vector<int> AntsHitAt(const std::vector<AntView>& ants, int x, int y);

// The time a puzzle score buys: score x 3 / 10 seconds, at least 5.
int TimeForScore(int score);

// "You did not catch any ants.", "You caught an ant!" or "You caught %d ants!".
std::string EndMessage(int antsCaught);
// The introduction, with timeText in place of %s.
std::string IntroText(const std::string& timeText);

} // namespace reward

class CAntsGame {
public:
    // What the dialog does with a timer tick.
    enum class TickStep {
        ShowIntro, // show the introduction now, then call IntroClosed
        Wait,      // nothing: the introduction is open, or the game is over
        Run,       // tick the ants, then call CountDown
    };

    // Sets the player's name and the time for score ("%d" as the time text).
    void Start(int score, const std::string& playerName);

    TickStep BeginTick();
    void IntroClosed() { m_introPending = false; }
    // One tick of the running game off the clock. True when the time has
    // run out: the caller then ends the game (End) at once.
    bool CountDown();

    // An ant was caught.
    void Catch();
    // Marks the game over (time out or the window closed); false if it
    // already was, so the end runs once.
    bool End();

    std::string EndMessage() const { return reward::EndMessage(m_antsCaught); }
    std::string TableEntry() const;
    std::string IntroText() const { return reward::IntroText(m_timeText); }

    int AntsCaught() const { return m_antsCaught; }
    const std::string& CaughtText() const { return m_caughtText; }
    int TimeLeft() const { return m_timeLeft; }
    const std::string& TimeText() const { return m_timeText; }
    int TickCounter() const { return m_tickCounter; }
    bool IntroPending() const { return m_introPending; }
    bool IntroNotYetShown() const { return m_introNotYetShown; }
    bool Ended() const { return m_ended; }
    const std::string& PlayerName() const { return m_playerName; }

private:
    int m_antsCaught = 0;
    std::string m_caughtText = "0";
    int m_timeLeft = 0;
    std::string m_timeText = "30";
    int m_tickCounter = reward::kTicksPerSecond;
    bool m_introPending = true;
    bool m_introNotYetShown = true;
    bool m_ended = false;
    std::string m_playerName;
};
