// How the wizard's owner-drawn push buttons look: the dialog colour, two
// nested 3-D frames whose colours change places while the button is
// pressed, and an 8-point font.
#pragma once

#include <cstdint>

// 0x00BBGGRR, as the platform stores colours.
using Colour = uint32_t;
constexpr Colour MakeColour(int red, int green, int blue) {
    return static_cast<Colour>(red) | static_cast<Colour>(green) << 8 | static_cast<Colour>(blue) << 16;
}

constexpr Colour kDialogColour = MakeColour(0xE7, 0xD2, 0xD1);
constexpr Colour kDialogTextColour = MakeColour(0, 0, 0);
constexpr const char* kDialogFontName = "MS Sans Serif";
constexpr int kDialogFontPoints = 8;

struct ButtonFrameColours {
    Colour outerTopLeft;
    Colour outerBottomRight;
    Colour innerTopLeft;
    Colour innerBottomRight;
};

ButtonFrameColours ButtonFrame(bool pressed);

// The font height (negative: a character height) of the 8-point font on a
// device with `pixelsPerInch` vertical pixels per inch.
int DialogFontHeight(int pixelsPerInch);
