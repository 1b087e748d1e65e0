#include "DataExchange.h"

namespace brivel::winui {
namespace {

bool IsRadioButton(HWND control) {
    if (!control) return false;
    char className[16] = "";
    GetClassNameA(control, className, sizeof className);
    if (lstrcmpiA(className, "Button") != 0) return false;
    LONG type = GetWindowLongA(control, GWL_STYLE) & BS_TYPEMASK;
    return type == BS_RADIOBUTTON || type == BS_AUTORADIOBUTTON;
}

// The radio buttons of the group that starts with `first`.
std::vector<HWND> RadioGroup(HWND first) {
    std::vector<HWND> group;
    for (HWND control = first; IsRadioButton(control); control = GetWindow(control, GW_HWNDNEXT)) {
        if (control != first && (GetWindowLongA(control, GWL_STYLE) & WS_GROUP)) break;
        group.push_back(control);
    }
    return group;
}

}  // namespace

CString WindowText(HWND window) {
    int length = GetWindowTextLengthA(window);
    if (length <= 0) return CString();
    std::vector<char> text(static_cast<size_t>(length) + 1, '\0');
    int copied = GetWindowTextA(window, text.data(), length + 1);
    return CString(text.data(), copied);
}

void DataExchange::Text(int id, CString& value) {
    HWND control = GetDlgItem(dialog_, id);
    if (!control) return;
    if (saving_) value = WindowText(control);
    else SetWindowTextA(control, value);
}

void DataExchange::Check(int id, int& value) {
    HWND control = GetDlgItem(dialog_, id);
    if (!control) return;
    if (saving_) value = static_cast<int>(SendMessageA(control, BM_GETCHECK, 0, 0));
    else SendMessageA(control, BM_SETCHECK, static_cast<WPARAM>(value), 0);
}

void DataExchange::Radio(int firstId, int& value) {
    std::vector<HWND> group = RadioGroup(GetDlgItem(dialog_, firstId));
    if (saving_) {
        value = -1;
        for (size_t i = 0; i < group.size(); ++i)
            if (SendMessageA(group[i], BM_GETCHECK, 0, 0) == BST_CHECKED) value = static_cast<int>(i);
        return;
    }
    for (size_t i = 0; i < group.size(); ++i)
        SendMessageA(group[i], BM_SETCHECK, static_cast<int>(i) == value ? BST_CHECKED : BST_UNCHECKED, 0);
}

void DataExchange::ListStrings(int id, std::vector<CString>& values) {
    HWND list = GetDlgItem(dialog_, id);
    if (!list) return;
    if (!saving_) {
        SendMessageA(list, LB_RESETCONTENT, 0, 0);
        for (const CString& value : values)
            SendMessageA(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(value.c_str()));
        return;
    }
    values.clear();
    LRESULT count = SendMessageA(list, LB_GETCOUNT, 0, 0);
    for (LRESULT i = 0; i < count; ++i) {
        LRESULT length = SendMessageA(list, LB_GETTEXTLEN, static_cast<WPARAM>(i), 0);
        std::vector<char> text(static_cast<size_t>(length > 0 ? length : 0) + 1, '\0');
        SendMessageA(list, LB_GETTEXT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(text.data()));
        values.emplace_back(text.data());
    }
}

}  // namespace brivel::winui
