// A small ants game folder for tests: "ants\ants.dat", a palettized field
// picture and the four frames of an ant, written into a data folder.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace testing_support {

struct AntSpot {
    int x = 0, y = 0, width = 36, height = 40;
};

// The ten default spots: a row of five ants and a row below, none overlapping.
std::vector<AntSpot> DefaultAntSpots();

// Makes dataFolder/ants/ with "ants.dat" (background "field", every ant
// named "ant" at the spots given; fewer than ten spots leave the rest with
// an empty box), "field.bmp" (640 x 480) and "ant0.bmp" to "ant3.bmp".
void MakeAntsFolder(const std::string& dataFolder,
                    const std::vector<AntSpot>& spots = DefaultAntSpots());

} // namespace testing_support
