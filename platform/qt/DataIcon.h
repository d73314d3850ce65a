// Window icons kept as PNG pictures in the data folder's "icons" folder, one
// picture per size: "<prefix><size>.png".
#pragma once

#include <QIcon>
#include <QImage>
#include <initializer_list>
#include <string>
#include <vector>

namespace platform {

// The icon made of every size found in the working folder; a null icon when
// none is there (the window then keeps the one it inherits).
QIcon DataIcon(const std::string& prefix, std::initializer_list<int> sizes);

// The same in two steps: the pictures found (any thread), then the icon made
// of them (the main thread, with the application object).
std::vector<QImage> DataIconImages(const std::string& prefix, const std::vector<int>& sizes);
QIcon IconOf(const std::vector<QImage>& images);

} // namespace platform
