// Test fixture helpers: a fresh temporary folder per test, and whole-file
// reads and writes in binary mode (so tests see the bytes really written).
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <string>

namespace brivel::testing {

inline std::string ReadFileBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

inline void WriteFileBytes(const std::string& path, const std::string& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << bytes;
}

// The text-file line end of the build: what a text-mode write of '\n' gives.
#ifdef _WIN32
constexpr const char* kTextLineEnd = "\r\n";
#else
constexpr const char* kTextLineEnd = "\n";
#endif

// Turns '\n' into the build's text-file line end.
inline std::string AsTextFile(const std::string& text) {
    std::string out;
    for (char c : text) {
        if (c == '\n') out += kTextLineEnd;
        else out += c;
    }
    return out;
}

// A fresh, empty folder under the temporary folder named after the running
// test, unique per process too: the same test may run at once in another
// build or checkout on this machine.
inline std::filesystem::path MakeTestTempFolder() {
    const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
    std::filesystem::path folder = std::filesystem::temp_directory_path() /
                                   (std::string("brivel-") + info->test_suite_name() + "-" + info->name() + "-" +
                                    std::to_string(std::random_device{}()));
    std::filesystem::remove_all(folder);
    std::filesystem::create_directories(folder);
    return folder;
}

class TempFolderTest : public ::testing::Test {
protected:
    void SetUp() override { folder_ = MakeTestTempFolder(); }
    void TearDown() override {
        std::error_code ignored;
        std::filesystem::remove_all(folder_, ignored);
    }
    std::string Path(const std::string& name) const { return (folder_ / name).string(); }

    std::filesystem::path folder_;
};

}  // namespace brivel::testing
