#include "CommandLine.h"

namespace brivel {

std::string QuoteCommandArgument(const std::string& text) {
    std::string quoted = "\"";
    size_t backslashes = 0;
    for (char c : text) {
        if (c == '\\') {
            ++backslashes;
        } else if (c == '"') {
            quoted.append(backslashes + 1, '\\');
            backslashes = 0;
        } else {
            backslashes = 0;
        }
        quoted += c;
    }
    quoted.append(backslashes, '\\');  // the closing quote must stay a quote
    quoted += '"';
    return quoted;
}

}  // namespace brivel
