// Specification files for tests, written by hand in a readable text form:
//   u8:N u16:N u32:N     little-endian numbers (decimal or 0x...)
//   str:"text"           a u32 byte count and the bytes
//   "text"               the bytes alone
//   # ...                a comment to the end of the line
// In quoted text, \\, \" and \xNN stand for one byte each.
#pragma once

#include <cctype>
#include <cstdint>
#include <cstdlib>
#include <stdexcept>
#include <string>

namespace brivel::testing {

inline std::string SpecFileFromText(const std::string& text) {
    std::string out;
    auto putNumber = [&out](uint64_t value, int bytes) {
        for (int i = 0; i < bytes; ++i) out += static_cast<char>((value >> (8 * i)) & 0xFF);
    };
    size_t i = 0;
    auto quoted = [&]() {
        if (text[i] != '"') throw std::runtime_error("quote expected at " + std::to_string(i));
        std::string bytes;
        for (++i; i < text.size() && text[i] != '"'; ++i) {
            if (text[i] != '\\') { bytes += text[i]; continue; }
            ++i;
            if (text[i] == 'x') {
                bytes += static_cast<char>(std::strtoul(text.substr(i + 1, 2).c_str(), nullptr, 16));
                i += 2;
            } else {
                bytes += text[i];
            }
        }
        ++i;
        return bytes;
    };
    while (i < text.size()) {
        const char c = text[i];
        if (std::isspace(static_cast<unsigned char>(c))) { ++i; continue; }
        if (c == '#') { while (i < text.size() && text[i] != '\n') ++i; continue; }
        if (c == '"') { out += quoted(); continue; }
        size_t colon = text.find(':', i);
        const std::string kind = text.substr(i, colon - i);
        i = colon + 1;
        if (kind == "str") {
            const std::string bytes = quoted();
            putNumber(bytes.size(), 4);
            out += bytes;
            continue;
        }
        size_t end = i;
        while (end < text.size() && std::isalnum(static_cast<unsigned char>(text[end]))) ++end;
        const uint64_t value = std::strtoull(text.substr(i, end - i).c_str(), nullptr, 0);
        i = end;
        if (kind == "u8") putNumber(value, 1);
        else if (kind == "u16") putNumber(value, 2);
        else if (kind == "u32") putNumber(value, 4);
        else throw std::runtime_error("unknown field kind " + kind);
    }
    return out;
}

}  // namespace brivel::testing
