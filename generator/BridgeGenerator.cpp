#include "BridgeGenerator.h"

#include "GeneratorHelpers.h"
#include "NamingHelpers.h"
#include "PathUtil.h"
#include "mappers/ShapeTypeMappers.h"
#include "TypeMapperSelection.h"
#include "TypeLibraryReading.h"

#include <objbase.h>
#include <ole2.h>
#include <oleidl.h>

#include <cstring>

namespace {

const char kNoCreatableTypes[] =
    "Cannot call library. No creatable types found.\n\nThis library may have been built with the \"noncreatable\" "
    "flag.\nIt should be built without this flag in order to be callable.";

// An ITypeInfo with its attributes, released together.
struct TypeInfoHolder {
    ITypeInfo* info = nullptr;
    TYPEATTR* attr = nullptr;
    bool FromLibrary(ITypeLib* lib, UINT index) {
        if (FAILED(lib->GetTypeInfo(index, &info)) || !info) return false;
        if (FAILED(info->GetTypeAttr(&attr)) || !attr) return false;
        return true;
    }
    bool FromRef(ITypeInfo* owner, HREFTYPE ref) {
        if (FAILED(owner->GetRefTypeInfo(ref, &info)) || !info) return false;
        if (FAILED(info->GetTypeAttr(&attr)) || !attr) return false;
        return true;
    }
    bool FromImplType(ITypeInfo* owner, UINT index) {
        HREFTYPE ref = 0;
        if (FAILED(owner->GetRefTypeOfImplType(index, &ref))) return false;
        return FromRef(owner, ref);
    }
    ~TypeInfoHolder() {
        if (attr) info->ReleaseTypeAttr(attr);
        if (info) info->Release();
    }
};

CString ReadLibraryName(ITypeLib* lib, CString* documentation = nullptr, bool* ok = nullptr) {
    BSTR name = nullptr, doc = nullptr;
    CString result;
    HRESULT hr = lib->GetDocumentation(-1, &name, &doc, nullptr, nullptr);
    if (ok) *ok = SUCCEEDED(hr);
    if (SUCCEEDED(hr)) {
        result = WideToAnsi(name);
        if (documentation) *documentation = WideToAnsi(doc);
        SysFreeString(name);
        SysFreeString(doc);
    }
    return result;
}

CString TypeLibEntryName(ITypeLib* lib, int index) {
    BSTR name = nullptr;
    CString result;
    if (SUCCEEDED(lib->GetDocumentation(index, &name, nullptr, nullptr, nullptr))) {
        result = WideToAnsi(name);
        SysFreeString(name);
    }
    return result;
}

// The documentation string of a type (MEMBERID_NIL) or of one of its
// members; empty when it has none.
CString DocumentationOf(ITypeInfo* info, MEMBERID member) {
    BSTR doc = nullptr;
    CString result;
    if (SUCCEEDED(info->GetDocumentation(member, nullptr, &doc, nullptr, nullptr))) {
        result = WideToAnsi(doc);
        SysFreeString(doc);
    }
    return result;
}

CString UpperCase(const char* text) {
    CString upper(text);
    upper.MakeUpper();
    return upper;
}

// ---- function descriptions
//
// The platform's reader builds a dispatch view from the functions of
// interfaces: a dual interface's from those of its interface view and the
// interfaces that one derives from, a dispinterface declared with an
// interface from that interface's. Where it cannot build the description of
// one of them (a default value it rejects with DISP_E_BADVARTYPE, as the IDL
// compiler writes for a parameter whose type is an alias), the interface that
// declares the function returns that error, and so does a dispinterface for
// a function of its own; but a dispatch view asked for a function it takes
// from an interface goes on with the description it failed to build, and
// faults. So a library's dispatch views are asked for their functions only
// once every function of its interfaces has been read through the interface
// that declares it.

// A function whose description cannot be read: the interface that declares
// it, its place among that interface's own functions, the error.
struct UnreadableFunction {
    CString declaringType;
    UINT index = 0;
    HRESULT error = S_OK;
};

bool IsDualDispatchView(const TYPEATTR* attr) {
    return attr->typekind == TKIND_DISPATCH && (attr->wTypeFlags & TYPEFLAG_FDUAL) != 0;
}

// visit(declaring type, index, description or null, error) for each of the
// type's own functions; false from visit stops the reading (false returned).
template <class Visit>
bool ReadOwnFunctions(ITypeInfo* info, const TYPEATTR* attr, Visit& visit) {
    for (UINT f = 0; f < attr->cFuncs; ++f) {
        FUNCDESC* func = nullptr;
        HRESULT hr = info->GetFuncDesc(f, &func);
        if (FAILED(hr) || !func) {
            if (!visit(info, f, nullptr, FAILED(hr) ? hr : E_POINTER)) return false;
            continue;
        }
        bool goOn = visit(info, f, func, S_OK);
        info->ReleaseFuncDesc(func);
        if (!goOn) return false;
    }
    return true;
}

// The functions of an interface view and of the interfaces it derives from,
// root first: the order of the dual interface's dispatch view.
template <class Visit>
bool ReadDeclaredFunctions(ITypeInfo* info, const TYPEATTR* attr, Visit& visit) {
    TypeInfoHolder base;
    if (attr->cImplTypes > 0 && base.FromImplType(info, 0) && base.attr->typekind == TKIND_INTERFACE &&
        !ReadDeclaredFunctions(base.info, base.attr, visit))
        return false;
    return ReadOwnFunctions(info, attr, visit);
}

// A dual interface's functions through the interfaces that declare them,
// any other type's through its own view; false when visit stopped.
template <class Visit>
bool ReadFunctionsSafely(ITypeInfo* info, const TYPEATTR* attr, Visit& visit) {
    TypeInfoHolder view;
    if (IsDualDispatchView(attr) && view.FromImplType(info, static_cast<UINT>(-1)) &&
        view.attr->typekind == TKIND_INTERFACE)
        return ReadDeclaredFunctions(view.info, view.attr, visit);
    return ReadOwnFunctions(info, attr, visit);
}

// The first function of a library's interfaces whose description cannot be
// read, and the type it was found through: interfaces and dual interfaces
// first, then, when all of theirs could be read, dispinterfaces.
bool FindUnreadableFunction(ITypeLib* lib, UINT& typeIndex, UnreadableFunction& found) {
    auto stopAtFailure = [&found](ITypeInfo* declaring, UINT index, const FUNCDESC* func, HRESULT error) {
        if (func) return true;
        found.declaringType = TypeInfoName(declaring);
        found.index = index;
        found.error = error;
        return false;
    };
    UINT count = lib->GetTypeInfoCount();
    for (bool dispinterfaces : {false, true}) {
        for (UINT i = 0; i < count; ++i) {
            CTypeLibraryReading::At(lib, i);
            TypeInfoHolder type;
            if (!type.FromLibrary(lib, i)) continue;
            TYPEKIND kind = type.attr->typekind;
            if (kind != TKIND_INTERFACE && kind != TKIND_DISPATCH) continue;
            if ((kind == TKIND_DISPATCH && !IsDualDispatchView(type.attr)) != dispinterfaces) continue;
            if (!ReadFunctionsSafely(type.info, type.attr, stopAtFailure)) {
                typeIndex = i;
                return true;
            }
        }
    }
    return false;
}

CString UnreadableTypeText(ITypeLib* lib, UINT index, const UnreadableFunction& function) {
    CString text;
    text.Format("Cannot read the type \"%s\" of the library \"%s\": the description of function #%u declared by "
                "\"%s\" cannot be read (error 0x%08lX)",
                TypeLibEntryName(lib, static_cast<int>(index)).c_str(), ReadLibraryName(lib).c_str(),
                function.index + 1, function.declaringType.c_str(), static_cast<unsigned long>(function.error));
    return text;
}

}  // namespace

CBridgeGenerator::CBridgeGenerator() {
    PresetAdo(m_ado.package, m_ado.library, m_ado.jarPath, m_ado.docFolder);
    PresetXml(m_xml.package, m_xml.library, m_xml.jarPath, m_xml.docFolder);
    InitInterfaceMappers();
}

CBridgeGenerator::~CBridgeGenerator() {
    if (m_jniFile) fclose(m_jniFile);
    if (m_currentLibrary) m_currentLibrary->Release();
    for (ITypeLib* lib : m_libraries) lib->Release();
    for (ITypeLib* lib : m_keptLibraries) lib->Release();
}

void CBridgeGenerator::SetOptions(const char* typeLibraryPath, const char* outputFolder, const char* javaPackage,
                                  const char* libraryPath) {
    m_typeLibraryPath = typeLibraryPath;
    m_outputFolder = outputFolder;
    m_javaPackage = javaPackage;
    m_libraryPath = libraryPath;
    BuildPackageForms();
}

void CBridgeGenerator::AddCallbackInterface(const char* name) { m_callbackTable.SetAt(UpperCase(name), 1); }

bool CBridgeGenerator::IsCallbackInterface(const char* name) {
    int* state = m_callbackTable.FindValue(UpperCase(name));
    if (!state) return false;
    *state = 2;
    return true;
}

void CBridgeGenerator::ResetRun() {
    if (m_jniFile) {
        fclose(m_jniFile);
        m_jniFile = nullptr;
    }
    if (m_currentLibrary) {
        m_currentLibrary->Release();
        m_currentLibrary = nullptr;
    }
    for (ITypeLib* lib : m_libraries) lib->Release();
    m_libraries.clear();
    for (ITypeLib* lib : m_keptLibraries) lib->Release();
    m_keptLibraries.clear();
    m_coclassList.clear();
    m_interfaceTable.RemoveAll();
    m_coclassTable.RemoveAll();
    m_enumTable.RemoveAll();
    m_recordTable.RemoveAll();
    m_recordRenames.RemoveAll();
    m_recordAliases.RemoveAll();
    m_enumRenames.RemoveAll();
    m_enumAliases.RemoveAll();
    m_enumTypeLibNames.RemoveAll();
    m_recordTypeLibNames.RemoveAll();
    m_controlTable.RemoveAll();
    m_aliasMappers.RemoveAll();
    m_javaNames.RemoveAll();
    m_iidMapRowCount = 0;
    m_recordMapRowCount = 0;
    // Names registered for this run stay; what the last run found is forgotten.
    m_callbackTable.ForEach([](const CString&, int& state) { state = 1; });
    m_freeThreaded = false;
    m_hasControls = false;
    m_usesVariantPointerPointer = false;
    m_ado.referenced = m_ado.used = false;
    m_xml.referenced = m_xml.used = false;
    for (auto& row : m_knownMappers) row[0] = row[1] = row[2] = nullptr;
    m_fixedArrays.clear();
    m_coclasses.clear();
    m_interfaces.clear();
    m_enums.clear();
    m_records.clear();
    m_ownedMappers.clear();
    m_libraryName.Empty();
    m_libraryDoc.Empty();
}

// The job's own generic object mappers: their conversions name this job's
// interface map (its row count), never another job's.
void CBridgeGenerator::InitInterfaceMappers() {
    m_objectMappers[0].reset(new CObjectTypeMapper(this, CObjectTypeMapper::kInvoke, 0));
    m_objectMappers[1].reset(new CObjectTypeMapper(this, CObjectTypeMapper::kInvoke, 1));
    m_objectMappers[2].reset(new CObjectTypeMapper(this, CObjectTypeMapper::kInvokeUnknown, 1));
    for (int level = 0; level < 3; ++level)
        m_objectMappers[3 + level].reset(new CObjectTypeMapper(this, CObjectTypeMapper::kVtbl, level));
}

CTypeMapper* CBridgeGenerator::InvokeObjectMapper(bool byRef, VARTYPE vt) {
    if (!byRef) return m_objectMappers[0].get();
    return m_objectMappers[vt == VT_UNKNOWN ? 2 : 1].get();
}

CTypeMapper* CBridgeGenerator::VtblObjectMapper(int level) {
    return m_objectMappers[3 + (level < 0 ? 0 : level > 2 ? 2 : level)].get();
}

CFixedArrayTypeMapper* CBridgeGenerator::FixedArrayMapper(CTypeMapper* element, int count) {
    for (CFixedArrayTypeMapper* mapper : m_fixedArrays)
        if (mapper->GetElement() == element && mapper->GetCount() == count) return mapper;
    auto* mapper = new CFixedArrayTypeMapper(element, count);
    OwnMapper(mapper);
    m_fixedArrays.push_back(mapper);
    return mapper;
}

CString CBridgeGenerator::PackageHead() const {
    int dot = m_javaPackage.Find('.');
    return dot < 0 ? m_javaPackage : m_javaPackage.Left(dot);
}

void CBridgeGenerator::BuildPackageForms() {
    m_jniPackage.Empty();
    m_slashPackage.Empty();
    m_folderPackage.Empty();
    for (int i = 0; i < m_javaPackage.GetLength(); ++i) {
        char c = m_javaPackage.GetAt(i);
        if (c == '_') m_jniPackage += "_1";
        else if (c == '.') m_jniPackage += "_";
        else m_jniPackage += c;
        m_slashPackage += c == '.' ? '/' : c;
        m_folderPackage += c == '.' ? '\\' : c;
    }
}

bool CBridgeGenerator::Generate() {
    ResetRun();
    BuildPackageForms();
    std::string fileName = brivel::PathFileName(m_libraryPath.str());
    size_t dot = fileName.rfind('.');
    m_jniLibraryName = dot == std::string::npos ? fileName : fileName.substr(0, dot);

    if (!LoadTypeLibrary()) return false;
    if (!WriteJniPrologue()) {
        CString folder = m_outputFolder;
        if (folder.IsEmpty() || folder.GetAt(folder.GetLength() - 1) != '\\') folder += "\\";
        ReportMessage(folder + m_jniLibraryName + ".cpp", "Cannot write file");
        return false;
    }
    if (!WriteJavaClasses()) return false;
    CheckCallbackInterfaces();
    if (!WriteBuildFiles()) return false;
    if (!WriteJavadocOverview()) return false;
    return true;
}

void CBridgeGenerator::FinishJob(bool) {
    if (m_jniFile) {
        fclose(m_jniFile);
        m_jniFile = nullptr;
    }
    if (m_currentLibrary) {
        m_currentLibrary->Release();
        m_currentLibrary = nullptr;
    }
}

bool CBridgeGenerator::LoadTypeLibrary() {
    // The full path, in a buffer of whatever length it needs.
    DWORD needed = GetFullPathNameA(m_typeLibraryPath, 0, nullptr, nullptr);
    std::string fullPath;
    if (needed > 0) {
        fullPath.resize(needed);
        DWORD length = GetFullPathNameA(m_typeLibraryPath, needed, &fullPath[0], nullptr);
        fullPath.resize(length < needed ? length : 0);
    }
    if (fullPath.empty() || GetFileAttributesA(fullPath.c_str()) == INVALID_FILE_ATTRIBUTES) {
        ReportMessage(m_typeLibraryPath, "File does not exist");
        return false;
    }
    int wideLength = MultiByteToWideChar(CP_ACP, 0, fullPath.c_str(), -1, nullptr, 0);
    std::vector<OLECHAR> widePath(static_cast<size_t>(wideLength > 0 ? wideLength : 1), 0);
    MultiByteToWideChar(CP_ACP, 0, fullPath.c_str(), -1, widePath.data(), wideLength);
    CTypeLibraryReading reading(this, m_typeLibraryPath);
    ITypeLib* lib = nullptr;
    if (LoadTypeLib(widePath.data(), &lib) != S_OK || !lib) {
        if (lib) lib->Release();
        ReportMessage(m_typeLibraryPath, "File does not contain type information");
        return false;
    }
    m_libraries.push_back(lib);
    WalkReferencedLibraries(0);
    RemoveSkippedLibraries();

    m_currentLibrary = m_libraries[0];
    m_currentLibrary->AddRef();
    if (m_currentLibrary->GetTypeInfoCount() == 0) {
        ReportMessage(m_typeLibraryPath, "This library has no types!");
        m_currentLibrary->Release();
        m_currentLibrary = nullptr;
        return false;
    }

    // The writers read every function of the types collected: a library
    // with one that cannot be read ends the run here.
    for (ITypeLib* kept : m_libraries) {
        UINT typeIndex = 0;
        UnreadableFunction unreadable;
        if (FindUnreadableFunction(kept, typeIndex, unreadable)) {
            ReportMessage(m_typeLibraryPath, UnreadableTypeText(kept, typeIndex, unreadable));
            m_currentLibrary->Release();
            m_currentLibrary = nullptr;
            return false;
        }
    }

    CNameSet seenGuids;
    CNameSet namesTaken;
    std::vector<CString> reservedCoclassNames;
    bool several = m_libraries.size() > 1;
    for (size_t libIndex = 0; libIndex < m_libraries.size(); ++libIndex) {
        ITypeLib* current = m_libraries[libIndex];
        UINT count = current->GetTypeInfoCount();
        for (UINT i = 0; i < count; ++i) {
            CTypeLibraryReading::At(current, i);
            TypeInfoHolder type;
            if (!type.FromLibrary(current, i)) continue;
            if (several && !IsAllZeroGuid(type.attr->guid)) {
                CString key = GuidString(type.attr->guid);
                // A type seen in an earlier library is collected once only,
                // whatever its place in this one.
                if (seenGuids.Contains(key)) continue;
                seenGuids.SetAt(key, 1);
            }
            switch (type.attr->typekind) {
            case TKIND_INTERFACE:
            case TKIND_DISPATCH: AddInterfaceRecord(type.info, type.attr, namesTaken); break;
            case TKIND_ENUM: AddEnumRecord(type.info, type.attr, static_cast<int>(i), namesTaken); break;
            case TKIND_RECORD: AddRecordRecord(type.info, type.attr, static_cast<int>(i), namesTaken); break;
            case TKIND_ALIAS: AddAlias(type.info, static_cast<int>(i), type.attr, namesTaken); break;
            case TKIND_COCLASS:
                if (libIndex == 0 && several) {
                    // Held back while the other libraries take their names.
                    CString key;
                    MakeJavaClassName(key, TypeLibEntryName(current, static_cast<int>(i)), PackageHead(), nullptr);
                    key.MakeLower();
                    namesTaken.SetAt(key, 1);
                    reservedCoclassNames.push_back(key);
                }
                break;
            default: break;
            }
        }
    }
    for (const CString& key : reservedCoclassNames) namesTaken.RemoveKey(key);

    MarkSourceInterfaces();

    // Coclasses of the main library.
    bool freeThreadingCandidate = true;
    ITypeLib* mainLibrary = m_libraries[0];
    UINT count = mainLibrary->GetTypeInfoCount();
    for (UINT i = 0; i < count; ++i) {
        CTypeLibraryReading::At(mainLibrary, i);
        TypeInfoHolder type;
        if (!type.FromLibrary(mainLibrary, i) || type.attr->typekind != TKIND_COCLASS) continue;
        if (freeThreadingCandidate && !IsFreeThreadingCoclass(type.attr->guid)) freeThreadingCandidate = false;
        bool isControl = (type.attr->wTypeFlags & TYPEFLAG_FCONTROL) != 0;
        bool answeredBoth = false;
        if (!isControl && IsControlObject(type.attr->guid)) isControl = answeredBoth = true;
        if (isControl) m_hasControls = true;
        CCoclassEntry* coclass = AddCoclassRecord(type.info, type.attr, static_cast<int>(i), isControl, namesTaken);
        if (!coclass) continue;
        if (answeredBoth) m_controlTable.SetAt(coclass->javaName, 1);
        coclass->creatable = (type.attr->wTypeFlags & TYPEFLAG_FCANCREATE) != 0;
        for (UINT impl = 0; impl < type.attr->cImplTypes; ++impl) {
            TypeInfoHolder implType;
            if (!implType.FromImplType(type.info, impl)) continue;
            CInterfaceEntry* entry = FindInterfaceRecord(implType.attr->guid);
            if (!entry) continue;
            if (entry->isEvent) {
                LinkEventInterfaceToCoclass(coclass, entry);
            } else {
                LinkCoclassInterfaces(coclass, entry);
            }
        }
    }
    m_freeThreaded = freeThreadingCandidate;

    ReadAllRecordDescriptions();
    ResolveAliases();

    if (m_coclassList.empty()) {
        ReportMessage(m_typeLibraryPath, kNoCreatableTypes);
        m_currentLibrary->Release();
        m_currentLibrary = nullptr;
        return false;
    }

    if (!m_callbackTable.IsEmpty()) {
        m_interfaceTable.ForEach([this](const CString&, CInterfaceEntry*& entry) {
            if (IsCallbackInterface(entry->javaName)) {
                entry->isCallback = true;
                entry->isEvent = true;
                entry->implementedByCoclass = false;
            }
        });
    }

    m_libraryName = ReadLibraryName(m_currentLibrary, &m_libraryDoc);
    return true;
}

void CBridgeGenerator::WalkReferencedLibraries(size_t index) {
    for (; index < m_libraries.size(); ++index) {
        ITypeLib* lib = m_libraries[index];
        // A pre-generated library stands in as it is: what it references is its own.
        if (index > 0 && IsKnownLibraryName(ReadLibraryName(lib))) continue;
        // In a library with a function that cannot be read, a dual
        // interface is read through the interfaces that declare its
        // functions, and a dispinterface, which may take that function from
        // an interface, is not asked for its functions (the collection
        // reports the library when it is kept).
        UINT unreadableType = 0;
        UnreadableFunction unreadable;
        bool readable = !FindUnreadableFunction(lib, unreadableType, unreadable);
        auto visitFunction = [this](ITypeInfo* declaring, UINT, const FUNCDESC* func, HRESULT) {
            if (!func) return true;
            VisitTypeDesc(declaring, func->elemdescFunc.tdesc);
            for (SHORT p = 0; p < func->cParams; ++p) VisitTypeDesc(declaring, func->lprgelemdescParam[p].tdesc);
            return true;
        };
        UINT count = lib->GetTypeInfoCount();
        for (UINT i = 0; i < count; ++i) {
            CTypeLibraryReading::At(lib, i);
            TypeInfoHolder type;
            if (!type.FromLibrary(lib, i)) continue;
            m_currentLibrary = lib;
            switch (type.attr->typekind) {
            case TKIND_COCLASS:
                if (index != 0) break;
                for (UINT impl = 0; impl < type.attr->cImplTypes; ++impl) {
                    HREFTYPE ref = 0;
                    if (SUCCEEDED(type.info->GetRefTypeOfImplType(impl, &ref))) AddLibraryOfType(type.info, ref);
                }
                break;
            case TKIND_INTERFACE:
            case TKIND_DISPATCH:
                if (readable || type.attr->typekind == TKIND_INTERFACE)
                    ReadOwnFunctions(type.info, type.attr, visitFunction);
                else if (IsDualDispatchView(type.attr))
                    ReadFunctionsSafely(type.info, type.attr, visitFunction);
                [[fallthrough]];  // variables of interfaces, like fields of records
            case TKIND_RECORD:
                for (UINT v = 0; v < type.attr->cVars; ++v) {
                    VARDESC* var = nullptr;
                    if (FAILED(type.info->GetVarDesc(v, &var)) || !var) continue;
                    VisitTypeDesc(type.info, var->elemdescVar.tdesc);
                    type.info->ReleaseVarDesc(var);
                }
                break;
            case TKIND_ALIAS:
                if (type.attr->tdescAlias.vt == VT_USERDEFINED && type.attr->tdescAlias.hreftype != 0)
                    AddLibraryOfType(type.info, type.attr->tdescAlias.hreftype);
                break;
            default: break;
            }
        }
    }
    m_currentLibrary = nullptr;
}

void CBridgeGenerator::VisitTypeDesc(ITypeInfo* info, const TYPEDESC& desc) {
    auto isUserDefined = [](VARTYPE vt) { return vt == VT_USERDEFINED || vt == (VT_BYREF | VT_USERDEFINED); };
    if (isUserDefined(desc.vt)) {
        AddLibraryOfType(info, desc.hreftype);
    } else if (desc.vt == VT_PTR) {
        const TYPEDESC* target = desc.lptdesc;
        if (isUserDefined(target->vt)) {
            AddLibraryOfType(info, target->hreftype);
        } else if (target->vt == VT_SAFEARRAY && target->lptdesc->vt == VT_USERDEFINED) {
            AddLibraryOfType(info, target->lptdesc->hreftype);
        } else if (target->vt == VT_PTR) {
            const TYPEDESC* inner = target->lptdesc;
            if (inner->vt == VT_USERDEFINED) AddLibraryOfType(info, inner->hreftype);
            else if (inner->vt == VT_SAFEARRAY && inner->lptdesc->vt == VT_USERDEFINED)
                AddLibraryOfType(info, inner->lptdesc->hreftype);
        }
    }
}

void CBridgeGenerator::AddLibraryOfType(ITypeInfo* info, HREFTYPE ref) {
    ITypeInfo* target = nullptr;
    if (FAILED(info->GetRefTypeInfo(ref, &target)) || !target) return;
    ITypeLib* lib = nullptr;
    UINT index = 0;
    if (SUCCEEDED(target->GetContainingTypeLib(&lib, &index)) && lib) {
        bool known = lib == m_currentLibrary;
        for (ITypeLib* existing : m_libraries) known = known || existing == lib;
        if (known) lib->Release();
        else m_libraries.push_back(lib);
    }
    target->Release();
}

// The standard libraries, and ADO and MSXML when the library references them:
// the Java classes of those two come pre-generated (their types map onto them
// through the known-interface table), so their types are not collected into
// the bridge's package.
void CBridgeGenerator::RemoveSkippedLibraries() {
    // The main library itself always stays.
    for (size_t i = m_libraries.size(); i-- > 1;) {
        bool ok = false;
        CString name = ReadLibraryName(m_libraries[i], nullptr, &ok);
        CString package, mangledPackage, packagePath;
        if (ok && (name.CompareNoCase("stdole") == 0 || name.CompareNoCase("mscorlib") == 0 ||
                   IsKnownLibrary(name, package, mangledPackage, packagePath))) {
            m_libraries[i]->Release();
            m_libraries.erase(m_libraries.begin() + static_cast<long>(i));
        }
    }
}

void CBridgeGenerator::AddAlias(ITypeInfo* info, int, TYPEATTR* attr, CNameSet& namesTaken) {
    CString aliasName = TypeInfoName(info);
    if (attr->tdescAlias.vt != VT_USERDEFINED) {
        if (CTypeMapper* mapper = SelectSmallIntMapper(attr->tdescAlias.vt)) m_aliasMappers.SetAt(aliasName, mapper);
        return;
    }
    if (attr->tdescAlias.hreftype == 0) return;
    TypeInfoHolder target;
    if (!target.FromRef(info, attr->tdescAlias.hreftype)) return;
    ITypeLib* lib = nullptr;
    UINT index = 0;
    if (FAILED(target.info->GetContainingTypeLib(&lib, &index)) || !lib) return;
    lib->Release();  // the library stays referenced by the list or the type
    if (IsAllZeroGuid(target.attr->guid)) target.attr->guid = attr->guid;
    if (target.attr->typekind == TKIND_ENUM) {
        CEnumEntry* entry = AddEnumRecord(target.info, target.attr, static_cast<int>(index), namesTaken);
        if (!entry) return;
        if (aliasName.CompareNoCase(entry->javaName) == 0) m_enumAliases.SetAt(aliasName, entry);
        else m_enumRenames.SetAt(aliasName, entry->javaName);
    } else if (target.attr->typekind == TKIND_RECORD) {
        CRecordEntry* entry = AddRecordRecord(target.info, target.attr, static_cast<int>(index), namesTaken);
        if (!entry) return;
        // typedef [uuid] struct tagX {...} X: the struct, usually collected
        // before its alias, takes the identifier the alias carries.
        if (entry->guidIsZero && !IsAllZeroGuid(target.attr->guid)) {
            entry->guid = target.attr->guid;
            entry->guidIsZero = false;
        }
        if (aliasName.CompareNoCase(entry->javaName) == 0) m_recordAliases.SetAt(aliasName, entry);
        else m_recordRenames.SetAt(aliasName, entry->javaName);
    }
}

void CBridgeGenerator::MarkSourceInterfaces() {
    for (ITypeLib* lib : m_libraries) {
        UINT count = lib->GetTypeInfoCount();
        for (UINT i = 0; i < count; ++i) {
            CTypeLibraryReading::At(lib, i);
            TypeInfoHolder type;
            if (!type.FromLibrary(lib, i) || type.attr->typekind != TKIND_COCLASS) continue;
            for (UINT impl = 0; impl < type.attr->cImplTypes; ++impl) {
                INT flags = 0;
                if (FAILED(type.info->GetImplTypeFlags(impl, &flags)) || !(flags & IMPLTYPEFLAG_FSOURCE)) continue;
                TypeInfoHolder implType;
                if (!implType.FromImplType(type.info, impl)) continue;
                if (CInterfaceEntry* entry = FindInterfaceRecord(implType.attr->guid)) entry->isEvent = true;
            }
        }
    }
}

bool CBridgeGenerator::IsFreeThreadingCoclass(REFCLSID clsid) {
    CString key = "CLSID\\" + GuidString(clsid) + "\\InprocServer32";
    HKEY hkey = nullptr;
    if (RegOpenKeyExA(HKEY_CLASSES_ROOT, key, 0, KEY_READ, &hkey) != ERROR_SUCCESS) return false;
    char value[200] = {};
    DWORD type = 0, size = sizeof(value) - 1;
    LONG result = RegQueryValueExA(hkey, "ThreadingModel", nullptr, &type, reinterpret_cast<BYTE*>(value), &size);
    RegCloseKey(hkey);
    if (result != ERROR_SUCCESS || type != REG_SZ || value[0] == 0) return false;
    return _stricmp(value, "Both") == 0 || _stricmp(value, "Free") == 0;
}

bool CBridgeGenerator::IsControlObject(REFCLSID clsid) {
    IUnknown* object = nullptr;
    if (FAILED(CoCreateInstance(clsid, nullptr, CLSCTX_INPROC_SERVER | CLSCTX_INPROC_HANDLER | CLSCTX_LOCAL_SERVER,
                                IID_IUnknown, reinterpret_cast<void**>(&object))) ||
        !object)
        return false;
    IUnknown* oleObject = nullptr;
    IUnknown* inPlace = nullptr;
    bool both = SUCCEEDED(object->QueryInterface(IID_IOleObject, reinterpret_cast<void**>(&oleObject))) && oleObject &&
                SUCCEEDED(object->QueryInterface(IID_IOleInPlaceObject, reinterpret_cast<void**>(&inPlace))) && inPlace;
    if (inPlace) inPlace->Release();
    if (oleObject) oleObject->Release();
    object->Release();
    return both;
}

void CBridgeGenerator::LinkCoclassInterfaces(CCoclassEntry* coclass, CInterfaceEntry* entry) {
    if (!coclass->linkedInterfaces.insert(entry).second) return;
    coclass->interfaces.push_back(entry);
    entry->coclasses.push_back(coclass);
    entry->implementedByCoclass = true;
    for (const GUID& base : entry->baseInterfaces)
        if (CInterfaceEntry* baseEntry = FindInterfaceRecord(base)) LinkCoclassInterfaces(coclass, baseEntry);
}

void CBridgeGenerator::LinkEventInterfaceToCoclass(CCoclassEntry* coclass, CInterfaceEntry* entry) {
    if (coclass->linkedEvents.insert(entry).second) coclass->eventInterfaces.push_back(entry);
    entry->isEvent = true;
}

void CBridgeGenerator::ReadAllRecordDescriptions() {
    m_recordTable.ForEach([this](const CString&, CRecordEntry*& record) {
        CTypeLibraryReading::At(record->library, static_cast<UINT>(record->typeIndex));
        ITypeInfo* info = nullptr;
        if (FAILED(record->library->GetTypeInfo(static_cast<UINT>(record->typeIndex), &info)) || !info) return;
        TYPEATTR* attr = nullptr;
        if (FAILED(info->GetTypeAttr(&attr)) || !attr) {
            info->Release();
            return;
        }
        bool usable = attr->typekind != TKIND_ALIAS || ResolveAlias(info, attr);
        if (usable) ReadRecordDescription(info, record);
        info->ReleaseTypeAttr(attr);
        info->Release();
    });
}

void CBridgeGenerator::ReadRecordDescription(ITypeInfo* info, CRecordEntry* record) {
    TYPEATTR* attr = nullptr;
    if (FAILED(info->GetTypeAttr(&attr)) || !attr) return;
    record->fields.clear();
    for (UINT v = 0; v < attr->cVars; ++v) {
        VARDESC* var = nullptr;
        if (FAILED(info->GetVarDesc(v, &var)) || !var) {
            record->unusable = true;
            record->error = "Could not access record description";
            break;
        }
        BSTR name = nullptr;
        UINT got = 0;
        if (FAILED(info->GetNames(var->memid, &name, 1, &got)) || got == 0) {
            info->ReleaseVarDesc(var);
            record->unusable = true;
            record->error = "Could not access record field names";
            break;
        }
        CRecordField field;
        field.comName = WideToAnsi(name);
        SysFreeString(name);
        field.help = DocumentationOf(info, var->memid);
        MakeJavaIdentifierFree(field.javaName, field.comName);
        field.offset = static_cast<int>(var->oInst);
        field.mapper = SelectTypeMapper(info, false, this, &var->elemdescVar.tdesc, false, kContextRecordField, field.error);
        record->fields.push_back(field);
        info->ReleaseVarDesc(var);
    }
    info->ReleaseTypeAttr(attr);
}

void CBridgeGenerator::ResolveAliases() {
    m_recordAliases.ForEach([this](const CString& name, CRecordEntry*& entry) { m_recordTable.SetAt(name, entry); });
    m_recordRenames.ForEach([this](const CString&, const CString& target) {
        if (CRecordEntry* entry = LookupRecord(target)) entry->describedByRenamingAlias = true;
    });
    m_enumAliases.ForEach([this](const CString& name, CEnumEntry*& entry) { m_enumTable.SetAt(name, entry); });
    m_enumRenames.ForEach([this](const CString&, const CString& target) {
        if (CEnumEntry* entry = LookupEnum(target)) entry->describedByRenamingAlias = true;
    });
}

void CBridgeGenerator::CheckCallbackInterfaces() {
    std::vector<CString> missing;
    m_callbackTable.ForEach([&](const CString& name, const int& state) {
        if (state == 1) missing.push_back(name);
    });
    if (missing.empty()) return;
    CString text;
    if (missing.size() == 1) {
        text = "WARNING:  Did not find the Callback Interface \"" + missing[0] + "\"";
    } else {
        text = "WARNING:  Did not find the following Callback Interfaces: ";
        for (const CString& name : missing) text += " " + name;
    }
    ReportMessage(m_typeLibraryPath, text);
}

// ---- type records

CInterfaceEntry* CBridgeGenerator::AddInterfaceRecord(ITypeInfo* info, TYPEATTR* attr, CNameSet& namesTaken) {
    CString key = GuidString(attr->guid);
    CInterfaceEntry* existing = nullptr;
    if (m_interfaceTable.Lookup(key, existing)) return existing;
    auto entry = std::make_unique<CInterfaceEntry>();
    entry->guid = attr->guid;
    entry->kind = attr->typekind;
    entry->Hold(info);
    BSTR doc = nullptr;
    if (SUCCEEDED(info->GetDocumentation(MEMBERID_NIL, nullptr, &doc, nullptr, nullptr))) {
        entry->help = WideToAnsi(doc);
        SysFreeString(doc);
    }
    MakeJavaClassName(entry->javaName, TypeInfoName(info), PackageHead(), &namesTaken);
    for (UINT impl = 0; impl < attr->cImplTypes; ++impl) {
        TypeInfoHolder base;
        if (!base.FromImplType(info, impl)) continue;
        if (base.attr->typekind == TKIND_DISPATCH || base.attr->typekind == TKIND_INTERFACE)
            entry->baseInterfaces.push_back(base.attr->guid);
    }
    RegisterTypeRecord(m_interfaceTable, attr->guid, entry.get());
    m_interfaces.push_back(std::move(entry));
    return m_interfaces.back().get();
}

CCoclassEntry* CBridgeGenerator::AddCoclassRecord(ITypeInfo* info, TYPEATTR* attr, int index, bool isControl,
                                                  CNameSet& namesTaken) {
    CString key = GuidString(attr->guid);
    if (m_coclassTable.Contains(key)) return nullptr;
    auto entry = std::make_unique<CCoclassEntry>();
    entry->typeIndex = index;
    entry->guid = attr->guid;
    entry->isControl = isControl;
    entry->Hold(info);
    BSTR name = nullptr, doc = nullptr;
    if (SUCCEEDED(info->GetDocumentation(MEMBERID_NIL, &name, &doc, nullptr, nullptr))) {
        MakeJavaClassName(entry->javaName, WideToAnsi(name), PackageHead(), &namesTaken);
        entry->documentation = WideToAnsi(doc);
        SysFreeString(name);
        SysFreeString(doc);
    }
    RegisterTypeRecord(m_coclassTable, attr->guid, entry.get());
    m_coclassList.push_back(entry.get());
    m_coclasses.push_back(std::move(entry));
    return m_coclasses.back().get();
}

namespace {
// The entry of the type's library and index, added (empty but for those) on
// first sight; null when the type has no containing library. The library is
// kept referenced for the run.
template <class Entry, class KeepLibrary>
Entry* FindOrAddLibraryEntry(ITypeInfo* info, std::vector<std::unique_ptr<Entry>>& entries, bool& isNew,
                             KeepLibrary keepLibrary) {
    isNew = false;
    ITypeLib* lib = nullptr;
    UINT libIndex = 0;
    if (FAILED(info->GetContainingTypeLib(&lib, &libIndex)) || !lib) return nullptr;
    keepLibrary(lib);
    lib->Release();
    for (auto& existing : entries)
        if (existing->library == lib && existing->typeIndex == static_cast<int>(libIndex)) return existing.get();
    auto entry = std::make_unique<Entry>();
    entry->library = lib;
    entry->typeIndex = static_cast<int>(libIndex);
    entries.push_back(std::move(entry));
    isNew = true;
    return entries.back().get();
}
}  // namespace

CEnumEntry* CBridgeGenerator::AddEnumRecord(ITypeInfo* info, TYPEATTR*, int index, CNameSet& namesTaken) {
    (void)index;
    bool isNew = false;
    auto* entry = FindOrAddLibraryEntry(info, m_enums, isNew, [this](ITypeLib* lib) { KeepLibrary(lib); });
    if (!entry || !isNew) return entry;
    CString typeLibName = TypeInfoName(info);
    MakeJavaClassName(entry->javaName, typeLibName, PackageHead(), &namesTaken);
    m_enumTable.SetAt(entry->javaName, entry);
    if (typeLibName != entry->javaName) m_enumTypeLibNames.SetAt(typeLibName, entry->javaName);
    return entry;
}

CRecordEntry* CBridgeGenerator::AddRecordRecord(ITypeInfo* info, TYPEATTR* attr, int index, CNameSet& namesTaken) {
    (void)index;
    bool isNew = false;
    auto* entry = FindOrAddLibraryEntry(info, m_records, isNew, [this](ITypeLib* lib) { KeepLibrary(lib); });
    if (!entry || !isNew) return entry;
    entry->guid = attr->guid;
    entry->guidIsZero = IsAllZeroGuid(attr->guid);
    entry->size = static_cast<int>(attr->cbSizeInstance);
    CString typeLibName = TypeInfoName(info);
    MakeJavaClassName(entry->javaName, typeLibName, PackageHead(), &namesTaken);
    m_recordTable.SetAt(entry->javaName, entry);
    entry->help = DocumentationOf(info, MEMBERID_NIL);
    if (typeLibName != entry->javaName) m_recordTypeLibNames.SetAt(typeLibName, entry->javaName);
    return entry;
}

void CBridgeGenerator::KeepLibrary(ITypeLib* lib) {
    for (ITypeLib* known : m_libraries)
        if (known == lib) return;
    for (ITypeLib* known : m_keptLibraries)
        if (known == lib) return;
    lib->AddRef();
    m_keptLibraries.push_back(lib);
}

// By Java name, else by the name the library gives the type where the two
// differ (a reserved word, a name no class may take, a name taken before in
// another case): selection asks by the library's name.
CRecordEntry* CBridgeGenerator::LookupRecord(const char* name) {
    CRecordEntry* entry = nullptr;
    if (m_recordTable.Lookup(name, entry)) return entry;
    CString javaName;
    return m_recordTypeLibNames.Lookup(name, javaName) && m_recordTable.Lookup(javaName, entry) ? entry : nullptr;
}

CEnumEntry* CBridgeGenerator::LookupEnum(const char* name) {
    CEnumEntry* entry = nullptr;
    if (m_enumTable.Lookup(name, entry)) return entry;
    CString javaName;
    return m_enumTypeLibNames.Lookup(name, javaName) && m_enumTable.Lookup(javaName, entry) ? entry : nullptr;
}

CInterfaceEntry* CBridgeGenerator::FindInterfaceRecord(REFGUID iid) { return ::FindInterfaceRecord(m_interfaceTable, iid); }

CCoclassEntry* CBridgeGenerator::FindCoclassRecord(REFGUID clsid) { return ::FindInterfaceRecord(m_coclassTable, clsid); }
