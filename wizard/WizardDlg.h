// The wizard program's one modal dialog. It frames both wizards: it owns
// every page, keeps the four page lists (CPageNavigator) and shows one page
// at a time in its page area, moving with Back and Next. It is also the
// Java-to-COM generation job (CBridgeGenerator) and owns, for the whole run,
// the COM-to-Java project and the embedded Java VM.
//
// A page reaches the frame through its m_pWizard: SelectWizard to switch
// lists, SetChanged when the user gave data that Cancel would lose,
// ShowNextButton, the wizard data below, ReportMessage and OpenHelpPage.
#pragma once

#include <memory>
#include <vector>

#include "BridgeFileCreation.h"
#include "BridgeGenerator.h"
#include "C2jSpecification.h"
#include "Dialog.h"
#include "JarClassLoader.h"
#include "JavaVmHost.h"
#include "OwnerDrawButton.h"
#include "PageNavigator.h"
#include "WizardPageHooks.h"

class CWaitDlg;
class CWizardPage;
class CBrvMain;
class CComObjPage;
class COutputLocPage;
class CPkgPage;
class CLibPage;
class CAdvancedPage;
class CFinishupPage;
class CBuildPage;
class CLoadPage;
class CLibNamePage;
class CClassListPage;
class CC2jSave;
class CC2jOutputLoc;
class CC2jEvalBldPage;
class CClassPathPage;
class CC2jTypeSelPage;
class CC2jJarfilesPage;

class CWizardDlg : public brivel::winui::Dialog,
                   public CBridgeGenerator,
                   public IWizardHost,
                   private INavigatorView,
                   private IWaitIndicator {
public:
    CWizardDlg();
    ~CWizardDlg() override;

    // Enable Next and title the wizard for one direction.
    void SetJavaToComTitle();
    void SetComToJavaTitle();

    // Navigation (CPageNavigator): lists 0 to 3.
    void SelectWizard(int list);
    void ShowPage();
    void OnNext();
    void OnBack();
    void OnHelp();
    int ActiveList() const { return m_navigator.ActiveList(); }
    CWizardPage* CurrentPage() const;

    bool IsChanged() const { return m_navigator.IsChanged(); }
    void SetChanged(bool changed) { m_navigator.SetChanged(changed); }
    bool IsJarMode() const { return m_navigator.IsJarMode(); }
    void ShowNextButton(bool show);

    // The job's report: "a: b" in the error box.
    void ReportMessage(const char* a, const char* b) override;
    void OpenHelpPage(const char* path) override;
    CString InstallFolder() const override { return m_installFolder; }

    // Leaving the summary page: one generation run with the summary's values.
    void CreateBridgeFiles();
    // The classes of one JAR into the project.
    JarClassesLoad LoadJarClasses(const char* jarPath, const char* classPath);
    // JAR mode, before saving: every JAR of the JAR-files page; a failure is
    // shown (a list dialog for more than three lines, else an information
    // box) and keeps the user on `parentPage`. Classes left out of JARs that
    // loaded are listed in the list dialog, and the save goes on.
    bool LoadJarFiles(CWizardPage* parentPage);

    // True once COM was initialised on this thread (the program ends it
    // after the dialog, which releases its type libraries, is gone).
    bool ComStarted() const { return m_comStarted; }

    // Wizard data that the pages share.
    CString m_installFolder;
    std::vector<CString> m_callbackInterfaces;  // filled by the advanced page
    CComObjPage* m_pComObjPage = nullptr;
    COutputLocPage* m_pOutputLocPage = nullptr;
    CPkgPage* m_pPkgPage = nullptr;
    CLibPage* m_pLibPage = nullptr;
    CAdvancedPage* m_pAdvancedPage = nullptr;
    CFinishupPage* m_pFinishupPage = nullptr;
    CBuildPage* m_pBuildPage = nullptr;
    bool m_packageRequired = false;  // the package page's sample rule fixed the package
    bool m_tutorial = false;         // the project's class path ends with the tutorial JAR
    CC2jSpecification m_c2jSpec;
    CLoadPage* m_pLoadPage = nullptr;
    CLibNamePage* m_pLibNamePage = nullptr;
    CClassListPage* m_pClassListPage = nullptr;
    CC2jSave* m_pC2jSave = nullptr;
    CC2jOutputLoc* m_pC2jOutputLoc = nullptr;
    CC2jEvalBldPage* m_pC2jEvalBldPage = nullptr;
    CClassPathPage* m_pClassPathPage = nullptr;
    CC2jTypeSelPage* m_pC2jTypeSelPage = nullptr;
    CC2jJarfilesPage* m_pC2jJarfilesPage = nullptr;
    std::unique_ptr<CC2jSpecification> m_pLoadedSpec;  // a specification loaded from a file
    CJavaVmHost m_vmHost;

protected:
    bool OnInitDialog() override;
    void OnOK() override;      // Enter runs Next: it never ends the wizard by itself
    void OnCancel() override;  // asks before losing changes, then asks the page
    bool HandleMessage(UINT message, WPARAM wParam, LPARAM lParam, INT_PTR& result) override;

private:
    // Creates a page as a hidden child of the page area and keeps it.
    template <typename Page>
    Page* AddPage();
    void FillPageLists();
    void AddAboutCommand();
    void StartCom();
    bool OnSysCommand(WPARAM command);
    void PaintMinimised();

    // INavigatorView
    void ShowPageWindow(CWizardPageHooks* page, bool show) override;
    void InvalidatePage(CWizardPageHooks* page) override;
    void FocusFirstControl(CWizardPageHooks* page) override;
    bool ReadPageControls(CWizardPageHooks* page) override;
    void EnableBack(bool enable) override;
    void ShowBackButton(bool show) override;
    void SetNextText(const char* text) override;
    void SetCancelText(const char* text) override;
    void InvalidatePageArea() override;
    void SetTitle(const char* text) override;
    bool AskQuestion(const char* text) override;
    void EndWizard() override;

    // IWaitIndicator
    void BeginWait(const char* text) override;
    void EndWait() override;

    CPageNavigator m_navigator;
    CJarClassLoader m_jarLoader;
    std::vector<std::unique_ptr<CWizardPage>> m_pages;  // owner of every page, in construction order
    CBrvMain* m_pBrvMain = nullptr;
    COwnerDrawButton m_cancelButton;
    COwnerDrawButton m_backButton;
    COwnerDrawButton m_nextButton;
    COwnerDrawButton m_helpButton;
    HICON m_icon = nullptr;
    bool m_comStarted = false;
    std::unique_ptr<CWaitDlg> m_waitDlg;
    HCURSOR m_cursorBeforeWait = nullptr;
};
