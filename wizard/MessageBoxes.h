// The wizard's message functions. Each runs the message dialog modally,
// owned by the page when one is given, else by the parent window.
#pragma once

#include <windows.h>

#include "BrvString.h"

namespace brivel::winui {
class Dialog;
}

// Caption "Error Message".
void ShowErrorBox(HWND parent, const char* text, brivel::winui::Dialog* ownerPage = nullptr);
// Caption "Brivel Message".
void ShowInfoBox(HWND parent, const char* text, brivel::winui::Dialog* ownerPage = nullptr);
// Caption "Brivel Question", with Yes and No; true for Yes.
bool AskQuestion(HWND parent, const char* text, brivel::winui::Dialog* ownerPage = nullptr);
