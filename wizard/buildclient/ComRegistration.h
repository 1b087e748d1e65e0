// A COM DLL registers itself: the DLL is loaded and its own
// DllRegisterServer is called, as regsvr32 does.
#pragma once

// True when the DLL loads, exports DllRegisterServer and that reports
// success. The DLL is unloaded again afterwards, so that a later build can
// replace the file. Call it on a thread that has entered COM.
bool RegisterComDll(const char* path);

// The system is a 64-bit Windows running this 32-bit program (it has a
// WOW64 system folder).
bool GetSystemWow64Folder();
