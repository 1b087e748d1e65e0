// brivel-generate: runs one generation job from the command line, with the
// options the wizard would set, and prints every reported message on its own
// line. A test tool: exit status 0 exactly when the job succeeded.
#include "BridgeGenerator.h"

#include <objbase.h>

#include <cstdio>
#include <cstring>

namespace {

class ConsoleJob : public CBridgeGenerator {
public:
    void ReportMessage(const char* a, const char* b) override { printf("%s: %s\n", a ? a : "", b ? b : ""); }
};

const char kUsage[] =
    "usage: brivel-generate [options] <type library> <output folder> <Java package> <library path> [callback interface ...]\n"
    "options:\n"
    "  --remote-access         also write the remote-client classes (brvRemoteClient folder)\n"
    "  --remote-constructors   coclasses get constructors that create their objects on another machine\n"
    "  --server-only-creation  default constructors create with server-only options\n"
    "  --dual-vtable           call dual interfaces through their virtual tables\n";

}  // namespace

int main(int argc, char** argv) {
    bool remoteAccess = false, remoteConstructors = false, serverOnly = false, dualVtable = false;
    int first = 1;
    for (; first < argc && strncmp(argv[first], "--", 2) == 0; ++first) {
        const char* option = argv[first];
        if (strcmp(option, "--remote-access") == 0) remoteAccess = true;
        else if (strcmp(option, "--remote-constructors") == 0) remoteConstructors = true;
        else if (strcmp(option, "--server-only-creation") == 0) serverOnly = true;
        else if (strcmp(option, "--dual-vtable") == 0) dualVtable = true;
        else {
            fprintf(stderr, "unknown option %s\n%s", option, kUsage);
            return 2;
        }
    }
    if (argc - first < 4) {
        fputs(kUsage, stderr);
        return 2;
    }
    if (FAILED(CoInitialize(nullptr))) return 1;
    bool ok = false;
    {
        ConsoleJob job;
        job.SetOptions(argv[first], argv[first + 1], argv[first + 2], argv[first + 3]);
        for (int i = first + 4; i < argc; ++i) job.AddCallbackInterface(argv[i]);
        job.SetRemoteAccess(remoteAccess);
        job.SetRemoteConstructors(remoteConstructors);
        job.SetServerOnlyCreation(serverOnly);
        job.SetDualInterfacePreference(dualVtable ? 1 : 0);
        ok = job.Generate();
        job.FinishJob(ok);
    }
    CoUninitialize();
    fflush(stdout);
    return ok ? 0 : 1;
}
