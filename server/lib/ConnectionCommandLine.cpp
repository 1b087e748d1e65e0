#include "ConnectionCommandLine.h"

#include "BrvString.h"
#include "CommandLine.h"

namespace brivel::server {

std::string ConnectionCommandLine(const std::string& launcher, const std::string& javaClassPath,
                                  const std::string& extraClassPath, int id, int n) {
    std::string classPath = javaClassPath;
    if (!extraClassPath.empty()) classPath += (classPath.empty() ? "" : ";") + extraClassPath;
    std::string line = QuoteCommandArgument(launcher);
    if (!classPath.empty()) line += " -classpath " + QuoteCommandArgument(classPath);
    return line + FormatString(" brivel.server.TransactEnv %d %d", id, n);
}

}  // namespace brivel::server
