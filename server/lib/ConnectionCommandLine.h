// The command line of the Java process that serves one client connection:
// the running Java launcher again, with the server's class path and the
// configured extra entries, running brivel.server.TransactEnv with the
// connection's id and number.
#pragma once

#include <string>

namespace brivel::server {

// `javaClassPath` is the server's "java.class.path", `extraClassPath` the
// configuration's ExtraClasspath; an empty one counts as not set. Both go
// in one quoted class path, joined by ';'.
std::string ConnectionCommandLine(const std::string& launcher, const std::string& javaClassPath,
                                  const std::string& extraClassPath, int id, int n);

}  // namespace brivel::server
