#include "WinApp.h"

#include <commctrl.h>

namespace brivel::winui {
namespace {
WinApp* g_current = nullptr;
}

WinApp::WinApp() : programName_(ProgramName()) { g_current = this; }

WinApp::~WinApp() {
    if (dialogBrush_) DeleteObject(dialogBrush_);
    if (g_current == this) g_current = nullptr;
}

WinApp* WinApp::Current() { return g_current; }

int WinApp::Run(HINSTANCE instance) {
    instance_ = instance;
    // The common controls (3-D look, progress bars, list views) for every dialog.
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_STANDARD_CLASSES | ICC_PROGRESS_CLASS | ICC_LISTVIEW_CLASSES};
    InitCommonControlsEx(&controls);
    if (InitInstance()) {
        MSG message;
        while (GetMessageA(&message, nullptr, 0, 0) > 0) {
            TranslateMessage(&message);
            DispatchMessageA(&message);
        }
    }
    return ExitInstance();
}

void WinApp::SetRegistryKey(const char* key) { registryKey_ = key ? key : ""; }

AppProfile WinApp::Profile() const { return AppProfile(registryKey_, programName_); }

std::string WinApp::GetProfileString(const char* section, const char* entry, const char* defaultValue) const {
    return Profile().ReadString(section, entry, defaultValue ? defaultValue : "");
}

bool WinApp::WriteProfileString(const char* section, const char* entry, const char* value) const {
    return Profile().WriteString(section, entry, value ? value : "");
}

unsigned WinApp::GetProfileInt(const char* section, const char* entry, unsigned defaultValue) const {
    return Profile().ReadInt(section, entry, defaultValue);
}

bool WinApp::WriteProfileInt(const char* section, const char* entry, unsigned value) const {
    return Profile().WriteInt(section, entry, value);
}

void WinApp::SetDialogBkColor(COLORREF background, COLORREF text) {
    if (dialogBrush_) DeleteObject(dialogBrush_);
    dialogBrush_ = CreateSolidBrush(background);
    dialogBkColor_ = background;
    dialogTextColor_ = text;
}

}  // namespace brivel::winui
