// The program-group client of the installer and the uninstaller: commands
// to the shell's program-group server over DDE (service and topic
// "PROGMAN"). One DDE instance and one conversation per process. Every
// failure is silent for the caller's purpose: without a server no group is
// made or removed, and the installation goes on.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

namespace brivel::setup {

constexpr const char* kProgramGroupService = "PROGMAN";
constexpr const char* kProgramGroupTopic = "PROGMAN";

// A client-only DDE instance whose callback answers 0 to everything.
bool InitializeDde();
// A conversation with the server `service` on `topic`.
bool ConnectDde(const char* service, const char* topic);
// Sends `text` and CR LF, with its terminating zero, as a text execute
// transaction (5,000 ms). Texts longer than 1,021 characters are refused.
bool SendDdeCommand(const std::string& text);
void DisconnectDde();
void UninitializeDde();

// The folder that relative item targets are appended to: the short
// installation folder with a trailing backslash.
void SetGroupBaseFolder(const std::string& folder);

// Adds one item to the group last created or shown: an address target opens
// in the default browser, any other target is a file under the base folder.
bool AddGroupItem(const std::string& target, const std::string& title);

// Deletes the group (so that items are never doubled), creates and shows it,
// then adds the items in order (titles[i] for targets[i]). A failed show
// command leaves the group empty. False when no server answered.
bool CreateProgramGroup(const std::string& group, const std::vector<std::string>& titles,
                        const std::vector<std::string>& targets);

// Deletes the group. False when no server answered.
bool DeleteProgramGroup(const std::string& group);

// The default browser's program, in its short form where it has one (see
// DefaultBrowser.cpp); into `buffer` with its terminating zero, false when
// it does not fit.
bool FindDefaultBrowser(char* buffer, size_t bufferSize);
std::string DefaultBrowserProgram();

}  // namespace brivel::setup
