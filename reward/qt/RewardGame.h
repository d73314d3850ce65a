// The reward game's entry point, for the end-of-game dialog and the Play
// Reward Game command: runs the ants game for a finished puzzle's score and
// the player's name, modally over parent, and returns the dialog's result.
#pragma once

#include <string>

class QWidget;

int PlayRewardGame(QWidget* parent, int score, const std::string& playerName);
