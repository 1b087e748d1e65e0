// UUIDs: random version-4 identifiers and their text form.
#include <rpc.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <mutex>
#include <random>

extern "C" RPC_STATUS WINAPI UuidCreate(UUID* uuid) {
    if (!uuid) return RPC_S_INVALID_ARG;
    static std::mutex lock;
    static std::mt19937 generator{std::random_device{}()};
    unsigned char bytes[16];
    {
        std::lock_guard<std::mutex> hold(lock);
        for (unsigned char& b : bytes) b = static_cast<unsigned char>(generator() & 0xFF);
    }
    std::memcpy(uuid, bytes, sizeof bytes);
    uuid->Data3 = static_cast<unsigned short>((uuid->Data3 & 0x0FFF) | 0x4000);  // version 4
    uuid->Data4[0] = static_cast<unsigned char>((uuid->Data4[0] & 0x3F) | 0x80);  // RFC 4122 variant
    return RPC_S_OK;
}

extern "C" RPC_STATUS WINAPI UuidToStringA(const UUID* uuid, RPC_CSTR* text) {
    if (!uuid || !text) return RPC_S_INVALID_ARG;
    char* out = static_cast<char*>(std::malloc(37));
    if (!out) return RPC_S_OUT_OF_MEMORY;
    std::snprintf(out, 37, "%08lx-%04x-%04x-%02x%02x-%02x%02x%02x%02x%02x%02x", static_cast<unsigned long>(uuid->Data1),
                  uuid->Data2, uuid->Data3, uuid->Data4[0], uuid->Data4[1], uuid->Data4[2], uuid->Data4[3],
                  uuid->Data4[4], uuid->Data4[5], uuid->Data4[6], uuid->Data4[7]);
    *text = reinterpret_cast<RPC_CSTR>(out);
    return RPC_S_OK;
}

extern "C" RPC_STATUS WINAPI RpcStringFreeA(RPC_CSTR* text) {
    if (text) {
        std::free(*text);
        *text = nullptr;
    }
    return RPC_S_OK;
}
