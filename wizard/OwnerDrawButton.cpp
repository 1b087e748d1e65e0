#include "OwnerDrawButton.h"

#include <vector>

#include "ButtonLook.h"
#include "Dialog.h"

namespace {

// A 3-D frame: one colour on the top and left edges, one on the bottom and right.
void DrawFrame(HDC dc, RECT r, COLORREF topLeft, COLORREF bottomRight) {
    HPEN light = CreatePen(PS_SOLID, 1, topLeft);
    HPEN dark = CreatePen(PS_SOLID, 1, bottomRight);
    HGDIOBJ old = SelectObject(dc, light);
    MoveToEx(dc, r.left, r.bottom - 1, nullptr);
    LineTo(dc, r.left, r.top);
    LineTo(dc, r.right - 1, r.top);
    SelectObject(dc, dark);
    LineTo(dc, r.right - 1, r.bottom - 1);
    LineTo(dc, r.left - 1, r.bottom - 1);
    SelectObject(dc, old);
    DeleteObject(light);
    DeleteObject(dark);
}

std::vector<char> ButtonText(HWND button) {
    int length = GetWindowTextLengthA(button);
    std::vector<char> text(static_cast<size_t>(length > 0 ? length : 0) + 1, '\0');
    GetWindowTextA(button, text.data(), length + 1);
    return text;
}

}  // namespace

bool COwnerDrawButton::SubclassButton(brivel::winui::Dialog& dialog, int id) {
    if (!Attach(dialog, id)) return false;
    LONG style = GetWindowLongA(Handle(), GWL_STYLE);
    SendMessageA(Handle(), BM_SETSTYLE, static_cast<WPARAM>((style & ~BS_TYPEMASK) | BS_OWNERDRAW), TRUE);
    return true;
}

LRESULT COwnerDrawButton::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_GETDLGCODE: {
        // The key's message comes with the question; taking it leaves the
        // dialog manager out of it.
        const MSG* key = reinterpret_cast<const MSG*>(lParam);
        if (key && ((key->message == WM_KEYDOWN && key->wParam == VK_RETURN) ||
                    (key->message == WM_CHAR && key->wParam == '\r')))
            return DefaultProc(message, wParam, lParam) | DLGC_WANTMESSAGE;
        break;
    }
    case WM_KEYDOWN:
        if (wParam == VK_RETURN) {
            HWND dialog = GetParent(Handle());
            SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(Handle()), BN_CLICKED),
                         reinterpret_cast<LPARAM>(Handle()));
            return 0;
        }
        break;
    case WM_CHAR:
        if (wParam == '\r') return 0;
        break;
    default:
        break;
    }
    return DefaultProc(message, wParam, lParam);
}

void COwnerDrawButton::DrawItem(const DRAWITEMSTRUCT& item) {
    HDC dc = item.hDC;
    RECT r = item.rcItem;
    HBRUSH background = CreateSolidBrush(kDialogColour);
    FillRect(dc, &r, background);
    DeleteObject(background);

    ButtonFrameColours frame = ButtonFrame((item.itemState & ODS_SELECTED) != 0);
    DrawFrame(dc, r, frame.outerTopLeft, frame.outerBottomRight);
    RECT inner = {r.left + 1, r.top + 1, r.right - 1, r.bottom - 1};
    DrawFrame(dc, inner, frame.innerTopLeft, frame.innerBottomRight);

    std::vector<char> text = ButtonText(item.hwndItem);
    HGDIOBJ oldFont = SelectObject(dc, m_font.Get(dc));
    int oldMode = SetBkMode(dc, TRANSPARENT);
    COLORREF oldColour = SetTextColor(dc, kDialogTextColour);
    if (item.itemState & ODS_DISABLED) {
        // The system's disabled look, centred by the text's extent.
        SIZE extent{};
        GetTextExtentPoint32A(dc, text.data(), lstrlenA(text.data()), &extent);
        int x = r.left + ((r.right - r.left) - extent.cx) / 2;
        int y = r.top + ((r.bottom - r.top) - extent.cy) / 2;
        DrawStateA(dc, nullptr, nullptr, reinterpret_cast<LPARAM>(text.data()), 0, x, y, extent.cx, extent.cy,
                   DST_PREFIXTEXT | DSS_DISABLED);
    } else if (GetWindowLongA(item.hwndItem, GWL_STYLE) & BS_MULTILINE) {
        RECT area = {r.left + 4, r.top + 4, r.right - 4, r.bottom - 4};
        RECT measured = area;
        DrawTextA(dc, text.data(), -1, &measured, DT_CENTER | DT_WORDBREAK | DT_CALCRECT);
        int height = measured.bottom - measured.top;
        area.top += ((area.bottom - area.top) - height) / 2;
        DrawTextA(dc, text.data(), -1, &area, DT_CENTER | DT_WORDBREAK);
    } else {
        DrawTextA(dc, text.data(), -1, &r, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    }
    SetTextColor(dc, oldColour);
    SetBkMode(dc, oldMode);
    SelectObject(dc, oldFont);
}

void OwnerDrawPushButtons(brivel::winui::Dialog& dialog, std::vector<std::unique_ptr<COwnerDrawButton>>& buttons) {
    for (HWND child = GetWindow(dialog.Handle(), GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        char className[16] = "";
        GetClassNameA(child, className, sizeof className);
        LONG type = GetWindowLongA(child, GWL_STYLE) & BS_TYPEMASK;
        if (lstrcmpiA(className, "Button") != 0 || (type != BS_PUSHBUTTON && type != BS_DEFPUSHBUTTON)) continue;
        auto button = std::make_unique<COwnerDrawButton>();
        if (button->SubclassButton(dialog, GetDlgCtrlID(child))) buttons.push_back(std::move(button));
    }
}
