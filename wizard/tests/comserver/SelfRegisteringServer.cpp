// A small in-process COM server for the COM-to-Java build page's tests: one
// class whose objects answer IUnknown, and the self-registration that
// regsvr32 and the build page call. Built three ways: registering itself,
// with a DllRegisterServer that fails (BRIVEL_REGISTRATION_FAILS), and
// without any registration export (BRIVEL_NO_REGISTRATION, see the .def).
#include <windows.h>
#include <objbase.h>
#include <olectl.h>

#include <atomic>
#include <cstdio>

#include "ClassFactory.h"

namespace {

// {6A1F3C52-8E0B-4D7A-9C1E-2B5F7D9A0C31}
const CLSID kClassId = {0x6a1f3c52, 0x8e0b, 0x4d7a, {0x9c, 0x1e, 0x2b, 0x5f, 0x7d, 0x9a, 0x0c, 0x31}};
const char kClassKey[] = "CLSID\\{6A1F3C52-8E0B-4D7A-9C1E-2B5F7D9A0C31}";

HMODULE g_module = nullptr;
std::atomic<long> g_objects{0};

class Object : public IUnknown {
public:
    Object() { ++g_objects; }
    virtual ~Object() { --g_objects; }
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) override {
        if (!object) return E_POINTER;
        if (IsEqualIID(iid, IID_IUnknown)) {
            *object = static_cast<IUnknown*>(this);
            AddRef();
            return S_OK;
        }
        *object = nullptr;
        return E_NOINTERFACE;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return ++references_; }
    ULONG STDMETHODCALLTYPE Release() override {
        ULONG left = --references_;
        if (left == 0) delete this;
        return left;
    }

private:
    std::atomic<ULONG> references_{1};
};

// A new object holds the one reference the factory gives back.
IUnknown* MakeObject() { return new Object; }
brivel::testing::ClassFactory g_factory(MakeObject);

#if !defined(BRIVEL_NO_REGISTRATION) && !defined(BRIVEL_REGISTRATION_FAILS)
bool SetText(HKEY root, const char* path, const char* name, const char* value) {
    HKEY key = nullptr;
    if (RegCreateKeyExA(root, path, 0, nullptr, 0, KEY_WRITE, nullptr, &key, nullptr) != ERROR_SUCCESS) return false;
    LONG rc = RegSetValueExA(key, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(value),
                             static_cast<DWORD>(lstrlenA(value) + 1));
    RegCloseKey(key);
    return rc == ERROR_SUCCESS;
}
#endif

}  // namespace

BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID) {
    if (reason == DLL_PROCESS_ATTACH) g_module = instance;
    return TRUE;
}

extern "C" HRESULT STDAPICALLTYPE DllGetClassObject(REFCLSID clsid, REFIID iid, void** object) {
    return brivel::testing::GetClassObject(IsEqualCLSID(clsid, kClassId) ? &g_factory : nullptr, iid, object);
}

extern "C" HRESULT STDAPICALLTYPE DllCanUnloadNow() { return g_objects == 0 ? S_OK : S_FALSE; }

#ifndef BRIVEL_NO_REGISTRATION
extern "C" HRESULT STDAPICALLTYPE DllRegisterServer() {
#ifdef BRIVEL_REGISTRATION_FAILS
    return SELFREG_E_CLASS;
#else
    char path[MAX_PATH] = "";
    GetModuleFileNameA(g_module, path, sizeof path);
    char server[sizeof kClassKey + 16];
    std::snprintf(server, sizeof server, "%s\\InprocServer32", kClassKey);
    if (!SetText(HKEY_CLASSES_ROOT, kClassKey, nullptr, "Brivel test server") ||
        !SetText(HKEY_CLASSES_ROOT, server, nullptr, path) ||
        !SetText(HKEY_CLASSES_ROOT, server, "ThreadingModel", "Apartment"))
        return SELFREG_E_CLASS;
    return S_OK;
#endif
}

extern "C" HRESULT STDAPICALLTYPE DllUnregisterServer() {
    char server[sizeof kClassKey + 16];
    std::snprintf(server, sizeof server, "%s\\InprocServer32", kClassKey);
    RegDeleteKeyA(HKEY_CLASSES_ROOT, server);
    LONG rc = RegDeleteKeyA(HKEY_CLASSES_ROOT, kClassKey);
    return rc == ERROR_SUCCESS || rc == ERROR_FILE_NOT_FOUND ? S_OK : SELFREG_E_CLASS;
}
#endif
