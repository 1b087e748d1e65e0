/* OLE Automation base types with the platform's layout on a 32-bit target:
 * OLE strings, variant types, currency, decimals and dates. */
#ifndef BRIVEL_COMPAT_WTYPES_H
#define BRIVEL_COMPAT_WTYPES_H

#include "windef.h"
#include "guiddef.h"

/* OLECHAR is 16-bit UTF-16: the linux32 build compiles with -fshort-wchar. */
typedef WCHAR OLECHAR;
typedef OLECHAR* LPOLESTR;
typedef const OLECHAR* LPCOLESTR;
#define OLESTR(text) L##text

/* A BSTR points at the characters; the byte length is stored in the four
 * bytes before them and two zero bytes follow them. */
typedef OLECHAR* BSTR;
typedef BSTR* LPBSTR;

typedef LONG SCODE;
typedef unsigned short VARTYPE;
typedef short VARIANT_BOOL;
#define VARIANT_TRUE ((VARIANT_BOOL)-1)
#define VARIANT_FALSE ((VARIANT_BOOL)0)

/* Days since 1899-12-30 00:00; the fraction is the time of day. */
typedef double DATE;

/* Currency: a 64-bit integer scaled by 10,000. Eight-byte aligned, as the
 * platform's compiler aligns 64-bit members. */
typedef union __attribute__((aligned(8))) tagCY {
    struct {
        unsigned long Lo;
        long Hi;
    };
    LONGLONG int64;
} CY, *LPCY;

/* 96-bit integer with a power-of-ten scale and a sign byte. */
typedef struct __attribute__((aligned(8))) tagDEC {
    USHORT wReserved;
    union {
        struct {
            BYTE scale;
            BYTE sign;
        };
        USHORT signscale;
    };
    ULONG Hi32;
    union {
        struct {
            ULONG Lo32;
            ULONG Mid32;
        };
        ULONGLONG Lo64;
    };
} DECIMAL, *LPDECIMAL;
#define DECIMAL_NEG ((BYTE)0x80)

enum VARENUM {
    VT_EMPTY = 0,
    VT_NULL = 1,
    VT_I2 = 2,
    VT_I4 = 3,
    VT_R4 = 4,
    VT_R8 = 5,
    VT_CY = 6,
    VT_DATE = 7,
    VT_BSTR = 8,
    VT_DISPATCH = 9,
    VT_ERROR = 10,
    VT_BOOL = 11,
    VT_VARIANT = 12,
    VT_UNKNOWN = 13,
    VT_DECIMAL = 14,
    VT_I1 = 16,
    VT_UI1 = 17,
    VT_UI2 = 18,
    VT_UI4 = 19,
    VT_I8 = 20,
    VT_UI8 = 21,
    VT_INT = 22,
    VT_UINT = 23,
    VT_VOID = 24,
    VT_HRESULT = 25,
    VT_PTR = 26,
    VT_SAFEARRAY = 27,
    VT_CARRAY = 28,
    VT_USERDEFINED = 29,
    VT_LPSTR = 30,
    VT_LPWSTR = 31,
    VT_RECORD = 36,
    VT_INT_PTR = 37,
    VT_UINT_PTR = 38,
    VT_FILETIME = 64,
    VT_BLOB = 65,
    VT_STREAM = 66,
    VT_STORAGE = 67,
    VT_STREAMED_OBJECT = 68,
    VT_STORED_OBJECT = 69,
    VT_BLOB_OBJECT = 70,
    VT_CF = 71,
    VT_CLSID = 72,
    VT_VERSIONED_STREAM = 73,
    VT_BSTR_BLOB = 0xfff,
    VT_VECTOR = 0x1000,
    VT_ARRAY = 0x2000,
    VT_BYREF = 0x4000,
    VT_RESERVED = 0x8000,
    VT_ILLEGAL = 0xffff,
    VT_ILLEGALMASKED = 0xfff,
    VT_TYPEMASK = 0xfff
};

#endif
