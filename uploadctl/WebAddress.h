// A redirect record's address is opened with the shell, which would run a
// program or open a local file just as readily as it opens a page. The
// address comes from the network (from any host a page names), so only a
// web address is opened.
#pragma once

#include <string>

namespace brivel::uploadctl {

// "http://" or "https://" (any case) followed by a host, with no blank,
// control character or quote anywhere (the shell passes the address to the
// browser's command line).
bool IsWebAddress(const std::string& address);

}  // namespace brivel::uploadctl
