// One object per Java type that a reflected member uses: its Java, JNI and
// COM names and the type code that the specification file stores. Handlers of
// fixed types live for the whole process; handlers of Java classes, arrays of
// Java classes and unsupported types are made on first use and kept in
// process-wide maps. Members point to handlers and never own them.
#pragma once

#include "BrvString.h"

#include <cstdint>
#include <cstdio>
#include <vector>

class CJavaClassSpec;
class CObjectArrayTypeHandler;

// Type codes of the specification file.
enum JavaTypeCode : uint32_t {
    kTypeInt = 1,
    kTypeChar = 2,
    kTypeShort = 3,
    kTypeByte = 4,
    kTypeFloat = 5,
    kTypeDouble = 6,
    kTypeVoid = 7,
    kTypeBoolean = 8,
    kTypeString = 9,
    kTypeDate = 10,
    kTypeLong = 11,    // Java long as a 64-bit COM integer
    kTypeLong32 = 12,  // Java long as a 32-bit COM integer
    kTypeObject = 255,
    kTypeArrayBit = 256,
    kTypeObjectArray = 511,
};

// Texts of one handler.
struct JavaTypeTexts {
    const char* javaType;
    const char* comType;
    const char* comInterfaceType;  // the IDL form
    const char* jniType;
    const char* jniSignature;
    const char* callWord;  // null: "Obj"
    const char* shortName; // null: the Java type name
};

class CJavaTypeHandler {
public:
    CJavaTypeHandler(const JavaTypeTexts& texts, uint32_t typeCode, bool convertible = true);
    virtual ~CJavaTypeHandler();

    CJavaTypeHandler(const CJavaTypeHandler&) = delete;
    CJavaTypeHandler& operator=(const CJavaTypeHandler&) = delete;

    virtual CString GetJavaType() const { return m_javaType; }
    virtual CString GetComType() const { return m_comType; }
    virtual CString GetComInterfaceType() const { return m_comInterfaceType; }
    virtual CString GetJniType() const { return m_jniType; }
    virtual CString GetJniSignature() const { return m_jniSignature; }
    // The name shown in the wizard's member lists.
    virtual CString GetShortName() const { return m_shortName.IsEmpty() ? m_javaType : m_shortName; }
    virtual CString GetIdlAttributes() const { return ""; }
    virtual bool IsObjectType() const { return false; }
    virtual CString GetCallWord() const { return m_callWord.IsEmpty() ? CString("Obj") : m_callWord; }
    // The name written to the file after codes 255 and 511.
    virtual CString GetClassName() const { return m_javaType; }
    virtual bool IsConvertible() const { return m_convertible; }
    virtual uint32_t GetTypeCode() const { return m_typeCode; }
    // The code as a u32, and for codes 255 and 511 the class name as a
    // counted string. False when the stream refused a byte.
    virtual bool WriteToSpecFile(FILE* file) const;

    bool IsReferenced() const { return m_referenced; }
    void SetReferenced(bool referenced) { m_referenced = referenced; }

protected:
    CString m_javaType;
    CString m_comType;
    CString m_comInterfaceType;
    CString m_jniType;
    CString m_jniSignature;
    CString m_callWord;
    CString m_shortName;
    uint32_t m_typeCode;
    bool m_convertible;
    bool m_referenced = false;
};

class CCharTypeHandler : public CJavaTypeHandler { using CJavaTypeHandler::CJavaTypeHandler; };
class CLongTypeHandler : public CJavaTypeHandler { using CJavaTypeHandler::CJavaTypeHandler; };
class CBooleanTypeHandler : public CJavaTypeHandler { using CJavaTypeHandler::CJavaTypeHandler; };
class CStringTypeHandler : public CJavaTypeHandler { using CJavaTypeHandler::CJavaTypeHandler; };
class CDateTypeHandler : public CJavaTypeHandler { using CJavaTypeHandler::CJavaTypeHandler; };

// Arrays of primitives, of String and of Date.
class CArrayTypeHandler : public CJavaTypeHandler {
public:
    using CJavaTypeHandler::CJavaTypeHandler;
    CString GetIdlAttributes() const override { return "[in, out] "; }
};

// One per Java class (dotted name).
class CObjectTypeHandler : public CJavaTypeHandler {
public:
    explicit CObjectTypeHandler(const char* className);
    CObjectTypeHandler(const JavaTypeTexts& texts, uint32_t typeCode) : CJavaTypeHandler(texts, typeCode) {}

    bool IsObjectType() const override { return true; }
    // "_" + the class's COM object name + " *" once the class is in the
    // project, else "IDispatch *".
    CString GetComInterfaceType() const override;

    CJavaClassSpec* GetClassSpec() const { return m_classSpec; }
    void SetClassSpec(CJavaClassSpec* classSpec) { m_classSpec = classSpec; }
    CObjectArrayTypeHandler* GetArrayHandler() const { return m_arrayHandler; }
    void SetArrayHandler(CObjectArrayTypeHandler* arrayHandler) { m_arrayHandler = arrayHandler; }

private:
    CJavaClassSpec* m_classSpec = nullptr;
    CObjectArrayTypeHandler* m_arrayHandler = nullptr;
};

// The COM object handed in as a plain IDispatch (built-in members only).
class CDispatchTypeHandler : public CObjectTypeHandler {
public:
    CDispatchTypeHandler();
    CString GetComInterfaceType() const override { return m_comInterfaceType; }
};

// One per element class.
class CObjectArrayTypeHandler : public CJavaTypeHandler {
public:
    explicit CObjectArrayTypeHandler(CObjectTypeHandler* element);

    CString GetIdlAttributes() const override { return "[in, out] "; }
    bool IsObjectType() const override { return true; }
    CString GetClassName() const override { return m_element->GetJavaType(); }
    bool IsConvertible() const override { return m_element->GetClassSpec() != nullptr && m_element->IsConvertible(); }
    CObjectTypeHandler* GetElementHandler() const { return m_element; }

private:
    CObjectTypeHandler* m_element;
};

// A type with no mapping; never written to a file.
class CUnsupportedTypeHandler : public CJavaTypeHandler {
public:
    explicit CUnsupportedTypeHandler(const char* typeName);
};

// The handlers of fixed types. `GetStaticTypeHandler` answers the handler of
// a file type code (1 to 12 and the primitive, String and Date arrays), or
// null for any other code.
CJavaTypeHandler* GetStaticTypeHandler(uint32_t typeCode);
CJavaTypeHandler* GetDispatchTypeHandler();

// The handler of a type name as java.lang.Class.getName gives it. On an
// unsupported type, `supported` is cleared, `error` receives the reason and
// the unsupported handler of the name is returned; otherwise neither is
// touched. Never null.
CJavaTypeHandler* ResolveJavaTypeHandler(const char* typeName, bool& supported, CString& error);

// The unsupported handler of a type name: `supported` is cleared and
// `error` receives the reason.
CJavaTypeHandler* Unsupported(const char* typeName, const CString& message, bool& supported, CString& error);

CObjectTypeHandler* FindOrCreateObjectTypeHandler(const char* className);
CObjectArrayTypeHandler* FindOrCreateObjectArrayTypeHandler(const char* elementClassName);

// The handler of the next type in a specification file, or null for an
// unknown code, a short read or a class name longer than a reader takes.
CJavaTypeHandler* ReadTypeFromSpecFile(FILE* file);

// The longest class name a type record may carry.
constexpr uint32_t kMaxSpecTypeClassName = 2062;

// Drops every handler made for a class or type name. Handlers live as long
// as the process; only a process that resolves names without end and holds
// none of their handlers (the type-name fuzz entry) calls this.
void ForgetCreatedTypeHandlers();

void ClearClassReferenceMarks();
// Empties `classNames`, then appends the name of every object handler that
// is marked referenced and has no class in the project; true when any was.
// The names come in the order of the handler map (sorted by name).
bool ListUndefinedReferencedClasses(std::vector<CString>& classNames);
