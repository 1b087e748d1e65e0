// What the COM object page looks up on the system: whether a file holds a
// type library, the file behind a ProgID and the registered type libraries.
#pragma once

#include <windows.h>

#include <vector>

#include "BrvString.h"

// The path made full (of any length); the text itself when that fails.
CString FullPathName(const char* path);
// True when a file or folder of that name exists.
bool PathExists(const char* path);
// True when the file loads as a type library.
bool LoadsAsTypeLibrary(const char* path);

enum class ProgIdLookup {
    Found,           // `path` is the server's file
    UnknownProgId,   // the ProgID names no class
    RegistryFailed,  // the class has no key under HKEY_CLASSES_ROOT\CLSID
    NoFile,          // the class's key names no server file
};

// The file of the first server key of the ProgID's class that has a value:
// InprocServer32, InprocHandler32, LocalServer32, InprocServer,
// InprocHandler, LocalServer. A program's command line gives its path;
// the path is made long when it can be.
ProgIdLookup LocateProgId(const char* progId, CString& path);

struct RegisteredTypeLibrary {
    CString description;
    CString path;
};

// Every type library registered under HKEY_CLASSES_ROOT\TypeLib that
// loads: for each, its highest major version whose path is registered
// (versions are hexadecimal; version 0 counts). False when the TypeLib key
// cannot be opened.
bool FindRegisteredTypeLibraries(std::vector<RegisteredTypeLibrary>& libraries);
