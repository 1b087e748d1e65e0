// Apartments, activation of an in-process server registered by the test,
// programmatic identifiers and active objects, against the platform's COM
// and our own layer.
#include <gtest/gtest.h>

#include <string>
#include <thread>

#include "OleText.h"
#include "ServerPath.h"
#include "TestObjects.h"
#include "server/TestServer.h"

namespace {
const char kClassKey[] = "CLSID\\{6F1C3A52-8D4B-4E37-9A1E-2B5C7D9E0F13}";
const char kProgId[] = "Brivel.ConformanceCounter";
// A class registered with a library that does not exist.
const CLSID kMissingLibraryClass = {0x6F1C3A54, 0x8D4B, 0x4E37, {0x9A, 0x1E, 0x2B, 0x5C, 0x7D, 0x9E, 0x0F, 0x13}};
const char kMissingLibraryKey[] = "CLSID\\{6F1C3A54-8D4B-4E37-9A1E-2B5C7D9E0F13}";

void SetText(const std::string& path, const char* name, const std::string& value) {
    HKEY key;
    ASSERT_EQ(RegCreateKeyA(HKEY_CLASSES_ROOT, path.c_str(), &key), ERROR_SUCCESS) << path;
    ASSERT_EQ(RegSetValueExA(key, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()),
                             static_cast<DWORD>(value.size() + 1)),
              ERROR_SUCCESS);
    RegCloseKey(key);
}

// Registers the test server as the platform's registration would.
class Activation : public ::testing::Test {
protected:
    void SetUp() override {
        SetText(std::string(kClassKey) + "\\InprocServer32", nullptr, TestServerPath());
        SetText(std::string(kClassKey) + "\\InprocServer32", "ThreadingModel", "Both");
        SetText(std::string(kClassKey) + "\\ProgID", nullptr, kProgId);
        SetText(std::string(kProgId) + "\\CLSID", nullptr, "{6F1C3A52-8D4B-4E37-9A1E-2B5C7D9E0F13}");
        SetText(std::string(kMissingLibraryKey) + "\\InprocServer32", nullptr, TestServerPath() + ".missing");
        ASSERT_TRUE(SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED)));
    }
    void TearDown() override { CoUninitialize(); }
};
}  // namespace

TEST(Apartments, SecondInitialisationIsCountedAndAChangedModeRefused) {
    std::thread([] {
        EXPECT_EQ(CoInitializeEx(nullptr, COINIT_MULTITHREADED), S_OK);
        EXPECT_EQ(CoInitializeEx(nullptr, COINIT_MULTITHREADED), S_FALSE);
        EXPECT_EQ(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED), RPC_E_CHANGED_MODE);
        CoUninitialize();
        CoUninitialize();
    }).join();
}

TEST(Apartments, ActivationNeedsAnInitialisedThread) {
    std::thread([] {
        IUnknown* object = reinterpret_cast<IUnknown*>(1);
        EXPECT_EQ(CoCreateInstance(CLSID_BrivelTestCounter, nullptr, CLSCTX_INPROC_SERVER, IID_IUnknown,
                                   reinterpret_cast<void**>(&object)),
                  CO_E_NOTINITIALIZED);
        EXPECT_EQ(object, nullptr);
    }).join();
}

TEST_F(Activation, CreatesTheRegisteredServersObject) {
    IBrivelTestCounter* counter = nullptr;
    ASSERT_EQ(CoCreateInstance(CLSID_BrivelTestCounter, nullptr, CLSCTX_INPROC_SERVER, IID_IBrivelTestCounter,
                               reinterpret_cast<void**>(&counter)),
              S_OK);
    ASSERT_NE(counter, nullptr);
    LONG count = 0;
    EXPECT_EQ(counter->Increment(&count), S_OK);
    EXPECT_EQ(counter->Increment(&count), S_OK);
    EXPECT_EQ(count, 2);
    IUnknown* identity = nullptr;
    ASSERT_EQ(counter->QueryInterface(IID_IUnknown, reinterpret_cast<void**>(&identity)), S_OK);
    EXPECT_EQ(identity, static_cast<IUnknown*>(counter));
    identity->Release();
    IDispatch* dispatch = reinterpret_cast<IDispatch*>(1);
    EXPECT_EQ(counter->QueryInterface(IID_IDispatch, reinterpret_cast<void**>(&dispatch)), E_NOINTERFACE);
    EXPECT_EQ(counter->Release(), 0u);

    IBrivelTestCounter* second = nullptr;
    ASSERT_EQ(CoCreateInstance(CLSID_BrivelTestCounter, nullptr, CLSCTX_ALL, IID_IBrivelTestCounter,
                               reinterpret_cast<void**>(&second)),
              S_OK);
    EXPECT_EQ(second->Increment(&count), S_OK);
    EXPECT_EQ(count, 1);  // a new object
    second->Release();
}

TEST_F(Activation, AServerSharesTheCallersInitialisedThread) {
    HMODULE server = LoadLibraryA(TestServerPath().c_str());
    ASSERT_NE(server, nullptr);
    typedef HRESULT (*Activate)(void);
    Activate activate = reinterpret_cast<Activate>(
        reinterpret_cast<void*>(GetProcAddress(server, "BrivelTestServerActivate")));
    ASSERT_NE(activate, nullptr);
    EXPECT_EQ(activate(), S_OK);
    FreeLibrary(server);
}

TEST_F(Activation, TheClassObjectIsAClassFactory) {
    IClassFactory* factory = nullptr;
    ASSERT_EQ(CoGetClassObject(CLSID_BrivelTestCounter, CLSCTX_INPROC_SERVER, nullptr, IID_IClassFactory,
                               reinterpret_cast<void**>(&factory)),
              S_OK);
    IUnknown* object = nullptr;
    ASSERT_EQ(factory->CreateInstance(nullptr, IID_IUnknown, reinterpret_cast<void**>(&object)), S_OK);
    object->Release();
    factory->Release();
}

TEST_F(Activation, FailuresComeBackAsTheirResults) {
    CountedDispatch outer;
    IUnknown* object = reinterpret_cast<IUnknown*>(1);
    EXPECT_EQ(CoCreateInstance(CLSID_BrivelTestCounter, &outer, CLSCTX_INPROC_SERVER, IID_IUnknown,
                               reinterpret_cast<void**>(&object)),
              CLASS_E_NOAGGREGATION);
    EXPECT_EQ(object, nullptr);
    const CLSID unregistered = {0x6F1C3A5F, 0x8D4B, 0x4E37, {0x9A, 0x1E, 0x2B, 0x5C, 0x7D, 0x9E, 0x0F, 0x13}};
    EXPECT_EQ(CoCreateInstance(unregistered, nullptr, CLSCTX_INPROC_SERVER, IID_IUnknown,
                               reinterpret_cast<void**>(&object)),
              REGDB_E_CLASSNOTREG);
    // The exact code for a library that cannot be loaded differs between
    // versions of the platform.
    EXPECT_TRUE(FAILED(CoCreateInstance(kMissingLibraryClass, nullptr, CLSCTX_INPROC_SERVER, IID_IUnknown,
                                        reinterpret_cast<void**>(&object))));
    EXPECT_EQ(object, nullptr);
}

TEST_F(Activation, ProgrammaticIdentifiersMapBothWays) {
    CLSID clsid = CLSID_NULL;
    ASSERT_EQ(CLSIDFromProgID(L"Brivel.ConformanceCounter", &clsid), S_OK);
    EXPECT_TRUE(IsEqualCLSID(clsid, CLSID_BrivelTestCounter));
    clsid = CLSID_NULL;
    ASSERT_EQ(CLSIDFromString(L"Brivel.ConformanceCounter", &clsid), S_OK);
    EXPECT_TRUE(IsEqualCLSID(clsid, CLSID_BrivelTestCounter));
    LPOLESTR progId = nullptr;
    ASSERT_EQ(ProgIDFromCLSID(CLSID_BrivelTestCounter, &progId), S_OK);
    EXPECT_EQ(Utf16(progId), u"Brivel.ConformanceCounter");
    CoTaskMemFree(progId);
    EXPECT_EQ(CLSIDFromProgID(L"Brivel.NoSuchClass", &clsid), CO_E_CLASSSTRING);
    EXPECT_EQ(CLSIDFromString(L"Brivel.NoSuchClass", &clsid), CO_E_CLASSSTRING);
    EXPECT_EQ(ProgIDFromCLSID(kMissingLibraryClass, &progId), REGDB_E_CLASSNOTREG);
}

TEST_F(Activation, ActiveObjectsAreFoundUntilRevoked) {
    CountedDispatch object;
    DWORD registration = 0;
    ASSERT_EQ(RegisterActiveObject(&object, CLSID_BrivelTestCounter, ACTIVEOBJECT_STRONG, &registration), S_OK);
    EXPECT_GT(object.references, 1);
    IUnknown* found = nullptr;
    ASSERT_EQ(GetActiveObject(CLSID_BrivelTestCounter, nullptr, &found), S_OK);
    EXPECT_EQ(found, static_cast<IUnknown*>(&object));
    found->Release();
    EXPECT_EQ(RevokeActiveObject(registration, nullptr), S_OK);
    EXPECT_EQ(object.references, 1);
    EXPECT_EQ(GetActiveObject(CLSID_BrivelTestCounter, nullptr, &found), MK_E_UNAVAILABLE);
}
