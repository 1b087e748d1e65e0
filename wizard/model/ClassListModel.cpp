#include "ClassListModel.h"

#include <utility>

#include "C2jSpecification.h"
#include "ComNameSet.h"
#include "JavaClassSpec.h"

CJavaClassSpec* CClassListModel::AddClass(const CString& classPath, const CString& className, bool includeInherited,
                                          const CString& comName, const CString& comment, bool visual,
                                          CString& message) {
    CString name = className;
    name.Trim();
    // A second record and list entry for one class would share its type
    // handler and leave a COM name behind when one of them is removed.
    if (m_spec.GetClass(name)) {
        message.Format(class_list_text::kClassAlreadyAdded, name.c_str());
        return nullptr;
    }
    CJavaClassSpec* javaClass = m_spec.AddClassFromVm(classPath, includeInherited, name, message);
    if (!javaClass) return nullptr;
    if (m_spec.m_vmHost) m_spec.m_vmHost->ReflectClass(javaClass);
    if (!javaClass->m_error.IsEmpty()) {
        message = javaClass->m_error;
        m_spec.RemoveClass(name);
        return nullptr;
    }
    javaClass->m_visual = visual ? 1 : 0;
    javaClass->m_comment = comment;
    javaClass->m_comObjectName = m_objectNames.MakeUniqueName(comName, javaClass, kComNameNone, true);
    return javaClass;
}

bool CClassListModel::ReloadProject(const CC2jSpecification& saved, CString& errors) {
    // A class the project held already takes the saved name instead of its own.
    std::vector<std::pair<CJavaClassSpec*, CString>> before;
    for (const CString& name : saved.GetClassNames())
        if (CJavaClassSpec* javaClass = m_spec.GetClass(name))
            before.emplace_back(javaClass, javaClass->m_comObjectName);
    bool reloaded = m_spec.ReloadClasses(saved, errors);
    for (const auto& [javaClass, name] : before)
        if (m_spec.GetClass(javaClass->m_javaClassName) == javaClass) m_objectNames.RemoveName(name);
    for (const CString& name : saved.GetClassNames())
        if (CJavaClassSpec* javaClass = m_spec.GetClass(name))
            m_objectNames.TakeName(javaClass->m_comObjectName, javaClass, kComNameNone);
    return reloaded;
}

void CClassListModel::ApplyProperties(CJavaClassSpec& javaClass, const CString& comName, const CString& comment,
                                      bool visual) {
    if (comName != javaClass.m_comObjectName) {
        // The scope must hold the name the class now has, and no longer the
        // one it had (a later class may take that one).
        m_objectNames.RemoveName(javaClass.m_comObjectName);
        m_objectNames.TakeName(comName, &javaClass, kComNameNone);
        javaClass.m_comObjectName = comName;
    }
    javaClass.m_comment = comment;
    javaClass.m_visual = visual ? 1 : 0;
}

void CClassListModel::RemoveClasses(const std::vector<CJavaClassSpec*>& classes) {
    // Names first: removing a class from the project destroys its record.
    std::vector<CString> names;
    for (CJavaClassSpec* javaClass : classes) {
        m_objectNames.RemoveName(javaClass->m_comObjectName);
        names.push_back(javaClass->m_javaClassName);
    }
    for (auto name = names.rbegin(); name != names.rend(); ++name) m_spec.RemoveClass(*name);
}

CString CClassListModel::RemoveQuestion(const std::vector<CString>& classNames) {
    if (classNames.size() == 1) return class_list_text::kRemoveClassQuestion + classNames[0] + "?";
    return class_list_text::kRemoveClassesQuestion;
}

bool CClassListModel::RenameMember(CJavaClassSpec& javaClass, void* member, int kind, CString& comName,
                                   const CString& newName, CString& message) {
    if (newName.CompareNoCase(comName) == 0) return true;
    if (!ValidateComName(newName, javaClass, message)) return false;
    // A field is a property: the names of its accessors must be free too.
    if (kind == kComNameField && (javaClass.IsTaken("get_" + newName) || javaClass.IsTaken("put_" + newName))) {
        message = class_list_text::kDuplicateName;
        return false;
    }
    javaClass.RemoveName(comName);
    if (kind == kComNameField) {
        javaClass.RemoveName("get_" + comName);
        javaClass.RemoveName("put_" + comName);
    }
    javaClass.TakeName(newName, member, kind);
    if (kind == kComNameField) {
        javaClass.AddName("get_" + newName);
        javaClass.AddName("put_" + newName);
    }
    comName = newName;
    return true;
}

std::vector<CJavaClassSpec*> CClassListModel::ListedClasses() const {
    std::vector<CJavaClassSpec*> classes;
    for (const CString& name : m_spec.GetClassNames())
        if (CJavaClassSpec* javaClass = m_spec.GetClass(name)) classes.push_back(javaClass);
    return classes;
}
