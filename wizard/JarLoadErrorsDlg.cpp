#include "JarLoadErrorsDlg.h"

#include "resource.h"

CJarLoadErrorsDlg::CJarLoadErrorsDlg(const std::vector<CString>& lines) : Dialog(IDD_JAR_LOAD_ERRORS), m_lines(lines) {}

bool CJarLoadErrorsDlg::OnInitDialog() {
    Dialog::OnInitDialog();
    m_close.SubclassButton(*this, IDOK);
    HWND list = Item(IDC_JAR_ERROR_LIST);
    // Wide enough to scroll to the end of the longest line.
    HDC dc = GetDC(list);
    HGDIOBJ old = SelectObject(dc, reinterpret_cast<HFONT>(SendMessageA(list, WM_GETFONT, 0, 0)));
    LONG widest = 0;
    for (const CString& line : m_lines) {
        SendMessageA(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(line.c_str()));
        SIZE extent{};
        GetTextExtentPoint32A(dc, line, line.GetLength(), &extent);
        if (extent.cx > widest) widest = extent.cx;
    }
    SelectObject(dc, old);
    ReleaseDC(list, dc);
    SendMessageA(list, LB_SETHORIZONTALEXTENT, static_cast<WPARAM>(widest + 8), 0);
    return true;
}
