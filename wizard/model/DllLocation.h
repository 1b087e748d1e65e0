// Where the server build dialog saves a downloaded JNI DLL: the system
// folder, the Windows folder or a path the user gives, and the checks the
// location dialog makes of that path before it lets the user go on.
#pragma once

#include <functional>

#include "BrvString.h"

enum class DllLocationChoice { SystemFolder = 0, WindowsFolder = 1, OtherLocation = 2 };

// "System directory %s  (Recommended)" and "Windows directory %s".
CString SystemFolderRadioText(const char* systemFolder);
CString WindowsFolderRadioText(const char* windowsFolder);

// The path the DLL is saved to: a folder (a backslash added when it lacks
// one), the library name and ".dll"; the other location as entered.
CString DllTargetPath(DllLocationChoice choice, const char* systemFolder, const char* windowsFolder,
                      const char* libraryName, const char* otherPath);

// The parts of a path as the platform's path splitter gives them: drive
// ("C:"), folder (with its trailing backslash), file name, extension (from
// the last '.' of the last part).
struct PathParts {
    CString drive, folder, name, extension;
};
PathParts SplitPath(const char* path);

// The verdict on an entered location: empty text when it is usable, else
// the message and its box's caption.
struct DllLocationVerdict {
    CString message;
    CString caption;
    bool Ok() const { return message.IsEmpty(); }
};

// Checks an other location in order: given at all, ends with ".dll", names
// the library's DLL, lies in an existing folder (asked of `folderExists`
// with the drive and folder joined).
DllLocationVerdict CheckOtherLocation(const char* path, const char* libraryName,
                                      const std::function<bool(const char*)>& folderExists);
