// File-error cause codes and their standard texts, and the exception that
// carries a cause code from CTextFile to whoever opened the file.
#pragma once

#include <stdexcept>
#include <string>

namespace platform {

enum FileCause {
    causeNone = 0,
    causeGeneric = 1,
    causeFileNotFound = 2,
    causeBadPath = 3,
    causeTooManyOpenFiles = 4,
    causeAccessDenied = 5,
    causeInvalidFile = 6,
    causeRemoveCurrentDir = 7,
    causeDirectoryFull = 8,
    causeBadSeek = 9,
    causeHardIO = 10,
    causeSharingViolation = 11,
    causeLockViolation = 12,
    causeDiskFull = 13,
    causeEndOfFile = 14,
};

// The cause code for an errno value; anything unknown is causeGeneric.
int CauseFromErrno(int err);

// The standard text for a cause, with "%1" replaced by fileName.
std::string FileErrorText(int cause, const std::string& fileName);

// Raised by CTextFile when a read or write fails after the file was opened.
class CFileException : public std::runtime_error {
public:
    CFileException(int cause, const std::string& fileName);
    int cause() const { return m_cause; }
    const std::string& fileName() const { return m_fileName; }

private:
    int m_cause;
    std::string m_fileName;
};

} // namespace platform
