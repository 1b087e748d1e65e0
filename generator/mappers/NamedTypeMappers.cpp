// Conversion fragments of the library's enumerations and interfaces.
#include "JobView.h"
#include "ShapeTypeMappers.h"

// ---- enumerations <-> generated brivel.TavoEnumeration classes

// The runtime refuses a null enumeration object (an exception is left
// pending): the native then returns as after any refused argument.
void CEnumTypeMapper::EmitInvokeArgument(const CMapperCall& call, int n, int v, bool outOnly, const char* x, bool returnsValue,
                                         const VARIANT*, FILE* f) {
    if (m_level > 0) {
        fprintf(f, "\tvargs[%d].vt = VT_BYREF | VT_I4;\n", v);
        if (outOnly) {
            fprintf(f, "\tjint temp__%d = 0;\n", n);
        } else {
            fprintf(f, "\tjint temp__%d = brivelEnumeratedObjectToInt( env, %s );\n", n, x);
            EmitConversionCheck(call, f, returnsValue);
        }
        fprintf(f, "\tV_I4REF( &vargs[%d] ) = (long *) &temp__%d;\n", v, n);
    } else {
        fprintf(f, "\tvargs[%d].vt = VT_I4;\n", v);
        fprintf(f, "\tV_I4( &vargs[%d] ) = brivelEnumeratedObjectToInt( env, %s );\n", v, x);
        EmitConversionCheck(call, f, returnsValue);
    }
}

void CEnumTypeMapper::EmitInvokeOutCopy(const CMapperCall&, int n, int, int, FILE* f) {
    fprintf(f, "\t\tenv->SetObjectArrayElement((jobjectArray)arg%d, 0, brivelIntToEnumeratedObject( env, temp__%d, \"%s\" ));\n",
            n, n, ClassPath().c_str());
}

// An enumeration value travels as VT_I4 (read through, by the coercion,
// when the result is a reference).
void CEnumTypeMapper::EmitInvokeReturn(FILE* f) {
    EmitResultCoercion(f, "VT_I4");
    fprintf(f, "\treturn brivelIntToEnumeratedObject( env, V_INT( &ret ), \"%s\" );\n", ClassPath().c_str());
}

void CEnumTypeMapper::EmitVtblArgumentSetup(const CMapperCall& call, int n, bool outOnly, const char* x, FILE* f, bool returnsValue) {
    if (outOnly) {
        fprintf(f, "\tint enum__%d = 0;\n", n);
    } else {
        fprintf(f, "\tint enum__%d = brivelEnumeratedObjectToInt( env, %s );\n", n, x);
        EmitConversionCheck(call, f, returnsValue);
    }
}

void CEnumTypeMapper::GetVtblArgumentExpr(int n, int, CString& text) {
    text.Format(m_level > 0 ? "&enum__%d" : "enum__%d", n);
}

void CEnumTypeMapper::EmitVtblOutCopy(const CMapperCall&, int n, int, FILE* f) {
    fprintf(f, "\tenv->SetObjectArrayElement((jobjectArray)arg%d, 0, brivelIntToEnumeratedObject( env, enum__%d, \"%s\" ));\n",
            n, n, ClassPath().c_str());
}

void CEnumTypeMapper::EmitVtblReturnDecl(const CMapperCall&, FILE* f) { fprintf(f, "\tint retVal = 0;\n"); }
void CEnumTypeMapper::GetVtblReturnPointer(FILE* f) { fprintf(f, "&retVal"); }

void CEnumTypeMapper::EmitVtblReturn(FILE* f) {
    fprintf(f, "\treturn brivelIntToEnumeratedObject(env,retVal, \"%s\" );\n", ClassPath().c_str());
}

// An out-only enumeration is written as 0, never read.
void CEnumTypeMapper::EmitEventParam(const CMapperCall& call, int e, FILE* f) {
    CString empty;
    empty.Format("*V_INTREF( &pDispParams->rgvarg[eventParamIndex%d] ) = 0;", e);
    if (m_level > 0) EmitOutOnlyEventSlot(call, f, empty);
    fprintf(f, m_level > 0
                   ? "\t\tjobject jenumEventArg_%d = brivelIntToEnumeratedObject( brivelJniEnv, *V_INTREF( &pDispParams->rgvarg[eventParamIndex%d] ), \"%s\" );\n"
                   : "\t\tjobject jenumEventArg_%d = brivelIntToEnumeratedObject( brivelJniEnv, V_INT( &pDispParams->rgvarg[eventParamIndex%d] ), \"%s\" );\n",
            e, e, ClassPath().c_str());
}

void CEnumTypeMapper::GetEventArgExpr(int e, CString& text) { text.Format("jenumEventArg_%d", e); }

void CEnumTypeMapper::EmitEventCleanup(int e, FILE* f) {
    fprintf(f, "\t\tif ( jenumEventArg_%d != 0 ) brivelJniEnv->DeleteLocalRef( jenumEventArg_%d );\n", e, e);
}

void CEnumTypeMapper::EmitVtblEventParam(const CMapperCall& call, int n, FILE* f) {
    CString empty;
    empty.Format("*(int *)arg%d = 0;", n);
    if (m_level > 0) EmitOutOnlyEventSlot(call, f, empty);
}

void CEnumTypeMapper::GetVtblEventArgExpr(int n, CString& text) {
    text.Format(m_level > 0 ? "brivelIntToEnumeratedObject( brivelJniEnv, *(int *)arg%d, \"%s\" )"
                            : "brivelIntToEnumeratedObject( brivelJniEnv, (int) arg%d, \"%s\" )",
                n, ClassPath().c_str());
}

// ---- interfaces and coclasses <-> generated brivel.TavoObject classes

void EmitDispatchInvokeArgument(bool byRef, int n, int v, bool outOnly, const char* x, FILE* f, const char* field,
                                bool queryDispatch) {
    if (queryDispatch && !(byRef && outOnly)) {
        // The object's pointer may be its IUnknown (a coclass object holds
        // that), whose vtable is not its IDispatch's: the callee gets the
        // object's own IDispatch, or, where it has none, its IUnknown as
        // VT_UNKNOWN. The local holds a reference of ours either way.
        fprintf(f, "\tvargs[%d].vt = %sVT_DISPATCH;\n", v, byRef ? "VT_BYREF | " : "");
        fprintf(f, "\tIDispatch * temp__%d = 0;\n", n);
        fprintf(f, "\tIUnknown * unk__%d = (IUnknown *) env->GetIntField( %s, %s);\n", n, x, field);
        fprintf(f, "\tif ( unk__%d != 0 && FAILED( unk__%d->QueryInterface( IID_IDispatch, (void **) &temp__%d ))) {\n", n, n, n);
        fprintf(f, "\t\tvargs[%d].vt = %sVT_UNKNOWN;\n", v, byRef ? "VT_BYREF | " : "");
        fprintf(f, "\t\ttemp__%d = (IDispatch *) unk__%d;\n", n, n);
        fprintf(f, "\t\ttemp__%d->AddRef();\n", n);
        fputs("\t}\n", f);
        if (byRef)
            fprintf(f, "\tV_DISPATCHREF( &vargs[%d] ) = &temp__%d;\n", v, n);
        else
            fprintf(f, "\tV_DISPATCH( &vargs[%d] ) = temp__%d;\n", v, n);
        return;
    }
    if (byRef) {
        fprintf(f, "\tvargs[%d].vt = VT_BYREF | VT_DISPATCH;\n", v);
        if (outOnly) {
            fprintf(f, "\tIDispatch * temp__%d = 0;\n", n);
        } else {
            fprintf(f, "\tIDispatch * temp__%d = (IDispatch *) env->GetIntField( %s, %s);\n", n, x, field);
            fprintf(f, "\tif ( temp__%d != 0 ) temp__%d->AddRef();\n", n, n);
        }
        fprintf(f, "\tV_DISPATCHREF( &vargs[%d] ) = &temp__%d;\n", v, n);
    } else {
        fprintf(f, "\tvargs[%d].vt = VT_DISPATCH;\n", v);
        fprintf(f, "\tV_DISPATCH( &vargs[%d] ) = (IDispatch *) env->GetIntField( %s, %s);\n", v, x, field);
        fprintf(f, "\tIDispatch * temp__%d = V_DISPATCH( &vargs[%d] );\n", n, v);
    }
}


void CDispatchTypeMapper::EmitInvokeArgument(const CMapperCall&, int n, int v, bool outOnly, const char* x, bool, const VARIANT*,
                                             FILE* f) {
    EmitDispatchInvokeArgument(m_level > 0, n, v, outOnly, x, f, ComFieldIdCall(), QueriesDispatch());
}

// A coclass object holds its IUnknown, an object of an interface not derived
// from IDispatch that interface: neither is an IDispatch to hand over as it
// is. A callback interface's field holds its sink, which is one.
bool CDispatchTypeMapper::QueriesDispatch() {
    return m_pointerNeedsQuery && !(m_job && m_job->IsCallbackInterface(m_javaName));
}

const char* CDispatchTypeMapper::ComFieldIdCall() {
    return m_job && m_job->IsCallbackInterface(m_javaName) ? "brivelGetEventId()" : "brivelGetComId()";
}

void CDispatchTypeMapper::EmitInvokeOutCopy(const CMapperCall&, int n, int, int, FILE* f) {
    fprintf(f, "\t\tenv->SetObjectArrayElement((jobjectArray)arg%d, 0, brivelUnknownToInterfaceObject( env, temp__%d, \"%s\" ));\n",
            n, n, ClassPath().c_str());
}

// By reference the local holds a reference of ours after the call, on every
// path: the one handed in or the one the callee stored.
void CDispatchTypeMapper::EmitInvokeCleanup(int n, int, FILE* f) {
    if (m_level > 0 || QueriesDispatch()) fprintf(f, "\tif ( temp__%d != 0 ) temp__%d->Release();\n", n, n);
}

void CDispatchTypeMapper::EmitInvokeReturn(FILE* f) {
    EmitResultCoercion(f, "VT_UNKNOWN", "VT_DISPATCH", true);
    fprintf(f, "\tjobject retDisp =  brivelUnknownToInterfaceObject( env, V_DISPATCH( &ret ), \"%s\" );\n",
            ClassPath().c_str());
    fprintf(f, "\tVariantClear( &ret );\n");
    fprintf(f, "\treturn retDisp;\n");
}

void CDispatchTypeMapper::EmitVtblArgumentSetup(const CMapperCall& call, int n, bool outOnly, const char* x, FILE* f, bool returnsValue) {
    if (outOnly) {
        fprintf(f, "\tIDispatch * idisp__%d = 0;\n", n);
        return;
    }
    EmitNullArgumentCheck(call, f, x, returnsValue);
    if (!m_vtblQueryIid.IsEmpty()) {
        // The callee gets the interface it declares, held by the local with
        // a reference of its own; an object without it fails the call as a
        // failed call does, before anything is called.
        fprintf(f, "\tIDispatch * idisp__%d = 0;\n", n);
        fprintf(f, "\tIUnknown * unk__%d = (IUnknown *) env->GetIntField( %s, %s);\n", n, x, ComFieldIdCall());
        fprintf(f, "\tif ( unk__%d != 0 ) {\n", n);
        fprintf(f, "\t\thr = unk__%d->QueryInterface( %s, (void **) &idisp__%d );\n", n, m_vtblQueryIid.c_str(), n);
        fputs("\t\tif ( FAILED( hr )) {\n", f);
        fputs("\t\t\tbrivelThrowComExceptionObject( env, hr, 0 );\n", f);
        call.WriteEarlyRelease(f, 3);
        fputs(returnsValue ? "\t\t\treturn 0;\n" : "\t\t\treturn;\n", f);
        fputs("\t\t}\n\t}\n", f);
        return;
    }
    fprintf(f, "\tIDispatch * idisp__%d = (IDispatch *) env->GetIntField( %s, %s);\n", n, x, ComFieldIdCall());
    if (m_level > 0) fprintf(f, "\tif ( idisp__%d != 0 ) idisp__%d->AddRef();\n", n, n);
}

void CDispatchTypeMapper::GetVtblArgumentExpr(int n, int, CString& text) {
    text.Format(m_level > 0 ? "&idisp__%d" : "idisp__%d", n);
}

void CDispatchTypeMapper::EmitVtblOutCopy(const CMapperCall&, int n, int, FILE* f) {
    fprintf(f, "\tenv->SetObjectArrayElement((jobjectArray)arg%d, 0, brivelUnknownToInterfaceObject( env, idisp__%d, \"%s\" ));\n",
            n, n, ClassPath().c_str());
}

void CDispatchTypeMapper::EmitVtblCleanup(int n, const char*, FILE* f) {
    if (m_level > 0 || !m_vtblQueryIid.IsEmpty()) fprintf(f, "\tif ( idisp__%d != 0 ) idisp__%d->Release();\n", n, n);
}

void CDispatchTypeMapper::EmitVtblReturnDecl(const CMapperCall&, FILE* f) { fprintf(f, "\tIDispatch * retVal = 0;\n"); }
void CDispatchTypeMapper::GetVtblReturnPointer(FILE* f) { fprintf(f, "&retVal"); }

// The callee's reference is released once the Java object holds its own.
void CDispatchTypeMapper::EmitVtblReturn(FILE* f) {
    fprintf(f, "\tjobject retObj = brivelUnknownToInterfaceObject(env,retVal,\"%s\");\n", ClassPath().c_str());
    fprintf(f, "\tif ( retVal != 0 ) retVal->Release();\n");
    fprintf(f, "\treturn retObj;\n");
}

// An out-only interface pointer is written null, never read (nor
// released): the listener gets no object, and none goes back.
void CDispatchTypeMapper::EmitEventParam(const CMapperCall& call, int e, FILE* f) {
    CString empty;
    empty.Format("*V_DISPATCHREF( &pDispParams->rgvarg[eventParamIndex%d] ) = 0;", e);
    if (m_level > 0) EmitOutOnlyEventSlot(call, f, empty);
    fprintf(f, m_level > 0
                   ? "\t\tjobject jobjEventArg_%d = brivelUnknownToInterfaceObject(brivelJniEnv,*V_DISPATCHREF( &pDispParams->rgvarg[eventParamIndex%d] ), \"%s\" );\n"
                   : "\t\tjobject jobjEventArg_%d = brivelUnknownToInterfaceObject(brivelJniEnv,V_DISPATCH( &pDispParams->rgvarg[eventParamIndex%d] ), \"%s\" );\n",
            e, e, ClassPath().c_str());
}

void CDispatchTypeMapper::GetEventArgExpr(int e, CString& text) { text.Format("jobjEventArg_%d", e); }

void CDispatchTypeMapper::EmitEventCleanup(int e, FILE* f) {
    fprintf(f, "\t\tif ( jobjEventArg_%d != 0 ) brivelJniEnv->DeleteLocalRef( jobjEventArg_%d );\n", e, e);
}

void CDispatchTypeMapper::EmitVtblEventParam(const CMapperCall& call, int n, FILE* f) {
    CString empty;
    empty.Format("*(IUnknown **)arg%d = 0;", n);
    if (m_level > 0) EmitOutOnlyEventSlot(call, f, empty);
}

void CDispatchTypeMapper::GetVtblEventArgExpr(int n, CString& text) {
    text.Format(m_level > 0 ? "brivelUnknownToInterfaceObject(brivelJniEnv,*(IUnknown **)arg%d, \"%s\" )"
                            : "brivelUnknownToInterfaceObject(brivelJniEnv,(IUnknown *)arg%d, \"%s\" )",
                n, ClassPath().c_str());
}
