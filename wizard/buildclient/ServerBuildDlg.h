// "Building the JNI DLL": opened by the build page when no C++ environment
// wrote MakeDLL.bat. It opens MakeDLL.txt for a build by hand, or sends the
// generated C++ file to the build service and saves the JNI DLL that comes
// back where the user chooses (CDllLocationDlg). The dialog closes when a
// build ran to its end; after a failure in the middle it stays for another
// try. Closing it while a build runs stops the build first.
#pragma once

#include <atomic>
#include <functional>
#include <memory>
#include <vector>

#include "BuildOwner.h"
#include "Dialog.h"
#include "OwnerDrawButton.h"
#include "ProxyChoice.h"

namespace brivel::remotebuild {
class CBuildExchange;
}

class CServerBuildDlg : public brivel::winui::Dialog, private CBuildOwner {
public:
    // `browserPath` is the wizard's browser lookup (for a redirect).
    explicit CServerBuildDlg(std::function<CString()> browserPath);
    ~CServerBuildDlg() override;

    // Set by the opener.
    CString m_cppFilePath;      // <output folder><library>.cpp
    CString m_libraryName;      // the JNI library name
    CString m_commandTextPath;  // <output folder>MakeDLL.txt

    // The DLL was built and saved; read by the opener once the dialog closed.
    bool Succeeded() const { return m_succeeded; }

    // The build service's host (the user's setting or the kit's default).
    CString m_buildHost;

protected:
    bool OnInitDialog() override;
    void OnCancel() override;
    void OnDestroy() override;
    void DoDataExchange(brivel::winui::DataExchange& dx) override;

private:
    void OnBuild();
    void OnShowCommandLine();

    // IBuildExchangeOwner: the save step and the end of a build.
    bool SaveDownloadedDll(const std::string& temporaryPath) override;
    void OnBuildEnded(const brivel::remotebuild::BuildResult& result) override;

    CProxyChoice m_proxy;
    std::atomic<bool> m_succeeded{false};
    std::vector<std::unique_ptr<COwnerDrawButton>> m_buttons;
    // Last: its worker uses everything above until the exchange is gone.
    std::unique_ptr<brivel::remotebuild::CBuildExchange> m_exchange;
};
