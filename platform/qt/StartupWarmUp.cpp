#include "platform/qt/StartupWarmUp.h"

#include "platform/qt/DataIcon.h"

#include <QImage>
#include <dlfcn.h>
#include <future>
#include <vector>

namespace platform {

namespace {

struct WarmUp {
    std::string iconPrefix;
    std::future<std::vector<QImage>> icon;
};

WarmUp& The() {
    static WarmUp warmUp;
    return warmUp;
}

// The font configuration is loaded once per process and is safe to load from
// any thread; the toolkit finds it ready. It is looked up rather than linked:
// the toolkit has already loaded the library.
void LoadFontConfiguration() {
    if (auto init = reinterpret_cast<int (*)()>(dlsym(RTLD_DEFAULT, "FcInit")))
        init();
}

} // namespace

void BeginStartupWarmUp(const std::string& iconPrefix, std::initializer_list<int> iconSizes) {
    WarmUp& warmUp = The();
    warmUp.iconPrefix = iconPrefix;
    std::vector<int> sizes(iconSizes);
    warmUp.icon = std::async(std::launch::async, [iconPrefix, sizes] {
        LoadFontConfiguration();
        return DataIconImages(iconPrefix, sizes);
    });
}

QIcon StartupIcon(const std::string& iconPrefix, std::initializer_list<int> iconSizes) {
    WarmUp& warmUp = The();
    if (!warmUp.icon.valid() || warmUp.iconPrefix != iconPrefix)
        return DataIcon(iconPrefix, iconSizes);
    return IconOf(warmUp.icon.get());
}

} // namespace platform
