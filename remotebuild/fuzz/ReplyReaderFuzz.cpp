// Fuzz entry of the reply reader: any bytes, cut into receive blocks at
// points the input chooses, must give one of the reader's outcomes, the same
// one as when read a byte at a time, without reading out of bounds, and
// never a DLL of no bytes (or of fewer bytes than announced) as complete.
//
// Input: byte 0 holds the mode (bit 7: no HTTP header, as the upload
// control's reader reads its COM-file requests' answers) and the number k of block sizes (low four bits); the
// next k bytes are block sizes (each plus one, used in turn); the rest is
// the reply.
#include "ReplyReader.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "FuzzCheck.h"

using brivel::remotebuild::ReplyOutcome;
using brivel::remotebuild::ReplyReader;

namespace {

struct Reading {
    ReplyOutcome outcome;
    std::vector<int> estimates;
    std::string dll;
    uint32_t announced = 0;
    int announcements = 0;
    std::string url, text, caption, statusLine;
    int cutOffRecord;
};


Reading Read(const uint8_t* reply, size_t size, const std::vector<size_t>& blockSizes, bool skipHeader) {
    ReplyReader reader(skipHeader);
    Reading r;
    size_t pos = 0, turn = 0;
    std::unique_ptr<uint8_t[]> block;
    int events = 0;
    for (;;) {
        ReplyReader::Event event = reader.Next();
        FUZZ_CHECK(++events < 100000000);
        if (event == ReplyReader::Event::NeedMore) {
            if (pos == size) {
                reader.EndOfReply();
                continue;
            }
            size_t n = blockSizes.empty() ? size - pos : blockSizes[turn++ % blockSizes.size()];
            if (n > size - pos) n = size - pos;
            // Each block is an allocation of its exact size, so that a read
            // beyond it, or of a block already given back, is caught.
            block.reset(new uint8_t[n]);
            std::memcpy(block.get(), reply + pos, n);
            reader.Supply(block.get(), n);
            pos += n;
        } else if (event == ReplyReader::Event::Estimate) {
            r.estimates.push_back(reader.EstimatedSeconds());
        } else if (event == ReplyReader::Event::DllAnnounced) {
            ++r.announcements;
            r.announced = reader.DllLength();
            FUZZ_CHECK(r.announced >= 1);
        } else if (event == ReplyReader::Event::DllBytes) {
            FUZZ_CHECK(r.announcements == 1 && reader.ByteCount() >= 1);
            r.dll.append(reinterpret_cast<const char*>(reader.Bytes()), reader.ByteCount());
            FUZZ_CHECK(r.dll.size() + reader.DllBytesMissing() == r.announced);
        } else {
            break;
        }
    }
    FUZZ_CHECK(reader.Next() == ReplyReader::Event::Finished);
    r.outcome = reader.Outcome();
    r.url = reader.Url();
    r.text = reader.Text();
    r.caption = reader.Caption();
    r.statusLine = reader.StatusLine();
    r.cutOffRecord = reader.CutOffRecord();

    switch (r.outcome) {
    case ReplyOutcome::DllComplete:
        FUZZ_CHECK(r.announced >= 1 && r.dll.size() == r.announced);
        break;
    case ReplyOutcome::DllShort:
        FUZZ_CHECK(r.announcements == 1 && r.dll.size() < r.announced);
        break;
    case ReplyOutcome::EmptyDll:
    case ReplyOutcome::Redirect:
    case ReplyOutcome::Message:
    case ReplyOutcome::LostConnection:
    case ReplyOutcome::HttpError:
    case ReplyOutcome::HeaderUnended:
        FUZZ_CHECK(r.announcements == 0 && r.dll.empty());
        break;
    default:
        FUZZ_CHECK(false);  // never pending once finished
    }
    FUZZ_CHECK(r.statusLine.size() <= 256);
    // The upload control's reader has no header to read or judge.
    if (!skipHeader)
        FUZZ_CHECK(r.outcome != ReplyOutcome::HttpError && r.outcome != ReplyOutcome::HeaderUnended && r.statusLine.empty());
    return r;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size == 0) return 0;
    const bool skipHeader = (data[0] & 0x80) == 0;
    size_t k = data[0] & 0x0F;
    if (k > size - 1) k = size - 1;
    std::vector<size_t> blockSizes;
    for (size_t i = 0; i < k; ++i) blockSizes.push_back(size_t{data[1 + i]} + 1);
    const uint8_t* reply = data + 1 + k;
    const size_t replySize = size - 1 - k;

    Reading cut = Read(reply, replySize, blockSizes, skipHeader);
    Reading bytewise = Read(reply, replySize, std::vector<size_t>{1}, skipHeader);
    FUZZ_CHECK(cut.outcome == bytewise.outcome && cut.estimates == bytewise.estimates && cut.dll == bytewise.dll &&
          cut.announced == bytewise.announced && cut.url == bytewise.url && cut.text == bytewise.text &&
          cut.caption == bytewise.caption && cut.statusLine == bytewise.statusLine &&
          cut.cutOffRecord == bytewise.cutOffRecord);
    return 0;
}
