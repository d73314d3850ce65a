// Resident memory while playing: the game started as a player starts it (the
// real platform: message boxes, sound, the help viewer), through the About
// box, a new player and the first bundled game, then left to settle with the
// board, its page and the quick instructions on screen. Its resident set is
// set against an empty Qt window and einstein (Debian package "einstein", an
// unrelated game), each started as a process of its own and read the same way.
// Run under Xvfb with a window manager, as a player's desktop has one:
//
//   xvfb-run -a -s "-screen 0 1280x1024x24" sh -c 'openbox & sleep 0.5;
//       QT_QPA_PLATFORM=xcb build/bench/bench_PlayingMemory_bench'
#include "app/qt/PuzzleApp.h"
#include "app/qt/SelectGameDlg.h"
#include "bench/qt/EmptyWindow.h"
#include "platform/qt/HelpViewer.h"
#include "platform/qt/QtPlatform.h"
#include "players/qt/SelectPlayerDlg.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <QWidget>
#include <benchmark/benchmark.h>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <sys/wait.h>
#include <unistd.h>

namespace {

// VmRSS of a process, in MB (0 when it cannot be read).
double ResidentMb(pid_t pid) {
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    std::string key;
    while (status >> key) {
        if (key == "VmRSS:") {
            double kb = 0;
            status >> kb;
            return kb / 1024.0;
        }
        status.ignore(4096, '\n');
    }
    return 0;
}

void Settle(int ms) {
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < ms)
        QApplication::processEvents(QEventLoop::AllEvents, 20);
}

// Starts argv, lets it settle and reads its resident set.
double PeerResidentMb(const std::vector<std::string>& argv, const std::string& home) {
    const pid_t pid = fork();
    if (pid == 0) {
        setenv("HOME", home.c_str(), 1);
        if (chdir(home.c_str()) != 0)
            _exit(127);
        std::vector<char*> args;
        for (const auto& a : argv)
            args.push_back(const_cast<char*>(a.c_str()));
        args.push_back(nullptr);
        freopen("/dev/null", "w", stderr);
        execv(args[0], args.data());
        _exit(127);
    }
    usleep(2500 * 1000);
    const double mb = ResidentMb(pid);
    kill(pid, SIGKILL);
    waitpid(pid, nullptr, 0);
    return mb;
}

// Answers the dialog of start-up on screen as a new player does.
void AnswerAsAPlayer(QDialog* dialog) {
    if (auto* player = qobject_cast<CSelectPlayerDlg*>(dialog)) {
        player->Edit(CSelectPlayerDlg::kNameEdit)->setText("Bench Player");
        player->Button(1)->click();
    } else if (auto* games = qobject_cast<CSelectGameDlg*>(dialog)) {
        games->ListBox(CSelectGameDlg::kList)->setCurrentRow(0);
        games->Button(CSelectGameDlg::kPlay)->click();
    } else if (auto* box = qobject_cast<QMessageBox*>(dialog)) {
        box->defaultButton() ? box->defaultButton()->click() : box->accept();
    } else {
        dialog->accept(); // the About box
    }
}

double g_game = 0, g_empty = 0, g_peer = 0;

void BM_PlayingMemory(benchmark::State& state) {
    for (auto _ : state) {
    }
    state.counters["game_MB"] = g_game;
    state.counters["empty_MB"] = g_empty;
    if (g_empty > 0)
        state.counters["game_per_empty"] = g_game / g_empty;
    if (g_peer > 0) {
        state.counters["einstein_MB"] = g_peer;
        state.counters["game_per_einstein"] = g_game / g_peer;
    }
}
BENCHMARK(BM_PlayingMemory)->Iterations(1);

} // namespace

int main(int argc, char** argv) {
    if (bench_support::WantsEmptyWindow(argc, argv))
        return bench_support::RunEmptyWindow(argc, argv);
    const auto self = std::filesystem::canonical("/proc/self/exe");
    std::filesystem::path data;
    for (auto dir = self.parent_path(); dir != dir.root_path(); dir = dir.parent_path())
        if (std::filesystem::exists(dir / "gamedata" / "data" / "games.dat"))
            data = dir / "gamedata";
    char temp[] = "/tmp/deduxa-memory-XXXXXX";
    const std::string base = mkdtemp(temp);
    const std::string folder = base + "/gamedata", home = base + "/home";
    std::filesystem::copy(data, folder, std::filesystem::copy_options::recursive);
    std::filesystem::create_directories(home);
    setenv("HOME", home.c_str(), 1);
    unsetenv("XDG_CONFIG_HOME");
    if (chdir(folder.c_str()) != 0)
        return 1;

    {
        QApplication qt(argc, argv);
        platform::SetApplicationNames("Deduxa");
        platform::InstallQtPlatform();
        platform::InstallHelpViewer();
        // Whichever dialog is up is answered a moment after it shows.
        QTimer answer;
        answer.setInterval(100);
        QObject::connect(&answer, &QTimer::timeout, [] {
            if (auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget()))
                QTimer::singleShot(0, dialog, [dialog] { AnswerAsAPlayer(dialog); });
        });
        answer.start();
        // (The answer runs from the event loop, not from the timer: a dialog
        // it opens runs a loop of its own, and the timer would not fire
        // again inside its own call.)
        CPuzzleApp app({});
        if (!app.InitInstance()) {
            std::fprintf(stderr, "the game did not start\n");
            return 1;
        }
        answer.stop();
        Settle(2000);
        g_game = ResidentMb(getpid());
        benchmark::Initialize(&argc, argv);
        g_empty = PeerResidentMb({self.string(), "--empty-window"}, home);
        if (access("/usr/games/einstein", X_OK) == 0)
            g_peer = PeerResidentMb({"/usr/games/einstein"}, home);
        benchmark::RunSpecifiedBenchmarks();
        benchmark::Shutdown();
    }
    std::filesystem::remove_all(base);
    return 0;
}
