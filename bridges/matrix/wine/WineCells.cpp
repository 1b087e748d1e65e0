#include "WineCells.h"
#include "ProcAddress.h"

#include <cstdio>

namespace matrixwine {

namespace {

std::string Narrow(const std::u16string& text) {
    std::string out;
    for (char16_t c : text) {
        if (c < 128) {
            out += static_cast<char>(c);
        } else {
            char escape[8];
            std::snprintf(escape, sizeof escape, "\\u%04x", static_cast<unsigned>(c));
            out += escape;
        }
    }
    return out;
}

std::string Narrow(const OLECHAR* text) {
    return text ? Narrow(std::u16string(reinterpret_cast<const char16_t*>(text))) : std::string();
}

// The generated classes the natives and the runtime look into, with their
// superclasses, constructors, fields and the listeners' methods (as
// generated: interface classes and records have a constructor without
// arguments, an enumeration its value's).
void DefineClasses(fakejava::FakeJava& j) {
    for (const char* name : {"IToken", "IShapesDisp", "IShapesVtbl", "IMatrixControl", "Shapes", "EmptyShapes",
                             "FailingShapes", "WrongShapes"}) {
        j.DefineClass(std::string("matrix/shapes/") + name, "brivel/TavoObject");
        j.DeclareMethod(std::string("matrix/shapes/") + name, "<init>", "()V");
    }
    const struct {
        const char* name;
        const char* fields[2][2];
    } records[] = {
        {"Pair", {{"left", "I"}, {"right", "S"}}},
        {"Stamp", {{"first", "I"}, {"last", "I"}}},
        {"tagSpan", {{"lo", "I"}, {"hi", "I"}}},
        {"_FILETIME", {{"dwLowDateTime", "I"}, {"dwHighDateTime", "I"}}},
    };
    for (const auto& record : records) {
        std::string name = std::string("matrix/shapes/") + record.name;
        j.DefineClass(name, "brivel/TavoRecord");
        j.DeclareMethod(name, "<init>", "()V");
        for (const auto& field : record.fields) j.DeclareField(name, field[0], field[1]);
    }
    j.DefineClass("matrix/shapes/Tone", "brivel/TavoEnumeration");
    j.DeclareMethod("matrix/shapes/Tone", "<init>", "(I)V");
    j.DeclareMethod("matrix/shapes/Tone", "intToEnumeratedValue", "(I)Lmatrix/shapes/Tone;", true);
    j.DefineClass("matrix/shapes/DShapesEvents", "brivel/TavoEventListener");
    j.DefineClass("matrix/shapes/IShapesEvents", "brivel/TavoEventListener");
    for (int i = 0; i < kListenerMethodCount; ++i)
        j.DeclareMethod(kListenerMethods[i].className, kListenerMethods[i].name, kListenerMethods[i].signature);
    j.DefineClass("matrix/test/DispatchListener", "matrix/shapes/DShapesEvents");
    j.DefineClass("matrix/test/VtableListener", "matrix/shapes/IShapesEvents");
}

const char* MethodOf(const char* cellName) {
    const char* dot = std::strchr(cellName, '.');
    return dot ? dot + 1 : cellName;
}

}  // namespace

Cells::Cells(const std::string& bridge, const std::string& server) {
    env = J.env();
    J.SetStrict(true);
    DefineClasses(J);
    bridge_ = LoadLibraryA(bridge.c_str());
    server_ = LoadLibraryA(server.c_str());
    if (!bridge_ || !server_) return;
    HMODULE runtime = GetModuleHandleA("brivellib18.dll");
    using Release = void(JNICALL*)(JNIEnv*, jobject);
    releaseObject_ = brivel::ProcAddress<Release>(runtime, "Java_brivel_TavoObject_TavoRelease@8");
    releaseVariant_ = brivel::ProcAddress<Release>(runtime, "Java_brivel_TavoVariant_TavoRelease@8");
    releaseListener_ = brivel::ProcAddress<Release>(runtime, "Java_brivel_TavoEventListener_TavoRelease@8");
    if (!releaseObject_ || !releaseVariant_ || !releaseListener_) return;
    auto getClassObject =
        brivel::ProcAddress<HRESULT(STDAPICALLTYPE*)(REFCLSID, REFIID, void**)>(server_, "DllGetClassObject");
    auto create = [&](const CLSID& clsid, IShapesDisp** out) {
        IClassFactory* factory = nullptr;
        if (getClassObject && SUCCEEDED(getClassObject(clsid, IID_IClassFactory, reinterpret_cast<void**>(&factory)))) {
            factory->CreateInstance(nullptr, IID_IShapesDisp, reinterpret_cast<void**>(out));
            factory->Release();
        }
    };
    create(CLSID_Shapes, &disp_);
    create(CLSID_EmptyShapes, &empty_);
    create(CLSID_FailingShapes, &failing_);
    create(CLSID_WrongShapes, &wrong_);
    if (!disp_ || !empty_ || !failing_ || !wrong_) return;
    disp_->QueryInterface(IID_IShapesVtbl, reinterpret_cast<void**>(&vtbl_));
    disp_->QueryInterface(IID_IMatrixControl, reinterpret_cast<void**>(&control_));
    // The Java objects hold references of their own.
    disp_->AddRef();
    vtbl_->AddRef();
    empty_->AddRef();
    failing_->AddRef();
    wrong_->AddRef();
    dispObj_ = J.ComObject("matrix/shapes/IShapesDisp", disp_);
    vtblObj_ = J.ComObject("matrix/shapes/IShapesVtbl", vtbl_);
    emptyObj_ = J.ComObject("matrix/shapes/IShapesDisp", empty_);
    failingObj_ = J.ComObject("matrix/shapes/IShapesDisp", failing_);
    wrongObj_ = J.ComObject("matrix/shapes/IShapesDisp", wrong_);
    MakeListeners();
}

// A listener of each event interface, its sink made by the listener's own
// native and advised to the server, as a Java listener's constructor and
// addTavoEventListener do.
void Cells::MakeListeners() {
    IConnectionPointContainer* container = nullptr;
    if (FAILED(disp_->QueryInterface(IID_IConnectionPointContainer, reinterpret_cast<void**>(&container)))) return;
    struct Listener {
        const char* className;
        const char* init;
        const IID* iid;
    };
    const Listener listeners[] = {
        {"matrix/test/DispatchListener", "Java_matrix_shapes_DShapesEvents__1_1TavoEventListenerInit@8", &DIID_DShapesEvents},
        {"matrix/test/VtableListener", "Java_matrix_shapes_IShapesEvents__1_1TavoEventListenerInit@8", &IID_IShapesEvents},
    };
    for (const Listener& l : listeners) {
        jobject listener = J.New(l.className);
        auto init = brivel::ProcAddress<jboolean(JNICALL*)(JNIEnv*, jobject)>(bridge_, l.init);
        if (!init || !Call(init, env, listener)) continue;
        listeners_.push_back(listener);
        auto* sink = reinterpret_cast<IUnknown*>(static_cast<intptr_t>(J.IntField(listener, "__TavoEventSink")));
        IConnectionPoint* point = nullptr;
        DWORD cookie = 0;
        if (sink && SUCCEEDED(container->FindConnectionPoint(*l.iid, &point)) && SUCCEEDED(point->Advise(sink, &cookie))) {
            points_.push_back(point);
            cookies_.push_back(cookie);
        } else if (point) {
            point->Release();
        }
    }
    container->Release();
}

Cells::~Cells() {
    for (size_t i = 0; i < points_.size(); ++i) {
        points_[i]->Unadvise(cookies_[i]);
        points_[i]->Release();
    }
    // What the fixture's Java objects hold goes as the VM's programs let it go.
    if (releaseListener_)
        for (jobject listener : listeners_) Call(releaseListener_, env, listener);
    for (jobject obj : {dispObj_, vtblObj_, emptyObj_, failingObj_, wrongObj_}) Release(obj);
    for (IUnknown* p : {static_cast<IUnknown*>(disp_), static_cast<IUnknown*>(vtbl_), static_cast<IUnknown*>(control_),
                        static_cast<IUnknown*>(empty_), static_cast<IUnknown*>(failing_), static_cast<IUnknown*>(wrong_)})
        if (p) p->Release();
}

void Cells::Release(jobject value) {
    if (!value) return;
    fakejava::Object* o = J.Obj(value);
    if (o->arrayType == 'L') {
        for (jobject element : o->elements) Release(element);
    } else if (J.IsInstanceOf(value, "brivel/TavoObject")) {
        if (releaseObject_) Call(releaseObject_, env, value);
    } else if (J.IsInstanceOf(value, "brivel/TavoVariant")) {
        if (releaseVariant_) Call(releaseVariant_, env, value);
    } else if (o->cls->name.rfind("brivel/out/", 0) == 0) {
        Release(J.ObjectField(value, "array"));
    }
}

void Cells::ReleaseOwned() {
    std::vector<jobject> owned;
    owned.swap(owned_);
    for (jobject value : owned) Release(value);
}

// ---- values

jobject Cells::Token(LONG id) {
    IToken* token = nullptr;
    if (!control_ || FAILED(control_->MakeToken(id, &token))) throw CellFailure("no token from the server");
    return Own(J.ComObject("matrix/shapes/IToken", token));
}

jobject Cells::Loose(LONG id) {
    IUnknown* loose = nullptr;
    if (!control_ || FAILED(control_->MakeLoose(id, &loose))) throw CellFailure("no loose object from the server");
    return Own(J.ComObject("brivel/TavoObject", loose));
}

bool Cells::IsToken(jobject object, LONG id) {
    IUnknown* pointer = J.ComPointer(object);
    if (!pointer) return false;
    IToken* token = nullptr;
    if (FAILED(pointer->QueryInterface(IID_IToken, reinterpret_cast<void**>(&token)))) return false;
    LONG actual = 0;
    token->get_Id(&actual);
    token->Release();
    return actual == id;
}

jobject Cells::Record(const char* className, std::initializer_list<std::pair<const char*, jlong>> fields) {
    jobject record = J.New(className);
    for (const auto& field : fields) J.SetField(record, field.first, field.second);
    return record;
}

jobject Cells::Holder(const char* className, jobject array) {
    jobject holder = J.New(className);
    J.SetObjectField(holder, "array", array);
    return holder;
}

bool Cells::VariantIs(jobject holder, LONG value) {
    const VARIANT* v = J.VariantOf(holder);
    return v && V_VT(v) == VT_I4 && V_I4(v) == value;
}

bool Cells::VariantIs(jobject holder, const char16_t* text) {
    const VARIANT* v = J.VariantOf(holder);
    return v && V_VT(v) == VT_BSTR && V_BSTR(v) && std::u16string(reinterpret_cast<const char16_t*>(V_BSTR(v))) == text;
}

bool Cells::VariantIsType(jobject holder, VARTYPE vt) {
    const VARIANT* v = J.VariantOf(holder);
    return v && V_VT(v) == vt;
}

std::string Cells::Show(long long value) {
    return std::to_string(value);
}

std::string Cells::Show(double value) {
    char text[64];
    std::snprintf(text, sizeof text, "%.17g", value);
    return text;
}

std::string Cells::Show(jobject value) {
    if (!value) return "null";
    fakejava::Object* o = J.Obj(value);
    if (o->isString) return "\"" + Narrow(o->text) + "\"";
    if (o->arrayType) {
        std::string text = "[" + std::to_string(o->length) + " element(s) of " + o->arrayType;
        if (o->arrayType == 'I' && o->length > 0) text += ", first " + std::to_string(J.At<jint>(value, 0));
        return text + "]";
    }
    const std::string& cls = o->cls->name;
    if (cls == "java/util/Date") return "date of " + std::to_string(J.LongField(value, "fastTime")) + " ms";
    if (cls == "brivel/TavoVariant") {
        const VARIANT* v = J.VariantOf(value);
        return v ? "VARIANT of vt " + std::to_string(V_VT(v)) : "an empty holder";
    }
    if (J.IsInstanceOf(value, "brivel/TavoObject")) {
        IUnknown* p = J.ComPointer(value);
        if (!p) return cls + " without a COM pointer";
        IToken* token = nullptr;
        if (FAILED(p->QueryInterface(IID_IToken, reinterpret_cast<void**>(&token)))) return "an object that is no token";
        LONG id = 0;
        token->get_Id(&id);
        token->Release();
        return "token " + std::to_string(id);
    }
    std::string text = cls + " {";
    for (const auto& field : o->fields) text += " " + field.first + "=" + std::to_string(field.second.j);
    return text + " }";
}

// ---- events

void Cells::Heard(const char* event, const std::string& complaint) {
    heard_ = event;
    if (!complaint.empty() && complaint_.empty()) complaint_ = complaint;
}

void Cells::Fire(const char16_t* event, bool throughVtable) {
    BSTR name = SysAllocString(reinterpret_cast<const OLECHAR*>(event));
    J.FailArrayCreation(starved_);
    HRESULT hr = control_->Fire(name, throughVtable ? VARIANT_TRUE : VARIANT_FALSE);
    J.FailArrayCreation(false);
    SysFreeString(name);
    std::string reports = J.TakeListenerReports();
    fakejava::Object* reported = J.TakeReportedException();
    if (starved_ && starvedTakesArray_) {
        // The event could not be delivered: the listener hears why, and
        // what the server finds in the argument is not the listener's.
        std::string expected = "TavoOnEventException(" + Narrow(std::u16string(event)) + ", java/lang/OutOfMemoryError) ";
        if (!heard_.empty()) throw CellFailure("the listener's " + heard_ + " was reached without its array");
        if (reports != expected) throw CellFailure("the listener was told \"" + reports + "\", not \"" + expected + "\"");
        TakeProblem();
        return;
    }
    if (!reports.empty()) throw CellFailure("the listener was told: " + reports);
    if (heard_ != Narrow(std::u16string(event))) throw CellFailure("the listener was not reached");
    if (!complaint_.empty()) throw CellFailure("the listener found " + complaint_);
    if (FAILED(hr)) throw CellFailure("the event failed: " + std::to_string(hr));
    // The exception the sink handed the listener (a value it could not send
    // back) is the cell's, as a call's would be.
    if (reported) J.Throw(reported);
}

void Cells::FireRefused(const char16_t* event, bool throughVtable, bool typed) {
    BSTR name = SysAllocString(reinterpret_cast<const OLECHAR*>(event));
    HRESULT hr = control_->FireRefused(name, throughVtable ? VARIANT_TRUE : VARIANT_FALSE);
    SysFreeString(name);
    std::string reports = J.TakeListenerReports();
    fakejava::Object* reported = J.TakeReportedException();
    std::string text = Narrow(std::u16string(event));
    std::string expected = "TavoOnEventError(" + text + ", Argument count mismatch) ";
    if (typed) expected += "TavoOnEventError(" + text + ", Argument type mismatch) ";
    if (!heard_.empty()) throw CellFailure("the listener's " + heard_ + " was reached");
    if (reports != expected) throw CellFailure("the listener was told \"" + reports + "\", not \"" + expected + "\"");
    if (reported) throw CellFailure("the sink reported an exception");
    if (FAILED(hr)) throw CellFailure("the refusals went wrong: " + std::to_string(hr));
}

// ---- a cell

void Cells::TakeProblem() {
    BSTR problem = nullptr;
    control_->Problem(&problem);
    SysFreeString(problem);
}

std::string Cells::RunStarved(const Cell& cell, bool takesArray) {
    starved_ = true;
    starvedTakesArray_ = takesArray;
    // An event not delivered sends nothing back: no exception of its own.
    Cell undelivered = cell;
    if (takesArray) {
        undelivered.expect = Expect::Runs;
        undelivered.message = nullptr;
    }
    std::string failure = Run(undelivered);
    starved_ = false;
    starvedTakesArray_ = false;
    return failure;
}

std::string Cells::Run(const Cell& cell) {
    if (!control_) return "the server or the bridge could not be loaded";
    if (!cell.body) return std::string("the generated method is ") + cell.mismatch;
    LONG before = 0, after = 0;
    control_->Balance(&before);
    int buffers = J.counts().elementBuffers;
    int unknown = J.counts().unknownCalls;
    heard_.clear();
    complaint_.clear();
    J.ClearHandlers();
    J.StartReferences();
    J.TakeFailedLookups();
    std::string failure;
    try {
        cell.body(*this);
    } catch (const CellFailure& f) {
        failure = f.what();
    }
    auto add = [&](const std::string& what) { failure += (failure.empty() ? "" : "; ") + what; };
    std::string thrown = J.TakeException();
    std::string expected;
    if (cell.expect == Expect::Throws) expected = std::string("brivel/TavoException: ") + cell.message;
    if (std::strcmp(cell.path, "failing") == 0) expected = std::string("brivel/TavoException: Failing ") + MethodOf(cell.name);
    if (expected.empty() && !thrown.empty()) add("Java exception " + thrown);
    if (!expected.empty() && thrown != expected) add("expected " + expected + ", got " + (thrown.empty() ? "nothing" : thrown));
    ReleaseOwned();
    std::string references = J.CheckReferences();
    if (!references.empty()) add("JNI references: " + references);
    BSTR problem = nullptr;
    control_->Problem(&problem);
    if (problem && SysStringLen(problem) > 0) add("the server complained: " + Narrow(problem));
    SysFreeString(problem);
    control_->Balance(&after);
    if (after != before) add("references handed out: " + std::to_string(before) + " before, " + std::to_string(after) + " after");
    if (J.counts().elementBuffers != buffers)
        add(std::to_string(J.counts().elementBuffers - buffers) + " array element or string buffer(s) not given back");
    if (J.counts().unknownCalls != unknown) add("the fake VM was asked for " + J.counts().firstUnknown);
    J.counts().firstUnknown.clear();
    // Lookups that failed (some are tried on purpose), to tell why a cell failed.
    std::string lookups = J.TakeFailedLookups();
    if (!failure.empty() && !lookups.empty()) add("lookups that failed: " + lookups);
    return failure;
}

}  // namespace matrixwine
