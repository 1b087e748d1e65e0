// The entries of the generation job's tables: one per coclass, interface,
// enumeration and record of the loaded libraries, owned by the job for the
// length of a run. Each entry keeps the mappers made for its type.
#pragma once

#include "BrvString.h"
#include "mappers/TypeMapper.h"

#include <windows.h>
#include <oaidl.h>

#include <memory>
#include <set>
#include <vector>

struct CCoclassEntry;
struct CInterfaceEntry;

// What coclass and interface entries share: a Java name and the mappers of
// selection (level 0, level 2, SAFEARRAY by value and by reference).
struct CComTypeEntry {
    CComTypeEntry() = default;
    CComTypeEntry(const CComTypeEntry&) = delete;
    CComTypeEntry& operator=(const CComTypeEntry&) = delete;
    ~CComTypeEntry() {
        if (info) info->Release();
    }
    // The type's information, held for the writers.
    void Hold(ITypeInfo* typeInfo) {
        if (typeInfo) typeInfo->AddRef();
        if (info) info->Release();
        info = typeInfo;
    }

    CString javaName;
    GUID guid = {};
    ITypeInfo* info = nullptr;
    CString help;  // the type's documentation string
    CTypeMapper* level0Mapper = nullptr;
    CTypeMapper* level2Mapper = nullptr;
    CTypeMapper* safeArrayMapper = nullptr;
    CTypeMapper* safeArrayRefMapper = nullptr;
    std::vector<std::unique_ptr<CTypeMapper>> ownedMappers;

    CTypeMapper* Own(CTypeMapper* mapper) { ownedMappers.emplace_back(mapper); return mapper; }
};

struct CInterfaceEntry : CComTypeEntry {
    TYPEKIND kind = TKIND_DISPATCH;
    bool isEvent = false;
    bool isCallback = false;
    bool implementedByCoclass = false;
    std::vector<CCoclassEntry*> coclasses;
    std::vector<GUID> baseInterfaces;  // directly implemented interfaces, by IID
};

struct CCoclassEntry : CComTypeEntry {
    int typeIndex = 0;
    CString documentation;
    int refCount = 1;
    bool isControl = false;
    bool creatable = false;
    std::vector<CInterfaceEntry*> interfaces;
    std::vector<CInterfaceEntry*> eventInterfaces;
    std::set<CInterfaceEntry*> linkedInterfaces;  // keeps both lists unique
    std::set<CInterfaceEntry*> linkedEvents;
};

struct CEnumEntry {
    CString javaName;
    ITypeLib* library = nullptr;
    int typeIndex = 0;
    bool describedByRenamingAlias = false;
    CTypeMapper* byValueMapper = nullptr;
    CTypeMapper* byRefMapper = nullptr;
    CTypeMapper* safeArrayMapper = nullptr;
    CTypeMapper* safeArrayRefMapper = nullptr;
    std::vector<std::unique_ptr<CTypeMapper>> ownedMappers;

    CTypeMapper* Own(CTypeMapper* mapper) { ownedMappers.emplace_back(mapper); return mapper; }
};

struct CRecordField {
    CString comName;
    CString javaName;
    CString help;  // the field's documentation string
    int offset = 0;
    CTypeMapper* mapper = nullptr;  // none when the field's type is unsupported
    CString error;                  // selection's message when there is no mapper
};

struct CRecordEntry {
    CString javaName;
    CString help;  // the record's documentation string
    ITypeLib* library = nullptr;
    int typeIndex = 0;
    GUID guid = {};
    int size = 0;
    bool guidIsZero = false;
    // Named by an alias of another name too (typedef Pair Couple): the
    // record is still described and written under its own name, which the
    // alias resolves to.
    bool describedByRenamingAlias = false;
    bool unusable = false;
    CString error;  // why the record is unusable
    std::vector<CRecordField> fields;
    int firstDetailRow = 0;
    std::vector<std::unique_ptr<CTypeMapper>> recordMappers;  // by (by-reference flag, mode)
    CTypeMapper* arrayMapper = nullptr;
    CTypeMapper* arrayRefMapper = nullptr;
    std::vector<std::unique_ptr<CTypeMapper>> ownedMappers;

    CTypeMapper* Own(CTypeMapper* mapper) { ownedMappers.emplace_back(mapper); return mapper; }
};

// The settings of one of the two libraries whose Java classes are
// pre-generated (ADO and MSXML).
struct CKnownLibrarySettings {
    CString package;
    CString library;
    CString jarPath;
    CString docFolder;
    bool referenced = false;
    bool used = false;
};
