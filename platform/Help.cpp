#include "platform/Help.h"

#include <utility>

namespace platform {

namespace {
HelpHandler& Handler() {
    static HelpHandler handler;
    return handler;
}
} // namespace

HelpHandler SetHelpHandler(HelpHandler handler) {
    return std::exchange(Handler(), std::move(handler));
}

void ShowHelpTopic(int contextNumber, void* owner) {
    if (Handler())
        Handler()(contextNumber, owner);
}

} // namespace platform
