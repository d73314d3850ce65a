// CCongratsDlg: the end-of-game dialog (template 139). Shows the score in
// blue and offers the reward game, a new game, the solution or quitting.
// Results: 1 New Game, 6 Check Solution before the reward game was played
// here, 2 Check Solution after it, 7 Quit.
#pragma once

#include "platform/qt/TemplateDialog.h"

#include <string>

class CCongratsDlg : public platform::CTemplateDialog {
    Q_OBJECT
public:
    enum { kRewardButton = 6, kQuitButton = 1067, kScoreText = 1040, kExplainText = 1064 };

    explicit CCongratsDlg(QWidget* parent = nullptr);

    // Sets the score and the score text "Your score is %d out of 100.".
    void SetScore(int score);
    // Stores the name, runs the dialog modally and returns its result.
    virtual int Run(const std::string& playerName);

    int score = 100;
    std::string playerName;
    std::string scoreText;

protected:
    void OnCommand(int id) override;
    void OnCancel() override;
    void showEvent(QShowEvent* event) override;
};
