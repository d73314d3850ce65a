#include "platform/DataPath.h"

#include <cctype>
#include <dirent.h>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace platform {

namespace {

std::string g_dataFolder;

bool Exists(const std::string& path) {
    struct stat st {};
    return ::lstat(path.c_str(), &st) == 0;
}

bool SameIgnoringCase(const std::string& a, const char* b) {
    size_t i = 0;
    for (; i < a.size() && b[i]; ++i) {
        if (std::tolower(static_cast<unsigned char>(a[i])) !=
            std::tolower(static_cast<unsigned char>(b[i])))
            return false;
    }
    return i == a.size() && b[i] == '\0';
}

// The entry of folder whose name equals component ignoring case, or component.
std::string MatchComponent(const std::string& folder, const std::string& component) {
    if (component == "." || component == ".." || Exists(folder + component))
        return component;
    DIR* dir = ::opendir(folder.empty() ? "." : folder.c_str());
    if (!dir)
        return component;
    std::string found = component;
    while (dirent* entry = ::readdir(dir)) {
        if (SameIgnoringCase(component, entry->d_name)) {
            found = entry->d_name;
            break;
        }
    }
    ::closedir(dir);
    return found;
}

} // namespace

void SetDataFolder(const std::string& folder) {
    g_dataFolder = folder;
    if (!g_dataFolder.empty() && g_dataFolder.back() != '/')
        g_dataFolder += '/';
}

const std::string& DataFolder() {
    return g_dataFolder;
}

std::string CurrentFolder() {
    std::vector<char> buf(4096);
    if (!::getcwd(buf.data(), buf.size()))
        return "./";
    std::string folder(buf.data());
    if (folder.empty() || folder.back() != '/')
        folder += '/';
    return folder;
}

std::string RealPathIn(const std::string& base, const std::string& relative) {
    std::string path = base;
    std::string component;
    auto flush = [&](bool isFolder) {
        if (component.empty())
            return;
        path += MatchComponent(path, component);
        if (isFolder)
            path += '/';
        component.clear();
    };
    for (char c : relative) {
        if (c == '\\' || c == '/')
            flush(true);
        else
            component += c;
    }
    flush(false);
    return path;
}

std::string RealPath(const std::string& relative) {
    return RealPathIn(g_dataFolder, relative);
}

bool IsPlainFileName(const std::string& name) {
    if (name.empty() || name == "." || name == "..")
        return false;
    for (char c : name) {
        if (c == '/' || c == '\\' || c == '\0')
            return false;
    }
    return true;
}

bool EnsureFolder(const std::string& relative) {
    std::string path = RealPath(relative);
    while (!path.empty() && path.back() == '/')
        path.pop_back();
    struct stat st {};
    if (::stat(path.c_str(), &st) == 0)
        return S_ISDIR(st.st_mode);
    return ::mkdir(path.c_str(), 0755) == 0;
}

} // namespace platform
