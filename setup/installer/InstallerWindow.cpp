#include "InstallerWindow.h"

#include <ole2.h>

#include <string>

#include "Editions.h"
#include "InstallerDialogs.h"
#include "InstallerSystem.h"
#include "InstallerTexts.h"
#include "TargetFolder.h"
#include "resource.h"

namespace brivel::setup {

UINT InstallationStartMessage() {
    static const UINT message = RegisterWindowMessageA("KestravoJava2ComInstallationStart");
    return message;
}

UINT InstallationDoneMessage() {
    static const UINT message = RegisterWindowMessageA("KestravoJava2ComInstallationDone");
    return message;
}

namespace {

constexpr const char kWindowClass[] = "OrvanthJava2ComInstallerWindow";

struct InstallerWindowState {
    InstallSession session;
    HFONT headingFont = nullptr;
    HFONT textFont = nullptr;
};

InstallerWindowState* g_state = nullptr;

HFONT MakeFont(int points, int weight, bool italic) {
    HDC screen = GetDC(nullptr);
    int height = -MulDiv(points, GetDeviceCaps(screen, LOGPIXELSY), 72);
    ReleaseDC(nullptr, screen);
    return CreateFontA(height, 0, 0, 0, weight, italic ? TRUE : FALSE, FALSE, FALSE, ANSI_CHARSET, OUT_DEFAULT_PRECIS,
                       CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH | FF_SWISS, "Arial");
}

// The agreement text: the program's LicenseText resource 105, else the
// built-in text; line ends as the edit control shows them.
std::string LoadLicenseText(HINSTANCE instance) {
    std::string text = texts::kBuiltInLicense;
    HRSRC resource = FindResourceA(instance, MAKEINTRESOURCEA(IDR_LICENSE_TEXT), "LicenseText");
    if (resource) {
        HGLOBAL loaded = LoadResource(instance, resource);
        const char* bytes = loaded ? static_cast<const char*>(LockResource(loaded)) : nullptr;
        if (bytes) text.assign(bytes, SizeofResource(instance, resource));
    }
    std::string shown;
    for (char c : text) {
        if (c == '\r') continue;
        if (c == '\n') shown += '\r';
        shown += c;
    }
    return shown;
}

// One-pixel lines from top to bottom: a blue that darkens downwards on
// displays of more than 256 colours, one flat blue on others.
void PaintGradient(HWND window, HDC dc) {
    RECT client{};
    GetClientRect(window, &client);
    bool manyColours = GetDeviceCaps(dc, BITSPIXEL) * GetDeviceCaps(dc, PLANES) > 8;
    int red = manyColours ? 150 : 100;
    int green = manyColours ? 160 : 110;
    int blue = manyColours ? 254 : 200;
    for (int row = client.top; row < client.bottom; ++row) {
        HPEN pen = CreatePen(PS_SOLID, 1, RGB(red, green, blue));
        HGDIOBJ old = SelectObject(dc, pen);
        MoveToEx(dc, client.left, row, nullptr);
        LineTo(dc, client.right, row);
        SelectObject(dc, old);
        DeleteObject(pen);
        if (manyColours && red > 10 && green > 10 && blue > 10) {
            if (row % 2 == 0) {
                --red;
                --green;
            }
            if (row % 4 == 0) --blue;
        }
    }
}

void PaintHeading(HWND window) {
    PAINTSTRUCT paint{};
    HDC dc = BeginPaint(window, &paint);
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, RGB(255, 255, 255));
    HGDIOBJ old = SelectObject(dc, g_state->headingFont);
    const std::string& heading = g_state->session.heading;
    TextOutA(dc, 10, 10, heading.c_str(), static_cast<int>(heading.size()));
    SelectObject(dc, old);
    EndPaint(window, &paint);
}

// The run of dialogs; the program ends afterwards whatever happened.
void RunInstallation(HWND window) {
    InstallSession& session = g_state->session;
    if (!IsOnSearchPath("javac.exe") && FindJdkJavac().empty()) {
        JavacMissingDialog javac;
        javac.DoModal(window);
    }
    FolderDialog folder(session);
    if (folder.DoModal(window) == IDOK) {
        LicenseDialog license(session);
        if (license.DoModal(window) == IDOK) ConfirmTargetFolder(session);
    }
    PostQuitMessage(0);
}

LRESULT CALLBACK InstallerWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (g_state && message == g_state->session.startMessage && message != 0) {
        RunInstallation(window);
        return 0;
    }
    switch (message) {
    case WM_CREATE:
        PostMessageA(window, InstallationStartMessage(), 0, 0);
        return 0;
    case WM_ERASEBKGND:
        PaintGradient(window, reinterpret_cast<HDC>(wParam));
        return 1;
    case WM_PAINT:
        PaintHeading(window);
        return 0;
    case WM_DESTROY:
        PostQuitMessage(0);
        return 0;
    default:
        return DefWindowProcA(window, message, wParam, lParam);
    }
}

std::string OwnPath() {
    std::string path(MAX_PATH, '\0');
    for (;;) {
        DWORD length = GetModuleFileNameA(nullptr, &path[0], static_cast<DWORD>(path.size()));
        if (length == 0) return "";
        if (length < path.size()) {
            path.resize(length);
            return path;
        }
        path.resize(path.size() * 2);
    }
}

}  // namespace

int RunInstaller(HINSTANCE instance) {
    InstallerWindowState state;
    g_state = &state;
    state.headingFont = MakeFont(16, 900, true);
    state.textFont = MakeFont(8, FW_NORMAL, false);
    OleInitialize(nullptr);  // the folder browser needs an apartment

    WNDCLASSA windowClass{};
    windowClass.style = CS_HREDRAW | CS_VREDRAW | CS_OWNDC;
    windowClass.lpfnWndProc = InstallerWindowProc;
    windowClass.hInstance = instance;
    windowClass.hIcon = LoadIconA(nullptr, IDI_APPLICATION);
    windowClass.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
    windowClass.lpszClassName = kWindowClass;
    RegisterClassA(&windowClass);

    InstallSession& session = state.session;
    session.programPath = OwnPath();
    const InstallerEdition& edition = InstallerEditionFor(session.programPath);
    session.defaultFolder = edition.defaultFolder;
    session.displayName = edition.displayName;
    session.uninstallKeyName = edition.uninstallKeyName;
    session.uninstallerFileName = edition.uninstallerFileName;
    session.heading = edition.heading;
    session.host = "localhost";
    session.licenseText = LoadLicenseText(instance);
    session.startMessage = InstallationStartMessage();
    session.doneMessage = InstallationDoneMessage();

    HWND window = CreateWindowA(kWindowClass, session.heading.c_str(), WS_OVERLAPPEDWINDOW, CW_USEDEFAULT,
                                CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, nullptr, nullptr, instance, nullptr);
    int exitCode = 1;
    if (window) {
        session.background = window;
        ShowWindow(window, SW_SHOWMAXIMIZED);
        UpdateWindow(window);
        MSG message;
        while (GetMessageA(&message, nullptr, 0, 0) > 0) {
            TranslateMessage(&message);
            DispatchMessageA(&message);
        }
        exitCode = static_cast<int>(message.wParam);
        if (IsWindow(window)) DestroyWindow(window);
    }
    UnregisterClassA(kWindowClass, instance);
    OleUninitialize();
    DeleteObject(state.headingFont);
    DeleteObject(state.textFont);
    g_state = nullptr;
    return exitCode;
}

}  // namespace brivel::setup
