// CPlayerStatsDlg: "Player Statistics" (template 137). Lists the games a
// player has statistics for, shows the report of the chosen one and prints
// it to "stats.txt" in the players folder, opened in the text viewer.
#pragma once

#include "platform/qt/TemplateDialog.h"

class CPlayer;
class CGameStats;

class CPlayerStatsDlg : public platform::CTemplateDialog {
    Q_OBJECT
public:
    enum { kGameList = 1031, kReport = 1032, kPrint = 1033, kNote = 1034 };

    explicit CPlayerStatsDlg(const CPlayer* player, QWidget* parent = nullptr);

    int exec() override;

protected:
    void OnCommand(int id) override;

private:
    const CGameStats* Selected() const;
    void OnSelectionChange();
    void OnPrint();

    const CPlayer* m_player;
};
