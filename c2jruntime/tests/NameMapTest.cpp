// The name map: newest key first, find-or-add, and readers without a lock
// while one writer adds.
#include <gtest/gtest.h>

#include <atomic>
#include <string>
#include <thread>
#include <vector>

#include "NameMap.h"

using brivel::c2j::NameMap;

namespace {
std::vector<std::string> Keys(const NameMap<int>& map) {
    std::vector<std::string> keys;
    for (auto* node = map.First(); node; node = node->Next()) keys.push_back(node->Key());
    return keys;
}
}  // namespace

TEST(NameMap, FindOrAddKeepsOneNodePerKeyAndIteratesNewestFirst) {
    NameMap<int> map;
    map.FindOrAdd("b").Set(2);
    map.FindOrAdd("a").Set(1);
    EXPECT_EQ(map.FindOrAdd("b").Get(), 2);  // present: the same node, value kept
    map.FindOrAdd("B");                     // case matters
    EXPECT_EQ(Keys(map), (std::vector<std::string>{"B", "a", "b"}));
    EXPECT_EQ(map.Count(), 3);
    int value = -1;
    EXPECT_TRUE(map.Find("B", &value));
    EXPECT_EQ(value, 0);  // added with 0
    EXPECT_FALSE(map.Find("c", &value));
    EXPECT_FALSE(map.Find("a\n"));
    map.Destroy();
    EXPECT_EQ(map.Count(), 0);
    EXPECT_EQ(map.First(), nullptr);
    EXPECT_FALSE(map.Find("a"));
}

// Readers find every key once it is announced, with its value, while the
// writer goes on adding keys in front of it.
TEST(NameMap, ReadersWithoutALockFindEveryPublishedKey) {
    NameMap<const std::string*> map;
    std::vector<std::string> values(3000);
    std::atomic<int> published{0};
    std::atomic<int> wrong{0};
    std::vector<std::thread> readers;
    for (int r = 0; r < 3; ++r)
        readers.emplace_back([&] {
            while (published.load() < static_cast<int>(values.size())) {
                int known = published.load();
                for (int i = known - 1; i >= 0 && i >= known - 20; --i) {
                    const std::string* value = nullptr;
                    std::string key = "key" + std::to_string(i);
                    if (!map.Find(key.c_str(), &value) || !value || *value != key) ++wrong;
                }
            }
        });
    for (size_t i = 0; i < values.size(); ++i) {
        values[i] = "key" + std::to_string(i);
        map.FindOrAdd(values[i].c_str()).Set(&values[i]);
        published.store(static_cast<int>(i) + 1);
    }
    for (auto& reader : readers) reader.join();
    EXPECT_EQ(wrong.load(), 0);
    EXPECT_EQ(map.Count(), 3000);
}
