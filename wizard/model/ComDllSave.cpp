#include "ComDllSave.h"

#include "BuildClientTexts.h"

CString ComDllTargetPath(const char* outputFolder, const char* libraryName) {
    CString target(outputFolder);
    if (target.IsEmpty() || target.Right(1) != "\\") target += "\\";
    return target + libraryName + ".DLL";
}

CString ComDllSavedMessage(const char* targetPath, bool registered) {
    CString message;
    message.Format(registered ? build_text::kRegistered : build_text::kNotRegistered, targetPath);
    return message;
}
