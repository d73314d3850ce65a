#include "platform/FileReplace.h"

#include "platform/FileError.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace platform {

namespace {

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

    std::string pattern = path + ".tmpXXXXXX";
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

} // namespace platform
