#include "LibraryNameRules.h"

#include "AsciiCharacters.h"
#include "JavaToComTexts.h"

namespace {


}  // namespace

CString ProposedLibraryName(const char* comObjectName, const char* previousName) {
    if (previousName && *previousName) return previousName;
    return CString("J") + comObjectName;
}

CString CheckJniLibraryName(const char* text, const char* comObjectName) {
    CString name(text);
    if (name.IsEmpty()) return j2c_text::kSpecifyLibrary;
    if (!IsAsciiLetter(name.GetAt(0))) return j2c_text::kInvalidLibrary;
    for (int i = 1; i < name.GetLength(); ++i) {
        char c = name.GetAt(i);
        if (!IsAsciiLetter(c) && !IsAsciiDigit(c) && c != '_') return j2c_text::kInvalidLibrary;
    }
    if (name.CompareNoCase(comObjectName) == 0) return j2c_text::kLibraryIsComName;
    return CString();
}
