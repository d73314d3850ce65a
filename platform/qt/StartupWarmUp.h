// Work that start-up can do on a second thread while the main thread loads
// the toolkit and connects to the display: reading the window icon's files
// (only their bytes: the toolkit's image reading is not safe to use while
// the application object is being made). The main thread takes them when it needs them; nothing
// else is shared. The font configuration is not loaded here: the About box's size comes from kept
// base units, so no text is measured before the box is mapped, and loading the fonts beside the
// toolkit's own start only slowed that start down.
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
