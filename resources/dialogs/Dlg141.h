// Dialog 141: "Customize Game Settings" (CSettingsDlg).
#pragma once

#include "platform/DialogTemplate.h"

inline const platform::DialogTemplate kDlg141 = {
    141,
    "Customize Game Settings",
    186,
    121,
    "MS Sans Serif",
    8,
    {
        // The three swatches: invisible rectangles marking where the dialog
        // paints the colours.
        {1043, platform::ControlKind::Picture, "", 7, 7, 18, 20, platform::styleHidden},
        {platform::kIdStatic, platform::ControlKind::Static, "Square Marked True", 29, 14, 77, 8,
         platform::styleNone},
        {1042, platform::ControlKind::PushButton, "Change Color", 113, 12, 59, 14,
         platform::styleNone},
        {1044, platform::ControlKind::Picture, "", 7, 30, 18, 20, platform::styleHidden},
        {platform::kIdStatic, platform::ControlKind::Static, "Square Marked False", 30, 36, 75, 8,
         platform::styleNone},
        {1046, platform::ControlKind::PushButton, "Change Color", 113, 35, 59, 14,
         platform::styleNone},
        {1045, platform::ControlKind::Picture, "", 7, 53, 18, 20, platform::styleHidden},
        {platform::kIdStatic, platform::ControlKind::Static, "Hint", 31, 59, 74, 8,
         platform::styleNone},
        {1047, platform::ControlKind::PushButton, "Change Color", 113, 58, 59, 14,
         platform::styleNone},
        {1048, platform::ControlKind::PushButton, "Default Colors", 113, 79, 59, 14,
         platform::styleNone},
        {1041, platform::ControlKind::CheckBox, "Play Sounds", 7, 84, 100, 10, platform::styleNone},
        {1, platform::ControlKind::PushButton, "OK", 7, 100, 50, 14, platform::styleDefault},
        {2, platform::ControlKind::PushButton, "Cancel", 69, 100, 50, 14, platform::styleNone},
        {9, platform::ControlKind::PushButton, "Help", 129, 100, 50, 14, platform::styleNone},
    },
};
