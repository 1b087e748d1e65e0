// Fuzz entry of names on their way to and from the VM: class, member and
// signature names (ANSI, the system code page) turned into the modified
// UTF-8 that FindClass and GetMethodID take, and Java's strings (class
// names, messages, JAR entries) turned into ANSI. The input is both: its
// NUL-separated parts as ANSI names, its pairs of bytes as a Java string's
// UTF-16 units. What must hold:
// - a name's modified UTF-8 is well formed (no NUL byte, no four-byte form,
//   no overlong form) and reads as the name's characters, one per byte;
// - a name's modified UTF-8, read by the VM as a Java string and turned
//   back, is the name again, exactly;
// - a Java string turns into one ANSI byte per character (one or two for a
//   surrogate pair), exactly when the system code page holds every
//   character, and then reads back as the string; the heap copy is the
//   same text.
#include "JniText.h"

#include <windows.h>

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "FuzzCheck.h"

using namespace brivel::c2j;

namespace {


using Units = std::u16string;  // not a wstring: the C library's wide functions take wchar_t as 32 bits

// A JNI environment whose strings are Units: only what the conversions call.
jsize JNICALL GetStringLength(JNIEnv*, jstring text) {
    return static_cast<jsize>(reinterpret_cast<const Units*>(text)->size());
}
const jchar* JNICALL GetStringChars(JNIEnv*, jstring text, jboolean* isCopy) {
    if (isCopy) *isCopy = JNI_FALSE;
    return reinterpret_cast<const jchar*>(reinterpret_cast<const Units*>(text)->c_str());
}
void JNICALL ReleaseStringChars(JNIEnv*, jstring, const jchar*) {}

JNIEnv* Environment() {
    static JNINativeInterface_ functions = [] {
        JNINativeInterface_ f;
        std::memset(&f, 0, sizeof f);
        f.GetStringLength = GetStringLength;
        f.GetStringChars = GetStringChars;
        f.ReleaseStringChars = ReleaseStringChars;
        return f;
    }();
    static JNIEnv env = [] {
        JNIEnv e;
        e.functions = &functions;
        return e;
    }();
    return &env;
}

// Reads modified UTF-8 strictly; false when it is not well formed.
bool ReadModifiedUtf8(const std::string& bytes, Units& out) {
    out.clear();
    for (size_t i = 0; i < bytes.size();) {
        const unsigned char b = bytes[i];
        if (b >= 0x01 && b < 0x80) {
            out += static_cast<char16_t>(b);
            ++i;
        } else if ((b & 0xE0) == 0xC0) {
            if (i + 1 >= bytes.size() || (bytes[i + 1] & 0xC0) != 0x80) return false;
            const unsigned c = ((b & 0x1F) << 6) | (bytes[i + 1] & 0x3F);
            if (c != 0 && c < 0x80) return false;  // overlong, but for NUL's C0 80
            out += static_cast<char16_t>(c);
            i += 2;
        } else if ((b & 0xF0) == 0xE0) {
            if (i + 2 >= bytes.size() || (bytes[i + 1] & 0xC0) != 0x80 || (bytes[i + 2] & 0xC0) != 0x80) return false;
            const unsigned c = ((b & 0x0F) << 12) | ((bytes[i + 1] & 0x3F) << 6) | (bytes[i + 2] & 0x3F);
            if (c < 0x800) return false;
            out += static_cast<char16_t>(c);
            i += 3;
        } else {
            return false;  // NUL, a continuation byte, or a four-byte form
        }
    }
    return true;
}

Units AnsiUnits(const std::string& ansi) {
    Units units(ansi.size(), u'\0');
    if (!ansi.empty())
        FUZZ_CHECK(MultiByteToWideChar(CP_ACP, 0, ansi.data(), static_cast<int>(ansi.size()),
                                  reinterpret_cast<WCHAR*>(&units[0]), static_cast<int>(units.size())) ==
              static_cast<int>(ansi.size()));
    return units;
}

bool HeldByCodePage(char16_t unit) {
    const WCHAR wide = unit;
    char byte;
    BOOL lost = FALSE;
    return WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, &wide, 1, &byte, 1, nullptr, &lost) == 1 && !lost;
}

void Name(const std::string& name) {
    const std::string modified = AnsiToModifiedUtf8(name.c_str());
    Units read;
    FUZZ_CHECK(ReadModifiedUtf8(modified, read));
    FUZZ_CHECK(read == AnsiUnits(name));
    std::string back;
    FUZZ_CHECK(JstringToAnsiExactly(Environment(), reinterpret_cast<jstring>(&read), back));
    FUZZ_CHECK(back == name);
}

void JavaString(const Units& text) {
    const jstring string = reinterpret_cast<jstring>(const_cast<Units*>(&text));
    std::string ansi;
    const bool exact = JstringToAnsiExactly(Environment(), string, ansi);
    bool held = true;
    size_t characters = 0;
    for (size_t i = 0; i < text.size(); ++i, ++characters) {
        const bool pair = text[i] >= 0xD800 && text[i] <= 0xDBFF && i + 1 < text.size() && text[i + 1] >= 0xDC00 &&
                          text[i + 1] <= 0xDFFF;
        held = held && !pair && HeldByCodePage(text[i]);
        if (pair) ++i;
    }
    FUZZ_CHECK(exact == held);
    // One byte per character; a surrogate pair (never held) one or two, as
    // the platform makes it.
    FUZZ_CHECK(ansi.size() >= characters && ansi.size() <= text.size());
    if (exact) FUZZ_CHECK(AnsiUnits(ansi) == text);
    FUZZ_CHECK(JstringToAnsi(Environment(), string) == ansi);
    char* copy = JstringToAnsiCopy(Environment(), string);
    FUZZ_CHECK(copy != nullptr && std::memcmp(copy, ansi.c_str(), ansi.size() + 1) == 0);
    std::free(copy);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::string name;
    for (size_t i = 0; i <= size; ++i) {
        if (i == size || data[i] == 0) {
            Name(name);
            name.clear();
        } else {
            name += static_cast<char>(data[i]);
        }
    }
    Units units;
    for (size_t i = 0; i + 1 < size; i += 2) units += static_cast<char16_t>(data[i] | (data[i + 1] << 8));
    JavaString(units);
    return 0;
}
