// DllRegisterServer and DllUnregisterServer: the registration script
// (resource REGISTRY 102) applied by the platform's registrar with this
// DLL's path for %MODULE%, and the embedded type library.
#pragma once

#include <windows.h>

namespace brivel::uploadctl {

HRESULT RegisterServer();
HRESULT UnregisterServer();

}  // namespace brivel::uploadctl
