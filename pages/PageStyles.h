// The page fonts and the style table: each record's style code gives its
// colour, font and line heights.
#pragma once

#include "pages/PageCanvas.h"

struct PageFontSpec {
    int pixelHeight;
    int weight; // 400 normal, 700 bold
    bool italic;
};

// Heights measured once on the screen: a line height is the font's character
// height plus its external leading; the tab width is twice font B's average
// character width.
struct PageMetrics {
    int hA = 0;
    int hB = 0;
    int hC = 0;
    int hE = 0;
    int hF = 0;
    int tabWidth = 0;
};

const PageFontSpec& FontSpec(PageFont font);

struct PageStyle {
    bool keepColor;
    PageColor color;
    bool keepFont;
    PageFont font;
};

// Style codes with a role of their own.
enum PageStyleCode {
    styleHeading = 0,
    styleLinkHeading = 1,
    styleSmallText = 6,
    styleRedText = 8,
    styleButton = 11,
    styleLink = 12,
    styleReveal = 14,
    styleIndent = 15,
    styleHalfSmall = 16,
    styleHalfLine = 17,
    styleInlineReveal = 18,
    styleLinkBright = 19,
};

inline bool IsLinkStyle(int code) {
    return code == 1 || code == 12 || code == 19;
}

const PageStyle& StyleOf(int code);
// The line height drawing takes for a code (code 8 beside code 6 aside).
int DrawHeight(int code, const PageMetrics& m);
// The line height reading takes for a code, given the current parse height.
int ParseHeight(int code, int current, const PageMetrics& m);

inline constexpr PageColor kWhite{255, 255, 255};
inline constexpr PageColor kBlack{0, 0, 0};
inline constexpr PageColor kHiddenRed{255, 0, 0};
inline constexpr PageColor kRevealMagenta{255, 0, 255};
