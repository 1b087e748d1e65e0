#include "ClassFileWriter.h"

namespace brivel::c2j {

void ClassFileWriter::U2(uint16_t value) {
    bytes_.push_back(static_cast<uint8_t>(value >> 8));
    bytes_.push_back(static_cast<uint8_t>(value));
}

void ClassFileWriter::U4(uint32_t value) {
    U2(static_cast<uint16_t>(value >> 16));
    U2(static_cast<uint16_t>(value));
}

void ClassFileWriter::Bytes(const void* data, size_t length) {
    const auto* from = static_cast<const uint8_t*>(data);
    bytes_.insert(bytes_.end(), from, from + length);
}

void ClassFileWriter::Header(uint16_t major, uint16_t minor) {
    U4(0xCAFEBABE);
    U2(minor);
    U2(major);
}

bool ClassFileWriter::Utf8(const std::string& text) {
    if (text.size() > kMaxUtf8Length) return false;
    U1(kUtf8);
    U2(static_cast<uint16_t>(text.size()));
    Bytes(text.data(), text.size());
    return true;
}

size_t ClassFileWriter::BeginAttribute(uint16_t name) {
    U2(name);
    U4(0);
    return bytes_.size();
}

void ClassFileWriter::EndAttribute(size_t begun) {
    PatchU4(begun - 4, static_cast<uint32_t>(bytes_.size() - begun));
}

void ClassFileWriter::PatchU4(size_t at, uint32_t value) {
    bytes_[at] = static_cast<uint8_t>(value >> 24);
    bytes_[at + 1] = static_cast<uint8_t>(value >> 16);
    bytes_[at + 2] = static_cast<uint8_t>(value >> 8);
    bytes_[at + 3] = static_cast<uint8_t>(value);
}

}  // namespace brivel::c2j
