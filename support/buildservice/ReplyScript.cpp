#include "ReplyScript.h"

#include "ByteOrder.h"

#include <algorithm>

namespace brivel::buildservice {

std::string EstimateRecord(uint16_t seconds) {
    std::string r(1, '\x03');
    PutUInt16BE(r, seconds);
    return r;
}

std::string DllAnnouncement(uint32_t length) {
    std::string r(1, '\x05');
    PutUInt32BE(r, length);
    return r;
}

std::string DllRecord(const std::string& dll) { return DllAnnouncement(static_cast<uint32_t>(dll.size())) + dll; }

std::string RedirectRecord(const std::string& url) {
    std::string r(1, '\x06');
    PutUInt16BE(r, static_cast<uint16_t>(url.size()));
    return r + url;
}

std::string MessageRecord(const std::string& text, const std::string& caption) {
    std::string r(1, '\x07');
    PutUInt16BE(r, static_cast<uint16_t>(text.size()));
    r += text;
    PutUInt16BE(r, static_cast<uint16_t>(caption.size()));
    return r + caption;
}

ScriptedReply ScriptedReply::Ok() { return WithStatus("HTTP/1.0 200 OK"); }

ScriptedReply ScriptedReply::WithStatus(const std::string& statusLine) {
    ScriptedReply reply;
    reply.Bytes(statusLine + "\r\nContent-Type: application/octet-stream\r\n\r\n");
    return reply;
}

ScriptedReply ScriptedReply::Empty() { return ScriptedReply(); }

ScriptedReply& ScriptedReply::Bytes(const std::string& bytes) {
    segments_.back().bytes += bytes;
    return *this;
}

ScriptedReply& ScriptedReply::Pause(int ms) {
    segments_.push_back(Segment{std::string(), ms});
    return *this;
}

ScriptedReply& ScriptedReply::SplitAt(const std::vector<size_t>& offsets, int pauseMs) {
    std::string all = AllBytes();
    std::vector<size_t> cuts(offsets);
    std::sort(cuts.begin(), cuts.end());
    segments_.assign(1, Segment{});
    size_t start = 0;
    for (size_t cut : cuts) {
        if (cut >= all.size()) break;
        if (cut <= start) continue;
        segments_.back().bytes = all.substr(start, cut - start);
        segments_.push_back(Segment{std::string(), pauseMs});
        start = cut;
    }
    segments_.back().bytes = all.substr(start);
    return *this;
}

ScriptedReply& ScriptedReply::EndWithReset() {
    reset_ = true;
    return *this;
}

ScriptedReply ScriptedReply::CutOffUpload() {
    ScriptedReply reply;
    reply.cutOffUpload_ = true;
    reply.reset_ = true;
    return reply;
}

std::string ScriptedReply::AllBytes() const {
    std::string all;
    for (const Segment& s : segments_) all += s.bytes;
    return all;
}

}  // namespace brivel::buildservice
