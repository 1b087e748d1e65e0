// The bytes of the control request and the meaning of its reply.
#include "ControlMessage.h"

#include <gtest/gtest.h>

#include <string>

using namespace brivel::serverhost;
using namespace std::string_literals;

TEST(ControlMessage, RequestIsLengthFourThenQAndTheKind) {
    EXPECT_EQ(ControlRequestBytes(false), "\x04\x00Q1"s);
    EXPECT_EQ(ControlRequestBytes(true), "\x04\x00Q2"s);
}

TEST(ControlMessage, OnlySevenBytesWithOAtTheThirdKeepTheServerRunning) {
    ControlReply running = ReadControlReply("\x07\x00O\x03\x01\x00\x80"s);
    EXPECT_FALSE(running.quitting);
    EXPECT_EQ(running.openConnections, 0x80000103u);  // unsigned, little endian
    EXPECT_TRUE(ReadControlReply("\x07\x00Q\x03\x00\x00\x00"s).quitting);
    EXPECT_TRUE(ReadControlReply("\x07\x00O\x03\x00\x00"s).quitting);  // six bytes, 'O' or not
    EXPECT_TRUE(ReadControlReply(""s).quitting);
}
