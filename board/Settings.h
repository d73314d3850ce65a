// The settings file "Data\Sound.dat": sound on or off and the board's three
// colours.
//
//   line 1      "TRUE" or "FALSE" (sound)
//   lines 2-4   hint colour: red, green, blue
//   lines 5-7   true colour (squares marked true)
//   lines 8-10  false colour (squares marked false)
//
// Anything after line 10 is never read. The file is rewritten in place: only
// when it exists, from its first byte, without shortening it.
#pragma once

#include <cstdint>
#include <string>

namespace board {

struct RgbColor {
    std::uint8_t red = 0;
    std::uint8_t green = 0;
    std::uint8_t blue = 0;
    constexpr bool operator==(const RgbColor&) const = default;
};

struct BoardColors {
    RgbColor hint;
    RgbColor trueColor;
    RgbColor falseColor;
    constexpr bool operator==(const BoardColors&) const = default;
};

inline constexpr RgbColor kDefaultHintColor{0, 0, 255};
inline constexpr RgbColor kDefaultTrueColor{0, 255, 0};
inline constexpr RgbColor kDefaultFalseColor{255, 0, 0};
inline constexpr BoardColors kDefaultColors{kDefaultHintColor, kDefaultTrueColor,
                                            kDefaultFalseColor};
inline constexpr RgbColor kWhite{255, 255, 255};
inline constexpr RgbColor kBlack{0, 0, 0};

// Line 1: sound is on unless the line is empty or reads "FALSE".
bool ParseSoundLine(const std::string& line);
// A colour line: its decimal number's low 8 bits (300 reads 44, no digits 0).
std::uint8_t ParseColorComponent(const std::string& line);

// The real path of the settings file under the data folder.
std::string SettingsPath();

// The start-up read: line 1 only. A file that cannot be opened (or read)
// means sound off.
bool ReadSoundSetting();
bool ReadSoundSettingFrom(const std::string& path);

// The board's read: lines 2 to 10. A file that cannot be opened leaves the
// defaults; so does a colour whose lines the file does not reach.
BoardColors ReadColorSettings();
BoardColors ReadColorSettingsFrom(const std::string& path);

// Writes the ten lines over an existing file, from its first byte and without
// truncating it. A missing file is not created. Returns false when nothing
// could be written (missing file, no access) or a write failed; nothing is
// reported to the player either way.
bool WriteSettings(bool soundOn, const BoardColors& colors);
bool WriteSettingsTo(const std::string& path, bool soundOn, const BoardColors& colors);

} // namespace board
