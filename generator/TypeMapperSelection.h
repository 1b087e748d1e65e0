// Selection of the mapper that converts a COM type description: the only
// place that switches on VARTYPE. A failed selection returns null and leaves
// its message in the error text.
#pragma once

#include "BrvString.h"
#include "mappers/TypeMapper.h"

#include <windows.h>
#include <oaidl.h>

#include <vector>

class IJobView;
class CFixedArrayTypeMapper;

// Contexts of a selection: a parameter or result, or a record field.
enum { kContextParameter = 1, kContextRecordField = 2 };
// Kinds of a named-type request.
enum { kKindParameter = 1, kKindRecordField = 2, kKindArrayElement = 3, kKindRecordFieldArrayElement = 4 };
// The most parameters a function may have.
constexpr int kMaxParameters = 100;

// The job's generic IUnknown/IDispatch mappers: the Invoke path's of an
// IDispatch or (vt) IUnknown value, the virtual-call path's per level.
CTypeMapper* SelectInvokeInterfaceMapper(IJobView* job, bool byRef, VARTYPE vt = VT_DISPATCH);
CTypeMapper* SelectInterfaceMapper(IJobView* job, int level);

CTypeMapper* SelectTypeMapper(ITypeInfo* info, bool isResult, IJobView* job, const TYPEDESC* desc,
                              bool out, int context, CString& error);
CTypeMapper* SelectVtblParamMapper(ITypeInfo* info, bool isResult, IJobView* job, const TYPEDESC* desc,
                                   bool out, int context, CString& error);
CTypeMapper* SelectSafeArrayMapper(bool byRef, ITypeInfo* info, IJobView* job, const TYPEDESC* element,
                                   bool out, int context, bool isResult, CString& error);
CTypeMapper* SelectFixedArrayMapper(IJobView* job, const ARRAYDESC* array, int context, CString& error);
CTypeMapper* SelectUserDefinedMapper(IJobView* job, ITypeInfo* info, HREFTYPE ref, int level, int kind,
                                     CString& error, int mode);
CTypeMapper* FindNamedTypeMapper(IJobView* job, REFGUID guid, const char* name, int level, int kind,
                                 CString& error, int mode);
CTypeMapper* FindKnownInterfaceMapper(IJobView* job, REFGUID guid, int level);
CTypeMapper* SelectSmallIntMapper(VARTYPE vt);

// Selects the mappers of a function's parameters (on the virtual-call path
// or the Invoke path) and of its result. paramMappers receives one mapper
// per parameter; paramCount goes in as the function's count and comes out
// reduced by one when the last parameter is the virtual call's result.
bool CheckParameters(IJobView* job, bool virtualCall, bool* virtualCallOnly, ITypeInfo* info, ITypeInfo** interfaceInfoOut,
                     int& paramCount, const FUNCDESC* func, std::vector<CTypeMapper*>& paramMappers,
                     CTypeMapper** resultMapper, CString& error);

// The job's fixed-array mapper of (element mapper, count), one per pair in a
// run.
CFixedArrayTypeMapper* FindOrCreateFixedArrayMapper(IJobView* job, CTypeMapper* element, int count);
