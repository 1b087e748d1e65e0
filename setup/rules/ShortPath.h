// The short (8.3) and long forms of paths, as the installer writes them into
// settings. Where the system has no short names (the linux32 build), both
// forms are the path itself.
#pragma once

#include <string>

namespace brivel::setup {

// The short form of an existing path. For a file that does not exist yet,
// its folder's short form and the name as given; the path itself when
// neither exists.
std::string ShortPathOf(const std::string& path);

// The long form of an existing path; the path itself otherwise.
std::string LongPathOf(const std::string& path);

}  // namespace brivel::setup
