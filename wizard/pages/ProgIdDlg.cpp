#include "ProgIdDlg.h"

#include "resource.h"

CProgIdDlg::CProgIdDlg() : Dialog(IDD_PROGID) {}

void CProgIdDlg::DoDataExchange(brivel::winui::DataExchange& dx) { dx.Text(IDC_PROGID, m_progId); }

bool CProgIdDlg::OnInitDialog() {
    Dialog::OnInitDialog();
    OwnerDrawPushButtons(*this, m_buttons);
    return true;
}
