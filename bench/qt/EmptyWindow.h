// The peer of the start-up and memory benchmarks: an empty Qt window, the
// least a Qt program can put on the screen. A benchmark program runs it when
// started with --empty-window (and returns what RunEmptyWindow returns).
#pragma once

#include <QApplication>
#include <QWidget>
#include <string>

namespace bench_support {

inline bool WantsEmptyWindow(int argc, char** argv) {
    return argc > 1 && std::string(argv[1]) == "--empty-window";
}

inline int RunEmptyWindow(int argc, char** argv) {
    QApplication app(argc, argv);
    QWidget window;
    window.resize(400, 300);
    window.show();
    return app.exec();
}

} // namespace bench_support
