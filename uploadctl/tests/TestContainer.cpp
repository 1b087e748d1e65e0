#include "TestContainer.h"

#include <exdisp.h>
#include <olectl.h>
#include <shlguid.h>

namespace brivel::uploadctl::testing {
namespace {

constexpr char kWindowClass[] = "BrivelUploaderTestContainer";

ATOM RegisterContainerClass() {
    WNDCLASSA windowClass = {};
    windowClass.lpfnWndProc = DefWindowProcA;
    windowClass.hInstance = GetModuleHandleA(nullptr);
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
    windowClass.lpszClassName = kWindowClass;
    return RegisterClassA(&windowClass);
}

}  // namespace

STDMETHODIMP CBrowserStandIn::QueryInterface(REFIID iid, void** object) {
    if (iid == IID_IUnknown || iid == IID_IDispatch) {
        *object = static_cast<IDispatch*>(this);
        AddRef();
        return S_OK;
    }
    *object = nullptr;
    return E_NOINTERFACE;
}

STDMETHODIMP CBrowserStandIn::GetTypeInfoCount(UINT* count) {
    *count = 0;
    return S_OK;
}

CTestContainer::CTestContainer() {
    static ATOM registered = RegisterContainerClass();
    (void)registered;
    ReplaceWindow();
}

void CTestContainer::ReplaceWindow() {
    if (window_) DestroyWindow(window_);
    window_ = CreateWindowExA(0, kWindowClass, "Page with the upload control", WS_OVERLAPPEDWINDOW | WS_VISIBLE |
                              WS_CLIPCHILDREN, 20, 20, 700, 420, nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
}

CTestContainer::~CTestContainer() {
    if (window_) DestroyWindow(window_);
}

STDMETHODIMP CTestContainer::QueryInterface(REFIID iid, void** object) {
    if (iid == IID_IUnknown || iid == IID_IOleClientSite) *object = static_cast<IOleClientSite*>(this);
    else if (iid == IID_IOleWindow || iid == IID_IOleInPlaceSite) *object = static_cast<IOleInPlaceSite*>(this);
    else if (iid == IID_IOleInPlaceUIWindow || iid == IID_IOleInPlaceFrame) *object = static_cast<IOleInPlaceFrame*>(this);
    else if (iid == IID_IDispatch) *object = static_cast<IDispatch*>(this);
    else if (iid == IID_IServiceProvider) *object = static_cast<IServiceProvider*>(this);
    else {
        *object = nullptr;
        return E_NOINTERFACE;
    }
    AddRef();
    return S_OK;
}

STDMETHODIMP CTestContainer::GetMoniker(DWORD, DWORD, IMoniker** moniker) {
    *moniker = nullptr;
    return E_NOTIMPL;
}

STDMETHODIMP CTestContainer::GetContainer(IOleContainer** container) {
    *container = nullptr;
    return E_NOINTERFACE;
}

STDMETHODIMP CTestContainer::GetWindow(HWND* window) {
    *window = window_;
    return S_OK;
}

STDMETHODIMP CTestContainer::OnInPlaceActivate() {
    inPlaceActive = true;
    return S_OK;
}

STDMETHODIMP CTestContainer::OnUIActivate() {
    uiActive = true;
    return S_OK;
}

STDMETHODIMP CTestContainer::GetWindowContext(IOleInPlaceFrame** frame, IOleInPlaceUIWindow** document,
                                              LPRECT position, LPRECT clip, LPOLEINPLACEFRAMEINFO info) {
    *frame = static_cast<IOleInPlaceFrame*>(this);
    AddRef();
    *document = nullptr;
    SetRect(position, 10, 10, 610, 330);
    GetClientRect(window_, clip);
    info->fMDIApp = FALSE;
    info->hwndFrame = window_;
    info->haccel = nullptr;
    info->cAccelEntries = 0;
    return S_OK;
}

STDMETHODIMP CTestContainer::OnUIDeactivate(BOOL) {
    uiActive = false;
    return S_OK;
}

STDMETHODIMP CTestContainer::OnInPlaceDeactivate() {
    inPlaceActive = false;
    return S_OK;
}

STDMETHODIMP CTestContainer::SetActiveObject(IOleInPlaceActiveObject* object, LPCOLESTR) {
    activeObject = object;
    return S_OK;
}

STDMETHODIMP CTestContainer::GetTypeInfoCount(UINT* count) {
    *count = 0;
    return S_OK;
}

STDMETHODIMP CTestContainer::Invoke(DISPID id, REFIID, LCID, WORD flags, DISPPARAMS*, VARIANT* result, EXCEPINFO*,
                                    UINT*) {
    if (id != DISPID_AMBIENT_BACKCOLOR || !(flags & DISPATCH_PROPERTYGET) || !result) return DISP_E_MEMBERNOTFOUND;
    VariantInit(result);
    result->vt = VT_I4;
    result->lVal = static_cast<LONG>(backColor);
    return S_OK;
}

STDMETHODIMP CTestContainer::QueryService(REFGUID service, REFIID iid, void** object) {
    *object = nullptr;
    if (service != SID_SWebBrowserApp) return E_NOINTERFACE;
    ++browserQueries;
    return browser.QueryInterface(iid, object);
}

}  // namespace brivel::uploadctl::testing
