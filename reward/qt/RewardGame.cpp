#include "reward/qt/RewardGame.h"

#include "reward/qt/AntsDlg.h"

int PlayRewardGame(QWidget* parent, int score, const std::string& playerName) {
    CAntsDlg dlg(parent);
    return dlg.Run(score, playerName);
}
