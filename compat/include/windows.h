/* The Win32 API subset of the linux32 build (our own declarations). */
#ifndef BRIVEL_COMPAT_WINDOWS_H
#define BRIVEL_COMPAT_WINDOWS_H

#include "windef.h"
#include "winerror.h"
#include "winbase.h"

#endif
