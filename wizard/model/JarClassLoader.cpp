#include "JarClassLoader.h"

#include <string>

#include "C2jPageRules.h"
#include "C2jSpecification.h"
#include "JavaVmHost.h"
#include "WizardTexts.h"

namespace {

// The part of a dotted class name after its last '.'.
CString ShortName(const CString& className) {
    int dot = className.ReverseFind('.');
    return dot < 0 ? className : className.Mid(dot + 1);
}

CString JoinLines(const std::vector<CString>& lines) {
    CString text;
    for (size_t i = 0; i < lines.size(); ++i) {
        if (i) text += "\n";
        text += lines[i];
    }
    return text;
}

}  // namespace

CString JarClassesLoad::Problems() const {
    std::vector<CString> lines = errors;
    lines.insert(lines.end(), skipped.begin(), skipped.end());
    return JoinLines(lines);
}

CString CJarClassLoader::JarClassPath(const std::vector<CString>& jarFiles, const char* extraClassPath) {
    CString classPath;
    for (size_t i = 0; i < jarFiles.size(); ++i) {
        if (i) classPath += kClassPathSeparator;
        classPath += jarFiles[i];
    }
    if (extraClassPath && *extraClassPath) {
        classPath += kClassPathSeparator;
        classPath += extraClassPath;
    }
    return classPath;
}

CJavaClassSpec* CJarClassLoader::AddClass(const CString& className, const char* classPath, JarClassesLoad& load) {
    if (m_spec.GetClass(className)) return nullptr;  // in the project already, named and reflected
    CString error;
    CJavaClassSpec* javaClass = m_spec.AddClassFromVm(classPath, false, className, error);
    if (!javaClass) {
        // Left out, as the rest of the JAR needs nothing of it, and reported
        // rather than left out silently.
        if (!error.IsEmpty()) load.skipped.push_back(error);
        return nullptr;
    }
    m_loaded.push_back(className);
    javaClass->m_comObjectName = m_host.MakeUniqueName(ShortName(className), javaClass, kComNameNone, true);
    m_spec.m_vmHost->ReflectClass(javaClass);
    if (!javaClass->m_error.IsEmpty()) load.errors.push_back(javaClass->m_error);
    return javaClass;
}

void CJarClassLoader::SelectKnownMembers(CJavaClassSpec& javaClass) {
    const auto& listed = m_spec.GetClassMap();
    for (MethodGroup* group : {&javaClass.m_constructors, &javaClass.m_methods, &javaClass.m_staticMethods}) {
        for (auto& method : *group) {
            // The host looks at the result only when a parameter is an
            // object; the result's class must be known as well.
            if (m_host.CheckMethodTypesListed(listed, method.get()) &&
                m_host.CheckClassListed(listed, method->m_returnType, method->m_error))
                method->m_selected = true;
        }
    }
    for (FieldGroup* group : {&javaClass.m_fields, &javaClass.m_staticFields})
        for (auto& field : *group)
            if (m_host.CheckFieldTypeListed(listed, field.get())) field->m_selected = true;
}

JarClassesLoad CJarClassLoader::LoadJarClasses(const char* jarPath, const char* classPath) {
    JarClassesLoad load;
    std::vector<CString> classNames;
    CString error;
    if (!m_spec.AddClassesFromJars(classPath, jarPath, classNames, error)) {
        load.errors.push_back(error);
        return load;
    }
    load.listed = true;

    std::vector<CJavaClassSpec*> added;
    for (const CString& name : classNames)
        if (CJavaClassSpec* javaClass = AddClass(name, classPath, load)) added.push_back(javaClass);

    if (load.errors.empty()) {
        // Runtime classes ("java.") that selected members use are gathered
        // while the members are checked, then join the project themselves,
        // in the order of the map that gathered them.
        brivel::CMapStringToPtr<void> used;
        m_host.m_systemClasses = &used;
        for (CJavaClassSpec* javaClass : added)
            if (javaClass->m_error.IsEmpty()) SelectKnownMembers(*javaClass);
        m_host.m_systemClasses = nullptr;
        for (const CString& name : used.Keys()) AddClass(name, classPath, load);
    }
    return load;
}

void CJarClassLoader::ForgetLoadedClasses() {
    for (const CString& name : m_loaded) {
        if (CJavaClassSpec* javaClass = m_spec.GetClass(name)) m_host.RemoveName(javaClass->m_comObjectName);
        m_spec.RemoveClass(name);
    }
    m_loaded.clear();
}

bool CJarClassLoader::LoadJarFiles(const std::vector<CString>& jarFiles, const char* extraClassPath,
                                   CJarLoadErrors& errors) {
    errors.Clear();
    const CString classPath = JarClassPath(jarFiles, extraClassPath);
    if (m_lastLoadSucceeded && jarFiles == m_lastJarFiles && classPath == m_lastClassPath) return true;
    ForgetLoadedClasses();
    m_spec.m_classPath = classPath;
    for (const CString& jar : jarFiles) {
        JarClassesLoad load = LoadJarClasses(jar, m_spec.m_classPath);
        if (load.Succeeded()) {
            errors.AddSkipped(jar, load.skipped);
            continue;
        }
        errors.AddFailure(jar, load.Problems());
    }
    m_lastLoadSucceeded = errors.IsEmpty();
    m_lastJarFiles = jarFiles;
    m_lastClassPath = classPath;
    return m_lastLoadSucceeded;
}

bool CJarClassLoader::CanUseClassPath(const std::vector<CString>& jarFiles, const char* extraClassPath,
                                      CString& message) const {
    const CString classPath = JarClassPath(jarFiles, extraClassPath);
    CString running;
    if (VmTakesClassPath(m_spec.m_vmHost, classPath, running)) return true;
    message.Format(wizard_text::kVmClassPathFixed, running.c_str(), classPath.c_str());
    return false;
}
