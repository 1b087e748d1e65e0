// The runtime's messages: every export that can fail hands its caller a heap
// copy (malloc; freed with C2jFreeMem) of an English text in *error.
//
// What a slot holds when a message is stored is never freed or looked at:
// every export empties *error when it starts and stores at most one
// message, and a caller may share one slot between threads (taking messages
// out of it with C2jCtorError), so the old value may be another thread's
// message, taken and freed already.
#pragma once

namespace brivel::c2j {

// A heap copy of `text`; null when memory is short.
char* HeapCopy(const char* text);
// Stores a heap copy of `text` in *error (when error is not null).
void SetError(char** error, const char* text);
// Formats the message first; any length.
void SetErrorFormat(char** error, const char* format, ...) __attribute__((format(printf, 2, 3)));
// Hands a heap message over to *error; frees it when error is null.
void StoreMessage(char** error, char* message);

}  // namespace brivel::c2j
