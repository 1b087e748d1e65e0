#include "GuidText.h"

#include <windows.h>
#include <rpc.h>

namespace brivel {

CString CreateGuidText() {
    UUID uuid;
    if (UuidCreate(&uuid) != RPC_S_OK) return CString();
    RPC_CSTR text = nullptr;
    if (UuidToStringA(&uuid, &text) != RPC_S_OK || !text) return CString();
    CString result(reinterpret_cast<const char*>(text));
    RpcStringFreeA(&text);
    return result;
}

}  // namespace brivel
