// The interface maps that bridges hand over from their load hooks: per
// bridge, the generated classes of its interfaces. Several bridges may live
// in one process; each keeps its own map, and a lookup never holds the lock
// of the registry across a call out of it.
#pragma once

#include <vector>

#include "RuntimeApi.h"

namespace brivel::rt {

// One row of a bridge's map (brivelIIDMap), in the bridge's own layout.
struct IidRow {
    const IID* iid;
    const char* className;  // slash form, as FindClass takes it
};

// A bridge's map. The rows are the bridge's own static data: they stay valid
// and unchanged while the bridge is loaded, so they are read without a lock.
struct IidMap {
    const IidRow* rows = nullptr;
    int count = 0;
};

// Keeps the map of a bridge; a map handed over again keeps its place.
void AddIidMap(const IidRow* rows, int count);

// The interface that the class `className` stands for, from the map that
// holds it; null when no map does.
const IID* InterfaceOfClass(const char* className);

// Every map, the one that holds the class `className` first (the calling
// bridge's own), then the others in the order they were handed over.
std::vector<IidMap> MapsPreferringClass(const char* className);

}  // namespace brivel::rt
