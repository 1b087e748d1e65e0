// The wizard's web browser: help pages, generated readme files and the
// addresses the build service redirects to are opened by starting the
// browser's executable with the page as its parameter, not through the
// shell's association of the document. The executable is looked up once per
// run, from the open command registered for HTML files.
#pragma once

#include "BrvString.h"

#include <windows.h>

#include <mutex>

// The default value of a key path under a classes root, opened one
// "\"-separated component at a time; true when it holds a non-empty text
// (REG_EXPAND_SZ texts come back expanded). Every key opened is closed.
bool QueryClassesRootDefault(HKEY classesRoot, const char* keyPath, CString& value);

// The first token of a command line: a quoted one without its quotes (up to
// the closing quote or the end), else up to the first white space.
CString FirstCommandToken(const char* command);

// Starts the browser with the page or URL as its parameter (shell open, the
// desktop window as owner, shown normally); true when the shell started it.
bool LaunchBrowser(const char* browserPath, const char* pageOrUrl);

// The help opener's message when the browser did not start.
CString BrowserLaunchFailedText(const char* page);

class CBrowserLauncher {
public:
    // Tests read a classes tree of their own; the wizard reads the system's.
    explicit CBrowserLauncher(HKEY classesRoot = HKEY_CLASSES_ROOT) : m_classesRoot(classesRoot) {}

    // The browser's executable, looked up on first use and kept for the run
    // ("IExplore.exe" when no HTML command is registered). Any thread.
    CString GetBrowserPath();

private:
    CString LookUpBrowserPath() const;

    HKEY m_classesRoot;
    std::mutex m_mutex;
    CString m_browserPath;
};
