// The command texts that create and delete a program group through the
// shell's program-group server ("PROGMAN" over DDE), and how an item's
// command line is made. Portable text rules; the DDE client sends them.
//
// The command syntax has no escape for a double quote inside a quoted
// argument, so a quote can never be passed on: group names and titles lose
// theirs (neither a group folder nor a shortcut file name may hold one, so
// nothing meaningful is lost), and an item whose command line holds one (no
// file path can, an address that does is malformed) is refused.
#pragma once

#include <string>

namespace brivel::setup {

// The longest command the client sends: with CR LF and the terminating zero
// it fills 1,024 bytes.
constexpr size_t kMaxDdeCommandLength = 1021;

std::string DeleteGroupCommand(const std::string& group);  // [DeleteGroup("group")]
std::string CreateGroupCommand(const std::string& group);  // [CreateGroup("group")]
std::string ShowGroupCommand(const std::string& group);    // [ShowGroup("group",1)]

// [AddItem("command line","title")] into `command`; false (nothing made)
// when the command line holds a double quote or the command would be longer
// than kMaxDdeCommandLength.
bool MakeAddItemCommand(const std::string& commandLine, const std::string& title, std::string& command);

// The text without its double quotes.
std::string WithoutDoubleQuotes(const std::string& text);

// True for a shortcut target that is a web address (begins with "http://",
// in any letter case).
bool IsAddressTarget(const std::string& target);

// An item's command line: for an address, the browser's path, a blank and
// the address; otherwise the group's base folder followed by the target.
std::string ItemCommandLine(const std::string& target, const std::string& baseFolder, const std::string& browser);

// The program of a registered open command: after leading white space, the
// text between the first pair of double quotes, or else up to the first
// white space. Empty for an empty command.
std::string ProgramOfOpenCommand(const std::string& openCommand);

}  // namespace brivel::setup
