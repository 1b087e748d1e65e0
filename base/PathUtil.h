// Helpers for Windows paths held as ANSI text. Both '\' and '/' separate
// path parts (Windows accepts either), which also makes the helpers work on
// the POSIX paths the linux32 build sees.
#pragma once

#include <string>

namespace brivel {

// Index of the last path separator, or std::string::npos.
size_t LastPathSeparator(const std::string& path);

// The folder part of a path: everything before its last separator
// ("C:\a\b.dll" -> "C:\a"); empty when the path has no separator.
std::string PathFolder(const std::string& path);

// The path with the file-name part after its last separator replaced
// ("C:\a\b.dll", "c.txt" -> "C:\a\c.txt"); just the name without a separator.
std::string PathWithFileName(const std::string& path, const std::string& fileName);

// The file-name part after the last separator.
std::string PathFileName(const std::string& path);

}  // namespace brivel
