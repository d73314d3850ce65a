// Dialog-unit arithmetic. Dialog layouts are given in dialog units: a
// horizontal unit is a quarter of the dialog font's average character width
// (the base unit bx), a vertical unit an eighth of its height (by).
#pragma once

namespace platform {

struct BaseUnits {
    int x = 8;
    int y = 16;
};

// The system's dialog base units, from which the fixed-scale dialogs convert
// their layout. This desktop has no large-font setting of its own: every
// dialog is drawn at its own font's size, so the system stands at the design
// units 8 x 16 and the fixed-scale step leaves each dialog as laid out.
BaseUnits SystemBaseUnits();

// Dialog units to pixels, rounded to the nearest pixel.
int DluToPixelsX(int dlu, int baseX);
int DluToPixelsY(int dlu, int baseY);

// The fixed-scale conversion of a pixel coordinate: into dialog units with the
// real base units, then back to pixels with the fixed design units 8 x 16.
// Each step truncates toward zero and the unit value is taken as an unsigned
// 16-bit number, exactly as the fixed-scale dialogs have always computed it.
int FixedScaleX(int pixels, int baseX);
int FixedScaleY(int pixels, int baseY);

} // namespace platform
