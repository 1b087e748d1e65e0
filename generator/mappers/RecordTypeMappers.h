// Mappers of user-defined records (VT_RECORD structures) and of SAFEARRAYs
// of records. A record whose tables the JNI file holds is converted field by
// field by the runtime: through IRecordInfo when the record has an
// identifier, by direct byte copies when it has none (such a record cannot
// be put in a VARIANT or a SAFEARRAY). A record that the tables do not hold
// (its description could not be read, or a field's type has no conversion)
// makes the natives that use it throw at once.
#pragma once

#include "ShapeTypeMappers.h"

class IJobView;
struct CRecordEntry;

// The record's rows are written into the JNI file's record tables.
bool IsWrittenRecord(const CRecordEntry* record);

// A record mapped to its generated brivel.TavoRecord class. mode tells the
// indirection of the COM parameter: 0 the record itself, 1 a pointer to it,
// 2 and 3 a pointer to a pointer.
class CRecordTypeMapper : public CShapeTypeMapper {
public:
    CRecordTypeMapper(IJobView* job, CRecordEntry* record, bool byRef, int mode)
        : m_job(job), m_record(record), m_byRef(byRef), m_mode(mode) {}
    bool GetKindWord(CString& word) override { word = "record"; return true; }
    void GetJavaType(CString& text) override;
    void GetJniType(CString& text) override { text = "jobject"; }
    void GetJniSignature(bool mangled, CString& text) override;
    int GetCategory() override { return 4; }
    const char* GetVtName() override { return "VT_RECORD"; }
    const char* GetHelperKindWord() override { return "Record"; }

    void EmitInvokeArgument(const CMapperCall& call, int arg, int variantIndex, bool outOnly, const char* javaExpr, bool returnsValue,
                            const VARIANT* defaultValue, FILE* file) override;
    void EmitInvokeOutCopy(const CMapperCall& call, int arg, int variantIndex, int reserved, FILE* file) override;
    void EmitInvokeCleanup(int arg, int variantIndex, FILE* file) override;
    void EmitInvokeReturn(FILE* file) override;
    void GetVtblParamType(CString& text) override;
    // A record the callee takes by value reaches the thunk as the address of
    // its bytes and is passed on as those bytes, one stack word at a time.
    void GetVtblParamTypeVariant(CString& text) override;
    void GetVtblCallArguments(int argNumber, CString& text) override;
    // In a virtual-table event the bytes arrive as named stack words.
    void GetVtblEventParamDeclaration(int arg, bool named, CString& text) override;
    void EmitVtblArgumentSetup(const CMapperCall& call, int arg, bool outOnly, const char* javaExpr, FILE* file, bool returnsValue) override;
    void GetVtblArgumentExpr(int arg, int reserved, CString& text) override;
    void EmitVtblOutCopy(const CMapperCall& call, int arg, int reserved, FILE* file) override;
    void EmitVtblCleanup(int arg, const char* javaExpr, FILE* file) override;
    void EmitVtblReturnDecl(const CMapperCall& call, FILE* file) override;
    void GetVtblReturnPointer(FILE* file) override;
    void EmitVtblReturn(FILE* file) override;
    void EmitEventParam(const CMapperCall& call, int eventParam, FILE* file) override;
    void GetEventArgExpr(int eventParam, CString& text) override;
    void EmitVtblEventParam(const CMapperCall& call, int arg, FILE* file) override;
    void GetVtblEventArgExpr(int arg, CString& text) override;

    CRecordEntry* GetRecord() const { return m_record; }
    bool IsByRef() const { return m_byRef; }
    int GetMode() const { return m_mode; }

    // What the tables and the runtime need of the record.
    bool IsWritten() const { return IsWrittenRecord(m_record); }
    // No identifier: no IRecordInfo, only direct byte copies.
    bool IsDirect() const;
    CString ClassPath() const;
    int FirstRow() const;
    int FieldCount() const;
    // A field-ID array length the compiler accepts (a record may have no field).
    int FieldIdCount() const;
    int Size() const;

private:
    // The callee receives the address of a pointer that it may replace.
    bool PassesPointerToPointer() const { return m_byRef && m_mode >= 2; }
    // The callee takes the record's bytes themselves.
    bool PassesBytes() const { return !m_byRef && IsWritten(); }
    // The stack words that a record passed by value takes.
    int WordCount() const { return (Size() + 3) / 4; }

    IJobView* m_job;
    CRecordEntry* m_record;
    bool m_byRef;
    int m_mode;
};

// A SAFEARRAY of records: the Java array of the record class by value, the
// holder brivel.out.TavoRecordArray by reference (its array is read before
// the call and replaced by what the callee hands back).
class CRecordArrayTypeMapper : public CSafeArrayTypeMapper {
public:
    CRecordArrayTypeMapper(CRecordTypeMapper* element, bool byRef) : CSafeArrayTypeMapper(element, byRef) {}
    // A holder is checked by the mapper itself: it must exist even for an
    // out-only argument, since it takes the callee's array.
    bool SkipsNullCheck() override { return m_byRef; }

    void EmitInvokeArgument(const CMapperCall& call, int arg, int variantIndex, bool outOnly, const char* javaExpr, bool returnsValue,
                            const VARIANT* defaultValue, FILE* file) override;
    void EmitInvokeOutCopy(const CMapperCall& call, int arg, int variantIndex, int reserved, FILE* file) override;
    void EmitInvokeCleanup(int arg, int variantIndex, FILE* file) override;
    void EmitInvokeReturn(FILE* file) override;
    void EmitVtblArgumentSetup(const CMapperCall& call, int arg, bool outOnly, const char* javaExpr, FILE* file, bool returnsValue) override;
    void GetVtblArgumentExpr(int arg, int reserved, CString& text) override;
    void EmitVtblOutCopy(const CMapperCall& call, int arg, int reserved, FILE* file) override;
    void EmitVtblCleanup(int arg, const char* javaExpr, FILE* file) override;
    void EmitVtblReturnDecl(const CMapperCall& call, FILE* file) override;
    void GetVtblReturnPointer(FILE* file) override;
    void EmitVtblReturn(FILE* file) override;
    void EmitEventParam(const CMapperCall& call, int eventParam, FILE* file) override;
    void GetEventArgExpr(int eventParam, CString& text) override;
    // By value the event's array is the sink's own local reference (the
    // writer deletes it); by reference its holder is this mapper's.
    void EmitEventCleanup(int eventParam, FILE* file) override;
    void EmitVtblEventParam(const CMapperCall& call, int arg, FILE* file) override;
    void GetVtblEventArgExpr(int arg, CString& text) override;
    void EmitVtblEventCleanup(int arg, FILE* file) override { EmitEventCleanup(arg, file); }
    // An OUT or IN/OUT array of an event comes in its holder, whose array
    // the sink sends back to the caller when the listener threw nothing; an
    // array it cannot send (records without an identifier) is reported with
    // a pending brivel.TavoException, as a call would throw it.
    bool IsByRefEventParam() override { return m_byRef; }
    void EmitEventArrayFillFromVtbl(const CMapperCall& call, int arg, FILE* file) override;
    void EmitEventArrayFillFromVariant(const CMapperCall& call, int eventParam, FILE* file) override;
    void GetEventArrayExpr(int eventParam, CString& text) override;
    void EmitEventArrayCopyToVtbl(const CMapperCall& call, int arg, FILE* file) override;
    void EmitEventArrayCopyToVariant(const CMapperCall& call, int eventParam, FILE* file) override;
    void EmitEventArrayDeleteRef(int eventParam, FILE* file) override { EmitEventCleanup(eventParam, file); }

    CRecordTypeMapper* GetRecordMapper() const { return static_cast<CRecordTypeMapper*>(m_element); }

private:
    // A SAFEARRAY of records needs the record's IRecordInfo, found by its
    // identifier: records without one (or without tables) cannot be sent.
    bool CanSend() const;
    // Returns from the COM array as a Java array need only the tables.
    bool CanReceive() const;
    // The Java array to send: the argument itself, or the holder's array.
    void WriteJavaArray(const CMapperCall& call, FILE* file, int n, const char* javaExpr, bool returnsValue);
    void WriteSendConversion(const CMapperCall& call, FILE* file, int n, const char* javaExpr, bool outOnly, bool returnsValue,
                             const char* arrayName, const char* errName, const char* infoName, const char* fieldIds);
    // The copy back into the Java array after the call; a failed copy
    // releases every argument and returns.
    void WriteOutCopy(const CMapperCall& call, FILE* file, const char* indent, int n, const char* safeArray, const char* errName,
                      const char* fieldIds, bool returnsValue);
    // The Java array of a COM array in an event, in its holder when passed
    // by reference.
    CString EventArray(const CString& safeArray, const char* errName, const char* fieldIds, int index);
    // The locals of an event's record array: the flag and field IDs, and by
    // reference the holder eventRecordHolder<index> around the array.
    void WriteEventLocals(FILE* file, int index, const CString& safeArray);
    // The store of the holder's array into the caller's array `*pointer`
    // (which it replaces), or the exception `refusal` when such an array
    // cannot be sent.
    void WriteEventCopyBack(const CMapperCall& call, FILE* file, const char* indent, int index, const char* pointer, const char* refusal);
};
