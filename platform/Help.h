// The help hub: opens the help document at a topic by its context number.
// owner is the asking window (a QWidget* on the UI side), or null.
#pragma once

#include <functional>

namespace platform {

using HelpHandler = std::function<void(int contextNumber, void* owner)>;

HelpHandler SetHelpHandler(HelpHandler handler);

void ShowHelpTopic(int contextNumber, void* owner = nullptr);

} // namespace platform
