/* Basic Win32 types, constants and calling-convention macros with the
 * platform's sizes on a 32-bit target (long is 32 bits under -m32). */
#ifndef BRIVEL_COMPAT_WINDEF_H
#define BRIVEL_COMPAT_WINDEF_H

#include <stddef.h>
#include <stdint.h>

/* The layout of every type below depends on the build's flags: 32-bit
 * pointers and long (-m32) and 16-bit wchar_t, so that L"..." literals are
 * UTF-16 (-fshort-wchar). A module built without them would compile and then
 * disagree with the rest of the process about every structure. */
#ifdef __cplusplus
#define BRIVEL_COMPAT_STATIC_ASSERT(condition, text) static_assert(condition, text)
#else
#define BRIVEL_COMPAT_STATIC_ASSERT(condition, text) _Static_assert(condition, text)
#endif
BRIVEL_COMPAT_STATIC_ASSERT(sizeof(void*) == 4 && sizeof(long) == 4,
                            "compat: build with -m32 (32-bit pointers and long, as on the platform)");
BRIVEL_COMPAT_STATIC_ASSERT(sizeof(wchar_t) == 2, "compat: build with -fshort-wchar (16-bit wchar_t, as on the platform)");

#define WINAPI
#define APIENTRY
#define CALLBACK
#define STDMETHODCALLTYPE
#define __stdcall
#define __cdecl
#define __declspec(what) __brivel_declspec_##what
#define __brivel_declspec_dllexport __attribute__((visibility("default")))
#define __brivel_declspec_dllimport
#define __brivel_declspec_noreturn __attribute__((noreturn))

typedef int BOOL;
typedef unsigned char BYTE;
typedef unsigned short WORD;
typedef unsigned long DWORD;
typedef long LONG;
typedef unsigned long ULONG;
typedef unsigned int UINT;
typedef int INT;
typedef short SHORT;
typedef unsigned short USHORT;
typedef char CHAR;
typedef unsigned char UCHAR;
typedef wchar_t WCHAR;
typedef long long LONGLONG;
typedef unsigned long long ULONGLONG;
typedef long long __int64;
typedef float FLOAT;
typedef double DOUBLE;
typedef DWORD LCID;
typedef WORD LANGID;
typedef DWORD COLORREF;
typedef LONG HRESULT;
typedef int INT_PTR;
typedef unsigned int UINT_PTR;
typedef long LONG_PTR;
typedef unsigned long ULONG_PTR;
typedef ULONG_PTR DWORD_PTR;
typedef ULONG_PTR SIZE_T;

typedef void* LPVOID;
typedef const void* LPCVOID;
typedef void* PVOID;
typedef char* LPSTR;
typedef const char* LPCSTR;
typedef WCHAR* LPWSTR;
typedef const WCHAR* LPCWSTR;
typedef BYTE* LPBYTE;
typedef DWORD* LPDWORD;
typedef BOOL* LPBOOL;
typedef LONG* LPLONG;
typedef WORD* LPWORD;

typedef void* HANDLE;
typedef HANDLE* LPHANDLE;
typedef struct HINSTANCE__* HINSTANCE;
typedef HINSTANCE HMODULE;
/* A window. No window calls exist on linux32; the type carries native
 * window handles of the host's own windowing system. */
typedef struct HWND__* HWND;

/* 100-nanosecond intervals since 1601-01-01 00:00 UTC, split in two halves. */
typedef struct _FILETIME {
    DWORD dwLowDateTime;
    DWORD dwHighDateTime;
} FILETIME, *PFILETIME, *LPFILETIME;

#ifndef TRUE
#define TRUE 1
#endif
#ifndef FALSE
#define FALSE 0
#endif
#ifndef MAX_PATH
#define MAX_PATH 260
#endif

#define MAKEWORD(low, high) ((WORD)(((BYTE)(low)) | ((WORD)((BYTE)(high))) << 8))
#define LOBYTE(w) ((BYTE)((w) & 0xff))
#define HIBYTE(w) ((BYTE)(((WORD)(w) >> 8) & 0xff))
#define LOWORD(l) ((WORD)((l) & 0xffff))
#define HIWORD(l) ((WORD)(((DWORD)(l) >> 16) & 0xffff))
#define MAKELONG(low, high) ((LONG)(((WORD)(low)) | ((DWORD)((WORD)(high))) << 16))

#endif
