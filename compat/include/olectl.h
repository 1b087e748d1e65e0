/* OLE control definitions the kit uses: connection points and the colour
 * type. */
#ifndef BRIVEL_COMPAT_OLECTL_H
#define BRIVEL_COMPAT_OLECTL_H

#include "ole2.h"
#include "ocidl.h"

typedef DWORD OLE_COLOR;

#endif
