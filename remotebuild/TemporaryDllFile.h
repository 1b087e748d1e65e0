// The file that a downloaded DLL is written to before the owner's save step
// moves it: a new name in the system's temporary folder (GetTempFileName,
// which takes the first three letters of the prefix), opened for writing,
// not shared.
#pragma once

#include <windows.h>

#include <string>

namespace brivel::remotebuild {

class CTemporaryDllFile {
public:
    CTemporaryDllFile() = default;
    ~CTemporaryDllFile() { Close(); }
    CTemporaryDllFile(const CTemporaryDllFile&) = delete;
    CTemporaryDllFile& operator=(const CTemporaryDllFile&) = delete;

    // False when no name could be made or the file not be created.
    bool Create(const char* prefix);
    bool Write(const unsigned char* bytes, size_t count);
    void Close();
    // Closes and deletes the file when it is still there.
    void Delete();

    const std::string& Path() const { return path_; }
    // The folder the file is made in (for the failure message).
    static std::string Folder();

private:
    HANDLE handle_ = INVALID_HANDLE_VALUE;
    std::string path_;
};

// The owners' save step: the downloaded DLL takes the target's place, and
// an older file there is replaced only by the whole new one. False (the
// reason in GetLastError) leaves the target as it was.
bool MoveDownloadedDll(const std::string& temporaryPath, const std::string& target);

// The file a build sends, opened for shared reading.
class CBuildInputFile {
public:
    CBuildInputFile() = default;
    ~CBuildInputFile() { Close(); }
    CBuildInputFile(const CBuildInputFile&) = delete;
    CBuildInputFile& operator=(const CBuildInputFile&) = delete;

    bool Open(const std::string& path);
    // The file's size; false when it cannot be told or exceeds 32 bits.
    bool Size(uint32_t& size) const;
    // Appends up to `count` bytes; false on a failed read or none left.
    bool ReadInto(std::string& buffer, uint32_t count);
    void Close();

private:
    HANDLE handle_ = INVALID_HANDLE_VALUE;
};

}  // namespace brivel::remotebuild
