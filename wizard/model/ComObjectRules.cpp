#include "ComObjectRules.h"

#include "JavaToComTexts.h"

CString ComObjectName(const char* fullPath) {
    CString path(fullPath);
    int slash = path.ReverseFind('\\');
    int forward = path.ReverseFind('/');
    CString name = path.Mid((slash > forward ? slash : forward) + 1);
    int dot = name.ReverseFind('.');
    return dot < 0 ? name : name.Left(dot);
}

ComSourceCheck CheckComSource(const char* typed, const std::function<CString(const char*)>& fullPath,
                              const std::function<bool(const char*)>& exists,
                              const std::function<bool(const char*)>& holdsTypeLibrary) {
    ComSourceCheck check;
    CString text(typed);
    if (text.IsEmpty()) {
        check.message = j2c_text::kSpecifyComSource;
        return check;
    }
    CString full = fullPath(text);
    if (!exists(full)) {
        check.message = text + j2c_text::kFileDoesNotExist;
        return check;
    }
    if (!holdsTypeLibrary(full)) {
        check.message = text + j2c_text::kNoComTypeInformation;
        return check;
    }
    check.objectName = ComObjectName(full);
    return check;
}
