// "Congratulations!": the end-of-game dialog.
#pragma once

#include "platform/DialogTemplate.h"

namespace resources {

using platform::ControlKind;

// The icon beside the texts has no control id of its own; the dialog's code
// finds it by this one.
inline constexpr int kCongratsIconId = 1099;

inline const platform::DialogTemplate kDlg139 = {
    139,
    "Congratulations!",
    273,
    111,
    "MS Sans Serif",
    8,
    {
        {6, ControlKind::PushButton, "Play Reward Game", 6, 89, 75, 14, platform::styleDefault},
        {2, ControlKind::PushButton, "Check Solution", 84, 89, 72, 14, platform::styleNone},
        {1, ControlKind::PushButton, "New Game", 158, 89, 72, 14, platform::styleNone},
        {1067, ControlKind::PushButton, "Quit", 233, 89, 33, 14, platform::styleNone},
        {kCongratsIconId, ControlKind::Picture, "", 9, 17, 21, 20, platform::styleNone},
        {1039, ControlKind::Static, "You have finished the puzzle!", 35, 10, 229, 15,
         platform::styleNone},
        {1040, ControlKind::Static, "", 35, 28, 230, 15, platform::styleNone},
        {1064, ControlKind::Static,
         "If you want to check the solution first, before playing the reward game, select "
         "\"Check Solution.\"  When you are ready to play the reward game select \"Play Reward "
         "Game\" under the \"Actions\" menu item.",
         7, 48, 258, 33, platform::styleNone},
    },
};

} // namespace resources
