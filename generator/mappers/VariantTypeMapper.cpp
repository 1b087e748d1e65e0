// Conversion fragments of VARIANT <-> brivel.TavoVariant.
#include "ShapeTypeMappers.h"

#include <cstring>

namespace {

// A default VARIANT whose value is a pointer (a string, an object, anything
// by reference or an array) points into the generating process: it cannot be
// written into the bridge as raw words. Such an argument is passed as
// missing instead, so that the callee applies its own default.
bool DefaultCarriesPointer(const VARIANT& value) {
    VARTYPE vt = value.vt;
    if (vt & (VT_BYREF | VT_ARRAY | VT_VECTOR)) return true;
    switch (vt & VT_TYPEMASK) {
    case VT_BSTR: case VT_DISPATCH: case VT_UNKNOWN: case VT_RECORD: case VT_LPSTR: case VT_LPWSTR:
    case VT_VARIANT: case VT_CLSID: case VT_PTR: case VT_SAFEARRAY: case VT_CARRAY: case VT_USERDEFINED:
        return true;
    default:
        return false;
    }
}

void DefaultWords(const VARIANT* value, DWORD words[4]) {
    VARIANT copy;
    if (DefaultCarriesPointer(*value)) {
        memset(&copy, 0, sizeof copy);
        copy.vt = VT_ERROR;
        copy.scode = DISP_E_PARAMNOTFOUND;
    } else {
        memcpy(&copy, value, sizeof copy);
    }
    memcpy(words, &copy, 4 * sizeof(DWORD));
}

}  // namespace

// By reference the callee writes into the holder's VARIANT or, without a
// holder, into the native's own temporary tmpVariant<n>, which the cleanup
// clears (it holds what the callee wrote: strings, references).
void CVariantTypeMapper::EmitInvokeArgument(const CMapperCall&, int n, int v, bool outOnly, const char* x, bool, const VARIANT* def,
                                            FILE* f) {
    if (def && !outOnly) {
        DWORD words[4];
        DefaultWords(def, words);
        // The default's words go into a temporary of ours: tmpVariant<n> by
        // reference (cleared afterwards), tempVar<n> by value (copied).
        const char* temporary = IsByRef() ? "tmpVariant" : "tempVar__";
        if (!IsByRef()) fprintf(f, "\tVARIANT tempVar__%d;\n", n);
        fprintf(f, "\tVARIANT * temp__%d;\n", n);
        if (IsByRef()) {
            fprintf(f, "\tVARIANT tmpVariant%d;\n", n);
            fprintf(f, "\tVariantInit( &tmpVariant%d );\n", n);
        }
        fprintf(f, "\tif ( %s == 0 ) {\n", x);
        fprintf(f, "\t\ttemp__%d = &%s%d;\n", n, temporary, n);
        for (int i = 0; i < 4; ++i)
            fprintf(f, "\t\t((DWORD *)&%s%d)[%d] = 0x%x;\n", temporary, n, i, (unsigned)words[i]);
        fprintf(f, "\t} else {\n");
        fprintf(f, "\t\ttemp__%d = brivelGetTavoVariant( env, %s );\n", n, x);
        fprintf(f, "\t}\n");
        if (IsByRef()) {
            fprintf(f, "\tvargs[%d].vt = VT_BYREF | VT_VARIANT;\n", v);
            fprintf(f, "\tV_VARIANTREF( &vargs[%d ] ) = temp__%d;\n", v, n);
        } else {
            fprintf(f, "\tvargs[%d].vt = VT_VARIANT;\n", v);
            fprintf(f, "\tVariantCopy( &vargs[%d], temp__%d );\n", v, n);
        }
    } else if (!IsByRef()) {
        fprintf(f, "\tvargs[%d].vt = VT_VARIANT;\n", v);
        fprintf(f, "\tVariantCopy( &vargs[%d], brivelGetTavoVariant( env, %s ));\n", v, x);
    } else {
        fprintf(f, "\tvargs[%d].vt = VT_BYREF | VT_VARIANT;\n", v);
        fprintf(f, "\tV_VARIANTREF( &vargs[%d ] ) = brivelGetTavoVariant( env, %s );\n", v, x);
        fprintf(f, "\tVARIANT tmpVariant%d;\n", n);
        fprintf(f, "\tVariantInit( &tmpVariant%d );\n", n);
        fprintf(f, "\tif ( V_VARIANTREF( &vargs[%d ] ) == 0 ) {\n", v);
        fprintf(f, "\t\tV_VARIANTREF( &vargs[%d ] ) = &tmpVariant%d;\n", v, n);
        fprintf(f, "\t}\n");
    }
}

void CVariantTypeMapper::EmitInvokeOutCopy(const CMapperCall&, int n, int v, int, FILE* f) {
    if (IsByRef())
        fprintf(f, "\t\tenv->SetObjectArrayElement((jobjectArray)arg%d, 0, brivelVariantObject( env, V_VARIANTREF( &vargs[%d] )));\n", n, v);
    else
        fprintf(f, "\t\tenv->SetObjectArrayElement((jobjectArray)arg%d, 0, brivelVariantObject( env, &vargs[%d] ));\n", n, v);
}

void CVariantTypeMapper::EmitInvokeCleanup(int n, int v, FILE* f) {
    fprintf(f, "\tVariantClear( &vargs[%d] );\n", v);
    if (IsByRef()) fprintf(f, "\tVariantClear( &tmpVariant%d );\n", n);
}

void CVariantTypeMapper::EmitInvokeReturn(FILE* f) {
    fprintf(f, "\tjobject retobj = brivelVariantObject( env, &ret );\n");
    fprintf(f, "\tVariantClear( &ret );\n");
    fprintf(f, "\treturn retobj;\n");
}

void CVariantTypeMapper::EmitVtblArgumentSetup(const CMapperCall& call, int n, bool outOnly, const char* x, FILE* f, bool returnsValue) {
    // The virtual-call path writes no null check of its own: a null holder
    // would reach VariantCopy as a null source.
    if (!outOnly) EmitNullArgumentCheck(call, f, x, returnsValue);
    fprintf(f, "\tVARIANT tmpStackVar__%d;\n", n);
    fprintf(f, "\ttmpStackVar__%d.vt = VT_EMPTY;\n", n);
    fprintf(f, "\tVARIANT * tmpVar__%d = &tmpStackVar__%d;\n", n, n);
    if (!outOnly) fprintf(f, "\tVariantCopy( tmpVar__%d, brivelGetTavoVariant( env, (jobject) %s ));\n", n, x);
}

void CVariantTypeMapper::GetVtblArgumentExpr(int n, int, CString& text) {
    text.Format(m_level == 2 ? "&tmpVar__%d" : "tmpVar__%d", n);
}

void CVariantTypeMapper::EmitVtblOutCopy(const CMapperCall&, int n, int, FILE* f) {
    if (m_level == 0) return;
    fprintf(f, "\tenv->SetObjectArrayElement((jobjectArray)arg%d, 0, brivelVariantObject( env, tmpVar__%d));\n", n, n);
}

// Through a pointer to a pointer the callee may point the pointer at a
// VARIANT of its own, which the caller then clears as it takes it: the
// local with the Java value it passed in is cleared too.
void CVariantTypeMapper::EmitVtblCleanup(int n, const char*, FILE* f) {
    if (m_level == 2)
        fprintf(f, "\tif ( tmpVar__%d != &tmpStackVar__%d ) VariantClear( &tmpStackVar__%d );\n", n, n, n);
    fprintf(f, "\tVariantClear( tmpVar__%d );\n", n);
}

void CVariantTypeMapper::EmitVtblReturnDecl(const CMapperCall&, FILE* f) {
    fprintf(f, "\tVARIANT retVal;\n");
    fprintf(f, "\tVariantInit( &retVal );\n");
    if (m_level == 2) fprintf(f, "\tVARIANT * pRetVal = &retVal;\n");
}

void CVariantTypeMapper::GetVtblReturnPointer(FILE* f) { fprintf(f, m_level == 2 ? "&pRetVal" : "&retVal"); }

// Through a pointer to a pointer the result is the VARIANT the callee
// pointed the pointer at (one of its own, cleared as it is taken).
void CVariantTypeMapper::EmitVtblReturn(FILE* f) {
    const char* result = m_level == 2 ? "pRetVal" : "&retVal";
    fprintf(f, "\tjobject retObj = brivelVariantObject( env, %s );\n", result);
    fprintf(f, "\tVariantClear( %s );\n", result);
    fprintf(f, "\treturn retObj;\n");
}

void CVariantTypeMapper::GetEventArgExpr(int e, CString& text) {
    if (IsByRef())
        text.Format("brivelVariantObject( brivelJniEnv, V_VARIANTREF( &pDispParams->rgvarg[eventParamIndex%d] ))", e);
    else
        text.Format("brivelVariantObject( brivelJniEnv, &pDispParams->rgvarg[eventParamIndex%d] )", e);
}

// An out-only VARIANT is made empty before it is read (VariantInit: what it
// held is undefined, so nothing is freed); the listener gets an empty
// holder, and what it leaves there replaces the empty value.
void CVariantTypeMapper::EmitEventArrayFillFromVariant(const CMapperCall& call, int e, FILE* f) {
    fprintf(f, "\t\tVARIANT * eventVariant%d = ", e);
    if (IsByRef())
        fprintf(f, "V_VARIANTREF( &pDispParams->rgvarg[eventParamIndex%d] );\n", e);
    else
        fprintf(f, "&pDispParams->rgvarg[eventParamIndex%d];\n", e);
    CString empty;
    empty.Format("if ( eventVariant%d != 0 ) VariantInit( eventVariant%d );", e, e);
    EmitOutOnlyEventSlot(call, f, empty);
    fprintf(f, "\t\tjobject varobj%d = brivelVariantObject( brivelJniEnv, eventVariant%d );\n", e, e);
}

// A virtual-table event method receives a VARIANT by value (its sixteen
// bytes on the stack) or by reference.
void CVariantTypeMapper::EmitVtblEventParam(const CMapperCall& call, int n, FILE* f) {
    fprintf(f, "\t\tVARIANT * eventVariant%d = ", n);
    if (m_level == 0)
        fprintf(f, "&arg%d;\n", n);
    else if (m_level == 1)
        fprintf(f, "arg%d;\n", n);
    else
        fprintf(f, "*arg%d;\n", n);
    CString empty;
    empty.Format("if ( eventVariant%d != 0 ) VariantInit( eventVariant%d );", n, n);
    if (m_level == 1) EmitOutOnlyEventSlot(call, f, empty);
    fprintf(f, "\t\tjobject varobj%d = brivelVariantObject( brivelJniEnv, eventVariant%d );\n", n, n);
}

void CVariantTypeMapper::GetVtblEventArgExpr(int n, CString& text) { text.Format("varobj%d", n); }

void CVariantTypeMapper::EmitVtblEventCleanup(int n, FILE* f) {
    fprintf(f, "\t\tbrivelJniEnv->DeleteLocalRef( varobj%d );\n", n);
}

void CVariantTypeMapper::EmitEventArrayCopyToVtbl(const CMapperCall&, int e, FILE* f) {
    fprintf(f, "\t\t\tVariantCopy( eventVariant%d, brivelGetTavoVariant( brivelJniEnv, varobj%d ));\n", e, e);
}
