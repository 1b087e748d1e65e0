// Text at the JNI edge. Inside the runtime text is ANSI (the system code
// page); Java's modified UTF-8 and its strings are reached through UTF-16,
// so characters beyond ASCII survive both ways.
#pragma once

#include <jni.h>

#include <string>

namespace brivel::c2j {

// ANSI text in the modified UTF-8 form that FindClass, GetMethodID and the
// like take.
std::string AnsiToModifiedUtf8(const char* ansi);
// A Java string as ANSI text; empty for null.
std::string JstringToAnsi(JNIEnv* env, jstring text);
// The same; false when the system code page cannot hold some character of
// it (the text then has a stand-in there, such as '?').
bool JstringToAnsiExactly(JNIEnv* env, jstring text, std::string& ansi);
// A heap copy (malloc) of a Java string as ANSI text; null for null.
char* JstringToAnsiCopy(JNIEnv* env, jstring text);

}  // namespace brivel::c2j
