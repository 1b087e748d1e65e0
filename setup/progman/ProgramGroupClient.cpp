#include "ProgramGroupClient.h"

#include <windows.h>
#include <ddeml.h>

#include "ProgramGroupCommands.h"

namespace brivel::setup {

namespace {

DWORD g_ddeInstance = 0;
HCONV g_conversation = nullptr;
std::string g_groupBaseFolder;

HDDEDATA CALLBACK IgnoreTransactions(UINT, UINT, HCONV, HSZ, HSZ, HDDEDATA, ULONG_PTR, ULONG_PTR) { return nullptr; }

// Connects to the program-group server, or leaves nothing open.
bool OpenProgramGroupConversation() {
    if (!InitializeDde()) return false;
    if (ConnectDde(kProgramGroupService, kProgramGroupTopic)) return true;
    UninitializeDde();
    return false;
}

void CloseProgramGroupConversation() {
    DisconnectDde();
    UninitializeDde();
}

}  // namespace

bool InitializeDde() {
    if (g_ddeInstance) return true;
    DWORD instance = 0;
    if (DdeInitializeA(&instance, IgnoreTransactions, APPCMD_CLIENTONLY, 0) != DMLERR_NO_ERROR) return false;
    g_ddeInstance = instance;
    return true;
}

bool ConnectDde(const char* service, const char* topic) {
    if (!g_ddeInstance) return false;
    DisconnectDde();  // one conversation at a time
    HSZ serviceName = DdeCreateStringHandleA(g_ddeInstance, service, CP_WINANSI);
    HSZ topicName = DdeCreateStringHandleA(g_ddeInstance, topic, CP_WINANSI);
    if (serviceName && topicName) g_conversation = DdeConnect(g_ddeInstance, serviceName, topicName, nullptr);
    if (serviceName) DdeFreeStringHandle(g_ddeInstance, serviceName);
    if (topicName) DdeFreeStringHandle(g_ddeInstance, topicName);
    return g_conversation != nullptr;
}

bool SendDdeCommand(const std::string& text) {
    if (!g_conversation || text.size() > kMaxDdeCommandLength || text.find('\0') != std::string::npos) return false;
    std::string command = text + "\r\n";
    HDDEDATA result = DdeClientTransaction(reinterpret_cast<LPBYTE>(&command[0]), static_cast<DWORD>(command.size() + 1),
                                           g_conversation, nullptr, CF_TEXT, XTYP_EXECUTE, 5000, nullptr);
    return result != nullptr;
}

void DisconnectDde() {
    if (g_conversation) DdeDisconnect(g_conversation);
    g_conversation = nullptr;
}

void UninitializeDde() {
    if (g_ddeInstance) DdeUninitialize(g_ddeInstance);
    g_ddeInstance = 0;
}

void SetGroupBaseFolder(const std::string& folder) { g_groupBaseFolder = folder; }

bool AddGroupItem(const std::string& target, const std::string& title) {
    std::string commandLine;
    if (IsAddressTarget(target)) {
        commandLine = ItemCommandLine(target, g_groupBaseFolder, DefaultBrowserProgram());
    } else {
        commandLine = ItemCommandLine(target, g_groupBaseFolder, std::string());
        // The command line cannot be quoted inside the command: a path with
        // a blank is given in its short form where the file has one.
        if (commandLine.find(' ') != std::string::npos) {
            char shortPath[MAX_PATH];
            DWORD length = GetShortPathNameA(commandLine.c_str(), shortPath, sizeof shortPath);
            if (length > 0 && length < sizeof shortPath) commandLine.assign(shortPath, length);
        }
    }
    std::string command;
    return MakeAddItemCommand(commandLine, title, command) && SendDdeCommand(command);
}

bool CreateProgramGroup(const std::string& group, const std::vector<std::string>& titles,
                        const std::vector<std::string>& targets) {
    if (!OpenProgramGroupConversation()) return false;
    SendDdeCommand(DeleteGroupCommand(group));
    SendDdeCommand(CreateGroupCommand(group));
    if (SendDdeCommand(ShowGroupCommand(group))) {
        for (size_t i = 0; i < titles.size() && i < targets.size(); ++i) AddGroupItem(targets[i], titles[i]);
    }
    CloseProgramGroupConversation();
    return true;
}

bool DeleteProgramGroup(const std::string& group) {
    if (!OpenProgramGroupConversation()) return false;
    SendDdeCommand(DeleteGroupCommand(group));
    CloseProgramGroupConversation();
    return true;
}

}  // namespace brivel::setup
