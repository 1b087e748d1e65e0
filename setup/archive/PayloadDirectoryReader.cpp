// Reads the trailer and the directory at the end of an archive file. The
// directory is read through a small buffer from wherever the trailer says it
// starts, and its lists grow only with the records read, so a damaged
// trailer costs no more memory than the records really there; every count
// is weighed against the bytes that could hold it before anything is read.
#include <algorithm>
#include <cstdio>
#include <memory>
#include <new>

#include "ByteOrder.h"
#include "PayloadArchive.h"

namespace brivel::setup {
namespace {

// Smallest records: offset, size, flags, name length; two lengths; one.
constexpr uint64_t kMinEntryRecord = 13;
constexpr uint64_t kMinShortcutRecord = 8;
constexpr uint64_t kMinFolderRecord = 4;

bool Fail(std::string* problem, const std::string& reason) {
    if (problem) *problem = reason;
    return false;
}

// Random access to the archive's bytes.
class ByteSource {
public:
    virtual ~ByteSource() = default;
    virtual uint64_t Size() const = 0;
    // Reads exactly count bytes at offset; false when they are not there.
    virtual bool ReadAt(uint64_t offset, unsigned char* out, size_t count) = 0;
};

class MemorySource : public ByteSource {
public:
    MemorySource(const unsigned char* bytes, size_t size) : bytes_(bytes), size_(size) {}
    uint64_t Size() const override { return size_; }
    bool ReadAt(uint64_t offset, unsigned char* out, size_t count) override {
        if (offset > size_ || count > size_ - offset) return false;
        std::copy(bytes_ + offset, bytes_ + offset + count, out);
        return true;
    }

private:
    const unsigned char* bytes_;
    size_t size_;
};

int SeekTo(std::FILE* file, uint64_t offset, int origin) {
#ifdef _WIN32
    return _fseeki64(file, static_cast<__int64>(offset), origin);
#else
    return fseeko(file, static_cast<off_t>(offset), origin);
#endif
}

int64_t Position(std::FILE* file) {
#ifdef _WIN32
    return _ftelli64(file);
#else
    return ftello(file);
#endif
}

class FileSource : public ByteSource {
public:
    explicit FileSource(std::FILE* file) : file_(file) {
        if (SeekTo(file_, 0, SEEK_END) == 0) size_ = Position(file_);
    }
    bool Measured() const { return size_ >= 0; }
    uint64_t Size() const override { return static_cast<uint64_t>(size_); }
    bool ReadAt(uint64_t offset, unsigned char* out, size_t count) override {
        if (offset > Size() || count > Size() - offset) return false;
        return SeekTo(file_, offset, SEEK_SET) == 0 && std::fread(out, 1, count, file_) == count;
    }

private:
    std::FILE* file_;
    int64_t size_ = -1;
};

// Takes the directory's bytes in order, up to a fixed end.
class DirectoryCursor {
public:
    DirectoryCursor(ByteSource& source, uint64_t start, uint64_t end) : source_(source), next_(start), end_(end) {}

    bool Take(unsigned char* out, size_t count) {
        while (count > 0) {
            if (used_ == filled_ && !Refill()) return false;
            size_t n = std::min(count, filled_ - used_);
            std::copy(buffer_ + used_, buffer_ + used_ + n, out);
            used_ += n;
            out += n;
            count -= n;
        }
        return true;
    }
    bool TakeUInt32(uint32_t& value) {
        unsigned char bytes[4];
        if (!Take(bytes, sizeof bytes)) return false;
        value = GetUInt32LE(bytes);
        return true;
    }
    // A length and that many bytes, the length checked before the bytes are
    // taken; false with the reason.
    bool TakeString(std::string& text, const std::string& what, std::string* problem) {
        uint32_t length = 0;
        if (!TakeUInt32(length)) return Fail(problem, "the directory ends early, in the length of " + what);
        if (length > kMaxPayloadStringLength)
            return Fail(problem, what + " is " + std::to_string(length) + " bytes long (at most 519)");
        text.resize(length);
        if (!Take(reinterpret_cast<unsigned char*>(&text[0]), length))
            return Fail(problem, "the directory ends early, in the bytes of " + what);
        return true;
    }
    // Bytes of the directory not yet taken.
    uint64_t Left() const { return end_ - next_ + (filled_ - used_); }

private:
    bool Refill() {
        if (next_ >= end_) return false;
        size_t n = static_cast<size_t>(std::min<uint64_t>(sizeof buffer_, end_ - next_));
        if (!source_.ReadAt(next_, buffer_, n)) return false;
        next_ += n;
        filled_ = n;
        used_ = 0;
        return true;
    }

    ByteSource& source_;
    uint64_t next_;
    uint64_t end_;
    unsigned char buffer_[4096];
    size_t filled_ = 0;
    size_t used_ = 0;
};

struct Trailer {
    uint32_t directoryOffset, entryCount, totalDataBytes, shortcutCount, folderCount;
};

bool ReadTrailer(ByteSource& source, Trailer& trailer, std::string* problem) {
    if (source.Size() < kPayloadTrailerSize)
        return Fail(problem, "the file has " + std::to_string(source.Size()) +
                                 " bytes, fewer than the archive's 20-byte trailer");
    unsigned char bytes[kPayloadTrailerSize];
    if (!source.ReadAt(source.Size() - kPayloadTrailerSize, bytes, sizeof bytes))
        return Fail(problem, "the archive's trailer cannot be read");
    trailer.directoryOffset = GetUInt32LE(bytes);
    trailer.entryCount = GetUInt32LE(bytes + 4);
    trailer.totalDataBytes = GetUInt32LE(bytes + 8);
    trailer.shortcutCount = GetUInt32LE(bytes + 12);
    trailer.folderCount = GetUInt32LE(bytes + 16);
    return true;
}

bool ReadDirectory(ByteSource& source, PayloadDirectory& out, std::string* problem) {
    Trailer trailer{};
    if (!ReadTrailer(source, trailer, problem)) return false;
    uint64_t directoryEnd = source.Size() - kPayloadTrailerSize;
    if (trailer.directoryOffset > directoryEnd)
        return Fail(problem, "the directory offset " + std::to_string(trailer.directoryOffset) +
                                 " lies beyond the directory's end at " + std::to_string(directoryEnd));
    uint64_t room = directoryEnd - trailer.directoryOffset;
    uint64_t needed = trailer.entryCount * kMinEntryRecord + trailer.shortcutCount * kMinShortcutRecord +
                      trailer.folderCount * kMinFolderRecord;
    if (needed > room)
        return Fail(problem, "the directory's " + std::to_string(trailer.entryCount) + " entries, " +
                                 std::to_string(trailer.shortcutCount) + " shortcuts and " +
                                 std::to_string(trailer.folderCount) + " folders need at least " +
                                 std::to_string(needed) + " bytes, and it has " + std::to_string(room));

    // The lists grow with the records read, never to the trailer's counts
    // ahead of them: each record costs more memory than its bytes, and a
    // damaged count in a large file would ask for more than there is. A
    // name is checked as soon as it is read, so a damaged directory ends
    // at its first bad record.
    PayloadDirectory directory;
    directory.totalDataBytes = trailer.totalDataBytes;
    DirectoryCursor cursor(source, trailer.directoryOffset, directoryEnd);
    for (uint32_t i = 0; i < trailer.entryCount; ++i) {
        PayloadEntry entry;
        std::string which = "the name of entry " + std::to_string(i + 1);
        if (!cursor.TakeUInt32(entry.offset) || !cursor.TakeUInt32(entry.size) || !cursor.Take(&entry.flags, 1))
            return Fail(problem, "the directory ends early, in entry " + std::to_string(i + 1));
        if (!cursor.TakeString(entry.name, which, problem)) return false;
        // The format's one leading '\' means the installation folder itself.
        if (!entry.name.empty() && entry.name[0] == '\\') entry.name.erase(0, 1);
        std::string reason;
        if (!CheckPayloadPath(entry.name, &reason)) return Fail(problem, "entry " + std::to_string(i + 1) + ": " + reason);
        directory.entries.push_back(std::move(entry));
    }
    for (uint32_t i = 0; i < trailer.shortcutCount; ++i) {
        PayloadShortcut shortcut;
        std::string which = "shortcut " + std::to_string(i + 1);
        if (!cursor.TakeString(shortcut.title, "the title of " + which, problem) ||
            !cursor.TakeString(shortcut.target, "the target of " + which, problem))
            return false;
        directory.shortcuts.push_back(std::move(shortcut));
    }
    for (uint32_t i = 0; i < trailer.folderCount; ++i) {
        std::string folder;
        if (!cursor.TakeString(folder, "folder " + std::to_string(i + 1), problem)) return false;
        directory.folders.push_back(std::move(folder));
    }
    if (cursor.Left() != 0)
        return Fail(problem, "the directory ends " + std::to_string(cursor.Left()) + " bytes before the trailer");
    if (!CheckPayloadDirectory(directory, trailer.directoryOffset, problem)) return false;
    out = std::move(directory);
    return true;
}

// A directory of more records than memory holds is refused like any other
// damage: the installer's thread must not end in an exception.
bool ReadDirectoryWithin(ByteSource& source, PayloadDirectory& out, std::string* problem) {
    try {
        return ReadDirectory(source, out, problem);
    } catch (const std::bad_alloc&) {
        return Fail(problem, "the directory has more records than memory can hold");
    }
}

}  // namespace

bool ReadPayloadDirectory(const unsigned char* file, size_t size, PayloadDirectory& out, std::string* problem) {
    MemorySource source(file, size);
    return ReadDirectoryWithin(source, out, problem);
}

bool ReadPayloadDirectory(const std::string& filePath, PayloadDirectory& out, std::string* problem) {
    std::unique_ptr<std::FILE, int (*)(std::FILE*)> file(std::fopen(filePath.c_str(), "rb"), std::fclose);
    if (!file) return Fail(problem, "the file " + filePath + " cannot be opened");
    FileSource source(file.get());
    if (!source.Measured()) return Fail(problem, "the size of " + filePath + " cannot be learnt");
    return ReadDirectoryWithin(source, out, problem);
}

}  // namespace brivel::setup
