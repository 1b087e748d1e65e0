#include "PortDialog.h"

#include "HostMessages.h"
#include "HostTexts.h"
#include "PortInput.h"
#include "resource.h"

namespace brivel::serverhost {

CPortDialog::CPortDialog(const char* portType, int defaultPort, int port)
    : Dialog(IDD_PORT_DIALOG), portType_(portType), defaultPort_(defaultPort), port_(port) {
    OnClicked(IDC_USE_DEFAULT, [this] { SetItemText(IDC_PORT_NUMBER, std::to_string(defaultPort_).c_str()); });
}

bool CPortDialog::OnInitDialog() {
    SetItemText(IDC_PORT_TYPE, portType_.c_str());
    SetItemText(IDC_DEFAULT_PORT, std::to_string(defaultPort_).c_str());
    SetItemText(IDC_PORT_NUMBER, std::to_string(port_).c_str());
    return true;
}

void CPortDialog::OnOK() {
    int port = 0;
    PortInput input = ReadPortInput(ItemText(IDC_PORT_NUMBER).str(), port);
    if (input != PortInput::Valid) {
        CMessageBoxes(Handle()).Show(input == PortInput::NotAnInteger ? kPortNotInteger : kPortOutOfRange);
        SetFocus(Item(IDC_PORT_NUMBER));
        SendMessageA(Item(IDC_PORT_NUMBER), EM_SETSEL, 0, -1);
        return;
    }
    port_ = port;
    EndDialog(IDOK);
}

}  // namespace brivel::serverhost
