// The wizard's own message dialog: a message with a Close button, or a
// question with Yes and No, sized to its text. ShowErrorBox, ShowInfoBox and
// AskQuestion (MessageBoxes.h) are the ways to run it.
#pragma once

#include "Dialog.h"
#include "OwnerDrawButton.h"
#include "TextCtrl.h"

class CErrorMessageDlg : public brivel::winui::Dialog {
public:
    CErrorMessageDlg();

    CTextCtrl m_textCtrl;
    CString m_caption;     // empty keeps the template's caption "Error Message"
    int m_question = 0;    // 1: Yes and No instead of Close
    COwnerDrawButton m_yes;
    COwnerDrawButton m_no;
    COwnerDrawButton m_close;
    CString m_message;

protected:
    bool OnInitDialog() override;

private:
    // Sizes the text, the buttons and the dialog to the message.
    void LayOut();
};
