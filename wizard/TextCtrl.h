// The message dialog's text: painted in the 8-point dialog font inside the
// control less 4 pixels on every side, word-wrapped when it is wider.
#pragma once

#include "BrvString.h"
#include "Control.h"
#include "DialogFont.h"

class CTextCtrl : public brivel::winui::Control {
public:
    void SetText(const char* text);
    const CString& Text() const { return m_text; }

    // The size the text needs with its 4-pixel margins, wrapped at
    // `maxWidth` pixels (margins included). Needs the control's window.
    SIZE Measure(int maxWidth);

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    void Paint();

    CString m_text;
    CDialogFont m_font;
};
