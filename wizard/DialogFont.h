// The 8-point "MS Sans Serif" font that the wizard's own controls paint
// with, sized for the screen: one per control, released with it.
#pragma once

#include <windows.h>

class CDialogFont {
public:
    CDialogFont() = default;
    ~CDialogFont();
    CDialogFont(const CDialogFont&) = delete;
    CDialogFont& operator=(const CDialogFont&) = delete;

    // The font, created on first use for the device of `dc`.
    HFONT Get(HDC dc);

private:
    HFONT m_font = nullptr;
};
