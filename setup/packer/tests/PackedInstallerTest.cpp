// The packer's output, made by the build from tests/packer-test.manifest,
// read back with the archive reader of this build: the image unchanged,
// every file's bytes where its entry says, the records in manifest order,
// and the uninstaller packed with its own directory of everything else.
#include <gtest/gtest.h>

#include <string>

#include "PayloadArchive.h"
#include "TempFolder.h"

namespace brivel::setup {
namespace {

using brivel::testing::ReadFileBytes;

// The build's paths are the build machine's; under Wine its root is drive Z.
std::string HostPath(std::string path) {
#ifdef _WIN32
    for (char& c : path)
        if (c == '/') c = '\\';
    return "Z:" + path;
#else
    return path;
#endif
}

std::string TestFile(const std::string& relative) { return HostPath(BRIVEL_PACKER_TEST_FOLDER "/" + relative); }

TEST(PackedInstaller, ImageThenEveryFileWhereItsEntrySaysThenTheDirectory) {
    std::string path = HostPath(BRIVEL_PACKED_INSTALLER);
    PayloadDirectory directory;
    std::string problem;
    ASSERT_TRUE(ReadPayloadDirectory(path, directory, &problem)) << problem;
    std::string installer = ReadFileBytes(path);
    std::string image = ReadFileBytes(TestFile("payload/program-image.bin"));
    ASSERT_FALSE(image.empty());
    EXPECT_EQ(image, installer.substr(0, image.size()));

    struct Expected {
        const char* name;
        uint8_t flags;
        const char* source;  // empty for the uninstaller
    } expected[] = {
        {"Brivel.exe", kPayloadCopiedAsIs, "payload/Brivel.exe"},
        {"Readme.txt", kPayloadExpandMacros, "payload/Readme.txt"},
        {"help\\Index.html", kPayloadCopiedAsIs, "payload/help/Index.html"},
        {"Uninstaller.exe", kPayloadCopiedAsIs, ""},
        {"My Files\\empty.dat", kPayloadCopiedAsIs, "payload/My Files/empty.dat"},
    };
    ASSERT_EQ(std::size(expected), directory.entries.size());
    uint32_t next = static_cast<uint32_t>(image.size());
    uint32_t total = 0;
    for (size_t i = 0; i < directory.entries.size(); ++i) {
        const PayloadEntry& entry = directory.entries[i];
        EXPECT_EQ(expected[i].name, entry.name);
        EXPECT_EQ(expected[i].flags, entry.flags) << entry.name;
        EXPECT_EQ(next, entry.offset) << entry.name << ": the data lie back to back after the image";
        std::string data = installer.substr(entry.offset, entry.size);
        if (*expected[i].source) {
            EXPECT_EQ(ReadFileBytes(TestFile(expected[i].source)), data) << entry.name;
        } else {
            EXPECT_EQ(ReadFileBytes(HostPath(BRIVEL_PACKED_UNINSTALLER)), data) << "the packed uninstaller";
        }
        next = entry.offset + entry.size;
        total += entry.size;
    }
    EXPECT_EQ(total, directory.totalDataBytes);
    EXPECT_EQ(ReadFileBytes(TestFile("payload/Brivel.exe")).size(), directory.entries[0].size);
    EXPECT_EQ(0u, directory.entries[4].size);

    ASSERT_EQ(3u, directory.shortcuts.size());
    EXPECT_EQ((PayloadShortcut{"Brivel Documentation", "help\\Index.html"}), directory.shortcuts[1]);
    EXPECT_EQ((PayloadShortcut{"Brivel Home", "http://localhost/brivel"}), directory.shortcuts[2]);
    EXPECT_EQ((std::vector<std::string>{"logs", "Samples\\Empty"}), directory.folders);
}

TEST(PackedInstaller, UninstallerCarriesEveryOtherEntryWithoutData) {
    std::string path = HostPath(BRIVEL_PACKED_UNINSTALLER);
    PayloadDirectory installer, uninstaller;
    std::string problem;
    ASSERT_TRUE(ReadPayloadDirectory(HostPath(BRIVEL_PACKED_INSTALLER), installer, &problem)) << problem;
    ASSERT_TRUE(ReadPayloadDirectory(path, uninstaller, &problem)) << problem;

    std::string image = ReadFileBytes(TestFile("payload/uninstaller-image.bin"));
    EXPECT_EQ(image, ReadFileBytes(path).substr(0, image.size()));
    PayloadDirectory expected;
    for (const PayloadEntry& entry : installer.entries)
        if (entry.name != "Uninstaller.exe") expected.entries.push_back({0, 0, entry.flags, entry.name});
    expected.shortcuts = installer.shortcuts;
    expected.folders = installer.folders;
    EXPECT_EQ(4u, expected.entries.size());
    EXPECT_EQ(expected, uninstaller);
}

}  // namespace
}  // namespace brivel::setup
