// A small window that says a long operation runs. It is shown without a
// modal loop and closes when the object is destroyed.
#pragma once

#include "Dialog.h"

class CWaitDlg : public brivel::winui::Dialog {
public:
    explicit CWaitDlg(HWND parent);

    // Creates the window over `parent`, shows it and paints it at once.
    bool Show(HWND parent);

    CString m_message;

protected:
    void DoDataExchange(brivel::winui::DataExchange& dx) override;

private:
    HWND m_parent;
};
