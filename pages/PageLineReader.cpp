#include "pages/PageLineReader.h"

#include "platform/FileError.h"
#include "platform/TextFile.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <memory>
#include <unistd.h>

namespace {
constexpr size_t kChunk = 64 * 1024;
constexpr char kCtrlZ = 0x1A;

size_t g_failAfter = 0;
int g_failCause = 0;
} // namespace

CPageLineReader::CPageLineReader(Source source) : m_source(std::move(source)), m_buffer(kChunk) {}

CPageLineReader CPageLineReader::FromBytes(const std::string& bytes) {
    auto held = std::make_shared<std::string>(bytes);
    auto pos = std::make_shared<size_t>(0);
    return CPageLineReader([held, pos](char* buffer, size_t size) {
        size_t n = std::min(size, held->size() - *pos);
        std::memcpy(buffer, held->data() + *pos, n);
        *pos += n;
        return n;
    });
}

int CPageLineReader::PeekByte() {
    if (m_pos == m_end) {
        if (m_sourceDone)
            return -1;
        m_pos = 0;
        m_end = m_source(m_buffer.data(), m_buffer.size());
        if (m_end == 0) {
            m_sourceDone = true;
            return -1;
        }
    }
    char c = m_buffer[m_pos];
    if (c == kCtrlZ) {
        // Text mode: Ctrl-Z is the end of the file.
        m_sourceDone = true;
        m_pos = m_end = 0;
        return -1;
    }
    return static_cast<unsigned char>(c);
}

int CPageLineReader::NextByte() {
    int c = PeekByte();
    if (c < 0)
        return -1;
    ++m_pos;
    if (c == '\r') {
        // CR LF reads as one newline; a CR on its own stays.
        if (PeekByte() == '\n') {
            ++m_pos;
            return '\n';
        }
    }
    return c;
}

bool CPageLineReader::ReadLine(std::string& line) {
    line.clear();
    if (m_ended)
        return false;
    while (line.size() < kMaxPiece) {
        int c = NextByte();
        if (c < 0)
            break;
        line += static_cast<char>(c);
        if (c == '\n')
            break;
    }
    if (line.empty()) {
        m_ended = true;
        return false;
    }
    return true;
}

std::string CutLine(const std::string& line) {
    return line.empty() ? line : line.substr(0, line.size() - 1);
}

std::string TrimLine(const std::string& line) {
    size_t n = line.size();
    while (n > 0 && (line[n - 1] == ' ' || line[n - 1] == '\t' || line[n - 1] == '\n'))
        --n;
    return line.substr(0, n);
}

bool CPageLineReader::ReadCut(std::string& text) {
    std::string line;
    if (!ReadLine(line)) {
        text.clear();
        return false;
    }
    text = CutLine(line);
    return true;
}

bool CPageLineReader::ReadTrimmed(std::string& text) {
    std::string line;
    if (!ReadLine(line)) {
        text.clear();
        return false;
    }
    text = TrimLine(line);
    return true;
}

int CPageLineReader::ReadNumber() {
    std::string line;
    if (!ReadLine(line))
        return 0;
    return platform::ParseInt(line);
}

bool CPageLineReader::ReadExact(const char* expected) {
    std::string line;
    ReadLine(line);
    return line == expected;
}

// ---------------------------------------------------------------------------

CPageFile::~CPageFile() {
    Close();
}

void CPageFile::FailReadAfter(size_t afterBytes, int cause) {
    g_failAfter = afterBytes;
    g_failCause = cause;
}

bool CPageFile::Open(const std::string& path, int* cause) {
    Close();
    int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) {
        if (cause)
            *cause = platform::CauseFromErrno(errno);
        return false;
    }
    m_fd = fd;
    m_path = path;
    m_readSoFar = 0;
    m_failAfter = g_failAfter;
    m_failCause = g_failCause;
    g_failCause = 0;
    g_failAfter = 0;
    m_reader = std::make_unique<CPageLineReader>(
        [this](char* buffer, size_t size) { return ReadSome(buffer, size); });
    if (cause)
        *cause = platform::causeNone;
    return true;
}

size_t CPageFile::ReadSome(char* buffer, size_t size) {
    if (m_fd < 0)
        throw platform::CFileException(platform::causeInvalidFile, m_path);
    if (m_failCause != 0) {
        if (m_readSoFar >= m_failAfter)
            throw platform::CFileException(m_failCause, m_path);
        size = std::min(size, m_failAfter - m_readSoFar);
    }
    for (;;) {
        ssize_t got = ::read(m_fd, buffer, size);
        if (got < 0) {
            if (errno == EINTR)
                continue;
            throw platform::CFileException(platform::CauseFromErrno(errno), m_path);
        }
        m_readSoFar += static_cast<size_t>(got);
        return static_cast<size_t>(got);
    }
}

void CPageFile::Close() {
    m_reader.reset();
    if (m_fd >= 0)
        ::close(m_fd);
    m_fd = -1;
}
