#include "ConfigDialog.h"

#include <shellapi.h>

#include <string>

#include "BrvServerConfig.h"
#include "ClassPathDialog.h"
#include "ControlMessage.h"
#include "CustomAuthCheck.h"
#include "ExtraClassPath.h"
#include "HostTexts.h"
#include "JavaServerLauncher.h"
#include "Pickers.h"
#include "PortDialog.h"
#include "resource.h"

namespace brivel::serverhost {
namespace {

void ExchangeText(brivel::winui::DataExchange& dx, int id, std::string& value) {
    CString text = value;
    dx.Text(id, text);
    if (dx.Saving()) value = text.str();
}

void ExchangeCheck(brivel::winui::DataExchange& dx, int id, bool& value) {
    int checked = value ? 1 : 0;
    dx.Check(id, checked);
    if (dx.Saving()) value = checked == 1;
}

bool FileExists(const std::string& path) { return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

}  // namespace

CConfigDialog::CConfigDialog(IConfigDialogOwner& owner) : Dialog(IDD_CONFIG_DIALOG), owner_(owner) {
    for (int id : {IDC_ENABLE_SSL, IDC_AUTH_REQUIRED, IDC_DEFAULT_AUTH, IDC_CUSTOM_AUTH, IDC_SSL_ONLY}) {
        OnClicked(id, [this] {
            MarkEdited(true);
            ApplyRules();
        });
    }
    for (int id : {IDC_AUTH_FILE, IDC_AUTH_CLASS, IDC_AUTH_ARG, IDC_KEY_FILE, IDC_PASSWORD})
        OnCommand(id, EN_CHANGE, [this] { MarkEdited(true); });
    OnClicked(IDC_CHANGE_PORT, [this] { ChangePort(false); });
    OnClicked(IDC_CHANGE_SSL_PORT, [this] { ChangePort(true); });
    OnClicked(IDC_BROWSE_KEY_FILE, [this] { BrowseInto(IDC_KEY_FILE, kKeyFileFilter); });
    OnClicked(IDC_BROWSE_AUTH_FILE, [this] { BrowseInto(IDC_AUTH_FILE, kAuthFileFilter); });
    OnClicked(IDC_EXTRA_CLASSPATH, [this] { EditClassPath(); });
    OnClicked(IDC_CONFIG_HELP, [this] {
        std::string help = std::string(BrvServerGetConfigDir()) + "\\help\\RemoteConfig.html";
        ShellExecuteA(Handle(), "open", help.c_str(), nullptr, nullptr, SW_SHOWNORMAL);
    });
    OnClicked(IDC_CLOSE, [this] { OnCancel(); });
}

bool CConfigDialog::OnInitDialog() {
    opened_ = TakeServerConfigSnapshot(items_);
    values_ = LoadServerConfig(items_);
    loading_ = true;
    UpdateData(false);
    loading_ = false;
    ApplyRules();
    edited_ = changed_ = false;
    ShowEditButtons();
    return true;
}

void CConfigDialog::DoDataExchange(brivel::winui::DataExchange& dx) {
    if (!dx.Saving()) {
        SetItemText(IDC_PORT, std::to_string(values_.port).c_str());
        SetItemText(IDC_SSL_PORT, std::to_string(values_.sslPort).c_str());
    }
    ExchangeCheck(dx, IDC_ENABLE_SSL, values_.sslEnabled);
    ExchangeText(dx, IDC_KEY_FILE, values_.keyFile);
    ExchangeText(dx, IDC_PASSWORD, values_.keyPassword);
    ExchangeCheck(dx, IDC_SSL_ONLY, values_.sslOnly);
    ExchangeCheck(dx, IDC_AUTH_REQUIRED, values_.authRequired);
    dx.Radio(IDC_DEFAULT_AUTH, values_.authKind);
    ExchangeText(dx, IDC_AUTH_FILE, values_.authFile);
    ExchangeText(dx, IDC_AUTH_CLASS, values_.authClass);
    ExchangeText(dx, IDC_AUTH_ARG, values_.authArg);
}

void CConfigDialog::MarkEdited(bool changed) {
    if (loading_) return;
    edited_ = true;
    changed_ = changed_ || changed;
    ShowEditButtons();
}

void CConfigDialog::ShowEditButtons() {
    ShowItem(IDOK, edited_);
    ShowItem(IDCANCEL, edited_);
    ShowItem(IDC_CLOSE, !edited_);
}

void CConfigDialog::ApplyRules() {
    UpdateData(true);
    ServerConfigEnabling enabling = EnablingOf(values_);
    for (int id : {IDC_SSL_PORT_LABEL, IDC_CHANGE_SSL_PORT, IDC_SSL_ONLY, IDC_SSL_PORT, IDC_KEY_FILE_LABEL,
                   IDC_KEY_FILE, IDC_BROWSE_KEY_FILE, IDC_PASSWORD_LABEL, IDC_PASSWORD})
        EnableItem(id, enabling.ssl);
    EnableItem(IDC_DEFAULT_AUTH, enabling.authKinds);
    EnableItem(IDC_CUSTOM_AUTH, enabling.authKinds);
    for (int id : {IDC_AUTH_FILE_LABEL, IDC_AUTH_FILE, IDC_BROWSE_AUTH_FILE}) EnableItem(id, enabling.authFile);
    for (int id : {IDC_AUTH_CLASS_LABEL, IDC_AUTH_CLASS, IDC_AUTH_ARG_LABEL, IDC_AUTH_ARG})
        EnableItem(id, enabling.authClass);
}

void CConfigDialog::ChangePort(bool ssl) {
    int& port = ssl ? values_.sslPort : values_.port;
    CPortDialog dialog(ssl ? kPortTypeSsl : kPortTypeNormal, ssl ? kDefaultSslPort : kDefaultServerPort, port);
    if (dialog.DoModal(Handle()) != IDOK) return;
    port = dialog.Port();
    SetItemText(ssl ? IDC_SSL_PORT : IDC_PORT, std::to_string(port).c_str());
    MarkEdited(true);
}

void CConfigDialog::BrowseInto(int editId, const char* filter) {
    brivel::winui::FilePickerOptions options;
    options.filter = filter;
    CString file;
    if (!brivel::winui::PickFile(Handle(), options, file)) return;
    SetItemText(editId, file);
    MarkEdited(true);
}

// The list goes into the item list at once, as the server reads it; Cancel
// of this dialog takes it back. A changed class path takes effect only when
// the server starts again, so it arms the restart note like any change.
void CConfigDialog::EditClassPath() {
    CClassPathDialog dialog(SplitExtraClassPath(items_.Get("ExtraClasspath")));
    if (dialog.DoModal(Handle()) != IDOK) return;
    if (dialog.Entries().empty()) items_.Delete("ExtraClasspath");
    else items_.Set("ExtraClasspath", JoinExtraClassPath(dialog.Entries()).c_str());
    MarkEdited(true);
}

void CConfigDialog::OnOK() {
    UpdateData(true);
    CMessageBoxes messages(Handle());
    std::string problem = CheckServerConfig(values_, FileExists);
    if (!problem.empty()) return messages.Show(problem);
    if (NeedsAuthClassTest(values_) && !CheckCustomAuthClass(messages, ServerLauncher(), values_.authClass)) return;
    StoreServerConfig(values_, items_);
    if (!BrvServerWriteConfigFile()) return messages.Show(kCannotWriteConfig + std::string(BrvServerGetConfigFile()));
    if (changed_ && owner_.RefreshServiceRunning()) {
        owner_.ArmRestartReminder();
        messages.Show(kRestartRequired, kRestartRequiredCaption, MB_ICONSTOP);
    }
    EndDialog(IDOK);
}

void CConfigDialog::OnCancel() {
    RestoreServerConfigSnapshot(opened_, items_);
    EndDialog(IDCANCEL);
}

}  // namespace brivel::serverhost
