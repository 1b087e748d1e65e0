// Little- and big-endian byte helpers for the binary formats the kit reads
// and writes (the .c2j file, the build-service exchange). Values are put into
// and taken from byte buffers explicitly, never by copying structures, so the
// file bytes are the same on every build.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

namespace brivel {

inline void PutUInt16LE(std::string& out, uint16_t value) {
    out += static_cast<char>(value & 0xFF);
    out += static_cast<char>((value >> 8) & 0xFF);
}

inline void PutUInt32LE(std::string& out, uint32_t value) {
    for (int shift = 0; shift < 32; shift += 8) out += static_cast<char>((value >> shift) & 0xFF);
}

inline void PutUInt16BE(std::string& out, uint16_t value) {
    out += static_cast<char>((value >> 8) & 0xFF);
    out += static_cast<char>(value & 0xFF);
}

inline void PutUInt32BE(std::string& out, uint32_t value) {
    for (int shift = 24; shift >= 0; shift -= 8) out += static_cast<char>((value >> shift) & 0xFF);
}

inline uint16_t GetUInt16LE(const void* bytes) {
    const auto* b = static_cast<const unsigned char*>(bytes);
    return static_cast<uint16_t>(b[0] | (b[1] << 8));
}

inline uint32_t GetUInt32LE(const void* bytes) {
    const auto* b = static_cast<const unsigned char*>(bytes);
    return static_cast<uint32_t>(b[0]) | (static_cast<uint32_t>(b[1]) << 8) |
           (static_cast<uint32_t>(b[2]) << 16) | (static_cast<uint32_t>(b[3]) << 24);
}

inline uint16_t GetUInt16BE(const void* bytes) {
    const auto* b = static_cast<const unsigned char*>(bytes);
    return static_cast<uint16_t>((b[0] << 8) | b[1]);
}

inline uint32_t GetUInt32BE(const void* bytes) {
    const auto* b = static_cast<const unsigned char*>(bytes);
    return (static_cast<uint32_t>(b[0]) << 24) | (static_cast<uint32_t>(b[1]) << 16) |
           (static_cast<uint32_t>(b[2]) << 8) | static_cast<uint32_t>(b[3]);
}

}  // namespace brivel
