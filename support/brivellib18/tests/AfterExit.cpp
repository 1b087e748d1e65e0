// What a thread that nobody waits for (a daemon COM thread of the Java VM)
// may do while the process exits: call the bridge runtime and the platform
// layer after the static objects of their libraries were destroyed. Made
// certain here by an exit handler registered before the libraries are
// loaded, which therefore runs after their static objects' destructors.
// Prints "every table still in use" and ends with 0 when each call worked.
//   brivellib18_after_exit <folder of the libraries>
#include <windows.h>
#include <dlfcn.h>
#include <jni.h>

#include <cstdio>
#include <cstdlib>
#include <string>

#include "BridgeTableRows.h"

namespace {
// An object that only counts.
struct Plain : IUnknown {
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID, void** out) override {
        *out = nullptr;
        return E_NOINTERFACE;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return 2; }
    ULONG STDMETHODCALLTYPE Release() override { return 1; }
};
Plain g_object;

// Record information of a record type with a GUID (nothing here may come
// from the platform layer's own definitions: it is loaded later).
struct RecordInfo : IRecordInfo {
    explicit RecordInfo(const GUID& guid) : guid(guid) {}
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID, void** out) override {
        *out = nullptr;
        return E_NOINTERFACE;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return ++references; }
    ULONG STDMETHODCALLTYPE Release() override { return --references; }
    HRESULT STDMETHODCALLTYPE RecordInit(PVOID) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE RecordClear(PVOID) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE RecordCopy(PVOID, PVOID) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE GetGuid(GUID* out) override {
        *out = guid;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE GetName(BSTR*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE GetSize(ULONG* size) override {
        *size = sizeof record;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE GetTypeInfo(ITypeInfo**) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE GetField(PVOID, LPCOLESTR, VARIANT*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE GetFieldNoCopy(PVOID, LPCOLESTR, VARIANT*, PVOID*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE PutField(ULONG, PVOID, LPCOLESTR, VARIANT*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE PutFieldNoCopy(ULONG, PVOID, LPCOLESTR, VARIANT*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE GetFieldNames(ULONG*, BSTR*) override { return E_NOTIMPL; }
    BOOL STDMETHODCALLTYPE IsMatchingType(IRecordInfo* other) override { return other == this; }
    PVOID STDMETHODCALLTYPE RecordCreate() override { return &record; }
    HRESULT STDMETHODCALLTYPE RecordCreateCopy(PVOID, PVOID*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE RecordDestroy(PVOID) override {
        ++destroyed;
        return S_OK;
    }

    GUID guid;
    LONG references = 1;
    int destroyed = 0;
    void* record = nullptr;  // its one by-reference field, empty
};

// A bridge's tables.
IID g_iid = {0x7E2E0100, 0x0, 0x4000, {0x80, 0, 0, 0, 0, 0, 0, 0x0D}};
GUID g_record = {0x7E2E0100, 0x0, 0x4000, {0x80, 0, 0, 0, 0, 0, 0, 0x0E}};
BridgeIidMapRow g_map[] = {{&g_iid, "exittest/Face"}};
BridgeRecordField g_fields[] = {{VT_BYREF | VT_VARIANT, 0, L"any", "any", "Lbrivel/TavoVariant;", "brivel/TavoVariant", nullptr}};
BridgeRecordType g_types[] = {{&g_record, 4, "exittest/Record", &g_fields[0], 1}};

BOOL WINAPI IgnoreControl(DWORD) { return TRUE; }

// The functions, from the libraries loaded after the exit handler.
template <typename F>
F* Function(void* library, const char* name) {
    F* function = reinterpret_cast<F*>(dlsym(library, name));
    if (!function) {
        std::printf("%s is missing\n", name);
        std::exit(2);
    }
    return function;
}
decltype(&CreateEventA) createEvent;
decltype(&CreateMutexA) createMutex;
decltype(&CloseHandle) closeHandle;
decltype(&RegOpenKeyExA) regOpenKey;
decltype(&RegCloseKey) regCloseKey;
decltype(&LoadLibraryA) loadLibrary;
decltype(&FreeLibrary) freeLibrary;
decltype(&RegisterActiveObject) registerActive;
decltype(&RevokeActiveObject) revokeActive;
decltype(&SetConsoleCtrlHandler) setControlHandler;
void (*iidMapTypes)(void*, int);
int (*registerRecordTypes)(void*, void*, int);
jobject (*unknownToInterfaceObject)(JNIEnv*, IUnknown*, const char*);
void (*clearRecordData)(JNIEnv*, void*, IRecordInfo*);
std::string g_runtimePath;

// One use of each table of the runtime and of the platform layer; false
// when one of them failed.
bool UseEveryTable(const char* when) {
    bool ok = true;
    auto check = [&](bool worked, const char* what) {
        if (!worked) std::printf("%s: %s failed\n", when, what);
        ok = ok && worked;
    };
    HANDLE event = createEvent(nullptr, TRUE, FALSE, nullptr);
    check(event && closeHandle(event), "an event's handle");
    HANDLE mutex = createMutex(nullptr, FALSE, "brivel-after-exit");
    check(mutex && closeHandle(mutex), "a named mutex");
    HKEY key = nullptr;
    check(regOpenKey(HKEY_LOCAL_MACHINE, "", 0, KEY_READ, &key) == ERROR_SUCCESS && regCloseKey(key) == ERROR_SUCCESS,
          "a registry key");
    HMODULE module = loadLibrary(g_runtimePath.c_str());
    check(module && freeLibrary(module), "a library");
    DWORD registration = 0;
    check(registerActive(&g_object, g_record, 0, &registration) == S_OK && revokeActive(registration, nullptr) == S_OK,
          "an active object");
    check(setControlHandler(IgnoreControl, TRUE) && setControlHandler(IgnoreControl, FALSE), "a control handler");
    iidMapTypes(g_map, 1);
    unknownToInterfaceObject(nullptr, &g_object, "exittest/Other");  // looks the maps through; no VM, no object
    RecordInfo info(g_record);
    void* record = info.RecordCreate();
    registerRecordTypes(nullptr, g_types, 1);
    clearRecordData(nullptr, record, &info);
    check(info.destroyed == 1, "a record");
    return ok;
}

void AfterStaticObjects() {
    if (UseEveryTable("after exit")) std::printf("every table still in use\n");
    std::fflush(stdout);
}
}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) return 2;
    std::atexit(AfterStaticObjects);
    std::string folder = argv[1];
    g_runtimePath = folder + "/libbrivellib18.so";
    void* compat = dlopen((folder + "/libbrivel_compat.so").c_str(), RTLD_NOW | RTLD_GLOBAL);
    void* runtime = dlopen(g_runtimePath.c_str(), RTLD_NOW | RTLD_GLOBAL);
    if (!compat || !runtime) {
        std::printf("cannot load the libraries: %s\n", dlerror());
        return 2;
    }
    createEvent = Function<HANDLE WINAPI(LPSECURITY_ATTRIBUTES, BOOL, BOOL, LPCSTR)>(compat, "CreateEventA");
    createMutex = Function<HANDLE WINAPI(LPSECURITY_ATTRIBUTES, BOOL, LPCSTR)>(compat, "CreateMutexA");
    closeHandle = Function<BOOL WINAPI(HANDLE)>(compat, "CloseHandle");
    regOpenKey = Function<LONG WINAPI(HKEY, LPCSTR, DWORD, REGSAM, PHKEY)>(compat, "RegOpenKeyExA");
    regCloseKey = Function<LONG WINAPI(HKEY)>(compat, "RegCloseKey");
    loadLibrary = Function<HMODULE WINAPI(LPCSTR)>(compat, "LoadLibraryA");
    freeLibrary = Function<BOOL WINAPI(HMODULE)>(compat, "FreeLibrary");
    registerActive = Function<HRESULT WINAPI(IUnknown*, REFCLSID, DWORD, DWORD*)>(compat, "RegisterActiveObject");
    revokeActive = Function<HRESULT WINAPI(DWORD, void*)>(compat, "RevokeActiveObject");
    setControlHandler = Function<BOOL WINAPI(PHANDLER_ROUTINE, BOOL)>(compat, "SetConsoleCtrlHandler");
    iidMapTypes = Function<void(void*, int)>(runtime, "brivelIidMapTypes");
    registerRecordTypes = Function<int(void*, void*, int)>(runtime, "brivelRegisterRecordTypes");
    unknownToInterfaceObject = Function<jobject(JNIEnv*, IUnknown*, const char*)>(runtime, "brivelUnknownToInterfaceObject");
    clearRecordData = Function<void(JNIEnv*, void*, IRecordInfo*)>(runtime, "brivelClearRecordData");
    // Every table holds something when the process exits.
    if (!UseEveryTable("before exit")) return 1;
    HANDLE kept = createEvent(nullptr, TRUE, FALSE, nullptr);
    HANDLE keptMutex = createMutex(nullptr, FALSE, "brivel-after-exit-kept");
    HKEY keptKey = nullptr;
    regOpenKey(HKEY_LOCAL_MACHINE, "", 0, KEY_READ, &keptKey);
    loadLibrary(g_runtimePath.c_str());
    DWORD registration = 0;
    registerActive(&g_object, g_iid, 0, &registration);
    setControlHandler(IgnoreControl, TRUE);
    (void)kept;
    (void)keptMutex;
    return 0;
}
