// The application object of a dialog-based Windows program: its profile
// under HKEY_CURRENT_USER\Software\<registry key>\<program name>, the colours
// every dialog of the program paints with, and the main window. One per
// process; WinMain constructs it and calls Run.
#pragma once

#include <windows.h>

#include <string>

#include "AppProfile.h"

namespace brivel::winui {

class WinApp {
public:
    WinApp();
    virtual ~WinApp();
    WinApp(const WinApp&) = delete;
    WinApp& operator=(const WinApp&) = delete;

    // The application object of this process (null before one exists).
    static WinApp* Current();

    // Runs InitInstance; a program whose InitInstance answers true then runs
    // a message loop until WM_QUIT. Answers the exit code.
    int Run(HINSTANCE instance);
    HINSTANCE Instance() const { return instance_; }

    // The profile lives under Software\<key>\<program name>; the program
    // name is the executable's name without its extension.
    void SetRegistryKey(const char* key);
    AppProfile Profile() const;
    std::string GetProfileString(const char* section, const char* entry, const char* defaultValue = "") const;
    bool WriteProfileString(const char* section, const char* entry, const char* value) const;
    unsigned GetProfileInt(const char* section, const char* entry, unsigned defaultValue) const;
    bool WriteProfileInt(const char* section, const char* entry, unsigned value) const;

    // Background and text colour of every dialog of the program and of the
    // static texts and buttons on them. Until set, the system's colours.
    void SetDialogBkColor(COLORREF background, COLORREF text);
    // Null while the system's colours are used.
    HBRUSH DialogBrush() const { return dialogBrush_; }
    COLORREF DialogBkColor() const { return dialogBkColor_; }
    COLORREF DialogTextColor() const { return dialogTextColor_; }

    void SetMainWindow(HWND window) { mainWindow_ = window; }
    HWND MainWindow() const { return mainWindow_; }

protected:
    // Sets the program up and usually runs its main dialog; true keeps the
    // program running in a message loop.
    virtual bool InitInstance() = 0;
    virtual int ExitInstance() { return 0; }

private:
    HINSTANCE instance_ = nullptr;
    std::string registryKey_;
    std::string programName_;
    HBRUSH dialogBrush_ = nullptr;
    COLORREF dialogBkColor_ = 0;
    COLORREF dialogTextColor_ = 0;
    HWND mainWindow_ = nullptr;
};

}  // namespace brivel::winui
