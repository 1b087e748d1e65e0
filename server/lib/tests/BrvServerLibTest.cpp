// BrvServerLib through its exported functions, as the server host uses it:
// the configuration file lives beside the library.
#include "BrvServerConfig.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "PathUtil.h"
#include "ProgramFolder.h"
#include "TempFolder.h"

using brivel::testing::AsTextFile;
using brivel::testing::ProgramFolder;
using brivel::testing::ReadFileBytes;
using brivel::testing::WriteFileBytes;

namespace {
class ServerLib : public ::testing::Test {
protected:
    void SetUp() override { std::remove(BrvServerGetConfigFile()); }
    void TearDown() override { std::remove(BrvServerGetConfigFile()); }
};

}  // namespace

TEST_F(ServerLib, ConfigurationFileLivesBesideTheLibrary) {
    // The library and the tests are built into the same folder.
    EXPECT_EQ(std::string(BrvServerGetConfigDir()), ProgramFolder());
    EXPECT_EQ(brivel::PathFolder(BrvServerGetConfigFile()), ProgramFolder());
    EXPECT_EQ(brivel::PathFileName(BrvServerGetConfigFile()), "BrivelServer.config");
}

TEST_F(ServerLib, MissingFileGivesFalseAndDefaults) {
    EXPECT_FALSE(BrivelServerInitConfig());
    EXPECT_EQ(BrvServerGetConfigItem("defaultPort"), nullptr);
    EXPECT_EQ(BrvServerGetConfigItemInt("defaultPort", 24044), 24044);
}

// The host's way of saving: keys equal to their defaults are removed, the
// others set; the file keeps its lines and order.
TEST_F(ServerLib, RoundTripChangesDeletesAndReAddsKeys) {
    WriteFileBytes(BrvServerGetConfigFile(),
                   "; Server configuration file\r\n"
                   "defaultPort: 25000\r\n"
                   "enableSSL: 1 # on for now\r\n"
                   "SSLPort: 24045\r\n"
                   "AuthFile: C:\\srv\\clients.txt\r\n");
    ASSERT_TRUE(BrivelServerInitConfig());
    EXPECT_EQ(BrvServerGetConfigItemInt("DEFAULTPORT", 24044), 25000);
    EXPECT_STREQ(BrvServerGetConfigItem("authfile"), "C:\\srv\\clients.txt");

    BrvServerSetConfigItemInt("defaultPort", 26000, nullptr);
    EXPECT_TRUE(BrvServerDeleteConfigItem("SSLPort"));  // back to its default
    EXPECT_FALSE(BrvServerDeleteConfigItem("SSLOnly"));
    EXPECT_TRUE(BrvServerDeleteConfigItem("enableSSL"));
    BrvServerSetConfigItem("enableSSL", "1", nullptr);  // back in its place, with its comment
    BrvServerSetConfigItem("SSLKeyPassword", "pa#ss", nullptr);
    ASSERT_TRUE(BrvServerWriteConfigFile());

    EXPECT_EQ(ReadFileBytes(BrvServerGetConfigFile()),
              AsTextFile("; Server configuration file\n"
                         "defaultPort: 26000\n"
                         "enableSSL: 1 # on for now\n"
                         "AuthFile: C:\\srv\\clients.txt\n"
                         "SSLKeyPassword: pa#ss\n"));
}

TEST_F(ServerLib, ReturnedValueStaysValidUntilItsItemChanges) {
    BrvServerSetConfigItem("AuthClass", "com.example.Auth", "custom");
    const char* value = BrvServerGetConfigItem("AuthClass");
    BrvServerSetConfigItem("AuthArg", "argument", nullptr);
    BrvServerSetConfigItem("AuthFile", "file", nullptr);
    EXPECT_STREQ(value, "com.example.Auth");
    ASSERT_TRUE(BrvServerWriteConfigFile());
    EXPECT_EQ(ReadFileBytes(BrvServerGetConfigFile()),
              AsTextFile("AuthClass: com.example.Auth #custom\nAuthArg: argument\nAuthFile: file\n"));
}
