// Reads the build service's reply as it arrives, in blocks cut anywhere:
// the HTTP header (skipped; its status names the failure only when the
// reply then ends without a final record), then the records (big-endian
// operands), then the bytes of the DLL that a record announced.
//
// Records: code 3 (u16 seconds) is an estimate and reading goes on; code 5
// (u32 length) announces the DLL, code 6 (u16 length, URL) a redirect and
// code 7 (u16 length, text, u16 length, caption) a message: each of the three
// ends the records. Every other code byte is skipped.
//
// The reader is pull-style: Supply a received block, then call Next until it
// answers NeedMore; when the connection ends, call EndOfReply and Next once
// more. It holds no socket and copies no DLL bytes: DllBytes events point
// into the block supplied, cut to the bytes still announced.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

#include "EndOfHeaderMatcher.h"

namespace brivel::remotebuild {

enum class ReplyOutcome {
    Pending,         // the reply is not finished
    DllComplete,     // every byte of a DLL of at least one byte arrived
    EmptyDll,        // a DLL record announced 0 bytes: nothing was built
    DllShort,        // the reply ended before the DLL's last byte
    Redirect,        // record 6: Url()
    Message,         // record 7: Text() and Caption()
    LostConnection,  // the reply ended before a final record
    HttpError,       // the reply ended before a final record after an error status: StatusLine()
    HeaderUnended,   // the reply ended inside its HTTP header
};

const char* ReplyOutcomeName(ReplyOutcome outcome);

class ReplyReader {
public:
    enum class Event {
        NeedMore,      // every byte supplied is used: Supply the next block or call EndOfReply
        Estimate,      // a record 3: EstimatedSeconds()
        DllAnnounced,  // a record 5 of at least one byte: DllLength(); the download starts
        DllBytes,      // Bytes() and ByteCount(): the DLL's next bytes
        Finished,      // Outcome() is final
    };

    // The upload control's requests go through the platform's HTTP client,
    // which takes the header off: its reader starts at the records.
    explicit ReplyReader(bool skipHttpHeader = true);

    void Supply(const unsigned char* block, size_t size);
    void EndOfReply();
    Event Next();

    uint16_t EstimatedSeconds() const { return estimatedSeconds_; }
    uint32_t DllLength() const { return dllLength_; }
    uint32_t DllBytesMissing() const { return dllMissing_; }
    const unsigned char* Bytes() const { return slice_; }
    size_t ByteCount() const { return sliceSize_; }

    ReplyOutcome Outcome() const { return outcome_; }
    const std::string& Url() const { return url_; }
    const std::string& Text() const { return text_; }
    const std::string& Caption() const { return caption_; }
    // The header's first line without its line end (at most 256 bytes kept).
    const std::string& StatusLine() const { return statusLine_; }
    // LostConnection or HttpError: the code of the record whose operands
    // were cut off, or -1 when the reply ended between records.
    int CutOffRecord() const { return cutOffRecord_; }
    // True from the start until a final record (or the end of the reply):
    // the header and the records are being read.
    bool ReadingRecords() const { return phase_ == Phase::Header || phase_ == Phase::Records; }

private:
    enum class Phase { Header, Records, Download, Done };
    enum class Field { Code, Seconds, DllLength, UrlLength, Url, TextLength, Text, CaptionLength, Caption };

    void ReadHeader();
    Event ReadRecordByte();
    Event FieldComplete();
    Event ReadDllBytes();
    Event Finish(ReplyOutcome outcome);
    Event EndedHere();
    void Expect(Field field, uint32_t count);
    bool StatusNamesError() const;

    EndOfHeaderMatcher header_;
    Phase phase_;
    Field field_ = Field::Code;
    int code_ = 0;
    uint32_t need_ = 0;
    std::string operand_;

    const unsigned char* block_ = nullptr;
    size_t size_ = 0;
    size_t pos_ = 0;
    bool ended_ = false;
    bool anyByte_ = false;
    bool statusLineDone_ = false;
    bool statusError_ = false;

    uint16_t estimatedSeconds_ = 0;
    uint32_t dllLength_ = 0;
    uint32_t dllMissing_ = 0;
    const unsigned char* slice_ = nullptr;
    size_t sliceSize_ = 0;

    ReplyOutcome outcome_ = ReplyOutcome::Pending;
    std::string url_, text_, caption_, statusLine_;
    int cutOffRecord_ = -1;
};

}  // namespace brivel::remotebuild
