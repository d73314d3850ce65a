#include "platform/ContentFolder.h"

#include <cstdlib>
#include <functional>
#include <system_error>
#include <unordered_set>
#include <vector>

namespace fs = std::filesystem;

namespace platform {

namespace {

constexpr const char* kSettings = "data/Sound.dat";
constexpr const char* kListOfGames = "data/games.dat";
constexpr const char* kOwnFolders[] = {"players", "games", "ants", "data"};
// A link or copy is made under this name beside its place, then renamed
// there. One a crash left behind is dropped by the next linking.
constexpr const char* kNewPrefix = ".deduxa-new-";

fs::path NewName(const fs::path& place) {
    return place.parent_path() / (kNewPrefix + place.filename().string());
}

// Makes a file under place's new name with make, then renames it to place;
// on any failure nothing is left under the new name.
bool MakeInPlace(const fs::path& place,
                 const std::function<void(const fs::path&, std::error_code&)>& make) {
    const fs::path fresh = NewName(place);
    std::error_code ec;
    fs::remove(fresh, ec);
    ec.clear();
    make(fresh, ec);
    if (!ec)
        fs::rename(fresh, place, ec);
    if (ec) {
        std::error_code ignored;
        fs::remove(fresh, ignored);
    }
    return !ec;
}

// Each step below returns what it could not do, or nothing.
std::string RealFolder(const fs::path& dir) {
    std::error_code ec;
    const fs::file_status status = fs::symlink_status(dir, ec);
    if (fs::is_directory(status))
        return {};
    if (fs::exists(status))
        return "cannot make the data folder " + dir.string() + ": something else is in its place";
    if (!fs::create_directory(dir, ec) || ec)
        return "cannot make the data folder " + dir.string();
    return {};
}

std::string LinkFile(const fs::path& target, const fs::path& link) {
    // The link of a normal start is read and found right: one call.
    std::error_code ec;
    const fs::path leadsTo = fs::read_symlink(link, ec);
    if (!ec && leadsTo == target)
        return {};
    const fs::file_status status = fs::symlink_status(link, ec);
    if (!fs::is_symlink(status) && fs::exists(status))
        return {}; // a file of the player's own
    const bool made = MakeInPlace(link, [&target](const fs::path& fresh, std::error_code& error) {
        fs::create_symlink(target, fresh, error);
    });
    return made ? std::string() : "cannot link " + link.string();
}

std::string CopySettingsOnce(const fs::path& content, const fs::path& folder) {
    std::error_code ec;
    const fs::path settings = folder / kSettings;
    if (fs::is_symlink(fs::symlink_status(settings, ec)))
        fs::remove(settings, ec);
    if (fs::exists(fs::symlink_status(settings, ec)) ||
        !fs::is_regular_file(content / kSettings, ec))
        return {};
    // Copied whole under another name first: a copy cut short never stands
    // as the player's settings.
    const bool made =
        MakeInPlace(settings, [&content](const fs::path& fresh, std::error_code& error) {
            fs::copy_file(content / kSettings, fresh, error);
            if (!error)
                fs::permissions(fresh, fs::perms::owner_read | fs::perms::owner_write,
                                fs::perm_options::add, error);
        });
    return made ? std::string() : "cannot copy the settings to " + settings.string();
}

// Links leading to nothing (content an update took away) and what a linking
// cut short left; players/ and games/ are not looked in, nor the links just
// made or found leading to content.
void DropDeadLinks(const fs::path& folder, const std::unordered_set<std::string>& linked) {
    std::error_code ec;
    std::vector<fs::path> dead;
    fs::recursive_directory_iterator it(folder, fs::directory_options::skip_permission_denied, ec);
    for (const fs::recursive_directory_iterator end; !ec && it != end; it.increment(ec)) {
        const fs::path& path = it->path();
        if (it.depth() == 0 && (path.filename() == "players" || path.filename() == "games")) {
            it.disable_recursion_pending();
            continue;
        }
        const bool leftover = path.filename().string().rfind(kNewPrefix, 0) == 0;
        std::error_code missing;
        if (!leftover && linked.count(path.lexically_relative(folder).string()))
            continue;
        if (it->is_symlink(missing) && (leftover || !fs::exists(path, missing)))
            dead.push_back(path);
        else if (leftover && it->is_regular_file(missing))
            dead.push_back(path);
    }
    for (const fs::path& path : dead)
        fs::remove(path, ec);
}

bool g_linkedAtStart = false;
bool g_relinked = false;

} // namespace

fs::path InstalledContent() {
    const char* named = std::getenv(kContentVariable);
    if (!named || !*named)
        return {};
    std::error_code ec;
    fs::path content = fs::canonical(named, ec);
    return ec ? fs::path(named) : content;
}

bool LinksContent(const fs::path& content, const fs::path& folder) {
    std::error_code ec;
    const fs::path leadsTo = fs::read_symlink(folder / kListOfGames, ec);
    return !ec && leadsTo == content / kListOfGames;
}

ContentLinking LinkContent(const fs::path& content, const fs::path& folder) {
    const auto failed = [](std::string what) { return ContentLinking{false, std::move(what)}; };
    std::error_code ec;
    if (!fs::is_directory(content, ec))
        return failed("the game content is missing (looked in " + content.string() + ")");
    for (const char* own : kOwnFolders)
        if (std::string failure = RealFolder(folder / own); !failure.empty())
            return failed(failure);
    std::unordered_set<std::string> linked;
    fs::recursive_directory_iterator it(content, ec);
    for (const fs::recursive_directory_iterator end; !ec && it != end; it.increment(ec)) {
        const fs::path relative = it->path().lexically_relative(content);
        std::error_code kind;
        std::string failure;
        if (it->is_directory(kind)) {
            failure = RealFolder(folder / relative);
        } else if (relative != kSettings) {
            failure = LinkFile(it->path(), folder / relative);
            linked.insert(relative.string());
        }
        if (!failure.empty())
            return failed(failure);
    }
    if (ec)
        return failed("cannot read the game content in " + content.string());
    if (std::string failure = CopySettingsOnce(content, folder); !failure.empty())
        return failed(failure);
    DropDeadLinks(folder, linked);
    return {};
}

ContentLinking LinkFolderIfNew(const fs::path& folder) {
    const fs::path content = InstalledContent();
    if (content.empty() || LinksContent(content, folder))
        return {};
    g_linkedAtStart = true;
    return LinkContent(content, folder);
}

ContentLinking RelinkFolderOnce(const fs::path& folder) {
    const fs::path content = InstalledContent();
    if (content.empty() || g_linkedAtStart || g_relinked)
        return {};
    g_relinked = true;
    return LinkContent(content, folder);
}

} // namespace platform
