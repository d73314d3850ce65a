#include "platform/qt/SessionBus.h"

#include <cstdlib>
#include <string>
#include <sys/stat.h>

namespace platform {

namespace {
constexpr const char* kAddress = "DBUS_SESSION_BUS_ADDRESS";
constexpr const char* kNoBus = "unix:path=/nonexistent/deduxa-no-session-bus";
bool g_quieted = false;

bool RuntimeBusExists() {
    const char* runtime = std::getenv("XDG_RUNTIME_DIR");
    if (!runtime || !*runtime)
        return false;
    struct stat st {};
    return ::stat((std::string(runtime) + "/bus").c_str(), &st) == 0 && S_ISSOCK(st.st_mode);
}
} // namespace

bool QuietAbsentSessionBus() {
    const char* address = std::getenv(kAddress);
    if ((address && *address) || RuntimeBusExists())
        return false;
    g_quieted = ::setenv(kAddress, kNoBus, 1) == 0;
    return g_quieted;
}

void RestoreSessionBusLookup() {
    if (!g_quieted)
        return;
    const char* address = std::getenv(kAddress);
    if (address && std::string(address) == kNoBus)
        ::unsetenv(kAddress);
    g_quieted = false;
}

} // namespace platform
