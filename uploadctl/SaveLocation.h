// Where the downloaded DLL goes: the system folder, the Windows folder (each
// as <folder>\<library name>.dll) or a path the user chose. The library name
// comes from the page or the form, so it must name a file inside the folder:
// no folder, drive, device or wildcard of its own.
#pragma once

#include <functional>
#include <string>

namespace brivel::uploadctl {

enum class SaveChoice { SystemFolder = 0, WindowsFolder = 1, OtherLocation = 2 };

struct SaveLocation {
    SaveChoice choice = SaveChoice::SystemFolder;
    std::string path;  // OtherLocation: the full path chosen
    // The user agreed to replace the file there; without it, a file there
    // is never replaced.
    bool replaceExisting = false;
};

// A name that stays one file of the folder it is put in: not empty, none of
// \ / : * ? " < > | or control characters, not "." or "..", and not one of
// the platform's device names (CON, PRN, AUX, NUL, COM1-9, LPT1-9, with or
// without an extension).
bool IsPlainFileName(const std::string& name);

// The folder, a backslash when it lacks one, the library name and ".dll";
// false when the name is not a plain file name.
bool DllPathInFolder(const std::string& folder, const std::string& libraryName, std::string& path);

// What is wrong with the path typed for "Other Location".
enum class OtherLocationProblem {
    None,
    Empty,         // "Please specify location"
    NotDll,        // "File name must end with .DLL"
    NoSuchFolder,  // "%s:  Directory does not exist" with the folder
};

// The drive and folder of a path as the message names them: everything up
// to and including its last separator ("C:\a\b.dll" -> "C:\a\", "D:x.dll"
// -> "D:"); empty for a bare file name.
std::string DriveAndFolder(const std::string& path);

// Checks in the order the dialog reports: a path, a name ending with ".dll"
// (any case), an existing drive and folder (`folderExists`; a bare file
// name has none).
OtherLocationProblem CheckOtherLocation(const std::string& path,
                                        const std::function<bool(const std::string& folder)>& folderExists);

}  // namespace brivel::uploadctl
