// "Delete Players": every player but the current one, several selectable.
#pragma once

#include "platform/DialogTemplate.h"

namespace resources {

using platform::ControlKind;

inline const platform::DialogTemplate kDlg142 = {
    142,
    "Delete Players",
    186,
    160,
    "MS Sans Serif",
    8,
    {
        {platform::kIdStatic, ControlKind::Static,
         "Once a player is deleted, that player's game information is permanently erased.", 7, 7,
         172, 18, platform::styleNone},
        {1028, ControlKind::ListBox, "", 7, 28, 172, 106,
         platform::styleSorted | platform::styleExtendedSel | platform::styleVScroll |
             platform::styleBorder},
        {1, ControlKind::PushButton, "OK", 7, 140, 52, 14,
         platform::styleDefault | platform::styleDisabled},
        {2, ControlKind::PushButton, "Cancel", 67, 140, 52, 14, platform::styleNone},
        {9, ControlKind::PushButton, "Help", 127, 140, 52, 14, platform::styleNone},
    },
};

} // namespace resources
