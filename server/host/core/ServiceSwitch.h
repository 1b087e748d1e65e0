// How the server host program learns that the service control manager
// started it: the switch "-service-" anywhere after the program's name.
#pragma once

namespace brivel::serverhost {

constexpr const char kServiceSwitch[] = "-service-";

// True when the text "-service-" stands anywhere in the command line after
// the program's name (quoted or not), inside a longer word too.
bool HasServiceSwitch(const char* commandLine);

}  // namespace brivel::serverhost
