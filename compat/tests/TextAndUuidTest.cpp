// ANSI case folding and UUIDs, against the platform and our own layer.
#include <windows.h>
#include <rpc.h>

#include <gtest/gtest.h>

#include <cctype>
#include <string>

TEST(CharLowerBuffA, FoldsWesternLettersOfCodePage1252) {
    std::string text = "\x8A\x8C\x8E\x9F\xC0\xD6\xD7\xD8\xDE\xDF ABCxyz";
    EXPECT_EQ(CharLowerBuffA(&text[0], static_cast<DWORD>(text.size())), text.size());
    EXPECT_EQ(text, "\x9A\x9C\x9E\xFF\xE0\xF6\xD7\xF8\xFE\xDF abcxyz");
}

TEST(CharLowerBuffA, TouchesOnlyTheGivenLength) {
    char text[] = "ABCD";
    CharLowerBuffA(text, 2);
    EXPECT_STREQ(text, "abCD");
}

TEST(Uuid, FreshUuidsAreRandomVersion4AndDiffer) {
    UUID a, b;
    ASSERT_EQ(UuidCreate(&a), RPC_S_OK);
    ASSERT_EQ(UuidCreate(&b), RPC_S_OK);
    EXPECT_FALSE(IsEqualGUID(a, b));
    EXPECT_EQ(a.Data3 >> 12, 4);
    EXPECT_EQ(a.Data4[0] & 0xC0, 0x80);
}

TEST(Uuid, TextIsLowerCaseAndMatchesTheGuidText) {
    UUID uuid;
    ASSERT_EQ(UuidCreate(&uuid), RPC_S_OK);
    RPC_CSTR text = nullptr;
    ASSERT_EQ(UuidToStringA(&uuid, &text), RPC_S_OK);
    std::string uuidText(reinterpret_cast<const char*>(text));
    RpcStringFreeA(&text);
    ASSERT_EQ(uuidText.size(), 36u);
    for (size_t i = 0; i < uuidText.size(); ++i) {
        if (i == 8 || i == 13 || i == 18 || i == 23) EXPECT_EQ(uuidText[i], '-');
        else EXPECT_TRUE(std::isdigit(static_cast<unsigned char>(uuidText[i])) || (uuidText[i] >= 'a' && uuidText[i] <= 'f')) << uuidText;
    }
    // The same identifier as the COM text form, without braces, in lower case.
    OLECHAR wide[40];
    ASSERT_EQ(StringFromGUID2(uuid, wide, 40), 39);
    std::string guidText;
    for (int i = 1; i < 37; ++i) guidText += static_cast<char>(std::tolower(static_cast<int>(wide[i])));
    EXPECT_EQ(uuidText, guidText);
}

// Interface declarations written for 16-bit compilers still carry the
// far-pointer qualifier; it means nothing here. The RPC status of an
// unreachable server is what remote activation reports.
TEST(RpcDeclarations, FarQualifierIsEmptyAndServerUnavailableHasItsCode) {
    int value = 7;
    int __RPC_FAR* pointer = &value;
    EXPECT_EQ(*pointer, 7);
    EXPECT_EQ(sizeof(int __RPC_FAR*), sizeof(int*));
    EXPECT_EQ(RPC_S_SERVER_UNAVAILABLE, 1722L);
    EXPECT_EQ(HRESULT_FROM_WIN32(RPC_S_SERVER_UNAVAILABLE), static_cast<HRESULT>(0x800706BA));
}
