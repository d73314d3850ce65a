#include "app/qt/RewardLink.h"

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
    // The ants game is linked in here once it is part of the program.
    (void)score;
    (void)playerName;
    (void)parent;
}

} // namespace shell
