// main() for the UI tests: a QApplication (offscreen through the test's
// environment), then every GoogleTest case.
#include <QApplication>
#include <cstdlib>
#include <filesystem>
#include <gtest/gtest.h>
#include <unistd.h>

int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    // Test discovery at build time only lists names and needs no display.
    if (::testing::GTEST_FLAG(list_tests))
        return RUN_ALL_TESTS();
    // The platform's settings store of a test run is a folder of its own, so
    // no test reads or writes the options of whoever runs it.
    char config[] = "/tmp/deduxa-config-XXXXXX";
    const bool ownConfig = ::mkdtemp(config) != nullptr;
    if (ownConfig)
        ::setenv("XDG_CONFIG_HOME", config, 1);
    int result = 0;
    {
        QApplication app(argc, argv);
        result = RUN_ALL_TESTS();
    }
    if (ownConfig) {
        std::error_code ignored;
        std::filesystem::remove_all(config, ignored);
    }
    return result;
}
