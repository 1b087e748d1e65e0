#include "PageProfile.h"

#include "WinApp.h"

namespace {

brivel::winui::AppProfile Profile() {
    if (brivel::winui::WinApp* app = brivel::winui::WinApp::Current()) return app->Profile();
    return brivel::winui::AppProfile("Orvanth Software", "Brivel");
}

}  // namespace

CString ReadPageProfile(const char* section, const char* entry) { return Profile().ReadString(section, entry); }

void WritePageProfile(const char* section, const char* entry, const char* value) {
    Profile().WriteString(section, entry, value);
}
