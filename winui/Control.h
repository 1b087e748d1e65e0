// A control of a dialog taken over by an object: the object sees the
// control's messages first (WindowProc) and draws it when the control is
// owner-drawn (the dialog hands WM_DRAWITEM of the control's id to
// DrawItem). Used for owner-drawn buttons and controls that paint
// themselves.
#pragma once

#include <windows.h>

namespace brivel::winui {

class Dialog;

class Control {
public:
    Control() = default;
    virtual ~Control();
    Control(const Control&) = delete;
    Control& operator=(const Control&) = delete;

    // Takes over control `id` of the dialog's window; false when the dialog
    // has no such control or it is already taken over.
    bool Attach(Dialog& dialog, int id);
    // Gives the control back to its own window procedure.
    void Detach();

    HWND Handle() const { return hwnd_; }
    int Id() const { return id_; }

    // Draws an owner-drawn control.
    virtual void DrawItem(const DRAWITEMSTRUCT&) {}

protected:
    // Sees every message of the control; the default passes it on to the
    // control's own window procedure.
    virtual LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT DefaultProc(UINT message, WPARAM wParam, LPARAM lParam);

private:
    friend class Dialog;
    static LRESULT CALLBACK SubclassProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

    HWND hwnd_ = nullptr;
    int id_ = 0;
    WNDPROC original_ = nullptr;
    Dialog* owner_ = nullptr;
};

}  // namespace brivel::winui
