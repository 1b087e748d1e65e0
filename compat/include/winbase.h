/* Kernel functions of the Win32 API that the linux32 build calls:
 * environment, module file names, errors, files and critical sections. */
#ifndef BRIVEL_COMPAT_WINBASE_H
#define BRIVEL_COMPAT_WINBASE_H

#include <pthread.h>
#include "windef.h"
#include "winerror.h"

#ifdef __cplusplus
extern "C" {
#endif

#define DLL_PROCESS_DETACH 0
#define DLL_PROCESS_ATTACH 1
#define DLL_THREAD_ATTACH 2
#define DLL_THREAD_DETACH 3

/* Errors (per thread). */
DWORD WINAPI GetLastError(void);
void WINAPI SetLastError(DWORD error);

/* Process environment. */
DWORD WINAPI GetEnvironmentVariableA(LPCSTR name, LPSTR buffer, DWORD size);
BOOL WINAPI SetEnvironmentVariableA(LPCSTR name, LPCSTR value);

/* Modules. A module handle is the address at which the module is loaded. */
DWORD WINAPI GetModuleFileNameA(HMODULE module, LPSTR fileName, DWORD size);

/* Files. */
#define MOVEFILE_REPLACE_EXISTING 0x00000001
#define MOVEFILE_COPY_ALLOWED 0x00000002
#define MOVEFILE_WRITE_THROUGH 0x00000008
BOOL WINAPI MoveFileExA(LPCSTR existingName, LPCSTR newName, DWORD flags);
BOOL WINAPI DeleteFileA(LPCSTR fileName);
#define INVALID_FILE_ATTRIBUTES ((DWORD)-1)
#define FILE_ATTRIBUTE_DIRECTORY 0x00000010
#define FILE_ATTRIBUTE_NORMAL 0x00000080
DWORD WINAPI GetFileAttributesA(LPCSTR fileName);

/* Critical sections: recursive, as on the platform. */
typedef struct _CRITICAL_SECTION {
    pthread_mutex_t mutex;
} CRITICAL_SECTION, *LPCRITICAL_SECTION;
void WINAPI InitializeCriticalSection(LPCRITICAL_SECTION section);
void WINAPI EnterCriticalSection(LPCRITICAL_SECTION section);
BOOL WINAPI TryEnterCriticalSection(LPCRITICAL_SECTION section);
void WINAPI LeaveCriticalSection(LPCRITICAL_SECTION section);
void WINAPI DeleteCriticalSection(LPCRITICAL_SECTION section);

/* The module that contains an address (a module handle is its load address). */
HMODULE brivelCompatModuleOfAddress(const void* address);

#ifdef __cplusplus
}
#endif

#ifdef __cplusplus
/* This platform's loader has no DllMain. A library that has one names it
 * with this macro after its module-wide objects: it is then called for
 * attach once those objects are constructed, and for detach before they are
 * destroyed (objects of one file are built in order, and destroyed in
 * reverse). */
extern "C" void* __dso_handle;
#define BRIVEL_RUN_DLLMAIN_ON_LOAD(dllMain)                                              \
    namespace {                                                                          \
    struct BrivelDllMainCaller {                                                         \
        BrivelDllMainCaller() { dllMain(brivelCompatModuleOfAddress(&__dso_handle), DLL_PROCESS_ATTACH, 0); }  \
        ~BrivelDllMainCaller() { dllMain(brivelCompatModuleOfAddress(&__dso_handle), DLL_PROCESS_DETACH, 0); } \
    } brivelDllMainCaller;                                                               \
    }
#endif

#endif
