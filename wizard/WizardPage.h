// The base of every page of both wizards: a child dialog inside the frame's
// page area, with the hooks (CWizardPageHooks) through which the frame
// validates, labels and explains it. Its push buttons are owner-drawn.
#pragma once

#include <memory>
#include <vector>

#include "Dialog.h"
#include "OwnerDrawButton.h"
#include "WizardPageHooks.h"

class CWizardDlg;

class CWizardPage : public brivel::winui::Dialog, public CWizardPageHooks {
public:
    // `helpPath` is the page's help page below the install folder.
    CWizardPage(int templateId, const char* helpPath);

    // The frame that holds the page; set before the window is created.
    CWizardDlg* m_pWizard = nullptr;

    // Creates the page's window, hidden, as a child of `pageArea` and of its size.
    bool CreatePage(HWND pageArea);

protected:
    bool OnInitDialog() override;

private:
    std::vector<std::unique_ptr<COwnerDrawButton>> m_buttons;
};
