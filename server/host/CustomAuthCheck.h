// Tests a custom authorization class the way the server will use it: the
// checker brivel.server.CheckValidAuthClass runs hidden with the server's
// class path and its answer is read from a temporary file of its standard
// output (its standard error goes to another).
#pragma once

#include <string>

#include "AuthClassCheck.h"
#include "HostMessages.h"
#include "JavaServerLauncher.h"

namespace brivel::serverhost {

// True when the class is accepted. A refusal shows the checker's reason; a
// check that could not run, did not end in time (it is ended), failed or
// said nothing shows why and refuses.
bool CheckCustomAuthClass(CHostMessages& messages, const CJavaServerLauncher& launcher, const std::string& className,
                          unsigned timeoutMs = kAuthCheckTimeoutMs);

}  // namespace brivel::serverhost
