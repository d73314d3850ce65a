#include "resources/Menu.h"

#include <map>

namespace resources {

namespace {

MenuItem Item(int id, const char* text, const char* shortcut = "",
              Enabling enabling = Enabling::always) {
    MenuItem m;
    m.id = id;
    m.text = text;
    m.shortcut = shortcut;
    m.enabling = enabling;
    return m;
}

MenuItem Separator() {
    return MenuItem{};
}

MenuItem Popup(const char* text, std::vector<MenuItem> items) {
    MenuItem m;
    m.text = text;
    m.items = std::move(items);
    return m;
}

} // namespace

const std::vector<MenuItem>& MainMenu() {
    static const std::vector<MenuItem> menu = [] {
        MenuItem statusBar = Item(ID_VIEW_STATUS_BAR, "&Status Bar");
        statusBar.checkable = true;
        MenuItem markRest =
            Item(ID_MARK_REST_FALSE, "&Mark the Rest False When a Cell Is Marked True");
        markRest.checkable = true;
        MenuItem symbols = Item(ID_SHOW_SYMBOLS, "Show Marks as &Symbols");
        symbols.checkable = true;
        return std::vector<MenuItem>{
            Popup("&File",
                  {
                      Item(ID_NEW_GAME, "&New Game", "Ctrl+N"),
                      Item(ID_NEW_RANDOM_GAME, "New &Random Game...", "Ctrl+R"),
                      Item(ID_LOAD_SAVED_GAME, "&Load Saved Game", "Ctrl+O"),
                      Item(ID_SAVE_GAME, "&Save Game", "Ctrl+S", Enabling::whilePlaying),
                      Separator(),
                      Item(ID_FILE_PRINT, "&Print Page...", "Ctrl+P"),
                      Separator(),
                      Item(ID_APP_EXIT, "E&xit", "Ctrl+Q"),
                  }),
            Popup("&Actions",
                  {
                      Item(ID_EDIT_UNDO, "&Undo", "Ctrl+Z", Enabling::whileUndoable),
                      Item(ID_EDIT_REDO, "&Redo", "Ctrl+Shift+Z;Ctrl+Y", Enabling::whileRedoable),
                      Separator(),
                      Item(ID_SHOW_SOLUTION, "&Show Solution", "", Enabling::whilePlaying),
                      Item(ID_CHECK_ANSWER, "Check &Answer", "", Enabling::whilePlaying),
                      Item(ID_EXPLAIN_NEXT_STEP, "&Explain Next Step", "Ctrl+E",
                           Enabling::whileCoached),
                      Item(ID_WHERE_WRONG, "&Where Did I Go Wrong?", "", Enabling::whileCoached),
                      Item(ID_FIND_HINTS, "&Find Hints For A Cell"),
                      Item(ID_PLAY_REWARD_GAME, "Play Reward Game", "",
                           Enabling::whileRewardAvailable),
                      Separator(),
                      Popup("View Statistics",
                            {
                                Item(ID_STATS_CURRENT_PLAYER, "&Current Player"),
                                Item(ID_STATS_ANY_PLAYER, "&Any Player"),
                            }),
                      Popup("Game Maintenance",
                            {
                                Item(ID_SETTINGS, "&Settings"),
                                Item(ID_DELETE_PLAYER, "&Delete Player"),
                            }),
                      Item(ID_NEW_PLAYER, "&New Player"),
                  }),
            Popup("&View", {statusBar, Popup("&Options", {markRest, symbols})}),
            Popup("&Help",
                  {
                      Item(ID_APP_ABOUT, "&About..."),
                      Separator(),
                      Item(ID_QUICK_INSTRUCTIONS, "&Quick Instructions"),
                      Item(ID_HELP_INDEX, "&Instructions", "F1"),
                      Item(ID_SCORING, "&Scoring"),
                  }),
        };
    }();
    return menu;
}

std::string PromptString(int id) {
    static const std::map<int, std::string> table = {
        {ID_NEW_GAME, "Select a new game to play\nNew Game"},
        {ID_NEW_RANDOM_GAME, "Make a new puzzle of your choice, or play one again from its "
                             "code\nNew Random Game"},
        {ID_LOAD_SAVED_GAME, "Load a previously saved game\nLoad Saved Game"},
        {ID_SAVE_GAME, "Save this game\nSave Game"},
        {ID_FILE_PRINT, "Print the page shown in the page window\nPrint Page"},
        {ID_APP_EXIT, "Quit the application\nExit"},
        {ID_SHOW_SOLUTION, "See the answer and end the game."},
        {ID_CHECK_ANSWER, "See if your answer is correct so far."},
        {ID_FIND_HINTS, "Click on a cell and see its associated hint."},
        {ID_EXPLAIN_NEXT_STEP, "Explain the next step from your marks. Counts as an answer "
                               "check.\nExplain Next Step"},
        {ID_WHERE_WRONG, "Find your first wrong mark and why it is wrong. Counts as an answer "
                         "check.\nWhere Did I Go Wrong?"},
        {ID_PLAY_REWARD_GAME, "Play the reward game!\nReward Game!"},
        {ID_STATS_CURRENT_PLAYER, "See statistics for games this player has played."},
        {ID_STATS_ANY_PLAYER, "See statistics for games a player has played."},
        {ID_SETTINGS, "Modify various game settings."},
        {ID_DELETE_PLAYER, "Remove a player from the player database."},
        {ID_NEW_PLAYER, "Select or create a new player."},
        {ID_EDIT_UNDO, "Take back the last change of marks\nUndo"},
        {ID_EDIT_REDO, "Make the change taken back again\nRedo"},
        {ID_MARK_REST_FALSE, "Marking a cell true marks the rest of its row and column in its "
                             "block false\nMark the Rest False"},
        {ID_SHOW_SYMBOLS, "Show a check on true marks and a dot on false marks\nSymbols"},
        {ID_VIEW_STATUS_BAR, "Show or hide the status bar\nToggle StatusBar"},
        {ID_APP_ABOUT, "Display program information, version number and copyright\nAbout"},
        {ID_QUICK_INSTRUCTIONS, "Displays example game\nExample Game"},
        {ID_HELP_INDEX, "Displays Game Help File\nHelp"},
        {ID_SCORING, "Displays average game score and point costs.\nAverage Score Info"},
    };
    auto it = table.find(id);
    return it == table.end() ? std::string() : it->second;
}

} // namespace resources
