// The player's data folder of an installed game. The installed content is
// read-only and shared, and the game writes into its working folder, so every
// user plays in a folder of their own that links to each installed content
// file and holds real files and folders for everything the game writes:
// players/, games/, ants/ (the score table), data/Sound.dat (a copy of the
// installed settings, made once) and the games New Random Game makes.
//
// The launcher makes the folder, starts the game in it and names the content
// folder in the environment (kContentVariable). The game links the content
// before its first window only when the folder does not link to it yet (the
// first start, or the install moved); otherwise the links are checked once
// the first window is up, so an update of the installed game reaches the
// folder and a start costs no more than a game run from its own folder.
#pragma once

#include <filesystem>
#include <string>

namespace platform {

// The environment variable naming the installed content folder. Unset when
// the game runs in a folder of its own (a build, the tests).
inline constexpr const char* kContentVariable = "DEDUXA_CONTENT";

// The installed content folder the launcher named, or empty.
std::filesystem::path InstalledContent();

// True when folder's list of games is a link to content's: the folder has
// been linked to this content before.
bool LinksContent(const std::filesystem::path& content, const std::filesystem::path& folder);

struct ContentLinking {
    bool ok = true;
    std::string failure; // what could not be done, when !ok
};

// Brings folder in line with content:
// - players/, games/, ants/, data/ and every content folder are real folders
//   (a link or a file in the place of one is a failure, never replaced);
// - every content file but data/Sound.dat has a link to it: a missing link is
//   made, a link leading elsewhere is made again, a real file of the player's
//   own is kept;
// - a link leading to nothing is dropped (not in players/ and games/, which
//   are the game's own);
// - data/Sound.dat is a real copy of the installed one, made once and kept.
// Stops at the first thing it cannot do. Links are replaced by renaming a new
// one over them, so no content file is ever missing while the game runs.
ContentLinking LinkContent(const std::filesystem::path& content,
                           const std::filesystem::path& folder);

// The two moments of a start, for the installed content (nothing happens
// when the launcher named none). At the very start, before anything reads
// folder: links it now when it does not link to the content yet.
ContentLinking LinkFolderIfNew(const std::filesystem::path& folder);
// Once the first window is up: checks and mends every link, unless the
// start just did.
ContentLinking RelinkFolderOnce(const std::filesystem::path& folder);

} // namespace platform
