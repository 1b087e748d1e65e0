// The uninstaller: a hidden window asks whether to remove the kit; a worker
// thread then unregisters the upload control, takes the kit out of the
// machine CLASSPATH, deletes the files and folders its appended directory
// names, the fixed run-time files, the program group and the uninstall key,
// and leaves the uninstaller itself and its folder to a hidden batch file
// that runs once the program has ended.
#include "Uninstaller.h"

#include <cstdlib>
#include <string>
#include <vector>

#include "Editions.h"
#include "PathUtil.h"
#include "PayloadArchive.h"
#include "ProcAddress.h"
#include "ProgramGroupClient.h"
#include "RemovalPlan.h"
#include "SelfDeleteBatch.h"
#include "SystemClasspath.h"
#include "UninstallRegistry.h"

namespace brivel::setup {
namespace {

const char kWindowClass[] = "OrvanthJava2ComUnInstallerWindow";
const char kWindowTitle[] = "Brivel Uninstaller";
const char kUninstallKeyPath[] = "Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall";
const char kUnreadableMessage[] =
    "Could not extract un-installation data.\nThe executable may have been corrupted.\nPlease delete files and "
    "remove program group items manually.";

UINT g_startMessage = 0;
UINT g_doneMessage = 0;

// What the worker needs; lives as long as the program.
struct Uninstallation {
    HWND window = nullptr;
    std::string programPath;
    const UninstallerEdition* edition = nullptr;
};
Uninstallation g_uninstallation;

std::string ProgramPath() {
    std::vector<char> path(MAX_PATH);
    for (;;) {
        DWORD n = GetModuleFileNameA(nullptr, path.data(), static_cast<DWORD>(path.size()));
        if (n < path.size()) return std::string(path.data(), n);
        path.resize(path.size() * 2);
    }
}

std::string SystemFolder() {
    char folder[MAX_PATH] = "";
    UINT n = GetSystemDirectoryA(folder, sizeof folder);
    return n > 0 && n < sizeof folder ? std::string(folder, n) : std::string();
}

std::vector<std::string> Names(const char* const* list) {
    std::vector<std::string> names;
    for (; list && *list; ++list) names.push_back(*list);
    return names;
}

// Loads a library of the installation folder and lets it take its own
// registration out; a file that does not load, or has no such export, is
// passed over.
void UnregisterComServer(const std::string& folder, const char* fileName) {
    HMODULE module = LoadLibraryA((folder + fileName).c_str());
    if (!module) return;
    using Unregister = HRESULT(STDAPICALLTYPE*)();
    if (auto unregister = ProcAddress<Unregister>(module, "DllUnregisterServer")) unregister();
    FreeLibrary(module);
}

void RunRemovalSteps(const std::vector<RemovalStep>& steps) {
    // Every failure is silent: a file already gone, or a folder that still
    // holds a user's file, stays as it is.
    for (const RemovalStep& step : steps) {
        if (step.kind == RemovalStep::kDeleteFile) DeleteFileA(step.path.c_str());
        else RemoveDirectoryA(step.path.c_str());
    }
}

void RemoveUninstallKey(const char* keyName) {
    HKEY key = OpenRegistryPath(HKEY_LOCAL_MACHINE, kUninstallKeyPath);
    if (!key) return;
    DeleteRegistryTree(key, keyName);
    RegCloseKey(key);
}

DWORD WINAPI UninstallThread(LPVOID) {
    const Uninstallation& job = g_uninstallation;
    const std::string folder = PathFolder(job.programPath) + "\\";

    if (SUCCEEDED(OleInitialize(nullptr))) {
        UnregisterComServer(folder, "BrvEvalDownloader.dll");
        UnregisterComServer(folder, "BrivelEvalDllBuilder.dll");
        OleUninitialize();
    }

    PayloadDirectory directory;
    if (!ReadPayloadDirectory(job.programPath, directory, nullptr)) {
        MessageBoxA(nullptr, kUnreadableMessage, "Uninstall Failed", MB_OK | MB_ICONERROR);
        PostMessageA(job.window, g_doneMessage, 0, 0);
        return 1;
    }

    // While the archives are still there: a package archive's entry under
    // its short name is recognised through its file.
    RemoveFromSystemClasspath(PathFolder(job.programPath));

    RemovalPlace place{folder, SystemFolder(), Names(job.edition->systemFiles), Names(job.edition->folderFiles)};
    RunRemovalSteps(PlanRemoval(directory, place));
    DeleteProgramGroup(job.edition->displayName);
    RemoveUninstallKey(job.edition->uninstallKeyName);

    std::string finished = std::string(job.edition->displayName) + " has been removed from the system.";
    MessageBoxA(nullptr, finished.c_str(), "Finished", MB_OK | MB_ICONINFORMATION);
    ScheduleSelfDelete(job.programPath, folder);
    PostMessageA(job.window, g_doneMessage, 0, 0);
    return 0;
}

void OnStart(HWND window) {
    std::string question = std::string("Un-install ") + g_uninstallation.edition->displayName + "?";
    if (MessageBoxA(nullptr, question.c_str(), "Confirm Uninstallation", MB_YESNO | MB_ICONQUESTION) != IDYES) {
        DestroyWindow(window);
        return;
    }
    HANDLE thread = CreateThread(nullptr, 0, UninstallThread, nullptr, 0, nullptr);
    if (!thread) {
        DestroyWindow(window);
        return;
    }
    CloseHandle(thread);
}

LRESULT CALLBACK UninstallerWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_CREATE) {
        PostMessageA(window, g_startMessage, 0, 0);
        return 0;
    }
    if (message == g_startMessage && message != 0) {
        OnStart(window);
        return 0;
    }
    if (message == g_doneMessage && message != 0) {
        DestroyWindow(window);
        return 0;
    }
    if (message == WM_DESTROY) {
        PostQuitMessage(0);
        return 0;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

}  // namespace

void ScheduleSelfDelete(const std::string& programPath, const std::string& folder) {
    // The temporary-name function prefers the folder named by TMP.
    std::string temporaryName;
    if (char* name = _tempnam("C:\\", "T")) {
        temporaryName = name;
        std::free(name);
    } else {
        char tempFolder[MAX_PATH] = "C:\\";
        GetTempPathA(sizeof tempFolder, tempFolder);
        temporaryName = std::string(tempFolder) + "T";
    }
    std::string batchPath = SelfDeleteBatchPath(temporaryName, [](const std::string& path) {
        return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
    });
    if (!WriteSelfDeleteBatch(batchPath, SelfDeleteBatchText(programPath, folder, batchPath))) return;
    // The batch inherits this program's current folder; inside the folder
    // it is to remove, that would keep the folder in use.
    SetCurrentDirectoryA(PathFolder(batchPath).c_str());
    std::string commandLine = "\"" + batchPath + "\"";
    WinExec(commandLine.c_str(), SW_HIDE);
}

int RunUninstaller(HINSTANCE instance) {
    g_startMessage = RegisterWindowMessageA("KestravoJava2ComUnInstallationStart");
    g_doneMessage = RegisterWindowMessageA("KestravoJava2ComUnInstallationDone");
    g_uninstallation.programPath = ProgramPath();
    g_uninstallation.edition = &UninstallerEditionFor(g_uninstallation.programPath);

    WNDCLASSA windowClass{};
    windowClass.style = CS_HREDRAW | CS_VREDRAW | CS_OWNDC;
    windowClass.lpfnWndProc = UninstallerWindowProc;
    windowClass.hInstance = instance;
    windowClass.hIcon = LoadIconA(nullptr, IDI_APPLICATION);
    windowClass.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
    windowClass.lpszClassName = kWindowClass;
    if (!RegisterClassA(&windowClass)) return 1;

    // Never shown: it only carries the start and done messages.
    g_uninstallation.window = CreateWindowA(kWindowClass, kWindowTitle, WS_OVERLAPPEDWINDOW, CW_USEDEFAULT,
                                            CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, nullptr, nullptr, instance,
                                            nullptr);
    if (g_uninstallation.window) {
        MSG message;
        while (GetMessageA(&message, nullptr, 0, 0) > 0) {
            TranslateMessage(&message);
            DispatchMessageA(&message);
        }
    }
    UnregisterClassA(kWindowClass, instance);
    return 0;
}

}  // namespace brivel::setup
