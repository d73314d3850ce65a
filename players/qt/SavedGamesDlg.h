// CSavedGamesDlg: "Saved Games" (template 138), the player's unfinished saved
// games; returns the chosen title and puzzle base name on OK.
#pragma once

#include "platform/qt/TemplateDialog.h"

#include <string>

class CPlayer;
class CKeyedListBox;

class CSavedGamesDlg : public platform::CTemplateDialog {
    Q_OBJECT
public:
    explicit CSavedGamesDlg(const CPlayer* player, QWidget* parent = nullptr);

    CKeyedListBox* List() const { return m_list; }
    std::string chosenTitle;
    std::string chosenPuzzleBase;

protected:
    void OnCommand(int id) override;
    void OnOK() override;

private:
    CKeyedListBox* m_list;
};
