#include "platform/Shell.h"

#include <utility>

namespace platform {

namespace {
ShellHandler& Handler() {
    static ShellHandler handler;
    return handler;
}
} // namespace

ShellHandler SetShellHandler(ShellHandler handler) {
    return std::exchange(Handler(), std::move(handler));
}

bool OpenInTextViewer(const std::string& path) {
    return Handler() ? Handler()(path) : false;
}

} // namespace platform
