/* OLE Automation functions: BSTR, VARIANT, SAFEARRAY, dates and active
 * objects, plus the V_ accessors of VARIANT. */
#ifndef BRIVEL_COMPAT_OLEAUTO_H
#define BRIVEL_COMPAT_OLEAUTO_H

#include "oaidl.h"
#include "winbase.h"

#ifdef __cplusplus
extern "C" {

/* Strings. */
BSTR WINAPI SysAllocString(const OLECHAR* text);
BSTR WINAPI SysAllocStringLen(const OLECHAR* text, UINT length);
BSTR WINAPI SysAllocStringByteLen(LPCSTR bytes, UINT length);
INT WINAPI SysReAllocString(BSTR* bstr, const OLECHAR* text);
INT WINAPI SysReAllocStringLen(BSTR* bstr, const OLECHAR* text, UINT length);
void WINAPI SysFreeString(BSTR bstr);
UINT WINAPI SysStringLen(BSTR bstr);
UINT WINAPI SysStringByteLen(BSTR bstr);

/* Variants. */
#define VARIANT_NOVALUEPROP 0x01
#define VARIANT_ALPHABOOL 0x02
#define VARIANT_NOUSEROVERRIDE 0x04
#define VARIANT_LOCALBOOL 0x10

void WINAPI VariantInit(VARIANTARG* variant);
HRESULT WINAPI VariantClear(VARIANTARG* variant);
HRESULT WINAPI VariantCopy(VARIANTARG* dest, const VARIANTARG* source);
HRESULT WINAPI VariantCopyInd(VARIANT* dest, const VARIANTARG* source);
HRESULT WINAPI VariantChangeType(VARIANTARG* dest, VARIANTARG* source, USHORT flags, VARTYPE vt);
HRESULT WINAPI VariantChangeTypeEx(VARIANTARG* dest, VARIANTARG* source, LCID lcid, USHORT flags,
                                   VARTYPE vt);

/* Safe arrays. */
SAFEARRAY* WINAPI SafeArrayCreate(VARTYPE vt, UINT dims, SAFEARRAYBOUND* bounds);
SAFEARRAY* WINAPI SafeArrayCreateVector(VARTYPE vt, LONG lowerBound, ULONG elements);
/* Arrays of records: `extra` is the IRecordInfo of the element type. */
SAFEARRAY* WINAPI SafeArrayCreateEx(VARTYPE vt, UINT dims, SAFEARRAYBOUND* bounds, PVOID extra);
SAFEARRAY* WINAPI SafeArrayCreateVectorEx(VARTYPE vt, LONG lowerBound, ULONG elements, PVOID extra);
HRESULT WINAPI SafeArrayAllocDescriptor(UINT dims, SAFEARRAY** out);
HRESULT WINAPI SafeArrayAllocDescriptorEx(VARTYPE vt, UINT dims, SAFEARRAY** out);
HRESULT WINAPI SafeArrayAllocData(SAFEARRAY* array);
HRESULT WINAPI SafeArrayDestroy(SAFEARRAY* array);
HRESULT WINAPI SafeArrayDestroyData(SAFEARRAY* array);
HRESULT WINAPI SafeArrayDestroyDescriptor(SAFEARRAY* array);
HRESULT WINAPI SafeArrayCopy(SAFEARRAY* array, SAFEARRAY** out);
HRESULT WINAPI SafeArrayLock(SAFEARRAY* array);
HRESULT WINAPI SafeArrayUnlock(SAFEARRAY* array);
HRESULT WINAPI SafeArrayAccessData(SAFEARRAY* array, void** data);
HRESULT WINAPI SafeArrayUnaccessData(SAFEARRAY* array);
UINT WINAPI SafeArrayGetDim(SAFEARRAY* array);
UINT WINAPI SafeArrayGetElemsize(SAFEARRAY* array);
HRESULT WINAPI SafeArrayGetVartype(SAFEARRAY* array, VARTYPE* vt);
HRESULT WINAPI SafeArrayGetRecordInfo(SAFEARRAY* array, IRecordInfo** recordInfo);
HRESULT WINAPI SafeArrayGetLBound(SAFEARRAY* array, UINT dim, LONG* lowerBound);
HRESULT WINAPI SafeArrayGetUBound(SAFEARRAY* array, UINT dim, LONG* upperBound);
HRESULT WINAPI SafeArrayPtrOfIndex(SAFEARRAY* array, LONG* indices, void** element);
HRESULT WINAPI SafeArrayGetElement(SAFEARRAY* array, LONG* indices, void* value);
HRESULT WINAPI SafeArrayPutElement(SAFEARRAY* array, LONG* indices, void* value);

/* Dates. */
INT WINAPI SystemTimeToVariantTime(LPSYSTEMTIME systemTime, DATE* date);
INT WINAPI VariantTimeToSystemTime(DATE date, LPSYSTEMTIME systemTime);

/* Record information from a registered type library. This layer loads no
   type libraries: every library counts as not registered. */
HRESULT WINAPI GetRecordInfoFromGuids(REFGUID libraryGuid, ULONG verMajor, ULONG verMinor, LCID lcid,
                                      REFGUID typeGuid, IRecordInfo** recordInfo);

/* Active objects, registered by class within this process. */
#define ACTIVEOBJECT_STRONG 0x0
#define ACTIVEOBJECT_WEAK 0x1
HRESULT WINAPI RegisterActiveObject(IUnknown* object, REFCLSID clsid, DWORD flags, DWORD* registration);
HRESULT WINAPI RevokeActiveObject(DWORD registration, void* reserved);
HRESULT WINAPI GetActiveObject(REFCLSID clsid, void* reserved, IUnknown** object);
}
#endif /* __cplusplus */

/* VARIANT accessors. */
#define V_UNION(X, Y) ((X)->Y)
#define V_VT(X) ((X)->vt)
#define V_RECORDINFO(X) ((X)->pRecInfo)
#define V_RECORD(X) ((X)->pvRecord)
#define V_ISBYREF(X) (V_VT(X) & VT_BYREF)
#define V_ISARRAY(X) (V_VT(X) & VT_ARRAY)
#define V_ISVECTOR(X) (V_VT(X) & VT_VECTOR)
#define V_NONE(X) V_I2(X)
#define V_UI1(X) V_UNION(X, bVal)
#define V_UI1REF(X) V_UNION(X, pbVal)
#define V_I2(X) V_UNION(X, iVal)
#define V_I2REF(X) V_UNION(X, piVal)
#define V_I4(X) V_UNION(X, lVal)
#define V_I4REF(X) V_UNION(X, plVal)
#define V_I8(X) V_UNION(X, llVal)
#define V_I8REF(X) V_UNION(X, pllVal)
#define V_R4(X) V_UNION(X, fltVal)
#define V_R4REF(X) V_UNION(X, pfltVal)
#define V_R8(X) V_UNION(X, dblVal)
#define V_R8REF(X) V_UNION(X, pdblVal)
#define V_I1(X) V_UNION(X, cVal)
#define V_I1REF(X) V_UNION(X, pcVal)
#define V_UI2(X) V_UNION(X, uiVal)
#define V_UI2REF(X) V_UNION(X, puiVal)
#define V_UI4(X) V_UNION(X, ulVal)
#define V_UI4REF(X) V_UNION(X, pulVal)
#define V_UI8(X) V_UNION(X, ullVal)
#define V_UI8REF(X) V_UNION(X, pullVal)
#define V_INT(X) V_UNION(X, intVal)
#define V_INTREF(X) V_UNION(X, pintVal)
#define V_UINT(X) V_UNION(X, uintVal)
#define V_UINTREF(X) V_UNION(X, puintVal)
#define V_INT_PTR(X) V_UNION(X, intVal)
#define V_UINT_PTR(X) V_UNION(X, uintVal)
#define V_CY(X) V_UNION(X, cyVal)
#define V_CYREF(X) V_UNION(X, pcyVal)
#define V_DATE(X) V_UNION(X, date)
#define V_DATEREF(X) V_UNION(X, pdate)
#define V_BSTR(X) V_UNION(X, bstrVal)
#define V_BSTRREF(X) V_UNION(X, pbstrVal)
#define V_DISPATCH(X) V_UNION(X, pdispVal)
#define V_DISPATCHREF(X) V_UNION(X, ppdispVal)
#define V_ERROR(X) V_UNION(X, scode)
#define V_ERRORREF(X) V_UNION(X, pscode)
#define V_BOOL(X) V_UNION(X, boolVal)
#define V_BOOLREF(X) V_UNION(X, pboolVal)
#define V_UNKNOWN(X) V_UNION(X, punkVal)
#define V_UNKNOWNREF(X) V_UNION(X, ppunkVal)
#define V_VARIANTREF(X) V_UNION(X, pvarVal)
#define V_ARRAY(X) V_UNION(X, parray)
#define V_ARRAYREF(X) V_UNION(X, pparray)
#define V_BYREF(X) V_UNION(X, byref)
#define V_DECIMAL(X) ((X)->decVal)
#define V_DECIMALREF(X) V_UNION(X, pdecVal)

#endif
