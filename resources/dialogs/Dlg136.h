// "Select Player": the roster list, the name edit, OK, Statistics, Cancel.
#pragma once

#include "platform/DialogTemplate.h"

namespace resources {

using platform::ControlKind;

inline const platform::DialogTemplate kDlg136 = {
    136,
    "Select Player",
    186,
    170,
    "MS Sans Serif",
    8,
    {
        {platform::kIdStatic, ControlKind::Static,
         "Please select your name, or type your name in the edit box below.", 7, 7, 172, 18,
         platform::styleNone},
        {1028, ControlKind::ListBox, "", 7, 27, 172, 94,
         platform::styleSorted | platform::styleVScroll | platform::styleBorder},
        {platform::kIdStatic, ControlKind::Static, "Player's Name:", 7, 125, 80, 8,
         platform::styleNone},
        {1029, ControlKind::Edit, "", 7, 135, 172, 12, platform::styleBorder},
        {1, ControlKind::PushButton, "OK", 7, 151, 52, 14,
         platform::styleDefault | platform::styleDisabled},
        {1030, ControlKind::PushButton, "Statistics", 67, 151, 52, 14, platform::styleDisabled},
        {2, ControlKind::PushButton, "Cancel", 127, 151, 52, 14, platform::styleNone},
    },
};

} // namespace resources
