#include "ProxyChoice.h"

#include "ProxyDlg.h"
#include "ProxyList.h"
#include "SystemProxy.h"
#include "resource.h"

using brivel::remotebuild::ProxyDisplayText;

void CProxyChoice::TakeSystemProxy() {
    m_settings = brivel::remotebuild::GetIEProxy();
    m_useProxy = m_settings.useProxy ? 1 : 0;
    m_display = m_settings.useProxy ? ProxyDisplayText(m_settings.host, m_settings.port) : std::string();
}

void CProxyChoice::Exchange(brivel::winui::DataExchange& dx) {
    dx.Check(IDC_USE_PROXY, m_useProxy);
    dx.Text(IDC_PROXY_DISPLAY, m_display);
}

bool CProxyChoice::OnSettings(brivel::winui::Dialog& owner) {
    owner.UpdateData(true);
    CProxyDlg dialog;
    dialog.m_host = m_settings.host;
    dialog.m_port = m_settings.port;
    dialog.m_useCredentials = m_settings.useCredentials ? 1 : 0;
    dialog.m_userName = m_settings.userName;
    dialog.m_password = m_settings.password;
    if (dialog.DoModal(owner.Handle()) != IDOK) return false;
    m_settings.host = dialog.m_host.str();
    m_settings.port = dialog.m_port;
    m_settings.useCredentials = dialog.m_useCredentials != 0;
    // Credentials are kept only while they are to be sent.
    m_settings.userName = m_settings.useCredentials ? dialog.m_userName.str() : std::string();
    m_settings.password = m_settings.useCredentials ? dialog.m_password.str() : std::string();
    m_display = ProxyDisplayText(m_settings.host, m_settings.port);
    owner.UpdateData(false);
    return true;
}

void CProxyChoice::OnUseProxy(brivel::winui::Dialog& owner) {
    owner.UpdateData(true);
    if (m_useProxy && m_settings.host.empty() && !OnSettings(owner)) {
        m_useProxy = 0;
        owner.UpdateData(false);
    }
    EnableControls(owner);
}

void CProxyChoice::EnableControls(brivel::winui::Dialog& owner) const {
    owner.EnableItem(IDC_PROXY_DISPLAY, m_useProxy != 0);
    owner.EnableItem(IDC_PROXY_SETTINGS, m_useProxy != 0);
}

brivel::remotebuild::ProxySettings CProxyChoice::ForBuild() const {
    brivel::remotebuild::ProxySettings settings = m_settings;
    settings.useProxy = m_useProxy != 0;
    return settings;
}
