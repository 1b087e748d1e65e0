#include "C2jSpecification.h"

#include "GuidText.h"
#include "SpecFileIO.h"

using namespace brivel;

namespace {

const char kIncorrectFileType[] = "Incorrect file type";
const char kNewerVersion[] = "File has been saved by a newer (incompatible) version of Brivel";
const char kTooOld[] = "File format is too old";
const char kUnexpectedEnd[] = "Unexpected end of file";
const char kUnexpectedEndInString[] = "Unexpected end of file while reading string data";
const char kUnexpectedEofAtStart[] = "Unexpected eof at start of file";
const char kUnexpectedEofInClass[] = "Unexpected eof while reading class definition";
const char kBadDataType[] = "Error reading data type from file";
const char kNoClasses[] = "No classes defined in file";
const char kTooManyJarClasses[] =
    "Too many classes in JAR file.  Please select classes and method of interest manually.";

void CreateIfEmpty(CString& guid) {
    if (guid.IsEmpty()) guid = CreateGuidText();
}

CString SlashedName(const CString& className) {
    CString name(className);
    name.Replace(".", "/");
    return name;
}

// Reads the fields of one file, keeping the first failure's message.
class SpecReader {
public:
    explicit SpecReader(FILE* file) : m_file(file) {}

    bool U32(uint32_t& value) { return ReadSpecU32(m_file, value) || Fail(kUnexpectedEnd); }
    bool String(CString& text) {
        switch (ReadSpecString(m_file, text)) {
        case kStringRead: return true;
        case kStringCountMissing: return Fail(kUnexpectedEnd);
        default: return Fail(kUnexpectedEndInString);
        }
    }
    // A class name is a C string wherever it is used: one holding a NUL byte
    // could be neither found by its listed name nor saved again.
    bool ClassName(CString& name) {
        if (!String(name)) return false;
        return name.str().find('\0') == std::string::npos || Fail(kUnexpectedEofInClass);
    }
    bool ClassU8(uint8_t& value) { return ReadSpecU8(m_file, value) || Fail(kUnexpectedEofInClass); }
    bool ClassU16(uint16_t& value) { return ReadSpecU16(m_file, value) || Fail(kUnexpectedEofInClass); }
    bool Type(CJavaTypeHandler*& handler) {
        handler = ReadTypeFromSpecFile(m_file);
        return handler != nullptr || Fail(kBadDataType);
    }
    bool Fail(const char* message) {
        m_error = message;
        return false;
    }
    const CString& Error() const { return m_error; }
    FILE* File() const { return m_file; }

private:
    FILE* m_file;
    CString m_error;
};

// Writes fields and remembers whether the stream took all of them.
class SpecWriter {
public:
    explicit SpecWriter(FILE* file) : m_file(file) {}
    void U16(uint16_t value) { m_ok = WriteSpecU16(m_file, value) && m_ok; }
    void U8(uint8_t value) { m_ok = WriteSpecU8(m_file, value) && m_ok; }
    void U32(uint32_t value) { m_ok = WriteSpecU32(m_file, value) && m_ok; }
    void String(const CString& text) { m_ok = WriteSpecString(m_file, text) && m_ok; }
    void Type(const CJavaTypeHandler* handler) {
        if (!handler) handler = GetStaticTypeHandler(kTypeVoid);
        m_ok = handler->WriteToSpecFile(m_file) && m_ok;
    }
    bool Finish() { return fflush(m_file) == 0 && !ferror(m_file) && m_ok; }

private:
    FILE* m_file;
    bool m_ok = true;
};

void WriteMethodGroup(SpecWriter& out, const MethodGroup& group) {
    uint32_t selected = 0;
    for (const auto& method : group) selected += method->m_selected ? 1 : 0;
    out.U32(selected);
    for (const auto& method : group) {
        if (!method->m_selected) continue;
        out.String(method->m_javaName);
        out.String(method->m_comName);
        out.String(method->m_comment);
        out.Type(method->m_returnType);
        out.U32(static_cast<uint32_t>(method->m_parameterTypes.size()));
        for (size_t i = 0; i < method->m_parameterTypes.size(); ++i) {
            out.String(i < method->m_parameterNames.size() ? method->m_parameterNames[i] : CString());
            out.Type(method->m_parameterTypes[i]);
        }
    }
}

void WriteFieldGroup(SpecWriter& out, const FieldGroup& group) {
    uint32_t selected = 0;
    for (const auto& field : group) selected += field->m_selected ? 1 : 0;
    out.U32(selected);
    for (const auto& field : group) {
        if (!field->m_selected) continue;
        out.String(field->m_javaName);
        out.String(field->m_comName);
        out.String(field->m_comment);
        out.U32(field->m_readOnly ? 1 : 0);
        out.Type(field->m_type);
    }
}

void WriteClass(SpecWriter& out, const CJavaClassSpec& c) {
    out.String(c.m_javaClassName);
    out.U8(c.m_includeInherited ? 1 : 0);
    out.U16(c.m_exceptionOrder);
    out.U16(c.m_visual);
    out.U16(c.m_isInterface);
    out.String(c.m_interfaceGuid1);
    out.U16(c.m_eventInterface);
    out.String(c.m_comObjectName);
    out.String(c.m_comment);
    out.String(c.m_classGuid1);
    out.String(c.m_classGuid2);
    if (c.m_isInterface) {
        out.String(c.m_interfaceGuid2);
        out.String(c.m_interfaceGuid3);
    }
    WriteMethodGroup(out, c.m_constructors);
    WriteMethodGroup(out, c.m_methods);
    WriteMethodGroup(out, c.m_staticMethods);
    WriteFieldGroup(out, c.m_fields);
    WriteFieldGroup(out, c.m_staticFields);
}

// Records are read one at a time, so a damaged count ends at the end of the
// file instead of asking for memory up front.
bool ReadMethodGroup(SpecReader& in, MethodGroup& group, bool isStatic, bool isConstructor) {
    uint32_t count = 0;
    if (!in.U32(count)) return false;
    for (uint32_t i = 0; i < count; ++i) {
        auto method = std::make_unique<CJavaMethodSpec>();
        method->m_selected = true;
        method->m_supported = true;
        method->m_static = isStatic;
        method->m_constructor = isConstructor;
        uint32_t parameters = 0;
        if (!in.String(method->m_javaName) || !in.String(method->m_comName) || !in.String(method->m_comment) ||
            !in.Type(method->m_returnType) || !in.U32(parameters))
            return false;
        for (uint32_t p = 0; p < parameters; ++p) {
            CString name;
            CJavaTypeHandler* type = nullptr;
            if (!in.String(name) || !in.Type(type)) return false;
            method->m_parameterNames.push_back(name);
            method->m_parameterTypes.push_back(type);
        }
        group.push_back(std::move(method));
    }
    return true;
}

bool ReadFieldGroup(SpecReader& in, FieldGroup& group, bool isStatic) {
    uint32_t count = 0;
    if (!in.U32(count)) return false;
    for (uint32_t i = 0; i < count; ++i) {
        auto field = std::make_unique<CJavaFieldSpec>();
        field->m_selected = true;
        field->m_supported = true;
        field->m_static = isStatic;
        uint32_t readOnly = 0;
        if (!in.String(field->m_javaName) || !in.String(field->m_comName) || !in.String(field->m_comment) ||
            !in.U32(readOnly) || !in.Type(field->m_type))
            return false;
        field->m_readOnly = readOnly != 0;
        group.push_back(std::move(field));
    }
    return true;
}

bool ReadClass(SpecReader& in, uint32_t version, CJavaClassSpec& c) {
    uint8_t inherited = 0;
    if (!in.ClassName(c.m_javaClassName) || !in.ClassU8(inherited)) return false;
    c.m_jniClassName = SlashedName(c.m_javaClassName);
    c.m_includeInherited = inherited != 0;
    if (version >= 101 && !in.ClassU16(c.m_exceptionOrder)) return false;
    if (version >= 104 && !in.ClassU16(c.m_visual)) return false;
    if (version >= 102 && (!in.ClassU16(c.m_isInterface) || !in.String(c.m_interfaceGuid1))) return false;
    c.m_eventInterface = c.m_isInterface;
    if (version >= 105 && !in.ClassU16(c.m_eventInterface)) return false;
    if (!in.String(c.m_comObjectName) || !in.String(c.m_comment) || !in.String(c.m_classGuid1) ||
        !in.String(c.m_classGuid2))
        return false;
    CreateIfEmpty(c.m_classGuid1);
    CreateIfEmpty(c.m_classGuid2);
    if (c.m_isInterface) {
        if (version > 105 && (!in.String(c.m_interfaceGuid2) || !in.String(c.m_interfaceGuid3))) return false;
        CreateIfEmpty(c.m_interfaceGuid2);
        CreateIfEmpty(c.m_interfaceGuid3);
    }
    return ReadMethodGroup(in, c.m_constructors, false, true) && ReadMethodGroup(in, c.m_methods, false, false) &&
           ReadMethodGroup(in, c.m_staticMethods, true, false) && ReadFieldGroup(in, c.m_fields, false) &&
           ReadFieldGroup(in, c.m_staticFields, true);
}

// The 64-bit and the 32-bit form of Java long are one type to a saved choice.
bool EquivalentTypes(const CJavaTypeHandler* a, const CJavaTypeHandler* b) {
    if (a == b) return true;
    const CJavaTypeHandler* longType = GetStaticTypeHandler(kTypeLong);
    const CJavaTypeHandler* long32Type = GetStaticTypeHandler(kTypeLong32);
    return (a == longType && b == long32Type) || (a == long32Type && b == longType);
}

bool SameSignature(const CJavaMethodSpec& saved, const CJavaMethodSpec& current) {
    if (saved.m_javaName != current.m_javaName || !EquivalentTypes(saved.m_returnType, current.m_returnType) ||
        saved.m_parameterTypes.size() != current.m_parameterTypes.size())
        return false;
    for (size_t i = 0; i < saved.m_parameterTypes.size(); ++i)
        if (!EquivalentTypes(saved.m_parameterTypes[i], current.m_parameterTypes[i])) return false;
    return true;
}

void MergeMethods(const MethodGroup& saved, MethodGroup& current) {
    for (const auto& s : saved) {
        for (auto& c : current) {
            if (!SameSignature(*s, *c)) continue;
            c->m_selected = true;
            c->m_supported = true;
            c->m_comment = s->m_comment;
            c->m_comName = s->m_comName;
            c->m_returnType = s->m_returnType;
            c->m_parameterNames = s->m_parameterNames;
            c->m_parameterTypes = s->m_parameterTypes;
            break;
        }
    }
}

void MergeFields(const FieldGroup& saved, FieldGroup& current) {
    for (const auto& s : saved) {
        for (auto& c : current) {
            if (s->m_javaName != c->m_javaName || s->m_type != c->m_type) continue;
            c->m_selected = true;
            c->m_supported = true;
            c->m_comment = s->m_comment;
            c->m_comName = s->m_comName;
            break;
        }
    }
}

// One member of a class with the COM name it held before a merge.
struct MemberName {
    void* record;
    int kind;
    CString* comName;
    bool selected;
    CString javaName;  // "Construct" for constructors: what reflection names them from
    CString before;
};

std::vector<MemberName> MemberNames(CJavaClassSpec& c) {
    std::vector<MemberName> names;
    for (MethodGroup* group : {&c.m_constructors, &c.m_methods, &c.m_staticMethods})
        for (auto& m : *group)
            names.push_back({m.get(), kComNameMethod, &m->m_comName, false,
                             m->m_constructor ? CString("Construct") : m->m_javaName, m->m_comName});
    for (FieldGroup* group : {&c.m_fields, &c.m_staticFields})
        for (auto& f : *group)
            names.push_back({f.get(), kComNameField, &f->m_comName, false, f->m_javaName, f->m_comName});
    return names;
}

// A field's COM name is a property: its accessors' names are taken with it.
void TakeAccessorNames(CJavaClassSpec& c, const CString& name) {
    c.AddName("get_" + name);
    c.AddName("put_" + name);
}

void ReleaseAccessorNames(CJavaClassSpec& c, const CString& name) {
    c.RemoveName("get_" + name);
    c.RemoveName("put_" + name);
}

// After saved COM names were copied onto the members, the class's name scope
// holds what the members are now called: the names they had from
// reflection are released and the saved ones taken as they are. A member
// left unchosen whose name a saved member now holds is named anew.
void KeepNameScope(CJavaClassSpec& c, std::vector<MemberName>& members) {
    std::vector<MemberName*> changed;
    for (MemberName& m : members) {
        m.selected = m.kind == kComNameMethod ? static_cast<CJavaMethodSpec*>(m.record)->m_selected
                                              : static_cast<CJavaFieldSpec*>(m.record)->m_selected;
        if (*m.comName != m.before) changed.push_back(&m);
    }
    if (changed.empty()) return;
    for (MemberName* m : changed) {
        c.RemoveName(m->before);
        if (m->kind == kComNameField) ReleaseAccessorNames(c, m->before);
    }
    std::vector<CString> taken;
    for (MemberName* m : changed) {
        c.TakeName(*m->comName, m->record, m->kind);
        if (m->kind == kComNameField) TakeAccessorNames(c, *m->comName);
        taken.push_back(CComNameSet::FoldName(*m->comName));
    }
    for (MemberName& m : members) {
        if (m.selected || *m.comName != m.before) continue;
        const CString key = CComNameSet::FoldName(*m.comName);
        bool clash = false;
        for (const CString& t : taken) clash = clash || t == key;
        if (!clash) continue;
        *m.comName = c.MakeUniqueName(m.javaName, m.record, m.kind, true);
        if (m.kind == kComNameField) TakeAccessorNames(c, *m.comName);
    }
}

std::unique_ptr<CJavaMethodSpec> BuiltInMethod(const char* name, CJavaTypeHandler* returnType, bool constructor,
                                               const char* parameterName, CJavaTypeHandler* parameterType,
                                               const char* comment) {
    auto method = std::make_unique<CJavaMethodSpec>();
    method->m_selected = true;
    method->m_supported = true;
    method->m_constructor = constructor;
    method->m_returnType = returnType;
    method->m_javaName = name;
    method->m_comName = name;
    method->m_parameterNames.push_back(parameterName);
    method->m_parameterTypes.push_back(parameterType);
    method->m_usesObjectTypes = parameterType->IsObjectType();
    method->m_comment = comment;
    return method;
}

std::unique_ptr<CJavaFieldSpec> BuiltInProperty(const char* javaName, const char* comName, CJavaTypeHandler* type,
                                                bool readOnly, const char* comment) {
    auto field = std::make_unique<CJavaFieldSpec>();
    field->m_selected = true;
    field->m_supported = true;
    field->m_static = true;
    field->m_readOnly = readOnly;
    field->m_type = type;
    field->m_javaName = javaName;
    field->m_comName = comName;
    field->m_comment = comment;
    return field;
}

}  // namespace

CC2jSpecification::CC2jSpecification() { BuildBuiltInMembers(); }

CC2jSpecification::~CC2jSpecification() { DeleteClasses(); }

void CC2jSpecification::BuildBuiltInMembers() {
    CJavaTypeHandler* string = GetStaticTypeHandler(kTypeString);
    CJavaTypeHandler* boolean = GetStaticTypeHandler(kTypeBoolean);
    CJavaTypeHandler* voidType = GetStaticTypeHandler(kTypeVoid);
    CJavaTypeHandler* date = GetStaticTypeHandler(kTypeDate);
    CJavaTypeHandler* dispatch = GetDispatchTypeHandler();
    auto add = [this](std::unique_ptr<CJavaMethodSpec> method, std::unique_ptr<CJavaFieldSpec> property) {
        m_builtInMembers.push_back(CBuiltInMember{std::move(method), std::move(property)});
    };
    add(nullptr, BuiltInProperty("classpath", "JavaClasspath", string, false, "Java ClassPath"));
    add(nullptr, BuiltInProperty("JvmArgs", "JvmArgs", string, false, "Additional JVM arguments"));
    add(BuiltInMethod("IsSameJavaObject", boolean, false, "theOtherObject", dispatch,
                      "Check if another object refers to the same underlying Java object"),
        nullptr);
    add(BuiltInMethod("ConstructByCasting", voidType, true, "otherObject", dispatch,
                      "Construct by assigning another Java object to this object (if classes are assignable)"),
        nullptr);
    add(BuiltInMethod("ConstructFromString", voidType, true, "stringArg", string, "Construct from a String"), nullptr);
    add(BuiltInMethod("ConstructFromDate", voidType, true, "dateArg", date, "Construct from a Date"), nullptr);
    add(BuiltInMethod("ConstructFromEventSink", voidType, true, "eventSink", dispatch,
                      "Construct from the Events Sink object (for receiving events)"),
        nullptr);
    add(nullptr, BuiltInProperty("JavaLoaded", "JavaLoaded", boolean, true, "Whether Java has been already loaded"));
    add(nullptr, BuiltInProperty("JvmPath", "JvmPath", string, false, "Can be set to specify a particular JVM to use"));
}

CJavaClassSpec* CC2jSpecification::GetClass(const char* className) const {
    auto it = m_classes.find(className ? className : "");
    return it == m_classes.end() ? nullptr : it->second.get();
}

void CC2jSpecification::DeleteClasses() {
    // Handlers outlive the document: none may keep pointing at its classes.
    for (auto& entry : m_classes) {
        CObjectTypeHandler* handler = FindOrCreateObjectTypeHandler(entry.first.c_str());
        if (handler->GetClassSpec() == entry.second.get()) handler->SetClassSpec(nullptr);
    }
    m_classes.clear();
    m_classNames.clear();
}

void CC2jSpecification::StoreClass(CJavaClassSpec* javaClass, bool link) {
    const std::string name = javaClass->m_javaClassName.str();
    if (link) FindOrCreateObjectTypeHandler(name.c_str())->SetClassSpec(javaClass);
    auto& slot = m_classes[name];
    if (!slot) m_classNames.push_back(javaClass->m_javaClassName);
    slot.reset(javaClass);
}

void CC2jSpecification::NumberExceptionClasses() {
    // A class goes before the first class it can be cast to, so subclasses
    // come before their base classes.
    std::vector<CJavaClassSpec*> order;
    for (const CString& name : m_classNames) {
        CJavaClassSpec* c = GetClass(name);
        if (!c || c->m_exceptionOrder == 0) continue;
        auto place = order.begin();
        while (place != order.end() && !m_vmHost->IsAssignableFrom(c, *place)) ++place;
        order.insert(place, c);
    }
    for (size_t i = 0; i < order.size(); ++i) order[i]->m_exceptionOrder = static_cast<uint16_t>(i + 1);
}

bool CC2jSpecification::Save(FILE* file) {
    CreateIfEmpty(m_libraryGuid);
    CreateIfEmpty(m_projectGuid2);
    CreateIfEmpty(m_projectGuid3);

    SpecWriter out(file);
    out.U32(kFileMagic);
    out.U32(kFileVersion);
    out.String(m_classPath);
    out.String(m_libraryName);
    out.String(m_libraryComment);
    out.String(m_libraryGuid);
    out.String(m_projectGuid2);
    out.String(m_projectGuid3);
    out.String(m_outputFolder);
    out.U32(0);
    out.U32(0);
    out.String(m_specFilePath);
    // The file says version 106, and a reader of 106 expects the flag, even
    // when this document came from an older file.
    out.U16(m_jarMode ? 1 : 0);
    out.U32(static_cast<uint32_t>(m_classNames.size()));
    for (const CString& name : m_classNames) out.String(name);
    if (m_vmHost) NumberExceptionClasses();
    for (const CString& name : m_classNames) WriteClass(out, *GetClass(name));
    return out.Finish();
}

bool CC2jSpecification::Load(FILE* file, CString& error) {
    SpecReader in(file);
    auto fail = [&]() {
        error = in.Error();
        return false;
    };
    uint32_t magic = 0, version = 0;
    if (!in.U32(magic)) return fail();
    if (magic != kFileMagic) return in.Fail(kIncorrectFileType), fail();
    if (!in.U32(version)) return fail();
    if (version > kFileVersion) return in.Fail(kNewerVersion), fail();
    if (version < kOldestFileVersion) return in.Fail(kTooOld), fail();
    m_version = version;

    uint32_t reserved = 0;
    if (!in.String(m_classPath) || !in.String(m_libraryName) || !in.String(m_libraryComment) ||
        !in.String(m_libraryGuid) || !in.String(m_projectGuid2) || !in.String(m_projectGuid3) ||
        !in.String(m_outputFolder) || !in.U32(reserved) || !in.U32(reserved) || !in.String(m_specFilePath))
        return fail();
    CreateIfEmpty(m_projectGuid2);
    CreateIfEmpty(m_projectGuid3);
    if (version > 102) {
        uint16_t jarMode = 0;
        if (!ReadSpecU16(file, jarMode)) return in.Fail(kUnexpectedEofAtStart), fail();
        m_jarMode = jarMode != 0;
    }

    uint32_t count = 0;
    if (!in.U32(count)) return fail();
    if (count == 0) return in.Fail(kNoClasses), fail();
    DeleteClasses();
    for (uint32_t i = 0; i < count; ++i) {
        CString listedName;
        if (!in.ClassName(listedName)) return fail();
    }
    // Each record is stored under its own name, so list and map always agree;
    // a name that comes twice keeps its first place and its last record.
    for (uint32_t i = 0; i < count; ++i) {
        auto javaClass = std::make_unique<CJavaClassSpec>();
        if (!ReadClass(in, version, *javaClass)) return fail();
        StoreClass(javaClass.release(), false);
    }
    // Only a whole file takes the type handlers over: a failed load leaves
    // them to the classes they named before.
    for (const auto& entry : m_classes)
        FindOrCreateObjectTypeHandler(entry.first.c_str())->SetClassSpec(entry.second.get());
    return true;
}

void CC2jSpecification::CopyProjectSettings(const CC2jSpecification& other) {
    m_classPath = other.m_classPath;
    m_libraryName = other.m_libraryName;
    m_libraryComment = other.m_libraryComment;
    m_libraryGuid = other.m_libraryGuid;
    CreateIfEmpty(m_libraryGuid);
    m_outputFolder = other.m_outputFolder;
    m_jarMode = other.m_jarMode;
}

CJavaClassSpec* CC2jSpecification::AddClassFromVm(const char* classPath, bool includeInherited, const char* className,
                                                 CString& error) {
    if (!m_vmHost || !m_vmHost->Start(classPath, error)) return nullptr;
    if (m_startNotifier) {
        CVmStartNotifier* notifier = m_startNotifier;
        m_startNotifier = nullptr;
        notifier->OnVmStarted();
    }
    // A class already in the project keeps its one record, which its type
    // handler points at again (a loaded document may have taken it over).
    // With the other include-inherited flag its members differ: a fresh
    // record takes its place.
    if (CJavaClassSpec* existing = GetClass(className)) {
        if (existing->m_includeInherited == includeInherited) {
            FindOrCreateObjectTypeHandler(className)->SetClassSpec(existing);
            return existing;
        }
    }
    CJavaClassSpec* javaClass = m_vmHost->LoadClass(className, includeInherited, error);
    if (!javaClass) return nullptr;
    StoreClass(javaClass);
    return javaClass;
}

bool CC2jSpecification::AddClassesFromJars(const char* classPath, const char* jarPath,
                                           std::vector<CString>& classNames, CString& error) {
    if (!m_vmHost || !m_vmHost->Start(classPath, error)) return false;
    if (m_startNotifier) {
        CVmStartNotifier* notifier = m_startNotifier;
        m_startNotifier = nullptr;
        notifier->OnVmStarted();
    }
    if (!m_vmHost->ListJarClasses(jarPath, classNames, error)) return false;
    if (classNames.size() > kMaxJarClasses) {
        error = kTooManyJarClasses;
        return false;
    }
    return true;
}

void CC2jSpecification::RemoveClass(const char* className) {
    auto it = m_classes.find(className ? className : "");
    if (it == m_classes.end()) return;
    FindOrCreateObjectTypeHandler(it->first.c_str())->SetClassSpec(nullptr);
    for (auto name = m_classNames.begin(); name != m_classNames.end(); ++name) {
        if (*name == className) {
            m_classNames.erase(name);
            break;
        }
    }
    m_classes.erase(it);
}

bool CC2jSpecification::ReloadClasses(const CC2jSpecification& saved, CString& errors) {
    errors.Empty();
    int failures = 0;
    auto fail = [&](const CString& text) {
        ++failures;
        if (failures <= 9) errors += text + "\n";
        else if (failures == 10) errors += "...";
    };
    for (const CString& name : saved.m_classNames) {
        const CJavaClassSpec* savedClass = saved.GetClass(name);
        CString error;
        if (!AddClassFromVm(m_classPath, savedClass && savedClass->m_includeInherited, name, error)) fail(error);
    }
    for (const CString& name : saved.m_classNames) {
        CJavaClassSpec* current = GetClass(name);
        if (!current || !m_vmHost) continue;
        m_vmHost->ReflectClass(current);
        if (!current->m_error.IsEmpty()) {
            fail(current->m_error);
        } else if (const CJavaClassSpec* savedClass = saved.GetClass(name)) {
            MergeSavedSelections(*savedClass, *current);
        }
    }
    // Reading the saved project linked its classes' type handlers to its own
    // records. From here on they name this project's classes, and a class
    // that did not come back counts as not defined.
    for (const CString& name : saved.m_classNames) FindOrCreateObjectTypeHandler(name)->SetClassSpec(GetClass(name));
    if (failures == 0) errors.Empty();
    return failures == 0;
}

void CC2jSpecification::MergeSavedSelections(const CJavaClassSpec& saved, CJavaClassSpec& current) {
    std::vector<MemberName> members = MemberNames(current);
    current.m_visual = saved.m_visual;
    current.m_eventInterface = saved.m_eventInterface;
    current.m_comObjectName = saved.m_comObjectName;
    current.m_comment = saved.m_comment;
    MergeMethods(saved.m_constructors, current.m_constructors);
    MergeMethods(saved.m_methods, current.m_methods);
    MergeMethods(saved.m_staticMethods, current.m_staticMethods);
    MergeFields(saved.m_fields, current.m_fields);
    MergeFields(saved.m_staticFields, current.m_staticFields);
    KeepNameScope(current, members);
}
