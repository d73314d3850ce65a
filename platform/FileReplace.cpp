#include "platform/FileReplace.h"

#include "platform/FileError.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace platform {

namespace {

constexpr const char* kTempMark = ".tmp";
constexpr size_t kTempMarkSize = 4;
constexpr size_t kTempUniqueSize = 6; // the letters mkstemp puts for "XXXXXX"

std::string FolderOf(const std::string& path) {
    auto slash = path.rfind('/');
    return slash == std::string::npos ? std::string(".") : path.substr(0, slash + 1);
}

void SyncFolder(const std::string& folder) {
    int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
}

} // namespace

int ReplaceFile(const std::string& path, const std::function<void(CTextFile&)>& write) {
    struct stat st {};
    if (::stat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode))
        return causeAccessDenied;

    std::string pattern = path + kTempMark + "XXXXXX";
    std::vector<char> name(pattern.begin(), pattern.end());
    name.push_back('\0');
    int fd = ::mkstemp(name.data());
    if (fd < 0)
        return CauseFromErrno(errno);
    ::close(fd);
    std::string temp(name.data());
    // Keep the old file's permissions (mkstemp makes 0600).
    mode_t mode = 0644;
    if (::stat(path.c_str(), &st) == 0)
        mode = st.st_mode & 07777;
    ::chmod(temp.c_str(), mode);

    int cause = causeNone;
    {
        CTextFile file;
        if (!file.Open(temp, CTextFile::modeCreate, &cause)) {
            ::unlink(temp.c_str());
            return cause;
        }
        try {
            write(file);
            file.Sync();
            file.Close();
        } catch (const CFileException& e) {
            file.Abort();
            ::unlink(temp.c_str());
            return e.cause();
        }
    }
    if (::rename(temp.c_str(), path.c_str()) != 0) {
        cause = CauseFromErrno(errno);
        ::unlink(temp.c_str());
        return cause;
    }
    SyncFolder(FolderOf(path));
    return causeNone;
}

int RemoveFile(const std::string& path) {
    if (::unlink(path.c_str()) != 0)
        return CauseFromErrno(errno);
    return causeNone;
}

bool FileExists(const std::string& path) {
    struct stat st {};
    return ::stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode);
}

bool IsReplaceTempName(const std::string& name) {
    constexpr size_t tail = kTempMarkSize + kTempUniqueSize;
    if (name.size() <= tail || name.compare(name.size() - tail, kTempMarkSize, kTempMark) != 0)
        return false;
    for (size_t i = name.size() - kTempUniqueSize; i < name.size(); ++i) {
        char c = name[i];
        if (!((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9')))
            return false;
    }
    return true;
}

int RemoveStaleTempFiles(const std::string& folder, int minAgeSeconds) {
    DIR* dir = ::opendir(folder.c_str());
    if (!dir)
        return 0;
    const time_t now = ::time(nullptr);
    int removed = 0;
    while (const dirent* entry = ::readdir(dir)) {
        const std::string name = entry->d_name;
        if (!IsReplaceTempName(name))
            continue;
        const std::string path = folder + name;
        struct stat st {};
        // (No age asked for is none at all: a file's time may run a little
        // ahead of the clock read here.)
        if (::lstat(path.c_str(), &st) != 0 || !S_ISREG(st.st_mode) ||
            (minAgeSeconds > 0 && now - st.st_mtime < minAgeSeconds))
            continue;
        // A file being written is locked by its writer.
        int fd = ::open(path.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
        if (fd < 0)
            continue;
        bool idle = ::flock(fd, LOCK_EX | LOCK_NB) == 0;
        if (idle && ::unlink(path.c_str()) == 0)
            ++removed;
        ::close(fd);
    }
    ::closedir(dir);
    return removed;
}

} // namespace platform
