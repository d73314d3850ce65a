// Dialog 143: the ants game, "Viruz ezi Zadi!". The dialog resizes itself
// and its field when it opens; the ant statics are moved to their places
// from "ants\ants.dat".
#pragma once

#include "platform/DialogTemplate.h"

inline const platform::DialogTemplate kDlg143 = {
    143,
    "Viruz ezi Zadi!",
    207,
    93,
    "MS Sans Serif",
    8,
    {
        {platform::kIdStatic, platform::ControlKind::Static, "Time Left :", 3, 2, 38, 8},
        {1048, platform::ControlKind::Static, "60", 43, 2, 20, 8},
        {platform::kIdStatic, platform::ControlKind::Static, "Ants Caught :", 70, 2, 46, 8},
        {1049, platform::ControlKind::Static, "0", 118, 2, 20, 8},
        {1050, platform::ControlKind::Picture, "", 3, 12, 176, 76},
        {1051, platform::ControlKind::Picture, "", 8, 16, 18, 20},
        {1052, platform::ControlKind::Picture, "", 30, 16, 18, 20},
        {1053, platform::ControlKind::Picture, "", 52, 16, 18, 20},
        {1054, platform::ControlKind::Picture, "", 74, 16, 18, 20},
        {1055, platform::ControlKind::Picture, "", 96, 16, 18, 20},
        {1056, platform::ControlKind::Picture, "", 8, 40, 18, 20},
        {1057, platform::ControlKind::Picture, "", 30, 40, 18, 20},
        {1058, platform::ControlKind::Picture, "", 52, 40, 18, 20},
        {1059, platform::ControlKind::Picture, "", 74, 40, 18, 20},
        {1060, platform::ControlKind::Picture, "", 96, 40, 18, 20},
    },
};
