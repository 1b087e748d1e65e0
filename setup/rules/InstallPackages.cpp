#include "InstallPackages.h"

#include <windows.h>

#include <cstdio>

#include "NoCase.h"
#include "PayloadArchive.h"

namespace brivel::setup {

void ApplyInstallPackageLine(const std::string& line, InstallPackages& packages) {
    struct Key {
        const char* name;
        std::string InstallPackages::*value;
    };
    // pkgjar2 before pkgjar: the shorter key is a prefix of the longer.
    static const Key kKeys[] = {{"pkgjar2", &InstallPackages::jar2}, {"pkgdll2", &InstallPackages::dll2},
                                {"pkgjar", &InstallPackages::jar},   {"pkgdll", &InstallPackages::dll}};
    std::string text = line;
    while (!text.empty() && (text.back() == '\n' || text.back() == '\r')) text.pop_back();
    for (const Key& key : kKeys) {
        std::string name(key.name);
        if (!StartsWithNoCase(text, name)) continue;
        size_t start = name.size();
        while (start < text.size() && (text[start] == ' ' || text[start] == '\t')) ++start;
        std::string value = text.substr(start);
        if (value.empty() || CheckPayloadPath("redist\\" + value, nullptr)) packages.*key.value = value;
        return;
    }
}

InstallPackages ParseInstallPackages(const std::string& text) {
    InstallPackages packages;
    size_t start = 0;
    while (start < text.size()) {
        size_t end = text.find('\n', start);
        if (end == std::string::npos) end = text.size();
        ApplyInstallPackageLine(text.substr(start, end - start), packages);
        start = end + 1;
    }
    return packages;
}

InstallPackages ReadInstallPackageFile(const std::string& path) {
    std::FILE* in = std::fopen(path.c_str(), "rb");
    if (!in) return InstallPackages();
    std::string text;
    char block[4096];
    size_t got;
    while ((got = std::fread(block, 1, sizeof block, in)) > 0) text.append(block, got);
    std::fclose(in);
    DeleteFileA(path.c_str());
    return ParseInstallPackages(text);
}

}  // namespace brivel::setup
