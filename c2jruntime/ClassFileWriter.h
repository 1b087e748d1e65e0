// Bytes of a Java class file, written in memory for the classes the runtime
// makes at run time: big-endian numbers, constant-pool entries and
// attributes whose length is known only after their body is written. The
// buffer grows as needed; the caller decides the order of everything, so
// constant-pool numbering stays the caller's.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace brivel::c2j {

class ClassFileWriter {
public:
    // Constant-pool tags (the kinds of entry the runtime's classes use).
    enum Tag : uint8_t {
        kUtf8 = 1,
        kClass = 7,
        kFieldref = 9,
        kMethodref = 10,
        kNameAndType = 12,
    };
    // The longest text a Utf8 entry holds (its length is a u2).
    static const size_t kMaxUtf8Length = 0xFFFF;

    void U1(uint8_t value) { bytes_.push_back(value); }
    void U2(uint16_t value);
    void U4(uint32_t value);
    void Bytes(const void* data, size_t length);

    // Header: magic, minor and major version.
    void Header(uint16_t major, uint16_t minor = 0);

    // A Utf8 entry of the text's bytes as they are (modified UTF-8 already);
    // false, with nothing written, when the text is too long for one.
    bool Utf8(const std::string& text);
    // Entries that name other entries by their constant-pool numbers.
    void ClassEntry(uint16_t name) { Reference(kClass, name); }
    void FieldrefEntry(uint16_t cls, uint16_t nameAndType) { Reference(kFieldref, cls, nameAndType); }
    void MethodrefEntry(uint16_t cls, uint16_t nameAndType) { Reference(kMethodref, cls, nameAndType); }
    void NameAndTypeEntry(uint16_t name, uint16_t descriptor) { Reference(kNameAndType, name, descriptor); }

    // An attribute: its name's entry and a u4 length that EndAttribute fills
    // in once the body is written.
    size_t BeginAttribute(uint16_t name);
    void EndAttribute(size_t begun);

    size_t Size() const { return bytes_.size(); }
    const std::vector<uint8_t>& Data() const { return bytes_; }
    std::vector<uint8_t> Take() { return std::move(bytes_); }

private:
    void Reference(Tag tag, uint16_t first) {
        U1(tag);
        U2(first);
    }
    void Reference(Tag tag, uint16_t first, uint16_t second) {
        U1(tag);
        U2(first);
        U2(second);
    }
    void PatchU4(size_t at, uint32_t value);

    std::vector<uint8_t> bytes_;
};

}  // namespace brivel::c2j
