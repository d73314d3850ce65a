// The picture controls the shell's dialogs use (About box, game selection).
// One place that makes them, so the dialogs need not know which control
// draws the bitmap.
#pragma once

#include <string>

class QWidget;

namespace shell {

// A picture control, not yet loaded.
QWidget* MakePictureControl(QWidget* parent);
// Loads the bitmap at path (a real path) into a control made above; reports
// failures the way the picture control does.
void LoadPictureControl(QWidget* control, const std::string& path);

} // namespace shell
