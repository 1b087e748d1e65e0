// The registry of the bridges' interface maps.
#include "InterfaceMaps.h"

#include <cstring>
#include <mutex>

namespace brivel::rt {

namespace {
// The registry lives as long as the process: threads that the VM does not
// wait for (daemon COM threads) may still look maps up while the process
// exits, after static objects are destroyed.
struct Registry {
    std::mutex lock;
    std::shared_ptr<const IidMaps> maps = std::make_shared<IidMaps>();  // replaced whole, guarded by lock
};
Registry& TheRegistry() {
    static Registry* registry = new Registry;
    return *registry;
}

// The maps as they are now, for a lookup made without the lock.
std::shared_ptr<const IidMaps> Snapshot() {
    Registry& registry = TheRegistry();
    std::lock_guard<std::mutex> lock(registry.lock);
    return registry.maps;
}

bool HoldsClass(const IidMap& map, const char* className) {
    for (const IidRow& row : map)
        if (row.className == className) return true;
    return false;
}

bool SameMap(const IidMap& a, const IidMap& b) {
    if (a.size() != b.size()) return false;
    for (size_t i = 0; i < a.size(); ++i)
        if (!IsEqualGUID(a[i].iid, b[i].iid) || a[i].className != b[i].className) return false;
    return true;
}
}  // namespace

void AddIidMap(const BridgeIidRow* rows, int count) {
    if (!rows || count <= 0) return;
    auto copy = std::make_shared<IidMap>();
    for (int i = 0; i < count; ++i)
        if (rows[i].iid && rows[i].className) copy->push_back({*rows[i].iid, rows[i].className});
    Registry& registry = TheRegistry();
    std::lock_guard<std::mutex> lock(registry.lock);
    for (const auto& map : *registry.maps)
        if (SameMap(*map, *copy)) return;
    auto maps = std::make_shared<IidMaps>(*registry.maps);
    maps->push_back(std::move(copy));
    registry.maps = std::move(maps);
}

bool InterfaceOfClass(const char* className, IID* iid) {
    if (!className) return false;
    std::shared_ptr<const IidMaps> maps = Snapshot();
    for (const auto& map : *maps) {
        for (const IidRow& row : *map) {
            if (row.className == className) {
                *iid = row.iid;
                return true;
            }
        }
    }
    return false;
}

MapsByOwner MapsPreferringClass(const char* className) {
    MapsByOwner result;
    std::shared_ptr<const IidMaps> maps = Snapshot();
    for (const auto& map : *maps) {
        if (className && HoldsClass(*map, className)) result.own.push_back(map);
        else result.others.push_back(map);
    }
    return result;
}

}  // namespace brivel::rt
