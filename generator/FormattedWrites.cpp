// fprintf to a stream as one formatted write. The C runtime's formatter
// writes to a stream one character at a time, each through the stream's
// lock; the generator writes all its text with fprintf, so that lock was a
// good part of its time. Linked in place of __mingw_vfprintf (see
// CMakeLists.txt): the same formatter fills a buffer and the stream gets it
// in one fwrite, so every byte is what the formatter writes directly.
#include <cstdarg>
#include <cstdio>
#include <vector>

extern "C" int __real___mingw_vfprintf(FILE* stream, const char* format, va_list args);

extern "C" int __wrap___mingw_vfprintf(FILE* stream, const char* format, va_list args) {
    char local[1024];
    va_list again;
    va_copy(again, args);
    int length = __mingw_vsnprintf(local, sizeof local, format, args);
    if (length < 0) {
        int written = __real___mingw_vfprintf(stream, format, again);
        va_end(again);
        return written;
    }
    const char* text = local;
    std::vector<char> large;
    if (static_cast<size_t>(length) >= sizeof local) {
        large.resize(static_cast<size_t>(length) + 1);
        __mingw_vsnprintf(large.data(), large.size(), format, again);
        text = large.data();
    }
    va_end(again);
    size_t size = static_cast<size_t>(length);
    return fwrite(text, 1, size, stream) == size ? length : -1;
}
