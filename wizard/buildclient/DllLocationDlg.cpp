#include "DllLocationDlg.h"

#include "BuildClientTexts.h"
#include "Pickers.h"
#include "resource.h"

namespace {

bool FolderExists(const char* folder) {
    DWORD attributes = GetFileAttributesA(folder);
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

}  // namespace

CDllLocationDlg::CDllLocationDlg(const char* windowsFolder, const char* systemFolder, const char* libraryName)
    : Dialog(IDD_DLL_LOCATION),
      m_windowsFolder(windowsFolder),
      m_systemFolder(systemFolder),
      m_libraryName(libraryName),
      m_dllName(CString(libraryName) + ".dll") {
    for (int id : {IDC_SYSTEM_FOLDER, IDC_WINDOWS_FOLDER, IDC_OTHER_LOCATION}) OnClicked(id, [this] { OnChoice(); });
    OnClicked(IDC_BROWSE_LOCATION, [this] { OnBrowse(); });
}

void CDllLocationDlg::DoDataExchange(brivel::winui::DataExchange& dx) {
    dx.Text(IDC_LOCATION_PATH, m_otherPath);
    dx.Text(IDC_DLL_NAME, m_dllName);
}

bool CDllLocationDlg::OnInitDialog() {
    Dialog::OnInitDialog();
    OwnerDrawPushButtons(*this, m_buttons);
    SetItemText(IDC_WINDOWS_FOLDER, WindowsFolderRadioText(m_windowsFolder));
    SetItemText(IDC_SYSTEM_FOLDER, SystemFolderRadioText(m_systemFolder));
    SendMessageA(Item(IDC_LOCATION_PATH), EM_LIMITTEXT, MAX_PATH, 0);
    CheckRadioButton(Handle(), IDC_SYSTEM_FOLDER, IDC_OTHER_LOCATION, IDC_SYSTEM_FOLDER);
    OnChoice();
    SetFocus(Item(IDOK));
    return false;
}

DllLocationChoice CDllLocationDlg::CheckedChoice() const {
    if (IsDlgButtonChecked(Handle(), IDC_OTHER_LOCATION) == BST_CHECKED) return DllLocationChoice::OtherLocation;
    if (IsDlgButtonChecked(Handle(), IDC_WINDOWS_FOLDER) == BST_CHECKED) return DllLocationChoice::WindowsFolder;
    return DllLocationChoice::SystemFolder;
}

void CDllLocationDlg::OnChoice() {
    bool other = CheckedChoice() == DllLocationChoice::OtherLocation;
    EnableItem(IDC_LOCATION_PATH, other);
    EnableItem(IDC_BROWSE_LOCATION, other);
}

void CDllLocationDlg::OnBrowse() {
    brivel::winui::FilePickerOptions options;
    options.save = true;
    options.filter = build_text::kDllFilter;
    options.defaultExtension = "dll";
    options.title = build_text::kSaveDllTitle;
    options.initialName = m_dllName;
    options.flags = OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT;
    CString path;
    if (brivel::winui::PickFile(Handle(), options, path)) SetItemText(IDC_LOCATION_PATH, path);
}

void CDllLocationDlg::OnOK() {
    UpdateData(true);
    m_choice = CheckedChoice();
    if (m_choice == DllLocationChoice::OtherLocation) {
        DllLocationVerdict verdict = CheckOtherLocation(m_otherPath, m_libraryName, FolderExists);
        if (!verdict.Ok()) {
            MessageBoxA(Handle(), verdict.message, verdict.caption, MB_OK);
            return;
        }
    }
    EndDialog(IDOK);
}

CString CDllLocationDlg::TargetPath() const {
    return DllTargetPath(m_choice, m_systemFolder, m_windowsFolder, m_libraryName, m_otherPath);
}
