// "Saved Games": the player's unfinished saved games.
#pragma once

#include "platform/DialogTemplate.h"

namespace resources {

using platform::ControlKind;

inline const platform::DialogTemplate kDlg138 = {
    138,
    "Saved Games",
    186,
    150,
    "MS Sans Serif",
    8,
    {
        {platform::kIdStatic, ControlKind::Static, "Select the game you wish to continue.", 7, 7,
         172, 10, platform::styleNone},
        {1031, ControlKind::ListBox, "", 7, 20, 172, 104,
         platform::styleSorted | platform::styleVScroll | platform::styleBorder},
        {1, ControlKind::PushButton, "OK", 7, 130, 52, 14,
         platform::styleDefault | platform::styleDisabled},
        {2, ControlKind::PushButton, "Cancel", 67, 130, 52, 14, platform::styleNone},
        {9, ControlKind::PushButton, "Help", 127, 130, 52, 14, platform::styleNone},
    },
};

} // namespace resources
