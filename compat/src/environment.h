// The process environment for this layer's own reads: under the lock that
// every access to the environment takes (SetEnvironmentVariableA may
// replace the C library's array on another thread while it is read).
#ifndef BRIVEL_COMPAT_SRC_ENVIRONMENT_H
#define BRIVEL_COMPAT_SRC_ENVIRONMENT_H

#include <string>
#include <vector>

namespace brivel_compat {

// The value of a variable; false when it is not set.
bool EnvironmentValue(const char* name, std::string* value);

// Every variable as "name=value", for a child's environment.
std::vector<std::string> EnvironmentBlock();

}  // namespace brivel_compat

#endif
