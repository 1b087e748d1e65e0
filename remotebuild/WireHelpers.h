// The byte helpers of the build-service exchange: texts, little-endian
// integers and length-prefixed strings appended to a request that grows as
// needed, big-endian integers read from the reply, and the Basic credentials
// of the proxy headers.
#pragma once

#include <cstdint>
#include <string>

namespace brivel::remotebuild {

// Appends the text without its terminating NUL (the wire carries none).
void AppendString(std::string& destination, const char* text);

// Appends a 32-bit value as four bytes, lowest first.
void PutUInt32LE(std::string& destination, uint32_t value);

// Appends the text's length as a 16-bit little-endian count, then its bytes.
// False, with nothing appended, for a text longer than 65,535 bytes: its
// length cannot be counted in the field.
bool PutLengthPrefixedString(std::string& destination, const std::string& text);

// An unsigned big-endian integer of `count` bytes (2 or 4); 0 for a count of
// 0 or less. At most four bytes are read.
uint32_t GetUIntBE(const unsigned char* bytes, int count);

// RFC 4648 Base64 with "=" padding and no line breaks.
std::string Base64Encode(const std::string& bytes);

// "Basic " and the Base64 of "<user>:<password>".
std::string MakeBasicAuth(const std::string& user, const std::string& password);

}  // namespace brivel::remotebuild
