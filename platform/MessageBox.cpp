#include "platform/MessageBox.h"

#include <utility>

namespace platform {

namespace {
MessageBoxHandler& Handler() {
    static MessageBoxHandler handler;
    return handler;
}
} // namespace

MessageBoxHandler SetMessageBoxHandler(MessageBoxHandler handler) {
    return std::exchange(Handler(), std::move(handler));
}

int MessageBox(const std::string& text, const std::string& caption, unsigned style) {
    const std::string& shown = caption.empty() ? std::string(kAppTitle) : caption;
    if (Handler())
        return Handler()(text, shown, style);
    return (style & MB_BUTTONMASK) == MB_YESNO ? IDYES : IDOK;
}

} // namespace platform
