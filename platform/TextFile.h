// CTextFile: the line-oriented text file every data file goes through.
//
// Text mode as the game has always stored its files: a written "\n" goes to
// disk as CR LF; reading accepts CR LF and LF and hands back lines without
// their end. Opening reports a cause code (FileError.h); a read or write that
// fails afterwards throws CFileException with the cause code.
//
// Only regular files are opened: a folder, device, pipe or socket is refused
// with causeAccessDenied, and so is a file larger than kMaxTextFileBytes (a
// read that passes that size throws the same cause). Reading follows symbolic
// links; the writing modes never do.
#pragma once

#include <string>
#include <vector>

namespace platform {

class CTextFile {
public:
    enum Mode {
        modeRead,      // read; other writers are shut out while it is open
        modeCreate,    // create or truncate, then write
        modeWrite,     // write an existing file from its first byte, no truncation
        modeAppend,    // create if missing, write at the end
        modeCreateNew, // create a file that is not there yet (nor a link of that name)
    };

    CTextFile() = default;
    ~CTextFile(); // closes without throwing; call Close() to see write errors
    CTextFile(const CTextFile&) = delete;
    CTextFile& operator=(const CTextFile&) = delete;

    // Opens path. On failure returns false and stores the cause code.
    bool Open(const std::string& path, Mode mode, int* cause = nullptr);
    bool IsOpen() const { return m_fd >= 0; }
    const std::string& FilePath() const { return m_path; }

    // Reads one line without its end. At the end of the file: empty text, false.
    bool ReadString(std::string& line);
    // Reads everything from the read position to the end, line ends and all.
    void ReadBytes(std::string& bytes);
    // Writes text as it stands, "\n" becoming CR LF.
    void WriteString(const std::string& text);
    // Writes bytes exactly as they stand.
    void WriteBytes(const std::string& bytes);
    // Writes text followed by a line end.
    void WriteLine(const std::string& text);
    void WriteInt(int value);   // "%d" and a line end
    void WriteFlag(bool value); // "TRUE" or "FALSE" and a line end

    // Pushes buffered bytes to the file; throws on failure.
    void Flush();
    // Flushes and asks the system to put the bytes on the disk; throws on failure.
    void Sync();
    // Flushes and closes; throws on a failed flush (the file is closed anyway).
    void Close();
    // Closes without flushing what is still buffered and without throwing.
    void Abort();

    // Test hook: the next write to any CTextFile (the first flush of bytes to
    // the disk) fails with this cause code. 0 clears it.
    static void FailNextWrite(int cause);

private:
    void FillBuffer();
    void WriteRaw(const char* data, size_t size);
    [[noreturn]] void Throw(int cause);

    int m_fd = -1;
    Mode m_mode = modeRead;
    std::string m_path;
    std::vector<char> m_buffer;
    size_t m_pos = 0;       // read position in m_buffer
    size_t m_end = 0;       // bytes valid in m_buffer (read) or queued (write)
    size_t m_readTotal = 0; // bytes read from the file so far
    bool m_eof = false;
};

// No data file of the game comes near this size; anything larger is refused.
inline constexpr size_t kMaxTextFileBytes = 16 * 1024 * 1024;

// The file's number rules: skip leading blanks, optional sign, the digits up
// to the first other character; 0 when there are none. Saturates at the range
// of int instead of overflowing.
int ParseInt(const std::string& text);
// "%d".
std::string FormatInt(int value);
// The flag lines: TRUE exactly when the line is "TRUE".
bool ParseFlag(const std::string& text);
const char* FormatFlag(bool value);

// Reads the whole file at path; false with the cause code when it cannot.
bool ReadAllLines(const std::string& path, std::vector<std::string>& lines, int* cause = nullptr);

} // namespace platform
