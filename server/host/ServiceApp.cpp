#include <winsock.h>

#include "ServiceApp.h"

#include <objbase.h>

#include <string>

#include "BrvServerConfig.h"
#include "HostMessages.h"
#include "HostTexts.h"
#include "SetupDialog.h"

namespace brivel::serverhost {

bool CServiceApp::InitInstance() {
    CMessageBoxes messages;
    if (!BrivelServerInitConfig()) {
        messages.Show(kConfigMissingBefore + std::string(BrvServerGetConfigFile()) + kConfigMissingAfter);
        return false;
    }
    WSADATA sockets;
    bool socketsStarted = WSAStartup(MAKEWORD(2, 0), &sockets) == 0;
    if (!socketsStarted) messages.Show(kSocketsWarning);
    // The folder picker of the class-path dialog needs a single-threaded apartment.
    bool comStarted = SUCCEEDED(CoInitialize(nullptr));
    {
        CSetupDialog dialog;
        dialog.DoModal(nullptr);
    }
    if (comStarted) CoUninitialize();
    if (socketsStarted) WSACleanup();
    return false;
}

}  // namespace brivel::serverhost
