// The puzzle model's own texts and sound names, as the player meets them.
#pragma once

namespace puzzle_texts {

// Reports of the picture and puzzle files.
inline constexpr const char* kFailedToOpen = "Failed to open document.";
inline constexpr const char* kUnableToLoadImage = "Unable to load image file ";
inline constexpr const char* kDibTooLarge = "DIB is too large";
inline constexpr const char* kCannotLoadDib = "Cannot load DIB";

// Puzzle file markers.
inline constexpr const char* kOffsets = "Offsets";
inline constexpr const char* kStartGrid = "Start Grid";
inline constexpr const char* kEndGrid = "End Grid";
inline constexpr const char* kStartAnswer = "Start Answer";
inline constexpr const char* kEndAnswer = "End Answer";
inline constexpr const char* kStartHint = "Start Hint";
inline constexpr const char* kEndHint = "End Hint";

// Hint names of GetHintsForCell.
inline constexpr const char* kHintFormat = "Hint %d";
inline constexpr const char* kMoreHintFormat = ", Hint %d";

// Quick-check verdicts.
inline constexpr const char* kNoneMarked = "No item is marked true.";
inline constexpr const char* kOneCorrect = "The item marked true is correct.";
inline constexpr const char* kOneIncorrect = "The item marked true is incorrect.";
inline constexpr const char* kManyOneCorrect =
    "Of the %d items marked true, %d of them is correct.";
inline constexpr const char* kManyCorrect = "Of the %d items marked true, %d of them are correct.";

// Quick-check sounds.
inline constexpr const char* kClueSound = "data\\clue.wav";
inline constexpr const char* kCorrectCheckSound = "data\\corcheck.wav";
inline constexpr const char* kIncorrectCheckSound = "data\\inccheck.wav";

} // namespace puzzle_texts
