#include "WizardDlg.h"

#include <objbase.h>
#include <shellapi.h>

#include "AboutDlg.h"
#include "BrowserLauncher.h"
#include "GenerationJobAdapter.h"
#include "JarLoadErrorsDlg.h"
#include "MessageBoxes.h"
#include "OptionDialogRuns.h"
#include "WaitDlg.h"
#include "WinApp.h"
#include "WizardPageLists.h"
#include "WizardTexts.h"
#include "pages/AdvancedPage.h"
#include "pages/BrvMain.h"
#include "pages/BuildPage.h"
#include "pages/C2jEvalBldPage.h"
#include "pages/C2jJarfilesPage.h"
#include "pages/C2jOutputLoc.h"
#include "pages/C2jSave.h"
#include "pages/C2jTypeSelPage.h"
#include "pages/ClassListPage.h"
#include "pages/ClassPathPage.h"
#include "pages/ComObjPage.h"
#include "pages/FinishupPage.h"
#include "pages/LibNamePage.h"
#include "pages/LibPage.h"
#include "pages/LoadPage.h"
#include "pages/OutputLocPage.h"
#include "pages/PkgPage.h"
#include "resource.h"

namespace {

// The folder of the running program, with its trailing backslash.
CString ProgramFolder() {
    std::vector<char> path(MAX_PATH);
    for (;;) {
        DWORD length = GetModuleFileNameA(nullptr, path.data(), static_cast<DWORD>(path.size()));
        if (length == 0) return CString();
        if (length < path.size()) {
            CString file(path.data(), static_cast<int>(length));
            return file.Left(file.ReverseFind('\\') + 1);
        }
        path.resize(path.size() * 2);
    }
}

CWizardPage* AsPage(CWizardPageHooks* page) { return static_cast<CWizardPage*>(page); }

bool IsRadioButton(HWND control) {
    LRESULT code = SendMessageA(control, WM_GETDLGCODE, 0, 0);
    return (code & DLGC_RADIOBUTTON) != 0;
}

}  // namespace

CWizardDlg::CWizardDlg()
    : Dialog(IDD_BRIVEL_DIALOG),
      m_installFolder(ProgramFolder()),
      m_navigator(*this),
      m_jarLoader(m_c2jSpec, m_vmHost) {
    m_c2jSpec.m_vmHost = &m_vmHost;
    OnClicked(IDC_NEXT, [this] { OnNext(); });
    OnClicked(IDC_BACK, [this] { OnBack(); });
    OnClicked(IDC_HELP_BUTTON, [this] { OnHelp(); });
}

CWizardDlg::~CWizardDlg() = default;

template <typename Page>
Page* CWizardDlg::AddPage() {
    auto page = std::make_unique<Page>();
    Page* raw = page.get();
    raw->m_pWizard = this;
    raw->SetHost(this);
    raw->CreatePage(Item(IDC_PAGE_AREA));
    m_pages.push_back(std::move(page));
    return raw;
}

bool CWizardDlg::OnInitDialog() {
    Dialog::OnInitDialog();
    Dialog::SetTitle(wizard_text::kStartTitle);
    if (brivel::winui::WinApp* app = brivel::winui::WinApp::Current()) app->SetMainWindow(Handle());
    m_cancelButton.SubclassButton(*this, IDCANCEL);
    m_backButton.SubclassButton(*this, IDC_BACK);
    m_nextButton.SubclassButton(*this, IDC_NEXT);
    m_helpButton.SubclassButton(*this, IDC_HELP_BUTTON);

    m_pBrvMain = AddPage<CBrvMain>();
    ShowWindow(m_pBrvMain->Handle(), SW_SHOW);
    EnableItem(IDC_BACK, false);
    EnableItem(IDC_NEXT, false);

    m_pComObjPage = AddPage<CComObjPage>();
    m_pOutputLocPage = AddPage<COutputLocPage>();
    m_pPkgPage = AddPage<CPkgPage>();
    m_pLibPage = AddPage<CLibPage>();
    m_pAdvancedPage = AddPage<CAdvancedPage>();
    m_pFinishupPage = AddPage<CFinishupPage>();
    m_pBuildPage = AddPage<CBuildPage>();
    m_pLoadPage = AddPage<CLoadPage>();
    m_pC2jTypeSelPage = AddPage<CC2jTypeSelPage>();
    m_pC2jJarfilesPage = AddPage<CC2jJarfilesPage>();
    m_pClassPathPage = AddPage<CClassPathPage>();
    m_pLibNamePage = AddPage<CLibNamePage>();
    m_pClassListPage = AddPage<CClassListPage>();
    m_pC2jOutputLoc = AddPage<CC2jOutputLoc>();
    m_pC2jSave = AddPage<CC2jSave>();
    m_pC2jEvalBldPage = AddPage<CC2jEvalBldPage>();
    FillPageLists();

    AddAboutCommand();
    m_icon = LoadIconA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDR_MAINFRAME));
    SendMessageA(Handle(), WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(m_icon));
    SendMessageA(Handle(), WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(m_icon));
    StartCom();
    return true;
}

void CWizardDlg::FillPageLists() {
    WizardPageSet pages;
    pages.brvMain = m_pBrvMain;
    pages.comObj = m_pComObjPage;
    pages.outputLoc = m_pOutputLocPage;
    pages.pkg = m_pPkgPage;
    pages.lib = m_pLibPage;
    pages.advanced = m_pAdvancedPage;
    pages.finishup = m_pFinishupPage;
    pages.build = m_pBuildPage;
    pages.load = m_pLoadPage;
    pages.c2jTypeSel = m_pC2jTypeSelPage;
    pages.c2jJarfiles = m_pC2jJarfilesPage;
    pages.classPath = m_pClassPathPage;
    pages.libName = m_pLibNamePage;
    pages.classList = m_pClassListPage;
    pages.c2jOutputLoc = m_pC2jOutputLoc;
    pages.c2jSave = m_pC2jSave;
    pages.c2jEvalBld = m_pC2jEvalBldPage;
    ::FillPageLists(m_navigator, pages);
}

void CWizardDlg::AddAboutCommand() {
    char text[256] = "";
    if (LoadStringA(GetModuleHandleA(nullptr), IDS_ABOUTBOX, text, sizeof text) <= 0 || !*text) return;
    HMENU menu = GetSystemMenu(Handle(), FALSE);
    if (!menu) return;
    AppendMenuA(menu, MF_SEPARATOR, 0, nullptr);
    AppendMenuA(menu, MF_STRING, IDM_ABOUTBOX, text);
}

void CWizardDlg::StartCom() {
    // The system's extended initialisation when it has one. The pages'
    // file and folder pickers need a single-threaded apartment.
    using CoInitializeExFunction = HRESULT(WINAPI*)(LPVOID, DWORD);
    HMODULE ole = LoadLibraryA("OLE32.dll");
    auto coInitializeEx =
        ole ? reinterpret_cast<CoInitializeExFunction>(reinterpret_cast<void*>(GetProcAddress(ole, "CoInitializeEx")))
            : nullptr;
    HRESULT hr = coInitializeEx ? coInitializeEx(nullptr, COINIT_APARTMENTTHREADED) : CoInitialize(nullptr);
    m_comStarted = SUCCEEDED(hr);
}

CWizardPage* CWizardDlg::CurrentPage() const { return AsPage(m_navigator.CurrentPage()); }

void CWizardDlg::SetJavaToComTitle() {
    EnableItem(IDC_NEXT, true);
    Dialog::SetTitle(wizard_text::kJavaToComTitle);
}

void CWizardDlg::SetComToJavaTitle() {
    EnableItem(IDC_NEXT, true);
    Dialog::SetTitle(wizard_text::kComToJavaTitle);
}

void CWizardDlg::ShowNextButton(bool show) { ShowItem(IDC_NEXT, show); }

void CWizardDlg::SelectWizard(int list) { m_navigator.SelectWizard(list); }
void CWizardDlg::ShowPage() { m_navigator.ShowPage(); }
void CWizardDlg::OnNext() { m_navigator.Next(); }
void CWizardDlg::OnBack() { m_navigator.Back(); }
void CWizardDlg::OnHelp() { m_navigator.Help(); }
void CWizardDlg::OnOK() { OnNext(); }
void CWizardDlg::OnCancel() { m_navigator.Cancel(); }

void CWizardDlg::ReportMessage(const char* a, const char* b) {
    ShowErrorBox(Handle(), CString(a) + ": " + b);
}

void CWizardDlg::OpenHelpPage(const char* path) {
    if (!LaunchBrowser(GetBrowserPath(), path)) ShowErrorBox(Handle(), BrowserLaunchFailedText(path));
}

void CWizardDlg::CreateBridgeFiles() {
    BridgeSummary summary;
    summary.typeLibraryPath = m_pFinishupPage->m_typeLibraryPath;
    summary.outputFolder = m_pFinishupPage->m_outputFolder;
    summary.javaPackage = m_pFinishupPage->m_javaPackage;
    summary.libraryPath = m_pFinishupPage->m_libraryPath;
    CGenerationJobAdapter job(*this);
    ::CreateBridgeFiles(job, summary, m_callbackInterfaces, *this);
}

JarClassesLoad CWizardDlg::LoadJarClasses(const char* jarPath, const char* classPath) {
    return m_jarLoader.LoadJarClasses(jarPath, classPath);
}

bool CWizardDlg::LoadJarFiles(CWizardPage* parentPage) {
    // A VM started on the class path page keeps its class path: JAR files
    // outside it would be loaded from the wrong place, or not at all.
    CString vmMessage;
    if (!m_jarLoader.CanUseClassPath(m_pC2jJarfilesPage->m_jarFiles, m_pC2jJarfilesPage->m_extraClassPath,
                                     vmMessage)) {
        ShowErrorBox(Handle(), vmMessage, parentPage);
        return false;
    }
    CJarLoadErrors errors;
    if (m_jarLoader.LoadJarFiles(m_pC2jJarfilesPage->m_jarFiles, m_pC2jJarfilesPage->m_extraClassPath, errors)) {
        if (!errors.SkippedLines().empty()) {
            CJarLoadErrorsDlg dialog(errors.SkippedLines());
            dialog.DoModal(Handle());
        }
        return true;
    }
    // The user stays on the page with the saved settings as they were; the
    // program goes on running.
    if (errors.NeedsListDialog()) {
        CJarLoadErrorsDlg dialog(errors.Lines());
        dialog.DoModal(Handle());
    } else {
        ShowInfoBox(Handle(), errors.InfoBoxText(), parentPage);
    }
    return false;
}

void CWizardDlg::BeginWait(const char* text) {
    m_cursorBeforeWait = SetCursor(LoadCursorA(nullptr, IDC_WAIT));
    m_waitDlg = std::make_unique<CWaitDlg>(Handle());
    m_waitDlg->m_message = text;
    m_waitDlg->Show(Handle());
}

void CWizardDlg::EndWait() {
    m_waitDlg.reset();
    SetCursor(m_cursorBeforeWait);
}

bool CWizardDlg::OnSysCommand(WPARAM command) {
    switch (command & 0xFFF0) {
    case IDM_ABOUTBOX: {
        CAboutDlg about;
        about.DoModal(Handle());
        return true;
    }
    case IDM_DCOM_SUPPORT:
        RunDcomSupportDialog(*this, Handle());
        return true;
    case IDM_ADO_SETTINGS:
        RunAdoSettingsDialog(*this, Handle());
        return true;
    case IDM_XML_SETTINGS:
        RunXmlSettingsDialog(*this, Handle());
        return true;
    case IDM_DUAL_INTERFACE:
        RunDualInterfaceDialog(*this, Handle());
        return true;
    default:
        return false;  // the system's own commands
    }
}

void CWizardDlg::PaintMinimised() {
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(Handle(), &paint);
    RECT client;
    GetClientRect(Handle(), &client);
    int x = (client.right - GetSystemMetrics(SM_CXICON) + 1) / 2;
    int y = (client.bottom - GetSystemMetrics(SM_CYICON) + 1) / 2;
    DrawIcon(dc, x, y, m_icon);
    EndPaint(Handle(), &paint);
}

bool CWizardDlg::HandleMessage(UINT message, WPARAM wParam, LPARAM, INT_PTR& result) {
    switch (message) {
    case WM_SYSCOMMAND:
        result = 0;
        return OnSysCommand(wParam);
    case WM_PAINT:
        if (!IsIconic(Handle())) return false;
        PaintMinimised();
        result = 0;
        return true;
    case WM_QUERYDRAGICON:
        result = reinterpret_cast<INT_PTR>(m_icon);
        return true;
    default:
        return false;
    }
}

// INavigatorView

void CWizardDlg::ShowPageWindow(CWizardPageHooks* page, bool show) {
    ShowWindow(AsPage(page)->Handle(), show ? SW_SHOW : SW_HIDE);
}

void CWizardDlg::InvalidatePage(CWizardPageHooks* page) { InvalidateRect(AsPage(page)->Handle(), nullptr, TRUE); }

void CWizardDlg::FocusFirstControl(CWizardPageHooks* page) {
    // Every page begins with a heading text: the focus goes to the first
    // control that takes input, as the Tab key would reach it; in a group
    // of radio buttons, to the chosen one. (A group with none chosen has no
    // tab stop: its first button takes the focus, which chooses nothing.)
    HWND pageWindow = AsPage(page)->Handle();
    HWND first = GetWindow(pageWindow, GW_CHILD);
    while (first && !(IsWindowVisible(first) && IsWindowEnabled(first) &&
                      ((GetWindowLongA(first, GWL_STYLE) & WS_TABSTOP) || IsRadioButton(first))))
        first = GetWindow(first, GW_HWNDNEXT);
    if (!first) return;
    if (IsRadioButton(first)) {
        for (HWND radio = first;;) {
            if (SendMessageA(radio, BM_GETCHECK, 0, 0) == BST_CHECKED) {
                first = radio;
                break;
            }
            radio = GetNextDlgGroupItem(pageWindow, radio, FALSE);
            if (!radio || radio == first) break;
        }
    }
    SetFocus(first);
}

bool CWizardDlg::ReadPageControls(CWizardPageHooks* page) { return AsPage(page)->UpdateData(true); }
void CWizardDlg::EnableBack(bool enable) { EnableItem(IDC_BACK, enable); }
void CWizardDlg::ShowBackButton(bool show) { ShowItem(IDC_BACK, show); }
void CWizardDlg::SetNextText(const char* text) { SetItemText(IDC_NEXT, text); }
void CWizardDlg::SetCancelText(const char* text) { SetItemText(IDCANCEL, text); }
void CWizardDlg::InvalidatePageArea() { InvalidateRect(Item(IDC_PAGE_AREA), nullptr, TRUE); }
void CWizardDlg::SetTitle(const char* text) { Dialog::SetTitle(text); }
bool CWizardDlg::AskQuestion(const char* text) { return ::AskQuestion(Handle(), text); }
void CWizardDlg::EndWizard() { EndDialog(IDCANCEL); }
