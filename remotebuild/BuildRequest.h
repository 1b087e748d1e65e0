// The two request kinds that the wizard sends to the build service: the
// generated JNI C++ file (with a binary header naming the library) and the
// COM-to-Java specification file. Builds the HTTP/1.0 head byte for byte;
// the file's bytes follow it unchanged.
#pragma once

#include <cstdint>
#include <string>

namespace brivel::remotebuild {

// The program's version, sent with the specification kind ("?brvver=188")
// and named in the readme's link to the web build page.
constexpr int kProgramVersion = 188;
// The build service listens on the HTTP port; part of the exchange.
constexpr int kBuildServicePort = 80;

enum class BuildKind {
    CppFile,        // the generated JNI C++ file; the service returns a JNI DLL
    Specification,  // the .c2j file; the service returns a COM DLL
};

// The HTTP proxy between the wizard and the build service, with optional
// Basic credentials.
struct ProxySettings {
    bool useProxy = false;
    std::string host;
    int port = 80;
    bool useCredentials = false;
    std::string userName;
    std::string password;
};

struct BuildRequest {
    BuildKind kind = BuildKind::CppFile;
    bool tutorial = false;     // specification kind: the tutorial project's servlet
    std::string buildHost;     // the build service's host
    ProxySettings proxy;
    std::string libraryName;   // C++ kind: the JNI library name, no extension
    uint32_t fileSize = 0;     // bytes of the file sent as (the rest of) the body
};

// Where the connection goes: the build host on port 80, or the proxy.
struct ConnectTarget {
    std::string host;
    int port = kBuildServicePort;
};

// The request target: an absolute URL through a proxy, else the path.
std::string RequestTarget(const BuildRequest& request);
ConnectTarget ConnectTargetOf(const BuildRequest& request);
// The body's length: the C++ kind's binary header and file, or the file.
uint64_t ContentLength(const BuildRequest& request);

// The HTTP lines of the request and, for the C++ kind, the binary header of
// its body. False when the request cannot be framed: a library name longer
// than its 16-bit length field, or a body longer than the 32-bit fields.
bool BuildRequestHead(const BuildRequest& request, std::string& head);

}  // namespace brivel::remotebuild
