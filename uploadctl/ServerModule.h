// The DLL as a COM server: its instance, its path, and the count of objects,
// server locks and worker threads that keep it loaded (DllCanUnloadNow says
// S_OK only at 0). A worker thread also holds a reference to the DLL itself,
// so its code stays mapped until the thread has ended.
#pragma once

#include <windows.h>

#include <functional>
#include <string>

namespace brivel::uploadctl {

void SetModuleInstance(HINSTANCE instance);
HINSTANCE ModuleInstance();
std::wstring ModulePathW();

void LockModule();
void UnlockModule();
LONG ModuleLockCount();

// Runs `body` on a new thread that holds the module (a lock and a DLL
// reference) until it ends; false when no thread could be started.
bool StartModuleThread(std::function<void()> body);

}  // namespace brivel::uploadctl
