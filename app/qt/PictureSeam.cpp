#include "app/qt/PictureSeam.h"

#include "board/qt/PaletteStatic.h"

namespace shell {

QWidget* MakePictureControl(QWidget* parent) {
    return new CPaletteStatic(parent);
}

void LoadPictureControl(QWidget* control, const std::string& path) {
    if (auto* picture = qobject_cast<CPaletteStatic*>(control))
        picture->LoadPicture(path);
}

} // namespace shell
