#include "Dialog.h"

#include "Control.h"
#include "WinApp.h"

namespace brivel::winui {
namespace {

HINSTANCE ResourceInstance() {
    WinApp* app = WinApp::Current();
    return app && app->Instance() ? app->Instance() : GetModuleHandleA(nullptr);
}

bool IsEditControl(HWND control) {
    char className[16] = "";
    GetClassNameA(control, className, sizeof className);
    return lstrcmpiA(className, "Edit") == 0;
}

// Messages whose result the dialog procedure returns itself instead of
// through DWLP_MSGRESULT.
bool ReturnsResultDirectly(UINT message) {
    switch (message) {
    case WM_CTLCOLORMSGBOX:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLORDLG:
    case WM_CTLCOLORSCROLLBAR:
    case WM_CTLCOLORSTATIC:
    case WM_COMPAREITEM:
    case WM_VKEYTOITEM:
    case WM_CHARTOITEM:
    case WM_QUERYDRAGICON:
    case WM_INITDIALOG:
        return true;
    default:
        return false;
    }
}

}  // namespace

Dialog::Dialog(int templateId) : templateId_(templateId) {}

Dialog::~Dialog() {
    if (hwnd_ && !modal_) ::DestroyWindow(hwnd_);
    for (auto& entry : controls_) entry.second->owner_ = nullptr;
}

INT_PTR Dialog::DoModal(HWND owner) {
    modal_ = true;
    INT_PTR result = DialogBoxParamA(ResourceInstance(), MAKEINTRESOURCEA(templateId_), owner, DialogProc,
                                     reinterpret_cast<LPARAM>(this));
    modal_ = false;
    return result;
}

bool Dialog::Create(HWND parent) {
    modal_ = false;
    HWND window = CreateDialogParamA(ResourceInstance(), MAKEINTRESOURCEA(templateId_), parent, DialogProc,
                                     reinterpret_cast<LPARAM>(this));
    return window != nullptr;
}

void Dialog::EndDialog(INT_PTR result) {
    if (!hwnd_) return;
    if (modal_) ::EndDialog(hwnd_, result);
    else ::DestroyWindow(hwnd_);
}

void Dialog::DestroyWindow() {
    if (hwnd_) ::DestroyWindow(hwnd_);
}

bool Dialog::UpdateData(bool save) {
    if (!hwnd_) return false;
    DataExchange exchange(hwnd_, save);
    DoDataExchange(exchange);
    return true;
}

CString Dialog::ItemText(int id) const { return WindowText(Item(id)); }

bool Dialog::OnInitDialog() {
    UpdateData(false);
    return true;
}

void Dialog::OnOK() {
    if (GetWindowLongA(hwnd_, GWL_STYLE) & WS_CHILD) return;
    UpdateData(true);
    EndDialog(IDOK);
}

void Dialog::OnCancel() {
    if (GetWindowLongA(hwnd_, GWL_STYLE) & WS_CHILD) return;
    EndDialog(IDCANCEL);
}

bool Dialog::HandleMessage(UINT, WPARAM, LPARAM, INT_PTR&) { return false; }

void Dialog::OnCommand(int id, int code, std::function<void()> handler) {
    commands_[{id, code}] = std::move(handler);
}

void Dialog::OnMessage(UINT message, std::function<INT_PTR(WPARAM, LPARAM)> handler) {
    messages_[message] = std::move(handler);
}

void Dialog::Register(Control* control, int id) { controls_[id] = control; }

void Dialog::Unregister(Control* control) {
    for (auto it = controls_.begin(); it != controls_.end(); ++it) {
        if (it->second == control) {
            controls_.erase(it);
            return;
        }
    }
}

bool Dialog::ColourControl(UINT message, HDC dc, HWND control, INT_PTR& result) const {
    WinApp* app = WinApp::Current();
    if (!app || !app->DialogBrush()) return false;
    if (message != WM_CTLCOLORDLG && message != WM_CTLCOLORSTATIC && message != WM_CTLCOLORBTN &&
        message != WM_CTLCOLORMSGBOX)
        return false;
    // Read-only and disabled edits ask as static controls; they keep the
    // system's look.
    if (message == WM_CTLCOLORSTATIC && IsEditControl(control)) return false;
    SetBkColor(dc, app->DialogBkColor());
    SetTextColor(dc, app->DialogTextColor());
    result = reinterpret_cast<INT_PTR>(app->DialogBrush());
    return true;
}

bool Dialog::Dispatch(UINT message, WPARAM wParam, LPARAM lParam, INT_PTR& result) {
    auto handler = messages_.find(message);
    if (handler != messages_.end()) {
        result = handler->second(wParam, lParam);
        return true;
    }
    switch (message) {
    case WM_INITDIALOG:
        result = OnInitDialog() ? TRUE : FALSE;
        return true;
    case WM_COMMAND: {
        int id = LOWORD(wParam);
        int code = HIWORD(wParam);
        auto command = commands_.find({id, code});
        if (command != commands_.end()) {
            command->second();
            result = 0;
            return true;
        }
        // Enter and Escape arrive with code 0, a button click with BN_CLICKED (also 0).
        if (code == BN_CLICKED && id == IDOK) {
            OnOK();
            return true;
        }
        if (code == BN_CLICKED && id == IDCANCEL) {
            OnCancel();
            return true;
        }
        break;
    }
    case WM_DRAWITEM: {
        auto control = controls_.find(static_cast<int>(wParam));
        if (control != controls_.end()) {
            control->second->DrawItem(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
            result = TRUE;
            return true;
        }
        break;
    }
    case WM_CTLCOLORDLG:
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLORMSGBOX:
        if (ColourControl(message, reinterpret_cast<HDC>(wParam), reinterpret_cast<HWND>(lParam), result))
            return true;
        break;
    case WM_DESTROY:
        OnDestroy();
        break;
    default:
        break;
    }
    return HandleMessage(message, wParam, lParam, result);
}

INT_PTR CALLBACK Dialog::DialogProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    Dialog* dialog = nullptr;
    if (message == WM_INITDIALOG) {
        dialog = reinterpret_cast<Dialog*>(lParam);
        SetWindowLongPtrA(window, DWLP_USER, lParam);
        dialog->hwnd_ = window;
    } else {
        dialog = reinterpret_cast<Dialog*>(GetWindowLongPtrA(window, DWLP_USER));
    }
    if (!dialog) return FALSE;
    if (message == WM_NCDESTROY) {
        dialog->hwnd_ = nullptr;
        SetWindowLongPtrA(window, DWLP_USER, 0);
        return FALSE;
    }
    INT_PTR result = 0;
    if (!dialog->Dispatch(message, wParam, lParam, result)) return FALSE;
    if (ReturnsResultDirectly(message)) return result;
    SetWindowLongPtrA(window, DWLP_MSGRESULT, result);
    return TRUE;
}

}  // namespace brivel::winui
