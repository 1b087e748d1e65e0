// Command lines of the Windows processes the kit starts. A program splits
// its command line as the platform's C run-time does: double quotes group,
// and backslashes count only where they stand before a quote (2n of them
// give n, 2n+1 give n and a literal quote).
#pragma once

#include <string>

namespace brivel {

// The text in double quotes, as one argument that the program reads back
// unchanged: backslashes before a quote of the text and at its end are
// doubled and its quotes escaped (so "C:\classes\" does not swallow the
// closing quote). Text without quotes or trailing backslashes is only put
// in quotes.
std::string QuoteCommandArgument(const std::string& text);

}  // namespace brivel
