#include "C2jSave.h"

#include <cstdio>

#include "C2jEvalBldPage.h"
#include "C2jPageRules.h"
#include "ClassPathPage.h"
#include "ComToJavaReadme.h"
#include "MessageBoxes.h"
#include "PageProfile.h"
#include "Pickers.h"
#include "WizardDlg.h"
#include "resource.h"

using namespace c2j_text;

CC2jSave::CC2jSave() : CWizardPage(IDD_C2J_SAVE, "help\\com2java\\Page6.html") {
    OnClicked(IDC_C2J_FILE_BROWSE, [this] { OnBrowse(); });
}

void CC2jSave::DoDataExchange(brivel::winui::DataExchange& dx) { dx.Text(IDC_C2J_FILE, m_filePath); }

void CC2jSave::OnPageShown() {
    const CC2jSpecification& spec = m_pWizard->m_c2jSpec;
    if (!m_filePath.IsEmpty() || spec.m_outputFolder.IsEmpty()) return;
    m_filePath = ProposedSpecificationPath(spec.m_outputFolder, spec.m_libraryName);
    UpdateData(false);
}

void CC2jSave::OnBrowse() {
    UpdateData(true);
    brivel::winui::FilePickerOptions options;
    options.save = true;
    options.filter = kC2jFilter;
    options.defaultExtension = kC2jExtension;
    options.title = kSaveTitle;
    options.flags = OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT;
    CString path;
    if (!brivel::winui::PickFile(m_pWizard->Handle(), options, path)) return;
    m_filePath = path;
    UpdateData(false);
}

bool CC2jSave::ValidatePage() { return SaveSpecification(); }

bool CC2jSave::SaveSpecification() {
    HWND frame = m_pWizard->Handle();
    CString message;
    if (!CheckSpecificationPath(m_filePath, message)) {
        ShowErrorBox(frame, message, this);
        return false;
    }
    CC2jSpecification& spec = m_pWizard->m_c2jSpec;
    if (m_pWizard->IsJarMode()) {
        if (!m_pWizard->LoadJarFiles(this)) return false;
        spec.m_jarMode = true;
    } else {
        spec.m_jarMode = m_pWizard->m_pClassPathPage->m_dynamicClassPath != 0;
    }

    FILE* file = std::fopen(m_filePath, "wb");
    if (!file) {
        ShowErrorBox(frame, m_filePath + kCannotWrite, this);
        return false;
    }
    spec.m_specFilePath = m_filePath;
    bool saved = spec.Save(file);
    // A file the disk refused part of is not a saved specification.
    if (std::fclose(file) != 0) saved = false;
    if (!saved) {
        ShowErrorBox(frame, m_filePath + kCannotWrite, this);
        return false;
    }

    CString dir, name;
    SplitSpecificationPath(m_filePath, dir, name);
    WritePageProfile(kSavedDataSection, kSavedDirEntry, dir);
    WritePageProfile(kSavedDataSection, kSavedFileEntry, name);

    if (IsTutorialClassPath(spec.m_classPath)) m_pWizard->m_tutorial = true;
    WriteComToJavaReadme(spec, m_pWizard->m_tutorial);
    m_pWizard->m_pC2jEvalBldPage->SetSpecificationFile(m_filePath);
    return true;
}
