// The wire helpers against known vectors (RFC 4648 section 10 for Base64,
// RFC 7617's example for the Basic credentials).
#include "WireHelpers.h"

#include <gtest/gtest.h>

using namespace brivel::remotebuild;

TEST(Base64, EncodesTheStandardVectors) {
    const char* vectors[][2] = {{"", ""},         {"f", "Zg=="},         {"fo", "Zm8="},        {"foo", "Zm9v"},
                                {"foob", "Zm9vYg=="}, {"fooba", "Zm9vYmE="}, {"foobar", "Zm9vYmFy"}};
    for (auto& v : vectors) EXPECT_EQ(Base64Encode(v[0]), v[1]) << "input \"" << v[0] << "\"";
}

TEST(Base64, EncodesBytesAboveSevenBitsAndTheLastLettersOfTheAlphabet) {
    EXPECT_EQ(Base64Encode(std::string("\xFB\xFF\xBF", 3)), "+/+/");
    EXPECT_EQ(Base64Encode(std::string("\0\0\0\xFF", 4)), "AAAA/w==");
    EXPECT_EQ(Base64Encode(std::string(100, 'x')).find('\n'), std::string::npos);
}

TEST(Base64, BasicCredentialsJoinUserAndPasswordWithAColon) {
    EXPECT_EQ(MakeBasicAuth("Aladdin", "open sesame"), "Basic QWxhZGRpbjpvcGVuIHNlc2FtZQ==");
    EXPECT_EQ(MakeBasicAuth("", ""), "Basic Og==");
    EXPECT_EQ(MakeBasicAuth("j\xF6rg", "p:w"), "Basic avZyZzpwOnc=");
}

TEST(WireIntegers, BigEndianReadsAreUnsignedAndCounted) {
    const unsigned char bytes[] = {0x12, 0x34, 0xFF, 0xFE, 0x01};
    EXPECT_EQ(GetUIntBE(bytes, 2), 0x1234u);
    EXPECT_EQ(GetUIntBE(bytes, 4), 0x1234FFFEu);
    EXPECT_EQ(GetUIntBE(bytes + 2, 2), 0xFFFEu);
    EXPECT_EQ(GetUIntBE(bytes, 0), 0u);
    EXPECT_EQ(GetUIntBE(bytes, -3), 0u);
    EXPECT_EQ(GetUIntBE(bytes, 5), 0x1234FFFEu) << "never more than four bytes";
}

TEST(WireIntegers, LittleEndianWritesAndLengthPrefixedTexts) {
    std::string out;
    PutUInt32LE(out, 0x01020304);
    EXPECT_EQ(out, std::string("\x04\x03\x02\x01", 4));

    out.clear();
    ASSERT_TRUE(PutLengthPrefixedString(out, ""));
    EXPECT_EQ(out, std::string("\0\0", 2));
    out.clear();
    ASSERT_TRUE(PutLengthPrefixedString(out, std::string(0x0102, 'n')));
    EXPECT_EQ(out.substr(0, 2), "\x02\x01");
    EXPECT_EQ(out.size(), 2u + 0x0102);

    out = "keep";
    ASSERT_TRUE(PutLengthPrefixedString(out, std::string(65535, 'a')));
    EXPECT_EQ(out.substr(4, 2), "\xFF\xFF");
    out = "keep";
    EXPECT_FALSE(PutLengthPrefixedString(out, std::string(65536, 'a')));
    EXPECT_EQ(out, "keep") << "nothing appended for a text its field cannot count";
}

TEST(WireIntegers, AppendStringLeavesTheTerminatorOut) {
    std::string out = "POST ";
    AppendString(out, "/x");
    AppendString(out, nullptr);
    EXPECT_EQ(out, "POST /x");
    EXPECT_EQ(out.size(), 7u);
}
