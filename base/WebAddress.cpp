#include "WebAddress.h"

#include "BrvString.h"

namespace brivel {

bool IsWebAddress(const std::string& address) {
    size_t start = 0;
    for (const char* scheme : {"http://", "https://"}) {
        std::string prefix = address.substr(0, std::string(scheme).size());
        if (EqualsNoCase(prefix.c_str(), scheme)) start = prefix.size();
    }
    if (start == 0 || start == address.size() || address[start] == '/') return false;
    for (char c : address) {
        unsigned char byte = static_cast<unsigned char>(c);
        if (byte <= 0x20 || byte == 0x7F || c == '"') return false;
    }
    return true;
}

}  // namespace brivel
