#include "JavaTypeHandler.h"

#include "JavaClassSpec.h"
#include "SpecFileIO.h"

#include <memory>
#include <string>

#include "StringMap.h"

using brivel::ReadSpecString;
using brivel::WriteSpecString;
using brivel::WriteSpecU32;

CJavaTypeHandler::CJavaTypeHandler(const JavaTypeTexts& texts, uint32_t typeCode, bool convertible)
    : m_javaType(texts.javaType), m_comType(texts.comType), m_comInterfaceType(texts.comInterfaceType),
      m_jniType(texts.jniType), m_jniSignature(texts.jniSignature), m_callWord(texts.callWord),
      m_shortName(texts.shortName), m_typeCode(typeCode), m_convertible(convertible) {}

CJavaTypeHandler::~CJavaTypeHandler() = default;

bool CJavaTypeHandler::WriteToSpecFile(FILE* file) const {
    const uint32_t code = GetTypeCode();
    if (!WriteSpecU32(file, code)) return false;
    if (code == kTypeObject || code == kTypeObjectArray) return WriteSpecString(file, GetClassName());
    return true;
}

static CString SlashedName(const char* className) {
    CString name(className);
    name.Replace(".", "/");
    return name;
}

CObjectTypeHandler::CObjectTypeHandler(const char* className)
    : CJavaTypeHandler(JavaTypeTexts{className, "IDispatch *", "IDispatch *", "jobject", "", nullptr, nullptr},
                       kTypeObject) {
    m_jniSignature.Format("L%s;", SlashedName(className).c_str());
}

CString CObjectTypeHandler::GetComInterfaceType() const {
    if (!m_classSpec) return "IDispatch *";
    return "_" + m_classSpec->m_comObjectName + " *";
}

CDispatchTypeHandler::CDispatchTypeHandler()
    : CObjectTypeHandler(JavaTypeTexts{"IDispatch *", "IDispatch *", "IDispatch *", "jobject", "Ljava/lang/Object;",
                                       nullptr, nullptr},
                         kTypeObject) {}

CObjectArrayTypeHandler::CObjectArrayTypeHandler(CObjectTypeHandler* element)
    : CJavaTypeHandler(JavaTypeTexts{"", "SAFEARRAY *", "SAFEARRAY(VARIANT)", "jobjectArray", "", nullptr, nullptr},
                       kTypeObjectArray),
      m_element(element) {
    m_javaType.Format("%s []", element->GetJavaType().c_str());
    m_jniSignature.Format("[%s", element->GetJniSignature().c_str());
    element->SetArrayHandler(this);
}

CUnsupportedTypeHandler::CUnsupportedTypeHandler(const char* typeName)
    : CJavaTypeHandler(JavaTypeTexts{typeName, typeName, typeName, "void", "V", nullptr, nullptr}, 0, false) {}

namespace {

struct StaticHandlers {
    CJavaTypeHandler intType{{"int", "int", "int", "jint", "I", "Int", nullptr}, kTypeInt};
    CCharTypeHandler charType{{"char", "short", "short", "jchar", "C", "Char", nullptr}, kTypeChar};
    CJavaTypeHandler shortType{{"short", "short", "short", "jshort", "S", "Short", nullptr}, kTypeShort};
    CJavaTypeHandler byteType{{"byte", "unsigned char", "unsigned char", "jbyte", "B", "Byte", nullptr}, kTypeByte};
    CJavaTypeHandler floatType{{"float", "float", "float", "jfloat", "F", "Float", nullptr}, kTypeFloat};
    CJavaTypeHandler doubleType{{"double", "double", "double", "jdouble", "D", "Double", nullptr}, kTypeDouble};
    CJavaTypeHandler voidType{{"void", "void", "void", "void", "V", "Void", nullptr}, kTypeVoid};
    CBooleanTypeHandler booleanType{{"boolean", "VARIANT_BOOL", "VARIANT_BOOL", "jboolean", "Z", "Boolean", nullptr},
                                    kTypeBoolean};
    CStringTypeHandler stringType{{"java.lang.String", "BSTR", "BSTR", "jstring", "Ljava/lang/String;", nullptr, "String"},
                                  kTypeString};
    CDateTypeHandler dateType{{"java.util.Date", "DATE", "DATE", "jobject", "Ljava/util/Date;", nullptr, "Date"},
                              kTypeDate};
    CJavaTypeHandler longType{{"long", "__int64", "__int64", "jlong", "J", "Long", nullptr}, kTypeLong};
    CLongTypeHandler long32Type{{"long", "int", "int", "jlong", "J", "Long", nullptr}, kTypeLong32};
    CArrayTypeHandler intArray{{"int []", "SAFEARRAY *", "SAFEARRAY(int)", "jarray", "[I", nullptr, nullptr},
                               kTypeArrayBit | kTypeInt};
    // Shown as an int array, as the wizard always has; code and signature
    // are those of short.
    CArrayTypeHandler shortArray{{"int []", "SAFEARRAY *", "SAFEARRAY(int)", "jarray", "[S", nullptr, nullptr},
                                 kTypeArrayBit | kTypeShort};
    CArrayTypeHandler byteArray{{"byte []", "SAFEARRAY *", "SAFEARRAY(byte)", "jarray", "[B", nullptr, nullptr},
                                kTypeArrayBit | kTypeByte};
    CArrayTypeHandler floatArray{{"float []", "SAFEARRAY *", "SAFEARRAY(float)", "jarray", "[F", nullptr, nullptr},
                                 kTypeArrayBit | kTypeFloat};
    CArrayTypeHandler doubleArray{{"double []", "SAFEARRAY *", "SAFEARRAY(double)", "jarray", "[D", nullptr, nullptr},
                                  kTypeArrayBit | kTypeDouble};
    CArrayTypeHandler booleanArray{
        {"boolean []", "SAFEARRAY *", "SAFEARRAY(VARIANT_BOOL)", "jarray", "[Z", nullptr, nullptr},
        kTypeArrayBit | kTypeBoolean};
    CArrayTypeHandler stringArray{
        {"String []", "SAFEARRAY *", "SAFEARRAY(BSTR)", "jarray", "[Ljava/lang/String;", nullptr, nullptr},
        kTypeArrayBit | kTypeString};
    CArrayTypeHandler dateArray{
        {"java.util.Date []", "SAFEARRAY *", "SAFEARRAY(DATE)", "jarray", "[Ljava/util/Date;", nullptr, nullptr},
        kTypeArrayBit | kTypeDate};
    CDispatchTypeHandler dispatchType;

    CJavaTypeHandler* ForCode(uint32_t code) {
        CJavaTypeHandler* const all[] = {&intType,   &charType,   &shortType,  &byteType,    &floatType,
                                         &doubleType, &voidType,  &booleanType, &stringType, &dateType,
                                         &longType,  &long32Type, &intArray,   &shortArray,  &byteArray,
                                         &floatArray, &doubleArray, &booleanArray, &stringArray, &dateArray};
        for (CJavaTypeHandler* handler : all)
            if (handler->GetTypeCode() == code) return handler;
        return nullptr;
    }
};

StaticHandlers& Statics() {
    static StaticHandlers handlers;
    return handlers;
}

// Handlers live until the process ends. The maps iterate as the platform's
// string map does, so lists built from them come out in that order.
template <class Handler>
using HandlerMap = brivel::StringKeyedMap<std::shared_ptr<Handler>>;

// The handler stored under the key, created by `make` on first use.
template <class Handler, class Make>
Handler* FindOrCreate(HandlerMap<Handler>& map, const char* key, Make make) {
    if (std::shared_ptr<Handler>* existing = map.FindValue(key)) return existing->get();
    std::shared_ptr<Handler> created(make());
    map.SetAt(key, created);
    return created.get();
}

HandlerMap<CObjectTypeHandler>& ObjectHandlers() {
    static HandlerMap<CObjectTypeHandler> map;
    return map;
}

HandlerMap<CObjectArrayTypeHandler>& ObjectArrayHandlers() {
    static HandlerMap<CObjectArrayTypeHandler> map;
    return map;
}

HandlerMap<CUnsupportedTypeHandler>& UnsupportedHandlers() {
    static HandlerMap<CUnsupportedTypeHandler> map;
    return map;
}

bool IsStringName(const CString& name) { return name == "java.lang.String" || name == "java/lang/String"; }
bool IsDateName(const CString& name) { return name == "java.util.Date" || name == "java/util/Date"; }

// The name of a primitive array element letter, or null.
const char* PrimitiveName(char letter) {
    switch (letter) {
    case 'I': return "int";
    case 'J': return "long";
    case 'Z': return "boolean";
    case 'F': return "floag";  // as the wizard has always shown it
    case 'D': return "double";
    case 'C': return "char";
    case 'B': return "byte";
    case 'S': return "short";
    default: return nullptr;
    }
}

// What an element descriptor names: a primitive, the class of "L...;", or
// the descriptor itself.
CString DescribeElement(const CString& descriptor) {
    if (descriptor.GetLength() == 1 && PrimitiveName(descriptor.GetAt(0))) return PrimitiveName(descriptor.GetAt(0));
    if (descriptor.GetLength() > 2 && descriptor.GetAt(0) == 'L' && descriptor.GetAt(descriptor.GetLength() - 1) == ';')
        return descriptor.Mid(1, descriptor.GetLength() - 2);
    return descriptor;
}

// A type record of the project file holds a class name of limited length:
// a type of a longer one would be saved into a file that no longer loads.
bool TooLongForTypeRecord(const CString& className) {
    return static_cast<uint32_t>(className.GetLength()) > kMaxSpecTypeClassName;
}

CString TooLongMessage() {
    CString message;
    message.Format("Class names longer than %u characters are not currently supported",
                   static_cast<unsigned>(kMaxSpecTypeClassName));
    return message;
}

}  // namespace

CJavaTypeHandler* Unsupported(const char* typeName, const CString& message, bool& supported, CString& error) {
    supported = false;
    error = message;
    return FindOrCreate(UnsupportedHandlers(), typeName ? typeName : "",
                        [&] { return new CUnsupportedTypeHandler(typeName ? typeName : ""); });
}

CJavaTypeHandler* GetStaticTypeHandler(uint32_t typeCode) { return Statics().ForCode(typeCode); }

CJavaTypeHandler* GetDispatchTypeHandler() { return &Statics().dispatchType; }

CObjectTypeHandler* FindOrCreateObjectTypeHandler(const char* className) {
    const char* name = className ? className : "";
    return FindOrCreate(ObjectHandlers(), name, [&] { return new CObjectTypeHandler(name); });
}

CObjectArrayTypeHandler* FindOrCreateObjectArrayTypeHandler(const char* elementClassName) {
    const char* name = elementClassName ? elementClassName : "";
    return FindOrCreate(ObjectArrayHandlers(), name,
                        [&] { return new CObjectArrayTypeHandler(FindOrCreateObjectTypeHandler(name)); });
}

CJavaTypeHandler* ResolveJavaTypeHandler(const char* typeName, bool& supported, CString& error) {
    StaticHandlers& s = Statics();
    const CString name(typeName);
    const struct { const char* name; CJavaTypeHandler* handler; } primitives[] = {
        {"int", &s.intType},       {"boolean", &s.booleanType}, {"short", &s.shortType},
        {"float", &s.floatType},   {"double", &s.doubleType},   {"char", &s.charType},
        {"byte", &s.byteType},     {"void", &s.voidType},       {"long", &s.longType},
    };
    for (const auto& primitive : primitives)
        if (name == primitive.name) return primitive.handler;
    if (IsStringName(name)) return &s.stringType;
    if (IsDateName(name)) return &s.dateType;
    if (name.IsEmpty() || name.GetAt(0) != '[') {
        if (TooLongForTypeRecord(name)) return Unsupported(name, TooLongMessage(), supported, error);
        return FindOrCreateObjectTypeHandler(name);
    }

    const CString element = name.Mid(1);
    if (element == "B") return &s.byteArray;
    if (element == "I") return &s.intArray;
    if (element == "F") return &s.floatArray;
    if (element == "S") return &s.shortArray;
    if (element == "D") return &s.doubleArray;
    if (element == "Z") return &s.booleanArray;
    if (element == "Ljava.lang.String;") return &s.stringArray;
    if (element == "Ljava.util.Date;") return &s.dateArray;
    if (element.GetLength() > 2 && element.GetAt(0) == 'L' && element.GetAt(element.GetLength() - 1) == ';') {
        const CString elementClass = element.Mid(1, element.GetLength() - 2);
        if (TooLongForTypeRecord(elementClass)) return Unsupported(name, TooLongMessage(), supported, error);
        return FindOrCreateObjectArrayTypeHandler(elementClass);
    }

    CString message;
    if (!element.IsEmpty() && element.GetAt(0) == '[') {
        message.Format("Multi-dimensional arrays are not currently supported (encountered %s)",
                       ("Array of arrays of " + DescribeElement(element.Mid(1))).c_str());
    } else if (element == "J") {
        message = "Arrays of long's  are not currently supported";
    } else {
        message.Format("Array of \"%s\" is not currently supported", DescribeElement(element).c_str());
    }
    return Unsupported(name, message, supported, error);
}

CJavaTypeHandler* ReadTypeFromSpecFile(FILE* file) {
    uint32_t code = 0;
    if (!brivel::ReadSpecU32(file, code)) return nullptr;
    if (code == kTypeObject || code == kTypeObjectArray) {
        CString className;
        if (ReadSpecString(file, className, kMaxSpecTypeClassName) != brivel::kStringRead) return nullptr;
        if (className.str().find('\0') != std::string::npos) return nullptr;  // no class has such a name
        if (code == kTypeObjectArray) return FindOrCreateObjectArrayTypeHandler(className);
        if (IsStringName(className)) return &Statics().stringType;
        if (IsDateName(className)) return &Statics().dateType;
        return FindOrCreateObjectTypeHandler(className);
    }
    if (code & kTypeArrayBit) {
        switch (code & ~static_cast<uint32_t>(kTypeArrayBit)) {
        case kTypeInt: case kTypeShort: case kTypeByte: case kTypeFloat:
        case kTypeDouble: case kTypeBoolean: case kTypeString: case kTypeDate:
            return GetStaticTypeHandler(code);
        default:
            return nullptr;
        }
    }
    if (code >= kTypeInt && code <= kTypeLong32) return GetStaticTypeHandler(code);
    return nullptr;
}

void ForgetCreatedTypeHandlers() {
    ObjectArrayHandlers().RemoveAll();
    ObjectHandlers().RemoveAll();
    UnsupportedHandlers().RemoveAll();
}

void ClearClassReferenceMarks() {
    ObjectHandlers().ForEach([](const CString&, std::shared_ptr<CObjectTypeHandler>& handler) {
        handler->SetReferenced(false);
    });
}

bool ListUndefinedReferencedClasses(std::vector<CString>& classNames) {
    classNames.clear();
    ObjectHandlers().ForEach([&](const CString&, std::shared_ptr<CObjectTypeHandler>& handler) {
        if (!handler->GetClassSpec() && handler->IsReferenced()) classNames.push_back(handler->GetClassName());
    });
    return !classNames.empty();
}
