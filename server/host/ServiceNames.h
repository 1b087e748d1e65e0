// The Windows service that runs the Java server, as it is registered.
#pragma once

namespace brivel::serverhost {

constexpr const char kServiceName[] = "BrivelWindowsServer";
constexpr const char kServiceDisplayName[] = "Brivel Service";

}  // namespace brivel::serverhost
