// The identifiers of the type library's interface, class and library,
// defined once for the whole DLL.
#include <initguid.h>

#include "BrivelEvalDllBuilder_h.h"
