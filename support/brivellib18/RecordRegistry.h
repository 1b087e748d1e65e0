// The record types that bridges hand over from their load hooks, as the
// runtime keeps them: copies of the bridges' tables, so that they outlive a
// bridge's library (the VM unloads it with its class loader) while other
// bridges go on.
//
// A bridge hands its tables over before it fills in the rows that point at
// nested records and fixed arrays; a copy made then lacks them, and is
// completed from the table that a later call of the bridge passes.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "RecordTables.h"

namespace brivel::rt {

// The fields of a kept record type, held for as long as the caller keeps
// this (the registry may replace its copy meanwhile).
struct KeptFields {
    std::shared_ptr<const void> owner;
    FieldList fields = {nullptr, 0};
};

// What identifies a kept record type.
struct KeptIdentity {
    bool hasGuid;
    GUID guid;
    int size;
};

// Keeps copies of a bridge's record types. A type handed over again (the
// same GUID, class name and size: a bridge loaded again) keeps one entry.
void KeepRecordTypes(const RecordType* types, int count);

// Completes the kept copies of the type with this GUID (or, without one, of
// this class name) from the fields that a call of its bridge passes.
void CompleteRecordType(const GUID* guid, const char* className, const FieldList& fields);

// The fields of the kept record type with this GUID; none when no bridge
// handed one over.
KeptFields FieldsOfRecord(const GUID& guid);

// The kept record types named `className` (several bridges may name one).
std::vector<KeptIdentity> RecordTypesNamed(const char* className);

}  // namespace brivel::rt
