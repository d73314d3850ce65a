#include "pages/PageStyles.h"

namespace {

const PageFontSpec kFonts[kPageFontCount] = {
    {20, 700, false}, // A
    {18, 400, false}, // B
    {24, 700, false}, // C
    {18, 700, false}, // D
    {17, 400, false}, // E
    {22, 700, false}, // F
    {18, 700, false}, // G
    {18, 400, true},  // H
};

constexpr PageColor kDarkBlue{0, 0, 100};
constexpr PageColor kDarkRed{155, 0, 0};

const PageStyle kStyles[20] = {
    {false, kBlack, false, fontA},      // 0 heading
    {false, {0, 105, 0}, false, fontA}, // 1 link, heading size
    {false, kBlack, false, fontG},      // 2 bold text
    {false, kDarkBlue, false, fontD},   // 3 dark blue bold, small line
    {false, kDarkRed, false, fontG},    // 4 dark red bold
    {false, kBlack, false, fontH},      // 5 italic
    {false, kDarkBlue, false, fontE},   // 6 small dark blue
    {false, kDarkBlue, false, fontE},   // 7 small dark blue
    {false, kDarkRed, false, fontB},    // 8 dark red
    {false, kBlack, false, fontC},      // 9 large heading
    {false, kBlack, false, fontF},      // 10 sub-heading
    {false, kBlack, false, fontB},      // 11 button row marker
    {false, {0, 155, 0}, false, fontB}, // 12 link
    {false, kBlack, false, fontB},      // 13 plain text
    {true, kBlack, false, fontB},       // 14 reveal block
    {true, kBlack, true, fontB},        // 15 indent switch
    {true, kBlack, true, fontB},        // 16 half small line
    {true, kBlack, true, fontB},        // 17 half line
    {true, kBlack, false, fontB},       // 18 inline reveal block
    {false, {0, 205, 0}, false, fontB}, // 19 link
};

const PageStyle kOther{false, kBlack, false, fontB};

} // namespace

const PageFontSpec& FontSpec(PageFont font) {
    return kFonts[font >= 0 && font < kPageFontCount ? font : fontB];
}

const PageStyle& StyleOf(int code) {
    return code >= 0 && code < 20 ? kStyles[code] : kOther;
}

int DrawHeight(int code, const PageMetrics& m) {
    switch (code) {
    case 0:
    case 1:
        return m.hA;
    case 3:
    case 6:
    case 7:
        return m.hE;
    case 9:
        return m.hC;
    case 10:
        return m.hF;
    case 15:
        return 0;
    case 16:
        return m.hE / 2;
    case 17:
        return m.hB / 2;
    default:
        return m.hB;
    }
}

int ParseHeight(int code, int current, const PageMetrics& m) {
    switch (code) {
    case 8:
        return current == m.hE ? m.hE : m.hB;
    case 14:
    case 18:
        return current;
    default:
        return DrawHeight(code, m);
    }
}
