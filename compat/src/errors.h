// The platform's error codes for the C library's errors of this layer's
// calls, in one place.
#ifndef BRIVEL_COMPAT_SRC_ERRORS_H
#define BRIVEL_COMPAT_SRC_ERRORS_H

#include <windows.h>

namespace brivel_compat {

// `exists` is what an existing file means to the caller: ERROR_ALREADY_EXISTS
// (a file or folder made), or ERROR_FILE_EXISTS (a file CREATE_NEW found).
// Errors without a counterpart are ERROR_INVALID_PARAMETER.
DWORD ErrorFromErrno(int error, DWORD exists = ERROR_ALREADY_EXISTS);

}  // namespace brivel_compat

#endif
