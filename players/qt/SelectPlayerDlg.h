// CSelectPlayerDlg: "Select Player" (template 136). Picks a player from the
// roster or creates a new one, acting on the player record it is given (the
// application's current player). In start-up mode Cancel reads "Quit Game"
// and asks first; in view-only mode OK reads "Done" and only closes.
#pragma once

#include "platform/qt/TemplateDialog.h"

class CPlayer;
class CKeyedListBox;

class CSelectPlayerDlg : public platform::CTemplateDialog {
    Q_OBJECT
public:
    enum { kList = 1028, kNameEdit = 1029, kStatistics = 1030 };

    CSelectPlayerDlg(CPlayer& current, bool startup, bool viewOnly, QWidget* parent = nullptr);

    CKeyedListBox* List() const { return m_list; }

    bool startup;
    bool viewOnly;

protected:
    void OnCommand(int id) override;
    void OnOK() override;
    void OnCancel() override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void OnNameChange();
    void OnNameKillFocus();
    void OnSelectionChange();
    void OnStatistics();
    void SelectRow(int row);

    CPlayer& m_current;
    CKeyedListBox* m_list;
    bool m_selecting = false; // the program is changing the selection
};
