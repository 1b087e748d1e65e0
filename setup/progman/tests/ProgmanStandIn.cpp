// Stands in for the shell's program-group server in tests: a DDE server for
// service and topic "PROGMAN" that appends every execute string it receives
// (as received: the command, CR LF) to the file named on its command line.
//
//   progman_stand_in <record file> [--refuse <prefix>]
//
// The record file is created (empty) once the service is registered, so a
// test waits for it before it connects. With --refuse, commands beginning
// with <prefix> are recorded and answered as not processed; so is a command
// sent without its terminating zero, followed by "<no terminating zero>".
// The program ends on WM_QUIT posted to its thread.
#include <windows.h>
#include <ddeml.h>

#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

namespace {

DWORD g_instance = 0;
HSZ g_service = nullptr;
std::string g_record;
std::string g_refusedPrefix;

bool Append(const char* bytes, size_t size) {
    std::FILE* f = std::fopen(g_record.c_str(), "ab");
    if (!f) return false;
    bool ok = std::fwrite(bytes, 1, size, f) == size;
    return std::fclose(f) == 0 && ok;
}

HDDEDATA CALLBACK Serve(UINT type, UINT, HCONV, HSZ topic, HSZ service, HDDEDATA data, ULONG_PTR, ULONG_PTR) {
    switch (type) {
    case XTYP_CONNECT:
        return reinterpret_cast<HDDEDATA>(static_cast<ULONG_PTR>(DdeCmpStringHandles(topic, g_service) == 0 &&
                                                                 DdeCmpStringHandles(service, g_service) == 0));
    case XTYP_EXECUTE: {
        DWORD size = DdeGetData(data, nullptr, 0, 0);
        std::vector<char> bytes(size + 1, '\0');
        if (size) DdeGetData(data, reinterpret_cast<LPBYTE>(bytes.data()), size, 0);
        size_t length = strnlen(bytes.data(), size);  // up to the terminating zero
        // Text data must carry its terminating zero: a command without one
        // is recorded with a remark and not processed.
        if (length == size) {
            Append(bytes.data(), length);
            Append("<no terminating zero>\r\n", 23);
            return reinterpret_cast<HDDEDATA>(DDE_FNOTPROCESSED);
        }
        if (!Append(bytes.data(), length)) return reinterpret_cast<HDDEDATA>(DDE_FNOTPROCESSED);
        bool refused = !g_refusedPrefix.empty() && std::string(bytes.data(), length).rfind(g_refusedPrefix, 0) == 0;
        return reinterpret_cast<HDDEDATA>(refused ? DDE_FNOTPROCESSED : DDE_FACK);
    }
    default:
        return nullptr;
    }
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2 && !(argc == 4 && std::strcmp(argv[2], "--refuse") == 0)) {
        std::fprintf(stderr, "usage: progman_stand_in <record file> [--refuse <prefix>]\n");
        return 2;
    }
    g_record = argv[1];
    if (argc == 4) g_refusedPrefix = argv[3];
    if (DdeInitializeA(&g_instance, Serve, APPCLASS_STANDARD | CBF_SKIP_REGISTRATIONS | CBF_SKIP_UNREGISTRATIONS, 0) !=
        DMLERR_NO_ERROR)
        return 1;
    g_service = DdeCreateStringHandleA(g_instance, "PROGMAN", CP_WINANSI);
    if (!g_service || !DdeNameService(g_instance, g_service, nullptr, DNS_REGISTER)) return 1;
    if (!Append("", 0)) return 1;  // the record file says the service is up

    MSG message;
    while (GetMessageA(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
    DdeNameService(g_instance, g_service, nullptr, DNS_UNREGISTER);
    DdeFreeStringHandle(g_instance, g_service);
    DdeUninitialize(g_instance);
    return 0;
}
