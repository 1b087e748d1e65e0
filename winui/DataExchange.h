// Dialog data exchange: moves values between a dialog's controls and the
// members they are bound to, in one direction per pass. A dialog's
// DoDataExchange names each binding once; UpdateData(true) reads the
// controls into the members, UpdateData(false) shows the members.
#pragma once

#include <windows.h>

#include <vector>

#include "BrvString.h"

namespace brivel::winui {

class DataExchange {
public:
    DataExchange(HWND dialog, bool saving) : dialog_(dialog), saving_(saving) {}

    // True while the controls are read into the members.
    bool Saving() const { return saving_; }
    HWND Dialog() const { return dialog_; }

    // The window text of an edit or static control, of any length.
    void Text(int id, CString& value);
    // A check box: 1 checked, 0 not (2 for an indeterminate three-state box).
    void Check(int id, int& value);
    // A group of radio buttons that starts with `firstId` and runs on through
    // the following radio buttons up to the next control that starts a group:
    // the index of the checked one, -1 when none is.
    void Radio(int firstId, int& value);
    // The entries of a list box, in list order.
    void ListStrings(int id, std::vector<CString>& values);

private:
    HWND dialog_;
    bool saving_;
};

// The text of any window, of any length.
CString WindowText(HWND window);

}  // namespace brivel::winui
