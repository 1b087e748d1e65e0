// The web-browser COM server of the bridge's tests: a browser (IWebBrowser2
// with its two event interfaces), the shell's window list (IShellWindows),
// the search assistant (ISearchAssistantOC3 with ISearches and ISearch) and
// the name space (IShellNameSpace), each served through IDispatch by DISPID
// as a server built on the platform's type checking serves them: puts need
// the named DISPID_PROPERTYPUT argument, by-reference arguments their
// declared type. Every reference handed out is counted, the browser tells
// the last call it received (GetProperty("lastCall")), and a test fires any
// event at the advised sinks through BrowserFire.
#include "BrowserServer.h"
#include "ConnectionPoint.h"
#include "ClassFactory.h"
#include "CountedObject.h"
#include "OleText.h"

#include <olectl.h>

#include <cstdio>
#include <map>
#include <mutex>
#include <string>
#include <vector>

#ifdef _WIN32
#define SERVER_EXPORT extern "C" __declspec(dllexport)
#else
#define SERVER_EXPORT extern "C" __attribute__((visibility("default")))
#endif

namespace {
// The library's interface identifiers that the objects answer.
const IID IID_IWebBrowser = {0xEAB22AC1, 0x30C1, 0x11CF, {0xA7, 0xEB, 0x00, 0x00, 0xC0, 0x5B, 0xAE, 0x0B}};
const IID IID_IWebBrowserApp = {0x0002DF05, 0x0000, 0x0000, {0xC0, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x46}};
const IID IID_IWebBrowser2 = {0xD30C1661, 0xCDAF, 0x11D0, {0x8A, 0x3E, 0x00, 0xC0, 0x4F, 0xC9, 0xE2, 0x6E}};
const IID IID_DWebBrowserEvents = {0xEAB22AC2, 0x30C1, 0x11CF, {0xA7, 0xEB, 0x00, 0x00, 0xC0, 0x5B, 0xAE, 0x0B}};
const IID IID_DWebBrowserEvents2 = {0x34A715A0, 0x6587, 0x11D0, {0x92, 0x4A, 0x00, 0x20, 0xAF, 0xC7, 0xAC, 0x4D}};
const IID IID_IShellWindows = {0x85CB6900, 0x4D95, 0x11CF, {0x96, 0x0C, 0x00, 0x80, 0xC7, 0xF4, 0xEE, 0x85}};
const IID IID_DShellWindowsEvents = {0xFE4106E0, 0x399A, 0x11D0, {0xA4, 0x8C, 0x00, 0xA0, 0xC9, 0x0A, 0x8F, 0x39}};
const IID IID_ISearchAssistantOC = {0x72423E8F, 0x8011, 0x11D2, {0xBE, 0x79, 0x00, 0xA0, 0xC9, 0xA8, 0x3D, 0xA1}};
const IID IID_ISearchAssistantOC2 = {0x72423E8F, 0x8011, 0x11D2, {0xBE, 0x79, 0x00, 0xA0, 0xC9, 0xA8, 0x3D, 0xA2}};
const IID IID_ISearchAssistantOC3 = {0x72423E8F, 0x8011, 0x11D2, {0xBE, 0x79, 0x00, 0xA0, 0xC9, 0xA8, 0x3D, 0xA3}};
const IID IID_SearchAssistantEvents = {0x1611FDDA, 0x445B, 0x11D2, {0x85, 0xDE, 0x00, 0xC0, 0x4F, 0xA3, 0x5C, 0x89}};
const IID IID_ISearches = {0x47C922A2, 0x3DD5, 0x11D2, {0xBF, 0x8B, 0x00, 0xC0, 0x4F, 0xB9, 0x36, 0x61}};
const IID IID_ISearch = {0xBA9239A4, 0x3DD5, 0x11D2, {0xBF, 0x8B, 0x00, 0xC0, 0x4F, 0xB9, 0x36, 0x61}};
const IID IID_IShellFavoritesNameSpace = {0x55136804, 0xB2DE, 0x11D1, {0xB9, 0xF2, 0x00, 0xA0, 0xC9, 0x8B, 0xC5, 0x47}};
const IID IID_IShellNameSpace = {0xE572D3C9, 0x37BE, 0x4AE2, {0x82, 0x5D, 0xD5, 0x21, 0x76, 0x3E, 0x31, 0x08}};
const IID IID_DShellNameSpaceEvents = {0x55136806, 0xB2DE, 0x11D1, {0xB9, 0xF2, 0x00, 0xA0, 0xC9, 0x8B, 0xC5, 0x47}};

// The bridge's compiled class identifiers that the tests register for this server.
const CLSID kInternetExplorer = {0x0002DF01, 0x0000, 0x0000, {0xC0, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x46}};
const CLSID kShellWindows = {0x9BA05972, 0xF6A8, 0x11CF, {0xA4, 0x42, 0x00, 0xA0, 0xC9, 0x0A, 0x8F, 0x39}};
const CLSID kShellNameSpace = {0x55136805, 0xB2DE, 0x11D1, {0xB9, 0xF2, 0x00, 0xA0, 0xC9, 0x8B, 0xC5, 0x47}};

LONG g_outstanding = 0;
std::mutex g_lock;  // the last call's text and the live objects
std::string g_lastCall;

using brivel::testing::Narrow;
using brivel::testing::Wide;

// One argument as the last call's text shows it: its type and value.
std::string Describe(const VARIANT* v) {
    char buffer[64];
    VARTYPE vt = V_VT(v);
    if (vt & VT_BYREF) {
        VARTYPE base = vt & ~VT_BYREF;
        if (base == VT_VARIANT) return "REF|VARIANT:" + Describe(V_VARIANTREF(v));
        if (base == VT_I4) return "REF|I4:" + std::to_string(*V_I4REF(v));
        if (base == VT_BOOL) return "REF|BOOL:" + std::to_string(*V_BOOLREF(v));
        return "REF|VT" + std::to_string(base);
    }
    switch (vt) {
    case VT_EMPTY: return "EMPTY";
    case VT_I4: return "I4:" + std::to_string(V_I4(v));
    case VT_INT: return "INT:" + std::to_string(V_INT(v));
    case VT_BOOL: return "BOOL:" + std::to_string(V_BOOL(v));
    case VT_BSTR: return V_BSTR(v) ? "BSTR:" + Narrow(V_BSTR(v)) : "BSTR:null";
    case VT_ERROR:
        snprintf(buffer, sizeof buffer, "ERROR:%08lX", static_cast<unsigned long>(V_ERROR(v)));
        return buffer;
    case VT_DISPATCH: return V_DISPATCH(v) ? "DISPATCH" : "DISPATCH:null";
    case VT_UNKNOWN: return V_UNKNOWN(v) ? "UNKNOWN" : "UNKNOWN:null";
    default: return "VT" + std::to_string(vt);
    }
}

// "<dispid>/<flags> [<first argument>, ...] named=<DISPIDs>", arguments in
// declaration order (the caller's array holds them last first).
std::string DescribeCall(DISPID id, WORD flags, const DISPPARAMS* p) {
    std::string text = std::to_string(id) + "/" + std::to_string(flags) + " [";
    for (UINT i = 0; i < p->cArgs; ++i) text += (i ? ", " : "") + Describe(&p->rgvarg[p->cArgs - 1 - i]);
    text += "] named=";
    for (UINT i = 0; i < p->cNamedArgs; ++i) text += (i ? "," : "") + std::to_string(p->rgdispidNamedArgs[i]);
    return text;
}

// The argument at declaration position `i` of a call without named arguments.
VARIANT* Arg(DISPPARAMS* p, UINT i) {
    return i < p->cArgs ? &p->rgvarg[p->cArgs - 1 - i] : nullptr;
}

bool Missing(const VARIANT* v) {
    return !v || (V_VT(v) == VT_ERROR && V_ERROR(v) == DISP_E_PARAMNOTFOUND);
}

// A value argument coerced to `vt` as a type-checking server coerces it.
HRESULT Coerced(VARIANT* v, VARTYPE vt, VARIANT* out) {
    VariantInit(out);
    if (!v) return DISP_E_BADPARAMCOUNT;
    if (V_VT(v) == (VT_BYREF | VT_VARIANT)) v = V_VARIANTREF(v);
    return VariantChangeType(out, v, 0, vt);
}

HRESULT Fail(EXCEPINFO* info, const char* description) {
    return brivel::testing::DispatchException(info, "Web browser test server", E_FAIL, description);
}

// Reference counting shared by the server's objects.
using Counted = brivel::testing::CountedObject<g_outstanding>;

// A connection point of one event interface, and its firing: every advised
// sink is called; the result is the last sink's, E_FAIL when none is advised.
class Point final : public brivel::testing::ConnectionPoint {
public:
    using ConnectionPoint::ConnectionPoint;
    LONG Count() { return Sinks().Count(); }
    HRESULT Fire(DISPID id, DISPPARAMS* params) {
        HRESULT hr = E_FAIL;
        Sinks().ForEach([&](IDispatch* d) {
            hr = d->Invoke(id, IID_NULL, 0, DISPATCH_METHOD, params, nullptr, nullptr, nullptr);
        });
        return hr;
    }
};

class DispatchObject;

std::vector<DispatchObject*> g_live[4];

// An object served through IDispatch by DISPID, with a connection point per
// event interface and a store of property values.
class DispatchObject : public IDispatch, public IConnectionPointContainer, public Counted {
public:
    DispatchObject(int kind, std::vector<IID> interfaces, std::vector<IID> events)
        : kind_(kind), interfaces_(std::move(interfaces)) {
        for (const IID& e : events) points_.push_back(new Point(static_cast<IDispatch*>(this), e));
        std::lock_guard<std::mutex> lock(g_lock);
        g_live[kind_].push_back(this);
    }
    ~DispatchObject() override {
        {
            std::lock_guard<std::mutex> lock(g_lock);
            auto& live = g_live[kind_];
            for (size_t i = 0; i < live.size(); ++i)
                if (live[i] == this) live.erase(live.begin() + static_cast<long>(i));
        }
        for (Point* p : points_) delete p;
        for (auto& stored : properties_) VariantClear(&stored.second);
    }

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** ppv) override {
        if (!ppv) return E_POINTER;
        *ppv = nullptr;
        if (IsEqualIID(riid, IID_IUnknown) || IsEqualIID(riid, IID_IDispatch)) *ppv = static_cast<IDispatch*>(this);
        else if (IsEqualIID(riid, IID_IConnectionPointContainer) && !points_.empty())
            *ppv = static_cast<IConnectionPointContainer*>(this);
        for (const IID& i : interfaces_)
            if (IsEqualIID(riid, i)) *ppv = static_cast<IDispatch*>(this);
        if (!*ppv) return E_NOINTERFACE;
        AddRef();
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
    HRESULT STDMETHODCALLTYPE Invoke(DISPID id, REFIID, LCID, WORD flags, DISPPARAMS* params, VARIANT* result,
                                     EXCEPINFO* info, UINT*) override {
        DISPPARAMS none = {nullptr, nullptr, 0, 0};
        if (!params) params = &none;
        if (!IsLastCallQuery(id, params)) {
            std::lock_guard<std::mutex> lock(g_lock);
            g_lastCall = DescribeCall(id, flags, params);
        }
        VARIANT scratch;
        VariantInit(&scratch);
        if (!result) result = &scratch;
        VariantInit(result);
        if (flags & (DISPATCH_PROPERTYPUT | DISPATCH_PROPERTYPUTREF)) {
            // A put names its one argument DISPID_PROPERTYPUT, as the platform requires.
            if (params->cNamedArgs != 1 || params->rgdispidNamedArgs[0] != DISPID_PROPERTYPUT || params->cArgs != 1)
                return DISP_E_PARAMNOTOPTIONAL;
            return Put(id, &params->rgvarg[0]);
        }
        if (params->cNamedArgs != 0) return DISP_E_NONAMEDARGS;
        HRESULT hr = Call(id, flags, params, result, info);
        VariantClear(&scratch);
        return hr;
    }

    HRESULT STDMETHODCALLTYPE EnumConnectionPoints(IEnumConnectionPoints**) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE FindConnectionPoint(REFIID riid, IConnectionPoint** cp) override {
        if (!cp) return E_POINTER;
        *cp = nullptr;
        for (Point* p : points_)
            if (IsEqualIID(riid, p->Iid())) {
                *cp = p;
                p->AddRef();
                return S_OK;
            }
        return CONNECT_E_NOCONNECTION;
    }

    Point* PointOf(const IID& events) {
        for (Point* p : points_)
            if (IsEqualIID(events, p->Iid())) return p;
        return nullptr;
    }

protected:
    // A method or property get; the result starts empty.
    virtual HRESULT Call(DISPID id, WORD flags, DISPPARAMS* params, VARIANT* result, EXCEPINFO* info) = 0;
    virtual bool IsLastCallQuery(DISPID, DISPPARAMS*) { return false; }

    HRESULT Put(DISPID id, VARIANT* value) {
        VARIANT copy;
        VariantInit(&copy);
        HRESULT hr = VariantCopyInd(&copy, value);
        if (FAILED(hr)) return hr;
        VariantClear(&properties_[id]);
        properties_[id] = copy;
        return S_OK;
    }

    // A property's stored value coerced to its declared type, or that type's
    // empty value when none was put.
    HRESULT Get(DISPID id, VARTYPE vt, VARIANT* result) {
        auto stored = properties_.find(id);
        if (stored == properties_.end()) {
            V_VT(result) = vt;
            V_I4(result) = 0;
            if (vt == VT_BSTR) V_BSTR(result) = SysAllocString(L"");
            return S_OK;
        }
        return VariantChangeType(result, &stored->second, 0, vt);
    }

private:
    int kind_;
    std::vector<IID> interfaces_;
    std::vector<Point*> points_;
    std::map<DISPID, VARIANT> properties_;
};

// An enumerator over objects, each handed out with a reference of its own.
using Items = brivel::testing::DispatchItems<IDispatch, g_outstanding>;

void ReturnObject(IDispatch* object, VARIANT* result) {
    V_VT(result) = VT_DISPATCH;
    V_DISPATCH(result) = object;
    if (object) object->AddRef();
}

void ReturnText(const std::string& text, VARIANT* result) {
    V_VT(result) = VT_BSTR;
    V_BSTR(result) = Wide(text);
}

// The browser: IWebBrowser, IWebBrowserApp and IWebBrowser2.
class Browser : public DispatchObject {
public:
    Browser()
        : DispatchObject(kBrowserObject, {IID_IWebBrowser, IID_IWebBrowserApp, IID_IWebBrowser2},
                         {IID_DWebBrowserEvents2, IID_DWebBrowserEvents}) {}
    ~Browser() override {
        for (auto& p : named_) VariantClear(&p.second);
    }

protected:
    bool IsLastCallQuery(DISPID id, DISPPARAMS* p) override {
        return id == 303 && p->cArgs == 1 && V_VT(&p->rgvarg[0]) == VT_BSTR &&
               Narrow(V_BSTR(&p->rgvarg[0])) == "lastCall";
    }

    HRESULT Call(DISPID id, WORD, DISPPARAMS* p, VARIANT* result, EXCEPINFO* info) override {
        switch (id) {
        case 100: case 101: case 102: case -550: case 105: case 106: case 300: case 503:
            return S_OK;
        case 103:
            return Fail(info, "No search page is set");
        case 104: {  // Navigate(URL, [Flags], [TargetFrameName], [PostData], [Headers])
            VARIANT url;
            HRESULT hr = Coerced(Arg(p, 0), VT_BSTR, &url);
            if (FAILED(hr)) return hr;
            location_ = Narrow(V_BSTR(&url));
            VariantClear(&url);
            return S_OK;
        }
        case 500: {  // Navigate2(URL, ...)
            VARIANT url;
            HRESULT hr = Coerced(Arg(p, 0), VT_BSTR, &url);
            if (FAILED(hr)) return hr;
            location_ = Narrow(V_BSTR(&url));
            VariantClear(&url);
            return S_OK;
        }
        case 200: case 201: ReturnObject(this, result); return S_OK;
        case 202: return S_OK;  // no container: an empty answer
        case 203: ReturnObject(nullptr, result); return S_OK;
        case 204: V_VT(result) = VT_BOOL; V_BOOL(result) = VARIANT_TRUE; return S_OK;
        case 205: ReturnText("HTML Document", result); return S_OK;
        case 206: case 207: case 208: case 209: case 405: return Get(id, VT_I4, result);
        case 210: ReturnText(location_.substr(location_.rfind('/') + 1), result); return S_OK;
        case 211: ReturnText(location_, result); return S_OK;
        case 212: case 402: case 403: case 406: case 407:
        case 550: case 551: case 552: case 553: case 554: case 555: case 556: return Get(id, VT_BOOL, result);
        case 404: return Get(id, VT_BSTR, result);
        case 0: ReturnText("Web Browser", result); return S_OK;
        case -515: ReturnText("4660", result); return S_OK;  // another type than the declared long
        case 400: ReturnText("C:\\browser\\browser.exe", result); return S_OK;
        case 401: ReturnText("C:\\browser\\", result); return S_OK;
        case 301: return ClientToWindow(p, info);
        case 302: return PutProperty(p);
        case 303: return GetProperty(p, result);
        case 501: {  // QueryStatusWB(cmdID): print is enabled, everything else only supported
            VARIANT cmd;
            HRESULT hr = Coerced(Arg(p, 0), VT_I4, &cmd);
            if (FAILED(hr)) return hr;
            V_VT(result) = VT_I4;
            V_I4(result) = V_I4(&cmd) == 6 ? 3 : 1;
            return S_OK;
        }
        case 502: return ExecWB(p, info);
        case -525: V_VT(result) = VT_I4; V_I4(result) = 4; return S_OK;
        default: return DISP_E_MEMBERNOTFOUND;
        }
    }

private:
    // The window size of a client size: a frame of 4 by 23 pixels. Negative
    // sizes are refused after the sizes were written, as a careless server does.
    HRESULT ClientToWindow(DISPPARAMS* p, EXCEPINFO* info) {
        VARIANT* cx = Arg(p, 0);
        VARIANT* cy = Arg(p, 1);
        if (!cx || !cy || V_VT(cx) != (VT_BYREF | VT_I4) || V_VT(cy) != (VT_BYREF | VT_I4)) return DISP_E_TYPEMISMATCH;
        bool negative = *V_I4REF(cx) < 0 || *V_I4REF(cy) < 0;
        *V_I4REF(cx) += 4;
        *V_I4REF(cy) += 23;
        return negative ? Fail(info, "A size cannot be negative") : S_OK;
    }

    HRESULT PutProperty(DISPPARAMS* p) {
        VARIANT name;
        HRESULT hr = Coerced(Arg(p, 0), VT_BSTR, &name);
        if (FAILED(hr)) return hr;
        VARIANT value;
        VariantInit(&value);
        hr = VariantCopyInd(&value, Arg(p, 1));
        if (SUCCEEDED(hr)) {
            std::string key = Narrow(V_BSTR(&name));
            VariantClear(&named_[key]);
            named_[key] = value;
        }
        VariantClear(&name);
        return hr;
    }

    HRESULT GetProperty(DISPPARAMS* p, VARIANT* result) {
        VARIANT name;
        HRESULT hr = Coerced(Arg(p, 0), VT_BSTR, &name);
        if (FAILED(hr)) return hr;
        std::string key = Narrow(V_BSTR(&name));
        VariantClear(&name);
        if (key == "lastCall") {
            std::lock_guard<std::mutex> lock(g_lock);
            ReturnText(g_lastCall, result);
            return S_OK;
        }
        auto found = named_.find(key);
        return found == named_.end() ? S_OK : VariantCopy(result, &found->second);
    }

    // ExecWB(cmdID, cmdexecopt, [pvaIn], [pvaOut]): the OUT value tells what
    // was executed; command 23 (stop) fails with its description.
    HRESULT ExecWB(DISPPARAMS* p, EXCEPINFO* info) {
        VARIANT cmd, opt;
        HRESULT hr = Coerced(Arg(p, 0), VT_I4, &cmd);
        if (SUCCEEDED(hr)) hr = Coerced(Arg(p, 1), VT_I4, &opt);
        if (FAILED(hr)) return hr;
        if (V_I4(&cmd) == 23) return Fail(info, "Nothing to stop");
        std::string text = "exec " + std::to_string(V_I4(&cmd)) + " " + std::to_string(V_I4(&opt));
        VARIANT* in = Arg(p, 2);
        if (!Missing(in)) text += " " + Describe(in);
        VARIANT* out = Arg(p, 3);
        if (!Missing(out)) {
            if (V_VT(out) != (VT_BYREF | VT_VARIANT)) return DISP_E_TYPEMISMATCH;
            VariantClear(V_VARIANTREF(out));
            ReturnText(text, V_VARIANTREF(out));
        }
        return S_OK;
    }

    std::string location_;
    std::map<std::string, VARIANT> named_;
};

// The shell's window list: windows are registered with a cookie, listed,
// enumerated and found.
class ShellWindowList : public DispatchObject {
public:
    ShellWindowList() : DispatchObject(kShellWindowsObject, {IID_IShellWindows}, {IID_DShellWindowsEvents}) {}
    ~ShellWindowList() override {
        for (auto& w : windows_) w.second->Release();
    }

protected:
    HRESULT Call(DISPID id, WORD, DISPPARAMS* p, VARIANT* result, EXCEPINFO* info) override {
        switch (id) {
        case 0x60020000: V_VT(result) = VT_I4; V_I4(result) = static_cast<LONG>(windows_.size()); return S_OK;
        case 0: {  // Item([index]): the first window when no index is given
            VARIANT* index = Arg(p, 0);
            LONG at = 0;
            if (!Missing(index)) {
                VARIANT n;
                HRESULT hr = Coerced(index, VT_I4, &n);
                if (FAILED(hr)) return hr;
                at = V_I4(&n);
            }
            if (at < 0 || at >= static_cast<LONG>(windows_.size())) return S_FALSE;  // no such window: nothing
            ReturnObject(windows_[static_cast<size_t>(at)].second, result);
            return S_OK;
        }
        case DISPID_NEWENUM: {
            std::vector<IDispatch*> all;
            for (auto& w : windows_) all.push_back(w.second);
            Items* items = new Items(all, 0);
            items->AddRef();
            V_VT(result) = VT_UNKNOWN;
            V_UNKNOWN(result) = items;
            return S_OK;
        }
        case 0x60020003: {  // Register(pid, hwnd, swClass, [out] plCookie)
            VARIANT* window = Arg(p, 0);
            VARIANT* cookie = Arg(p, 3);
            if (!window || V_VT(window) != VT_DISPATCH || !V_DISPATCH(window)) return Fail(info, "No window to register");
            if (!cookie || V_VT(cookie) != (VT_BYREF | VT_I4)) return DISP_E_TYPEMISMATCH;
            V_DISPATCH(window)->AddRef();
            windows_.push_back({++lastCookie_, V_DISPATCH(window)});
            *V_I4REF(cookie) = lastCookie_;
            return S_OK;
        }
        case 0x60020005: {  // Revoke(lCookie)
            VARIANT cookie;
            HRESULT hr = Coerced(Arg(p, 0), VT_I4, &cookie);
            if (FAILED(hr)) return hr;
            for (size_t i = 0; i < windows_.size(); ++i)
                if (windows_[i].first == V_I4(&cookie)) {
                    windows_[i].second->Release();
                    windows_.erase(windows_.begin() + static_cast<long>(i));
                    return S_OK;
                }
            return Fail(info, "No window has this cookie");
        }
        case 0x60020008: {  // FindWindowSW(loc, root, swClass, [out] phwnd, options): the newest window
            VARIANT* hwnd = Arg(p, 3);
            if (!hwnd || V_VT(hwnd) != (VT_BYREF | VT_I4)) return DISP_E_TYPEMISMATCH;
            if (windows_.empty()) return S_FALSE;
            *V_I4REF(hwnd) = 0x10000 + windows_.back().first;
            ReturnObject(windows_.back().second, result);
            return S_OK;
        }
        case 0x60020004: case 0x60020006: case 0x60020007: case 0x60020009: case 0x6002000A:
            return S_OK;
        default: return DISP_E_MEMBERNOTFOUND;
        }
    }

private:
    std::vector<std::pair<LONG, IDispatch*>> windows_;
    LONG lastCookie_ = 0;
};

// One search of the search assistant's list.
class Search : public DispatchObject {
public:
    Search(std::string title, std::string id, std::string url)
        : DispatchObject(kSearchObject, {IID_ISearch}, {}), title_(title), id_(id), url_(url) {}

protected:
    HRESULT Call(DISPID id, WORD, DISPPARAMS*, VARIANT* result, EXCEPINFO*) override {
        switch (id) {
        case 0x60020000: ReturnText(title_, result); return S_OK;
        case 0x60020001: ReturnText(id_, result); return S_OK;
        case 0x60020002: ReturnText(url_, result); return S_OK;
        default: return DISP_E_MEMBERNOTFOUND;
        }
    }

private:
    std::string title_, id_, url_;
};

class Searches : public DispatchObject {
public:
    Searches() : DispatchObject(kSearchObject, {IID_ISearches}, {}) {
        items_.push_back(new Search("Web", "{00000000-0000-0000-0000-000000000001}", "http://search.invalid/web"));
        items_.push_back(new Search("Files", "{00000000-0000-0000-0000-000000000002}", "http://search.invalid/files"));
        for (IDispatch* d : items_) d->AddRef();
    }
    ~Searches() override {
        for (IDispatch* d : items_) d->Release();
    }

protected:
    HRESULT Call(DISPID id, WORD, DISPPARAMS* p, VARIANT* result, EXCEPINFO* info) override {
        switch (id) {
        case 0x60020000: V_VT(result) = VT_I4; V_I4(result) = static_cast<LONG>(items_.size()); return S_OK;
        case 0x60020001: ReturnText("{00000000-0000-0000-0000-000000000001}", result); return S_OK;
        case 0x60020002: {  // Item([index]): by position, the default search without one
            LONG at = 0;
            if (!Missing(Arg(p, 0))) {
                VARIANT n;
                HRESULT hr = Coerced(Arg(p, 0), VT_I4, &n);
                if (FAILED(hr)) return hr;
                at = V_I4(&n);
            }
            if (at < 0 || at >= static_cast<LONG>(items_.size())) return Fail(info, "No such search");
            ReturnObject(items_[static_cast<size_t>(at)], result);
            return S_OK;
        }
        case DISPID_NEWENUM: {
            Items* items = new Items(items_, 0);
            items->AddRef();
            V_VT(result) = VT_UNKNOWN;
            V_UNKNOWN(result) = items;
            return S_OK;
        }
        default: return DISP_E_MEMBERNOTFOUND;
        }
    }

private:
    std::vector<IDispatch*> items_;
};

// The search assistant: ISearchAssistantOC3 and its bases.
class SearchAssistant : public DispatchObject {
public:
    SearchAssistant()
        : DispatchObject(kSearchObject, {IID_ISearchAssistantOC, IID_ISearchAssistantOC2, IID_ISearchAssistantOC3},
                         {IID_SearchAssistantEvents}) {}

protected:
    HRESULT Call(DISPID id, WORD, DISPPARAMS* p, VARIANT* result, EXCEPINFO*) override {
        switch (id) {
        case 1: case 2: case 3: case 12: case 13: case 14: case 15: case 16: case 17: case 19: case 22: case 23:
            return S_OK;
        case 7: {
            Searches* searches = new Searches;
            ReturnObject(searches, result);
            return S_OK;
        }
        case 18: {  // GetSearchAssistantURL(bSubstitute, bCustomize): both must come as VT_BOOL
            VARIANT* substitute = Arg(p, 0);
            VARIANT* customize = Arg(p, 1);
            if (!substitute || !customize || V_VT(substitute) != VT_BOOL || V_VT(customize) != VT_BOOL)
                return DISP_E_TYPEMISMATCH;
            ReturnText("search?substitute=" + std::to_string(V_BOOL(substitute)) +
                           "&customize=" + std::to_string(V_BOOL(customize)),
                       result);
            return S_OK;
        }
        case 4: case 5: case 6: case 8: case 26: case 27: V_VT(result) = VT_BOOL; V_BOOL(result) = VARIANT_TRUE; return S_OK;
        case 20: return Get(id, VT_BSTR, result);
        case 21: return Get(id, VT_I4, result);
        case 28: return Get(id, VT_BOOL, result);
        case 24: V_VT(result) = VT_I4; V_I4(result) = 3; return S_OK;
        default: return DISP_E_MEMBERNOTFOUND;
        }
    }
};

// The name space: its selected item, root and numbers are stored properties.
class NameSpace : public DispatchObject {
public:
    NameSpace()
        : DispatchObject(kNameSpaceObject, {IID_IShellFavoritesNameSpace, IID_IShellNameSpace},
                         {IID_DShellNameSpaceEvents}) {}

protected:
    HRESULT Call(DISPID id, WORD, DISPPARAMS*, VARIANT* result, EXCEPINFO*) override {
        switch (id) {
        case 15: return Get(id, VT_DISPATCH, result);
        case 16: return Get(id, VT_BSTR, result);
        case 14: case 17: case 18: case 19: case 20: return Get(id, VT_I4, result);
        default: return id >= 1 && id <= 26 ? S_OK : DISP_E_MEMBERNOTFOUND;
        }
    }
};

int KindOf(REFCLSID clsid) {
    for (int kind = 0; kind < 4; ++kind)
        if (IsEqualCLSID(clsid, BrowserTestClsid(kind))) return kind;
    if (IsEqualCLSID(clsid, kInternetExplorer)) return kBrowserObject;
    if (IsEqualCLSID(clsid, kShellWindows)) return kShellWindowsObject;
    if (IsEqualCLSID(clsid, kShellNameSpace)) return kNameSpaceObject;
    return -1;
}

DispatchObject* Make(int kind) {
    switch (kind) {
    case kBrowserObject: return new Browser;
    case kShellWindowsObject: return new ShellWindowList;
    case kSearchObject: return new SearchAssistant;
    default: return new NameSpace;
    }
}

// A new object of the kind, holding one reference of the factory's own.
template <int Kind>
IUnknown* MakeKind() {
    DispatchObject* object = Make(Kind);
    object->AddRef();
    return static_cast<IDispatch*>(object);
}
brivel::testing::ClassFactory g_factories[4] = {brivel::testing::ClassFactory(MakeKind<0>),
                                                brivel::testing::ClassFactory(MakeKind<1>),
                                                brivel::testing::ClassFactory(MakeKind<2>),
                                                brivel::testing::ClassFactory(MakeKind<3>)};
}  // namespace

SERVER_EXPORT HRESULT STDAPICALLTYPE DllGetClassObject(REFCLSID clsid, REFIID riid, LPVOID* object) {
    int kind = KindOf(clsid);
    return brivel::testing::GetClassObject(kind < 0 ? nullptr : &g_factories[kind], riid, object);
}

SERVER_EXPORT HRESULT STDAPICALLTYPE DllCanUnloadNow(void) {
    return g_outstanding == 0 ? S_OK : S_FALSE;
}

SERVER_EXPORT LONG BrowserOutstandingReferences(void) {
    return g_outstanding;
}

SERVER_EXPORT HRESULT BrowserFire(int kind, const IID* events, DISPID id, DISPPARAMS* params) {
    if (kind < 0 || kind > 3 || !events) return E_INVALIDARG;
    DispatchObject* source = nullptr;
    {
        std::lock_guard<std::mutex> lock(g_lock);
        for (DispatchObject* o : g_live[kind])
            if (o->PointOf(*events)) source = o;
        if (source) source->AddRef();
    }
    if (!source) return E_FAIL;
    HRESULT hr = source->PointOf(*events)->Fire(id, params);
    source->Release();
    return hr;
}

SERVER_EXPORT LONG BrowserSinks(int kind, const IID* events) {
    if (kind < 0 || kind > 3 || !events) return 0;
    std::lock_guard<std::mutex> lock(g_lock);
    LONG n = 0;
    for (DispatchObject* o : g_live[kind])
        if (Point* p = o->PointOf(*events)) n += p->Count();
    return n;
}
