// The port dialog's number.
#include "PortInput.h"

#include <gtest/gtest.h>

using namespace brivel::serverhost;

TEST(PortInput, IntegersFromOneTo65535AreTaken) {
    int port = 0;
    EXPECT_EQ(ReadPortInput("25000", port), PortInput::Valid);
    EXPECT_EQ(port, 25000);
    EXPECT_EQ(ReadPortInput(" 1 ", port), PortInput::Valid);
    EXPECT_EQ(port, 1);
    EXPECT_EQ(ReadPortInput("+65535", port), PortInput::Valid);
    EXPECT_EQ(port, 65535);
}

TEST(PortInput, OtherNumbersAreOutOfRangeAndOtherTextIsNoInteger) {
    int port = 7;
    EXPECT_EQ(ReadPortInput("0", port), PortInput::OutOfRange);
    EXPECT_EQ(ReadPortInput("65536", port), PortInput::OutOfRange);
    EXPECT_EQ(ReadPortInput("-5", port), PortInput::OutOfRange);
    EXPECT_EQ(ReadPortInput("99999999999999999999", port), PortInput::OutOfRange);
    EXPECT_EQ(ReadPortInput("", port), PortInput::NotAnInteger);
    EXPECT_EQ(ReadPortInput("2500x", port), PortInput::NotAnInteger);
    EXPECT_EQ(ReadPortInput("25 000", port), PortInput::NotAnInteger);
    EXPECT_EQ(ReadPortInput("-", port), PortInput::NotAnInteger);
    EXPECT_EQ(port, 7);
}
