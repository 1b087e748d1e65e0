// The About box: the program's icon and version; OK closes it.
#pragma once

#include "Dialog.h"
#include "resource.h"

namespace brivel::serverhost {

class CAboutDialog : public brivel::winui::Dialog {
public:
    CAboutDialog() : Dialog(IDD_ABOUTBOX) {}
};

}  // namespace brivel::serverhost
