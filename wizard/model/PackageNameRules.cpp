#include "PackageNameRules.h"

#include <cstring>

#include "AsciiCharacters.h"
#include "JavaToComTexts.h"

namespace {

// Java's keywords and its three literals: none of them can name a package.
const char* const kReservedWords[] = {
    "abstract", "assert",     "boolean",   "break",     "byte",       "case",      "catch",     "char",
    "class",    "const",      "continue",  "default",   "do",         "double",    "else",      "enum",
    "extends",  "final",      "finally",   "float",     "for",        "goto",      "if",        "implements",
    "import",   "instanceof", "int",       "interface", "long",       "native",    "new",       "package",
    "private",  "protected",  "public",    "return",    "short",      "static",    "strictfp",  "super",
    "switch",   "synchronized", "this",    "throw",     "throws",     "transient", "try",       "void",
    "volatile", "while",      "true",      "false",     "null",       "_"};


constexpr int kMaxPackageLength = 127;

// Case-sensitive, as javac reads them.
bool IsReservedWord(const char* word) {
    for (const char* reserved : kReservedWords)
        if (std::strcmp(word, reserved) == 0) return true;
    return false;
}

}  // namespace

CString RequiredPackage(const char* comObjectName) {
    return brivel::EqualsNoCase(comObjectName, j2c_text::kSampleComObject) ? CString(j2c_text::kSamplePackage) : CString();
}

CString RequiredPackageNote(const char* comObjectName) {
    return RequiredPackage(comObjectName).IsEmpty() ? CString() : CString(j2c_text::kSamplePackageNote);
}

CString CheckPackageName(const char* text) {
    CString package(text);
    if (package.IsEmpty()) return j2c_text::kSpecifyPackage;
    if (package.CompareNoCase("brivel") == 0 || package.Left(7).CompareNoCase("brivel.") == 0)
        return j2c_text::kPackageInUse;
    if (package.GetLength() > kMaxPackageLength) return j2c_text::kInvalidPackage;
    // Part by part: each starts with a letter and holds letters and digits,
    // so an empty part (a period first, last or doubled) is refused too.
    CString part;
    for (int i = 0; i <= package.GetLength(); ++i) {
        char c = i < package.GetLength() ? package.GetAt(i) : '.';
        if (c != '.') {
            if (part.IsEmpty() ? !IsAsciiLetter(c) : !(IsAsciiLetter(c) || IsAsciiDigit(c)))
                return j2c_text::kInvalidPackage;
            part += c;
            continue;
        }
        if (part.IsEmpty()) return j2c_text::kInvalidPackage;
        if (IsReservedWord(part)) {
            CString message;
            message.Format(j2c_text::kPackageKeyword, part.c_str());
            return message;
        }
        part.Empty();
    }
    return CString();
}
