// The output folder check of the COM-to-Java output page: an existing path
// must be a folder; a missing one is created, with its missing parents,
// once the user agreed.
#pragma once

#include "BrvString.h"

namespace c2j_text {
constexpr const char* kNotADirectory = ": is not a directory!";
constexpr const char* kCreateQuestion = " does not exist, create?";
constexpr const char* kCreateFailed = ": Failed to create directory";
}  // namespace c2j_text

// How the check talks to the user.
class IFolderCheckUser {
public:
    virtual ~IFolderCheckUser() = default;
    // Yes answers true.
    virtual bool Ask(const char* question) = 0;
    virtual void ShowError(const char* message) = 0;
};

// True when `path` is a folder afterwards. With `ask`, a missing folder is
// created only when the user answers Yes to "<path> does not exist,
// create?"; its missing parents are then created without further questions.
bool CheckOutputFolder(const CString& path, bool ask, IFolderCheckUser& user);
