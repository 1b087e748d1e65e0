// The control as a COM object, loaded from the DLL without the registry:
// its class object and the module's lifetime, its dispatch interface read
// from the embedded type library, properties as a hostile page may set them,
// the property bag and object safety.
#include "ServerFixture.h"

#include <objsafe.h>
#include <ocidl.h>
#include <olectl.h>

#include "BuildServiceHost.h"
#include "DispatchClient.h"
#include "TestPropertyBag.h"

#include <vector>

using namespace brivel::uploadctl::testing;

namespace {

const IID kIidEvalUploader = {0x1D78FB59, 0x1E7D, 0x43A6, {0xAA, 0x59, 0xBE, 0x9D, 0xA5, 0x89, 0x6A, 0x1F}};
const wchar_t* const kNames[] = {L"pkgName",     L"libName",     L"comFileName", L"hostName",
                                 L"targetUrl",   L"initialText", L"activeXList", L"preferVirtual"};
const wchar_t* const kBagNames[] = {L"PackageName", L"LibraryName", L"ComFileName", L"HostName",
                                    L"TargetURL",   L"InitialText", L"ActiveXList", L"PreferVirtual"};

std::wstring Wide(const std::string& text) { return std::wstring(text.begin(), text.end()); }

// Fills the stack below the caller's frame with a pattern that is no valid
// pointer, as a variable left uninitialised in the next call would find it
// (freeing it then faults at once, instead of corrupting the heap quietly).
__attribute__((noinline)) void PaintStack() {
    volatile unsigned char area[64 * 1024];
    for (size_t i = 0; i < sizeof area; ++i) area[i] = 0xCC;
}

// VariantInit as the platform documents it: the type set to VT_EMPTY, the
// rest left as it was. (Wine's, like that of newer systems, clears the
// whole VARIANT, which would hide a value the caller never set.)
void WINAPI VariantInitTypeOnly(VARIANTARG* value) { value->vt = VT_EMPTY; }

// Points a loaded module's imports of one function at another for the
// guard's lifetime.
class ImportRedirect {
public:
    ImportRedirect(HMODULE module, DWORD_PTR function, DWORD_PTR replacement) : function_(function) {
        auto* base = reinterpret_cast<BYTE*>(module);
        auto* headers = reinterpret_cast<IMAGE_NT_HEADERS*>(base + reinterpret_cast<IMAGE_DOS_HEADER*>(base)->e_lfanew);
        const IMAGE_DATA_DIRECTORY& imports = headers->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_IMPORT];
        for (auto* library = reinterpret_cast<IMAGE_IMPORT_DESCRIPTOR*>(base + imports.VirtualAddress); library->Name;
             ++library)
            for (auto* slot = reinterpret_cast<IMAGE_THUNK_DATA*>(base + library->FirstThunk); slot->u1.Function; ++slot)
                if (slot->u1.Function == function) {
                    Write(slot, replacement);
                    slots_.push_back(slot);
                }
    }
    ~ImportRedirect() {
        for (IMAGE_THUNK_DATA* slot : slots_) Write(slot, function_);
    }
    size_t Redirected() const { return slots_.size(); }

private:
    static void Write(IMAGE_THUNK_DATA* slot, DWORD_PTR target) {
        DWORD protection = 0;
        VirtualProtect(&slot->u1.Function, sizeof slot->u1.Function, PAGE_READWRITE, &protection);
        slot->u1.Function = target;
        VirtualProtect(&slot->u1.Function, sizeof slot->u1.Function, protection, &protection);
    }
    DWORD_PTR function_;
    std::vector<IMAGE_THUNK_DATA*> slots_;
};

class ControlCom : public ::testing::Test {
protected:
    void SetUp() override {
        CoInitialize(nullptr);
        ASSERT_TRUE(server_.Loaded());
        control_ = server_.Create<IDispatch>(IID_IDispatch);
        ASSERT_NE(control_, nullptr);
    }
    void TearDown() override {
        if (control_) control_->Release();
        CoUninitialize();
    }
    template <typename Interface>
    Interface* As(REFIID iid) {
        Interface* object = nullptr;
        EXPECT_EQ(control_->QueryInterface(iid, reinterpret_cast<void**>(&object)), S_OK);
        return object;
    }

    LoadedServer server_;
    IDispatch* control_ = nullptr;
};

}  // namespace

TEST_F(ControlCom, TheTypeInformationDescribesIEvalUploaderWithItsEightProperties) {
    UINT count = 0;
    ASSERT_EQ(control_->GetTypeInfoCount(&count), S_OK);
    EXPECT_EQ(count, 1u);
    ITypeInfo* info = nullptr;
    ASSERT_EQ(control_->GetTypeInfo(0, LOCALE_USER_DEFAULT, &info), S_OK);
    BSTR name = nullptr, help = nullptr;
    ASSERT_EQ(info->GetDocumentation(MEMBERID_NIL, &name, &help, nullptr, nullptr), S_OK);
    EXPECT_STREQ(name, L"IEvalUploader");
    EXPECT_STREQ(help, L"IEvalUploader Interface");
    SysFreeString(name);
    SysFreeString(help);
    TYPEATTR* attributes = nullptr;
    ASSERT_EQ(info->GetTypeAttr(&attributes), S_OK);
    EXPECT_TRUE(attributes->guid == kIidEvalUploader);
    EXPECT_TRUE(attributes->wTypeFlags & TYPEFLAG_FDUAL);
    info->ReleaseTypeAttr(attributes);
    for (int i = 0; i < 8; ++i) {
        MEMBERID id = DispatchIdOf(control_, kNames[i]);
        EXPECT_EQ(id, i + 1) << i;
        ASSERT_EQ(info->GetDocumentation(id, &name, &help, nullptr, nullptr), S_OK) << i;
        EXPECT_EQ(std::wstring(name), kNames[i]);
        EXPECT_EQ(std::wstring(help), std::wstring(L"property ") + kNames[i]);
        SysFreeString(name);
        SysFreeString(help);
    }
    info->Release();
}

TEST_F(ControlCom, GetsReturnWhatWasSetAndTheServiceAddressStartsAsTheKits) {
    EXPECT_EQ(GetText(control_, L"hostName"), Wide(brivel::remotebuild::GetBuildServiceHost()));
    EXPECT_EQ(GetText(control_, L"targetUrl"), L"/brvBuildServlet");
    for (const wchar_t* name : {L"pkgName", L"libName", L"comFileName", L"initialText", L"activeXList", L"preferVirtual"})
        EXPECT_EQ(GetText(control_, name), L"") << name;
    ASSERT_EQ(PutText(control_, L"activeXList", L"Ax.One,Ax.Two"), S_OK);
    ASSERT_EQ(PutText(control_, L"activeXList", L""), S_OK);
    EXPECT_EQ(GetText(control_, L"activeXList"), L"");
    ASSERT_EQ(PutText(control_, L"preferVirtual", L"10"), S_OK);
    EXPECT_EQ(GetText(control_, L"preferVirtual"), L"10");
    // Texts in the system code page, and a number a script passes.
    ASSERT_EQ(PutText(control_, L"pkgName", L"caf\u00e9.b"), S_OK);
    EXPECT_EQ(GetText(control_, L"pkgName"), L"caf\u00e9.b");
    VARIANT number;
    number.vt = VT_I4;
    number.lVal = 42;
    ASSERT_EQ(PutProperty(control_, L"libName", number), S_OK);
    EXPECT_EQ(GetText(control_, L"libName"), L"42");
    VARIANT empty;
    empty.vt = VT_BSTR;
    empty.bstrVal = nullptr;
    ASSERT_EQ(PutProperty(control_, L"libName", empty), S_OK);
    EXPECT_EQ(GetText(control_, L"libName"), L"");
}

TEST_F(ControlCom, TextsBeyondTheirBoundsAreRefusedAndTheOldValueStays) {
    const size_t bounds[] = {510, 510, 510, 255, 2048, 4096, 65008, 510};
    for (int i = 0; i < 8; ++i) {
        ASSERT_EQ(PutText(control_, kNames[i], L"kept"), S_OK) << i;
        EXPECT_EQ(PutText(control_, kNames[i], std::wstring(bounds[i], L'x')), S_OK) << i;
        EXPECT_EQ(PutText(control_, kNames[i], std::wstring(bounds[i] + 1, L'y')), E_INVALIDARG) << i;
        EXPECT_EQ(GetText(control_, kNames[i]), std::wstring(bounds[i], L'x')) << i;
        EXPECT_EQ(PutText(control_, kNames[i], std::wstring(4 * 1024 * 1024, L'z')), E_INVALIDARG) << i;
    }
}

TEST_F(ControlCom, NamesWithSeparatorsOrNulsAreKeptAsTextsNotPaths) {
    const std::wstring withNul(L"JLib\0..\\x", 9);
    for (const std::wstring& name : {std::wstring(L"..\\..\\windows\\system32\\evil"), std::wstring(L"C:evil"), withNul}) {
        ASSERT_EQ(PutText(control_, L"libName", name), S_OK);
        EXPECT_EQ(GetText(control_, L"libName"), name);
    }
}

TEST_F(ControlCom, APropertyBagSetsEveryPropertyItHoldsAsText) {
    TestPropertyBag bag;
    for (int i = 0; i < 8; ++i) bag.SetText(kBagNames[i], std::wstring(L"bag ") + kNames[i]);
    VARIANT number;
    number.vt = VT_I4;
    number.lVal = 1;
    bag.Set(L"PreferVirtual", number);
    IPersistPropertyBag* persist = As<IPersistPropertyBag>(IID_IPersistPropertyBag);
    ASSERT_NE(persist, nullptr);
    CLSID classId;
    ASSERT_EQ(persist->GetClassID(&classId), S_OK);
    EXPECT_TRUE(classId == LoadedServer::kControlClsid);
    ASSERT_EQ(persist->InitNew(), S_OK);
    ASSERT_EQ(persist->Load(&bag, nullptr), S_OK);
    for (int i = 0; i < 7; ++i) EXPECT_EQ(GetText(control_, kNames[i]), std::wstring(L"bag ") + kNames[i]) << i;
    EXPECT_EQ(GetText(control_, L"preferVirtual"), L"1");

    TestPropertyBag saved;
    ASSERT_EQ(persist->Save(&saved, TRUE, TRUE), S_OK);
    for (int i = 0; i < 7; ++i) EXPECT_EQ(saved.Text(kBagNames[i]), std::wstring(L"bag ") + kNames[i]) << i;
    EXPECT_EQ(saved.Text(L"PreferVirtual"), L"1");
    persist->Release();
}

TEST_F(ControlCom, ABagThatReadsIntoTheCallersVariantIsHandedAnEmptyOne) {
    TestPropertyBag bag;
    for (int i = 0; i < 8; ++i) bag.SetText(kBagNames[i], std::wstring(L"painted ") + kNames[i]);
    VARIANT number;
    number.vt = VT_I4;
    number.lVal = 7;
    bag.Set(L"LibraryName", number);
    IPersistPropertyBag* persist = As<IPersistPropertyBag>(IID_IPersistPropertyBag);
    ASSERT_NE(persist, nullptr);
    ImportRedirect documented(server_.Module(),
                              reinterpret_cast<DWORD_PTR>(GetProcAddress(GetModuleHandleA("oleaut32.dll"), "VariantInit")),
                              reinterpret_cast<DWORD_PTR>(&VariantInitTypeOnly));
    ASSERT_GT(documented.Redirected(), 0u);
    PaintStack();
    HRESULT hr = persist->Load(&bag, nullptr);
    EXPECT_EQ(hr, S_OK);
    EXPECT_EQ(bag.Reads(), 8);
    EXPECT_EQ(bag.StringsHandedIn(), 0);
    EXPECT_EQ(GetText(control_, L"pkgName"), L"painted pkgName");
    EXPECT_EQ(GetText(control_, L"libName"), L"7");
    persist->Release();
}

// What the page's saved parameters report to the container's error log.
class RecordingErrorLog : public IErrorLog {
public:
    std::vector<std::pair<std::wstring, SCODE>> errors;

    STDMETHODIMP QueryInterface(REFIID iid, void** object) override {
        *object = (iid == IID_IUnknown || iid == IID_IErrorLog) ? static_cast<IErrorLog*>(this) : nullptr;
        return *object ? S_OK : E_NOINTERFACE;
    }
    STDMETHODIMP_(ULONG) AddRef() override { return 2; }
    STDMETHODIMP_(ULONG) Release() override { return 1; }
    STDMETHODIMP AddError(LPCOLESTR property, EXCEPINFO* error) override {
        errors.emplace_back(property, error ? error->scode : S_OK);
        return S_OK;
    }
};

TEST_F(ControlCom, ABagMissingSomePropertiesLeavesThemAndAValueBeyondItsBoundKeepsOnlyThatPropertysValue) {
    ASSERT_EQ(PutText(control_, L"pkgName", L"kept.package"), S_OK);
    IPersistPropertyBag* persist = As<IPersistPropertyBag>(IID_IPersistPropertyBag);
    TestPropertyBag partial;
    partial.SetText(L"LibraryName", L"JFromBag");
    ASSERT_EQ(persist->Load(&partial, nullptr), S_OK);
    EXPECT_EQ(GetText(control_, L"pkgName"), L"kept.package");
    EXPECT_EQ(GetText(control_, L"libName"), L"JFromBag");
    EXPECT_EQ(partial.Reads(), 8);

    // The browser creates the control only when the load succeeds: one
    // hostile value costs that value, not the control.
    ASSERT_EQ(PutText(control_, L"activeXList", L"Ax.Kept"), S_OK);
    TestPropertyBag hostile;
    hostile.SetText(L"LibraryName", L"JHostile");
    hostile.SetText(L"ActiveXList", std::wstring(1000000, L'a'));
    hostile.SetText(L"HostName", std::wstring(256, L'h'));
    hostile.SetText(L"TargetURL", L"/other");
    RecordingErrorLog log;
    EXPECT_EQ(persist->Load(&hostile, &log), S_OK);
    EXPECT_EQ(GetText(control_, L"libName"), L"JHostile");
    EXPECT_EQ(GetText(control_, L"targetUrl"), L"/other");
    EXPECT_EQ(GetText(control_, L"activeXList"), L"Ax.Kept");
    EXPECT_EQ(GetText(control_, L"hostName"), Wide(brivel::remotebuild::GetBuildServiceHost()));
    ASSERT_EQ(log.errors.size(), 2u);
    EXPECT_EQ(log.errors[0].first, L"HostName");
    EXPECT_EQ(log.errors[1].first, L"ActiveXList");
    for (const auto& error : log.errors) EXPECT_EQ(error.second, E_INVALIDARG);
    // Without a log, the same.
    ASSERT_EQ(PutText(control_, L"libName", L"JBefore"), S_OK);
    EXPECT_EQ(persist->Load(&hostile, nullptr), S_OK);
    EXPECT_EQ(GetText(control_, L"libName"), L"JHostile");
    persist->Release();
}

TEST_F(ControlCom, EveryInterfaceOfTheControlIsSafeForUntrustedCallersAndData) {
    IObjectSafety* safety = As<IObjectSafety>(IID_IObjectSafety);
    ASSERT_NE(safety, nullptr);
    constexpr DWORD kBoth = INTERFACESAFE_FOR_UNTRUSTED_CALLER | INTERFACESAFE_FOR_UNTRUSTED_DATA;
    for (const IID* iid : {&IID_IDispatch, &kIidEvalUploader, &IID_IPersistPropertyBag, &IID_IOleObject,
                           &IID_IObjectSafety, &IID_IUnknown}) {
        DWORD supported = 0, enabled = 7;
        ASSERT_EQ(safety->GetInterfaceSafetyOptions(*iid, &supported, &enabled), S_OK);
        EXPECT_EQ(supported, kBoth);
    }
    DWORD supported = 0, enabled = 0;
    ASSERT_EQ(safety->SetInterfaceSafetyOptions(IID_IDispatch, kBoth, kBoth), S_OK);
    ASSERT_EQ(safety->GetInterfaceSafetyOptions(IID_IDispatch, &supported, &enabled), S_OK);
    EXPECT_EQ(enabled, kBoth);
    ASSERT_EQ(safety->SetInterfaceSafetyOptions(IID_IDispatch, INTERFACESAFE_FOR_UNTRUSTED_DATA, 0), S_OK);
    ASSERT_EQ(safety->GetInterfaceSafetyOptions(IID_IDispatch, &supported, &enabled), S_OK);
    EXPECT_EQ(enabled, static_cast<DWORD>(INTERFACESAFE_FOR_UNTRUSTED_CALLER));
    EXPECT_EQ(safety->SetInterfaceSafetyOptions(IID_IDispatch, 0x10, 0x10), E_FAIL);
    EXPECT_EQ(safety->GetInterfaceSafetyOptions(IID_IPersistStreamInit, &supported, &enabled), E_NOINTERFACE);
    EXPECT_EQ(safety->SetInterfaceSafetyOptions(IID_IPersistStreamInit, kBoth, kBoth), E_NOINTERFACE);
    safety->Release();
}

TEST_F(ControlCom, TheControlTellsContainersHowToShowIt) {
    IOleObject* object = As<IOleObject>(IID_IOleObject);
    ASSERT_NE(object, nullptr);
    DWORD status = 0;
    ASSERT_EQ(object->GetMiscStatus(DVASPECT_CONTENT, &status), S_OK);
    EXPECT_EQ(status, 131473u);
    EXPECT_TRUE(status & OLEMISC_ACTIVATEWHENVISIBLE);
    EXPECT_TRUE(status & OLEMISC_SETCLIENTSITEFIRST);
    SIZEL extent = {};
    ASSERT_EQ(object->GetExtent(DVASPECT_CONTENT, &extent), S_OK);
    EXPECT_GT(extent.cx, 2540);  // more than an inch wide
    EXPECT_GT(extent.cy, 2540);
    SIZEL set = {5000, 3000};
    ASSERT_EQ(object->SetExtent(DVASPECT_CONTENT, &set), S_OK);
    ASSERT_EQ(object->GetExtent(DVASPECT_CONTENT, &extent), S_OK);
    EXPECT_EQ(extent.cx, 5000);
    CLSID classId;
    ASSERT_EQ(object->GetUserClassID(&classId), S_OK);
    EXPECT_TRUE(classId == LoadedServer::kControlClsid);
    object->Release();
    for (const IID* iid : {&IID_IOleInPlaceObject, &IID_IOleInPlaceActiveObject, &IID_IOleControl, &IID_IViewObject2,
                           &IID_IOleWindow, &IID_IPersist}) {
        IUnknown* other = As<IUnknown>(*iid);
        ASSERT_NE(other, nullptr);
        other->Release();
    }
}

TEST_F(ControlCom, TheClassObjectMakesOnlyThisClassWithoutAggregation) {
    IClassFactory* factory = nullptr;
    ASSERT_EQ(server_.GetClassObject(LoadedServer::kControlClsid, IID_IClassFactory, reinterpret_cast<void**>(&factory)),
              S_OK);
    IUnknown* object = nullptr;
    EXPECT_EQ(factory->CreateInstance(control_, IID_IUnknown, reinterpret_cast<void**>(&object)), CLASS_E_NOAGGREGATION);
    EXPECT_EQ(object, nullptr);
    EXPECT_EQ(factory->CreateInstance(nullptr, IID_IPersistStreamInit, reinterpret_cast<void**>(&object)), E_NOINTERFACE);
    factory->Release();
    EXPECT_EQ(server_.GetClassObject(IID_IDispatch, IID_IClassFactory, reinterpret_cast<void**>(&factory)),
              CLASS_E_CLASSNOTAVAILABLE);
}

TEST_F(ControlCom, TheModuleStaysWhileAControlOrAServerLockLives) {
    EXPECT_EQ(server_.CanUnloadNow(), S_FALSE);
    control_->Release();
    control_ = nullptr;
    EXPECT_EQ(server_.CanUnloadNow(), S_OK);
    IClassFactory* factory = nullptr;
    ASSERT_EQ(server_.GetClassObject(LoadedServer::kControlClsid, IID_IClassFactory, reinterpret_cast<void**>(&factory)),
              S_OK);
    ASSERT_EQ(factory->LockServer(TRUE), S_OK);
    EXPECT_EQ(server_.CanUnloadNow(), S_FALSE);
    ASSERT_EQ(factory->LockServer(FALSE), S_OK);
    factory->Release();
    EXPECT_EQ(server_.CanUnloadNow(), S_OK);
}
