// The proxy part of both build owners (the server build dialog and the
// COM-to-Java build page): the "Use Proxy Server" check box (1061), the
// proxy display (1063) and "Settings..." (1062). When the owner is shown it
// takes the system's HTTP proxy; the user changes it in the proxy dialog.
#pragma once

#include "BuildRequest.h"
#include "Dialog.h"

class CProxyChoice {
public:
    // Takes the system's proxy (SystemProxy.h): use proxy, host, port and
    // credentials; the display shows it when a proxy is in use.
    void TakeSystemProxy();

    // Binds the check box and the display of the owner.
    void Exchange(brivel::winui::DataExchange& dx);
    // "Settings...": the proxy dialog over the owner, filled from the
    // settings; OK takes its values back. False when it was cancelled.
    bool OnSettings(brivel::winui::Dialog& owner);
    // "Use Proxy Server": ticked without a host opens the proxy dialog at
    // once, and cancelling it unticks the box again.
    void OnUseProxy(brivel::winui::Dialog& owner);
    // The display and "Settings..." are usable only while a proxy is used.
    void EnableControls(brivel::winui::Dialog& owner) const;

    // The build would go through a proxy that has no host.
    bool MissingHost() const { return m_useProxy && m_settings.host.empty(); }
    // What a build sends through.
    brivel::remotebuild::ProxySettings ForBuild() const;

    int m_useProxy = 0;
    CString m_display;
    brivel::remotebuild::ProxySettings m_settings;
};
