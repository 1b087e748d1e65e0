#include "TextCtrl.h"

namespace {
constexpr int kMargin = 4;
constexpr UINT kTextFormat = DT_LEFT | DT_WORDBREAK | DT_EXPANDTABS | DT_NOPREFIX;
}  // namespace

void CTextCtrl::SetText(const char* text) {
    m_text = text;
    if (!Handle()) return;
    // The window text too, so that it can be read like any static's.
    SetWindowTextA(Handle(), m_text);
    InvalidateRect(Handle(), nullptr, TRUE);
}

SIZE CTextCtrl::Measure(int maxWidth) {
    SIZE size = {2 * kMargin, 2 * kMargin};
    if (!Handle() || m_text.IsEmpty()) return size;
    HDC dc = GetDC(Handle());
    HGDIOBJ old = SelectObject(dc, m_font.Get(dc));
    RECT r = {0, 0, maxWidth - 2 * kMargin, 0};
    DrawTextA(dc, m_text, -1, &r, kTextFormat | DT_CALCRECT);
    SelectObject(dc, old);
    ReleaseDC(Handle(), dc);
    size.cx += r.right - r.left;
    size.cy += r.bottom - r.top;
    return size;
}

void CTextCtrl::Paint() {
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(Handle(), &paint);
    RECT client;
    GetClientRect(Handle(), &client);
    // The parent's background, as for any static text on it.
    auto brush = reinterpret_cast<HBRUSH>(
        SendMessageA(GetParent(Handle()), WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc),
                     reinterpret_cast<LPARAM>(Handle())));
    FillRect(dc, &client, brush ? brush : GetSysColorBrush(COLOR_BTNFACE));
    if (!m_text.IsEmpty()) {
        HGDIOBJ old = SelectObject(dc, m_font.Get(dc));
        SetBkMode(dc, TRANSPARENT);
        RECT area = {client.left + kMargin, client.top + kMargin, client.right - kMargin, client.bottom - kMargin};
        DrawTextA(dc, m_text, -1, &area, kTextFormat);
        SelectObject(dc, old);
    }
    EndPaint(Handle(), &paint);
}

LRESULT CTextCtrl::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_PAINT) {
        Paint();
        return 0;
    }
    if (message == WM_ERASEBKGND) return 1;  // painted whole in WM_PAINT
    return DefaultProc(message, wParam, lParam);
}
