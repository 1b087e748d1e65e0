// The wizard's profile (HKEY_CURRENT_USER\Software\Orvanth Software\Brivel)
// as the pages read and write it: the application object's when the
// program runs, the same key when a page runs in another process (tests).
#pragma once

#include "BrvString.h"

CString ReadPageProfile(const char* section, const char* entry);
void WritePageProfile(const char* section, const char* entry, const char* value);
