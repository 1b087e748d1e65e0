#include "LoadPage.h"

#include <cstdio>

#include "C2jPageRules.h"
#include "C2jOutputLoc.h"
#include "C2jSave.h"
#include "ClassPathPage.h"
#include "LibNamePage.h"
#include "MessageBoxes.h"
#include "PageProfile.h"
#include "Pickers.h"
#include "WizardDlg.h"
#include "resource.h"

using namespace c2j_text;

CLoadPage::CLoadPage() : CWizardPage(IDD_LOAD_PAGE, "help\\com2java\\Page1.html") {
    OnClicked(IDC_LOAD_BROWSE, [this] { OnBrowse(); });
}

void CLoadPage::DoDataExchange(brivel::winui::DataExchange& dx) {
    dx.Radio(IDC_CONTINUE_SAVED, m_choice);
    dx.Text(IDC_LOAD_FILE, m_fileToLoad);
}

void CLoadPage::OnPageShown() {
    if (!m_firstShow) return;
    m_firstShow = false;
    CString candidate = SavedSpecificationPath(ReadPageProfile(kSavedDataSection, kSavedDirEntry),
                                               ReadPageProfile(kSavedDataSection, kSavedFileEntry));
    DWORD attributes = candidate.IsEmpty() ? INVALID_FILE_ATTRIBUTES : GetFileAttributesA(candidate);
    if (attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY)) {
        m_choice = 0;
        m_fileToLoad = candidate;
    } else {
        m_choice = 1;
    }
    UpdateData(false);
}

void CLoadPage::OnBrowse() {
    UpdateData(true);
    const CString dir = ReadPageProfile(kSavedDataSection, kSavedDirEntry);
    const CString file = ReadPageProfile(kSavedDataSection, kSavedFileEntry);
    brivel::winui::FilePickerOptions options;
    options.filter = kC2jFilter;
    options.defaultExtension = kC2jExtension;
    options.title = kLoadTitle;
    options.initialFolder = dir;
    options.initialName = file;
    CString path;
    if (!brivel::winui::PickFile(m_pWizard->Handle(), options, path)) return;
    m_fileToLoad = path;
    UpdateData(false);
}

bool CLoadPage::ValidatePage() {
    if (m_choice != 0) return true;  // a new project
    HWND frame = m_pWizard->Handle();
    if (m_fileToLoad.IsEmpty()) {
        ShowErrorBox(frame, kSpecifyFileToLoad, this);
        return false;
    }
    FILE* file = std::fopen(m_fileToLoad, "rb");
    if (!file) {
        ShowErrorBox(frame, m_fileToLoad + kCannotRead, this);
        return false;
    }
    auto loaded = std::make_unique<CC2jSpecification>();
    CString error;
    bool read = loaded->Load(file, error);
    std::fclose(file);
    if (!read) {
        // The document's own message; the page's checks above go to the error box.
        ShowInfoBox(frame, error, this);
        return false;
    }
    m_pWizard->m_pLoadedSpec = std::move(loaded);
    CC2jSpecification& spec = m_pWizard->m_c2jSpec;
    spec.CopyProjectSettings(*m_pWizard->m_pLoadedSpec);
    m_pWizard->m_pClassPathPage->RefreshFromSpecification(spec);
    m_pWizard->m_pLibNamePage->RefreshFromSpecification(spec);
    m_pWizard->m_pC2jOutputLoc->RefreshFromSpecification(spec);
    m_pWizard->m_pC2jSave->m_filePath = m_fileToLoad;
    m_pWizard->m_pC2jSave->UpdateData(false);
    m_pWizard->SelectWizard(CPageNavigator::kComToJavaSaved);
    return true;
}
