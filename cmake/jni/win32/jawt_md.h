/* Machine-dependent AWT native interface definitions for 32-bit Windows:
 * the drawing surface of a heavyweight component is a window. */
#ifndef BRIVEL_JAWT_MD_H
#define BRIVEL_JAWT_MD_H

#include <windows.h>
#include "jawt.h"

#ifdef __cplusplus
extern "C" {
#endif

typedef struct jawt_Win32DrawingSurfaceInfo {
    union {
        HWND hwnd;
        HBITMAP hbitmap;
        void* pbits;
    };
    HDC hdc;
    HPALETTE hpalette;
} JAWT_Win32DrawingSurfaceInfo;

#ifdef __cplusplus
}
#endif

#endif
