#include "ConsoleProcess.h"

#include <cstdlib>
#include <vector>

#include "ConsoleHandOver.h"
#include "ConsoleTexts.h"

namespace brivel::console::testing {
namespace {

constexpr const char* kProfileKey = "Software\\Orvanth Software\\BrivelC2jConsole\\C2JConsole";

std::string ConsolePath() {
    char path[MAX_PATH];
    DWORD n = GetModuleFileNameA(nullptr, path, sizeof path);
    std::string folder(path, n);
    folder.erase(folder.find_last_of('\\') + 1);
    return folder + "BrivelC2jConsole.exe";
}

// A socket layer for the test process, started once.
struct WinsockSession {
    WinsockSession() {
        WSADATA data;
        WSAStartup(MAKEWORD(2, 2), &data);
    }
};

void SetDword(const char* keyPath, const char* name, long long value) {
    HKEY key;
    if (RegCreateKeyExA(HKEY_CURRENT_USER, keyPath, 0, nullptr, 0, KEY_SET_VALUE, nullptr, &key, nullptr) !=
        ERROR_SUCCESS)
        return;
    if (value < 0) {
        RegDeleteValueA(key, name);
    } else {
        DWORD data = static_cast<DWORD>(value);
        RegSetValueExA(key, name, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&data), sizeof data);
    }
    RegCloseKey(key);
}

long long ReadDword(const char* keyPath, const char* name) {
    HKEY key;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, keyPath, 0, KEY_QUERY_VALUE, &key) != ERROR_SUCCESS) return -1;
    DWORD type = 0, data = 0, size = sizeof data;
    LONG rc = RegQueryValueExA(key, name, nullptr, &type, reinterpret_cast<BYTE*>(&data), &size);
    RegCloseKey(key);
    return rc == ERROR_SUCCESS && type == REG_DWORD ? static_cast<long long>(data) : -1;
}

struct WindowSearch {
    HWND found = nullptr;
};

BOOL CALLBACK FindDialogWindow(HWND window, LPARAM parameter) {
    char className[64] = "";
    GetClassNameA(window, className, sizeof className);
    if (IsWindowVisible(window) && std::string(className) == "#32770") {
        reinterpret_cast<WindowSearch*>(parameter)->found = window;
        return FALSE;
    }
    return TRUE;
}

BOOL CALLBACK CollectChildText(HWND window, LPARAM parameter) {
    char text[1024] = "";
    GetWindowTextA(window, text, sizeof text);
    auto* texts = reinterpret_cast<std::string*>(parameter);
    *texts += text;
    *texts += '|';
    return TRUE;
}

}  // namespace

ConsoleProcess::~ConsoleProcess() {
    if (process_.hProcess) {
        if (WaitForSingleObject(process_.hProcess, 0) == WAIT_TIMEOUT) {
            TerminateProcess(process_.hProcess, 99);
            // Gone before the next test starts a console, which would
            // otherwise find this one's mutex and say it runs already.
            WaitForSingleObject(process_.hProcess, kPatientWaitMs);
        }
        CloseHandle(process_.hThread);
        CloseHandle(process_.hProcess);
    }
    if (output_) CloseHandle(output_);
}

bool ConsoleProcess::Start() {
    SECURITY_ATTRIBUTES inheritable{sizeof(SECURITY_ATTRIBUTES), nullptr, TRUE};
    HANDLE writeEnd = nullptr;
    if (!CreatePipe(&output_, &writeEnd, &inheritable, 1 << 16)) return false;
    SetHandleInformation(output_, HANDLE_FLAG_INHERIT, 0);
    HANDLE nul = CreateFileA("NUL", GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, &inheritable,
                             OPEN_EXISTING, 0, nullptr);

    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdInput = nul;
    startup.hStdOutput = writeEnd;
    startup.hStdError = nul;
    std::string path = ConsolePath();
    std::vector<char> commandLine(path.begin(), path.end());
    commandLine.insert(commandLine.begin(), '"');
    commandLine.push_back('"');
    commandLine.push_back('\0');
    BOOL started = CreateProcessA(path.c_str(), commandLine.data(), nullptr, nullptr, TRUE, CREATE_NO_WINDOW,
                                  nullptr, nullptr, &startup, &process_);
    CloseHandle(writeEnd);
    CloseHandle(nul);
    if (!started) process_ = PROCESS_INFORMATION{};
    return started != FALSE;
}

void ConsoleProcess::Drain() {
    for (;;) {
        DWORD available = 0;
        if (!PeekNamedPipe(output_, nullptr, 0, nullptr, &available, nullptr) || available == 0) return;
        std::vector<char> buffer(available);
        DWORD read = 0;
        if (!ReadFile(output_, buffer.data(), available, &read, nullptr)) return;
        received_.append(buffer.data(), read);
    }
}

const std::string& ConsoleProcess::Output() {
    Drain();
    return received_;
}

bool ConsoleProcess::WaitForOutputSize(size_t bytes, DWORD timeoutMs) {
    DWORD start = GetTickCount();
    for (;;) {
        Drain();
        if (received_.size() >= bytes) return true;
        if (GetTickCount() - start > timeoutMs) return false;
        Sleep(10);
    }
}

DWORD ConsoleProcess::WaitForExit(DWORD timeoutMs) {
    DWORD code = STILL_ACTIVE;
    if (WaitForSingleObject(process_.hProcess, timeoutMs) == WAIT_OBJECT_0)
        GetExitCodeProcess(process_.hProcess, &code);
    Drain();
    return code;
}

HWND ConsoleProcess::WaitForDialog(DWORD timeoutMs) {
    DWORD start = GetTickCount();
    for (;;) {
        WindowSearch search;
        EnumThreadWindows(process_.dwThreadId, FindDialogWindow, reinterpret_cast<LPARAM>(&search));
        if (search.found) return search.found;
        if (GetTickCount() - start > timeoutMs || WaitForSingleObject(process_.hProcess, 0) == WAIT_OBJECT_0)
            return nullptr;
        Sleep(20);
    }
}

std::string BannerOnPipe() {
    std::string text;
    for (char c : Banner()) {
        if (c == '\n') text += '\r';
        text += c;
    }
    return text;
}

DWORD ReadPublishedPort() {
    long long port = ReadDword(kPortKeyPath, kPortValueName);
    return port < 0 ? 0 : static_cast<DWORD>(port);
}

void WritePublishedPort(DWORD port) { SetDword(kPortKeyPath, kPortValueName, port); }

void SetShowInfo(long long value) { SetDword(kProfileKey, "ShowInfo", value); }

long long ReadShowInfo() { return ReadDword(kProfileKey, "ShowInfo"); }

SOCKET ConnectToConsole(DWORD port) {
    static WinsockSession session;
    SOCKET client = socket(AF_INET, SOCK_STREAM, IPPROTO_TCP);
    if (client == INVALID_SOCKET) return client;
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    address.sin_port = htons(static_cast<u_short>(port));
    if (connect(client, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0) {
        closesocket(client);
        return INVALID_SOCKET;
    }
    return client;
}

bool SendAll(SOCKET socket, const std::string& bytes) {
    for (size_t done = 0; done < bytes.size();) {
        int sent = send(socket, bytes.data() + done, static_cast<int>(bytes.size() - done), 0);
        if (sent <= 0) return false;
        done += sent;
    }
    return true;
}

bool HaveDisplay() {
    const char* display = std::getenv("DISPLAY");
    return display && *display;
}

std::string ChildTexts(HWND window) {
    std::string texts;
    EnumChildWindows(window, CollectChildText, reinterpret_cast<LPARAM>(&texts));
    return texts;
}

}  // namespace brivel::console::testing
