// A stand-in for the embedded Java VM host in tests of the project
// document: classes, their base classes, reflection results and JAR
// listings are set up by the test.
#pragma once

#include "GuidText.h"
#include "JavaClassSpec.h"
#include "JavaVmHostInterface.h"

#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

namespace brivel::testing {

class FakeVmHost : public IJavaVmHost {
public:
    struct FakeClass {
        bool isInterface = false;
        bool exception = false;
        std::string baseClass;  // for IsAssignableFrom
        std::function<void(CJavaClassSpec&)> reflect;
        std::string reflectError;  // non-empty: reflection fails with it
    };

    FakeClass& Define(const std::string& name) { return m_classes[name]; }

    bool Start(const char* classPath, CString& error) override {
        ++starts;
        if (!startError.IsEmpty() || failSilently) {
            error = startError;
            return false;
        }
        if (!vmStarted) vmClassPath = classPath;
        vmStarted = true;
        return true;
    }

    bool RunningClassPath(CString& classPath) const override {
        if (vmStarted) classPath = vmClassPath;
        return vmStarted;
    }

    CJavaClassSpec* LoadClass(const char* className, bool includeInherited, CString& error) override {
        auto it = m_classes.find(className);
        if (it == m_classes.end()) {
            error.Format("Class %s not found (CLASSPATH problem?)", className);
            return nullptr;
        }
        auto* c = new CJavaClassSpec;
        c->m_classRef = reinterpret_cast<jclass>(&it->second);
        c->m_javaClassName = className;
        c->m_jniClassName = className;
        c->m_jniClassName.Replace(".", "/");
        c->m_exceptionOrder = it->second.exception ? 0xFFFF : 0;
        c->m_isInterface = c->m_eventInterface = it->second.isInterface ? 0xFFFF : 0;
        c->m_includeInherited = includeInherited;
        const CString name(className);
        c->m_comObjectName = name.Mid(name.ReverseFind('.') + 1);
        return c;
    }

    bool ReflectClass(CJavaClassSpec* c) override {
        if (c->m_reflected) return true;
        const FakeClass& fake = m_classes.at(c->m_javaClassName.str());
        if (!fake.reflectError.empty()) {
            if (!c->m_error.IsEmpty()) c->m_error += "\n";
            c->m_error += fake.reflectError.c_str();
            return false;
        }
        if (fake.reflect) fake.reflect(*c);
        c->m_classGuid1 = CreateGuidText();
        c->m_classGuid2 = CreateGuidText();
        c->m_reflected = true;
        return true;
    }

    bool ListJarClasses(const char* jarPath, std::vector<CString>& names, CString& error) override {
        auto it = m_jars.find(jarPath);
        if (it == m_jars.end()) {
            error = CString("Could not open file ") + jarPath;
            return false;
        }
        names.insert(names.end(), it->second.begin(), it->second.end());
        return true;
    }

    bool IsAssignableFrom(const CJavaClassSpec* a, const CJavaClassSpec* b) override {
        if (!running || !a->m_classRef || !b->m_classRef) return true;
        for (std::string name = a->m_javaClassName.str(); !name.empty(); name = m_classes[name].baseClass)
            if (name == b->m_javaClassName.str()) return true;
        return false;
    }

    void DefineJar(const std::string& path, std::vector<CString> names) { m_jars[path] = std::move(names); }

    int starts = 0;
    CString startError;
    bool failSilently = false;  // Start fails without a reason
    bool vmStarted = false;     // a Start succeeded; the VM keeps its first class path
    CString vmClassPath;
    bool running = true;

private:
    std::map<std::string, FakeClass> m_classes;
    std::map<std::string, std::vector<CString>> m_jars;
};

// Adds a reflected method record the way reflection does: unselected, with
// a unique COM name registered in the class.
inline CJavaMethodSpec* AddReflectedMethod(CJavaClassSpec& c, MethodGroup& group, const char* javaName,
                                           CJavaTypeHandler* returnType, std::vector<CJavaTypeHandler*> parameters) {
    auto method = std::make_unique<CJavaMethodSpec>();
    CJavaMethodSpec* record = method.get();
    record->m_javaName = javaName;
    record->m_returnType = returnType;
    record->m_constructor = &group == &c.m_constructors;
    record->m_static = &group == &c.m_staticMethods;
    for (size_t i = 0; i < parameters.size(); ++i) {
        CString name;
        name.Format("arg%d", static_cast<int>(i + 1));
        record->m_parameterNames.push_back(name);
        record->m_parameterTypes.push_back(parameters[i]);
    }
    record->m_comName = c.MakeUniqueName(record->m_constructor ? "Construct" : javaName, record, kComNameMethod, true);
    group.push_back(std::move(method));
    return record;
}

inline CJavaFieldSpec* AddReflectedField(CJavaClassSpec& c, FieldGroup& group, const char* javaName,
                                         CJavaTypeHandler* type) {
    auto field = std::make_unique<CJavaFieldSpec>();
    CJavaFieldSpec* record = field.get();
    record->m_javaName = javaName;
    record->m_type = type;
    record->m_static = &group == &c.m_staticFields;
    record->m_comName = c.MakeUniqueName(javaName, record, kComNameField, true);
    group.push_back(std::move(field));
    return record;
}

}  // namespace brivel::testing
