#include "MatrixSupport.h"

#include <cmath>
#include <cstdio>

#include "FakeRecordInfo.h"

namespace {

std::mutex g_problemLock;
std::string g_problem;

}  // namespace

LONG g_matrixOutstanding = 0;

// ---- complaints

HRESULT Bad(const char* method, const std::string& what) {
    std::lock_guard<std::mutex> lock(g_problemLock);
    if (g_problem.empty()) g_problem = std::string(method) + ": " + what;
    return MATRIX_E_MISMATCH;
}

std::string TakeProblem() {
    std::lock_guard<std::mutex> lock(g_problemLock);
    std::string problem;
    problem.swap(g_problem);
    return problem;
}

HRESULT BadInvoke(const char* method, const std::string& what, EXCEPINFO* excepInfo) {
    Bad(method, what);
    return ReportInvoke(excepInfo);
}

HRESULT ReportInvoke(EXCEPINFO* excepInfo) {
    std::string text;
    {
        std::lock_guard<std::mutex> lock(g_problemLock);
        text = g_problem;
    }
    if (!excepInfo) return MATRIX_E_MISMATCH;
    std::memset(excepInfo, 0, sizeof *excepInfo);
    excepInfo->scode = MATRIX_E_MISMATCH;
    std::vector<OLECHAR> wide(text.begin(), text.end());
    excepInfo->bstrDescription = SysAllocStringLen(wide.data(), static_cast<UINT>(wide.size()));
    return DISP_E_EXCEPTION;
}

// ---- values shown in complaints

std::string Show(long long value) {
    return std::to_string(value);
}

std::string Show(double value) {
    char text[64];
    std::snprintf(text, sizeof text, "%.17g", value);
    return text;
}

std::string ShowText(const OLECHAR* text, int length) {
    if (!text) return "null";
    std::string out = "\"";
    for (int i = 0; length < 0 ? text[i] != 0 : i < length; ++i) {
        if (text[i] < 128) {
            out += static_cast<char>(text[i]);
        } else {
            char escape[8];
            std::snprintf(escape, sizeof escape, "\\u%04x", static_cast<unsigned>(text[i]));
            out += escape;
        }
    }
    return out + "\"";
}

std::string ShowAnsi(const char* text) {
    if (!text) return "null";
    std::string out = "\"";
    for (const char* p = text; *p; ++p) {
        unsigned char c = static_cast<unsigned char>(*p);
        if (c < 128) {
            out += *p;
        } else {
            char escape[8];
            std::snprintf(escape, sizeof escape, "\\x%02x", c);
            out += escape;
        }
    }
    return out + "\"";
}

std::string ShowGuid(const GUID& guid) {
    OLECHAR text[40];
    StringFromGUID2(guid, text, 40);
    return ShowText(text);
}

std::string ShowVariant(const VARIANT& value) {
    std::string vt = "vt " + std::to_string(V_VT(&value));
    switch (V_VT(&value)) {
    case VT_I4: return vt + " " + Show(static_cast<long long>(V_I4(&value)));
    case VT_BSTR: return vt + " " + ShowText(V_BSTR(&value), static_cast<int>(SysStringLen(V_BSTR(&value))));
    case VT_UNKNOWN: return vt + (V_UNKNOWN(&value) == PoisonUnknown() ? " as the argument came in" : "");
    default: return vt;
    }
}

std::string ShowVariant(const VARIANT* value) {
    return value ? ShowVariant(*value) : "no argument";
}

std::string ShowToken(IUnknown* token) {
    if (!token) return "null";
    if (token == PoisonUnknown()) return "the object the argument came in with";
    IToken* typed = nullptr;
    if (FAILED(token->QueryInterface(IID_IToken, reinterpret_cast<void**>(&typed))) || !typed)
        return "an object that is no token";
    LONG id = 0;
    typed->get_Id(&id);
    typed->Release();
    return "token " + Show(static_cast<long long>(id));
}

std::string ShowRecord(long long first, long long second) {
    return "{" + Show(first) + ", " + Show(second) + "}";
}

std::string ShowArray(SAFEARRAY* array) {
    if (!array) return "null";
    VARTYPE vt = VT_EMPTY;
    SafeArrayGetVartype(array, &vt);
    return "array of vt " + std::to_string(vt) + ", " + std::to_string(SafeArrayGetDim(array)) + " dimension(s), " +
           std::to_string(array->cDims ? array->rgsabound[0].cElements : 0) + " element(s)";
}

// ---- comparisons and values

bool BstrIs(BSTR text, const OLECHAR* expected) {
    UINT n = 0;
    while (expected[n]) ++n;
    // An empty expected text is the empty BSTR or a null one (the same text).
    if (!text) return n == 0;
    return SysStringLen(text) == n && std::memcmp(text, expected, n * sizeof(OLECHAR)) == 0;
}

bool WideIs(const OLECHAR* text, const OLECHAR* expected) {
    if (!text) return false;
    size_t i = 0;
    for (; expected[i]; ++i)
        if (text[i] != expected[i]) return false;
    return text[i] == 0;
}

bool AnsiIs(const char* text, const char* expected) {
    return text && std::strcmp(text, expected) == 0;
}

// A second's tolerance: the value is a local time of whole seconds.
bool DateIs(DATE date, double expected) {
    return std::fabs(date - expected) < 0.5 / 86400;
}

bool VariantIsLong(const VARIANT& value, LONG expected) {
    return V_VT(&value) == VT_I4 && V_I4(&value) == expected;
}

bool VariantIsText(const VARIANT& value, const OLECHAR* expected) {
    return V_VT(&value) == VT_BSTR && BstrIs(V_BSTR(&value), expected);
}

void VariantFromLong(VARIANT* target, LONG value) {
    VariantInit(target);
    V_VT(target) = VT_I4;
    V_I4(target) = value;
}

void VariantFromText(VARIANT* target, const OLECHAR* value) {
    VariantInit(target);
    V_VT(target) = VT_BSTR;
    V_BSTR(target) = SysAllocString(value);
}

GUID MakeGuid(DWORD data1, WORD data2, WORD data3, const BYTE (&data4)[8]) {
    GUID guid;
    guid.Data1 = data1;
    guid.Data2 = data2;
    guid.Data3 = data3;
    std::memcpy(guid.Data4, data4, 8);
    return guid;
}

// ---- references handed out

LONG Outstanding() {
    return InterlockedCompareExchange(&g_matrixOutstanding, 0, 0);
}

// ---- tokens

namespace {

class Token : public IToken, public Counted {
public:
    explicit Token(LONG id) : id_(id) {}
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** ppv) override {
        if (IsEqualIID(riid, IID_IUnknown) || IsEqualIID(riid, IID_IDispatch) || IsEqualIID(riid, IID_IToken)) {
            *ppv = static_cast<IToken*>(this);
            AddRef();
            return S_OK;
        }
        *ppv = nullptr;
        return E_NOINTERFACE;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return AddRefImpl(); }
    ULONG STDMETHODCALLTYPE Release() override { return ReleaseImpl(); }
    HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* n) override {
        *n = 0;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT, LCID, ITypeInfo**) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE Invoke(DISPID id, REFIID, LCID, WORD, DISPPARAMS*, VARIANT* result, EXCEPINFO*,
                                     UINT*) override {
        if (id != 1) return DISP_E_MEMBERNOTFOUND;
        if (!result) return E_POINTER;
        VariantInit(result);
        V_VT(result) = VT_I4;
        V_I4(result) = id_;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE get_Id(LONG* id) override {
        if (!id) return E_POINTER;
        *id = id_;
        return S_OK;
    }

private:
    LONG id_;
};

}  // namespace

IToken* NewToken(LONG id) {
    Token* token = new Token(id);
    token->AddRef();
    return token;
}

bool TokenIs(IUnknown* pointer, LONG id) {
    if (!pointer) return false;
    IToken* typed = nullptr;
    if (FAILED(pointer->QueryInterface(IID_IToken, reinterpret_cast<void**>(&typed))) || !typed) return false;
    LONG actual = 0;
    HRESULT hr = typed->get_Id(&actual);
    typed->Release();
    return SUCCEEDED(hr) && actual == id;
}

// ---- loose objects

namespace {

// The private identity of a loose object (no interface of the library).
const IID IID_MatrixLooseSelf = {0x7e2e7000, 0x0000, 0x4000, {0x80, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x99}};

class Loose : public IUnknown, public Counted {
public:
    explicit Loose(LONG id) : id_(id), dispatch_(this) {}
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** ppv) override {
        if (!ppv) return E_POINTER;
        if (IsEqualIID(riid, IID_IUnknown) || IsEqualIID(riid, IID_MatrixLooseSelf)) {
            *ppv = static_cast<IUnknown*>(this);
        } else if (IsEqualIID(riid, IID_IDispatch)) {
            *ppv = static_cast<IDispatch*>(&dispatch_);
        } else {
            *ppv = nullptr;
            return E_NOINTERFACE;
        }
        AddRef();
        return S_OK;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return AddRefImpl(); }
    ULONG STDMETHODCALLTYPE Release() override { return ReleaseImpl(); }
    LONG Id() const { return id_; }
    IDispatch* Dispatch() { return &dispatch_; }

private:
    // The object's IDispatch: a vtable of its own; DISPID 1 answers the number.
    class DispatchPart : public IDispatch {
    public:
        explicit DispatchPart(Loose* owner) : owner_(owner) {}
        HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** ppv) override { return owner_->QueryInterface(riid, ppv); }
        ULONG STDMETHODCALLTYPE AddRef() override { return owner_->AddRef(); }
        ULONG STDMETHODCALLTYPE Release() override { return owner_->Release(); }
        HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* n) override {
            *n = 0;
            return S_OK;
        }
        HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT, LCID, ITypeInfo**) override { return E_NOTIMPL; }
        HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override { return E_NOTIMPL; }
        HRESULT STDMETHODCALLTYPE Invoke(DISPID id, REFIID, LCID, WORD, DISPPARAMS*, VARIANT* result, EXCEPINFO*,
                                         UINT*) override {
            if (id != 1) return DISP_E_MEMBERNOTFOUND;
            if (!result) return E_POINTER;
            VariantInit(result);
            V_VT(result) = VT_I4;
            V_I4(result) = owner_->Id();
            return S_OK;
        }

    private:
        Loose* owner_;
    };

    LONG id_;
    DispatchPart dispatch_;
};

// The loose object the pointer is an interface of, with a reference; null
// when it is none.
Loose* LooseOf(IUnknown* pointer) {
    if (!pointer || pointer == PoisonUnknown()) return nullptr;
    void* self = nullptr;
    if (FAILED(pointer->QueryInterface(IID_MatrixLooseSelf, &self))) return nullptr;
    return static_cast<Loose*>(static_cast<IUnknown*>(self));
}

}  // namespace

IUnknown* NewLoose(LONG id) {
    Loose* loose = new Loose(id);
    loose->AddRef();
    return loose;
}

bool LooseIs(IUnknown* pointer, LONG id, bool asDispatch) {
    Loose* loose = LooseOf(pointer);
    if (!loose) return false;
    bool right = loose->Id() == id && (!asDispatch || pointer == static_cast<IUnknown*>(loose->Dispatch()));
    loose->Release();
    return right;
}

std::string ShowLoose(IUnknown* pointer) {
    if (!pointer) return "null";
    Loose* loose = LooseOf(pointer);
    if (!loose) return ShowToken(pointer);
    std::string shown = "loose object " + Show(static_cast<long long>(loose->Id())) +
                        (pointer == static_cast<IUnknown*>(loose->Dispatch()) ? " (its IDispatch)" : " (its IUnknown)");
    loose->Release();
    return shown;
}

// ---- events a sink must refuse

HRESULT FireRefusedEvent(const std::vector<IUnknown*>& sinks, const RefusedEvent& event) {
    HRESULT answer = sinks.empty() ? Bad(event.name, "no listener") : S_OK;
    for (IUnknown* sink : sinks) {
        IDispatch* dispatch = static_cast<IDispatch*>(sink);
        DISPPARAMS none = {nullptr, nullptr, 0, 0};
        UINT argErr = 99;
        HRESULT hr = dispatch->Invoke(event.dispid, IID_NULL, 0, DISPATCH_METHOD, &none, nullptr, nullptr, &argErr);
        if (hr != DISP_E_BADPARAMCOUNT && answer == S_OK)
            answer = Bad(event.name, "without its argument the sink answered " + Show(static_cast<long long>(hr)));
        if (event.wrong != WrongArgument::None) {
            IUnknown* token = NewToken(9);
            BSTR text = SysAllocString(L"not an object");
            IUnknown* const heldToken = token;
            const BSTR heldText = text;
            VARIANT arg;
            VariantInit(&arg);
            switch (event.wrong) {
            case WrongArgument::Value:
                V_VT(&arg) = VT_UNKNOWN;
                V_UNKNOWN(&arg) = token;
                break;
            case WrongArgument::ValueByRef:
                V_VT(&arg) = VT_BYREF | VT_UNKNOWN;
                V_UNKNOWNREF(&arg) = &token;
                break;
            case WrongArgument::Object:
                V_VT(&arg) = VT_BSTR;
                V_BSTR(&arg) = text;
                break;
            default:
                V_VT(&arg) = VT_BYREF | VT_BSTR;
                V_BSTRREF(&arg) = &text;
                break;
            }
            DISPPARAMS params = {&arg, nullptr, 1, 0};
            argErr = 99;
            hr = dispatch->Invoke(event.dispid, IID_NULL, 0, DISPATCH_METHOD, &params, nullptr, nullptr, &argErr);
            if ((hr != DISP_E_TYPEMISMATCH || argErr != 0) && answer == S_OK)
                answer = Bad(event.name, "with an argument of another type the sink answered " +
                                             Show(static_cast<long long>(hr)) + ", argument " + Show(static_cast<long long>(argErr)));
            // A refused argument is left as it came.
            if ((token != heldToken || text != heldText) && answer == S_OK)
                answer = Bad(event.name, "the sink changed the argument it refused");
            heldToken->Release();
            SysFreeString(heldText);
        }
        sink->Release();
    }
    return answer;
}

// ---- records

namespace {

// The records are numbers only: copied byte for byte, nothing to free.
class RecordInfo : public brivel::testing::FakeRecordInfo, public Counted {
public:
    RecordInfo(const GUID& guid, const OLECHAR* name, ULONG size) : FakeRecordInfo(size, &guid, name) {}
    ULONG STDMETHODCALLTYPE AddRef() override { return AddRefImpl(); }
    ULONG STDMETHODCALLTYPE Release() override { return ReleaseImpl(); }
};

}  // namespace

IRecordInfo* NewRecordInfo(const GUID& guid, const OLECHAR* name, ULONG size) {
    RecordInfo* info = new RecordInfo(guid, name, size);
    info->AddRef();
    return info;
}

// ---- arrays

SAFEARRAY* NewArray(VARTYPE vt, ULONG count, IRecordInfo* info) {
    return info ? SafeArrayCreateVectorEx(vt, 0, count, info) : SafeArrayCreateVector(vt, 0, count);
}

namespace {
// The element type as the array's users take it: VT_INT and VT_UINT are this
// platform's VT_I4 and VT_UI4, and an interface array holds either interface.
VARTYPE Sized(VARTYPE vt) {
    switch (vt) {
    case VT_INT: return VT_I4;
    case VT_UINT: return VT_UI4;
    case VT_DISPATCH: return VT_UNKNOWN;
    default: return vt;
    }
}
}  // namespace

bool ArrayIs(SAFEARRAY* array, VARTYPE vt, ULONG count, std::string* why) {
    VARTYPE actual = VT_EMPTY;
    bool ok = array && SafeArrayGetDim(array) == 1 && SUCCEEDED(SafeArrayGetVartype(array, &actual)) &&
              Sized(actual) == Sized(vt) && array->rgsabound[0].cElements == count;
    if (!ok && why) *why = "expected " + std::to_string(count) + " element(s) of vt " + std::to_string(vt) + ", got " + ShowArray(array);
    return ok;
}

// ---- the incoming values of out-only arguments

namespace {

// A BSTR laid out as the platform lays one out (a byte count before the
// characters), in static storage: read, it gives "poison"; it is no one's
// to free.
struct StaticBstr {
    DWORD bytes;
    OLECHAR text[7];
};
StaticBstr g_poisonText = {6 * sizeof(OLECHAR), {'p', 'o', 'i', 's', 'o', 'n', 0}};

// An object no one may use: every method complains.
class PoisonObject : public IUnknown {
public:
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID, void** ppv) override {
        if (ppv) *ppv = nullptr;
        Bad("poison", "the object an out-only argument came in with was asked for an interface");
        return E_NOINTERFACE;
    }
    ULONG STDMETHODCALLTYPE AddRef() override {
        Bad("poison", "the object an out-only argument came in with was kept (AddRef)");
        return 1;
    }
    ULONG STDMETHODCALLTYPE Release() override {
        Bad("poison", "the object an out-only argument came in with was released");
        return 1;
    }
};
PoisonObject g_poisonObject;

}  // namespace

BSTR PoisonBstr() {
    return g_poisonText.text;
}

IUnknown* PoisonUnknown() {
    return &g_poisonObject;
}

SAFEARRAY* PoisonArray() {
    SAFEARRAY* array = SafeArrayCreateVector(VT_I4, 0, 1);
    if (!array) return nullptr;
    LONG index = 0, value = 0x5A5A5A5A;
    SafeArrayPutElement(array, &index, &value);
    SafeArrayLock(array);
    return array;
}

void FreePoisonArray(SAFEARRAY* array) {
    if (!array) return;
    SafeArrayUnlock(array);
    SafeArrayDestroy(array);
}

bool IsAllZero(const void* value, size_t size) {
    const unsigned char* bytes = static_cast<const unsigned char*>(value);
    for (size_t i = 0; i < size; ++i)
        if (bytes[i] != 0) return false;
    return true;
}

// ---- arguments

VARIANT* ArgumentAt(DISPPARAMS* params, UINT i) {
    if (!params || i >= params->cArgs) return nullptr;
    return &params->rgvarg[params->cArgs - 1 - i];
}

// ---- connection points

ConnectionPoint::~ConnectionPoint() {
    DropAll();
}

HRESULT ConnectionPoint::QueryInterface(REFIID riid, void** ppv) {
    if (IsEqualIID(riid, IID_IUnknown) || IsEqualIID(riid, IID_IConnectionPoint)) {
        *ppv = static_cast<IConnectionPoint*>(this);
        AddRef();
        return S_OK;
    }
    *ppv = nullptr;
    return E_NOINTERFACE;
}

HRESULT ConnectionPoint::GetConnectionInterface(IID* iid) {
    if (!iid) return E_POINTER;
    *iid = iid_;
    return S_OK;
}

HRESULT ConnectionPoint::GetConnectionPointContainer(IConnectionPointContainer** container) {
    if (!container) return E_POINTER;
    *container = container_;
    container_->AddRef();
    return S_OK;
}

HRESULT ConnectionPoint::Advise(IUnknown* sink, DWORD* cookie) {
    if (!sink || !cookie) return E_POINTER;
    sink->AddRef();
    std::lock_guard<std::mutex> lock(lock_);
    sinks_.push_back(sink);
    *cookie = static_cast<DWORD>(sinks_.size());
    return S_OK;
}

HRESULT ConnectionPoint::Unadvise(DWORD cookie) {
    IUnknown* sink = nullptr;
    {
        std::lock_guard<std::mutex> lock(lock_);
        if (cookie == 0 || cookie > sinks_.size() || !sinks_[cookie - 1]) return CONNECT_E_NOCONNECTION;
        sink = sinks_[cookie - 1];
        sinks_[cookie - 1] = nullptr;
    }
    sink->Release();
    return S_OK;
}

std::vector<IUnknown*> ConnectionPoint::Sinks(const IID& iid) {
    std::vector<IUnknown*> advised;
    {
        std::lock_guard<std::mutex> lock(lock_);
        for (IUnknown* sink : sinks_)
            if (sink) {
                sink->AddRef();
                advised.push_back(sink);
            }
    }
    std::vector<IUnknown*> answering;
    for (IUnknown* sink : advised) {
        IUnknown* typed = nullptr;
        if (SUCCEEDED(sink->QueryInterface(iid, reinterpret_cast<void**>(&typed))) && typed) answering.push_back(typed);
        sink->Release();
    }
    return answering;
}

void ConnectionPoint::DropAll() {
    std::vector<IUnknown*> sinks;
    {
        std::lock_guard<std::mutex> lock(lock_);
        sinks.swap(sinks_);
    }
    for (IUnknown* sink : sinks)
        if (sink) sink->Release();
}

// ---- class factory

HRESULT Factory::QueryInterface(REFIID riid, void** ppv) {
    if (IsEqualIID(riid, IID_IUnknown) || IsEqualIID(riid, IID_IClassFactory)) {
        *ppv = static_cast<IClassFactory*>(this);
        return S_OK;
    }
    *ppv = nullptr;
    return E_NOINTERFACE;
}

HRESULT Factory::CreateInstance(IUnknown* outer, REFIID riid, void** ppv) {
    if (!ppv) return E_POINTER;
    *ppv = nullptr;
    if (outer) return CLASS_E_NOAGGREGATION;
    IUnknown* object = make_();
    object->AddRef();
    HRESULT hr = object->QueryInterface(riid, ppv);
    object->Release();
    return hr;
}
