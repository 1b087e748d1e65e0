// Sizes, offsets and constant values that code and COM peers rely on: the
// platform's headers and ours must give the same 32-bit layout.
#include <gtest/gtest.h>

#include <cstddef>
#include <cstring>

#include <olectl.h>

#include "OleText.h"

TEST(Layout, ScalarTypesHaveThePlatformSizes) {
    EXPECT_EQ(sizeof(LONG), 4u);
    EXPECT_EQ(sizeof(ULONG), 4u);
    EXPECT_EQ(sizeof(DWORD), 4u);
    EXPECT_EQ(sizeof(HRESULT), 4u);
    EXPECT_EQ(sizeof(OLECHAR), 2u);
    EXPECT_EQ(sizeof(WCHAR), 2u);
    EXPECT_EQ(sizeof(VARTYPE), 2u);
    EXPECT_EQ(sizeof(VARIANT_BOOL), 2u);
    EXPECT_EQ(sizeof(DATE), 8u);
    EXPECT_EQ(sizeof(void*), 4u);
    EXPECT_EQ(sizeof(L"ab"), 6u);
}

TEST(Layout, VariantIsSixteenBytesWithTheValueAtEightAndDecimalOverlaid) {
    EXPECT_EQ(sizeof(VARIANT), 16u);
    EXPECT_EQ(alignof(VARIANT), 8u);
    VARIANT v;
    const char* base = reinterpret_cast<const char*>(&v);
    EXPECT_EQ(reinterpret_cast<const char*>(&v.vt) - base, 0);
    EXPECT_EQ(reinterpret_cast<const char*>(&V_I4(&v)) - base, 8);
    EXPECT_EQ(reinterpret_cast<const char*>(&V_R8(&v)) - base, 8);
    EXPECT_EQ(reinterpret_cast<const char*>(&V_BSTR(&v)) - base, 8);
    EXPECT_EQ(reinterpret_cast<const char*>(&V_RECORD(&v)) - base, 8);
    EXPECT_EQ(reinterpret_cast<const char*>(&V_RECORDINFO(&v)) - base, 12);
    EXPECT_EQ(reinterpret_cast<const char*>(&V_DECIMAL(&v)) - base, 0);
    EXPECT_EQ(sizeof(DECIMAL), 16u);
    EXPECT_EQ(offsetof(DECIMAL, scale), 2u);
    EXPECT_EQ(offsetof(DECIMAL, sign), 3u);
    EXPECT_EQ(offsetof(DECIMAL, Hi32), 4u);
    EXPECT_EQ(offsetof(DECIMAL, Lo32), 8u);
    EXPECT_EQ(offsetof(DECIMAL, Mid32), 12u);
    EXPECT_EQ(sizeof(CY), 8u);
    EXPECT_EQ(offsetof(CY, Hi), 4u);
}

TEST(Layout, SafeArrayDispatchAndExceptionStructures) {
    EXPECT_EQ(sizeof(SAFEARRAYBOUND), 8u);
    EXPECT_EQ(sizeof(SAFEARRAY), 24u);
    EXPECT_EQ(offsetof(SAFEARRAY, fFeatures), 2u);
    EXPECT_EQ(offsetof(SAFEARRAY, cbElements), 4u);
    EXPECT_EQ(offsetof(SAFEARRAY, cLocks), 8u);
    EXPECT_EQ(offsetof(SAFEARRAY, pvData), 12u);
    EXPECT_EQ(offsetof(SAFEARRAY, rgsabound), 16u);
    EXPECT_EQ(sizeof(DISPPARAMS), 16u);
    EXPECT_EQ(offsetof(DISPPARAMS, cArgs), 8u);
    EXPECT_EQ(sizeof(EXCEPINFO), 32u);
    EXPECT_EQ(offsetof(EXCEPINFO, bstrSource), 4u);
    EXPECT_EQ(offsetof(EXCEPINFO, dwHelpContext), 16u);
    EXPECT_EQ(offsetof(EXCEPINFO, scode), 28u);
    EXPECT_EQ(sizeof(CONNECTDATA), 8u);
}

TEST(Layout, TimeAndGuidStructures) {
    EXPECT_EQ(sizeof(GUID), 16u);
    EXPECT_EQ(offsetof(GUID, Data4), 8u);
    EXPECT_EQ(sizeof(FILETIME), 8u);
    EXPECT_EQ(sizeof(SYSTEMTIME), 16u);
    EXPECT_EQ(offsetof(SYSTEMTIME, wDayOfWeek), 4u);
    EXPECT_EQ(offsetof(SYSTEMTIME, wDay), 6u);
    EXPECT_EQ(offsetof(SYSTEMTIME, wMilliseconds), 14u);
}

TEST(Layout, TypeDescriptions) {
    EXPECT_EQ(sizeof(TYPEDESC), 8u);
    EXPECT_EQ(offsetof(TYPEDESC, vt), 4u);
    EXPECT_EQ(sizeof(ARRAYDESC), 20u);
    EXPECT_EQ(offsetof(ARRAYDESC, rgbounds), 12u);
    EXPECT_EQ(sizeof(PARAMDESC), 8u);
    EXPECT_EQ(offsetof(PARAMDESCEX, varDefaultValue), 8u);
    EXPECT_EQ(sizeof(ELEMDESC), 16u);
    EXPECT_EQ(sizeof(FUNCDESC), 52u);
    EXPECT_EQ(offsetof(FUNCDESC, cParams), 24u);
    EXPECT_EQ(offsetof(FUNCDESC, oVft), 28u);
    EXPECT_EQ(offsetof(FUNCDESC, elemdescFunc), 32u);
    EXPECT_EQ(sizeof(VARDESC), 36u);
    EXPECT_EQ(offsetof(VARDESC, elemdescVar), 12u);
    EXPECT_EQ(offsetof(VARDESC, varkind), 32u);
    EXPECT_EQ(sizeof(TYPEATTR), 76u);
    EXPECT_EQ(offsetof(TYPEATTR, typekind), 40u);
    EXPECT_EQ(offsetof(TYPEATTR, cFuncs), 44u);
    EXPECT_EQ(offsetof(TYPEATTR, tdescAlias), 60u);
}

TEST(Layout, VariantTypeValues) {
    const struct { int value, expected; } types[] = {
        {VT_EMPTY, 0},     {VT_NULL, 1},        {VT_I2, 2},         {VT_I4, 3},          {VT_R4, 4},
        {VT_R8, 5},        {VT_CY, 6},          {VT_DATE, 7},       {VT_BSTR, 8},        {VT_DISPATCH, 9},
        {VT_ERROR, 10},    {VT_BOOL, 11},       {VT_VARIANT, 12},   {VT_UNKNOWN, 13},    {VT_DECIMAL, 14},
        {VT_I1, 16},       {VT_UI1, 17},        {VT_UI2, 18},       {VT_UI4, 19},        {VT_I8, 20},
        {VT_UI8, 21},      {VT_INT, 22},        {VT_UINT, 23},      {VT_VOID, 24},       {VT_HRESULT, 25},
        {VT_PTR, 26},      {VT_SAFEARRAY, 27},  {VT_CARRAY, 28},    {VT_USERDEFINED, 29}, {VT_LPSTR, 30},
        {VT_LPWSTR, 31},   {VT_RECORD, 36},     {VT_FILETIME, 64},  {VT_CLSID, 72},      {VT_VECTOR, 0x1000},
        {VT_ARRAY, 0x2000}, {VT_BYREF, 0x4000}, {VT_TYPEMASK, 0xfff}};
    for (const auto& t : types) EXPECT_EQ(t.value, t.expected);
    EXPECT_EQ(VARIANT_TRUE, -1);
    EXPECT_EQ(DISPID_PROPERTYPUT, -3);
    EXPECT_EQ(DISPID_NEWENUM, -4);
    EXPECT_EQ(DISPATCH_PROPERTYPUTREF, 8);
}

TEST(Layout, ResultCodes) {
    const struct { HRESULT value; unsigned long expected; } codes[] = {
        {E_NOTIMPL, 0x80004001},        {E_NOINTERFACE, 0x80004002},      {E_POINTER, 0x80004003},
        {E_FAIL, 0x80004005},           {E_UNEXPECTED, 0x8000FFFF},       {E_OUTOFMEMORY, 0x8007000E},
        {E_INVALIDARG, 0x80070057},     {E_ACCESSDENIED, 0x80070005},     {DISP_E_MEMBERNOTFOUND, 0x80020003},
        {DISP_E_PARAMNOTFOUND, 0x80020004}, {DISP_E_TYPEMISMATCH, 0x80020005}, {DISP_E_UNKNOWNNAME, 0x80020006},
        {DISP_E_BADVARTYPE, 0x80020008}, {DISP_E_EXCEPTION, 0x80020009},  {DISP_E_OVERFLOW, 0x8002000A},
        {DISP_E_BADINDEX, 0x8002000B},  {DISP_E_ARRAYISLOCKED, 0x8002000D}, {DISP_E_BADPARAMCOUNT, 0x8002000E},
        {CLASS_E_NOAGGREGATION, 0x80040110}, {REGDB_E_CLASSNOTREG, 0x80040154}, {CO_E_NOTINITIALIZED, 0x800401F0},
        {CO_E_CLASSSTRING, 0x800401F3}, {MK_E_UNAVAILABLE, 0x800401E3},   {RPC_E_CHANGED_MODE, 0x80010106},
        {CONNECT_E_NOCONNECTION, 0x80040200}, {CONNECT_E_ADVISELIMIT, 0x80040201}};
    for (const auto& c : codes) EXPECT_EQ(static_cast<unsigned long>(c.value), c.expected);
    EXPECT_EQ(static_cast<unsigned long>(HRESULT_FROM_WIN32(ERROR_FILE_NOT_FOUND)), 0x80070002ul);
    EXPECT_TRUE(SUCCEEDED(S_FALSE));
    EXPECT_TRUE(FAILED(E_FAIL));
}

namespace {
// The vtable slot of a virtual member function. Both builds use GCC's C++
// ABI, where a pointer to a virtual member holds 1 + its byte offset in the
// vtable, so this reads the platform headers' order on win32 and ours on
// linux32.
template <typename Method>
long Slot(Method method) {
    static_assert(sizeof(Method) == 2 * sizeof(void*), "pointer to member function");
    long raw;
    std::memcpy(&raw, &method, sizeof raw);
    return (raw - 1) / static_cast<long>(sizeof(void*));
}
}  // namespace

TEST(Layout, InterfaceMethodsSitInTheirDocumentedVtableSlots) {
    EXPECT_EQ(Slot(&IUnknown::AddRef), 1);
    EXPECT_EQ(Slot(&IUnknown::Release), 2);
    EXPECT_EQ(Slot(&IClassFactory::CreateInstance), 3);
    EXPECT_EQ(Slot(&IClassFactory::LockServer), 4);
    EXPECT_EQ(Slot(&IDispatch::GetTypeInfoCount), 3);
    EXPECT_EQ(Slot(&IDispatch::GetTypeInfo), 4);
    EXPECT_EQ(Slot(&IDispatch::GetIDsOfNames), 5);
    EXPECT_EQ(Slot(&IDispatch::Invoke), 6);
    EXPECT_EQ(Slot(&IEnumVARIANT::Next), 3);
    EXPECT_EQ(Slot(&IEnumVARIANT::Skip), 4);
    EXPECT_EQ(Slot(&IEnumVARIANT::Reset), 5);
    EXPECT_EQ(Slot(&IEnumVARIANT::Clone), 6);
    EXPECT_EQ(Slot(&IConnectionPointContainer::EnumConnectionPoints), 3);
    EXPECT_EQ(Slot(&IConnectionPointContainer::FindConnectionPoint), 4);
    EXPECT_EQ(Slot(&IConnectionPoint::GetConnectionInterface), 3);
    EXPECT_EQ(Slot(&IConnectionPoint::GetConnectionPointContainer), 4);
    EXPECT_EQ(Slot(&IConnectionPoint::Advise), 5);
    EXPECT_EQ(Slot(&IConnectionPoint::Unadvise), 6);
    EXPECT_EQ(Slot(&IConnectionPoint::EnumConnections), 7);
    EXPECT_EQ(Slot(&IEnumConnections::Next), 3);
    EXPECT_EQ(Slot(&IEnumConnections::Clone), 6);
    EXPECT_EQ(Slot(&IEnumConnectionPoints::Next), 3);
    EXPECT_EQ(Slot(&IEnumConnectionPoints::Clone), 6);
    EXPECT_EQ(Slot(&IRecordInfo::RecordInit), 3);
    EXPECT_EQ(Slot(&IRecordInfo::RecordClear), 4);
    EXPECT_EQ(Slot(&IRecordInfo::RecordCopy), 5);
    EXPECT_EQ(Slot(&IRecordInfo::GetGuid), 6);
    EXPECT_EQ(Slot(&IRecordInfo::GetName), 7);
    EXPECT_EQ(Slot(&IRecordInfo::GetSize), 8);
    EXPECT_EQ(Slot(&IRecordInfo::GetTypeInfo), 9);
    EXPECT_EQ(Slot(&IRecordInfo::GetField), 10);
    EXPECT_EQ(Slot(&IRecordInfo::GetFieldNoCopy), 11);
    EXPECT_EQ(Slot(&IRecordInfo::PutField), 12);
    EXPECT_EQ(Slot(&IRecordInfo::PutFieldNoCopy), 13);
    EXPECT_EQ(Slot(&IRecordInfo::GetFieldNames), 14);
    EXPECT_EQ(Slot(&IRecordInfo::IsMatchingType), 15);
    EXPECT_EQ(Slot(&IRecordInfo::RecordCreate), 16);
    EXPECT_EQ(Slot(&IRecordInfo::RecordCreateCopy), 17);
    EXPECT_EQ(Slot(&IRecordInfo::RecordDestroy), 18);
}
