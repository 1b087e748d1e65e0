#include "AdvancedPage.h"

#include "CallbackInterfacesDlg.h"
#include "KnownLibraryDlg.h"
#include "OptionDlgs.h"
#include "WizardDlg.h"
#include "resource.h"

CAdvancedPage::CAdvancedPage() : CWizardPage(IDD_ADVANCED_PAGE, "help\\java2com\\PageAdv.html") {
    OnClicked(IDC_DUAL_INTERFACE, [this] { OnDualInterface(); });
    OnClicked(IDC_DCOM_SUPPORT, [this] { OnDcomSupport(); });
    OnClicked(IDC_ADO_SUPPORT, [this] { OnAdoSupport(); });
    OnClicked(IDC_XML_SUPPORT, [this] { OnXmlSupport(); });
    OnClicked(IDC_REMOTE_ACCESS, [this] { OnRemoteAccess(); });
    OnClicked(IDC_CALLBACK_INTERFACES, [this] { OnCallbackInterfaces(); });
    OnClicked(IDC_OBJECT_CREATION, [this] { OnObjectCreation(); });
}

void CAdvancedPage::OnDualInterface() {
    CDualInterfaceDlg dialog;
    dialog.m_model = m_pWizard->DualInterfacePreference();
    if (dialog.DoModal(m_pWizard->Handle()) == IDOK) m_pWizard->SetDualInterfacePreference(dialog.m_model == 1 ? 1 : 0);
}

void CAdvancedPage::OnDcomSupport() {
    CDcomSupportDlg dialog;
    dialog.m_remoteConstructors = m_pWizard->IsRemoteConstructors() ? 1 : 0;
    dialog.DoModal(m_pWizard->Handle());
    // Stored however the dialog ends: OK is its only button, and the close
    // box leaves the value as it was.
    m_pWizard->SetRemoteConstructors(dialog.m_remoteConstructors != 0);
}

void CAdvancedPage::OnAdoSupport() {
    CAdoXmlDlg dialog(*m_pWizard, m_pWizard->Handle());
    dialog.DoModal(m_pWizard->Handle());
}

void CAdvancedPage::OnXmlSupport() {
    CXmlSettingsDlg dialog(*m_pWizard, m_pWizard->Handle());
    dialog.DoModal(m_pWizard->Handle());
}

void CAdvancedPage::OnRemoteAccess() {
    CRemoteAccessDlg dialog;
    dialog.m_buildRemoteAccess = m_pWizard->IsRemoteAccess() ? 1 : 0;
    if (dialog.DoModal(m_pWizard->Handle()) == IDOK) m_pWizard->SetRemoteAccess(dialog.m_buildRemoteAccess != 0);
}

void CAdvancedPage::OnCallbackInterfaces() {
    CCallbackInterfacesDlg dialog(m_pWizard->m_callbackInterfaces);
    if (dialog.DoModal(m_pWizard->Handle()) == IDOK) m_pWizard->m_callbackInterfaces = dialog.Names();
}

void CAdvancedPage::OnObjectCreation() {
    CObjectCreationDlg dialog;
    dialog.m_serverOnly = m_pWizard->IsServerOnlyCreation() ? 1 : 0;
    if (dialog.DoModal(m_pWizard->Handle()) == IDOK) m_pWizard->SetServerOnlyCreation(dialog.m_serverOnly != 0);
}
