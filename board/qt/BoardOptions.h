// The board's options that go beyond the settings file: kept per user in the
// platform's settings store (QSettings), so the game's own data files keep
// their formats. Both are off until the player turns them on.
#pragma once

namespace board {

struct BoardOptions {
    bool markRestFalse = false; // marking a cell true marks the rest of its lines false
    bool showSymbols = false;   // marks carry a check or a dot as well as a colour
};

BoardOptions ReadBoardOptions();
void WriteBoardOptions(const BoardOptions& options);

} // namespace board
