// Window icons kept as PNG pictures in the data folder's "icons" folder, one
// picture per size: "<prefix><size>.png".
#pragma once

#include <QIcon>
#include <initializer_list>
#include <string>
#include <vector>

namespace platform {

// The icon made of every size found in the working folder; a null icon when
// none is there (the window then keeps the one it inherits).
QIcon DataIcon(const std::string& prefix, std::initializer_list<int> sizes);

// The same in two steps: the PNG files' bytes read (any thread, even while
// the application object is being made: nothing of the toolkit is touched),
// then the icon made of them (the main thread, with the application object;
// the toolkit's image reading looks up its plugins, which is safe only
// there).
std::vector<std::string> DataIconFiles(const std::string& prefix, const std::vector<int>& sizes);
QIcon IconOf(const std::vector<std::string>& pngFiles);

} // namespace platform
