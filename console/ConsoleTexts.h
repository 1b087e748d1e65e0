// The console's own texts: its window title, banner and start-up messages.
#pragma once

#include <string>

namespace brivel::console {

constexpr const char* kWindowTitle = "Brivel Com-to-Java Console Window";
constexpr const char* kInitFailedText = "Fatal Error: MFC initialization failed\n";

constexpr const char* kAlreadyRunningText =
    "Console is already running (only one instance of this program can run)";
constexpr const char* kMutexFailedText = "Failed to create Mutex";
constexpr const char* kSocketFailedText = "Could not create socket";
constexpr const char* kBindFailedText = "Failed to create server";
constexpr const char* kRegistryFailedText = "Could not access registry!";
constexpr const char* kPortWriteFailedText = "Failed to write server port to registry!";

// The console's settings in the per-user profile.
constexpr const char* kProfileRegistryKey = "Orvanth Software";
constexpr const char* kProfileSection = "C2JConsole";
constexpr const char* kShowInfoEntry = "ShowInfo";

// Printed once before any received byte; lines end in '\n' (the C run-time's
// text mode turns them into the platform's line ends).
std::string Banner();

}  // namespace brivel::console
