// Parts of the game that only some runs need, sound and printing, live in
// modules of their own (platform/qt/modules/), loaded the first time they are
// wanted: start-up does not wait for the audio system or the print libraries.
// A module sits beside the program (the build folder, or the installed
// program's folder); a test program one folder further down finds it too.
#pragma once

#include <QtGlobal>

namespace platform {

// The function named `function` of the module `module` ("deduxa_sound"),
// loading the module on first use; null when the module or the function
// cannot be found. A loaded module stays loaded unless unloaded below.
QFunctionPointer ModuleFunction(const char* module, const char* function);

// Unloads a module the run has found it has no use for (the sound module on
// a system with no audio output). None of its functions may be called after,
// and ModuleFunction then finds none.
void UnloadModule(const char* module);

} // namespace platform
