// Writing the self-deleting batch file in the code page its reader uses.
#include <windows.h>

#include <cstdio>
#include <vector>

#include "SelfDeleteBatch.h"

namespace brivel::setup {
namespace {

std::string AnsiToOem(const std::string& text) {
    if (text.empty()) return text;
    int wideLength = MultiByteToWideChar(CP_ACP, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
    std::vector<wchar_t> wide(static_cast<size_t>(wideLength));
    MultiByteToWideChar(CP_ACP, 0, text.data(), static_cast<int>(text.size()), wide.data(), wideLength);
    int length = WideCharToMultiByte(CP_OEMCP, 0, wide.data(), wideLength, nullptr, 0, nullptr, nullptr);
    std::string oem(static_cast<size_t>(length), '\0');
    WideCharToMultiByte(CP_OEMCP, 0, wide.data(), wideLength, &oem[0], length, nullptr, nullptr);
    return oem;
}

}  // namespace

bool WriteSelfDeleteBatch(const std::string& batchPath, const std::string& text) {
    std::FILE* batch = std::fopen(batchPath.c_str(), "w");
    if (!batch) return false;
    std::string oem = AnsiToOem(text);
    bool written = std::fwrite(oem.data(), 1, oem.size(), batch) == oem.size();
    if (std::fclose(batch) != 0 || !written) {
        DeleteFileA(batchPath.c_str());
        return false;
    }
    return true;
}

}  // namespace brivel::setup
