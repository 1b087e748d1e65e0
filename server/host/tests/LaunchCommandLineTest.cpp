// The command line that starts Java for the server and its checks.
#include "JavaServerCommandLine.h"

#include <gtest/gtest.h>

using brivel::serverhost::JavaServerCommandLine;

TEST(JavaServerCommandLine, ArchiveComesFirstThenTheEnvironmentsClassPath) {
    EXPECT_EQ(JavaServerCommandLine("C:\\Java\\bin\\java.exe", "C:\\Brivel\\BrivelServer.jar", "C:\\lib\\a.jar;.",
                                    "brivel.server.BrvServerMain"),
              "\"C:\\Java\\bin\\java.exe\" -classpath \"C:\\Brivel\\BrivelServer.jar;C:\\lib\\a.jar;.\" "
              "brivel.server.BrvServerMain");
}

TEST(JavaServerCommandLine, WithoutClassPathTheArchiveIsAloneInTheQuotes) {
    EXPECT_EQ(JavaServerCommandLine("java.exe", "C:\\Brivel\\BrivelServer.jar", "", "brivel.server.BrvServerMain"),
              "\"java.exe\" -classpath \"C:\\Brivel\\BrivelServer.jar\" brivel.server.BrvServerMain");
}

TEST(JavaServerCommandLine, AClassPathEndingInABackslashKeepsTheClassOutsideTheQuotes) {
    EXPECT_EQ(JavaServerCommandLine("java.exe", "S.jar", "C:\\classes\\", "brivel.server.BrvServerMain"),
              "\"java.exe\" -classpath \"S.jar;C:\\classes\\\\\" brivel.server.BrvServerMain");
}
