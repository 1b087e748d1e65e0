// SAFEARRAY mappers: a one-dimensional SAFEARRAY of one element type travels
// to Java as a Java array when passed by value, and inside a brivel.out
// holder object (brivel.out.Tavo<word>Array, whose public field "array"
// holds the Java array) when passed by reference. Fixed-size C arrays inside
// records share the same names and conversions.
//
// The shape mappers' header includes this one (its users, the record-array
// mapper among them, find every shape mapper there): hence an include guard
// in place of "#pragma once", so that either header may come first.
#include "ShapeTypeMappers.h"

#ifndef BRIVEL_ARRAY_TYPE_MAPPERS_H
#define BRIVEL_ARRAY_TYPE_MAPPERS_H

// SAFEARRAY of one element type: the Java array by value, a brivel.out
// holder by reference.
class CSafeArrayTypeMapper : public CShapeTypeMapper {
public:
    explicit CSafeArrayTypeMapper(CTypeMapper* element, bool byRef = false) : m_element(element), m_byRef(byRef) {}
    // With `inThroughPointer`: an IN array that the callee takes through a
    // pointer (SAFEARRAY **), a Java array passed on by reference.
    CSafeArrayTypeMapper(CTypeMapper* element, bool byRef, bool inThroughPointer)
        : m_element(element), m_byRef(byRef), m_throughPointer(inThroughPointer) {}
    bool GetKindWord(CString& word) override { word = "array"; return true; }
    void GetJavaType(CString& text) override;
    void GetJniType(CString& text) override;
    void GetJniSignature(bool mangled, CString& text) override;
    void GetVtblParamType(CString& text) override { text = PassesPointer() ? "SAFEARRAY **" : "SAFEARRAY *"; }
    // A by-reference holder is checked for null by the mapper itself: it
    // must be there even for an out-only argument, since it takes the result.
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
    void EmitEventCleanup(int eventParam, FILE* file) override;
    void EmitVtblEventParam(const CMapperCall& call, int arg, FILE* file) override;
    void GetVtblEventArgExpr(int arg, CString& text) override;
    void EmitVtblEventCleanup(int arg, FILE* file) override;
    // An OUT array of an event comes in the holder, which takes what the
    // listener leaves in it back to the caller (arrays of records pass
    // theirs as the record-array mapper writes them).
    bool IsByRefEventParam() override { return m_byRef && !HasRecordElements(); }
    bool PassesByRefThroughArray() override { return false; }
    void EmitEventArrayCreate(int, FILE*) override {}
    void EmitEventArrayFillFromVtbl(const CMapperCall& call, int arg, FILE* file) override;
    void EmitEventArrayFillFromVariant(const CMapperCall& call, int eventParam, FILE* file) override;
    void EmitEventArrayPublish(int, FILE*) override {}
    void GetEventArrayExpr(int eventParam, CString& text) override;
    void EmitEventArrayReload(int, FILE*) override {}
    void EmitEventArrayCopyToVtbl(const CMapperCall& call, int arg, FILE* file) override;
    void EmitEventArrayCopyToVariant(const CMapperCall& call, int eventParam, FILE* file) override;
    void EmitEventArrayRelease(int, FILE*) override {}
    void EmitEventArrayDeleteRef(int eventParam, FILE* file) override;

    CTypeMapper* GetElement() const { return m_element; }
    bool IsByRef() const { return m_byRef; }
    // The callee takes the array's address (by reference, or IN through a pointer).
    bool PassesPointer() const { return m_byRef || m_throughPointer; }
    // The word of the holder class brivel.out.Tavo<word>Array.
    CString HolderWord();
    // The element's VARTYPE name as the VARIANT and the runtime take it
    // (enumerations travel as VT_I4).
    CString ElementVt();
    // The JNI signature of the holder's "array" field.
    CString HolderFieldSignature();

protected:
    // Elements that are interface pointers or enumeration values become
    // Java objects of the element's class one by one.
    bool HasInterfaceElements() { return m_element->GetCategory() == 2; }
    bool IsEnumElements() { return m_element->GetCategory() == 3; }
    bool HasObjectElements() { return HasInterfaceElements() || IsEnumElements(); }
    // Arrays of records convert through the record functions of the runtime,
    // which the record-array mapper writes: these fragments stay pending.
    bool HasRecordElements() { return m_element->GetCategory() == 4; }
    // "<package path>/<class>" of an interface or enumeration element.
    CString ElementClassPath();
    void WriteJavaArrayFrom(FILE* file, const char* indent, const char* env, const char* source, const char* target);
    void WriteEnumSafeArrayFrom(FILE* file, const char* indent, const char* javaArray, const char* target);
    void WriteSafeArrayFromHolder(FILE* file, const char* indent, const char* holder, const char* target);
    void WriteNewHolder(FILE* file, const char* indent, const char* env, const char* elements, const char* holder);
    void WriteCopyIntoJavaArray(FILE* file, const char* source, const char* target, const char* name);
    void WriteHolderStore(FILE* file, const char* indent, const char* source, const char* holder, const char* local);
    void WriteEventValue(FILE* file, int eventParam, const char* source, bool outOnly);
    void WriteEventCopyBack(const CMapperCall& call, FILE* file, const char* indent, int eventParam, const char* pointer);
    // The conversion of a returned SAFEARRAY (`source`, owned by the code
    // written before) to the Java value `retArray`, ending with its return.
    void WriteResultConversion(FILE* file, const char* source, const char* release);
    // The exception check after a conversion from Java: returns from the
    // native (releasing what was set up) when the conversion left one pending.
    void WriteConversionCheck(const CMapperCall& call, FILE* file, const char* local, bool returnsValue);

    CTypeMapper* m_element;
    bool m_byRef;

private:
    bool m_throughPointer = false;
};

// A C array inside a record (element count of its first dimension).
class CFixedArrayTypeMapper : public CSafeArrayTypeMapper {
public:
    CFixedArrayTypeMapper(CTypeMapper* element, int count) : CSafeArrayTypeMapper(element, false), m_count(count) {}
    bool IsFixedSizeArray() override { return true; }
    int GetCount() const { return m_count; }

private:
    int m_count;
};

#endif  // BRIVEL_ARRAY_TYPE_MAPPERS_H
