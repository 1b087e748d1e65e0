#include "MethodsDlg.h"

#include "ClassListIds.h"
#include "ClassListModel.h"
#include "JavaClassSpec.h"
#include "JavaTypeHandler.h"
#include "JavaVmHostInterface.h"
#include "MessageBoxes.h"

namespace {

bool IsLong(const CJavaTypeHandler* type) {
    return type && (type->GetTypeCode() == kTypeLong || type->GetTypeCode() == kTypeLong32);
}

// Switches a long between its 64-bit and its 32-bit COM form.
void SetLongForm(CJavaTypeHandler*& type, bool use32Bit) {
    if (IsLong(type)) type = GetStaticTypeHandler(use32Bit ? kTypeLong32 : kTypeLong);
}

}  // namespace

CMethodsDlg::CMethodsDlg(CJavaClassSpec& javaClass, IJavaVmHost* vmHost)
    : Dialog(IDD_METHODS), m_class(javaClass), m_vmHost(vmHost) {
    OnCommand(IDC_MEMBER_LIST, LBN_SELCHANGE, [this] { RefreshMemberControls(); });
    OnClicked(IDC_COM_NAME_UPDATE, [this] { OnUpdateComName(); });
    OnClicked(IDC_PARAMETER_UPDATE, [this] { OnUpdateParameter(); });
    OnClicked(IDC_COMMENT_UPDATE, [this] { OnUpdateComment(); });
    OnClicked(IDC_SELECT_ALL_METHODS, [this] { OnSelectAll(); });
    OnClicked(IDC_USE_FOR_EVENTS, [this] { OnUseForEvents(); });
    OnClicked(IDC_USE_32_BIT_INTEGER, [this] { OnUse32BitParameters(); });
    OnClicked(IDC_TRUNCATE_RETURN, [this] { OnTruncateReturn(); });
}

bool CMethodsDlg::OnInitDialog() {
    Dialog::OnInitDialog();
    OwnerDrawPushButtons(*this, m_buttons);
    if (m_vmHost) m_vmHost->ReflectClass(&m_class);
    m_list.Attach(*this, IDC_MEMBER_LIST);
    m_list.SetEntries(BuildMemberEntries(m_class));
    // An interface not yet receiving events may be turned into one.
    ShowItem(IDC_USE_FOR_EVENTS, m_class.m_isInterface != 0 && m_class.m_eventInterface == 0);
    RefreshMemberControls();
    return true;
}

int CMethodsDlg::SelectedRow() const {
    LRESULT selected = SendMessageA(Item(IDC_MEMBER_LIST), LB_GETCURSEL, 0, 0);
    return selected == LB_ERR ? -1 : static_cast<int>(selected);
}

MemberEntry* CMethodsDlg::SelectedEntry() {
    MemberEntry* entry = m_list.EntryAt(SelectedRow());
    return entry && entry->kind != MemberEntry::kHeader ? entry : nullptr;
}

void CMethodsDlg::FillParameters(int selected) {
    HWND list = Item(IDC_PARAMETER_LIST);
    SendMessageA(list, LB_RESETCONTENT, 0, 0);
    MemberEntry* entry = SelectedEntry();
    if (!entry || !entry->method) return;
    for (const CString& name : entry->method->m_parameterNames)
        SendMessageA(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(name.c_str()));
    if (selected >= 0) SendMessageA(list, LB_SETCURSEL, static_cast<WPARAM>(selected), 0);
}

void CMethodsDlg::RefreshMemberControls() {
    MemberEntry* entry = SelectedEntry();
    SetItemText(IDC_MEMBER_DESCRIPTION, entry ? MemberDescription(*entry) : CString());
    const CString* comName = nullptr;
    const CString* comment = nullptr;
    bool longParameter = false, longResult = false, use32 = false, truncate = false;
    if (entry && entry->method) {
        comName = &entry->method->m_comName;
        comment = &entry->method->m_comment;
        for (CJavaTypeHandler* type : entry->method->m_parameterTypes) {
            if (!IsLong(type)) continue;
            longParameter = true;
            use32 = type->GetTypeCode() == kTypeLong32;
        }
        longResult = IsLong(entry->method->m_returnType);
        truncate = longResult && entry->method->m_returnType->GetTypeCode() == kTypeLong32;
    } else if (entry && entry->field) {
        comName = &entry->field->m_comName;
        comment = &entry->field->m_comment;
        longParameter = IsLong(entry->field->m_type);
        use32 = longParameter && entry->field->m_type->GetTypeCode() == kTypeLong32;
    }
    SetItemText(IDC_MEMBER_COM_NAME, comName ? comName->c_str() : "");
    SetItemText(IDC_MEMBER_COMMENT, comment ? comment->c_str() : "");
    SetItemText(IDC_PARAMETER_NEW_NAME, "");
    FillParameters(-1);
    ShowItem(IDC_USE_32_BIT_INTEGER, longParameter);
    CheckDlgButton(Handle(), IDC_USE_32_BIT_INTEGER, use32 ? BST_CHECKED : BST_UNCHECKED);
    ShowItem(IDC_TRUNCATE_RETURN, longResult);
    CheckDlgButton(Handle(), IDC_TRUNCATE_RETURN, truncate ? BST_CHECKED : BST_UNCHECKED);
    bool editable = entry != nullptr;
    for (int id : {IDC_MEMBER_COM_NAME, IDC_COM_NAME_UPDATE, IDC_MEMBER_COMMENT, IDC_COMMENT_UPDATE,
                   IDC_PARAMETER_NEW_NAME, IDC_PARAMETER_UPDATE})
        EnableItem(id, editable);
}

void CMethodsDlg::OnUpdateComName() {
    MemberEntry* entry = SelectedEntry();
    if (!entry) return;
    CString newName = ItemText(IDC_MEMBER_COM_NAME);
    newName.Trim();
    CString message;
    bool renamed = entry->method ? CClassListModel::RenameMember(m_class, entry->method, kComNameMethod,
                                                                 entry->method->m_comName, newName, message)
                                 : CClassListModel::RenameMember(m_class, entry->field, kComNameField,
                                                                 entry->field->m_comName, newName, message);
    if (!renamed) {
        ShowErrorBox(Handle(), message, this);
        return;
    }
    m_list.RefreshEntry(SelectedRow());
    SetItemText(IDC_MEMBER_COM_NAME, entry->method ? entry->method->m_comName : entry->field->m_comName);
}

void CMethodsDlg::OnUpdateParameter() {
    MemberEntry* entry = SelectedEntry();
    if (!entry) return;
    CJavaMethodSpec empty;
    const CJavaMethodSpec& method = entry->method ? *entry->method : empty;
    LRESULT selected = SendMessageA(Item(IDC_PARAMETER_LIST), LB_GETCURSEL, 0, 0);
    CString message;
    int index = -1;
    if (!CheckParameterRename(method, selected == LB_ERR ? -1 : static_cast<int>(selected),
                              ItemText(IDC_PARAMETER_NEW_NAME), m_class, message, index)) {
        if (!message.IsEmpty()) ShowErrorBox(Handle(), message, this);
        return;
    }
    CString name = ItemText(IDC_PARAMETER_NEW_NAME);
    name.Trim();
    entry->method->m_parameterNames[static_cast<size_t>(index)] = name;
    FillParameters(index);
}

void CMethodsDlg::OnUpdateComment() {
    MemberEntry* entry = SelectedEntry();
    if (!entry) return;
    CString comment = ItemText(IDC_MEMBER_COMMENT);
    (entry->method ? entry->method->m_comment : entry->field->m_comment) = comment;
    m_list.RefreshEntry(SelectedRow());
}

void CMethodsDlg::OnSelectAll() {
    for (MemberEntry& entry : m_list.Entries())
        if (entry.kind == MemberEntry::kAvailable && entry.selection) *entry.selection = true;
    InvalidateRect(Item(IDC_MEMBER_LIST), nullptr, TRUE);
}

void CMethodsDlg::OnUseForEvents() {
    m_useForEvents = true;
    EndDialog(IDOK);
}

void CMethodsDlg::OnUse32BitParameters() {
    MemberEntry* entry = SelectedEntry();
    if (!entry) return;
    bool use32 = IsDlgButtonChecked(Handle(), IDC_USE_32_BIT_INTEGER) == BST_CHECKED;
    if (entry->method) {
        for (CJavaTypeHandler*& type : entry->method->m_parameterTypes) SetLongForm(type, use32);
    } else {
        SetLongForm(entry->field->m_type, use32);
    }
    m_list.RefreshEntry(SelectedRow());
}

void CMethodsDlg::OnTruncateReturn() {
    MemberEntry* entry = SelectedEntry();
    if (!entry || !entry->method) return;
    SetLongForm(entry->method->m_returnType, IsDlgButtonChecked(Handle(), IDC_TRUNCATE_RETURN) == BST_CHECKED);
    m_list.RefreshEntry(SelectedRow());
}
