#include "ClassListModel.h"

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

void CClassListModel::ApplyProperties(CJavaClassSpec& javaClass, const CString& comName, const CString& comment,
                                      bool visual) {
    if (comName != javaClass.m_comObjectName) {
        // The scope must hold the name the class now has, and no longer the
        // one it had (a later class may take that one).
        m_objectNames.RemoveName(javaClass.m_comObjectName);
        javaClass.m_comObjectName = m_objectNames.MakeUniqueName(comName, &javaClass, kComNameNone, true);
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
    javaClass.RemoveName(comName);
    comName = javaClass.MakeUniqueName(newName, member, kind, true);
    return true;
}

std::vector<CJavaClassSpec*> CClassListModel::ListedClasses() const {
    std::vector<CJavaClassSpec*> classes;
    for (const CString& name : m_spec.GetClassNames())
        if (CJavaClassSpec* javaClass = m_spec.GetClass(name)) classes.push_back(javaClass);
    return classes;
}
