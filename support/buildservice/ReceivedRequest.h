// A request as the build-service stand-in received it, every byte kept, and
// what it makes of it: the request line, the header lines in their order,
// the body, and the body's fields for each request kind the service knows.
#pragma once

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

namespace brivel::buildservice {

enum class RequestKind {
    Unknown,
    CppFile,                // "/brvProBuildServlet": binary header, then the C++ file
    Specification,          // "/brvBuildC2jServlet?brvver=<n>": the .c2j file
    SpecificationTutorial,  // "/brvBuildC2jTutServlet?brvver=<n>"
    ComFile,                // "/brvBuildServlet": the upload control's COM file with its names
};

struct ReceivedRequest {
    std::string raw;   // head and body as received
    std::string head;  // up to and including the blank line
    std::string body;

    std::string method, target, version;
    std::vector<std::pair<std::string, std::string>> headers;

    bool viaProxy = false;  // an absolute target: the stand-in was asked as a proxy
    std::string hostInTarget;
    std::string path;       // the target's path and query

    RequestKind kind = RequestKind::Unknown;
    int programVersion = -1;  // "?brvver=" of the specification kinds
    std::string libraryName;  // C++ kind, COM-file kind
    uint32_t fileKind = 0;    // C++ kind: 1
    std::string file;         // the file the client sent

    // COM-file kind: its first text is the library name with its options
    // (";pvirt=0" or ";pvirt=1", then ";activex=" and the list, if any).
    std::string libraryField;
    int preferVirtual = -1;  // 0 or 1 as ";pvirt=" gives it
    bool hasActiveXList = false;
    std::string activeXList;
    std::string packageName;
    std::string comFileName;
    uint32_t reserved = 0;

    // Why the request breaks the exchange's format; empty when it does not.
    std::string problem;

    // The value of the first header line of that name (case ignored).
    std::string Header(const std::string& name) const;
    bool HasHeader(const std::string& name) const;
};

// Splits the head into request line and header lines; false with the problem.
bool ParseRequestHead(const std::string& head, ReceivedRequest& request);
// The body's length from Content-Length; false when absent or not a number.
bool ContentLengthOf(const ReceivedRequest& request, uint64_t& length);
// The request kind from the path and the fields of its body.
void DecodeBody(ReceivedRequest& request);

}  // namespace brivel::buildservice
