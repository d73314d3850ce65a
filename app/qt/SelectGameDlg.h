// CSelectGameDlg: "Select Game To Play" (template 130, fixed scale). Lists
// the games of "data\games.dat", plays the chosen one or opens a saved game.
// Results: 1 play the chosen game, 1038 open a saved game, 1037 cancel.
#pragma once

#include "app/GameList.h"
#include "app/qt/FixedScaleDlg.h"

#include <string>
#include <vector>

class CPlayer;

class CSelectGameDlg : public CFixedScaleDlg {
    Q_OBJECT
public:
    enum {
        kPlay = 1,
        kList = 1001,
        kPicture = 1036,
        kCancel = 1037,
        kOpenSaved = 1038,
        kHelp = 9,
        kQuickInstructions = 1065
    };
    enum { resultPlay = 1, resultOpenSaved = 1038, resultCancel = 1037 };

    explicit CSelectGameDlg(CPlayer* player, QWidget* parent = nullptr);

    // Set by the caller before the dialog runs.
    bool startupMode = false;
    bool unfinishedSavedGameExists = false;
    bool showQuickInstructions = true;

    // Results.
    std::string chosenTitle;
    std::string chosenFileName;

    // The list as read from the game list file, in list order.
    const std::vector<GameListEntry>& Games() const { return m_games; }

    int exec() override;

protected:
    void OnCommand(int id) override;
    void OnOK() override;
    void OnCancel() override;

private:
    void Initialise();
    void OnOpenSavedGame();
    void TakeCheckBox();

    CPlayer* m_player;
    std::vector<GameListEntry> m_games;
};
