// The sample control's COM server for the bridge's tests: the control
// BrivelSampleActiveX, served through IDispatch by DISPID as a server built
// on the platform's type checking serves it (by-reference arguments need
// their declared type, values are coerced), with a connection point for its
// events. It keeps the time it started, a text, and the calls it received.
// SetText marks the string it was handed (every character becomes '*'), as
// a control that treats its argument as its own may; SendTimerTicks fires
// one Timer event per tick, on the caller's thread, before it returns.
#include "SampleServer.h"
#include "ConnectionPoint.h"
#include "ClassFactory.h"
#include "CountedObject.h"
#include "OleText.h"

#include <olectl.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <mutex>
#include <string>
#include <vector>

#ifdef _WIN32
#define SERVER_EXPORT extern "C" __declspec(dllexport)
#else
#define SERVER_EXPORT extern "C" __attribute__((visibility("default")))
#endif

namespace {
const IID IID_DBrivelSampleActiveX = {0x27B64635, 0xBABD, 0x4141, {0x98, 0x6B, 0x03, 0x52, 0x44, 0x30, 0x69, 0xC0}};

// The control's members.
const DISPID kGetStartTime = 1, kGetControlName = 2, kGetText = 3, kSetText = 4, kSendTimerTicks = 5,
             kAboutBox = -552;
const DISPID kTimer = 1;  // the event SendTimerTicks fires

LONG g_outstanding = 0;
std::mutex g_lock;  // the calls, the failure mode and the live controls
std::string g_calls;
HRESULT g_failWith = S_OK;

using brivel::testing::Narrow;
using brivel::testing::Wide;

// One argument as the call log shows it: its type and value.
std::string Describe(const VARIANT* v) {
    VARTYPE vt = V_VT(v);
    if (vt == (VT_BYREF | VT_BSTR)) return "REF|BSTR:" + (*V_BSTRREF(v) ? Narrow(*V_BSTRREF(v)) : std::string("null"));
    if (vt & VT_BYREF) return "REF|VT" + std::to_string(vt & ~VT_BYREF);
    switch (vt) {
    case VT_I2: return "I2:" + std::to_string(V_I2(v));
    case VT_I4: return "I4:" + std::to_string(V_I4(v));
    case VT_BSTR: return V_BSTR(v) ? "BSTR:" + Narrow(V_BSTR(v)) : "BSTR:null";
    default: return "VT" + std::to_string(vt);
    }
}

// "<dispid>/<flags> [<first argument>, ...]", arguments in declaration order
// (the caller's array holds them last first).
std::string DescribeCall(DISPID id, WORD flags, const DISPPARAMS* p) {
    std::string text = std::to_string(id) + "/" + std::to_string(flags) + " [";
    for (UINT i = 0; i < p->cArgs; ++i) text += (i ? ", " : "") + Describe(&p->rgvarg[p->cArgs - 1 - i]);
    return text + "]";
}

HRESULT Fail(EXCEPINFO* info, HRESULT scode, const std::string& description) {
    return brivel::testing::DispatchException(info, "BrivelSampleActiveX", scode, description);
}

// The local time now, as an automation date (whole seconds: the conversion
// drops the milliseconds).
DATE Now() {
    SYSTEMTIME st;
    GetLocalTime(&st);
    st.wMilliseconds = 0;
    DATE date = 0;
    SystemTimeToVariantTime(&st, &date);
    return date;
}

using Counted = brivel::testing::CountedObject<g_outstanding>;

class SampleControl;
std::vector<SampleControl*> g_live;

class SampleControl final : public IDispatch, public IConnectionPointContainer, public Counted {
public:
    SampleControl() : start_(Now()), text_(SysAllocString(L"")), events_(static_cast<IDispatch*>(this), kSampleEventsIid) {
        std::lock_guard<std::mutex> lock(g_lock);
        g_live.push_back(this);
    }
    ~SampleControl() override {
        {
            std::lock_guard<std::mutex> lock(g_lock);
            g_live.erase(std::remove(g_live.begin(), g_live.end(), this), g_live.end());
        }
        events_.Sinks().DropAll();
        SysFreeString(text_);
    }

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** ppv) override {
        if (!ppv) return E_POINTER;
        *ppv = nullptr;
        if (IsEqualIID(riid, IID_IUnknown) || IsEqualIID(riid, IID_IDispatch) || IsEqualIID(riid, IID_DBrivelSampleActiveX))
            *ppv = static_cast<IDispatch*>(this);
        else if (IsEqualIID(riid, IID_IConnectionPointContainer))
            *ppv = static_cast<IConnectionPointContainer*>(this);
        if (!*ppv) return E_NOINTERFACE;
        AddRef();
        return S_OK;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return AddRefImpl(); }
    ULONG STDMETHODCALLTYPE Release() override { return ReleaseImpl(); }
    HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* n) override {
        if (!n) return E_POINTER;
        *n = 0;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT, LCID, ITypeInfo**) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE Invoke(DISPID id, REFIID, LCID, WORD flags, DISPPARAMS* params, VARIANT* result,
                                     EXCEPINFO* info, UINT*) override {
        DISPPARAMS none = {nullptr, nullptr, 0, 0};
        if (!params) params = &none;
        HRESULT failWith;
        {
            std::lock_guard<std::mutex> lock(g_lock);
            g_calls += DescribeCall(id, flags, params) + "\n";
            failWith = g_failWith;
        }
        VARIANT scratch;
        VariantInit(&scratch);
        if (!result) result = &scratch;
        VariantInit(result);
        if (!(flags & DISPATCH_METHOD)) return DISP_E_MEMBERNOTFOUND;  // the control has methods only
        if (params->cNamedArgs != 0) return DISP_E_NONAMEDARGS;
        if (failWith == DISP_E_EXCEPTION) return Fail(info, E_FAIL, "The control failed call " + std::to_string(id));
        if (FAILED(failWith)) return failWith;
        HRESULT hr = Call(id, params, result, info);
        VariantClear(&scratch);
        return hr;
    }

    HRESULT STDMETHODCALLTYPE EnumConnectionPoints(IEnumConnectionPoints**) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE FindConnectionPoint(REFIID riid, IConnectionPoint** cp) override {
        if (!cp) return E_POINTER;
        *cp = nullptr;
        if (!IsEqualIID(riid, kSampleEventsIid)) return CONNECT_E_NOCONNECTION;
        *cp = &events_;
        events_.AddRef();
        return S_OK;
    }

    brivel::testing::SinkList& Sinks() { return events_.Sinks(); }

private:
    HRESULT Call(DISPID id, DISPPARAMS* p, VARIANT* result, EXCEPINFO* info) {
        UINT expected = id == kSetText ? 1 : id == kSendTimerTicks ? 2 : 0;
        switch (id) {
        case kGetStartTime: case kGetControlName: case kGetText: case kSetText: case kSendTimerTicks: case kAboutBox:
            break;
        default: return DISP_E_MEMBERNOTFOUND;
        }
        if (p->cArgs != expected) return DISP_E_BADPARAMCOUNT;
        switch (id) {
        case kGetStartTime:
            V_VT(result) = VT_DATE;
            V_DATE(result) = start_;
            return S_OK;
        case kGetControlName:
            V_VT(result) = VT_BSTR;
            V_BSTR(result) = SysAllocString(L"BrivelSampleActiveX Control");
            return S_OK;
        case kGetText:
            V_VT(result) = VT_BSTR;
            V_BSTR(result) = SysAllocStringLen(text_, SysStringLen(text_));
            return S_OK;
        case kSetText: return SetText(&p->rgvarg[0]);
        case kSendTimerTicks: return SendTimerTicks(&p->rgvarg[1], &p->rgvarg[0], result, info);
        default: return S_OK;  // AboutBox: the call log shows it was asked for
        }
    }

    // SetText(BSTR* text): keeps a copy, then marks the caller's string.
    HRESULT SetText(VARIANT* text) {
        if (V_VT(text) != (VT_BYREF | VT_BSTR)) return DISP_E_TYPEMISMATCH;
        BSTR given = *V_BSTRREF(text);
        SysFreeString(text_);
        text_ = SysAllocStringLen(given, SysStringLen(given));
        for (UINT i = 0; i < SysStringLen(given); ++i) given[i] = L'*';
        return S_OK;
    }

    // SendTimerTicks(BSTR* name, short ticks): Timer(name, start + tick
    // seconds, tick) for each tick from 1; true when any tick was sent.
    HRESULT SendTimerTicks(VARIANT* name, VARIANT* ticksArg, VARIANT* result, EXCEPINFO* info) {
        if (V_VT(name) != (VT_BYREF | VT_BSTR)) return DISP_E_TYPEMISMATCH;
        VARIANT ticks;
        VariantInit(&ticks);
        HRESULT hr = VariantChangeType(&ticks, ticksArg, 0, VT_I2);
        if (FAILED(hr)) return hr;
        if (V_I2(&ticks) < 0) return Fail(info, E_INVALIDARG, "The number of ticks cannot be negative");
        for (SHORT tick = 1; tick <= V_I2(&ticks); ++tick) {
            VARIANT args[3];
            V_VT(&args[2]) = VT_BSTR;
            V_BSTR(&args[2]) = SysAllocStringLen(*V_BSTRREF(name), SysStringLen(*V_BSTRREF(name)));
            V_VT(&args[1]) = VT_DATE;
            V_DATE(&args[1]) = start_ + tick / 86400.0;
            V_VT(&args[0]) = VT_I4;
            V_I4(&args[0]) = tick;
            DISPPARAMS event = {args, nullptr, 3, 0};
            Sinks().ForEach([&](IDispatch* d) {
                d->Invoke(kTimer, IID_NULL, 0, DISPATCH_METHOD, &event, nullptr, nullptr, nullptr);
            });
            SysFreeString(V_BSTR(&args[2]));
        }
        V_VT(result) = VT_BOOL;
        V_BOOL(result) = V_I2(&ticks) > 0 ? VARIANT_TRUE : VARIANT_FALSE;
        return S_OK;
    }

    DATE start_;
    BSTR text_;
    brivel::testing::ConnectionPoint events_;
};

IUnknown* MakeControl() {
    SampleControl* control = new SampleControl;
    control->AddRef();
    return static_cast<IDispatch*>(control);
}
brivel::testing::ClassFactory g_factory(MakeControl);
}  // namespace

SERVER_EXPORT HRESULT STDAPICALLTYPE DllGetClassObject(REFCLSID clsid, REFIID riid, LPVOID* object) {
    return brivel::testing::GetClassObject(IsEqualCLSID(clsid, kSampleControlClsid) ? &g_factory : nullptr, riid, object);
}

SERVER_EXPORT HRESULT STDAPICALLTYPE DllCanUnloadNow(void) {
    return g_outstanding == 0 ? S_OK : S_FALSE;
}

SERVER_EXPORT LONG SampleOutstandingReferences(void) {
    return g_outstanding;
}

SERVER_EXPORT UINT SampleCalls(char* text, UINT size) {
    std::lock_guard<std::mutex> lock(g_lock);
    UINT length = static_cast<UINT>(g_calls.size());
    if (text && size > 0) {
        UINT n = std::min(length, size - 1);
        memcpy(text, g_calls.data(), n);
        text[n] = '\0';
    }
    g_calls.clear();
    return length;
}

SERVER_EXPORT void SampleFailCalls(HRESULT hr) {
    std::lock_guard<std::mutex> lock(g_lock);
    g_failWith = hr;
}

SERVER_EXPORT HRESULT SampleFire(DISPID id, DISPPARAMS* params) {
    SampleControl* source = nullptr;
    {
        std::lock_guard<std::mutex> lock(g_lock);
        if (!g_live.empty()) source = g_live.back();
        if (source) source->AddRef();
    }
    if (!source) return E_FAIL;
    HRESULT hr = E_FAIL;
    source->Sinks().ForEach([&](IDispatch* d) {
        hr = d->Invoke(id, IID_NULL, 0, DISPATCH_METHOD, params, nullptr, nullptr, nullptr);
    });
    source->Release();
    return hr;
}

SERVER_EXPORT LONG SampleSinks(void) {
    std::lock_guard<std::mutex> lock(g_lock);
    LONG n = 0;
    for (SampleControl* c : g_live) n += c->Sinks().Count();
    return n;
}
