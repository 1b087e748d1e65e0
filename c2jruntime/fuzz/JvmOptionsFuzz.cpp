// Fuzz entry of the runtime's options and their splitting: any text as the
// extra VM arguments, as the probe's output line, as a VM path, and as the
// class path given through the settings export. What must hold:
// - the extra arguments split into at most the options there is room for,
//   the first options being those of an unlimited split; each option is a
//   run of the text (a quoted one holds no quote, another no white space and
//   no leading quote), in order, and outside the options the text holds
//   only white space and the quotes around quoted options; quoted again and
//   joined, the options split back to themselves;
// - the Java home is the probe's line up to its first line end, at most
//   259 characters;
// - a VM path names the VM library, inside the folder unless it names a
//   library already;
// - a class path reads back whole, each character as the system code page
//   gives it back (the characters it holds unchanged).
#include "BrivelC2J18.h"
#include "JvmPlatformNames.h"
#include "VmLocation.h"

#include <cctype>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <strings.h>
#include <vector>

#include "FuzzCheck.h"

using namespace brivel::c2j;

namespace {


bool IsWhite(char c) { return std::isspace(static_cast<unsigned char>(c)) != 0; }

void SplitArguments(const std::string& text) {
    const std::vector<std::string> all = SplitJvmArguments(text, text.size() + 1);
    const std::vector<std::string> kept = SplitJvmArguments(text, kMaxJvmOptions - 1);
    FUZZ_CHECK(kept.size() <= kMaxJvmOptions - 1);
    FUZZ_CHECK(kept.size() == std::min(all.size(), kMaxJvmOptions - 1));
    for (size_t i = 0; i < kept.size(); ++i) FUZZ_CHECK(kept[i] == all[i]);

    // Each option a run of the text, in order; between them only white
    // space and the quotes of quoted options.
    size_t at = 0;
    bool allQuoteFree = true;
    for (const std::string& option : all) {
        while (at < text.size() && IsWhite(text[at])) ++at;
        FUZZ_CHECK(at < text.size());
        const bool quoted = text[at] == '"';
        if (quoted) ++at;
        FUZZ_CHECK(text.compare(at, option.size(), option) == 0);
        if (quoted) {
            FUZZ_CHECK(option.find('"') == std::string::npos);
        } else {
            FUZZ_CHECK(!option.empty() && option[0] != '"');
            for (char c : option) FUZZ_CHECK(!IsWhite(c));
        }
        at += option.size();
        if (at < text.size()) {
            FUZZ_CHECK(quoted ? text[at] == '"' : IsWhite(text[at]));
            ++at;
        }
        allQuoteFree = allQuoteFree && option.find('"') == std::string::npos;
    }
    while (at < text.size() && IsWhite(text[at])) ++at;
    FUZZ_CHECK(at >= text.size());

    if (allQuoteFree) {
        std::string joined;
        for (const std::string& option : all) joined += "\"" + option + "\" ";
        FUZZ_CHECK(SplitJvmArguments(joined, all.size() + 1) == all);
    }
}

void ProbeLine(const std::string& line) {
    const std::string home = JavaHomeFromProbeLine(line);
    FUZZ_CHECK(home.size() <= 259);
    FUZZ_CHECK(line.compare(0, home.size(), home) == 0);
    FUZZ_CHECK(home.find_first_of("\r\n") == std::string::npos);
    if (home.size() < 259 && home.size() < line.size()) FUZZ_CHECK(line[home.size()] == '\r' || line[home.size()] == '\n');
}

void LibraryPath(const std::string& folder) {
    const std::string path = JvmLibraryPath(folder, std::string());
    const std::string extension = std::string(kJvmLibraryName).substr(std::string(kJvmLibraryName).rfind('.'));
    const bool namesLibrary = folder.size() > extension.size() &&
                              strcasecmp(folder.c_str() + folder.size() - extension.size(), extension.c_str()) == 0;
    if (namesLibrary) {
        FUZZ_CHECK(path == folder);
    } else {
        FUZZ_CHECK(path.compare(0, folder.size(), folder) == 0);
        const std::string name = path.substr(folder.size());
        FUZZ_CHECK(name == kJvmLibraryName || name == std::string(1, kPathSeparator) + kJvmLibraryName);
        FUZZ_CHECK(name[0] != kPathSeparator || folder.empty() || folder.back() != kPathSeparator);
    }
}

// One character (one unit, or a surrogate pair) through the system code
// page and back, as the platform converts it.
std::vector<OLECHAR> ThroughCodePage(const OLECHAR* units, int count) {
    char bytes[8];
    const int n = WideCharToMultiByte(CP_ACP, 0, units, count, bytes, sizeof bytes, nullptr, nullptr);
    FUZZ_CHECK(n >= 1);
    std::vector<OLECHAR> back(n);
    FUZZ_CHECK(MultiByteToWideChar(CP_ACP, 0, bytes, n, back.data(), n) == n);
    return back;
}

// The class path through the settings export: character by character what
// the system code page makes of it (each character it holds unchanged), the
// whole text, whatever its length.
void ClassPath(const uint8_t* data, size_t size) {
    std::vector<OLECHAR> units;
    for (size_t i = 0; i + 1 < size; i += 2) units.push_back(static_cast<OLECHAR>(data[i] | (data[i + 1] << 8)));
    BSTR cp = SysAllocStringLen(units.data(), static_cast<UINT>(units.size()));
    char* error = nullptr;
    const bool set = C2jSetClasspath(cp, &error);
    FUZZ_CHECK(set == !units.empty());
    FUZZ_CHECK(set == (error == nullptr));
    C2jFreeMem(error);
    if (set) {
        std::vector<OLECHAR> expected;
        for (size_t i = 0; i < units.size(); ++i) {
            const OLECHAR u = units[i];
            const bool pair = u >= 0xD800 && u <= 0xDBFF && i + 1 < units.size() && units[i + 1] >= 0xDC00 &&
                              units[i + 1] <= 0xDFFF;
            const std::vector<OLECHAR> character = ThroughCodePage(&units[i], pair ? 2 : 1);
            char byte;
            BOOL lost = FALSE;
            if (!pair && WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, &u, 1, &byte, 1, nullptr, &lost) == 1 && !lost)
                FUZZ_CHECK(character.size() == 1 && character[0] == u);
            expected.insert(expected.end(), character.begin(), character.end());
            if (pair) ++i;
        }
        BSTR back = C2jGetClasspath();
        FUZZ_CHECK(back != nullptr && SysStringLen(back) == expected.size());
        for (size_t i = 0; i < expected.size(); ++i) FUZZ_CHECK(back[i] == expected[i]);
        SysFreeString(back);
    }
    SysFreeString(cp);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    SplitArguments(text);
    ProbeLine(text);
    LibraryPath(text);
    ClassPath(data, size);
    return 0;
}
