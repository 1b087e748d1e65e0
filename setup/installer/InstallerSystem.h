// The installer's calls into the system that are not windows of its own:
// the service check, COM registration, the javac probe, the browser and
// the system's folders.
#pragma once

#include <windows.h>

#include <string>

namespace brivel::setup {

// True when the service is installed and not stopped. It is opened for
// status queries only, so a user without the right to control services can
// still see it running; any failure to open it counts as not running.
bool IsServiceRunning(const char* serviceName);

// Loads `folder\fileName`, calls its DllRegisterServer when it has one and
// frees it; a file that does not load or has no such export is skipped.
// True when the export ran and succeeded.
bool RegisterComServer(const std::string& folder, const char* fileName);

// True when the file is found on the program search path.
bool IsOnSearchPath(const char* fileName);
// The JDK's javac.exe named by the registry (the current version's Java
// home, bin\javac.exe), when that file exists; empty otherwise.
std::string FindJdkJavac();
// Opens the address in the browser; a failure is reported to the user.
void OpenBrowserAt(HWND owner, const char* address);

std::string SystemFolder();
std::string WindowsFolder();

}  // namespace brivel::setup
