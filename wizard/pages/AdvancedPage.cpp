#include "AdvancedPage.h"

#include "CallbackInterfacesDlg.h"
#include "OptionDialogRuns.h"
#include "WizardDlg.h"
#include "resource.h"

CAdvancedPage::CAdvancedPage() : CWizardPage(IDD_ADVANCED_PAGE, "help\\java2com\\PageAdv.html") {
    OnClicked(IDC_DUAL_INTERFACE, [this] { RunDualInterfaceDialog(*m_pWizard, m_pWizard->Handle()); });
    OnClicked(IDC_DCOM_SUPPORT, [this] { RunDcomSupportDialog(*m_pWizard, m_pWizard->Handle()); });
    OnClicked(IDC_ADO_SUPPORT, [this] { RunAdoSettingsDialog(*m_pWizard, m_pWizard->Handle()); });
    OnClicked(IDC_XML_SUPPORT, [this] { RunXmlSettingsDialog(*m_pWizard, m_pWizard->Handle()); });
    OnClicked(IDC_REMOTE_ACCESS, [this] { RunRemoteAccessDialog(*m_pWizard, m_pWizard->Handle()); });
    OnClicked(IDC_CALLBACK_INTERFACES, [this] { OnCallbackInterfaces(); });
    OnClicked(IDC_OBJECT_CREATION, [this] { RunObjectCreationDialog(*m_pWizard, m_pWizard->Handle()); });
}

void CAdvancedPage::OnCallbackInterfaces() {
    CCallbackInterfacesDlg dialog(m_pWizard->m_callbackInterfaces);
    if (dialog.DoModal(m_pWizard->Handle()) == IDOK) m_pWizard->m_callbackInterfaces = dialog.Names();
}
