#include "BuildPage.h"

#include "BrowserLauncher.h"
#include "BuildClientTexts.h"
#include "CommandFileRunner.h"
#include "MachineClasspath.h"
#include "MessageBoxes.h"
#include "OutputLocPage.h"
#include "ServerBuildDlg.h"
#include "WizardDlg.h"
#include "resource.h"

namespace {

// Posted by a command file's waiter thread: wParam is the step that ended.
constexpr UINT kCommandFileEnded = WM_APP + 1;
// The dual-interface preference that calls dual interfaces through their
// virtual tables.
constexpr int kVirtualTableModel = 1;

}  // namespace

CBuildPage::CBuildPage()
    : CWizardPage(IDD_BUILD_PAGE, "help\\java2com\\Page7.html") {
    OnClicked(IDC_RUN_MAKE_JAVA, [this] { OnRunMakeJava(); });
    OnClicked(IDC_RUN_MAKE_JAR, [this] { OnRunMakeJar(); });
    OnClicked(IDC_RUN_MAKE_JAVADOC, [this] { OnRunMakeJavadoc(); });
    OnClicked(IDC_RUN_MAKE_DLL, [this] { OnRunMakeDll(); });
    OnMessage(kCommandFileEnded, [this](WPARAM step, LPARAM) {
        UpdateStepTexts(static_cast<int>(step));
        return 0;
    });
}

void CBuildPage::DoDataExchange(brivel::winui::DataExchange& dx) {
    dx.Check(IDC_VIEW_README, m_viewReadme);
    dx.Check(IDC_VIEW_JAVADOC, m_viewJavadoc);
    dx.Check(IDC_ADD_TO_CLASSPATH, m_addToClasspath);
}

void CBuildPage::OnPageShown() {
    CWizardDlg& job = *m_pWizard;
    if (job.UsesVariantPointerPointer() && job.DualInterfacePreference() != kVirtualTableModel)
        ShowInfoBox(job.Handle(), build_text::kVariantPointerNote, this);
    job.SetChanged(false);
    job.ShowNextButton(false);

    UpdateData(true);
    bool readme = !job.ReadmePath().IsEmpty();
    m_viewReadme = readme ? 1 : 0;
    UpdateData(false);
    EnableItem(IDC_VIEW_README, readme);

    m_outputFolder = job.m_pOutputLocPage->m_outputFolder;
    if (m_outputFolder.IsEmpty() || m_outputFolder.Right(1) != "\\") m_outputFolder += "\\";

    bool dllStep = job.IsDllStepAvailable();
    ShowItem(IDC_RUN_MAKE_DLL, dllStep);
    SetItemText(IDC_RUN_MAKE_DLL, job.IsDllCommandFileWritten() ? "Run MakeDLL.bat file" : build_text::kBuildJniDll);
    m_steps.Reset(dllStep);
    ShowStepText();
}

void CBuildPage::ShowStepText() { SetItemText(IDC_STEP_TEXT, m_steps.StepText(m_outputFolder)); }

void CBuildPage::OnJavaStep(int buttonId, int step) {
    EnableItem(buttonId, false);
    m_steps.StepStarted(step);
    RunCommandFile(CBuildSteps::CommandFile(step), step);
}

void CBuildPage::OnRunMakeJava() { OnJavaStep(IDC_RUN_MAKE_JAVA, 1); }
void CBuildPage::OnRunMakeJar() { OnJavaStep(IDC_RUN_MAKE_JAR, 2); }
void CBuildPage::OnRunMakeJavadoc() { OnJavaStep(IDC_RUN_MAKE_JAVADOC, 3); }

bool CBuildPage::RunCommandFile(const char* fileName, int step) {
    bool started = StartCommandFile(m_outputFolder, fileName, step > 0 ? Handle() : nullptr, kCommandFileEnded,
                                    static_cast<WPARAM>(step));
    if (!started) MessageBoxA(Handle(), build_text::kCommandFileFailed, build_text::kProgramCaption, MB_OK);
    ShowStepText();
    return started;
}

void CBuildPage::UpdateStepTexts(int finishedStep) {
    CBuildSteps::Effects effects = m_steps.StepFinished(finishedStep);
    if (effects.enableJarAndJavadocButtons) {
        EnableItem(IDC_RUN_MAKE_JAR, true);
        EnableItem(IDC_RUN_MAKE_JAVADOC, true);
    }
    if (effects.checkClasspathBox) {
        EnableItem(IDC_ADD_TO_CLASSPATH, true);
        CheckDlgButton(Handle(), IDC_ADD_TO_CLASSPATH, BST_CHECKED);
    }
    if (effects.checkJavadocBox) {
        EnableItem(IDC_VIEW_JAVADOC, true);
        CheckDlgButton(Handle(), IDC_VIEW_JAVADOC, BST_CHECKED);
    }
    ShowStepText();
}

void CBuildPage::OnRunMakeDll() {
    m_steps.StepStarted(4);
    CWizardDlg& job = *m_pWizard;
    if (job.IsDllCommandFileWritten()) {
        RunCommandFile("MakeDLL.bat", 4);
        EnableItem(IDC_RUN_MAKE_DLL, false);
        return;
    }
    CServerBuildDlg dialog([&job] { return job.GetBrowserPath(); });
    dialog.m_commandTextPath = m_outputFolder + "MakeDLL.txt";
    dialog.m_cppFilePath = m_outputFolder + job.JniLibraryName() + ".cpp";
    dialog.m_libraryName = job.JniLibraryName();
    dialog.DoModal(job.Handle());
    if (dialog.Succeeded()) {
        EnableItem(IDC_RUN_MAKE_DLL, false);
        UpdateStepTexts(4);
    } else {
        ShowStepText();  // the button stays for another try
    }
}

bool CBuildPage::ValidatePage() {
    if (CanExit()) m_pWizard->EndDialog(IDOK);
    return false;
}

bool CBuildPage::CanExit() {
    if (!m_steps.AllStarted() && !AskQuestion(m_pWizard->Handle(), build_text::kExitUnfinished, this)) return false;
    UpdateData(true);
    CWizardDlg& job = *m_pWizard;
    if (m_viewJavadoc) job.OpenHelpPage(m_outputFolder + "doc\\index.html");
    if (!job.ReadmePath().IsEmpty() && m_viewReadme) LaunchBrowser(job.GetBrowserPath(), job.ReadmePath());
    if (m_addToClasspath && !AddJarToClasspath()) ShowErrorBox(job.Handle(), build_text::kClasspathFailed, this);
    return true;
}

bool CBuildPage::AddJarToClasspath() {
    CString jar = m_outputFolder + m_pWizard->JniLibraryName() + ".jar";
    switch (::AddJarToClasspath(HKEY_LOCAL_MACHINE, kSystemEnvironmentKey, jar)) {
    case ClasspathUpdate::Added:
        BroadcastEnvironmentChange();
        return true;
    case ClasspathUpdate::AlreadyThere:
        return true;
    case ClasspathUpdate::Failed:
    default:
        return false;
    }
}
