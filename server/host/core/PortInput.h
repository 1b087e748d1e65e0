// The port number typed into the port dialog: an integer from 1 to 65,535.
#pragma once

#include <string>

namespace brivel::serverhost {

enum class PortInput { Valid, NotAnInteger, OutOfRange };

// Blanks around the number are allowed, and a sign.
PortInput ReadPortInput(const std::string& text, int& port);

}  // namespace brivel::serverhost
