// The Qt side of the platform hubs: installs the real message box, sound and
// text-viewer handlers. Called once by the program at start-up.
#pragma once

class QWidget;

namespace platform {

void InstallQtPlatform();

// Names the application for the desktop (its settings, the sound server, the
// window class) and gives it no display name: the toolkit would add that to
// every window's caption, and each window carries exactly its own.
void SetApplicationNames(const char* name);

// The window message boxes are shown over: the active window, else the
// window set here (the main frame), else none. Each box comes up centred on
// that window.
void SetMessageBoxParent(QWidget* parent);

} // namespace platform
