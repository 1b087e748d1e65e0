#include "MethodWrapperWriter.h"

#include "BridgeGenerator.h"
#include "CapturedText.h"
#include "NamingHelpers.h"
#include "mappers/StaticTypeMappers.h"
#include "TypeMapperSelection.h"

#include <cstring>
#include <functional>
#include <string>
#include <vector>

namespace {

const char* const kObjectMethods[] = {"getClass", "equals", "clone", "hashCode", "notify",
                                      "notifyAll", "toString", "wait", "finalize"};

CString Capture(const std::function<void(FILE*)>& write) { return CaptureWritten(write); }

bool IsPointerToVariant(const TYPEDESC& desc) {
    return desc.vt == VT_PTR && desc.lptdesc && desc.lptdesc->vt == VT_VARIANT;
}

}  // namespace

CString CaptureText(void (*write)(FILE*, void*), void* context) {
    return Capture([&](FILE* f) { write(f, context); });
}

CString JavaCommentText(const char* text) {
    // The text as UTF-16, so that every character of the code page (one byte
    // or two) becomes one character reference.
    const char* ansi = text ? text : "";
    int length = MultiByteToWideChar(CP_ACP, 0, ansi, -1, nullptr, 0);
    std::vector<WCHAR> wide(static_cast<size_t>(length > 0 ? length : 1), 0);
    MultiByteToWideChar(CP_ACP, 0, ansi, -1, wide.data(), length);
    CString out;
    int backslashes = 0;  // the backslashes just written, one after the other
    for (const WCHAR* p = wide.data(); *p; ++p) {
        unsigned c = *p;
        if (c == '\r' || c == '\n') {
            if (c == '\r' && p[1] == '\n') ++p;
            out += ' ';
        } else if (c == '*' && p[1] == '/') {
            out += "*&#47;";
            ++p;
        } else if (c == '\\' && p[1] == 'u' && backslashes % 2 == 0) {
            // javac reads a unicode escape even inside a comment ("C:\users").
            out += "&#92;";
        } else if (c >= 0x80) {
            // Sources stay ASCII, whatever encoding javac assumes.
            unsigned code = c;
            bool surrogatePair = c >= 0xD800 && c < 0xDC00 && p[1] >= 0xDC00 && p[1] < 0xE000;
            if (surrogatePair) code = 0x10000 + ((c - 0xD800) << 10) + (*++p - 0xDC00u);
            CString entity;
            entity.Format("&#%u;", code);
            out += entity;
        } else {
            out += static_cast<char>(c);
        }
        backslashes = c == '\\' && out.GetAt(out.GetLength() - 1) == '\\' ? backslashes + 1 : 0;
    }
    return out;
}

CMethodWrapperWriter::CMethodWrapperWriter(CBridgeGenerator* job, ITypeInfo* info, const char* className,
                                           FILE* javaFile, FILE* remoteFile, FILE* cppFile)
    : m_job(job), m_info(info), m_className(className), m_java(javaFile), m_remote(remoteFile), m_cpp(cppFile) {
    m_info->AddRef();
}

CMethodWrapperWriter::~CMethodWrapperWriter() {
    if (m_vtblInfo) m_vtblInfo->Release();
    m_info->Release();
}

void CMethodWrapperWriter::WriteAll() {
    TYPEATTR* attr = nullptr;
    if (FAILED(m_info->GetTypeAttr(&attr)) || !attr) return;
    WORD funcs = attr->cFuncs, vars = attr->cVars;
    m_info->ReleaseTypeAttr(attr);
    for (UINT i = 0; i < funcs; ++i) {
        FUNCDESC* func = nullptr;
        if (FAILED(m_info->GetFuncDesc(i, &func)) || !func) continue;
        WriteFunctionWrappers(func, 0);
        m_info->ReleaseFuncDesc(func);
    }
    for (UINT i = 0; i < vars; ++i) {
        VARDESC* var = nullptr;
        if (FAILED(m_info->GetVarDesc(i, &var)) || !var) continue;
        WriteVariableProperty(var);
        m_info->ReleaseVarDesc(var);
    }
    if (m_heldBack.empty() || !m_vtblInfo) return;
    if (FAILED(m_vtblInfo->GetTypeAttr(&attr)) || !attr) return;
    funcs = attr->cFuncs;
    m_vtblInfo->ReleaseTypeAttr(attr);
    ITypeInfo* dispatchInfo = m_info;
    m_info = m_vtblInfo;
    for (UINT i = 0; i < funcs; ++i) {
        FUNCDESC* func = nullptr;
        if (FAILED(m_info->GetFuncDesc(i, &func)) || !func) continue;
        WriteFunctionWrappers(func, 1);
        m_info->ReleaseFuncDesc(func);
    }
    m_info = dispatchInfo;
}

void CMethodWrapperWriter::WriteFunctionWrappers(const FUNCDESC* func, int pass) {
    if (func->wFuncFlags & FUNCFLAG_FRESTRICTED) return;
    std::vector<BSTR> names(static_cast<size_t>(func->cParams) + 1, nullptr);
    UINT got = 0;
    m_info->GetNames(func->memid, names.data(), static_cast<UINT>(names.size()), &got);
    CString comName = got > 0 ? WideToAnsi(names[0]) : CString();
    std::vector<CString> paramNames;
    for (UINT i = 1; i < names.size(); ++i) paramNames.push_back(i < got ? WideToAnsi(names[i]) : CString());
    for (BSTR name : names) SysFreeString(name);
    BSTR docText = nullptr;
    CString doc;
    if (SUCCEEDED(m_info->GetDocumentation(func->memid, nullptr, &docText, nullptr, nullptr)) && docText) {
        doc = WideToAnsi(docText);
        SysFreeString(docText);
    }
    bool vtablePath = func->funckind == FUNC_VIRTUAL || func->funckind == FUNC_PUREVIRTUAL;
    if (vtablePath) {
        WriteInterfaceMethods(func, func->cParams, pass, comName, doc, paramNames);
        return;
    }
    int k = func->cParamsOpt < 0 ? 0 : func->cParamsOpt;
    if (k > func->cParams) k = func->cParams;
    for (int m = func->cParams - k; m <= func->cParams; ++m)
        if (!WriteInterfaceMethods(func, m, pass, comName, doc, paramNames)) break;
}

void CMethodWrapperWriter::WriteVariableProperty(const VARDESC* var) {
    BSTR name = nullptr;
    UINT got = 0;
    m_info->GetNames(var->memid, &name, 1, &got);
    CString comName = got > 0 ? WideToAnsi(name) : CString();
    SysFreeString(name);
    BSTR docText = nullptr;
    CString doc;
    if (SUCCEEDED(m_info->GetDocumentation(var->memid, nullptr, &docText, nullptr, nullptr)) && docText) {
        doc = WideToAnsi(docText);
        SysFreeString(docText);
    }
    FUNCDESC func = {};
    func.memid = var->memid;
    func.funckind = FUNC_DISPATCH;
    func.invkind = INVOKE_PROPERTYGET;
    func.callconv = CC_STDCALL;
    func.elemdescFunc = var->elemdescVar;
    WriteInterfaceMethods(&func, 0, 0, comName, doc, {});
    if (var->wVarFlags & VARFLAG_FREADONLY) return;
    ELEMDESC param = var->elemdescVar;
    param.paramdesc.wParamFlags = PARAMFLAG_FIN;
    param.paramdesc.pparamdescex = nullptr;
    func.invkind = INVOKE_PROPERTYPUT;
    func.cParams = 1;
    func.lprgelemdescParam = &param;
    func.elemdescFunc.tdesc.vt = VT_VOID;
    WriteInterfaceMethods(&func, 1, 0, comName, doc, {});
}

void CMethodWrapperWriter::WriteNotAvailable(const CString& doc, const CString& comName, const char* reasonLine) {
    if (!doc.IsEmpty()) fprintf(m_java, "\t// %s\n", JavaCommentText(doc).c_str());
    fprintf(m_java, "\t// %s:\n", JavaCommentText(comName).c_str());
    fputs(reasonLine, m_java);
}

CString CMethodWrapperWriter::ArgCleanupArrayOnly(const Arg& arg, int i) {
    CString text;
    if (arg.isArray && arg.accessor)
        text.Format("\tenv->Release%sArrayElements( (%s) arg%d, arg%d__arrayBuf, 0 );\n", arg.accessor,
                    arg.mapper->GetJniArrayType(), i, i);
    return text;
}

CString CMethodWrapperWriter::ArgCleanup(const Arg& arg, int i, bool vtable, bool withArray) {
    CString text = withArray ? ArgCleanupArrayOnly(arg, i) : CString();
    CString mapperText = Capture([&](FILE* f) {
        if (vtable)
            arg.mapper->EmitVtblCleanup(i, arg.expr, f);
        else
            arg.mapper->EmitInvokeCleanup(i, static_cast<int>(m_args.size()) - 1 - i, f);
    });
    return text + mapperText;
}

// What a return from inside the out copy of argument i releases: every
// argument's conversion, and the element buffers of the arguments whose copy
// has not run yet (those before i are released already); on the Invoke path
// also the result.
CReleaseStatements CMethodWrapperWriter::OutCopyCleanup(int i, int m, bool vtable, bool hasResult) {
    CReleaseStatements release;
    for (int j = 0; j < m; ++j) release.Add(ArgCleanup(m_args[static_cast<size_t>(j)], j, vtable, j >= i));
    if (hasResult && !vtable) release.Add("\tVariantClear( &ret );\n");
    return release;
}

// What a return inside the set-up of argument i releases: the arguments
// before it, and its own element buffer.
CReleaseStatements CMethodWrapperWriter::SetupCleanup(const CReleaseStatements& before, int i) {
    CReleaseStatements release = before;
    const Arg& arg = m_args[static_cast<size_t>(i)];
    if (arg.isArray && arg.accessor) release.Add(ArgCleanupArrayOnly(arg, i));
    return release;
}

// Arguments narrower than int arrive in a va_list promoted to int (and a
// float as double); reading them under their own type is undefined, and the
// GNU compiler turns it into an abort at run time.
void CMethodWrapperWriter::WriteVarargRead(const CString& type, int index) {
    static const char* const narrow[] = {"unsigned char", "char", "signed char", "short",
                                         "unsigned short", "VARIANT_BOOL", "bool"};
    for (const char* n : narrow)
        if (type == n) {
            fprintf(m_cpp, "\t%s arg%d = (%s) va_arg( ap, int );\n", type.c_str(), index, type.c_str());
            return;
        }
    fprintf(m_cpp, "\t%s arg%d = va_arg( ap, %s );\n", type.c_str(), index, type == "float" ? "double" : type.c_str());
}

void CMethodWrapperWriter::WriteOutOnlyElementEmptied(const Arg& arg, int i) {
    if (arg.pureOut) fprintf(m_cpp, "\tif ( arg%d__arrayBuf != 0 ) arg%d__arrayBuf[0] = 0;\n", i, i);
}

void CMethodWrapperWriter::WriteEarlyReturn(const char* indent, bool hasResult, const CReleaseStatements& cleanup) {
    cleanup.Write(m_cpp, static_cast<int>(strlen(indent)) + 1);
    fprintf(m_cpp, hasResult ? "%s\treturn 0;\n" : "%s\treturn;\n", indent);
}

bool CMethodWrapperWriter::WriteInterfaceMethods(const FUNCDESC* func, int m, int pass, const CString& comName,
                                                 const CString& doc, const std::vector<CString>& paramComNames) {
    bool vtablePath = func->funckind == FUNC_VIRTUAL || func->funckind == FUNC_PUREVIRTUAL;
    int k = func->cParamsOpt < 0 ? 0 : func->cParamsOpt;
    bool firstOfSeries = vtablePath || k == 0 || m <= func->cParams - k;
    std::vector<CTypeMapper*> mappers;
    CTypeMapper* result = nullptr;
    if (!SelectMappers(func, pass, firstOfSeries, comName, doc, mappers, &result)) return false;
    // The vtable pass writes only what the dispatch pass held back.
    if (pass == 1 && m_heldBack.count(func->memid) == 0) return false;
    if (vtablePath) m = m_paramCount;
    // Virtual calls need an HRESULT.
    if (vtablePath && func->elemdescFunc.tdesc.vt != VT_HRESULT) {
        WriteNotAvailable(doc, comName,
                          "\t\t// Function is not available: Virtual functions with non-HRESULT return types are not supported.\n\n");
        return false;
    }
    CString javaName;
    if (!MakeJavaName(func, comName, javaName)) {
        WriteNotAvailable(doc, comName, "\t\t// Function is not available: Invocation type is not supported\n\n");
        return false;
    }
    CollectArguments(func, mappers, paramComNames);
    m_result = result;
    // COM names ignore case: "_NEWENUM" is the collection enumerator too.
    bool isEnumerator = m == 0 && (comName.CompareNoCase("_NewEnum") == 0 || result == &g_enumeratorMarkerMapper);
    if (!isEnumerator && !m_declared.insert(JavaSignature(javaName, m)).second) {
        WriteNotAvailable(doc, comName, "\t\t// Function is not available: Same Java signature as an earlier method\n\n");
        return false;
    }
    WriteDocComment(func, m, doc, javaName);
    if (isEnumerator) {
        WriteEnumeratorNative(func);
        return true;
    }
    WriteJavaDeclaration(m, javaName);
    if (m_remote) WriteRemoteBody(m, javaName);
    if (!m_cpp) return true;  // Java only
    int thunk = vtablePath ? WriteVirtualThunk(func, m) : 0;
    WriteNativeHead(m, javaName);
    WriteNativeLocals(func, vtablePath);
    if (vtablePath)
        WriteVtableBody(func, m, thunk);
    else
        WriteInvokeBody(func, m);
    fputs("}\n\n", m_cpp);
    return true;
}

// The mappers of the parameters and the result. A function whose types
// cannot be passed through IDispatch but through the virtual table is held
// back for the vtable pass (when the interface has one); any other is
// reported in the Java class, once per series of overloads.
bool CMethodWrapperWriter::SelectMappers(const FUNCDESC* func, int pass, bool firstOfSeries, const CString& comName,
                                         const CString& doc, std::vector<CTypeMapper*>& mappers, CTypeMapper** result) {
    bool vtablePath = func->funckind == FUNC_VIRTUAL || func->funckind == FUNC_PUREVIRTUAL;
    int n = func->cParams;  // comes back without a virtual call's result
    bool virtualOnly = false;
    ITypeInfo* interfaceInfo = nullptr;
    CString error;
    bool ok = CheckParameters(m_job, vtablePath, &virtualOnly, m_info, &interfaceInfo, n, func, mappers, result, error);
    if (interfaceInfo) interfaceInfo->Release();
    if (!ok) {
        if (pass == 0 && virtualOnly && !vtablePath) {
            if (!m_vtblInfoTried) {
                m_vtblInfoTried = true;
                HREFTYPE ref = 0;
                if (SUCCEEDED(m_info->GetRefTypeOfImplType(static_cast<UINT>(-1), &ref)))
                    m_info->GetRefTypeInfo(ref, &m_vtblInfo);
            }
            if (m_vtblInfo) {
                m_heldBack.insert(func->memid);
                return false;
            }
        }
        if (firstOfSeries) {
            CString line;
            line.Format("\t\t// Function is not available: %s\n\n", error.c_str());
            WriteNotAvailable(doc, comName, line);
        }
        return false;
    }
    m_paramCount = n;
    return true;
}

// The Java name of a function or property accessor (false for an
// invocation kind that has none), clear of Java's words and of Object's
// methods.
bool CMethodWrapperWriter::MakeJavaName(const FUNCDESC* func, const CString& comName, CString& name) {
    switch (func->invkind) {
    case INVOKE_FUNC: name = comName; break;
    case INVOKE_PROPERTYGET: case INVOKE_PROPERTYPUT: case INVOKE_PROPERTYPUTREF: {
        CString property = comName;
        if (!property.IsEmpty() && property.GetAt(0) >= 'a' && property.GetAt(0) <= 'z')
            property.SetAt(0, static_cast<char>(property.GetAt(0) - 'a' + 'A'));
        name = (func->invkind == INVOKE_PROPERTYGET ? "get" : "set") + property;
        break;
    }
    default:
        return false;
    }
    MakeJavaIdentifierFree(name, CString(name));
    for (const char* objectMethod : kObjectMethods)
        if (name == objectMethod) name += "_";
    return true;
}

// The arguments' mappers, Java names and the expressions of their values in
// the native.
void CMethodWrapperWriter::CollectArguments(const FUNCDESC* func, const std::vector<CTypeMapper*>& mappers,
                                            const std::vector<CString>& paramComNames) {
    m_args.clear();
    int n = m_paramCount;
    m_args.resize(static_cast<size_t>(n));
    CNameSet localNames;
    // The remote-client body declares these locals and names Integer.TYPE:
    // parameters keep clear of them.
    if (m_remote)
        for (const char* local : {"retobj", "ex", "integer"}) localNames.SetAt(local, 1);
    for (int i = 0; i < n; ++i) {
        Arg& arg = m_args[static_cast<size_t>(i)];
        const ELEMDESC& param = func->lprgelemdescParam[i];
        USHORT flags = param.paramdesc.wParamFlags;
        arg.mapper = mappers[static_cast<size_t>(i)];
        arg.out = (flags & PARAMFLAG_FOUT) != 0;
        arg.pureOut = arg.out && !(flags & PARAMFLAG_FIN);
        CString kind;
        arg.isArray = arg.out && !arg.mapper->GetKindWord(kind);
        if ((flags & PARAMFLAG_FHASDEFAULT) && param.paramdesc.pparamdescex && arg.mapper->WritesRawDefault()) {
            arg.rawDefault = true;
            arg.defaultValue = &param.paramdesc.pparamdescex->varDefaultValue;
        }
        CString base;
        const CString& comParam = static_cast<size_t>(i) < paramComNames.size() ? paramComNames[static_cast<size_t>(i)] : CString();
        MakeJavaIdentifierFree(base, comParam.IsEmpty() ? "arg" : comParam.c_str());
        m_job->MakeUniqueJavaName(arg.name, base, &localNames);
        // JNI array types of String-like mappers carry no element buffer.
        const char* word = arg.mapper->GetArrayAccessorWord();
        const char* arrayType = arg.mapper->GetJniArrayType();
        arg.accessor = (arg.isArray && word && arrayType && strcmp(arrayType, "jobjectArray") != 0) ? word : nullptr;
        if (!arg.isArray)
            arg.expr.Format("arg%d", i);
        else if (arg.accessor)
            arg.expr.Format("arg%d__arrayBuf[0]", i);
        else
            arg.expr.Format("env->GetObjectArrayElement((jobjectArray)arg%d,0)", i);
    }
}

// The Java name and argument types of a wrapper of m arguments.
std::string CMethodWrapperWriter::JavaSignature(const CString& javaName, int m) {
    // A property with both a put and a put-by-reference gives two "set"
    // methods of one signature: Java and the export table take only the first.
    std::string declared = javaName.str() + "(";
    for (int i = 0; i < m; ++i) {
        CString javaType;
        m_args[static_cast<size_t>(i)].mapper->GetJavaType(javaType);
        declared += javaType.str() + (m_args[static_cast<size_t>(i)].isArray ? "[]," : ",");
    }
    return declared;
}

// The documentation comment: the function's text, and a note per OUT,
// IN/OUT, isolated or defaulted argument.
void CMethodWrapperWriter::WriteDocComment(const FUNCDESC* func, int m, const CString& doc, const CString& javaName) {
    bool opened = false;
    int notes = 0;
    auto note = [&](const char* format, const char* a, const char* b) {
        if (!opened) {
            fprintf(m_java, "\t/** %s. \n", doc.IsEmpty() ? javaName.c_str() : JavaCommentText(doc).c_str());
            opened = true;
        }
        fputs(notes++ == 0 ? "\t * <P>  " : "\t * <BR> ", m_java);
        fprintf(m_java, format, a, b);
    };
    if (!doc.IsEmpty()) {
        fprintf(m_java, "\t/** %s. \n", JavaCommentText(doc).c_str());
        opened = true;
    }
    for (int i = 0; i < m; ++i) {
        Arg& arg = m_args[static_cast<size_t>(i)];
        const ELEMDESC& param = func->lprgelemdescParam[i];
        CString kind;
        bool hasKind = arg.mapper->GetKindWord(kind);
        if (arg.isArray)
            note(arg.pureOut ? "Parameter <i>%s</i> is an OUT parameter.  It requires an array of size 1.\n"
                             : "Parameter <i>%s</i> is an IN/OUT parameter.  It requires an initialized array of size 1.\n",
                 arg.name, nullptr);
        else if (arg.out && hasKind)
            note(arg.pureOut ? "Parameter <i>%s</i> is an OUT %s parameter.\n"
                             : "Parameter <i>%s</i> is an IN/OUT %s parameter.  Must be initialized.\n",
                 arg.name, kind);
        else if (!arg.out && IsPointerToVariant(param.tdesc))
            note("Parameter <i>%s</i> is declared IN-only (not declared as OUT or IN/OUT), therefore Brivel will isolate any changes made by the COM method.  (Any changes will not be visible back in Java.)\n",
                 arg.name, nullptr);
        if (arg.rawDefault)
            note(arg.out ? "Parameter <i>%s</i> has a default value.  Pass null as the element of the array to use the default value.\n"
                         : "Parameter <i>%s</i> has a default value.  Pass null to use the default value.\n",
                 arg.name, nullptr);
    }
    if (opened) fputs("\t */\n", m_java);

}

// The native's declaration in the Java class, and the head of its
// remote-client copy.
void CMethodWrapperWriter::WriteJavaDeclaration(int m, const CString& javaName) {
    CString resultJava;
    m_result->GetJavaType(resultJava);
    fprintf(m_java, "\tpublic native %s %s", resultJava.c_str(), javaName.c_str());
    if (m_remote) fprintf(m_remote, "\tpublic %s %s", resultJava.c_str(), javaName.c_str());
    int counter = 0;
    auto both = [&](const CString& text) {
        fputs(text, m_java);
        if (m_remote) fputs(text, m_remote);
    };
    both("(");
    for (int i = 0; i < m; ++i) {
        Arg& arg = m_args[static_cast<size_t>(i)];
        if (i > 0) both(", ");
        if (counter > 10) {
            counter = 0;
            both("\n\t\t");
        } else {
            ++counter;
        }
        CString javaType;
        arg.mapper->GetJavaType(javaType);
        both(javaType + (arg.isArray ? "[]" : "") + " " + arg.name);
        if (arg.isArray) counter = 11;
    }
    both(") throws brivel.TavoException");
    fputs(";\n\n", m_java);

}

// The remote-client copy's body: the call goes to the server, whose
// exception is thrown and whose OUT values are copied back.
void CMethodWrapperWriter::WriteRemoteBody(int m, const CString& javaName) {
    CString resultJava;
    m_result->GetJavaType(resultJava);
    bool hasResult = !m_result->IsVoid();
    fprintf(m_remote, "\n\t{\n\t\tbrivel.server.TransactInvoke retObj = __TavoInvoke( \"%s\", ", javaName.c_str());
    if (m == 0) {
        fputs("null, null, null );\n", m_remote);
    } else {
        fputs("\n\t\t\tnew Class[]{ ", m_remote);
        for (int i = 0; i < m; ++i) {
            Arg& arg = m_args[static_cast<size_t>(i)];
            if (i > 0) fputs(", ", m_remote);
            if (arg.isArray) {
                CString javaType;
                arg.mapper->GetJavaType(javaType);
                fprintf(m_remote, "%s[].class", javaType.c_str());
            } else {
                arg.mapper->WriteClassLiteral(m_remote);
            }
        }
        fputs(" },\n\t\t\tnew Object[]{ ", m_remote);
        bool anyOut = false;
        for (int i = 0; i < m; ++i) {
            Arg& arg = m_args[static_cast<size_t>(i)];
            if (i > 0) fputs(", ", m_remote);
            if (arg.out) {
                fputs(arg.name, m_remote);
                anyOut = true;
            } else {
                arg.mapper->WriteBoxing(m_remote, arg.name);
            }
        }
        fputs(" },\n\t\t\t", m_remote);
        if (!anyOut) {
            fputs("null", m_remote);
        } else {
            fputs("new boolean[]{ ", m_remote);
            for (int i = 0; i < m; ++i) {
                if (i > 0) fputs(", ", m_remote);
                fputs(m_args[static_cast<size_t>(i)].out ? "true" : "false", m_remote);
            }
            fputs("}", m_remote);
        }
        fputs(" );\n", m_remote);
    }
    fputs("\t\tbrivel.server.RemoteException ex = retObj.getException();\n\t\tif ( ex != null ) {\n"
          "\t\t\tif ( ex.isRuntimeException()) throw ex.runtimeException();\n\t\t\tthrow ex.getException();\n\t\t}\n",
          m_remote);
    for (int i = 0; i < m; ++i)
        if (m_args[static_cast<size_t>(i)].out) fprintf(m_remote, "\t\tretObj.copyOut( %s );\n", m_args[static_cast<size_t>(i)].name.c_str());
    if (hasResult) {
        if (m_result->IsJavaPrimitive())
            fprintf(m_remote, "\t\treturn retObj.get%s();\n", m_result->GetArrayAccessorWord());
        else
            fprintf(m_remote, "\t\treturn (%s) retObj.getObject( null );\n", resultJava.c_str());
    }
    fputs("\t}\n\n", m_remote);
}

// The thunk of a virtual call: reads the arguments from the va_list and
// calls the interface's slot. Returns its number.
int CMethodWrapperWriter::WriteVirtualThunk(const FUNCDESC* func, int m) {
    bool hasResult = !m_result->IsVoid();
    int thunk = m_job->NextThunkNumber();
    fputs("// Thunk for virtual call invocation.\n", m_cpp);
    fprintf(m_cpp, "static HRESULT vThunk_%d( IUnknown * pUnk, va_list ap )\n{\n", thunk);
    for (int i = 0; i < m; ++i) {
        CString type;
        m_args[static_cast<size_t>(i)].mapper->GetVtblParamType(type);
        WriteVarargRead(type, i + 1);
    }
    CString resultType;
    if (hasResult) {
        m_result->GetVtblReturnType(resultType);
        WriteVarargRead(resultType, m + 1);
    }
    fputs("\treturn (*((HRESULT (STDMETHODCALLTYPE *)(void *", m_cpp);
    for (int i = 0; i < m; ++i) {
        CString type;
        m_args[static_cast<size_t>(i)].mapper->GetVtblParamTypeVariant(type);
        fprintf(m_cpp, ",%s", type.c_str());
    }
    if (hasResult) fprintf(m_cpp, ",%s", resultType.c_str());
    fprintf(m_cpp, ")) (*(_VtblFunc **)pUnk)[%d])) (pUnk", func->oVft / 4);
    for (int i = 0; i < m; ++i) {
        CString arguments;
        m_args[static_cast<size_t>(i)].mapper->GetVtblCallArguments(i + 1, arguments);
        fputs(arguments, m_cpp);
    }
    if (hasResult) fprintf(m_cpp, ",arg%d", m + 1);
    fputs(");\n}\n\n", m_cpp);
    return thunk;
}

// The head of the JNI function of the native.
void CMethodWrapperWriter::WriteNativeHead(int m, const CString& javaName) {
    CString resultJni, mangledClass, mangledName;
    m_result->GetJniType(resultJni);
    JniMangleName(mangledClass, m_className);
    JniMangleName(mangledName, javaName);
    fprintf(m_cpp, "// JNI Implementation of %s.%s\n", m_className.c_str(), javaName.c_str());
    fprintf(m_cpp, "extern \"C\" JNIEXPORT %s JNICALL Java_%s_%s", resultJni.c_str(),
            QualifiedName(m_job->JniPackage(), mangledClass, '_').c_str(), mangledName.c_str());
    if (m > 0) {
        fputs("__", m_cpp);
        for (int i = 0; i < m; ++i) {
            CString signature;
            m_args[static_cast<size_t>(i)].mapper->GetJniSignature(true, signature);
            fprintf(m_cpp, "%s%s", m_args[static_cast<size_t>(i)].isArray ? "_3" : "", signature.c_str());
        }
    }
    fputs("\n", m_cpp);
    if (m == 0) {
        fputs("\t(JNIEnv * env, jobject thisObj", m_cpp);
    } else {
        fputs("\t(JNIEnv * env,\n\t jobject thisObj", m_cpp);
        for (int i = 0; i < m; ++i) {
            fputs(",\n", m_cpp);
            if (m_args[static_cast<size_t>(i)].isArray) {
                fprintf(m_cpp, "\t jobject arg%d", i);
            } else {
                CString jni;
                m_args[static_cast<size_t>(i)].mapper->GetJniType(jni);
                fprintf(m_cpp, "\t %s arg%d", jni.c_str(), i);
            }
        }
    }
    fputs(")\n{\n", m_cpp);

}

// The native's locals, and its check that the Java object holds its COM
// object.
void CMethodWrapperWriter::WriteNativeLocals(const FUNCDESC* func, bool vtablePath) {
    int n = m_paramCount;
    bool hasResult = !m_result->IsVoid();
    bool isPut = func->invkind == INVOKE_PROPERTYPUT || func->invkind == INVOKE_PROPERTYPUTREF;
    if (!vtablePath) fputs("\tDISPPARAMS params;\n\tunsigned int argErr;\n\tVARIANT ret;\n", m_cpp);
    fputs("\tHRESULT hr;\n", m_cpp);
    if (!vtablePath) {
        fputs("\tIDispatch * pDisp = (IDispatch *) env->GetIntField( thisObj, brivelGetComId() );\n", m_cpp);
        if (n > 0) fprintf(m_cpp, "\tVARIANTARG vargs[%d];\n", n);
        if (isPut) fputs("\tDISPID dispidNamed = DISPID_PROPERTYPUT;\n", m_cpp);
    } else {
        fputs("\tIUnknown * pUnk = (IUnknown *) env->GetIntField( thisObj, brivelGetComId() );\n", m_cpp);
    }
    // 14. The object must be there.
    fprintf(m_cpp, "\tif ( %s == 0 ) {\n", vtablePath ? "pUnk" : "pDisp");
    fputs("\t\tenv->ThrowNew( brivelFindClass( env, \"java/lang/NullPointerException\" ), \"Uninitialized TavoObject\" );\n", m_cpp);
    fputs(hasResult ? "\t\treturn 0;\n" : "\t\treturn;\n", m_cpp);
    fputs("\t}\n", m_cpp);

}

// The Invoke path's body: the arguments into their VARIANTs, the call, the
// OUT copies, the release of every argument and the result.
void CMethodWrapperWriter::WriteInvokeBody(const FUNCDESC* func, int m) {
    int n = m_paramCount;
    bool hasResult = !m_result->IsVoid();
    bool isPut = func->invkind == INVOKE_PROPERTYPUT || func->invkind == INVOKE_PROPERTYPUTREF;
    fputs("\tEXCEPINFO excepInfo;\n\tmemset(&params, 0, sizeof params);\n\tmemset(&excepInfo, 0, sizeof excepInfo);\n", m_cpp);
    if (isPut) fputs("\tparams.cNamedArgs = 1;\n\tparams.rgdispidNamedArgs = &dispidNamed;\n", m_cpp);
    CReleaseStatements cleanup;  // what the arguments set up so far release
    for (int i = 0; i < m; ++i) {
        Arg& arg = m_args[static_cast<size_t>(i)];
        int v = n - 1 - i;
        if (arg.isArray) {
            fprintf(m_cpp, "\tif ( arg%d == 0 ) {\n", i);
            fputs("\t\tenv->ThrowNew( brivelFindClass( env, \"java/lang/NullPointerException\" ), \"Array of length 1 must be passed to retrieve out parameters, found null.\" );\n", m_cpp);
            WriteEarlyReturn("\t", hasResult, cleanup);
            fputs("\t}\n", m_cpp);
            fprintf(m_cpp, "\tif ( env->GetArrayLength((jarray)arg%d) != 1 ) {\n", i);
            fputs("\t\tenv->ThrowNew( brivelFindClass( env, \"brivel/TavoException\" ), \"Array of length 1 must be passed for OUT parameters\" );\n", m_cpp);
            WriteEarlyReturn("\t", hasResult, cleanup);
            fputs("\t}\n", m_cpp);
            if (arg.accessor) {
                CString element;
                arg.mapper->GetJniType(element);
                fprintf(m_cpp, "\t%s * arg%d__arrayBuf = env->Get%sArrayElements( (%s) arg%d, NULL );\n", element.c_str(), i,
                        arg.accessor, arg.mapper->GetJniArrayType(), i);
                WriteOutOnlyElementEmptied(arg, i);
            }
        }
        if (!arg.pureOut && !arg.rawDefault && !arg.mapper->SkipsNullCheck()) {
            fprintf(m_cpp, "\tif ( %s == 0 ) {\n", arg.expr.c_str());
            fprintf(m_cpp, "\t\tenv->ThrowNew( brivelFindClass( env, \"java/lang/NullPointerException\" ), \"Argument %d is null\" );\n", i + 1);
            WriteEarlyReturn("\t", hasResult, SetupCleanup(cleanup, i));
            fputs("\t}\n", m_cpp);
        }
        {
            CMapperCall call(SetupCleanup(cleanup, i));
            arg.mapper->EmitInvokeArgument(call, i, v, arg.pureOut, arg.expr, hasResult, arg.rawDefault ? arg.defaultValue : nullptr, m_cpp);
        }
        cleanup.Add(ArgCleanup(arg, i, false));
    }
    for (int v = n - 1 - m; v >= 0; --v)
        fprintf(m_cpp, "\tvargs[%d].vt = VT_ERROR;\n\tV_I4( &vargs[%d] ) = DISP_E_PARAMNOTFOUND;\n", v, v);
    fputs("\tVariantInit(&ret);\n", m_cpp);
    fprintf(m_cpp, "\tparams.cArgs = %d;\n", n);
    if (n > 0) fputs("\tparams.rgvarg = vargs;\n", m_cpp);
    fprintf(m_cpp, "\thr = brivelInvokeHelper( env, pDisp, %d, &params, %d, &excepInfo, &argErr, &ret );\n",
            static_cast<int>(func->memid), static_cast<int>(func->invkind));
    if (cleanup.IsEmpty()) {
        fprintf(m_cpp, "\tif ( brivelCheckFatalError( env )) return%s;\n", hasResult ? " 0" : "");
    } else {
        fputs("\tif ( brivelCheckFatalError( env )) {\n", m_cpp);
        WriteEarlyReturn("\t", hasResult, cleanup);
        fputs("\t}\n", m_cpp);
    }
    for (int i = 0; i < m; ++i) {
        Arg& arg = m_args[static_cast<size_t>(i)];
        if (!arg.out) continue;
        const char* word = arg.mapper->GetArrayAccessorWord();
        // Booleans and currency convert through a local of their own, which
        // the copy moves into the Java array's buffer.
        const char* vt = arg.mapper->GetVtName();
        if (!arg.accessor || (word && strcmp(word, "Boolean") == 0) || (vt && strcmp(vt, "VT_CY") == 0)) {
            fputs("\tif ( SUCCEEDED( hr )) {\n", m_cpp);
            {
                CMapperCall call(OutCopyCleanup(i, m, false, hasResult));
                arg.mapper->EmitInvokeOutCopy(call, i, n - 1 - i, hasResult ? 1 : 0, m_cpp);
            }
            fputs("\t}\n", m_cpp);
        }
        fputs(ArgCleanupArrayOnly(arg, i), m_cpp);
    }
    for (int i = 0; i < m; ++i) fputs(ArgCleanup(m_args[static_cast<size_t>(i)], i, false, false), m_cpp);
    fputs("\tif ( FAILED( hr )) {\n\t\tbrivelThrowComExceptionObject( env, hr, &excepInfo );\n", m_cpp);
    if (hasResult) fputs("\t\treturn 0;\n", m_cpp);
    fputs("\t}\n", m_cpp);
    if (hasResult)
        m_result->EmitInvokeReturn(m_cpp);
    else if (func->elemdescFunc.tdesc.vt == VT_HRESULT)
        fputs("\tif ( ret.vt == VT_HRESULT && FAILED( ret.scode )) brivelThrowComExceptionObject( env, ret.scode, 0 );\n", m_cpp);
}

void CMethodWrapperWriter::WriteVtableBody(const FUNCDESC*, int m, int thunk) {
    bool hasResult = !m_result->IsVoid();
    CReleaseStatements cleanup;
    for (int i = 0; i < m; ++i) {
        Arg& arg = m_args[static_cast<size_t>(i)];
        if (arg.isArray) {
            fprintf(m_cpp, "\tif ( arg%d == 0 ) {\n", i);
            fputs("\t\tenv->ThrowNew( brivelFindClass( env, \"java/lang/NullPointerException\" ), \"Array of length 1 must be passed to retrieve out parameters, found null.\" );\n", m_cpp);
            WriteEarlyReturn("\t", hasResult, cleanup);
            fputs("\t}\n", m_cpp);
            fprintf(m_cpp, "\tif ( env->GetArrayLength((jarray)arg%d) != 1 ) {\n", i);
            fputs("\t\tenv->ThrowNew( brivelFindClass( env, \"brivel/TavoException\" ), \"Array of length 1 must be passed for OUT parameters\" );\n", m_cpp);
            WriteEarlyReturn("\t", hasResult, cleanup);
            fputs("\t}\n", m_cpp);
            if (arg.accessor) {
                CString element;
                arg.mapper->GetJniType(element);
                fprintf(m_cpp, "\t%s * arg%d__arrayBuf = env->Get%sArrayElements( (%s) arg%d, NULL );\n", element.c_str(), i,
                        arg.accessor, arg.mapper->GetJniArrayType(), i);
                WriteOutOnlyElementEmptied(arg, i);
            }
        }
        {
            CMapperCall call(SetupCleanup(cleanup, i));
            arg.mapper->EmitVtblArgumentSetup(call, i, arg.pureOut, arg.expr, m_cpp, hasResult);
        }
        cleanup.Add(ArgCleanup(arg, i, true));
    }
    if (hasResult) {
        m_result->EmitVtblReturnDecl(CMapperCall(cleanup), m_cpp);
    }
    fprintf(m_cpp, "\thr = brivelVtableInvoker( env, vThunk_%d, pUnk", thunk);
    for (int i = 0; i < m; ++i) {
        CString expr;
        const Arg& arg = m_args[static_cast<size_t>(i)];
        arg.mapper->GetVtblArgumentExpr(i, arg.isArray && arg.accessor ? 1 : 0, expr);
        fprintf(m_cpp, ",%s", expr.c_str());
    }
    if (hasResult) {
        fputs(",", m_cpp);
        m_result->GetVtblReturnPointer(m_cpp);
    }
    fputs(");\n", m_cpp);
    fputs("\tif ( brivelCheckFatalError( env )) {\n", m_cpp);
    WriteEarlyReturn("\t", hasResult, cleanup);
    fputs("\t}\n", m_cpp);
    for (int i = 0; i < m; ++i) {
        Arg& arg = m_args[static_cast<size_t>(i)];
        if (!arg.out) continue;
        fputs("\tif ( SUCCEEDED( hr )) {\n", m_cpp);
        {
            CMapperCall call(OutCopyCleanup(i, m, true, hasResult));
            arg.mapper->EmitVtblOutCopy(call, i, hasResult ? 1 : 0, m_cpp);
        }
        fputs("\t}\n", m_cpp);
        fputs(ArgCleanupArrayOnly(arg, i), m_cpp);
    }
    for (int i = 0; i < m; ++i) fputs(ArgCleanup(m_args[static_cast<size_t>(i)], i, true, false), m_cpp);
    // A failed call returns after throwing: its result was never set.
    fputs("\tif ( FAILED( hr )) {\n\t\tbrivelThrowComExceptionObject( env, hr, 0 );\n", m_cpp);
    fputs(hasResult ? "\t\treturn 0;\n" : "\t\treturn;\n", m_cpp);
    fputs("\t}\n", m_cpp);
    if (hasResult) m_result->EmitVtblReturn(m_cpp);
}

void CMethodWrapperWriter::WriteEnumeratorNative(const FUNCDESC* func) {
    fputs("\tpublic native void brivelEnumerator( brivel.TavoIterator receiver ) throws brivel.TavoException;\n\n", m_java);
    if (!m_cpp) return;
    CString mangledClass;
    JniMangleName(mangledClass, m_className);
    fprintf(m_cpp, "// JNI Implementation of %s.brivelEnumerator\n", m_className.c_str());
    fprintf(m_cpp, "extern \"C\" JNIEXPORT void JNICALL Java_%s_brivelEnumerator__Lbrivel_TavoIterator_2\n",
            QualifiedName(m_job->JniPackage(), mangledClass, '_').c_str());
    fputs("\t(JNIEnv * env, jobject thisObj, jobject receiver )\n{\n", m_cpp);
    fprintf(m_cpp, "\tbrivelProcessEnumeration( env, thisObj, receiver, %d, %d );\n", static_cast<int>(func->memid),
            static_cast<int>(func->funckind));
    fputs("\tbrivelCheckFatalError( env );\n}\n", m_cpp);
}
