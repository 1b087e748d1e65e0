// Fuzz entry of the naming helpers: any bytes as the names of a type
// library's types and of one type's members must give legal Java
// identifiers (ASCII, no reserved word; for classes none of the names that
// generated code writes unqualified and not the bridge's package head),
// unique without regard to case within their set, whose JNI form reads back
// as the identifier.
//
// Input: names separated by NUL bytes (a type library's names are C
// strings). The first is the bridge's package head; each later name's first
// byte says whether it names a type (odd) or a member (even), the rest is
// the name.
#include "../NamingHelpers.h"

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <set>
#include <string>
#include <vector>

#include "FuzzCheck.h"

namespace {


// Words the Java language gives a meaning (Java SE 17): keywords, literals
// and "_"; a class may not take the restricted type names either.
const char* const kJavaWords[] = {
    "_", "abstract", "assert", "boolean", "break", "byte", "case", "catch", "char", "class", "const", "continue",
    "default", "do", "double", "else", "enum", "extends", "false", "final", "finally", "float", "for", "goto", "if",
    "implements", "import", "instanceof", "int", "interface", "long", "native", "new", "null", "package", "private",
    "protected", "public", "return", "short", "static", "strictfp", "super", "switch", "synchronized", "this",
    "throw", "throws", "transient", "true", "try", "void", "volatile", "while"};
const char* const kRestrictedTypeNames[] = {"var", "yield", "record", "sealed", "permits"};
// Names generated code writes unqualified, which a class of the bridge's
// package would hide.
const char* const kUnqualifiedNames[] = {"String", "Integer", "Boolean", "Short", "Long", "Byte", "Float",
                                         "Double", "RuntimeException", "ClassCastException", "Object", "Class",
                                         "System", "brivel"};

bool OneOf(const std::string& name, const char* const* words, size_t count) {
    for (size_t i = 0; i < count; ++i)
        if (name == words[i]) return true;
    return false;
}

void CheckIdentifier(const std::string& name) {
    FUZZ_CHECK(!name.empty());
    FUZZ_CHECK(!(name[0] >= '0' && name[0] <= '9'));
    for (char c : name)
        FUZZ_CHECK((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '_');
    FUZZ_CHECK(!OneOf(name, kJavaWords, sizeof kJavaWords / sizeof *kJavaWords));
}

std::string Lower(std::string text) {
    for (char& c : text)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    return text;
}

// JNI's escapes read back: "_1" is "_", "_2" is ";"; a mangled Java name has
// no other escape and no bare "_".
std::string Unmangle(const std::string& mangled) {
    std::string name;
    for (size_t i = 0; i < mangled.size(); ++i) {
        if (mangled[i] != '_') {
            name += mangled[i];
            continue;
        }
        FUZZ_CHECK(i + 1 < mangled.size() && (mangled[i + 1] == '1' || mangled[i + 1] == '2'));
        name += mangled[++i] == '1' ? '_' : ';';
    }
    return name;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::vector<std::string> names(1);
    for (size_t i = 0; i < size; ++i) {
        if (data[i] == 0)
            names.emplace_back();
        else
            names.back() += static_cast<char>(data[i]);
    }
    const std::string packageHead = names[0];

    CNameSet typeNames, memberNames;
    std::set<std::string> types, members;  // lower-cased, as Java files and COM names clash
    for (size_t i = 1; i < names.size(); ++i) {
        const bool isType = !names[i].empty() && (names[i][0] & 1);
        const std::string libraryName = names[i].empty() ? names[i] : names[i].substr(1);

        CString free;
        MakeJavaIdentifierFree(free, libraryName.c_str());
        CheckIdentifier(free.str());

        CString made;
        if (isType)
            MakeJavaClassName(made, libraryName.c_str(), packageHead.c_str(), &typeNames);
        else
            MakeJavaIdentifier(made, libraryName.c_str(), &memberNames);
        const std::string name = made.str();
        CheckIdentifier(name);
        // Made unique only by trailing underscores after the free form (or
        // after the class form, which may add one of its own).
        FUZZ_CHECK(name.compare(0, free.GetLength(), free.str()) == 0);
        FUZZ_CHECK(name.find_first_not_of('_', free.GetLength()) == std::string::npos);
        if (isType) {
            FUZZ_CHECK(!OneOf(name, kRestrictedTypeNames, sizeof kRestrictedTypeNames / sizeof *kRestrictedTypeNames));
            FUZZ_CHECK(!OneOf(name, kUnqualifiedNames, sizeof kUnqualifiedNames / sizeof *kUnqualifiedNames));
            FUZZ_CHECK(packageHead.empty() || name != packageHead);
            FUZZ_CHECK(types.insert(Lower(name)).second);
        } else {
            FUZZ_CHECK(members.insert(Lower(name)).second);
        }

        CString mangled;
        JniMangleName(mangled, name.c_str());
        FUZZ_CHECK(Unmangle(mangled.str()) == name);
        FUZZ_CHECK(QualifiedName("pkg", name.c_str(), '.') == "pkg." + name);
    }
    return 0;
}
