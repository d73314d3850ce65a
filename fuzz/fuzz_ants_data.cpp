// Reads an "ants.dat": never a crash, and every ant's box lies inside the
// playing field whatever numbers the file holds.
#include "fuzz/FuzzFile.h"
#include "reward/AntsData.h"

#include <cstdint>
#include <cstdio>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static const std::string path = fuzz_support::ScratchPath("ants");
    fuzz_support::WriteScratch(path, data, size);
    CAntsData ants;
    if (ants.Read(path)) {
        for (const auto& ant : ants.ants) {
            reward::AntRect box = ant.Box();
            if (!box.IsEmpty() &&
                (box.left < 0 || box.top < 0 || box.right > reward::kFieldWidth ||
                 box.bottom > reward::kFieldHeight || box.Width() > reward::kFieldWidth ||
                 box.Height() > reward::kFieldHeight))
                __builtin_trap();
            if (box.IsEmpty() && !(box == reward::AntRect{}))
                __builtin_trap();
            (void)CAntsData::IsPictureName(ant.name);
            (void)CAntsData::FrameFile(ant.name, 3);
        }
        (void)CAntsData::BackgroundFile(ants.background);
    }
    std::remove(path.c_str());
    return 0;
}
