// COM core: apartments (a per-thread initialisation count), in-process
// activation through the registry, programmatic identifiers and the table of
// active objects.
#include <windows.h>

#include <map>
#include <mutex>
#include <string>
#include <vector>

namespace {
thread_local int t_initCount = 0;
thread_local DWORD t_apartment = 0;

// ANSI (1252) form of an OLE string, for registry paths.
std::string Narrow(LPCOLESTR text) {
    int n = WideCharToMultiByte(CP_ACP, 0, text, -1, nullptr, 0, nullptr, nullptr);
    if (n <= 0) return std::string();
    std::string out(static_cast<size_t>(n), '\0');
    WideCharToMultiByte(CP_ACP, 0, text, -1, &out[0], n, nullptr, nullptr);
    out.resize(static_cast<size_t>(n - 1));
    return out;
}

std::string GuidText(REFGUID guid) {
    OLECHAR text[40];
    StringFromGUID2(guid, text, 40);
    return Narrow(text);
}

// The default value of HKEY_CLASSES_ROOT\<path>, or false.
bool ReadClassesText(const std::string& path, std::string* value) {
    HKEY key;
    if (RegOpenKeyExA(HKEY_CLASSES_ROOT, path.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS) return false;
    char buffer[MAX_PATH * 2];
    DWORD size = sizeof buffer - 1, type = REG_NONE;
    LONG rc = RegQueryValueExA(key, nullptr, nullptr, &type, reinterpret_cast<BYTE*>(buffer), &size);
    RegCloseKey(key);
    if (rc != ERROR_SUCCESS || (type != REG_SZ && type != REG_EXPAND_SZ)) return false;
    buffer[size] = 0;
    *value = buffer;
    return true;
}

// Servers stay loaded for the life of the process, as nothing here asks
// them whether they may be unloaded. This file's tables live as long as the
// process: COM threads that nobody waits for may still call while it
// exits, after static objects are destroyed.
typedef HRESULT(STDAPICALLTYPE* GetClassObjectFunction)(REFCLSID, REFIID, LPVOID*);
struct Servers {
    std::mutex lock;
    std::map<std::string, GetClassObjectFunction> byLibrary;  // by library path
};
Servers& TheServers() {
    static Servers* servers = new Servers;
    return *servers;
}

struct ActiveObject {
    DWORD registration;
    CLSID clsid;
    IUnknown* object;
    bool strong;
};
struct ActiveObjects {
    std::mutex lock;
    std::vector<ActiveObject> list;
    DWORD nextRegistration = 1;
};
ActiveObjects& TheActiveObjects() {
    static ActiveObjects* active = new ActiveObjects;
    return *active;
}
}  // namespace

extern "C" HRESULT WINAPI CoInitializeEx(LPVOID, DWORD coInit) {
    DWORD apartment = coInit & COINIT_APARTMENTTHREADED;
    if (t_initCount > 0 && apartment != t_apartment) return RPC_E_CHANGED_MODE;
    t_apartment = apartment;
    return t_initCount++ == 0 ? S_OK : S_FALSE;
}

extern "C" HRESULT WINAPI CoInitialize(LPVOID reserved) { return CoInitializeEx(reserved, COINIT_APARTMENTTHREADED); }

extern "C" void WINAPI CoUninitialize(void) {
    if (t_initCount > 0) --t_initCount;
}

extern "C" HRESULT WINAPI OleInitialize(LPVOID reserved) { return CoInitializeEx(reserved, COINIT_APARTMENTTHREADED); }

extern "C" void WINAPI OleUninitialize(void) { CoUninitialize(); }

// In-process servers only: HKEY_CLASSES_ROOT\CLSID\{clsid}\InprocServer32
// names the library, whose DllGetClassObject hands out the class object.
extern "C" HRESULT WINAPI CoGetClassObject(REFCLSID clsid, DWORD context, LPVOID, REFIID riid, LPVOID* object) {
    if (!object) return E_INVALIDARG;
    *object = nullptr;
    if (t_initCount == 0) return CO_E_NOTINITIALIZED;
    if (!(context & CLSCTX_INPROC_SERVER)) return REGDB_E_CLASSNOTREG;
    std::string library;
    if (!ReadClassesText("CLSID\\" + GuidText(clsid) + "\\InprocServer32", &library) || library.empty())
        return REGDB_E_CLASSNOTREG;
    GetClassObjectFunction getClassObject;
    {
        std::lock_guard<std::mutex> lock(TheServers().lock);
        auto known = TheServers().byLibrary.find(library);
        if (known != TheServers().byLibrary.end()) {
            getClassObject = known->second;
        } else {
            HMODULE module = LoadLibraryA(library.c_str());
            if (!module) return CO_E_DLLNOTFOUND;
            getClassObject = reinterpret_cast<GetClassObjectFunction>(
                reinterpret_cast<void*>(GetProcAddress(module, "DllGetClassObject")));
            if (!getClassObject) {
                FreeLibrary(module);
                return CO_E_ERRORINDLL;
            }
            TheServers().byLibrary[library] = getClassObject;
        }
    }
    return getClassObject(clsid, riid, object);
}

extern "C" HRESULT WINAPI CoCreateInstance(REFCLSID clsid, IUnknown* outer, DWORD context, REFIID riid,
                                           LPVOID* object) {
    if (!object) return E_POINTER;
    *object = nullptr;
    IClassFactory* factory = nullptr;
    HRESULT hr = CoGetClassObject(clsid, context, nullptr, IID_IClassFactory, reinterpret_cast<LPVOID*>(&factory));
    if (FAILED(hr)) return hr;
    hr = factory->CreateInstance(outer, riid, object);
    factory->Release();
    if (FAILED(hr)) *object = nullptr;
    return hr;
}

// HKEY_CLASSES_ROOT\<progId>\CLSID holds the class identifier.
extern "C" HRESULT WINAPI CLSIDFromProgID(LPCOLESTR progId, LPCLSID clsid) {
    if (!progId || !clsid) return E_INVALIDARG;
    std::string text;
    std::string name = Narrow(progId);
    if (name.empty() || !ReadClassesText(name + "\\CLSID", &text)) return CO_E_CLASSSTRING;
    std::u16string wide(text.begin(), text.end());
    return SUCCEEDED(IIDFromString(reinterpret_cast<LPCOLESTR>(wide.c_str()), clsid)) ? S_OK : CO_E_CLASSSTRING;
}

// HKEY_CLASSES_ROOT\CLSID\{clsid}\ProgID holds the programmatic identifier.
extern "C" HRESULT WINAPI ProgIDFromCLSID(REFCLSID clsid, LPOLESTR* progId) {
    if (!progId) return E_INVALIDARG;
    *progId = nullptr;
    std::string text;
    if (!ReadClassesText("CLSID\\" + GuidText(clsid) + "\\ProgID", &text) || text.empty()) return REGDB_E_CLASSNOTREG;
    int n = MultiByteToWideChar(CP_ACP, 0, text.c_str(), -1, nullptr, 0);
    *progId = static_cast<LPOLESTR>(CoTaskMemAlloc(static_cast<SIZE_T>(n) * sizeof(OLECHAR)));
    if (!*progId) return E_OUTOFMEMORY;
    MultiByteToWideChar(CP_ACP, 0, text.c_str(), -1, *progId, n);
    return S_OK;
}

// Active objects are registered within this process only.
extern "C" HRESULT WINAPI RegisterActiveObject(IUnknown* object, REFCLSID clsid, DWORD flags, DWORD* registration) {
    if (!object || !registration) return E_INVALIDARG;
    bool strong = !(flags & ACTIVEOBJECT_WEAK);
    if (strong) object->AddRef();
    std::lock_guard<std::mutex> lock(TheActiveObjects().lock);
    *registration = TheActiveObjects().nextRegistration++;
    TheActiveObjects().list.push_back(ActiveObject{*registration, clsid, object, strong});
    return S_OK;
}

extern "C" HRESULT WINAPI RevokeActiveObject(DWORD registration, void*) {
    ActiveObject found{};
    {
        std::lock_guard<std::mutex> lock(TheActiveObjects().lock);
        auto it = TheActiveObjects().list.begin();
        while (it != TheActiveObjects().list.end() && it->registration != registration) ++it;
        if (it == TheActiveObjects().list.end()) return E_INVALIDARG;
        found = *it;
        TheActiveObjects().list.erase(it);
    }
    if (found.strong) found.object->Release();
    return S_OK;
}

extern "C" HRESULT WINAPI GetActiveObject(REFCLSID clsid, void*, IUnknown** object) {
    if (!object) return E_INVALIDARG;
    *object = nullptr;
    std::lock_guard<std::mutex> lock(TheActiveObjects().lock);
    for (auto it = TheActiveObjects().list.rbegin(); it != TheActiveObjects().list.rend(); ++it)
        if (IsEqualCLSID(it->clsid, clsid)) {
            it->object->AddRef();
            *object = it->object;
            return S_OK;
        }
    return MK_E_UNAVAILABLE;
}
