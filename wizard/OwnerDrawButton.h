// The wizard's push button: drawn by its owner in the dialog colour with two
// nested 3-D frames and an 8-point font. Every push button of the wizard's
// dialogs is one.
#pragma once

#include <memory>
#include <vector>

#include "Control.h"
#include "DialogFont.h"

class COwnerDrawButton : public brivel::winui::Control {
public:
    // Takes over the dialog's button `id` and makes it owner-drawn.
    bool SubclassButton(brivel::winui::Dialog& dialog, int id);

    void DrawItem(const DRAWITEMSTRUCT& item) override;

protected:
    // Enter presses the button that has the focus. An owner-drawn button is
    // no push button to the dialog manager, which would otherwise send Enter
    // to the dialog's default button whichever button has the focus.
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    CDialogFont m_font;
};

// Makes every push button of the dialog's window one (the dialog keeps the
// button objects).
void OwnerDrawPushButtons(brivel::winui::Dialog& dialog, std::vector<std::unique_ptr<COwnerDrawButton>>& buttons);
