// The table of open kernel object handles.
#include "handles.h"

#include <unordered_map>

namespace brivel_compat {
namespace {
std::mutex g_tableLock;
std::unordered_map<uintptr_t, std::shared_ptr<Waitable>> g_table;
// Values are multiples of 4 as on the platform, far from null and from the
// pseudo handles at the top of the range; they are not reused.
uintptr_t g_nextValue = 0x1000;
}  // namespace

HANDLE NewHandle(std::shared_ptr<Waitable> object) {
    std::lock_guard<std::mutex> lock(g_tableLock);
    uintptr_t value = g_nextValue;
    g_nextValue += 4;
    g_table.emplace(value, std::move(object));
    return reinterpret_cast<HANDLE>(value);
}

std::shared_ptr<Waitable> ObjectOf(HANDLE handle) {
    std::lock_guard<std::mutex> lock(g_tableLock);
    auto it = g_table.find(reinterpret_cast<uintptr_t>(handle));
    return it == g_table.end() ? nullptr : it->second;
}

bool CloseObjectHandle(HANDLE handle) {
    std::shared_ptr<Waitable> object;  // released after the lock
    std::lock_guard<std::mutex> lock(g_tableLock);
    auto it = g_table.find(reinterpret_cast<uintptr_t>(handle));
    if (it == g_table.end()) return false;
    object = std::move(it->second);
    g_table.erase(it);
    return true;
}

}  // namespace brivel_compat
