// What both owners of a build-service exchange (the server build dialog and
// the COM-to-Java build page) do alike in their windows: the status line
// (static 1065), the progress bar over its placeholder (1069), the wizard's
// message dialog run on the user-interface thread for the worker, and the
// safe stop of a running build when the owner closes. Each owner adds its
// own save step and end of a build.
#pragma once

#include <atomic>
#include <functional>

#include "BuildExchangeOwner.h"
#include "Dialog.h"
#include "ProgressBar.h"
#include "UiThreadCalls.h"

namespace brivel::remotebuild {
class CBuildExchange;
}

class CBuildOwner : public brivel::remotebuild::IBuildExchangeOwner {
public:
    // `doModalMessage`: the owner's registered message for its worker's
    // dialogs; `browserPath`: the wizard's browser lookup.
    CBuildOwner(UINT doModalMessage, std::function<CString()> browserPath);

    // The owner's window exists: its progress bar takes over the placeholder.
    void AttachOwnerWindow(brivel::winui::Dialog& owner);
    // The owner's window is going: stops a running build first.
    void DetachOwnerWindow(brivel::remotebuild::CBuildExchange& exchange);

    // A build starts: the explanation gives way to the status line and the
    // progress bar.
    void ShowBuildControls(brivel::winui::Dialog& owner);
    // Stops a running build and waits for its worker, which sees a lost
    // connection; its messages and save dialogs are answered as cancelled.
    void StopBuild(brivel::remotebuild::CBuildExchange& exchange);

    // Runs `call` on the owner's user-interface thread (a worker's dialog).
    INT_PTR RunOnUiThread(const std::function<INT_PTR()>& call, INT_PTR cancelled = IDCANCEL) {
        return m_uiCalls.Run(call, cancelled);
    }
    // The handler of the owner's registered message.
    INT_PTR OnInternalDoModal(LPARAM call) { return m_uiCalls.OnInternalDoModal(call); }
    bool IsClosing() const { return m_uiCalls.IsClosing(); }
    HWND OwnerWindow() const { return m_window; }
    CProgressBar& ProgressBar() { return m_progress; }

    // IBuildExchangeOwner: the parts alike in both owners.
    void SetStatus(const std::string& text) override;
    void ShowMessageBox(const std::string& text, const std::string& caption) override;
    void SetProgress(uint32_t position, uint32_t range) override;
    void HideProgress() override;
    std::string GetBrowserPath() override;

private:
    CUiThreadCalls m_uiCalls;
    std::function<CString()> m_browserPath;
    std::atomic<HWND> m_window{nullptr};
    CProgressBar m_progress;
    bool m_progressAttached = false;
};

// The system's text for an error code, without its line end.
CString SystemErrorText(DWORD error);
