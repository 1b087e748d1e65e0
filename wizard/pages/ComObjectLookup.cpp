#include "ComObjectLookup.h"

#include <oleauto.h>

#include <string>

#include "RegisteredTypeLibraries.h"
#include "ServerProgramPath.h"

namespace {

std::wstring Wide(const char* text) {
    int length = MultiByteToWideChar(CP_ACP, 0, text, -1, nullptr, 0);
    if (length <= 0) return std::wstring();
    std::wstring wide(static_cast<size_t>(length), L'\0');
    MultiByteToWideChar(CP_ACP, 0, text, -1, &wide[0], length);
    wide.resize(static_cast<size_t>(length - 1));
    return wide;
}

CString Narrow(const OLECHAR* text) {
    if (!text) return CString();
    int length = WideCharToMultiByte(CP_ACP, 0, text, -1, nullptr, 0, nullptr, nullptr);
    if (length <= 1) return CString();
    std::string narrow(static_cast<size_t>(length), '\0');
    WideCharToMultiByte(CP_ACP, 0, text, -1, &narrow[0], length, nullptr, nullptr);
    narrow.resize(static_cast<size_t>(length - 1));
    return CString(narrow);
}

// Closes a registry key when it goes.
class RegKey {
public:
    RegKey() = default;
    ~RegKey() {
        if (key_) RegCloseKey(key_);
    }
    RegKey(const RegKey&) = delete;
    RegKey& operator=(const RegKey&) = delete;
    bool Open(HKEY parent, const char* name) { return RegOpenKeyExA(parent, name, 0, KEY_READ, &key_) == ERROR_SUCCESS; }
    HKEY Get() const { return key_; }

private:
    HKEY key_ = nullptr;
};

// The default value of a key's text, read whole; false when it has none.
bool DefaultText(HKEY key, CString& text) {
    DWORD type = 0, size = 0;
    if (RegQueryValueExA(key, nullptr, nullptr, &type, nullptr, &size) != ERROR_SUCCESS) return false;
    if (type != REG_SZ && type != REG_EXPAND_SZ) return false;
    std::string value(size + 1, '\0');
    if (RegQueryValueExA(key, nullptr, nullptr, &type, reinterpret_cast<BYTE*>(&value[0]), &size) != ERROR_SUCCESS)
        return false;
    value.resize(strlen(value.c_str()));
    if (value.empty()) return false;
    if (type == REG_EXPAND_SZ) {
        DWORD needed = ExpandEnvironmentStringsA(value.c_str(), nullptr, 0);
        std::string expanded(needed + 1, '\0');
        if (needed && ExpandEnvironmentStringsA(value.c_str(), &expanded[0], needed + 1)) {
            expanded.resize(strlen(expanded.c_str()));
            value = expanded;
        }
    }
    text = value;
    return true;
}

CString LongPathOf(const CString& path) {
    DWORD needed = GetLongPathNameA(path, nullptr, 0);
    if (needed == 0) return path;
    std::string longPath(needed + 1, '\0');
    DWORD length = GetLongPathNameA(path, &longPath[0], needed + 1);
    if (length == 0 || length > needed) return path;
    return CString(longPath.c_str(), static_cast<int>(length));
}

std::vector<CString> SubkeyNames(HKEY key) {
    std::vector<CString> names;
    for (DWORD index = 0;; ++index) {
        char name[256];
        DWORD length = sizeof name;
        LONG rc = RegEnumKeyExA(key, index, name, &length, nullptr, nullptr, nullptr, nullptr);
        if (rc == ERROR_MORE_DATA) continue;  // no library id or version is that long
        if (rc != ERROR_SUCCESS) break;
        names.emplace_back(name, static_cast<int>(length));
    }
    return names;
}

// The registered path of the library's highest version that has one, from
// `major` down to 0.
bool RegisteredPath(const GUID& id, unsigned major, CString& path) {
    for (int version = static_cast<int>(major); version >= 0; --version) {
        BSTR registered = nullptr;
        HRESULT hr = QueryPathOfRegTypeLib(id, static_cast<WORD>(version), 0, LOCALE_USER_DEFAULT, &registered);
        if (SUCCEEDED(hr) && registered) {
            path = Narrow(registered);
            SysFreeString(registered);
            return !path.IsEmpty();
        }
        SysFreeString(registered);
    }
    return false;
}

bool DescribeLibrary(const CString& path, CString& description) {
    ITypeLib* library = nullptr;
    if (FAILED(LoadTypeLib(Wide(path).c_str(), &library)) || !library) return false;
    BSTR name = nullptr, documentation = nullptr;
    library->GetDocumentation(-1, &name, &documentation, nullptr, nullptr);
    description = TypeLibraryDescription(Narrow(documentation), Narrow(name), path);
    SysFreeString(name);
    SysFreeString(documentation);
    library->Release();
    return true;
}

}  // namespace

CString FullPathName(const char* path) {
    DWORD needed = GetFullPathNameA(path, 0, nullptr, nullptr);
    if (needed == 0) return path;
    std::string full(needed + 1, '\0');
    DWORD length = GetFullPathNameA(path, needed + 1, &full[0], nullptr);
    return length > 0 && length <= needed ? CString(full.c_str(), static_cast<int>(length)) : CString(path);
}

bool PathExists(const char* path) { return GetFileAttributesA(path) != INVALID_FILE_ATTRIBUTES; }

bool LoadsAsTypeLibrary(const char* path) {
    ITypeLib* library = nullptr;
    if (FAILED(LoadTypeLib(Wide(path).c_str(), &library)) || !library) return false;
    library->Release();
    return true;
}

ProgIdLookup LocateProgId(const char* progId, CString& path) {
    CLSID clsid;
    if (FAILED(CLSIDFromProgID(Wide(progId).c_str(), &clsid))) return ProgIdLookup::UnknownProgId;
    LPOLESTR text = nullptr;
    if (FAILED(StringFromCLSID(clsid, &text))) return ProgIdLookup::RegistryFailed;
    CString classKey = Narrow(text);
    CoTaskMemFree(text);
    RegKey classes, object;
    if (!classes.Open(HKEY_CLASSES_ROOT, "CLSID") || !object.Open(classes.Get(), classKey))
        return ProgIdLookup::RegistryFailed;
    for (const char* server :
         {"InprocServer32", "InprocHandler32", "LocalServer32", "InprocServer", "InprocHandler", "LocalServer"}) {
        RegKey key;
        CString value;
        if (!key.Open(object.Get(), server) || !DefaultText(key.Get(), value)) continue;
        path = LongPathOf(ServerProgramPath(value, PathExists));
        return ProgIdLookup::Found;
    }
    return ProgIdLookup::NoFile;
}

bool FindRegisteredTypeLibraries(std::vector<RegisteredTypeLibrary>& libraries) {
    RegKey typeLibs;
    if (!typeLibs.Open(HKEY_CLASSES_ROOT, "TypeLib")) return false;
    for (const CString& idText : SubkeyNames(typeLibs.Get())) {
        GUID id;
        if (FAILED(CLSIDFromString(Wide(idText).c_str(), &id))) continue;
        RegKey versions;
        if (!versions.Open(typeLibs.Get(), idText)) continue;
        unsigned major = 0;
        CString path, description;
        if (!HighestMajorVersion(SubkeyNames(versions.Get()), major) || !RegisteredPath(id, major, path)) continue;
        if (!DescribeLibrary(path, description)) continue;
        libraries.push_back({description, path});
    }
    return true;
}
