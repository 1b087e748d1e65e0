// The command line that starts Java for the server host: the server's
// archive first on the class path, then the CLASSPATH of the environment.
#pragma once

#include <string>

namespace brivel::serverhost {

// "<java>" -classpath "<archive>[;<classPath>]" <class and arguments>; an
// empty `classPath` adds nothing.
std::string JavaServerCommandLine(const std::string& javaExecutable, const std::string& serverArchive,
                                  const std::string& classPath, const std::string& classAndArguments);

}  // namespace brivel::serverhost
