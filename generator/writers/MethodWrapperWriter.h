// Writes the wrappers of one COM interface: per method and property a Java
// native declaration and its JNI function, called through IDispatch::Invoke
// or through the interface's virtual table.
#pragma once

#include "BrvString.h"
#include "mappers/MapperCall.h"

#include <windows.h>
#include <oaidl.h>

#include <cstdio>
#include <set>
#include <string>
#include <vector>

class CBridgeGenerator;
class CTypeMapper;

// Text that a writing step produces, with LF line ends (written back
// through a text-mode file, it gets the platform's line ends).
CString CaptureText(void (*write)(FILE*, void*), void* context);

// Documentation strings made safe inside Java comments: no line breaks, no
// comment end, no unicode escape, and only ASCII (other characters and the
// backslash of a "\u" become HTML character references, as javadoc shows them).
CString JavaCommentText(const char* text);

class CMethodWrapperWriter {
public:
    // info: the interface's type information as the class is written from it.
    CMethodWrapperWriter(CBridgeGenerator* job, ITypeInfo* info, const char* className, FILE* javaFile,
                         FILE* remoteFile, FILE* cppFile);
    ~CMethodWrapperWriter();

    // The dispatch pass over every function and variable, then the vtable
    // pass over the functions held back for it.
    void WriteAll();

    // One function: its overloads (Invoke path) or its one wrapper.
    void WriteFunctionWrappers(const FUNCDESC* func, int pass);
    void WriteVariableProperty(const VARDESC* var);
    bool WriteInterfaceMethods(const FUNCDESC* func, int m, int pass, const CString& comName, const CString& doc,
                               const std::vector<CString>& paramComNames);

private:
    // The steps of one wrapper, in the order they are written.
    bool SelectMappers(const FUNCDESC* func, int pass, bool firstOfSeries, const CString& comName, const CString& doc,
                       std::vector<CTypeMapper*>& mappers, CTypeMapper** result);
    bool MakeJavaName(const FUNCDESC* func, const CString& comName, CString& name);
    void CollectArguments(const FUNCDESC* func, const std::vector<CTypeMapper*>& mappers,
                          const std::vector<CString>& paramComNames);
    std::string JavaSignature(const CString& javaName, int m);
    void WriteDocComment(const FUNCDESC* func, int m, const CString& doc, const CString& javaName);
    void WriteJavaDeclaration(int m, const CString& javaName);
    void WriteRemoteBody(int m, const CString& javaName);
    int WriteVirtualThunk(const FUNCDESC* func, int m);
    void WriteNativeHead(int m, const CString& javaName);
    void WriteNativeLocals(const FUNCDESC* func, bool vtablePath);
    void WriteInvokeBody(const FUNCDESC* func, int m);
    void WriteVtableBody(const FUNCDESC* func, int m, int thunk);

    void WriteNotAvailable(const CString& doc, const CString& comName, const char* reasonLine);
    void WriteEnumeratorNative(const FUNCDESC* func);

    struct Arg {
        CTypeMapper* mapper = nullptr;
        bool isArray = false;
        bool out = false;
        bool pureOut = false;
        bool rawDefault = false;
        const VARIANT* defaultValue = nullptr;
        CString name;
        CString expr;  // the Java value's expression in the native
        const char* accessor = nullptr;  // array accessor word for array arguments
    };
    // What an argument's set-up converted or pinned, released; with or
    // without the release of its element buffer.
    CString ArgCleanup(const Arg& arg, int i, bool vtable, bool withArray = true);
    CString ArgCleanupArrayOnly(const Arg& arg, int i);
    CReleaseStatements OutCopyCleanup(int i, int m, bool vtable, bool hasResult);
    CReleaseStatements SetupCleanup(const CReleaseStatements& before, int i);
    void WriteEarlyReturn(const char* indent, bool hasResult, const CReleaseStatements& cleanup);
    // An out-only value handed over in its Java array's element: the
    // element starts as 0 (false), as every out-only temporary starts empty,
    // so that a callee that writes nothing gives the caller 0, not the
    // value its array held.
    void WriteOutOnlyElementEmptied(const Arg& arg, int i);
    // One argument of a virtual call read from the thunk's va_list.
    void WriteVarargRead(const CString& type, int index);

    CBridgeGenerator* m_job;
    ITypeInfo* m_info;
    ITypeInfo* m_vtblInfo = nullptr;
    bool m_vtblInfoTried = false;
    CString m_className;
    FILE* m_java;
    FILE* m_remote;
    FILE* m_cpp;
    std::set<MEMBERID> m_heldBack;
    std::set<std::string> m_declared;  // Java name and argument types of every wrapper written
    int m_paramCount = 0;  // the parameters the wrappers pass (a virtual call's result is not one)
    std::vector<Arg> m_args;
    CTypeMapper* m_result = nullptr;
};
