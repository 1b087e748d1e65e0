/* UUID creation and text of the platform's RPC runtime. */
#ifndef BRIVEL_COMPAT_RPC_H
#define BRIVEL_COMPAT_RPC_H

#include "guiddef.h"
#include "windef.h"

#ifdef __cplusplus
extern "C" {
#endif

typedef GUID UUID;
typedef long RPC_STATUS;
typedef unsigned char* RPC_CSTR;

/* The far-pointer qualifier of 16-bit days: nothing on a 32-bit target, but
 * interface declarations still write it. */
#define __RPC_FAR

#define RPC_S_OK 0L
#define RPC_S_SERVER_UNAVAILABLE 1722L
#define RPC_S_OUT_OF_MEMORY 14L
#define RPC_S_INVALID_ARG 87L

/* A new random (version 4) UUID. */
RPC_STATUS WINAPI UuidCreate(UUID* uuid);
/* The UUID as 36 lower-case characters "xxxxxxxx-xxxx-xxxx-xxxx-xxxxxxxxxxxx";
 * free the text with RpcStringFreeA. */
RPC_STATUS WINAPI UuidToStringA(const UUID* uuid, RPC_CSTR* text);
RPC_STATUS WINAPI RpcStringFreeA(RPC_CSTR* text);

#ifdef __cplusplus
}
#endif

#endif
