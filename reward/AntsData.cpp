#include "reward/AntsData.h"

#include "platform/FileError.h"
#include "platform/TextFile.h"
#include "reward/Texts.h"

bool CAntsData::Read(const std::string& path, int* cause) {
    background.clear();
    ants = {};
    platform::CTextFile file;
    if (!file.Open(path, platform::CTextFile::modeRead, cause))
        return false;
    try {
        std::string line;
        file.ReadString(line);
        background = line;
        for (auto& ant : ants) {
            file.ReadString(line);
            ant.name = line;
            file.ReadString(line);
            ant.x = platform::ParseInt(line);
            file.ReadString(line);
            ant.y = platform::ParseInt(line);
            file.ReadString(line);
            ant.width = platform::ParseInt(line);
            file.ReadString(line);
            ant.height = platform::ParseInt(line);
        }
    } catch (const platform::CFileException& e) {
        if (cause)
            *cause = e.cause();
        return false;
    }
    return true;
}

std::string CAntsData::BackgroundFile(const std::string& name) {
    return std::string(reward::kAntsFolder) + name + ".bmp";
}

std::string CAntsData::FrameStem(const std::string& name) {
    return std::string(reward::kAntsFolder) + name;
}

std::string CAntsData::FrameFile(const std::string& name, int frame) {
    return FrameStem(name) + std::to_string(frame) + ".bmp";
}

bool CAntsData::IsPictureName(const std::string& name) {
    return name.find_first_of(std::string("/\\\0", 3)) == std::string::npos;
}
