#include "C2jOutputLoc.h"

#include "C2jPageRules.h"
#include "MessageBoxes.h"
#include "OutputFolderRules.h"
#include "Pickers.h"
#include "WizardDlg.h"
#include "resource.h"

namespace {

// The folder check's questions and messages as the wizard's message boxes.
class PageFolderCheckUser : public IFolderPrompts {
public:
    PageFolderCheckUser(HWND frame, brivel::winui::Dialog* page) : m_frame(frame), m_page(page) {}
    bool AskQuestion(const char* question) override { return ::AskQuestion(m_frame, question, m_page); }
    void ShowError(const char* message) override { ShowErrorBox(m_frame, message, m_page); }

private:
    HWND m_frame;
    brivel::winui::Dialog* m_page;
};

}  // namespace

CC2jOutputLoc::CC2jOutputLoc() : CWizardPage(IDD_C2J_OUTPUT_LOC, "help\\com2java\\Page5.html") {
    OnClicked(IDC_C2J_OUTPUT_BROWSE, [this] { OnBrowse(); });
}

void CC2jOutputLoc::DoDataExchange(brivel::winui::DataExchange& dx) {
    dx.Text(IDC_C2J_OUTPUT_FOLDER, m_outputFolder);
}

void CC2jOutputLoc::RefreshFromSpecification(const CC2jSpecification& spec) {
    m_outputFolder = spec.m_outputFolder;
    UpdateData(false);
}

void CC2jOutputLoc::OnBrowse() {
    CString folder;
    if (!brivel::winui::PickFolder(m_pWizard->Handle(), c2j_text::kOutputFolderTitle, folder)) return;
    m_outputFolder = folder;
    UpdateData(false);
}

bool CC2jOutputLoc::ValidatePage() {
    HWND frame = m_pWizard->Handle();
    if (m_outputFolder.IsEmpty()) {
        ShowErrorBox(frame, c2j_text::kSpecifyFolder, this);
        return false;
    }
    m_outputFolder = TrimOutputFolder(m_outputFolder);
    PageFolderCheckUser user(frame, this);
    if (!CheckFolder(m_outputFolder, true, user)) return false;
    m_pWizard->m_c2jSpec.m_outputFolder = m_outputFolder;
    return true;
}
