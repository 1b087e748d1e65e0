#include "WaitDlg.h"

#include "resource.h"

CWaitDlg::CWaitDlg(HWND parent) : Dialog(IDD_WAIT), m_parent(parent) {}

bool CWaitDlg::Show(HWND parent) {
    if (!Create(parent ? parent : m_parent)) return false;
    ShowWindow(Handle(), SW_SHOW);
    UpdateWindow(Handle());
    return true;
}

void CWaitDlg::DoDataExchange(brivel::winui::DataExchange& dx) { dx.Text(IDC_WAIT_TEXT, m_message); }
