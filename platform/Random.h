// The process-wide pseudo-random generator: a linear congruential generator
// whose 32-bit state becomes state * 214013 + 2531011 at each draw and whose
// value is bits 16 to 30 of the new state (0 to 32767).
#pragma once

#include <cstdint>

namespace platform {

inline constexpr int kRandMax = 0x7fff;

void SeedRandom(uint32_t seed);
int NextRandom();

} // namespace platform
