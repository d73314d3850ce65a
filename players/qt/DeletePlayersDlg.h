// CDeletePlayersDlg: "Delete Players" (template 142). Lists every player but
// the current one; deletes the selected players with their saved games and
// rewrites the roster with the current player first.
#pragma once

#include "platform/qt/TemplateDialog.h"

#include <string>

class CKeyedListBox;

class CDeletePlayersDlg : public platform::CTemplateDialog {
    Q_OBJECT
public:
    enum { kList = 1028 };

    CDeletePlayersDlg(const std::string& currentName, const std::string& currentFileName,
                      QWidget* parent = nullptr);

    CKeyedListBox* List() const { return m_list; }

protected:
    void OnCommand(int id) override;
    void OnOK() override;

private:
    std::string m_currentName;
    std::string m_currentFileName;
    CKeyedListBox* m_list;
};
