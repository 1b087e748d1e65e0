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

// The whole value, of any length, and its type.
ReadResult ReadTextValue(HKEY key, std::string& text, DWORD& type) {
    std::vector<char> bytes(1024);
    // The value may grow between the calls: ask again with the size it gave.
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
        // The stored text may or may not end with its zero.
        text.assign(bytes.data(), size);
        size_t end = text.find('\0');
        if (end != std::string::npos) text.resize(end);
        return ReadResult::Text;
    }
    return ReadResult::Unusable;
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
    std::string current;
    DWORD type = REG_SZ;
    bool ok = false;
    switch (ReadTextValue(key, current, type)) {
    case ReadResult::Unusable:
        break;  // never overwrite what could not be read
    case ReadResult::Absent:
        type = REG_SZ;
        current.clear();
        [[fallthrough]];
    case ReadResult::Text: {
        std::string value = rewrite(current);
        if (value == current) ok = true;
        else if (value.empty()) ok = RegDeleteValueA(key, kClasspathValueName) == ERROR_SUCCESS;
        else
            ok = RegSetValueExA(key, kClasspathValueName, 0, type, reinterpret_cast<const BYTE*>(value.c_str()),
                                static_cast<DWORD>(value.size() + 1)) == ERROR_SUCCESS;
        break;
    }
    }
    RegCloseKey(key);
    return ok;
}

bool UpdateSystemClasspath(const std::string& installFolder, const InstallPackages& packages) {
    KitClasspath kit = KitClasspathFor(installFolder, packages);
    bool ok = RewriteClasspathValue(HKEY_LOCAL_MACHINE, kSystemEnvironmentKey,
                                    [&kit](const std::string& value) { return ClasspathWithKit(value, kit); });
    if (ok) BroadcastEnvironmentChange();
    return ok;
}

bool RemoveFromSystemClasspath(const std::string& installFolder) {
    std::vector<std::string> folders = InstallFolderForms(installFolder);
    std::vector<std::string> jars = KitPackageJarNames(installFolder);
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
