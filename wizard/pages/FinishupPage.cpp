#include "FinishupPage.h"

#include "ComObjPage.h"
#include "LibPage.h"
#include "OutputLocPage.h"
#include "PkgPage.h"
#include "WizardDlg.h"
#include "resource.h"

CFinishupPage::CFinishupPage() : CWizardPage(IDD_FINISHUP_PAGE, "help\\java2com\\Page5.html") {}

void CFinishupPage::DoDataExchange(brivel::winui::DataExchange& dx) {
    dx.Text(IDC_SUMMARY_TYPE_LIBRARY, m_typeLibraryPath);
    dx.Text(IDC_SUMMARY_PACKAGE, m_javaPackage);
    dx.Text(IDC_SUMMARY_LIBRARY, m_libraryPath);
    dx.Text(IDC_SUMMARY_OUTPUT_FOLDER, m_outputFolder);
}

void CFinishupPage::OnPageShown() {
    m_typeLibraryPath = m_pWizard->m_pComObjPage->m_comFilePath;
    m_javaPackage = m_pWizard->m_pPkgPage->m_package;
    m_libraryPath = m_pWizard->m_pLibPage->m_library;
    m_outputFolder = m_pWizard->m_pOutputLocPage->m_outputFolder;
    UpdateData(false);
}

bool CFinishupPage::ValidatePage() {
    m_pWizard->CreateBridgeFiles();
    return true;
}
