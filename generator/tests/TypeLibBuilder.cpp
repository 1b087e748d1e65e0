#include "TypeLibBuilder.h"

#include <oleauto.h>

#include <vector>

const GUID kImporterIid = {0x5A1B0002, 0x0000, 0x4000, {0x80, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x30}};

namespace {

std::wstring Wide(const std::string& text) {
    std::wstring wide(text.size() + 1, L'\0');
    int n = MultiByteToWideChar(CP_ACP, 0, text.c_str(), -1, &wide[0], static_cast<int>(wide.size()));
    wide.resize(n > 0 ? n - 1 : 0);
    return wide;
}

GUID MakeGuid(unsigned long first, unsigned char last) {
    GUID guid = {first, 0, 0x4000, {0x80, 0, 0, 0, 0, 0, 0, last}};
    return guid;
}

template <class T>
struct ComPtr {
    T* p = nullptr;
    ~ComPtr() { if (p) p->Release(); }
    T** operator&() { return &p; }
    T* operator->() { return p; }
    operator T*() { return p; }
};

ITypeInfo* InfoOf(ICreateTypeInfo* create) {
    ITypeInfo* info = nullptr;
    create->QueryInterface(IID_ITypeInfo, reinterpret_cast<void**>(&info));
    return info;
}

// An interface deriving from a base, with one method taking the given
// parameter types.
bool AddInterface(ICreateTypeLib2* lib, const wchar_t* name, REFGUID iid, ITypeInfo* base,
                  const std::vector<TYPEDESC>& params, ICreateTypeInfo** out) {
    ComPtr<ICreateTypeInfo> iface;
    if (FAILED(lib->CreateTypeInfo(const_cast<LPOLESTR>(name), TKIND_INTERFACE, &iface))) return false;
    iface->SetGuid(iid);
    iface->SetTypeFlags(TYPEFLAG_FOLEAUTOMATION);
    HREFTYPE baseRef = 0;
    if (FAILED(iface->AddRefTypeInfo(base, &baseRef)) || FAILED(iface->AddImplType(0, baseRef))) return false;
    if (!params.empty()) {
        std::vector<ELEMDESC> elems(params.size());
        for (size_t i = 0; i < params.size(); ++i) {
            elems[i].tdesc = params[i];
            elems[i].paramdesc.wParamFlags = PARAMFLAG_FIN;
        }
        FUNCDESC func = {};
        func.memid = 1;
        func.funckind = FUNC_PUREVIRTUAL;
        func.invkind = INVOKE_FUNC;
        func.callconv = CC_STDCALL;
        func.cParams = static_cast<SHORT>(params.size());
        func.lprgelemdescParam = elems.data();
        func.elemdescFunc.tdesc.vt = VT_HRESULT;
        if (FAILED(iface->AddFuncDesc(0, &func))) return false;
        std::vector<LPOLESTR> names = {const_cast<LPOLESTR>(L"Use")};
        const wchar_t* paramNames[] = {L"a", L"b", L"c", L"d"};
        for (size_t i = 0; i < params.size(); ++i) names.push_back(const_cast<LPOLESTR>(paramNames[i]));
        if (FAILED(iface->SetFuncAndParamNames(0, names.data(), static_cast<UINT>(names.size())))) return false;
    }
    if (FAILED(iface->LayOut())) return false;
    iface.p->AddRef();
    *out = iface.p;
    return true;
}

bool AddCoclass(ICreateTypeLib2* lib, const wchar_t* name, REFGUID clsid, ICreateTypeInfo* iface) {
    ComPtr<ICreateTypeInfo> coclass;
    if (FAILED(lib->CreateTypeInfo(const_cast<LPOLESTR>(name), TKIND_COCLASS, &coclass))) return false;
    coclass->SetGuid(clsid);
    coclass->SetTypeFlags(TYPEFLAG_FCANCREATE);
    ComPtr<ITypeInfo> info;
    info.p = InfoOf(iface);
    HREFTYPE ref = 0;
    if (FAILED(coclass->AddRefTypeInfo(info, &ref)) || FAILED(coclass->AddImplType(0, ref))) return false;
    coclass->SetImplTypeFlags(0, IMPLTYPEFLAG_FDEFAULT);
    return SUCCEEDED(coclass->LayOut());
}

bool NewLibrary(const std::string& path, const wchar_t* name, REFGUID guid, ICreateTypeLib2** lib) {
    DeleteFileA(path.c_str());
    if (FAILED(CreateTypeLib2(SYS_WIN32, Wide(path).c_str(), lib))) return false;
    (*lib)->SetGuid(guid);
    (*lib)->SetName(const_cast<LPOLESTR>(name));
    (*lib)->SetVersion(1, 0);
    return true;
}

bool DispatchInfo(ITypeInfo** dispatch) {
    ComPtr<ITypeLib> stdole;
    if (FAILED(LoadTypeLib(L"stdole2.tlb", &stdole))) return false;
    return SUCCEEDED(stdole->GetTypeInfoOfGuid(IID_IDispatch, dispatch));
}

}  // namespace

bool WriteImporterLibrary(const std::string& path, const std::string& importedPath) {
    ComPtr<ITypeLib> imported;
    if (FAILED(LoadTypeLib(Wide(importedPath).c_str(), &imported))) return false;
    ComPtr<ITypeInfo> importedIface, shade, dispatch;
    if (FAILED(imported->GetTypeInfoOfGuid(MakeGuid(0x5A1B0001, 0x30), &importedIface)) ||
        FAILED(imported->GetTypeInfoOfGuid(MakeGuid(0x5A1B0001, 0x10), &shade)) || !DispatchInfo(&dispatch))
        return false;
    ComPtr<ICreateTypeLib2> lib;
    if (!NewLibrary(path, L"ImporterLib", MakeGuid(0x5A1B0002, 0x01), &lib)) return false;

    // The references are made on the interface being written.
    ComPtr<ICreateTypeInfo> iface;
    if (FAILED(lib->CreateTypeInfo(const_cast<LPOLESTR>(L"IImporter"), TKIND_INTERFACE, &iface))) return false;
    iface->SetGuid(kImporterIid);
    iface->SetTypeFlags(TYPEFLAG_FOLEAUTOMATION);
    HREFTYPE dispatchRef = 0, importedRef = 0, shadeRef = 0;
    if (FAILED(iface->AddRefTypeInfo(dispatch, &dispatchRef)) || FAILED(iface->AddImplType(0, dispatchRef)) ||
        FAILED(iface->AddRefTypeInfo(importedIface, &importedRef)) || FAILED(iface->AddRefTypeInfo(shade, &shadeRef)))
        return false;
    TYPEDESC pointee = {};
    pointee.vt = VT_USERDEFINED;
    pointee.hreftype = importedRef;
    ELEMDESC params[2] = {};
    params[0].tdesc.vt = VT_PTR;
    params[0].tdesc.lptdesc = &pointee;
    params[1].tdesc.vt = VT_USERDEFINED;
    params[1].tdesc.hreftype = shadeRef;
    FUNCDESC func = {};
    func.memid = 1;
    func.funckind = FUNC_PUREVIRTUAL;
    func.invkind = INVOKE_FUNC;
    func.callconv = CC_STDCALL;
    func.cParams = 2;
    func.lprgelemdescParam = params;
    func.elemdescFunc.tdesc.vt = VT_HRESULT;
    LPOLESTR names[] = {const_cast<LPOLESTR>(L"Use"), const_cast<LPOLESTR>(L"other"), const_cast<LPOLESTR>(L"shade")};
    if (FAILED(iface->AddFuncDesc(0, &func)) || FAILED(iface->SetFuncAndParamNames(0, names, 3)) ||
        FAILED(iface->LayOut()))
        return false;
    if (!AddCoclass(lib, L"Importer", MakeGuid(0x5A1B0002, 0x40), iface)) return false;
    return SUCCEEDED(lib->SaveAllChanges());
}

bool WriteRepeatLibraries(const std::string& repeatPath, const std::string& mainPath) {
    ComPtr<ITypeInfo> dispatch;
    if (!DispatchInfo(&dispatch)) return false;
    {
        ComPtr<ICreateTypeLib2> lib;
        if (!NewLibrary(repeatPath, L"RepeatLib", MakeGuid(0x5A1B0003, 0x01), &lib)) return false;
        ComPtr<ICreateTypeInfo> first;
        if (!AddInterface(lib, L"IImporter", kImporterIid, dispatch, {}, &first)) return false;
        // Tone, and an enumeration named like the main library's coclass.
        for (const wchar_t* name : {L"Tone", L"RepeatMain"}) {
            ComPtr<ICreateTypeInfo> enumeration;
            if (FAILED(lib->CreateTypeInfo(const_cast<LPOLESTR>(name), TKIND_ENUM, &enumeration))) return false;
            VARDESC value = {};
            VARIANT zero;
            VariantInit(&zero);
            V_VT(&zero) = VT_I4;
            V_I4(&zero) = 0;
            value.memid = 0x40000000;
            value.varkind = VAR_CONST;
            value.lpvarValue = &zero;
            value.elemdescVar.tdesc.vt = VT_I4;
            if (FAILED(enumeration->AddVarDesc(0, &value)) ||
                FAILED(enumeration->SetVarName(0, const_cast<LPOLESTR>(L"Soft"))) || FAILED(enumeration->LayOut()))
                return false;
        }
        if (FAILED(lib->SaveAllChanges())) return false;
    }
    ComPtr<ITypeLib> repeat;
    if (FAILED(LoadTypeLib(Wide(repeatPath).c_str(), &repeat))) return false;
    ComPtr<ITypeInfo> repeated, tone;
    if (FAILED(repeat->GetTypeInfo(0, &repeated)) || FAILED(repeat->GetTypeInfo(1, &tone))) return false;

    ComPtr<ICreateTypeLib2> lib;
    if (!NewLibrary(mainPath, L"RepeatMainLib", MakeGuid(0x5A1B0004, 0x01), &lib)) return false;
    // The main library declares IImporter itself, and uses the repeat
    // library's enumeration, so that library is loaded too.
    ComPtr<ICreateTypeInfo> own;
    if (!AddInterface(lib, L"IImporter", kImporterIid, dispatch, {}, &own)) return false;
    ComPtr<ICreateTypeInfo> iface;
    if (FAILED(lib->CreateTypeInfo(const_cast<LPOLESTR>(L"IRepeatMain"), TKIND_INTERFACE, &iface))) return false;
    iface->SetGuid(MakeGuid(0x5A1B0004, 0x30));
    iface->SetTypeFlags(TYPEFLAG_FOLEAUTOMATION);
    HREFTYPE baseRef = 0, toneRef = 0;
    if (FAILED(iface->AddRefTypeInfo(dispatch, &baseRef)) || FAILED(iface->AddImplType(0, baseRef)) ||
        FAILED(iface->AddRefTypeInfo(tone, &toneRef)))
        return false;
    ELEMDESC param = {};
    param.tdesc.vt = VT_USERDEFINED;
    param.tdesc.hreftype = toneRef;
    FUNCDESC func = {};
    func.memid = 1;
    func.funckind = FUNC_PUREVIRTUAL;
    func.invkind = INVOKE_FUNC;
    func.callconv = CC_STDCALL;
    func.cParams = 1;
    func.lprgelemdescParam = &param;
    func.elemdescFunc.tdesc.vt = VT_HRESULT;
    LPOLESTR names[] = {const_cast<LPOLESTR>(L"Play"), const_cast<LPOLESTR>(L"tone")};
    if (FAILED(iface->AddFuncDesc(0, &func)) || FAILED(iface->SetFuncAndParamNames(0, names, 2)) ||
        FAILED(iface->LayOut()))
        return false;
    if (!AddCoclass(lib, L"RepeatMain", MakeGuid(0x5A1B0004, 0x40), iface)) return false;
    return SUCCEEDED(lib->SaveAllChanges());
}

bool WriteThreadingLibrary(const std::string& path) {
    ComPtr<ITypeInfo> dispatch;
    if (!DispatchInfo(&dispatch)) return false;
    ComPtr<ICreateTypeLib2> lib;
    if (!NewLibrary(path, L"ThreadingLib", MakeGuid(0x5A1B0005, 0x01), &lib)) return false;
    ComPtr<ICreateTypeInfo> iface;
    if (!AddInterface(lib, L"IThreaded", MakeGuid(0x5A1B0005, 0x30), dispatch, {}, &iface)) return false;
    const wchar_t* names[] = {L"First", L"Second", L"Third"};
    for (unsigned char i = 0; i < 3; ++i)
        if (!AddCoclass(lib, names[i], MakeGuid(0x5A1B0005, static_cast<unsigned char>(0x40 + i)), iface)) return false;
    return SUCCEEDED(lib->SaveAllChanges());
}

bool WriteStdoleUserLibrary(const std::string& path, const std::vector<std::string>& typeNames) {
    ComPtr<ITypeLib> stdole;
    if (FAILED(LoadTypeLib(L"stdole2.tlb", &stdole))) return false;
    ComPtr<ITypeInfo> dispatch;
    if (!DispatchInfo(&dispatch)) return false;
    ComPtr<ICreateTypeLib2> lib;
    if (!NewLibrary(path, L"StdoleUserLib", MakeGuid(0x5A1B0006, 0x01), &lib)) return false;
    ComPtr<ICreateTypeInfo> iface;
    if (FAILED(lib->CreateTypeInfo(const_cast<LPOLESTR>(L"IStdoleUser"), TKIND_INTERFACE, &iface))) return false;
    iface->SetGuid(MakeGuid(0x5A1B0006, 0x30));
    iface->SetTypeFlags(TYPEFLAG_FOLEAUTOMATION);
    HREFTYPE baseRef = 0;
    if (FAILED(iface->AddRefTypeInfo(dispatch, &baseRef)) || FAILED(iface->AddImplType(0, baseRef))) return false;
    std::vector<std::wstring> methodNames;
    for (size_t i = 0; i < typeNames.size(); ++i) {
        std::string name = typeNames[i];
        bool pointer = !name.empty() && name.back() == '*';
        if (pointer) name.pop_back();
        std::wstring wide = Wide(name);
        ITypeInfo* found[1] = {};
        MEMBERID ids[1] = {};
        USHORT count = 1;
        if (FAILED(stdole->FindName(&wide[0], 0, found, ids, &count)) || count == 0) return false;
        ComPtr<ITypeInfo> type;
        type.p = found[0];
        HREFTYPE ref = 0;
        if (FAILED(iface->AddRefTypeInfo(type, &ref))) return false;
        TYPEDESC pointee = {};
        pointee.vt = VT_USERDEFINED;
        pointee.hreftype = ref;
        ELEMDESC param = {};
        param.paramdesc.wParamFlags = PARAMFLAG_FIN;
        if (pointer) {
            param.tdesc.vt = VT_PTR;
            param.tdesc.lptdesc = &pointee;
        } else {
            param.tdesc = pointee;
        }
        FUNCDESC func = {};
        func.memid = static_cast<MEMBERID>(i + 1);
        func.funckind = FUNC_PUREVIRTUAL;
        func.invkind = INVOKE_FUNC;
        func.callconv = CC_STDCALL;
        func.cParams = 1;
        func.lprgelemdescParam = &param;
        func.elemdescFunc.tdesc.vt = VT_HRESULT;
        methodNames.push_back(L"Use" + std::to_wstring(i + 1));
        LPOLESTR names[] = {&methodNames.back()[0], const_cast<LPOLESTR>(L"value")};
        if (FAILED(iface->AddFuncDesc(static_cast<UINT>(i), &func)) ||
            FAILED(iface->SetFuncAndParamNames(static_cast<UINT>(i), names, 2)))
            return false;
    }
    if (FAILED(iface->LayOut())) return false;
    if (!AddCoclass(lib, L"StdoleUser", MakeGuid(0x5A1B0006, 0x40), iface)) return false;
    return SUCCEEDED(lib->SaveAllChanges());
}

namespace {

// The record Note of the notes library: every field of type long except
// cells (long[2]), each with its documentation string.
bool AddNoteRecord(ICreateTypeLib2* lib) {
    ComPtr<ICreateTypeInfo> record;
    if (FAILED(lib->CreateTypeInfo(const_cast<LPOLESTR>(L"Note"), TKIND_RECORD, &record))) return false;
    record->SetGuid(MakeGuid(0x5A1B0007, 0x20));
    record->SetDocString(const_cast<LPOLESTR>(L"A note kept in C:\\users\\notes, \u00e0 la carte"));
    struct Field {
        const wchar_t* name;
        const wchar_t* doc;
        bool cells;
    } fields[] = {{L"width", L"Width in C:\\units", false},
                  {L"Gr\u00f6\u00dfe", L"Gr\u00f6\u00dfe: the size */ of it", false},
                  {L"a\"b\\c?", L"Named with a quote, a backslash and a question mark", false},
                  {L"cells", L"Two cells\nper line", true}};
    SAFEARRAYBOUND bound = {2, 0};
    ARRAYDESC* cells = static_cast<ARRAYDESC*>(CoTaskMemAlloc(sizeof(ARRAYDESC)));
    cells->tdescElem.vt = VT_I4;
    cells->cDims = 1;
    cells->rgbounds[0] = bound;
    UINT index = 0;
    bool ok = true;
    for (const Field& field : fields) {
        VARDESC var = {};
        var.memid = static_cast<MEMBERID>(0x40000000 + index);
        var.varkind = VAR_PERINSTANCE;
        if (field.cells) {
            var.elemdescVar.tdesc.vt = VT_CARRAY;
            var.elemdescVar.tdesc.lpadesc = cells;
        } else {
            var.elemdescVar.tdesc.vt = VT_I4;
        }
        ok = ok && SUCCEEDED(record->AddVarDesc(index, &var)) &&
             SUCCEEDED(record->SetVarName(index, const_cast<LPOLESTR>(field.name))) &&
             SUCCEEDED(record->SetVarDocString(index, const_cast<LPOLESTR>(field.doc)));
        ++index;
    }
    CoTaskMemFree(cells);
    return ok && SUCCEEDED(record->LayOut());
}

}  // namespace

bool WriteNotesLibrary(const std::string& path, const std::string& msxmlPath) {
    ComPtr<ITypeLib> msxml;
    if (FAILED(LoadTypeLib(Wide(msxmlPath).c_str(), &msxml))) return false;
    const GUID node = {0x2933BF80, 0x7B36, 0x11D2, {0xB2, 0x0E, 0x00, 0xC0, 0x4F, 0x98, 0x3E, 0x60}};
    const GUID document = {0x2933BF81, 0x7B36, 0x11D2, {0xB2, 0x0E, 0x00, 0xC0, 0x4F, 0x98, 0x3E, 0x60}};
    ComPtr<ITypeInfo> nodeInfo, documentInfo, dispatch;
    if (FAILED(msxml->GetTypeInfoOfGuid(node, &nodeInfo)) || FAILED(msxml->GetTypeInfoOfGuid(document, &documentInfo)) ||
        !DispatchInfo(&dispatch))
        return false;
    ComPtr<ICreateTypeLib2> lib;
    if (!NewLibrary(path, L"NotesLib", MakeGuid(0x5A1B0007, 0x01), &lib)) return false;
    if (!AddNoteRecord(lib)) return false;

    ComPtr<ICreateTypeInfo> iface;
    if (FAILED(lib->CreateTypeInfo(const_cast<LPOLESTR>(L"INotes"), TKIND_INTERFACE, &iface))) return false;
    iface->SetGuid(MakeGuid(0x5A1B0007, 0x30));
    iface->SetTypeFlags(TYPEFLAG_FOLEAUTOMATION);
    HREFTYPE baseRef = 0, nodeRef = 0, documentRef = 0;
    if (FAILED(iface->AddRefTypeInfo(dispatch, &baseRef)) || FAILED(iface->AddImplType(0, baseRef)) ||
        FAILED(iface->AddRefTypeInfo(nodeInfo, &nodeRef)) || FAILED(iface->AddRefTypeInfo(documentInfo, &documentRef)))
        return false;
    TYPEDESC nodeType = {}, documentType = {}, documentPointer = {};
    nodeType.vt = VT_USERDEFINED;
    nodeType.hreftype = nodeRef;
    documentType.vt = VT_USERDEFINED;
    documentType.hreftype = documentRef;
    documentPointer.vt = VT_PTR;
    documentPointer.lptdesc = &documentType;
    ELEMDESC attach = {}, load = {};
    attach.tdesc.vt = VT_PTR;
    attach.tdesc.lptdesc = &nodeType;
    attach.paramdesc.wParamFlags = PARAMFLAG_FIN;
    load.tdesc.vt = VT_PTR;
    load.tdesc.lptdesc = &documentPointer;
    load.paramdesc.wParamFlags = PARAMFLAG_FOUT | PARAMFLAG_FRETVAL;
    FUNCDESC func = {};
    func.funckind = FUNC_PUREVIRTUAL;
    func.invkind = INVOKE_FUNC;
    func.callconv = CC_STDCALL;
    func.cParams = 1;
    func.elemdescFunc.tdesc.vt = VT_HRESULT;
    func.memid = 1;
    func.lprgelemdescParam = &attach;
    LPOLESTR attachNames[] = {const_cast<LPOLESTR>(L"Attach"), const_cast<LPOLESTR>(L"node")};
    if (FAILED(iface->AddFuncDesc(0, &func)) || FAILED(iface->SetFuncAndParamNames(0, attachNames, 2))) return false;
    func.memid = 2;
    func.lprgelemdescParam = &load;
    LPOLESTR loadNames[] = {const_cast<LPOLESTR>(L"Load"), const_cast<LPOLESTR>(L"document")};
    if (FAILED(iface->AddFuncDesc(1, &func)) || FAILED(iface->SetFuncAndParamNames(1, loadNames, 2)) ||
        FAILED(iface->LayOut()))
        return false;
    if (!AddCoclass(lib, L"Notes", MakeGuid(0x5A1B0007, 0x40), iface)) return false;
    return SUCCEEDED(lib->SaveAllChanges());
}
