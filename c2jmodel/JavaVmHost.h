// The wizard's own Java VM: found and created once with the project's class
// path, it loads the classes the user names, reflects their public
// constructors, methods and fields into class records with COM names, lists
// the classes of JAR files and answers type questions about classes. The VM
// lives until the process ends. The host is also the scope of the COM object
// names of the project's classes. User-interface thread only.
#pragma once

#include "BrvString.h"
#include "ComNameSet.h"
#include "JavaClassSpec.h"
#include "JavaVmHostInterface.h"
#include "StringMap.h"

#include <jni.h>

#include <map>
#include <memory>
#include <set>
#include <string>
#include <vector>

// The classes of the project, by dotted name.
using ListedClassMap = std::map<std::string, std::unique_ptr<CJavaClassSpec>>;

class CJavaVmHost : public CComNameSet, public IJavaVmHost {
public:
    CJavaVmHost();
    ~CJavaVmHost() override;

    // COM object names belong to the document's classes, which keep their own.
    void RenameOwner(void*, int, const char*) override {}

    bool Start(const char* classPath, CString& error) override;
    // Loads the VM library in <JVM path><subFolder> and creates the VM. A
    // library of another processor type and a failed creation set `fatal`
    // with their message; any other load failure answers false silently.
    bool CreateVm(const char* classPath, const char* subFolder, CString& error, bool& fatal);
    CJavaClassSpec* LoadClass(const char* className, bool includeInherited, CString& error) override;
    bool ReflectClass(CJavaClassSpec* javaClass) override;
    // The handler of a java.lang.Class; `supported` and `error` as for
    // ResolveJavaTypeHandler.
    CJavaTypeHandler* ResolveType(jclass typeClass, bool& supported, CString& error);
    bool ListJarClasses(const char* jarPath, std::vector<CString>& classNames, CString& error) override;
    // True only when the class is known to derive from java.awt.Component.
    bool IsVisualComponent(const char* className) override;
    bool IsAssignableFrom(const CJavaClassSpec* a, const CJavaClassSpec* b) override;
    bool RunningClassPath(CString& classPath) const override;

    // Whether every Java class a member uses is in the project (or, while
    // whole JAR files are loaded, a java. class of the runtime).
    bool CheckMethodTypesListed(const ListedClassMap& listed, CJavaMethodSpec* method);
    bool CheckFieldTypeListed(const ListedClassMap& listed, CJavaFieldSpec* field);
    bool CheckClassListed(const ListedClassMap& listed, CJavaTypeHandler* handler, CString& error);

    // JAVA_HOME when a VM library lies below it or below its "jre" folder,
    // else what the launcher's probe prints.
    bool FindJavaHome(CString& error);

    bool IsStarted() const { return m_started; }
    // True once the VM exists; its class path is then fixed for the process.
    bool IsVmCreated() const { return m_vmCreated; }
    // The class path the VM was created with.
    const CString& GetVmClassPath() const { return m_vmClassPath; }
    const CString& GetJavaHome() const { return m_javaHome; }
    const CString& GetJvmPath() const { return m_jvmPath; }
    JNIEnv* GetEnv() const { return m_env; }

    // Names of java. classes accepted while whole JAR files are loaded (a
    // map whose order is the platform library's); null otherwise.
    brivel::CMapStringToPtr<void>* m_systemClasses = nullptr;

    // Shows a start-up failure (a message box on Windows).
    void (*m_showMessage)(const char* text, const char* caption);

protected:
    // Looks up the reflection classes and methods; false with an exception
    // pending when one is missing.
    virtual bool LookUpReflection();

private:
    bool ReflectMembers(CJavaClassSpec* javaClass, MethodGroup& constructors, MethodGroup& methods,
                        MethodGroup& staticMethods, FieldGroup& fields, FieldGroup& staticFields);
    // Fills a constructor or method record; false with the record's reason.
    bool FillMethodRecord(jobject member, jint modifiers, CJavaClassSpec* javaClass, CJavaMethodSpec& record);
    bool FillParameters(CJavaMethodSpec* record, jobjectArray types);
    // The members a getter lists; false when it raised (the class's error
    // text then says why).
    bool MemberArray(jclass javaClass, jmethodID getter, CJavaClassSpec* spec, jobjectArray& members);
    // A text a getter gives, in the system code page; false with the reason
    // when the getter raised or, `exactly`, when the code page cannot hold
    // the text.
    bool TextOf(jobject object, jmethodID getter, CString& text, CString& why, bool exactly = true);
    // The name of the class that declares the member, empty when it is
    // `self`; false with the reason when the VM could not tell.
    bool OtherDeclaringClass(jobject member, jmethodID getDeclaringClass, jclass self, CString& name, CString& why);
    CString ThrowableText(jthrowable exception);
    // Clears a pending exception; its text, or empty when none was pending.
    bool TakeException(CString* text = nullptr);

    bool m_started = false;   // the VM exists and the reflection members are known
    bool m_vmCreated = false; // the VM exists
    CString m_vmClassPath;
    CString m_javaHome;
    CString m_jvmPath;
    void* m_jvmModule = nullptr;
    JavaVM* m_vm = nullptr;
    JNIEnv* m_env = nullptr;

protected:
    jclass m_classClass = nullptr;
    jclass m_throwableClass = nullptr;
    jclass m_constructorClass = nullptr;
    jclass m_methodClass = nullptr;
    jclass m_fieldClass = nullptr;
    jmethodID m_getDeclaredMethods = nullptr;
    jmethodID m_getMethods = nullptr;
    jmethodID m_getConstructors = nullptr;
    jmethodID m_getDeclaredFields = nullptr;
    jmethodID m_getFields = nullptr;
    jmethodID m_getName = nullptr;
    jmethodID m_isInterface = nullptr;
    jmethodID m_constructorGetParameterTypes = nullptr;
    jmethodID m_methodGetName = nullptr;
    jmethodID m_methodGetParameterTypes = nullptr;
    jmethodID m_methodGetModifiers = nullptr;
    jmethodID m_methodGetDeclaringClass = nullptr;
    jmethodID m_methodGetReturnType = nullptr;
    jmethodID m_fieldGetName = nullptr;
    jmethodID m_fieldGetModifiers = nullptr;
    jmethodID m_fieldGetDeclaringClass = nullptr;
    jmethodID m_fieldGetType = nullptr;
    jmethodID m_throwableToString = nullptr;
};

namespace brivel {

// True when the file is a Windows executable image for a processor other
// than x86 (or, on Linux, a 64-bit ELF library): a 32-bit process cannot
// load it.
bool IsOtherProcessorLibrary(const char* path);

}  // namespace brivel
