#include "ReplyReader.h"

#include "WireHelpers.h"

#include <algorithm>
#include <cctype>

namespace brivel::remotebuild {
namespace {

constexpr size_t kStatusLineKept = 256;

}  // namespace

const char* ReplyOutcomeName(ReplyOutcome outcome) {
    switch (outcome) {
    case ReplyOutcome::Pending: return "Pending";
    case ReplyOutcome::DllComplete: return "DllComplete";
    case ReplyOutcome::EmptyDll: return "EmptyDll";
    case ReplyOutcome::DllShort: return "DllShort";
    case ReplyOutcome::Redirect: return "Redirect";
    case ReplyOutcome::Message: return "Message";
    case ReplyOutcome::LostConnection: return "LostConnection";
    case ReplyOutcome::HttpError: return "HttpError";
    case ReplyOutcome::HeaderUnended: return "HeaderUnended";
    }
    return "?";
}

ReplyReader::ReplyReader(bool skipHttpHeader) : phase_(skipHttpHeader ? Phase::Header : Phase::Records) {}

void ReplyReader::Supply(const unsigned char* block, size_t size) {
    block_ = block;
    size_ = size;
    pos_ = 0;
    if (size > 0) anyByte_ = true;
}

void ReplyReader::EndOfReply() { ended_ = true; }

ReplyReader::Event ReplyReader::Next() {
    sliceSize_ = 0;
    for (;;) {
        if (phase_ == Phase::Done) return Event::Finished;
        if (pos_ == size_) return ended_ ? EndedHere() : Event::NeedMore;
        switch (phase_) {
        case Phase::Header:
            ReadHeader();
            if (header_.Ended()) {
                statusError_ = StatusNamesError();
                phase_ = Phase::Records;
            }
            break;
        case Phase::Records: {
            Event event = ReadRecordByte();
            if (event != Event::NeedMore) return event;
            break;
        }
        case Phase::Download:
            return ReadDllBytes();
        case Phase::Done:
            break;
        }
    }
}

void ReplyReader::ReadHeader() {
    const unsigned char* start = block_ + pos_;
    size_t used = header_.Consume(start, size_ - pos_);
    for (size_t i = 0; i < used && !statusLineDone_; ++i) {
        char c = static_cast<char>(start[i]);
        if (c == '\r' || c == '\n') statusLineDone_ = true;
        else if (statusLine_.size() < kStatusLineKept) statusLine_ += c;
    }
    pos_ += used;
}

// "HTTP/<version> <code> ..." with a code outside 2xx. A first line of any
// other form is not judged: the records decide.
bool ReplyReader::StatusNamesError() const {
    const std::string& line = statusLine_;
    if (line.compare(0, 5, "HTTP/") != 0) return false;
    size_t blank = line.find(' ');
    if (blank == std::string::npos || blank + 4 > line.size()) return false;
    for (size_t i = blank + 1; i < blank + 4; ++i)
        if (!std::isdigit(static_cast<unsigned char>(line[i]))) return false;
    if (blank + 4 < line.size() && line[blank + 4] != ' ') return false;
    return line[blank + 1] != '2';
}

void ReplyReader::Expect(Field field, uint32_t count) {
    field_ = field;
    need_ = count;
    operand_.clear();
}

ReplyReader::Event ReplyReader::ReadRecordByte() {
    if (field_ == Field::Code) {
        code_ = block_[pos_++];
        switch (code_) {
        case 3: Expect(Field::Seconds, 2); break;
        case 5: Expect(Field::DllLength, 4); break;
        case 6: Expect(Field::UrlLength, 2); break;
        case 7: Expect(Field::TextLength, 2); break;
        default: break;  // filler: 0, 1, 2, 4 and 8 to 255
        }
        return Event::NeedMore;
    }
    size_t take = std::min<size_t>(need_ - operand_.size(), size_ - pos_);
    operand_.append(reinterpret_cast<const char*>(block_ + pos_), take);
    pos_ += take;
    if (operand_.size() < need_) return Event::NeedMore;
    return FieldComplete();
}

ReplyReader::Event ReplyReader::FieldComplete() {
    const auto* bytes = reinterpret_cast<const unsigned char*>(operand_.data());
    switch (field_) {
    case Field::Seconds:
        estimatedSeconds_ = static_cast<uint16_t>(GetUIntBE(bytes, 2));
        Expect(Field::Code, 0);
        return Event::Estimate;
    case Field::DllLength:
        dllLength_ = dllMissing_ = GetUIntBE(bytes, 4);
        if (dllLength_ == 0) return Finish(ReplyOutcome::EmptyDll);
        phase_ = Phase::Download;
        return Event::DllAnnounced;
    case Field::UrlLength:
        Expect(Field::Url, GetUIntBE(bytes, 2));
        break;
    case Field::Url:
        url_ = operand_;
        return Finish(ReplyOutcome::Redirect);
    case Field::TextLength:
        Expect(Field::Text, GetUIntBE(bytes, 2));
        break;
    case Field::Text:
        text_ = operand_;
        Expect(Field::CaptionLength, 2);
        return Event::NeedMore;
    case Field::CaptionLength:
        Expect(Field::Caption, GetUIntBE(bytes, 2));
        break;
    case Field::Caption:
        caption_ = operand_;
        return Finish(ReplyOutcome::Message);
    case Field::Code:
        break;
    }
    // A counted text of length 0 is complete at once.
    return need_ == 0 ? FieldComplete() : Event::NeedMore;
}

ReplyReader::Event ReplyReader::ReadDllBytes() {
    size_t take = std::min<size_t>(dllMissing_, size_ - pos_);
    slice_ = block_ + pos_;
    sliceSize_ = take;
    pos_ += take;
    dllMissing_ -= static_cast<uint32_t>(take);
    if (dllMissing_ == 0) {
        outcome_ = ReplyOutcome::DllComplete;
        phase_ = Phase::Done;
    }
    return Event::DllBytes;
}

ReplyReader::Event ReplyReader::Finish(ReplyOutcome outcome) {
    outcome_ = outcome;
    phase_ = Phase::Done;
    return Event::Finished;
}

ReplyReader::Event ReplyReader::EndedHere() {
    switch (phase_) {
    case Phase::Header:
        return Finish(anyByte_ ? ReplyOutcome::HeaderUnended : ReplyOutcome::LostConnection);
    case Phase::Records:
        // No final record came: an error status says why.
        cutOffRecord_ = field_ == Field::Code ? -1 : code_;
        return Finish(statusError_ ? ReplyOutcome::HttpError : ReplyOutcome::LostConnection);
    case Phase::Download:
        return Finish(ReplyOutcome::DllShort);
    case Phase::Done:
        break;
    }
    return Event::Finished;
}

}  // namespace brivel::remotebuild
