// One Java class per COM type of the library, and every native of the
// bridge appended to the JNI file: coclasses, interfaces (with their
// listeners and sinks), enumerations, records, then the remote event natives.
#include "BridgeGenerator.h"
#include "MethodWrapperWriter.h"
#include "NamingHelpers.h"
#include "mappers/ShapeTypeMappers.h"

#include <algorithm>
#include <cstring>
#include <vector>

namespace {

void PackageLine(FILE* f, const CString& package) {
    if (!package.IsEmpty()) fprintf(f, "package %s;\n", package.c_str());
    fputs("\n", f);
}

// The text a coclass's __TavoGetGUID returns: the ProgID without ".<digits>".
CString ProgIdWithoutVersion(const CString& progId) {
    if (progId.IsEmpty() || progId.GetAt(0) == '{') return progId;
    int end = progId.GetLength();
    while (end > 0 && progId.GetAt(end - 1) >= '0' && progId.GetAt(end - 1) <= '9') --end;
    if (end < progId.GetLength() && end > 0 && progId.GetAt(end - 1) == '.') return progId.Left(end - 1);
    return progId;
}

}  // namespace

void CBridgeGenerator::WriteLoadLibraryLines(FILE* java) {
    fprintf(java, "\t\tSystem.loadLibrary( \"%s\" );\n", m_jniLibraryName.c_str());
    if (m_ado.used && !m_ado.library.IsEmpty()) fprintf(java, "\t\tSystem.loadLibrary( \"%s\" );\n", m_ado.library.c_str());
    if (m_xml.used && !m_xml.library.IsEmpty()) fprintf(java, "\t\tSystem.loadLibrary( \"%s\" );\n", m_xml.library.c_str());
}

CString CBridgeGenerator::ListenerClassName(CInterfaceEntry* entry) {
    return entry->implementedByCoclass ? entry->javaName + "_Listener" : entry->javaName;
}

bool CBridgeGenerator::WriteJavaClasses() {
    m_paramIndexWritten = false;
    m_remoteIidLists = 0;
    for (CCoclassEntry* coclass : m_coclassList)
        if (!WriteCoclassClass(coclass)) break;

    std::vector<CInterfaceEntry*> interfaces;
    m_interfaceTable.ForEach([&](const CString&, CInterfaceEntry*& entry) { interfaces.push_back(entry); });
    for (CInterfaceEntry* entry : interfaces)
        if (!WriteInterfaceClass(entry)) break;

    std::vector<std::pair<CString, CEnumEntry*>> enums;
    m_enumTable.ForEach([&](const CString& name, CEnumEntry*& entry) { enums.emplace_back(name, entry); });
    for (auto& item : enums)
        if (!WriteEnumClass(item.second)) break;

    std::vector<CRecordEntry*> records;
    m_recordTable.ForEach([&](const CString&, CRecordEntry*& entry) {
        if (std::find(records.begin(), records.end(), entry) == records.end())
            records.push_back(entry);
    });
    for (CRecordEntry* record : records)
        if (!WriteRecordClass(record)) break;

    if (m_jniFile)
        for (CCoclassEntry* coclass : m_coclassList)
            if (!coclass->eventInterfaces.empty()) {
                fputs("\n", m_jniFile);
                WriteRemoteEventAdd(coclass);
            }
    return true;
}

bool CBridgeGenerator::WriteCoclassClass(CCoclassEntry* coclass) {
    FILE* f = OpenJavaFile(coclass->javaName);
    if (!f) return false;
    // The remote-client copy (remote-access option): the same class, whose
    // constructors create the object through the remote server.
    FILE* r = OpenRemoteClientJavaFile(coclass->javaName, true);
    const char* cls = coclass->javaName;
    PackageLine(f, m_javaPackage);
    if (r) PackageLine(r, m_javaPackage);
    if (!coclass->documentation.IsEmpty()) PrintToTwoFiles(f, r, "/** %s */\n", JavaCommentText(coclass->documentation).c_str());
    PrintToTwoFiles(f, r, coclass->isControl ? "public class %s extends brivel.TavoActiveXObject {\n\n" : "public class %s extends brivel.TavoObject {\n\n", cls);
    PrintToTwoFiles(f, r, "\t// Available COM interface objects.\n\t//\n\n");
    std::vector<CInterfaceEntry*> interfaces;
    for (CInterfaceEntry* entry : coclass->interfaces)
        if (!entry->isCallback) interfaces.push_back(entry);
    for (CInterfaceEntry* entry : interfaces) {
        const char* name = entry->javaName;
        PrintToTwoFiles(f, r, "\t/** Retrieve the COM Interface \"%s\" */\n", name);
        PrintToTwoFiles(f, r, "\tpublic %s get%s() throws brivel.TavoException {\n", name, name);
        PrintToTwoFiles(f, r, "\t\tif ( _intf%s == null ) throw new brivel.TavoException( \"Interface not supported by COM object.  Check for version mismatch.  If version is OK, on \\\"Advanced\\\" page select \\\"Object Creation\\\"\" );\n", name);
        PrintToTwoFiles(f, r, "\t\treturn _intf%s;\n\t}\n\n", name);
    }
    if (!coclass->eventInterfaces.empty()) {
        PrintToTwoFiles(f, r, "\n");
        for (CInterfaceEntry* event : coclass->eventInterfaces) {
            CString listener = ListenerClassName(event);
            PrintToTwoFiles(f, r, "\t/** Add event listener \"%s\" */\n", listener.c_str());
            PrintToTwoFiles(f, r, "\tpublic void addTavoEventListener( %s listener ) throws brivel.TavoException { _TavoAddEventListener( listener ); }\n\n", listener.c_str());
            PrintToTwoFiles(f, r, "\t/** Remove event listener \"%s\" */\n", listener.c_str());
            PrintToTwoFiles(f, r, "\tpublic void removeTavoEventListener( %s listener ) throws brivel.TavoException { _TavoRemoveEventListener( listener ); }\n\n", listener.c_str());
        }
    }
    WriteConstructors(coclass, f, r, interfaces);
    fputs("\tstatic {\n", f);
    if (m_freeThreaded) {
        fputs("\t\t// Object prefers multi-threaded model (MTA).  Check for MTA.\n"
              "\t\tif ( brivel.TavoObject.__TavoWarnMTA && ! brivel.TavoObject.TavoModeMTA()) {\n"
              "\t\t\tSystem.err.println( \"Warning: This program should be run in \\\"MTA\\\" mode.  Please see documentation on \\\"STA and MTA\\\" modes.\" );\n"
              "\t\t\tbrivel.TavoObject.__TavoWarnMTA = false;\n\t\t}\n",
              f);
    }
    WriteLoadLibraryLines(f);
    fputs("\t}\n\n", f);
    PrintToTwoFiles(f, r, "}\n");
    fclose(f);
    if (r) fclose(r);

    if (!m_jniFile) return true;
    FILE* c = m_jniFile;
    CString mangled;
    JniMangleName(mangled, coclass->javaName);
    CString progId;
    ProgIdOrClsidString(coclass->guid, progId);
    CString guidText = ProgIdWithoutVersion(progId);
    fprintf(c, "// GUID for class %s\n", cls);
    fprintf(c, "extern \"C\" JNIEXPORT jstring JNICALL Java_%s__1_1TavoGetGUID\n", QualifiedName(m_jniPackage, mangled, '_').c_str());
    fprintf(c, "\t(JNIEnv * env, jclass thisCls )\n{\n\treturn env->NewStringUTF( \"%*.*s\" );\n}\n\n", guidText.GetLength(),
            guidText.GetLength(), guidText.c_str());
    fprintf(c, "// Object creation for %s\n", cls);
    fprintf(c, "extern \"C\" JNIEXPORT jobject JNICALL Java_%s__1_1TavoNewObj\n", QualifiedName(m_jniPackage, mangled, '_').c_str());
    fputs("\t(JNIEnv * env, jobject thisObj, jclass cls)\n{\n"
          "\tjmethodID ctorMethod = env->GetMethodID(cls, \"<init>\", \"()V\" );\n"
          "\tif ( env->ExceptionOccurred()) {\n\t\tenv->ExceptionClear();\n\t\treturn env->AllocObject( cls );\n\t}\n"
          "\treturn env->NewObject( cls, ctorMethod );\n}\n\n",
          c);
    fprintf(c, "extern \"C\" JNIEXPORT jboolean JNICALL Java_%s__1_1TavoCreateObject\n", QualifiedName(m_jniPackage, mangled, '_').c_str());
    fputs("\t(JNIEnv * env, jobject thisObj, jboolean find, jboolean serverOnlyOptions )\n{\n\tHRESULT ret;\n\tIUnknown * pUnk;\n"
          "\tbrivelInitThread( env );\n\tif ( find )\n",
          c);
    fprintf(c, "\t\tret = brivelGetActiveInstance( env, &IID_ITavo%s, &pUnk );\n", cls);
    fprintf(c, "\telse if ( serverOnlyOptions )\n\t\tret = (HRESULT) brivelMiscFunc4( (void *) env, (void *) &IID_ITavo%s, (void *) &pUnk, NULL );\n", cls);
    fprintf(c, "\telse\n\t\tret = brivelCreateInstance( env, &IID_ITavo%s, &pUnk );\n", cls);
    fputs("\tif ( brivelCheckFatalError( env )) return 0;\n\tif ( FAILED( ret )) {\n\t\tbrivelThrowComExceptionObject( env, ret, 0 );\n"
          "\t\treturn 0;\n\t}\n\tenv->SetIntField( thisObj, brivelGetComId(), (jint) pUnk );\n\treturn 1;\n}\n\n",
          c);
    if (m_remoteConstructors) WriteRemoteCreation(coclass, interfaces);
    return true;
}

// The constructors of a coclass class, the natives it declares and its
// interface fields. The remote-client copy creates the object through the
// remote server and fills its interface fields from the reply.
void CBridgeGenerator::WriteConstructors(CCoclassEntry* coclass, FILE* f, FILE* r,
                                         const std::vector<CInterfaceEntry*>& interfaces) {
    const char* cls = coclass->javaName;
    const char* kind = coclass->isControl ? "ActiveX" : "COM";
    PrintToTwoFiles(f, r, "\n\n\t// Constructor(s)\n");
    if (coclass->creatable)
        PrintToTwoFiles(f, r, "\t/** Default %s object constructor */\n", kind);
    else
        PrintToTwoFiles(f, r, "\t/** Default %s object constructor.  <B>WARNING: This object is described as <I>non-creatable</I>, construction may not succeed</b>. */\n", kind);
    PrintToTwoFiles(f, r, "\tpublic %s() throws brivel.TavoException\n\t{\n\t\tthis( false, %s );\n\t}\n\n", cls,
                    IsServerOnlyCreation() ? "true" : "false");
    PrintToTwoFiles(f, r, "\t/** Alternate constructor.\n");
    PrintToTwoFiles(f, r, "\t  * Try to find existing %s object, or create using Server-only options.\n", kind);
    PrintToTwoFiles(f, r, "\t  * <P>Finding existing objects is not supported by many COM/ActiveX objects,\n"
                          "\t  *  but Brivel includes support for those COM/ActiveX objects that can be found.\n"
                          "\t  *  <P>Creating using server-only options (first argument must be false) is useful\n"
                          "\t  *  for some MS Office products.\n\n");
    if (!coclass->creatable)
        PrintToTwoFiles(f, r, "\t  * <B>WARNING: This object is described as <I>non-creatable</I>, construction may not succeed</b>.\n");
    PrintToTwoFiles(f, r, "\t  */\n");
    PrintToTwoFiles(f, r, "\tpublic %s( boolean find, boolean createAsServer ) throws brivel.TavoException\n\t{\n", cls);
    fputs("\t\tif ( ! __TavoCreateObject( find, createAsServer ))\n", f);
    fprintf(f, "\t\t\tthrow new brivel.TavoException( \"Object creation failed for COM object \\\"%s\\\"\" );\n", cls);
    fputs("\t\t__TavoInitialize();\n", f);
    if (r) {
        int count = static_cast<int>(interfaces.size());
        fputs("\t\tsuper();\n", r);
        fprintf(r, "\t\tbrivel.TavoObject[] intfs = new brivel.TavoObject[%d];\n", count);
        fprintf(r, "\t\tbrivel.server.TransactConstructor ctrObj = __TavoConstruct( find, %d, new String[]{\n", count);
        for (size_t i = 0; i < interfaces.size(); ++i)
            fprintf(r, "\t\t\t\t\"get%s\"%s\n", interfaces[i]->javaName.c_str(), i + 1 < interfaces.size() ? "," : "");
        fputs("\t\t\t}, intfs );\n"
              "\t\tbrivel.server.RemoteException ex = ctrObj.getException();\n"
              "\t\tif ( ex != null ) {\n"
              "\t\t\tif ( ex.isRuntimeException()) throw ex.runtimeException();\n"
              "\t\t\tthrow ex.getException();\n"
              "\t\t}\n",
              r);
        // The reply's array holds the interfaces in the order of the getter
        // names, which leave out callback interfaces: that order indexes it.
        for (size_t i = 0; i < interfaces.size(); ++i)
            fprintf(r, "\t\t_intf%s = (%s) intfs[%d];\n", interfaces[i]->javaName.c_str(), interfaces[i]->javaName.c_str(),
                    static_cast<int>(i));
    }
    PrintToTwoFiles(f, r, "\t}\n\n");
    fputs("\tprivate native Object __TavoNewObj( Class cls );\n\n", f);
    fputs("\t/** Initializer.  Used internally by Brivel. */\n\tprivate void __TavoInitialize() throws brivel.TavoException\n\t{\n", f);
    for (CInterfaceEntry* entry : interfaces) {
        const char* name = entry->javaName;
        fprintf(f, "\t\t_intf%s = (%s) __TavoNewObj( %s.class );\n", name, name, name);
        fprintf(f, "\t\tif ( ! _intf%s.__TavoLoad( this, true ))\n\t\t\t_intf%s = null;\n", name, name);
    }
    fputs("\t}\n\n", f);
    if (r) fprintf(r, "\tpublic %s( brivel.TavoClientObjMap remoteOnly )\n\t{\n\t\tsuper( remoteOnly );\n\t}\n\n", cls);
    if (m_remoteConstructors) {
        fputs("\t/** Remote constructor.\n", f);
        fprintf(f, "\t  * Create %s object on remote machine with authentication.\n\t  */\n", kind);
        fprintf(f, "\tpublic %s( String remoteMachine, String remoteUser, String remotePwd, String remoteDomain ) throws brivel.TavoException\n\t{\n", cls);
        fputs("\t\tif ( ! __TavoCreateObjectRemote( remoteMachine, remoteUser, remotePwd, remoteDomain, new Object[]{ this", f);
        for (CInterfaceEntry* entry : interfaces) fprintf(f, ", _intf%s", entry->javaName.c_str());
        fputs(" }))\n", f);
        fprintf(f, "\t\t\tthrow new brivel.TavoException( \"Object creation failed for COM object \\\"%s\\\" on \\\"\" + remoteMachine + \"\\\"\" );\n", cls);
        fputs("\t}\n\n\t/** Remote constructor without authentication.\n", f);
        fprintf(f, "\t  * Create %s object on remote machine.\n", kind);
        fputs("\t  * Use this version if authentication is not required.\n\t  */\n", f);
        fprintf(f, "\tpublic %s( String remoteMachine ) throws brivel.TavoException\n\t{\n", cls);
        fputs("\t\tthis( remoteMachine, null, null, null );\n\t}\n\n", f);
    }
    fputs("\t// Constuctor for internal Brivel Usage only\n", f);
    fprintf(f, "\tprivate %s( java.lang.ref.Reference ref ) {}\n\n", cls);
    if (coclass->isControl)
        fputs("\t/** Set container for this activeX object. */\n"
              "\tpublic void setActiveXContainer( brivel.TavoActiveXContainer brvActiveXContainer) throws brivel.TavoException\n"
              "\t{\n\t\tbrvActiveXContainer.setActiveX( this );\n\t}\n\n",
              f);
    fputs("\t/* JNI function used internally by Brivel */\n"
          "\tprivate native boolean __TavoCreateObject( boolean find, boolean createAsServer ) throws brivel.TavoException;\n"
          "\tprivate static native String __TavoGetGUID();\n",
          f);
    if (!coclass->eventInterfaces.empty()) fputs("\tprivate native Object[] __RemoteEventAdd( String interfaceStr );\n", f);
    fputs("\n", f);
    if (m_remoteConstructors)
        fputs("\tprivate native boolean __TavoCreateObjectRemote( String remoteMachine, String remoteUser, String remotePwd, String remoteDomain, Object[] interfaceList ) throws brivel.TavoException;\n\n", f);
    for (CInterfaceEntry* entry : interfaces)
        PrintToTwoFiles(f, r, "\t%s _intf%s;\n", entry->javaName.c_str(), entry->javaName.c_str());
    PrintToTwoFiles(f, r, "\n");
}

// Declares `target`, a zero-terminated copy of the Java string `javaName`
// (Java's characters carry no terminator); null when the string is null.
static void WriteTerminatedCopy(FILE* c, const char* target, const char* javaName) {
    fprintf(c, "\tWCHAR * %s = 0;\n", target);
    fprintf(c, "\tif ( %s != NULL ) {\n", javaName);
    fprintf(c, "\t\tjsize length = env->GetStringLength( %s );\n", javaName);
    fprintf(c, "\t\t%s = (WCHAR *) malloc(( length + 1 ) * sizeof( WCHAR ));\n", target);
    fprintf(c, "\t\tif ( %s != 0 ) {\n", target);
    fprintf(c, "\t\t\tenv->GetStringRegion( %s, 0, length, (jchar *) %s );\n", javaName, target);
    fprintf(c, "\t\t\t%s[length] = 0;\n", target);
    fputs("\t\t}\n\t}\n", c);
}

// The IID list and the native that create a coclass's object on another
// machine. The list and the Java side name the same interfaces, the ones
// the class has fields for.
void CBridgeGenerator::WriteRemoteCreation(CCoclassEntry* coclass, const std::vector<CInterfaceEntry*>& interfaces) {
    FILE* c = m_jniFile;
    const char* cls = coclass->javaName;
    int list = ++m_remoteIidLists;
    fprintf(c, "// Remote interface IID list for %s\n", cls);
    fprintf(c, "const IID * remoteIidList%d[] = { &IID_IUnknown", list);
    for (CInterfaceEntry* entry : interfaces) fprintf(c, ", &IID_ITavo%s", entry->javaName.c_str());
    fputs(" };\n\n", c);
    CString mangled;
    JniMangleName(mangled, coclass->javaName);
    fprintf(c, "// Remote object creation for %s\n", cls);
    fprintf(c, "extern \"C\" JNIEXPORT jboolean JNICALL Java_%s__1_1TavoCreateObjectRemote\n",
            QualifiedName(m_jniPackage, mangled, '_').c_str());
    fputs("\t(JNIEnv * env, jobject thisObj, jstring remote, jstring user, jstring pwd, jstring domain, jobjectArray interfaceList )\n"
          "{\n\tHRESULT ret;\n\tIUnknown * pUnk;\n\tbrivelInitThread( env );\n"
          "\tif ( remote == NULL ) {\n"
          "\t\tenv->ThrowNew( brivelFindClass( env, \"java/lang/NullPointerException\" ), \"RemoteMachine name is null\" );\n"
          "\t\treturn 0;\n\t}\n",
          c);
    WriteTerminatedCopy(c, "machineName", "remote");
    WriteTerminatedCopy(c, "userName", "user");
    WriteTerminatedCopy(c, "pwdStr", "pwd");
    WriteTerminatedCopy(c, "domainStr", "domain");
    fputs("\tif ( machineName == 0 || ( user != NULL && userName == 0 ) || ( pwd != NULL && pwdStr == 0 ) || ( domain != NULL && domainStr == 0 ))\n"
          "\t\tret = E_OUTOFMEMORY;\n\telse\n",
          c);
    fprintf(c, "\t\tret = brivelCreateInstanceRemote( env, &IID_ITavo%s, (LPCWSTR) machineName, (LPCWSTR) userName, "
               "(LPCWSTR) pwdStr, (LPCWSTR) domainStr, %d, interfaceList, remoteIidList%d );\n",
            cls, static_cast<int>(interfaces.size()) + 1, list);
    fputs("\tfree( machineName );\n\tfree( userName );\n\tfree( pwdStr );\n\tfree( domainStr );\n"
          "\tif ( brivelCheckFatalError( env )) return 0;\n\tif ( FAILED( ret )) {\n"
          "\t\tbrivelThrowComExceptionObject( env, ret, 0 );\n\t\treturn 0;\n\t}\n\treturn 1;\n}\n\n",
          c);
}

bool CBridgeGenerator::WriteInterfaceClass(CInterfaceEntry* entry) {
    bool listener = entry->isEvent || entry->isCallback;
    if (!entry->info) return true;
    if (entry->implementedByCoclass || !listener) {
        FILE* f = OpenJavaFile(entry->javaName);
        if (!f) return false;
        // The remote-client copy: its methods call the object through the
        // remote server.
        FILE* r = OpenRemoteClientJavaFile(entry->javaName, true);
        const char* cls = entry->javaName;
        PackageLine(f, m_javaPackage);
        if (r) PackageLine(r, m_javaPackage);
        PrintToTwoFiles(f, r, "/** ");
        if (!entry->help.IsEmpty()) {
            CString doc = JavaCommentText(entry->help);
            PrintToTwoFiles(f, r, "%s", doc.c_str());
            if (doc.GetAt(doc.GetLength() - 1) != '.') PrintToTwoFiles(f, r, ".");
            PrintToTwoFiles(f, r, "\n  * <P>");
        }
        PrintToTwoFiles(f, r, "This class corresponds to a COM interface.\n  * Objects of this class are not created directly,\n"
                              "  * but are obtained by calling methods of other COM objects.\n */\n");
        PrintToTwoFiles(f, r, "public class %s extends brivel.TavoObject {\n\n", cls);
        {
            // With the virtual-table preference a dual interface is written
            // from its vtable description: every function takes the
            // virtual-call path.
            ITypeInfo* vtblInfo = nullptr;
            HREFTYPE ref = 0;
            if (m_dualInterfacePreference == 1 &&
                SUCCEEDED(entry->info->GetRefTypeOfImplType(static_cast<UINT>(-1), &ref)))
                entry->info->GetRefTypeInfo(ref, &vtblInfo);
            CMethodWrapperWriter writer(this, vtblInfo ? vtblInfo : entry->info, cls, f, r, m_jniFile);
            writer.WriteAll();
            if (vtblInfo) vtblInfo->Release();
        }
        fputs("\n\n\t// Implementation\n\t//\n\n\t/** Constructors for internal Brivel Usage only\n"
              "\t  * DO NOT attempt to construct this object!  It is retrieved from other objects.\n\t  */\n",
              f);
        fprintf(f, "\tprivate %s() {}\n\tprivate %s( java.lang.ref.Reference ref ) {}\n\n", cls, cls);
        fprintf(f, "\tprivate %s( brivel.TavoObject obj ) throws brivel.TavoException\n\t{\n\t\tif ( ! __TavoLoad( obj, false ))\n", cls);
        fprintf(f, "\t\t\tthrow new ClassCastException( \"Object/interface passed does not support \\\"%s\\\"\" );\n\t}\n\n", cls);
        PrintToTwoFiles(f, r, "\t/** Use this method only for creating a COM interface of type %s\n"
                              "\t  * from another existing COM interface, when you know that it is possible.\n\t  */\n", cls);
        fprintf(f, "\tpublic static %s _brivelCoerceObject(brivel.TavoObject obj) throws brivel.TavoException { return new %s(obj);}\n\n", cls, cls);
        if (r) {
            fprintf(r, "\tpublic %s( brivel.TavoClientObjMap remoteOnly )\n\t{\n\t\tsuper( remoteOnly );\n\t}\n\n", cls);
            fprintf(r, "\tpublic %s()\n\t{\n\t}\n\n", cls);
            fprintf(r, "\tpublic static %s _brivelCoerceObject(brivel.TavoObject obj) throws brivel.TavoException\n\t{\n", cls);
            fprintf(r, "\t\treturn (%s) __TavoStaticCoerce( obj, %s.class );\n\t}\n\n", cls, cls);
        }
        fputs("\t/** JNI function used internally by Brivel */\n"
              "\tnative boolean __TavoLoad( brivel.TavoObject obj, boolean initial ) throws brivel.TavoException;\n"
              "\tstatic {\n",
              f);
        WriteLoadLibraryLines(f);
        fputs("\t}\n\n", f);
        PrintToTwoFiles(f, r, "}\n\n");
        fclose(f);
        if (r) fclose(r);
        if (m_jniFile) {
            CString mangled;
            JniMangleName(mangled, entry->javaName);
            FILE* c = m_jniFile;
            fprintf(c, "extern \"C\" JNIEXPORT jboolean JNICALL Java_%s__1_1TavoLoad\n", QualifiedName(m_jniPackage, mangled, '_').c_str());
            // A null object throws instead of reaching GetIntField.
            fputs("\t(JNIEnv * env, jobject thisObj, jobject obj, jboolean initial )\n{\n\tHRESULT ret;\n\tIUnknown * pUnk;\n"
                  "\tIDispatch * pDisp;\n\tbrivelInitThread( env );\n"
                  "\tif ( obj == 0 ) {\n"
                  "\t\tenv->ThrowNew( brivelFindClass( env, \"java/lang/NullPointerException\" ), \"Argument 1 is null\" );\n"
                  "\t\treturn 0;\n\t}\n"
                  "\tpUnk = (IUnknown *) env->GetIntField( obj, brivelGetComId() );\n",
                  c);
            fprintf(c, "\tret = brivelQueryInterface( env, pUnk, &IID_ITavo%s, (void **) &pDisp );\n", cls);
            fputs("\tif ( brivelCheckFatalError( env )) return 0;\n\tif ( FAILED( ret ) && initial ) {\n"
                  "\t\tret = brivelQueryInterface( env, pUnk, &IID_IDispatch, (void **) &pDisp );\n"
                  "\t\tif ( brivelCheckFatalError( env )) return 0;\n\t}\n\tif ( FAILED( ret )) {\n"
                  "\t\tif ( ! initial ) brivelThrowComExceptionObject( env, ret, 0 );\n\t\treturn 0;\n\t}\n"
                  "\tenv->SetIntField( thisObj, brivelGetComId(), (jint) pDisp );\n\treturn 1;\n}\n\n",
                  c);
        }
    }
    if (listener) WriteEventListener(entry, ListenerClassName(entry), entry->info);
    return true;
}

bool CBridgeGenerator::WriteEnumClass(CEnumEntry* entry) {
    ITypeInfo* info = nullptr;
    if (!entry->library || FAILED(entry->library->GetTypeInfo(static_cast<UINT>(entry->typeIndex), &info)) || !info)
        return true;
    TYPEATTR* attr = nullptr;
    if (FAILED(info->GetTypeAttr(&attr)) || !attr) {
        info->Release();
        return true;
    }
    if (attr->typekind == TKIND_ALIAS && !ResolveAlias(info, attr)) {
        info->Release();
        return true;
    }
    FILE* f = OpenJavaFile(entry->javaName);
    if (!f) {
        info->ReleaseTypeAttr(attr);
        info->Release();
        return false;
    }
    // Enumerations have no natives: the remote-client copy is the same text.
    FILE* r = OpenRemoteClientJavaFile(entry->javaName, true);
    const char* cls = entry->javaName;
    PackageLine(f, m_javaPackage);
    if (r) PackageLine(r, m_javaPackage);
    BSTR docText = nullptr;
    CString doc;
    if (SUCCEEDED(info->GetDocumentation(MEMBERID_NIL, nullptr, &docText, nullptr, nullptr)) && docText) {
        doc = WideToAnsi(docText);
        SysFreeString(docText);
    }
    if (!doc.IsEmpty())
        PrintToTwoFiles(f, r, "/** %s */\n", JavaCommentText(doc).c_str());
    else
        PrintToTwoFiles(f, r, "/** %s enumerated type */\n", cls);
    PrintToTwoFiles(f, r, "public class %s extends brivel.TavoEnumeration {\n\n", cls);
    std::vector<CString> names;
    std::vector<long> values;
    CNameSet localNames;
    for (UINT v = 0; v < attr->cVars; ++v) {
        VARDESC* var = nullptr;
        if (FAILED(info->GetVarDesc(v, &var)) || !var) continue;
        BSTR name = nullptr, varDoc = nullptr;
        UINT got = 0;
        info->GetNames(var->memid, &name, 1, &got);
        info->GetDocumentation(var->memid, nullptr, &varDoc, nullptr, nullptr);
        CString comName = got > 0 ? WideToAnsi(name) : CString("constant");
        CString javaName;
        MakeJavaIdentifier(javaName, comName, &localNames);
        long value = 0;
        if (var->varkind == VAR_CONST && var->lpvarValue) {
            VARIANT converted;
            VariantInit(&converted);
            if (SUCCEEDED(VariantChangeType(&converted, var->lpvarValue, 0, VT_I4))) value = V_I4(&converted);
        }
        if (varDoc && SysStringLen(varDoc) > 0)
            PrintToTwoFiles(f, r, "\n\t/** %s */\n", JavaCommentText(WideToAnsi(varDoc)).c_str());
        else
            PrintToTwoFiles(f, r, "\n\t/** enumerated constant %s */\n", javaName.c_str());
        PrintToTwoFiles(f, r, "\tpublic static %s %s = new %s(%ld);\n", cls, javaName.c_str(), cls, value);
        names.push_back(javaName);
        values.push_back(value);
        SysFreeString(name);
        SysFreeString(varDoc);
        info->ReleaseVarDesc(var);
    }
    PrintToTwoFiles(f, r, "\n\n\t/** Default constructor (protected; use intToEnumeratedValue to obtain enumerated values from integers.) */\n");
    PrintToTwoFiles(f, r, "\tprotected %s( int __n ) { __Brv_value = __n; }\n\n", cls);
    PrintToTwoFiles(f, r, "\t/** Compare two enumerated values for being equal */\n");
    PrintToTwoFiles(f, r, "\tpublic boolean equals( Object __obj ) { return __obj instanceof %s && __obj != null && ((%s)__obj).getEnumeratedIntValue() == __Brv_value; }\n\n", cls, cls);
    // Equal values must give equal hash codes.
    PrintToTwoFiles(f, r, "\t/** Hash code of the enumerated value */\n\tpublic int hashCode() { return __Brv_value; }\n\n");
    PrintToTwoFiles(f, r, "\t/** Returns an enumerated value corresponding to a given integer. */\n");
    PrintToTwoFiles(f, r, "\tpublic static %s intToEnumeratedValue( int __n ) {\n\t\tswitch ( __n  ) {\n", cls);
    for (size_t i = 0; i < names.size(); ++i) {
        bool duplicate = false;
        for (size_t j = 0; j < i; ++j) duplicate = duplicate || values[j] == values[i];
        PrintToTwoFiles(f, r, duplicate ? "\t\t\t// ** Duplicate ** case %ld: return %s;\n" : "\t\t\tcase %ld: return %s;\n", values[i],
                names[i].c_str());
    }
    PrintToTwoFiles(f, r, "\t\t}\n\t\treturn new %s(__n);\n\t}\n}\n\n", cls);
    fclose(f);
    if (r) fclose(r);
    info->ReleaseTypeAttr(attr);
    info->Release();
    return true;
}

bool CBridgeGenerator::WriteRecordClass(CRecordEntry* record) {
    FILE* f = OpenJavaFile(record->javaName);
    if (!f) return false;
    // The remote-client copy holds the same fields and constructors.
    FILE* r = OpenRemoteClientJavaFile(record->javaName, true);
    const char* cls = record->javaName;
    PackageLine(f, m_javaPackage);
    if (r) PackageLine(r, m_javaPackage);
    if (!record->help.IsEmpty())
        PrintToTwoFiles(f, r, "/** %s */\n", JavaCommentText(record->help).c_str());
    else
        PrintToTwoFiles(f, r, "/** %s Record Type */\n", cls);
    PrintToTwoFiles(f, r, "public class %s extends brivel.TavoRecord {\n\n", cls);
    CString reason = record->error;
    bool supported = !record->unusable;
    for (const CRecordField& field : record->fields) {
        if (!field.mapper) {
            supported = false;
            reason = field.error;
            break;
        }
        CString javaType;
        field.mapper->GetJavaType(javaType);
        // The documentation line stands before the field's first line and
        // again before its declaration (the getter's, for a fixed-size array).
        CString docLine;
        if (!field.help.IsEmpty()) docLine.Format("\t/** %s */\n", JavaCommentText(field.help).c_str());
        PrintToTwoFiles(f, r, "%s", docLine.c_str());
        if (field.mapper->IsFixedSizeArray()) {
            auto* fixed = static_cast<CFixedArrayTypeMapper*>(field.mapper);
            CString element;
            fixed->GetElement()->GetJavaType(element);
            CString getter = field.javaName;
            if (!getter.IsEmpty() && getter.GetAt(0) >= 'a' && getter.GetAt(0) <= 'z')
                getter.SetAt(0, static_cast<char>(getter.GetAt(0) - 'a' + 'A'));
            PrintToTwoFiles(f, r, "\tprivate %s %s = new %s[%d];\n", javaType.c_str(), field.javaName.c_str(), element.c_str(), fixed->GetCount());
            PrintToTwoFiles(f, r, "%s", docLine.c_str());
            PrintToTwoFiles(f, r, "\tpublic %s get%s() { return %s; }\n", javaType.c_str(), getter.c_str(), field.javaName.c_str());
        } else {
            PrintToTwoFiles(f, r, "%s", docLine.c_str());
            PrintToTwoFiles(f, r, "\tpublic %s %s;\n", javaType.c_str(), field.javaName.c_str());
        }
    }
    PrintToTwoFiles(f, r, "\n\t/** Default constructor */\n\n");
    PrintToTwoFiles(f, r, "\tpublic %s()", cls);
    if (!supported) PrintToTwoFiles(f, r, " throws brivel.TavoException");
    PrintToTwoFiles(f, r, "\n\t{\n");
    if (!supported) {
        PrintToTwoFiles(f, r, "\t\t/* Not supported */\n");
        PrintToTwoFiles(f, r, "\t\tthrow new brivel.TavoException( \"This record type is not supported: %s\" );\n", reason.c_str());
    }
    PrintToTwoFiles(f, r, "\t}\n");
    if (supported) {
        PrintToTwoFiles(f, r, "\n\t/** Constructor with initialiers */\n\n");
        PrintToTwoFiles(f, r, "\tpublic %s(", cls);
        for (size_t i = 0; i < record->fields.size(); ++i) {
            CString javaType;
            record->fields[i].mapper->GetJavaType(javaType);
            PrintToTwoFiles(f, r, "%s %s %s", i > 0 ? "," : "", javaType.c_str(), record->fields[i].javaName.c_str());
        }
        PrintToTwoFiles(f, r, " )\n\t{\n");
        for (const CRecordField& field : record->fields) {
            const char* name = field.javaName;
            if (field.mapper->IsFixedSizeArray()) {
                int count = static_cast<CFixedArrayTypeMapper*>(field.mapper)->GetCount();
                PrintToTwoFiles(f, r, "\t\tif ( %s == null || %s.length != %d ) throw new java.lang.RuntimeException( \"\\\"%s\\\": Expecting array of size %d\" );\n",
                        name, name, count, name, count);
                PrintToTwoFiles(f, r, "\t\tSystem.arraycopy( %s, 0, this.%s, 0, %d );\n", name, name, count);
            } else {
                PrintToTwoFiles(f, r, "\t\tthis.%s = %s;\n", name, name);
            }
        }
        PrintToTwoFiles(f, r, "\t}\n");
    }
    fputs("\n\tstatic {\n", f);
    WriteLoadLibraryLines(f);
    fputs("\t}\n\n", f);
    PrintToTwoFiles(f, r, "}\n\n");
    fclose(f);
    if (r) fclose(r);
    return true;
}

void CBridgeGenerator::WriteRemoteEventAdd(CCoclassEntry* coclass) {
    FILE* c = m_jniFile;
    CString mangled;
    JniMangleName(mangled, coclass->javaName);
    fputs("/** Remote events initializer */\n", c);
    fprintf(c, "extern \"C\" JNIEXPORT jobjectArray JNICALL Java_%s__1_1RemoteEventAdd( JNIEnv * env, jobject thisObj, jstring interfaceStr )\n",
            QualifiedName(m_jniPackage, mangled, '_').c_str());
    fputs("{\n", c);
    fputs("\tif ( interfaceStr == 0 ) {\n"
          "\t\tenv->ThrowNew( brivelFindClass( env, \"java/lang/NullPointerException\" ), \"Argument 1 is null\" );\n"
          "\t\treturn NULL;\n\t}\n",
          c);
    // A missing string or class, or no memory for the sink, leaves the VM's
    // exception (or OutOfMemoryError) pending and answers null; the sink is
    // advised only once everything that goes back is there.
    fputs("\tconst char * interfaceName = env->GetStringUTFChars( interfaceStr, 0 );\n"
          "\tif ( interfaceName == 0 ) return NULL;\n"
          "\tIDispatch * iDisp = 0;\n"
          "\tbool madeNone = false;\n"
          "\ttry {\n",
          c);
    bool first = true;
    for (CInterfaceEntry* event : coclass->eventInterfaces) {
        CString listener = ListenerClassName(event);
        CString full = m_javaPackage.IsEmpty() ? listener : m_javaPackage + "." + listener;
        fputs("\t\t", c);
        if (!first) fputs("} else ", c);
        first = false;
        fprintf(c, "if ( strcmp( interfaceName, \"%s\" ) == 0 ) {\n", full.c_str());
        fputs("\t\t\t// Initialize and add new listener object.\n", c);
        fprintf(c, "\t\t\tiDisp = new %sHandlerImpl( (jstring) env->NewGlobalRef(interfaceStr), thisObj );\n", listener.c_str());
    }
    if (!first) fputs("\t\t}\n", c);
    fputs("\t} catch ( ... ) {\n\t\tmadeNone = true;\n\t}\n"
          "\tenv->ReleaseStringUTFChars( interfaceStr, interfaceName );\n"
          "\tif ( madeNone ) {\n"
          "\t\tenv->ThrowNew( brivelFindClass( env, \"java/lang/OutOfMemoryError\" ), \"event sink\" );\n"
          "\t\treturn NULL;\n\t}\n"
          "\tif ( iDisp != 0 ) {\n"
          "\t\tjclass listenerClass = env->FindClass( \"brivel/TavoEventListener\" );\n"
          "\t\tjobject listener = listenerClass == 0 ? 0 : env->AllocObject( listenerClass );\n"
          "\t\tjclass objectClass = listener == 0 ? 0 : env->FindClass( \"java/lang/Object\" );\n"
          "\t\tjobjectArray ret = objectClass == 0 ? 0 : env->NewObjectArray( 2, objectClass, 0 );\n"
          "\t\tjclass intClass = ret == 0 ? 0 : env->FindClass( \"java/lang/Integer\" );\n"
          "\t\tjmethodID intInit = intClass == 0 ? 0 : env->GetMethodID( intClass, \"<init>\", \"(I)V\" );\n"
          "\t\tif ( intInit == 0 ) {\n"
          "\t\t\tiDisp->Release();\n"
          "\t\t\treturn NULL;\n"
          "\t\t}\n"
          "\t\tenv->SetIntField( listener, brivelGetEventId(), (jint) iDisp );\n"
          "\t\tjint cookie = Java_brivel_TavoObject__1_1TavoAdvise(env, thisObj, listener );\n"
          // After a failed advise nobody gets the listener: the sink's first
          // reference, the listener's, is released here.
          "\t\tif ( brivelCheckFatalError( env )) {\n"
          "\t\t\tiDisp->Release();\n"
          "\t\t\treturn NULL;\n"
          "\t\t}\n"
          "\t\tenv->SetObjectArrayElement( ret, 0, listener );\n"
          "\t\tenv->SetObjectArrayElement( ret, 1, env->NewObject( intClass, intInit, cookie ));\n"
          "\t\treturn ret;\n\t}\n\treturn NULL;\n}\n\n",
          c);
}
