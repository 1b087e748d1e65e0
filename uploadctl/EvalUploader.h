// EvalUploader, the control that a web page embeds: the dual interface
// IEvalUploader (its type information read from the DLL's own type
// library), persistence in a property bag, object safety, and what a
// container needs to show it in place: an inside-out control whose window
// is its form, active as soon as it is visible.
#pragma once

#include <windows.h>
#include <ocidl.h>
#include <objsafe.h>
#include <oleidl.h>

#include <memory>

#include "BrivelEvalDllBuilder_h.h"
#include "UploaderForm.h"
#include "UploaderProperties.h"
#include "resource.h"

namespace brivel::uploadctl {

class CEvalUploader final : public IEvalUploader,
                      public IPersistPropertyBag,
                      public IObjectSafety,
                      public IOleObject,
                      public IOleInPlaceObject,
                      public IOleInPlaceActiveObject,
                      public IOleControl,
                      public IViewObject2 {
public:
    static HRESULT Create(REFIID iid, void** object);

    // IUnknown
    STDMETHODIMP QueryInterface(REFIID iid, void** object) override;
    STDMETHODIMP_(ULONG) AddRef() override;
    STDMETHODIMP_(ULONG) Release() override;

    // IDispatch
    STDMETHODIMP GetTypeInfoCount(UINT* count) override;
    STDMETHODIMP GetTypeInfo(UINT index, LCID locale, ITypeInfo** info) override;
    STDMETHODIMP GetIDsOfNames(REFIID iid, LPOLESTR* names, UINT count, LCID locale, DISPID* ids) override;
    STDMETHODIMP Invoke(DISPID id, REFIID iid, LCID locale, WORD flags, DISPPARAMS* parameters, VARIANT* result,
                        EXCEPINFO* exception, UINT* argumentError) override;

    // IEvalUploader
    STDMETHODIMP get_pkgName(BSTR* value) override { return GetText(UploaderProperty::PackageName, value); }
    STDMETHODIMP put_pkgName(BSTR value) override { return PutText(UploaderProperty::PackageName, value); }
    STDMETHODIMP get_libName(BSTR* value) override { return GetText(UploaderProperty::LibraryName, value); }
    STDMETHODIMP put_libName(BSTR value) override { return PutText(UploaderProperty::LibraryName, value); }
    STDMETHODIMP get_comFileName(BSTR* value) override { return GetText(UploaderProperty::ComFileName, value); }
    STDMETHODIMP put_comFileName(BSTR value) override { return PutText(UploaderProperty::ComFileName, value); }
    STDMETHODIMP get_hostName(BSTR* value) override { return GetText(UploaderProperty::HostName, value); }
    STDMETHODIMP put_hostName(BSTR value) override { return PutText(UploaderProperty::HostName, value); }
    STDMETHODIMP get_targetUrl(BSTR* value) override { return GetText(UploaderProperty::TargetUrl, value); }
    STDMETHODIMP put_targetUrl(BSTR value) override { return PutText(UploaderProperty::TargetUrl, value); }
    STDMETHODIMP get_initialText(BSTR* value) override { return GetText(UploaderProperty::InitialText, value); }
    STDMETHODIMP put_initialText(BSTR value) override { return PutText(UploaderProperty::InitialText, value); }
    STDMETHODIMP get_activeXList(BSTR* value) override { return GetText(UploaderProperty::ActiveXList, value); }
    STDMETHODIMP put_activeXList(BSTR value) override { return PutText(UploaderProperty::ActiveXList, value); }
    STDMETHODIMP get_preferVirtual(BSTR* value) override { return GetText(UploaderProperty::PreferVirtual, value); }
    STDMETHODIMP put_preferVirtual(BSTR value) override { return PutText(UploaderProperty::PreferVirtual, value); }

    // IPersist, IPersistPropertyBag
    STDMETHODIMP GetClassID(CLSID* classId) override;
    STDMETHODIMP InitNew() override;
    STDMETHODIMP Load(IPropertyBag* bag, IErrorLog* log) override;
    STDMETHODIMP Save(IPropertyBag* bag, BOOL clearDirty, BOOL saveAll) override;

    // IObjectSafety
    STDMETHODIMP GetInterfaceSafetyOptions(REFIID iid, DWORD* supported, DWORD* enabled) override;
    STDMETHODIMP SetInterfaceSafetyOptions(REFIID iid, DWORD mask, DWORD enabled) override;

    // IOleObject
    STDMETHODIMP SetClientSite(IOleClientSite* site) override;
    STDMETHODIMP GetClientSite(IOleClientSite** site) override;
    STDMETHODIMP SetHostNames(LPCOLESTR application, LPCOLESTR document) override;
    STDMETHODIMP Close(DWORD saveOption) override;
    STDMETHODIMP SetMoniker(DWORD which, IMoniker* moniker) override;
    STDMETHODIMP GetMoniker(DWORD assign, DWORD which, IMoniker** moniker) override;
    STDMETHODIMP InitFromData(IDataObject* data, BOOL creation, DWORD reserved) override;
    STDMETHODIMP GetClipboardData(DWORD reserved, IDataObject** data) override;
    STDMETHODIMP DoVerb(LONG verb, LPMSG message, IOleClientSite* activeSite, LONG index, HWND parent,
                        LPCRECT position) override;
    STDMETHODIMP EnumVerbs(IEnumOLEVERB** verbs) override;
    STDMETHODIMP Update() override;
    STDMETHODIMP IsUpToDate() override;
    STDMETHODIMP GetUserClassID(CLSID* classId) override;
    STDMETHODIMP GetUserType(DWORD form, LPOLESTR* userType) override;
    STDMETHODIMP SetExtent(DWORD aspect, SIZEL* size) override;
    STDMETHODIMP GetExtent(DWORD aspect, SIZEL* size) override;
    STDMETHODIMP Advise(IAdviseSink* sink, DWORD* connection) override;
    STDMETHODIMP Unadvise(DWORD connection) override;
    STDMETHODIMP EnumAdvise(IEnumSTATDATA** advises) override;
    STDMETHODIMP GetMiscStatus(DWORD aspect, DWORD* status) override;
    STDMETHODIMP SetColorScheme(LOGPALETTE* palette) override;

    // IOleWindow, IOleInPlaceObject, IOleInPlaceActiveObject
    STDMETHODIMP GetWindow(HWND* window) override;
    STDMETHODIMP ContextSensitiveHelp(BOOL enterMode) override;
    STDMETHODIMP InPlaceDeactivate() override;
    STDMETHODIMP UIDeactivate() override;
    STDMETHODIMP SetObjectRects(LPCRECT position, LPCRECT clip) override;
    STDMETHODIMP ReactivateAndUndo() override;
    STDMETHODIMP TranslateAccelerator(LPMSG message) override;
    STDMETHODIMP OnFrameWindowActivate(BOOL activate) override;
    STDMETHODIMP OnDocWindowActivate(BOOL activate) override;
    STDMETHODIMP ResizeBorder(LPCRECT border, IOleInPlaceUIWindow* window, BOOL frameWindow) override;
    STDMETHODIMP EnableModeless(BOOL enable) override;

    // IOleControl
    STDMETHODIMP GetControlInfo(CONTROLINFO* info) override;
    STDMETHODIMP OnMnemonic(MSG* message) override;
    STDMETHODIMP OnAmbientPropertyChange(DISPID id) override;
    STDMETHODIMP FreezeEvents(BOOL freeze) override;

    // IViewObject, IViewObject2
    STDMETHODIMP Draw(DWORD aspect, LONG index, void* aspectInfo, DVTARGETDEVICE* device, HDC targetDc, HDC drawDc,
                      LPCRECTL bounds, LPCRECTL windowBounds, BOOL(STDMETHODCALLTYPE* cont)(ULONG_PTR),
                      ULONG_PTR contArgument) override;
    STDMETHODIMP GetColorSet(DWORD aspect, LONG index, void* aspectInfo, DVTARGETDEVICE* device, HDC targetDc,
                             LOGPALETTE** colors) override;
    STDMETHODIMP Freeze(DWORD aspect, LONG index, void* aspectInfo, DWORD* freeze) override;
    STDMETHODIMP Unfreeze(DWORD freeze) override;
    STDMETHODIMP SetAdvise(DWORD aspects, DWORD flags, IAdviseSink* sink) override;
    STDMETHODIMP GetAdvise(DWORD* aspects, DWORD* flags, IAdviseSink** sink) override;
    STDMETHODIMP GetExtent(DWORD aspect, LONG index, DVTARGETDEVICE* device, LPSIZEL size) override;

private:
    CEvalUploader();
    ~CEvalUploader();
    CEvalUploader(const CEvalUploader&) = delete;
    CEvalUploader& operator=(const CEvalUploader&) = delete;

    HRESULT GetText(UploaderProperty property, BSTR* value);
    HRESULT PutText(UploaderProperty property, BSTR value);
    HRESULT EnsureTypeInfo();
    HRESULT InPlaceActivate();
    void UIActivate();
    void ReleaseSite();
    void TakeAmbientBackColor();

    LONG references_ = 1;
    CUploaderProperties properties_;
    ITypeInfo* dispatchInfo_ = nullptr;  // what clients read (the dispatch description)
    ITypeInfo* typeInfo_ = nullptr;      // what calls go through (the virtual-table description)
    DWORD safety_ = 0;

    IOleClientSite* site_ = nullptr;
    IDispatch* browser_ = nullptr;  // the hosting browser's application, when the site offers it
    IOleInPlaceSite* inPlaceSite_ = nullptr;
    IOleInPlaceFrame* frame_ = nullptr;
    IOleInPlaceUIWindow* uiWindow_ = nullptr;
    IOleAdviseHolder* adviseHolder_ = nullptr;
    IAdviseSink* viewSink_ = nullptr;
    DWORD viewAspects_ = 0, viewFlags_ = 0;
    bool uiActive_ = false;
    SIZEL extent_;
    std::shared_ptr<CUploaderForm> form_;
};

}  // namespace brivel::uploadctl
