// The shell hub: opens a file in the desktop's text viewer without waiting.
#pragma once

#include <functional>
#include <string>

namespace platform {

// Returns true when the viewer was started.
using ShellHandler = std::function<bool(const std::string& path)>;

ShellHandler SetShellHandler(ShellHandler handler);

bool OpenInTextViewer(const std::string& path);

} // namespace platform
