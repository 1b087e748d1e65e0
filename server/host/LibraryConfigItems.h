// The configuration dialog's view of the server library's item list.
#pragma once

#include "BrvServerConfig.h"
#include "ServerConfigForm.h"

namespace brivel::serverhost {

class CLibraryConfigItems : public IConfigItems {
public:
    const char* Get(const char* key) const override { return BrvServerGetConfigItem(key); }
    int GetInt(const char* key, int defaultValue) const override { return BrvServerGetConfigItemInt(key, defaultValue); }
    void Set(const char* key, const char* value) override { BrvServerSetConfigItem(key, value, nullptr); }
    bool Delete(const char* key) override { return BrvServerDeleteConfigItem(key); }
};

}  // namespace brivel::serverhost
