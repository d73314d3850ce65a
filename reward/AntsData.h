// CAntsData: "ants\ants.dat", the ants game's layout. The background
// picture's name, then for each of the ten ants its picture name, x, y,
// width and height (pixels, in the playing field). A missing line reads as
// empty text and 0.
#pragma once

#include "reward/AntsGame.h"

#include <array>
#include <string>

struct AntPlacement {
    std::string name;
    int x = 0, y = 0, width = 0, height = 0;
    // The ant's box in the field, cut to the field.
    reward::AntRect Box() const { return reward::FieldBox(x, y, width, height); }
};

class CAntsData {
public:
    // Reads the file at path (a real path). False when it cannot be opened
    // or read, with the cause code.
    bool Read(const std::string& path, int* cause = nullptr);

    std::string background;
    std::array<AntPlacement, reward::kAntCount> ants;

    // The background picture, relative to the data folder: "ants\" name ".bmp".
    static std::string BackgroundFile(const std::string& name);
    // The stem of an ant's frame pictures, relative to the data folder
    // ("ants\" name); the frames are the stem followed by 0-3 and ".bmp".
    static std::string FrameStem(const std::string& name);
    // A frame picture: the stem, the digit and ".bmp".
    static std::string FrameFile(const std::string& name, int frame);
    // Picture names are plain names inside "ants\": no folder parts.
    static bool IsPictureName(const std::string& name);
};
