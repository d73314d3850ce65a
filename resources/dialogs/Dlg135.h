// Dialog 135: "Select A Cell" (CCellHintDlg), the modeless cell-hint dialog.
#pragma once

#include "platform/DialogTemplate.h"

inline const platform::DialogTemplate kDlg135 = {
    135,
    "Select A Cell",
    186,
    90,
    "MS Sans Serif",
    8,
    {
        {1, platform::ControlKind::PushButton, "OK", 21, 69, 50, 14, platform::styleDefault},
        {platform::kIdStatic, platform::ControlKind::Static,
         "Please click on the cell to see the associated hint.", 7, 8, 171, 15,
         platform::styleCenter},
        {1027, platform::ControlKind::Static, "The associated hint for this cell is listed below.",
         7, 29, 171, 18, platform::styleCenter | platform::styleDisabled},
        {1026, platform::ControlKind::Edit, "", 21, 50, 142, 14,
         platform::styleCenter | platform::styleMultiLine | platform::styleReadOnly |
             platform::styleBorder | platform::styleDisabled},
        {9, platform::ControlKind::PushButton, "Help", 105, 69, 57, 14, platform::styleNone},
    },
};
