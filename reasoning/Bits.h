// Small helpers for the solvers' item sets: a set of up to eight items is a
// byte with one bit per item.
#pragma once

#include <bit>
#include <cstdint>

namespace reasoning {

inline uint8_t Bit(int i) {
    return static_cast<uint8_t>(1u << i);
}
// The items 0 .. n - 1 (n up to 8).
inline uint8_t All(int n) {
    return static_cast<uint8_t>((1u << n) - 1);
}
// The items below i (0 .. i - 1) and above it (i + 1 .. 7).
inline uint8_t Below(int i) {
    return static_cast<uint8_t>((1u << i) - 1);
}
inline uint8_t Above(int i) {
    return static_cast<uint8_t>(~((2u << i) - 1));
}
// The lowest and highest item in a non-empty set.
inline int Low(uint8_t m) {
    return std::countr_zero(static_cast<unsigned>(m));
}
inline int High(uint8_t m) {
    return 31 - std::countl_zero(static_cast<unsigned>(m));
}
// Exactly one item.
inline bool Single(uint8_t m) {
    return m != 0 && (m & (m - 1)) == 0;
}

} // namespace reasoning
