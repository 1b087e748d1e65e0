#include "RecordingOwner.h"

#include "TempFolder.h"

#include <winsock2.h>
#include <windows.h>

#include <chrono>
#include <filesystem>

namespace brivel::remotebuild::testing {

void RecordingOwner::SetStatus(const std::string& text) {
    std::unique_lock<std::mutex> lock(mutex_);
    statuses_.push_back(text);
    if (!holdAt_.empty() && text.rfind(holdAt_, 0) == 0) {
        held_ = true;
        changed_.notify_all();
        changed_.wait(lock, [this] { return released_; });
    }
    changed_.notify_all();
}

void RecordingOwner::HoldAtStatus(const std::string& start) {
    std::lock_guard<std::mutex> lock(mutex_);
    holdAt_ = start;
    held_ = released_ = false;
}

bool RecordingOwner::WaitUntilHeld(int seconds) {
    std::unique_lock<std::mutex> lock(mutex_);
    return changed_.wait_for(lock, std::chrono::seconds(seconds), [this] { return held_; });
}

void RecordingOwner::Release() {
    std::lock_guard<std::mutex> lock(mutex_);
    released_ = true;
    holdAt_.clear();
    changed_.notify_all();
}

void RecordingOwner::ShowMessageBox(const std::string& text, const std::string& caption) {
    std::lock_guard<std::mutex> lock(mutex_);
    boxes_.push_back({text, caption});
}

void RecordingOwner::SetProgress(uint32_t position, uint32_t range) {
    std::lock_guard<std::mutex> lock(mutex_);
    progress_.push_back({position, range});
}

void RecordingOwner::HideProgress() {
    std::lock_guard<std::mutex> lock(mutex_);
    ++hideProgressCalls;
}

bool RecordingOwner::SaveDownloadedDll(const std::string& temporaryPath) {
    std::lock_guard<std::mutex> lock(mutex_);
    savedFrom = temporaryPath;
    savedBytes = brivel::testing::ReadFileBytes(temporaryPath);
    if (saveSucceeds) DeleteFileA(temporaryPath.c_str());  // moved away, as an owner would
    return saveSucceeds;
}

void RecordingOwner::OnBuildEnded(const BuildResult& result) {
    std::lock_guard<std::mutex> lock(mutex_);
    ++endCalls;
    ended = result;
    changed_.notify_all();
}

std::vector<std::string> RecordingOwner::Statuses() const {
    std::lock_guard<std::mutex> lock(mutex_);
    return statuses_;
}

std::vector<ShownBox> RecordingOwner::Boxes() const {
    std::lock_guard<std::mutex> lock(mutex_);
    return boxes_;
}

std::vector<ProgressStep> RecordingOwner::Progress() const {
    std::lock_guard<std::mutex> lock(mutex_);
    return progress_;
}

bool RecordingOwner::SawStatus(const std::string& text) const {
    std::lock_guard<std::mutex> lock(mutex_);
    for (const std::string& s : statuses_)
        if (s == text) return true;
    return false;
}

bool RecordingOwner::WaitForEnd(int seconds) {
    std::unique_lock<std::mutex> lock(mutex_);
    return changed_.wait_for(lock, std::chrono::seconds(seconds), [this] { return endCalls > 0; });
}

bool RecordingOwner::WaitForStatusStartingWith(const std::string& start, int seconds) {
    std::unique_lock<std::mutex> lock(mutex_);
    return changed_.wait_for(lock, std::chrono::seconds(seconds), [&] {
        for (const std::string& s : statuses_)
            if (s.compare(0, start.size(), start) == 0) return true;
        return false;
    });
}

ScopedTemporaryFolder::ScopedTemporaryFolder(const std::string& folder) : folder_(folder) {
    char previous[MAX_PATH * 4];
    DWORD length = GetEnvironmentVariableA("TMP", previous, sizeof previous);
    hadPrevious_ = length > 0 && length < sizeof previous;
    if (hadPrevious_) previous_.assign(previous, length);
    SetEnvironmentVariableA("TMP", folder.c_str());
}

ScopedTemporaryFolder::~ScopedTemporaryFolder() {
    SetEnvironmentVariableA("TMP", hadPrevious_ ? previous_.c_str() : nullptr);
}

std::vector<std::string> ScopedTemporaryFolder::Files() const {
    std::vector<std::string> names;
    std::error_code error;
    for (const auto& entry : std::filesystem::directory_iterator(folder_, error))
        names.push_back(entry.path().filename().string());
    return names;
}

std::string FileBytes(size_t size, unsigned seed) {
    std::string bytes(size, '\0');
    for (size_t i = 0; i < size; ++i) bytes[i] = static_cast<char>((i * 7 + seed + i / 256) & 0xFF);
    return bytes;
}

std::string BrowserStandInPath() {
    char path[MAX_PATH] = {};
    DWORD length = GetModuleFileNameA(nullptr, path, sizeof path);
    std::string folder(path, length);
    return folder.substr(0, folder.find_last_of('\\') + 1) + "browser_stand_in.exe";
}

std::string WaitForFile(const std::string& path) {
    for (int i = 0; i < 200; ++i) {
        std::string bytes = brivel::testing::ReadFileBytes(path);
        if (!bytes.empty()) return bytes;
        Sleep(100);
    }
    return std::string();
}

SilentProxy::SilentProxy() : listener_(INVALID_SOCKET) {
    WSADATA data;
    started_ = WSAStartup(MAKEWORD(2, 2), &data) == 0;
    SOCKET s = socket(AF_INET, SOCK_STREAM, 0);
    int smallest = 1;
    setsockopt(s, SOL_SOCKET, SO_RCVBUF, reinterpret_cast<const char*>(&smallest), sizeof smallest);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    int size = sizeof address;
    if (bind(s, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0 || listen(s, 4) != 0 ||
        getsockname(s, reinterpret_cast<sockaddr*>(&address), &size) != 0) {
        closesocket(s);
        return;
    }
    listener_ = s;
    port_ = ntohs(address.sin_port);
}

SilentProxy::~SilentProxy() {
    Close();
    if (started_) WSACleanup();
}

void SilentProxy::Close() {
    if (listener_ != INVALID_SOCKET) closesocket(listener_);
    listener_ = INVALID_SOCKET;
}

bool SocketsAllCleanedUp() { return WSACleanup() == SOCKET_ERROR && WSAGetLastError() == WSANOTINITIALISED; }

}  // namespace brivel::remotebuild::testing
