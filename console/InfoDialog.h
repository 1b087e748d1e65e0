// The information dialog shown at start, and the profile setting that
// suppresses it.
#pragma once

#include "AppProfile.h"

namespace brivel::console {

// Shows the dialog modally unless the profile's "ShowInfo" is 1. Closing it
// with "Close" while "Do not show this message again." is ticked stores 1;
// Escape or the close box leaves the setting alone.
void ShowInfoIfWanted(const winui::AppProfile& profile);

}  // namespace brivel::console
