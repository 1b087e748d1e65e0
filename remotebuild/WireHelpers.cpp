#include "WireHelpers.h"

#include "ByteOrder.h"

namespace brivel::remotebuild {

void AppendString(std::string& destination, const char* text) {
    if (text) destination += text;
}

void PutUInt32LE(std::string& destination, uint32_t value) { brivel::PutUInt32LE(destination, value); }

bool PutLengthPrefixedString(std::string& destination, const std::string& text) {
    if (text.size() > 0xFFFF) return false;
    brivel::PutUInt16LE(destination, static_cast<uint16_t>(text.size()));
    destination += text;
    return true;
}

uint32_t GetUIntBE(const unsigned char* bytes, int count) {
    if (count > 4) count = 4;
    uint32_t value = 0;
    for (int i = 0; i < count; ++i) value = (value << 8) | bytes[i];
    return value;
}

std::string Base64Encode(const std::string& bytes) {
    static const char kAlphabet[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
    std::string out;
    out.reserve((bytes.size() + 2) / 3 * 4);
    size_t i = 0;
    for (; i + 3 <= bytes.size(); i += 3) {
        uint32_t group = (static_cast<unsigned char>(bytes[i]) << 16) |
                         (static_cast<unsigned char>(bytes[i + 1]) << 8) | static_cast<unsigned char>(bytes[i + 2]);
        out += kAlphabet[(group >> 18) & 63];
        out += kAlphabet[(group >> 12) & 63];
        out += kAlphabet[(group >> 6) & 63];
        out += kAlphabet[group & 63];
    }
    size_t rest = bytes.size() - i;
    if (rest > 0) {
        uint32_t group = static_cast<unsigned char>(bytes[i]) << 16;
        if (rest == 2) group |= static_cast<unsigned char>(bytes[i + 1]) << 8;
        out += kAlphabet[(group >> 18) & 63];
        out += kAlphabet[(group >> 12) & 63];
        out += rest == 2 ? kAlphabet[(group >> 6) & 63] : '=';
        out += '=';
    }
    return out;
}

std::string MakeBasicAuth(const std::string& user, const std::string& password) {
    return "Basic " + Base64Encode(user + ":" + password);
}

}  // namespace brivel::remotebuild
