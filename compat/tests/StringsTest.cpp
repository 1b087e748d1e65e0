// BSTR allocation and lengths, against the platform and our own layer.
#include <gtest/gtest.h>

#include <cstring>

#include "OleText.h"

TEST(Bstr, NullTextGivesNullAndNullHasLengthZero) {
    EXPECT_EQ(SysAllocString(nullptr), nullptr);
    EXPECT_EQ(SysStringLen(nullptr), 0u);
    EXPECT_EQ(SysStringByteLen(nullptr), 0u);
    SysFreeString(nullptr);  // allowed, does nothing
}

TEST(Bstr, EmptyTextGivesARealTerminatedString) {
    Bstr empty(SysAllocString(L""));
    ASSERT_NE(empty.get(), nullptr);
    EXPECT_EQ(SysStringLen(empty.get()), 0u);
    EXPECT_EQ(empty.get()[0], 0);
}

TEST(Bstr, LengthIsStoredInTheFourBytesBeforeTheCharacters) {
    Bstr text(SysAllocString(L"Brivel"));
    ASSERT_NE(text.get(), nullptr);
    DWORD prefix;
    std::memcpy(&prefix, reinterpret_cast<const char*>(text.get()) - 4, 4);
    EXPECT_EQ(prefix, 12u);
    EXPECT_EQ(SysStringLen(text.get()), 6u);
    EXPECT_EQ(SysStringByteLen(text.get()), 12u);
    EXPECT_EQ(text.get()[6], 0);
    EXPECT_EQ(BstrText(text.get()), u"Brivel");
}

TEST(Bstr, EmbeddedZerosAreKeptAndCounted) {
    const OLECHAR source[] = {'a', 0, 'b', 0, 'c'};
    Bstr text(SysAllocStringLen(source, 5));
    ASSERT_NE(text.get(), nullptr);
    EXPECT_EQ(SysStringLen(text.get()), 5u);
    EXPECT_EQ(BstrText(text.get()), std::u16string(u"a\0b\0c", 5));
    EXPECT_EQ(text.get()[5], 0);
}

TEST(Bstr, NullSourceWithLengthAllocatesRoomAndTerminator) {
    Bstr room(SysAllocStringLen(nullptr, 4));
    ASSERT_NE(room.get(), nullptr);
    EXPECT_EQ(SysStringLen(room.get()), 4u);
    EXPECT_EQ(room.get()[4], 0);
    for (int i = 0; i < 4; ++i) room.get()[i] = static_cast<OLECHAR>('w' + i);
    EXPECT_EQ(BstrText(room.get()), u"wxyz");
}

TEST(Bstr, ByteLengthStringsKeepOddByteCounts) {
    Bstr bytes(SysAllocStringByteLen("abc", 3));
    ASSERT_NE(bytes.get(), nullptr);
    EXPECT_EQ(SysStringByteLen(bytes.get()), 3u);
    EXPECT_EQ(SysStringLen(bytes.get()), 1u);
    const char* raw = reinterpret_cast<const char*>(bytes.get());
    EXPECT_EQ(std::string(raw, 3), "abc");
    EXPECT_EQ(raw[3], 0);

    Bstr zeroLength(SysAllocStringByteLen("ignored", 0));
    ASSERT_NE(zeroLength.get(), nullptr);
    EXPECT_EQ(SysStringByteLen(zeroLength.get()), 0u);
}

TEST(Bstr, ReallocationReplacesTheTextEvenFromInsideItself) {
    Bstr text(SysAllocString(L"first"));
    ASSERT_TRUE(SysReAllocString(text.out(), L"second text"));
    EXPECT_EQ(BstrText(text.get()), u"second text");
    ASSERT_TRUE(SysReAllocString(text.out(), text.get() + 7));
    EXPECT_EQ(BstrText(text.get()), u"text");
    ASSERT_TRUE(SysReAllocStringLen(text.out(), L"abcdef", 3));
    EXPECT_EQ(BstrText(text.get()), u"abc");
}
