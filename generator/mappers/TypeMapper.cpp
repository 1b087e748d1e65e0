#include "TypeMapper.h"

#include <cstring>

void CTypeMapper::WriteClassLiteral(FILE* javaFile) {
    CString javaType;
    GetJavaType(javaType);
    fprintf(javaFile, "%s.class", javaType.c_str());
}

void CTypeMapper::WriteBoxing(FILE* javaFile, const char* expression) {
    fprintf(javaFile, "%s", expression);
}

static const char* OrEmpty(const char* text) { return text ? text : ""; }

// The VM may make no array (its heap exhausted: null, with OutOfMemoryError
// pending): then there are no elements to fill or give back, and the sink
// calls no listener (the exception goes to its TavoOnEventException).
void CTypeMapper::EmitEventArrayCreate(int e, FILE* file) {
    CString elementType;
    GetJniType(elementType);
    const char* word = OrEmpty(GetArrayAccessorWord());
    fprintf(file, "\t\t%s eventArrayArg_%d = brivelJniEnv->New%sArray(1);\n", OrEmpty(GetJniArrayType()), e, word);
    fprintf(file, "\t\t%s * eventArrayPtr_%d = eventArrayArg_%d == 0 ? 0 : brivelJniEnv->Get%sArrayElements( eventArrayArg_%d, 0 );\n",
            elementType.c_str(), e, e, word, e);
}

void CTypeMapper::EmitEventArrayPublish(int e, FILE* file) {
    fprintf(file, "\t\tif ( eventArrayPtr_%d != 0 ) brivelJniEnv->Release%sArrayElements( eventArrayArg_%d, eventArrayPtr_%d, 0 );\n",
            e, OrEmpty(GetArrayAccessorWord()), e, e);
    fprintf(file, "\t\tjobject eventArrayRef_%d = brivelJniEnv->NewGlobalRef(eventArrayArg_%d);\n", e, e);
}

void CTypeMapper::GetEventArrayExpr(int e, CString& text) { text.Format("eventArrayArg_%d", e); }

void CTypeMapper::EmitEventArrayReload(int e, FILE* file) {
    fprintf(file, "\t\t\teventArrayPtr_%d = brivelJniEnv->Get%sArrayElements( eventArrayArg_%d, 0 );\n", e,
            OrEmpty(GetArrayAccessorWord()), e);
}

void CTypeMapper::EmitEventArrayRelease(int e, FILE* file) {
    fprintf(file, "\t\t\tbrivelJniEnv->Release%sArrayElements( eventArrayArg_%d, eventArrayPtr_%d, 0 );\n",
            OrEmpty(GetArrayAccessorWord()), e, e);
}

void CTypeMapper::EmitEventArrayDeleteRef(int e, FILE* file) {
    fprintf(file, "\t\tif ( eventArrayRef_%d != 0 ) brivelJniEnv->DeleteGlobalRef( eventArrayRef_%d );\n", e, e);
    fprintf(file, "\t\tbrivelJniEnv->DeleteLocalRef( eventArrayArg_%d );\n", e);
    if (EventArrayHoldsObject())
        fprintf(file, "\t\tif ( eventArrayElem_%d != 0 ) brivelJniEnv->DeleteLocalRef( eventArrayElem_%d );\n", e, e);
}

void EmitResultCoercion(FILE* file, const char* vt, const char* alsoTaken, bool nullIsAbsent) {
    if (alsoTaken)
        fprintf(file, "\tif ( ret.vt != %s && ret.vt != %s && FAILED( hr = VariantChangeType( &ret, &ret, 0, %s ))) {\n", vt,
                alsoTaken, vt);
    else
        fprintf(file, "\tif ( ret.vt != %s && FAILED( hr = VariantChangeType( &ret, &ret, 0, %s ))) {\n", vt, vt);
    fprintf(file, "\t\tif ( ret.vt != VT_EMPTY%s ) {\n", nullIsAbsent ? " && ret.vt != VT_NULL" : "");
    fputs("\t\t\tVariantClear( &ret );\n", file);
    fputs("\t\t\tbrivelThrowComExceptionObject( env, hr, 0 );\n", file);
    fputs("\t\t\treturn 0;\n", file);
    fputs("\t\t}\n", file);
    fputs("\t\tmemset( &ret, 0, sizeof ret );\n", file);
    fputs("\t}\n", file);
}

void EmitConversionCheck(const CMapperCall& call, FILE* file, bool returnsValue) {
    fputs("\tif ( brivelCheckFatalError( env )) {\n", file);
    call.WriteEarlyRelease(file, 2);
    fputs(returnsValue ? "\t\treturn 0;\n" : "\t\treturn;\n", file);
    fputs("\t}\n", file);
}

void EmitEventArgumentMadeCheck(FILE* file) {
    fputs("\t\tif ( brivelUnmade == NULL && brivelJniEnv->ExceptionCheck()) { brivelUnmade = brivelJniEnv->ExceptionOccurred(); "
          "brivelJniEnv->ExceptionClear(); }\n",
          file);
}

void EmitOutOnlyEventSlot(const CMapperCall& call, FILE* file, const char* statement) {
    if (call.EventArgumentOutOnly()) fprintf(file, "\t\t%s\n", statement);
}

void EmitResultTypeCheck(FILE* file, const char* unreadable) {
    fprintf(file, "\tif ( %s && ret.vt != VT_EMPTY && ret.vt != VT_NULL ) {\n", unreadable);
    fputs("\t\tVariantClear( &ret );\n", file);
    fputs("\t\tbrivelThrowComExceptionObject( env, DISP_E_TYPEMISMATCH, 0 );\n", file);
    fputs("\t\treturn 0;\n", file);
    fputs("\t}\n", file);
}

void EmitNullArgumentCheck(const CMapperCall& call, FILE* file, const char* javaExpr, bool returnsValue, const char* indent,
                           const char* message) {
    if (!indent) indent = "\t";
    if (!message) message = "Null Argument";
    fprintf(file, "%sif ( %s == 0 ) {\n", indent, javaExpr);
    fprintf(file, "%s\tenv->ThrowNew( brivelFindClass( env, \"java/lang/NullPointerException\" ), \"%s\" );\n", indent,
            message);
    call.WriteEarlyRelease(file, static_cast<int>(strlen(indent)) + 1);
    fprintf(file, returnsValue ? "%s\treturn 0;\n" : "%s\treturn;\n", indent);
    fprintf(file, "%s}\n", indent);
}
