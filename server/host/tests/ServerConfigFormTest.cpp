// The configuration dialog's members: loading, the enabling rules, the
// checks of OK and what OK stores in the configuration file.
#include "ServerConfigForm.h"

#include <gtest/gtest.h>

#include <set>

#include "ConfigItemList.h"

using namespace brivel::serverhost;

namespace {
// The configuration file's item list, as the server library keeps it.
class ItemList : public IConfigItems {
public:
    explicit ItemList(const std::string& text) {
        size_t start = 0;
        while (start < text.size()) {
            size_t end = text.find('\n', start);
            list.ReadLine(text.substr(start, end - start));
            start = end == std::string::npos ? text.size() : end + 1;
        }
    }
    const char* Get(const char* key) const override { return list.Get(key); }
    int GetInt(const char* key, int defaultValue) const override { return list.GetInt(key, defaultValue); }
    void Set(const char* key, const char* value) override { list.Set(key, value, nullptr); }
    bool Delete(const char* key) override { return list.Delete(key); }
    std::string Text() const { return list.Text(); }

    brivel::CConfigItemList list;
};

std::string Stored(const std::string& file, const std::function<void(ServerConfigValues&)>& change) {
    ItemList items(file);
    ServerConfigValues values = LoadServerConfig(items);
    change(values);
    StoreServerConfig(values, items);
    return items.Text();
}

bool Exists(const std::string& path) { return path.find("missing") == std::string::npos; }
}  // namespace

TEST(ServerConfigForm, AnEmptyFileLoadsTheDefaultsAndStoresNothing) {
    ItemList items("; Server configuration file\n");
    ServerConfigValues values = LoadServerConfig(items);
    EXPECT_EQ(values.port, 24044);
    EXPECT_EQ(values.sslPort, 24045);
    EXPECT_FALSE(values.sslEnabled || values.sslOnly || values.authRequired);
    EXPECT_EQ(values.authKind, 0);
    EXPECT_EQ(Stored("; Server configuration file\n", [](ServerConfigValues&) {}), "; Server configuration file\n");
}

TEST(ServerConfigForm, SettingsBackAtTheirDefaultsLeaveTheFile) {
    std::string file = "defaultPort: 25000 # moved\nSSLPort: 24099\nSSLOnly: 1\nCustomAuth: 1\nAuthClass: com.x.A\n";
    EXPECT_EQ(Stored(file,
                     [](ServerConfigValues& v) {
                         v.port = 24044;
                         v.sslPort = 24045;
                         v.sslOnly = false;
                         v.authKind = 0;
                         v.authClass.clear();
                     }),
              "");
    EXPECT_EQ(Stored(file, [](ServerConfigValues& v) { v.port = 26000; }),
              "defaultPort: 26000 # moved\nSSLPort: 24099\nSSLOnly: 1\nCustomAuth: 1\nAuthClass: com.x.A\n");
}

TEST(ServerConfigForm, DisablingSslRemovesTheFlagButKeepsTheKeystore) {
    std::string file = "enableSSL: 1\nSSLKeyFile: C:\\keys\\server.ks\nSSLKeyPassword: se#cret\n";
    EXPECT_EQ(Stored(file, [](ServerConfigValues& v) { v.sslEnabled = false; }),
              "SSLKeyFile: C:\\keys\\server.ks\nSSLKeyPassword: se#cret\n");
}

TEST(ServerConfigForm, DefaultAuthenticationStoresTheFileAndRemovesTheCustomKind) {
    EXPECT_EQ(Stored("CustomAuth: 1\nAuthClass: com.x.A\n",
                     [](ServerConfigValues& v) {
                         v.authRequired = true;
                         v.authKind = 0;
                         v.authFile = "C:\\srv\\clients.txt";
                     }),
              "AuthClass: com.x.A\nAuthRequired: 1\nAuthFile: C:\\srv\\clients.txt\n");
}

TEST(ServerConfigForm, ControlsAreEnabledBySslAndByTheChosenAuthenticationKind) {
    ServerConfigValues values;
    ServerConfigEnabling none = EnablingOf(values);
    EXPECT_FALSE(none.ssl || none.authKinds || none.authFile || none.authClass);
    values.sslEnabled = true;
    values.authKind = 1;
    ServerConfigEnabling sslOnly = EnablingOf(values);
    EXPECT_TRUE(sslOnly.ssl);
    EXPECT_FALSE(sslOnly.authKinds || sslOnly.authClass);  // the kind counts only when required
    values.authRequired = true;
    ServerConfigEnabling custom = EnablingOf(values);
    EXPECT_TRUE(custom.authKinds && custom.authClass);
    EXPECT_FALSE(custom.authFile);
    values.authKind = 0;
    EXPECT_TRUE(EnablingOf(values).authFile);
    values.authKind = -1;
    ServerConfigEnabling noKind = EnablingOf(values);
    EXPECT_TRUE(noKind.authKinds);
    EXPECT_FALSE(noKind.authFile || noKind.authClass);
}

TEST(ServerConfigForm, ChecksOfOkComeInOrderWithTheirMessages) {
    ServerConfigValues v;
    EXPECT_EQ(CheckServerConfig(v, Exists), "");
    v.sslEnabled = true;
    v.keyFile = "C:\\keys\\server.ks";
    EXPECT_EQ(CheckServerConfig(v, Exists), "If SSL is enabled, SSL keystore file and keystore password must be specified.");
    v.keyPassword = "secret";
    EXPECT_EQ(CheckServerConfig(v, Exists), "");
    v.keyFile = "C:\\missing.ks";
    EXPECT_EQ(CheckServerConfig(v, Exists), "C:\\missing.ks: SSL Keyfile not found");
    v.sslEnabled = false;  // a missing keystore no longer matters

    v.authRequired = true;
    v.authKind = 0;
    EXPECT_EQ(CheckServerConfig(v, Exists), "A file must be provided that lists authorized clients");
    v.authFile = "C:\\missing.txt";
    EXPECT_EQ(CheckServerConfig(v, Exists), "C:\\missing.txt: Authorization file not found");
    v.authKind = -1;
    EXPECT_EQ(CheckServerConfig(v, Exists), "Please select authorization type");
    v.authKind = 1;
    EXPECT_EQ(CheckServerConfig(v, Exists), "Name of Java class for doing Custom Authorization must be provided");
    EXPECT_FALSE(NeedsAuthClassTest(v));
    v.authClass = "com.example.Auth";
    EXPECT_EQ(CheckServerConfig(v, Exists), "");
    EXPECT_TRUE(NeedsAuthClassTest(v));
}

TEST(ServerConfigForm, ASnapshotSetsBackWhatTheDialogChangedAndLeavesTheRestInPlace) {
    ItemList items("; head\ndefaultPort: 25000 # moved\nExtraClasspath: C:\\a.jar\nother: kept\n");
    ServerConfigSnapshot snapshot = TakeServerConfigSnapshot(items);
    items.Set("ExtraClasspath", "C:\\a.jar;C:\\b.jar");
    items.Set("AuthFile", "C:\\clients.txt");
    items.Delete("defaultPort");
    items.Set("other", "changed elsewhere");  // not one of the dialog's keys
    RestoreServerConfigSnapshot(snapshot, items);
    EXPECT_EQ(items.Text(), "; head\ndefaultPort: 25000 # moved\nExtraClasspath: C:\\a.jar\nother: changed elsewhere\n")
        << "a deleted key comes back where it was, with its comment";
}
