#include "BuildRequest.h"

#include "BrvString.h"
#include "WireHelpers.h"

namespace brivel::remotebuild {
namespace {

// The C++ kind's body header: name length (2), file size (4), kind (4).
constexpr uint32_t kCppBodyHeaderFixedBytes = 10;
constexpr uint32_t kCppFileKind = 1;

std::string RequestPath(const BuildRequest& request) {
    if (request.kind == BuildKind::CppFile) return "/brvProBuildServlet";
    std::string servlet = request.tutorial ? "/brvBuildC2jTutServlet" : "/brvBuildC2jServlet";
    return servlet + brivel::FormatString("?brvver=%d", kProgramVersion);
}

bool SendsCredentials(const ProxySettings& proxy) { return proxy.useProxy && proxy.useCredentials; }

}  // namespace

std::string RequestTarget(const BuildRequest& request) {
    if (request.proxy.useProxy) return "http://" + request.buildHost + RequestPath(request);
    return RequestPath(request);
}

ConnectTarget ConnectTargetOf(const BuildRequest& request) {
    if (request.proxy.useProxy) return {request.proxy.host, request.proxy.port};
    return {request.buildHost, kBuildServicePort};
}

uint64_t ContentLength(const BuildRequest& request) {
    if (request.kind == BuildKind::CppFile)
        return uint64_t{request.libraryName.size()} + request.fileSize + kCppBodyHeaderFixedBytes;
    return request.fileSize;
}

bool BuildRequestHead(const BuildRequest& request, std::string& head) {
    head.clear();
    uint64_t length = ContentLength(request);
    if (length > 0x7FFFFFFF) return false;  // beyond the decimal "%d" the service reads

    AppendString(head, "POST ");
    AppendString(head, RequestTarget(request).c_str());
    AppendString(head, " HTTP/1.0\r\nContent-Length: ");
    AppendString(head, brivel::FormatString("%d", static_cast<int>(length)).c_str());
    AppendString(head, "\r\n");
    // The proxy's credentials are for the proxy alone: it would pass an
    // Authorization line on to the build service.
    if (SendsCredentials(request.proxy)) {
        AppendString(head, "Proxy-Authorization: ");
        AppendString(head, MakeBasicAuth(request.proxy.userName, request.proxy.password).c_str());
        AppendString(head, "\r\n");
    }
    AppendString(head, "\r\n");

    if (request.kind == BuildKind::CppFile) {
        if (!PutLengthPrefixedString(head, request.libraryName)) {
            head.clear();
            return false;
        }
        PutUInt32LE(head, request.fileSize);
        PutUInt32LE(head, kCppFileKind);
    }
    return true;
}

}  // namespace brivel::remotebuild
