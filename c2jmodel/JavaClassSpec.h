// One Java class of a COM-to-Java project with the constructors, methods and
// fields chosen for it and the COM names they appear under. The class is the
// naming scope of its members' COM names.
#pragma once

#include "BrvString.h"
#include "ComNameSet.h"
#include "JavaTypeHandler.h"

#include <jni.h>

#include <cstdint>
#include <memory>
#include <vector>

// A constructor, method or static method.
class CJavaMethodSpec {
public:
    bool m_selected = false;
    bool m_static = false;
    bool m_supported = true;  // every type of the signature has a handler
    bool m_constructor = false;
    bool m_usesObjectTypes = false;  // some parameter is a Java object type
    CJavaTypeHandler* m_returnType = nullptr;
    CString m_javaName;  // "<init>" for constructors
    CString m_comName;
    std::vector<CJavaTypeHandler*> m_parameterTypes;
    std::vector<CString> m_parameterNames;
    CString m_comment;
    CString m_error;  // why the member cannot be offered; not saved

    int GetParameterCount() const { return static_cast<int>(m_parameterTypes.size()); }
};

// A field or static field.
class CJavaFieldSpec {
public:
    bool m_selected = false;
    bool m_static = false;
    bool m_readOnly = false;  // the Java field is final
    bool m_supported = true;
    CJavaTypeHandler* m_type = nullptr;
    CString m_javaName;
    CString m_comName;
    CString m_comment;
    CString m_error;  // not saved
};

using MethodGroup = std::vector<std::unique_ptr<CJavaMethodSpec>>;
using FieldGroup = std::vector<std::unique_ptr<CJavaFieldSpec>>;

class CJavaClassSpec : public CComNameSet {
public:
    CJavaClassSpec() = default;
    // Releases the class reference (when a VM holds it for this record).
    ~CJavaClassSpec() override;
    // Sets the COM name of a member record (kind 1: method, kind 2: field).
    void RenameOwner(void* owner, int kind, const char* newName) override;

    jclass m_classRef = nullptr;  // valid only in the run that found the class
    // The VM in which m_classRef is a global reference of this record; null
    // when the reference is not the record's to release.
    JavaVM* m_classRefVm = nullptr;
    bool m_reflected = false;
    uint16_t m_exceptionOrder = 0;  // non-zero: derives from java.lang.Throwable
    uint16_t m_eventInterface = 0;
    uint16_t m_visual = 0;
    uint16_t m_isInterface = 0;
    CString m_javaClassName;  // dotted
    CString m_jniClassName;   // with '/'
    bool m_includeInherited = false;
    CString m_error;
    CString m_comment;
    CString m_comObjectName;
    CString m_classGuid2;
    CString m_classGuid1;
    CString m_interfaceGuid1;
    MethodGroup m_constructors;
    MethodGroup m_methods;
    MethodGroup m_staticMethods;
    FieldGroup m_fields;
    FieldGroup m_staticFields;
    CString m_interfaceGuid3;
    CString m_interfaceGuid2;
};
