// The registry of the linux32 build: keys and values kept in one text file
// that the environment variable BRIVEL_COMPAT_REGISTRY names (by default
// compat-registry.txt beside the running program). Every call reads the file
// under a lock and a changing call writes it back through a temporary file,
// so separate processes see the same keys. HKEY_CLASSES_ROOT is a view of
// HKEY_LOCAL_MACHINE\Software\Classes. Access rights are not checked.
#include <windows.h>

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <map>
#include <mutex>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "environment.h"

namespace {
const char kClassesRoot[] = "HKEY_LOCAL_MACHINE\\Software\\Classes";

struct Value {
    std::string name;
    DWORD type = REG_NONE;
    std::string data;
};

struct Key {
    std::string path;  // as first created
    std::vector<Value> values;
};

// Keys by their lower-case path.
using Store = std::map<std::string, Key>;

struct OpenKey {
    std::string path;
};

std::string Lower(const std::string& text) {
    std::string out(text);
    for (char& c : out) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return out;
}

bool IsRoot(const std::string& lowerPath) {
    return lowerPath == "hkey_local_machine" || lowerPath == "hkey_current_user" || lowerPath == "hkey_users" ||
           lowerPath == Lower(kClassesRoot) || lowerPath == "hkey_local_machine\\software";
}

bool Exists(const Store& store, const std::string& path) {
    std::string lower = Lower(path);
    return IsRoot(lower) || store.count(lower) != 0;
}

// The keys opened and not yet closed: a closed or made-up key is refused
// (ERROR_INVALID_HANDLE), never followed. They live as long as the process
// (threads that nobody waits for may still call while it exits, after
// static objects are destroyed).
struct OpenKeys {
    std::mutex lock;
    std::set<OpenKey*> keys;
};
OpenKeys& TheOpenKeys() {
    static OpenKeys* keys = new OpenKeys;
    return *keys;
}

bool PathOfOpenKey(HKEY key, std::string* path) {
    std::lock_guard<std::mutex> lock(TheOpenKeys().lock);
    auto it = TheOpenKeys().keys.find(reinterpret_cast<OpenKey*>(key));
    if (it == TheOpenKeys().keys.end()) return false;
    *path = (*it)->path;
    return true;
}

// The path a handle stands for, or false for a handle that is none.
bool PathOf(HKEY key, std::string* path) {
    if (key == HKEY_CLASSES_ROOT) *path = kClassesRoot;
    else if (key == HKEY_CURRENT_USER) *path = "HKEY_CURRENT_USER";
    else if (key == HKEY_LOCAL_MACHINE) *path = "HKEY_LOCAL_MACHINE";
    else if (key == HKEY_USERS) *path = "HKEY_USERS";
    else return PathOfOpenKey(key, path);
    return true;
}

bool IsPredefined(HKEY key) {
    return key == HKEY_CLASSES_ROOT || key == HKEY_CURRENT_USER || key == HKEY_LOCAL_MACHINE || key == HKEY_USERS;
}

// The sub-key path below `base`, with empty components dropped.
std::string Join(const std::string& base, LPCSTR subKey) {
    std::string path = base;
    if (!subKey) return path;
    std::string part;
    for (const char* p = subKey;; ++p) {
        if (*p == '\\' || *p == 0) {
            if (!part.empty()) path += "\\" + part;
            part.clear();
            if (!*p) break;
        } else {
            part.push_back(*p);
        }
    }
    return path;
}

// Text escaping of the store file: names and paths may hold any byte.
std::string Escape(const std::string& text) {
    std::string out;
    char hex[4];
    for (unsigned char c : text) {
        if (c <= ' ' || c == '%' || c >= 0x7F) {
            std::snprintf(hex, sizeof hex, "%%%02X", c);
            out += hex;
        } else {
            out.push_back(static_cast<char>(c));
        }
    }
    return out.empty() ? "%" : out;  // a lone % is the empty text
}

std::string Unescape(const std::string& text) {
    if (text == "%") return std::string();
    std::string out;
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '%' && i + 2 < text.size()) {
            out.push_back(static_cast<char>(std::strtol(text.substr(i + 1, 2).c_str(), nullptr, 16)));
            i += 2;
        } else {
            out.push_back(text[i]);
        }
    }
    return out;
}

std::string StorePath() {
    std::string named;
    if (brivel_compat::EnvironmentValue("BRIVEL_COMPAT_REGISTRY", &named) && !named.empty()) return named;
    char program[4096];
    ssize_t n = readlink("/proc/self/exe", program, sizeof program - 1);
    std::string folder = n > 0 ? std::string(program, static_cast<size_t>(n)) : std::string("./x");
    return folder.substr(0, folder.rfind('/') + 1) + "compat-registry.txt";
}

// Store file format, one entry a line:
//   K <path>                    a key
//   V <type> <name> <hex data>  a value of the key above
void Load(const std::string& file, Store* store) {
    std::ifstream in(file);
    std::string line;
    Key* current = nullptr;
    while (std::getline(in, line)) {
        std::istringstream fields(line);
        std::string kind;
        fields >> kind;
        if (kind == "K") {
            std::string path;
            fields >> path;
            Key& key = (*store)[Lower(Unescape(path))];
            key.path = Unescape(path);
            current = &key;
        } else if (kind == "V" && current) {
            Value value;
            std::string name, hex;
            fields >> value.type >> name >> hex;
            value.name = Unescape(name);
            if (hex == "-") hex.clear();
            for (size_t i = 0; i + 1 < hex.size(); i += 2)
                value.data.push_back(static_cast<char>(std::strtol(hex.substr(i, 2).c_str(), nullptr, 16)));
            current->values.push_back(value);
        }
    }
}

bool Save(const std::string& file, const Store& store) {
    std::string temporary = file + ".tmp." + std::to_string(getpid());
    {
        std::ofstream out(temporary, std::ios::trunc);
        if (!out) return false;
        char hex[3];
        for (const auto& entry : store) {
            out << "K " << Escape(entry.second.path) << '\n';
            for (const Value& value : entry.second.values) {
                out << "V " << value.type << ' ' << Escape(value.name) << ' ';
                if (value.data.empty()) out << '-';
                for (unsigned char c : value.data) {
                    std::snprintf(hex, sizeof hex, "%02X", c);
                    out << hex;
                }
                out << '\n';
            }
        }
        if (!out.flush()) return false;
    }
    return std::rename(temporary.c_str(), file.c_str()) == 0;
}

std::mutex g_storeLock;  // threads of this process; the file lock serves other processes

// Runs `work` on the store under the locks; a changing call (`write`) saves
// the store when `work` succeeds.
template <typename Work>
LONG WithStore(bool write, Work work) {
    std::lock_guard<std::mutex> guard(g_storeLock);
    std::string file = StorePath();
    int lockFd = open((file + ".lock").c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0666);
    if (lockFd < 0) return ERROR_CANTOPEN;
    flock(lockFd, write ? LOCK_EX : LOCK_SH);
    Store store;
    Load(file, &store);
    LONG result = work(store);
    if (write && result == ERROR_SUCCESS && !Save(file, store)) result = ERROR_CANTWRITE;
    flock(lockFd, LOCK_UN);
    close(lockFd);
    return result;
}

Value* FindValue(Key& key, LPCSTR name) {
    std::string lower = Lower(name ? name : "");
    for (Value& value : key.values)
        if (Lower(value.name) == lower) return &value;
    return nullptr;
}

// The key at `path`; roots that were never written are made on demand.
Key& KeyAt(Store& store, const std::string& path) {
    Key& key = store[Lower(path)];
    if (key.path.empty()) key.path = path;
    return key;
}

std::vector<std::string> SubKeyNames(const Store& store, const std::string& path) {
    std::string prefix = Lower(path) + "\\";
    std::vector<std::string> names;
    for (auto it = store.lower_bound(prefix); it != store.end() && it->first.compare(0, prefix.size(), prefix) == 0;
         ++it)
        if (it->first.find('\\', prefix.size()) == std::string::npos) names.push_back(it->second.path.substr(prefix.size()));
    std::sort(names.begin(), names.end(), [](const std::string& a, const std::string& b) { return Lower(a) < Lower(b); });
    return names;
}

HKEY NewHandle(const std::string& path) {
    auto* key = new OpenKey{path};
    std::lock_guard<std::mutex> lock(TheOpenKeys().lock);
    TheOpenKeys().keys.insert(key);
    return reinterpret_cast<HKEY>(key);
}

LONG Open(HKEY key, LPCSTR subKey, PHKEY result) {
    if (!result) return ERROR_INVALID_PARAMETER;
    std::string base;
    if (!PathOf(key, &base)) return ERROR_INVALID_HANDLE;
    std::string path = Join(base, subKey);
    LONG rc = WithStore(false, [&](Store& store) {
        if (!Exists(store, base)) return ERROR_KEY_DELETED;
        return Exists(store, path) ? ERROR_SUCCESS : ERROR_FILE_NOT_FOUND;
    });
    if (rc != ERROR_SUCCESS) return rc;
    *result = (path == base && IsPredefined(key)) ? key : NewHandle(path);
    return ERROR_SUCCESS;
}
}  // namespace

extern "C" LONG WINAPI RegOpenKeyExA(HKEY key, LPCSTR subKey, DWORD, REGSAM, PHKEY result) {
    return Open(key, subKey, result);
}

extern "C" LONG WINAPI RegOpenKeyA(HKEY key, LPCSTR subKey, PHKEY result) { return Open(key, subKey, result); }

extern "C" LONG WINAPI RegCreateKeyExA(HKEY key, LPCSTR subKey, DWORD, LPSTR, DWORD, REGSAM,
                                       struct _SECURITY_ATTRIBUTES*, PHKEY result, LPDWORD disposition) {
    if (!result) return ERROR_INVALID_PARAMETER;
    std::string base;
    if (!PathOf(key, &base)) return ERROR_INVALID_HANDLE;
    std::string path = Join(base, subKey);
    bool created = false;
    LONG rc = WithStore(true, [&](Store& store) {
        if (!Exists(store, base)) return ERROR_KEY_DELETED;
        // Every missing key on the way is made.
        std::string partial = base;
        std::string rest = path.substr(base.size());
        size_t at = 0;
        while (at < rest.size()) {
            size_t next = rest.find('\\', at + 1);
            partial = base + rest.substr(0, next);
            if (!Exists(store, partial)) {
                KeyAt(store, partial);
                created = true;
            }
            at = next == std::string::npos ? rest.size() : next;
        }
        return ERROR_SUCCESS;
    });
    if (rc != ERROR_SUCCESS) return rc;
    if (disposition) *disposition = created ? REG_CREATED_NEW_KEY : REG_OPENED_EXISTING_KEY;
    *result = (path == base && IsPredefined(key)) ? key : NewHandle(path);
    return ERROR_SUCCESS;
}

extern "C" LONG WINAPI RegCreateKeyA(HKEY key, LPCSTR subKey, PHKEY result) {
    return RegCreateKeyExA(key, subKey, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, result, nullptr);
}

extern "C" LONG WINAPI RegCloseKey(HKEY key) {
    if (IsPredefined(key)) return ERROR_SUCCESS;
    auto* open = reinterpret_cast<OpenKey*>(key);
    {
        std::lock_guard<std::mutex> lock(TheOpenKeys().lock);
        if (!TheOpenKeys().keys.erase(open)) return ERROR_INVALID_HANDLE;
    }
    delete open;
    return ERROR_SUCCESS;
}

// A key that still has sub-keys is not deleted.
extern "C" LONG WINAPI RegDeleteKeyA(HKEY key, LPCSTR subKey) {
    std::string base;
    if (!PathOf(key, &base)) return ERROR_INVALID_HANDLE;
    if (!subKey) return ERROR_INVALID_PARAMETER;
    std::string path = Join(base, subKey);
    return WithStore(true, [&](Store& store) {
        std::string lower = Lower(path);
        if (IsRoot(lower)) return ERROR_ACCESS_DENIED;
        if (!store.count(lower)) return ERROR_FILE_NOT_FOUND;
        if (!SubKeyNames(store, path).empty()) return ERROR_ACCESS_DENIED;
        store.erase(lower);
        return ERROR_SUCCESS;
    });
}

extern "C" LONG WINAPI RegSetValueExA(HKEY key, LPCSTR valueName, DWORD, DWORD type, const BYTE* data, DWORD size) {
    std::string path;
    if (!PathOf(key, &path)) return ERROR_INVALID_HANDLE;
    if (!data && size) return ERROR_NOACCESS;
    return WithStore(true, [&](Store& store) {
        if (!Exists(store, path)) return ERROR_KEY_DELETED;
        Key& k = KeyAt(store, path);
        Value* value = FindValue(k, valueName);
        if (!value) {
            k.values.push_back(Value());
            value = &k.values.back();
            value->name = valueName ? valueName : "";
        }
        value->type = type;
        value->data.assign(reinterpret_cast<const char*>(data), data ? size : 0);
        return ERROR_SUCCESS;
    });
}

extern "C" LONG WINAPI RegQueryValueExA(HKEY key, LPCSTR valueName, LPDWORD, LPDWORD type, LPBYTE data,
                                        LPDWORD size) {
    std::string path;
    if (!PathOf(key, &path)) return ERROR_INVALID_HANDLE;
    if (data && !size) return ERROR_INVALID_PARAMETER;
    return WithStore(false, [&](Store& store) {
        if (!Exists(store, path)) return ERROR_KEY_DELETED;
        auto found = store.find(Lower(path));
        Value* value = found == store.end() ? nullptr : FindValue(found->second, valueName);
        if (!value) return ERROR_FILE_NOT_FOUND;
        if (type) *type = value->type;
        DWORD length = static_cast<DWORD>(value->data.size());
        if (!size) return ERROR_SUCCESS;
        if (data && *size < length) {
            *size = length;
            return ERROR_MORE_DATA;
        }
        if (data) std::memcpy(data, value->data.data(), length);
        *size = length;
        return ERROR_SUCCESS;
    });
}

extern "C" LONG WINAPI RegDeleteValueA(HKEY key, LPCSTR valueName) {
    std::string path;
    if (!PathOf(key, &path)) return ERROR_INVALID_HANDLE;
    return WithStore(true, [&](Store& store) {
        if (!Exists(store, path)) return ERROR_KEY_DELETED;
        auto found = store.find(Lower(path));
        if (found == store.end()) return ERROR_FILE_NOT_FOUND;
        std::string lower = Lower(valueName ? valueName : "");
        auto& values = found->second.values;
        for (auto it = values.begin(); it != values.end(); ++it)
            if (Lower(it->name) == lower) {
                values.erase(it);
                return ERROR_SUCCESS;
            }
        return ERROR_FILE_NOT_FOUND;
    });
}

// The older form: the default value of a sub-key, always a string.
extern "C" LONG WINAPI RegSetValueA(HKEY key, LPCSTR subKey, DWORD type, LPCSTR data, DWORD) {
    if (type != REG_SZ || !data) return ERROR_INVALID_PARAMETER;
    HKEY target;
    LONG rc = RegCreateKeyA(key, subKey, &target);
    if (rc != ERROR_SUCCESS) return rc;
    rc = RegSetValueExA(target, nullptr, 0, REG_SZ, reinterpret_cast<const BYTE*>(data),
                        static_cast<DWORD>(std::strlen(data) + 1));
    RegCloseKey(target);
    return rc;
}

// A sub-key without a default value reads as the empty string.
extern "C" LONG WINAPI RegQueryValueA(HKEY key, LPCSTR subKey, LPSTR data, LPLONG size) {
    HKEY target;
    LONG rc = RegOpenKeyA(key, subKey, &target);
    if (rc != ERROR_SUCCESS) return rc;
    DWORD type = REG_SZ;
    DWORD length = size ? static_cast<DWORD>(*size) : 0;
    rc = RegQueryValueExA(target, nullptr, nullptr, &type, reinterpret_cast<LPBYTE>(data), size ? &length : nullptr);
    RegCloseKey(target);
    if (rc == ERROR_FILE_NOT_FOUND) {
        if (data && size && *size > 0) data[0] = 0;
        if (size) *size = 1;
        return ERROR_SUCCESS;
    }
    if (size) *size = static_cast<LONG>(length);
    return rc;
}

extern "C" LONG WINAPI RegEnumKeyExA(HKEY key, DWORD index, LPSTR name, LPDWORD nameSize, LPDWORD, LPSTR keyClass,
                                     LPDWORD classSize, LPFILETIME lastWriteTime) {
    std::string path;
    if (!PathOf(key, &path)) return ERROR_INVALID_HANDLE;
    if (!name || !nameSize) return ERROR_INVALID_PARAMETER;
    return WithStore(false, [&](Store& store) {
        if (!Exists(store, path)) return ERROR_KEY_DELETED;
        std::vector<std::string> names = SubKeyNames(store, path);
        if (index >= names.size()) return ERROR_NO_MORE_ITEMS;
        const std::string& found = names[index];
        if (found.size() + 1 > *nameSize) return ERROR_MORE_DATA;
        std::memcpy(name, found.c_str(), found.size() + 1);
        *nameSize = static_cast<DWORD>(found.size());
        if (keyClass && classSize && *classSize) keyClass[0] = 0;
        if (classSize) *classSize = 0;
        if (lastWriteTime) GetSystemTimeAsFileTime(lastWriteTime);
        return ERROR_SUCCESS;
    });
}
