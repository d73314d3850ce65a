#include "platform/FileError.h"

#include <cerrno>

namespace platform {

int CauseFromErrno(int err) {
    switch (err) {
    case 0:
        return causeNone;
    case ENOENT:
        return causeFileNotFound;
    case ENOTDIR:
    case ENAMETOOLONG:
    case ELOOP:
    case EINVAL:
        return causeBadPath;
    case EMFILE:
    case ENFILE:
        return causeTooManyOpenFiles;
    case EACCES:
    case EPERM:
    case EISDIR:
    case EROFS:
    case ETXTBSY:
        return causeAccessDenied;
    case EBADF:
        return causeInvalidFile;
    case EBUSY:
        return causeRemoveCurrentDir;
    case EMLINK:
        return causeDirectoryFull;
    case ESPIPE:
        return causeBadSeek;
    case EIO:
        return causeHardIO;
    case EWOULDBLOCK:
        return causeSharingViolation;
    case EDEADLK:
    case ENOLCK:
        return causeLockViolation;
    case ENOSPC:
    case EDQUOT:
    case EFBIG:
        return causeDiskFull;
    default:
        return causeGeneric;
    }
}

std::string FileErrorText(int cause, const std::string& fileName) {
    static const char* const texts[] = {
        "No error occurred.",
        "An unknown error occurred while accessing %1.",
        "%1 was not found.",
        "%1 contains an invalid path.",
        "%1 could not be opened because there are too many open files.",
        "Access to %1 was denied.",
        "An invalid file handle was associated with %1.",
        "%1 could not be removed because it is the current directory.",
        "%1 could not be created because the directory is full.",
        "Seek failed on %1",
        "A hardware I/O error was reported while accessing %1.",
        "A sharing violation occurred while accessing %1.",
        "A locking violation occurred while accessing %1.",
        "Disk full while accessing %1.",
        "An attempt was made to access %1 past its end.",
    };
    if (cause < 0 || cause > 14)
        cause = causeGeneric;
    std::string text = texts[cause];
    auto at = text.find("%1");
    if (at != std::string::npos)
        text.replace(at, 2, fileName);
    return text;
}

CFileException::CFileException(int cause, const std::string& fileName)
    : std::runtime_error(FileErrorText(cause, fileName)), m_cause(cause), m_fileName(fileName) {}

} // namespace platform
