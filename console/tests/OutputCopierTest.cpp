// The copy loop of one connection, fed by scripted receives and writes.
#include "OutputCopier.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <deque>
#include <functional>
#include <string>
#include <vector>

using brivel::console::CopyBlocks;
using brivel::console::kReadBlockSize;

namespace {

// Hands out the given chunks (cut to the requested size), then `end`.
struct ScriptedReceiver {
    std::deque<std::string> chunks;
    int end = 0;
    std::vector<int> requestedSizes;

    int operator()(char* buffer, int size) {
        requestedSizes.push_back(size);
        if (chunks.empty()) return end;
        std::string& next = chunks.front();
        int n = std::min<int>(size, static_cast<int>(next.size()));
        std::copy(next.begin(), next.begin() + n, buffer);
        next.erase(0, n);
        if (next.empty()) chunks.pop_front();
        return n;
    }
};

std::string AllByteValues() {
    std::string bytes;
    for (int i = 0; i < 256; ++i) bytes += static_cast<char>(i);
    return bytes + "line\nwindows line\r\n";
}

}  // namespace

TEST(CopyBlocks, PutsEveryBlockOutWholeAndUnchangedEvenWhenTheOutputTakesPartOfIt) {
    ScriptedReceiver receiver;
    const std::string big(3000, '\x80');
    receiver.chunks = {AllByteValues(), big, std::string(1, '\0')};
    std::string out;
    std::vector<int> writeSizes;
    long long total = CopyBlocks(std::ref(receiver), [&](const char* data, int size) {
        writeSizes.push_back(size);
        int n = std::min(size, 100);  // a short write: the rest must follow
        out.append(data, n);
        return n;
    });
    EXPECT_EQ(out, AllByteValues() + big + std::string(1, '\0'));
    EXPECT_EQ(total, static_cast<long long>(out.size()));
    ASSERT_FALSE(receiver.requestedSizes.empty()) << "no read was asked for";
    for (int size : receiver.requestedSizes) EXPECT_EQ(size, kReadBlockSize);
    // The 3000 bytes came as blocks of 1024, 1024 and 952, each offered whole first.
    EXPECT_NE(std::find(writeSizes.begin(), writeSizes.end(), 952), writeSizes.end());
    EXPECT_EQ(receiver.chunks.size(), 0u);
}

TEST(CopyBlocks, EndsAtAReceiveErrorAndKeepsDrainingWhenTheOutputFails) {
    ScriptedReceiver receiver;
    receiver.chunks = {"first", "second"};
    receiver.end = -1;
    int writes = 0;
    long long total = CopyBlocks(std::ref(receiver), [&](const char*, int) {
        ++writes;
        return -1;
    });
    EXPECT_EQ(total, 11);
    EXPECT_EQ(writes, 2);  // one failed attempt per block, no endless retry
    EXPECT_EQ(receiver.requestedSizes.size(), 3u);
}

TEST(CopyBlocks, EmptyStreamWritesNothing) {
    ScriptedReceiver receiver;
    int writes = 0;
    EXPECT_EQ(CopyBlocks(std::ref(receiver), [&](const char*, int size) { ++writes; return size; }), 0);
    EXPECT_EQ(writes, 0);
}
