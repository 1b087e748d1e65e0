// The replies the build-service stand-in sends: an HTTP/1.0 status line and
// header, then the service's byte-coded records, in segments that are sent
// apart (with a pause before each), so that a client receives them in
// separate blocks; optionally cut off by a reset instead of a close.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace brivel::buildservice {

// The records, operands big-endian.
std::string EstimateRecord(uint16_t seconds);              // 3
std::string DllRecord(const std::string& dll);             // 5, length and bytes
std::string DllAnnouncement(uint32_t length);              // 5, length only
std::string RedirectRecord(const std::string& url);        // 6
std::string MessageRecord(const std::string& text, const std::string& caption);  // 7

class ScriptedReply {
public:
    struct Segment {
        std::string bytes;
        int pauseBeforeMs = 0;
    };

    // "HTTP/1.0 200 OK", a content type and the blank line.
    static ScriptedReply Ok();
    // Another status line ("HTTP/1.0 503 Service Unavailable"), same header.
    static ScriptedReply WithStatus(const std::string& statusLine);
    // Nothing yet: not even a header.
    static ScriptedReply Empty();

    ScriptedReply& Bytes(const std::string& bytes);
    ScriptedReply& Estimate(uint16_t seconds) { return Bytes(EstimateRecord(seconds)); }
    ScriptedReply& Dll(const std::string& dll) { return Bytes(DllRecord(dll)); }
    ScriptedReply& Redirect(const std::string& url) { return Bytes(RedirectRecord(url)); }
    ScriptedReply& Message(const std::string& text, const std::string& caption) {
        return Bytes(MessageRecord(text, caption));
    }
    // What follows is sent after a pause, as a block of its own.
    ScriptedReply& Pause(int ms);
    // Cuts all bytes anew at the given offsets, with a pause before each cut.
    ScriptedReply& SplitAt(const std::vector<size_t>& offsets, int pauseMs);
    // Ends the connection with a reset instead of an orderly close.
    ScriptedReply& EndWithReset();
    // Instead of a reply: the connection is reset once the request's head
    // has arrived, while the client still uploads its body.
    static ScriptedReply CutOffUpload();

    std::string AllBytes() const;
    const std::vector<Segment>& Segments() const { return segments_; }
    bool EndsWithReset() const { return reset_; }
    bool CutsOffUpload() const { return cutOffUpload_; }

private:
    std::vector<Segment> segments_{Segment{}};
    bool reset_ = false;
    bool cutOffUpload_ = false;
};

}  // namespace brivel::buildservice
