// Page coordinates grow by numbers read from the page file; a file large
// enough to pass the range of int stops growing instead of wrapping round.
#pragma once

#include <algorithm>
#include <climits>

inline int GrowBy(int value, int by) {
    long long sum = static_cast<long long>(value) + by;
    return static_cast<int>(std::clamp<long long>(sum, INT_MIN / 2, INT_MAX / 2));
}
