#include "OptionDlgs.h"

#include "resource.h"

bool COptionDlg::OnInitDialog() {
    Dialog::OnInitDialog();
    OwnerDrawPushButtons(*this, m_buttons);
    return true;
}

CDcomSupportDlg::CDcomSupportDlg() : COptionDlg(IDD_DCOM_SUPPORT) {}
void CDcomSupportDlg::DoDataExchange(brivel::winui::DataExchange& dx) {
    dx.Check(IDC_REMOTE_CONSTRUCTORS, m_remoteConstructors);
}

void CDcomSupportDlg::OnCancel() {
    UpdateData(true);
    EndDialog(IDCANCEL);
}

CDualInterfaceDlg::CDualInterfaceDlg() : COptionDlg(IDD_DUAL_INTERFACE) {}
void CDualInterfaceDlg::DoDataExchange(brivel::winui::DataExchange& dx) { dx.Radio(IDC_DISPATCH_MODEL, m_model); }

CRemoteAccessDlg::CRemoteAccessDlg() : COptionDlg(IDD_REMOTE_ACCESS) {}
void CRemoteAccessDlg::DoDataExchange(brivel::winui::DataExchange& dx) {
    dx.Check(IDC_BUILD_REMOTE_ACCESS, m_buildRemoteAccess);
}

CObjectCreationDlg::CObjectCreationDlg() : COptionDlg(IDD_OBJECT_CREATION) {}
void CObjectCreationDlg::DoDataExchange(brivel::winui::DataExchange& dx) {
    dx.Check(IDC_SERVER_ONLY_CREATION, m_serverOnly);
}
