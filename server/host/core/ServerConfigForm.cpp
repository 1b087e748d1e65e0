#include "ServerConfigForm.h"

#include "BrvString.h"
#include "ControlMessage.h"
#include "HostTexts.h"

namespace brivel::serverhost {
namespace {

std::string Text(const IConfigItems& items, const char* key) {
    const char* value = items.Get(key);
    return value ? value : "";
}

void StoreInt(IConfigItems& items, const char* key, int value, int defaultValue) {
    if (value == defaultValue) items.Delete(key);
    else items.Set(key, FormatString("%d", value).c_str());
}

void StoreFlag(IConfigItems& items, const char* key, bool on) {
    if (on) items.Set(key, "1");
    else items.Delete(key);
}

void StoreText(IConfigItems& items, const char* key, const std::string& value) {
    if (value.empty()) items.Delete(key);
    else items.Set(key, value.c_str());
}

}  // namespace

ServerConfigValues LoadServerConfig(const IConfigItems& items) {
    ServerConfigValues values;
    values.port = items.GetInt("defaultPort", kDefaultServerPort);
    values.sslEnabled = items.GetInt("enableSSL", 0) != 0;
    values.sslPort = items.GetInt("SSLPort", kDefaultSslPort);
    values.keyFile = Text(items, "SSLKeyFile");
    values.keyPassword = Text(items, "SSLKeyPassword");
    values.sslOnly = items.GetInt("SSLOnly", 0) != 0;
    values.authRequired = items.GetInt("AuthRequired", 0) != 0;
    values.authKind = items.GetInt("CustomAuth", 0);
    values.authFile = Text(items, "AuthFile");
    values.authClass = Text(items, "AuthClass");
    values.authArg = Text(items, "AuthArg");
    return values;
}

void StoreServerConfig(const ServerConfigValues& values, IConfigItems& items) {
    StoreInt(items, "defaultPort", values.port, kDefaultServerPort);
    StoreFlag(items, "enableSSL", values.sslEnabled);
    StoreInt(items, "SSLPort", values.sslPort, kDefaultSslPort);
    StoreText(items, "SSLKeyFile", values.keyFile);
    StoreText(items, "SSLKeyPassword", values.keyPassword);
    StoreFlag(items, "SSLOnly", values.sslOnly);
    StoreFlag(items, "AuthRequired", values.authRequired);
    StoreFlag(items, "CustomAuth", values.authKind == 1);
    StoreText(items, "AuthFile", values.authFile);
    StoreText(items, "AuthClass", values.authClass);
    StoreText(items, "AuthArg", values.authArg);
}

ServerConfigEnabling EnablingOf(const ServerConfigValues& values) {
    ServerConfigEnabling enabling;
    enabling.ssl = values.sslEnabled;
    enabling.authKinds = values.authRequired;
    enabling.authFile = values.authRequired && values.authKind == 0;
    enabling.authClass = values.authRequired && values.authKind == 1;
    return enabling;
}

std::string CheckServerConfig(const ServerConfigValues& values,
                              const std::function<bool(const std::string&)>& fileExists) {
    if (values.sslEnabled) {
        if (values.keyFile.empty() || values.keyPassword.empty()) return kSslSettingsMissing;
        if (!fileExists(values.keyFile)) return values.keyFile + kKeyFileNotFound;
    }
    if (values.authRequired && values.authKind == 0) {
        if (values.authFile.empty()) return kAuthFileMissing;
        if (!fileExists(values.authFile)) return values.authFile + kAuthFileNotFound;
    }
    if (values.authRequired && values.authKind != 0) {
        if (values.authKind != 1) return kAuthKindMissing;
        if (values.authClass.empty()) return kAuthClassMissing;
    }
    return std::string();
}

ServerConfigSnapshot TakeServerConfigSnapshot(const IConfigItems& items) {
    static const char* const kKeys[] = {"defaultPort", "enableSSL",    "SSLPort",    "SSLKeyFile",
                                        "SSLKeyPassword", "SSLOnly",   "AuthRequired", "CustomAuth",
                                        "AuthFile",    "AuthClass",    "AuthArg",    "ExtraClasspath"};
    ServerConfigSnapshot snapshot;
    for (const char* key : kKeys) {
        const char* value = items.Get(key);
        snapshot.entries.push_back({key, value != nullptr, value ? value : ""});
    }
    return snapshot;
}

void RestoreServerConfigSnapshot(const ServerConfigSnapshot& snapshot, IConfigItems& items) {
    for (const ServerConfigSnapshot::Entry& entry : snapshot.entries) {
        const char* now = items.Get(entry.key.c_str());
        if (!entry.present) {
            if (now) items.Delete(entry.key.c_str());
        } else if (!now || entry.value != now) {
            items.Set(entry.key.c_str(), entry.value.c_str());
        }
    }
}

bool NeedsAuthClassTest(const ServerConfigValues& values) {
    return values.authRequired && values.authKind == 1 && !values.authClass.empty();
}

}  // namespace brivel::serverhost
