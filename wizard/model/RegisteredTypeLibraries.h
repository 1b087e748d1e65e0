// The portable rules of the registered type-library chooser: which major
// version of a library to look up, and how its list entry reads. A
// library's version keys are "major.minor" in hexadecimal ("a.0" is 10.0),
// and version 0 is a version like any other.
#pragma once

#include <vector>

#include "BrvString.h"

// The major version of a version key: the hexadecimal number before its
// first '.' (the whole name when it has none). False when that is not a
// hexadecimal number of at most four digits.
bool MajorVersionOfKey(const char* keyName, unsigned& major);

// The highest major version among the keys; false when none parses.
bool HighestMajorVersion(const std::vector<CString>& keyNames, unsigned& major);

// The list entry: "doc (name)", the documentation alone, the name alone,
// or the path when the library has neither.
CString TypeLibraryDescription(const char* documentation, const char* name, const char* path);
