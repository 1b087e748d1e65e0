// Addresses that come from the network (a build service's redirect) are
// opened in the user's browser: the shell would run a program or open a
// local file just as readily as a page, and the address reaches the
// browser's command line. Only a web address is opened.
#pragma once

#include <string>

namespace brivel {

// "http://" or "https://" (any case) followed by a host, with no blank,
// control character or quote anywhere: it stays one argument on a command
// line and cannot be taken for a switch.
bool IsWebAddress(const std::string& address);

}  // namespace brivel
