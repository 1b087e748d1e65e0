#include "Control.h"

#include "Dialog.h"

namespace brivel::winui {
namespace {
constexpr const char* kObjectProperty = "brivel.winui.Control";
}

Control::~Control() { Detach(); }

bool Control::Attach(Dialog& dialog, int id) {
    HWND control = dialog.Item(id);
    if (!control || hwnd_ || GetPropA(control, kObjectProperty)) return false;
    SetPropA(control, kObjectProperty, this);
    hwnd_ = control;
    id_ = id;
    original_ = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrA(control, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(SubclassProc)));
    owner_ = &dialog;
    dialog.Register(this, id);
    return true;
}

void Control::Detach() {
    if (owner_) owner_->Unregister(this);
    owner_ = nullptr;
    if (!hwnd_) return;
    SetWindowLongPtrA(hwnd_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(original_));
    RemovePropA(hwnd_, kObjectProperty);
    hwnd_ = nullptr;
}

LRESULT Control::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    return DefaultProc(message, wParam, lParam);
}

LRESULT Control::DefaultProc(UINT message, WPARAM wParam, LPARAM lParam) {
    return CallWindowProcA(original_, hwnd_, message, wParam, lParam);
}

LRESULT CALLBACK Control::SubclassProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* control = static_cast<Control*>(GetPropA(window, kObjectProperty));
    if (!control) return DefWindowProcA(window, message, wParam, lParam);
    if (message == WM_NCDESTROY) {
        WNDPROC original = control->original_;
        control->Detach();
        return CallWindowProcA(original, window, message, wParam, lParam);
    }
    return control->WindowProc(message, wParam, lParam);
}

}  // namespace brivel::winui
