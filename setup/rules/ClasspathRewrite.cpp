#include "ClasspathRewrite.h"

#include "NoCase.h"

namespace brivel::setup {

namespace {

std::vector<std::string> SplitParts(const std::string& value) {
    std::vector<std::string> parts;
    size_t start = 0;
    for (;;) {
        size_t end = value.find(';', start);
        if (end == std::string::npos) {
            parts.push_back(value.substr(start));
            return parts;
        }
        parts.push_back(value.substr(start, end - start));
        start = end + 1;
    }
}

std::string JoinParts(const std::vector<std::string>& parts) {
    std::string value;
    for (size_t i = 0; i < parts.size(); ++i) {
        if (i) value += ';';
        value += parts[i];
    }
    return value;
}

std::string Appended(const std::string& value, const std::string& entry) {
    if (value.empty() || value.back() == ';') return value + entry;
    return value + ";" + entry;
}

// The part without blanks and double quotes around it.
std::string Unquoted(const std::string& part) {
    size_t begin = 0, end = part.size();
    while (begin < end && (part[begin] == ' ' || part[begin] == '\t' || part[begin] == '"')) ++begin;
    while (end > begin && (part[end - 1] == ' ' || part[end - 1] == '\t' || part[end - 1] == '"')) --end;
    return part.substr(begin, end - begin);
}

std::string WithoutTrailingSeparators(std::string path) {
    while (!path.empty() && (path.back() == '\\' || path.back() == '/')) path.pop_back();
    return path;
}

}  // namespace

bool IsKitMainArchiveName(const std::string& fileName) {
    if (!StartsWithNoCase(fileName, "brivel") || !EndsWithNoCase(fileName, ".jar")) return false;
    if (fileName.size() < 10) return false;
    for (size_t i = 6; i < fileName.size() - 4; ++i)
        if (fileName[i] < '0' || fileName[i] > '9') return false;
    return true;
}

std::string ClasspathPartFileName(const std::string& part) {
    std::string path = Unquoted(part);
    size_t separator = path.find_last_of("\\/");
    return separator == std::string::npos ? path : path.substr(separator + 1);
}

std::string ClasspathWithKit(const std::string& value, const KitClasspath& kit) {
    std::vector<bool> present(kit.packages.size(), false);
    bool mainPlaced = false;
    std::vector<std::string> kept;
    for (const std::string& part : value.empty() ? std::vector<std::string>() : SplitParts(value)) {
        std::string fileName = ClasspathPartFileName(part);
        if (IsKitMainArchiveName(fileName)) {
            if (!mainPlaced) kept.push_back(kit.mainEntry);
            mainPlaced = true;
            continue;
        }
        bool dropped = false;
        for (const std::string& stem : kit.droppedStems)
            dropped = dropped || (!stem.empty() && StartsWithNoCase(fileName, stem));
        if (dropped) continue;
        for (size_t i = 0; i < kit.packages.size(); ++i)
            if (SameNoCase(fileName, kit.packages[i].fileName) || SameNoCase(Unquoted(part), kit.packages[i].entry))
                present[i] = true;
        kept.push_back(part);
    }
    std::string result = JoinParts(kept);
    if (!mainPlaced) result = Appended(result, kit.mainEntry);
    for (size_t i = 0; i < kit.packages.size(); ++i) {
        if (present[i]) continue;
        result = Appended(result, kit.packages[i].entry);
        // pkgjar and pkgjar2 naming one archive add it once.
        for (size_t j = i + 1; j < kit.packages.size(); ++j)
            if (SameNoCase(kit.packages[j].fileName, kit.packages[i].fileName)) present[j] = true;
    }
    return result;
}

std::string ClasspathWithoutKit(const std::string& value, const std::vector<std::string>& folders,
                                const std::vector<std::string>& jarNames) {
    if (value.empty()) return value;
    std::vector<std::string> kept;
    for (const std::string& part : SplitParts(value)) {
        std::string path = Unquoted(part);
        size_t separator = path.find_last_of("\\/");
        std::string folder = separator == std::string::npos ? std::string() : path.substr(0, separator);
        std::string fileName = separator == std::string::npos ? path : path.substr(separator + 1);
        bool ours = false;
        for (const std::string& form : folders)
            ours = ours || (!form.empty() && SameNoCase(WithoutTrailingSeparators(folder), WithoutTrailingSeparators(form)));
        bool kitArchive = IsKitMainArchiveName(fileName);
        for (const std::string& jar : jarNames) kitArchive = kitArchive || SameNoCase(fileName, jar);
        if (ours && kitArchive) continue;
        kept.push_back(part);
    }
    return JoinParts(kept);
}

}  // namespace brivel::setup
