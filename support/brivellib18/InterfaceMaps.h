// The interface maps that bridges hand over from their load hooks: per
// bridge, the generated classes of its interfaces. Several bridges may live
// in one process; each keeps its own map, and a lookup never holds the lock
// of the registry across a call out of it.
//
// The runtime keeps copies: a bridge's library goes when the VM unloads it
// with its class loader, and the bridges still loaded go on looking up
// their own maps. A map handed over again (the same rows) keeps its place.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "RuntimeApi.h"

namespace brivel::rt {

// One row of a bridge's map (brivelIIDMap), in the bridge's own layout.
struct BridgeIidRow {
    const IID* iid;
    const char* className;  // slash form, as FindClass takes it
};

// A row as the runtime keeps it.
struct IidRow {
    IID iid;
    std::string className;
};
using IidMap = std::vector<IidRow>;
using IidMaps = std::vector<std::shared_ptr<const IidMap>>;

// Keeps a copy of the map of a bridge (rows without an IID or a class name
// are left out).
void AddIidMap(const BridgeIidRow* rows, int count);

// The interface that the class `className` stands for, from the first map
// that holds it; false when no map does.
bool InterfaceOfClass(const char* className, IID* iid);

// The maps that hold the class `className` (the calling bridge's own), and
// all the others, each in the order they were handed over.
struct MapsByOwner {
    IidMaps own;
    IidMaps others;
};
MapsByOwner MapsPreferringClass(const char* className);

}  // namespace brivel::rt
