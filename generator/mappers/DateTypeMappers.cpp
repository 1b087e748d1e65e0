// Conversion fragments of the eight-byte values: DATE and FILETIME <->
// java.util.Date, CY <-> Java long (the scaled 64-bit integer unchanged).
#include "ShapeTypeMappers.h"

#include <oleauto.h>

// An optional parameter's default: the value part of its VARIANT (words 2
// and 3) written over the local's two words. A type library may store a
// date's default as a number of another type (an integer day count): it is
// converted to the parameter's type first, so that its words are a date's.
static void WriteDefaultWords(FILE* f, int n, const VARIANT* defaultValue, const char* indent, VARTYPE type = VT_EMPTY) {
    VARIANT converted;
    VariantInit(&converted);
    if (type != VT_EMPTY && defaultValue->vt != type &&
        SUCCEEDED(VariantChangeType(&converted, const_cast<VARIANT*>(defaultValue), 0, type)))
        defaultValue = &converted;
    const DWORD* words = reinterpret_cast<const DWORD*>(defaultValue);
    for (int i = 0; i < 2; ++i)
        fprintf(f, "%s((DWORD *)&temp__%d)[%d] = 0x%x;\n", indent, n, i, static_cast<unsigned>(words[2 + i]));
    VariantClear(&converted);
}

// ---- DATE

void CDateTypeMapper::EmitInvokeArgument(const CMapperCall&, int n, int v, bool outOnly, const char* x, bool, const VARIANT* def, FILE* f) {
    if (def && !outOnly) {
        fprintf(f, "\tDATE temp__%d;\n", n);
        fprintf(f, "\tif ( %s == 0 ) {\n", x);
        WriteDefaultWords(f, n, def, "\t\t", VT_DATE);
        fputs("\t} else\n", f);
        fprintf(f, "\t\ttemp__%d = brivelJdateToDate( env, (jobject) %s );\n", n, x);
    } else if (m_byRef && outOnly) {
        fprintf(f, "\tDATE temp__%d = 0;\n", n);
    } else {
        fprintf(f, "\tDATE temp__%d = brivelJdateToDate( env, (jobject) %s );\n", n, x);
    }
    if (m_byRef) {
        fprintf(f, "\tvargs[%d].vt = VT_BYREF | VT_DATE;\n", v);
        fprintf(f, "\tV_DATEREF( &vargs[%d ] ) = &temp__%d;\n", v, n);
    } else {
        fprintf(f, "\tvargs[%d].vt = VT_DATE;\n", v);
        fprintf(f, "\tV_DATE( &vargs[%d] ) = temp__%d;\n", v, n);
    }
}

void CDateTypeMapper::EmitInvokeOutCopy(const CMapperCall&, int n, int v, int, FILE* f) {
    if (m_byRef)
        fprintf(f, "\t\tenv->SetObjectArrayElement((jobjectArray)arg%d, 0, brivelDateToJobject( env, *V_DATEREF( &vargs[%d] ) ));\n", n, v);
    else
        fprintf(f, "\t\tenv->SetObjectArrayElement((jobjectArray)arg%d, 0, brivelDateToJobject( env, V_DATE( &vargs[%d] ) ));\n", n, v);
}

void CDateTypeMapper::EmitInvokeReturn(FILE* f) {
    EmitResultCoercion(f, "VT_DATE", nullptr, true);
    fputs("\treturn brivelDateToJobject(env, V_DATE( &ret ));\n", f);
}

void CDateTypeMapper::EmitVtblArgumentSetup(const CMapperCall&, int n, bool outOnly, const char* x, FILE* f, bool) {
    if (outOnly)
        fprintf(f, "\tDATE date__%d = 0;\n", n);
    else
        fprintf(f, "\tDATE date__%d = brivelJdateToDate( env, (jobject) %s );\n", n, x);
}

void CDateTypeMapper::GetVtblArgumentExpr(int n, int, CString& text) { text.Format(m_byRef ? "&date__%d" : "date__%d", n); }

void CDateTypeMapper::EmitVtblOutCopy(const CMapperCall&, int n, int, FILE* f) {
    fprintf(f, "\tenv->SetObjectArrayElement((jobjectArray)arg%d, 0, brivelDateToJobject( env, date__%d ));\n", n, n);
}

void CDateTypeMapper::EmitVtblReturnDecl(const CMapperCall&, FILE* f) { fputs("\tDATE retVal = 0;\n", f); }
void CDateTypeMapper::GetVtblReturnPointer(FILE* f) { fputs("&retVal", f); }
void CDateTypeMapper::EmitVtblReturn(FILE* f) { fputs("\treturn brivelDateToJobject( env, retVal );\n", f); }

// An out-only date is written as the zero date, never read.
void CDateTypeMapper::EmitEventParam(const CMapperCall& call, int e, FILE* f) {
    if (!m_byRef) return;
    CString empty;
    empty.Format("*V_DATEREF( &pDispParams->rgvarg[eventParamIndex%d] ) = 0;", e);
    EmitOutOnlyEventSlot(call, f, empty);
}

void CDateTypeMapper::EmitVtblEventParam(const CMapperCall& call, int n, FILE* f) {
    if (!m_byRef) return;
    CString empty;
    empty.Format("*(DATE *) arg%d = 0;", n);
    EmitOutOnlyEventSlot(call, f, empty);
}

void CDateTypeMapper::GetEventArgExpr(int e, CString& text) {
    text.Format(m_byRef ? "brivelDateToJobject(brivelJniEnv,*V_DATEREF( &pDispParams->rgvarg[eventParamIndex%d] ))"
                        : "brivelDateToJobject(brivelJniEnv,V_DATE( &pDispParams->rgvarg[eventParamIndex%d] ))", e);
}

void CDateTypeMapper::GetVtblEventArgExpr(int n, CString& text) {
    text.Format(m_byRef ? "brivelDateToJobject(brivelJniEnv,*(DATE *) arg%d)" : "brivelDateToJobject(brivelJniEnv,(DATE) arg%d)", n);
}

// ---- CY

// A Java long has no "absent" value, so the Java value is always passed
// (the raw default is not used): 0 is an amount like any other.
void CCurrencyTypeMapper::EmitInvokeArgument(const CMapperCall&, int n, int v, bool outOnly, const char* x, bool, const VARIANT*, FILE* f) {
    fprintf(f, "\tCY temp__%d;\n", n);
    if (outOnly)
        fprintf(f, "\ttemp__%d.int64 = 0;\n", n);
    else
        fprintf(f, "\ttemp__%d.int64 = (jlong) %s;\n", n, x);
    if (m_byRef) {
        fprintf(f, "\tvargs[%d].vt = VT_BYREF | VT_CY;\n", v);
        fprintf(f, "\tV_CYREF( &vargs[%d] ) = &temp__%d;\n", v, n);
    } else {
        fprintf(f, "\tvargs[%d].vt = VT_CY;\n", v);
        fprintf(f, "\tV_CY( &vargs[%d] ).int64 = temp__%d.int64;\n", v, n);
    }
}

// The Java long[] holder's buffer (released after the copy) takes the value.
void CCurrencyTypeMapper::EmitInvokeOutCopy(const CMapperCall&, int n, int v, int, FILE* f) {
    if (m_byRef)
        fprintf(f, "\t\targ%d__arrayBuf[0] = (jlong) temp__%d.int64;\n", n, n);
    else
        fprintf(f, "\t\targ%d__arrayBuf[0] = (jlong) V_CY( &vargs[%d] ).int64;\n", n, v);
}

void CCurrencyTypeMapper::EmitInvokeReturn(FILE* f) {
    EmitResultCoercion(f, "VT_CY");
    fputs("\treturn (jlong) V_CY( &ret ).int64;\n", f);
}

void CCurrencyTypeMapper::EmitVtblArgumentSetup(const CMapperCall&, int n, bool outOnly, const char* x, FILE* f, bool) {
    fprintf(f, "\tCY cy__%d;\n", n);
    fprintf(f, outOnly ? "\tcy__%d.int64 = 0;\n" : "\tcy__%d.int64 = (jlong) %s;\n", n, x);
}

void CCurrencyTypeMapper::GetVtblArgumentExpr(int n, int, CString& text) { text.Format(m_byRef ? "&cy__%d" : "cy__%d", n); }

void CCurrencyTypeMapper::EmitVtblOutCopy(const CMapperCall&, int n, int, FILE* f) {
    fprintf(f, "\targ%d__arrayBuf[0] = (jlong) cy__%d.int64;\n", n, n);
}

void CCurrencyTypeMapper::EmitVtblReturnDecl(const CMapperCall&, FILE* f) { fputs("\tCY retVal;\n\tretVal.int64 = 0;\n", f); }
void CCurrencyTypeMapper::GetVtblReturnPointer(FILE* f) { fputs("&retVal", f); }
void CCurrencyTypeMapper::EmitVtblReturn(FILE* f) { fputs("\treturn (jlong) retVal.int64;\n", f); }

// An out-only amount is written as 0, never read.
void CCurrencyTypeMapper::EmitEventParam(const CMapperCall& call, int e, FILE* f) {
    if (!m_byRef) return;
    CString empty;
    empty.Format("V_CYREF( &pDispParams->rgvarg[eventParamIndex%d] )->int64 = 0;", e);
    EmitOutOnlyEventSlot(call, f, empty);
}

void CCurrencyTypeMapper::EmitVtblEventParam(const CMapperCall& call, int n, FILE* f) {
    if (!m_byRef) return;
    CString empty;
    empty.Format("((CY *)arg%d)->int64 = 0;", n);
    EmitOutOnlyEventSlot(call, f, empty);
}

void CCurrencyTypeMapper::GetEventArgExpr(int e, CString& text) {
    text.Format(m_byRef ? "(jlong) V_CYREF( &pDispParams->rgvarg[eventParamIndex%d] )->int64"
                        : "(jlong) V_CY( &pDispParams->rgvarg[eventParamIndex%d] ).int64", e);
}

void CCurrencyTypeMapper::GetVtblEventArgExpr(int n, CString& text) {
    text.Format(m_byRef ? "(jlong) ((CY *)arg%d)->int64" : "(jlong) ((CY *)&arg%d)->int64", n);
}

// ---- FILETIME

// Through IDispatch a FILETIME travels as VT_FILETIME: by reference the
// VARIANT holds its address, by value its eight bytes fill the VARIANT's
// value part. The value is read from where the VARIANT's type says it is,
// never by taking the value itself for an address.
static const char* kFiletimeInVariant =
    "(( %s.vt & VT_BYREF ) ? (FILETIME *) V_BYREF( &%s ) : (FILETIME *) &V_CY( &%s ))";

void CFiletimeTypeMapper::EmitInvokeArgument(const CMapperCall&, int n, int v, bool outOnly, const char* x, bool, const VARIANT* def, FILE* f) {
    fprintf(f, "\tFILETIME temp__%d;\n", n);
    if (outOnly) {
        fprintf(f, "\ttemp__%d.dwLowDateTime = temp__%d.dwHighDateTime = 0;\n", n, n);
    } else if (def) {
        fprintf(f, "\tif ( %s == 0 ) {\n", x);
        WriteDefaultWords(f, n, def, "\t\t");
        fputs("\t} else {\n", f);
        fprintf(f, "\t\tbrivelJdateToFiletime( env, &temp__%d, (jobject) %s );\n", n, x);
        fputs("\t}\n", f);
    } else {
        fprintf(f, "\tbrivelJdateToFiletime( env, &temp__%d, (jobject) %s );\n", n, x);
    }
    if (m_byRef) {
        fprintf(f, "\tvargs[%d].vt = VT_BYREF | VT_FILETIME;\n", v);
        fprintf(f, "\tV_BYREF( &vargs[%d ] ) = &temp__%d;\n", v, n);
    } else {
        fprintf(f, "\tvargs[%d].vt = VT_FILETIME;\n", v);
        fprintf(f, "\tmemcpy( &V_CY( &vargs[%d] ), &temp__%d, sizeof( FILETIME ));\n", v, n);
    }
}

void CFiletimeTypeMapper::EmitInvokeOutCopy(const CMapperCall&, int n, int v, int, FILE* f) {
    if (m_byRef) {
        fprintf(f, "\t\tenv->SetObjectArrayElement((jobjectArray)arg%d, 0, brivelFiletimeToJobject( env, &temp__%d ));\n", n, n);
    } else {
        CString slot, place;
        slot.Format("vargs[%d]", v);
        place.Format(kFiletimeInVariant, slot.c_str(), slot.c_str(), slot.c_str());
        fprintf(f, "\t\tenv->SetObjectArrayElement((jobjectArray)arg%d, 0, brivelFiletimeToJobject( env, %s ));\n", n, place.c_str());
    }
}

void CFiletimeTypeMapper::EmitInvokeReturn(FILE* f) {
    CString place;
    place.Format(kFiletimeInVariant, "ret", "ret", "ret");
    fputs("\tFILETIME retFiletime;\n", f);
    fputs("\tmemset( &retFiletime, 0, sizeof( FILETIME ));\n", f);
    fputs("\tif ( ret.vt != VT_EMPTY && !(( ret.vt & VT_BYREF ) && V_BYREF( &ret ) == 0 ))\n", f);
    fprintf(f, "\t\tmemcpy( &retFiletime, %s, sizeof( FILETIME ));\n", place.c_str());
    fputs("\treturn brivelFiletimeToJobject(env, &retFiletime);\n", f);
}

void CFiletimeTypeMapper::EmitVtblArgumentSetup(const CMapperCall&, int n, bool outOnly, const char* x, FILE* f, bool) {
    fprintf(f, "\tFILETIME filetime__%d;\n", n);
    if (outOnly)
        fprintf(f, "\tfiletime__%d.dwLowDateTime = filetime__%d.dwHighDateTime = 0;\n", n, n);
    else
        fprintf(f, "\tbrivelJdateToFiletime( env, &filetime__%d, (jobject) %s );\n", n, x);
}

void CFiletimeTypeMapper::GetVtblArgumentExpr(int n, int, CString& text) {
    text.Format(m_byRef ? "&filetime__%d" : "filetime__%d", n);
}

void CFiletimeTypeMapper::EmitVtblOutCopy(const CMapperCall&, int n, int, FILE* f) {
    fprintf(f, "\tenv->SetObjectArrayElement((jobjectArray)arg%d, 0, brivelFiletimeToJobject( env, &filetime__%d ));\n", n, n);
}

void CFiletimeTypeMapper::EmitVtblReturnDecl(const CMapperCall&, FILE* f) { fputs("\tFILETIME retVal;\n\tretVal.dwLowDateTime = retVal.dwHighDateTime = 0;\n", f); }
void CFiletimeTypeMapper::GetVtblReturnPointer(FILE* f) { fputs("&retVal", f); }
void CFiletimeTypeMapper::EmitVtblReturn(FILE* f) { fputs("\treturn brivelFiletimeToJobject( env, &retVal );\n", f); }

// An out-only file time is written as 0, never read.
void CFiletimeTypeMapper::EmitEventParam(const CMapperCall& call, int e, FILE* f) {
    if (!m_byRef) return;
    CString slot, place, empty;
    slot.Format("pDispParams->rgvarg[eventParamIndex%d]", e);
    place.Format(kFiletimeInVariant, slot.c_str(), slot.c_str(), slot.c_str());
    empty.Format("memset( %s, 0, sizeof( FILETIME ));", place.c_str());
    EmitOutOnlyEventSlot(call, f, empty);
}

void CFiletimeTypeMapper::EmitVtblEventParam(const CMapperCall& call, int n, FILE* f) {
    if (!m_byRef) return;
    CString empty;
    empty.Format("memset( (FILETIME *) arg%d, 0, sizeof( FILETIME ));", n);
    EmitOutOnlyEventSlot(call, f, empty);
}

void CFiletimeTypeMapper::GetEventArgExpr(int e, CString& text) {
    CString slot, place;
    slot.Format("pDispParams->rgvarg[eventParamIndex%d]", e);
    place.Format(kFiletimeInVariant, slot.c_str(), slot.c_str(), slot.c_str());
    text = "brivelFiletimeToJobject(brivelJniEnv," + place + ")";
}

void CFiletimeTypeMapper::GetVtblEventArgExpr(int n, CString& text) {
    text.Format(m_byRef ? "brivelFiletimeToJobject(brivelJniEnv,(FILETIME *) arg%d)"
                        : "brivelFiletimeToJobject(brivelJniEnv,(FILETIME *) &arg%d )", n);
}
