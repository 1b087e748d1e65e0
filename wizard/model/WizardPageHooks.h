// The hooks through which the wizard's frame validates, labels and explains
// each page, with the behaviour a page has when it does not override them.
// Every page of both wizards derives from this (through CWizardPage on
// Windows); nothing here touches a window.
#pragma once

#include "BrvString.h"

// What every page may ask of the frame that holds it.
class IWizardHost {
public:
    virtual ~IWizardHost() = default;
    // The folder of the running program, ending with a backslash.
    virtual CString InstallFolder() const = 0;
    // Opens a help page, a URL or a file in the browser.
    virtual void OpenHelpPage(const char* path) = 0;
};

class CWizardPageHooks {
public:
    // A page's help page, relative to the install folder.
    static constexpr const char* kDefaultHelpPath = "help\\index.html";

    explicit CWizardPageHooks(const char* helpPath = kDefaultHelpPath) : m_helpPath(helpPath) {}
    virtual ~CWizardPageHooks() = default;

    // Called by Next after the page's controls were read; false keeps the
    // user on the page (the page has said why).
    virtual bool ValidatePage() { return true; }
    // Opens the page's help page: the install folder followed by its path.
    virtual void ShowHelp();
    // Called each time the page is shown.
    virtual void OnPageShown() {}
    virtual CString GetNextLabel() { return "Next>"; }
    virtual CString GetCancelLabel() { return "Cancel"; }
    // Whether the frame shows its Back button with this page.
    virtual bool ShowBack() { return true; }
    // Asked by Cancel before the wizard closes; false keeps it open.
    virtual bool CanExit() { return true; }

    void SetHost(IWizardHost* host) { m_host = host; }
    IWizardHost* Host() const { return m_host; }
    const CString& HelpPath() const { return m_helpPath; }

private:
    IWizardHost* m_host = nullptr;
    CString m_helpPath;
};
