#include "CheckListBox.h"

CCheckListBox::~CCheckListBox() {
    if (m_headerFont) DeleteObject(m_headerFont);
}

void CCheckListBox::SetEntries(std::vector<MemberEntry> entries) {
    m_entries = std::move(entries);
    HWND list = Handle();
    SendMessageA(list, LB_RESETCONTENT, 0, 0);
    for (size_t i = 0; i < m_entries.size(); ++i) {
        LRESULT index = SendMessageA(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(m_entries[i].text.c_str()));
        SendMessageA(list, LB_SETITEMDATA, static_cast<WPARAM>(index), static_cast<LPARAM>(i));
    }
}

MemberEntry* CCheckListBox::EntryAt(int index) {
    if (index < 0) return nullptr;
    LRESULT data = SendMessageA(Handle(), LB_GETITEMDATA, static_cast<WPARAM>(index), 0);
    if (data == LB_ERR || static_cast<size_t>(data) >= m_entries.size()) return nullptr;
    return &m_entries[static_cast<size_t>(data)];
}

void CCheckListBox::RefreshEntry(int index) {
    MemberEntry* entry = EntryAt(index);
    if (!entry) return;
    entry->text = MemberEntryText(*entry);
    HWND list = Handle();
    LRESULT data = SendMessageA(list, LB_GETITEMDATA, static_cast<WPARAM>(index), 0);
    bool selected = SendMessageA(list, LB_GETCURSEL, 0, 0) == index;
    SendMessageA(list, LB_DELETESTRING, static_cast<WPARAM>(index), 0);
    SendMessageA(list, LB_INSERTSTRING, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(entry->text.c_str()));
    SendMessageA(list, LB_SETITEMDATA, static_cast<WPARAM>(index), data);
    if (selected) SendMessageA(list, LB_SETCURSEL, static_cast<WPARAM>(index), 0);
}

HFONT CCheckListBox::HeaderFont() {
    if (!m_headerFont) {
        LOGFONTA font = {};
        font.lfWeight = FW_BOLD;
        m_headerFont = CreateFontIndirectA(&font);
    }
    return m_headerFont;
}

void CCheckListBox::DrawItem(const DRAWITEMSTRUCT& item) {
    HDC dc = item.hDC;
    RECT row = item.rcItem;
    if (item.itemID == static_cast<UINT>(-1)) {
        DrawFocusRect(dc, &row);
        return;
    }
    MemberEntry* entry = EntryAt(static_cast<int>(item.itemID));
    if (!entry) return;
    const bool member = entry->kind != MemberEntry::kHeader;
    const bool selected = member && (item.itemState & ODS_SELECTED);
    FillRect(dc, &row, GetSysColorBrush(selected ? COLOR_HIGHLIGHT : COLOR_WINDOW));

    int textLeft = row.left;
    HFONT oldFont = nullptr;
    if (member) {
        // A square in the row less two pixels on every side.
        int size = (row.bottom - row.top) - 4;
        RECT box = {row.left + 2, row.top + 2, row.left + 2 + size, row.top + 2 + size};
        HPEN pen = CreatePen(PS_SOLID, 1, GetSysColor(selected ? COLOR_HIGHLIGHTTEXT : COLOR_WINDOWTEXT));
        HGDIOBJ oldPen = SelectObject(dc, pen);
        HGDIOBJ oldBrush = SelectObject(dc, GetStockObject(NULL_BRUSH));
        Rectangle(dc, box.left, box.top, box.right, box.bottom);
        if (entry->selection && *entry->selection) {
            MoveToEx(dc, box.left, box.top, nullptr);
            LineTo(dc, box.right - 1, box.bottom - 1);
            MoveToEx(dc, box.right - 1, box.top, nullptr);
            LineTo(dc, box.left, box.bottom - 1);
        }
        SelectObject(dc, oldBrush);
        SelectObject(dc, oldPen);
        DeleteObject(pen);
        m_checkBoxWidth = box.right + 2 - row.left;
        textLeft = box.right + 2;
        COLORREF colour = entry->kind == MemberEntry::kUnavailable ? GetSysColor(COLOR_GRAYTEXT)
                          : selected                                ? GetSysColor(COLOR_HIGHLIGHTTEXT)
                                                                    : GetSysColor(COLOR_WINDOWTEXT);
        SetTextColor(dc, colour);
    } else {
        oldFont = static_cast<HFONT>(SelectObject(dc, HeaderFont()));
        SetTextColor(dc, GetSysColor(COLOR_WINDOWTEXT));
    }
    SetBkMode(dc, TRANSPARENT);
    TextOutA(dc, textLeft, row.top + 2, entry->text, entry->text.GetLength());
    SIZE extent = {};
    GetTextExtentPoint32A(dc, entry->text, entry->text.GetLength(), &extent);
    if (oldFont) SelectObject(dc, oldFont);
    if (item.itemState & ODS_FOCUS) DrawFocusRect(dc, &row);

    // The list scrolls sideways as far as its longest row reaches.
    int right = textLeft + extent.cx + 1;
    if (right > static_cast<int>(SendMessageA(Handle(), LB_GETHORIZONTALEXTENT, 0, 0)))
        SendMessageA(Handle(), LB_SETHORIZONTALEXTENT, static_cast<WPARAM>(right), 0);
}

LRESULT CCheckListBox::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    LRESULT result = DefaultProc(message, wParam, lParam);
    if (message != WM_LBUTTONUP) return result;
    LRESULT hit = SendMessageA(Handle(), LB_ITEMFROMPOINT, 0, lParam);
    if (HIWORD(hit)) return result;  // below the last row
    int index = LOWORD(hit);
    MemberEntry* entry = EntryAt(index);
    if (!entry) return result;
    int x = static_cast<short>(LOWORD(lParam));
    if (ClickToggles(*entry, x, m_checkBoxWidth)) {
        *entry->selection = !*entry->selection;
        RECT row;
        if (SendMessageA(Handle(), LB_GETITEMRECT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&row)) != LB_ERR)
            InvalidateRect(Handle(), &row, TRUE);
    }
    return result;
}
