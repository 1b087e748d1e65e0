// A map from texts to small values, kept as a singly linked list: a new key
// goes in at the head, so iteration runs from the newest key to the oldest
// (the listener class file numbers its texts by that order). Keys compare
// byte-wise and case-sensitively.
//
// One writer at a time (the caller serialises FindOrAdd, Set and Destroy);
// Find, Count and iteration may run in other threads meanwhile without a
// lock: a node is complete before it is published at the head, a published
// node never changes its key or link, and values are read and written
// atomically. Nodes go only with Destroy, when no reader can be running.
#pragma once

#include <atomic>
#include <cstring>
#include <string>

namespace brivel::c2j {

template <typename Value>
class NameMap {
public:
    class Node {
    public:
        const std::string& Key() const { return key_; }
        Value Get() const { return value_.load(std::memory_order_acquire); }
        void Set(Value value) { value_.store(value, std::memory_order_release); }
        const Node* Next() const { return next_; }
        Node* Next() { return next_; }

    private:
        friend class NameMap;
        Node(const char* key, Node* next) : key_(key), value_(Value()), next_(next) {}
        const std::string key_;
        std::atomic<Value> value_;
        Node* const next_;
    };

    NameMap() = default;
    NameMap(const NameMap&) = delete;
    NameMap& operator=(const NameMap&) = delete;
    ~NameMap() { Destroy(); }

    // The key's node; a new one with the value 0 at the head when the key is
    // absent. Writers only.
    Node& FindOrAdd(const char* key) {
        if (Node* found = Lookup(key)) return *found;
        Node* added = new Node(key, head_.load(std::memory_order_relaxed));
        head_.store(added, std::memory_order_release);
        count_.store(count_.load(std::memory_order_relaxed) + 1, std::memory_order_release);
        return *added;
    }

    // Whether the key is present, and its value then. Any thread.
    bool Find(const char* key, Value* value = nullptr) const {
        const Node* found = Lookup(key);
        if (found && value) *value = found->Get();
        return found != nullptr;
    }

    int Count() const { return count_.load(std::memory_order_acquire); }

    // The newest node; Next() leads to older ones. Any thread.
    const Node* First() const { return head_.load(std::memory_order_acquire); }
    Node* First() { return head_.load(std::memory_order_acquire); }

    // Frees every node. Writers only, with no reader running.
    void Destroy() {
        Node* node = head_.exchange(nullptr);
        count_ = 0;
        while (node) {
            Node* next = node->next_;
            delete node;
            node = next;
        }
    }

private:
    Node* Lookup(const char* key) const {
        for (Node* node = head_.load(std::memory_order_acquire); node; node = node->next_)
            if (std::strcmp(node->key_.c_str(), key) == 0) return node;
        return nullptr;
    }

    std::atomic<Node*> head_{nullptr};
    std::atomic<int> count_{0};
};

}  // namespace brivel::c2j
