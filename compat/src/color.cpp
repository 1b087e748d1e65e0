// OLE colours: only RGB colours translate (there is no palette and no
// system colour scheme on this build).
#include <olectl.h>

HRESULT WINAPI OleTranslateColor(OLE_COLOR color, HPALETTE, COLORREF* result) {
    if ((color & 0xFF000000u) != 0) return E_INVALIDARG;
    if (result) *result = color;
    return S_OK;
}
