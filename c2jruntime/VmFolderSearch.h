// The search for the VM library below a Java home, the same for every host
// of an embedded VM (the runtime and the wizard): the preferred sub-folders
// first, then every folder listed below the search folder.
#pragma once

#include <functional>
#include <string>

namespace brivel::c2j {

// The whole value of an environment variable; empty when it is not set.
std::string EnvironmentValue(const char* name);

// Calls `tryFolder` with each preferred sub-folder of `searchFolder`, then
// with every folder listed below it ("." and ".." included, in the order the
// system lists them), until one call succeeds; true when one did.
bool SearchJvmFolders(const std::string& searchFolder, const std::function<bool(const std::string& subFolder)>& tryFolder);

}  // namespace brivel::c2j
