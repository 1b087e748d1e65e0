// The exported functions of a loaded module, as the function types they are
// declared with.
#pragma once

#include <windows.h>

namespace brivel {

// The function `name` exported by `module` as F, or null. GetProcAddress
// gives every export one generic type; the cast passes through void(*)(),
// the type from which any function pointer type is converted back without
// the compiler taking it for a mismatch.
template <class F>
F ProcAddress(HMODULE module, const char* name) {
    return reinterpret_cast<F>(reinterpret_cast<void (*)()>(GetProcAddress(module, name)));
}

}  // namespace brivel
