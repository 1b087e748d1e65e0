// The server host's application object when it runs as the setup program:
// it reads the configuration, starts Windows Sockets and COM, and runs the
// setup dialog; the program ends with it.
#pragma once

#include "WinApp.h"

namespace brivel::serverhost {

class CServiceApp : public brivel::winui::WinApp {
protected:
    bool InitInstance() override;
};

}  // namespace brivel::serverhost
