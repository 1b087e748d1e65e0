// Fuzz entry of the payload archive's reader: any bytes appended to a
// program image. The reader refuses them with a reason, or gives a listing
// whose every entry's data lies in the file before the directory, whose
// entry and folder names cannot lead out of the installation folder, whose
// strings fit their 520-byte buffers and whose total is the sum of the
// sizes; the listing written again reads back the same, and the file reader
// says exactly what the memory reader says.
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <vector>

#include "ByteOrder.h"
#include "FuzzCheck.h"
#include "PayloadArchive.h"

namespace {

using namespace brivel::setup;

constexpr size_t kImageSize = 64;

bool IsSeparator(char c) { return c == '\\' || c == '/'; }

// Independent of the reader's own rules: no root, no drive, no part that
// the platform takes for "." or "..".
bool StaysInside(const std::string& name) {
    if (name.empty() || name.size() > kMaxPayloadStringLength || IsSeparator(name[0])) return false;
    if (name.find(':') != std::string::npos) return false;
    size_t start = 0;
    while (start <= name.size()) {
        size_t end = start;
        while (end < name.size() && !IsSeparator(name[end])) ++end;
        std::string part = name.substr(start, end - start);
        while (!part.empty() && (part.back() == '.' || part.back() == ' ')) part.pop_back();
        if (part.empty()) return false;
        start = end + 1;
    }
    return true;
}

const std::string& TempFile() {
    static const std::string path =
        (std::filesystem::temp_directory_path() / ("brivel-payload-fuzz-" + std::to_string(std::random_device{}())))
            .string();
    return path;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::vector<unsigned char> file(kImageSize, 0);
    file[0] = 'M';
    file[1] = 'Z';
    file.insert(file.end(), data, data + size);

    PayloadDirectory directory;
    std::string problem;
    bool read = ReadPayloadDirectory(file.data(), file.size(), directory, &problem);

    {
        std::ofstream out(TempFile(), std::ios::binary | std::ios::trunc);
        out.write(reinterpret_cast<const char*>(file.data()), static_cast<std::streamsize>(file.size()));
    }
    PayloadDirectory fromFile;
    std::string fileProblem;
    FUZZ_CHECK(ReadPayloadDirectory(TempFile(), fromFile, &fileProblem) == read);
    FUZZ_CHECK(fileProblem == problem);
    std::remove(TempFile().c_str());

    if (!read) {
        FUZZ_CHECK(!problem.empty());
        return 0;
    }
    FUZZ_CHECK(fromFile == directory);
    uint32_t directoryOffset = brivel::GetUInt32LE(&file[file.size() - kPayloadTrailerSize]);
    FUZZ_CHECK(directoryOffset <= file.size() - kPayloadTrailerSize);
    uint64_t sum = 0;
    for (const PayloadEntry& entry : directory.entries) {
        FUZZ_CHECK(uint64_t{entry.offset} + entry.size <= directoryOffset);
        FUZZ_CHECK(entry.flags == kPayloadCopiedAsIs || entry.flags == kPayloadExpandMacros);
        FUZZ_CHECK(StaysInside(entry.name));
        sum += entry.size;
    }
    FUZZ_CHECK(sum == directory.totalDataBytes);
    for (const PayloadShortcut& shortcut : directory.shortcuts)
        FUZZ_CHECK(shortcut.title.size() <= kMaxPayloadStringLength &&
                   shortcut.target.size() <= kMaxPayloadStringLength);
    for (const std::string& folder : directory.folders) FUZZ_CHECK(StaysInside(folder));

    // Written again after the same data, it reads back the same; at most the
    // leading '\' of names is gone from the bytes.
    std::vector<unsigned char> again(file.begin(), file.begin() + directoryOffset);
    std::vector<unsigned char> tail = WritePayloadDirectory(directory, directoryOffset);
    FUZZ_CHECK(tail.size() <= file.size() - directoryOffset);
    again.insert(again.end(), tail.begin(), tail.end());
    PayloadDirectory reread;
    FUZZ_CHECK(ReadPayloadDirectory(again.data(), again.size(), reread, nullptr));
    FUZZ_CHECK(reread == directory);
    return 0;
}
