#include "ServerFolder.h"

#include <fstream>
#include <iterator>
#include <vector>

namespace brivel::serverhost::testing {
namespace {

void RemoveTree(const std::string& folder) {
    WIN32_FIND_DATAA found;
    HANDLE find = FindFirstFileA((folder + "\\*").c_str(), &found);
    if (find != INVALID_HANDLE_VALUE) {
        do {
            std::string name = found.cFileName;
            if (name == "." || name == "..") continue;
            std::string path = folder + "\\" + name;
            if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) RemoveTree(path);
            else DeleteFileA(path.c_str());
        } while (FindNextFileA(find, &found));
        FindClose(find);
    }
    RemoveDirectoryA(folder.c_str());
}

std::string EnvironmentValue(const char* name) {
    DWORD size = GetEnvironmentVariableA(name, nullptr, 0);
    if (!size) return std::string();
    std::vector<char> value(size);
    GetEnvironmentVariableA(name, value.data(), size);
    return value.data();
}

}  // namespace

ServerFolder::ServerFolder(const std::string& configuration) {
    char temp[MAX_PATH] = "";
    GetTempPathA(sizeof temp, temp);
    static int made = 0;
    folder_ = std::string(temp) + "brivel-server-" + std::to_string(GetCurrentProcessId()) + "-" +
              std::to_string(++made);
    RemoveTree(folder_);
    CreateDirectoryA(folder_.c_str(), nullptr);
    std::string programs = ProgramFolder();
    CopyFileA((programs + "\\BrvService.exe").c_str(), Path("BrvService.exe").c_str(), FALSE);
    CopyFileA((programs + "\\BrvServerLib.dll").c_str(), Path("BrvServerLib.dll").c_str(), FALSE);
    CopyFileA((programs + "\\java_standin.exe").c_str(), Path("java.exe").c_str(), FALSE);
    Write("BrivelServer.jar", "PK\x05\x06");
    Write("BrivelServer.config", configuration);
}

ServerFolder::~ServerFolder() { RemoveTree(folder_); }

std::string ServerFolder::Read(const std::string& name) const {
    std::ifstream in(Path(name), std::ios::binary);
    return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

void ServerFolder::Write(const std::string& name, const std::string& bytes) const {
    std::ofstream out(Path(name), std::ios::binary | std::ios::trunc);
    out << bytes;
}

bool ServerFolder::Exists(const std::string& name) const {
    return GetFileAttributesA(Path(name).c_str()) != INVALID_FILE_ATTRIBUTES;
}

void ServerFolder::Remove(const std::string& name) const { DeleteFileA(Path(name).c_str()); }

SearchPathFirst::SearchPathFirst(const std::string& folder) : saved_(EnvironmentValue("PATH")) {
    SetEnvironmentVariableA("PATH", (folder + ";" + saved_).c_str());
}

SearchPathFirst::~SearchPathFirst() { SetEnvironmentVariableA("PATH", saved_.c_str()); }

}  // namespace brivel::serverhost::testing
