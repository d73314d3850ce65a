// Start-up to the first window on screen, as whole-process time: from the
// launch of the program to the X server mapping its first top-level window
// (the About box for the game). The programs are launched in turn, run by
// run, on the same display: the game, the game installed and started as a
// player starts it (through the `deduxa` launcher of an install made into a
// temporary prefix at the bench's start), an empty Qt window (this program
// started with --empty-window) and a peer game, einstein (Debian package
// "einstein"), when it is installed. Each run's game time is divided by the peers' times of
// the same run; the medians of those paired ratios are printed. Run under Xvfb:
//
//   xvfb-run -a -s "-screen 0 1024x768x24" build/bench/bench_StartupLaunch_bench [runs]
//
// Each program is timed as a player starts it on any day but the first: the
// game in one copy of gamedata/, each program with a home folder of its own
// that it keeps from run to run, after one launch of each that is not timed.
#include "bench/qt/EmptyWindow.h"

#include <QApplication>
#include <QWidget>
#include <algorithm>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <dlfcn.h>
#include <fcntl.h>
#include <filesystem>
#include <poll.h>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace {

// The few Xlib calls the harness needs, loaded at run time.
union XEventBuf {
    int type;
    long pad[24];
};
constexpr long kSubstructureNotifyMask = 1L << 19;
constexpr int kMapNotify = 19;

struct Xlib {
    void* (*OpenDisplay)(const char*);
    unsigned long (*DefaultRootWindow)(void*);
    int (*SelectInput)(void*, unsigned long, long);
    int (*NextEvent)(void*, XEventBuf*);
    int (*Pending)(void*);
    int (*ConnectionNumber)(void*);
    int (*Flush)(void*);
    int (*CloseDisplay)(void*);

    bool Load() {
        void* lib = dlopen("libX11.so.6", RTLD_NOW);
        if (!lib)
            return false;
        OpenDisplay = reinterpret_cast<decltype(OpenDisplay)>(dlsym(lib, "XOpenDisplay"));
        DefaultRootWindow =
            reinterpret_cast<decltype(DefaultRootWindow)>(dlsym(lib, "XDefaultRootWindow"));
        SelectInput = reinterpret_cast<decltype(SelectInput)>(dlsym(lib, "XSelectInput"));
        NextEvent = reinterpret_cast<decltype(NextEvent)>(dlsym(lib, "XNextEvent"));
        Pending = reinterpret_cast<decltype(Pending)>(dlsym(lib, "XPending"));
        ConnectionNumber =
            reinterpret_cast<decltype(ConnectionNumber)>(dlsym(lib, "XConnectionNumber"));
        Flush = reinterpret_cast<decltype(Flush)>(dlsym(lib, "XFlush"));
        CloseDisplay = reinterpret_cast<decltype(CloseDisplay)>(dlsym(lib, "XCloseDisplay"));
        return OpenDisplay && DefaultRootWindow && SelectInput && NextEvent && Pending &&
               ConnectionNumber && Flush && CloseDisplay;
    }
};

// Launches argv in folder and returns the milliseconds until a top-level
// window is mapped (negative on a time-out).
double TimeToFirstWindow(Xlib& x, const std::vector<std::string>& argv, const std::string& folder) {
    void* display = x.OpenDisplay(nullptr);
    if (!display)
        return -1;
    x.SelectInput(display, x.DefaultRootWindow(display), kSubstructureNotifyMask);
    x.Flush(display);
    const auto start = std::chrono::steady_clock::now();
    pid_t pid = fork();
    if (pid == 0) {
        if (chdir(folder.c_str()) != 0)
            _exit(127);
        // The programs' chatter (no audio device, no settings yet) is not ours.
        const int null = open("/dev/null", O_WRONLY);
        dup2(null, 1);
        dup2(null, 2);
        std::vector<char*> args;
        for (const auto& a : argv)
            args.push_back(const_cast<char*>(a.c_str()));
        args.push_back(nullptr);
        execv(args[0], args.data());
        _exit(127);
    }
    double ms = -1;
    const int fd = x.ConnectionNumber(display);
    while (ms < 0) {
        while (x.Pending(display)) {
            XEventBuf ev;
            x.NextEvent(display, &ev);
            if (ev.type == kMapNotify) {
                ms = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() -
                                                               start)
                         .count();
                break;
            }
        }
        if (ms >= 0)
            break;
        pollfd p{fd, POLLIN, 0};
        if (poll(&p, 1, 10000) <= 0)
            break;
    }
    kill(pid, SIGKILL);
    waitpid(pid, nullptr, 0);
    x.CloseDisplay(display);
    return ms;
}

double Median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v.empty() ? -1 : v[v.size() / 2];
}

std::filesystem::path FindUp(const std::filesystem::path& from, const std::string& name) {
    for (auto dir = from; dir != dir.root_path(); dir = dir.parent_path())
        if (std::filesystem::exists(dir / name))
            return dir / name;
    return {};
}

} // namespace

int main(int argc, char** argv) {
    if (bench_support::WantsEmptyWindow(argc, argv))
        return bench_support::RunEmptyWindow(argc, argv);
    Xlib x;
    if (!getenv("DISPLAY") || !x.Load()) {
        std::fprintf(stderr, "needs an X display (run under xvfb-run) and libX11\n");
        return 1;
    }
    const auto self = std::filesystem::canonical("/proc/self/exe");
    const auto game = FindUp(self.parent_path(), "deduxa");
    const auto data = FindUp(self.parent_path(), "gamedata");
    if (game.empty() || data.empty()) {
        std::fprintf(stderr, "deduxa or gamedata/ not found above %s\n", self.c_str());
        return 1;
    }
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 15;
    const std::string peer = "/usr/games/einstein";
    const bool withPeer = access(peer.c_str(), X_OK) == 0;
    std::vector<double> empty, deduxa, installed, einstein, toEmpty, toPeer, installedToPeer;
    int failed = 0;
    char temp[] = "/tmp/deduxa-launch-XXXXXX";
    const std::string base = mkdtemp(temp);
    const std::string copy = base + "/gamedata";
    std::filesystem::copy(data, copy, std::filesystem::copy_options::recursive);
    const std::string gameHome = base + "/game-home", peerHome = base + "/peer-home";
    const std::string installHome = base + "/install-home", prefix = base + "/prefix";
    for (const auto& home : {gameHome, peerHome, installHome})
        std::filesystem::create_directories(home);
    const std::string install = std::string(DEDUXA_CMAKE_COMMAND) + " --install " +
                                DEDUXA_BINARY_DIR + " --prefix " + prefix + " > /dev/null";
    if (std::system(install.c_str()) != 0) {
        std::fprintf(stderr, "the install into %s failed\n", prefix.c_str());
        return 1;
    }
    const auto runInstalled = [&] {
        setenv("HOME", installHome.c_str(), 1);
        unsetenv("XDG_DATA_HOME");
        return TimeToFirstWindow(x, {prefix + "/bin/deduxa"}, installHome);
    };
    const auto runGame = [&] {
        setenv("HOME", gameHome.c_str(), 1);
        return TimeToFirstWindow(x, {game.string()}, copy);
    };
    const auto runPeer = [&] {
        setenv("HOME", peerHome.c_str(), 1);
        return TimeToFirstWindow(x, {peer}, peerHome);
    };
    runGame();
    runInstalled(); // the first start links the player's folder
    if (withPeer)
        runPeer();
    for (int run = 0; run < runs; ++run) {
        const double d = runGame();
        const double e = TimeToFirstWindow(x, {self.string(), "--empty-window"}, base);
        const double p = withPeer ? runPeer() : 0;
        const double i = runInstalled();
        // A run in which any window never came (a time-out) is left out whole.
        if (d < 0 || e < 0 || p < 0 || i < 0) {
            ++failed;
            continue;
        }
        deduxa.push_back(d);
        installed.push_back(i);
        empty.push_back(e);
        toEmpty.push_back(d / e);
        if (withPeer) {
            einstein.push_back(p);
            toPeer.push_back(d / p);
            installedToPeer.push_back(i / p);
        }
    }
    std::filesystem::remove_all(base);
    if (deduxa.empty()) {
        std::fprintf(stderr, "no run had every window mapped (%d failed)\n", failed);
        return 1;
    }
    std::printf("runs: %d, interleaved, %d left out (a window never came)\n"
                "deduxa About box:  median %.1f ms\n"
                "installed, launcher: median %.1f ms\n"
                "empty Qt window:   median %.1f ms   deduxa / empty, paired: %.2f\n",
                runs, failed, Median(deduxa), Median(installed), Median(empty), Median(toEmpty));
    if (withPeer)
        std::printf("einstein:          median %.1f ms   deduxa / einstein, paired: %.2f\n"
                    "installed / einstein, paired: %.2f\n"
                    "empty / einstein:  %.2f\n",
                    Median(einstein), Median(toPeer), Median(installedToPeer),
                    Median(empty) / Median(einstein));
    else
        std::printf("einstein is not installed (%s): no peer ratio\n", peer.c_str());
    return 0;
}
