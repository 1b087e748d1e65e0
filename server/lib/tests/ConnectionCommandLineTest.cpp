// The command line of a connection's Java process.
#include "ConnectionCommandLine.h"

#include <gtest/gtest.h>

using brivel::server::ConnectionCommandLine;

TEST(ConnectionCommandLine, ClassPathAndExtraEntriesShareOneQuotedArgument) {
    EXPECT_EQ(ConnectionCommandLine("C:\\Java\\bin\\java.exe", "C:\\Brivel\\BrivelServer.jar", "C:\\lib\\a.jar;C:\\lib\\b",
                                    0x301, 5),
              "\"C:\\Java\\bin\\java.exe\" -classpath \"C:\\Brivel\\BrivelServer.jar;C:\\lib\\a.jar;C:\\lib\\b\" "
              "brivel.server.TransactEnv 769 5");
}

TEST(ConnectionCommandLine, EitherClassPathAloneOrNone) {
    EXPECT_EQ(ConnectionCommandLine("java.exe", "server.jar", "", 1, 2),
              "\"java.exe\" -classpath \"server.jar\" brivel.server.TransactEnv 1 2");
    EXPECT_EQ(ConnectionCommandLine("java.exe", "", "C:\\extra", 1, 2),
              "\"java.exe\" -classpath \"C:\\extra\" brivel.server.TransactEnv 1 2");
    EXPECT_EQ(ConnectionCommandLine("java.exe", "", "", 0x7FFFFF00, -3),
              "\"java.exe\" brivel.server.TransactEnv 2147483392 -3");
}

TEST(ConnectionCommandLine, ClassPathEndingInABackslashKeepsItsClosingQuote) {
    EXPECT_EQ(ConnectionCommandLine("java.exe", "server.jar", "C:\\classes\\", 1, 2),
              "\"java.exe\" -classpath \"server.jar;C:\\classes\\\\\" brivel.server.TransactEnv 1 2");
}
