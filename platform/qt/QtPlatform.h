// The Qt side of the platform hubs: installs the real message box, sound and
// text-viewer handlers. Called once by the program at start-up.
#pragma once

class QWidget;

namespace platform {

void InstallQtPlatform();

// The window message boxes are shown over: the active window, else the
// window set here (the main frame), else none.
void SetMessageBoxParent(QWidget* parent);

} // namespace platform
