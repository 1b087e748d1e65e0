#include "SystemClasspath.h"

#include <algorithm>

#include "Editions.h"
#include "ShortPath.h"

namespace brivel::setup {

namespace {

std::string InFolder(const std::string& folder, const std::string& name) {
    if (!folder.empty() && (folder.back() == '\\' || folder.back() == '/')) return folder + name;
    return folder + "\\" + name;
}

std::string FileNameOf(const std::string& path) {
    size_t separator = path.find_last_of("\\/");
    return separator == std::string::npos ? path : path.substr(separator + 1);
}

enum class ReadResult { Text, Absent, Unusable };

// The whole value, of any length, as UTF-16 code units, and its type. The
// platform keeps it so; the linux32 build's store keeps code-page text,
// which is widened here.
ReadResult ReadValueUnits(HKEY key, std::vector<wchar_t>& units, DWORD& type) {
#ifdef _WIN32
    std::vector<wchar_t> buffer(1024);
    // The value may grow between the calls: ask again with the size it gave.
    for (int attempt = 0; attempt < 16; ++attempt) {
        DWORD size = static_cast<DWORD>(buffer.size() * sizeof(wchar_t));
        LONG rc = RegQueryValueExW(key, L"CLASSPATH", nullptr, &type, reinterpret_cast<BYTE*>(buffer.data()), &size);
        if (rc == ERROR_FILE_NOT_FOUND) return ReadResult::Absent;
        if (rc == ERROR_MORE_DATA) {
            buffer.resize(std::max<size_t>(size / sizeof(wchar_t), buffer.size() * 2) + 2);
            continue;
        }
        if (rc != ERROR_SUCCESS || (type != REG_SZ && type != REG_EXPAND_SZ)) return ReadResult::Unusable;
        // The stored text may or may not end with its zero.
        units.assign(buffer.begin(), buffer.begin() + size / sizeof(wchar_t));
        units.erase(std::find(units.begin(), units.end(), L'\0'), units.end());
        return ReadResult::Text;
    }
    return ReadResult::Unusable;
#else
    std::vector<char> bytes(1024);
    for (int attempt = 0; attempt < 16; ++attempt) {
        DWORD size = static_cast<DWORD>(bytes.size());
        LONG rc = RegQueryValueExA(key, kClasspathValueName, nullptr, &type, reinterpret_cast<BYTE*>(bytes.data()),
                                   &size);
        if (rc == ERROR_FILE_NOT_FOUND) return ReadResult::Absent;
        if (rc == ERROR_MORE_DATA) {
            bytes.resize(std::max<size_t>(size, bytes.size() * 2) + 2);
            continue;
        }
        if (rc != ERROR_SUCCESS || (type != REG_SZ && type != REG_EXPAND_SZ)) return ReadResult::Unusable;
        std::string text(bytes.data(), size);
        text.erase(std::find(text.begin(), text.end(), '\0'), text.end());
        units.assign(text.size(), L'\0');
        int count = text.empty() ? 0
                                 : MultiByteToWideChar(CP_ACP, 0, text.data(), static_cast<int>(text.size()),
                                                       units.data(), static_cast<int>(units.size()));
        if (!text.empty() && count <= 0) return ReadResult::Unusable;
        units.resize(static_cast<size_t>(count));
        return ReadResult::Text;
    }
    return ReadResult::Unusable;
#endif
}

bool WriteValueUnits(HKEY key, DWORD type, const std::vector<wchar_t>& units) {
    std::vector<wchar_t> terminated(units);
    terminated.push_back(L'\0');
#ifdef _WIN32
    return RegSetValueExW(key, L"CLASSPATH", 0, type, reinterpret_cast<const BYTE*>(terminated.data()),
                          static_cast<DWORD>(terminated.size() * sizeof(wchar_t))) == ERROR_SUCCESS;
#else
    int size = WideCharToMultiByte(CP_ACP, 0, terminated.data(), static_cast<int>(terminated.size()), nullptr, 0,
                                   nullptr, nullptr);
    if (size <= 0) return false;
    std::vector<char> text(static_cast<size_t>(size));
    WideCharToMultiByte(CP_ACP, 0, terminated.data(), static_cast<int>(terminated.size()), text.data(), size, nullptr,
                        nullptr);
    return RegSetValueExA(key, kClasspathValueName, 0, type, reinterpret_cast<const BYTE*>(text.data()),
                          static_cast<DWORD>(text.size())) == ERROR_SUCCESS;
#endif
}

// True when every surrogate is half of a pair.
bool IsWellFormed(const std::vector<wchar_t>& units) {
    for (size_t i = 0; i < units.size(); ++i) {
        if (units[i] >= 0xDC00 && units[i] <= 0xDFFF) return false;
        if (units[i] >= 0xD800 && units[i] <= 0xDBFF) {
            if (i + 1 == units.size() || units[i + 1] < 0xDC00 || units[i + 1] > 0xDFFF) return false;
            ++i;
        }
    }
    return true;
}

// UTF-8 from UTF-16, refusing what is no well-formed text (a lone
// surrogate), which could not be written back unchanged.
bool Utf8FromUnits(const std::vector<wchar_t>& units, std::string& text) {
    text.clear();
    if (units.empty()) return true;
    if (!IsWellFormed(units)) return false;
    int count = static_cast<int>(units.size());
    int size = WideCharToMultiByte(CP_UTF8, 0, units.data(), count, nullptr, 0, nullptr, nullptr);
    if (size <= 0) return false;
    text.assign(static_cast<size_t>(size), '\0');
    return WideCharToMultiByte(CP_UTF8, 0, units.data(), count, &text[0], size, nullptr, nullptr) == size;
}

bool UnitsFromText(UINT codePage, const std::string& text, std::vector<wchar_t>& units) {
    units.clear();
    if (text.empty()) return true;
    int count = static_cast<int>(text.size());
    int size = MultiByteToWideChar(codePage, 0, text.data(), count, nullptr, 0);
    if (size <= 0) return false;
    units.assign(static_cast<size_t>(size), L'\0');
    return MultiByteToWideChar(codePage, 0, text.data(), count, units.data(), size) == size;
}

// The installer's paths and names (code-page text) as the rules see the
// value: UTF-8.
std::string Utf8FromAnsi(const std::string& ansi) {
    std::vector<wchar_t> units;
    std::string text;
    if (!UnitsFromText(CP_ACP, ansi, units) || !Utf8FromUnits(units, text)) return ansi;
    return text;
}

}  // namespace

KitClasspath KitClasspathFor(const std::string& installFolder, const InstallPackages& packages) {
    KitClasspath kit;
    kit.mainEntry = ShortPathOf(InFolder(installFolder, "brivel18.jar"));
    for (const std::string* jar : {&packages.jar, &packages.jar2}) {
        if (jar->empty()) continue;
        kit.packages.push_back({ShortPathOf(InFolder(installFolder, *jar)), FileNameOf(*jar)});
    }
    if (const PackageEditionFiles* edition = PackageEditionFilesFor(packages.jar))
        kit.droppedStems.push_back(edition->classpathStem);
    return kit;
}

std::vector<std::string> InstallFolderForms(const std::string& installFolder) {
    std::vector<std::string> forms{installFolder};
    for (const std::string& form : {ShortPathOf(installFolder), LongPathOf(installFolder)})
        if (form != installFolder) forms.push_back(form);
    return forms;
}

std::vector<std::string> KitPackageJarNames(const std::string& installFolder) {
    std::vector<std::string> names;
    for (const char* jar : {"BrivelAdodbLib.jar"}) {
        names.push_back(jar);
        std::string shortName = FileNameOf(ShortPathOf(InFolder(installFolder, jar)));
        if (shortName != jar) names.push_back(shortName);
    }
    return names;
}

bool RewriteClasspathValue(HKEY root, const char* subKey,
                           const std::function<std::string(const std::string&)>& rewrite) {
    HKEY key = nullptr;
    if (RegOpenKeyExA(root, subKey, 0, KEY_QUERY_VALUE | KEY_SET_VALUE, &key) != ERROR_SUCCESS) return false;
    std::vector<wchar_t> units;
    std::string current;
    DWORD type = REG_SZ;
    bool ok = false;
    switch (ReadValueUnits(key, units, type)) {
    case ReadResult::Unusable:
        break;  // never overwrite what could not be read
    case ReadResult::Absent:
        type = REG_SZ;
        units.clear();
        [[fallthrough]];
    case ReadResult::Text: {
        if (!Utf8FromUnits(units, current)) break;  // nor what could not be written back unchanged
        std::string value = rewrite(current);
        std::vector<wchar_t> written;
        if (value == current) ok = true;
        else if (value.empty()) ok = RegDeleteValueA(key, kClasspathValueName) == ERROR_SUCCESS;
        else ok = UnitsFromText(CP_UTF8, value, written) && WriteValueUnits(key, type, written);
        break;
    }
    }
    RegCloseKey(key);
    return ok;
}

bool UpdateSystemClasspath(const std::string& installFolder, const InstallPackages& packages) {
    KitClasspath kit = KitClasspathFor(installFolder, packages);
    kit.mainEntry = Utf8FromAnsi(kit.mainEntry);
    for (ClasspathPackage& package : kit.packages) {
        package.entry = Utf8FromAnsi(package.entry);
        package.fileName = Utf8FromAnsi(package.fileName);
    }
    for (std::string& stem : kit.droppedStems) stem = Utf8FromAnsi(stem);
    bool ok = RewriteClasspathValue(HKEY_LOCAL_MACHINE, kSystemEnvironmentKey,
                                    [&kit](const std::string& value) { return ClasspathWithKit(value, kit); });
    if (ok) BroadcastEnvironmentChange();
    return ok;
}

bool RemoveFromSystemClasspath(const std::string& installFolder) {
    std::vector<std::string> folders = InstallFolderForms(installFolder);
    std::vector<std::string> jars = KitPackageJarNames(installFolder);
    for (std::string& folder : folders) folder = Utf8FromAnsi(folder);
    for (std::string& jar : jars) jar = Utf8FromAnsi(jar);
    bool ok = RewriteClasspathValue(HKEY_LOCAL_MACHINE, kSystemEnvironmentKey, [&](const std::string& value) {
        return ClasspathWithoutKit(value, folders, jars);
    });
    if (ok) BroadcastEnvironmentChange();
    return ok;
}

void BroadcastEnvironmentChange() {
#ifdef _WIN32
    DWORD_PTR ignored = 0;
    SendMessageTimeoutA(HWND_BROADCAST, WM_SETTINGCHANGE, 0, reinterpret_cast<LPARAM>("Environment"),
                        SMTO_ABORTIFHUNG, 5000, &ignored);
#endif
}

}  // namespace brivel::setup
