#include "board/Settings.h"

#include "board/Texts.h"
#include "platform/DataPath.h"
#include "platform/FileError.h"
#include "platform/TextFile.h"

namespace board {

bool ParseSoundLine(const std::string& line) {
    return !line.empty() && line != "FALSE";
}

std::uint8_t ParseColorComponent(const std::string& line) {
    // The low 8 bits of the number, as a two's-complement int: -1 reads 255.
    return static_cast<std::uint8_t>(static_cast<unsigned>(platform::ParseInt(line)) & 0xFFu);
}

std::string SettingsPath() {
    return platform::RealPath(board_texts::kSettingsFile);
}

bool ReadSoundSetting() {
    return ReadSoundSettingFrom(SettingsPath());
}

bool ReadSoundSettingFrom(const std::string& path) {
    platform::CTextFile file;
    if (!file.Open(path, platform::CTextFile::modeRead))
        return false;
    try {
        std::string line;
        file.ReadString(line);
        return ParseSoundLine(line);
    } catch (const platform::CFileException&) {
        return false;
    }
}

BoardColors ReadColorSettings() {
    return ReadColorSettingsFrom(SettingsPath());
}

BoardColors ReadColorSettingsFrom(const std::string& path) {
    BoardColors colors = kDefaultColors;
    platform::CTextFile file;
    if (!file.Open(path, platform::CTextFile::modeRead))
        return colors;
    try {
        std::string line;
        file.ReadString(line); // line 1 is the sound setting
        // A colour is taken only when the file holds all three of its lines;
        // a file that stops short keeps the default for the rest instead of
        // painting marks black.
        auto readColor = [&](RgbColor& color) {
            std::uint8_t parts[3];
            for (auto& part : parts) {
                if (!file.ReadString(line))
                    return false;
                part = ParseColorComponent(line);
            }
            color = RgbColor{parts[0], parts[1], parts[2]};
            return true;
        };
        if (readColor(colors.hint) && readColor(colors.trueColor))
            readColor(colors.falseColor);
    } catch (const platform::CFileException&) {
        // What was read whole stays; the rest keeps its defaults.
    }
    return colors;
}

bool WriteSettings(bool soundOn, const BoardColors& colors) {
    return WriteSettingsTo(SettingsPath(), soundOn, colors);
}

bool WriteSettingsTo(const std::string& path, bool soundOn, const BoardColors& colors) {
    platform::CTextFile file;
    if (!file.Open(path, platform::CTextFile::modeWrite))
        return false;
    try {
        file.WriteString(soundOn ? "TRUE\n" : "FALSE\n");
        for (const RgbColor* c : {&colors.hint, &colors.trueColor, &colors.falseColor}) {
            file.WriteInt(c->red);
            file.WriteInt(c->green);
            file.WriteInt(c->blue);
        }
        file.Close();
        return true;
    } catch (const platform::CFileException&) {
        file.Abort();
        return false;
    }
}

} // namespace board
