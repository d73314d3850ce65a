#include "players/Names.h"

#include "platform/DataPath.h"
#include "platform/FileReplace.h"
#include "platform/TextFile.h"
#include "players/Texts.h"

#include <cctype>
#include <cstring>
#include <sys/stat.h>

namespace players {

namespace {

bool IsContinuation(unsigned char c) {
    return (c & 0xC0) == 0x80;
}

// Bytes of the UTF-8 sequence a lead byte starts (1 for ASCII and stray bytes).
size_t SequenceLength(unsigned char lead) {
    if (lead >= 0xF0 && lead <= 0xF7)
        return 4;
    if (lead >= 0xE0)
        return lead <= 0xEF ? 3 : 1;
    if (lead >= 0xC0)
        return 2;
    return 1;
}

// Drops an incomplete UTF-8 sequence from the end of text.
void DropCutCharacter(std::string& text) {
    size_t back = 0;
    size_t i = text.size();
    while (i > 0 && back < 4 && IsContinuation(static_cast<unsigned char>(text[i - 1]))) {
        --i;
        ++back;
    }
    if (i == 0 || back >= 4)
        return;
    size_t lead = i - 1;
    size_t want = SequenceLength(static_cast<unsigned char>(text[lead]));
    if (want > 1 && text.size() - lead < want)
        text.erase(lead);
}

} // namespace

std::string FillMessage(const char* format, std::initializer_list<std::string> values) {
    std::string out;
    auto next = values.begin();
    for (const char* p = format; *p; ++p) {
        if (p[0] == '%' && (p[1] == 's' || p[1] == 'd') && next != values.end()) {
            out += *next++;
            ++p;
        } else {
            out += *p;
        }
    }
    return out;
}

std::string FileMessage(const char* format, const std::string& path, int cause) {
    return FillMessage(format, {path, std::to_string(cause)});
}

std::string ReplaceNameCharacters(const std::string& text) {
    static const char kReplaced[] = " {}[];~`!./+=\\|:\"'";
    std::string out = text;
    for (char& c : out) {
        if (c != '\0' && std::strchr(kReplaced, c))
            c = '_';
    }
    return out;
}

void ShortenStem(std::string& stem) {
    while (stem.size() >= 6) {
        stem.resize(stem.size() - 2);
        DropCutCharacter(stem);
    }
}

std::string PlayerStem(const std::string& name) {
    std::string stem = ReplaceNameCharacters(name);
    ShortenStem(stem);
    return stem;
}

std::string SavedGameStem(const std::string& title) {
    size_t from = 5;
    while (from < title.size() && IsContinuation(static_cast<unsigned char>(title[from])))
        ++from;
    std::string stem = from < title.size() ? title.substr(from) : std::string();
    stem = ReplaceNameCharacters(stem);
    ShortenStem(stem);
    return stem;
}

bool IsReservedFileName(const std::string& name) {
    std::string lower = name;
    for (char& c : lower)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return lower == kRosterName || lower == kStatsPrintName || platform::IsReplaceTempName(lower);
}

bool ReserveFreeName(const std::string& folder, const std::string& stem, const std::string& ext,
                     std::string& fileName) {
    for (int n = 0; n <= 99; ++n) {
        std::string name = stem + std::to_string(n) + ext;
        if (IsReservedFileName(name))
            continue;
        // The found spelling, so that john0.ply also takes the name John0.ply.
        // Anything of that name, a dangling link too, takes it.
        struct stat st {};
        if (::lstat(platform::RealPathIn(folder, name).c_str(), &st) == 0)
            continue;
        // Created only when nothing of that name is there: a file or link
        // that appeared meanwhile is never followed or truncated.
        platform::CTextFile reserve;
        if (!reserve.Open(folder + name, platform::CTextFile::modeCreateNew))
            continue;
        reserve.Abort();
        fileName = name;
        return true;
    }
    return false;
}

std::string PathForStoredName(const std::string& folder, const std::string& name) {
    if (!platform::IsPlainFileName(name) || IsReservedFileName(name))
        return std::string();
    std::string path = platform::RealPathIn(folder, name);
    // The spelling found on the disk must not be one of the folder's own files either.
    if (IsReservedFileName(path.substr(path.rfind('/') + 1)))
        return std::string();
    return path;
}

} // namespace players
