#include "ByteOrder.h"

#include <gtest/gtest.h>

using namespace brivel;

TEST(ByteOrder, ValuesAreLaidOutLowOrHighByteFirst) {
    std::string bytes;
    PutUInt32LE(bytes, 0x564F5841u);
    PutUInt16LE(bytes, 0xBEEF);
    PutUInt32BE(bytes, 0x01020304u);
    PutUInt16BE(bytes, 0x0A0B);
    EXPECT_EQ(bytes, std::string("AXOV\xEF\xBE\x01\x02\x03\x04\x0A\x0B", 12));
}

TEST(ByteOrder, HighBitBytesReadBackUnsigned) {
    const std::string bytes("\xFF\xFE\xFD\x80", 4);
    EXPECT_EQ(GetUInt32LE(bytes.data()), 0x80FDFEFFu);
    EXPECT_EQ(GetUInt32BE(bytes.data()), 0xFFFEFD80u);
    EXPECT_EQ(GetUInt16LE(bytes.data()), 0xFEFF);
    EXPECT_EQ(GetUInt16BE(bytes.data() + 2), 0xFD80);
    std::string round;
    PutUInt32LE(round, 0xFFFFFFFFu);
    EXPECT_EQ(GetUInt32LE(round.data()), 0xFFFFFFFFu);
}
