// "Player Statistics": the games with statistics, the report, Print.
#pragma once

#include "platform/DialogTemplate.h"

namespace resources {

using platform::ControlKind;

inline const platform::DialogTemplate kDlg137 = {
    137,
    "Player Statistics",
    300,
    180,
    "MS Sans Serif",
    8,
    {
        {platform::kIdStatic, ControlKind::Static,
         "Select the game you would like to see statistics on...", 7, 7, 110, 18,
         platform::styleNone},
        {1031, ControlKind::ListBox, "", 7, 27, 110, 126,
         platform::styleSorted | platform::styleVScroll | platform::styleBorder},
        {1034, ControlKind::Static, "No Game Selected", 125, 7, 168, 10, platform::styleNone},
        {1032, ControlKind::Edit, "", 125, 27, 168, 126,
         platform::styleMultiLine | platform::styleReadOnly | platform::styleVScroll |
             platform::styleBorder},
        {1, ControlKind::PushButton, "OK", 7, 159, 60, 14, platform::styleDefault},
        {1033, ControlKind::PushButton, "Print", 120, 159, 60, 14, platform::styleDisabled},
        {9, ControlKind::PushButton, "Help", 233, 159, 60, 14, platform::styleNone},
    },
};

} // namespace resources
