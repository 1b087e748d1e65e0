/* The colour values of the GDI that the kit uses: a COLORREF is 0x00BBGGRR. */
#ifndef BRIVEL_COMPAT_WINGDI_H
#define BRIVEL_COMPAT_WINGDI_H

#include "windef.h"

typedef HANDLE HPALETTE;

#define RGB(red, green, blue) \
    ((COLORREF)((DWORD)(BYTE)(red) | ((DWORD)(BYTE)(green) << 8) | ((DWORD)(BYTE)(blue) << 16)))
#define GetRValue(color) ((BYTE)((DWORD)(color) & 0xFF))
#define GetGValue(color) ((BYTE)(((DWORD)(color) >> 8) & 0xFF))
#define GetBValue(color) ((BYTE)(((DWORD)(color) >> 16) & 0xFF))

#endif
