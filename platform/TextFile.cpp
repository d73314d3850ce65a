#include "platform/TextFile.h"

#include "platform/FileError.h"

#include <cerrno>
#include <climits>
#include <cstring>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace platform {

namespace {
constexpr size_t kChunk = 64 * 1024;
int g_failNextWrite = 0;
} // namespace

void CTextFile::FailNextWrite(int cause) {
    g_failNextWrite = cause;
}

CTextFile::~CTextFile() {
    Abort();
}

bool CTextFile::Open(const std::string& path, Mode mode, int* cause) {
    Abort();
    // Non-blocking for the open itself, so that a pipe can be looked at and
    // refused instead of waiting for its other end.
    int flags = O_CLOEXEC | O_NONBLOCK;
    switch (mode) {
    case modeRead:
        flags |= O_RDONLY;
        break;
    case modeCreate:
        flags |= O_WRONLY | O_CREAT | O_TRUNC | O_NOFOLLOW;
        break;
    case modeWrite:
        flags |= O_WRONLY | O_NOFOLLOW;
        break;
    case modeAppend:
        flags |= O_WRONLY | O_CREAT | O_APPEND | O_NOFOLLOW;
        break;
    case modeCreateNew:
        flags |= O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW;
        break;
    }
    auto fail = [cause](int code) {
        if (cause)
            *cause = code;
        return false;
    };
    int fd = ::open(path.c_str(), flags, 0644);
    if (fd < 0)
        // ENXIO: a pipe with no reader, opened for writing.
        return fail(errno == ENXIO ? causeAccessDenied : CauseFromErrno(errno));
    struct stat st {};
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode) ||
        static_cast<unsigned long long>(st.st_size) > kMaxTextFileBytes) {
        ::close(fd);
        return fail(causeAccessDenied);
    }
    ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);
    // Readers shut other writers out, writers shut everybody out, as the
    // files' sharing rules have always been. Advisory: only our own program
    // honours it.
    if (::flock(fd, (mode == modeRead ? LOCK_SH : LOCK_EX) | LOCK_NB) != 0 &&
        errno == EWOULDBLOCK) {
        ::close(fd);
        return fail(causeSharingViolation);
    }
    m_fd = fd;
    m_mode = mode;
    m_path = path;
    m_buffer.assign(kChunk, '\0');
    m_pos = m_end = m_readTotal = 0;
    m_eof = false;
    if (cause)
        *cause = causeNone;
    return true;
}

void CTextFile::Throw(int cause) {
    throw CFileException(cause, m_path);
}

void CTextFile::FillBuffer() {
    if (m_pos > 0) {
        std::memmove(m_buffer.data(), m_buffer.data() + m_pos, m_end - m_pos);
        m_end -= m_pos;
        m_pos = 0;
    }
    if (m_buffer.size() - m_end < kChunk / 2)
        m_buffer.resize(m_buffer.size() * 2);
    for (;;) {
        ssize_t got = ::read(m_fd, m_buffer.data() + m_end, m_buffer.size() - m_end);
        if (got < 0) {
            if (errno == EINTR)
                continue;
            Throw(CauseFromErrno(errno));
        }
        if (got == 0)
            m_eof = true;
        m_end += static_cast<size_t>(got);
        // A file that grew past the limit after it was opened.
        m_readTotal += static_cast<size_t>(got);
        if (m_readTotal > kMaxTextFileBytes)
            Throw(causeAccessDenied);
        return;
    }
}

bool CTextFile::ReadString(std::string& line) {
    line.clear();
    if (m_fd < 0)
        Throw(causeInvalidFile);
    if (m_mode != modeRead)
        Throw(causeAccessDenied);
    size_t scanFrom = m_pos;
    for (;;) {
        const char* start = m_buffer.data() + m_pos;
        const void* nl = std::memchr(m_buffer.data() + scanFrom, '\n', m_end - scanFrom);
        if (nl) {
            size_t len = static_cast<const char*>(nl) - start;
            size_t next = m_pos + len + 1;
            if (len > 0 && start[len - 1] == '\r')
                --len;
            line.assign(start, len);
            m_pos = next;
            return true;
        }
        if (m_eof) {
            if (m_pos == m_end)
                return false;
            line.assign(start, m_end - m_pos);
            m_pos = m_end;
            return true;
        }
        size_t scanned = m_end - m_pos;
        FillBuffer();
        scanFrom = m_pos + scanned;
    }
}

void CTextFile::ReadBytes(std::string& bytes) {
    bytes.clear();
    if (m_fd < 0)
        Throw(causeInvalidFile);
    if (m_mode != modeRead)
        Throw(causeAccessDenied);
    for (;;) {
        bytes.append(m_buffer.data() + m_pos, m_end - m_pos);
        m_pos = m_end;
        if (m_eof)
            return;
        FillBuffer();
    }
}

void CTextFile::WriteRaw(const char* data, size_t size) {
    if (m_end + size > m_buffer.size()) {
        Flush();
        if (size > m_buffer.size())
            m_buffer.resize(size);
    }
    std::memcpy(m_buffer.data() + m_end, data, size);
    m_end += size;
}

void CTextFile::WriteString(const std::string& text) {
    if (m_fd < 0)
        Throw(causeInvalidFile);
    if (m_mode == modeRead)
        Throw(causeAccessDenied);
    size_t from = 0;
    for (;;) {
        size_t nl = text.find('\n', from);
        if (nl == std::string::npos) {
            WriteRaw(text.data() + from, text.size() - from);
            return;
        }
        WriteRaw(text.data() + from, nl - from);
        WriteRaw("\r\n", 2);
        from = nl + 1;
    }
}

void CTextFile::WriteBytes(const std::string& bytes) {
    if (m_fd < 0)
        Throw(causeInvalidFile);
    if (m_mode == modeRead)
        Throw(causeAccessDenied);
    WriteRaw(bytes.data(), bytes.size());
}

void CTextFile::WriteLine(const std::string& text) {
    WriteString(text);
    WriteString("\n");
}

void CTextFile::WriteInt(int value) {
    WriteLine(FormatInt(value));
}

void CTextFile::WriteFlag(bool value) {
    WriteLine(FormatFlag(value));
}

void CTextFile::Flush() {
    if (m_fd < 0 || m_mode == modeRead || m_end == 0)
        return;
    if (g_failNextWrite != 0) {
        int cause = g_failNextWrite;
        g_failNextWrite = 0;
        m_end = 0;
        Throw(cause);
    }
    size_t done = 0;
    while (done < m_end) {
        ssize_t put = ::write(m_fd, m_buffer.data() + done, m_end - done);
        if (put < 0) {
            if (errno == EINTR)
                continue;
            m_end = 0;
            Throw(CauseFromErrno(errno));
        }
        done += static_cast<size_t>(put);
    }
    m_end = 0;
}

void CTextFile::Sync() {
    Flush();
    if (m_fd >= 0 && m_mode != modeRead && ::fsync(m_fd) != 0 && errno != EINVAL)
        Throw(CauseFromErrno(errno));
}

void CTextFile::Close() {
    if (m_fd < 0)
        return;
    try {
        Flush();
    } catch (...) {
        Abort();
        throw;
    }
    int fd = m_fd;
    m_fd = -1;
    if (::close(fd) != 0 && m_mode != modeRead && errno != EINTR)
        Throw(CauseFromErrno(errno));
}

void CTextFile::Abort() {
    if (m_fd >= 0)
        ::close(m_fd);
    m_fd = -1;
    m_pos = m_end = m_readTotal = 0;
    m_eof = false;
}

int ParseInt(const std::string& text) {
    size_t i = 0;
    while (i < text.size() && (text[i] == ' ' || text[i] == '\t' || text[i] == '\n' ||
                               text[i] == '\r' || text[i] == '\v' || text[i] == '\f'))
        ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        negative = text[i] == '-';
        ++i;
    }
    long long value = 0;
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
        value = value * 10 + (text[i] - '0');
        if (value > static_cast<long long>(INT_MAX) + 1)
            value = static_cast<long long>(INT_MAX) + 1; // saturate, keep scanning
    }
    if (negative)
        return value > INT_MAX ? INT_MIN : -static_cast<int>(value);
    return value > INT_MAX ? INT_MAX : static_cast<int>(value);
}

std::string FormatInt(int value) {
    return std::to_string(value);
}

bool ParseFlag(const std::string& text) {
    return text == "TRUE";
}

const char* FormatFlag(bool value) {
    return value ? "TRUE" : "FALSE";
}

bool ReadAllLines(const std::string& path, std::vector<std::string>& lines, int* cause) {
    lines.clear();
    CTextFile file;
    if (!file.Open(path, CTextFile::modeRead, cause))
        return false;
    try {
        std::string line;
        while (file.ReadString(line))
            lines.push_back(line);
    } catch (const CFileException& e) {
        if (cause)
            *cause = e.cause();
        return false;
    }
    return true;
}

} // namespace platform
