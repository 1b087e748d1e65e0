#include "Messages.h"

#include <cstdarg>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <vector>

namespace brivel::c2j {

char* HeapCopy(const char* text) {
    size_t n = std::strlen(text) + 1;
    char* copy = static_cast<char*>(std::malloc(n));
    if (copy) std::memcpy(copy, text, n);
    return copy;
}

void SetError(char** error, const char* text) {
    if (error) *error = HeapCopy(text);
}

void SetErrorFormat(char** error, const char* format, ...) {
    va_list args;
    va_start(args, format);
    va_list again;
    va_copy(again, args);
    int n = std::vsnprintf(nullptr, 0, format, args);
    va_end(args);
    std::vector<char> text(n > 0 ? n + 1 : 1, '\0');
    if (n > 0) std::vsnprintf(text.data(), text.size(), format, again);
    va_end(again);
    SetError(error, text.data());
}

void StoreMessage(char** error, char* message) {
    if (error) *error = message;
    else std::free(message);
}

}  // namespace brivel::c2j
