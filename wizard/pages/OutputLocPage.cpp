#include "OutputLocPage.h"

#include "JavaToComTexts.h"
#include "MessageBoxes.h"
#include "OutputFolderRules.h"
#include "Pickers.h"
#include "WizardDlg.h"
#include "resource.h"

namespace {

// CheckFolder's questions and errors in the wizard's message boxes.
class PagePrompts : public IFolderPrompts {
public:
    PagePrompts(HWND frame, brivel::winui::Dialog* page) : m_frame(frame), m_page(page) {}
    bool AskQuestion(const char* text) override { return ::AskQuestion(m_frame, text, m_page); }
    void ShowError(const char* text) override { ShowErrorBox(m_frame, text, m_page); }

private:
    HWND m_frame;
    brivel::winui::Dialog* m_page;
};

}  // namespace

COutputLocPage::COutputLocPage() : CWizardPage(IDD_OUTPUT_LOC_PAGE, "help\\java2com\\Page2.html") {
    OnClicked(IDC_BROWSE_OUTPUT, [this] { OnBrowse(); });
}

void COutputLocPage::DoDataExchange(brivel::winui::DataExchange& dx) { dx.Text(IDC_OUTPUT_FOLDER, m_outputFolder); }

bool COutputLocPage::ValidatePage() {
    if (m_outputFolder.IsEmpty()) {
        ShowErrorBox(m_pWizard->Handle(), j2c_text::kSpecifyFolder, this);
        return false;
    }
    m_outputFolder = TrimOutputFolder(m_outputFolder);
    UpdateData(false);
    PagePrompts prompts(m_pWizard->Handle(), this);
    return CheckFolder(m_outputFolder, true, prompts);
}

void COutputLocPage::OnBrowse() {
    CString folder;
    if (!brivel::winui::PickFolder(m_pWizard->Handle(), j2c_text::kOutputFolderTitle, folder)) return;
    UpdateData(true);
    m_outputFolder = folder;
    UpdateData(false);
}
