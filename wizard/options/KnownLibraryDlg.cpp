#include "KnownLibraryDlg.h"

#include "BridgeGenerator.h"
#include "JavaToComTexts.h"
#include "MessageBoxes.h"
#include "Pickers.h"
#include "resource.h"

namespace {

bool Exists(const char* path) { return GetFileAttributesA(path) != INVALID_FILE_ATTRIBUTES; }

}  // namespace

CKnownLibraryDlg::CKnownLibraryDlg(int templateId, int packageId, int jarId, CBridgeGenerator& job, HWND owner)
    : Dialog(templateId), m_job(job), m_packageId(packageId), m_jarId(jarId), m_owner(owner) {
    OnClicked(IDC_USE_PREGENERATED, [this] { OnChoice(); });
    OnClicked(IDC_USE_OWN_WRAPPER, [this] { OnChoice(); });
    OnClicked(IDC_BROWSE_WRAPPER_JAR, [this] { OnBrowseJar(); });
    OnClicked(IDC_BROWSE_WRAPPER_DOC, [this] { OnBrowseDocumentation(); });
}

bool CKnownLibraryDlg::OnInitDialog() {
    Dialog::OnInitDialog();
    OwnerDrawPushButtons(*this, m_buttons);
    m_choice = std::make_unique<CKnownLibraryChoice>(Current(), Defaults());
    bool own = m_choice->Choice() == CKnownLibraryChoice::kOwnWrapper;
    CheckRadioButton(Handle(), IDC_USE_PREGENERATED, IDC_USE_OWN_WRAPPER,
                     own ? IDC_USE_OWN_WRAPPER : IDC_USE_PREGENERATED);
    Refresh();
    return true;
}

KnownLibraryValues CKnownLibraryDlg::ReadEdits() const {
    return {ItemText(m_packageId), ItemText(IDC_WRAPPER_LIBRARY), ItemText(m_jarId), ItemText(IDC_WRAPPER_DOC_FOLDER)};
}

void CKnownLibraryDlg::Refresh() {
    const KnownLibraryValues& shown = m_choice->Shown();
    SetItemText(m_packageId, shown.package);
    SetItemText(IDC_WRAPPER_LIBRARY, shown.library);
    SetItemText(m_jarId, shown.jar);
    SetItemText(IDC_WRAPPER_DOC_FOLDER, shown.docFolder);
    bool enabled = m_choice->EditsEnabled();
    for (int id : {m_packageId, int(IDC_WRAPPER_LIBRARY), m_jarId, int(IDC_WRAPPER_DOC_FOLDER),
                   int(IDC_BROWSE_WRAPPER_JAR), int(IDC_BROWSE_WRAPPER_DOC)})
        EnableItem(id, enabled);
}

void CKnownLibraryDlg::OnChoice() {
    // What the user typed for the own wrapper stays while the defaults show.
    if (m_choice->EditsEnabled()) m_choice->SetOwn(ReadEdits());
    bool own = IsDlgButtonChecked(Handle(), IDC_USE_OWN_WRAPPER) == BST_CHECKED;
    m_choice->SetChoice(own ? CKnownLibraryChoice::kOwnWrapper : CKnownLibraryChoice::kPreGenerated);
    Refresh();
}

void CKnownLibraryDlg::OnBrowseJar() {
    brivel::winui::FilePickerOptions options;
    options.filter = j2c_text::kJarFilter;
    CString path;
    if (brivel::winui::PickFile(Handle(), options, path)) SetItemText(m_jarId, path);
}

void CKnownLibraryDlg::OnBrowseDocumentation() {
    CString folder;
    if (brivel::winui::PickFolder(Handle(), j2c_text::kDocumentationTitle, folder))
        SetItemText(IDC_WRAPPER_DOC_FOLDER, folder);
}

void CKnownLibraryDlg::ShowMessage(const char* text) {
    if (m_owner) ShowInfoBox(Handle(), text);
    else MessageBoxA(Handle(), text, nullptr, MB_OK);
}

void CKnownLibraryDlg::OnOK() {
    if (!m_choice->EditsEnabled()) {
        Store(m_choice->Defaults());
        EndDialog(IDOK);
        return;
    }
    m_choice->SetOwn(ReadEdits());
    CString message = m_choice->CheckOwn(Exists);
    if (!message.IsEmpty()) {
        ShowMessage(message);
        return;
    }
    Store(m_choice->Own());
    EndDialog(IDOK);
}

CAdoXmlDlg::CAdoXmlDlg(CBridgeGenerator& job, HWND owner)
    : CKnownLibraryDlg(IDD_ADO_SETTINGS, IDC_ADO_PACKAGE, IDC_ADO_JAR, job, owner) {}

KnownLibraryValues CAdoXmlDlg::Current() const {
    KnownLibraryValues values;
    m_job.GetAdoSettings(values.package, values.library, values.jar, values.docFolder);
    return values;
}

KnownLibraryValues CAdoXmlDlg::Defaults() const {
    KnownLibraryValues values;
    CBridgeGenerator::PresetAdo(values.package, values.library, values.jar, values.docFolder);
    return values;
}

void CAdoXmlDlg::Store(const KnownLibraryValues& values) {
    m_job.SetAdoSettings(values.package, values.library, values.jar, values.docFolder);
}

CXmlSettingsDlg::CXmlSettingsDlg(CBridgeGenerator& job, HWND owner)
    : CKnownLibraryDlg(IDD_XML_SETTINGS, IDC_XML_PACKAGE, IDC_XML_JAR, job, owner) {}

KnownLibraryValues CXmlSettingsDlg::Current() const {
    KnownLibraryValues values;
    m_job.GetXmlSettings(values.package, values.library, values.jar, values.docFolder);
    return values;
}

KnownLibraryValues CXmlSettingsDlg::Defaults() const {
    KnownLibraryValues values;
    CBridgeGenerator::PresetXml(values.package, values.library, values.jar, values.docFolder);
    return values;
}

void CXmlSettingsDlg::Store(const KnownLibraryValues& values) {
    m_job.SetXmlSettings(values.package, values.library, values.jar, values.docFolder);
}
