// The payload archive's directory: written and read back through real files,
// and every kind of damage refused with its reason, from a file as from
// memory.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "ByteOrder.h"
#include "PayloadArchive.h"
#include "TempFolder.h"

namespace brivel::setup {
namespace {

using brivel::testing::ReadFileBytes;
using brivel::testing::WriteFileBytes;

const std::string kImage = "MZ\x90\x00 a program image of some bytes";

// An archive written as the packer writes it: image, data, directory.
std::string Archive(const std::vector<std::pair<std::string, std::string>>& files, PayloadDirectory& directory) {
    std::string bytes = kImage;
    directory.totalDataBytes = 0;
    for (const auto& [name, data] : files) {
        directory.entries.push_back({static_cast<uint32_t>(bytes.size()), static_cast<uint32_t>(data.size()),
                                     name.size() > 4 && name.substr(name.size() - 4) == ".txt" ? kPayloadExpandMacros
                                                                                              : kPayloadCopiedAsIs,
                                     name});
        directory.totalDataBytes += static_cast<uint32_t>(data.size());
        bytes += data;
    }
    std::vector<unsigned char> tail = WritePayloadDirectory(directory, static_cast<uint32_t>(bytes.size()));
    return bytes + std::string(tail.begin(), tail.end());
}

// Raw directory bytes, damaged at will.
struct RawArchive {
    std::string bytes = kImage;
    std::string directory;
    uint32_t entries = 0, total = 0, shortcuts = 0, folders = 0;

    RawArchive& Entry(uint32_t offset, uint32_t size, uint8_t flags, const std::string& name) {
        PutUInt32LE(directory, offset);
        PutUInt32LE(directory, size);
        directory += static_cast<char>(flags);
        String(name);
        ++entries;
        total += size;
        return *this;
    }
    RawArchive& String(const std::string& text) {
        PutUInt32LE(directory, static_cast<uint32_t>(text.size()));
        directory += text;
        return *this;
    }
    std::string File() const { return File(static_cast<uint32_t>(bytes.size())); }
    std::string File(uint32_t directoryOffset) const {
        std::string out = bytes + directory;
        PutUInt32LE(out, directoryOffset);
        PutUInt32LE(out, entries);
        PutUInt32LE(out, total);
        PutUInt32LE(out, shortcuts);
        PutUInt32LE(out, folders);
        return out;
    }
};

class PayloadArchiveTest : public brivel::testing::TempFolderTest {
protected:
    // Reads the bytes both from a file and from memory; both must agree.
    bool Read(const std::string& file, PayloadDirectory& out, std::string& problem) {
        std::string path = Path("archive.exe");
        WriteFileBytes(path, file);
        PayloadDirectory fromMemory;
        std::string memoryProblem;
        bool inMemory = ReadPayloadDirectory(reinterpret_cast<const unsigned char*>(file.data()), file.size(),
                                             fromMemory, &memoryProblem);
        bool fromFile = ReadPayloadDirectory(path, out, &problem);
        EXPECT_EQ(inMemory, fromFile);
        EXPECT_EQ(memoryProblem, problem);
        if (fromFile) {
            EXPECT_EQ(fromMemory, out);
        }
        return fromFile;
    }
    // The reason a damaged archive is refused with ("" when it is read).
    std::string Refusal(const std::string& file) {
        PayloadDirectory directory;
        directory.folders.push_back("untouched");
        std::string problem;
        if (Read(file, directory, problem)) return "";
        EXPECT_EQ(std::vector<std::string>{"untouched"}, directory.folders) << "a refusal changed the output";
        return problem.empty() ? "(refused without a reason)" : problem;
    }
};

TEST_F(PayloadArchiveTest, RoundTripKeepsEveryRecordAndTheDataLiesWhereTheEntriesSay) {
    PayloadDirectory written;
    written.shortcuts = {{"Brivel", "Brivel.exe"},
                         {"Brivel Documentation", "help\\Index.html"},
                         {"Home page", "http://localhost/brivel"}};
    written.folders = {"Samples\\Empty", "logs"};
    std::string file = Archive({{"Brivel.exe", std::string(5000, 'x') + "end"},
                                {"Readme.txt", "Installed in $TGTDIR\r\n"},
                                {"redist\\brivel18.jar", std::string("PK\x03\x04\0\0", 6)},
                                {"empty.dat", ""}},
                               written);
    PayloadDirectory read;
    std::string problem;
    ASSERT_TRUE(Read(file, read, problem)) << problem;
    EXPECT_EQ(written, read);
    EXPECT_EQ(kPayloadExpandMacros, read.entries[1].flags);
    EXPECT_EQ("Installed in $TGTDIR\r\n", file.substr(read.entries[1].offset, read.entries[1].size));
    EXPECT_EQ(kImage.size(), read.entries[0].offset);
    EXPECT_EQ(5003u + 22u + 6u, read.totalDataBytes);
}

TEST_F(PayloadArchiveTest, UninstallerDirectoryOfZeroOffsetsAndNoDataReadsBack) {
    PayloadDirectory written;
    written.entries = {{0, 0, kPayloadCopiedAsIs, "Brivel.exe"}, {0, 0, kPayloadExpandMacros, "help\\Index.html"}};
    written.shortcuts = {{"Brivel", "Brivel.exe"}};
    std::vector<unsigned char> tail = WritePayloadDirectory(written, static_cast<uint32_t>(kImage.size()));
    PayloadDirectory read;
    std::string problem;
    ASSERT_TRUE(Read(kImage + std::string(tail.begin(), tail.end()), read, problem)) << problem;
    EXPECT_EQ(written, read);
}

TEST_F(PayloadArchiveTest, EmptyDirectoryAndLeadingBackslashOfANameAreRead) {
    PayloadDirectory read;
    std::string problem;
    ASSERT_TRUE(Read(RawArchive().File(), read, problem)) << problem;
    EXPECT_TRUE(read.entries.empty() && read.shortcuts.empty() && read.folders.empty());

    RawArchive raw;
    raw.bytes += "data";
    raw.Entry(static_cast<uint32_t>(kImage.size()), 4, 0, "\\bin\\a.dll");
    ASSERT_TRUE(Read(raw.File(), read, problem)) << problem;
    ASSERT_EQ(1u, read.entries.size());
    EXPECT_EQ("bin\\a.dll", read.entries[0].name);
}

TEST_F(PayloadArchiveTest, MissingFileIsRefusedWithItsName) {
    PayloadDirectory read;
    std::string problem;
    EXPECT_FALSE(ReadPayloadDirectory(Path("no such.exe"), read, &problem));
    EXPECT_NE(std::string::npos, problem.find("no such.exe")) << problem;
}

TEST_F(PayloadArchiveTest, TruncatedTrailerAndImpossibleCountsAreRefused) {
    std::string whole = RawArchive().File();
    EXPECT_EQ("the file has 0 bytes, fewer than the archive's 20-byte trailer", Refusal(""));
    EXPECT_EQ("the file has 19 bytes, fewer than the archive's 20-byte trailer", Refusal(whole.substr(0, 19)));
    // Cut by one byte: the trailer now starts one byte early.
    EXPECT_NE("", Refusal(whole.substr(0, whole.size() - 1)));

    RawArchive far;
    EXPECT_EQ("the directory offset 4000 lies beyond the directory's end at " + std::to_string(kImage.size()),
              Refusal(far.File(4000)));
    RawArchive many;
    many.entries = 1000000;
    EXPECT_EQ("the directory's 1000000 entries, 0 shortcuts and 0 folders need at least 13000000 bytes, and it has 0",
              Refusal(many.File()));
    RawArchive huge;
    huge.shortcuts = 0xFFFFFFFF;
    huge.folders = 0xFFFFFFFF;
    huge.entries = 0xFFFFFFFF;
    EXPECT_NE(std::string::npos, Refusal(huge.File()).find("need at least")) << "counts whose product overflows";
}

// A damaged trailer in a large file may claim as many entries as the file
// could hold: the reader takes no more memory than the records it reads, so
// the archive is refused, not the reader ended. (The file is sparse: its
// 1.5 GB of zeros take no room on the disk.)
TEST_F(PayloadArchiveTest, ALargeFileWhoseTrailerClaimsEveryByteAsEntriesIsRefusedNotThrown) {
    const std::string path = Path("large.exe");
    const uint64_t size = 1536ull * 1024 * 1024;
    std::string trailer;
    PutUInt32LE(trailer, static_cast<uint32_t>(kImage.size()));
    PutUInt32LE(trailer, static_cast<uint32_t>((size - kPayloadTrailerSize - kImage.size()) / 13));
    for (int i = 0; i < 3; ++i) PutUInt32LE(trailer, 0);
    std::FILE* file = std::fopen(path.c_str(), "wb");
    ASSERT_NE(file, nullptr);
    std::fwrite(kImage.data(), 1, kImage.size(), file);
#ifdef _WIN32
    ASSERT_EQ(_fseeki64(file, static_cast<__int64>(size - kPayloadTrailerSize), SEEK_SET), 0);
#else
    ASSERT_EQ(fseeko(file, static_cast<off_t>(size - kPayloadTrailerSize), SEEK_SET), 0);
#endif
    ASSERT_EQ(std::fwrite(trailer.data(), 1, trailer.size(), file), trailer.size());
    std::fclose(file);

    PayloadDirectory directory;
    std::string problem;
    EXPECT_FALSE(ReadPayloadDirectory(path, directory, &problem));
    EXPECT_EQ(problem, "entry 1: the name is empty");
    EXPECT_TRUE(directory.entries.empty());
}

TEST_F(PayloadArchiveTest, StringsOverTheirBufferAndDirectoriesEndingEarlyAreRefused) {
    RawArchive longName;
    longName.Entry(0, 0, 0, std::string(520, 'a'));
    EXPECT_EQ("the name of entry 1 is 520 bytes long (at most 519)", Refusal(longName.File()));
    RawArchive longest;
    longest.Entry(0, 0, 0, std::string(519, 'a'));
    EXPECT_EQ("", Refusal(longest.File()));

    RawArchive longTitle;
    longTitle.String(std::string(600, 't')).String("a.exe");
    longTitle.shortcuts = 1;
    EXPECT_EQ("the title of shortcut 1 is 600 bytes long (at most 519)", Refusal(longTitle.File()));

    RawArchive hugeLength;  // a length field of 4 GB - 1
    hugeLength.folders = 1;
    PutUInt32LE(hugeLength.directory, 0xFFFFFFFF);
    EXPECT_EQ("folder 1 is 4294967295 bytes long (at most 519)", Refusal(hugeLength.File()));

    RawArchive cutName;  // says 12 bytes, has 3
    cutName.folders = 1;
    PutUInt32LE(cutName.directory, 12);
    cutName.directory += "abc";
    EXPECT_EQ("the directory ends early, in the bytes of folder 1", Refusal(cutName.File()));

    RawArchive cutRecord;  // the second entry record stops inside its name length
    cutRecord.Entry(0, 0, 0, "a.txt").Entry(0, 0, 0, "b.txt");
    cutRecord.directory.resize(cutRecord.directory.size() - 5 - 3);
    EXPECT_EQ("the directory ends early, in the length of the name of entry 2", Refusal(cutRecord.File()));

    RawArchive extra;
    extra.Entry(0, 0, 0, "a.txt");
    extra.directory += "junk";
    EXPECT_EQ("the directory ends 4 bytes before the trailer", Refusal(extra.File()));
}

TEST_F(PayloadArchiveTest, EntryDataOutsideThePartBeforeTheDirectoryIsRefused) {
    const auto image = static_cast<uint32_t>(kImage.size());
    RawArchive inside;
    inside.bytes += "0123456789";
    inside.Entry(image, 10, 0, "a.bin");
    EXPECT_EQ("", Refusal(inside.File()));

    RawArchive overDirectory;
    overDirectory.bytes += "0123456789";
    overDirectory.Entry(image, 11, 0, "a.bin");
    EXPECT_EQ("entry 1 (\"a.bin\") has its data at " + std::to_string(image) + " to " + std::to_string(image + 11) +
                  ", beyond the directory at " + std::to_string(image + 10),
              Refusal(overDirectory.File()));

    RawArchive wrapping;  // offset + size beyond 4 GB would wrap to a small number
    wrapping.Entry(0xFFFFFFF0u, 0x20u, 0, "a.bin");
    EXPECT_NE(std::string::npos, Refusal(wrapping.File()).find("beyond the directory")) << Refusal(wrapping.File());

    RawArchive wrongTotal;
    wrongTotal.bytes += "0123456789";
    wrongTotal.Entry(image, 10, 0, "a.bin");
    wrongTotal.total = 9;
    EXPECT_EQ("the total of the data bytes is 9, not the entries' sum 10", Refusal(wrongTotal.File()));

    RawArchive unknownFlag;
    unknownFlag.Entry(0, 0, 7, "a.bin");
    EXPECT_EQ("entry 1 (\"a.bin\") has the unknown flags 7", Refusal(unknownFlag.File()));
}

TEST_F(PayloadArchiveTest, NamesLeavingTheInstallationFolderAreRefused) {
    const char* unsafe[] = {"..\\Windows\\evil.dll", "a\\..\\..\\evil.dll", "C:\\evil.dll", "C:evil.dll",
                            "\\\\server\\share\\evil.dll", "/etc/passwd", "a/../../evil.dll", ".. \\evil.dll",
                            "NUL", "bin\\com1.txt", "a\\\\b", "dir\\"};
    for (const char* name : unsafe) {
        RawArchive entry;
        entry.Entry(0, 0, 0, name);
        EXPECT_NE(std::string::npos, Refusal(entry.File()).find("entry 1:")) << name << ": " << Refusal(entry.File());
        RawArchive folder;
        folder.String(name);
        folder.folders = 1;
        EXPECT_NE(std::string::npos, Refusal(folder.File()).find("folder 1:")) << name << ": " << Refusal(folder.File());
    }
}

TEST_F(PayloadArchiveTest, WriterRefusesWhatTheReaderWouldRefuse) {
    PayloadDirectory directory;
    directory.entries = {{0, 0, 0, "..\\evil.dll"}};
    EXPECT_THROW(WritePayloadDirectory(directory, 100), std::invalid_argument);
    directory.entries = {{90, 20, 0, "a.dll"}};
    directory.totalDataBytes = 20;
    EXPECT_THROW(WritePayloadDirectory(directory, 100), std::invalid_argument);
    directory.entries = {{80, 20, 0, "a.dll"}};
    EXPECT_NO_THROW(WritePayloadDirectory(directory, 100));
    directory.shortcuts = {{std::string(520, 't'), "a.dll"}};
    EXPECT_THROW(WritePayloadDirectory(directory, 100), std::invalid_argument);
}

}  // namespace
}  // namespace brivel::setup
