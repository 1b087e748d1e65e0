// The proxy dialog: host, port and optional Basic credentials of the HTTP
// proxy between a build owner and the build service. OK checks the fields
// (ProxyDialogChecks.h) and keeps the dialog open with a message until they
// pass.
#pragma once

#include <memory>
#include <vector>

#include "Dialog.h"
#include "OwnerDrawButton.h"

class CProxyDlg : public brivel::winui::Dialog {
public:
    CProxyDlg();

    CString m_host;
    int m_port = 80;
    int m_useCredentials = 0;
    CString m_userName;
    CString m_password;

protected:
    bool OnInitDialog() override;
    void OnOK() override;
    void DoDataExchange(brivel::winui::DataExchange& dx) override;

private:
    void EnableCredentials();

    CString m_portText;
    std::vector<std::unique_ptr<COwnerDrawButton>> m_buttons;
};

// Whether a host name resolves (Windows Sockets started for the lookup).
bool HostResolves(const char* host);
