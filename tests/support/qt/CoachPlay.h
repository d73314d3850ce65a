// Plays the frame's game by the coach alone: Explain Next Step, then the
// coach dialog's action button, until the Congratulations dialog comes up.
#pragma once

#include "app/qt/MainFrame.h"
#include "tests/support/qt/UiHelpers.h"

#include <functional>

class CCoachDlg;

namespace testing_support {

struct CoachPlay {
    bool congratulated = false;
    int uses = 0; // times Explain Next Step was chosen
};

// onCoach sees each coach dialog before its button is clicked; afterUse runs
// after each use and stops the play by returning false.
CoachPlay PlayByCoach(CMainFrame& frame, ModalDriver& driver, int maxUses,
                      const std::function<void(CCoachDlg&)>& onCoach = {},
                      const std::function<bool()>& afterUse = {});

} // namespace testing_support
