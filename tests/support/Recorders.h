// Test doubles for the platform hubs. Each installs itself on construction
// and puts the previous handler back on destruction.
#pragma once

#include "platform/Clock.h"
#include "platform/Help.h"
#include "platform/MessageBox.h"
#include "platform/Shell.h"
#include "platform/Sound.h"

#include <deque>
#include <functional>
#include <string>
#include <vector>

namespace testing_support {

struct RecordedBox {
    std::string text;
    std::string caption;
    unsigned style = 0;
};

// Records every message box and answers from a script. With the script
// empty, a box is answered with its first button (OK or Yes).
class MessageRecorder {
public:
    MessageRecorder();
    ~MessageRecorder();

    // Queues the answer for the next box. whileOpen, when given, runs before
    // the answer is returned, as if the box stayed open meanwhile (UI tests
    // let the event loop run there so timers keep ticking).
    void Answer(int result, std::function<void()> whileOpen = {});
    // Runs for every box before it is answered (after any scripted whileOpen).
    void OnEveryBox(std::function<void(const RecordedBox&)> hook) { m_everyBox = std::move(hook); }

    const std::vector<RecordedBox>& boxes() const { return m_boxes; }
    std::vector<std::string> texts() const;
    const RecordedBox& last() const { return m_boxes.back(); }
    size_t count() const { return m_boxes.size(); }
    void clear() { m_boxes.clear(); }

private:
    struct Scripted {
        int result;
        std::function<void()> whileOpen;
    };
    std::vector<RecordedBox> m_boxes;
    std::deque<Scripted> m_script;
    std::function<void(const RecordedBox&)> m_everyBox;
    platform::MessageBoxHandler m_previous;
};

// Records sound names (only those the hub lets through: sound on).
class SoundRecorder {
public:
    explicit SoundRecorder(bool soundOn = true);
    ~SoundRecorder();
    const std::vector<std::string>& names() const { return m_names; }
    void clear() { m_names.clear(); }

private:
    std::vector<std::string> m_names;
    platform::SoundHandler m_previous;
    bool m_previousOn;
};

class HelpRecorder {
public:
    HelpRecorder();
    ~HelpRecorder();
    struct Call {
        int topic;
        void* owner;
    };
    const std::vector<Call>& calls() const { return m_calls; }

private:
    std::vector<Call> m_calls;
    platform::HelpHandler m_previous;
};

class ShellRecorder {
public:
    ShellRecorder();
    ~ShellRecorder();
    const std::vector<std::string>& paths() const { return m_paths; }

private:
    std::vector<std::string> m_paths;
    platform::ShellHandler m_previous;
};

// Pins the clock at a fixed time (seconds since the epoch).
class PinnedClock {
public:
    explicit PinnedClock(std::time_t t);
    ~PinnedClock();
    void Set(std::time_t t) { m_time = t; }

private:
    std::time_t m_time;
    platform::ClockHandler m_previous;
};

// A fresh temporary folder, removed with everything in it on destruction.
// Path() ends in "/".
class TempDir {
public:
    TempDir();
    ~TempDir();
    const std::string& Path() const { return m_path; }
    std::string File(const std::string& name) const { return m_path + name; }

private:
    std::string m_path;
};

// Whole-file helpers for assertions.
std::string ReadBytes(const std::string& path);
void WriteBytes(const std::string& path, const std::string& bytes);

// Lets no file of this process grow past bytes while it lives: a write beyond
// fails as on a full disk (EFBIG; the signal that would come with it is
// ignored). Keep test output out of its lifetime.
class FileSizeLimit {
public:
    explicit FileSizeLimit(unsigned long long bytes);
    ~FileSizeLimit();
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;

private:
    unsigned long long m_oldSoft;
    void (*m_oldHandler)(int);
};

// Interrupts the system calls still blocked when seconds have passed, and any
// that block after that (they fail with EINTR), so that a test of something
// that must not wait fails instead of hanging.
class TimeLimit {
public:
    explicit TimeLimit(unsigned seconds);
    ~TimeLimit();
    TimeLimit(const TimeLimit&) = delete;
    TimeLimit& operator=(const TimeLimit&) = delete;
};

// Points the data folder at folder for the lifetime of the object.
class ScopedDataFolder {
public:
    explicit ScopedDataFolder(const std::string& folder);
    ~ScopedDataFolder();

private:
    std::string m_previous;
};

// Path of a file in the tests' own data (tests/data/...).
std::string TestData(const std::string& relative);
// Path of a file in the source tree.
std::string SourcePath(const std::string& relative);

} // namespace testing_support
