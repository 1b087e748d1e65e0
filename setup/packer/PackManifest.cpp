#include "PackManifest.h"

namespace brivel::setup::packer {
namespace {

std::vector<std::string> Fields(const std::string& line) {
    std::vector<std::string> fields;
    size_t start = 0;
    for (;;) {
        size_t bar = line.find('|', start);
        fields.push_back(line.substr(start, bar == std::string::npos ? std::string::npos : bar - start));
        if (bar == std::string::npos) return fields;
        start = bar + 1;
    }
}

bool IsAbsolute(const std::string& path) {
    return (!path.empty() && (path[0] == '/' || path[0] == '\\')) || (path.size() > 1 && path[1] == ':');
}

std::string FromFolder(const std::string& folder, const std::string& path) {
    if (IsAbsolute(path) || folder.empty()) return path;
    return folder + "/" + path;
}

}  // namespace

bool ParseManifest(const std::string& text, const std::string& manifestFolder, Manifest& out, std::string* problem) {
    Manifest manifest;
    size_t start = 0;
    int number = 0;
    bool uninstallerSeen = false;
    while (start < text.size()) {
        size_t end = text.find('\n', start);
        std::string line = text.substr(start, end == std::string::npos ? std::string::npos : end - start);
        start = end == std::string::npos ? text.size() : end + 1;
        ++number;
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (line.empty() || line[0] == '#') continue;
        auto fail = [&](const std::string& reason) {
            if (problem) *problem = "line " + std::to_string(number) + ": " + reason;
            return false;
        };
        std::vector<std::string> fields = Fields(line);
        const std::string& kind = fields[0];
        std::string reason;
        if (kind == "file") {
            if (fields.size() != 4) return fail("a file line is file|copy or text|name|source");
            ManifestFile file{fields[2], FromFolder(manifestFolder, fields[3])};
            if (fields[1] == "text") file.flags = kPayloadExpandMacros;
            else if (fields[1] != "copy") return fail("the flag is \"copy\" or \"text\", not \"" + fields[1] + "\"");
            if (!CheckPayloadPath(file.name, &reason)) return fail(reason);
            manifest.files.push_back(file);
        } else if (kind == "uninstaller") {
            if (fields.size() != 3) return fail("an uninstaller line is uninstaller|name|source");
            if (uninstallerSeen) return fail("a second uninstaller");
            uninstallerSeen = true;
            if (!CheckPayloadPath(fields[1], &reason)) return fail(reason);
            manifest.files.push_back({fields[1], FromFolder(manifestFolder, fields[2]), kPayloadCopiedAsIs, true});
        } else if (kind == "shortcut") {
            if (fields.size() != 3) return fail("a shortcut line is shortcut|title|target");
            if (fields[1].size() > kMaxPayloadStringLength || fields[2].size() > kMaxPayloadStringLength)
                return fail("a shortcut's title and target have at most 519 bytes");
            manifest.shortcuts.push_back({fields[1], fields[2]});
        } else if (kind == "folder") {
            if (fields.size() != 2) return fail("a folder line is folder|name");
            if (!CheckPayloadPath(fields[1], &reason)) return fail(reason);
            manifest.folders.push_back(fields[1]);
        } else {
            return fail("unknown record \"" + kind + "\" (file, uninstaller, shortcut, folder)");
        }
    }
    out = std::move(manifest);
    return true;
}

}  // namespace brivel::setup::packer
