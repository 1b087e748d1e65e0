// The registry of the bridges' interface maps.
#include "InterfaceMaps.h"

#include <cstring>
#include <mutex>

namespace brivel::rt {

namespace {
std::mutex g_lock;
std::vector<IidMap> g_maps;  // guarded by g_lock

// The snapshot a lookup works on, taken under the lock.
std::vector<IidMap> Snapshot() {
    std::lock_guard<std::mutex> lock(g_lock);
    return g_maps;
}

bool HoldsClass(const IidMap& map, const char* className) {
    for (int i = 0; i < map.count; ++i)
        if (map.rows[i].className && std::strcmp(map.rows[i].className, className) == 0) return true;
    return false;
}
}  // namespace

void AddIidMap(const IidRow* rows, int count) {
    if (!rows || count <= 0) return;
    std::lock_guard<std::mutex> lock(g_lock);
    for (IidMap& map : g_maps) {
        if (map.rows == rows) {
            map.count = count;
            return;
        }
    }
    g_maps.push_back({rows, count});
}

const IID* InterfaceOfClass(const char* className) {
    if (!className) return nullptr;
    for (const IidMap& map : Snapshot())
        for (int i = 0; i < map.count; ++i)
            if (map.rows[i].className && std::strcmp(map.rows[i].className, className) == 0) return map.rows[i].iid;
    return nullptr;
}

std::vector<IidMap> MapsPreferringClass(const char* className) {
    std::vector<IidMap> maps = Snapshot();
    if (!className) return maps;
    for (size_t i = 0; i < maps.size(); ++i) {
        if (HoldsClass(maps[i], className)) {
            IidMap own = maps[i];
            maps.erase(maps.begin() + static_cast<std::ptrdiff_t>(i));
            maps.insert(maps.begin(), own);
            break;
        }
    }
    return maps;
}

}  // namespace brivel::rt
