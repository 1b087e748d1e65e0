// The web browser that help pages and readme files open in.
#pragma once

#include "BrvString.h"

class CBridgeGenerator;

// The browser's executable as the generation job's browser launcher finds
// it (looked up once per run, "IExplore.exe" when nothing is registered).
CString WizardBrowserPath(CBridgeGenerator& job);
