// Making a game into the data folder: the puzzle searched in a worker
// thread, with a progress dialog and its Cancel once the search takes longer
// than kProgressDelayMs; the files written under a temporary folder and moved
// into place at the end, then the game listed. A cancelled or failed making
// leaves no file and no list entry behind.
#pragma once

#include "app/GameList.h"
#include "madegames/GameCode.h"

#include <QDialog>
#include <functional>
#include <string>

class QLabel;

namespace madegames {

inline constexpr int kProgressDelayMs = 300;

enum class MakeOutcome { made, cancelled, failed };

struct MakeResult {
    MakeOutcome outcome = MakeOutcome::failed;
    GameListEntry entry; // the made game's title and file name
    std::string fault;   // a failure, in a sentence for the player
};

// Makes the recipe's game into folder (the data folder's "data/", ending in
// "/") and lists it in the list file at listPath. A game already listed whose
// files are there is not made again. The progress dialog comes up over owner.
// stop, for tests, is asked between seeds from the worker thread (it must be
// safe to call from there); true stops the making as Cancel does.
MakeResult MakeGameInto(const GameRecipe& recipe, const std::string& folder,
                        const std::string& listPath, QWidget* owner,
                        const std::function<bool()>& stop = {});

// Removes the temporary folders of makings a crash cut short from folder
// (the data folder's "data/", ending in "/"): the folders ".<name>.making"
// themselves, never what a link of that name points to. Returns how many.
int RemoveUnfinishedMakings(const std::string& folder);

// The progress dialog: what is being made, a busy bar and Cancel.
class CMakingDlg : public QDialog {
    Q_OBJECT
public:
    CMakingDlg(const std::string& what, QWidget* parent);

protected:
    void showEvent(QShowEvent* event) override;
};

} // namespace madegames
