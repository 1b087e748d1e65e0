// Windows Sockets before the platform header that the dialog layer brings.
#include "BuildExchange.h"

#include "BuildOwner.h"

#include "ErrorMessageDlg.h"
#include "resource.h"

CBuildOwner::CBuildOwner(UINT doModalMessage, std::function<CString()> browserPath)
    : m_uiCalls(doModalMessage), m_browserPath(std::move(browserPath)) {}

void CBuildOwner::AttachOwnerWindow(brivel::winui::Dialog& owner) {
    m_window = owner.Handle();
    m_uiCalls.Attach(owner.Handle());
    if (!m_progressAttached) m_progressAttached = m_progress.Attach(owner, IDC_PROGRESS_PLACE);
}

void CBuildOwner::DetachOwnerWindow(brivel::remotebuild::CBuildExchange& exchange) {
    StopBuild(exchange);
    m_uiCalls.Attach(nullptr);
    m_window = nullptr;
}

void CBuildOwner::ShowBuildControls(brivel::winui::Dialog& owner) {
    m_uiCalls.EndClosing();
    owner.ShowItem(IDC_BUILD_EXPLANATION, false);
    owner.ShowItem(IDC_BUILD_STATUS, true);
    m_progress.SetPosition(0, 1000);
    owner.ShowItem(IDC_PROGRESS_PLACE, true);
}

void CBuildOwner::StopBuild(brivel::remotebuild::CBuildExchange& exchange) {
    if (!exchange.IsWorkerRunning()) {
        exchange.WaitForBuild();
        return;
    }
    m_uiCalls.BeginClosing();
    exchange.Abort();
    exchange.WaitForBuildAnsweringSentMessages();
}

void CBuildOwner::SetStatus(const std::string& text) {
    HWND window = m_window;
    // A closing owner's thread may be waiting for the worker: nothing more
    // is shown.
    if (!window || m_uiCalls.IsClosing()) return;
    SetDlgItemTextA(window, IDC_BUILD_STATUS, text.c_str());
}

void CBuildOwner::ShowMessageBox(const std::string& text, const std::string& caption) {
    RunOnUiThread(
        [&] {
            CErrorMessageDlg box;
            box.m_message = text.c_str();
            box.m_caption = caption.c_str();
            return box.DoModal(m_window);
        },
        IDOK);
}

void CBuildOwner::SetProgress(uint32_t position, uint32_t range) { m_progress.SetPosition(position, range); }

void CBuildOwner::HideProgress() {
    if (m_progress.Handle()) ShowWindowAsync(m_progress.Handle(), SW_HIDE);
}

std::string CBuildOwner::GetBrowserPath() { return m_browserPath ? m_browserPath().str() : std::string(); }

CString SystemErrorText(DWORD error) {
    char* text = nullptr;
    DWORD length = FormatMessageA(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM |
                                      FORMAT_MESSAGE_IGNORE_INSERTS,
                                  nullptr, error, 0, reinterpret_cast<char*>(&text), 0, nullptr);
    CString result;
    if (length && text) {
        result = text;
        result.TrimRight();
    } else {
        result.Format("error %lu", static_cast<unsigned long>(error));
    }
    if (text) LocalFree(text);
    return result;
}
