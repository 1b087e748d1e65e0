// BrvServerLib: the module-wide configuration of the remote Java server and
// the nine exported functions over it (the Java server's natives are in
// ServerNatives.cpp).
#define BRVSERVERLIB_BUILDING
#include "BrvServerConfig.h"

#include <windows.h>
#include <winsock.h>

#include <mutex>
#include <string>

#include "BrvString.h"
#include "ConfigItemList.h"
#include "ModuleFileName.h"
#include "PathUtil.h"

namespace {

const char kConfigFileName[] = "BrivelServer.config";

std::string g_configFile;
std::string g_configDir;
brivel::CConfigItemList g_items;
std::once_flag g_socketsStarted;

}  // namespace

extern "C" BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID) {
    if (reason == DLL_PROCESS_ATTACH) {
        std::string module = brivel::ModuleFileName(instance);
        g_configFile = brivel::PathWithFileName(module, kConfigFileName);
        g_configDir = brivel::PathFolder(module);
    }
    return TRUE;
}

#ifndef _WIN32
BRIVEL_RUN_DLLMAIN_ON_LOAD(DllMain)
#endif

bool BrivelServerInitConfig() {
    // Windows Sockets is started here rather than while the library is being
    // attached: starting it loads further DLLs, which must not happen under
    // the loader lock.
    std::call_once(g_socketsStarted, [] {
        WSADATA data;
        WSAStartup(MAKEWORD(1, 1), &data);
    });
    return g_items.ReadFile(g_configFile);
}

bool BrvServerWriteConfigFile() { return g_items.WriteFile(g_configFile); }

const char* BrvServerGetConfigFile() { return g_configFile.c_str(); }

const char* BrvServerGetConfigDir() { return g_configDir.c_str(); }

const char* BrvServerGetConfigItem(const char* key) { return g_items.Get(key); }

int BrvServerGetConfigItemInt(const char* key, int defaultValue) { return g_items.GetInt(key, defaultValue); }

void BrvServerSetConfigItem(const char* key, const char* value, const char* comment) {
    g_items.Set(key, value, comment);
}

void BrvServerSetConfigItemInt(const char* key, int value, const char* comment) {
    g_items.Set(key, brivel::FormatString("%d", value).c_str(), comment);
}

bool BrvServerDeleteConfigItem(const char* key) { return g_items.Delete(key); }
