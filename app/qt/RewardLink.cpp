#include "app/qt/RewardLink.h"

#include "reward/qt/RewardGame.h"

#include <utility>

namespace shell {

namespace {
RewardRunner& Runner() {
    static RewardRunner runner;
    return runner;
}
} // namespace

RewardRunner SetRewardRunner(RewardRunner runner) {
    return std::exchange(Runner(), std::move(runner));
}

void RunRewardGame(int score, const std::string& playerName, QWidget* parent) {
    if (Runner()) {
        Runner()(score, playerName, parent);
        return;
    }
    PlayRewardGame(parent, score, playerName);
}

} // namespace shell
