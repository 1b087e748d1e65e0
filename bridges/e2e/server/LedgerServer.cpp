// Ledger: the COM object of the end-to-end tests. Every reference handed out
// is counted, so that a test can see that its callers released them all.
#include "LedgerServer.h"

#include <olectl.h>

#include <cstddef>
#include <cstdio>
#include <cstring>
#include <mutex>
#include <thread>
#include <vector>

#include "FakeRecordInfo.h"
#include "ConnectionPoint.h"
#include "ClassFactory.h"
#include "CountedObject.h"

#ifdef _WIN32
#define SERVER_EXPORT extern "C" __declspec(dllexport)
#else
#define SERVER_EXPORT extern "C" __attribute__((visibility("default")))
#endif

namespace {
const IID IID_IEntry = {0x7E2E0000, 0x0000, 0x4000, {0x80, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x20}};
const IID IID_ILedger = {0x7E2E0000, 0x0000, 0x4000, {0x80, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x30}};
const IID IID_DLedgerEvents = {0x7E2E0000, 0x0000, 0x4000, {0x80, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x40}};
const IID IID_ITally = {0x7E2E0000, 0x0000, 0x4000, {0x80, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x60}};

// The records of the library, laid out as its type description lays them out.
struct Range {
    LONG low;
    LONG high;
};
struct Tally {
    LONG count;
    alignas(8) double sum;  // 8-byte aligned on the platform, also where the i386 ABI gives 4
    BSTR label;
    SHORT marks[3];
    Range range;
    IDispatch* entry;
};
static_assert(sizeof(Tally) == 40 && offsetof(Tally, label) == 16 && offsetof(Tally, entry) == 36,
              "the type library's layout of Tally");
struct Span {
    LONG from;
    LONG to;
};

// ITally: records passed by pointer through the virtual table.
struct ITally : public IUnknown {
    virtual HRESULT STDMETHODCALLTYPE Count(Tally* tally, Tally* result) = 0;
    virtual HRESULT STDMETHODCALLTYPE Widen(Span* span, Span* wider) = 0;
    virtual HRESULT STDMETHODCALLTYPE Spread(SAFEARRAY* values, SAFEARRAY** names, SAFEARRAY** counts,
                                             SAFEARRAY** result) = 0;
    virtual HRESULT STDMETHODCALLTYPE Gather(SAFEARRAY* entries, SAFEARRAY* moods, SAFEARRAY** next,
                                             SAFEARRAY** kept) = 0;
    virtual HRESULT STDMETHODCALLTYPE Ranges(LONG count, SAFEARRAY** result) = 0;
    virtual HRESULT STDMETHODCALLTYPE Fit(SAFEARRAY* ranges, LONG* count) = 0;
    virtual HRESULT STDMETHODCALLTYPE Peek(LONG* total) = 0;
    // `other` is the ledger's ILedger, a dual interface: its IDispatch.
    virtual HRESULT STDMETHODCALLTYPE LedgerTitle(IDispatch* other, BSTR* title) = 0;
};

LONG g_outstanding = 0;

// Reference counting shared by the server's objects.
using Counted = brivel::testing::CountedObject<g_outstanding>;

// The argument at position `i` (0 = first) of `count`, by-reference values
// followed.
VARIANT* Arg(DISPPARAMS* p, UINT i) {
    if (i >= p->cArgs) return nullptr;
    VARIANT* v = &p->rgvarg[p->cArgs - 1 - i];
    if (V_VT(v) == (VT_BYREF | VT_VARIANT)) v = V_VARIANTREF(v);
    return v;
}

bool Missing(VARIANT* v) {
    return !v || (V_VT(v) == VT_ERROR && V_ERROR(v) == DISP_E_PARAMNOTFOUND);
}

HRESULT ToLong(VARIANT* v, LONG* out) {
    if (!v) return DISP_E_BADPARAMCOUNT;
    if (V_VT(v) == (VT_BYREF | VT_I4)) {
        *out = *V_I4REF(v);
        return S_OK;
    }
    VARIANT t;
    VariantInit(&t);
    HRESULT hr = VariantChangeType(&t, v, 0, VT_I4);
    if (SUCCEEDED(hr)) *out = V_I4(&t);
    return hr;
}

HRESULT ToText(VARIANT* v, BSTR* out) {
    if (!v) return DISP_E_BADPARAMCOUNT;
    VARIANT t;
    VariantInit(&t);
    HRESULT hr = VariantChangeType(&t, v, 0, VT_BSTR);
    if (SUCCEEDED(hr)) *out = V_BSTR(&t);
    return hr;
}

// "<label> <amount>" as a new string.
BSTR Described(BSTR label, LONG amount) {
    OLECHAR digits[12];
    int n = 0;
    unsigned long magnitude = amount < 0 ? 0UL - static_cast<unsigned long>(amount) : static_cast<unsigned long>(amount);
    do {
        digits[n++] = static_cast<OLECHAR>('0' + magnitude % 10);
        magnitude /= 10;
    } while (magnitude);
    if (amount < 0) digits[n++] = '-';
    UINT length = SysStringLen(label);
    BSTR text = SysAllocStringLen(nullptr, length + 1 + n);
    if (!text) return nullptr;
    for (UINT i = 0; i < length; ++i) text[i] = label[i];
    text[length] = ' ';
    for (int i = 0; i < n; ++i) text[length + 1 + i] = digits[n - 1 - i];
    return text;
}

// The elements of a one-dimensional array; 0 for none.
ULONG Length(SAFEARRAY* sa) {
    return sa && sa->cDims == 1 ? sa->rgsabound[0].cElements : 0;
}

// The array of an argument passed by value or by reference; the element
// type is checked when `vt` is given (interfaces as IDispatch or IUnknown).
SAFEARRAY* ArrayOf(VARIANT* v, VARTYPE vt) {
    if (!v || !(V_VT(v) & VT_ARRAY)) return nullptr;
    SAFEARRAY* sa = (V_VT(v) & VT_BYREF) ? *V_ARRAYREF(v) : V_ARRAY(v);
    VARTYPE type = VT_EMPTY;
    if (!sa || FAILED(SafeArrayGetVartype(sa, &type))) return nullptr;
    if (vt == VT_DISPATCH) return type == VT_DISPATCH || type == VT_UNKNOWN ? sa : nullptr;
    return type == vt ? sa : nullptr;
}

// The caller's array slot of a by-reference array argument (as passed, not
// followed through a VARIANT reference).
SAFEARRAY** ArraySlot(DISPPARAMS* p, UINT i) {
    if (i >= p->cArgs) return nullptr;
    VARIANT* v = &p->rgvarg[p->cArgs - 1 - i];
    if ((V_VT(v) & (VT_BYREF | VT_ARRAY)) != (VT_BYREF | VT_ARRAY)) return nullptr;
    return V_ARRAYREF(v);
}

// Replaces the array in a caller's slot: the incoming one is the callee's to
// destroy.
void Replace(SAFEARRAY** slot, SAFEARRAY* fresh) {
    if (*slot) SafeArrayDestroy(*slot);
    *slot = fresh;
}

template <typename T>
SAFEARRAY* Vector(VARTYPE vt, const std::vector<T>& values) {
    SAFEARRAY* sa = SafeArrayCreateVector(vt, 0, static_cast<ULONG>(values.size()));
    if (!sa) return nullptr;
    T* data = nullptr;
    SafeArrayAccessData(sa, reinterpret_cast<void**>(&data));
    for (size_t i = 0; i < values.size(); ++i) data[i] = values[i];
    SafeArrayUnaccessData(sa);
    return sa;
}

template <typename T>
std::vector<T> Elements(SAFEARRAY* sa) {
    std::vector<T> values;
    T* data = nullptr;
    if (!sa || FAILED(SafeArrayAccessData(sa, reinterpret_cast<void**>(&data)))) return values;
    values.assign(data, data + Length(sa));
    SafeArrayUnaccessData(sa);
    return values;
}

// Texts as vectors: the standard wide strings assume the C library's 4-byte
// wchar_t, which the platform's 2-byte OLECHAR is not on linux32.
using Text = std::vector<OLECHAR>;

Text TextOf(BSTR b) {
    return b ? Text(b, b + SysStringLen(b)) : Text();
}

// A string array of copies.
SAFEARRAY* Texts(const std::vector<Text>& texts) {
    std::vector<BSTR> copies;
    for (const Text& t : texts) copies.push_back(SysAllocStringLen(t.data(), static_cast<UINT>(t.size())));
    return Vector(VT_BSTR, copies);  // the array takes the strings over
}

std::vector<Text> TextsOf(SAFEARRAY* sa) {
    std::vector<Text> texts;
    for (BSTR b : Elements<BSTR>(sa)) texts.push_back(TextOf(b));
    return texts;
}

// An interface array holding one new reference per element.
SAFEARRAY* Objects(const std::vector<IDispatch*>& objects) {
    for (IDispatch* d : objects)
        if (d) d->AddRef();
    return Vector(VT_DISPATCH, objects);
}

// The amount of any entry, asked through its IDispatch.
LONG AmountOf(IDispatch* entry) {
    if (!entry) return 0;
    VARIANT v;
    VariantInit(&v);
    DISPPARAMS none = {nullptr, nullptr, 0, 0};
    LONG amount = 0;
    if (SUCCEEDED(entry->Invoke(2, IID_NULL, 0, DISPATCH_PROPERTYGET, &none, &v, nullptr, nullptr)))
        ToLong(&v, &amount);
    VariantClear(&v);
    return amount;
}

// The record information of Range for the arrays the server makes. Each
// array holds a counted reference, so a caller that forgets to destroy one
// shows as an outstanding reference.
class RangeInfo : public brivel::testing::FakeRecordInfo, public Counted {
public:
    RangeInfo() : FakeRecordInfo(sizeof(Range), &kRangeGuid, L"Range") {}
    ULONG STDMETHODCALLTYPE AddRef() override { return AddRefImpl(); }
    ULONG STDMETHODCALLTYPE Release() override { return ReleaseImpl(); }

private:
    static constexpr GUID kRangeGuid = {};  // Range has no identifier in the library
};

// An array of ranges carrying the server's counted record information.
SAFEARRAY* RangeArray(const std::vector<Range>& ranges) {
    RangeInfo* info = new RangeInfo;
    info->AddRef();
    SAFEARRAY* sa = SafeArrayCreateVectorEx(VT_RECORD, 0, static_cast<ULONG>(ranges.size()), info);
    info->Release();  // the array holds its own reference
    if (!sa) return nullptr;
    Range* data = nullptr;
    SafeArrayAccessData(sa, reinterpret_cast<void**>(&data));
    for (size_t i = 0; i < ranges.size(); ++i) data[i] = ranges[i];
    SafeArrayUnaccessData(sa);
    return sa;
}

class Entry : public IDispatch, public Counted {
public:
    Entry(const OLECHAR* label, LONG amount) : label_(SysAllocString(label)), amount_(amount) {}
    ~Entry() override { SysFreeString(label_); }
    LONG amount() const { return amount_; }

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** ppv) override {
        if (IsEqualIID(riid, IID_IUnknown) || IsEqualIID(riid, IID_IDispatch) || IsEqualIID(riid, IID_IEntry)) {
            *ppv = static_cast<IDispatch*>(this);
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
        if (!result) return E_POINTER;
        VariantInit(result);
        if (id == 1) {
            V_VT(result) = VT_BSTR;
            V_BSTR(result) = SysAllocString(label_);
        } else if (id == 2) {
            V_VT(result) = VT_I4;
            V_I4(result) = amount_;
        } else {
            return DISP_E_MEMBERNOTFOUND;
        }
        return S_OK;
    }

private:
    BSTR label_;
    LONG amount_;
};

using Items = brivel::testing::DispatchItems<Entry, g_outstanding>;

// The one connection point of a ledger, DLedgerEvents, and the ledger's ways
// of firing its events at every advised sink.
class Point final : public brivel::testing::ConnectionPoint {
public:
    explicit Point(IUnknown* owner) : ConnectionPoint(owner, IID_DLedgerEvents) {}

    // Answers whether any sink set the by-reference flag.
    bool Fire(DISPID id, LONG what, const OLECHAR* why) {
        VARIANT_BOOL cancel = VARIANT_FALSE;
        Sinks().ForEach([&](IDispatch* d) {
            VARIANT args[2];
            DISPPARAMS p = {args, nullptr, 0, 0};
            if (id == 1) {
                V_VT(&args[1]) = VT_I4;
                V_I4(&args[1]) = what;
                V_VT(&args[0]) = VT_BSTR;
                V_BSTR(&args[0]) = SysAllocString(why);
                p.cArgs = 2;
            } else {
                V_VT(&args[0]) = VT_BYREF | VT_BOOL;
                V_BOOLREF(&args[0]) = &cancel;
                p.cArgs = 1;
            }
            d->Invoke(id, IID_NULL, 0, DISPATCH_METHOD, &p, nullptr, nullptr, nullptr);
            if (id == 1) SysFreeString(V_BSTR(&args[0]));
        });
        return cancel != VARIANT_FALSE;
    }

    // One date.
    void FireDate(DATE when) {
        Sinks().ForEach([&](IDispatch* d) {
            VARIANT arg;
            V_VT(&arg) = VT_DATE;
            V_DATE(&arg) = when;
            DISPPARAMS p = {&arg, nullptr, 1, 0};
            d->Invoke(3, IID_NULL, 0, DISPATCH_METHOD, &p, nullptr, nullptr, nullptr);
        });
    }

    // A record that has no record information.
    void FireTally(Tally* tally) {
        Sinks().ForEach([&](IDispatch* d) {
            VARIANT arg;
            VariantInit(&arg);
            V_VT(&arg) = VT_RECORD;
            arg.pvRecord = tally;
            arg.pRecInfo = nullptr;
            DISPPARAMS p = {&arg, nullptr, 1, 0};
            d->Invoke(4, IID_NULL, 0, DISPATCH_METHOD, &p, nullptr, nullptr, nullptr);
        });
    }

    // The given arguments (last first, as DISPPARAMS holds them); they stay the caller's.
    void FireArgs(DISPID id, VARIANT* args, UINT count) {
        Sinks().ForEach([&](IDispatch* d) {
            DISPPARAMS p = {args, nullptr, count, 0};
            d->Invoke(id, IID_NULL, 0, DISPATCH_METHOD, &p, nullptr, nullptr, nullptr);
        });
    }

    // The same, answering what the last sink answered and the index of the
    // argument it refused (-1 for none).
    HRESULT FireArgsAnswered(DISPID id, VARIANT* args, UINT count, int* argErr) {
        HRESULT answer = S_OK;
        *argErr = -1;
        Sinks().ForEach([&](IDispatch* d) {
            DISPPARAMS p = {args, nullptr, count, 0};
            UINT bad = static_cast<UINT>(-1);
            answer = d->Invoke(id, IID_NULL, 0, DISPATCH_METHOD, &p, nullptr, nullptr, &bad);
            *argErr = static_cast<int>(bad);
        });
        return answer;
    }

    void DropAll() { Sinks().DropAll(); }
};

class Ledger : public IDispatch, public IConnectionPointContainer, public ITally, public Counted {
public:
    Ledger() : title_(SysAllocString(L"")), identity_(*this), point_(static_cast<IDispatch*>(this)) {}
    ~Ledger() override {
        point_.DropAll();
        for (Entry* e : entries_) e->Release();
        SysFreeString(title_);
    }

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** ppv) override {
        if (IsEqualIID(riid, IID_IUnknown)) {
            *ppv = static_cast<IUnknown*>(&identity_);
        } else if (IsEqualIID(riid, IID_IDispatch) || IsEqualIID(riid, IID_ILedger)) {
            *ppv = static_cast<IDispatch*>(this);
        } else if (IsEqualIID(riid, IID_IConnectionPointContainer)) {
            *ppv = static_cast<IConnectionPointContainer*>(this);
        } else if (IsEqualIID(riid, IID_ITally)) {
            *ppv = static_cast<ITally*>(this);
        } else {
            *ppv = nullptr;
            return E_NOINTERFACE;
        }
        AddRefImpl();
        return S_OK;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return AddRefImpl(); }
    ULONG STDMETHODCALLTYPE Release() override { return ReleaseImpl(); }
    HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* n) override {
        *n = 0;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT, LCID, ITypeInfo**) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE Invoke(DISPID id, REFIID, LCID, WORD flags, DISPPARAMS* p, VARIANT* result,
                                     EXCEPINFO* excepInfo, UINT*) override;

    // Count: counts one more, doubles the sum, marks the label and the marks,
    // raises the range; the result is a copy with its own string and
    // reference. Listeners hear of the new tally.
    HRESULT STDMETHODCALLTYPE Count(Tally* tally, Tally* result) override {
        if (!tally || !result) return E_POINTER;
        tally->count += 1;
        tally->sum *= 2;
        std::vector<OLECHAR> text;
        if (tally->label) text.assign(tally->label, tally->label + SysStringLen(tally->label));
        text.push_back(L'!');
        SysFreeString(tally->label);
        tally->label = SysAllocStringLen(text.data(), static_cast<UINT>(text.size()));
        for (SHORT& mark : tally->marks) mark = static_cast<SHORT>(mark + 1);
        tally->range.high += 10;
        *result = *tally;
        result->label = SysAllocString(tally->label);
        if (result->entry) result->entry->AddRef();
        point_.FireTally(tally);
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE Widen(Span* span, Span* wider) override {
        if (!span || !wider) return E_POINTER;
        wider->from = span->from - 1;
        wider->to = span->to + 1;
        return S_OK;
    }

    // Spread: each name gets a "+", the counts are the names' lengths, the
    // result tells the number of values, their sum, the first entry (or
    // nothing) and the names joined.
    HRESULT STDMETHODCALLTYPE Spread(SAFEARRAY* values, SAFEARRAY** names, SAFEARRAY** counts,
                                     SAFEARRAY** result) override {
        if (!names || !counts || !result) return E_POINTER;
        std::vector<double> numbers = Elements<double>(values);
        double sum = 0;
        for (double d : numbers) sum += d;
        auto texts = TextsOf(*names);
        std::vector<LONG> lengths;
        Text joined;
        for (Text& t : texts) {
            lengths.push_back(static_cast<LONG>(t.size()));
            joined.insert(joined.end(), t.begin(), t.end());
            t.push_back(L'+');
        }
        Replace(names, Texts(texts));
        *counts = Vector(VT_I4, lengths);
        std::vector<VARIANT> items(4);
        for (VARIANT& v : items) VariantInit(&v);
        V_VT(&items[0]) = VT_I4;
        V_I4(&items[0]) = static_cast<LONG>(numbers.size());
        V_VT(&items[1]) = VT_R8;
        V_R8(&items[1]) = sum;
        if (!entries_.empty()) {
            V_VT(&items[2]) = VT_DISPATCH;
            V_DISPATCH(&items[2]) = entries_.front();
            entries_.front()->AddRef();
        }
        V_VT(&items[3]) = VT_BSTR;
        V_BSTR(&items[3]) = SysAllocStringLen(joined.data(), static_cast<UINT>(joined.size()));
        *result = Vector(VT_VARIANT, items);  // the array takes the values over
        return S_OK;
    }
    // Gather: keeps the entries of 100 or more, in order (null elements
    // dropped); each mood moves on to the next.
    HRESULT STDMETHODCALLTYPE Gather(SAFEARRAY* entries, SAFEARRAY* moods, SAFEARRAY** next,
                                     SAFEARRAY** kept) override {
        if (!next || !kept) return E_POINTER;
        std::vector<IDispatch*> chosen;
        for (IDispatch* d : Elements<IDispatch*>(entries))
            if (d && AmountOf(d) >= 100) chosen.push_back(d);
        std::vector<LONG> moved;
        for (LONG m : Elements<LONG>(moods)) moved.push_back((m + 1) % 3);
        *next = Vector(VT_I4, moved);
        *kept = Objects(chosen);
        return S_OK;
    }
    // Ranges: `count` ranges {-i, 10 i}.
    HRESULT STDMETHODCALLTYPE Ranges(LONG count, SAFEARRAY** result) override {
        if (!result) return E_POINTER;
        if (count < 0) return E_INVALIDARG;
        std::vector<Range> ranges;
        for (LONG i = 0; i < count; ++i) ranges.push_back({-i, 10 * i});
        *result = RangeArray(ranges);
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE Fit(SAFEARRAY* ranges, LONG* count) override {
        if (!count) return E_POINTER;
        *count = static_cast<LONG>(Length(ranges));
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE Peek(LONG* total) override {
        if (!total) return E_POINTER;
        *total = Total();
        return S_OK;
    }
    // The other's Title, called through the pointer received as it is: the
    // ledger's IUnknown refuses it.
    HRESULT STDMETHODCALLTYPE LedgerTitle(IDispatch* other, BSTR* title) override {
        if (!title) return E_POINTER;
        *title = nullptr;
        if (!other) return E_POINTER;
        VARIANT value;
        VariantInit(&value);
        DISPPARAMS noArgs = {nullptr, nullptr, 0, 0};
        HRESULT hr = other->Invoke(1, IID_NULL, 0, DISPATCH_PROPERTYGET, &noArgs, &value, nullptr, nullptr);
        if (FAILED(hr)) return hr;
        if (V_VT(&value) != VT_BSTR) {
            VariantClear(&value);
            return DISP_E_TYPEMISMATCH;
        }
        *title = V_BSTR(&value);
        return S_OK;
    }

    HRESULT STDMETHODCALLTYPE EnumConnectionPoints(IEnumConnectionPoints**) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE FindConnectionPoint(REFIID riid, IConnectionPoint** cp) override {
        if (!IsEqualIID(riid, IID_DLedgerEvents) || refuseSinks_) {
            *cp = nullptr;
            return CONNECT_E_NOCONNECTION;
        }
        *cp = &point_;
        point_.AddRef();
        return S_OK;
    }

private:
    // The ledger's identity (what IID_IUnknown answers) is an object apart
    // from its IDispatch, as in a server made of parts: a caller that takes
    // it for the IDispatch reaches this Invoke, which refuses every call.
    class Identity final : public IDispatch {
    public:
        explicit Identity(Ledger& ledger) : ledger_(ledger) {}
        HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** ppv) override { return ledger_.QueryInterface(riid, ppv); }
        ULONG STDMETHODCALLTYPE AddRef() override { return ledger_.AddRef(); }
        ULONG STDMETHODCALLTYPE Release() override { return ledger_.Release(); }
        HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT*) override { return E_UNEXPECTED; }
        HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT, LCID, ITypeInfo**) override { return E_UNEXPECTED; }
        HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override { return E_UNEXPECTED; }
        HRESULT STDMETHODCALLTYPE Invoke(DISPID, REFIID, LCID, WORD, DISPPARAMS*, VARIANT*, EXCEPINFO*, UINT*) override {
            return E_UNEXPECTED;
        }

    private:
        Ledger& ledger_;
    };

    LONG Total() const {
        LONG total = 0;
        for (Entry* e : entries_) total += e->amount();
        return total;
    }

    BSTR title_;
    double ratio_ = 1.5;
    VARIANT_BOOL open_ = VARIANT_TRUE;
    LONG mood_ = 0;
    DATE opened_ = 0.0;
    std::vector<Entry*> entries_;
    bool refuseSinks_ = false;
    Identity identity_;
    Point point_;
};

HRESULT Ledger::Invoke(DISPID id, REFIID, LCID, WORD flags, DISPPARAMS* p, VARIANT* result, EXCEPINFO* excepInfo,
                       UINT*) {
    DISPPARAMS none = {nullptr, nullptr, 0, 0};
    if (!p) p = &none;
    VARIANT scratch;
    if (!result) result = &scratch;
    VariantInit(result);
    bool put = (flags & DISPATCH_PROPERTYPUT) != 0;
    HRESULT hr = S_OK;
    switch (id) {
    case 1:
        if (put) {
            BSTR t = nullptr;
            if (FAILED(hr = ToText(Arg(p, 0), &t))) return hr;
            SysFreeString(title_);
            title_ = t;
        } else {
            V_VT(result) = VT_BSTR;
            V_BSTR(result) = SysAllocString(title_);
        }
        return S_OK;
    case 2:
        V_VT(result) = VT_I4;
        V_I4(result) = Total();
        return S_OK;
    case 3:
        if (put) {
            VARIANT t;
            VariantInit(&t);
            if (FAILED(hr = VariantChangeType(&t, Arg(p, 0), 0, VT_R8))) return hr;
            ratio_ = V_R8(&t);
        } else {
            V_VT(result) = VT_R8;
            V_R8(result) = ratio_;
        }
        return S_OK;
    case 4:
        if (put) {
            VARIANT* v = Arg(p, 0);
            if (!v || V_VT(v) != VT_BOOL) return DISP_E_TYPEMISMATCH;
            open_ = V_BOOL(v);
        } else {
            V_VT(result) = VT_BOOL;
            V_BOOL(result) = open_;
        }
        return S_OK;
    case 5: {  // Add(label, amount, [optional] note)
        BSTR label = nullptr;
        LONG amount = 0;
        if (FAILED(hr = ToText(Arg(p, 0), &label))) return hr;
        if (FAILED(hr = ToLong(Arg(p, 1), &amount))) {
            SysFreeString(label);
            return hr;
        }
        // A note, when given, is appended to the label.
        VARIANT* note = Arg(p, 2);
        std::vector<OLECHAR> text(label, label + SysStringLen(label));
        if (!Missing(note)) {
            BSTR n = nullptr;
            if (SUCCEEDED(ToText(note, &n))) {
                text.push_back(L'/');
                text.insert(text.end(), n, n + SysStringLen(n));
                SysFreeString(n);
            }
        }
        text.push_back(0);
        SysFreeString(label);
        Entry* e = new Entry(text.data(), amount);
        e->AddRef();
        entries_.push_back(e);
        V_VT(result) = VT_DISPATCH;
        V_DISPATCH(result) = e;
        e->AddRef();
        return S_OK;
    }
    case 6: {  // Scale(factor, [defaultvalue 2] divisor)
        LONG factor = 0, divisor = 2;
        if (FAILED(hr = ToLong(Arg(p, 0), &factor))) return hr;
        if (!Missing(Arg(p, 1)) && FAILED(hr = ToLong(Arg(p, 1), &divisor))) return hr;
        if (divisor == 0) return DISP_E_DIVBYZERO;
        V_VT(result) = VT_I4;
        V_I4(result) = factor * 10 / divisor;
        return S_OK;
    }
    case 7: {  // Split(value, [out] half, [in, out] rest)
        LONG value = 0;
        if (FAILED(hr = ToLong(Arg(p, 0), &value))) return hr;
        VARIANT* half = p->cArgs > 1 ? &p->rgvarg[p->cArgs - 2] : nullptr;
        VARIANT* rest = p->cArgs > 2 ? &p->rgvarg[p->cArgs - 3] : nullptr;
        if (!half || !rest || V_VT(half) != (VT_BYREF | VT_I4) || V_VT(rest) != (VT_BYREF | VT_I4))
            return DISP_E_TYPEMISMATCH;
        *V_I4REF(half) = value / 2;
        *V_I4REF(rest) = *V_I4REF(rest) + value - value / 2;
        return S_OK;
    }
    case 8: {  // Fail(why): the error with its description
        BSTR why = nullptr;
        if (FAILED(hr = ToText(Arg(p, 0), &why))) return hr;
        if (excepInfo) {
            std::memset(excepInfo, 0, sizeof *excepInfo);
            excepInfo->bstrSource = SysAllocString(L"E2e.Ledger");
            excepInfo->bstrDescription = why;
            excepInfo->scode = E_INVALIDARG;
        } else {
            SysFreeString(why);
        }
        return DISP_E_EXCEPTION;
    }
    case 9: {  // Echo(v, [out] copy)
        VARIANT* v = Arg(p, 0);
        VARIANT* copy = p->cArgs > 1 ? &p->rgvarg[p->cArgs - 2] : nullptr;
        if (!v || !copy || V_VT(copy) != (VT_BYREF | VT_VARIANT)) return DISP_E_TYPEMISMATCH;
        VariantClear(V_VARIANTREF(copy));
        if (FAILED(hr = VariantCopyInd(V_VARIANTREF(copy), v))) return hr;
        return VariantCopyInd(result, v);
    }
    case 10:
        if (put) {
            if (FAILED(hr = ToLong(Arg(p, 0), &mood_))) return hr;
        } else {
            V_VT(result) = VT_I4;
            V_I4(result) = mood_;
        }
        return S_OK;
    case 11: {  // Shift(short by)
        VARIANT t;
        VariantInit(&t);
        if (FAILED(hr = VariantChangeType(&t, Arg(p, 0), 0, VT_I2))) return hr;
        V_VT(result) = VT_I2;
        V_I2(result) = static_cast<SHORT>(V_I2(&t) * 2);  // a left shift of a negative value is undefined
        return S_OK;
    }
    case 12:    // Notify(what, why): Changed, then Closing; a cancel renames the ledger
    case 13: {  // the same from another thread
        LONG what = 0;
        BSTR why = nullptr;
        if (FAILED(hr = ToLong(Arg(p, 0), &what))) return hr;
        if (FAILED(hr = ToText(Arg(p, 1), &why))) return hr;
        auto fire = [this, what, why] {
            point_.Fire(1, what, why);
            if (point_.Fire(2, 0, nullptr)) {
                SysFreeString(title_);
                title_ = SysAllocString(L"cancelled");
            }
        };
        if (id == 12) {
            fire();
        } else {
            std::thread([&fire] {
                CoInitializeEx(nullptr, COINIT_MULTITHREADED);
                fire();
                CoUninitialize();
            }).join();
        }
        SysFreeString(why);
        return S_OK;
    }
    case 14:
        if (entries_.empty()) return S_OK;  // VT_EMPTY: no entry
        V_VT(result) = VT_DISPATCH;
        V_DISPATCH(result) = entries_.front();
        entries_.front()->AddRef();
        return S_OK;
    case 15:
        if (put) {
            VARIANT t;
            VariantInit(&t);
            if (FAILED(hr = VariantChangeType(&t, Arg(p, 0), 0, VT_DATE))) return hr;
            opened_ = V_DATE(&t);
        } else {
            V_VT(result) = VT_DATE;
            V_DATE(result) = opened_;
        }
        return S_OK;
    case 16: {  // AddDays(from, days, [out] after)
        VARIANT from;
        VariantInit(&from);
        LONG days = 0;
        if (FAILED(hr = VariantChangeType(&from, Arg(p, 0), 0, VT_DATE))) return hr;
        if (FAILED(hr = ToLong(Arg(p, 1), &days))) return hr;
        VARIANT* after = p->cArgs > 2 ? &p->rgvarg[p->cArgs - 3] : nullptr;
        if (!after || V_VT(after) != (VT_BYREF | VT_DATE)) return DISP_E_TYPEMISMATCH;
        *V_DATEREF(after) = V_DATE(&from) + days;
        return S_OK;
    }
    case 17: {  // Stamp(when): Stamped(when)
        VARIANT when;
        VariantInit(&when);
        if (FAILED(hr = VariantChangeType(&when, Arg(p, 0), 0, VT_DATE))) return hr;
        point_.FireDate(V_DATE(&when));
        return S_OK;
    }
    case 18: {  // Running(values, [in, out] scaled, [out] labels): running sums
        SAFEARRAY* values = ArrayOf(Arg(p, 0), VT_I4);
        SAFEARRAY** scaled = ArraySlot(p, 1);
        SAFEARRAY** labels = ArraySlot(p, 2);
        if (!values || !scaled || !labels) return DISP_E_TYPEMISMATCH;
        // The scaled values times the ratio, and one more: the sum.
        std::vector<LONG> sums;
        LONG sum = 0;
        for (LONG v : Elements<LONG>(values)) sums.push_back(sum += v);
        std::vector<double> times;
        for (double d : Elements<double>(*scaled)) times.push_back(d * ratio_);
        times.push_back(sum);
        Replace(scaled, Vector(VT_R8, times));
        std::vector<Text> names;
        for (Entry* e : entries_) {
            VARIANT label;
            VariantInit(&label);
            DISPPARAMS none = {nullptr, nullptr, 0, 0};
            e->Invoke(1, IID_NULL, 0, DISPATCH_PROPERTYGET, &none, &label, nullptr, nullptr);
            names.push_back(V_VT(&label) == VT_BSTR ? TextOf(V_BSTR(&label)) : Text());
            VariantClear(&label);
        }
        Replace(labels, Texts(names));
        V_VT(result) = VT_ARRAY | VT_I4;
        V_ARRAY(result) = Vector(VT_I4, sums);
        return S_OK;
    }
    case 19: {  // Reverse(values)
        SAFEARRAY* values = ArrayOf(Arg(p, 0), VT_VARIANT);
        if (!values) return DISP_E_TYPEMISMATCH;
        std::vector<VARIANT> items = Elements<VARIANT>(values);
        std::vector<VARIANT> copies(items.size());
        for (size_t i = 0; i < items.size(); ++i) {
            VariantInit(&copies[i]);
            VariantCopy(&copies[i], &items[items.size() - 1 - i]);
        }
        V_VT(result) = VT_ARRAY | VT_VARIANT;
        V_ARRAY(result) = Vector(VT_VARIANT, copies);
        return S_OK;
    }
    case 20: {  // Entries(picks, [in, out] swapped): every entry, then the picks
        SAFEARRAY* picks = ArrayOf(Arg(p, 0), VT_DISPATCH);
        SAFEARRAY** swapped = ArraySlot(p, 1);
        if (!picks || !swapped) return DISP_E_TYPEMISMATCH;
        std::vector<IDispatch*> all(entries_.begin(), entries_.end());
        for (IDispatch* d : Elements<IDispatch*>(picks)) all.push_back(d);
        std::vector<IDispatch*> reversed = Elements<IDispatch*>(*swapped);
        std::vector<IDispatch*> back(reversed.rbegin(), reversed.rend());
        Replace(swapped, Objects(back));
        V_VT(result) = VT_ARRAY | VT_DISPATCH;
        V_ARRAY(result) = Objects(all);
        return S_OK;
    }
    case 21: {  // Moods(moods): each moves on to the next
        SAFEARRAY* moods = ArrayOf(Arg(p, 0), VT_I4);
        if (!moods) return DISP_E_TYPEMISMATCH;
        std::vector<LONG> moved;
        for (LONG m : Elements<LONG>(moods)) moved.push_back((m + 1) % 3);
        V_VT(result) = VT_ARRAY | VT_I4;
        V_ARRAY(result) = Vector(VT_I4, moved);
        return S_OK;
    }
    case 22: {  // Announce(names): Listed(names, counts); answers the counts' sum
        SAFEARRAY* names = ArrayOf(Arg(p, 0), VT_BSTR);
        if (!names) return DISP_E_TYPEMISMATCH;
        std::vector<LONG> lengths;
        for (const auto& t : TextsOf(names)) lengths.push_back(static_cast<LONG>(t.size()));
        SAFEARRAY* counts = Vector(VT_I4, lengths);
        VARIANT args[2];
        V_VT(&args[1]) = VT_ARRAY | VT_BSTR;
        V_ARRAY(&args[1]) = names;
        V_VT(&args[0]) = VT_BYREF | VT_ARRAY | VT_I4;
        V_ARRAYREF(&args[0]) = &counts;
        point_.FireArgs(5, args, 2);
        LONG heard = 0;
        for (LONG n : Elements<LONG>(counts)) heard += n;
        if (counts) SafeArrayDestroy(counts);
        V_VT(result) = VT_I4;
        V_I4(result) = heard;
        return S_OK;
    }
    case 23: {  // Describe(label, amount): "<label> <amount>"
        BSTR label = nullptr;
        LONG amount = 0;
        if (FAILED(hr = ToText(Arg(p, 0), &label))) return hr;
        if (FAILED(hr = ToLong(Arg(p, 1), &amount))) {
            SysFreeString(label);
            return hr;
        }
        V_VT(result) = VT_BSTR;
        V_BSTR(result) = Described(label, amount);
        SysFreeString(label);
        return V_BSTR(result) ? S_OK : E_OUTOFMEMORY;
    }
    case 24: {  // TitleOf(other): the other's Title, through the IDispatch received
        VARIANT other;
        VariantInit(&other);
        if (FAILED(hr = VariantChangeType(&other, Arg(p, 0), 0, VT_DISPATCH))) return hr;
        if (!V_DISPATCH(&other)) return E_POINTER;
        DISPPARAMS noArgs = {nullptr, nullptr, 0, 0};
        hr = V_DISPATCH(&other)->Invoke(1, IID_NULL, 0, DISPATCH_PROPERTYGET, &noArgs, result, nullptr, nullptr);
        VariantClear(&other);
        return hr;
    }
    case 25: {  // FireAny(event, count, first, firstType, second, secondType): "<HRESULT> <argErr>"
        LONG event = 0, count = 0, types[2] = {0, 0};
        if (FAILED(hr = ToLong(Arg(p, 0), &event)) || FAILED(hr = ToLong(Arg(p, 1), &count)) ||
            FAILED(hr = ToLong(Arg(p, 3), &types[0])) || FAILED(hr = ToLong(Arg(p, 5), &types[1])))
            return hr;
        if (count < 0 || count > 2) return E_INVALIDARG;
        VARIANT given[2];  // in declaration order
        for (int i = 0; i < 2; ++i) {
            VariantInit(&given[i]);
            VARIANT* from = Arg(p, i == 0 ? 2 : 4);
            hr = !from ? DISP_E_BADPARAMCOUNT
                       : VariantChangeType(&given[i], from, 0, types[i] ? static_cast<VARTYPE>(types[i]) : V_VT(from));
            if (FAILED(hr)) {
                VariantClear(&given[0]);
                return hr;
            }
        }
        VARIANT args[2];  // last first
        for (LONG i = 0; i < count; ++i) args[count - 1 - i] = given[i];
        int argErr = -1;
        HRESULT answer = point_.FireArgsAnswered(event, args, static_cast<UINT>(count), &argErr);
        VariantClear(&given[0]);
        VariantClear(&given[1]);
        char text[40];
        std::snprintf(text, sizeof text, "0x%08lX %d", static_cast<unsigned long>(answer), argErr);
        OLECHAR wide[40] = {};
        for (size_t i = 0; text[i]; ++i) wide[i] = static_cast<OLECHAR>(text[i]);
        V_VT(result) = VT_BSTR;
        V_BSTR(result) = SysAllocString(wide);
        return S_OK;
    }
    case 26: {  // RefuseSinks = refuse
        VARIANT refuse;
        VariantInit(&refuse);
        if (FAILED(hr = VariantChangeType(&refuse, Arg(p, 0), 0, VT_BOOL))) return hr;
        refuseSinks_ = V_BOOL(&refuse) != VARIANT_FALSE;
        return S_OK;
    }
    case DISPID_NEWENUM: {
        Items* items = new Items(entries_, 0);
        items->AddRef();
        V_VT(result) = VT_UNKNOWN;
        V_UNKNOWN(result) = items;
        return S_OK;
    }
    default:
        return DISP_E_MEMBERNOTFOUND;
    }
}

IUnknown* MakeLedger() {
    Ledger* ledger = new Ledger;
    ledger->AddRef();
    return static_cast<IDispatch*>(ledger);
}
brivel::testing::ClassFactory g_factory(MakeLedger);
}  // namespace

SERVER_EXPORT HRESULT STDAPICALLTYPE DllGetClassObject(REFCLSID clsid, REFIID riid, LPVOID* object) {
    return brivel::testing::GetClassObject(IsEqualCLSID(clsid, CLSID_E2eLedger) ? &g_factory : nullptr, riid, object);
}

SERVER_EXPORT HRESULT STDAPICALLTYPE DllCanUnloadNow(void) {
    return g_outstanding == 0 ? S_OK : S_FALSE;
}

SERVER_EXPORT LONG LedgerOutstandingReferences(void) {
    return g_outstanding;
}
