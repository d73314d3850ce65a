#include "platform/qt/SessionBus.h"
#include "tests/support/Recorders.h"

#include <cstdlib>
#include <gtest/gtest.h>
#include <string>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

namespace {

std::string Address() {
    const char* a = std::getenv("DBUS_SESSION_BUS_ADDRESS");
    return a ? a : "(unset)";
}

TEST(SessionBus, OnlyAnAbsentBusIsDeclaredAbsentAndOnlyUntilTheFirstWindowIsUp) {
    testing_support::TempDir withBus, withoutBus;
    const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
    sockaddr_un name{};
    name.sun_family = AF_UNIX;
    const std::string socketPath = withBus.File("bus");
    socketPath.copy(name.sun_path, sizeof name.sun_path - 1);
    ASSERT_EQ(::bind(fd, reinterpret_cast<sockaddr*>(&name), sizeof name), 0);

    struct Case {
        const char* address; // null: unset
        std::string runtime;
        bool quieted;
    } cases[] = {
        {"unix:path=/run/user/1000/bus", withoutBus.Path(), false},
        {nullptr, withBus.Path(), false},
        {nullptr, withoutBus.Path(), true},
        {nullptr, "", true},
    };
    for (const Case& c : cases) {
        c.address ? ::setenv("DBUS_SESSION_BUS_ADDRESS", c.address, 1)
                  : ::unsetenv("DBUS_SESSION_BUS_ADDRESS");
        ::setenv("XDG_RUNTIME_DIR", c.runtime.c_str(), 1);
        const std::string was = Address();
        EXPECT_EQ(platform::QuietAbsentSessionBus(), c.quieted) << c.runtime;
        EXPECT_EQ(Address() != was, c.quieted);
        platform::RestoreSessionBusLookup();
        EXPECT_EQ(Address(), was) << "the environment is left as it was found";
    }
    ::close(fd);
}

} // namespace
