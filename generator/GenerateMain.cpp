// brivel-generate: runs one generation job from the command line, with the
// options the wizard would set, and prints every reported message on its own
// line. A test tool: exit status 0 exactly when the job succeeded.
#include "BridgeGenerator.h"

#include <objbase.h>

#include <cstdio>

namespace {

class ConsoleJob : public CBridgeGenerator {
public:
    void ReportMessage(const char* a, const char* b) override { printf("%s: %s\n", a ? a : "", b ? b : ""); }
};

}  // namespace

int main(int argc, char** argv) {
    if (argc < 5) {
        fprintf(stderr, "usage: brivel-generate <type library> <output folder> <Java package> <library path> [callback interface ...]\n");
        return 2;
    }
    if (FAILED(CoInitialize(nullptr))) return 1;
    bool ok = false;
    {
        ConsoleJob job;
        job.SetOptions(argv[1], argv[2], argv[3], argv[4]);
        for (int i = 5; i < argc; ++i) job.AddCallbackInterface(argv[i]);
        ok = job.Generate();
        job.FinishJob(ok);
    }
    CoUninitialize();
    fflush(stdout);
    return ok ? 0 : 1;
}
