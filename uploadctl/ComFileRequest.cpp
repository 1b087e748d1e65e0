#include "ComFileRequest.h"

#include "WireHelpers.h"

namespace brivel::uploadctl {

using brivel::remotebuild::PutLengthPrefixedString;
using brivel::remotebuild::PutUInt32LE;

ComFileRequest RequestFromProperties(const CUploaderProperties& properties, uint32_t fileSize) {
    ComFileRequest request;
    request.libraryName = properties.Get(UploaderProperty::LibraryName);
    request.packageName = properties.Get(UploaderProperty::PackageName);
    request.comFileName = properties.Get(UploaderProperty::ComFileName);
    request.activeXPart = properties.ActiveXPart();
    request.preferVirtual = properties.PreferVirtual();
    request.fileSize = fileSize;
    return request;
}

std::string LibraryField(const ComFileRequest& request) {
    return request.libraryName + (request.preferVirtual ? ";pvirt=1" : ";pvirt=0") + request.activeXPart;
}

bool BuildComFileRequestHeader(const ComFileRequest& request, std::string& header) {
    std::string fields;
    if (!PutLengthPrefixedString(fields, LibraryField(request)) ||
        !PutLengthPrefixedString(fields, request.packageName) ||
        !PutLengthPrefixedString(fields, request.comFileName))
        return false;
    PutUInt32LE(fields, request.reserved);
    PutUInt32LE(fields, request.fileSize);
    if (uint64_t{fields.size()} + request.fileSize > 0xFFFFFFFFu) return false;
    header = std::move(fields);
    return true;
}

}  // namespace brivel::uploadctl
