// Maps keyed by ANSI strings whose iteration order is fixed: the generator
// writes its tables in map order, so the order is part of its output.
//
// Keys hash into 17 buckets with h = h*33 + c over the key's bytes taken as
// signed chars (unsigned 32-bit arithmetic). Iteration visits buckets 0 to 16
// and, within one bucket, the most recently added entry first. Replacing the
// value of an existing key keeps its place.
#pragma once

#include "BrvString.h"

#include <cstdint>
#include <functional>
#include <string>
#include <utility>
#include <vector>

namespace brivel {

constexpr unsigned kStringMapBuckets = 17;

// The bucket hash of a key.
inline uint32_t StringMapHash(const char* key) {
    uint32_t hash = 0;
    for (; *key; ++key) hash = (hash << 5) + hash + static_cast<uint32_t>(static_cast<int>(static_cast<signed char>(*key)));
    return hash;
}

template <class V>
class StringKeyedMap {
public:
    using Entry = std::pair<CString, V>;

    int GetCount() const { return m_count; }
    bool IsEmpty() const { return m_count == 0; }

    bool Lookup(const char* key, V& value) const {
        const Entry* entry = Find(key);
        if (!entry) return false;
        value = entry->second;
        return true;
    }
    bool Contains(const char* key) const { return Find(key) != nullptr; }

    // Pointer to the stored value, or null.
    V* FindValue(const char* key) {
        Entry* entry = const_cast<Entry*>(Find(key));
        return entry ? &entry->second : nullptr;
    }

    void SetAt(const char* key, const V& value) {
        if (V* existing = FindValue(key)) { *existing = value; return; }
        m_buckets[Bucket(key)].emplace_back(CString(key), value);
        ++m_count;
    }

    bool RemoveKey(const char* key) {
        auto& bucket = m_buckets[Bucket(key)];
        for (auto it = bucket.begin(); it != bucket.end(); ++it) {
            if (it->first == key) { bucket.erase(it); --m_count; return true; }
        }
        return false;
    }

    void RemoveAll() {
        for (auto& bucket : m_buckets) bucket.clear();
        m_count = 0;
    }

    // Visits every entry in iteration order.
    void ForEach(const std::function<void(const CString& key, V& value)>& visit) {
        for (auto& bucket : m_buckets)
            for (auto it = bucket.rbegin(); it != bucket.rend(); ++it) visit(it->first, it->second);
    }
    void ForEach(const std::function<void(const CString& key, const V& value)>& visit) const {
        for (const auto& bucket : m_buckets)
            for (auto it = bucket.rbegin(); it != bucket.rend(); ++it) visit(it->first, it->second);
    }

    // The keys in iteration order.
    std::vector<CString> Keys() const {
        std::vector<CString> keys;
        ForEach([&](const CString& key, const V&) { keys.push_back(key); });
        return keys;
    }

private:
    static unsigned Bucket(const char* key) { return StringMapHash(key) % kStringMapBuckets; }

    const Entry* Find(const char* key) const {
        for (const Entry& entry : m_buckets[Bucket(key)])
            if (entry.first == key) return &entry;
        return nullptr;
    }

    std::vector<Entry> m_buckets[kStringMapBuckets];
    int m_count = 0;
};

// String to pointer, string to string: the two map kinds of the kit.
template <class T>
using CMapStringToPtr = StringKeyedMap<T*>;
using CMapStringToString = StringKeyedMap<CString>;

}  // namespace brivel
