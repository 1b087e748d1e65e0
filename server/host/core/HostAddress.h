// The address the setup dialog shows for this machine: the first one that
// other machines could use, neither the loop-back address nor one of the
// private 10. network.
#pragma once

#include <string>
#include <vector>

namespace brivel::serverhost {

// The first dotted address that is not "127.0.0.1" and does not begin with
// "10."; empty when there is none.
std::string ChooseShownAddress(const std::vector<std::string>& addresses);

}  // namespace brivel::serverhost
