// The registry of the bridges' record types.
#include "RecordRegistry.h"

#include <deque>
#include <map>
#include <mutex>

namespace brivel::rt {

namespace {
const VARTYPE kByRefRecord = VT_BYREF | VT_RECORD;

// A copy of a record type's rows with everything they point at: nested
// record types, fixed-array shapes and the texts, owned by the copy.
class FieldTables {
public:
    FieldTables(const RecordField* rows, int count) { fields_ = CopyRows(rows, count); }
    FieldList fields() const { return fields_; }
    // False when a row that points at a nested table had none yet.
    bool complete() const { return complete_; }

private:
    FieldList CopyRows(const RecordField* rows, int count) {
        if (!rows || count <= 0) return {nullptr, 0};
        std::vector<RecordField>& copy = rows_.emplace_back(rows, rows + count);
        for (RecordField& row : copy) {
            row.comFieldName = Text(row.comFieldName);
            row.javaFieldName = Text(row.javaFieldName);
            row.javaSig = Text(row.javaSig);
            row.javaClassName = Text(row.javaClassName);
            bool nested = row.vt == VT_CARRAY || row.vt == VT_RECORD || row.vt == kByRefRecord;
            if (!nested) {
                row.extraData = nullptr;
            } else if (!row.extraData) {
                complete_ = false;
            } else if (row.vt == VT_CARRAY) {
                row.extraData = &shapes_.emplace_back(*static_cast<const FixedArrayShape*>(row.extraData));
            } else {
                row.extraData = const_cast<RecordType*>(CopyType(static_cast<const RecordType*>(row.extraData)));
            }
        }
        return {copy.data(), count};
    }

    // Each nested type once, so that a type that points at itself (by
    // reference) is copied once.
    const RecordType* CopyType(const RecordType* type) {
        auto done = copied_.find(type);
        if (done != copied_.end()) return done->second;
        RecordType& copy = types_.emplace_back(*type);
        copied_[type] = &copy;
        copy.structIID = type->structIID ? &iids_.emplace_back(*type->structIID) : nullptr;
        copy.className = Text(type->className);
        FieldList rows = CopyRows(static_cast<const RecordField*>(type->fieldDetailStart), type->fieldCount);
        copy.fieldDetailStart = const_cast<RecordField*>(rows.rows);
        copy.fieldCount = rows.count;
        return &copy;
    }

    const char* Text(const char* text) { return text ? texts_.emplace_back(text).c_str() : nullptr; }
    // (Counted here: with the build's 2-byte wchar_t the C library's wide
    // functions do not apply.)
    const wchar_t* Text(const wchar_t* text) {
        if (!text) return nullptr;
        size_t n = 0;
        while (text[n]) ++n;
        return wideTexts_.emplace_back(text, text + n + 1).data();
    }

    std::deque<std::vector<RecordField>> rows_;
    std::deque<RecordType> types_;
    std::deque<FixedArrayShape> shapes_;
    std::deque<IID> iids_;
    std::deque<std::string> texts_;
    std::deque<std::vector<wchar_t>> wideTexts_;
    std::map<const RecordType*, const RecordType*> copied_;
    FieldList fields_ = {nullptr, 0};
    bool complete_ = true;
};

struct KeptType {
    KeptIdentity identity;
    std::string className;
    int fieldCount;
    std::shared_ptr<const FieldTables> tables;
};

bool SameIdentity(const KeptType& kept, const RecordType& type) {
    bool hasGuid = type.structIID != nullptr;
    return kept.identity.hasGuid == hasGuid && (!hasGuid || IsEqualGUID(kept.identity.guid, *type.structIID)) &&
           kept.identity.size == type.size && kept.className == (type.className ? type.className : "") &&
           kept.fieldCount == type.fieldCount;
}

// The registry lives as long as the process: threads that the VM does not
// wait for may still convert records while the process exits, after static
// objects are destroyed. The copies are made and freed outside its lock.
struct Registry {
    std::mutex lock;
    std::vector<KeptType> types;
};
Registry& TheRegistry() {
    static Registry* registry = new Registry;
    return *registry;
}
}  // namespace

void KeepRecordTypes(const RecordType* types, int count) {
    if (!types || count <= 0) return;
    std::vector<KeptType> kept;
    for (int i = 0; i < count; ++i) {
        const RecordType& type = types[i];
        KeptIdentity identity = {type.structIID != nullptr, type.structIID ? *type.structIID : GUID(), type.size};
        kept.push_back({identity, type.className ? type.className : "", type.fieldCount,
                        std::make_shared<const FieldTables>(static_cast<const RecordField*>(type.fieldDetailStart),
                                                            type.fieldCount)});
    }
    std::vector<std::shared_ptr<const FieldTables>> replaced;  // freed after the lock
    Registry& registry = TheRegistry();
    std::lock_guard<std::mutex> lock(registry.lock);
    for (int i = 0; i < count; ++i) {
        bool known = false;
        for (KeptType& entry : registry.types) {
            if (!SameIdentity(entry, types[i])) continue;
            known = true;
            if (!entry.tables->complete() && kept[i].tables->complete()) {
                replaced.push_back(std::move(entry.tables));
                entry.tables = kept[i].tables;
            }
            break;
        }
        if (!known) registry.types.push_back(kept[i]);
    }
}

void CompleteRecordType(const GUID* guid, const char* className, const FieldList& fields) {
    if (!fields.rows || fields.count <= 0 || (!guid && !className)) return;
    auto matches = [&](const KeptType& entry) {
        if (entry.fieldCount != fields.count || entry.tables->complete()) return false;
        if (guid) return entry.identity.hasGuid && IsEqualGUID(entry.identity.guid, *guid);
        return entry.className == className;
    };
    Registry& registry = TheRegistry();
    {
        std::lock_guard<std::mutex> lock(registry.lock);
        bool wanted = false;
        for (const KeptType& entry : registry.types) wanted = wanted || matches(entry);
        if (!wanted) return;
    }
    auto copy = std::make_shared<const FieldTables>(fields.rows, fields.count);
    std::vector<std::shared_ptr<const FieldTables>> replaced;  // freed after the lock
    std::lock_guard<std::mutex> lock(registry.lock);
    for (KeptType& entry : registry.types) {
        if (!matches(entry)) continue;
        replaced.push_back(std::move(entry.tables));
        entry.tables = copy;
    }
}

KeptFields FieldsOfRecord(const GUID& guid) {
    Registry& registry = TheRegistry();
    std::lock_guard<std::mutex> lock(registry.lock);
    for (const KeptType& entry : registry.types)
        if (entry.identity.hasGuid && IsEqualGUID(entry.identity.guid, guid))
            return {entry.tables, entry.tables->fields()};
    return {};
}

std::vector<KeptIdentity> RecordTypesNamed(const char* className) {
    std::vector<KeptIdentity> found;
    if (!className) return found;
    Registry& registry = TheRegistry();
    std::lock_guard<std::mutex> lock(registry.lock);
    for (const KeptType& entry : registry.types)
        if (entry.className == className) found.push_back(entry.identity);
    return found;
}

}  // namespace brivel::rt
