// A scratch file for fuzz targets whose readers take a path: the input is
// written to a per-process file in memory-backed storage when there is one.
#pragma once

#include <cstdint>
#include <cstdio>
#include <string>
#include <unistd.h>

namespace fuzz_support {

inline std::string ScratchPath(const char* what) {
    const char* folder = ::access("/dev/shm", W_OK) == 0 ? "/dev/shm/" : "/tmp/";
    return std::string(folder) + "deduxa_fuzz_" + what + "_" + std::to_string(::getpid());
}

inline void WriteScratch(const std::string& path, const uint8_t* data, size_t size) {
    FILE* f = std::fopen(path.c_str(), "wb");
    if (!f)
        __builtin_trap();
    if (size && std::fwrite(data, 1, size, f) != size)
        __builtin_trap();
    std::fclose(f);
}

} // namespace fuzz_support
