// The build service's host: one host for both request kinds, the readme's
// link to the web build page and the upload control's default. The kit's
// default is fixed when it is built (CMake cache variable
// BRIVEL_BUILD_SERVICE_HOST); a user's setting overrides it: the text value
// "Host" under HKEY_CURRENT_USER\Software\Orvanth Software\Brivel\BuildService.
#pragma once

#include <string>

namespace brivel::remotebuild {

constexpr char kBuildServiceKey[] = "Software\\Orvanth Software\\Brivel\\BuildService";
constexpr char kBuildServiceHostValue[] = "Host";

std::string DefaultBuildServiceHost();
std::string GetBuildServiceHost();

}  // namespace brivel::remotebuild
