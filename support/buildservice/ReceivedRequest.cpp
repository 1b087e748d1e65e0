#include "ReceivedRequest.h"

#include "BrvString.h"
#include "ByteOrder.h"

#include <cctype>
#include <cstdlib>

namespace brivel::buildservice {
namespace {

bool StartsWith(const std::string& text, const std::string& start) { return text.compare(0, start.size(), start) == 0; }

bool ParseVersionQuery(const std::string& query, int& version) {
    if (!StartsWith(query, "?brvver=") || query.size() == 8) return false;
    for (size_t i = 8; i < query.size(); ++i)
        if (!std::isdigit(static_cast<unsigned char>(query[i]))) return false;
    version = std::atoi(query.c_str() + 8);
    return true;
}

void DecodeCppBody(ReceivedRequest& request) {
    const std::string& body = request.body;
    if (body.size() < 2) {
        request.problem = "body shorter than its name length";
        return;
    }
    size_t nameLength = GetUInt16LE(body.data());
    if (body.size() < 2 + nameLength + 8) {
        request.problem = "body shorter than its header";
        return;
    }
    request.libraryName = body.substr(2, nameLength);
    uint32_t fileSize = GetUInt32LE(body.data() + 2 + nameLength);
    request.fileKind = GetUInt32LE(body.data() + 6 + nameLength);
    request.file = body.substr(10 + nameLength);
    if (request.file.size() != fileSize)
        request.problem = brivel::FormatString("file size field %u, %u file bytes", fileSize,
                                               static_cast<unsigned>(request.file.size()));
    else if (request.fileKind != 1)
        request.problem = brivel::FormatString("file kind %u", request.fileKind);
}

// A 16-bit little-endian length and that many bytes; false when the body
// ends first.
bool TakeCountedText(const std::string& body, size_t& pos, std::string& text) {
    if (body.size() < pos + 2) return false;
    size_t length = GetUInt16LE(body.data() + pos);
    if (body.size() < pos + 2 + length) return false;
    text = body.substr(pos + 2, length);
    pos += 2 + length;
    return true;
}

// "<library>;pvirt=<0|1>[;activex=<list>]".
void DecodeLibraryField(ReceivedRequest& request) {
    const std::string& field = request.libraryField;
    size_t options = field.find(";pvirt=");
    if (options == std::string::npos || options + 8 > field.size() || (field[options + 7] != '0' && field[options + 7] != '1')) {
        request.problem = "library field without ;pvirt=0 or ;pvirt=1: " + field;
        return;
    }
    request.libraryName = field.substr(0, options);
    request.preferVirtual = field[options + 7] - '0';
    std::string rest = field.substr(options + 8);
    if (rest.empty()) return;
    if (!StartsWith(rest, ";activex=")) {
        request.problem = "library field continues after ;pvirt with " + rest;
        return;
    }
    request.hasActiveXList = true;
    request.activeXList = rest.substr(9);
}

void DecodeComFileBody(ReceivedRequest& request) {
    const std::string& body = request.body;
    size_t pos = 0;
    if (!TakeCountedText(body, pos, request.libraryField) || !TakeCountedText(body, pos, request.packageName) ||
        !TakeCountedText(body, pos, request.comFileName) || body.size() < pos + 8) {
        request.problem = "body shorter than its header";
        return;
    }
    request.reserved = GetUInt32LE(body.data() + pos);
    uint32_t fileSize = GetUInt32LE(body.data() + pos + 4);
    request.file = body.substr(pos + 8);
    if (request.file.size() != fileSize) {
        request.problem = brivel::FormatString("file size field %u, %u file bytes", fileSize,
                                               static_cast<unsigned>(request.file.size()));
        return;
    }
    DecodeLibraryField(request);
}

}  // namespace

std::string ReceivedRequest::Header(const std::string& name) const {
    for (const auto& [key, value] : headers)
        if (brivel::EqualsNoCase(key.c_str(), name.c_str())) return value;
    return std::string();
}

bool ReceivedRequest::HasHeader(const std::string& name) const {
    for (const auto& header : headers)
        if (brivel::EqualsNoCase(header.first.c_str(), name.c_str())) return true;
    return false;
}

bool ParseRequestHead(const std::string& head, ReceivedRequest& request) {
    size_t lineEnd = head.find("\r\n");
    if (lineEnd == std::string::npos) {
        request.problem = "no request line";
        return false;
    }
    std::string line = head.substr(0, lineEnd);
    size_t first = line.find(' '), last = line.rfind(' ');
    if (first == std::string::npos || last == first) {
        request.problem = "request line without method, target and version";
        return false;
    }
    request.method = line.substr(0, first);
    request.target = line.substr(first + 1, last - first - 1);
    request.version = line.substr(last + 1);

    for (size_t start = lineEnd + 2; start < head.size();) {
        size_t end = head.find("\r\n", start);
        if (end == std::string::npos || end == start) break;
        std::string header = head.substr(start, end - start);
        size_t colon = header.find(':');
        if (colon == std::string::npos) {
            request.problem = "header line without a colon: " + header;
            return false;
        }
        size_t value = header.find_first_not_of(' ', colon + 1);
        request.headers.emplace_back(header.substr(0, colon),
                                     value == std::string::npos ? std::string() : header.substr(value));
        start = end + 2;
    }

    if (StartsWith(request.target, "http://")) {
        request.viaProxy = true;
        size_t slash = request.target.find('/', 7);
        request.hostInTarget = request.target.substr(7, slash == std::string::npos ? std::string::npos : slash - 7);
        request.path = slash == std::string::npos ? "/" : request.target.substr(slash);
    } else {
        request.path = request.target;
    }
    return true;
}

bool ContentLengthOf(const ReceivedRequest& request, uint64_t& length) {
    if (!request.HasHeader("Content-Length")) return false;
    std::string text = request.Header("Content-Length");
    if (text.empty() || text.size() > 12) return false;
    for (char c : text)
        if (!std::isdigit(static_cast<unsigned char>(c))) return false;
    length = std::strtoull(text.c_str(), nullptr, 10);
    return true;
}

void DecodeBody(ReceivedRequest& request) {
    const std::string& path = request.path;
    if (path == "/brvProBuildServlet") {
        request.kind = RequestKind::CppFile;
        DecodeCppBody(request);
        return;
    }
    if (path == "/brvBuildServlet") {
        request.kind = RequestKind::ComFile;
        DecodeComFileBody(request);
        return;
    }
    for (auto [servlet, kind] : {std::pair<const char*, RequestKind>{"/brvBuildC2jServlet", RequestKind::Specification},
                                 {"/brvBuildC2jTutServlet", RequestKind::SpecificationTutorial}}) {
        if (!StartsWith(path, servlet)) continue;
        std::string query = path.substr(std::string(servlet).size());
        if (!ParseVersionQuery(query, request.programVersion)) {
            request.problem = "no program version in " + path;
            return;
        }
        request.kind = kind;
        request.file = request.body;
        return;
    }
}

}  // namespace brivel::buildservice
