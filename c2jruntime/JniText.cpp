#include "JniText.h"

#include <windows.h>

#include <cstdlib>
#include <cstring>
#include <vector>

namespace brivel::c2j {

std::string AnsiToModifiedUtf8(const char* ansi) {
    std::string out;
    if (!ansi || !*ansi) return out;
    int n = MultiByteToWideChar(CP_ACP, 0, ansi, -1, nullptr, 0);
    std::vector<WCHAR> wide(n > 0 ? n : 1);
    MultiByteToWideChar(CP_ACP, 0, ansi, -1, wide.data(), n);
    for (int i = 0; i + 1 < n; ++i) {  // each UTF-16 unit on its own, NUL as two bytes
        unsigned c = static_cast<unsigned short>(wide[i]);
        if (c >= 1 && c < 0x80) {
            out += static_cast<char>(c);
        } else if (c < 0x800) {
            out += static_cast<char>(0xC0 | (c >> 6));
            out += static_cast<char>(0x80 | (c & 0x3F));
        } else {
            out += static_cast<char>(0xE0 | (c >> 12));
            out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (c & 0x3F));
        }
    }
    return out;
}

std::string JstringToAnsi(JNIEnv* env, jstring text) {
    std::string out;
    if (!text) return out;
    jsize length = env->GetStringLength(text);
    const jchar* chars = env->GetStringChars(text, nullptr);
    if (!chars) return out;
    if (length > 0) {
        const WCHAR* wide = reinterpret_cast<const WCHAR*>(chars);
        int n = WideCharToMultiByte(CP_ACP, 0, wide, length, nullptr, 0, nullptr, nullptr);
        out.resize(n > 0 ? n : 0);
        if (n > 0) WideCharToMultiByte(CP_ACP, 0, wide, length, &out[0], n, nullptr, nullptr);
    }
    env->ReleaseStringChars(text, chars);
    return out;
}

char* JstringToAnsiCopy(JNIEnv* env, jstring text) {
    if (!text) return nullptr;
    std::string ansi = JstringToAnsi(env, text);
    char* copy = static_cast<char*>(std::malloc(ansi.size() + 1));
    if (copy) std::memcpy(copy, ansi.c_str(), ansi.size() + 1);
    return copy;
}

}  // namespace brivel::c2j
