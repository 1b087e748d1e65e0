// The control's form (dialog 103): the three fields, "Browse...", "Build
// DLL", the progress bar and the status line. "Build DLL" checks the fields
// and the COM file, starts the request and hands it to the upload thread;
// the form then shows what the upload reports (IUploaderUi), from any
// thread, until it is destroyed, after which it shows nothing more.
//
// The upload thread shares the form object, not the control: a page that
// goes away during an upload releases the control (and destroys the
// window) on its own thread, and the thread ends with nothing to show.
#pragma once

#include <windows.h>

#include <atomic>
#include <memory>
#include <cstdint>
#include <mutex>
#include <string>

#include "UploaderProperties.h"
#include "UploaderUi.h"

namespace brivel::uploadctl {

class CUploaderForm : public IUploaderUi, public std::enable_shared_from_this<CUploaderForm> {
public:
    // The properties are the control's; only the form's own thread uses them.
    explicit CUploaderForm(CUploaderProperties& properties) : properties_(properties) {}
    ~CUploaderForm() override;
    CUploaderForm(const CUploaderForm&) = delete;
    CUploaderForm& operator=(const CUploaderForm&) = delete;

    bool Create(HWND parent, const RECT& position);
    void Destroy();
    HWND Window() const;

    // The container's background colour, used for the form and its texts.
    void SetBackColor(COLORREF color);
    // Shows the properties that have a field (names, explanatory text),
    // when they are set: all of them, or one a page has just changed.
    void ShowProperties();
    void ShowProperty(UploaderProperty property);

    // IUploaderUi: called by the upload thread.
    void SetStatus(const std::string& text) override;
    void ShowMessage(const std::string& text, const std::string& caption) override;
    void SetProgress(uint32_t count, uint32_t total) override;
    void HideProgress() override;
    bool ChooseSaveLocation(const SaveDialogInput& input, SaveLocation& chosen) override;
    bool OpenAddress(const std::string& address) override;

private:
    static INT_PTR CALLBACK DialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
    static LRESULT CALLBACK ProgressBarWndProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    void OnInitDialog(HWND dialog);
    void ShowUpload(HWND dialog);
    void OnBrowse();
    void OnBuildDll();
    bool GetRequiredField(int id, const char* name, std::string& value);
    void PaintProgress(HWND window);
    HBRUSH BackgroundBrush(HDC dc);

    CUploaderProperties& properties_;
    mutable std::mutex mutex_;  // guards window_ and status_ against the upload thread
    HWND window_ = nullptr;
    // Once the upload has started, a form made again (its window gone with
    // the container's) shows the upload, never "Build DLL".
    bool building_ = false;
    std::string status_;
    std::atomic<bool> progressHidden_{false};
    WNDPROC staticProc_ = nullptr;
    std::atomic<uint32_t> progressCount_{0}, progressTotal_{0};
    bool hasBackColor_ = false;
    COLORREF backColor_ = 0;
    HBRUSH backBrush_ = nullptr;
};

// True when the file loads as a type library (it is not registered).
bool HasTypeLibrary(const std::string& path);

}  // namespace brivel::uploadctl
