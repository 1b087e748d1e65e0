#include "MessageBoxLayout.h"

#include <algorithm>

namespace {

constexpr int kSideMargin = 10;     // left and right of the text
constexpr int kTopMargin = 5;       // above the text
constexpr int kButtonGap = 10;      // between the text and the buttons
constexpr int kBottomMargin = 10;   // below the buttons

BoxRect Place(int left, int top, int width, int height) {
    BoxRect r;
    r.left = left;
    r.top = top;
    r.right = left + width;
    r.bottom = top + height;
    return r;
}

}  // namespace

MessageBoxLayout LayOutMessageBox(int textWidth, int textHeight, int buttonWidth, int buttonHeight, bool question) {
    MessageBoxLayout layout;
    // Two buttons with room around them, or one.
    int buttonsWidth = question ? 2 * buttonWidth + 30 : buttonWidth + 20;
    layout.clientWidth = std::max(textWidth, buttonsWidth) + 2 * kSideMargin;
    layout.clientHeight = textHeight + buttonHeight + kButtonGap + kTopMargin + kBottomMargin;
    layout.text = Place(kSideMargin, kTopMargin, textWidth, textHeight);

    int buttonTop = layout.text.bottom + kButtonGap;
    if (question) {
        int gap = (layout.clientWidth - 2 * buttonWidth) / 3;
        layout.yes = Place(gap, buttonTop, buttonWidth, buttonHeight);
        layout.no = Place(layout.yes.right + gap, buttonTop, buttonWidth, buttonHeight);
    } else {
        layout.close = Place((layout.clientWidth - buttonWidth) / 2, buttonTop, buttonWidth, buttonHeight);
    }
    return layout;
}
