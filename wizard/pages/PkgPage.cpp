#include "PkgPage.h"

#include "ComObjPage.h"
#include "JavaToComTexts.h"
#include "MessageBoxes.h"
#include "PackageNameRules.h"
#include "PageProfile.h"
#include "WizardDlg.h"
#include "resource.h"

CPkgPage::CPkgPage() : CWizardPage(IDD_PKG_PAGE, "help\\java2com\\Page3.html") {
    // A change that the page's own filling caused is no edit (the edit
    // control may tell it later than the filling).
    OnCommand(IDC_PACKAGE, EN_CHANGE, [this] {
        if (ItemText(IDC_PACKAGE) != m_filledPackage) m_edited = 1;
    });
}

void CPkgPage::DoDataExchange(brivel::winui::DataExchange& dx) { dx.Text(IDC_PACKAGE, m_package); }

void CPkgPage::OnPageShown() {
    const CString& comObject = m_pWizard->m_pComObjPage->m_comObjectName;
    CString required = RequiredPackage(comObject);
    bool isRequired = !required.IsEmpty();
    UpdateData(true);
    if (isRequired || !m_edited) m_package = isRequired ? required : ReadPageProfile(j2c_text::kPreviousPackageSection, comObject);
    m_filledPackage = m_package;
    UpdateData(false);
    SetItemText(IDC_PACKAGE_NOTE, RequiredPackageNote(comObject));
    EnableItem(IDC_PACKAGE, !isRequired);
    m_pWizard->m_packageRequired = isRequired;
}

bool CPkgPage::ValidatePage() {
    CString message = CheckPackageName(m_package);
    if (!message.IsEmpty()) {
        ShowErrorBox(m_pWizard->Handle(), message, this);
        return false;
    }
    WritePageProfile(j2c_text::kPreviousPackageSection, m_pWizard->m_pComObjPage->m_comObjectName, m_package);
    return true;
}
