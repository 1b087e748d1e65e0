#include "NamingHelpers.h"

#include <objbase.h>

#include <algorithm>
#include <cstring>

namespace {

// Sorted by unsigned byte value: binary search. "Class", "Object" and
// "System" come first; "_", "assert" and "enum" are words today's javac
// refuses as names.
const char* const kReservedWords[] = {
    "Class", "Object", "System", "_", "abstract", "assert", "boolean", "break", "byte", "case", "catch", "char",
    "class", "const", "continue", "default", "do", "double", "else", "enum", "extends", "false", "final",
    "finally", "float", "for", "goto", "if", "implements", "import", "instanceof", "int", "interface", "java",
    "long", "native", "new", "null", "package", "private", "protected", "public", "return", "short", "static",
    "strictfp", "super", "switch", "synchronized", "this", "throw", "throws", "transient", "true", "try", "void",
    "volatile", "while"};

// Names a generated class may not take: javac refuses the first five as
// class names; the others are names that generated code writes unqualified
// (java.lang classes in declarations, boxing and class literals, and the
// product's package), which a class of the bridge's package would hide.
const char* const kNamesNoClassMayTake[] = {
    "permits", "record", "sealed", "var", "yield",
    "Boolean", "Byte", "ClassCastException", "Double", "Float", "Integer", "Long", "RuntimeException", "Short",
    "String", "brivel"};

// Latin-1 letters folded to ASCII; null keeps the byte for the next test.
const char* FoldLatin1(unsigned char c) {
    switch (c) {
    case ' ': return "_";
    case 0xBC: return "1_4";
    case 0xBD: return "1_2";
    case 0xBE: return "3_4";
    case 0xC7: return "C";
    case 0xD0: return "D";
    case 0xD1: return "N";
    case 0xD7: return "x";
    case 0xD8: case 0xF8: return "0";
    case 0xDD: return "Y";
    case 0xDE: case 0xFE: return "p";
    case 0xDF: return "B";
    case 0xE7: return "c";
    case 0xF0: return "u";
    case 0xF1: return "n";
    case 0xFD: return "y";
    default: break;
    }
    if (c >= 0xC0 && c <= 0xC5) return "A";
    if (c == 0xC6 || (c >= 0xC8 && c <= 0xCB)) return "E";
    if (c >= 0xCC && c <= 0xCF) return "I";
    if (c >= 0xD2 && c <= 0xD6) return "O";
    if (c >= 0xD9 && c <= 0xDC) return "U";
    if (c >= 0xE0 && c <= 0xE5) return "a";
    if (c == 0xE6 || (c >= 0xE8 && c <= 0xEB)) return "e";
    if (c >= 0xEC && c <= 0xEF) return "i";
    if (c >= 0xF2 && c <= 0xF6) return "o";
    if (c >= 0xF9 && c <= 0xFC) return "u";
    return nullptr;
}

bool IsAsciiIdentifierByte(unsigned char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '_';
}

CString LowerCase(const char* text) {
    CString key(text);
    key.MakeLower();
    return key;
}

}  // namespace

bool IsJavaReservedWord(const char* name) {
    auto less = [](const char* a, const char* b) {
        return strcmp(a, b) < 0;  // strcmp compares bytes as unsigned values
    };
    return std::binary_search(std::begin(kReservedWords), std::end(kReservedWords), name, less);
}

namespace {

// The identifier of a type-library name before it is made unique.
CString JavaIdentifierOf(const char* typeLibName) {
    CString name;
    for (const unsigned char* p = reinterpret_cast<const unsigned char*>(typeLibName ? typeLibName : ""); *p; ++p) {
        if (const char* folded = FoldLatin1(*p))
            name += folded;
        else
            // Anything else javac or a JNI export name cannot carry.
            name += IsAsciiIdentifierByte(*p) ? static_cast<char>(*p) : '_';
    }
    if (name.IsEmpty() || (name.GetAt(0) >= '0' && name.GetAt(0) <= '9')) name = "_" + name;
    if (IsJavaReservedWord(name)) name += "_";
    return name;
}

// The name, with "_" appended until the set (of lower-cased names) does not
// hold it, entered in the set.
CString TakeUniqueName(CString name, CNameSet* namesTaken) {
    if (namesTaken) {
        while (namesTaken->Contains(LowerCase(name))) name += "_";
        namesTaken->SetAt(LowerCase(name), 1);
    }
    return name;
}

}  // namespace

CString MakeJavaIdentifier(CString& out, const char* typeLibName, CNameSet* namesTaken) {
    out = TakeUniqueName(JavaIdentifierOf(typeLibName), namesTaken);
    return out;
}

namespace {

// Whether a class of this name would hide a name that generated code
// writes unqualified, or is one javac refuses for a class.
bool NoClassMayTake(const CString& name, const char* packageHead) {
    if (packageHead && *packageHead && name == packageHead) return true;
    for (const char* taken : kNamesNoClassMayTake)
        if (name == taken) return true;
    return false;
}

}  // namespace

CString MakeJavaClassName(CString& out, const char* typeLibName, const char* packageHead, CNameSet* namesTaken) {
    // The underscores that make a name unique must not make it one that no
    // class may take either (a package head may end in one: with the head
    // "test_", a type "t\xE9st" after a type "test" would become "test_").
    CString name = JavaIdentifierOf(typeLibName);
    while (NoClassMayTake(name, packageHead) || (namesTaken && namesTaken->Contains(LowerCase(name)))) name += "_";
    if (namesTaken) namesTaken->SetAt(LowerCase(name), 1);
    out = name;
    return out;
}

CString MakeJavaIdentifierFree(CString& out, const char* typeLibName) {
    return MakeJavaIdentifier(out, typeLibName, nullptr);
}

void JniMangleName(CString& out, const char* name) {
    CString mangled;
    for (const char* p = name; *p; ++p) {
        if (*p == '_') mangled += "_1";
        else if (*p == ';') mangled += "_2";
        else mangled += *p;
    }
    out = mangled;
}

CString WideToAnsi(const OLECHAR* text) {
    if (!text) return CString();
    int length = WideCharToMultiByte(CP_ACP, 0, text, -1, nullptr, 0, nullptr, nullptr);
    if (length <= 0) return CString();
    std::string bytes(static_cast<size_t>(length), '\0');
    WideCharToMultiByte(CP_ACP, 0, text, -1, &bytes[0], length, nullptr, nullptr);
    bytes.resize(static_cast<size_t>(length - 1));
    return CString(bytes);
}

CString GuidString(REFGUID guid) {
    LPOLESTR text = nullptr;
    if (FAILED(StringFromCLSID(guid, &text)) || !text) return CString();
    CString result = WideToAnsi(text);
    CoTaskMemFree(text);
    return result;
}

CString TypeInfoName(ITypeInfo* info) {
    BSTR name = nullptr;
    CString result;
    if (SUCCEEDED(info->GetDocumentation(MEMBERID_NIL, &name, nullptr, nullptr, nullptr))) {
        result = WideToAnsi(name);
        SysFreeString(name);
    }
    return result;
}

namespace {

// Whether HKEY_CLASSES_ROOT\CLSID\{clsid}\ProgID exists, in the registry
// view of this process or, on a 64-bit system, in the native one.
bool HasProgIdKey(REFCLSID clsid) {
    CString path = "CLSID\\" + GuidString(clsid) + "\\ProgID";
    for (REGSAM view : {REGSAM(0), REGSAM(KEY_WOW64_64KEY)}) {
        HKEY key = nullptr;
        if (RegOpenKeyExA(HKEY_CLASSES_ROOT, path, 0, KEY_READ | view, &key) == ERROR_SUCCESS) {
            RegCloseKey(key);
            return true;
        }
    }
    return false;
}

}  // namespace

// ProgIDFromCLSID is asked only about classes whose ProgID key exists: in a
// 32-bit Wine prefix it queries and then closes an uninitialised key handle
// when the class is not registered, which closes whatever handle of the
// process has that value (such as a file the generator is writing).
bool RegisteredProgId(REFCLSID clsid, CString& out) {
    if (!HasProgIdKey(clsid)) return false;
    LPOLESTR text = nullptr;
    if (FAILED(ProgIDFromCLSID(clsid, &text)) || !text) return false;
    out = WideToAnsi(text);
    CoTaskMemFree(text);
    return true;
}

void ProgIdOrClsidString(REFCLSID clsid, CString& out) {
    if (RegisteredProgId(clsid, out)) return;
    LPOLESTR text = nullptr;
    if (SUCCEEDED(StringFromCLSID(clsid, &text)) && text) {
        out = WideToAnsi(text);
        CoTaskMemFree(text);
    }
}

bool IsStandardComMethod(const char* name) {
    static const char* const kNames[] = {"QueryInterface", "AddRef",        "Release", "GetTypeInfoCount",
                                         "GetTypeInfo",    "GetIDsOfNames", "Invoke"};
    for (const char* standard : kNames)
        if (strcmp(name, standard) == 0) return true;
    return false;
}

bool IsAllZeroGuid(REFGUID guid) {
    static const GUID zero = {};
    return memcmp(&guid, &zero, sizeof(GUID)) == 0;
}

bool ResolveAlias(ITypeInfo*& info, TYPEATTR*& attr) {
    ITypeInfo* target = nullptr;
    if (FAILED(info->GetRefTypeInfo(attr->tdescAlias.hreftype, &target)) || !target) return false;
    TYPEATTR* targetAttr = nullptr;
    if (FAILED(target->GetTypeAttr(&targetAttr)) || !targetAttr) {
        target->Release();
        return false;
    }
    info->ReleaseTypeAttr(attr);
    info->Release();
    info = target;
    attr = targetAttr;
    return true;
}

CString QualifiedName(const CString& package, const char* name, char separator) {
    if (package.IsEmpty()) return name;
    return package + separator + name;
}
