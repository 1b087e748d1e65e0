#include "HostAddress.h"

namespace brivel::serverhost {

std::string ChooseShownAddress(const std::vector<std::string>& addresses) {
    for (const std::string& address : addresses)
        if (address != "127.0.0.1" && address.compare(0, 3, "10.") != 0) return address;
    return std::string();
}

}  // namespace brivel::serverhost
