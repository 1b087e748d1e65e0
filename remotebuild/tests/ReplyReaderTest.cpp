// The reply reader over replies written with the stand-in's record encoders,
// cut into blocks at every point: the outcome, the estimates and the DLL's
// bytes never depend on where the blocks end.
#include "ReplyReader.h"

#include "ReplyScript.h"

#include <gtest/gtest.h>

#include <vector>

using namespace brivel::remotebuild;
using brivel::buildservice::DllAnnouncement;
using brivel::buildservice::DllRecord;
using brivel::buildservice::EstimateRecord;
using brivel::buildservice::MessageRecord;
using brivel::buildservice::RedirectRecord;

namespace {

const std::string kOkHeader = "HTTP/1.0 200 OK\r\nContent-Type: application/octet-stream\r\n\r\n";

struct Reading {
    ReplyOutcome outcome = ReplyOutcome::Pending;
    std::vector<int> estimates;
    std::string dll;
    uint32_t announced = 0;
    int announcements = 0;
    std::string url, text, caption, statusLine;
    int cutOffRecord = -1;

    bool operator==(const Reading& o) const {
        return outcome == o.outcome && estimates == o.estimates && dll == o.dll && announced == o.announced &&
               announcements == o.announcements && url == o.url && text == o.text && caption == o.caption &&
               statusLine == o.statusLine && cutOffRecord == o.cutOffRecord;
    }
};

std::ostream& operator<<(std::ostream& out, const Reading& r) {
    return out << ReplyOutcomeName(r.outcome) << " dll " << r.dll.size() << "/" << r.announced << " estimates "
               << r.estimates.size() << " url '" << r.url << "' text '" << r.text.substr(0, 40) << "'";
}

// Reads the reply in blocks that end at the given offsets, then the end of
// the connection.
Reading Read(const std::string& reply, std::vector<size_t> cuts, bool skipHeader = true) {
    cuts.push_back(reply.size());
    ReplyReader reader(skipHeader);
    Reading r;
    size_t start = 0, next = 0;
    for (;;) {
        ReplyReader::Event event = reader.Next();
        if (event == ReplyReader::Event::NeedMore) {
            while (next < cuts.size() && cuts[next] <= start) ++next;
            if (next == cuts.size()) {
                reader.EndOfReply();
            } else {
                reader.Supply(reinterpret_cast<const unsigned char*>(reply.data()) + start, cuts[next] - start);
                start = cuts[next];
            }
        } else if (event == ReplyReader::Event::Estimate) {
            r.estimates.push_back(reader.EstimatedSeconds());
        } else if (event == ReplyReader::Event::DllAnnounced) {
            ++r.announcements;
            r.announced = reader.DllLength();
        } else if (event == ReplyReader::Event::DllBytes) {
            r.dll.append(reinterpret_cast<const char*>(reader.Bytes()), reader.ByteCount());
        } else {
            break;
        }
    }
    EXPECT_EQ(reader.Next(), ReplyReader::Event::Finished) << "a finished reader stays finished";
    r.outcome = reader.Outcome();
    r.url = reader.Url();
    r.text = reader.Text();
    r.caption = reader.Caption();
    r.statusLine = reader.StatusLine();
    r.cutOffRecord = reader.CutOffRecord();
    return r;
}

Reading ReadWhole(const std::string& reply, bool skipHeader = true) { return Read(reply, {}, skipHeader); }

// Every way of cutting the reply into up to three blocks reads the same.
void ExpectSameForEveryCut(const std::string& reply, const Reading& expected) {
    for (size_t i = 0; i <= reply.size(); ++i)
        for (size_t j = i; j <= reply.size(); ++j)
            ASSERT_EQ(Read(reply, {i, j}), expected) << "blocks end at " << i << " and " << j;
}

}  // namespace

TEST(HeaderMatcher, EndsAtCrLfCrLfAndACarriageReturnInStateOneOrThreeStartsOver) {
    auto matches = [](const std::string& bytes) {
        EndOfHeaderMatcher m;
        m.Consume(reinterpret_cast<const unsigned char*>(bytes.data()), bytes.size());
        return m.Ended();
    };
    EXPECT_TRUE(matches("HTTP/1.0 200 OK\r\n\r\n"));
    EXPECT_FALSE(matches("HTTP/1.0 200 OK\n\n")) << "line feeds alone never end it";
    EXPECT_FALSE(matches("x\r\r\n\r\n")) << "CR in state 1 goes to 0, so the LF after it counts for nothing";
    EXPECT_TRUE(matches("x\r\r\n\r\n\r\n"));
    EXPECT_FALSE(matches("x\r\n\r\r\n")) << "CR in state 3 goes to 0";

    EndOfHeaderMatcher m;
    const unsigned char bytes[] = {'\r', '\n', '\r', '\n', 5, 0};
    EXPECT_EQ(m.Consume(bytes, sizeof bytes), 4u) << "what follows the header stays";
    EXPECT_EQ(m.State(), EndOfHeaderMatcher::kHeaderSkipped);
}

TEST(ReplyReader, ADllAmidFillersAndEstimatesReadsTheSameInEveryBlockSplit) {
    const std::string dll = "MZ\x90\x00\x03 the DLL";
    const std::string reply = kOkHeader + std::string("\x00\x01\x02\x04\x08\xFF", 6) + EstimateRecord(0x0102) +
                              std::string("\x04", 1) + EstimateRecord(0) + DllRecord(dll) + "trailing bytes";
    Reading expected;
    expected.outcome = ReplyOutcome::DllComplete;
    expected.estimates = {0x0102, 0};
    expected.dll = dll;
    expected.announced = static_cast<uint32_t>(dll.size());
    expected.announcements = 1;
    expected.statusLine = "HTTP/1.0 200 OK";
    ExpectSameForEveryCut(reply, expected);
}

TEST(ReplyReader, RedirectAndMessageReadTheSameInEveryBlockSplit) {
    Reading redirect;
    redirect.outcome = ReplyOutcome::Redirect;
    redirect.url = "http://build.example.test/result?id=7";
    redirect.statusLine = "HTTP/1.0 200 OK";
    ExpectSameForEveryCut(kOkHeader + RedirectRecord(redirect.url) + "\x05\x00\x00\x00\x09", redirect);

    Reading message;
    message.outcome = ReplyOutcome::Message;
    message.text = "Class not found: brivel.Calc";
    message.caption = "Build Failed";
    message.statusLine = "HTTP/1.0 200 OK";
    message.estimates = {30};
    ExpectSameForEveryCut(kOkHeader + EstimateRecord(30) + MessageRecord(message.text, message.caption), message);
}

TEST(ReplyReader, EmptyCountedTextsAreComplete) {
    Reading r = ReadWhole(kOkHeader + MessageRecord("", ""));
    EXPECT_EQ(r.outcome, ReplyOutcome::Message);
    EXPECT_EQ(r.text, "");
    r = ReadWhole(kOkHeader + RedirectRecord(""));
    EXPECT_EQ(r.outcome, ReplyOutcome::Redirect);
}

TEST(ReplyReader, TextsOfAnyCountedLengthAreKeptWhole) {
    const std::string url(65535, 'u'), text(65535, 't'), caption(40000, 'c');
    Reading r = Read(kOkHeader + MessageRecord(text, caption), {100, 4096, 70000});
    EXPECT_EQ(r.outcome, ReplyOutcome::Message);
    EXPECT_EQ(r.text, text);
    EXPECT_EQ(r.caption, caption);
    r = Read(kOkHeader + RedirectRecord(url), {4096, 8192});
    EXPECT_EQ(r.outcome, ReplyOutcome::Redirect);
    EXPECT_EQ(r.url, url);
}

TEST(ReplyReader, ADllOfNoBytesIsNotABuiltDll) {
    Reading r = ReadWhole(kOkHeader + DllAnnouncement(0) + "MZ");
    EXPECT_EQ(r.outcome, ReplyOutcome::EmptyDll);
    EXPECT_EQ(r.announcements, 0);
    EXPECT_TRUE(r.dll.empty());
}

TEST(ReplyReader, ADllCutOffIsShortAndKeepsWhatCame) {
    Reading r = Read(kOkHeader + DllAnnouncement(100) + std::string(60, 'd'), {70, 90});
    EXPECT_EQ(r.outcome, ReplyOutcome::DllShort);
    EXPECT_EQ(r.dll, std::string(60, 'd'));
}

TEST(ReplyReader, TheReplyEndingBeforeAFinalRecordIsALostConnection) {
    Reading r = ReadWhole("");
    EXPECT_EQ(r.outcome, ReplyOutcome::LostConnection) << "nothing at all";
    r = ReadWhole(kOkHeader);
    EXPECT_EQ(r.outcome, ReplyOutcome::LostConnection) << "a header and no record";
    EXPECT_EQ(r.cutOffRecord, -1);
    r = ReadWhole(kOkHeader + std::string(5000, '\x04'));
    EXPECT_EQ(r.outcome, ReplyOutcome::LostConnection) << "fillers only";
    for (const std::string& cut : {std::string("\x03\x00", 2), std::string("\x05\x00\x00", 3),
                                   std::string("\x06\x00\x05url", 6), std::string("\x07\x00\x01t\x00", 5)}) {
        r = ReadWhole(kOkHeader + cut);
        EXPECT_EQ(r.outcome, ReplyOutcome::LostConnection) << "record " << int(cut[0]);
        EXPECT_EQ(r.cutOffRecord, cut[0]) << "record " << int(cut[0]);
    }
}

TEST(ReplyReader, AHeaderThatNeverEndsIsReportedAsSuch) {
    Reading r = ReadWhole("HTTP/1.0 200 OK\nContent-Type: x\n\n" + DllRecord("MZ"));
    EXPECT_EQ(r.outcome, ReplyOutcome::HeaderUnended);
    EXPECT_EQ(r.statusLine, "HTTP/1.0 200 OK");
}

// The service's records decide whatever the status; the status names the
// failure only when the reply holds no final record.
TEST(ReplyReader, AnErrorStatusCountsOnlyWhenNoRecordFollows) {
    const std::string denied = "HTTP/1.0 407 Proxy Authentication Required\r\nProxy-Authenticate: Basic\r\n\r\n";
    Reading r = ReadWhole(denied + "<HTML><BODY>Proxy Authentication Required</BODY></HTML>\r\n");
    EXPECT_EQ(r.outcome, ReplyOutcome::HttpError);
    EXPECT_EQ(r.statusLine, "HTTP/1.0 407 Proxy Authentication Required");
    EXPECT_EQ(ReadWhole("HTTP/1.1 502 Bad Gateway\r\n\r\n").outcome, ReplyOutcome::HttpError);
    EXPECT_EQ(ReadWhole("HTTP/1.1 503 Busy\r\n\r\n" + EstimateRecord(4)).outcome, ReplyOutcome::HttpError);

    r = ReadWhole("HTTP/1.0 500 Internal Server Error\r\n\r\n" + MessageRecord("No public constructor", "Build"));
    EXPECT_EQ(r.outcome, ReplyOutcome::Message);
    EXPECT_EQ(r.text, "No public constructor");
    EXPECT_EQ(r.caption, "Build");
    EXPECT_EQ(ReadWhole(denied + DllRecord("MZ")).outcome, ReplyOutcome::DllComplete);
    EXPECT_EQ(ReadWhole("HTTP/1.0 404 Not Found\r\n\r\n" + RedirectRecord("http://x/")).outcome,
              ReplyOutcome::Redirect);
    EXPECT_EQ(ReadWhole("HTTP/1.0 500 x\r\n\r\n" + DllAnnouncement(10) + "MZ").outcome, ReplyOutcome::DllShort);

    EXPECT_EQ(ReadWhole(std::string(kOkHeader)).outcome, ReplyOutcome::LostConnection);
    EXPECT_EQ(ReadWhole("HTTP/1.1 204\r\n\r\n").outcome, ReplyOutcome::LostConnection);
    EXPECT_EQ(ReadWhole("ICY 500 whatever\r\n\r\n").outcome, ReplyOutcome::LostConnection)
        << "a first line that is no HTTP status is not judged";
    EXPECT_EQ(ReadWhole("HTTP/1.0 5000 x\r\n\r\n").outcome, ReplyOutcome::LostConnection);
    EXPECT_EQ(ReadWhole(std::string(1000, 'H') + "\r\n\r\n").outcome, ReplyOutcome::LostConnection);
}

TEST(ReplyReader, WithoutAnHttpHeaderTheRecordsStartAtOnce) {
    Reading r = ReadWhole(EstimateRecord(2) + DllRecord("MZ"), false);
    EXPECT_EQ(r.outcome, ReplyOutcome::DllComplete);
    EXPECT_EQ(r.dll, "MZ");
    EXPECT_EQ(r.estimates, std::vector<int>{2});
    EXPECT_EQ(ReadWhole("", false).outcome, ReplyOutcome::LostConnection);
}

TEST(ReplyReader, ReadingRecordsLastsFromTheHeaderToTheFinalRecord) {
    const std::string reply = kOkHeader + EstimateRecord(5) + DllRecord("MZ");
    ReplyReader reader;
    EXPECT_TRUE(reader.ReadingRecords());
    reader.Supply(reinterpret_cast<const unsigned char*>(reply.data()), reply.size());
    EXPECT_EQ(reader.Next(), ReplyReader::Event::Estimate);
    EXPECT_TRUE(reader.ReadingRecords());
    EXPECT_EQ(reader.Next(), ReplyReader::Event::DllAnnounced);
    EXPECT_FALSE(reader.ReadingRecords());
    EXPECT_EQ(reader.DllBytesMissing(), 2u);
    EXPECT_EQ(reader.Next(), ReplyReader::Event::DllBytes);
    EXPECT_EQ(reader.DllBytesMissing(), 0u);
    EXPECT_EQ(reader.Next(), ReplyReader::Event::Finished);
}
