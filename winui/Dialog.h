// A dialog built from a dialog template resource, in the spirit of the
// platform's dialog class library: a class per dialog whose handlers are
// named methods registered in its constructor (the message map), whose
// controls bind to members through DoDataExchange, and which runs modally,
// modelessly, or as a child page inside another window (a template with the
// WS_CHILD style).
//
//   class CNameDlg : public Dialog {
//   public:
//       CNameDlg() : Dialog(IDD_NAME) { OnClicked(IDC_BROWSE, [this] { OnBrowse(); }); }
//       CString m_name;
//   protected:
//       void DoDataExchange(DataExchange& dx) override { dx.Text(IDC_NAME, m_name); }
//   };
//
// Message order: handlers registered for a message or a command come first,
// then the virtual defaults below (IDOK runs OnOK, IDCANCEL OnCancel, owner
// drawing goes to the attached control, the colours come from the
// application object), then HandleMessage for anything else.
#pragma once

#include <windows.h>

#include <functional>
#include <map>
#include <utility>

#include "BrvString.h"
#include "DataExchange.h"

namespace brivel::winui {

class Control;

class Dialog {
public:
    explicit Dialog(int templateId);
    virtual ~Dialog();
    Dialog(const Dialog&) = delete;
    Dialog& operator=(const Dialog&) = delete;

    // Runs the dialog modally over `owner` (may be null); the result given to
    // EndDialog, or -1 when the window could not be created.
    INT_PTR DoModal(HWND owner);
    // Creates the window and returns at once: a popup owned by `parent`, or,
    // for a template with the WS_CHILD style, a child window of `parent`.
    bool Create(HWND parent);
    // Ends a modal run with `result`; destroys a window made by Create.
    void EndDialog(INT_PTR result);
    void DestroyWindow();

    HWND Handle() const { return hwnd_; }
    int TemplateId() const { return templateId_; }
    bool IsModal() const { return modal_; }

    // Moves values between the controls and the members (save = controls to
    // members); the bindings are those of DoDataExchange.
    bool UpdateData(bool save);

    HWND Item(int id) const { return GetDlgItem(hwnd_, id); }
    CString ItemText(int id) const;
    void SetItemText(int id, const char* text) const { SetDlgItemTextA(hwnd_, id, text); }
    void EnableItem(int id, bool enable) const { EnableWindow(Item(id), enable ? TRUE : FALSE); }
    void ShowItem(int id, bool show) const { ShowWindow(Item(id), show ? SW_SHOW : SW_HIDE); }
    void SetTitle(const char* text) const { SetWindowTextA(hwnd_, text); }

protected:
    // The window exists and its controls show the members. Answer true to
    // let the system give the first control the focus.
    virtual bool OnInitDialog();
    // The Enter key or a button with the id IDOK: reads the controls and ends
    // a modal dialog with IDOK. Child pages do nothing.
    virtual void OnOK();
    // Escape, the close box or a button with the id IDCANCEL: ends a modal
    // dialog with IDCANCEL. Child pages do nothing.
    virtual void OnCancel();
    virtual void DoDataExchange(DataExchange&) {}
    // The window is being destroyed; its controls still exist.
    virtual void OnDestroy() {}
    // Any message that no handler took. Set `result` and answer true when
    // handled.
    virtual bool HandleMessage(UINT message, WPARAM wParam, LPARAM lParam, INT_PTR& result);

    // The message map. A command handler runs for WM_COMMAND from control
    // `id` with notification `code` (BN_CLICKED for OnClicked).
    void OnCommand(int id, int code, std::function<void()> handler);
    void OnClicked(int id, std::function<void()> handler) { OnCommand(id, BN_CLICKED, std::move(handler)); }
    // A message handler's return value is the message's result.
    void OnMessage(UINT message, std::function<INT_PTR(WPARAM, LPARAM)> handler);

private:
    friend class Control;
    static INT_PTR CALLBACK DialogProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    // False when the message is left to the system's dialog procedure.
    bool Dispatch(UINT message, WPARAM wParam, LPARAM lParam, INT_PTR& result);
    bool ColourControl(UINT message, HDC dc, HWND control, INT_PTR& result) const;
    void Register(Control* control, int id);
    void Unregister(Control* control);

    int templateId_;
    HWND hwnd_ = nullptr;
    bool modal_ = false;
    std::map<std::pair<int, int>, std::function<void()>> commands_;
    std::map<UINT, std::function<INT_PTR(WPARAM, LPARAM)>> messages_;
    std::map<int, Control*> controls_;  // attached controls, for owner drawing
};

}  // namespace brivel::winui
