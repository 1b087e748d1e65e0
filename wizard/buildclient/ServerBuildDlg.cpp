// Windows Sockets before the platform header that the dialog layer brings.
#include "BuildExchange.h"

#include "ServerBuildDlg.h"

#include <shellapi.h>

#include "BuildClientTexts.h"
#include "BuildServiceHost.h"
#include "DllLocationDlg.h"
#include "ExchangeTexts.h"
#include "MessageBoxes.h"
#include "TemporaryDllFile.h"
#include "resource.h"

using brivel::remotebuild::BuildJob;
using brivel::remotebuild::BuildKind;
using brivel::remotebuild::BuildResult;

namespace {

const UINT kInternalDoModalMessage = RegisterWindowMessageA("BrvWizInternalDoModalPro");

CString WindowsFolder() {
    char folder[MAX_PATH + 1] = "";
    UINT length = GetWindowsDirectoryA(folder, sizeof folder);
    return length > 0 && length < sizeof folder ? CString(folder) : CString();
}

CString SystemFolder() {
    char folder[MAX_PATH + 1] = "";
    UINT length = GetSystemDirectoryA(folder, sizeof folder);
    return length > 0 && length < sizeof folder ? CString(folder) : CString();
}

}  // namespace

CServerBuildDlg::CServerBuildDlg(std::function<CString()> browserPath)
    : Dialog(IDD_SERVER_BUILD),
      CBuildOwner(kInternalDoModalMessage, std::move(browserPath)),
      m_buildHost(brivel::remotebuild::GetBuildServiceHost()),
      m_exchange(std::make_unique<brivel::remotebuild::CBuildExchange>(static_cast<IBuildExchangeOwner&>(*this))) {
    OnClicked(IDC_BUILD_DLL, [this] { OnBuild(); });
    OnClicked(IDC_SHOW_COMMAND_LINE, [this] { OnShowCommandLine(); });
    OnClicked(IDC_PROXY_SETTINGS, [this] { m_proxy.OnSettings(*this); });
    OnClicked(IDC_USE_PROXY, [this] { m_proxy.OnUseProxy(*this); });
    OnMessage(kInternalDoModalMessage, [this](WPARAM, LPARAM call) { return OnInternalDoModal(call); });
}

CServerBuildDlg::~CServerBuildDlg() { StopBuild(*m_exchange); }

void CServerBuildDlg::DoDataExchange(brivel::winui::DataExchange& dx) {
    dx.Text(IDC_CPP_FILE, m_cppFilePath);
    dx.Text(IDC_JNI_LIBRARY, m_libraryName);
    m_proxy.Exchange(dx);
}

bool CServerBuildDlg::OnInitDialog() {
    m_proxy.TakeSystemProxy();
    Dialog::OnInitDialog();
    OwnerDrawPushButtons(*this, m_buttons);
    AttachOwnerWindow(*this);
    m_proxy.EnableControls(*this);
    SetFocus(Item(IDC_BUILD_DLL));
    return false;
}

void CServerBuildDlg::OnBuild() {
    UpdateData(true);
    // One build at a time: the button does nothing while one runs.
    if (m_exchange->IsWorkerRunning()) return;
    if (m_proxy.MissingHost()) {
        ShowErrorBox(Handle(), build_text::kSpecifyProxyServer);
        return;
    }
    ShowBuildControls(*this);
    m_succeeded = false;
    BuildJob job;
    job.kind = BuildKind::CppFile;
    job.inputPath = m_cppFilePath.str();
    job.libraryName = m_libraryName.str();
    job.buildHost = m_buildHost.str();
    job.proxy = m_proxy.ForBuild();
    m_exchange->StartBuild(job);
}

void CServerBuildDlg::OnShowCommandLine() {
    ShellExecuteA(GetDesktopWindow(), nullptr, m_commandTextPath, nullptr, "C:\\", SW_SHOW);
}

void CServerBuildDlg::OnCancel() {
    StopBuild(*m_exchange);
    Dialog::OnCancel();
}

void CServerBuildDlg::OnDestroy() { DetachOwnerWindow(*m_exchange); }

// The worker's save step: the location dialog comes back until the user
// gives a place where the DLL can be put; an old DLL there is replaced only
// by the new one in one step.
bool CServerBuildDlg::SaveDownloadedDll(const std::string& temporaryPath) {
    const CString windowsFolder = WindowsFolder(), systemFolder = SystemFolder();
    for (;;) {
        CString target;
        INT_PTR answer = RunOnUiThread([&] {
            CDllLocationDlg dialog(windowsFolder, systemFolder, m_libraryName);
            INT_PTR result = dialog.DoModal(OwnerWindow());
            if (result == IDOK) target = dialog.TargetPath();
            return result;
        });
        if (IsClosing() || answer == -1) return false;
        if (answer != IDOK) continue;  // Cancel does not abandon the DLL
        if (brivel::remotebuild::MoveDownloadedDll(temporaryPath, target.str())) {
            CString saved;
            saved.Format(build_text::kDllSavedAs, target.c_str());
            SetStatus(saved.str());
            ShowMessageBox(saved.str(), brivel::remotebuild::texts::kMessageCaption);
            return true;
        }
        CString failed;
        failed.Format(build_text::kCannotSaveDll, target.c_str(), SystemErrorText(GetLastError()).c_str());
        SetStatus(failed.str());
        ShowMessageBox(failed.str(), brivel::remotebuild::texts::kMessageCaption);
    }
}

void CServerBuildDlg::OnBuildEnded(const BuildResult& result) {
    m_succeeded = result.dllSaved && !result.failed;
    // A build that ran to its end closes the dialog, whatever its outcome.
    HWND window = OwnerWindow();
    if (result.endStepsRun && window && !IsClosing()) PostMessageA(window, WM_CLOSE, 0, 0);
}
