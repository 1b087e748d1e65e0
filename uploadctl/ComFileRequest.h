// The upload control's build request: the body of one HTTP POST that carries
// a COM file (DLL, OCX, EXE or type library) to the build service. Integers
// little-endian, texts in the system code page without a terminator:
//
//   u16 L1, L1 bytes: library name, ";pvirt=1" or ";pvirt=0", ActiveX part
//   u16 L2, L2 bytes: Java package name
//   u16 L3, L3 bytes: the COM file's path as typed
//   u32 reserved, u32 file size, then the file's bytes
//
// so the body is L1 + L2 + L3 + 14 + file size bytes long.
#pragma once

#include <cstdint>
#include <string>

#include "UploaderProperties.h"

namespace brivel::uploadctl {

// The reserved field's value: the service reads nothing from it.
constexpr uint32_t kReservedFieldValue = 0;

struct ComFileRequest {
    std::string libraryName;
    std::string packageName;
    std::string comFileName;
    std::string activeXPart;  // ";activex=<list>" or empty
    bool preferVirtual = false;
    uint32_t reserved = kReservedFieldValue;
    uint32_t fileSize = 0;
};

// The request as the control's properties describe it.
ComFileRequest RequestFromProperties(const CUploaderProperties& properties, uint32_t fileSize);

// Field 2: the library name with its options.
std::string LibraryField(const ComFileRequest& request);

// Fields 1 to 8 (everything before the file's bytes). False, with nothing
// written, when a text does not fit its 16-bit length or the whole body
// would not fit the 32-bit length the request is announced with.
bool BuildComFileRequestHeader(const ComFileRequest& request, std::string& header);

}  // namespace brivel::uploadctl
