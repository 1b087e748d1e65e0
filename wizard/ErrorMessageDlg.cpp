#include "ErrorMessageDlg.h"

#include "MessageBoxLayout.h"
#include "resource.h"

namespace {

// Messages wider than this share of the screen are wrapped.
int MaxTextWidth() { return GetSystemMetrics(SM_CXSCREEN) * 3 / 5; }

void MoveTo(HWND window, const BoxRect& r) { MoveWindow(window, r.left, r.top, r.Width(), r.Height(), TRUE); }

}  // namespace

CErrorMessageDlg::CErrorMessageDlg() : Dialog(IDD_ERROR_MESSAGE) {
    OnClicked(IDYES, [this] { EndDialog(IDOK); });
    OnClicked(IDNO, [this] { EndDialog(IDCANCEL); });
}

bool CErrorMessageDlg::OnInitDialog() {
    Dialog::OnInitDialog();
    if (!m_caption.IsEmpty()) SetTitle(m_caption);
    m_textCtrl.Attach(*this, IDC_MESSAGE_TEXT);
    m_textCtrl.SetText(m_message);
    m_yes.SubclassButton(*this, IDYES);
    m_no.SubclassButton(*this, IDNO);
    m_close.SubclassButton(*this, IDOK);
    ShowItem(IDYES, m_question != 0);
    ShowItem(IDNO, m_question != 0);
    ShowItem(IDOK, m_question == 0);
    LayOut();
    SetFocus(Item(m_question ? IDYES : IDOK));
    return false;  // the focus is set
}

void CErrorMessageDlg::LayOut() {
    SIZE text = m_textCtrl.Measure(MaxTextWidth());
    RECT button;
    GetWindowRect(Item(IDOK), &button);
    MessageBoxLayout layout = LayOutMessageBox(text.cx, text.cy, button.right - button.left,
                                               button.bottom - button.top, m_question != 0);
    MoveTo(m_textCtrl.Handle(), layout.text);
    MoveTo(Item(IDYES), layout.yes);
    MoveTo(Item(IDNO), layout.no);
    MoveTo(Item(IDOK), layout.close);

    // The window around that client area, centred over its owner (or the screen).
    RECT frame = {0, 0, layout.clientWidth, layout.clientHeight};
    AdjustWindowRectEx(&frame, static_cast<DWORD>(GetWindowLongA(Handle(), GWL_STYLE)), FALSE,
                       static_cast<DWORD>(GetWindowLongA(Handle(), GWL_EXSTYLE)));
    int width = frame.right - frame.left;
    int height = frame.bottom - frame.top;
    RECT around = {0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
    HWND owner = GetWindow(Handle(), GW_OWNER);
    if (owner && IsWindowVisible(owner)) GetWindowRect(owner, &around);
    int x = around.left + ((around.right - around.left) - width) / 2;
    int y = around.top + ((around.bottom - around.top) - height) / 2;
    if (x < 0) x = 0;
    if (y < 0) y = 0;
    MoveWindow(Handle(), x, y, width, height, TRUE);
}
