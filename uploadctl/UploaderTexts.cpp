#include "UploaderTexts.h"

#include "BrvString.h"

namespace brivel::uploadctl::texts {

std::string FieldEmptyText(const char* field) { return brivel::FormatString(kFieldEmpty, field); }

std::string CannotReadFileText(const std::string& path) { return brivel::FormatString(kCannotReadFile, path.c_str()); }

std::string NotALibraryNameText(const std::string& name) {
    return brivel::FormatString(kNotALibraryName, name.c_str());
}

std::string DllSavedAsText(const std::string& path) { return brivel::FormatString(kDllSavedAs, path.c_str()); }

std::string CouldNotSaveText(const std::string& target, const std::string& reason, const std::string& kept) {
    return brivel::FormatString(kCouldNotSave, target.c_str(), reason.c_str(), kept.c_str());
}

std::string ValueTooLongText(const char* bagName, size_t maxLength) {
    return brivel::FormatString(kValueTooLong, bagName, static_cast<unsigned>(maxLength));
}

std::string SystemDirectoryText(const std::string& folder) {
    return brivel::FormatString(kSystemDirectory, folder.c_str());
}

std::string WindowsDirectoryText(const std::string& folder) {
    return brivel::FormatString(kWindowsDirectory, folder.c_str());
}

std::string ReplaceExistingText(const std::string& path) {
    return brivel::FormatString(kReplaceExisting, path.c_str());
}

std::string OtherLocationProblemText(OtherLocationProblem problem, const std::string& path) {
    switch (problem) {
    case OtherLocationProblem::None: return std::string();
    case OtherLocationProblem::Empty: return kSpecifyLocation;
    case OtherLocationProblem::NotDll: return kMustEndWithDll;
    case OtherLocationProblem::NoSuchFolder: {
        std::string folder = DriveAndFolder(path);
        return brivel::FormatString(kNoSuchDirectory, (folder.empty() ? path : folder).c_str());
    }
    }
    return std::string();
}

}  // namespace brivel::uploadctl::texts
