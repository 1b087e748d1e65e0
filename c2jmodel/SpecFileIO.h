// Reading and writing the little-endian fields of a specification file on an
// open stdio stream. Every read says whether the whole field was there;
// strings are read in pieces, so a damaged length can never ask for more
// memory than the file really holds.
#pragma once

#include "BrvString.h"

#include <cstdint>
#include <cstdio>

namespace brivel {

bool WriteSpecU8(FILE* file, uint8_t value);
bool WriteSpecU16(FILE* file, uint16_t value);
bool WriteSpecU32(FILE* file, uint32_t value);
// A u32 byte count, then the bytes (no terminator).
bool WriteSpecString(FILE* file, const CString& text);

bool ReadSpecU8(FILE* file, uint8_t& value);
bool ReadSpecU16(FILE* file, uint16_t& value);
bool ReadSpecU32(FILE* file, uint32_t& value);
// How a string read ended; on anything but kStringRead the text is empty.
enum SpecStringResult {
    kStringRead,
    kStringCountMissing,  // the u32 byte count was cut short
    kStringBytesMissing,  // fewer bytes follow than the count says
    kStringTooLong,       // the count exceeds the caller's limit
};
SpecStringResult ReadSpecString(FILE* file, CString& text, uint32_t maxLength = 0xFFFFFFFFu);

}  // namespace brivel
