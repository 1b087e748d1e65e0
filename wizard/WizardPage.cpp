#include "WizardPage.h"

CWizardPage::CWizardPage(int templateId, const char* helpPath)
    : Dialog(templateId), CWizardPageHooks(helpPath) {}

bool CWizardPage::CreatePage(HWND pageArea) {
    if (!Create(pageArea)) return false;
    RECT area;
    GetClientRect(pageArea, &area);
    SetWindowPos(Handle(), nullptr, 0, 0, area.right, area.bottom, SWP_NOZORDER | SWP_NOACTIVATE | SWP_HIDEWINDOW);
    return true;
}

bool CWizardPage::OnInitDialog() {
    Dialog::OnInitDialog();
    OwnerDrawPushButtons(*this, m_buttons);
    return false;  // the frame gives the focus when it shows the page
}
