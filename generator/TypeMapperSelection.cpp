#include "TypeMapperSelection.h"

#include "JobView.h"
#include "KnownInterfaces.h"
#include "NamingHelpers.h"
#include "mappers/RecordTypeMappers.h"
#include "mappers/StaticTypeMappers.h"

#include <vector>

namespace {

const char kUnsupportedType[] = "Unsupported Type";
const char kNestedPointers[] = "Nested pointers are not supported";

// OLE_COLOR, the two font types and IEnumVARIANT.
const GUID kOleColorGuid = {0x66504301, 0xBE0F, 0x101A, {0x8B, 0xBB, 0x00, 0xAA, 0x00, 0x30, 0x0C, 0xAB}};
const GUID kFontGuid1 = {0xBEF6E003, 0xA874, 0x101A, {0x8B, 0xBA, 0x00, 0xAA, 0x00, 0x30, 0x0C, 0xAB}};
const GUID kFontGuid2 = {0xBEF6E002, 0xA874, 0x101A, {0x8B, 0xBA, 0x00, 0xAA, 0x00, 0x30, 0x0C, 0xAB}};
const GUID kEnumVariantGuid = {0x00020404, 0x0000, 0x0000, {0xC0, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x46}};

CTypeMapper* ByValueForm(VARTYPE vt) {
    switch (vt) {
    case VT_I2: return &g_shortMapper;
    case VT_I4: return &g_longMapper;
    case VT_R4: return &g_floatMapper;
    case VT_R8: return &g_doubleMapper;
    case VT_CY: return &g_currencyMapper;
    case VT_DATE: return &g_dateMapper;
    case VT_BSTR: case VT_LPWSTR: return &g_stringMapper;
    case VT_BOOL: return &g_boolMapper;
    case VT_VARIANT: return &g_variantMapper;
    case VT_I1: return &g_signedByteMapper;
    case VT_UI1: return &g_byteMapper;
    case VT_UI2: return &g_ushortMapper;
    case VT_UI4: return &g_ulongMapper;
    case VT_I8: return &g_int64Mapper;
    case VT_INT: return &g_intMapper;
    case VT_UINT: return &g_uintMapper;
    case VT_FILETIME: return &g_filetimeMapper;
    default: return nullptr;
    }
}

CTypeMapper* ByRefForm(VARTYPE vt) {
    switch (vt) {
    case VT_I2: return &g_shortRefMapper;
    case VT_I4: return &g_longRefMapper;
    case VT_R4: return &g_floatRefMapper;
    case VT_R8: return &g_doubleRefMapper;
    case VT_CY: return &g_currencyRefMapper;
    case VT_DATE: return &g_dateRefMapper;
    case VT_BSTR: case VT_LPWSTR: return &g_stringRefMapper;
    case VT_BOOL: return &g_boolRefMapper;
    case VT_VARIANT: return &g_variantRefMapper;
    case VT_I1: return &g_signedByteRefMapper;
    case VT_UI1: return &g_byteRefMapper;
    case VT_UI2: return &g_ushortRefMapper;
    case VT_UI4: return &g_ulongRefMapper;
    case VT_I8: return &g_int64RefMapper;
    case VT_INT: return &g_intRefMapper;
    case VT_UINT: return &g_uintRefMapper;
    case VT_FILETIME: return &g_filetimeRefMapper;
    default: return nullptr;
    }
}

// The numeric types whose [out] form on the Invoke path is the by-reference one.
bool IsPromotedNumeric(VARTYPE vt) {
    switch (vt) {
    case VT_I2: case VT_I4: case VT_R4: case VT_R8: case VT_VARIANT: case VT_I1: case VT_UI1:
    case VT_UI2: case VT_UI4: case VT_I8: case VT_INT: case VT_UINT:
        return true;
    default:
        return false;
    }
}

bool IsInterface(VARTYPE vt) { return vt == VT_DISPATCH || vt == VT_UNKNOWN; }

CTypeMapper* Fail(CString& error, const char* text) {
    error = text;
    return nullptr;
}

// A pointer to an interface or coclass of a library (IFoo*).
bool IsInterfacePointer(ITypeInfo* info, const TYPEDESC* desc) {
    if (desc->vt != VT_PTR || desc->lptdesc->vt != VT_USERDEFINED) return false;
    ITypeInfo* target = nullptr;
    if (FAILED(info->GetRefTypeInfo(desc->lptdesc->hreftype, &target)) || !target) return false;
    TYPEATTR* attr = nullptr;
    bool isInterface = false;
    if (SUCCEEDED(target->GetTypeAttr(&attr)) && attr) {
        isInterface = attr->typekind == TKIND_INTERFACE || attr->typekind == TKIND_DISPATCH || attr->typekind == TKIND_COCLASS;
        target->ReleaseTypeAttr(attr);
    }
    target->Release();
    return isInterface;
}

bool IsSpecialAlias(const TYPEATTR* attr) {
    return IsEqualGUID(attr->guid, kOleColorGuid) || IsEqualGUID(attr->guid, kFontGuid1) ||
           IsEqualGUID(attr->guid, kFontGuid2);
}

// A type description in which an alias of a base type (typedef long Counter)
// is replaced by the type it names, with the pointers, the VT_BYREF and the
// SAFEARRAY around it kept: the alias is then selected exactly as its base
// type would be, at every indirection and as an array element. The aliases
// that selection knows by their identifiers (the OLE colour, the fonts) are
// left as they are.
class AliasFreeDesc {
public:
    AliasFreeDesc() = default;
    AliasFreeDesc(const AliasFreeDesc&) = delete;
    AliasFreeDesc& operator=(const AliasFreeDesc&) = delete;
    ~AliasFreeDesc() {
        for (auto& held : held_) {
            held.first->ReleaseTypeAttr(held.second);
            held.first->Release();
        }
    }

    // True when `desc` ends in an alias of a base type; Desc() is then the
    // description with the alias replaced.
    bool Resolve(ITypeInfo* info, const TYPEDESC* desc) {
        std::vector<TYPEDESC> wrappers;
        while (desc->vt == VT_PTR || desc->vt == VT_SAFEARRAY) {
            wrappers.push_back(*desc);
            desc = desc->lptdesc;
        }
        if ((desc->vt & ~VT_BYREF) != VT_USERDEFINED) return false;
        const TYPEDESC* base = nullptr;
        ITypeInfo* owner = info;
        HREFTYPE ref = desc->hreftype;
        // Follows aliases of aliases down to a base type (or gives up).
        for (int depth = 0; depth < 8 && !base; ++depth) {
            ITypeInfo* target = nullptr;
            TYPEATTR* attr = nullptr;
            if (FAILED(owner->GetRefTypeInfo(ref, &target)) || !target) return false;
            if (FAILED(target->GetTypeAttr(&attr)) || !attr) {
                target->Release();
                return false;
            }
            held_.emplace_back(target, attr);
            if (attr->typekind != TKIND_ALIAS || IsSpecialAlias(attr)) return false;
            owner = target;
            if (attr->tdescAlias.vt != VT_USERDEFINED) base = &attr->tdescAlias;
            else ref = attr->tdescAlias.hreftype;
        }
        if (!base) return false;
        nodes_ = wrappers;
        nodes_.push_back(*base);
        if (desc->vt & VT_BYREF) nodes_.back().vt |= VT_BYREF;
        for (size_t i = 0; i + 1 < nodes_.size(); ++i) nodes_[i].lptdesc = &nodes_[i + 1];
        info_ = owner;
        return true;
    }
    const TYPEDESC* Desc() const { return &nodes_[0]; }
    // The type information the base type's description belongs to.
    ITypeInfo* Info() const { return info_; }

private:
    std::vector<TYPEDESC> nodes_;
    std::vector<std::pair<ITypeInfo*, TYPEATTR*>> held_;
    ITypeInfo* info_ = nullptr;
};

}  // namespace

CTypeMapper* SelectInvokeInterfaceMapper(IJobView* job, bool byRef, VARTYPE vt) {
    return job->InvokeObjectMapper(byRef, vt);
}

CTypeMapper* SelectInterfaceMapper(IJobView* job, int level) { return job->VtblObjectMapper(level); }

CTypeMapper* SelectSmallIntMapper(VARTYPE vt) {
    if (vt == VT_ERROR) return &g_errorMapper;
    if (vt == VT_LPSTR) return &g_lpstrMapper;
    return ByValueForm(vt);
}

CTypeMapper* SelectTypeMapper(ITypeInfo* info, bool isResult, IJobView* job, const TYPEDESC* desc, bool out,
                              int context, CString& error) {
    AliasFreeDesc resolved;
    if (resolved.Resolve(info, desc))
        return SelectTypeMapper(resolved.Info(), isResult, job, resolved.Desc(), out, context, error);
    VARTYPE vt = desc->vt;
    switch (vt) {
    case VT_EMPTY: case VT_NULL: case VT_VOID: case VT_HRESULT:
        if (isResult) return &g_voidMapper;
        return Fail(error, "Unsupported type");
    case VT_CY: case VT_DATE: case VT_BSTR: case VT_LPWSTR: case VT_BOOL: case VT_FILETIME:
        return ByValueForm(vt);
    case VT_ERROR: return &g_errorMapper;
    case VT_LPSTR: return &g_lpstrMapper;
    case VT_DISPATCH: case VT_UNKNOWN: return SelectInvokeInterfaceMapper(job, false);
    case VT_SAFEARRAY: return SelectSafeArrayMapper(false, info, job, desc->lptdesc, out, context, isResult, error);
    case VT_CARRAY: return SelectFixedArrayMapper(job, desc->lpadesc, context, error);
    case VT_USERDEFINED: return SelectUserDefinedMapper(job, info, desc->hreftype, out ? 2 : 0, context, error, 0);
    default: break;
    }
    if (IsPromotedNumeric(vt)) return out ? ByRefForm(vt) : ByValueForm(vt);

    if (vt & VT_BYREF) {
        VARTYPE base = vt & ~VT_BYREF;
        if (base == VT_LPSTR) return &g_lpstrRefMapper;
        if (IsInterface(base)) return SelectInvokeInterfaceMapper(job, true, base);
        if (base == VT_USERDEFINED)
            return SelectUserDefinedMapper(job, info, desc->hreftype, out ? 2 : 1, context, error, 1);
        if (CTypeMapper* mapper = ByRefForm(base)) return mapper;
        return Fail(error, kUnsupportedType);
    }

    if (vt == VT_PTR) {
        const TYPEDESC* target = desc->lptdesc;
        VARTYPE tvt = target->vt;
        if (IsInterface(tvt)) return SelectInvokeInterfaceMapper(job, out, tvt);
        if (tvt == VT_VARIANT)
            return (!out && context != kContextRecordField) ? static_cast<CTypeMapper*>(&g_variantMapper)
                                                            : &g_variantRefMapper;
        if (tvt == VT_I1) return &g_signedByteBufferMapper;
        if (tvt == VT_UI1) return &g_unsignedByteBufferMapper;
        if (tvt == VT_SAFEARRAY) return SelectSafeArrayMapper(true, info, job, target->lptdesc, out, context, isResult, error);
        if (tvt == VT_USERDEFINED)
            return SelectUserDefinedMapper(job, info, target->hreftype, out ? 2 : 1, context, error, 1);
        if (tvt == VT_LPSTR) return &g_lpstrRefMapper;
        if (tvt == VT_PTR) {
            const TYPEDESC* inner = target->lptdesc;
            VARTYPE ivt = inner->vt;
            if (IsInterface(ivt) || IsInterface(ivt & ~VT_BYREF))
                return SelectInvokeInterfaceMapper(job, true, ivt & ~VT_BYREF);
            if (ivt == VT_VARIANT) {
                if (job) job->NoteVariantPointerPointer();
                return &g_variantRefMapper;
            }
            if (ivt == VT_SAFEARRAY) return SelectSafeArrayMapper(true, info, job, inner->lptdesc, out, context, isResult, error);
            if (ivt == VT_USERDEFINED) return SelectUserDefinedMapper(job, info, inner->hreftype, 2, context, error, 2);
            if (ivt == (VT_BYREF | VT_USERDEFINED))
                return SelectUserDefinedMapper(job, info, inner->hreftype, 2, context, error, 3);
            if (ivt == VT_LPSTR) return &g_lpstrRefMapper2;
            return Fail(error, kNestedPointers);
        }
        if (CTypeMapper* mapper = ByRefForm(tvt)) return mapper;
        return Fail(error, kUnsupportedType);
    }
    return Fail(error, kUnsupportedType);
}

CTypeMapper* SelectVtblParamMapper(ITypeInfo* info, bool isResult, IJobView* job, const TYPEDESC* desc,
                                   bool out, int context, CString& error) {
    AliasFreeDesc resolved;
    if (resolved.Resolve(info, desc))
        return SelectVtblParamMapper(resolved.Info(), isResult, job, resolved.Desc(), out, context, error);
    VARTYPE vt = desc->vt;
    switch (vt) {
    case VT_EMPTY: case VT_NULL: case VT_VOID: case VT_HRESULT:
        if (isResult) return &g_voidMapper;
        return Fail(error, "Unsupported type");
    case VT_ERROR: case VT_CARRAY: return Fail(error, kUnsupportedType);
    case VT_LPSTR: return &g_lpstrMapper;
    case VT_DISPATCH: case VT_UNKNOWN: return SelectInterfaceMapper(job, 0);
    case VT_VARIANT: return &g_variantLevel0Mapper;
    case VT_SAFEARRAY: return SelectSafeArrayMapper(false, info, job, desc->lptdesc, out, context, isResult, error);
    case VT_USERDEFINED: return SelectUserDefinedMapper(job, info, desc->hreftype, out ? 2 : 0, context, error, 0);
    default: break;
    }
    if (CTypeMapper* mapper = ByValueForm(vt)) return mapper;

    if (vt & VT_BYREF) {
        VARTYPE base = vt & ~VT_BYREF;
        if (base == VT_VARIANT) return &g_variantLevel1Mapper;
        if (base == VT_LPSTR) return &g_lpstrRefMapper;
        if (IsInterface(base)) return SelectInterfaceMapper(job, 1);
        if (base == VT_USERDEFINED)
            return SelectUserDefinedMapper(job, info, desc->hreftype, out ? 2 : 1, context, error, 1);
        if (CTypeMapper* mapper = ByRefForm(base)) return mapper;
        return Fail(error, kUnsupportedType);
    }

    if (vt == VT_PTR) {
        const TYPEDESC* target = desc->lptdesc;
        VARTYPE tvt = target->vt;
        if (IsInterface(tvt)) return SelectInterfaceMapper(job, 1);
        if (tvt == VT_VARIANT) return &g_variantLevel1Mapper;
        if (tvt == (VT_BYREF | VT_VARIANT)) {
            if (job) job->NoteVariantPointerPointer();
            return &g_variantLevel2Mapper;
        }
        if (tvt == VT_I1) return &g_signedByteBufferMapper;
        if (tvt == VT_UI1) return &g_unsignedByteBufferMapper;
        if (tvt == (VT_BYREF | VT_I1) || tvt == (VT_BYREF | VT_UI1) || tvt == VT_LPSTR)
            return Fail(error, kUnsupportedType);
        if (tvt == VT_SAFEARRAY) return SelectSafeArrayMapper(true, info, job, target->lptdesc, out, context, isResult, error);
        if (tvt == VT_USERDEFINED)
            return SelectUserDefinedMapper(job, info, target->hreftype, out ? 2 : 1, context, error, 1);
        if (tvt == (VT_BYREF | VT_USERDEFINED))
            return SelectUserDefinedMapper(job, info, target->hreftype, out ? 2 : 1, context, error, 2);
        if (IsInterface(tvt & ~VT_BYREF)) return SelectInterfaceMapper(job, 2);
        if (tvt == VT_PTR) {
            const TYPEDESC* inner = target->lptdesc;
            VARTYPE ivt = inner->vt;
            if (IsInterface(ivt) || IsInterface(ivt & ~VT_BYREF)) return SelectInterfaceMapper(job, 2);
            if (ivt == VT_VARIANT) {
                if (job) job->NoteVariantPointerPointer();
                return &g_variantLevel2Mapper;
            }
            if (ivt == VT_SAFEARRAY) return SelectSafeArrayMapper(true, info, job, inner->lptdesc, out, context, isResult, error);
            if (ivt == VT_USERDEFINED) return SelectUserDefinedMapper(job, info, inner->hreftype, 2, context, error, 2);
            if (ivt == (VT_BYREF | VT_USERDEFINED))
                return SelectUserDefinedMapper(job, info, inner->hreftype, 2, context, error, 3);
            return Fail(error, kNestedPointers);
        }
        if (CTypeMapper* mapper = ByRefForm(tvt)) return mapper;
        return Fail(error, kUnsupportedType);
    }
    return Fail(error, kUnsupportedType);
}

CTypeMapper* SelectSafeArrayMapper(bool byRef, ITypeInfo* info, IJobView* job, const TYPEDESC* element,
                                   bool out, int context, bool isResult, CString& error) {
    bool throughPointer = byRef;
    if (IsInterfacePointer(info, element)) {
        // SAFEARRAY(IFoo*), as libraries write an array of interfaces: the
        // pointer is the element's own, the array stays as passed.
        element = element->lptdesc;
    } else if (!byRef && element->vt == VT_PTR) {
        byRef = true;
        element = element->lptdesc;
    }
    if (element->vt == VT_USERDEFINED)
        return SelectUserDefinedMapper(job, info, element->hreftype, byRef ? 2 : 0,
                                       context == kContextRecordField ? kKindRecordFieldArrayElement : kKindArrayElement,
                                       error, 0);
    CSafeArrayMapperPair* pair = nullptr;
    switch (element->vt) {
    case VT_I2: pair = &g_i2SafeArrayMappers; break;
    case VT_I4: pair = &g_i4SafeArrayMappers; break;
    case VT_R4: pair = &g_r4SafeArrayMappers; break;
    case VT_R8: pair = &g_r8SafeArrayMappers; break;
    case VT_CY: pair = &g_currencySafeArrayMappers; break;
    case VT_DATE: pair = &g_dateSafeArrayMappers; break;
    case VT_BSTR: case VT_LPWSTR: pair = &g_stringSafeArrayMappers; break;
    case VT_BOOL: pair = &g_boolSafeArrayMappers; break;
    case VT_VARIANT: pair = &g_variantSafeArrayMappers; break;
    case VT_I1: pair = &g_i1SafeArrayMappers; break;
    case VT_UI1: pair = &g_ui1SafeArrayMappers; break;
    case VT_UI2: pair = &g_ui2SafeArrayMappers; break;
    case VT_UI4: pair = &g_ui4SafeArrayMappers; break;
    case VT_I8: pair = &g_i8SafeArrayMappers; break;
    case VT_INT: pair = &g_intSafeArrayMappers; break;
    case VT_UINT: pair = &g_uintSafeArrayMappers; break;
    default: return Fail(error, "Unsupported Array type");
    }
    if (isResult) return &pair->byValue;
    // An IN array behind a pointer is a Java array whose SAFEARRAY the
    // callee receives by address, as it declares.
    if (!out) return throughPointer && context != kContextRecordField ? &pair->inThroughPointer : &pair->byValue;
    return &pair->byRef;
}

CTypeMapper* SelectFixedArrayMapper(IJobView* job, const ARRAYDESC* array, int context, CString& error) {
    if (context != kContextRecordField) return Fail(error, "Fixed-size are not supported except as part of records");
    if (array->tdescElem.vt == VT_USERDEFINED) return Fail(error, "User-defined C-arrays are not supported");
    // Only one dimension is supported: a mapper keeps one element count.
    if (array->cDims != 1) return Fail(error, "Multi-dimensional fixed-size array are not supported");
    CTypeMapper* element = nullptr;
    switch (array->tdescElem.vt) {
    case VT_I2: case VT_I4: case VT_R4: case VT_R8: case VT_BOOL: case VT_I1: case VT_UI1:
    case VT_UI2: case VT_UI4: case VT_I8: case VT_INT: case VT_UINT:
        element = ByValueForm(array->tdescElem.vt);
        break;
    default:
        return Fail(error, "Unsupported Fixed-Size Array type");
    }
    return FindOrCreateFixedArrayMapper(job, element, static_cast<int>(array->rgbounds[0].cElements));
}

CTypeMapper* SelectUserDefinedMapper(IJobView* job, ITypeInfo* info, HREFTYPE ref, int level, int kind,
                                     CString& error, int mode) {
    error = "Unable to get type information";
    ITypeInfo* target = nullptr;
    if (FAILED(info->GetRefTypeInfo(ref, &target)) || !target) return nullptr;
    TYPEATTR* attr = nullptr;
    if (FAILED(target->GetTypeAttr(&attr)) || !attr) {
        target->Release();
        return nullptr;
    }
    CString name = TypeInfoName(target);
    CTypeMapper* mapper = FindNamedTypeMapper(job, attr->guid, name, level, kind, error, mode);
    // The colour and GUID mappers take one value, by value or through one
    // pointer: neither has an array form nor a second pointer.
    bool element = kind == kKindArrayElement || kind == kKindRecordFieldArrayElement;
    if (!mapper && error == "Unable to get type information") {
        bool valueType = (attr->typekind == TKIND_ALIAS && IsEqualGUID(attr->guid, kOleColorGuid)) ||
                         (attr->typekind == TKIND_RECORD && name.CompareNoCase("GUID") == 0);
        if (valueType && element) {
            error = "Unsupported Array type";
        } else if (valueType && mode >= 2) {
            error = kNestedPointers;
        } else if (attr->typekind == TKIND_ALIAS && IsEqualGUID(attr->guid, kOleColorGuid)) {
            mapper = mode == 0 ? static_cast<CTypeMapper*>(&g_colorMapper) : &g_colorRefMapper;
        } else if ((attr->typekind == TKIND_ALIAS || attr->typekind == TKIND_DISPATCH ||
                    attr->typekind == TKIND_INTERFACE) &&
                   (IsEqualGUID(attr->guid, kFontGuid1) || IsEqualGUID(attr->guid, kFontGuid2))) {
            // The standard OLE library declares the font types as interfaces.
            error = "Font Types are not supported";
        } else if (attr->typekind == TKIND_ALIAS && !IsAllZeroGuid(attr->guid)) {
            mapper = SelectTypeMapper(target, false, job, &attr->tdescAlias, false, kContextParameter, error);
        } else if (attr->typekind == TKIND_DISPATCH) {
            mapper = FindKnownInterfaceMapper(job, attr->guid, level);
        } else if (attr->typekind == TKIND_RECORD && name.CompareNoCase("GUID") == 0) {
            mapper = mode == 0 ? static_cast<CTypeMapper*>(&g_guidMapper) : &g_guidRefMapper;
        }
        if (!mapper && IsEqualGUID(attr->guid, kEnumVariantGuid)) mapper = &g_enumeratorMarkerMapper;
    }
    target->ReleaseTypeAttr(attr);
    target->Release();
    return mapper;
}

namespace {

// Whether an interface derives from IDispatch (a dispatch interface does):
// its objects' pointers are then their IDispatch.
bool DerivesFromDispatch(ITypeInfo* info) {
    ITypeInfo* current = info;
    if (current) current->AddRef();
    bool dispatch = false;
    for (int depth = 0; current && depth < 64; ++depth) {
        TYPEATTR* attr = nullptr;
        if (FAILED(current->GetTypeAttr(&attr)) || !attr) break;
        bool found = attr->typekind == TKIND_DISPATCH || IsEqualGUID(attr->guid, IID_IDispatch);
        bool hasBase = attr->cImplTypes > 0;
        current->ReleaseTypeAttr(attr);
        if (found) {
            dispatch = true;
            break;
        }
        HREFTYPE ref = 0;
        ITypeInfo* base = nullptr;
        if (!hasBase || FAILED(current->GetRefTypeOfImplType(0, &ref)) || FAILED(current->GetRefTypeInfo(ref, &base))) base = nullptr;
        current->Release();
        current = base;
    }
    if (current) current->Release();
    return dispatch;
}

// The identifier a virtual-table callee's coclass-typed argument is queried
// for: the coclass's default interface ("IID_ITavoILedger"), IID_IDispatch
// where that is an IDispatch the job does not write, empty where there is
// none to ask for.
CString DefaultInterfaceIid(IJobView* job, ITypeInfo* coclass) {
    TYPEATTR* attr = nullptr;
    if (!coclass || FAILED(coclass->GetTypeAttr(&attr)) || !attr) return CString();
    int count = attr->cImplTypes;
    coclass->ReleaseTypeAttr(attr);
    CString iid;
    for (int i = 0; i < count && iid.IsEmpty(); ++i) {
        INT flags = 0;
        HREFTYPE ref = 0;
        ITypeInfo* info = nullptr;
        if (FAILED(coclass->GetImplTypeFlags(static_cast<UINT>(i), &flags))) continue;
        if (!(flags & IMPLTYPEFLAG_FDEFAULT) || (flags & IMPLTYPEFLAG_FSOURCE)) continue;
        if (FAILED(coclass->GetRefTypeOfImplType(static_cast<UINT>(i), &ref)) || FAILED(coclass->GetRefTypeInfo(ref, &info)))
            continue;
        TYPEATTR* defaultAttr = nullptr;
        if (SUCCEEDED(info->GetTypeAttr(&defaultAttr)) && defaultAttr) {
            if (CInterfaceEntry* entry = job->FindInterfaceRecord(defaultAttr->guid))
                iid = "IID_ITavo" + entry->javaName;
            info->ReleaseTypeAttr(defaultAttr);
        }
        if (iid.IsEmpty() && DerivesFromDispatch(info)) iid = "IID_IDispatch";
        info->Release();
        break;
    }
    return iid;
}

// `needsQuery`: the type's objects hold a pointer that is not an IDispatch.
// `vtblQueryIid`: the interface a virtual-table callee gets, where the
// objects' pointer may not be it.
CTypeMapper* ComTypeMapper(IJobView* job, CComTypeEntry* entry, int level, int kind, bool needsQuery,
                           const CString& vtblQueryIid = CString()) {
    if (!entry->level0Mapper) {
        auto* mapper = new CDispatchTypeMapper(job, entry->javaName, 0);
        if (needsQuery) mapper->SetPointerNeedsQuery();
        mapper->SetVtblQueryIid(vtblQueryIid);
        entry->level0Mapper = entry->Own(mapper);
    }
    if (kind == kKindArrayElement || kind == kKindRecordFieldArrayElement) {
        CTypeMapper*& wrapper = level == 0 ? entry->safeArrayMapper : entry->safeArrayRefMapper;
        if (!wrapper) wrapper = entry->Own(new CSafeArrayTypeMapper(entry->level0Mapper, level != 0));
        return wrapper;
    }
    // An interface pointer (level 1) is the interface by value.
    if (level < 2) return entry->level0Mapper;
    if (!entry->level2Mapper) {
        auto* mapper = new CDispatchTypeMapper(job, entry->javaName, 2);
        if (needsQuery) mapper->SetPointerNeedsQuery();
        mapper->SetVtblQueryIid(vtblQueryIid);
        entry->level2Mapper = entry->Own(mapper);
    }
    return entry->level2Mapper;
}

// The record mapper of (flag, mode) of a record, made once per job.
CTypeMapper* FindRecord(IJobView* job, CRecordEntry* record, bool byRef, int mode) {
    for (auto& mapper : record->recordMappers) {
        auto* recordMapper = static_cast<CRecordTypeMapper*>(mapper.get());
        if (recordMapper->IsByRef() == byRef && recordMapper->GetMode() == mode) return recordMapper;
    }
    record->recordMappers.emplace_back(new CRecordTypeMapper(job, record, byRef, mode));
    return record->recordMappers.back().get();
}

}  // namespace

CTypeMapper* FindNamedTypeMapper(IJobView* job, REFGUID guid, const char* name, int level, int kind,
                                 CString& error, int mode) {
    if (!IsAllZeroGuid(guid)) {
        if (CInterfaceEntry* entry = job->FindInterfaceRecord(guid))
            return ComTypeMapper(job, entry, level, kind, !DerivesFromDispatch(entry->info));
        // A coclass object holds its IUnknown; a virtual-table callee expects
        // the coclass's default interface.
        if (CCoclassEntry* entry = job->FindCoclassRecord(guid))
            return ComTypeMapper(job, entry, level, kind, true, DefaultInterfaceIid(job, entry->info));
    }
    CString enumName(name);
    job->EnumRenameTable().Lookup(name, enumName);
    if (CEnumEntry* entry = job->LookupEnum(enumName)) {
        if (!entry->byValueMapper) entry->byValueMapper = entry->Own(new CEnumTypeMapper(job, entry->javaName, 0));
        if (kind == kKindArrayElement || kind == kKindRecordFieldArrayElement) {
            // An array of enumeration values passed by reference is still an
            // array: its holder, never a single value.
            CTypeMapper*& wrapper = level == 0 ? entry->safeArrayMapper : entry->safeArrayRefMapper;
            if (!wrapper) wrapper = entry->Own(new CSafeArrayTypeMapper(entry->byValueMapper, level != 0));
            return wrapper;
        }
        if (level == 0) return entry->byValueMapper;
        // The enumeration's mappers pass its value, or a pointer to it: a
        // pointer to that pointer has no form of theirs.
        if (mode >= 2) return Fail(error, kNestedPointers);
        if (!entry->byRefMapper) entry->byRefMapper = entry->Own(new CEnumTypeMapper(job, entry->javaName, level));
        return entry->byRefMapper;
    }
    CString recordName(name);
    job->RecordRenameTable().Lookup(name, recordName);
    if (CRecordEntry* record = job->LookupRecord(recordName)) {
        if (kind == kKindRecordFieldArrayElement)
            return Fail(error, "Nested record types in arrays of records are not supported");
        if (kind == kKindArrayElement) {
            CTypeMapper*& arrayMapper = level == 0 ? record->arrayMapper : record->arrayRefMapper;
            if (!arrayMapper)
                arrayMapper = record->Own(new CRecordArrayTypeMapper(static_cast<CRecordTypeMapper*>(FindRecord(job, record, false, 0)), level != 0));
            return arrayMapper;
        }
        return FindRecord(job, record, mode != 0 && kind != kKindRecordField, mode);
    }
    CTypeMapper* alias = nullptr;
    if (job->AliasMapperTable().Lookup(name, alias)) return alias;
    return nullptr;
}

CTypeMapper* FindKnownInterfaceMapper(IJobView* job, REFGUID guid, int level) {
    for (int row = 0; row < kKnownInterfaceCount; ++row) {
        const CKnownInterfaceRow& known = KnownInterfaceTable[row];
        if (!IsEqualGUID(known.id, guid)) continue;
        // An interface pointer (level 1) is the interface by value, as for
        // the library's own interfaces; only a pointer to one is by reference.
        int slot = level >= 2 ? 2 : 0;
        CTypeMapper*& cached = job->KnownInterfaceMapper(row, slot);
        if (!cached)
            cached = job->OwnMapper(new CKnownInterfaceTypeMapper(job, known.libraryShortName, known.interfaceName, slot));
        return cached;
    }
    return nullptr;
}

namespace {

// A type that only virtual calls can pass: flagged, and refused on the
// Invoke path (the interface's type information goes to the caller, which
// may take the function through the virtual table instead).
bool AcceptsVirtualCallOnly(CTypeMapper* mapper, bool virtualCall, bool* virtualCallOnly, ITypeInfo* info,
                            ITypeInfo** interfaceInfoOut, CString& error) {
    if (!mapper->IsVirtualCallOnly()) return true;
    if (virtualCallOnly) *virtualCallOnly = true;
    if (virtualCall) return true;
    if (interfaceInfoOut) {
        info->AddRef();
        *interfaceInfoOut = info;
    }
    error = "Type is only supported for virtual calls (set preference from top-left menu of builder)";
    return false;
}

}  // namespace

bool CheckParameters(IJobView* job, bool virtualCall, bool* virtualCallOnly, ITypeInfo* info, ITypeInfo** interfaceInfoOut,
                     int& paramCount, const FUNCDESC* func, std::vector<CTypeMapper*>& paramMappers,
                     CTypeMapper** resultMapper, CString& error) {
    paramMappers.clear();
    if (paramCount > kMaxParameters) {
        error = "Too many parameters";
        return false;
    }
    CTypeMapper* retvalMapper = nullptr;
    for (int i = 0; i < paramCount; ++i) {
        const ELEMDESC& param = func->lprgelemdescParam[i];
        USHORT flags = param.paramdesc.wParamFlags;
        bool out = (flags & PARAMFLAG_FOUT) != 0;
        CTypeMapper* mapper = virtualCall
                                  ? SelectVtblParamMapper(info, false, job, &param.tdesc, out, kContextParameter, error)
                                  : SelectTypeMapper(info, false, job, &param.tdesc, out, kContextParameter, error);
        if (!mapper) return false;
        if (!AcceptsVirtualCallOnly(mapper, virtualCall, virtualCallOnly, info, interfaceInfoOut, error)) return false;
        if (virtualCall && i == paramCount - 1 && (flags & PARAMFLAG_FOUT) && (flags & PARAMFLAG_FRETVAL)) {
            // The pointer of a result designates one value: behind a byte
            // pointer a byte, which the callee writes, not a buffer.
            retvalMapper = mapper == &g_signedByteBufferMapper     ? &g_signedByteRefMapper
                           : mapper == &g_unsignedByteBufferMapper ? &g_byteRefMapper
                                                                   : mapper;
            break;
        }
        paramMappers.push_back(mapper);
    }
    if (retvalMapper) --paramCount;
    if (resultMapper) {
        if (retvalMapper) {
            *resultMapper = retvalMapper;
        } else {
            *resultMapper = SelectTypeMapper(info, true, job, &func->elemdescFunc.tdesc, false, kContextParameter, error);
            if (!*resultMapper) return false;
            // A result that only a virtual call can take (an LPSTR: no
            // VARIANT carries one) is held to the parameters' rule.
            if (!AcceptsVirtualCallOnly(*resultMapper, virtualCall, virtualCallOnly, info, interfaceInfoOut, error))
                return false;
        }
    }
    return true;
}

CFixedArrayTypeMapper* FindOrCreateFixedArrayMapper(IJobView* job, CTypeMapper* element, int count) {
    return job->FixedArrayMapper(element, count);
}
