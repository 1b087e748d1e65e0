// The configuration's ExtraClasspath: folders and JAR files separated by ';'.
#pragma once

#include <string>
#include <vector>

namespace brivel::serverhost {

// The entries of the value, empty ones left out; none for null.
std::vector<std::string> SplitExtraClassPath(const char* value);
std::string JoinExtraClassPath(const std::vector<std::string>& entries);

}  // namespace brivel::serverhost
