// The last COM-to-Java page: sends the project's specification file to the
// build service, saves the COM DLL that comes back into the output folder
// and registers it, then opens readme.html and closes the wizard. Next reads
// "Build" and is hidden while a build runs; Back is hidden.
#pragma once

#include <memory>

#include "BuildOwner.h"
#include "ProxyChoice.h"
#include "WizardPage.h"

namespace brivel::remotebuild {
class CBuildExchange;
}

class CC2jEvalBldPage : public CWizardPage, private CBuildOwner {
public:
    CC2jEvalBldPage();
    ~CC2jEvalBldPage() override;

    // Reads the fields, takes the system's proxy; the wizard's Cancel
    // question about lost changes is not asked here.
    void OnPageShown() override;
    // "Build": starts the build and stays on the page.
    bool ValidatePage() override;
    CString GetNextLabel() override { return "Build"; }
    bool ShowBack() override { return false; }
    // Asks before leaving a build that has not failed (stopping it when it
    // runs), then opens readme.html.
    bool CanExit() override;

    // The save page hands over the specification file it wrote.
    void SetSpecificationFile(const char* path);

    CString m_specificationFile;

protected:
    bool OnInitDialog() override;
    void OnDestroy() override;
    void DoDataExchange(brivel::winui::DataExchange& dx) override;

private:
    // IBuildExchangeOwner: the save step and the end of a build.
    bool SaveDownloadedDll(const std::string& temporaryPath) override;
    void OnBuildEnded(const brivel::remotebuild::BuildResult& result) override;

    void OnInternalCloseDlg();
    void OpenReadme();
    CString ReadmePath() const;

    CProxyChoice m_proxy;
    CString m_targetPath;  // where the built DLL goes, fixed when the build starts
    // Last: its worker uses everything above until the exchange is gone.
    std::unique_ptr<brivel::remotebuild::CBuildExchange> m_exchange;
};
