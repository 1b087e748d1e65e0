/* COM and OLE Automation together, as most code includes them. */
#ifndef BRIVEL_COMPAT_OLE2_H
#define BRIVEL_COMPAT_OLE2_H

#include "objbase.h"
#include "oleauto.h"

#ifdef __cplusplus
extern "C" {
HRESULT WINAPI OleInitialize(LPVOID reserved);
void WINAPI OleUninitialize(void);
}
#endif

#endif
