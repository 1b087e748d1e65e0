// The storage of the threads' kept environments (ThreadEnv.h).
#include "ThreadEnv.h"

namespace brivel::c2j {

#ifdef _WIN32
std::atomic<DWORD> g_envSlot{TLS_OUT_OF_INDEXES};

void StartEnvEras() { g_envSlot = TlsAlloc(); }

// The slot of the era that ends is never freed: a thread may have read its
// number just before and look into it a moment later, and were the number
// given to another module, that module's values would be read as
// environments. It costs one slot per VM the process unloads.
void NextEnvEra() { g_envSlot = TlsAlloc(); }
#else
__thread KeptThreadEnv t_keptEnv __attribute__((tls_model("initial-exec"))) = {nullptr, 0};
std::atomic<unsigned> g_envEra{1};

void StartEnvEras() {}

void NextEnvEra() {
    // Skips 0, the era of threads that never kept an environment.
    unsigned next = g_envEra.load() + 1;
    g_envEra.store(next ? next : 1);
}
#endif

}  // namespace brivel::c2j
