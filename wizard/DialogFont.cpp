#include "DialogFont.h"

#include "ButtonLook.h"

CDialogFont::~CDialogFont() {
    if (m_font) DeleteObject(m_font);
}

HFONT CDialogFont::Get(HDC dc) {
    if (m_font) return m_font;
    // Only the height and the face are given; every other field is zero.
    LOGFONTA font{};
    font.lfHeight = DialogFontHeight(GetDeviceCaps(dc, LOGPIXELSY));
    lstrcpynA(font.lfFaceName, kDialogFontName, LF_FACESIZE);
    m_font = CreateFontIndirectA(&font);
    return m_font;
}
