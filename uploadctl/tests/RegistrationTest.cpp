// regsvr32 registers and unregisters the control: the keys and values of
// its registration script, applied by the platform's registrar with the
// DLL's path, and its type library; a client then creates it by its ProgID.
#include "ServerFixture.h"

#include <oleauto.h>

#include <objsafe.h>
#include <ocidl.h>

#include "DispatchClient.h"
#include "TestPropertyBag.h"

using namespace brivel::uploadctl::testing;

namespace {

const GUID kLibidGuid = {0x07311675, 0x787D, 0x4FF1, {0x96, 0x9A, 0xBC, 0xB3, 0x08, 0x91, 0xEB, 0x44}};

std::string Lower(std::string text) {
    for (char& c : text) c = static_cast<char>(tolower(static_cast<unsigned char>(c)));
    return text;
}

class ControlRegistration : public ::testing::Test {
protected:
    void SetUp() override { CoInitialize(nullptr); }
    void TearDown() override {
        RunRegsvr32(true);
        CoUninitialize();
    }

    const std::string clsidKey_ = std::string("CLSID\\") + kClsid;
};

}  // namespace

TEST_F(ControlRegistration, Regsvr32WritesTheScriptsKeysWithTheModulePath) {
    ASSERT_EQ(RunRegsvr32(false), 0);
    const std::string module = ServerDllPath();
    EXPECT_EQ(RegistryText(HKEY_CLASSES_ROOT, "Brivel.EvalDllUploader.1"), "EvalUploader Class");
    EXPECT_EQ(RegistryText(HKEY_CLASSES_ROOT, "Brivel.EvalDllUploader.1\\CLSID"), kClsid);
    EXPECT_EQ(RegistryText(HKEY_CLASSES_ROOT, "Brivel.EvalDllUploader"), "EvalUploader Class");
    EXPECT_EQ(RegistryText(HKEY_CLASSES_ROOT, "Brivel.EvalDllUploader\\CLSID"), kClsid);
    EXPECT_EQ(RegistryText(HKEY_CLASSES_ROOT, "Brivel.EvalDllUploader\\CurVer"), "Brivel.EvalDllUploader.1");

    EXPECT_EQ(RegistryText(HKEY_CLASSES_ROOT, clsidKey_), "EvalUploader Class");
    EXPECT_EQ(RegistryText(HKEY_CLASSES_ROOT, clsidKey_ + "\\ProgID"), "Brivel.EvalDllUploader.1");
    EXPECT_EQ(RegistryText(HKEY_CLASSES_ROOT, clsidKey_ + "\\VersionIndependentProgID"), "Brivel.EvalDllUploader");
    for (const char* empty : {"Programmable", "Control", "Insertable"})
        EXPECT_TRUE(KeyExists(HKEY_CLASSES_ROOT, clsidKey_ + "\\" + empty)) << empty;
    EXPECT_EQ(Lower(RegistryText(HKEY_CLASSES_ROOT, clsidKey_ + "\\InprocServer32")), Lower(module));
    EXPECT_EQ(RegistryText(HKEY_CLASSES_ROOT, clsidKey_ + "\\InprocServer32", "ThreadingModel"), "Apartment");
    EXPECT_EQ(Lower(RegistryText(HKEY_CLASSES_ROOT, clsidKey_ + "\\ToolboxBitmap32")), Lower(module + ", 101"));
    EXPECT_EQ(RegistryText(HKEY_CLASSES_ROOT, clsidKey_ + "\\MiscStatus"), "0");
    EXPECT_EQ(RegistryText(HKEY_CLASSES_ROOT, clsidKey_ + "\\MiscStatus\\1"), "131473");
    EXPECT_EQ(RegistryText(HKEY_CLASSES_ROOT, clsidKey_ + "\\TypeLib"), kLibid);
    EXPECT_EQ(RegistryText(HKEY_CLASSES_ROOT, clsidKey_ + "\\Version"), "1.0");
}

TEST_F(ControlRegistration, Regsvr32RegistersTheEmbeddedTypeLibrary) {
    ASSERT_EQ(RunRegsvr32(false), 0);
    const std::string libraryKey = std::string("TypeLib\\") + kLibid + "\\1.0";
    EXPECT_EQ(RegistryText(HKEY_CLASSES_ROOT, libraryKey), "BrivelEvalDllBuilder 1.0 Type Library");
    EXPECT_EQ(Lower(RegistryText(HKEY_CLASSES_ROOT, libraryKey + "\\0\\win32")), Lower(ServerDllPath()));

    ITypeLib* library = nullptr;
    ASSERT_EQ(LoadRegTypeLib(kLibidGuid, 1, 0, LOCALE_NEUTRAL, &library), S_OK);
    BSTR name = nullptr, help = nullptr;
    ASSERT_EQ(library->GetDocumentation(-1, &name, &help, nullptr, nullptr), S_OK);
    EXPECT_STREQ(name, L"BRIVELEVALDLLBUILDERLib");
    EXPECT_STREQ(help, L"BrivelEvalDllBuilder 1.0 Type Library");
    SysFreeString(name);
    SysFreeString(help);
    library->Release();
}

TEST_F(ControlRegistration, Regsvr32UnregisterRemovesEverythingButTheClsidKey) {
    ASSERT_EQ(RunRegsvr32(false), 0);
    ASSERT_EQ(RunRegsvr32(true), 0);
    for (const std::string& key : {std::string("Brivel.EvalDllUploader.1"), std::string("Brivel.EvalDllUploader"),
                                   clsidKey_, std::string("TypeLib\\") + kLibid})
        EXPECT_FALSE(KeyExists(HKEY_CLASSES_ROOT, key)) << key;
    EXPECT_TRUE(KeyExists(HKEY_CLASSES_ROOT, "CLSID"));
    ITypeLib* library = nullptr;
    EXPECT_NE(LoadRegTypeLib(kLibidGuid, 1, 0, LOCALE_NEUTRAL, &library), S_OK);
    if (library) library->Release();
}

TEST_F(ControlRegistration, UnregisteringAServerThatIsNotRegisteredSucceeds) {
    ASSERT_EQ(RunRegsvr32(false), 0);
    ASSERT_EQ(RunRegsvr32(true), 0);
    EXPECT_EQ(RunRegsvr32(true), 0);
    // and registering again restores it
    ASSERT_EQ(RunRegsvr32(false), 0);
    EXPECT_EQ(RegistryText(HKEY_CLASSES_ROOT, clsidKey_ + "\\ProgID"), "Brivel.EvalDllUploader.1");
}

TEST_F(ControlRegistration, AClientCreatesTheControlByItsProgIdAndSetsItsPropertiesByNameAndFromABag) {
    ASSERT_EQ(RunRegsvr32(false), 0);
    for (const wchar_t* progId : {L"Brivel.EvalDllUploader", L"Brivel.EvalDllUploader.1"}) {
        CLSID classId;
        ASSERT_EQ(CLSIDFromProgID(progId, &classId), S_OK) << progId;
        EXPECT_TRUE(classId == LoadedServer::kControlClsid);
        IDispatch* control = nullptr;
        ASSERT_EQ(CoCreateInstance(classId, nullptr, CLSCTX_INPROC_SERVER, IID_IDispatch,
                                   reinterpret_cast<void**>(&control)),
                  S_OK);
        const wchar_t* names[] = {L"pkgName",     L"libName",     L"comFileName", L"hostName",
                                  L"targetUrl",   L"initialText", L"activeXList", L"preferVirtual"};
        for (int i = 0; i < 8; ++i) {
            EXPECT_EQ(DispatchIdOf(control, names[i]), i + 1) << i;
            std::wstring value = std::wstring(L"value of ") + names[i];
            EXPECT_EQ(PutText(control, names[i], value), S_OK) << i;
            EXPECT_EQ(GetText(control, names[i]), value) << i;
        }
        TestPropertyBag bag;
        bag.SetText(L"LibraryName", L"JFromThePage");
        IPersistPropertyBag* persist = nullptr;
        ASSERT_EQ(control->QueryInterface(IID_IPersistPropertyBag, reinterpret_cast<void**>(&persist)), S_OK);
        EXPECT_EQ(persist->Load(&bag, nullptr), S_OK);
        persist->Release();
        EXPECT_EQ(GetText(control, L"libName"), L"JFromThePage");
        IObjectSafety* safety = nullptr;
        ASSERT_EQ(control->QueryInterface(IID_IObjectSafety, reinterpret_cast<void**>(&safety)), S_OK);
        DWORD supported = 0, enabled = 0;
        EXPECT_EQ(safety->GetInterfaceSafetyOptions(IID_IDispatch, &supported, &enabled), S_OK);
        EXPECT_EQ(supported, static_cast<DWORD>(INTERFACESAFE_FOR_UNTRUSTED_CALLER | INTERFACESAFE_FOR_UNTRUSTED_DATA));
        safety->Release();
        control->Release();
    }
}
