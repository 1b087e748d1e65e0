// Adding the bridge's JAR to the machine-wide CLASSPATH value: the value
// read whole is kept, entry for entry, and the JAR is added only when no
// entry names it already (as its full path or its short 8.3 path, in any
// letter case).
#pragma once

#include <string>

// True when one of the value's ";"-separated entries names the JAR. Blanks
// and quotes around an entry do not count.
bool ClasspathNamesJar(const std::string& value, const std::string& fullPath, const std::string& shortPath);

// The value with the JAR's short path added as a last entry: ";" and the
// path (an empty value gives ";" and the path, as the wizard has always
// written it; a value that already ends with ";" gets no second one).
std::string ClasspathWithJar(const std::string& value, const std::string& shortPath);
