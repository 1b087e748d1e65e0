#include "GuidText.h"

#ifdef _WIN32
#include <windows.h>
#include <rpc.h>
#else
#include <cstdint>
#include <mutex>
#include <random>
#endif

namespace brivel {

#ifdef _WIN32

CString CreateGuidText() {
    UUID uuid;
    UuidCreate(&uuid);
    RPC_CSTR text = nullptr;
    if (UuidToStringA(&uuid, &text) != RPC_S_OK || !text) return CString();
    CString result(reinterpret_cast<const char*>(text));
    RpcStringFreeA(&text);
    return result;
}

#else

// A random (version 4) UUID in the platform's lower-case text form.
CString CreateGuidText() {
    static std::mutex lock;
    static std::mt19937 generator{std::random_device{}()};
    uint8_t bytes[16];
    {
        std::lock_guard<std::mutex> hold(lock);
        for (auto& b : bytes) b = static_cast<uint8_t>(generator() & 0xFF);
    }
    bytes[6] = static_cast<uint8_t>((bytes[6] & 0x0F) | 0x40);
    bytes[8] = static_cast<uint8_t>((bytes[8] & 0x3F) | 0x80);
    CString text;
    for (int i = 0; i < 16; ++i) {
        if (i == 4 || i == 6 || i == 8 || i == 10) text += '-';
        text.AppendFormat("%02x", bytes[i]);
    }
    return text;
}

#endif

}  // namespace brivel
