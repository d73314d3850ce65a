#include "app/GameList.h"

#include "platform/FileError.h"
#include "platform/TextFile.h"

std::vector<GameListEntry> ReadGameList(const std::function<bool(std::string&)>& nextLine) {
    std::vector<GameListEntry> list;
    std::string line;
    bool more = nextLine(line);
    while (more) {
        if (!line.empty()) {
            GameListEntry entry;
            entry.title = line;
            // The file name line; empty when the file ends here.
            if (!nextLine(entry.fileName))
                entry.fileName.clear();
            list.push_back(std::move(entry));
        }
        more = nextLine(line);
    }
    return list;
}

std::vector<GameListEntry> ReadGameListFile(const std::string& path, int* cause) {
    platform::CTextFile file;
    if (!file.Open(path, platform::CTextFile::modeRead))
        return {};
    bool failed = false;
    auto list = ReadGameList([&](std::string& line) {
        if (failed)
            return false;
        try {
            return file.ReadString(line);
        } catch (const platform::CFileException& e) {
            // A read error ends the list; what was read before it stays.
            failed = true;
            if (cause)
                *cause = e.cause();
            line.clear();
            return false;
        }
    });
    file.Abort();
    return list;
}
