#include "tests/support/Recorders.h"

#include "platform/DataPath.h"

#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <stdexcept>
#include <sys/resource.h>
#include <sys/time.h>
#include <unistd.h>
#include <vector>

namespace testing_support {

MessageRecorder::MessageRecorder() {
    m_previous = platform::SetMessageBoxHandler(
        [this](const std::string& text, const std::string& caption, unsigned style) {
            m_boxes.push_back({text, caption, style});
            int result = (style & platform::MB_BUTTONMASK) == platform::MB_YESNO ? platform::IDYES
                                                                                 : platform::IDOK;
            std::function<void()> whileOpen;
            if (!m_script.empty()) {
                result = m_script.front().result;
                whileOpen = std::move(m_script.front().whileOpen);
                m_script.pop_front();
            }
            RecordedBox box = m_boxes.back();
            if (whileOpen)
                whileOpen();
            if (m_everyBox)
                m_everyBox(box);
            return result;
        });
}

MessageRecorder::~MessageRecorder() {
    platform::SetMessageBoxHandler(std::move(m_previous));
}

void MessageRecorder::Answer(int result, std::function<void()> whileOpen) {
    m_script.push_back({result, std::move(whileOpen)});
}

std::vector<std::string> MessageRecorder::texts() const {
    std::vector<std::string> out;
    for (const auto& b : m_boxes)
        out.push_back(b.text);
    return out;
}

SoundRecorder::SoundRecorder(bool soundOn) : m_previousOn(platform::SoundOn()) {
    platform::SetSoundOn(soundOn);
    m_previous =
        platform::SetSoundHandler([this](const std::string& name) { m_names.push_back(name); });
}

SoundRecorder::~SoundRecorder() {
    platform::SetSoundHandler(std::move(m_previous));
    platform::SetSoundOn(m_previousOn);
}

HelpRecorder::HelpRecorder() {
    m_previous = platform::SetHelpHandler([this](int topic, void* owner) {
        m_calls.push_back({topic, owner});
    });
}

HelpRecorder::~HelpRecorder() {
    platform::SetHelpHandler(std::move(m_previous));
}

ShellRecorder::ShellRecorder() {
    m_previous = platform::SetShellHandler([this](const std::string& path) {
        m_paths.push_back(path);
        return true;
    });
}

ShellRecorder::~ShellRecorder() {
    platform::SetShellHandler(std::move(m_previous));
}

PinnedClock::PinnedClock(std::time_t t) : m_time(t) {
    m_previous = platform::SetClockHandler([this] { return m_time; });
}

PinnedClock::~PinnedClock() {
    platform::SetClockHandler(std::move(m_previous));
}

TempDir::TempDir() {
    std::string pattern = (std::filesystem::temp_directory_path() / "deduxa-test-XXXXXX").string();
    std::vector<char> buf(pattern.begin(), pattern.end());
    buf.push_back('\0');
    if (!::mkdtemp(buf.data()))
        throw std::runtime_error("mkdtemp failed");
    m_path = std::string(buf.data()) + "/";
}

TempDir::~TempDir() {
    std::error_code ec;
    std::filesystem::remove_all(m_path, ec);
}

std::string ReadBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream out;
    out << in.rdbuf();
    return out.str();
}

void WriteBytes(const std::string& path, const std::string& bytes) {
    std::filesystem::create_directories(std::filesystem::path(path).parent_path());
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << bytes;
}

FileSizeLimit::FileSizeLimit(unsigned long long bytes) {
    rlimit limit{};
    ::getrlimit(RLIMIT_FSIZE, &limit);
    m_oldSoft = limit.rlim_cur;
    m_oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    limit.rlim_cur = bytes;
    if (::setrlimit(RLIMIT_FSIZE, &limit) != 0)
        throw std::runtime_error("setrlimit failed");
}

FileSizeLimit::~FileSizeLimit() {
    rlimit limit{};
    ::getrlimit(RLIMIT_FSIZE, &limit);
    limit.rlim_cur = m_oldSoft;
    ::setrlimit(RLIMIT_FSIZE, &limit);
    std::signal(SIGXFSZ, m_oldHandler);
}

namespace {
void IgnoreAlarm(int) {}
} // namespace

TimeLimit::TimeLimit(unsigned seconds) {
    struct sigaction action {};
    action.sa_handler = IgnoreAlarm; // no SA_RESTART: the blocked call returns
    ::sigaction(SIGALRM, &action, nullptr);
    // Again every half second after that, for every call that blocks next.
    itimerval timer{};
    timer.it_value.tv_sec = seconds;
    timer.it_interval.tv_usec = 500000;
    ::setitimer(ITIMER_REAL, &timer, nullptr);
}

TimeLimit::~TimeLimit() {
    itimerval off{};
    ::setitimer(ITIMER_REAL, &off, nullptr);
    ::signal(SIGALRM, SIG_DFL);
}

ScopedDataFolder::ScopedDataFolder(const std::string& folder) : m_previous(platform::DataFolder()) {
    platform::SetDataFolder(folder);
}

ScopedDataFolder::~ScopedDataFolder() {
    platform::SetDataFolder(m_previous);
}

std::string TestData(const std::string& relative) {
    return std::string(DEDUXA_TEST_DATA_DIR) + "/" + relative;
}

std::string SourcePath(const std::string& relative) {
    return std::string(DEDUXA_SOURCE_DIR) + "/" + relative;
}

} // namespace testing_support
