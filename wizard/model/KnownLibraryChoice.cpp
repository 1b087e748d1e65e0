#include "KnownLibraryChoice.h"

#include "JavaToComTexts.h"

namespace {

// Punctuation and white space of the ASCII range (the underscore is
// punctuation); characters beyond it are neither.
bool IsPunctuationOrSpace(char c) {
    unsigned char u = static_cast<unsigned char>(c);
    if (u == ' ' || (u >= '\t' && u <= '\r')) return true;
    return (u >= '!' && u <= '/') || (u >= ':' && u <= '@') || (u >= '[' && u <= '`') || (u >= '{' && u <= '~');
}

}  // namespace

CKnownLibraryChoice::CKnownLibraryChoice(const KnownLibraryValues& current, const KnownLibraryValues& defaults)
    : m_defaults(defaults) {
    if (current.package != defaults.package) {
        m_choice = kOwnWrapper;
        m_own = current;
    }
}

CString CKnownLibraryChoice::CheckOwn(const std::function<bool(const char*)>& fileExists) const {
    const KnownLibraryValues& own = m_own;
    if (own.package.IsEmpty() || own.package.Left(7).CompareNoCase("brivel.") == 0)
        return j2c_text::kInvalidWrapperPackage;
    if (own.library.IsEmpty()) return j2c_text::kSpecifyWrapperLibrary;
    for (int i = 0; i < own.library.GetLength(); ++i)
        if (IsPunctuationOrSpace(own.library.GetAt(i))) return j2c_text::kWrapperLibraryPunctuation;
    if (own.jar.IsEmpty()) return j2c_text::kSpecifyJar;
    if (!fileExists(own.jar)) return CString(j2c_text::kCannotAccessJar) + own.jar;
    if (own.docFolder.IsEmpty()) return j2c_text::kSpecifyDocumentation;
    CString index = own.docFolder;
    if (index.Right(1) != "\\") index += "\\";
    index += "index.html";
    if (!fileExists(index)) return CString(j2c_text::kCannotAccessDocumentation) + index;
    return CString();
}
