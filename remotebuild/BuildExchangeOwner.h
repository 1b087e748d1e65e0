// What the exchange needs from the dialog or page that owns a build: the
// status line, the wizard's message dialog, the progress bar, the browser,
// the save step of the downloaded DLL and the end of the build. The server
// build dialog (C++ kind) and the COM-to-Java build page (specification
// kind) each implement it; tests supply an owner that records what it is
// asked.
//
// Every call comes from the build's worker thread, except SetStatus, which
// the build-time ticker's thread calls too. The owner shows message boxes
// and its save dialogs on its user-interface thread (a window message sent
// there) and returns when they are closed. An owner that closes while a build
// runs destroys its CBuildExchange, which interrupts the build and waits for
// the worker: until then, its message boxes and save step must still return
// (answered at once, as cancelled, when the window is going).
#pragma once

#include <cstdint>
#include <string>

namespace brivel::remotebuild {

// How a build ended, for the owner's own end steps.
struct BuildResult {
    bool failed = true;
    // The downloaded DLL was handed to the owner's save step and saved. A
    // redirect, a message or an empty DLL never counts as a built DLL.
    bool dllSaved = false;
    // The exchange's end steps ran (progress bar hidden, connection closed):
    // the owner then closes the dialog, or posts its close message after a
    // saved DLL. False when the build stopped before it connected or when
    // the connection failed in the middle (the owner stays open for another
    // try).
    bool endStepsRun = false;
};

class IBuildExchangeOwner {
public:
    virtual ~IBuildExchangeOwner() = default;

    // The status line (worker and ticker threads).
    virtual void SetStatus(const std::string& text) = 0;
    // The wizard's message dialog with the text and the caption (an empty
    // caption keeps the dialog's own); returns when the user closed it.
    virtual void ShowMessageBox(const std::string& text, const std::string& caption) = 0;
    // The progress bar's position and range; the owner redraws it.
    virtual void SetProgress(uint32_t position, uint32_t range) = 0;
    virtual void HideProgress() = 0;
    // The browser executable for a redirect (the wizard's one lookup).
    virtual std::string GetBrowserPath() = 0;
    // The save step of a complete download: moves the temporary file where
    // the DLL belongs and reports it. True when the DLL was saved. On false
    // the exchange deletes the temporary file if it is still there.
    virtual bool SaveDownloadedDll(const std::string& temporaryPath) = 0;
    // Called once at the end of every build, after the exchange's own steps.
    virtual void OnBuildEnded(const BuildResult& result) = 0;
};

}  // namespace brivel::remotebuild
