#include "PrimitiveTypeMappers.h"

#include <cstring>

CPrimitiveTypeMapper::CPrimitiveTypeMapper(bool byRef, const char* javaType, const char* jniType, const char* cType,
                                           const char* signature, const char* vtName, const char* accessor,
                                           const char* arrayWord, const char* jniArrayType)
    : m_byRef(byRef), m_javaType(javaType), m_jniType(jniType), m_cType(cType), m_signature(signature),
      m_vtName(vtName), m_accessor(accessor), m_arrayWord(arrayWord), m_jniArrayType(jniArrayType) {}

const char* CPrimitiveTypeMapper::BoxingClass() const {
    if (!m_arrayWord) return "";
    return strcmp(m_arrayWord, "Int") == 0 ? "Integer" : m_arrayWord;
}

void CPrimitiveTypeMapper::WriteClassLiteral(FILE* javaFile) { fprintf(javaFile, "%s.TYPE", BoxingClass()); }

void CPrimitiveTypeMapper::WriteBoxing(FILE* javaFile, const char* expression) {
    fprintf(javaFile, "new %s( %s )", BoxingClass(), expression);
}

void CPrimitiveTypeMapper::EmitInvokeArgument(const CMapperCall&, int, int v, bool, const char* javaExpr, bool, const VARIANT*,
                                              FILE* file) {
    fprintf(file, "\tvargs[%d].vt = %s;\n", v, m_vtName);
    fprintf(file, "\t%s( &vargs[%d] ) = (%s) ", m_accessor, v, m_cType);
    if (m_byRef) fprintf(file, "&");
    fprintf(file, "%s;\n", javaExpr);
}

// By reference the VARIANT points straight into the Java array's elements,
// so nothing has to be copied back.
void CPrimitiveTypeMapper::EmitInvokeOutCopy(const CMapperCall&, int, int, int, FILE*) {}

// The result is coerced to the value type (a by-reference result is read
// through, by the coercion) and read by value.
void CPrimitiveTypeMapper::EmitInvokeReturn(FILE* file) {
    CString vt = ValueVt();
    EmitResultCoercion(file, vt, vt == "VT_UI1" ? "VT_I1" : vt == "VT_I1" ? "VT_UI1" : nullptr);
    fprintf(file, "\treturn (%s)%s( &ret );\n", m_jniType, ValueAccessor().c_str());
}

CString CPrimitiveTypeMapper::ValueVt() const {
    CString vt = m_vtName;
    vt.Replace("VT_BYREF | ", "");
    vt.Replace(" | VT_BYREF", "");
    return vt;
}

CString CPrimitiveTypeMapper::ValueAccessor() const {
    CString accessor = m_accessor;
    if (m_byRef && accessor.Right(3) == "REF") accessor = accessor.Left(accessor.GetLength() - 3);
    return accessor;
}

// An OUT argument (the writer passes 1) is the element of the Java array
// that the callee writes straight into; an IN-only pointer points at the
// Java value itself.
void CPrimitiveTypeMapper::GetVtblArgumentExpr(int n, int inArray, CString& text) {
    CString argument;
    argument.Format(m_byRef && inArray == 1 ? "arg%d__arrayBuf[0]" : "arg%d", n);
    text.Format(m_byRef ? "(%s)&%s" : "(%s)%s", m_cType, argument.c_str());
}

void CPrimitiveTypeMapper::GetVtblReturnType(CString& text) {
    text = m_cType;
    if (m_byRef) text += " *";
}

void CPrimitiveTypeMapper::EmitVtblReturnDecl(const CMapperCall&, FILE* file) { fprintf(file, "\t%s retVal = 0;\n", m_jniType); }
void CPrimitiveTypeMapper::GetVtblReturnPointer(FILE* file) { fprintf(file, "&retVal"); }
void CPrimitiveTypeMapper::EmitVtblReturn(FILE* file) { fprintf(file, "\treturn retVal;\n"); }

void CPrimitiveTypeMapper::GetEventArgExpr(int e, CString& text) {
    if (m_byRef)
        text.Format("(%s) *%s( &pDispParams->rgvarg[eventParamIndex%d] )", m_jniType, m_accessor, e);
    else
        text.Format("(%s) %s( &pDispParams->rgvarg[eventParamIndex%d] )", m_jniType, m_accessor, e);
}

void CPrimitiveTypeMapper::GetVtblEventArgExpr(int n, CString& text) {
    if (m_byRef)
        text.Format("*(%s *)arg%d", m_jniType, n);
    else
        text.Format("(%s) arg%d", m_jniType, n);
}

// An out-only number is written as 0 before it is read: what the caller's
// slot held is undefined, and the listener may throw before it writes one.
void CPrimitiveTypeMapper::EmitEventArrayFillFromVtbl(const CMapperCall& call, int n, FILE* file) {
    CString empty;
    empty.Format("*(%s) arg%d = 0;", m_cType, n);
    EmitOutOnlyEventSlot(call, file, empty);
    fprintf(file, "\t\tif ( eventArrayPtr_%d != 0 ) *eventArrayPtr_%d = *(%s *) arg%d;\n", n, n, m_jniType, n);
}

void CPrimitiveTypeMapper::EmitEventArrayFillFromVariant(const CMapperCall& call, int e, FILE* file) {
    CString empty;
    empty.Format("*%s( &pDispParams->rgvarg[eventParamIndex%d] ) = 0;", m_accessor, e);
    EmitOutOnlyEventSlot(call, file, empty);
    fprintf(file, "\t\tif ( eventArrayPtr_%d != 0 ) *eventArrayPtr_%d = (%s) *%s( &pDispParams->rgvarg[eventParamIndex%d] );\n",
            e, e, m_jniType, m_accessor, e);
}

void CPrimitiveTypeMapper::EmitEventArrayCopyToVtbl(const CMapperCall&, int n, FILE* file) {
    fprintf(file, "\t\t\t*(%s) arg%d = *eventArrayPtr_%d;\n", m_cType, n, n);
}

void CPrimitiveTypeMapper::EmitEventArrayCopyToVariant(const CMapperCall&, int e, FILE* file) {
    fprintf(file, "\t\t\t*%s( &pDispParams->rgvarg[eventParamIndex%d] ) = *eventArrayPtr_%d;\n", m_accessor, e, e);
}

void CPrimitiveTypeMapper::GetArrayBufferExpr(int n, CString& text) { text.Format("&arg%d__arrayBuf[0]", n); }

void CPrimitiveTypeMapper::EmitArrayBufferRelease(int n, FILE* file) {
    fprintf(file, "\tenv->Release%sArrayElements( (%s) arg%d, arg%d__arrayBuf, 0 );\n", m_arrayWord,
            m_jniArrayType, n, n);
}

// ---- void

CVoidTypeMapper::CVoidTypeMapper()
    : CPrimitiveTypeMapper(false, "void", "void", "void", "V", "VT_VOID", "", nullptr, nullptr) {}

// ---- VARIANT_BOOL

CBooleanTypeMapper::CBooleanTypeMapper(bool byRef)
    : CPrimitiveTypeMapper(byRef, "boolean", "jboolean", byRef ? "VARIANT_BOOL *" : "VARIANT_BOOL", "Z",
                           byRef ? "VT_BOOL | VT_BYREF" : "VT_BOOL", byRef ? "V_BOOLREF" : "V_BOOL", "Boolean",
                           "jbooleanArray") {}

void CBooleanTypeMapper::EmitInvokeArgument(const CMapperCall&, int n, int v, bool, const char* javaExpr, bool, const VARIANT*,
                                            FILE* file) {
    if (m_byRef) {
        fprintf(file, "\tvargs[%d].vt = VT_BYREF | VT_BOOL;\n", v);
        fprintf(file, "\tshort temp__%d = %s ? 0xFFFF : 0;\n", n, javaExpr);
        fprintf(file, "\tV_BOOLREF( &vargs[%d] ) = &temp__%d;\n", v, n);
    } else {
        fprintf(file, "\tvargs[%d].vt = VT_BOOL;\n", v);
        fprintf(file, "\tV_BOOL( &vargs[%d] ) = %s ? 0xFFFF : 0;\n", v, javaExpr);
    }
}

void CBooleanTypeMapper::EmitInvokeOutCopy(const CMapperCall&, int n, int, int, FILE* file) {
    if (m_byRef) fprintf(file, "\t\targ%d__arrayBuf[0] = temp__%d ? JNI_TRUE : JNI_FALSE;\n", n, n);
}

void CBooleanTypeMapper::EmitInvokeReturn(FILE* file) {
    EmitResultCoercion(file, "VT_BOOL");
    fprintf(file, "\treturn V_BOOL( &ret ) ? JNI_TRUE : JNI_FALSE;\n");
}

// By reference the callee gets the address of a local that holds the Java
// value (an IN/OUT argument's element, an IN argument's value); only an
// out-only argument starts as VARIANT_FALSE.
void CBooleanTypeMapper::EmitVtblArgumentSetup(const CMapperCall&, int n, bool outOnly, const char* javaExpr, FILE* file, bool) {
    if (m_byRef && outOnly)
        fprintf(file, "\tVARIANT_BOOL temp__%d = VARIANT_FALSE;\n", n);
    else
        fprintf(file, "\tVARIANT_BOOL temp__%d = %s ? VARIANT_TRUE : VARIANT_FALSE;\n", n, javaExpr);
}

void CBooleanTypeMapper::GetVtblArgumentExpr(int n, int, CString& text) {
    text.Format(m_byRef ? "&temp__%d" : "temp__%d", n);
}

void CBooleanTypeMapper::EmitVtblOutCopy(const CMapperCall&, int n, int, FILE* file) {
    if (!m_byRef) return;
    CString target;
    target.Format("arg%d__arrayBuf[0]", n);
    fprintf(file, "\t%s = temp__%d ? JNI_TRUE : JNI_FALSE;\n", target.c_str(), n);
}

void CBooleanTypeMapper::EmitVtblReturnDecl(const CMapperCall&, FILE* file) { fprintf(file, "\tVARIANT_BOOL retVal = VARIANT_FALSE;\n"); }
void CBooleanTypeMapper::EmitVtblReturn(FILE* file) { fprintf(file, "\treturn retVal ? JNI_TRUE : JNI_FALSE;\n"); }

// VARIANT_TRUE is -1: Java gets JNI_TRUE, never the VARIANT_BOOL's bits.
void CBooleanTypeMapper::GetEventArgExpr(int e, CString& text) {
    text.Format(m_byRef ? "*%s( &pDispParams->rgvarg[eventParamIndex%d] ) ? JNI_TRUE : JNI_FALSE"
                        : "%s( &pDispParams->rgvarg[eventParamIndex%d] ) ? JNI_TRUE : JNI_FALSE",
                m_accessor, e);
}

void CBooleanTypeMapper::GetVtblEventArgExpr(int n, CString& text) {
    text.Format(m_byRef ? "*arg%d ? JNI_TRUE : JNI_FALSE" : "arg%d ? JNI_TRUE : JNI_FALSE", n);
}

void CBooleanTypeMapper::EmitEventArrayFillFromVtbl(const CMapperCall& call, int n, FILE* file) {
    CString empty;
    empty.Format("*( VARIANT_BOOL *) arg%d = VARIANT_FALSE;", n);
    EmitOutOnlyEventSlot(call, file, empty);
    fprintf(file, "\t\tif ( eventArrayPtr_%d != 0 ) *eventArrayPtr_%d = (*( VARIANT_BOOL *) arg%d) ? JNI_TRUE : JNI_FALSE;\n",
            n, n, n);
}

void CBooleanTypeMapper::EmitEventArrayFillFromVariant(const CMapperCall& call, int e, FILE* file) {
    CString empty;
    empty.Format("*%s( &pDispParams->rgvarg[eventParamIndex%d] ) = VARIANT_FALSE;", m_accessor, e);
    EmitOutOnlyEventSlot(call, file, empty);
    fprintf(file, "\t\tif ( eventArrayPtr_%d != 0 ) *eventArrayPtr_%d = *%s( &pDispParams->rgvarg[eventParamIndex%d] ) ? JNI_TRUE : JNI_FALSE;\n",
            e, e, m_accessor, e);
}

void CBooleanTypeMapper::EmitEventArrayCopyToVtbl(const CMapperCall&, int n, FILE* file) {
    fprintf(file, "\t\t\t*(VARIANT_BOOL *) arg%d = *eventArrayPtr_%d ? VARIANT_TRUE : VARIANT_FALSE;\n", n, n);
}

void CBooleanTypeMapper::EmitEventArrayCopyToVariant(const CMapperCall&, int e, FILE* file) {
    fprintf(file,
            "\t\t\t*%s( &pDispParams->rgvarg[eventParamIndex%d] ) = *eventArrayPtr_%d ? VARIANT_TRUE : VARIANT_FALSE;\n",
            m_accessor, e, e);
}

// ---- __int64 by reference

CInt64RefTypeMapper::CInt64RefTypeMapper()
    : CPrimitiveTypeMapper(true, "long", "jlong", "__int64 *", "J", "VT_BYREF | VT_I8", "V_I8REF", "Long",
                           "jlongArray") {}

void CInt64RefTypeMapper::EmitInvokeArgument(const CMapperCall&, int, int v, bool, const char* javaExpr, bool, const VARIANT*,
                                             FILE* file) {
    fprintf(file, "\tvargs[%d].vt = %s;\n", v, m_vtName);
    fprintf(file, "\tvargs[%d].plVal = (long *) (%s) ", v, m_cType);
    if (m_byRef) fprintf(file, "&");
    fprintf(file, "%s;\n", javaExpr);
}

// ---- LPSTR

CLpstrTypeMapper::CLpstrTypeMapper(bool byRef)
    : CPrimitiveTypeMapper(false, "String", "jstring", "VARIANT_LPSTR", "Ljava/lang/String;", "VT_LPSTR", "V_LPSTR",
                           "String", "jobjectArray"),
      m_lpstrByRef(byRef) {}

void CLpstrTypeMapper::GetJniSignature(bool mangled, CString& text) {
    text = mangled ? "Ljava_lang_String_2" : "Ljava/lang/String;";
}

void CLpstrTypeMapper::WriteClassLiteral(FILE* javaFile) { fprintf(javaFile, "String.class"); }
void CLpstrTypeMapper::WriteBoxing(FILE* javaFile, const char* expression) { fprintf(javaFile, "%s", expression); }
void CLpstrTypeMapper::GetVtblParamType(CString& text) { text = m_lpstrByRef ? "LPSTR *" : "LPSTR"; }

// ANSI text crosses to Java through UTF-16 (the system code page on one
// side, a Java string on the other), so that characters beyond ASCII keep
// their meaning; modified UTF-8 would misread them.

// Declares `target` and fills it with a copy of the Java string `javaExpr` in
// the system code page, zero-terminated and allocated with malloc; a null Java
// string gives a null LPSTR.
static void WriteJstringToAnsi(FILE* file, const char* target, const char* javaExpr) {
    fprintf(file, "\tLPSTR %s = 0;\n", target);
    fprintf(file, "\tif ( %s != 0 ) {\n", javaExpr);
    fprintf(file, "\t\tjsize wideCount = env->GetStringLength( (jstring)%s );\n", javaExpr);
    fprintf(file, "\t\tconst jchar * wide = env->GetStringChars( (jstring)%s, NULL );\n", javaExpr);
    fprintf(file, "\t\tint ansiCount = wide == 0 || wideCount == 0 ? 0 : "
                  "WideCharToMultiByte( CP_ACP, 0, (LPCWSTR) wide, wideCount, NULL, 0, NULL, NULL );\n");
    fprintf(file, "\t\t%s = (LPSTR) malloc( ansiCount + 1 );\n", target);
    fprintf(file, "\t\tif ( %s != 0 ) {\n", target);
    fprintf(file, "\t\t\tif ( ansiCount > 0 ) WideCharToMultiByte( CP_ACP, 0, (LPCWSTR) wide, wideCount, %s, "
                  "ansiCount, NULL, NULL );\n", target);
    fprintf(file, "\t\t\t%s[ansiCount] = 0;\n", target);
    fprintf(file, "\t\t}\n");
    fprintf(file, "\t\tif ( wide != 0 ) env->ReleaseStringChars( (jstring)%s, wide );\n", javaExpr);
    fprintf(file, "\t}\n");
}

// Declares the jstring `target` holding the ANSI text `ansiExpr` (0 when the
// text is a null pointer).
static void WriteAnsiToJstring(FILE* file, const char* target, const char* ansiExpr) {
    fprintf(file, "\tjstring %s = 0;\n", target);
    fprintf(file, "\tif ( %s != 0 ) {\n", ansiExpr);
    fprintf(file, "\t\tint wideCount = MultiByteToWideChar( CP_ACP, 0, %s, -1, NULL, 0 );\n", ansiExpr);
    fprintf(file, "\t\tWCHAR * wide = wideCount > 0 ? (WCHAR *) malloc( wideCount * sizeof( WCHAR )) : 0;\n");
    fprintf(file, "\t\tif ( wide != 0 && MultiByteToWideChar( CP_ACP, 0, %s, -1, wide, wideCount ) == wideCount )\n",
            ansiExpr);
    fprintf(file, "\t\t\t%s = env->NewString( (const jchar *) wide, wideCount - 1 );\n", target);
    fprintf(file, "\t\tfree( wide );\n");
    fprintf(file, "\t}\n");
}

void CLpstrTypeMapper::EmitInvokeReturn(FILE* file) {
    WriteAnsiToJstring(file, "retstr", "(LPCSTR) V_BYREF( &ret )");
    fprintf(file, "\tVariantClear( &ret );\n");
    fprintf(file, "\treturn retstr;\n");
}
void CLpstrTypeMapper::EmitVtblArgumentSetup(const CMapperCall&, int n, bool, const char* x, FILE* file, bool) {
    CString target;
    target.Format("lpstr__%d", n);
    WriteJstringToAnsi(file, target, x);
    if (m_lpstrByRef) fprintf(file, "\tLPSTR lpstrIn__%d = lpstr__%d;\n", n, n);
}
void CLpstrTypeMapper::GetVtblArgumentExpr(int n, int, CString& text) {
    text.Format(m_lpstrByRef ? "&lpstr__%d" : "lpstr__%d", n);
}
// Who owns text a callee stores in place of ours is not known: it is copied
// and left alone.
void CLpstrTypeMapper::EmitVtblOutCopy(const CMapperCall&, int n, int, FILE* file) {
    CString target, source;
    target.Format("lpstrOut__%d", n);
    source.Format("lpstr__%d", n);
    WriteAnsiToJstring(file, target, source);
    fprintf(file, "\tenv->SetObjectArrayElement((jobjectArray)arg%d, 0, lpstrOut__%d );\n", n, n);
}
void CLpstrTypeMapper::EmitVtblCleanup(int n, const char*, FILE* file) {
    if (m_lpstrByRef)
        fprintf(file, "\tfree( lpstrIn__%d );\n", n);
    else
        fprintf(file, "\tfree( lpstr__%d );\n", n);
}
void CLpstrTypeMapper::EmitVtblReturnDecl(const CMapperCall&, FILE* file) { fprintf(file, "\tLPSTR retVal = 0;\n"); }
void CLpstrTypeMapper::GetVtblReturnPointer(FILE* file) { fprintf(file, "&retVal"); }

void CLpstrTypeMapper::EmitVtblReturn(FILE* file) {
    WriteAnsiToJstring(file, "retStr", "retVal");
    fprintf(file, "\t/* free( retStr ); No clue what the LPSTR-using COM author wants, 'free', 'delete' or leave it alone! */\n");
    fprintf(file, "\treturn retStr;\n");
}

// ---- byte buffers

bool CByteBufferTypeMapper::GetKindWord(CString& word) {
    word = m_unsigned ? "byte array" : "character array";
    return true;
}

// An out-only buffer starts as zeros: the callee gets none of what the
// caller's array held, and one that writes nothing gives back zeros.
static void WriteOutOnlyBufferEmptied(FILE* file, int n, bool outOnly) {
    if (outOnly) fprintf(file, "\tif ( bufPtr%d != 0 ) memset( bufPtr%d, 0, env->GetArrayLength( byteArray%d ));\n", n, n, n);
}

void CByteBufferTypeMapper::EmitInvokeArgument(const CMapperCall& call, int n, int v, bool outOnly, const char* javaExpr,
                                               bool returnsValue, const VARIANT*, FILE* file) {
    EmitNullArgumentCheck(call, file, javaExpr, returnsValue);
    fprintf(file, "\tjbyteArray byteArray%d = (jbyteArray) %s;\n", n, javaExpr);
    fprintf(file, "\tjbyte * bufPtr%d = byteArray%d == 0 ? 0 : env->GetByteArrayElements( byteArray%d, NULL );\n", n,
            n, n);
    WriteOutOnlyBufferEmptied(file, n, outOnly);
    fprintf(file, "\tvargs[%d].vt = VT_BYREF | %s;\n", v, m_unsigned ? "VT_UI1" : "VT_I1");
    fprintf(file, "\tvargs[%d].byref = bufPtr%d;\n", v, n);
}

void CByteBufferTypeMapper::EmitInvokeOutCopy(const CMapperCall&, int, int, int, FILE*) {}

void CByteBufferTypeMapper::EmitInvokeCleanup(int n, int, FILE* file) {
    fprintf(file, "\tif ( byteArray%d != 0 ) env->ReleaseByteArrayElements( byteArray%d, bufPtr%d, 0 );\n", n, n, n);
}

void CByteBufferTypeMapper::EmitInvokeReturn(FILE* file) {
    EmitResultCoercion(file, "VT_UI1", "VT_I1");
    fprintf(file, "\tjbyteArray retByteArray = env->NewByteArray(1);\n");
    fprintf(file, "\tjbyte * retBytePtr = env->GetByteArrayElements( retByteArray, NULL );\n");
    fprintf(file, "\t*retBytePtr = V_UI1( &ret );\n");
    fprintf(file, "\tenv->ReleaseByteArrayElements( retByteArray, retBytePtr, 0 );\n");
    fprintf(file, "\treturn retByteArray;\n");
}

void CByteBufferTypeMapper::EmitVtblArgumentSetup(const CMapperCall&, int n, bool outOnly, const char* javaExpr, FILE* file, bool) {
    fprintf(file, "\tjbyteArray byteArray%d = (jbyteArray) %s;\n", n, javaExpr);
    fprintf(file, "\tjbyte * bufPtr%d = byteArray%d == 0 ? 0 : env->GetByteArrayElements( byteArray%d, NULL );\n", n,
            n, n);
    WriteOutOnlyBufferEmptied(file, n, outOnly);
}

void CByteBufferTypeMapper::GetVtblArgumentExpr(int n, int, CString& text) {
    text.Format(m_unsigned ? "(unsigned char *) bufPtr%d" : "(char *) bufPtr%d", n);
}

void CByteBufferTypeMapper::EmitVtblCleanup(int n, const char*, FILE* file) {
    fprintf(file, "\tif ( byteArray%d != 0 ) env->ReleaseByteArrayElements( byteArray%d, bufPtr%d, 0 );\n", n, n, n);
}

void CByteBufferTypeMapper::EmitVtblReturnDecl(const CMapperCall&, FILE* file) { fprintf(file, "\tBYTE * retVal = 0;\n"); }
void CByteBufferTypeMapper::GetVtblReturnPointer(FILE* file) { fprintf(file, "&retVal"); }
void CByteBufferTypeMapper::EmitVtblReturn(FILE* file) { fprintf(file, "\treturn 0;\n"); }

// The caller's byte of event parameter e: where its VARIANT holds it (a
// byte by reference, as declared, or the value itself).
static CString EventBytePointer(int e) {
    CString text;
    text.Format("( pDispParams->rgvarg[eventParamIndex%d].vt & VT_BYREF ) ? (jbyte *) V_BYREF( &pDispParams->rgvarg[eventParamIndex%d] ) : (jbyte *) &V_UI1( &pDispParams->rgvarg[eventParamIndex%d] )",
                e, e, e);
    return text;
}

static CString VtblBytePointer(int n) {
    CString text;
    text.Format("(jbyte *) arg%d", n);
    return text;
}

// The byte at `pointer` into a new byte[1] named `array` (null for a null
// pointer); an out-only byte is not read, its element starts 0.
// An out-only byte is written as 0, not read: the listener's element
// starts as 0.
static void WriteEventBytes(FILE* file, const char* array, int n, const char* pointer, bool read) {
    fprintf(file, "\t\tjbyte * eventBytePtr_%d = %s;\n", n, pointer);
    if (!read) fprintf(file, "\t\tif ( eventBytePtr_%d != 0 ) *eventBytePtr_%d = 0;\n", n, n);
    fprintf(file, "\t\tjbyteArray %s%d = eventBytePtr_%d == 0 ? 0 : brivelJniEnv->NewByteArray( 1 );\n", array, n, n);
    if (read)
        fprintf(file, "\t\tif ( %s%d != 0 ) brivelJniEnv->SetByteArrayRegion( %s%d, 0, 1, eventBytePtr_%d );\n", array, n,
                array, n, n);
}

void CByteBufferTypeMapper::EmitEventParam(const CMapperCall&, int e, FILE* file) {
    WriteEventBytes(file, "eventBytes_", e, EventBytePointer(e).c_str(), true);
}

void CByteBufferTypeMapper::GetEventArgExpr(int e, CString& text) { text.Format("eventBytes_%d", e); }

void CByteBufferTypeMapper::EmitEventCleanup(int e, FILE* file) {
    fprintf(file, "\t\tif ( eventBytes_%d != 0 ) brivelJniEnv->DeleteLocalRef( eventBytes_%d );\n", e, e);
}

void CByteBufferTypeMapper::EmitVtblEventParam(const CMapperCall&, int n, FILE* file) {
    WriteEventBytes(file, "eventBytes_", n, VtblBytePointer(n).c_str(), true);
}

void CByteBufferTypeMapper::GetVtblEventArgExpr(int n, CString& text) { text.Format("eventBytes_%d", n); }

void CByteBufferTypeMapper::EmitEventArrayFillFromVtbl(const CMapperCall& call, int n, FILE* file) {
    WriteEventBytes(file, "eventArrayArg_", n, VtblBytePointer(n).c_str(), !call.EventArgumentOutOnly());
}

void CByteBufferTypeMapper::EmitEventArrayFillFromVariant(const CMapperCall& call, int e, FILE* file) {
    WriteEventBytes(file, "eventArrayArg_", e, EventBytePointer(e).c_str(), !call.EventArgumentOutOnly());
}

// What the listener left in element 0 goes to the caller's byte.
void CByteBufferTypeMapper::EmitEventArrayCopyToVtbl(const CMapperCall&, int n, FILE* file) {
    fprintf(file, "\t\t\tif ( eventArrayArg_%d != 0 ) brivelJniEnv->GetByteArrayRegion( eventArrayArg_%d, 0, 1, eventBytePtr_%d );\n",
            n, n, n);
}

void CByteBufferTypeMapper::EmitEventArrayCopyToVariant(const CMapperCall& call, int e, FILE* file) { EmitEventArrayCopyToVtbl(call, e, file); }

void CByteBufferTypeMapper::EmitEventArrayDeleteRef(int e, FILE* file) {
    fprintf(file, "\t\tif ( eventArrayArg_%d != 0 ) brivelJniEnv->DeleteLocalRef( eventArrayArg_%d );\n", e, e);
}
