// Remote creation of this runtime.
//
// No remote machine is reachable from this runtime: remote creation answers
// the platform's "RPC server unavailable" failure, which the bridge reports
// as a brivel.TavoException.
#include "RuntimeDecls.h"

namespace {
const HRESULT kServerUnavailable = HRESULT_FROM_WIN32(RPC_S_SERVER_UNAVAILABLE);
}  // namespace

BRIVEL_RT HRESULT brivelCreateInstanceRemote(JNIEnv*, const CLSID* clsid, LPCWSTR remoteName, LPCWSTR, LPCWSTR,
                                             LPCWSTR, int, jobjectArray, const IID**) {
    if (!clsid || !remoteName) return E_POINTER;
    return kServerUnavailable;
}
