// Windows Sockets before the platform header that the dialog layer brings.
#include "BuildExchange.h"

#include "C2jEvalBldPage.h"

#include <shellapi.h>

#include "BuildClientTexts.h"
#include "BuildServiceHost.h"
#include "ComDllSave.h"
#include "ComRegistration.h"
#include "ExchangeTexts.h"
#include "MessageBoxes.h"
#include "TemporaryDllFile.h"
#include "WizardDlg.h"
#include "resource.h"

using brivel::remotebuild::BuildJob;
using brivel::remotebuild::BuildKind;
using brivel::remotebuild::BuildResult;

namespace {

const UINT kInternalDoModalMessage = RegisterWindowMessageA("BrvWizC2jInternalDoModal");
const UINT kInternalCloseDlgMessage = RegisterWindowMessageA("BrvWizC2jInternalCloseDlg");
// Posted by the worker when a build failed: Next ("Build") comes back.
constexpr UINT kBuildFailed = WM_APP + 2;

}  // namespace

CC2jEvalBldPage::CC2jEvalBldPage()
    : CWizardPage(IDD_C2J_EVAL_BLD_PAGE, "help\\com2java\\Page7.html"),
      CBuildOwner(kInternalDoModalMessage, [this] { return m_pWizard->GetBrowserPath(); }),
      m_exchange(std::make_unique<brivel::remotebuild::CBuildExchange>(static_cast<IBuildExchangeOwner&>(*this))) {
    OnClicked(IDC_PROXY_SETTINGS, [this] { m_proxy.OnSettings(*this); });
    OnClicked(IDC_USE_PROXY, [this] { m_proxy.OnUseProxy(*this); });
    OnMessage(kInternalDoModalMessage, [this](WPARAM, LPARAM call) { return OnInternalDoModal(call); });
    OnMessage(kInternalCloseDlgMessage, [this](WPARAM, LPARAM) {
        OnInternalCloseDlg();
        return 0;
    });
    OnMessage(kBuildFailed, [this](WPARAM, LPARAM) {
        m_pWizard->ShowNextButton(true);
        return 0;
    });
}

CC2jEvalBldPage::~CC2jEvalBldPage() { StopBuild(*m_exchange); }

void CC2jEvalBldPage::DoDataExchange(brivel::winui::DataExchange& dx) {
    dx.Text(IDC_SPEC_FILE, m_specificationFile);
    m_proxy.Exchange(dx);
}

bool CC2jEvalBldPage::OnInitDialog() {
    CWizardPage::OnInitDialog();
    AttachOwnerWindow(*this);
    return false;
}

void CC2jEvalBldPage::OnDestroy() { DetachOwnerWindow(*m_exchange); }

void CC2jEvalBldPage::OnPageShown() {
    UpdateData(true);
    m_pWizard->SetChanged(false);
    m_proxy.TakeSystemProxy();
    UpdateData(false);
    m_proxy.EnableControls(*this);
}

void CC2jEvalBldPage::SetSpecificationFile(const char* path) {
    UpdateData(true);
    m_specificationFile = path;
    UpdateData(false);
}

bool CC2jEvalBldPage::ValidatePage() {
    UpdateData(true);
    if (m_exchange->IsWorkerRunning()) return false;
    if (m_proxy.MissingHost()) {
        ShowErrorBox(m_pWizard->Handle(), build_text::kSpecifyProxyServer, this);
        return false;
    }
    const CC2jSpecification& project = m_pWizard->m_c2jSpec;
    m_targetPath = ComDllTargetPath(project.m_outputFolder, project.m_libraryName);
    ShowBuildControls(*this);
    m_pWizard->ShowNextButton(false);
    BuildJob job;
    job.kind = BuildKind::Specification;
    job.tutorial = m_pWizard->m_tutorial;
    job.inputPath = m_specificationFile.str();
    job.buildHost = brivel::remotebuild::GetBuildServiceHost();
    job.proxy = m_proxy.ForBuild();
    if (!m_exchange->StartBuild(job)) m_pWizard->ShowNextButton(true);
    return false;
}

// The worker's save step: the DLL takes its place in the output folder (an
// older one there is replaced in one step, or kept when that fails), then
// registers itself on the user-interface thread, which has entered COM.
bool CC2jEvalBldPage::SaveDownloadedDll(const std::string& temporaryPath) {
    const CString target = m_targetPath;
    // A stop that came with the download's last bytes: the DLL is not put
    // in place (it could not be registered any more).
    if (IsClosing()) return false;
    if (!brivel::remotebuild::MoveDownloadedDll(temporaryPath, target.str())) {
        CString failed;
        failed.Format(build_text::kCannotSaveDll, target.c_str(), SystemErrorText(GetLastError()).c_str());
        SetStatus(failed.str());
        ShowMessageBox(failed.str(), brivel::remotebuild::texts::kMessageCaption);
        return false;
    }
    bool registered = RunOnUiThread([&] { return RegisterComDll(target) ? 1 : 0; }, 0) == 1;
    if (IsClosing()) return true;
    CString message = ComDllSavedMessage(target, registered);
    SetStatus(message.str());
    ShowMessageBox(message.str(), brivel::remotebuild::texts::kMessageCaption);
    if (GetSystemWow64Folder()) ShowMessageBox(build_text::kWow64Note, brivel::remotebuild::texts::kMessageCaption);
    return true;
}

void CC2jEvalBldPage::OnBuildEnded(const BuildResult& result) {
    HWND window = OwnerWindow();
    if (!window || IsClosing()) return;
    if (result.dllSaved) PostMessageA(window, kInternalCloseDlgMessage, 0, reinterpret_cast<LPARAM>(m_pWizard->Handle()));
    else if (result.failed) PostMessageA(window, kBuildFailed, 0, 0);
}

void CC2jEvalBldPage::OnInternalCloseDlg() {
    OpenReadme();
    m_pWizard->EndDialog(IDOK);
}

// A running build is asked about whatever its phase (connecting and
// uploading too); only after a failed build is nothing asked.
bool CC2jEvalBldPage::CanExit() {
    if (m_exchange->IsWorkerRunning()) {
        if (!AskQuestion(m_pWizard->Handle(), build_text::kStopBuildQuestion, this)) return false;
        StopBuild(*m_exchange);
    } else if (!m_exchange->HasFailed() &&
               !AskQuestion(m_pWizard->Handle(), build_text::kExitWithoutBuildQuestion, this)) {
        return false;
    }
    OpenReadme();
    return true;
}

CString CC2jEvalBldPage::ReadmePath() const {
    CString folder = m_pWizard->m_c2jSpec.m_outputFolder;
    if (folder.IsEmpty() || folder.Right(1) != "\\") folder += "\\";
    return folder + "readme.html";
}

void CC2jEvalBldPage::OpenReadme() {
    ShellExecuteA(GetDesktopWindow(), nullptr, ReadmePath(), nullptr, nullptr, SW_SHOW);
}
