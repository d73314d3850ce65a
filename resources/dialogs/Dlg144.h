// Dialog 144: the high-score table, "10 Highest Scores".
#pragma once

#include "platform/DialogTemplate.h"

inline const platform::DialogTemplate kDlg144 = {
    144,
    "10 Highest Scores",
    186,
    165,
    "MS Sans Serif",
    8,
    {
        {1053, platform::ControlKind::Static, "Kudos!", 7, 6, 172, 18, platform::styleCenter},
        {1052, platform::ControlKind::ListBox, "", 7, 28, 172, 108,
         platform::styleTabStops | platform::styleVScroll},
        {platform::kIdOk, platform::ControlKind::PushButton, "OK", 68, 144, 50, 14,
         platform::styleDefault},
    },
};
