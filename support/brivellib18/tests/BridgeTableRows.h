// The rows of a bridge's tables as a generated bridge declares them in its
// own text (not the runtime's declarations): the test bridges hand the
// runtime tables of these, as generated load hooks do.
#pragma once
#include <windows.h>

struct BridgeIidMapRow {
    const IID* iid;
    const char* className;
};

struct BridgeRecordField {
    VARTYPE vt;
    int offset;
    const wchar_t* comFieldName;
    const char* javaFieldName;
    const char* javaSig;
    const char* javaClassName;
    void* extraData;
};

struct BridgeRecordType {
    const IID* structIID;
    int size;
    const char* className;
    void* fieldDetailStart;
    int fieldCount;
};

struct BridgeFixedArrayShape {
    VARTYPE vt;
    int size;
};
