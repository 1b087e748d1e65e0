#include "AboutDlg.h"

#include "resource.h"

CAboutDlg::CAboutDlg() : Dialog(IDD_ABOUTBOX) {}

bool CAboutDlg::OnInitDialog() {
    Dialog::OnInitDialog();
    m_ok.SubclassButton(*this, IDOK);
    return true;
}
