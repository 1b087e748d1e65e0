// EvalUploader in its container: the client site (and the browser behind
// it), activation in place with the form as the control's window, the
// ambient background colour, drawing when not active, and the advise
// connections a container keeps.
#include "EvalUploader.h"

#include <exdisp.h>
#include <olectl.h>
#include <servprov.h>
#include <shlguid.h>

namespace brivel::uploadctl {
namespace {

// OLEMISC_RECOMPOSEONRESIZE | CANTLINKINSIDE | INSIDEOUT | ACTIVATEWHENVISIBLE
// | SETCLIENTSITEFIRST, as registered under MiscStatus\1.
constexpr DWORD kMiscStatus = 131473;

template <typename T>
void ReleaseAndClear(T*& pointer) {
    if (pointer) pointer->Release();
    pointer = nullptr;
}

}  // namespace

void CEvalUploader::ReleaseSite() {
    ReleaseAndClear(browser_);
    ReleaseAndClear(site_);
}

STDMETHODIMP CEvalUploader::SetClientSite(IOleClientSite* site) {
    ReleaseSite();
    if (!site) return S_OK;
    site_ = site;
    site_->AddRef();
    IServiceProvider* services = nullptr;
    if (SUCCEEDED(site_->QueryInterface(IID_IServiceProvider, reinterpret_cast<void**>(&services)))) {
        if (FAILED(services->QueryService(SID_SWebBrowserApp, IID_IDispatch, reinterpret_cast<void**>(&browser_))))
            browser_ = nullptr;
        services->Release();
    }
    return S_OK;
}

STDMETHODIMP CEvalUploader::GetClientSite(IOleClientSite** site) {
    if (!site) return E_POINTER;
    *site = site_;
    if (site_) site_->AddRef();
    return S_OK;
}

STDMETHODIMP CEvalUploader::SetHostNames(LPCOLESTR, LPCOLESTR) { return S_OK; }

STDMETHODIMP CEvalUploader::Close(DWORD) {
    InPlaceDeactivate();
    if (adviseHolder_) adviseHolder_->SendOnClose();
    return S_OK;
}

STDMETHODIMP CEvalUploader::SetMoniker(DWORD, IMoniker*) { return E_NOTIMPL; }

STDMETHODIMP CEvalUploader::GetMoniker(DWORD, DWORD, IMoniker** moniker) {
    if (moniker) *moniker = nullptr;
    return E_NOTIMPL;
}

STDMETHODIMP CEvalUploader::InitFromData(IDataObject*, BOOL, DWORD) { return E_NOTIMPL; }

STDMETHODIMP CEvalUploader::GetClipboardData(DWORD, IDataObject** data) {
    if (data) *data = nullptr;
    return E_NOTIMPL;
}

STDMETHODIMP CEvalUploader::DoVerb(LONG verb, LPMSG, IOleClientSite*, LONG, HWND, LPCRECT) {
    switch (verb) {
    case OLEIVERB_PRIMARY:
    case OLEIVERB_SHOW:
    case OLEIVERB_UIACTIVATE: {
        HRESULT hr = InPlaceActivate();
        if (SUCCEEDED(hr)) UIActivate();
        return hr;
    }
    case OLEIVERB_INPLACEACTIVATE:
        return InPlaceActivate();
    case OLEIVERB_HIDE:
        UIDeactivate();
        if (HWND window = form_->Window()) ShowWindow(window, SW_HIDE);
        return S_OK;
    default:
        return E_NOTIMPL;
    }
}

// The form becomes the control's window inside the site's window, where the
// site places it. A container may destroy its window, and the form with it,
// without deactivating the control: that activation ends before the next.
HRESULT CEvalUploader::InPlaceActivate() {
    if (HWND window = form_->Window()) {
        ShowWindow(window, SW_SHOWNA);
        return S_OK;
    }
    if (inPlaceSite_) InPlaceDeactivate();
    if (!site_) return E_UNEXPECTED;
    if (FAILED(site_->QueryInterface(IID_IOleInPlaceSite, reinterpret_cast<void**>(&inPlaceSite_))))
        return E_FAIL;
    if (inPlaceSite_->CanInPlaceActivate() != S_OK) {
        ReleaseAndClear(inPlaceSite_);
        return E_FAIL;
    }
    inPlaceSite_->OnInPlaceActivate();
    HWND parentWindow = nullptr;
    RECT position = {}, clip = {};
    OLEINPLACEFRAMEINFO frameInfo = {};
    frameInfo.cb = sizeof frameInfo;
    if (FAILED(inPlaceSite_->GetWindow(&parentWindow)) ||
        FAILED(inPlaceSite_->GetWindowContext(&frame_, &uiWindow_, &position, &clip, &frameInfo))) {
        inPlaceSite_->OnInPlaceDeactivate();
        ReleaseAndClear(frame_);
        ReleaseAndClear(uiWindow_);
        ReleaseAndClear(inPlaceSite_);
        return E_FAIL;
    }
    TakeAmbientBackColor();
    if (!form_->Create(parentWindow, position)) {
        inPlaceSite_->OnInPlaceDeactivate();
        ReleaseAndClear(frame_);
        ReleaseAndClear(uiWindow_);
        ReleaseAndClear(inPlaceSite_);
        return E_FAIL;
    }
    return S_OK;
}

void CEvalUploader::UIActivate() {
    if (uiActive_ || !inPlaceSite_) return;
    uiActive_ = true;
    inPlaceSite_->OnUIActivate();
    if (HWND window = form_->Window()) SetFocus(GetNextDlgTabItem(window, nullptr, FALSE));
    auto* active = static_cast<IOleInPlaceActiveObject*>(this);
    if (frame_) {
        frame_->SetActiveObject(active, nullptr);
        frame_->SetBorderSpace(nullptr);
    }
    if (uiWindow_) {
        uiWindow_->SetActiveObject(active, nullptr);
        uiWindow_->SetBorderSpace(nullptr);
    }
}

STDMETHODIMP CEvalUploader::UIDeactivate() {
    if (!uiActive_) return S_OK;
    uiActive_ = false;
    if (uiWindow_) uiWindow_->SetActiveObject(nullptr, nullptr);
    if (frame_) frame_->SetActiveObject(nullptr, nullptr);
    if (inPlaceSite_) inPlaceSite_->OnUIDeactivate(FALSE);
    return S_OK;
}

STDMETHODIMP CEvalUploader::InPlaceDeactivate() {
    UIDeactivate();
    if (form_) form_->Destroy();
    if (!inPlaceSite_) return S_OK;
    inPlaceSite_->OnInPlaceDeactivate();
    ReleaseAndClear(frame_);
    ReleaseAndClear(uiWindow_);
    ReleaseAndClear(inPlaceSite_);
    return S_OK;
}

STDMETHODIMP CEvalUploader::EnumVerbs(IEnumOLEVERB** verbs) { return OleRegEnumVerbs(CLSID_EvalUploader, verbs); }

STDMETHODIMP CEvalUploader::Update() { return S_OK; }

STDMETHODIMP CEvalUploader::IsUpToDate() { return S_OK; }

STDMETHODIMP CEvalUploader::GetUserClassID(CLSID* classId) { return GetClassID(classId); }

STDMETHODIMP CEvalUploader::GetUserType(DWORD form, LPOLESTR* userType) {
    return OleRegGetUserType(CLSID_EvalUploader, form, userType);
}

STDMETHODIMP CEvalUploader::SetExtent(DWORD aspect, SIZEL* size) {
    if (aspect != DVASPECT_CONTENT) return DV_E_DVASPECT;
    if (!size) return E_POINTER;
    extent_ = *size;
    return S_OK;
}

STDMETHODIMP CEvalUploader::GetExtent(DWORD aspect, SIZEL* size) {
    if (aspect != DVASPECT_CONTENT) return DV_E_DVASPECT;
    if (!size) return E_POINTER;
    *size = extent_;
    return S_OK;
}

STDMETHODIMP CEvalUploader::Advise(IAdviseSink* sink, DWORD* connection) {
    if (!adviseHolder_) {
        HRESULT hr = CreateOleAdviseHolder(&adviseHolder_);
        if (FAILED(hr)) return hr;
    }
    return adviseHolder_->Advise(sink, connection);
}

STDMETHODIMP CEvalUploader::Unadvise(DWORD connection) {
    return adviseHolder_ ? adviseHolder_->Unadvise(connection) : OLE_E_NOCONNECTION;
}

STDMETHODIMP CEvalUploader::EnumAdvise(IEnumSTATDATA** advises) {
    if (!advises) return E_POINTER;
    *advises = nullptr;
    return adviseHolder_ ? adviseHolder_->EnumAdvise(advises) : E_FAIL;
}

STDMETHODIMP CEvalUploader::GetMiscStatus(DWORD aspect, DWORD* status) {
    if (!status) return E_POINTER;
    *status = aspect == DVASPECT_CONTENT ? kMiscStatus : 0;
    return S_OK;
}

STDMETHODIMP CEvalUploader::SetColorScheme(LOGPALETTE*) { return E_NOTIMPL; }

STDMETHODIMP CEvalUploader::GetWindow(HWND* window) {
    if (!window) return E_POINTER;
    *window = form_->Window();
    return *window ? S_OK : E_FAIL;
}

STDMETHODIMP CEvalUploader::ContextSensitiveHelp(BOOL) { return E_NOTIMPL; }

STDMETHODIMP CEvalUploader::SetObjectRects(LPCRECT position, LPCRECT) {
    if (!position) return E_POINTER;
    if (HWND window = form_->Window())
        SetWindowPos(window, nullptr, position->left, position->top, position->right - position->left,
                     position->bottom - position->top, SWP_NOZORDER | SWP_NOACTIVATE);
    return S_OK;
}

STDMETHODIMP CEvalUploader::ReactivateAndUndo() { return E_NOTIMPL; }

// Tab, Enter and Escape move through the form as in a dialog.
STDMETHODIMP CEvalUploader::TranslateAccelerator(LPMSG message) {
    HWND window = form_->Window();
    if (!message || !window || message->message < WM_KEYFIRST || message->message > WM_KEYLAST) return S_FALSE;
    return IsDialogMessageA(window, message) ? S_OK : S_FALSE;
}

STDMETHODIMP CEvalUploader::OnFrameWindowActivate(BOOL) { return S_OK; }

STDMETHODIMP CEvalUploader::OnDocWindowActivate(BOOL) { return S_OK; }

STDMETHODIMP CEvalUploader::ResizeBorder(LPCRECT, IOleInPlaceUIWindow*, BOOL) { return S_OK; }

STDMETHODIMP CEvalUploader::EnableModeless(BOOL) { return S_OK; }

STDMETHODIMP CEvalUploader::GetControlInfo(CONTROLINFO* info) {
    if (!info) return E_POINTER;
    info->hAccel = nullptr;
    info->cAccel = 0;
    info->dwFlags = 0;
    return S_OK;
}

STDMETHODIMP CEvalUploader::OnMnemonic(MSG*) { return E_NOTIMPL; }

STDMETHODIMP CEvalUploader::OnAmbientPropertyChange(DISPID id) {
    if (id == DISPID_AMBIENT_BACKCOLOR || id == DISPID_UNKNOWN) TakeAmbientBackColor();
    return S_OK;
}

STDMETHODIMP CEvalUploader::FreezeEvents(BOOL) { return S_OK; }

// The container's BackColor ambient property, through the site's dispatch
// interface; the form paints its background and texts with it.
void CEvalUploader::TakeAmbientBackColor() {
    if (!site_) return;
    IDispatch* ambient = nullptr;
    if (FAILED(site_->QueryInterface(IID_IDispatch, reinterpret_cast<void**>(&ambient)))) return;
    DISPPARAMS none = {};
    VARIANT value;
    VariantInit(&value);
    HRESULT hr = ambient->Invoke(DISPID_AMBIENT_BACKCOLOR, IID_NULL, LOCALE_USER_DEFAULT, DISPATCH_PROPERTYGET,
                                 &none, &value, nullptr, nullptr);
    ambient->Release();
    COLORREF color;
    if (SUCCEEDED(hr) && SUCCEEDED(VariantChangeType(&value, &value, 0, VT_I4)) &&
        SUCCEEDED(OleTranslateColor(static_cast<OLE_COLOR>(value.lVal), nullptr, &color)))
        form_->SetBackColor(color);
    VariantClear(&value);
}

STDMETHODIMP CEvalUploader::Draw(DWORD aspect, LONG, void*, DVTARGETDEVICE*, HDC, HDC drawDc, LPCRECTL bounds,
                                 LPCRECTL, BOOL(STDMETHODCALLTYPE*)(ULONG_PTR), ULONG_PTR) {
    if (aspect != DVASPECT_CONTENT) return DV_E_DVASPECT;
    if (!drawDc || !bounds) return E_INVALIDARG;
    RECT area = {bounds->left, bounds->top, bounds->right, bounds->bottom};
    FillRect(drawDc, &area, GetSysColorBrush(COLOR_BTNFACE));
    return S_OK;
}

STDMETHODIMP CEvalUploader::GetColorSet(DWORD, LONG, void*, DVTARGETDEVICE*, HDC, LOGPALETTE** colors) {
    if (colors) *colors = nullptr;
    return E_NOTIMPL;
}

STDMETHODIMP CEvalUploader::Freeze(DWORD, LONG, void*, DWORD*) { return E_NOTIMPL; }

STDMETHODIMP CEvalUploader::Unfreeze(DWORD) { return E_NOTIMPL; }

STDMETHODIMP CEvalUploader::SetAdvise(DWORD aspects, DWORD flags, IAdviseSink* sink) {
    if (sink) sink->AddRef();
    ReleaseAndClear(viewSink_);
    viewSink_ = sink;
    viewAspects_ = aspects;
    viewFlags_ = flags;
    return S_OK;
}

STDMETHODIMP CEvalUploader::GetAdvise(DWORD* aspects, DWORD* flags, IAdviseSink** sink) {
    if (aspects) *aspects = viewAspects_;
    if (flags) *flags = viewFlags_;
    if (sink) {
        *sink = viewSink_;
        if (viewSink_) viewSink_->AddRef();
    }
    return S_OK;
}

STDMETHODIMP CEvalUploader::GetExtent(DWORD aspect, LONG, DVTARGETDEVICE*, LPSIZEL size) {
    return GetExtent(aspect, size);
}

}  // namespace brivel::uploadctl
