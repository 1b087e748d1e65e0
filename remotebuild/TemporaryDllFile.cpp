#include "TemporaryDllFile.h"

#include <vector>

namespace brivel::remotebuild {

std::string CTemporaryDllFile::Folder() {
    char folder[MAX_PATH + 1] = {};
    DWORD length = GetTempPathA(sizeof folder, folder);
    if (length == 0 || length > MAX_PATH) return std::string();
    return std::string(folder, length);
}

bool CTemporaryDllFile::Create(const char* prefix) {
    std::string folder = Folder();
    char name[MAX_PATH] = {};
    if (folder.empty() || GetTempFileNameA(folder.c_str(), prefix, 0, name) == 0) return false;
    path_ = name;
    handle_ = CreateFileA(name, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (handle_ == INVALID_HANDLE_VALUE) {
        DeleteFileA(name);  // GetTempFileName made it empty
        return false;
    }
    return true;
}

bool CTemporaryDllFile::Write(const unsigned char* bytes, size_t count) {
    while (count > 0) {
        DWORD chunk = count > 0x10000000 ? 0x10000000 : static_cast<DWORD>(count);
        DWORD written = 0;
        if (!WriteFile(handle_, bytes, chunk, &written, nullptr) || written == 0) return false;
        bytes += written;
        count -= written;
    }
    return true;
}

void CTemporaryDllFile::Close() {
    if (handle_ != INVALID_HANDLE_VALUE) CloseHandle(handle_);
    handle_ = INVALID_HANDLE_VALUE;
}

void CTemporaryDllFile::Delete() {
    Close();
    if (!path_.empty()) DeleteFileA(path_.c_str());
}

// A rename replaces the target in one step, but only on one volume: a move
// from another one would copy onto the old file. The copy goes to a new
// file beside the target instead, which then takes its name.
bool MoveDownloadedDll(const std::string& temporaryPath, const std::string& target) {
    const DWORD replace = MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH;
    if (MoveFileExA(temporaryPath.c_str(), target.c_str(), replace)) return true;
    if (GetLastError() != ERROR_NOT_SAME_DEVICE) return false;

    std::string folder = target.substr(0, target.find_last_of("\\/") + 1);
    char beside[MAX_PATH] = {};
    if (GetTempFileNameA(folder.empty() ? "." : folder.c_str(), "brv", 0, beside) == 0) return false;
    if (CopyFileA(temporaryPath.c_str(), beside, FALSE) && MoveFileExA(beside, target.c_str(), replace)) {
        DeleteFileA(temporaryPath.c_str());
        return true;
    }
    DWORD error = GetLastError();
    DeleteFileA(beside);
    SetLastError(error);
    return false;
}

bool CBuildInputFile::Open(const std::string& path) {
    handle_ = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL,
                          nullptr);
    return handle_ != INVALID_HANDLE_VALUE;
}

bool CBuildInputFile::Size(uint32_t& size) const {
    LARGE_INTEGER value;
    if (!GetFileSizeEx(handle_, &value) || value.QuadPart > 0xFFFFFFFFLL) return false;
    size = static_cast<uint32_t>(value.QuadPart);
    return true;
}

bool CBuildInputFile::ReadInto(std::string& buffer, uint32_t count) {
    std::vector<char> bytes(count);
    DWORD got = 0;
    if (!ReadFile(handle_, bytes.data(), count, &got, nullptr) || got == 0) return false;
    buffer.append(bytes.data(), got);
    return true;
}

void CBuildInputFile::Close() {
    if (handle_ != INVALID_HANDLE_VALUE) CloseHandle(handle_);
    handle_ = INVALID_HANDLE_VALUE;
}

}  // namespace brivel::remotebuild
