// The table of open kernel object handles.
#include "handles.h"

#include <cstdint>
#include <unordered_map>

namespace brivel_compat {
namespace {
// The table lives as long as the process: threads that nobody waits for
// (a Java VM's daemon threads among them) may still use handles while the
// process exits, after static objects are destroyed.
// Values are multiples of 4 as on the platform, far from null and below the
// pseudo handles at the top of the range. Past the last value the search
// starts again at the first and passes over the values still open, so a
// value names one object at a time. (The table cannot hold every value: the
// address space runs out first.)
constexpr uintptr_t kFirstValue = 0x1000;
constexpr uintptr_t kLastValue = UINTPTR_MAX - 0xFFFF - 4;

struct Table {
    std::mutex lock;
    std::unordered_map<uintptr_t, std::shared_ptr<Waitable>> objects;
    uintptr_t nextValue = kFirstValue;
};
Table& TheTable() {
    static Table* table = new Table;
    return *table;
}
}  // namespace

HANDLE NewHandle(std::shared_ptr<Waitable> object) {
    Table& table = TheTable();
    std::lock_guard<std::mutex> lock(table.lock);
    uintptr_t value;
    do {
        value = table.nextValue;
        table.nextValue = value >= kLastValue ? kFirstValue : value + 4;
    } while (table.objects.count(value) != 0);
    table.objects.emplace(value, std::move(object));
    return reinterpret_cast<HANDLE>(value);
}

void SetNextHandleValue(uintptr_t value) {
    Table& table = TheTable();
    std::lock_guard<std::mutex> lock(table.lock);
    table.nextValue = value;
}

std::shared_ptr<Waitable> ObjectOf(HANDLE handle) {
    Table& table = TheTable();
    std::lock_guard<std::mutex> lock(table.lock);
    auto it = table.objects.find(reinterpret_cast<uintptr_t>(handle));
    return it == table.objects.end() ? nullptr : it->second;
}

bool CloseObjectHandle(HANDLE handle) {
    std::shared_ptr<Waitable> object;  // released after the lock
    Table& table = TheTable();
    std::lock_guard<std::mutex> lock(table.lock);
    auto it = table.objects.find(reinterpret_cast<uintptr_t>(handle));
    if (it == table.objects.end()) return false;
    object = std::move(it->second);
    table.objects.erase(it);
    return true;
}

}  // namespace brivel_compat
