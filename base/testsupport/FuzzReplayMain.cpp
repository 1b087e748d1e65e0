// The main of every fuzz entry's replay program: runs each file of a corpus
// folder through the entry once, in name order, so the checked-in seeds and
// every finding the fuzzer saved stay tested by each test run (both builds).
// An entry that finds a fault ends the program; the last name printed is
// the input that did it.
#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size);

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <corpus folder>\n", argv[0]);
        return 2;
    }
    std::vector<std::filesystem::path> files;
    for (const auto& entry : std::filesystem::directory_iterator(argv[1]))
        if (entry.is_regular_file()) files.push_back(entry.path());
    std::sort(files.begin(), files.end());
    for (const auto& path : files) {
        std::printf("%s\n", path.filename().string().c_str());
        std::fflush(stdout);
        std::ifstream in(path, std::ios::binary);
        std::vector<uint8_t> bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
        LLVMFuzzerTestOneInput(bytes.data(), bytes.size());
    }
    std::printf("%u inputs replayed\n", static_cast<unsigned>(files.size()));
    return files.empty() ? 1 : 0;
}
