#include "platform/DialogUnits.h"

#include <cstdint>

namespace platform {

namespace {
int MulDiv(int a, int b, int c) {
    if (c == 0)
        return -1;
    long long p = static_cast<long long>(a) * b;
    long long half = (c > 0 ? c : -c) / 2;
    return static_cast<int>((p >= 0 ? p + half : p - half) / c);
}
} // namespace

BaseUnits SystemBaseUnits() {
    return BaseUnits{8, 16};
}

int DluToPixelsX(int dlu, int baseX) {
    return MulDiv(dlu, baseX, 4);
}
int DluToPixelsY(int dlu, int baseY) {
    return MulDiv(dlu, baseY, 8);
}

int FixedScaleX(int pixels, int baseX) {
    if (baseX == 0)
        return pixels;
    auto units = static_cast<uint16_t>(pixels * 4 / baseX);
    return units * 8 / 4;
}

int FixedScaleY(int pixels, int baseY) {
    if (baseY == 0)
        return pixels;
    auto units = static_cast<uint16_t>(pixels * 8 / baseY);
    return units * 16 / 8;
}

} // namespace platform
