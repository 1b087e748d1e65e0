// The platform's record information for the fixture's record with an
// identifier, found as the runtime finds it (library GUID and version,
// record GUID), agrees with the layout in the bridge's record table: the
// runtime's field copies by offset fit the records that IRecordInfo makes.
#include <gtest/gtest.h>
#include <windows.h>

#include <cstring>
#include <string>

namespace {
const GUID kLibrary = {0x7E2E0000, 0x0000, 0x4000, {0x80, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x01}};
const GUID kSpan = {0x7E2E0000, 0x0000, 0x4000, {0x80, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x11}};

std::wstring Wide(const char* text) {
    std::wstring out;
    for (const char* p = text; *p; ++p) out += static_cast<wchar_t>(*p == '/' ? '\\' : *p);
    return out;
}
}  // namespace

TEST(E2eRecordInfo, RegisteredLibraryGivesTheRecordOfTheBridgesTable) {
    ASSERT_TRUE(SUCCEEDED(CoInitialize(nullptr)));
    IRecordInfo* info = nullptr;
    EXPECT_EQ(GetRecordInfoFromGuids(kLibrary, 1, 0, 0, kSpan, &info), TYPE_E_LIBNOTREGISTERED);

    ITypeLib* library = nullptr;
    std::wstring path = L"Z:" + Wide(E2E_TYPE_LIBRARY);
    ASSERT_EQ(LoadTypeLibEx(path.c_str(), REGKIND_REGISTER, &library), S_OK);
    ASSERT_EQ(GetRecordInfoFromGuids(kLibrary, 1, 0, 0, kSpan, &info), S_OK);
    ULONG size = 0;
    EXPECT_EQ(info->GetSize(&size), S_OK);
    EXPECT_EQ(size, 8u);  // the table's size of Span

    // Fields written at the table's offsets (from 0, to 4) read back by name.
    void* record = info->RecordCreate();
    ASSERT_NE(record, nullptr);
    LONG values[2] = {3, 9};
    std::memcpy(record, values, sizeof values);
    VARIANT field;
    VariantInit(&field);
    EXPECT_EQ(info->GetField(record, L"to", &field), S_OK);
    EXPECT_EQ(V_VT(&field), VT_I4);
    EXPECT_EQ(V_I4(&field), 9);
    VariantClear(&field);
    EXPECT_EQ(info->RecordDestroy(record), S_OK);
    info->Release();

    UnRegisterTypeLib(kLibrary, 1, 0, 0, SYS_WIN32);
    library->Release();
    CoUninitialize();
}
