#include "JavaServerCommandLine.h"

#include "CommandLine.h"

namespace brivel::serverhost {

std::string JavaServerCommandLine(const std::string& javaExecutable, const std::string& serverArchive,
                                  const std::string& classPath, const std::string& classAndArguments) {
    std::string fullClassPath = serverArchive;
    if (!classPath.empty()) fullClassPath += ";" + classPath;
    return QuoteCommandArgument(javaExecutable) + " -classpath " + QuoteCommandArgument(fullClassPath) + " " +
           classAndArguments;
}

}  // namespace brivel::serverhost
