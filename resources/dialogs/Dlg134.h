// The game button bar along the top of the main window's client area. The
// numbered hint buttons are made at run time in the place of control 1066.
#pragma once

#include "platform/DialogTemplate.h"

namespace resources {

using platform::ControlKind;

inline const platform::DialogTemplate kDlg134 = {
    134,
    "",
    339,
    17,
    "MS Sans Serif",
    8,
    {
        {1036, ControlKind::PushButton, "Show The Solution", 2, 1, 77, 14, platform::styleNone},
        {1003, ControlKind::PushButton, "Check My Answer", 83, 1, 77, 14, platform::styleNone},
        {1004, ControlKind::PushButton, "Find Hints For A Cell", 164, 1, 77, 14,
         platform::styleNone},
        {platform::kIdStatic, ControlKind::Static, "Hints:", 246, 4, 26, 8, platform::styleRight},
        {1005, ControlKind::PushButton, "Clear", 276, 1, 29, 14, platform::styleNone},
        {1062, ControlKind::PushButton, "x", 248, 3, 7, 6,
         platform::styleDefault | platform::styleHidden},
        {1066, ControlKind::PushButton, "", 307, 1, 16, 14, platform::styleHidden},
    },
};

} // namespace resources
