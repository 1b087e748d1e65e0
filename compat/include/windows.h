/* The Win32 API subset of the linux32 build (our own declarations). As on
 * the platform, COM and OLE Automation come along unless
 * WIN32_LEAN_AND_MEAN is defined. */
#ifndef BRIVEL_COMPAT_WINDOWS_H
#define BRIVEL_COMPAT_WINDOWS_H

#include "windef.h"
#include "winerror.h"
#include "winbase.h"
#include "winnls.h"
#include "winreg.h"
#include "winuser.h"
#include "wingdi.h"
#include "wincon.h"

#ifndef WIN32_LEAN_AND_MEAN
#include "ole2.h"
#include "rpc.h"
#endif

#endif
