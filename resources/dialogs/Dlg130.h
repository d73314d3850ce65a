// "Select Game To Play": the game list, the picture, play, open saved game,
// help and cancel.
#pragma once

#include "platform/DialogTemplate.h"

namespace resources {

using platform::ControlKind;

inline const platform::DialogTemplate kDlg130 = {
    130,
    "Select Game To Play",
    233,
    247,
    "MS Sans Serif",
    8,
    {
        {1036, ControlKind::Picture, "", 78, 5, 77, 67, platform::styleNone},
        {1001, ControlKind::ListBox, "", 29, 81, 174, 110,
         platform::styleVScroll | platform::styleBorder},
        {1065, ControlKind::CheckBox, "Show Quick Instructions upon Startup", 29, 195, 174, 10,
         platform::styleNone},
        {1038, ControlKind::PushButton, "Open Saved Game", 7, 208, 103, 14,
         platform::styleDisabled},
        {9, ControlKind::PushButton, "Help", 122, 208, 103, 14, platform::styleNone},
        {1, ControlKind::PushButton, "Play Selected Game", 7, 224, 103, 14,
         platform::styleDefault | platform::styleDisabled},
        {1037, ControlKind::PushButton, "Cancel", 122, 224, 103, 14, platform::styleNone},
    },
};

} // namespace resources
