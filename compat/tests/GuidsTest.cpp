// GUID text and the interface identifiers, against the platform and our
// own layer.
#include <gtest/gtest.h>

#include <olectl.h>

#include "OleText.h"

namespace {
const GUID kSample = {0x12345678, 0x9ABC, 0xDEF0, {0x01, 0x23, 0x45, 0x67, 0x89, 0xAB, 0xCD, 0xEF}};

std::u16string Text(REFGUID guid) {
    OLECHAR buffer[40];
    int n = StringFromGUID2(guid, buffer, 40);
    return n > 0 ? Utf16(buffer) : std::u16string();
}
}  // namespace

TEST(Guids, RegistryFormIsUpperCaseWithBraces) {
    OLECHAR buffer[39];
    EXPECT_EQ(StringFromGUID2(kSample, buffer, 39), 39);
    EXPECT_EQ(Utf16(buffer), u"{12345678-9ABC-DEF0-0123-456789ABCDEF}");
    EXPECT_EQ(StringFromGUID2(kSample, buffer, 38), 0);
    LPOLESTR text = nullptr;
    ASSERT_EQ(StringFromCLSID(kSample, &text), S_OK);
    EXPECT_EQ(Utf16(text), u"{12345678-9ABC-DEF0-0123-456789ABCDEF}");
    CoTaskMemFree(text);
    ASSERT_EQ(StringFromIID(kSample, &text), S_OK);
    EXPECT_EQ(Utf16(text), u"{12345678-9ABC-DEF0-0123-456789ABCDEF}");
    CoTaskMemFree(text);
}

TEST(Guids, TextParsesInEitherCaseWithBraces) {
    IID iid;
    ASSERT_EQ(IIDFromString(L"{12345678-9abc-DEF0-0123-456789abcdef}", &iid), S_OK);
    EXPECT_TRUE(IsEqualIID(iid, kSample));
    CLSID clsid;
    ASSERT_EQ(CLSIDFromString(L"{12345678-9ABC-DEF0-0123-456789ABCDEF}", &clsid), S_OK);
    EXPECT_TRUE(IsEqualCLSID(clsid, kSample));
}

// Only the result is compared: what is left in the GUID after malformed text
// differs between versions of the platform.
TEST(Guids, MalformedTextIsRefused) {
    const OLECHAR* malformed[] = {
        L"12345678-9ABC-DEF0-0123-456789ABCDEF",    // no braces
        L"{12345678-9ABC-DEF0-0123-456789ABCDE}",   // one digit short
        L"{12345678-9ABC-DEF0-0123-456789ABCDEG}",  // not a hex digit
        L"{12345678+9ABC-DEF0-0123-456789ABCDEF}",  // wrong separator
        L"",
    };
    for (const OLECHAR* text : malformed) {
        IID iid;
        EXPECT_TRUE(FAILED(IIDFromString(text, &iid))) << Utf16(text).size();
    }
    CLSID clsid;
    EXPECT_EQ(CLSIDFromString(L"{12345678-9ABC-DEF0-0123-456789ABCDEG}", &clsid), CO_E_CLASSSTRING);
}

TEST(Guids, NullTextIsTheNullGuid) {
    IID iid = kSample;
    EXPECT_EQ(IIDFromString(nullptr, &iid), S_OK);
    EXPECT_TRUE(IsEqualIID(iid, IID_NULL));
    CLSID clsid = kSample;
    EXPECT_EQ(CLSIDFromString(nullptr, &clsid), S_OK);
    EXPECT_TRUE(IsEqualCLSID(clsid, CLSID_NULL));
}

TEST(Guids, InterfaceIdentifiersHaveTheirDocumentedValues) {
    EXPECT_EQ(Text(IID_IUnknown), u"{00000000-0000-0000-C000-000000000046}");
    EXPECT_EQ(Text(IID_IClassFactory), u"{00000001-0000-0000-C000-000000000046}");
    EXPECT_EQ(Text(IID_IDispatch), u"{00020400-0000-0000-C000-000000000046}");
    EXPECT_EQ(Text(IID_IEnumVARIANT), u"{00020404-0000-0000-C000-000000000046}");
    EXPECT_EQ(Text(IID_IRecordInfo), u"{0000002F-0000-0000-C000-000000000046}");
    EXPECT_EQ(Text(IID_ITypeInfo), u"{00020401-0000-0000-C000-000000000046}");
    EXPECT_EQ(Text(IID_IConnectionPointContainer), u"{B196B284-BAB4-101A-B69C-00AA00341D07}");
    EXPECT_EQ(Text(IID_IConnectionPoint), u"{B196B286-BAB4-101A-B69C-00AA00341D07}");
    EXPECT_EQ(Text(IID_IEnumConnections), u"{B196B287-BAB4-101A-B69C-00AA00341D07}");
    EXPECT_EQ(Text(GUID_NULL), u"{00000000-0000-0000-0000-000000000000}");
}
