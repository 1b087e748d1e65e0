// The storage of the threads' kept environments (ThreadEnv.h).
#include "ThreadEnv.h"

namespace brivel::c2j {

#ifdef _WIN32
std::atomic<DWORD> g_envSlot{TLS_OUT_OF_INDEXES};

void StartEnvEras() { g_envSlot = TlsAlloc(); }

void NextEnvEra() {
    DWORD oldSlot = g_envSlot.exchange(TlsAlloc());
    if (oldSlot != TLS_OUT_OF_INDEXES) TlsFree(oldSlot);
}
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
