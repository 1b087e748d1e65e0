#include "ButtonLook.h"

ButtonFrameColours ButtonFrame(bool pressed) {
    const Colour light = MakeColour(0xFC, 0xF2, 0xF0);
    const Colour dark = MakeColour(0x88, 0x50, 0x43);
    const Colour innerLight = MakeColour(0xEA, 0xD8, 0xD8);
    const Colour innerDark = MakeColour(0xC0, 0x85, 0x81);
    if (pressed) return {dark, light, innerDark, innerLight};
    return {light, dark, innerLight, innerDark};
}

int DialogFontHeight(int pixelsPerInch) { return -(kDialogFontPoints * pixelsPerInch) / 72; }
