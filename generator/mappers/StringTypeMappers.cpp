// Conversion fragments of BSTR and GUID <-> java.lang.String.
#include "ShapeTypeMappers.h"

// ---- BSTR

// An out-only string goes in empty: the callee overwrites it without
// freeing what it held, so a string passed in would be lost.
void CStringTypeMapper::EmitInvokeArgument(const CMapperCall&, int n, int v, bool outOnly, const char* x, bool, const VARIANT*, FILE* f) {
    if (m_byRef) {
        fprintf(f, "\tvargs[%d].vt = VT_BYREF | VT_BSTR;\n", v);
        if (outOnly)
            fprintf(f, "\tBSTR temp__%d = 0;\n", n);
        else
            fprintf(f, "\tBSTR temp__%d = brivelJstringToBstr( env, (jstring) %s );\n", n, x);
        fprintf(f, "\tV_BSTRREF( &vargs[%d ] ) = &temp__%d;\n", v, n);
    } else {
        fprintf(f, "\tvargs[%d].vt = VT_BSTR;\n", v);
        fprintf(f, "\tV_BSTR( &vargs[%d] ) = brivelJstringToBstr( env, (jstring) %s );\n", v, x);
    }
}

void CStringTypeMapper::EmitInvokeOutCopy(const CMapperCall&, int n, int v, int, FILE* f) {
    if (m_byRef)
        fprintf(f, "\t\tenv->SetObjectArrayElement((jobjectArray)arg%d, 0, brivelBstrToJstr( env, *V_BSTRREF( &vargs[%d] )));\n", n, v);
    else
        fprintf(f, "\t\tenv->SetObjectArrayElement((jobjectArray)arg%d, 0, brivelBstrToJstr( env, V_BSTR( &vargs[%d] )));\n", n, v);
    fprintf(f, "\t\tVariantClear( &vargs[%d] );\n", v);
}

void CStringTypeMapper::EmitInvokeCleanup(int n, int v, FILE* f) {
    if (m_byRef)
        fprintf(f, "\tSysFreeString( temp__%d );\n", n);
    else
        fprintf(f, "\tVariantClear( &vargs[%d] );\n", v);
}

void CStringTypeMapper::EmitInvokeReturn(FILE* f) {
    EmitResultCoercion(f, "VT_BSTR", nullptr, true);
    fprintf(f, "\tjstring retstr = brivelBstrToJstr( env, V_BSTR( &ret ));\n");
    fprintf(f, "\tVariantClear( &ret );\n");
    fprintf(f, "\treturn retstr;\n");
}

void CStringTypeMapper::EmitVtblArgumentSetup(const CMapperCall&, int n, bool outOnly, const char* x, FILE* f, bool) {
    if (outOnly)
        fprintf(f, "\tBSTR bstr__%d = 0;\n", n);
    else
        fprintf(f, "\tBSTR bstr__%d = brivelJstringToBstr(env,(jstring)%s);\n", n, x);
}

void CStringTypeMapper::GetVtblArgumentExpr(int n, int, CString& text) {
    text.Format(m_byRef ? "&bstr__%d" : "bstr__%d", n);
}

void CStringTypeMapper::EmitVtblOutCopy(const CMapperCall&, int n, int, FILE* f) {
    fprintf(f, "\tenv->SetObjectArrayElement((jobjectArray)arg%d, 0, brivelBstrToJstr( env, bstr__%d ));\n", n, n);
}

void CStringTypeMapper::EmitVtblCleanup(int n, const char*, FILE* f) { fprintf(f, "\tSysFreeString( bstr__%d );\n", n); }
void CStringTypeMapper::EmitVtblReturnDecl(const CMapperCall&, FILE* f) { fprintf(f, "\tBSTR retVal = 0;\n"); }
void CStringTypeMapper::GetVtblReturnPointer(FILE* f) { fprintf(f, "&retVal"); }

void CStringTypeMapper::EmitVtblReturn(FILE* f) {
    fprintf(f, "\tjstring retStr = brivelBstrToJstr( env, retVal );\n");
    fprintf(f, "\tSysFreeString( retVal );\n");
    fprintf(f, "\treturn retStr;\n");
}

// An out-only string is written empty, never read: what the caller's slot
// held is undefined (and no string of the listener's goes back).
void CStringTypeMapper::EmitEventParam(const CMapperCall& call, int e, FILE* f) {
    if (m_byRef) {
        CString empty;
        empty.Format("*V_BSTRREF( &pDispParams->rgvarg[eventParamIndex%d] ) = 0;", e);
        EmitOutOnlyEventSlot(call, f, empty);
    }
    if (m_byRef)
        fprintf(f, "\t\tjstring jstrEventArg_%d = brivelBstrToJstr( brivelJniEnv, *V_BSTRREF( &pDispParams->rgvarg[eventParamIndex%d] ));\n", e, e);
    else
        fprintf(f, "\t\tjstring jstrEventArg_%d = brivelBstrToJstr( brivelJniEnv, V_BSTR( &pDispParams->rgvarg[eventParamIndex%d] ));\n", e, e);
}

void CStringTypeMapper::GetEventArgExpr(int e, CString& text) { text.Format("jstrEventArg_%d", e); }

void CStringTypeMapper::EmitEventCleanup(int e, FILE* f) {
    fprintf(f, "\t\tif ( jstrEventArg_%d != 0 ) brivelJniEnv->DeleteLocalRef( jstrEventArg_%d );\n", e, e);
}

void CStringTypeMapper::EmitVtblEventParam(const CMapperCall& call, int n, FILE* f) {
    if (!m_byRef) return;
    CString empty;
    empty.Format("*arg%d = 0;", n);
    EmitOutOnlyEventSlot(call, f, empty);
}

void CStringTypeMapper::GetVtblEventArgExpr(int n, CString& text) {
    text.Format(m_byRef ? "brivelBstrToJstr( brivelJniEnv, *arg%d )" : "brivelBstrToJstr( brivelJniEnv, arg%d )", n);
}

// ---- GUID

// A VARIANT holds eight bytes of value, not the sixteen of a GUID: a GUID
// passed by value travels as VT_CLSID with its address in the value, the
// form property variants give a CLSID.
// An out-only GUID goes in as the null GUID, not as what the caller's
// array held: a callee that writes nothing gives the caller the null GUID.
void CGuidTypeMapper::EmitInvokeArgument(const CMapperCall&, int n, int v, bool outOnly, const char* x, bool, const VARIANT*, FILE* f) {
    fprintf(f, "\tGUID temp__%d;\n", n);
    if (outOnly)
        fprintf(f, "\tmemset( &temp__%d, 0, sizeof( GUID ));\n", n);
    else
        fprintf(f, "\tbrivelJstringToGuid( env, (jstring) %s, temp__%d );\n", x, n);
    if (m_byRef) {
        // The address as a plain pointer: the JNI file's V_INTREF is a long *.
        fprintf(f, "\tvargs[%d].vt = VT_BYREF | VT_CLSID;\n", v);
        fprintf(f, "\tV_BYREF( &vargs[%d ] ) = &temp__%d;\n", v, n);
    } else {
        fprintf(f, "\tvargs[%d].vt = VT_CLSID;\n", v);
        fprintf(f, "\tV_BYREF( &vargs[%d] ) = &temp__%d;\n", v, n);
    }
}

// By reference the callee writes into the local, which goes back to Java.
void CGuidTypeMapper::EmitInvokeOutCopy(const CMapperCall&, int n, int, int, FILE* f) {
    fprintf(f, "\t\tenv->SetObjectArrayElement((jobjectArray)arg%d, 0, brivelGuidToJstr( env, temp__%d ));\n", n, n);
}

// The result is read through the value's address, and only when the callee
// answered a GUID; an empty answer is the null GUID, any other one throws as
// a failed conversion.
void CGuidTypeMapper::EmitInvokeReturn(FILE* f) {
    fprintf(f, "\tGUID retguid;\n");
    fprintf(f, "\tmemset( &retguid, 0, sizeof( GUID ));\n");
    fprintf(f, "\tif (( ret.vt & VT_TYPEMASK ) == VT_CLSID ) {\n");
    fprintf(f, "\t\tif ( V_BYREF( &ret ) != 0 ) memcpy( &retguid, V_BYREF( &ret ), sizeof( GUID ));\n");
    fprintf(f, "\t} else if ( ret.vt != VT_EMPTY && ret.vt != VT_NULL ) {\n");
    fprintf(f, "\t\tVariantClear( &ret );\n");
    fprintf(f, "\t\tbrivelThrowComExceptionObject( env, DISP_E_TYPEMISMATCH, 0 );\n");
    fprintf(f, "\t\treturn 0;\n");
    fprintf(f, "\t}\n");
    fprintf(f, "\treturn brivelGuidToJstr( env, retguid );\n");
}

void CGuidTypeMapper::EmitVtblArgumentSetup(const CMapperCall&, int n, bool outOnly, const char* x, FILE* f, bool) {
    fprintf(f, "\tGUID guid__%d;\n", n);
    if (outOnly)
        fprintf(f, "\tmemset( &guid__%d, 0, sizeof( GUID ));\n", n);
    else
        fprintf(f, "\tbrivelJstringToGuid(env,(jstring)%s, guid__%d );\n", x, n);
}

void CGuidTypeMapper::GetVtblArgumentExpr(int n, int, CString& text) {
    text.Format(m_byRef ? "&guid__%d" : "guid__%d", n);
}

void CGuidTypeMapper::EmitVtblOutCopy(const CMapperCall&, int n, int, FILE* f) {
    fprintf(f, "\tenv->SetObjectArrayElement((jobjectArray)arg%d, 0, brivelGuidToJstr( env, guid__%d ));\n", n, n);
}

void CGuidTypeMapper::EmitVtblReturnDecl(const CMapperCall&, FILE* f) {
    fprintf(f, "\tGUID retGuid;\n");
    fprintf(f, "\tmemset( &retGuid, 0, sizeof( GUID ));\n");
}
void CGuidTypeMapper::GetVtblReturnPointer(FILE* f) { fprintf(f, "&retGuid"); }
void CGuidTypeMapper::EmitVtblReturn(FILE* f) { fprintf(f, "\treturn brivelGuidToJstr( env, retGuid );\n"); }

// Events hand a GUID to Java in its string form: through IDispatch the
// VARIANT holds the GUID's address (by value and by reference alike), in a
// virtual-table sink the argument is the GUID or its address.
// An out-only GUID is written as the null GUID, never read.
void CGuidTypeMapper::EmitEventParam(const CMapperCall& call, int e, FILE* f) {
    if (!m_byRef) return;
    CString empty;
    empty.Format("if ( V_BYREF( &pDispParams->rgvarg[eventParamIndex%d] ) != 0 ) memset( V_BYREF( &pDispParams->rgvarg[eventParamIndex%d] ), 0, sizeof( GUID ));",
                 e, e);
    EmitOutOnlyEventSlot(call, f, empty);
}

void CGuidTypeMapper::EmitVtblEventParam(const CMapperCall& call, int n, FILE* f) {
    if (!m_byRef) return;
    CString empty;
    empty.Format("memset( arg%d, 0, sizeof( GUID ));", n);
    EmitOutOnlyEventSlot(call, f, empty);
}

void CGuidTypeMapper::GetEventArgExpr(int e, CString& text) {
    text.Format("( V_BYREF( &pDispParams->rgvarg[eventParamIndex%d] ) == 0 ? (jstring) 0 : brivelGuidToJstr( "
                "brivelJniEnv, *(GUID *) V_BYREF( &pDispParams->rgvarg[eventParamIndex%d] )))", e, e);
}

void CGuidTypeMapper::GetVtblEventArgExpr(int n, CString& text) {
    text.Format(m_byRef ? "brivelGuidToJstr( brivelJniEnv, *arg%d )" : "brivelGuidToJstr( brivelJniEnv, arg%d )", n);
}
