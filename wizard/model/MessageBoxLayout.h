// Where the wizard's message dialog puts its text and buttons: the box
// grows with its text and is never narrower than its buttons need.
#pragma once

struct BoxRect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
    int Width() const { return right - left; }
    int Height() const { return bottom - top; }
};

struct MessageBoxLayout {
    int clientWidth = 0;
    int clientHeight = 0;
    BoxRect text;
    BoxRect yes;    // question mode only
    BoxRect no;     // question mode only
    BoxRect close;  // message mode only
};

// `textWidth` and `textHeight` are the painted text's extent with its
// margins; the buttons keep their size.
MessageBoxLayout LayOutMessageBox(int textWidth, int textHeight, int buttonWidth, int buttonHeight, bool question);
