// The rules of the Java-to-COM library page: the name it proposes and the
// checks of Next.
#pragma once

#include "BrvString.h"

// The profile's earlier name for this COM object when there is one, else
// "J" followed by the COM object's name.
CString ProposedLibraryName(const char* comObjectName, const char* previousName);

// Empty when the JNI library may have this name, else the message.
CString CheckJniLibraryName(const char* name, const char* comObjectName);
