// What the shapes server (written from the matrix's table) is made of: the
// complaint it keeps for the tests, the count of references it handed out,
// its tokens, record informations and connection points, and the
// comparisons and conversions of the values that cross.
#pragma once

#include <windows.h>
#include <ole2.h>
#include <oleauto.h>
#include <olectl.h>
#include <ocidl.h>

#include <cstring>
#include <mutex>
#include <string>
#include <vector>

#include "MatrixIds.h"
#include "CountedObject.h"

#ifdef _WIN32
#define MATRIX_EXPORT extern "C" __declspec(dllexport)
#else
#define MATRIX_EXPORT extern "C" __attribute__((visibility("default")))
#endif

// What a method answers when it received something else than its table
// says (the text is kept for the control interface's Problem).
const HRESULT MATRIX_E_MISMATCH = static_cast<HRESULT>(0x80040201L);
// What the failing server answers (with its EXCEPINFO).
const HRESULT MATRIX_E_FAILING = static_cast<HRESULT>(0x80040301L);

// ---- complaints

// Keeps "<method>: <what>" as the server's complaint (the first since the
// last TakeProblem) and answers MATRIX_E_MISMATCH.
HRESULT Bad(const char* method, const std::string& what);
// The complaint, cleared; empty when there was none.
std::string TakeProblem();
// The complaint as a call through IDispatch reports it.
HRESULT BadInvoke(const char* method, const std::string& what, EXCEPINFO* excepInfo);
// The complaint a method kept, reported through IDispatch (and kept again).
HRESULT ReportInvoke(EXCEPINFO* excepInfo);

// ---- values shown in complaints

std::string Show(long long value);
std::string Show(double value);
std::string ShowText(const OLECHAR* text, int length = -1);
std::string ShowAnsi(const char* text);
std::string ShowGuid(const GUID& guid);
std::string ShowVariant(const VARIANT& value);
std::string ShowVariant(const VARIANT* value);
std::string ShowToken(IUnknown* token);
std::string ShowRecord(long long first, long long second);
std::string ShowArray(SAFEARRAY* array);

// ---- comparisons and values

bool BstrIs(BSTR text, const OLECHAR* expected);
bool WideIs(const OLECHAR* text, const OLECHAR* expected);
bool AnsiIs(const char* text, const char* expected);
bool DateIs(DATE date, double expected);
bool VariantIsLong(const VARIANT& value, LONG expected);
bool VariantIsText(const VARIANT& value, const OLECHAR* expected);
void VariantFromLong(VARIANT* target, LONG value);
void VariantFromText(VARIANT* target, const OLECHAR* value);
GUID MakeGuid(DWORD data1, WORD data2, WORD data3, const BYTE (&data4)[8]);
inline GUID MakeGuid(DWORD data1, WORD data2, WORD data3, std::initializer_list<int> data4) {
    BYTE bytes[8] = {};
    int i = 0;
    for (int b : data4) bytes[i++] = static_cast<BYTE>(b);
    return MakeGuid(data1, data2, data3, bytes);
}

// ---- references handed out

// References of the server's values (tokens, record informations) that
// their holders have not released yet; 0 when every caller released what
// it was given.
LONG Outstanding();

// The total that Outstanding() reads, moved by every Counted object.
extern LONG g_matrixOutstanding;
using Counted = brivel::testing::CountedObject<g_matrixOutstanding>;

// ---- tokens: the interface values that cross

// A new token with one reference, owned by the caller.
IToken* NewToken(LONG id);
// The pointer is a token of this server with that number (asked through
// IToken; a null pointer is none).
bool TokenIs(IUnknown* pointer, LONG id);

// ---- the incoming values of out-only arguments

// What an event's out-only argument holds when it is fired: its incoming
// value is undefined, so a sink must write it and never read or free it.
// Each shows when it is used: the text reads "poison", the object and the
// array's lock complain (as the server's complaint) once they are touched.
BSTR PoisonBstr();
IUnknown* PoisonUnknown();
// A locked VT_I4 array of one element (it cannot be destroyed), made anew.
SAFEARRAY* PoisonArray();
// Lets go of an array from PoisonArray (unlocked and destroyed).
void FreePoisonArray(SAFEARRAY* array);
// The value's bytes are all zero: a number, date, record or pointer holds
// its empty value.
bool IsAllZero(const void* value, size_t size);

// ---- loose objects: an IUnknown apart from its IDispatch

// A new object of that number with one reference, owned by the caller: its
// IUnknown (what the call hands out) is another interface pointer than its
// IDispatch, as a coclass object's identity often is; it answers no IToken.
IUnknown* NewLoose(LONG id);
// The pointer is an interface of the loose object of that number; with
// `asDispatch`, it is that object's IDispatch (a slot declared IDispatch*
// must hold it: through its IUnknown the caller would call into another
// vtable).
bool LooseIs(IUnknown* pointer, LONG id, bool asDispatch);
// What a pointer is, for complaints about loose objects.
std::string ShowLoose(IUnknown* pointer);

// ---- events a sink must refuse

// What argument of another type than declared an event is fired with.
enum class WrongArgument {
    None,         // the sink takes the argument as it comes: only a missing one is refused
    Value,        // a value: a token as VT_UNKNOWN
    ValueByRef,   // a value by reference: VT_BYREF | VT_UNKNOWN
    Object,       // an object: a text (VT_BSTR)
    ObjectByRef,  // an object by reference: VT_BYREF | VT_BSTR
};
struct RefusedEvent {
    const char* name;
    const OLECHAR* wideName;
    DISPID dispid;
    WrongArgument wrong;
};
// Fires the event through each sink's IDispatch::Invoke with no argument
// (which it must refuse with DISP_E_BADPARAMCOUNT) and, unless `wrong` is
// None, with one argument of another type (DISP_E_TYPEMISMATCH, the
// argument's index 0 in puArgErr); releases the sinks. A complaint when a
// sink answered otherwise.
HRESULT FireRefusedEvent(const std::vector<IUnknown*>& sinks, const RefusedEvent& event);

// ---- records

// The record information of one record type of the library, each holding
// a counted reference (so that an array or VARIANT left undestroyed shows).
IRecordInfo* NewRecordInfo(const GUID& guid, const OLECHAR* name, ULONG size);

// ---- arrays

SAFEARRAY* NewArray(VARTYPE vt, ULONG count, IRecordInfo* info = nullptr);
// The array is one-dimensional, of `vt` (an interface array of either
// interface type), with `count` elements; a complaint when not.
bool ArrayIs(SAFEARRAY* array, VARTYPE vt, ULONG count, std::string* why);

// Elements of an array, accessed for the scope.
class ArrayData {
public:
    explicit ArrayData(SAFEARRAY* array) : array_(array) {
        if (array_ && FAILED(SafeArrayAccessData(array_, &data_))) data_ = nullptr;
    }
    ~ArrayData() {
        if (data_) SafeArrayUnaccessData(array_);
    }
    ArrayData(const ArrayData&) = delete;
    ArrayData& operator=(const ArrayData&) = delete;
    template <typename T>
    T& At(ULONG i) {
        return static_cast<T*>(data_)[i];
    }

private:
    SAFEARRAY* array_;
    void* data_ = nullptr;
};

// ---- arguments of IDispatch::Invoke

// The positional argument `i` (0 = first) of a call; null when missing.
VARIANT* ArgumentAt(DISPPARAMS* params, UINT i);

// ---- connection points

// A connection point that keeps its sinks as they were advised.
class ConnectionPoint : public IConnectionPoint {
public:
    ConnectionPoint(IUnknown* owner, IConnectionPointContainer* container, const IID& iid)
        : owner_(owner), container_(container), iid_(iid) {}
    ~ConnectionPoint();
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** ppv) override;
    ULONG STDMETHODCALLTYPE AddRef() override { return owner_->AddRef(); }
    ULONG STDMETHODCALLTYPE Release() override { return owner_->Release(); }
    HRESULT STDMETHODCALLTYPE GetConnectionInterface(IID* iid) override;
    HRESULT STDMETHODCALLTYPE GetConnectionPointContainer(IConnectionPointContainer** container) override;
    HRESULT STDMETHODCALLTYPE Advise(IUnknown* sink, DWORD* cookie) override;
    HRESULT STDMETHODCALLTYPE Unadvise(DWORD cookie) override;
    HRESULT STDMETHODCALLTYPE EnumConnections(IEnumConnections**) override { return E_NOTIMPL; }
    // The advised sinks, each answering `iid` with a reference of the caller's.
    std::vector<IUnknown*> Sinks(const IID& iid);
    void DropAll();

private:
    IUnknown* owner_;
    IConnectionPointContainer* container_;
    IID iid_;
    std::mutex lock_;
    std::vector<IUnknown*> sinks_;
};

// ---- the server's class factory

// Creates objects of one class; `make` answers a new object with no reference.
class Factory : public IClassFactory {
public:
    explicit Factory(IUnknown* (*make)()) : make_(make) {}
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** ppv) override;
    ULONG STDMETHODCALLTYPE AddRef() override { return 2; }
    ULONG STDMETHODCALLTYPE Release() override { return 1; }
    HRESULT STDMETHODCALLTYPE CreateInstance(IUnknown* outer, REFIID riid, void** ppv) override;
    HRESULT STDMETHODCALLTYPE LockServer(BOOL) override { return S_OK; }

private:
    IUnknown* (*make_)();
};

// The complaint about an array: empty when it is one-dimensional, of `vt`
// (an interface array of either interface type), with `count` elements that
// `elements` finds right.
template <typename Check>
std::string ArrayProblem(SAFEARRAY* array, VARTYPE vt, ULONG count, Check elements) {
    std::string why;
    if (!ArrayIs(array, vt, count, &why)) return why;
    ArrayData data(array);
    return elements(data);
}
