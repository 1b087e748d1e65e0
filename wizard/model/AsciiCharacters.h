// The character classes of the wizard's naming rules: they admit ASCII
// letters and digits only, whatever else the code page holds.
#pragma once

inline bool IsAsciiLetter(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }
inline bool IsAsciiDigit(char c) { return c >= '0' && c <= '9'; }
