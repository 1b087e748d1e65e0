#include "CallbackInterfacesDlg.h"

#include "MessageBoxes.h"
#include "resource.h"

CCallbackInterfacesDlg::CCallbackInterfacesDlg(const std::vector<CString>& names)
    : Dialog(IDD_CALLBACK_INTERFACES), m_list(names) {
    OnClicked(IDC_CALLBACK_ADD, [this] { OnAdd(); });
    OnClicked(IDC_CALLBACK_DELETE, [this] { OnDelete(); });
    OnCommand(IDC_CALLBACK_LIST, LBN_SELCHANGE, [this] { EnableDelete(); });
}

bool CCallbackInterfacesDlg::OnInitDialog() {
    Dialog::OnInitDialog();
    OwnerDrawPushButtons(*this, m_buttons);
    for (const CString& name : m_list.Names())
        SendMessageA(Item(IDC_CALLBACK_LIST), LB_INSERTSTRING, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(name.c_str()));
    EnableDelete();
    return true;
}

void CCallbackInterfacesDlg::EnableDelete() {
    EnableItem(IDC_CALLBACK_DELETE, SendMessageA(Item(IDC_CALLBACK_LIST), LB_GETCURSEL, 0, 0) != LB_ERR);
}

void CCallbackInterfacesDlg::OnAdd() {
    CString message = m_list.Add(ItemText(IDC_CALLBACK_NAME));
    if (!message.IsEmpty()) {
        ShowInfoBox(Handle(), message);
        return;
    }
    SendMessageA(Item(IDC_CALLBACK_LIST), LB_INSERTSTRING, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(m_list.Names().back().c_str()));
    SetItemText(IDC_CALLBACK_NAME, "");
}

void CCallbackInterfacesDlg::OnDelete() {
    HWND list = Item(IDC_CALLBACK_LIST);
    LRESULT selected = SendMessageA(list, LB_GETCURSEL, 0, 0);
    if (selected == LB_ERR) return;
    m_list.Delete(static_cast<int>(selected));
    SendMessageA(list, LB_DELETESTRING, static_cast<WPARAM>(selected), 0);
    EnableDelete();
}
