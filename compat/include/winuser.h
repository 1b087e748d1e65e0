/* Character functions of the Win32 user API that the linux32 build calls. */
#ifndef BRIVEL_COMPAT_WINUSER_H
#define BRIVEL_COMPAT_WINUSER_H

#include "windef.h"

#ifdef __cplusplus
extern "C" {
#endif

/* Lower-cases `length` bytes of ANSI text in place (code page 1252); returns
 * the number of bytes processed. */
DWORD WINAPI CharLowerBuffA(LPSTR text, DWORD length);

#ifdef __cplusplus
}
#endif

#endif
