#include "BrowserPath.h"

#include "BridgeGenerator.h"

// The launcher's lookup of the registered browser belongs to the generation
// job and is not part of it yet; until it is, pages open through the
// launcher's own last fallback, which the system finds on its search path.
CString WizardBrowserPath(CBridgeGenerator&) { return "IExplore.exe"; }
