// The option dialogs run with the generation job's values, storing what
// they return: the advanced page's buttons and the frame's system
// commands open them the same way.
#pragma once

#include <windows.h>

class CBridgeGenerator;

// The dual-interface preference, stored on OK.
void RunDualInterfaceDialog(CBridgeGenerator& job, HWND owner);
// Remote-machine constructors, stored however the dialog ends.
void RunDcomSupportDialog(CBridgeGenerator& job, HWND owner);
// The ADO and MSXML settings; the dialogs store them on OK.
void RunAdoSettingsDialog(CBridgeGenerator& job, HWND owner);
void RunXmlSettingsDialog(CBridgeGenerator& job, HWND owner);
// Remote access files, stored on OK.
void RunRemoteAccessDialog(CBridgeGenerator& job, HWND owner);
// Server-only object creation, stored on OK.
void RunObjectCreationDialog(CBridgeGenerator& job, HWND owner);
