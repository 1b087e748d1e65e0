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

namespace {
// True when the ANSI text reads back as exactly the UTF-16 text (no
// character was replaced by the default character or a best-fit letter).
bool ReadsBackAs(const std::string& ansi, const WCHAR* wide, int length) {
    if (ansi.empty()) return length == 0;
    int n = MultiByteToWideChar(CP_ACP, 0, ansi.data(), static_cast<int>(ansi.size()), nullptr, 0);
    if (n != length) return false;
    std::vector<WCHAR> back(n);
    MultiByteToWideChar(CP_ACP, 0, ansi.data(), static_cast<int>(ansi.size()), back.data(), n);
    return std::memcmp(back.data(), wide, static_cast<size_t>(n) * sizeof(WCHAR)) == 0;
}
}  // namespace

bool JstringToAnsiExactly(JNIEnv* env, jstring text, std::string& ansi) {
    ansi.clear();
    if (!text) return true;
    jsize length = env->GetStringLength(text);
    const jchar* chars = env->GetStringChars(text, nullptr);
    if (!chars) return false;
    bool exact = true;
    if (length > 0) {
        const WCHAR* wide = reinterpret_cast<const WCHAR*>(chars);
        int n = WideCharToMultiByte(CP_ACP, 0, wide, length, nullptr, 0, nullptr, nullptr);
        ansi.resize(n > 0 ? n : 0);
        if (n > 0) WideCharToMultiByte(CP_ACP, 0, wide, length, &ansi[0], n, nullptr, nullptr);
        exact = ReadsBackAs(ansi, wide, length);
    }
    env->ReleaseStringChars(text, chars);
    return exact;
}

std::string JstringToAnsi(JNIEnv* env, jstring text) {
    std::string out;
    JstringToAnsiExactly(env, text, out);
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
