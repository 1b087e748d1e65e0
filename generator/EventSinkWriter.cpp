// Event listeners: the abstract Java class a user extends, and the C++ sink
// that COM calls when the object fires an event, which finds the Java
// method by name and signature and calls it (or forwards the event to a
// remote client).
#include "BridgeGenerator.h"
#include "MethodWrapperWriter.h"
#include "NamingHelpers.h"
#include "TypeMapperSelection.h"

#include <cstring>
#include <string>
#include <vector>

namespace {

// JNI types of Java objects (arrays included), whose local references an
// event call must delete.
bool IsJavaReferenceType(const CString& jniType) {
    const std::string& type = jniType.str();
    return type == "jobject" || type == "jstring" ||
           (type.size() > 5 && type.compare(type.size() - 5, 5, "Array") == 0);
}

struct EventRecord {
    bool written = false;
    CString name;
    MEMBERID memid = 0;
    int slot = 0;
    std::vector<CTypeMapper*> mappers;
    std::vector<int> passing;  // 0 by value, 1 in a one-element array, 2 in the mapper's own holder
    std::vector<bool> pureOut;
    std::vector<CString> javaNames;
    CTypeMapper* result = nullptr;
    bool returnsBoolean = false;
};

CString JavaTypeOf(CTypeMapper* mapper) {
    CString type;
    mapper->GetJavaType(type);
    return type;
}

CString EventSignature(const EventRecord& record) {
    CString sig = "(";
    for (size_t i = 0; i < record.mappers.size(); ++i) {
        CString plain;
        record.mappers[i]->GetJniSignature(false, plain);
        if (record.passing[i] == 1) sig += "[";
        sig += plain;
    }
    sig += record.returnsBoolean ? ")Z" : ")V";
    return sig;
}

}  // namespace

void CBridgeGenerator::WriteEventListener(CInterfaceEntry* entry, const CString& listenerName, ITypeInfo* info) {
    FILE* java = OpenJavaFile(listenerName);
    if (!java) return;
    FILE* cpp = m_jniFile;
    if (!m_javaPackage.IsEmpty()) fprintf(java, "package %s;\n", m_javaPackage.c_str());
    fputs("\n", java);
    if (!entry->help.IsEmpty()) fprintf(java, "/** %s */\n", JavaCommentText(entry->help).c_str());
    fprintf(java, "public abstract class %s extends brivel.TavoEventListener {\n\n", listenerName.c_str());

    TYPEATTR* attr = nullptr;
    int functionCount = 0;
    if (SUCCEEDED(info->GetTypeAttr(&attr)) && attr) {
        functionCount = attr->cFuncs;
        info->ReleaseTypeAttr(attr);
    }
    std::vector<EventRecord> records(static_cast<size_t>(functionCount));
    for (int f = 0; f < functionCount; ++f) {
        EventRecord& record = records[static_cast<size_t>(f)];
        FUNCDESC* func = nullptr;
        if (FAILED(info->GetFuncDesc(static_cast<UINT>(f), &func)) || !func) continue;
        std::vector<BSTR> names(static_cast<size_t>(func->cParams) + 1, nullptr);
        UINT got = 0;
        info->GetNames(func->memid, names.data(), static_cast<UINT>(names.size()), &got);
        CString comName = got > 0 ? WideToAnsi(names[0]) : CString();
        std::vector<CString> paramNames;
        for (UINT i = 1; i < names.size(); ++i) paramNames.push_back(i < got ? WideToAnsi(names[i]) : CString());
        for (BSTR name : names) SysFreeString(name);
        BSTR docText = nullptr;
        CString doc;
        if (SUCCEEDED(info->GetDocumentation(func->memid, nullptr, &docText, nullptr, nullptr)) && docText) {
            doc = WideToAnsi(docText);
            SysFreeString(docText);
        }
        record.name = comName;
        record.memid = func->memid;
        record.slot = func->oVft / 4;
        if (IsStandardComMethod(comName)) {
            info->ReleaseFuncDesc(func);
            continue;
        }
        auto notAvailable = [&](const char* line) {
            if (!doc.IsEmpty()) fprintf(java, "\t// %s\n", JavaCommentText(doc).c_str());
            fprintf(java, "\t// %s:\n", JavaCommentText(comName).c_str());
            fputs(line, java);
        };
        int count = func->cParams;
        std::vector<CTypeMapper*> mappers;
        CTypeMapper* result = nullptr;
        CString error;
        if (!CheckParameters(this, false, nullptr, info, nullptr, count, func, mappers, &result, error)) {
            CString line;
            line.Format("\t\t// Function is not available: %s\n\n", error.c_str());
            notAvailable(line);
        } else if (func->invkind != INVOKE_FUNC) {
            notAvailable("\t\t// Function is not available: Properties in event listeners are not supported.\n\n");
        } else if (func->cParamsOpt != 0) {
            notAvailable("\t\t// Function is not available: Optional parameters in event listeners are not supported.\n\n");
        } else {
            record.written = true;
            // The Java method's name: a valid identifier that does not clash
            // with the methods of java.lang.Object; the sink looks it up by it.
            static const char* const kObjectMethods[] = {"getClass", "equals", "clone", "hashCode", "notify",
                                                         "notifyAll", "toString", "wait", "finalize"};
            MakeJavaIdentifierFree(record.name, comName);
            for (const char* objectMethod : kObjectMethods)
                if (record.name == objectMethod) record.name += "_";
            record.mappers = mappers;
            record.result = result;
            record.returnsBoolean = JavaTypeOf(result) == "boolean";
            CNameSet localNames;
            for (int i = 0; i < count; ++i) {
                USHORT flags = func->lprgelemdescParam[i].paramdesc.wParamFlags;
                bool out = (flags & PARAMFLAG_FOUT) != 0;
                int kind = 0;
                if (out && mappers[static_cast<size_t>(i)]->IsByRefEventParam())
                    kind = mappers[static_cast<size_t>(i)]->PassesByRefThroughArray() ? 1 : 2;
                record.passing.push_back(kind);
                record.pureOut.push_back(out && !(flags & PARAMFLAG_FIN));
                CString base, unique;
                MakeJavaIdentifierFree(base, paramNames[static_cast<size_t>(i)].IsEmpty() ? "arg" : paramNames[static_cast<size_t>(i)].c_str());
                MakeUniqueJavaName(unique, base, &localNames);
                record.javaNames.push_back(unique);
            }
            fprintf(java, "\t/** Override this method to process the \"%s\" event. \n", JavaCommentText(comName).c_str());
            if (!doc.IsEmpty()) fprintf(java, "\t  * %s\n", JavaCommentText(doc).c_str());
            for (int i = 0; i < count; ++i) {
                const char* name = record.javaNames[static_cast<size_t>(i)];
                bool pure = record.pureOut[static_cast<size_t>(i)];
                if (record.passing[static_cast<size_t>(i)] == 1)
                    fprintf(java, pure ? "\t * <P>Parameter <i>%s</i> is OUT.  It will be passed inside an array of size 1, so it can be modified.\n"
                                       : "\t * <P>Parameter <i>%s</i> is IN/OUT.  It will be passed inside an array of size 1, so it can be modified.\n",
                            name);
                else if (record.passing[static_cast<size_t>(i)] == 2)
                    fprintf(java, pure ? "\t * <P>Parameter <i>%s</i> is an OUT parameter. It can be modified by the event handler.\n"
                                       : "\t * <P>Parameter <i>%s</i> is IN/OUT parameter.  It can be modified by the event handler.\n",
                            name);
            }
            fputs("\t  */\n", java);
            fprintf(java, record.returnsBoolean ? "\tpublic abstract boolean %s" : "\tpublic abstract void %s", record.name.c_str());
            fputs("(", java);
            int counter = 0;
            for (int i = 0; i < count; ++i) {
                if (i > 0) fputs(", ", java);
                if (counter > 10) {
                    counter = 0;
                    fputs("\n\t\t", java);
                } else {
                    ++counter;
                }
                fprintf(java, "%s%s %s", JavaTypeOf(mappers[static_cast<size_t>(i)]).c_str(),
                        record.passing[static_cast<size_t>(i)] == 1 ? "[]" : "", record.javaNames[static_cast<size_t>(i)].c_str());
            }
            fputs(");\n\n", java);
        }
        info->ReleaseFuncDesc(func);
    }

    if (cpp) WriteEventSink(entry, listenerName, records.size(), &records);

    fputs("\t/** Default constructor for COM-event listener object */\n\n", java);
    fprintf(java, "\tpublic %s()\n\t{\n", listenerName.c_str());
    fputs("\t\ttry{\n\t\t\t__TavoEventListenerInit();\n\t\t} catch (brivel.TavoException ex) {\n"
          "\t\t\tthrow new RuntimeException( ex.toString());\n\t\t}\n\t}\n\n", java);
    fputs("\t/** JNI functions used internally by Brivel */\n", java);
    fputs("\tprivate native boolean __TavoEventListenerInit() throws brivel.TavoException;\n", java);
    fputs("\tstatic {\n", java);
    if (m_freeThreaded) {
        fputs("\t\t// Object prefers MTA mode.  Check for MTA.\n", java);
        fputs("\t\tif ( brivel.TavoObject.__TavoWarnMTA && ! brivel.TavoObject.TavoModeMTA()) {\n", java);
        fputs("\t\t\tSystem.err.println( \"Warning: This program should be run in \\\"MTA\\\" mode for best results.  Please see documentation on \\\"STA and MTA\\\" modes.\" );\n", java);
        fputs("\t\t\tbrivel.TavoObject.__TavoWarnMTA = false;\n\t\t}\n", java);
    }
    WriteLoadLibraryLines(java);
    fputs("\t}\n\n", java);
    fputs("}\n\n", java);
    fclose(java);
}

void CBridgeGenerator::WriteEventSink(CInterfaceEntry* entry, const CString& listenerName, size_t, void* recordsIn) {
    auto& records = *static_cast<std::vector<EventRecord>*>(recordsIn);
    FILE* f = m_jniFile;
    const char* name = listenerName;
    bool callback = entry->isCallback;
    // The vtable form: a slot table within 4 x functions + 400 entries.
    int highest = -1;
    bool slotsOk = !records.empty();
    for (const EventRecord& record : records) {
        if (record.slot < 0) slotsOk = false;
        if (record.slot > highest) highest = record.slot;
    }
    if (slotsOk && highest + 1 > 4 * static_cast<int>(records.size()) + 400) slotsOk = false;
    // Virtual-table event methods are not written by this generator: an
    // interface whose events need them is served through IDispatch only.
    if (highest >= 7) slotsOk = false;

    fprintf(f, "class %sHandlerImpl : public IDispatch {\n", name);
    fputs("\tjobject brvJavaObject;\n\tbool serverSide;\n\tjstring interfaceName;\n\tlong brvRef;\n", f);
    if (callback) fputs("\tvoid initDisp( jobject obj );\n", f);
    fputs("public:\n", f);
    const char* body = callback ? "{ initDisp( obj ); }" : "{}";
    fprintf(f, "\t%sHandlerImpl( jobject obj ) : interfaceName(NULL), serverSide(false), brvJavaObject( brivelGetJniEnv()->NewGlobalRef( obj )), brvRef(1) %s\n\n", name, body);
    fprintf(f, "\t%sHandlerImpl( jstring intf, jobject obj ) : interfaceName(intf), serverSide(true), brvJavaObject( brivelGetJniEnv()->NewGlobalRef( obj )), brvRef(1) %s\n\n", name, body);
    fputs("\tvirtual HRESULT STDMETHODCALLTYPE QueryInterface( REFIID riid, void __RPC_FAR *__RPC_FAR *ppvObject);\n"
          "\tvirtual ULONG STDMETHODCALLTYPE AddRef( void);\n"
          "\tvirtual ULONG STDMETHODCALLTYPE Release( void);\n"
          "\tvirtual HRESULT STDMETHODCALLTYPE GetTypeInfoCount( UINT __RPC_FAR *pctinfo);\n"
          "\tvirtual HRESULT STDMETHODCALLTYPE GetTypeInfo( UINT iTInfo, LCID lcid, ITypeInfo __RPC_FAR *__RPC_FAR *ppTInfo);\n"
          "\tvirtual HRESULT STDMETHODCALLTYPE GetIDsOfNames( REFIID riid, LPOLESTR __RPC_FAR *rgszNames, UINT cNames, LCID lcid, DISPID __RPC_FAR *rgDispId);\n"
          "\tvirtual HRESULT STDMETHODCALLTYPE Invoke( DISPID dispIdMember, REFIID riid, LCID lcid, WORD wFlags, DISPPARAMS __RPC_FAR *pDispParams, VARIANT __RPC_FAR *pVarResult, EXCEPINFO __RPC_FAR *pExcepInfo, UINT __RPC_FAR *puArgErr);\n",
          f);
    fputs("};\n\n\n", f);
    if (callback) {
        fprintf(f, "void %sHandlerImpl::initDisp( jobject obj )\n{\n", name);
        fputs("\tJNIEnv * env = brivelGetJniEnv();\n\tenv->SetIntField( obj, brivelGetComId(), (long)( (IDispatch *) this ));\n}\n\n", f);
    }
    fprintf(f, "HRESULT STDMETHODCALLTYPE %sHandlerImpl::QueryInterface( REFIID riid, void __RPC_FAR *__RPC_FAR *ppvObject)\n{\n", name);
    if (slotsOk)
        fprintf(f, "\tif ( riid == IID_IUnknown || riid == IID_IDispatch || riid == IID_ITavo%s ) {\n", entry->javaName.c_str());
    else
        fputs("\tif ( riid == IID_IUnknown || riid == IID_IDispatch ) {\n", f);
    fputs("\t\t*ppvObject = this;\n\t\tAddRef();\n\t\treturn S_OK;\n\t}\n", f);
    fprintf(f, "\tif ( riid == IID_BrivelQueryIID ) {\n\t\t*ppvObject = (void *) &IID_ITavo%s;\n\t\treturn S_OK;\n\t}\n",
            entry->javaName.c_str());
    fputs("\t*ppvObject = NULL;\n\treturn E_NOINTERFACE;\n}\n\n", f);
    fprintf(f, "ULONG STDMETHODCALLTYPE %sHandlerImpl::AddRef( void )\n{\n\treturn InterlockedIncrement( &brvRef );\n}\n\n", name);
    // The count is taken from the decrement itself: once it reaches 0 the
    // object may be gone.
    fprintf(f, "ULONG STDMETHODCALLTYPE %sHandlerImpl::Release( void )\n{\n", name);
    fputs("\tLONG brvCount = InterlockedDecrement( &brvRef );\n\tif ( brvCount <= 0 ) {\n"
          "\t\tbrivelGetJniEnv()->DeleteGlobalRef( brvJavaObject );\n"
          "\t\tif ( interfaceName != NULL ) brivelGetJniEnv()->DeleteGlobalRef( interfaceName );\n"
          "\t\tdelete this;\n\t\treturn 0;\n\t}\n\treturn brvCount;\n}\n\n",
          f);
    fprintf(f, "HRESULT STDMETHODCALLTYPE %sHandlerImpl::GetTypeInfoCount( UINT __RPC_FAR *pctinfo)\n{\n\treturn E_NOTIMPL;\n}\n\n", name);
    fprintf(f, "HRESULT STDMETHODCALLTYPE %sHandlerImpl::GetTypeInfo( UINT iTInfo, LCID lcid, ITypeInfo __RPC_FAR *__RPC_FAR *ppTInfo )\n{\n\treturn E_NOTIMPL;\n}\n\n", name);
    fprintf(f, "HRESULT STDMETHODCALLTYPE %sHandlerImpl::GetIDsOfNames( REFIID riid, LPOLESTR __RPC_FAR *rgszNames, UINT cNames, LCID lcid, DISPID __RPC_FAR *rgDispId)\n{\n\treturn E_NOTIMPL;\n}\n\n", name);

    if (!m_paramIndexWritten) {
        m_paramIndexWritten = true;
        // Named arguments come first in rgvarg, wherever the positional index
        // stands; positional ones follow in reverse order. A parameter the
        // caller did not pass gives -1.
        fputs("int brivelGetParamIndex( int arg, DISPPARAMS * param, int cArgs )\n{\n"
              "\tfor ( int i = 0; i < (int) param->cNamedArgs; i++ ) {\n"
              "\t\tif ( param->rgdispidNamedArgs[i] == arg )\n"
              "\t\t\treturn i;\n"
              "\t}\n"
              "\tint index = (int) param->cArgs - 1 - arg;\n"
              "\tif ( index < (int) param->cNamedArgs || index >= (int) param->cArgs ) return -1;\n"
              "\treturn index;\n"
              "}\n\n",
              f);
    }
    fprintf(f, "HRESULT STDMETHODCALLTYPE %sHandlerImpl::Invoke( DISPID dispIdMember, REFIID riid, LCID lcid, WORD wFlags,\n", name);
    fputs("    DISPPARAMS __RPC_FAR *pDispParams,\n    VARIANT __RPC_FAR *pVarResult,\n    EXCEPINFO __RPC_FAR *pExcepInfo,\n"
          "    UINT __RPC_FAR *puArgErr)\n{\n"
          "\tJNIEnv * brivelJniEnv = brivelGetJniEnv();\n"
          "\tbrivelInitEventThread( brivelJniEnv );\n"
          "\tconst char * brivelError = NULL;\n"
          "\tconst char * brivelFnName = NULL;\n"
          "\tHRESULT hResult = S_OK;\n"
          "\tif ( serverSide && ! CheckServerSideEvents( brivelJniEnv )) return hResult;\n",
          f);
    for (const EventRecord& record : records) {
        if (!record.written) continue;
        int p = static_cast<int>(record.mappers.size());
        fprintf(f, "\tif ( dispIdMember == %d ) {\n", static_cast<int>(record.memid));
        fputs("\t\tjmethodID brivelMethod = NULL;\n\t\tif ( ! serverSide ) {\n", f);
        fprintf(f, "\t\t\tbrivelMethod = brivelJniEnv->GetMethodID(brivelJniEnv->GetObjectClass(brvJavaObject), \"%s\", \"%s\");\n",
                record.name.c_str(), EventSignature(record).c_str());
        fputs("\t\t\tif ( brivelMethod == NULL ) brivelJniEnv->ExceptionClear();\n", f);
        fputs("\t\t\tif ( brivelMethod == NULL && brivelError == NULL ) brivelError = \"Unable to locate method\";\n", f);
        fputs("\t\t}\n", f);
        fprintf(f, "\t\tbrivelFnName = \"%s\";\n", record.name.c_str());
        for (int i = 0; i < p; ++i) {
            fprintf(f, "\t\tint eventParamIndex%d = brivelGetParamIndex(%d,pDispParams,%d);\n", i, i, p);
            fprintf(f, "\t\tif ( eventParamIndex%d < 0 ) return DISP_E_BADPARAMCOUNT;\n", i);
        }
        std::vector<CString> exprs;
        for (int i = 0; i < p; ++i) {
            CTypeMapper* mapper = record.mappers[static_cast<size_t>(i)];
            CString expr;
            if (record.passing[static_cast<size_t>(i)] == 0) {
                mapper->EmitEventParam(i, f);
                mapper->GetEventArgExpr(i, expr);
                // An inline conversion makes a Java object: keep it in a local
                // so that it can be deleted after the calls.
                CString type;
                mapper->GetJniType(type);
                if (expr.Find("(") >= 0 && IsJavaReferenceType(type)) {
                    fprintf(f, "\t\t%s eventArgValue_%d = %s;\n", type.c_str(), i, expr.c_str());
                    expr.Format("eventArgValue_%d", i);
                }
            } else {
                mapper->EmitEventArrayCreate(i, f);
                mapper->EmitEventArrayFillFromVariant(i, f);
                mapper->EmitEventArrayPublish(i, f);
                mapper->GetEventArrayExpr(i, expr);
            }
            exprs.push_back(expr);
        }
        fputs("\t\tif ( brivelMethod != NULL && brivelError == NULL ) ", f);
        fputs(record.returnsBoolean ? "hResult = brivelJniEnv->CallBooleanMethod( brvJavaObject, brivelMethod"
                                    : "brivelJniEnv->CallVoidMethod( brvJavaObject, brivelMethod",
              f);
        if (p == 0) {
            fputs(" ", f);
        } else {
            fputs("\n", f);
            for (int i = 0; i < p; ++i) fprintf(f, "\t\t\t, %s\n", exprs[static_cast<size_t>(i)].c_str());
            fputs("\t\t", f);
        }
        fputs(record.returnsBoolean ? ") ? S_OK : S_FALSE;\n" : ");\n", f);
        fputs("\t\tif ( serverSide && brivelError == NULL ) ", f);
        if (record.returnsBoolean) fputs("hResult = ", f);
        fprintf(f, "OnServerSideEvent( brivelJniEnv, brvJavaObject, interfaceName, %d, 0, \"%s\", \"%s\"", p,
                record.returnsBoolean ? "boolean" : "void", record.name.c_str());
        if (p == 0) {
            fputs(" ", f);
        } else {
            fputs("\n", f);
            for (int i = 0; i < p; ++i) {
                CString javaType = JavaTypeOf(record.mappers[static_cast<size_t>(i)]);
                if (javaType == "String") javaType = "java.lang.String";
                fprintf(f, "\t\t\t, %s, \"%s\", %s\n", record.passing[static_cast<size_t>(i)] ? "true" : "false",
                        javaType.c_str(), exprs[static_cast<size_t>(i)].c_str());
            }
            fputs("\t\t", f);
        }
        fputs(record.returnsBoolean ? ") ? S_OK : S_FALSE;\n" : ");\n", f);
        bool anyByRef = false;
        for (int kind : record.passing) anyByRef = anyByRef || kind != 0;
        if (anyByRef) {
            fputs("\t\tif ( brivelJniEnv->ExceptionOccurred() == 0 ) {\n", f);
            for (int i = 0; i < p; ++i) {
                if (record.passing[static_cast<size_t>(i)] == 0) continue;
                CTypeMapper* mapper = record.mappers[static_cast<size_t>(i)];
                mapper->EmitEventArrayReload(i, f);
                mapper->EmitEventArrayCopyToVariant(i, f);
                mapper->EmitEventArrayRelease(i, f);
            }
            fputs("\t\t}\n", f);
        }
        for (int i = 0; i < p; ++i) {
            CTypeMapper* mapper = record.mappers[static_cast<size_t>(i)];
            if (record.passing[static_cast<size_t>(i)] == 0) {
                mapper->EmitEventCleanup(i, f);
                CString expr = exprs[static_cast<size_t>(i)];
                CString jni;
                mapper->GetJniType(jni);
                if (expr.Find("eventArgValue_") == 0 && IsJavaReferenceType(jni))
                    fprintf(f, "\t\tif ( %s != 0 ) brivelJniEnv->DeleteLocalRef( %s );\n", expr.c_str(), expr.c_str());
            } else {
                mapper->EmitEventArrayDeleteRef(i, f);
            }
        }
        fputs("\t}\n", f);
    }
    fputs("\tif ( brivelError != NULL && brivelFnName != NULL ) {\n"
          "\t\tjmethodID brivelMethod = brivelJniEnv->GetMethodID(brivelJniEnv->GetObjectClass(brvJavaObject), \"TavoOnEventError\", \"(Ljava/lang/String;Ljava/lang/String;)V\");\n"
          "\t\tif ( brivelMethod != NULL ) {\n"
          "\t\t\tjstring brivelFnString = brivelJniEnv->NewStringUTF( brivelFnName );\n"
          "\t\t\tjstring brivelErrorString = brivelJniEnv->NewStringUTF( brivelError );\n"
          "\t\t\tbrivelJniEnv->CallVoidMethod( brvJavaObject, brivelMethod, brivelFnString, brivelErrorString );\n"
          "\t\t\tbrivelJniEnv->DeleteLocalRef( brivelFnString );\n"
          "\t\t\tbrivelJniEnv->DeleteLocalRef( brivelErrorString );\n"
          "\t\t}\n"
          "\t} else {\n"
          "\t\tjthrowable brvException = brivelJniEnv->ExceptionOccurred();\n"
          "\t\tif ( brvException != NULL ) {\n"
          "\t\t\tbrivelJniEnv->ExceptionClear();\n"
          "\t\t\tjmethodID brivelMethod = brivelJniEnv->GetMethodID(brivelJniEnv->GetObjectClass(brvJavaObject), \"TavoOnEventException\", \"(Ljava/lang/String;Ljava/lang/Throwable;)V\");\n"
          "\t\t\tif ( brivelMethod != NULL ) {\n"
          "\t\t\t\tjstring brivelFnString = brivelJniEnv->NewStringUTF( brivelFnName );\n"
          "\t\t\t\tbrivelJniEnv->CallVoidMethod( brvJavaObject, brivelMethod, brivelFnString, brvException );\n"
          "\t\t\t\tbrivelJniEnv->DeleteLocalRef( brivelFnString );\n"
          "\t\t\t}\n"
          "\t\t\tbrivelJniEnv->DeleteLocalRef( brvException );\n"
          "\t\t}\n"
          "\t}\n"
          "\tif ( brivelJniEnv->ExceptionOccurred()) brivelJniEnv->ExceptionClear();\n"
          "\treturn hResult;\n"
          "}\n\n",
          f);

    CString mangledName;
    JniMangleName(mangledName, listenerName);
    fprintf(f, "extern \"C\" JNIEXPORT jboolean JNICALL Java_%s__1_1TavoLoad\n", QualifiedName(m_jniPackage, mangledName, '_').c_str());
    fputs("\t(JNIEnv * env, jobject thisObj, jobject obj, jboolean initial )\n{\n\tHRESULT ret;\n\tIUnknown * pUnk;\n\tIDispatch * pDisp;\n"
          "\tbrivelInitThread( env );\n"
          "\tif ( obj == 0 ) return 0;\n"
          "\tpUnk = (IUnknown *) env->GetIntField( obj, brivelGetComId());\n",
          f);
    fprintf(f, "\tret = brivelQueryInterface( env, pUnk, &IID_ITavo%s, (void **) &pDisp );\n", entry->javaName.c_str());
    fputs("\tif ( brivelCheckFatalError( env )) return 0;\n\tif ( FAILED( ret ) && initial ) {\n"
          "\t\tret = brivelQueryInterface( env, pUnk, &IID_IDispatch, (void **) &pDisp );\n"
          "\t\tif ( brivelCheckFatalError( env )) return 0;\n\t}\n\tif ( FAILED( ret )) {\n\t\treturn 0;\n\t}\n"
          "\tenv->SetIntField( thisObj, brivelGetComId(), (jint) pDisp );\n\treturn 1;\n}\n\n",
          f);
    fprintf(f, "extern \"C\" JNIEXPORT jboolean JNICALL Java_%s__1_1TavoEventListenerInit\n",
            QualifiedName(m_jniPackage, mangledName, '_').c_str());
    fprintf(f, "\t(JNIEnv * env, jobject thisObj )\n{\n\tbrivelInitThread( env );\n"
               "\tenv->SetIntField( thisObj, brivelGetEventId(), (jint) new %sHandlerImpl( thisObj ));\n\treturn 1;\n}\n\n",
            name);
}
