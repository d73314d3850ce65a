// Work that start-up can do on a second thread while the main thread loads
// the toolkit and connects to the display: the font configuration (which
// every first text waits for) and the window icon's pictures. The main thread
// takes the results when it needs them; nothing else is shared.
#pragma once

#include <QIcon>
#include <initializer_list>
#include <string>

namespace platform {

// Starts the warm-up. Called once, first thing in main.
void BeginStartupWarmUp(const std::string& iconPrefix, std::initializer_list<int> iconSizes);

// The window icon (platform/qt/DataIcon.h), from the warm-up's pictures when
// one ran with this prefix, else read now. Needs the application object.
QIcon StartupIcon(const std::string& iconPrefix, std::initializer_list<int> iconSizes);

} // namespace platform
