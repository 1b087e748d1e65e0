#include "MessageBoxes.h"

#include "ErrorMessageDlg.h"
#include "WizardTexts.h"

namespace {

INT_PTR RunMessage(HWND parent, const char* text, brivel::winui::Dialog* ownerPage, const char* caption,
                   bool question) {
    CErrorMessageDlg dialog;
    dialog.m_message = text;
    dialog.m_caption = caption;
    dialog.m_question = question ? 1 : 0;
    HWND owner = ownerPage && ownerPage->Handle() ? ownerPage->Handle() : parent;
    return dialog.DoModal(owner);
}

}  // namespace

void ShowErrorBox(HWND parent, const char* text, brivel::winui::Dialog* ownerPage) {
    RunMessage(parent, text, ownerPage, "", false);
}

void ShowInfoBox(HWND parent, const char* text, brivel::winui::Dialog* ownerPage) {
    RunMessage(parent, text, ownerPage, wizard_text::kInfoCaption, false);
}

bool AskQuestion(HWND parent, const char* text, brivel::winui::Dialog* ownerPage) {
    return RunMessage(parent, text, ownerPage, wizard_text::kQuestionCaption, true) == IDOK;
}
