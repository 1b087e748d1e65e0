// SAFEARRAY: a descriptor with one bound per dimension (rightmost dimension
// first) and a data block in which the leftmost dimension varies fastest.
// Every descriptor is allocated with 16 bytes in front of it, where the
// element type (4 bytes before), the record information (4 bytes before) or
// the interface IID (16 bytes before) is kept, as the feature flags say.
#include <oleauto.h>

#include <cstdlib>
#include <cstring>

namespace {
const size_t kPrefix = 16;
const ULONG kMaxLocks = 65535;

char* BlockOf(SAFEARRAY* array) { return reinterpret_cast<char*>(array) - kPrefix; }
VARTYPE* StoredType(SAFEARRAY* array) { return reinterpret_cast<VARTYPE*>(BlockOf(array) + 12); }
IRecordInfo** StoredRecordInfo(SAFEARRAY* array) { return reinterpret_cast<IRecordInfo**>(BlockOf(array) + 12); }
GUID* StoredIid(SAFEARRAY* array) { return reinterpret_cast<GUID*>(BlockOf(array)); }

// Element size of a type a SAFEARRAY may hold, or 0.
ULONG ElementSize(VARTYPE vt) {
    switch (vt) {
    case VT_I1:
    case VT_UI1: return 1;
    case VT_I2:
    case VT_UI2:
    case VT_BOOL: return 2;
    case VT_I4:
    case VT_UI4:
    case VT_INT:
    case VT_UINT:
    case VT_R4:
    case VT_ERROR:
    case VT_BSTR:
    case VT_DISPATCH:
    case VT_UNKNOWN: return 4;
    case VT_I8:
    case VT_UI8:
    case VT_R8:
    case VT_CY:
    case VT_DATE: return 8;
    case VT_VARIANT: return sizeof(VARIANT);
    case VT_DECIMAL: return sizeof(DECIMAL);
    default: return 0;
    }
}

ULONG ElementCount(const SAFEARRAY* array) {
    unsigned long long count = 1;
    for (USHORT d = 0; d < array->cDims; ++d) count *= array->rgsabound[d].cElements;
    return count > 0xFFFFFFFFull ? 0xFFFFFFFFu : static_cast<ULONG>(count);
}

// Sets the type and its feature flags on a fresh descriptor.
void SetType(SAFEARRAY* array, VARTYPE vt) {
    switch (vt) {
    case VT_DISPATCH:
        array->fFeatures |= FADF_DISPATCH | FADF_HAVEIID;
        *StoredIid(array) = IID_IDispatch;
        break;
    case VT_UNKNOWN:
        array->fFeatures |= FADF_UNKNOWN | FADF_HAVEIID;
        *StoredIid(array) = IID_IUnknown;
        break;
    case VT_RECORD:
        array->fFeatures |= FADF_RECORD;
        *StoredRecordInfo(array) = nullptr;
        break;
    default:
        array->fFeatures |= FADF_HAVEVARTYPE;
        if (vt == VT_BSTR) array->fFeatures |= FADF_BSTR;
        if (vt == VT_VARIANT) array->fFeatures |= FADF_VARIANT;
        *StoredType(array) = vt;
        break;
    }
}

// Releases what the elements own (strings, references, variants, records)
// and zeroes them.
void ClearElements(SAFEARRAY* array) {
    if (!array->pvData) return;
    ULONG count = ElementCount(array);
    char* data = static_cast<char*>(array->pvData);
    if (array->fFeatures & FADF_BSTR) {
        for (ULONG i = 0; i < count; ++i) SysFreeString(reinterpret_cast<BSTR*>(data)[i]);
    } else if (array->fFeatures & (FADF_UNKNOWN | FADF_DISPATCH)) {
        for (ULONG i = 0; i < count; ++i) {
            IUnknown* object = reinterpret_cast<IUnknown**>(data)[i];
            if (object) object->Release();
        }
    } else if (array->fFeatures & FADF_VARIANT) {
        for (ULONG i = 0; i < count; ++i) VariantClear(reinterpret_cast<VARIANT*>(data) + i);
    } else if ((array->fFeatures & FADF_RECORD) && *StoredRecordInfo(array)) {
        IRecordInfo* info = *StoredRecordInfo(array);
        for (ULONG i = 0; i < count; ++i) info->RecordClear(data + i * array->cbElements);
    }
    std::memset(data, 0, static_cast<size_t>(count) * array->cbElements);
}

HRESULT CopyElement(SAFEARRAY* array, const void* from, void* to) {
    if (array->fFeatures & FADF_BSTR) {
        BSTR source = *static_cast<const BSTR*>(from);
        BSTR copy = nullptr;
        if (source) {
            copy = SysAllocStringByteLen(reinterpret_cast<LPCSTR>(source), SysStringByteLen(source));
            if (!copy) return E_OUTOFMEMORY;
        }
        *static_cast<BSTR*>(to) = copy;
    } else if (array->fFeatures & (FADF_UNKNOWN | FADF_DISPATCH)) {
        IUnknown* object = *static_cast<IUnknown* const*>(from);
        if (object) object->AddRef();
        *static_cast<IUnknown**>(to) = object;
    } else if (array->fFeatures & FADF_VARIANT) {
        VariantInit(static_cast<VARIANT*>(to));
        return VariantCopy(static_cast<VARIANT*>(to), static_cast<const VARIANT*>(from));
    } else if ((array->fFeatures & FADF_RECORD) && *StoredRecordInfo(array)) {
        return (*StoredRecordInfo(array))->RecordCopy(const_cast<void*>(from), to);
    } else {
        std::memcpy(to, from, array->cbElements);
    }
    return S_OK;
}

HRESULT Allocate(VARTYPE vt, UINT dims, SAFEARRAY** out) {
    if (!out) return E_POINTER;
    *out = nullptr;
    if (dims == 0 || dims > 65535) return E_INVALIDARG;
    size_t size = kPrefix + sizeof(SAFEARRAY) + (dims - 1) * sizeof(SAFEARRAYBOUND);
    char* block = static_cast<char*>(std::calloc(1, size));
    if (!block) return E_OUTOFMEMORY;
    SAFEARRAY* array = reinterpret_cast<SAFEARRAY*>(block + kPrefix);
    array->cDims = static_cast<USHORT>(dims);
    if (vt != VT_EMPTY) SetType(array, vt);
    *out = array;
    return S_OK;
}

SAFEARRAY* Create(VARTYPE vt, UINT dims, const SAFEARRAYBOUND* bounds, IRecordInfo* recordInfo) {
    ULONG size = 0;
    if (vt == VT_RECORD) {
        if (!recordInfo || FAILED(recordInfo->GetSize(&size))) return nullptr;
    } else {
        size = ElementSize(vt);
    }
    if (!size || !bounds) return nullptr;
    SAFEARRAY* array;
    if (FAILED(Allocate(vt, dims, &array))) return nullptr;
    array->cbElements = size;
    // The caller lists the leftmost dimension first; the descriptor keeps the
    // rightmost first.
    for (UINT d = 0; d < dims; ++d) array->rgsabound[dims - 1 - d] = bounds[d];
    if (vt == VT_RECORD) {
        recordInfo->AddRef();
        *StoredRecordInfo(array) = recordInfo;
    }
    if (FAILED(SafeArrayAllocData(array))) {
        SafeArrayDestroyDescriptor(array);
        return nullptr;
    }
    return array;
}
}  // namespace

extern "C" HRESULT WINAPI SafeArrayAllocDescriptor(UINT dims, SAFEARRAY** out) { return Allocate(VT_EMPTY, dims, out); }

extern "C" HRESULT WINAPI SafeArrayAllocDescriptorEx(VARTYPE vt, UINT dims, SAFEARRAY** out) {
    if (vt != VT_RECORD && !ElementSize(vt)) return E_INVALIDARG;
    HRESULT hr = Allocate(vt, dims, out);
    if (SUCCEEDED(hr)) (*out)->cbElements = ElementSize(vt);
    return hr;
}

extern "C" HRESULT WINAPI SafeArrayAllocData(SAFEARRAY* array) {
    if (!array || !array->cbElements) return E_INVALIDARG;
    unsigned long long bytes = static_cast<unsigned long long>(ElementCount(array)) * array->cbElements;
    if (bytes > 0x7FFFFFFFull) return E_OUTOFMEMORY;
    array->pvData = std::calloc(1, bytes ? static_cast<size_t>(bytes) : 1);
    return array->pvData ? S_OK : E_OUTOFMEMORY;
}

extern "C" SAFEARRAY* WINAPI SafeArrayCreate(VARTYPE vt, UINT dims, SAFEARRAYBOUND* bounds) {
    if (vt == VT_RECORD) return nullptr;  // needs its record information: SafeArrayCreateEx
    return Create(vt, dims, bounds, nullptr);
}

extern "C" SAFEARRAY* WINAPI SafeArrayCreateEx(VARTYPE vt, UINT dims, SAFEARRAYBOUND* bounds, PVOID extra) {
    return Create(vt, dims, bounds, vt == VT_RECORD ? static_cast<IRecordInfo*>(extra) : nullptr);
}

extern "C" SAFEARRAY* WINAPI SafeArrayCreateVector(VARTYPE vt, LONG lowerBound, ULONG elements) {
    SAFEARRAYBOUND bound = {elements, lowerBound};
    return SafeArrayCreate(vt, 1, &bound);
}

extern "C" SAFEARRAY* WINAPI SafeArrayCreateVectorEx(VARTYPE vt, LONG lowerBound, ULONG elements, PVOID extra) {
    SAFEARRAYBOUND bound = {elements, lowerBound};
    return SafeArrayCreateEx(vt, 1, &bound, extra);
}

extern "C" HRESULT WINAPI SafeArrayDestroyData(SAFEARRAY* array) {
    if (!array) return E_INVALIDARG;
    if (array->cLocks) return DISP_E_ARRAYISLOCKED;
    ClearElements(array);
    if (!(array->fFeatures & (FADF_STATIC | FADF_EMBEDDED | FADF_AUTO))) {
        std::free(array->pvData);
        array->pvData = nullptr;
    }
    return S_OK;
}

extern "C" HRESULT WINAPI SafeArrayDestroyDescriptor(SAFEARRAY* array) {
    if (!array) return E_INVALIDARG;
    if (array->cLocks) return DISP_E_ARRAYISLOCKED;
    if ((array->fFeatures & FADF_RECORD) && *StoredRecordInfo(array)) (*StoredRecordInfo(array))->Release();
    std::free(BlockOf(array));
    return S_OK;
}

extern "C" HRESULT WINAPI SafeArrayDestroy(SAFEARRAY* array) {
    if (!array) return S_OK;
    if (array->cLocks) return DISP_E_ARRAYISLOCKED;
    HRESULT hr = SafeArrayDestroyData(array);
    if (FAILED(hr)) return hr;
    return SafeArrayDestroyDescriptor(array);
}

extern "C" HRESULT WINAPI SafeArrayCopy(SAFEARRAY* array, SAFEARRAY** out) {
    if (!out) return E_INVALIDARG;
    *out = nullptr;
    if (!array) return S_OK;
    SAFEARRAY* copy;
    HRESULT hr = Allocate(VT_EMPTY, array->cDims, &copy);
    if (FAILED(hr)) return hr;
    std::memcpy(BlockOf(copy), BlockOf(array), kPrefix);
    copy->fFeatures = array->fFeatures & ~(FADF_AUTO | FADF_STATIC | FADF_EMBEDDED | FADF_FIXEDSIZE);
    copy->cbElements = array->cbElements;
    std::memcpy(copy->rgsabound, array->rgsabound, array->cDims * sizeof(SAFEARRAYBOUND));
    if ((copy->fFeatures & FADF_RECORD) && *StoredRecordInfo(copy)) (*StoredRecordInfo(copy))->AddRef();
    if (array->pvData) {
        hr = SafeArrayAllocData(copy);
        ULONG count = ElementCount(array);
        for (ULONG i = 0; SUCCEEDED(hr) && i < count; ++i)
            hr = CopyElement(array, static_cast<char*>(array->pvData) + i * array->cbElements,
                             static_cast<char*>(copy->pvData) + i * array->cbElements);
        if (FAILED(hr)) {
            SafeArrayDestroy(copy);
            return hr;
        }
    }
    *out = copy;
    return S_OK;
}

extern "C" HRESULT WINAPI SafeArrayLock(SAFEARRAY* array) {
    if (!array) return E_INVALIDARG;
    if (array->cLocks >= kMaxLocks) return E_UNEXPECTED;
    ++array->cLocks;
    return S_OK;
}

extern "C" HRESULT WINAPI SafeArrayUnlock(SAFEARRAY* array) {
    if (!array) return E_INVALIDARG;
    if (array->cLocks == 0) return E_UNEXPECTED;
    --array->cLocks;
    return S_OK;
}

extern "C" HRESULT WINAPI SafeArrayAccessData(SAFEARRAY* array, void** data) {
    if (!array || !data) return E_INVALIDARG;
    HRESULT hr = SafeArrayLock(array);
    *data = SUCCEEDED(hr) ? array->pvData : nullptr;
    return hr;
}

extern "C" HRESULT WINAPI SafeArrayUnaccessData(SAFEARRAY* array) { return SafeArrayUnlock(array); }

extern "C" UINT WINAPI SafeArrayGetDim(SAFEARRAY* array) { return array ? array->cDims : 0; }

extern "C" UINT WINAPI SafeArrayGetElemsize(SAFEARRAY* array) { return array ? array->cbElements : 0; }

extern "C" HRESULT WINAPI SafeArrayGetVartype(SAFEARRAY* array, VARTYPE* vt) {
    if (!array || !vt) return E_INVALIDARG;
    if (array->fFeatures & FADF_RECORD)
        *vt = VT_RECORD;
    else if (array->fFeatures & FADF_HAVEIID)
        *vt = (array->fFeatures & FADF_DISPATCH) ? VT_DISPATCH : VT_UNKNOWN;
    else if (array->fFeatures & FADF_HAVEVARTYPE)
        *vt = *StoredType(array);
    else
        return E_INVALIDARG;
    return S_OK;
}

// The record information of an array of records, with a reference for the
// caller.
extern "C" HRESULT WINAPI SafeArrayGetRecordInfo(SAFEARRAY* array, IRecordInfo** recordInfo) {
    if (!array || !recordInfo || !(array->fFeatures & FADF_RECORD)) return E_INVALIDARG;
    *recordInfo = *StoredRecordInfo(array);
    if (*recordInfo) (*recordInfo)->AddRef();
    return S_OK;
}

// Dimensions are numbered from 1, the leftmost first.
extern "C" HRESULT WINAPI SafeArrayGetLBound(SAFEARRAY* array, UINT dim, LONG* lowerBound) {
    if (!array || !lowerBound) return E_INVALIDARG;
    if (dim < 1 || dim > array->cDims) return DISP_E_BADINDEX;
    *lowerBound = array->rgsabound[array->cDims - dim].lLbound;
    return S_OK;
}

extern "C" HRESULT WINAPI SafeArrayGetUBound(SAFEARRAY* array, UINT dim, LONG* upperBound) {
    if (!array || !upperBound) return E_INVALIDARG;
    if (dim < 1 || dim > array->cDims) return DISP_E_BADINDEX;
    const SAFEARRAYBOUND& bound = array->rgsabound[array->cDims - dim];
    *upperBound = static_cast<LONG>(bound.lLbound + static_cast<long long>(bound.cElements) - 1);
    return S_OK;
}

// `indices` lists the leftmost dimension's index first; that dimension varies
// fastest in the data.
extern "C" HRESULT WINAPI SafeArrayPtrOfIndex(SAFEARRAY* array, LONG* indices, void** element) {
    if (!array || !indices || !element) return E_INVALIDARG;
    if (!array->pvData) return E_INVALIDARG;
    unsigned long long offset = 0, stride = 1;
    for (USHORT i = 0; i < array->cDims; ++i) {
        const SAFEARRAYBOUND& bound = array->rgsabound[array->cDims - 1 - i];
        long long position = static_cast<long long>(indices[i]) - bound.lLbound;
        if (position < 0 || position >= static_cast<long long>(bound.cElements)) return DISP_E_BADINDEX;
        offset += static_cast<unsigned long long>(position) * stride;
        stride *= bound.cElements;
    }
    *element = static_cast<char*>(array->pvData) + offset * array->cbElements;
    return S_OK;
}

extern "C" HRESULT WINAPI SafeArrayGetElement(SAFEARRAY* array, LONG* indices, void* value) {
    if (!value) return E_INVALIDARG;
    void* element;
    HRESULT hr = SafeArrayPtrOfIndex(array, indices, &element);
    if (FAILED(hr)) return hr;
    SafeArrayLock(array);
    hr = CopyElement(array, element, value);
    SafeArrayUnlock(array);
    return hr;
}

// Strings and interfaces are passed as themselves, everything else by
// address.
extern "C" HRESULT WINAPI SafeArrayPutElement(SAFEARRAY* array, LONG* indices, void* value) {
    void* element;
    HRESULT hr = SafeArrayPtrOfIndex(array, indices, &element);
    if (FAILED(hr)) return hr;
    SafeArrayLock(array);
    if (array->fFeatures & FADF_BSTR) {
        BSTR source = static_cast<BSTR>(value);
        BSTR copy = nullptr;
        if (source) copy = SysAllocStringByteLen(reinterpret_cast<LPCSTR>(source), SysStringByteLen(source));
        if (source && !copy) {
            hr = E_OUTOFMEMORY;
        } else {
            SysFreeString(*static_cast<BSTR*>(element));
            *static_cast<BSTR*>(element) = copy;
        }
    } else if (array->fFeatures & (FADF_UNKNOWN | FADF_DISPATCH)) {
        IUnknown* object = static_cast<IUnknown*>(value);
        if (object) object->AddRef();
        IUnknown*& slot = *static_cast<IUnknown**>(element);
        if (slot) slot->Release();
        slot = object;
    } else if (!value) {
        hr = E_INVALIDARG;
    } else if (array->fFeatures & FADF_VARIANT) {
        hr = VariantCopy(static_cast<VARIANT*>(element), static_cast<VARIANT*>(value));
    } else if ((array->fFeatures & FADF_RECORD) && *StoredRecordInfo(array)) {
        IRecordInfo* info = *StoredRecordInfo(array);
        info->RecordClear(element);
        hr = info->RecordCopy(value, element);
    } else {
        std::memcpy(element, value, array->cbElements);
    }
    SafeArrayUnlock(array);
    return hr;
}
