#include "JavaVmHost.h"

#include <windows.h>
#undef GetClassName  // the platform's window-class macro, not the handler's method

#include <cstdio>
#include <cstring>
#include <strings.h>

#include "GuidText.h"
#include "JavaHomeProbe.h"
#include "JniText.h"
#include "JvmPlatformNames.h"
#include "VmFolderSearch.h"
#include "VmLocation.h"
#include "ProcAddress.h"

using namespace brivel::c2j;

namespace {

const char kNoJavaHome[] = "Unable to locate java home, please set environment variable JAVA_HOME";
const char kOtherProcessor[] = "Java VM is 64-bit, cannot be loaded into a 32-bit process";
const char kCreationFailed[] = "Java VM Creation failed";
const char kNoReflection[] = "Could not get methods for class java.lang.Class or related classes";
const char kNameOutsideCodePage[] = "Java name \"%s\" has characters outside the system code page";

const jint kPublic = 1;
const jint kStatic = 8;
const jint kFinal = 16;

typedef jint(JNICALL* CreateJavaVmFunction)(JavaVM**, void**, void*);

void ShowMessage(const char* text, const char* caption) {
#ifdef _WIN32
    MessageBoxA(nullptr, text, caption, MB_OK);
#else
    std::fprintf(stderr, "%s: %s\n", caption, text);
#endif
}

bool IsFile(const std::string& path) {
    DWORD attributes = GetFileAttributesA(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

std::string WithSeparator(std::string folder) {
    if (folder.empty() || folder.back() != kPathSeparator) folder += kPathSeparator;
    return folder;
}

// A VM library in one of the preferred sub-folders below the home.
bool HasVmLibrary(const std::string& home) {
    for (const std::string& sub : PreferredJvmSubFolders())
        if (IsFile(JvmLibraryPath(JvmSearchFolder(home), sub))) return true;
    return false;
}

void AppendLine(CString& text, const CString& line) {
    if (!text.IsEmpty()) text += "\n";
    text += line;
}

std::string SlashName(const char* dotted) {
    std::string name = dotted ? dotted : "";
    for (char& c : name)
        if (c == '.') c = '/';
    return name;
}

bool EndsWithClass(const std::string& name) {
    return name.size() >= 7 && strcasecmp(name.c_str() + name.size() - 6, ".class") == 0;
}

}  // namespace

namespace brivel {

bool IsOtherProcessorLibrary(const char* path) {
    FILE* file = std::fopen(path, "rb");
    if (!file) return false;
    unsigned char head[20] = {};
    size_t got = std::fread(head, 1, sizeof head, file);
    bool other = false;
    if (got >= 2 && head[0] == 'M' && head[1] == 'Z') {
        unsigned char offsetBytes[4];
        unsigned char pe[6];
        if (std::fseek(file, 60, SEEK_SET) == 0 && std::fread(offsetBytes, 1, 4, file) == 4) {
            unsigned long offset = offsetBytes[0] | offsetBytes[1] << 8 | offsetBytes[2] << 16 |
                                   static_cast<unsigned long>(offsetBytes[3]) << 24;
            if (offset <= 0x7FFFFFFFul && std::fseek(file, static_cast<long>(offset), SEEK_SET) == 0 &&
                std::fread(pe, 1, 6, file) == 6 && pe[0] == 'P' && pe[1] == 'E')
                other = (pe[4] | pe[5] << 8) != 0x14C;
        }
    } else if (got >= 20 && std::memcmp(head, "\x7f" "ELF", 4) == 0) {
        other = (head[18] | head[19] << 8) != 3;  // not EM_386
    }
    std::fclose(file);
    return other;
}

}  // namespace brivel

CJavaVmHost::CJavaVmHost() : m_showMessage(ShowMessage) {}

CJavaVmHost::~CJavaVmHost() = default;

bool CJavaVmHost::FindJavaHome(CString& error) {
    std::string variable = EnvironmentValue("JAVA_HOME");
    if (!variable.empty()) {
        std::string home = WithSeparator(variable);
        if (HasVmLibrary(home)) {
            m_javaHome = home.c_str();
            return true;
        }
        std::string runtime = home + "jre" + kPathSeparator;  // a JDK's own runtime
        if (HasVmLibrary(runtime)) {
            m_javaHome = runtime.c_str();
            return true;
        }
    }
    JavaHomeProbeResult probe = ProbeJavaHome("BRV");
    if (!probe.ok) {
        error = probe.outputUnreadable ? kNoJavaHome : probe.message.c_str();
        return false;
    }
    m_javaHome = probe.home.c_str();
    return true;
}

bool CJavaVmHost::Start(const char* classPath, CString& error) {
    if (m_started) return true;
    if (!m_vmCreated) {
        if (!FindJavaHome(error)) return false;
        const std::string folder = JvmSearchFolder(m_javaHome.str());
        m_jvmPath = folder.c_str();
        bool fatal = false;
        CString message;
        SearchJvmFolders(folder, [&](const std::string& sub) { return CreateVm(classPath, sub.c_str(), message, fatal); });
        if (!m_vmCreated) {
            if (fatal) error = message;
            else error.Format("Could not locate JVM.DLL under \"%s\"", m_javaHome.c_str());
            return false;
        }
    }
    // The VM cannot be created twice in a process: a failed lookup is tried
    // again by the next start instead of leaving the host half started.
    if (!LookUpReflection()) {
        TakeException();
        m_showMessage(kNoReflection, "Error");
        return false;
    }
    m_started = true;
    return true;
}

bool CJavaVmHost::CreateVm(const char* classPath, const char* subFolder, CString& error, bool& fatal) {
    if (m_vmCreated) return true;
    const std::string path = JvmLibraryPath(m_jvmPath.str(), subFolder ? subFolder : "");
    HMODULE module = LoadLibraryA(path.c_str());
    if (!module) {
        if (brivel::IsOtherProcessorLibrary(path.c_str())) {
            error = kOtherProcessor;
            fatal = true;
        }
        return false;
    }
    std::string option = std::string("-Djava.class.path=") + (classPath ? classPath : "");
    JavaVMOption options[1];
    options[0].optionString = &option[0];
    options[0].extraInfo = nullptr;
    JavaVMInitArgs args;
    args.version = 0x00010002;
    args.nOptions = classPath && *classPath ? 1 : 0;
    args.options = options;
    args.ignoreUnrecognized = JNI_FALSE;

    auto create = brivel::ProcAddress<CreateJavaVmFunction>(module, "JNI_CreateJavaVM");
    JavaVM* vm = nullptr;
    JNIEnv* env = nullptr;
    if (!create || create(&vm, reinterpret_cast<void**>(&env), &args) < 0) {
        FreeLibrary(module);  // nothing of it is in use
        error = kCreationFailed;
        fatal = true;
        return false;
    }
    m_jvmPath = path.c_str();  // the search folder stays in force until here
    m_jvmModule = module;
    m_vm = vm;
    m_env = env;
    m_vmClassPath = classPath ? classPath : "";
    m_vmCreated = true;
    return true;
}

bool CJavaVmHost::LookUpReflection() {
    JNIEnv* env = m_env;
    struct ClassSlot {
        jclass* slot;
        const char* name;
    } classes[] = {{&m_classClass, "java/lang/Class"},
                   {&m_throwableClass, "java/lang/Throwable"},
                   {&m_constructorClass, "java/lang/reflect/Constructor"},
                   {&m_methodClass, "java/lang/reflect/Method"},
                   {&m_fieldClass, "java/lang/reflect/Field"}};
    for (ClassSlot& c : classes) {
        if (*c.slot) continue;
        jclass found = env->FindClass(c.name);
        if (!found) return false;
        *c.slot = static_cast<jclass>(env->NewGlobalRef(found));
        env->DeleteLocalRef(found);
    }
    struct MethodSlot {
        jmethodID* slot;
        jclass owner;
        const char* name;
        const char* signature;
    } methods[] = {
        {&m_getDeclaredMethods, m_classClass, "getDeclaredMethods", "()[Ljava/lang/reflect/Method;"},
        {&m_getMethods, m_classClass, "getMethods", "()[Ljava/lang/reflect/Method;"},
        {&m_getConstructors, m_classClass, "getConstructors", "()[Ljava/lang/reflect/Constructor;"},
        {&m_getDeclaredFields, m_classClass, "getDeclaredFields", "()[Ljava/lang/reflect/Field;"},
        {&m_getFields, m_classClass, "getFields", "()[Ljava/lang/reflect/Field;"},
        {&m_getName, m_classClass, "getName", "()Ljava/lang/String;"},
        {&m_isInterface, m_classClass, "isInterface", "()Z"},
        {&m_constructorGetParameterTypes, m_constructorClass, "getParameterTypes", "()[Ljava/lang/Class;"},
        {&m_methodGetName, m_methodClass, "getName", "()Ljava/lang/String;"},
        {&m_methodGetParameterTypes, m_methodClass, "getParameterTypes", "()[Ljava/lang/Class;"},
        {&m_methodGetModifiers, m_methodClass, "getModifiers", "()I"},
        {&m_methodGetDeclaringClass, m_methodClass, "getDeclaringClass", "()Ljava/lang/Class;"},
        {&m_methodGetReturnType, m_methodClass, "getReturnType", "()Ljava/lang/Class;"},
        {&m_fieldGetName, m_fieldClass, "getName", "()Ljava/lang/String;"},
        {&m_fieldGetModifiers, m_fieldClass, "getModifiers", "()I"},
        {&m_fieldGetDeclaringClass, m_fieldClass, "getDeclaringClass", "()Ljava/lang/Class;"},
        {&m_fieldGetType, m_fieldClass, "getType", "()Ljava/lang/Class;"},
        {&m_throwableToString, m_throwableClass, "toString", "()Ljava/lang/String;"},
    };
    for (MethodSlot& m : methods) {
        if (*m.slot) continue;
        *m.slot = env->GetMethodID(m.owner, m.name, m.signature);
        if (!*m.slot) return false;
    }
    return true;
}

bool CJavaVmHost::TakeException(CString* text) {
    jthrowable exception = m_env->ExceptionOccurred();
    if (!exception) return false;
    m_env->ExceptionClear();
    if (text) *text = ThrowableText(exception);
    m_env->DeleteLocalRef(exception);
    return true;
}

CString CJavaVmHost::ThrowableText(jthrowable exception) {
    jstring text = static_cast<jstring>(m_env->CallObjectMethod(exception, m_throwableToString));
    if (m_env->ExceptionCheck()) m_env->ExceptionClear();
    CString out = JstringToAnsi(m_env, text).c_str();
    m_env->DeleteLocalRef(text);
    return out;
}

CJavaClassSpec* CJavaVmHost::LoadClass(const char* className, bool includeInherited, CString& error) {
    const std::string slashName = SlashName(className);
    if (!m_started) {
        error.Format("Class %s not found (CLASSPATH problem?)", className);
        return nullptr;
    }
    jclass found = m_env->FindClass(AnsiToModifiedUtf8(slashName.c_str()).c_str());
    CString exceptionText;
    if (TakeException(&exceptionText)) {
        if (found) m_env->DeleteLocalRef(found);
        error.Format("Error loading \"%s\": \"%s\"", className, exceptionText.c_str());
        return nullptr;
    }
    if (!found) {
        error.Format("Class %s not found (CLASSPATH problem?)", className);
        return nullptr;
    }
    auto* javaClass = new CJavaClassSpec;
    // A global reference: the class record outlives any local frame, and
    // releases it when it goes.
    javaClass->m_classRef = static_cast<jclass>(m_env->NewGlobalRef(found));
    javaClass->m_classRefVm = m_vm;
    m_env->DeleteLocalRef(found);
    javaClass->m_javaClassName = className;
    javaClass->m_jniClassName = slashName.c_str();
    javaClass->m_reflected = false;
    javaClass->m_exceptionOrder = m_env->IsAssignableFrom(javaClass->m_classRef, m_throwableClass) ? 0xFFFF : 0;
    bool isInterface = m_env->CallBooleanMethod(javaClass->m_classRef, m_isInterface);
    TakeException();
    javaClass->m_isInterface = javaClass->m_eventInterface = isInterface ? 0xFFFF : 0;
    javaClass->m_visual = 0;
    javaClass->m_includeInherited = includeInherited;
    const char* lastDot = std::strrchr(className, '.');
    javaClass->m_comObjectName = lastDot ? lastDot + 1 : className;
    return javaClass;
}

bool CJavaVmHost::TextOf(jobject object, jmethodID getter, CString& text, CString& why, bool exactly) {
    auto value = static_cast<jstring>(m_env->CallObjectMethod(object, getter));
    if (TakeException(&why)) {
        if (value) m_env->DeleteLocalRef(value);
        return false;
    }
    std::string ansi;
    bool exact = JstringToAnsiExactly(m_env, value, ansi);
    m_env->DeleteLocalRef(value);
    text = ansi.c_str();
    if (exact || !exactly) return true;
    why.Format(kNameOutsideCodePage, ansi.c_str());
    return false;
}

bool CJavaVmHost::OtherDeclaringClass(jobject member, jmethodID getDeclaringClass, jclass self, CString& name,
                                      CString& why) {
    name.Empty();
    auto declaring = static_cast<jclass>(m_env->CallObjectMethod(member, getDeclaringClass));
    if (TakeException(&why)) {
        if (declaring) m_env->DeleteLocalRef(declaring);
        return false;
    }
    bool answered = true;
    // Only compared with names of the runtime's own packages, which the code
    // page holds: another name need not be exact.
    if (declaring && !m_env->IsSameObject(declaring, self)) answered = TextOf(declaring, m_getName, name, why, false);
    if (declaring) m_env->DeleteLocalRef(declaring);
    return answered;
}

CJavaTypeHandler* CJavaVmHost::ResolveType(jclass typeClass, bool& supported, CString& error) {
    CString name, why;
    if (!typeClass) return Unsupported("", "java.lang.NullPointerException", supported, error);
    if (!TextOf(typeClass, m_getName, name, why)) return Unsupported(name, why, supported, error);
    return ResolveJavaTypeHandler(name, supported, error);
}

bool CJavaVmHost::MemberArray(jclass javaClass, jmethodID getter, CJavaClassSpec* spec, jobjectArray& members) {
    members = static_cast<jobjectArray>(m_env->CallObjectMethod(javaClass, getter));
    CString text;
    if (!TakeException(&text)) return true;
    AppendLine(spec->m_error, text);
    if (members) m_env->DeleteLocalRef(members);
    members = nullptr;
    return false;
}

bool CJavaVmHost::FillParameters(CJavaMethodSpec* record, jobjectArray types) {
    jsize count = types ? m_env->GetArrayLength(types) : 0;
    for (jsize i = 0; i < count && record->m_supported; ++i) {
        auto type = static_cast<jclass>(m_env->GetObjectArrayElement(types, i));
        CString name;
        name.Format("arg%d", static_cast<int>(i + 1));
        CJavaTypeHandler* handler = ResolveType(type, record->m_supported, record->m_error);
        m_env->DeleteLocalRef(type);
        record->m_parameterNames.push_back(name);
        record->m_parameterTypes.push_back(handler);
        if (handler->IsObjectType()) record->m_usesObjectTypes = true;
    }
    return record->m_supported;
}

bool CJavaVmHost::FillMethodRecord(jobject member, jint modifiers, CJavaClassSpec* javaClass, CJavaMethodSpec& record) {
    auto failed = [&record](const CString& why) {
        record.m_supported = false;
        record.m_error = why;
        return false;
    };
    CString why;
    jmethodID getParameterTypes = m_constructorGetParameterTypes;
    if (record.m_constructor) {
        record.m_javaName = "<init>";
        record.m_returnType = GetStaticTypeHandler(kTypeVoid);
    } else {
        record.m_selected = javaClass->m_eventInterface != 0;
        record.m_static = (modifiers & kStatic) != 0;
        if (!TextOf(member, m_methodGetName, record.m_javaName, why)) return failed(why);
        auto returnType = static_cast<jclass>(m_env->CallObjectMethod(member, m_methodGetReturnType));
        if (TakeException(&why)) return failed(why);
        record.m_returnType = ResolveType(returnType, record.m_supported, record.m_error);
        m_env->DeleteLocalRef(returnType);
        if (!record.m_supported) return false;
        getParameterTypes = m_methodGetParameterTypes;
    }
    auto types = static_cast<jobjectArray>(m_env->CallObjectMethod(member, getParameterTypes));
    if (TakeException(&why)) return failed(why);
    bool filled = FillParameters(&record, types);
    m_env->DeleteLocalRef(types);
    return filled;
}

// Every failure to read a member (an exception of the reflection calls, a
// name the code page cannot hold, a type without mapping) ends the
// reflection with its reason; nothing is named from an empty text.
bool CJavaVmHost::ReflectMembers(CJavaClassSpec* javaClass, MethodGroup& constructors, MethodGroup& methods,
                                 MethodGroup& staticMethods, FieldGroup& fields, FieldGroup& staticFields) {
    JNIEnv* env = m_env;
    jclass self = javaClass->m_classRef;
    const bool inherited = javaClass->m_includeInherited;
    const bool isInterface = javaClass->m_isInterface != 0;

    auto fail = [&](const CString& why) {
        AppendLine(javaClass->m_error, why);
        return false;
    };

    // A listing that fails says why and ends the reflection: a class whose
    // constructors cannot be listed gets none made up.
    jobjectArray constructorArray = nullptr, methodArray = nullptr, fieldArray = nullptr;
    bool listed = isInterface || MemberArray(self, m_getConstructors, javaClass, constructorArray);
    listed = MemberArray(self, inherited ? m_getMethods : m_getDeclaredMethods, javaClass, methodArray) && listed;
    listed = MemberArray(self, inherited ? m_getFields : m_getDeclaredFields, javaClass, fieldArray) && listed;
    if (!listed) return false;

    jsize count = constructorArray ? env->GetArrayLength(constructorArray) : 0;
    for (jsize i = 0; i < count; ++i) {
        jobject member = env->GetObjectArrayElement(constructorArray, i);
        auto record = std::make_unique<CJavaMethodSpec>();
        record->m_constructor = true;
        bool filled = FillMethodRecord(member, 0, javaClass, *record);
        env->DeleteLocalRef(member);
        if (!filled) return fail(record->m_error);
        record->m_comName = javaClass->MakeUniqueName("Construct", record.get(), kComNameMethod, true);
        constructors.push_back(std::move(record));
    }

    count = methodArray ? env->GetArrayLength(methodArray) : 0;
    for (jsize i = 0; i < count; ++i) {
        jobject member = env->GetObjectArrayElement(methodArray, i);
        CString why;
        jint modifiers = env->CallIntMethod(member, m_methodGetModifiers);
        if (TakeException(&why)) return fail(why);
        bool skip = !(modifiers & kPublic);
        if (!skip && inherited) {
            CString owner;
            if (!OtherDeclaringClass(member, m_methodGetDeclaringClass, self, owner, why)) return fail(why);
            skip = owner == "java.lang.Object";
        }
        if (skip) {
            env->DeleteLocalRef(member);
            continue;
        }
        auto record = std::make_unique<CJavaMethodSpec>();
        bool filled = FillMethodRecord(member, modifiers, javaClass, *record);
        env->DeleteLocalRef(member);
        if (!filled) return fail(record->m_error);
        record->m_comName = javaClass->MakeUniqueName(record->m_javaName, record.get(), kComNameMethod, true);
        (record->m_static ? staticMethods : methods).push_back(std::move(record));
    }

    count = fieldArray ? env->GetArrayLength(fieldArray) : 0;
    for (jsize i = 0; i < count; ++i) {
        jobject member = env->GetObjectArrayElement(fieldArray, i);
        CString why;
        jint modifiers = env->CallIntMethod(member, m_fieldGetModifiers);
        if (TakeException(&why)) return fail(why);
        bool skip = !(modifiers & kPublic);
        if (!skip && inherited) {
            CString owner;
            if (!OtherDeclaringClass(member, m_fieldGetDeclaringClass, self, owner, why)) return fail(why);
            skip = strncasecmp(owner, "java.", 5) == 0 || strncasecmp(owner, "javax.", 6) == 0;
        }
        if (skip) {
            env->DeleteLocalRef(member);
            continue;
        }
        auto record = std::make_unique<CJavaFieldSpec>();
        record->m_static = (modifiers & kStatic) != 0;
        record->m_readOnly = (modifiers & kFinal) != 0;
        record->m_supported = true;
        if (!TextOf(member, m_fieldGetName, record->m_javaName, why)) return fail(why);
        record->m_comName = javaClass->MakeUniqueName(record->m_javaName, record.get(), kComNameField, true);
        javaClass->AddName(CString("get_") + record->m_comName);
        javaClass->AddName(CString("put_") + record->m_comName);
        auto type = static_cast<jclass>(env->CallObjectMethod(member, m_fieldGetType));
        if (TakeException(&why)) return fail(why);
        record->m_type = ResolveType(type, record->m_supported, record->m_error);
        env->DeleteLocalRef(type);
        env->DeleteLocalRef(member);
        if (!record->m_supported) return fail(record->m_error);
        (record->m_static ? staticFields : fields).push_back(std::move(record));
    }

    if (!isInterface && constructorArray && env->GetArrayLength(constructorArray) == 0) {
        auto record = std::make_unique<CJavaMethodSpec>();
        record->m_constructor = true;
        record->m_javaName = "<init>";
        record->m_returnType = GetStaticTypeHandler(kTypeVoid);
        record->m_comName = javaClass->MakeUniqueName("Construct", record.get(), kComNameMethod, true);
        constructors.push_back(std::move(record));
    }
    return true;
}

bool CJavaVmHost::ReflectClass(CJavaClassSpec* javaClass) {
    if (javaClass->m_reflected) return true;
    if (!m_started || !javaClass->m_classRef) {
        CString why;
        why.Format("Class %s not found (CLASSPATH problem?)", javaClass->m_javaClassName.c_str());
        AppendLine(javaClass->m_error, why);
        return false;
    }
    // A failed reflection leaves the class's names as they were, so that a
    // later attempt names its members the same way.
    CComNameSet::SavedNames before = javaClass->SaveNames();
    MethodGroup constructors, methods, staticMethods;
    FieldGroup fields, staticFields;
    m_env->PushLocalFrame(32);
    bool reflected = ReflectMembers(javaClass, constructors, methods, staticMethods, fields, staticFields);
    m_env->PopLocalFrame(nullptr);
    if (!reflected) {
        javaClass->RestoreNames(before);
        return false;
    }
    javaClass->m_classGuid1 = brivel::CreateGuidText();
    javaClass->m_classGuid2 = brivel::CreateGuidText();
    if (javaClass->m_isInterface) {
        javaClass->m_interfaceGuid3 = brivel::CreateGuidText();
        javaClass->m_interfaceGuid2 = brivel::CreateGuidText();
        javaClass->m_interfaceGuid1 = brivel::CreateGuidText();
    }
    javaClass->m_constructors = std::move(constructors);
    javaClass->m_methods = std::move(methods);
    javaClass->m_staticMethods = std::move(staticMethods);
    javaClass->m_fields = std::move(fields);
    javaClass->m_staticFields = std::move(staticFields);
    javaClass->m_reflected = true;
    return true;
}

bool CJavaVmHost::ListJarClasses(const char* jarPath, std::vector<CString>& classNames, CString& error) {
    FILE* file = std::fopen(jarPath, "rb");
    if (!file) {
        error = CString("Could not open file ") + jarPath;
        return false;
    }
    std::fclose(file);
    if (!m_started) {
        error = "Could not load Java utility classes";
        return false;
    }
    JNIEnv* env = m_env;
    env->PushLocalFrame(16);
    auto done = [&](const char* message) {
        env->PopLocalFrame(nullptr);
        if (message) error = message;
        return message == nullptr;
    };

    jclass zipFileClass = env->FindClass("java/util/zip/ZipFile");
    jclass enumerationClass = zipFileClass ? env->FindClass("java/util/Enumeration") : nullptr;
    jclass zipEntryClass = enumerationClass ? env->FindClass("java/util/zip/ZipEntry") : nullptr;
    if (TakeException() || !zipEntryClass) return done("Could not load Java utility classes");

    jmethodID open = env->GetMethodID(zipFileClass, "<init>", "(Ljava/lang/String;)V");
    jmethodID entries = open ? env->GetMethodID(zipFileClass, "entries", "()Ljava/util/Enumeration;") : nullptr;
    jmethodID close = entries ? env->GetMethodID(zipFileClass, "close", "()V") : nullptr;
    jmethodID getName = close ? env->GetMethodID(zipEntryClass, "getName", "()Ljava/lang/String;") : nullptr;
    jmethodID next = getName ? env->GetMethodID(enumerationClass, "nextElement", "()Ljava/lang/Object;") : nullptr;
    jmethodID hasMore = next ? env->GetMethodID(enumerationClass, "hasMoreElements", "()Z") : nullptr;
    if (TakeException() || !hasMore) return done("Could not locate Java utility methods");

    size_t before = classNames.size();
    jstring path = env->NewStringUTF(AnsiToModifiedUtf8(jarPath).c_str());
    jobject zip = path ? env->NewObject(zipFileClass, open, path) : nullptr;
    jobject walk = zip ? env->CallObjectMethod(zip, entries) : nullptr;
    while (walk && !env->ExceptionCheck() && env->CallBooleanMethod(walk, hasMore) && !env->ExceptionCheck()) {
        jobject entry = env->CallObjectMethod(walk, next);
        jstring name = entry && !env->ExceptionCheck() ? static_cast<jstring>(env->CallObjectMethod(entry, getName))
                                                       : nullptr;
        if (env->ExceptionCheck()) break;  // reported below
        std::string text;
        // A class whose name the code page cannot hold cannot be named in a
        // project (its file holds ANSI names): it is left out.
        bool exact = JstringToAnsiExactly(env, name, text);
        env->DeleteLocalRef(name);
        env->DeleteLocalRef(entry);
        if (!exact || !EndsWithClass(text) || text.find('$') != std::string::npos) continue;
        text.resize(text.size() - 6);
        for (char& c : text)
            if (c == '/') c = '.';
        classNames.push_back(text.c_str());
    }
    bool failed = TakeException();
    // The archive is closed again so that the file is not held open for the run.
    if (zip) env->CallVoidMethod(zip, close);
    TakeException();
    if (failed || !zip) return done("Could not retrieve Jar file classes");
    if (classNames.size() == before) return done("There are no class files in the Jar file");
    return done(nullptr);
}

bool CJavaVmHost::IsVisualComponent(const char* className) {
    if (!m_started) return false;
    jclass javaClass = m_env->FindClass(AnsiToModifiedUtf8(SlashName(className).c_str()).c_str());
    jclass component = javaClass ? m_env->FindClass("java/awt/Component") : nullptr;
    // A class that cannot be looked at is not offered as a visual component.
    bool visual = !TakeException() && javaClass && component && m_env->IsAssignableFrom(javaClass, component);
    if (javaClass) m_env->DeleteLocalRef(javaClass);
    if (component) m_env->DeleteLocalRef(component);
    return visual;
}

bool CJavaVmHost::RunningClassPath(CString& classPath) const {
    if (!m_vmCreated) return false;
    classPath = m_vmClassPath;
    return true;
}

bool CJavaVmHost::IsAssignableFrom(const CJavaClassSpec* a, const CJavaClassSpec* b) {
    if (!m_started || !a->m_classRef || !b->m_classRef) return true;
    return m_env->IsAssignableFrom(a->m_classRef, b->m_classRef);
}

bool CJavaVmHost::CheckClassListed(const ListedClassMap& listed, CJavaTypeHandler* handler, CString& error) {
    if (!handler || !handler->IsObjectType()) return true;
    if (handler->GetTypeCode() == kTypeObjectArray)
        handler = static_cast<CObjectArrayTypeHandler*>(handler)->GetElementHandler();
    const CString name = handler->GetClassName();
    if (listed.count(name.str())) return true;
    if (std::strncmp(name, "java.", 5) == 0 && m_systemClasses && m_started) {
        jclass found = m_env->FindClass(AnsiToModifiedUtf8(SlashName(name).c_str()).c_str());
        bool failed = TakeException();
        if (found) m_env->DeleteLocalRef(found);
        if (found && !failed) {
            m_systemClasses->SetAt(name, nullptr);
            return true;
        }
    }
    error.Format("Class \"%s\" needs to be added to the list of Java classes to access", name.c_str());
    return false;
}

bool CJavaVmHost::CheckMethodTypesListed(const ListedClassMap& listed, CJavaMethodSpec* method) {
    if (!method->m_supported) return false;
    if (!method->m_usesObjectTypes) return true;
    if (!CheckClassListed(listed, method->m_returnType, method->m_error)) return false;
    for (CJavaTypeHandler* type : method->m_parameterTypes)
        if (!CheckClassListed(listed, type, method->m_error)) return false;
    return true;
}

bool CJavaVmHost::CheckFieldTypeListed(const ListedClassMap& listed, CJavaFieldSpec* field) {
    if (!field->m_supported) return false;
    return CheckClassListed(listed, field->m_type, field->m_error);
}
