// Fuzz entry of the BrivelServer.config reader: any bytes as the file. Read
// and written back, the configuration keeps every line: each comment line
// (a line starting with ';' or '#', without a colon, or holding a NUL byte)
// word for word and in its place, each key once, in the place of its first
// line, with the value (and comment) of its last line, nothing of either
// lost but white space; and the written file reads back to the same text.
#include "ConfigItemList.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <random>
#include <set>
#include <string>
#include <vector>

#include "FuzzCheck.h"

namespace {


bool IsWhite(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\v' || c == '\f'; }

std::string WithoutWhite(const std::string& text) {
    std::string out;
    for (char c : text)
        if (!IsWhite(c)) out += c;
    return out;
}

std::string Lower(std::string text) {
    for (char& c : text)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    return text;
}

// The lines of a text: '\n' ends a line, carriage returns before it belong
// to the line end.
std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    size_t start = 0;
    while (start < text.size()) {
        size_t end = text.find('\n', start);
        std::string line = text.substr(start, end == std::string::npos ? std::string::npos : end - start);
        while (!line.empty() && line.back() == '\r') line.pop_back();
        lines.push_back(line);
        start = end == std::string::npos ? text.size() : end + 1;
    }
    return lines;
}

struct Line {
    bool isComment = true;
    std::string key;      // as written
    std::string content;  // what follows the colon
};

Line Classify(const std::string& text) {
    Line line;
    size_t start = 0;
    while (start < text.size() && IsWhite(text[start])) ++start;
    size_t colon = text.find(':');
    // A line holding a NUL byte cannot be an item of C strings: kept whole.
    if ((start < text.size() && (text[start] == ';' || text[start] == '#')) || colon == std::string::npos ||
        text.find('\0') != std::string::npos)
        return line;
    size_t keyEnd = start;
    while (keyEnd < text.size() && text[keyEnd] != ':' && !IsWhite(text[keyEnd])) ++keyEnd;
    line.isComment = false;
    line.key = text.substr(start, keyEnd - start);
    line.content = text.substr(colon + 1);
    return line;
}

std::filesystem::path Folder() {
    static const std::filesystem::path folder = [] {
        auto path = std::filesystem::temp_directory_path() /
                    ("brivel-config-fuzz-" + std::to_string(std::random_device{}()));
        std::filesystem::create_directories(path);
        return path;
    }();
    return folder;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const std::string path = (Folder() / "BrivelServer.config").string();
    {
        std::ofstream out(path, std::ios::binary | std::ios::trunc);
        out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    }
    brivel::CConfigItemList list;
    FUZZ_CHECK(list.ReadFile(path));
    const std::string text = list.Text();

    // What the lines of the file make: comment lines in place, each key in
    // the place of its first line with its last line's content.
    std::vector<Line> expected;
    std::vector<std::string> lastContent;
    for (const std::string& source : Lines(bytes)) {
        Line line = Classify(source);
        if (line.isComment) {
            line.content = source;
            expected.push_back(line);
            lastContent.emplace_back();
            continue;
        }
        bool merged = false;
        for (size_t i = 0; i < expected.size(); ++i)
            if (!expected[i].isComment && Lower(expected[i].key) == Lower(line.key)) {
                lastContent[i] = line.content;
                merged = true;
                break;
            }
        if (!merged) {
            expected.push_back(line);
            lastContent.push_back(line.content);
        }
    }

    const std::vector<std::string> written = Lines(text);
    FUZZ_CHECK(!text.empty() || written.empty());
    FUZZ_CHECK(text.empty() || text.back() == '\n');
    FUZZ_CHECK(written.size() == expected.size());
    for (size_t i = 0; i < expected.size(); ++i) {
        if (expected[i].isComment) {
            FUZZ_CHECK(written[i] == expected[i].content);
            continue;
        }
        const char* value = list.Get(expected[i].key.c_str());
        FUZZ_CHECK(value != nullptr);
        const std::string head = expected[i].key + ": " + value;
        FUZZ_CHECK(written[i].compare(0, head.size(), head) == 0);
        const std::string rest = written[i].substr(head.size());
        FUZZ_CHECK(rest.empty() || rest.compare(0, 2, " #") == 0);
        const std::string v = value;
        FUZZ_CHECK(v.empty() || (!IsWhite(v.front()) && !IsWhite(v.back())));
        // Nothing of the last line's value and comment is lost but white
        // space (its comment may also be an earlier line's, when it had none).
        const std::string content = WithoutWhite(lastContent[i]);
        FUZZ_CHECK(content == WithoutWhite(v) || (!rest.empty() && content == WithoutWhite(v + "#" + rest.substr(2))));
    }

    // Written to a file and read again: the same configuration.
    FUZZ_CHECK(list.WriteFile(path));
    brivel::CConfigItemList again;
    FUZZ_CHECK(again.ReadFile(path));
    FUZZ_CHECK(again.Text() == text);
    return 0;
}
