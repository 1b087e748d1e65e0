#include "LibPage.h"

#include "ComObjPage.h"
#include "JavaToComTexts.h"
#include "LibraryNameRules.h"
#include "MessageBoxes.h"
#include "PageProfile.h"
#include "WizardDlg.h"
#include "resource.h"

CLibPage::CLibPage() : CWizardPage(IDD_LIB_PAGE, "help\\java2com\\Page4.html") {}

void CLibPage::DoDataExchange(brivel::winui::DataExchange& dx) { dx.Text(IDC_LIBRARY, m_library); }

void CLibPage::OnPageShown() {
    if (!m_proposed) {
        m_proposed = 1;
        const CString& comObject = m_pWizard->m_pComObjPage->m_comObjectName;
        m_library = ProposedLibraryName(comObject, ReadPageProfile(j2c_text::kPreviousLibrarySection, comObject));
        UpdateData(false);
    }
    EnableItem(IDC_LIBRARY, !m_pWizard->m_packageRequired);
}

bool CLibPage::ValidatePage() {
    const CString& comObject = m_pWizard->m_pComObjPage->m_comObjectName;
    CString message = CheckJniLibraryName(m_library, comObject);
    if (!message.IsEmpty()) {
        ShowErrorBox(m_pWizard->Handle(), message, this);
        return false;
    }
    WritePageProfile(j2c_text::kPreviousLibrarySection, comObject, m_library);
    return true;
}
