#include "TypeMapper.h"

#include <string>

void CTypeMapper::WriteClassLiteral(FILE* javaFile) {
    CString javaType;
    GetJavaType(javaType);
    fprintf(javaFile, "%s.class", javaType.c_str());
}

void CTypeMapper::WriteBoxing(FILE* javaFile, const char* expression) {
    fprintf(javaFile, "%s", expression);
}

static const char* OrEmpty(const char* text) { return text ? text : ""; }

void CTypeMapper::EmitEventArrayCreate(int e, FILE* file) {
    CString elementType;
    GetJniType(elementType);
    const char* word = OrEmpty(GetArrayAccessorWord());
    fprintf(file, "\t\t%s eventArrayArg_%d = brivelJniEnv->New%sArray(1);\n", OrEmpty(GetJniArrayType()), e, word);
    fprintf(file, "\t\t%s * eventArrayPtr_%d = brivelJniEnv->Get%sArrayElements( eventArrayArg_%d, 0 );\n",
            elementType.c_str(), e, word, e);
}

void CTypeMapper::EmitEventArrayPublish(int e, FILE* file) {
    fprintf(file, "\t\tbrivelJniEnv->Release%sArrayElements( eventArrayArg_%d, eventArrayPtr_%d, 0 );\n",
            OrEmpty(GetArrayAccessorWord()), e, e);
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

// The innermost scope's values in the writing thread (none outside a scope).
static thread_local const std::string* t_earlyReturnCleanup = nullptr;
static thread_local bool t_eventArgumentOutOnly = false;

CEarlyReturnScope::CEarlyReturnScope(const char* text) : m_text(text ? text : ""), m_outer(t_earlyReturnCleanup) {
    t_earlyReturnCleanup = &m_text;
}

CEarlyReturnScope::~CEarlyReturnScope() { t_earlyReturnCleanup = m_outer; }

const char* EarlyReturnCleanup() { return t_earlyReturnCleanup ? t_earlyReturnCleanup->c_str() : ""; }

CEventArgumentScope::CEventArgumentScope(bool outOnly) : m_outer(t_eventArgumentOutOnly) {
    t_eventArgumentOutOnly = outOnly;
}

CEventArgumentScope::~CEventArgumentScope() { t_eventArgumentOutOnly = m_outer; }

bool EventArgumentOutOnly() { return t_eventArgumentOutOnly; }

void EmitResultCoercion(FILE* file, const char* vt, const char* alsoTaken) {
    if (alsoTaken)
        fprintf(file, "\tif ( ret.vt != %s && ret.vt != %s && FAILED( VariantChangeType( &ret, &ret, 0, %s ))) {\n", vt,
                alsoTaken, vt);
    else
        fprintf(file, "\tif ( ret.vt != %s && FAILED( VariantChangeType( &ret, &ret, 0, %s ))) {\n", vt, vt);
    fputs("\t\tVariantClear( &ret );\n", file);
    fputs("\t\tmemset( &ret, 0, sizeof ret );\n", file);
    fputs("\t}\n", file);
}

void EmitNullArgumentCheck(FILE* file, const char* javaExpr, bool returnsValue, const char* indent,
                           const char* message) {
    if (!indent) indent = "\t";
    if (!message) message = "Null Argument";
    fprintf(file, "%sif ( %s == 0 ) {\n", indent, javaExpr);
    fprintf(file, "%s\tenv->ThrowNew( brivelFindClass( env, \"java/lang/NullPointerException\" ), \"%s\" );\n", indent,
            message);
    fputs(EarlyReturnCleanup(), file);
    fprintf(file, returnsValue ? "%s\treturn 0;\n" : "%s\treturn;\n", indent);
    fprintf(file, "%s}\n", indent);
}
