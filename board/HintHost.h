// CHintHost: what the board's cell-hint dialog asks of the window that runs
// the game (the main frame implements it).
#pragma once

class CHintHost {
public:
    // Shows hint page n, counts the hint and highlights its cells.
    virtual void ShowHint(int n) = 0;
    // Hint mode on: show the cell-hint dialog and let board clicks look up
    // hints. Off: hide the dialog and let clicks mark again (unless the
    // solution is shown).
    virtual void SetHintMode(bool on) = 0;

protected:
    ~CHintHost() = default;
};
