/* OLE control definitions the kit uses: connection points, the colour type
 * and its translation. */
#ifndef BRIVEL_COMPAT_OLECTL_H
#define BRIVEL_COMPAT_OLECTL_H

#include "ole2.h"
#include "ocidl.h"

#include "wingdi.h"

typedef DWORD OLE_COLOR;

/* The COLORREF of an OLE colour: an RGB colour is itself (its high byte 0);
 * the linux32 build has no palettes and no system colour scheme, so
 * palette entries and system colours (high byte 0x01, 0x02, 0x80) are
 * refused with E_INVALIDARG, as is any other high byte. `result` may be
 * null (the colour is only checked). */
HRESULT WINAPI OleTranslateColor(OLE_COLOR color, HPALETTE palette, COLORREF* result);

#endif
