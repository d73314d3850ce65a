// The About box.
#pragma once

#include "platform/DialogTemplate.h"

namespace resources {

using platform::ControlKind;

inline const platform::DialogTemplate kDlg100 = {
    100,
    "About Deduxa",
    220,
    86,
    "MS Sans Serif",
    8,
    {
        {1036, ControlKind::Picture, "", 7, 7, 64, 64, platform::styleNone},
        {platform::kIdStatic, ControlKind::Static, "Deduxa", 80, 8, 133, 10, platform::styleNone},
        {platform::kIdStatic, ControlKind::Static, "Version", 80, 22, 34, 8, platform::styleNone},
        {1047, ControlKind::Static, "1.0", 116, 22, 97, 8, platform::styleNone},
        {platform::kIdStatic, ControlKind::Static, "Copyright", 80, 33, 34, 8, platform::styleNone},
        {1002, ControlKind::Static, "1998", 116, 33, 97, 8, platform::styleNone},
        {platform::kIdStatic, ControlKind::Static, "Runs on", 80, 44, 34, 8, platform::styleNone},
        {1000, ControlKind::Static, "Microsoft Windows", 116, 44, 97, 8, platform::styleNone},
        {1, ControlKind::PushButton, "OK", 163, 65, 50, 14, platform::styleDefault},
    },
};

} // namespace resources
