// Window icons kept as PNG pictures in the data folder's "icons" folder, one
// picture per size: "<prefix><size>.png".
#pragma once

#include <QIcon>
#include <initializer_list>
#include <string>

namespace platform {

// The icon made of every size found in the working folder; a null icon when
// none is there (the window then keeps the one it inherits).
QIcon DataIcon(const std::string& prefix, std::initializer_list<int> sizes);

} // namespace platform
