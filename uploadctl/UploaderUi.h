// What the upload needs from the control's form: the status line, message
// boxes, the progress bar, the save-location dialog and the shell. The
// upload thread calls it; the form implements it over its windows (and a
// form that is gone shows nothing), tests record it.
#pragma once

#include <cstdint>
#include <string>

#include "SaveLocation.h"

namespace brivel::uploadctl {

struct SaveDialogInput {
    std::string systemFolder;
    std::string windowsFolder;
    std::string libraryName;
};

class IUploaderUi {
public:
    virtual ~IUploaderUi() = default;

    virtual void SetStatus(const std::string& text) = 0;
    // A message box; an empty caption is the platform's default one.
    virtual void ShowMessage(const std::string& text, const std::string& caption) = 0;
    virtual void SetProgress(uint32_t count, uint32_t total) = 0;
    virtual void HideProgress() = 0;
    // The save-location dialog; false when the user cancelled it.
    virtual bool ChooseSaveLocation(const SaveDialogInput& input, SaveLocation& chosen) = 0;
    // Opens a web address with the shell; false when the shell could not.
    virtual bool OpenAddress(const std::string& address) = 0;
};

}  // namespace brivel::uploadctl
