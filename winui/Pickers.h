// The system's file and folder pickers, with filters written the way the
// pages write them: "Description|pattern|Description|pattern||". The
// pickers need a single-threaded COM apartment on the calling thread.
#pragma once

#include <windows.h>

#include <string>

#include "BrvString.h"

namespace brivel::winui {

struct FilePickerOptions {
    bool save = false;        // a save dialog instead of an open dialog
    const char* filter = "";  // "Text (*.txt)|*.txt|All Files (*.*)|*.*||"
    const char* defaultExtension = nullptr;  // without the dot, or with it as the pages give it
    const char* title = nullptr;
    const char* initialFolder = nullptr;
    const char* initialName = nullptr;
    DWORD flags = OFN_HIDEREADONLY;  // OFN_ flags beyond those the picker always sets
};

// The chosen file's full path; false when the user cancelled (or the
// dialog failed).
bool PickFile(HWND owner, const FilePickerOptions& options, CString& path);

// The chosen folder; false when the user cancelled or chose something that
// is not a folder of the file system.
bool PickFolder(HWND owner, const char* title, CString& folder);

// The system's filter form of a "|"-separated filter: every '|' becomes a
// terminator, and the list ends with two.
std::string SystemFilter(const char* filter);

}  // namespace brivel::winui
