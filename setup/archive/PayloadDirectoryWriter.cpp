// Writes an archive directory and its trailer, the bytes that follow the
// entries' data in the file.
#include <stdexcept>

#include "ByteOrder.h"
#include "PayloadArchive.h"

namespace brivel::setup {
namespace {

void PutString(std::string& out, const std::string& text) {
    PutUInt32LE(out, static_cast<uint32_t>(text.size()));
    out += text;
}

}  // namespace

std::vector<unsigned char> WritePayloadDirectory(const PayloadDirectory& directory, uint32_t directoryOffset) {
    std::string problem;
    if (!CheckPayloadDirectory(directory, directoryOffset, &problem)) throw std::invalid_argument(problem);
    std::string out;
    for (const PayloadEntry& entry : directory.entries) {
        PutUInt32LE(out, entry.offset);
        PutUInt32LE(out, entry.size);
        out += static_cast<char>(entry.flags);
        PutString(out, entry.name);
    }
    for (const PayloadShortcut& shortcut : directory.shortcuts) {
        PutString(out, shortcut.title);
        PutString(out, shortcut.target);
    }
    for (const std::string& folder : directory.folders) PutString(out, folder);
    PutUInt32LE(out, directoryOffset);
    PutUInt32LE(out, static_cast<uint32_t>(directory.entries.size()));
    PutUInt32LE(out, directory.totalDataBytes);
    PutUInt32LE(out, static_cast<uint32_t>(directory.shortcuts.size()));
    PutUInt32LE(out, static_cast<uint32_t>(directory.folders.size()));
    return std::vector<unsigned char>(out.begin(), out.end());
}

}  // namespace brivel::setup
