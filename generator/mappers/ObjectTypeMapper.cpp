// Conversion fragments of IUnknown and IDispatch values that the library does
// not name: brivel.TavoObject, or the best-fitting generated class that the
// runtime finds through the library's interface map.
#include "JobView.h"
#include "ShapeTypeMappers.h"

int CObjectTypeMapper::RowCount() const { return m_job ? m_job->IidMapRowCount() : 0; }

void CObjectTypeMapper::EmitInvokeArgument(const CMapperCall&, int n, int v, bool outOnly, const char* x, bool, const VARIANT*,
                                           FILE* f) {
    if (m_family != kInvokeUnknown || !IsByRef()) {
        // Any brivel.TavoObject may come: a coclass object holds its IUnknown.
        EmitDispatchInvokeArgument(IsByRef(), n, v, outOnly, x, f, "brivelGetComId()", true);
        return;
    }
    // A server checks a reference against the type it declares (it cannot
    // coerce what it writes through): an IUnknown goes as VT_UNKNOWN.
    fprintf(f, "\tvargs[%d].vt = VT_BYREF | VT_UNKNOWN;\n", v);
    if (outOnly) {
        fprintf(f, "\tIUnknown * temp__%d = 0;\n", n);
    } else {
        fprintf(f, "\tIUnknown * temp__%d = (IUnknown *) env->GetIntField( %s, brivelGetComId());\n", n, x);
        fprintf(f, "\tif ( temp__%d != 0 ) temp__%d->AddRef();\n", n, n);
    }
    fprintf(f, "\tV_UNKNOWNREF( &vargs[%d] ) = &temp__%d;\n", v, n);
}

void CObjectTypeMapper::EmitInvokeOutCopy(const CMapperCall&, int n, int, int, FILE* f) {
    fprintf(f, "\t\tenv->SetObjectArrayElement((jobjectArray)arg%d, 0, brivelBestUnknownToJobject( env, (IUnknown *) temp__%d,  brivelIIDMap, %d ));\n",
            n, n, RowCount());
}

void CObjectTypeMapper::EmitInvokeCleanup(int n, int, FILE* f) {
    if (IsByRef() || m_family == kInvoke) fprintf(f, "\tif ( temp__%d != 0 ) temp__%d->Release();\n", n, n);
}

void CObjectTypeMapper::EmitInvokeReturn(FILE* f) {
    EmitResultCoercion(f, "VT_UNKNOWN", "VT_DISPATCH", true);
    fprintf(f, "\tjobject retobj = brivelBestUnknownToJobject( env, (IUnknown *) V_DISPATCH( &ret ), brivelIIDMap, %d);\n",
            RowCount());
    fprintf(f, "\tVariantClear( &ret );\n");
    fprintf(f, "\treturn retobj;\n");
}

// Through a pointer to a pointer (IUnknown***) the callee gets the address
// of a pointer to the local, and may point that pointer at a slot of its
// own: what the call leaves is read where it then points.
static void WriteLevel2Pointer(FILE* f, int n) {
    fprintf(f, "\tIDispatch ** pidisp__%d = &idisp__%d;\n", n, n);
}

void CObjectTypeMapper::EmitVtblArgumentSetup(const CMapperCall& call, int n, bool outOnly, const char* x, FILE* f, bool returnsValue) {
    WriteVtblLocal(call, n, outOnly, x, f, returnsValue);
    if (m_level == 2) WriteLevel2Pointer(f, n);
}

void CObjectTypeMapper::WriteVtblLocal(const CMapperCall& call, int n, bool outOnly, const char* x, FILE* f, bool returnsValue) {
    if (outOnly) {
        fprintf(f, "\tIDispatch * idisp__%d = 0;\n", n);
        return;
    }
    EmitNullArgumentCheck(call, f, x, returnsValue);
    fprintf(f, "\tIDispatch * idisp__%d = (IDispatch *) env->GetIntField( %s, brivelGetComId());\n", n, x);
    if (IsByRef()) fprintf(f, "\tif ( idisp__%d != 0 ) idisp__%d->AddRef();\n", n, n);
}

void CObjectTypeMapper::GetVtblArgumentExpr(int n, int, CString& text) {
    text.Format(m_level == 0 ? "idisp__%d" : m_level == 1 ? "&idisp__%d" : "&pidisp__%d", n);
}

void CObjectTypeMapper::EmitVtblOutCopy(const CMapperCall&, int n, int, FILE* f) {
    fprintf(f, m_level == 2 ? "\tenv->SetObjectArrayElement((jobjectArray)arg%d, 0, brivelBestUnknownToJobject( env, (IUnknown *) *pidisp__%d, brivelIIDMap, %d ));\n"
                            : "\tenv->SetObjectArrayElement((jobjectArray)arg%d, 0, brivelBestUnknownToJobject( env, (IUnknown *) idisp__%d, brivelIIDMap, %d ));\n",
            n, n, RowCount());
}

// A slot of the callee's own that the pointer was pointed at is the
// caller's to take, as an out value is: its reference is released and the
// slot emptied, as a VARIANT left there would be cleared.
void CObjectTypeMapper::EmitVtblCleanup(int n, const char*, FILE* f) {
    if (m_level == 2)
        fprintf(f, "\tif ( pidisp__%d != &idisp__%d && *pidisp__%d != 0 ) {\n\t\t(*pidisp__%d)->Release();\n\t\t*pidisp__%d = 0;\n\t}\n",
                n, n, n, n, n);
    if (IsByRef()) fprintf(f, "\tif ( idisp__%d != 0 ) idisp__%d->Release();\n", n, n);
}

void CObjectTypeMapper::EmitVtblReturnDecl(const CMapperCall&, FILE* f) {
    fprintf(f, "\tIDispatch * retVal = 0;\n");
    if (m_level == 2) fprintf(f, "\tIDispatch ** pRetVal = &retVal;\n");
}

void CObjectTypeMapper::GetVtblReturnPointer(FILE* f) { fprintf(f, m_level == 2 ? "&pRetVal" : "&retVal"); }

// The callee's reference is released once the Java object holds its own.
// Through a pointer to a pointer the result is where the callee pointed the
// pointer (a slot of its own, which is emptied as it is taken).
void CObjectTypeMapper::EmitVtblReturn(FILE* f) {
    if (m_level == 2) {
        fprintf(f, "\tjobject retObj = brivelBestUnknownToJobject(env, *pRetVal, brivelIIDMap, %d);\n", RowCount());
        fprintf(f, "\tif ( *pRetVal != 0 ) {\n\t\t(*pRetVal)->Release();\n\t\t*pRetVal = 0;\n\t}\n");
        fprintf(f, "\treturn retObj;\n");
        return;
    }
    fprintf(f, "\tjobject retObj = brivelBestUnknownToJobject(env, retVal, brivelIIDMap, %d);\n", RowCount());
    fprintf(f, "\tif ( retVal != 0 ) retVal->Release();\n");
    fprintf(f, "\treturn retObj;\n");
}

void CObjectTypeMapper::EmitEventParam(const CMapperCall&, int e, FILE* f) {
    fprintf(f, IsByRef()
                   ? "\t\tjobject jobjEventArg_%d = brivelBestUnknownToJobject( brivelJniEnv, (IUnknown *) *V_DISPATCHREF( &pDispParams->rgvarg[eventParamIndex%d] ), brivelIIDMap, %d);\n"
                   : "\t\tjobject jobjEventArg_%d = brivelBestUnknownToJobject( brivelJniEnv, (IUnknown *) V_DISPATCH( &pDispParams->rgvarg[eventParamIndex%d] ), brivelIIDMap, %d);\n",
            e, e, RowCount());
}

void CObjectTypeMapper::GetEventArgExpr(int e, CString& text) { text.Format("jobjEventArg_%d", e); }

void CObjectTypeMapper::EmitEventCleanup(int e, FILE* f) {
    fprintf(f, "\t\tif ( jobjEventArg_%d != 0 ) brivelJniEnv->DeleteLocalRef( jobjEventArg_%d );\n", e, e);
}

void CObjectTypeMapper::GetVtblEventArgExpr(int n, CString& text) {
    text.Format(IsByRef() ? "brivelBestUnknownToJobject( brivelJniEnv, *(IUnknown **)arg%d, brivelIIDMap, %d)"
                          : "brivelBestUnknownToJobject( brivelJniEnv, (IUnknown *) arg%d, brivelIIDMap, %d)",
                n, RowCount());
}

// The one-element array of an object passed by reference. Its class is the
// runtime's cached global one: a local class reference here would outlive
// the event on a COM thread that stays attached.
void CObjectTypeMapper::EmitEventArrayCreate(int e, FILE* f) {
    fprintf(f, "\t\tjobjectArray eventArrayArg_%d = brivelJniEnv->NewObjectArray(1, brivelGetComBaseClass(), 0 );\n", e);
}

// An OUT-only slot's incoming value is undefined: it is not read but set
// empty, so that the caller never finds it undefined (the listener may
// throw), and the listener finds its element empty.
static void WriteEventArrayFill(const CMapperCall& call, FILE* f, int e, const char* slot, const char* closing) {
    if (call.EventArgumentOutOnly()) {
        fprintf(f, "\t\t%s = 0;\n", slot);
        fprintf(f, "\t\tjobject eventArrayElem_%d = 0;\n", e);
        return;
    }
    // Without an array (the VM could make none) nothing is converted.
    fprintf(f, "\t\tjobject eventArrayElem_%d = eventArrayArg_%d == 0 ? 0 : brivelUnknownToJobject( brivelJniEnv, %s%s;\n", e, e,
            slot, closing);
    fprintf(f, "\t\tif ( eventArrayArg_%d != 0 ) brivelJniEnv->SetObjectArrayElement( eventArrayArg_%d, 0, eventArrayElem_%d );\n",
            e, e, e);
}

static CString VtblSlot(int n) {
    CString slot;
    slot.Format("*(IUnknown **) arg%d", n);
    return slot;
}

static CString VariantSlot(int e) {
    CString slot;
    slot.Format("*V_UNKNOWNREF(&pDispParams->rgvarg[eventParamIndex%d] )", e);
    return slot;
}

void CObjectTypeMapper::EmitEventArrayFillFromVtbl(const CMapperCall& call, int n, FILE* f) { WriteEventArrayFill(call, f, n, VtblSlot(n).c_str(), " )"); }

void CObjectTypeMapper::EmitEventArrayFillFromVariant(const CMapperCall& call, int e, FILE* f) {
    WriteEventArrayFill(call, f, e, VariantSlot(e).c_str(), ")");
}

void CObjectTypeMapper::EmitEventArrayPublish(int e, FILE* f) {
    fprintf(f, "\t\tjobject eventArrayRef_%d = brivelJniEnv->NewGlobalRef(eventArrayArg_%d);\n", e, e);
}

// The element the listener left replaces the one made for it (whose local
// reference goes first).
void CObjectTypeMapper::EmitEventArrayReload(int e, FILE* f) {
    fprintf(f, "\t\t\tif ( eventArrayElem_%d != 0 ) brivelJniEnv->DeleteLocalRef( eventArrayElem_%d );\n", e, e);
    fprintf(f, "\t\t\teventArrayElem_%d = brivelJniEnv->GetObjectArrayElement( eventArrayArg_%d, 0 );\n", e, e);
}

// The caller's slot receives the listener's object with a reference of the
// caller's own; the pointer it held (the caller's reference, handed to the
// event) is released, unless the slot was OUT-only and held nothing defined.
// The object's pointer may be its IUnknown (a coclass object holds that),
// whose vtable is not its IDispatch's: the slot gets the object's own
// IDispatch (which an IUnknown slot takes as well), or, where it has none,
// the pointer as it is.
static void WriteEventSlotStore(const CMapperCall& call, FILE* f, int e, const char* slot) {
    fprintf(f, "\t\t\tIUnknown * eventHeldUnk_%d = (IUnknown *) ( eventArrayElem_%d == 0 ? 0 : brivelJniEnv->GetIntField( eventArrayElem_%d, brivelGetComId()));\n",
            e, e, e);
    fprintf(f, "\t\t\tIUnknown * eventNewUnk_%d = 0;\n", e);
    fprintf(f, "\t\t\tif ( eventHeldUnk_%d != 0 && FAILED( eventHeldUnk_%d->QueryInterface( IID_IDispatch, (void **) &eventNewUnk_%d ))) {\n",
            e, e, e);
    fprintf(f, "\t\t\t\teventNewUnk_%d = eventHeldUnk_%d;\n", e, e);
    fprintf(f, "\t\t\t\teventNewUnk_%d->AddRef();\n", e);
    fputs("\t\t\t}\n", f);
    if (!call.EventArgumentOutOnly()) fprintf(f, "\t\t\tif ( %s != 0 ) %s->Release();\n", slot, slot);
    fprintf(f, "\t\t\t%s = eventNewUnk_%d;\n", slot, e);
}

void CObjectTypeMapper::EmitEventArrayCopyToVtbl(const CMapperCall& call, int n, FILE* f) {
    WriteEventSlotStore(call, f, n, ("(" + VtblSlot(n) + ")").c_str());
}

void CObjectTypeMapper::EmitEventArrayCopyToVariant(const CMapperCall& call, int e, FILE* f) {
    WriteEventSlotStore(call, f, e, ("(" + VariantSlot(e) + ")").c_str());
}
