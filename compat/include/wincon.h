/* Console control handlers of the Win32 API for the linux32 build. */
#ifndef BRIVEL_COMPAT_WINCON_H
#define BRIVEL_COMPAT_WINCON_H

#include "windef.h"

#ifdef __cplusplus
extern "C" {
#endif

#define CTRL_C_EVENT 0
#define CTRL_BREAK_EVENT 1
#define CTRL_CLOSE_EVENT 2
#define CTRL_LOGOFF_EVENT 5
#define CTRL_SHUTDOWN_EVENT 6

typedef BOOL(WINAPI* PHANDLER_ROUTINE)(DWORD ctrlType);
/* Adds or removes a handler; a handler added twice is listed twice. A null
 * handler sets or clears whether Ctrl+C is ignored. There is no console
 * here: nothing raises a control event, so no handler is ever called. */
BOOL WINAPI SetConsoleCtrlHandler(PHANDLER_ROUTINE handler, BOOL add);

#ifdef __cplusplus
}
#endif

#endif
