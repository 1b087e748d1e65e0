#include "FakeJava.h"

#include <cstdarg>
#include <cstdio>
#include <cstdlib>

namespace fakejava {

namespace {

FakeJava* g_current = nullptr;
const long long kMillisFrom1601To1970 = 11644473600000LL;

size_t ElementSize(char type) {
    switch (type) {
    case 'Z': case 'B': return 1;
    case 'C': case 'S': return 2;
    case 'I': case 'F': return 4;
    case 'J': case 'D': return 8;
    default: return 0;
    }
}

// The parameter types of a method signature, one letter each ('L' for any
// object or array).
std::string ParameterTypes(const std::string& signature) {
    std::string types;
    size_t i = 1;
    while (i < signature.size() && signature[i] != ')') {
        char c = signature[i];
        if (c == '[') {
            while (i < signature.size() && signature[i] == '[') ++i;
            if (signature[i] == 'L') i = signature.find(';', i);
            types += 'L';
        } else if (c == 'L') {
            i = signature.find(';', i);
            types += 'L';
        } else {
            types += c;
        }
        ++i;
    }
    return types;
}

// Arguments passed as a va_list: narrower types arrive promoted.
class VaArgs : public Args {
public:
    explicit VaArgs(va_list args) { va_copy(args_, args); }
    ~VaArgs() override { va_end(args_); }
    jint Int() override { return va_arg(args_, jint); }
    jlong Long() override { return va_arg(args_, jlong); }
    jdouble Double() override { return va_arg(args_, jdouble); }
    jobject Object() override { return va_arg(args_, jobject); }

private:
    va_list args_;
};

// Arguments passed as an array of jvalue, read by the signature's types.
class ValueArgs : public Args {
public:
    ValueArgs(const jvalue* values, const std::string& signature) : values_(values), types_(ParameterTypes(signature)) {}
    jint Int() override {
        char t = Next();
        const jvalue& v = values_[index_++];
        switch (t) {
        case 'Z': return v.z;
        case 'B': return v.b;
        case 'C': return v.c;
        case 'S': return v.s;
        default: return v.i;
        }
    }
    jlong Long() override {
        Next();
        return values_[index_++].j;
    }
    jdouble Double() override {
        char t = Next();
        const jvalue& v = values_[index_++];
        return t == 'F' ? v.f : v.d;
    }
    jobject Object() override {
        Next();
        return values_[index_++].l;
    }

private:
    char Next() { return index_ < types_.size() ? types_[index_] : 'I'; }
    const jvalue* values_;
    std::string types_;
    size_t index_ = 0;
};

jvalue Zero() {
    jvalue v;
    std::memset(&v, 0, sizeof v);
    return v;
}

jvalue Long(jlong value) {
    jvalue v = Zero();
    v.j = value;
    return v;
}

// UTF-16 from modified UTF-8.
std::u16string FromModifiedUtf8(const char* text) {
    std::u16string out;
    const unsigned char* p = reinterpret_cast<const unsigned char*>(text ? text : "");
    while (*p) {
        if (*p < 0x80) {
            out += static_cast<char16_t>(*p++);
        } else if ((*p & 0xE0) == 0xC0 && p[1]) {
            out += static_cast<char16_t>(((p[0] & 0x1F) << 6) | (p[1] & 0x3F));
            p += 2;
        } else if ((*p & 0xF0) == 0xE0 && p[1] && p[2]) {
            out += static_cast<char16_t>(((p[0] & 0x0F) << 12) | ((p[1] & 0x3F) << 6) | (p[2] & 0x3F));
            p += 3;
        } else {
            out += u'?';
            ++p;
        }
    }
    return out;
}

std::string ToModifiedUtf8(const std::u16string& text) {
    std::string out;
    for (char16_t c : text) {
        if (c != 0 && c < 0x80) {
            out += static_cast<char>(c);
        } else if (c < 0x800) {
            out += static_cast<char>(0xC0 | (c >> 6));
            out += static_cast<char>(0x80 | (c & 0x3F));
        } else {
            out += static_cast<char>(0xE0 | (c >> 12));
            out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (c & 0x3F));
        }
    }
    return out;
}

std::string Narrow(const std::u16string& text) {
    std::string out;
    for (char16_t c : text) out += c < 128 ? static_cast<char>(c) : '?';
    return out;
}

// A buffer handed to a native (array elements, string characters): its
// address is the handle the native gives back.
struct Lent {
    Object* owner;
    size_t bytes;
};
std::map<void*, Lent> g_lent;

void* Lend(FakeJava& fake, Object* owner, const void* source, size_t bytes) {
    void* buffer = std::malloc(bytes ? bytes : 1);
    if (bytes) std::memcpy(buffer, source, bytes);
    g_lent[buffer] = {owner, bytes};
    ++fake.counts().elementBuffers;
    return buffer;
}

// Gives a lent buffer back: mode 0 copies and frees, JNI_COMMIT copies,
// JNI_ABORT frees.
void GiveBack(FakeJava& fake, void* buffer, jint mode, bool copy) {
    auto it = g_lent.find(buffer);
    if (it == g_lent.end()) {
        ++fake.counts().unknownCalls;
        if (fake.counts().firstUnknown.empty()) fake.counts().firstUnknown = "a buffer given back that was not lent";
        return;
    }
    if (copy && mode != JNI_ABORT && it->second.bytes) std::memcpy(it->second.owner->data.data(), buffer, it->second.bytes);
    if (mode != JNI_COMMIT) {
        std::free(buffer);
        g_lent.erase(it);
        --fake.counts().elementBuffers;
    }
}

void Unknown(FakeJava& fake, const std::string& what) {
    ++fake.counts().unknownCalls;
    if (fake.counts().firstUnknown.empty()) fake.counts().firstUnknown = what;
}

}  // namespace

FakeJava& Current() {
    return *g_current;
}

// ---------------------------------------------------------------- the model

Object* FakeJava::Make(Class* cls) {
    objects_.push_back(std::make_unique<Object>());
    Object* obj = objects_.back().get();
    obj->cls = cls;
    ++counts_.objectsMade;
    return obj;
}

bool FakeJava::IsDeclared(const std::string& name) const {
    if (name.empty()) return false;
    if (name[0] == '[') {
        // An array of a primitive type or of a declared class.
        size_t i = name.find_first_not_of('[');
        if (i == std::string::npos) return false;
        if (name[i] != 'L') return name.size() == i + 1 && std::string("ZBCSIJFD").find(name[i]) != std::string::npos;
        return name.back() == ';' && IsDeclared(name.substr(i + 1, name.size() - i - 2));
    }
    return name == "java/lang/Object" || supers_.count(name) != 0;
}

Class* FakeJava::FindClass(const std::string& name) {
    auto it = classes_.find(name);
    if (it != classes_.end()) return it->second;
    if (strict_ && !IsDeclared(name)) return nullptr;
    auto cls = std::make_unique<Class>();
    Class* raw = cls.get();
    raw->name = name;
    classes_[name] = raw;
    objects_.push_back(std::move(cls));
    // A class is an object of java/lang/Class.
    raw->cls = name == "java/lang/Class" ? raw : FindClass("java/lang/Class");
    auto super = supers_.find(name);
    if (super != supers_.end()) raw->super = FindClass(super->second);
    else if (name != "java/lang/Object") raw->super = FindClass("java/lang/Object");
    return raw;
}

void FakeJava::DefineClass(const std::string& name, const std::string& super) {
    supers_[name] = super;
    auto it = classes_.find(name);
    if (it != classes_.end()) it->second->super = FindClass(super);
}

bool FakeJava::IsInstanceOf(jobject obj, const std::string& className) {
    if (!obj) return true;
    return IsAssignable(Obj(obj)->cls->name, className);
}

// Java's rule: a class is assignable to itself and its superclasses; an
// array to Object and to an array whose reference component type its own is
// assignable to (arrays are covariant); primitive arrays only to their own.
bool FakeJava::IsAssignable(const std::string& from, const std::string& to) {
    if (from == to || to == "java/lang/Object") return true;
    if (from[0] == '[') {
        if (to[0] != '[') return false;
        std::string fromElement = from.substr(1), toElement = to.substr(1);
        auto className = [](const std::string& descriptor) {
            return descriptor.size() > 2 && descriptor[0] == 'L' ? descriptor.substr(1, descriptor.size() - 2) : descriptor;
        };
        if (fromElement[0] == 'L' && toElement[0] == 'L') return IsAssignable(className(fromElement), className(toElement));
        if (fromElement[0] == '[' && toElement[0] == '[') return IsAssignable(fromElement, toElement);
        return false;
    }
    for (Class* c = FindClass(from); c; c = c->super)
        if (c->name == to) return true;
    return false;
}

jobject FakeJava::New(const std::string& className) {
    return Handle(Make(FindClass(className)));
}

// The test's own accessors find a field by name in the object's class and
// its superclasses; one declared nowhere is kept as java/lang/Object's.
std::string FakeJava::FieldKey(jobject obj, const std::string& name) {
    const Member* field = FindMember(fields_, Obj(obj)->cls, name, std::string(), true);
    return field ? field->Key() : "java/lang/Object." + name;
}

void FakeJava::SetField(jobject obj, const std::string& name, jlong value) {
    Obj(obj)->fields[FieldKey(obj, name)] = Long(value);
}

void FakeJava::SetObjectField(jobject obj, const std::string& name, jobject value) {
    jvalue v = Zero();
    v.l = value;
    Obj(obj)->fields[FieldKey(obj, name)] = v;
}

jlong FakeJava::LongField(jobject obj, const std::string& name) {
    if (!obj) return 0;
    auto it = Obj(obj)->fields.find(FieldKey(obj, name));
    return it == Obj(obj)->fields.end() ? 0 : it->second.j;
}

jint FakeJava::IntField(jobject obj, const std::string& name) {
    if (!obj) return 0;
    auto it = Obj(obj)->fields.find(FieldKey(obj, name));
    return it == Obj(obj)->fields.end() ? 0 : it->second.i;
}

jshort FakeJava::ShortField(jobject obj, const std::string& name) {
    if (!obj) return 0;
    auto it = Obj(obj)->fields.find(FieldKey(obj, name));
    return it == Obj(obj)->fields.end() ? 0 : it->second.s;
}

jobject FakeJava::ObjectField(jobject obj, const std::string& name) {
    if (!obj) return nullptr;
    auto it = Obj(obj)->fields.find(FieldKey(obj, name));
    return it == Obj(obj)->fields.end() ? nullptr : it->second.l;
}

jstring FakeJava::String(const char16_t* text) {
    Object* s = Make(FindClass("java/lang/String"));
    s->isString = true;
    s->text = text;
    return static_cast<jstring>(Handle(s));
}

std::u16string FakeJava::Text(jobject str) {
    return str ? Obj(str)->text : std::u16string();
}

bool FakeJava::TextIs(jobject str, const char16_t* expected) {
    return str && Obj(str)->isString && Obj(str)->text == expected;
}

bool FakeJava::TextIsNoCase(jobject str, const char16_t* expected) {
    if (!str || !Obj(str)->isString) return false;
    std::u16string a = Obj(str)->text, b = expected;
    if (a.size() != b.size()) return false;
    for (size_t i = 0; i < a.size(); ++i) {
        char16_t x = a[i] >= u'a' && a[i] <= u'z' ? a[i] - 32 : a[i];
        char16_t y = b[i] >= u'a' && b[i] <= u'z' ? b[i] - 32 : b[i];
        if (x != y) return false;
    }
    return true;
}

jobject FakeJava::PrimitiveArray(char type, jsize length) {
    Object* a = Make(FindClass(std::string("[") + type));
    a->arrayType = type;
    a->length = length;
    a->data.assign(static_cast<size_t>(length) * ElementSize(type), 0);
    return Handle(a);
}

jobject FakeJava::ObjectArray(const std::string& elementClass, std::initializer_list<jobject> elements) {
    Object* a = Make(FindClass("[L" + elementClass + ";"));
    a->arrayType = 'L';
    a->elements.assign(elements.begin(), elements.end());
    a->length = static_cast<jsize>(a->elements.size());
    return Handle(a);
}

jsize FakeJava::Length(jobject array) {
    return array ? Obj(array)->length : -1;
}

jobject FakeJava::ObjectAt(jobject array, jsize i) {
    Object* a = Obj(array);
    return a && i >= 0 && static_cast<size_t>(i) < a->elements.size() ? a->elements[i] : nullptr;
}

void FakeJava::PutObject(jobject array, jsize i, jobject value) {
    Object* a = Obj(array);
    if (a && i >= 0 && static_cast<size_t>(i) < a->elements.size()) a->elements[i] = value;
}

namespace {
// Milliseconds since 1970 (UTC) of a local time, and back, as the platform
// converts local time.
jlong MillisOfLocal(int year, int month, int day, int hour, int minute, int second) {
    SYSTEMTIME local = {};
    local.wYear = static_cast<WORD>(year);
    local.wMonth = static_cast<WORD>(month);
    local.wDay = static_cast<WORD>(day);
    local.wHour = static_cast<WORD>(hour);
    local.wMinute = static_cast<WORD>(minute);
    local.wSecond = static_cast<WORD>(second);
    FILETIME localTime, utc;
    SystemTimeToFileTime(&local, &localTime);
    LocalFileTimeToFileTime(&localTime, &utc);
    long long ticks = static_cast<long long>((static_cast<unsigned long long>(utc.dwHighDateTime) << 32) | utc.dwLowDateTime);
    return ticks / 10000 - kMillisFrom1601To1970;
}
}  // namespace

jobject FakeJava::Date(int year, int month, int day, int hour, int minute, int second) {
    jobject date = New("java/util/Date");
    SetField(date, "fastTime", MillisOfLocal(year, month, day, hour, minute, second));
    return date;
}

bool FakeJava::DateIs(jobject date, int year, int month, int day, int hour, int minute, int second) {
    return date && IsInstanceOf(date, "java/util/Date") &&
           LongField(date, "fastTime") == MillisOfLocal(year, month, day, hour, minute, second);
}

jobject FakeJava::Color(int red, int green, int blue) {
    jobject color = New("java/awt/Color");
    SetField(color, "value", static_cast<jlong>(0xFF000000u | (red << 16) | (green << 8) | blue));
    return color;
}

bool FakeJava::ColorIs(jobject color, int red, int green, int blue) {
    return color && (LongField(color, "value") & 0xFFFFFF) == ((red << 16) | (green << 8) | blue);
}

jobject FakeJava::Enum(const std::string& className, jint value) {
    jobject e = New(className);
    SetField(e, "__Brv_value", value);
    return e;
}

bool FakeJava::EnumIs(jobject value, jint expected) {
    return value && IsInstanceOf(value, "brivel/TavoEnumeration") && IntField(value, "__Brv_value") == expected;
}

jobject FakeJava::Variant(LONG value) {
    jobject holder = New("brivel/TavoVariant");
    auto* v = static_cast<VARIANT*>(CoTaskMemAlloc(sizeof(VARIANT)));
    VariantInit(v);
    V_VT(v) = VT_I4;
    V_I4(v) = value;
    SetField(holder, "__TavoVariantData", static_cast<jlong>(reinterpret_cast<intptr_t>(v)));
    return holder;
}

jobject FakeJava::Variant(const char16_t* text) {
    jobject holder = New("brivel/TavoVariant");
    auto* v = static_cast<VARIANT*>(CoTaskMemAlloc(sizeof(VARIANT)));
    VariantInit(v);
    V_VT(v) = VT_BSTR;
    V_BSTR(v) = SysAllocString(reinterpret_cast<const OLECHAR*>(text));
    SetField(holder, "__TavoVariantData", static_cast<jlong>(reinterpret_cast<intptr_t>(v)));
    return holder;
}

const VARIANT* FakeJava::VariantOf(jobject holder) {
    return holder ? reinterpret_cast<const VARIANT*>(static_cast<intptr_t>(IntField(holder, "__TavoVariantData"))) : nullptr;
}

jobject FakeJava::ComObject(const std::string& className, IUnknown* pointer) {
    jobject obj = New(className);
    SetField(obj, "__TavoComPtr", static_cast<jlong>(reinterpret_cast<intptr_t>(pointer)));
    return obj;
}

IUnknown* FakeJava::ComPointer(jobject obj) {
    return obj ? reinterpret_cast<IUnknown*>(static_cast<intptr_t>(IntField(obj, "__TavoComPtr"))) : nullptr;
}

// ---- references

jobject FakeJava::Local(jobject handle) {
    if (handle) ++(frames_.empty() ? outsideLocals_ : frames_.back())[handle];
    return handle;
}

void FakeJava::Violation(const std::string& what) {
    if (violations_.find(what) == std::string::npos) violations_ += (violations_.empty() ? "" : "; ") + what;
}

void FakeJava::DeleteLocal(jobject handle) {
    if (!handle) return;
    for (auto frame = frames_.rbegin(); frame != frames_.rend(); ++frame) {
        auto it = frame->find(handle);
        if (it != frame->end()) {
            if (--it->second == 0) frame->erase(it);
            return;
        }
    }
    auto it = outsideLocals_.find(handle);
    if (it == outsideLocals_.end()) {
        Violation("a local reference of " + Obj(handle)->cls->name + " deleted that was not held");
        return;
    }
    if (--it->second == 0) outsideLocals_.erase(it);
}

jobject FakeJava::Global(jobject handle) {
    if (handle) ++globals_[handle];
    return handle;
}

void FakeJava::DeleteGlobal(jobject handle) {
    if (!handle) return;
    auto it = globals_.find(handle);
    if (it == globals_.end()) {
        Violation("a global reference of " + Obj(handle)->cls->name + " deleted that was not held");
        return;
    }
    if (--it->second == 0) globals_.erase(it);
}

std::string FakeJava::TakeFailedLookups() {
    std::string lookups;
    lookups.swap(failedLookups_);
    return lookups;
}

int FakeJava::GlobalReferencesHeld() const {
    int held = 0;
    for (const auto& global : globals_) held += global.second;
    return held;
}

void FakeJava::StartReferences() {
    outsideLocals_.clear();
    violations_.clear();
    globalsAtStart_ = globals_;
}

std::string FakeJava::CheckReferences() {
    std::string problems = violations_;
    auto add = [&](const std::string& what) { problems += (problems.empty() ? "" : "; ") + what; };
    for (const auto& local : outsideLocals_)
        add(std::to_string(local.second) + " local reference(s) of " + Obj(local.first)->cls->name + " not deleted");
    for (const auto& global : globals_) {
        auto before = globalsAtStart_.find(global.first);
        int made = global.second - (before == globalsAtStart_.end() ? 0 : before->second);
        if (made <= 0) continue;
        Object* obj = Obj(global.first);
        bool isClass = obj->cls && obj->cls->name == "java/lang/Class";
        // A class kept once is a cache; a second reference of it is not.
        if (isClass && made == 1 && cachedClasses_.insert(static_cast<Class*>(obj)->name).second) continue;
        add(std::to_string(made) + " global reference(s) of " +
            (isClass ? "the class " + static_cast<Class*>(obj)->name : obj->cls->name) + " not deleted");
    }
    outsideLocals_.clear();
    violations_.clear();
    globalsAtStart_ = globals_;
    return problems;
}

std::string FakeJava::TakeException() {
    if (!pending_) return std::string();
    std::string text = pending_->cls->name + ": " + Narrow(Text(ObjectField(Handle(pending_), "detailMessage")));
    pending_ = nullptr;
    return text;
}

void FakeJava::OnCall(const std::string& method, Handler handler) {
    handlers_[method] = std::move(handler);
}

std::string FakeJava::TakeListenerReports() {
    std::string reports;
    reports.swap(listenerReports_);
    return reports;
}

Object* FakeJava::TakeReportedException() {
    Object* thrown = reportedException_;
    reportedException_ = nullptr;
    return thrown;
}

void FakeJava::NoClass(const std::string& name) {
    failedLookups_ += "class " + name + "; ";
    ThrowNew(FindClass("java/lang/NoClassDefFoundError"), name.c_str());
}

void FakeJava::ThrowNew(Class* cls, const char* message) {
    Object* throwable = Make(cls);
    SetObjectField(Handle(throwable), "detailMessage", String(FromModifiedUtf8(message ? message : "").c_str()));
    pending_ = throwable;
}

void FakeJava::DeclareField(const std::string& className, const std::string& name, const std::string& signature) {
    fields_.push_back(std::make_unique<Member>(Member{className, name, signature, false}));
}

void FakeJava::DeclareMethod(const std::string& className, const std::string& name, const std::string& signature,
                             bool isStatic) {
    methods_.push_back(std::make_unique<Member>(Member{className, name, signature, isStatic}));
}

// The member of the class or its superclasses with that name (and
// signature, unless any goes); a constructor is the class's own.
const Member* FakeJava::FindMember(std::vector<std::unique_ptr<Member>>& members, Class* cls, const std::string& name,
                                   const std::string& signature, bool anySignature) {
    for (Class* c = cls; c; c = name == "<init>" ? nullptr : c->super)
        for (const auto& m : members)
            if (m->className == c->name && m->name == name && (anySignature || m->signature == signature)) return m.get();
    return nullptr;
}

const Member* FakeJava::FindField(Class* cls, const std::string& name, const std::string& signature) {
    const Member* field = FindMember(fields_, cls, name, signature, false);
    if (field || strict_) return field;
    // Lenient: fields by name, as one class's.
    field = FindMember(fields_, FindClass("java/lang/Object"), name, signature, true);
    if (field) return field;
    DeclareField("java/lang/Object", name, signature);
    return fields_.back().get();
}

jfieldID FakeJava::FieldId(Class* cls, const std::string& name, const std::string& signature) {
    const Member* field = FindField(cls, name, signature);
    if (!field) {
        failedLookups_ += "field " + (cls ? cls->name : std::string("?")) + "." + name + " " + signature + "; ";
        ThrowNew(FindClass("java/lang/NoSuchFieldError"), name.c_str());
    }
    return reinterpret_cast<jfieldID>(const_cast<Member*>(field));
}

const std::string& FakeJava::Signature(jmethodID id) {
    return reinterpret_cast<const Member*>(id)->signature;
}

jmethodID FakeJava::MethodId(Class* cls, const std::string& name, const std::string& signature, bool isStatic) {
    const Member* method = FindMember(methods_, cls, name, signature, false);
    if (method && method->isStatic == isStatic) return reinterpret_cast<jmethodID>(const_cast<Member*>(method));
    if (strict_) {
        failedLookups_ += std::string(isStatic ? "static " : "") + "method " + (cls ? cls->name : std::string("?")) + "." +
                          name + signature + "; ";
        ThrowNew(FindClass("java/lang/NoSuchMethodError"), name.c_str());
        return nullptr;
    }
    DeclareMethod(cls ? cls->name : std::string(), name, signature, isStatic);
    return reinterpret_cast<jmethodID>(methods_.back().get());
}

// The methods of Java's classes that the natives and the runtime call, and
// the listener's methods, answered by the test's handlers.
jvalue FakeJava::Call(jobject self, jmethodID id, Args& args) {
    const Member& m = *reinterpret_cast<const Member*>(id);
    jvalue result = Zero();
    if (m.isStatic) {
        if (m.name == "intToEnumeratedValue") {
            result.l = Enum(m.className, args.Int());
        } else if (m.name == "TavoSetModeMTA") {
            args.Int();
        } else if (handlers_.count(m.name)) {
            return handlers_[m.name](nullptr, args);
        } else {
            Unknown(*this, "static " + m.className + "." + m.name + m.signature);
        }
        return result;
    }
    if (m.name == "getTime") return Long(LongField(self, "fastTime"));
    if (m.name == "getRed") return Long((LongField(self, "value") >> 16) & 0xFF);
    if (m.name == "getGreen") return Long((LongField(self, "value") >> 8) & 0xFF);
    if (m.name == "getBlue") return Long(LongField(self, "value") & 0xFF);
    if (m.name == "getRGB") return Long(LongField(self, "value"));
    if (m.name == "TavoOnEventError") {
        jobject event = args.Object(), error = args.Object();
        listenerReports_ += "TavoOnEventError(" + Narrow(Text(event)) + ", " + Narrow(Text(error)) + ") ";
        return result;
    }
    if (m.name == "TavoOnEventException") {
        jobject event = args.Object(), thrown = args.Object();
        // The product's exception is kept for the cell to judge (a value
        // the sink could not send back); any other is a report.
        if (thrown && !reportedException_ && Obj(thrown)->cls->name == "brivel/TavoException") {
            reportedException_ = Obj(thrown);
            return result;
        }
        listenerReports_ += "TavoOnEventException(" + Narrow(Text(event)) + ", " +
                            (thrown ? Obj(thrown)->cls->name : std::string("null")) + ") ";
        return result;
    }
    auto handler = handlers_.find(m.name);
    if (handler != handlers_.end()) return handler->second(self, args);
    Unknown(*this, m.className + "." + m.name + m.signature);
    return result;
}

jclass FakeJava::Define(const char* name, jobject loader, const jbyte* bytes, jsize size) {
    const auto* first = reinterpret_cast<const unsigned char*>(bytes);
    definitions_.push_back(Definition{name ? name : "", loader, std::vector<unsigned char>(first, first + size)});
    return static_cast<jclass>(Handle(FindClass(name ? name : "")));
}

jobject FakeJava::Construct(Class* cls, jmethodID ctor, Args& args) {
    Object* obj = Make(cls);
    jobject handle = Handle(obj);
    const Member& m = *reinterpret_cast<const Member*>(ctor);
    if (m.signature == "()V") return handle;
    if (cls->name == "java/util/Date" && m.signature == "(J)V") {
        SetField(handle, "fastTime", args.Long());
    } else if (cls->name == "java/awt/Color" && m.signature == "(III)V") {
        jint r = args.Int(), g = args.Int(), b = args.Int();
        SetField(handle, "value", static_cast<jlong>(0xFF000000u | ((r & 0xFF) << 16) | ((g & 0xFF) << 8) | (b & 0xFF)));
    } else if (m.signature == "(Ljava/lang/String;)V") {
        SetObjectField(handle, "detailMessage", args.Object());
    } else if (m.signature == "(I)V") {
        SetField(handle, cls->name == "java/lang/Integer" ? "value" : "__Brv_value", args.Int());
    } else if (m.signature.size() > 2 && m.signature[1] == '[') {
        SetObjectField(handle, "array", args.Object());  // a holder of brivel.out
    } else {
        Unknown(*this, "constructor " + cls->name + m.signature);
    }
    return handle;
}

// ---------------------------------------------------------------- JNI functions

namespace {

FakeJava& F() { return Current(); }
Object* O(jobject h) { return F().Obj(h); }

jint JNICALL GetVersion(JNIEnv*) { return JNI_VERSION_1_6; }

jclass JNICALL FindClassJ(JNIEnv*, const char* name) {
    Class* cls = F().FindClass(name ? name : "");
    if (!cls) {
        F().NoClass(name ? name : "");
        return nullptr;
    }
    return static_cast<jclass>(F().Local(F().Handle(cls)));
}

jclass JNICALL DefineClassJ(JNIEnv*, const char* name, jobject loader, const jbyte* bytes, jsize size) {
    return static_cast<jclass>(F().Local(F().Define(name, loader, bytes, size)));
}

jclass JNICALL GetObjectClass(JNIEnv*, jobject obj) {
    return obj ? static_cast<jclass>(F().Local(F().Handle(O(obj)->cls))) : nullptr;
}

jboolean JNICALL IsInstanceOfJ(JNIEnv*, jobject obj, jclass cls) {
    return F().IsInstanceOf(obj, F().ClassOf(cls)->name) ? JNI_TRUE : JNI_FALSE;
}

jboolean JNICALL IsSameObject(JNIEnv*, jobject a, jobject b) { return a == b ? JNI_TRUE : JNI_FALSE; }

// ---- exceptions
jint JNICALL Throw(JNIEnv*, jthrowable obj) {
    F().Throw(O(obj));
    return 0;
}
jint JNICALL ThrowNew(JNIEnv*, jclass cls, const char* message) {
    if (!cls) return -1;
    F().ThrowNew(F().ClassOf(cls), message);
    return 0;
}
jthrowable JNICALL ExceptionOccurred(JNIEnv*) { return static_cast<jthrowable>(F().Local(F().Handle(F().Pending()))); }
void JNICALL ExceptionDescribe(JNIEnv*) {
    std::string text = F().TakeException();
    std::fprintf(stderr, "fake Java exception: %s\n", text.c_str());
}
void JNICALL ExceptionClear(JNIEnv*) { F().ClearPending(); }
jboolean JNICALL ExceptionCheck(JNIEnv*) { return F().Pending() ? JNI_TRUE : JNI_FALSE; }

// ---- monitors: a cell runs on one thread, so a monitor only counts its
// entries; leaving one not entered fails as it does in Java.
std::map<jobject, int> g_monitors;
jint JNICALL MonitorEnter(JNIEnv*, jobject obj) {
    if (!obj) return JNI_ERR;
    ++g_monitors[obj];
    return JNI_OK;
}
jint JNICALL MonitorExit(JNIEnv*, jobject obj) {
    auto entered = g_monitors.find(obj);
    if (entered == g_monitors.end()) return JNI_ERR;
    if (--entered->second == 0) g_monitors.erase(entered);
    return JNI_OK;
}
void JNICALL FatalError(JNIEnv*, const char* message) {
    std::fprintf(stderr, "fake Java fatal error: %s\n", message);
    std::abort();
}

// ---- references
jobject JNICALL NewGlobalRef(JNIEnv*, jobject obj) { return F().Global(obj); }
void JNICALL DeleteGlobalRef(JNIEnv*, jobject obj) { F().DeleteGlobal(obj); }
void JNICALL DeleteLocalRef(JNIEnv*, jobject obj) { F().DeleteLocal(obj); }
jobject JNICALL NewLocalRef(JNIEnv*, jobject obj) { return F().Local(obj); }
jint JNICALL EnsureLocalCapacity(JNIEnv*, jint) { return 0; }
jint JNICALL PushLocalFrame(JNIEnv*, jint) {
    F().PushFrame();
    return 0;
}
jobject JNICALL PopLocalFrame(JNIEnv*, jobject result) {
    F().PopFrame();
    return F().Local(result);
}

// ---- objects
jobject JNICALL AllocObject(JNIEnv*, jclass cls) { return F().Local(F().Handle(F().Make(F().ClassOf(cls)))); }
jobject JNICALL NewObjectV(JNIEnv*, jclass cls, jmethodID ctor, va_list args) {
    VaArgs a(args);
    return F().Local(F().Construct(F().ClassOf(cls), ctor, a));
}
jobject JNICALL NewObject(JNIEnv* env, jclass cls, jmethodID ctor, ...) {
    va_list args;
    va_start(args, ctor);
    jobject obj = NewObjectV(env, cls, ctor, args);
    va_end(args);
    return obj;
}

jmethodID JNICALL GetMethodID(JNIEnv*, jclass cls, const char* name, const char* signature) {
    return F().MethodId(F().ClassOf(cls), name, signature, false);
}
jmethodID JNICALL GetStaticMethodID(JNIEnv*, jclass cls, const char* name, const char* signature) {
    return F().MethodId(F().ClassOf(cls), name, signature, true);
}

jobject JNICALL CallObjectMethodV(JNIEnv*, jobject obj, jmethodID m, va_list args) {
    VaArgs a(args);
    return F().Local(F().Call(obj, m, a).l);
}
jboolean JNICALL CallBooleanMethodV(JNIEnv*, jobject obj, jmethodID m, va_list args) {
    VaArgs a(args);
    return F().Call(obj, m, a).z;
}
jint JNICALL CallIntMethodV(JNIEnv*, jobject obj, jmethodID m, va_list args) {
    VaArgs a(args);
    return static_cast<jint>(F().Call(obj, m, a).j);
}
jlong JNICALL CallLongMethodV(JNIEnv*, jobject obj, jmethodID m, va_list args) {
    VaArgs a(args);
    return F().Call(obj, m, a).j;
}
void JNICALL CallVoidMethodV(JNIEnv*, jobject obj, jmethodID m, va_list args) {
    VaArgs a(args);
    F().Call(obj, m, a);
}
jobject JNICALL CallStaticObjectMethodV(JNIEnv*, jclass, jmethodID m, va_list args) {
    VaArgs a(args);
    return F().Local(F().Call(nullptr, m, a).l);
}
jobject JNICALL CallStaticObjectMethodA(JNIEnv*, jclass, jmethodID m, const jvalue* args) {
    ValueArgs a(args, F().Signature(m));
    return F().Local(F().Call(nullptr, m, a).l);
}
jboolean JNICALL CallStaticBooleanMethodV(JNIEnv*, jclass, jmethodID m, va_list args) {
    VaArgs a(args);
    return F().Call(nullptr, m, a).z;
}
void JNICALL CallStaticVoidMethodV(JNIEnv*, jclass, jmethodID m, va_list args) {
    VaArgs a(args);
    F().Call(nullptr, m, a);
}

// ---- fields
jfieldID JNICALL GetFieldID(JNIEnv*, jclass cls, const char* name, const char* signature) {
    return F().FieldId(cls ? F().ClassOf(cls) : nullptr, name, signature);
}
jvalue FieldValue(jobject obj, jfieldID id) {
    auto& fields = O(obj)->fields;
    auto it = fields.find(F().Field(id).Key());
    return it == fields.end() ? Zero() : it->second;
}
void SetFieldValue(jobject obj, jfieldID id, jvalue value) { O(obj)->fields[F().Field(id).Key()] = value; }
jobject JNICALL GetObjectField(JNIEnv*, jobject obj, jfieldID id) { return F().Local(FieldValue(obj, id).l); }
jboolean JNICALL GetBooleanField(JNIEnv*, jobject obj, jfieldID id) { return FieldValue(obj, id).z; }
jbyte JNICALL GetByteField(JNIEnv*, jobject obj, jfieldID id) { return FieldValue(obj, id).b; }
jchar JNICALL GetCharField(JNIEnv*, jobject obj, jfieldID id) { return FieldValue(obj, id).c; }
jshort JNICALL GetShortField(JNIEnv*, jobject obj, jfieldID id) { return FieldValue(obj, id).s; }
jint JNICALL GetIntField(JNIEnv*, jobject obj, jfieldID id) { return FieldValue(obj, id).i; }
jlong JNICALL GetLongField(JNIEnv*, jobject obj, jfieldID id) { return FieldValue(obj, id).j; }
jfloat JNICALL GetFloatField(JNIEnv*, jobject obj, jfieldID id) { return FieldValue(obj, id).f; }
jdouble JNICALL GetDoubleField(JNIEnv*, jobject obj, jfieldID id) { return FieldValue(obj, id).d; }
// A narrower value is stored sign- or zero-extended, so that any getter reads it.
void JNICALL SetObjectField(JNIEnv*, jobject obj, jfieldID id, jobject v) {
    jvalue x = Zero();
    x.l = v;
    SetFieldValue(obj, id, x);
}
void JNICALL SetBooleanField(JNIEnv*, jobject obj, jfieldID id, jboolean v) { SetFieldValue(obj, id, Long(v)); }
void JNICALL SetByteField(JNIEnv*, jobject obj, jfieldID id, jbyte v) { SetFieldValue(obj, id, Long(v)); }
void JNICALL SetCharField(JNIEnv*, jobject obj, jfieldID id, jchar v) { SetFieldValue(obj, id, Long(v)); }
void JNICALL SetShortField(JNIEnv*, jobject obj, jfieldID id, jshort v) { SetFieldValue(obj, id, Long(v)); }
void JNICALL SetIntField(JNIEnv*, jobject obj, jfieldID id, jint v) { SetFieldValue(obj, id, Long(v)); }
void JNICALL SetLongField(JNIEnv*, jobject obj, jfieldID id, jlong v) { SetFieldValue(obj, id, Long(v)); }
void JNICALL SetFloatField(JNIEnv*, jobject obj, jfieldID id, jfloat v) {
    jvalue x = Zero();
    x.f = v;
    SetFieldValue(obj, id, x);
}
void JNICALL SetDoubleField(JNIEnv*, jobject obj, jfieldID id, jdouble v) {
    jvalue x = Zero();
    x.d = v;
    SetFieldValue(obj, id, x);
}

// ---- strings
jstring JNICALL NewString(JNIEnv*, const jchar* chars, jsize length) {
    return static_cast<jstring>(
        F().Local(F().String(std::u16string(reinterpret_cast<const char16_t*>(chars), static_cast<size_t>(length)).c_str())));
}
jsize JNICALL GetStringLength(JNIEnv*, jstring str) { return static_cast<jsize>(O(str)->text.size()); }
const jchar* JNICALL GetStringChars(JNIEnv*, jstring str, jboolean* isCopy) {
    if (isCopy) *isCopy = JNI_TRUE;
    const std::u16string& text = O(str)->text;
    // One more character, zero: a native may not rely on it, but the platform gives one.
    std::u16string terminated = text + u'\0';
    return static_cast<const jchar*>(Lend(F(), O(str), terminated.data(), terminated.size() * sizeof(char16_t)));
}
void JNICALL ReleaseStringChars(JNIEnv*, jstring, const jchar* chars) {
    GiveBack(F(), const_cast<jchar*>(chars), 0, false);
}
void JNICALL GetStringRegion(JNIEnv*, jstring str, jsize start, jsize length, jchar* buffer) {
    const std::u16string& text = O(str)->text;
    for (jsize i = 0; i < length && static_cast<size_t>(start + i) < text.size(); ++i) buffer[i] = text[start + i];
}
jstring JNICALL NewStringUTF(JNIEnv*, const char* text) {
    return text ? static_cast<jstring>(F().Local(F().String(FromModifiedUtf8(text).c_str()))) : nullptr;
}
jsize JNICALL GetStringUTFLength(JNIEnv*, jstring str) { return static_cast<jsize>(ToModifiedUtf8(O(str)->text).size()); }
const char* JNICALL GetStringUTFChars(JNIEnv*, jstring str, jboolean* isCopy) {
    if (isCopy) *isCopy = JNI_TRUE;
    std::string text = ToModifiedUtf8(O(str)->text);
    return static_cast<const char*>(Lend(F(), O(str), text.c_str(), text.size() + 1));
}
void JNICALL ReleaseStringUTFChars(JNIEnv*, jstring, const char* chars) {
    GiveBack(F(), const_cast<char*>(chars), 0, false);
}

// ---- arrays
jsize JNICALL GetArrayLength(JNIEnv*, jarray array) { return O(array)->length; }
// No array when the VM can make none: OutOfMemoryError.
bool NoArray() {
    if (!F().FailsArrayCreation()) return false;
    F().ThrowNew(F().FindClass("java/lang/OutOfMemoryError"), "Java heap space");
    return true;
}

jobjectArray JNICALL NewObjectArray(JNIEnv*, jsize length, jclass element, jobject initial) {
    if (NoArray()) return nullptr;
    Object* a = F().Make(F().FindClass("[L" + F().ClassOf(element)->name + ";"));
    a->arrayType = 'L';
    a->length = length;
    a->elements.assign(static_cast<size_t>(length), initial);
    return static_cast<jobjectArray>(F().Local(F().Handle(a)));
}
jobject JNICALL GetObjectArrayElement(JNIEnv*, jobjectArray array, jsize i) { return F().Local(F().ObjectAt(array, i)); }
void JNICALL SetObjectArrayElement(JNIEnv*, jobjectArray array, jsize i, jobject value) { F().PutObject(array, i, value); }

template <char Type>
jarray JNICALL NewArray(JNIEnv*, jsize length) {
    if (NoArray()) return nullptr;
    return static_cast<jarray>(F().Local(F().PrimitiveArray(Type, length)));
}
template <typename T>
T* JNICALL GetElements(JNIEnv*, jarray array, jboolean* isCopy) {
    if (isCopy) *isCopy = JNI_TRUE;
    Object* a = O(array);
    return static_cast<T*>(Lend(F(), a, a->data.data(), a->data.size()));
}
template <typename T>
void JNICALL ReleaseElements(JNIEnv*, jarray, T* elements, jint mode) {
    GiveBack(F(), elements, mode, true);
}
template <typename T>
void JNICALL GetRegion(JNIEnv*, jarray array, jsize start, jsize length, T* buffer) {
    Object* a = O(array);
    if (start >= 0 && static_cast<size_t>(start + length) * sizeof(T) <= a->data.size())
        std::memcpy(buffer, &a->data[static_cast<size_t>(start) * sizeof(T)], static_cast<size_t>(length) * sizeof(T));
}
template <typename T>
void JNICALL SetRegion(JNIEnv*, jarray array, jsize start, jsize length, const T* buffer) {
    Object* a = O(array);
    if (start >= 0 && static_cast<size_t>(start + length) * sizeof(T) <= a->data.size())
        std::memcpy(&a->data[static_cast<size_t>(start) * sizeof(T)], buffer, static_cast<size_t>(length) * sizeof(T));
}
void* JNICALL GetPrimitiveArrayCritical(JNIEnv*, jarray array, jboolean* isCopy) {
    if (isCopy) *isCopy = JNI_TRUE;
    Object* a = O(array);
    return Lend(F(), a, a->data.data(), a->data.size());
}
void JNICALL ReleasePrimitiveArrayCritical(JNIEnv*, jarray, void* elements, jint mode) { GiveBack(F(), elements, mode, true); }

// ---- the VM
JavaVM_* g_vm = nullptr;
jint JNICALL GetJavaVM(JNIEnv*, JavaVM** vm) {
    *vm = g_vm;
    return 0;
}
jint JNICALL GetEnv(JavaVM*, void** env, jint) {
    *env = F().env();
    return JNI_OK;
}
jint JNICALL AttachCurrentThread(JavaVM*, void** env, void*) {
    *env = F().env();
    return JNI_OK;
}
jint JNICALL DetachCurrentThread(JavaVM*) { return JNI_OK; }
jint JNICALL DestroyJavaVM(JavaVM*) { return JNI_OK; }

}  // namespace

// Each JNI function that the natives and the runtime call; every other
// entry stays null (a call of one ends the test program at once).
void FillTable(FakeJava& fake, JNINativeInterface_& t, JNIInvokeInterface_& vm) {
    (void)fake;
    std::memset(&t, 0, sizeof t);
    t.GetVersion = GetVersion;
    t.DefineClass = DefineClassJ;
    t.FindClass = FindClassJ;
    t.Throw = Throw;
    t.ThrowNew = ThrowNew;
    t.ExceptionOccurred = ExceptionOccurred;
    t.ExceptionDescribe = ExceptionDescribe;
    t.ExceptionClear = ExceptionClear;
    t.FatalError = FatalError;
    t.PushLocalFrame = PushLocalFrame;
    t.PopLocalFrame = PopLocalFrame;
    t.NewGlobalRef = NewGlobalRef;
    t.DeleteGlobalRef = DeleteGlobalRef;
    t.DeleteLocalRef = DeleteLocalRef;
    t.IsSameObject = IsSameObject;
    t.NewLocalRef = NewLocalRef;
    t.EnsureLocalCapacity = EnsureLocalCapacity;
    t.AllocObject = AllocObject;
    t.NewObject = NewObject;
    t.NewObjectV = NewObjectV;
    t.GetObjectClass = GetObjectClass;
    t.IsInstanceOf = IsInstanceOfJ;
    t.GetMethodID = GetMethodID;
    t.CallObjectMethodV = CallObjectMethodV;
    t.CallBooleanMethodV = CallBooleanMethodV;
    t.CallIntMethodV = CallIntMethodV;
    t.CallLongMethodV = CallLongMethodV;
    t.CallVoidMethodV = CallVoidMethodV;
    t.GetFieldID = GetFieldID;
    t.GetObjectField = GetObjectField;
    t.GetBooleanField = GetBooleanField;
    t.GetByteField = GetByteField;
    t.GetCharField = GetCharField;
    t.GetShortField = GetShortField;
    t.GetIntField = GetIntField;
    t.GetLongField = GetLongField;
    t.GetFloatField = GetFloatField;
    t.GetDoubleField = GetDoubleField;
    t.SetObjectField = SetObjectField;
    t.SetBooleanField = SetBooleanField;
    t.SetByteField = SetByteField;
    t.SetCharField = SetCharField;
    t.SetShortField = SetShortField;
    t.SetIntField = SetIntField;
    t.SetLongField = SetLongField;
    t.SetFloatField = SetFloatField;
    t.SetDoubleField = SetDoubleField;
    t.GetStaticMethodID = GetStaticMethodID;
    t.CallStaticObjectMethodV = CallStaticObjectMethodV;
    t.CallStaticObjectMethodA = CallStaticObjectMethodA;
    t.CallStaticBooleanMethodV = CallStaticBooleanMethodV;
    t.CallStaticVoidMethodV = CallStaticVoidMethodV;
    t.NewString = NewString;
    t.GetStringLength = GetStringLength;
    t.GetStringChars = GetStringChars;
    t.ReleaseStringChars = ReleaseStringChars;
    t.NewStringUTF = NewStringUTF;
    t.GetStringUTFLength = GetStringUTFLength;
    t.GetStringUTFChars = GetStringUTFChars;
    t.ReleaseStringUTFChars = ReleaseStringUTFChars;
    t.GetArrayLength = GetArrayLength;
    t.NewObjectArray = NewObjectArray;
    t.GetObjectArrayElement = GetObjectArrayElement;
    t.SetObjectArrayElement = SetObjectArrayElement;
    t.NewBooleanArray = reinterpret_cast<jbooleanArray (JNICALL*)(JNIEnv*, jsize)>(NewArray<'Z'>);
    t.NewByteArray = reinterpret_cast<jbyteArray (JNICALL*)(JNIEnv*, jsize)>(NewArray<'B'>);
    t.NewCharArray = reinterpret_cast<jcharArray (JNICALL*)(JNIEnv*, jsize)>(NewArray<'C'>);
    t.NewShortArray = reinterpret_cast<jshortArray (JNICALL*)(JNIEnv*, jsize)>(NewArray<'S'>);
    t.NewIntArray = reinterpret_cast<jintArray (JNICALL*)(JNIEnv*, jsize)>(NewArray<'I'>);
    t.NewLongArray = reinterpret_cast<jlongArray (JNICALL*)(JNIEnv*, jsize)>(NewArray<'J'>);
    t.NewFloatArray = reinterpret_cast<jfloatArray (JNICALL*)(JNIEnv*, jsize)>(NewArray<'F'>);
    t.NewDoubleArray = reinterpret_cast<jdoubleArray (JNICALL*)(JNIEnv*, jsize)>(NewArray<'D'>);
#define BRIVEL_FAKE_ARRAY(Word, T, JArray)                                                                      \
    t.Get##Word##ArrayElements = reinterpret_cast<T* (JNICALL*)(JNIEnv*, JArray, jboolean*)>(GetElements<T>); \
    t.Release##Word##ArrayElements = reinterpret_cast<void (JNICALL*)(JNIEnv*, JArray, T*, jint)>(ReleaseElements<T>); \
    t.Get##Word##ArrayRegion = reinterpret_cast<void (JNICALL*)(JNIEnv*, JArray, jsize, jsize, T*)>(GetRegion<T>);    \
    t.Set##Word##ArrayRegion = reinterpret_cast<void (JNICALL*)(JNIEnv*, JArray, jsize, jsize, const T*)>(SetRegion<T>);
    BRIVEL_FAKE_ARRAY(Boolean, jboolean, jbooleanArray)
    BRIVEL_FAKE_ARRAY(Byte, jbyte, jbyteArray)
    BRIVEL_FAKE_ARRAY(Char, jchar, jcharArray)
    BRIVEL_FAKE_ARRAY(Short, jshort, jshortArray)
    BRIVEL_FAKE_ARRAY(Int, jint, jintArray)
    BRIVEL_FAKE_ARRAY(Long, jlong, jlongArray)
    BRIVEL_FAKE_ARRAY(Float, jfloat, jfloatArray)
    BRIVEL_FAKE_ARRAY(Double, jdouble, jdoubleArray)
#undef BRIVEL_FAKE_ARRAY
    t.GetStringRegion = GetStringRegion;
    t.GetPrimitiveArrayCritical = GetPrimitiveArrayCritical;
    t.ReleasePrimitiveArrayCritical = ReleasePrimitiveArrayCritical;
    t.ExceptionCheck = ExceptionCheck;
    t.MonitorEnter = MonitorEnter;
    t.MonitorExit = MonitorExit;
    t.GetJavaVM = GetJavaVM;

    std::memset(&vm, 0, sizeof vm);
    vm.DestroyJavaVM = DestroyJavaVM;
    vm.AttachCurrentThread = AttachCurrentThread;
    vm.DetachCurrentThread = DetachCurrentThread;
    vm.GetEnv = GetEnv;
    vm.AttachCurrentThreadAsDaemon = AttachCurrentThread;
}

// Java's own classes and the product's base classes, with the members the
// natives and the runtime use (and the fake's own fields of them).
static void DeclareJavasOwn(FakeJava& j) {
    const char* const lang[][2] = {
        {"java/lang/Class", "java/lang/Object"},
        {"java/lang/String", "java/lang/Object"},
        {"java/lang/Integer", "java/lang/Object"},
        {"java/lang/Throwable", "java/lang/Object"},
        {"java/lang/Exception", "java/lang/Throwable"},
        {"java/lang/RuntimeException", "java/lang/Exception"},
        {"java/lang/NullPointerException", "java/lang/RuntimeException"},
        {"java/lang/Error", "java/lang/Throwable"},
        {"java/lang/OutOfMemoryError", "java/lang/Error"},
        {"java/lang/NoClassDefFoundError", "java/lang/Error"},
        {"java/lang/NoSuchMethodError", "java/lang/Error"},
        {"java/lang/NoSuchFieldError", "java/lang/Error"},
        {"java/util/Date", "java/lang/Object"},
        {"java/awt/Color", "java/lang/Object"},
        {"brivel/TavoObject", "java/lang/Object"},
        {"brivel/TavoRecord", "java/lang/Object"},
        {"brivel/TavoEnumeration", "java/lang/Object"},
        {"brivel/TavoEventListener", "java/lang/Object"},
        {"brivel/TavoVariant", "java/lang/Object"},
        {"brivel/TavoException", "java/lang/Exception"},
    };
    for (const auto& c : lang) j.DefineClass(c[0], c[1]);
    for (const auto& c : lang) {
        std::string name = c[0];
        if (j.IsAssignable(name, "java/lang/Throwable")) j.DeclareMethod(name, "<init>", "(Ljava/lang/String;)V");
    }
    for (const char* name : {"java/lang/Object", "brivel/TavoObject", "brivel/TavoRecord", "brivel/TavoEventListener",
                             "brivel/TavoVariant"})
        j.DeclareMethod(name, "<init>", "()V");
    j.DeclareField("java/lang/Throwable", "detailMessage", "Ljava/lang/String;");
    j.DeclareMethod("java/lang/Class", "getName", "()Ljava/lang/String;");
    j.DeclareField("java/lang/Integer", "value", "I");
    j.DeclareMethod("java/lang/Integer", "<init>", "(I)V");
    j.DeclareField("java/util/Date", "fastTime", "J");
    j.DeclareMethod("java/util/Date", "<init>", "(J)V");
    j.DeclareMethod("java/util/Date", "getTime", "()J");
    j.DeclareField("java/awt/Color", "value", "I");
    j.DeclareMethod("java/awt/Color", "<init>", "(III)V");
    for (const char* get : {"getRed", "getGreen", "getBlue", "getRGB"}) j.DeclareMethod("java/awt/Color", get, "()I");
    j.DeclareField("brivel/TavoObject", "__TavoComPtr", "I");
    j.DeclareMethod("brivel/TavoObject", "TavoSetModeMTA", "(Z)V", true);
    j.DeclareField("brivel/TavoEventListener", "__TavoEventSink", "I");
    j.DeclareMethod("brivel/TavoEventListener", "TavoOnEventError", "(Ljava/lang/String;Ljava/lang/String;)V");
    j.DeclareMethod("brivel/TavoEventListener", "TavoOnEventException", "(Ljava/lang/String;Ljava/lang/Throwable;)V");
    j.DeclareField("brivel/TavoVariant", "__TavoVariantData", "I");
    j.DeclareField("brivel/TavoEnumeration", "__Brv_value", "I");
    j.DeclareMethod("brivel/TavoEnumeration", "getEnumeratedIntValue", "()I");
    // The holders of arrays by reference: brivel.out.Tavo<word>Array, whose
    // field "array" is the array.
    const char* const holders[][2] = {
        {"Boolean", "[Z"}, {"Byte", "[B"}, {"Short", "[S"}, {"Int", "[I"}, {"Long", "[J"}, {"Float", "[F"},
        {"Double", "[D"}, {"String", "[Ljava/lang/String;"}, {"Date", "[Ljava/util/Date;"},
        {"Variant", "[Lbrivel/TavoVariant;"}, {"Comobj", "[Lbrivel/TavoObject;"}, {"Enum", "[Lbrivel/TavoEnumeration;"},
        {"Record", "[Lbrivel/TavoRecord;"},
    };
    for (const auto& h : holders) {
        std::string name = std::string("brivel/out/Tavo") + h[0] + "Array";
        j.DefineClass(name, "java/lang/Object");
        j.DeclareField(name, "array", h[1]);
        j.DeclareMethod(name, "<init>", std::string("(") + h[1] + ")V");
    }
}

FakeJava::FakeJava() {
    g_current = this;
    FillTable(*this, table_, vmTable_);
    env_.functions = &table_;
    vm_.functions = &vmTable_;
    g_vm = &vm_;
    DeclareJavasOwn(*this);
}

FakeJava::~FakeJava() {
    for (auto& lent : g_lent) std::free(lent.first);
    g_lent.clear();
    g_current = nullptr;
    g_vm = nullptr;
}

}  // namespace fakejava
