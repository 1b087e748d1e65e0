// winsock2.h comes before anything that includes windows.h, which would bring the old winsock.h.
#include <winsock2.h>

#include "ProxyDlg.h"

#include "MessageBoxes.h"
#include "ProxyDialogChecks.h"
#include "resource.h"

bool HostResolves(const char* host) {
    // Started here for the lookup alone: the owner's build starts and ends
    // its own use of Windows Sockets.
    WSADATA data;
    if (WSAStartup(MAKEWORD(2, 0), &data) != 0) return false;
    bool found = gethostbyname(host) != nullptr;
    WSACleanup();
    return found;
}

CProxyDlg::CProxyDlg() : Dialog(IDD_PROXY) {
    OnClicked(IDC_PROXY_CREDENTIALS, [this] { EnableCredentials(); });
}

void CProxyDlg::DoDataExchange(brivel::winui::DataExchange& dx) {
    dx.Text(IDC_PROXY_HOST, m_host);
    dx.Text(IDC_PROXY_PORT, m_portText);
    dx.Check(IDC_PROXY_CREDENTIALS, m_useCredentials);
    dx.Text(IDC_PROXY_USER, m_userName);
    dx.Text(IDC_PROXY_PASSWORD, m_password);
}

bool CProxyDlg::OnInitDialog() {
    m_portText.Format("%d", m_port);
    Dialog::OnInitDialog();
    OwnerDrawPushButtons(*this, m_buttons);
    EnableCredentials();
    return true;
}

void CProxyDlg::EnableCredentials() {
    bool on = SendMessageA(Item(IDC_PROXY_CREDENTIALS), BM_GETCHECK, 0, 0) == BST_CHECKED;
    for (int id : {IDC_PROXY_USER, IDC_PROXY_PASSWORD, IDC_PROXY_USER_LABEL, IDC_PROXY_PASSWORD_LABEL})
        EnableItem(id, on);
}

void CProxyDlg::OnOK() {
    UpdateData(true);
    ProxyDialogFields fields;
    fields.host = m_host;
    fields.portText = m_portText;
    fields.useCredentials = m_useCredentials != 0;
    fields.userName = m_userName;
    fields.password = m_password;
    ProxyDialogVerdict verdict = CheckProxyDialog(fields, HostResolves);
    if (!verdict.Ok()) {
        if (verdict.errorBox) ShowErrorBox(Handle(), verdict.message);
        else ShowInfoBox(Handle(), verdict.message);
        return;
    }
    m_port = verdict.port;
    EndDialog(IDOK);
}
