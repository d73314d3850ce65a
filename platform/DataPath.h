// The data folder and the system's relative file names.
//
// The game names its files relative to the data folder, with backslashes and
// the case it was written in ("Data\Sound.dat", "data\games.dat"). RealPath
// turns such a name into a path on this system.
#pragma once

#include <string>

namespace platform {

// The data folder, ending in "/". Set once at start-up from the working folder.
void SetDataFolder(const std::string& folder);
const std::string& DataFolder();

// The working folder followed by "/".
std::string CurrentFolder();

// DataFolder() + relative, with backslashes made slashes and every component
// that does not exist as written matched case-insensitively against what does
// exist. A component with no match keeps its case as written.
std::string RealPath(const std::string& relative);

// Resolves a name relative to an explicit base folder (ending in "/").
std::string RealPathIn(const std::string& base, const std::string& relative);

// True for a plain file name: not empty, no separators, not "." or "..".
// Names read back from files are checked with this before use.
bool IsPlainFileName(const std::string& name);

// Creates folder (relative to the data folder) when it is missing.
bool EnsureFolder(const std::string& relative);

} // namespace platform
