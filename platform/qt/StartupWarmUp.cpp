#include "platform/qt/StartupWarmUp.h"

#include "platform/qt/DataIcon.h"

#include <future>
#include <vector>

namespace platform {

namespace {

struct WarmUp {
    std::string iconPrefix;
    std::future<std::vector<std::string>> icon;
};

WarmUp& The() {
    static WarmUp warmUp;
    return warmUp;
}

} // namespace

void BeginStartupWarmUp(const std::string& iconPrefix, std::initializer_list<int> iconSizes) {
    WarmUp& warmUp = The();
    warmUp.iconPrefix = iconPrefix;
    std::vector<int> sizes(iconSizes);
    warmUp.icon = std::async(std::launch::async,
                             [iconPrefix, sizes] { return DataIconFiles(iconPrefix, sizes); });
}

QIcon StartupIcon(const std::string& iconPrefix, std::initializer_list<int> iconSizes) {
    WarmUp& warmUp = The();
    if (!warmUp.icon.valid() || warmUp.iconPrefix != iconPrefix)
        return DataIcon(iconPrefix, iconSizes);
    return IconOf(warmUp.icon.get());
}

} // namespace platform
