// The texts the board, its pictures and its dialogs show, in one place.
#pragma once

namespace board_texts {

// The board's colour key.
inline constexpr const char* kKeyTitle = "Key";
inline constexpr const char* kKeyTrue = " T ";
inline constexpr const char* kKeyFalse = " F ";

// Picture controls.
inline constexpr const char* kErrorReadingDib = "Error reading DIB file.";
inline constexpr const char* kErrorPaintingDib = "Error painting DIB";
inline constexpr const char* kNoMemoryForPalette = "Not enough memory for palette.";
inline constexpr const char* kErrorCreatingPalette = "Error creating palette from DIB.";

// Settings dialog (template 141).
inline constexpr const char* kSettingsCaption = "Customize Game Settings";
inline constexpr const char* kSquareMarkedTrue = "Square Marked True";
inline constexpr const char* kSquareMarkedFalse = "Square Marked False";
inline constexpr const char* kHint = "Hint";
inline constexpr const char* kChangeColor = "Change Color";
inline constexpr const char* kDefaultColors = "Default Colors";
inline constexpr const char* kPlaySounds = "Play Sounds";
inline constexpr const char* kOk = "OK";
inline constexpr const char* kCancel = "Cancel";
inline constexpr const char* kHelp = "Help";

// Cell-hint dialog (template 135).
inline constexpr const char* kCellHintCaption = "Select A Cell";
inline constexpr const char* kCellHintPrompt =
    "Please click on the cell to see the associated hint.";
inline constexpr const char* kCellHintListed = "The associated hint for this cell is listed below.";

// Files and sounds.
inline constexpr const char* kSettingsFile = "Data\\Sound.dat";
inline constexpr const char* kClickSound = "data\\dxup.wav";

// Help topics opened from the board's dialogs.
inline constexpr int kSettingsHelpTopic = 8;
inline constexpr int kCellHintHelpTopic = 11;

} // namespace board_texts
