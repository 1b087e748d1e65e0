#include "PortInput.h"

namespace brivel::serverhost {

PortInput ReadPortInput(const std::string& text, int& port) {
    size_t i = 0, end = text.size();
    while (i < end && (text[i] == ' ' || text[i] == '\t')) ++i;
    while (end > i && (text[end - 1] == ' ' || text[end - 1] == '\t')) --end;
    bool negative = false;
    if (i < end && (text[i] == '-' || text[i] == '+')) negative = text[i++] == '-';
    if (i == end) return PortInput::NotAnInteger;
    long long value = 0;
    for (; i < end; ++i) {
        if (text[i] < '0' || text[i] > '9') return PortInput::NotAnInteger;
        if (value < 1000000) value = value * 10 + (text[i] - '0');  // beyond the range already: stop growing
    }
    if (negative) value = -value;
    if (value < 1 || value > 65535) return PortInput::OutOfRange;
    port = static_cast<int>(value);
    return PortInput::Valid;
}

}  // namespace brivel::serverhost
