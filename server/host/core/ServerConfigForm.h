// What the configuration dialog edits: the server's settings as members,
// loaded from the configuration's items and stored back (a setting equal to
// its default is removed from the file), the rules that enable its
// controls, and the checks its OK runs before storing.
#pragma once

#include <functional>
#include <string>
#include <vector>

namespace brivel::serverhost {

constexpr int kDefaultSslPort = 24045;

// The configuration's item list (the server library's in the program).
class IConfigItems {
public:
    virtual ~IConfigItems() = default;
    virtual const char* Get(const char* key) const = 0;
    virtual int GetInt(const char* key, int defaultValue) const = 0;
    virtual void Set(const char* key, const char* value) = 0;
    virtual bool Delete(const char* key) = 0;
};

struct ServerConfigValues {
    int port = 24044;
    bool sslEnabled = false;
    int sslPort = kDefaultSslPort;
    std::string keyFile;
    std::string keyPassword;
    bool sslOnly = false;
    bool authRequired = false;
    int authKind = -1;  // the chosen radio button: 0 default (file), 1 custom (class), -1 none
    std::string authFile;
    std::string authClass;
    std::string authArg;
};

ServerConfigValues LoadServerConfig(const IConfigItems& items);
void StoreServerConfig(const ServerConfigValues& values, IConfigItems& items);

// Which groups of controls the rules enable.
struct ServerConfigEnabling {
    bool ssl = false;        // SSL port, keystore file and password, SSL only
    bool authKinds = false;  // the two authentication kinds
    bool authFile = false;   // the authorization file and its Browse...
    bool authClass = false;  // the class and its argument
};
ServerConfigEnabling EnablingOf(const ServerConfigValues& values);

// The message of the first check the values fail, or empty. A custom class
// that passes these checks is then tested by running it
// (NeedsAuthClassTest).
std::string CheckServerConfig(const ServerConfigValues& values,
                              const std::function<bool(const std::string&)>& fileExists);
bool NeedsAuthClassTest(const ServerConfigValues& values);

// The keys the configuration dialog and its class-path dialog change, as
// they were when it opened, so that Cancel leaves the item list as it found
// it.
struct ServerConfigSnapshot {
    struct Entry {
        std::string key;
        bool present = false;
        std::string value;
    };
    std::vector<Entry> entries;
};
ServerConfigSnapshot TakeServerConfigSnapshot(const IConfigItems& items);
// Sets back every key whose value differs from the snapshot's.
void RestoreServerConfigSnapshot(const ServerConfigSnapshot& snapshot, IConfigItems& items);

}  // namespace brivel::serverhost
