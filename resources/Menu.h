// The main window's menu (resource 128): command ids, menu texts, the
// status-bar prompt strings, keyboard shortcuts and enabling rules.
#pragma once

#include <string>
#include <vector>

namespace resources {

// Command ids.
enum CommandId {
    ID_NEW_GAME = 32771,
    ID_LOAD_SAVED_GAME = 32772,
    ID_SAVE_GAME = 32773,
    ID_CHECK_ANSWER = 32774,
    ID_FIND_HINTS = 32775,
    ID_SHOW_SOLUTION = 32776,
    ID_STATS_CURRENT_PLAYER = 32779,
    ID_STATS_ANY_PLAYER = 32780,
    ID_SETTINGS = 32781,
    ID_DELETE_PLAYER = 32782,
    ID_NEW_PLAYER = 32783,
    ID_PLAY_REWARD_GAME = 32784,
    ID_QUICK_INSTRUCTIONS = 32785,
    ID_SCORING = 32786,
    ID_MARK_REST_FALSE = 32787,
    ID_SHOW_SYMBOLS = 32788,
    ID_EXPLAIN_NEXT_STEP = 32789,
    ID_WHERE_WRONG = 32790,
    ID_NEW_RANDOM_GAME = 32791,
    ID_EDIT_UNDO = 57643,
    ID_EDIT_REDO = 57644,
    ID_FILE_PRINT = 57607,
    ID_APP_ABOUT = 57664,
    ID_APP_EXIT = 57665,
    ID_HELP_INDEX = 57670,
    ID_VIEW_STATUS_BAR = 59393,
};

// Status-bar indicator ids of panes 1 to 3.
enum { ID_INDICATOR_HINTS = 61403, ID_INDICATOR_CHECKS = 61404, ID_INDICATOR_PLAYED = 61405 };

enum class Enabling {
    always,
    whilePlaying,         // while the board's solution is not shown
    whileRewardAvailable, // while the main frame's reward-available flag is set
    whileUndoable,        // while the board has a change of marks to take back
    whileRedoable,        // while the board has a change taken back to give again
    whileCoached,         // while playing a game that has a clue file the coach can read
};

struct MenuItem {
    int id = 0; // 0: a separator, or a submenu when items is not empty
    std::string text;
    std::string shortcut; // Qt key sequence texts parted by ";", or empty
    Enabling enabling = Enabling::always;
    bool checkable = false;
    std::vector<MenuItem> items;
};

inline constexpr const char* kMainTitle = "Deduxa";

// The menu bar, in order.
const std::vector<MenuItem>& MainMenu();

// The prompt string of a command ("prompt\nshort name"); empty when none.
std::string PromptString(int id);

} // namespace resources
