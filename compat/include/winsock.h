/* Windows Sockets start-up for the linux32 build, where sockets need none. */
#ifndef BRIVEL_COMPAT_WINSOCK_H
#define BRIVEL_COMPAT_WINSOCK_H

#include "windows.h"

#ifdef __cplusplus
extern "C" {
#endif

#define WSADESCRIPTION_LEN 256
#define WSASYS_STATUS_LEN 128

typedef struct WSAData {
    WORD wVersion;
    WORD wHighVersion;
    char szDescription[WSADESCRIPTION_LEN + 1];
    char szSystemStatus[WSASYS_STATUS_LEN + 1];
    unsigned short iMaxSockets;
    unsigned short iMaxUdpDg;
    char* lpVendorInfo;
} WSADATA, *LPWSADATA;

int WINAPI WSAStartup(WORD versionRequested, LPWSADATA data);
int WINAPI WSACleanup(void);

#ifdef __cplusplus
}
#endif

#endif
