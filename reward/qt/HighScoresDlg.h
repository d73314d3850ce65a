// CHighScoresDlg: "10 Highest Scores". Reads "ants\scores.dat" when it opens,
// puts the new entry in its place and cuts the table to its capacity; writes
// the table back when it closes, whatever closed it.
#pragma once

#include "platform/qt/TemplateDialog.h"
#include "reward/ScoreTable.h"

#include <string>

class CHighScoresDlg : public platform::CTemplateDialog {
    Q_OBJECT
public:
    explicit CHighScoresDlg(QWidget* parent = nullptr);
    ~CHighScoresDlg() override;

    // Shows the table with entry in its place and message above it; returns
    // the modal result.
    virtual int Run(const std::string& entry, const std::string& message);

    const CScoreTable& Table() const { return m_table; }
    int Capacity() const { return m_table.Capacity(); }
    const std::string& Message() const { return m_message; }

public slots:
    void done(int result) override;

private:
    void OnInitDialog();
    void SaveTable();

    std::string m_entry;
    std::string m_message;
    CScoreTable m_table;
    bool m_open = false; // read and shown; written once when it closes
};
