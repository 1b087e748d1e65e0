// What the output console and the COM-to-Java runtime agree on: the console
// owns the named mutex for its whole run and publishes the port of its
// loop-back listener in the current user's registry. Each Java VM connects
// once and sends its System.out and System.err as plain bytes.
#pragma once

namespace brivel::console {

// Present while a console runs (presence test of the runtime).
constexpr const char* kConsoleMutexName = "KESTRAVO_BRIVEL_C2J_CONSOLE_EXISTANCE_CHECK_MUTEX";

// Under HKEY_CURRENT_USER; value `port` is a REG_DWORD holding the TCP port
// in host byte order. Clients connect to 127.0.0.1 at that port.
constexpr const char* kPortKeyPath = "Software\\Orvanth Software\\C2jConsole";
constexpr const char* kPortValueName = "port";

}  // namespace brivel::console
