// CPageLineReader: reads a page file line by line the way page files have
// always been read: in text mode (CR LF becomes one newline, a Ctrl-Z ends
// the file) with a 2047-byte line buffer, so a line comes back with its
// newline when it fits, and a longer line comes back in pieces of at most
// 2046 characters.
#pragma once

#include <cstddef>
#include <functional>
#include <memory>
#include <string>
#include <vector>

class CPageLineReader {
public:
    static constexpr size_t kLineBuffer = 2047; // including the terminating zero
    static constexpr size_t kMaxPiece = kLineBuffer - 1;

    // Reads up to size bytes into buffer; returns 0 at the end of the file.
    // Read errors are thrown (platform::CFileException).
    using Source = std::function<size_t(char* buffer, size_t size)>;

    explicit CPageLineReader(Source source);
    // Reads from bytes held in memory.
    static CPageLineReader FromBytes(const std::string& bytes);

    // One line as stored: with its newline if it fits. False at the end of
    // the file (nothing read); the file then stays ended.
    bool ReadLine(std::string& line);
    bool Ended() const { return m_ended; }

    // The three ways of taking a line. Each returns false at the end of the
    // file, leaving text empty.
    bool ReadCut(std::string& text);     // the last character removed
    bool ReadTrimmed(std::string& text); // trailing spaces, tabs and newlines removed
    // A number line; 0 at the end of the file or when the line holds none.
    int ReadNumber();
    // True when the next line is exactly expected (which includes its newline).
    bool ReadExact(const char* expected);

private:
    int NextByte(); // -1 at the end
    int PeekByte();

    Source m_source;
    std::vector<char> m_buffer;
    size_t m_pos = 0;
    size_t m_end = 0;
    bool m_sourceDone = false;
    bool m_ended = false;
};

// The line-taking rules on their own, for lines already read.
std::string CutLine(const std::string& line);
std::string TrimLine(const std::string& line);

// A reader over a file. Open reports a file-error cause code on failure.
class CPageFile {
public:
    CPageFile() = default;
    ~CPageFile();
    CPageFile(const CPageFile&) = delete;
    CPageFile& operator=(const CPageFile&) = delete;

    bool Open(const std::string& path, int* cause = nullptr);
    CPageLineReader& Reader() { return *m_reader; }
    void Close();

    // Test hook: the next opened file fails to read with cause once afterBytes
    // bytes have been read. cause 0 clears it.
    static void FailReadAfter(size_t afterBytes, int cause);

private:
    size_t ReadSome(char* buffer, size_t size);

    int m_fd = -1;
    std::string m_path;
    size_t m_readSoFar = 0;
    size_t m_failAfter = 0;
    int m_failCause = 0;
    std::unique_ptr<CPageLineReader> m_reader;
};
