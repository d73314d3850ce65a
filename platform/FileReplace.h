// Whole-file replacement: the new contents go to a temporary file in the same
// folder, are flushed and synced, and the temporary file is renamed over the
// target. A crash or a full disk leaves either the old file or the new one,
// never half of either.
#pragma once

#include "platform/TextFile.h"

#include <functional>
#include <string>

namespace platform {

// Calls write with a CTextFile open on the temporary file, then puts it in
// place of path. Returns causeNone (0) on success; otherwise the cause code,
// with the old file untouched and the temporary file removed. A
// CFileException thrown by write is caught and its cause returned.
int ReplaceFile(const std::string& path, const std::function<void(CTextFile&)>& write);

// Deletes a file; returns the cause code (0 when it was deleted).
int RemoveFile(const std::string& path);

bool FileExists(const std::string& path);

// True for a name ReplaceFile gives its temporary files: a target's name
// followed by ".tmp" and six letters or digits.
bool IsReplaceTempName(const std::string& name);

// Deletes the temporary files a crash left in folder (ending in "/"): regular
// files of ReplaceFile's naming that no CTextFile holds open and that were
// last changed at least minAgeSeconds ago, so that a save still running in
// another copy of the game keeps its file. Nothing else is touched. Returns
// how many were deleted.
int RemoveStaleTempFiles(const std::string& folder, int minAgeSeconds = 2);

} // namespace platform
