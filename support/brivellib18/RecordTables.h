// The record tables that every generated bridge writes and hands to the
// runtime, in the bridge's own layout, and the runtime's field-by-field
// conversions between Java record objects and record bytes.
#pragma once

#include "RuntimeApi.h"

namespace brivel::rt {

// One row per field of a record: its type, byte offset, names and Java
// signature. extraData points at a FixedArrayShape (VT_CARRAY) or at the
// RecordType of a nested record (VT_RECORD, VT_BYREF | VT_RECORD).
struct RecordField {
    VARTYPE vt;
    int offset;
    const wchar_t* comFieldName;
    const char* javaFieldName;
    const char* javaSig;
    const char* javaClassName;
    void* extraData;
};

// One row per record: its GUID (null for a record without one), byte size,
// Java class and fields.
struct RecordType {
    const IID* structIID;
    int size;
    const char* className;
    void* fieldDetailStart;
    int fieldCount;
};

// A C array inside a record: element type and element count.
struct FixedArrayShape {
    VARTYPE vt;
    int size;
};

// The type library that a bridge's records come from.
struct LibraryDescription {
    const GUID* libGuid;
    ULONG verMajor;
    ULONG verMinor;
};

// The fields of a record, as the generated calls pass them.
struct FieldList {
    const RecordField* rows;
    int count;
};

// Fills the record bytes at `rec` (zeroed by the caller) from the Java
// object's fields. Values that need freeing (strings, interfaces, VARIANTs,
// by-reference fields) are owned by the bytes afterwards and freed by
// ClearFields. False with a pending Java exception on failure; what was
// already stored stays in `rec` for ClearFields.
bool FieldsToCom(JNIEnv* env, jobject obj, const FieldList& fields, unsigned char* rec, jfieldID* fieldIds);

// Sets the Java object's fields from the record bytes, which stay as they
// are (the Java values are copies). False with a pending Java exception.
bool FieldsToJava(JNIEnv* env, const unsigned char* rec, jobject obj, const FieldList& fields, jfieldID* fieldIds);

// A new Java object of `className` from the record bytes, or null with a
// pending Java exception.
jobject NewRecordObject(JNIEnv* env, const unsigned char* rec, const char* className, const FieldList& fields,
                        jfieldID* fieldIds);

// Frees what the record's fields own and zeroes them: strings, interface
// references, VARIANTs, fixed arrays and nested records (by-reference
// fields with their memory). `byRefOnly`: only the by-reference fields
// (which a record's own IRecordInfo does not free), in nested records too.
void ClearFields(const FieldList& fields, unsigned char* rec, bool byRefOnly);

// The bytes of a record that its fields reach: a record shorter than that
// cannot be read or written with these fields.
size_t FieldsExtent(const FieldList& fields);

// Raises brivel.TavoException with `message` unless an exception is pending.
void ThrowRecordError(JNIEnv* env, const char* message);

}  // namespace brivel::rt
