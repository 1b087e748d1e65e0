// The table of open kernel object handles.
#include "handles.h"

#include <unordered_map>

namespace brivel_compat {
namespace {
// The table lives as long as the process: threads that nobody waits for
// (a Java VM's daemon threads among them) may still use handles while the
// process exits, after static objects are destroyed.
struct Table {
    std::mutex lock;
    std::unordered_map<uintptr_t, std::shared_ptr<Waitable>> objects;
    // Values are multiples of 4 as on the platform, far from null and from
    // the pseudo handles at the top of the range; they are not reused.
    uintptr_t nextValue = 0x1000;
};
Table& TheTable() {
    static Table* table = new Table;
    return *table;
}
}  // namespace

HANDLE NewHandle(std::shared_ptr<Waitable> object) {
    Table& table = TheTable();
    std::lock_guard<std::mutex> lock(table.lock);
    uintptr_t value = table.nextValue;
    table.nextValue += 4;
    table.objects.emplace(value, std::move(object));
    return reinterpret_cast<HANDLE>(value);
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
