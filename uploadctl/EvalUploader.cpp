// EvalUploader: its identity, its properties through IEvalUploader and
// IDispatch, the property bag and object safety.
#include "EvalUploader.h"

#include <olectl.h>

#include "AnsiText.h"
#include "PropertyTexts.h"
#include "BuildServiceHost.h"
#include "ServerModule.h"
#include "UploaderTexts.h"

namespace brivel::uploadctl {
namespace {

constexpr DWORD kSafetyOptions = INTERFACESAFE_FOR_UNTRUSTED_CALLER | INTERFACESAFE_FOR_UNTRUSTED_DATA;

}  // namespace

HRESULT CEvalUploader::Create(REFIID iid, void** object) {
    auto* uploader = new (std::nothrow) CEvalUploader();
    if (!uploader) return E_OUTOFMEMORY;
    HRESULT hr = uploader->QueryInterface(iid, object);
    uploader->Release();
    return hr;
}

CEvalUploader::CEvalUploader()
    : properties_(brivel::remotebuild::GetBuildServiceHost()),
      form_(std::make_shared<CUploaderForm>(properties_)) {
    // The form's natural size, in HIMETRIC units (0.01 mm) at the system's
    // dialog units.
    LONG units = GetDialogBaseUnits();
    HDC screen = GetDC(nullptr);
    int dpiX = GetDeviceCaps(screen, LOGPIXELSX), dpiY = GetDeviceCaps(screen, LOGPIXELSY);
    ReleaseDC(nullptr, screen);
    extent_.cx = MulDiv(MulDiv(FORM_WIDTH_DLU, LOWORD(units), 4), 2540, dpiX);
    extent_.cy = MulDiv(MulDiv(FORM_HEIGHT_DLU, HIWORD(units), 8), 2540, dpiY);
    LockModule();
}

CEvalUploader::~CEvalUploader() {
    InPlaceDeactivate();
    form_->Destroy();
    ReleaseSite();
    if (viewSink_) viewSink_->Release();
    if (adviseHolder_) adviseHolder_->Release();
    if (dispatchInfo_) dispatchInfo_->Release();
    if (typeInfo_) typeInfo_->Release();
    UnlockModule();
}

STDMETHODIMP CEvalUploader::QueryInterface(REFIID iid, void** object) {
    if (!object) return E_POINTER;
    *object = nullptr;
    if (iid == IID_IUnknown || iid == IID_IDispatch || iid == IID_IEvalUploader)
        *object = static_cast<IEvalUploader*>(this);
    else if (iid == IID_IPersist || iid == IID_IPersistPropertyBag)
        *object = static_cast<IPersistPropertyBag*>(this);
    else if (iid == IID_IObjectSafety)
        *object = static_cast<IObjectSafety*>(this);
    else if (iid == IID_IOleObject)
        *object = static_cast<IOleObject*>(this);
    else if (iid == IID_IOleWindow || iid == IID_IOleInPlaceObject)
        *object = static_cast<IOleInPlaceObject*>(this);
    else if (iid == IID_IOleInPlaceActiveObject)
        *object = static_cast<IOleInPlaceActiveObject*>(this);
    else if (iid == IID_IOleControl)
        *object = static_cast<IOleControl*>(this);
    else if (iid == IID_IViewObject || iid == IID_IViewObject2)
        *object = static_cast<IViewObject2*>(this);
    else
        return E_NOINTERFACE;
    AddRef();
    return S_OK;
}

STDMETHODIMP_(ULONG) CEvalUploader::AddRef() { return static_cast<ULONG>(InterlockedIncrement(&references_)); }

STDMETHODIMP_(ULONG) CEvalUploader::Release() {
    LONG left = InterlockedDecrement(&references_);
    if (left == 0) delete this;
    return static_cast<ULONG>(left);
}

// The interface's own (virtual-table) description behind a dual
// interface's dispatch description; calls go through it.
static ITypeInfo* VirtualTableInfoOf(ITypeInfo* info) {
    TYPEATTR* attributes = nullptr;
    if (SUCCEEDED(info->GetTypeAttr(&attributes))) {
        bool dual = attributes->typekind == TKIND_DISPATCH && (attributes->wTypeFlags & TYPEFLAG_FDUAL);
        info->ReleaseTypeAttr(attributes);
        HREFTYPE reference;
        ITypeInfo* vtableInfo = nullptr;
        if (dual && SUCCEEDED(info->GetRefTypeOfImplType(-1, &reference)) &&
            SUCCEEDED(info->GetRefTypeInfo(reference, &vtableInfo)))
            return vtableInfo;
    }
    info->AddRef();
    return info;
}

// The type information comes from the type library in this DLL, registered
// or not.
HRESULT CEvalUploader::EnsureTypeInfo() {
    if (typeInfo_) return S_OK;
    ITypeLib* library = nullptr;
    HRESULT hr = LoadTypeLibEx(ModulePathW().c_str(), REGKIND_NONE, &library);
    if (FAILED(hr)) return hr;
    ITypeInfo* info = nullptr;
    hr = library->GetTypeInfoOfGuid(IID_IEvalUploader, &info);
    library->Release();
    if (FAILED(hr)) return hr;
    dispatchInfo_ = info;
    typeInfo_ = VirtualTableInfoOf(info);
    return S_OK;
}

STDMETHODIMP CEvalUploader::GetTypeInfoCount(UINT* count) {
    if (!count) return E_POINTER;
    *count = 1;
    return S_OK;
}

STDMETHODIMP CEvalUploader::GetTypeInfo(UINT index, LCID, ITypeInfo** info) {
    if (!info) return E_POINTER;
    *info = nullptr;
    if (index != 0) return DISP_E_BADINDEX;
    HRESULT hr = EnsureTypeInfo();
    if (FAILED(hr)) return hr;
    dispatchInfo_->AddRef();
    *info = dispatchInfo_;
    return S_OK;
}

STDMETHODIMP CEvalUploader::GetIDsOfNames(REFIID iid, LPOLESTR* names, UINT count, LCID, DISPID* ids) {
    if (iid != IID_NULL) return DISP_E_UNKNOWNINTERFACE;
    HRESULT hr = EnsureTypeInfo();
    if (FAILED(hr)) return hr;
    return DispGetIDsOfNames(typeInfo_, names, count, ids);
}

STDMETHODIMP CEvalUploader::Invoke(DISPID id, REFIID iid, LCID, WORD flags, DISPPARAMS* parameters, VARIANT* result,
                                   EXCEPINFO* exception, UINT* argumentError) {
    if (iid != IID_NULL) return DISP_E_UNKNOWNINTERFACE;
    HRESULT hr = EnsureTypeInfo();
    if (FAILED(hr)) return hr;
    return DispInvoke(static_cast<IEvalUploader*>(this), typeInfo_, id, flags, parameters, result, exception,
                      argumentError);
}

HRESULT CEvalUploader::GetText(UploaderProperty property, BSTR* value) {
    if (!value) return E_POINTER;
    *value = BstrFromAnsi(properties_.Get(property));
    return *value ? S_OK : E_OUTOFMEMORY;
}

// A text beyond the property's bound is refused whole; the form shows a
// new name at once.
HRESULT CEvalUploader::PutText(UploaderProperty property, BSTR value) {
    if (!PutPropertyText(properties_, property, value)) return E_INVALIDARG;
    form_->ShowProperty(property);
    return S_OK;
}

STDMETHODIMP CEvalUploader::GetClassID(CLSID* classId) {
    if (!classId) return E_POINTER;
    *classId = CLSID_EvalUploader;
    return S_OK;
}

STDMETHODIMP CEvalUploader::InitNew() { return S_OK; }

// Every property the bag holds, as text. A value beyond its bound costs that
// value alone (the property keeps its own, and the error log, when there is
// one, hears of it): a failed load would keep the browser from creating the
// control at all.
STDMETHODIMP CEvalUploader::Load(IPropertyBag* bag, IErrorLog* log) {
    if (!bag) return E_POINTER;
    std::vector<UploaderProperty> refused = LoadPropertiesFromBag(
        properties_, [bag, log](LPCOLESTR name, VARIANT* value) { return bag->Read(name, value, log); });
    if (log) {
        for (UploaderProperty property : refused) {
            const PropertyInfo& info = InfoOf(property);
            EXCEPINFO error = {};
            error.scode = E_INVALIDARG;
            error.bstrDescription = BstrFromAnsi(texts::ValueTooLongText(info.bagName, info.maxLength));
            log->AddError(WideFromAnsi(info.bagName).c_str(), &error);
            SysFreeString(error.bstrDescription);
        }
    }
    form_->ShowProperties();
    return S_OK;
}

STDMETHODIMP CEvalUploader::Save(IPropertyBag* bag, BOOL, BOOL) {
    if (!bag) return E_POINTER;
    for (int i = 0; i < kPropertyCount; ++i) {
        const PropertyInfo& info = AllProperties()[i];
        VARIANT text;
        VariantInit(&text);
        text.vt = VT_BSTR;
        text.bstrVal = BstrFromAnsi(properties_.Get(info.id));
        if (!text.bstrVal) return E_OUTOFMEMORY;
        HRESULT hr = bag->Write(WideFromAnsi(info.bagName).c_str(), &text);
        VariantClear(&text);
        if (FAILED(hr)) return hr;
    }
    return S_OK;
}

// Both options, for every interface the control has.
STDMETHODIMP CEvalUploader::GetInterfaceSafetyOptions(REFIID iid, DWORD* supported, DWORD* enabled) {
    if (!supported || !enabled) return E_POINTER;
    *supported = *enabled = 0;
    IUnknown* probe = nullptr;
    if (FAILED(QueryInterface(iid, reinterpret_cast<void**>(&probe)))) return E_NOINTERFACE;
    probe->Release();
    *supported = kSafetyOptions;
    *enabled = safety_;
    return S_OK;
}

STDMETHODIMP CEvalUploader::SetInterfaceSafetyOptions(REFIID iid, DWORD mask, DWORD enabled) {
    IUnknown* probe = nullptr;
    if (FAILED(QueryInterface(iid, reinterpret_cast<void**>(&probe)))) return E_NOINTERFACE;
    probe->Release();
    if (mask & ~kSafetyOptions) return E_FAIL;
    safety_ = (safety_ & ~mask) | (enabled & mask);
    return S_OK;
}

}  // namespace brivel::uploadctl
