// How the shell starts the reward game: the end-of-game dialog and the Play
// Reward Game command call RunRewardGame, which runs the ants game modally.
// Tests may put their own runner in its place.
#pragma once

#include <functional>
#include <string>

class QWidget;

namespace shell {

using RewardRunner = std::function<void(int score, const std::string& playerName, QWidget* parent)>;

// Installs a runner; an empty one restores the real game. Returns the old one.
RewardRunner SetRewardRunner(RewardRunner runner);

void RunRewardGame(int score, const std::string& playerName, QWidget* parent);

} // namespace shell
