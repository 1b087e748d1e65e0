#include "SpecFileIO.h"

#include "ByteOrder.h"

#include <algorithm>
#include <string>

namespace brivel {

static bool WriteBytes(FILE* file, const std::string& bytes) {
    return bytes.empty() || fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
}

bool WriteSpecU8(FILE* file, uint8_t value) { return fputc(value, file) != EOF; }

bool WriteSpecU16(FILE* file, uint16_t value) {
    std::string bytes;
    PutUInt16LE(bytes, value);
    return WriteBytes(file, bytes);
}

bool WriteSpecU32(FILE* file, uint32_t value) {
    std::string bytes;
    PutUInt32LE(bytes, value);
    return WriteBytes(file, bytes);
}

bool WriteSpecString(FILE* file, const CString& text) {
    std::string bytes;
    PutUInt32LE(bytes, static_cast<uint32_t>(text.GetLength()));
    bytes += text.str();
    return WriteBytes(file, bytes);
}

bool ReadSpecU8(FILE* file, uint8_t& value) {
    const int c = fgetc(file);
    if (c == EOF) return false;
    value = static_cast<uint8_t>(c);
    return true;
}

bool ReadSpecU16(FILE* file, uint16_t& value) {
    unsigned char bytes[2];
    if (fread(bytes, 1, 2, file) != 2) return false;
    value = GetUInt16LE(bytes);
    return true;
}

bool ReadSpecU32(FILE* file, uint32_t& value) {
    unsigned char bytes[4];
    if (fread(bytes, 1, 4, file) != 4) return false;
    value = GetUInt32LE(bytes);
    return true;
}

SpecStringResult ReadSpecString(FILE* file, CString& text, uint32_t maxLength) {
    text.Empty();
    uint32_t length = 0;
    if (!ReadSpecU32(file, length)) return kStringCountMissing;
    if (length > maxLength) return kStringTooLong;
    std::string bytes;
    char chunk[4096];
    while (bytes.size() < length) {
        const size_t want = std::min<size_t>(sizeof chunk, length - bytes.size());
        if (fread(chunk, 1, want, file) != want) return kStringBytesMissing;
        bytes.append(chunk, want);
    }
    text = CString(bytes);
    return kStringRead;
}

}  // namespace brivel
