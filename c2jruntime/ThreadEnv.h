// Where each thread keeps its environment of the current VM, read on every
// call of the calling interface. Every VM the runtime creates starts a new
// era: an environment kept in an earlier era reads as none, so one that
// belonged to an unloaded VM is never used again.
//
// linux32: a compiler thread-local in the initial-exec model, which the
// compiler reads relative to the thread pointer without a call, beside the
// era as a plain process-wide number. win32: a TLS slot of the system, which
// TlsGetValue reads from the thread's own block; each era takes a fresh slot
// (the earlier ones stay allocated: see NextEnvEra).
#pragma once

#include <jni.h>
#include <windows.h>

#include <atomic>

namespace brivel::c2j {

#ifdef _WIN32
extern std::atomic<DWORD> g_envSlot;

inline JNIEnv* KeptEnv() { return static_cast<JNIEnv*>(TlsGetValue(g_envSlot.load(std::memory_order_relaxed))); }
inline void KeepEnv(JNIEnv* env) { TlsSetValue(g_envSlot.load(std::memory_order_relaxed), env); }
#else
struct KeptThreadEnv {
    JNIEnv* env;
    unsigned era;  // 0 in a thread that never kept one: never a current era
};
extern __thread KeptThreadEnv t_keptEnv __attribute__((tls_model("initial-exec"), visibility("hidden")));
extern std::atomic<unsigned> g_envEra __attribute__((visibility("hidden")));

inline JNIEnv* KeptEnv() {
    return t_keptEnv.era == g_envEra.load(std::memory_order_relaxed) ? t_keptEnv.env : nullptr;
}
inline void KeepEnv(JNIEnv* env) { t_keptEnv = {env, g_envEra.load(std::memory_order_relaxed)}; }
#endif

// Process attach: the first era.
void StartEnvEras();
// The VM went away: the environments kept so far read as none from now on.
void NextEnvEra();

}  // namespace brivel::c2j
