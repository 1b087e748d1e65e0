// The wizard's profile values as the pages read and write them: through the
// program's application object, or not at all where none exists (pages
// hosted by a test without one).
#pragma once

#include "BrvString.h"
#include "WinApp.h"

inline CString ReadProfileText(const char* section, const char* entry) {
    brivel::winui::WinApp* app = brivel::winui::WinApp::Current();
    return app ? CString(app->GetProfileString(section, entry)) : CString();
}

inline void WriteProfileText(const char* section, const char* entry, const char* value) {
    if (brivel::winui::WinApp* app = brivel::winui::WinApp::Current()) app->WriteProfileString(section, entry, value);
}
