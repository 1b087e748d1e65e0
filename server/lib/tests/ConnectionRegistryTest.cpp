// Connection ids and the open-connection count of the Java server.
#include "ConnectionRegistry.h"

#include <gtest/gtest.h>

#include <set>
#include <thread>
#include <vector>

using brivel::server::CConnectionRegistry;

TEST(ConnectionRegistry, IdsCarryTheListenerAboveTheSequenceByte) {
    CConnectionRegistry connections;
    EXPECT_EQ(connections.Open(3), 0x300);
    EXPECT_EQ(connections.Open(3), 0x301);
    EXPECT_EQ(connections.Open(7), 0x702);  // one sequence for every listener
    EXPECT_EQ(connections.OpenCount(), 3);
}

TEST(ConnectionRegistry, SequenceWrapsAfter256IdsAndPassesOverIdsStillOpen) {
    CConnectionRegistry connections;
    int first = connections.Open(3);
    ASSERT_EQ(first, 0x300);
    for (int i = 1; i < 256; ++i) ASSERT_TRUE(connections.Close(connections.Open(3))) << "call " << i;
    // The sequence byte is back at 0: 0x300 is still open, so 0x301 comes.
    EXPECT_EQ(connections.Open(3), 0x301);
    EXPECT_TRUE(connections.Close(first));
    EXPECT_TRUE(connections.Close(0x301));
    EXPECT_EQ(connections.Open(3), 0x302);
}

TEST(ConnectionRegistry, NoIdIsZeroOrMinusOne) {
    CConnectionRegistry connections;
    EXPECT_EQ(connections.Open(0), 1);  // 0 would read as a refusal
    for (int i = 2; i < 254; ++i) connections.Close(connections.Open(0));  // sequence bytes 2 to 253
    EXPECT_EQ(connections.Open(-1), -2);  // 0xFFFFFFFE; 0xFFFFFFFF is the failure answer
    EXPECT_EQ(connections.Open(-1), -256);  // the sequence byte wrapped: 0xFFFFFF00, past -1
}

TEST(ConnectionRegistry, AListenerWithAll256IdsOpenIsRefusedWithoutCounting) {
    CConnectionRegistry connections;
    std::set<int> ids;
    for (int i = 0; i < 256; ++i) ids.insert(connections.Open(5));
    EXPECT_EQ(ids.size(), 256u);
    EXPECT_EQ(connections.Open(5), 0);
    EXPECT_EQ(connections.OpenCount(), 256);
    EXPECT_EQ(connections.Open(6) >> 8, 6);  // other listeners go on
}

TEST(ConnectionRegistry, OnlyOpenIdsAreClosedSoTheCountComesBackToZero) {
    CConnectionRegistry connections;
    int a = connections.Open(1);
    int b = connections.Open(1);
    EXPECT_FALSE(connections.Close(0x999));
    EXPECT_TRUE(connections.Close(b));
    EXPECT_FALSE(connections.Close(b));  // a second disconnect of one connection
    EXPECT_EQ(connections.OpenCount(), 1);
    EXPECT_TRUE(connections.Close(a));
    EXPECT_EQ(connections.OpenCount(), 0);
}

TEST(ConnectionRegistry, ThreadsOpeningAndClosingAtOnceGetDistinctIdsAndLeaveNoCount) {
    CConnectionRegistry connections;
    constexpr int kThreads = 8, kRounds = 2000;
    std::vector<std::vector<int>> held(kThreads);
    std::vector<std::thread> threads;
    for (int t = 0; t < kThreads; ++t) {
        threads.emplace_back([&, t] {
            for (int i = 0; i < kRounds; ++i) {
                int id = connections.Open(t + 1);
                held[t].push_back(id);
                if (held[t].size() > 20) {  // keep some open while others come and go
                    connections.Close(held[t].front());
                    held[t].erase(held[t].begin());
                }
            }
        });
    }
    for (auto& thread : threads) thread.join();
    std::set<int> open;
    for (auto& ids : held)
        for (int id : ids) EXPECT_TRUE(open.insert(id).second) << "id " << id << " given twice";
    EXPECT_EQ(connections.OpenCount(), static_cast<int>(open.size()));
    for (int id : open) connections.Close(id);
    EXPECT_EQ(connections.OpenCount(), 0);
}
