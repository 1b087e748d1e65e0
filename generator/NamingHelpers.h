// Names and identifiers of a type library turned into names that Java, JNI
// and the generated C++ accept, and a few questions about COM names.
#pragma once

#include "BrvString.h"
#include "StringMap.h"

#include <windows.h>
#include <oaidl.h>

// A set of names (the value is unused).
using CNameSet = brivel::StringKeyedMap<int>;

// True for the words a Java class may not be named.
bool IsJavaReservedWord(const char* name);

// The Java identifier of a type-library name (ANSI, code page 1252). With a
// set, the identifier is made unique against it, ignoring case (class files
// of names that differ only in case would overwrite each other), and taken.
CString MakeJavaIdentifier(CString& out, const char* typeLibName, CNameSet* namesTaken);
CString MakeJavaIdentifierFree(CString& out, const char* typeLibName);

// The Java name of a generated class: the identifier as above, with "_"
// appended where javac refuses it as a class name (var, yield, record,
// sealed, permits) and where the class would hide a name that generated code
// writes unqualified: a class of java.lang (String, Integer, ...), the
// product's package "brivel", or the first part of the bridge's own package
// (packageHead). Unique against the set when one is given.
CString MakeJavaClassName(CString& out, const char* typeLibName, const char* packageHead, CNameSet* namesTaken);

// "<package><separator><name>", or the name alone for the default package.
CString QualifiedName(const CString& package, const char* name, char separator);

// The name with JNI escapes ("_" -> "_1", ";" -> "_2").
void JniMangleName(CString& out, const char* name);

// The registered ProgID of a class; false when the class has none.
bool RegisteredProgId(REFCLSID clsid, CString& out);

// The registered ProgID of a class, else its braced string form; the out
// text is unchanged when neither can be had.
void ProgIdOrClsidString(REFCLSID clsid, CString& out);

bool IsStandardComMethod(const char* name);
bool IsAllZeroGuid(REFGUID guid);

// Replaces an alias's information and attributes by those of its target
// (one step); false, and both unchanged, when the target cannot be had.
bool ResolveAlias(ITypeInfo*& info, TYPEATTR*& attr);

// Conversions at the COM edge: wide text to ANSI in the system code page.
CString WideToAnsi(const OLECHAR* text);
// The braced registry form of a GUID ("{...}"), as StringFromCLSID gives it.
CString GuidString(REFGUID guid);
// Tables of coclass and interface records keyed by the braced identifier.
template <class Record>
void RegisterTypeRecord(brivel::StringKeyedMap<Record*>& table, REFGUID id, Record* record) {
    table.SetAt(GuidString(id), record);
}
template <class Record>
Record* FindInterfaceRecord(brivel::StringKeyedMap<Record*>& table, REFGUID id) {
    Record* record = nullptr;
    return table.Lookup(GuidString(id), record) ? record : nullptr;
}

// The name of a type (GetDocumentation of index -1).
CString TypeInfoName(ITypeInfo* info);
