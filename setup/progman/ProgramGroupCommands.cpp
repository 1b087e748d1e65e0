#include "ProgramGroupCommands.h"

namespace brivel::setup {

namespace {

bool IsWhiteSpace(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }

char LowerAscii(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

}  // namespace

std::string WithoutDoubleQuotes(const std::string& text) {
    std::string out;
    for (char c : text)
        if (c != '"') out += c;
    return out;
}

std::string DeleteGroupCommand(const std::string& group) {
    return "[DeleteGroup(\"" + WithoutDoubleQuotes(group) + "\")]";
}

std::string CreateGroupCommand(const std::string& group) {
    return "[CreateGroup(\"" + WithoutDoubleQuotes(group) + "\")]";
}

std::string ShowGroupCommand(const std::string& group) {
    return "[ShowGroup(\"" + WithoutDoubleQuotes(group) + "\",1)]";
}

bool MakeAddItemCommand(const std::string& commandLine, const std::string& title, std::string& command) {
    if (commandLine.find('"') != std::string::npos) return false;
    std::string made = "[AddItem(\"" + commandLine + "\",\"" + WithoutDoubleQuotes(title) + "\")]";
    if (made.size() > kMaxDdeCommandLength) return false;
    command = made;
    return true;
}

bool IsAddressTarget(const std::string& target) {
    static const char kScheme[] = "http://";
    if (target.size() < sizeof kScheme - 1) return false;
    for (size_t i = 0; i < sizeof kScheme - 1; ++i)
        if (LowerAscii(target[i]) != kScheme[i]) return false;
    return true;
}

std::string ItemCommandLine(const std::string& target, const std::string& baseFolder, const std::string& browser) {
    if (IsAddressTarget(target)) return browser + " " + target;
    return baseFolder + target;
}

std::string ProgramOfOpenCommand(const std::string& openCommand) {
    size_t start = 0;
    while (start < openCommand.size() && IsWhiteSpace(openCommand[start])) ++start;
    if (start < openCommand.size() && openCommand[start] == '"') {
        size_t end = openCommand.find('"', start + 1);
        return openCommand.substr(start + 1, end == std::string::npos ? std::string::npos : end - start - 1);
    }
    size_t end = start;
    while (end < openCommand.size() && !IsWhiteSpace(openCommand[end])) ++end;
    return openCommand.substr(start, end - start);
}

}  // namespace brivel::setup
