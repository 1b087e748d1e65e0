// Conversion fragments of IUnknown and IDispatch values that the library does
// not name: brivel.TavoObject, or the best-fitting generated class that the
// runtime finds through the library's interface map.
#include "BridgeGenerator.h"
#include "ShapeTypeMappers.h"

namespace {
CBridgeGenerator* g_objectMapperJob = nullptr;
}

void CObjectTypeMapper::SetJob(CBridgeGenerator* job) { g_objectMapperJob = job; }

void CObjectTypeMapper::ForgetJob(CBridgeGenerator* job) {
    if (g_objectMapperJob == job) g_objectMapperJob = nullptr;
}

int CObjectTypeMapper::RowCount() const { return g_objectMapperJob ? g_objectMapperJob->IidMapRowCount() : 0; }

void CObjectTypeMapper::EmitInvokeArgument(int n, int v, bool outOnly, const char* x, bool, const VARIANT*,
                                           FILE* f) {
    EmitDispatchInvokeArgument(IsByRef(), n, v, outOnly, x, f);
}

void CObjectTypeMapper::EmitInvokeOutCopy(int n, int, int, FILE* f) {
    fprintf(f, "\t\tenv->SetObjectArrayElement((jobjectArray)arg%d, 0, brivelBestUnknownToJobject( env, (IUnknown *) temp__%d,  brivelIIDMap, %d ));\n",
            n, n, RowCount());
}

void CObjectTypeMapper::EmitInvokeCleanup(int n, int, FILE* f) {
    if (IsByRef()) fprintf(f, "\tif ( temp__%d != 0 ) temp__%d->Release();\n", n, n);
}

void CObjectTypeMapper::EmitInvokeReturn(FILE* f) {
    EmitResultCoercion(f, "VT_UNKNOWN", "VT_DISPATCH");
    fprintf(f, "\tjobject retobj = brivelBestUnknownToJobject( env, (IUnknown *) V_DISPATCH( &ret ), brivelIIDMap, %d);\n",
            RowCount());
    fprintf(f, "\tVariantClear( &ret );\n");
    fprintf(f, "\treturn retobj;\n");
}

void CObjectTypeMapper::EmitVtblArgumentSetup(int n, bool outOnly, const char* x, FILE* f, bool returnsValue) {
    if (outOnly) {
        fprintf(f, "\tIDispatch * idisp__%d = 0;\n", n);
        return;
    }
    EmitNullArgumentCheck(f, x, returnsValue);
    fprintf(f, "\tIDispatch * idisp__%d = (IDispatch *) env->GetIntField( %s, brivelGetComId());\n", n, x);
    if (IsByRef()) fprintf(f, "\tif ( idisp__%d != 0 ) idisp__%d->AddRef();\n", n, n);
}

void CObjectTypeMapper::GetVtblArgumentExpr(int n, int, CString& text) {
    text.Format(m_level == 0 ? "idisp__%d" : "&idisp__%d", n);
}

void CObjectTypeMapper::EmitVtblOutCopy(int n, int, FILE* f) {
    fprintf(f, "\tenv->SetObjectArrayElement((jobjectArray)arg%d, 0, brivelBestUnknownToJobject( env, (IUnknown *) idisp__%d, brivelIIDMap, %d ));\n",
            n, n, RowCount());
}

void CObjectTypeMapper::EmitVtblCleanup(int n, const char*, FILE* f) {
    if (IsByRef()) fprintf(f, "\tif ( idisp__%d != 0 ) idisp__%d->Release();\n", n, n);
}

void CObjectTypeMapper::EmitVtblReturnDecl(FILE* f) {
    fprintf(f, "\tIDispatch * retVal;\n");
    if (m_level == 2) fprintf(f, "\tIDispatch ** pRetVal = &retVal;\n");
}

void CObjectTypeMapper::GetVtblReturnPointer(FILE* f) { fprintf(f, m_level == 2 ? "&pRetVal" : "&retVal"); }

// The callee's reference is released once the Java object holds its own.
void CObjectTypeMapper::EmitVtblReturn(FILE* f) {
    fprintf(f, "\tjobject retObj = brivelBestUnknownToJobject(env, retVal, brivelIIDMap, %d);\n", RowCount());
    fprintf(f, "\tif ( retVal != 0 ) retVal->Release();\n");
    fprintf(f, "\treturn retObj;\n");
}

void CObjectTypeMapper::EmitEventParam(int e, FILE* f) {
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

void CObjectTypeMapper::EmitEventArrayCreate(int e, FILE* f) {
    fprintf(f, "\t\tjobjectArray eventArrayArg_%d = brivelJniEnv->NewObjectArray(1, brivelFindClass( brivelJniEnv, \"brivel/TavoObject\" ), 0 );\n", e);
}

void CObjectTypeMapper::EmitEventArrayFillFromVtbl(int n, FILE* f) {
    fprintf(f, "\t\tjobject eventArrayElem_%d = brivelUnknownToJobject( brivelJniEnv, *(IUnknown **) arg%d );\n", n, n);
    fprintf(f, "\t\tbrivelJniEnv->SetObjectArrayElement( eventArrayArg_%d, 0, eventArrayElem_%d );\n", n, n);
}

void CObjectTypeMapper::EmitEventArrayFillFromVariant(int e, FILE* f) {
    fprintf(f, "\t\tjobject eventArrayElem_%d = brivelUnknownToJobject( brivelJniEnv, *V_UNKNOWNREF(&pDispParams->rgvarg[eventParamIndex%d] ));\n", e, e);
    fprintf(f, "\t\tbrivelJniEnv->SetObjectArrayElement( eventArrayArg_%d, 0, eventArrayElem_%d );\n", e, e);
}

void CObjectTypeMapper::EmitEventArrayPublish(int e, FILE* f) {
    fprintf(f, "\t\tjobject eventArrayRef_%d = brivelJniEnv->NewGlobalRef(eventArrayArg_%d);\n", e, e);
}

void CObjectTypeMapper::EmitEventArrayReload(int e, FILE* f) {
    fprintf(f, "\t\t\teventArrayElem_%d = brivelJniEnv->GetObjectArrayElement( eventArrayArg_%d, 0 );\n", e, e);
}

void CObjectTypeMapper::EmitEventArrayCopyToVtbl(int n, FILE* f) {
    fprintf(f, "\t\t\t*(IUnknown **) arg%d = (IUnknown *) ( eventArrayElem_%d == 0 ? 0 : brivelJniEnv->GetIntField( eventArrayElem_%d, brivelGetComId()));\n",
            n, n, n);
}

void CObjectTypeMapper::EmitEventArrayCopyToVariant(int e, FILE* f) {
    fprintf(f, "\t\t\t*V_UNKNOWNREF( &pDispParams->rgvarg[eventParamIndex%d] ) = (IUnknown *) ( eventArrayElem_%d == 0 ? 0 : brivelJniEnv->GetIntField( eventArrayElem_%d, brivelGetComId()));\n",
            e, e, e);
}
