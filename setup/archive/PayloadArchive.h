// The payload archive that the installer carries at the end of its own
// program image, and the directory-only copy of it that the uninstaller
// carries (every entry with data offset 0 and size 0).
//
// File layout, all numbers unsigned 32-bit little-endian: the program image;
// the entries' data back to back; the directory (entry records, shortcut
// records, folder records); a 20-byte trailer of five numbers: directory
// offset, entry count, total data bytes, shortcut count, folder count.
// An entry record is data offset, size, a flags byte, then the name; every
// string is its length followed by its bytes (no terminating zero), at most
// 519 bytes.
//
// The reader trusts nothing: a damaged archive is refused with a reason, and
// an accepted directory only names data inside the file and paths inside
// the installation folder.
//
// Plain C++ with no platform calls: the packer, a build tool, compiles this
// with the build machine's own compiler.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace brivel::setup {

constexpr uint32_t kPayloadTrailerSize = 20;
// Every string of the directory fits a 520-byte buffer with its zero.
constexpr size_t kMaxPayloadStringLength = 519;

// Entry flags.
constexpr uint8_t kPayloadCopiedAsIs = 0;
constexpr uint8_t kPayloadExpandMacros = 1;  // a text file whose $-macros are expanded after extraction

struct PayloadEntry {
    uint32_t offset = 0;  // from the start of the file
    uint32_t size = 0;
    uint8_t flags = kPayloadCopiedAsIs;
    // Relative to the installation folder, '\' between folders. The format
    // allows one leading '\', which the reader drops.
    std::string name;

    bool operator==(const PayloadEntry& other) const {
        return offset == other.offset && size == other.size && flags == other.flags && name == other.name;
    }
};

struct PayloadShortcut {
    std::string title;
    // Relative to the installation folder, or an address beginning "http://".
    std::string target;

    bool operator==(const PayloadShortcut& other) const { return title == other.title && target == other.target; }
};

struct PayloadDirectory {
    std::vector<PayloadEntry> entries;
    std::vector<PayloadShortcut> shortcuts;
    std::vector<std::string> folders;  // created even when no file lies in them
    uint32_t totalDataBytes = 0;       // the sum of the entry sizes

    bool operator==(const PayloadDirectory& other) const {
        return entries == other.entries && shortcuts == other.shortcuts && folders == other.folders &&
               totalDataBytes == other.totalDataBytes;
    }
};

// Reads the trailer and the directory at the end of a file. False, with the
// reason in *problem (when given), when the file cannot be read or the
// archive is damaged: a trailer or directory cut short, counts the
// directory cannot hold, a string over 519 bytes, a flag other than 0 or 1,
// entry data outside the part of the file before the directory, a total
// that is not the sum of the sizes, bytes between the directory and the
// trailer, or an entry or folder name that is not a safe relative path
// (see CheckPayloadPath).
bool ReadPayloadDirectory(const std::string& filePath, PayloadDirectory& out, std::string* problem);

// The same over a whole file image in memory.
bool ReadPayloadDirectory(const unsigned char* file, size_t size, PayloadDirectory& out, std::string* problem);

// The directory records followed by the 20-byte trailer, for a directory
// that starts at directoryOffset in the file. The directory must pass
// CheckPayloadDirectory; std::invalid_argument (with its problem) otherwise.
std::vector<unsigned char> WritePayloadDirectory(const PayloadDirectory& directory, uint32_t directoryOffset);

// True when the directory may be written: what the reader accepts.
bool CheckPayloadDirectory(const PayloadDirectory& directory, uint32_t directoryOffset, std::string* problem);

// True when a path names a place inside the installation folder: not
// empty, at most 519 bytes, no drive, no root (the reader has dropped the
// format's one leading '\' before it asks), no
// part that is empty or only dots and blanks (such as ".."), no character
// that a file name cannot hold (control characters and <>:"|?*), and no
// device name (CON, NUL, COM1, ...). Both '\' and '/' separate parts.
bool CheckPayloadPath(const std::string& path, std::string* problem);

}  // namespace brivel::setup
