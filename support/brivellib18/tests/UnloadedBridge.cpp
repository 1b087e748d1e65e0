// A bridge that a test loads through a class loader of its own and lets the
// VM unload: when loaded it hands the runtime its interface map and its
// record table (a record with a GUID and a by-reference field), as a
// generated bridge's load hook does. Its tables are its own static data,
// gone with the library.
#include <windows.h>

#include "BridgeTableRows.h"

extern "C" void brivelIidMapTypes(void* map, int count);
extern "C" int brivelRegisterRecordTypes(void* lib, void* map, int count);

namespace {
IID g_goneIid = {0x7E2E0100, 0x0, 0x4000, {0x80, 0, 0, 0, 0, 0, 0, 0x09}};
GUID g_goneRecord = {0x7E2E0100, 0x0, 0x4000, {0x80, 0, 0, 0, 0, 0, 0, 0x0A}};
GUID g_library = {0x7E2E0100, 0x0, 0x4000, {0x80, 0, 0, 0, 0, 0, 0, 0x0B}};

BridgeIidMapRow g_iidMap[] = {{&g_goneIid, "unloadtest/Gone"}};

BridgeRecordField g_fields[] = {
    {VT_BSTR, 0, L"name", "name", "Ljava/lang/String;", "String", nullptr},
    {VT_BYREF | VT_VARIANT, 4, L"any", "any", "Lbrivel/TavoVariant;", "brivel/TavoVariant", nullptr},
};

BridgeRecordType g_records[] = {{&g_goneRecord, 8, "unloadtest/GoneRecord", &g_fields[0], 2}};

struct {
    const GUID* libGuid;
    ULONG verMajor;
    ULONG verMinor;
} g_description = {&g_library, 1, 0};

__attribute__((constructor)) void HandTablesOver() {
    brivelIidMapTypes(g_iidMap, 1);
    brivelRegisterRecordTypes(&g_description, g_records, 1);
}
}  // namespace
