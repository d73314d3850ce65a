// The help document reader: any bytes as "deduxa.hlp", opened at a topic and
// at the contents in a help window.
#include "platform/DataPath.h"
#include "platform/qt/HelpViewer.h"

#include <QApplication>
#include <QTextBrowser>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <unistd.h>

// A font family named in a document makes fontconfig keep a few bytes for
// good; that is the system library's, not ours.
extern "C" const char* __lsan_default_suppressions() {
    return "leak:libfontconfig\n";
}

namespace {

struct Setup {
    std::string folder;
    QApplication* app = nullptr;
    platform::CHelpWindow* window = nullptr;

    Setup() {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        static int argc = 1;
        static char name[] = "fuzz_help";
        static char* argv[] = {name, nullptr};
        app = new QApplication(argc, argv);
        char pattern[] = "/tmp/fuzz-help-XXXXXX";
        if (::mkdtemp(pattern))
            folder = std::string(pattern) + "/";
        platform::SetDataFolder(folder);
        window = new platform::CHelpWindow(nullptr);
        window->resize(400, 300);
    }
    ~Setup() {
        // The application and window stay: tearing Qt down at exit is not
        // worth the risk. The scratch folder goes.
        if (!folder.empty()) {
            std::remove((folder + "deduxa.hlp").c_str());
            ::rmdir(folder.c_str());
        }
    }
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static Setup setup;
    if (setup.folder.empty())
        return 0;
    const std::string path = setup.folder + "deduxa.hlp";
    FILE* f = std::fopen(path.c_str(), "wb");
    if (!f)
        return 0;
    if (size > 0)
        std::fwrite(data, 1, size, f);
    std::fclose(f);

    setup.window->ShowTopic(8);
    if (setup.window->state() == platform::CHelpWindow::State::MissingDocument)
        std::abort(); // the file is there: it must be read
    setup.window->ShowTopic(0);
    if (setup.window->state() != platform::CHelpWindow::State::Topic)
        std::abort(); // the contents always show
    QApplication::processEvents();
    return 0;
}
