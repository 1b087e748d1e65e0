#include "StringMap.h"

#include <gtest/gtest.h>

using namespace brivel;

TEST(StringMap, HashTakesBytesAsSignedChars) {
    EXPECT_EQ(StringMapHash(""), 0u);
    EXPECT_EQ(StringMapHash("A"), 65u);
    EXPECT_EQ(StringMapHash("AB"), 65u * 33 + 66);
    // 0xE9 counts as -23, so the sum wraps like unsigned 32-bit arithmetic.
    EXPECT_EQ(StringMapHash("\xE9"), static_cast<uint32_t>(-23));
    EXPECT_EQ(StringMapHash("a\xE9"), 97u * 33 - 23);
}

TEST(StringMap, IteratesByBucketThenNewestFirst) {
    CMapStringToString map;
    // "A" (65) and "B" (66) fall in buckets 14 and 15; "R" (82) shares 14 with "A".
    map.SetAt("B", "b");
    map.SetAt("A", "a");
    map.SetAt("R", "r");
    map.SetAt("\x01", "one");  // bucket 1
    std::vector<CString> expected = {"\x01", "R", "A", "B"};
    EXPECT_EQ(map.Keys(), expected);
    // Replacing a value keeps the entry's place; removing and adding again moves it.
    map.SetAt("A", "a2");
    EXPECT_EQ(map.Keys(), expected);
    EXPECT_TRUE(map.RemoveKey("A"));
    map.SetAt("A", "a3");
    expected = {"\x01", "A", "R", "B"};
    EXPECT_EQ(map.Keys(), expected);
}

TEST(StringMap, LookupIsCaseSensitiveAndCountsEntries) {
    int one = 1, two = 2;
    CMapStringToPtr<int> map;
    EXPECT_TRUE(map.IsEmpty());
    map.SetAt("Item", &one);
    map.SetAt("item", &two);
    EXPECT_EQ(map.GetCount(), 2);
    int* found = nullptr;
    ASSERT_TRUE(map.Lookup("item", found));
    EXPECT_EQ(found, &two);
    EXPECT_FALSE(map.Lookup("ITEM", found));
    EXPECT_FALSE(map.RemoveKey("ITEM"));
    map.RemoveAll();
    EXPECT_EQ(map.GetCount(), 0);
    EXPECT_FALSE(map.Contains("Item"));
}
