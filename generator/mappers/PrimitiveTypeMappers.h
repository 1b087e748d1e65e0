// Mappers of the plain value types: numbers by value and by reference, void
// results, VARIANT_BOOL, the 64-bit integer by reference, LPSTR strings, and
// byte or character buffers passed as Java byte[].
#pragma once

#include "TypeMapper.h"

// A numeric VARTYPE, described by eight strings in constructor order.
class CPrimitiveTypeMapper : public CTypeMapper {
public:
    CPrimitiveTypeMapper(bool byRef, const char* javaType, const char* jniType, const char* cType,
                         const char* signature, const char* vtName, const char* accessor,
                         const char* arrayWord, const char* jniArrayType);

    void Release() override {}
    void GetJavaType(CString& text) override { text = m_javaType; }
    void GetJniType(CString& text) override { text = m_jniType; }
    void GetJniSignature(bool mangled, CString& text) override { (void)mangled; text = m_signature; }
    const char* GetArrayAccessorWord() override { return m_arrayWord; }
    const char* GetJniArrayType() override { return m_jniArrayType; }
    const char* GetVtName() override { return m_vtName; }
    void WriteClassLiteral(FILE* javaFile) override;
    void WriteBoxing(FILE* javaFile, const char* expression) override;
    bool IsJavaPrimitive() override { return true; }
    bool SkipsNullCheck() override { return true; }
    void EmitInvokeArgument(const CMapperCall& call, int arg, int variantIndex, bool outOnly, const char* javaExpr, bool returnsValue,
                            const VARIANT* defaultValue, FILE* file) override;
    void EmitInvokeOutCopy(const CMapperCall& call, int arg, int variantIndex, int reserved, FILE* file) override;
    void EmitInvokeReturn(FILE* file) override;
    void GetVtblParamType(CString& text) override { text = m_cType; }
    void GetVtblArgumentExpr(int arg, int reserved, CString& text) override;
    void GetVtblReturnType(CString& text) override;
    void EmitVtblReturnDecl(const CMapperCall& call, FILE* file) override;
    void GetVtblReturnPointer(FILE* file) override;
    void EmitVtblReturn(FILE* file) override;
    void GetEventArgExpr(int eventParam, CString& text) override;
    void GetVtblEventArgExpr(int arg, CString& text) override;
    bool IsByRefEventParam() override { return m_byRef; }
    CString GetEventArgumentVt() override { return m_accessor ? CString(m_vtName) : CString(); }
    void EmitEventArrayFillFromVtbl(const CMapperCall& call, int arg, FILE* file) override;
    void EmitEventArrayFillFromVariant(const CMapperCall& call, int eventParam, FILE* file) override;
    void EmitEventArrayCopyToVtbl(const CMapperCall& call, int arg, FILE* file) override;
    void EmitEventArrayCopyToVariant(const CMapperCall& call, int eventParam, FILE* file) override;

    // Operations of the numeric family: the element buffer of a Java array
    // passed for a by-reference argument, and its release after the call.
    virtual void GetArrayBufferExpr(int arg, CString& text);
    virtual void EmitArrayBufferRelease(int arg, FILE* file);

    bool IsByRef() const { return m_byRef; }
    const char* GetCType() const { return m_cType; }
    const char* GetAccessor() const { return m_accessor; }

protected:
    // Name of the boxing class of the Java type ("Integer" for the word "Int").
    const char* BoxingClass() const;
    // The VT_ constant and the V_ accessor of the value (a by-reference
    // mapper names the referenced value's).
    CString ValueVt() const;
    CString ValueAccessor() const;

    bool m_byRef;
    const char* m_javaType;
    const char* m_jniType;
    const char* m_cType;
    const char* m_signature;
    const char* m_vtName;
    const char* m_accessor;
    const char* m_arrayWord;
    const char* m_jniArrayType;
};

// void and HRESULT results.
class CVoidTypeMapper : public CPrimitiveTypeMapper {
public:
    CVoidTypeMapper();
    bool IsVoid() override { return true; }
};

// VARIANT_BOOL <-> jboolean: true travels as 0xFFFF, any non-zero is true.
class CBooleanTypeMapper : public CPrimitiveTypeMapper {
public:
    explicit CBooleanTypeMapper(bool byRef);
    void EmitInvokeArgument(const CMapperCall& call, int arg, int variantIndex, bool outOnly, const char* javaExpr, bool returnsValue,
                            const VARIANT* defaultValue, FILE* file) override;
    void EmitInvokeOutCopy(const CMapperCall& call, int arg, int variantIndex, int reserved, FILE* file) override;
    void EmitInvokeReturn(FILE* file) override;
    void EmitVtblArgumentSetup(const CMapperCall& call, int arg, bool outOnly, const char* javaExpr, FILE* file, bool returnsValue) override;
    void GetVtblArgumentExpr(int arg, int reserved, CString& text) override;
    void EmitVtblOutCopy(const CMapperCall& call, int arg, int reserved, FILE* file) override;
    void EmitVtblReturnDecl(const CMapperCall& call, FILE* file) override;
    void EmitVtblReturn(FILE* file) override;
    void GetEventArgExpr(int eventParam, CString& text) override;
    void GetVtblEventArgExpr(int arg, CString& text) override;
    void EmitEventArrayFillFromVtbl(const CMapperCall& call, int arg, FILE* file) override;
    void EmitEventArrayFillFromVariant(const CMapperCall& call, int eventParam, FILE* file) override;
    void EmitEventArrayCopyToVtbl(const CMapperCall& call, int arg, FILE* file) override;
    void EmitEventArrayCopyToVariant(const CMapperCall& call, int eventParam, FILE* file) override;
};

// __int64 by reference: handed over through the VARIANT's long pointer.
class CInt64RefTypeMapper : public CPrimitiveTypeMapper {
public:
    CInt64RefTypeMapper();
    void EmitInvokeArgument(const CMapperCall& call, int arg, int variantIndex, bool outOnly, const char* javaExpr, bool returnsValue,
                            const VARIANT* defaultValue, FILE* file) override;
};

// LPSTR strings, usable only in virtual-table calls. The by-reference flag is
// kept apart: the numeric flag stays clear.
class CLpstrTypeMapper : public CPrimitiveTypeMapper {
public:
    explicit CLpstrTypeMapper(bool byRef);
    bool IsVirtualCallOnly() override { return true; }
    CString GetEventArgumentVt() override { return CString(); }
    void GetJniSignature(bool mangled, CString& text) override;
    void WriteClassLiteral(FILE* javaFile) override;
    void WriteBoxing(FILE* javaFile, const char* expression) override;
    void GetVtblParamType(CString& text) override;
    void GetVtblReturnType(CString& text) override { GetVtblParamType(text); }
    void EmitInvokeReturn(FILE* file) override;
    void EmitVtblArgumentSetup(const CMapperCall& call, int arg, bool outOnly, const char* javaExpr, FILE* file, bool returnsValue) override;
    void GetVtblArgumentExpr(int arg, int reserved, CString& text) override;
    void EmitVtblOutCopy(const CMapperCall& call, int arg, int reserved, FILE* file) override;
    void EmitVtblCleanup(int arg, const char* javaExpr, FILE* file) override;
    void EmitVtblReturnDecl(const CMapperCall& call, FILE* file) override;
    void GetVtblReturnPointer(FILE* file) override;
    void EmitVtblReturn(FILE* file) override;
    bool IsLpstrByRef() const { return m_lpstrByRef; }

private:
    bool m_lpstrByRef;
};

// byte[] passed in place for a pointer to VT_UI1 (unsigned) or VT_I1 bytes.
class CByteBufferTypeMapper : public CTypeMapper {
public:
    explicit CByteBufferTypeMapper(bool isUnsigned) : m_unsigned(isUnsigned) {}
    void Release() override {}
    bool GetKindWord(CString& word) override;
    void GetJavaType(CString& text) override { text = "byte []"; }
    void GetJniType(CString& text) override { text = "jbyteArray"; }
    void GetJniSignature(bool mangled, CString& text) override { text = mangled ? "_3B" : "[B"; }
    void EmitInvokeArgument(const CMapperCall& call, int arg, int variantIndex, bool outOnly, const char* javaExpr, bool returnsValue,
                            const VARIANT* defaultValue, FILE* file) override;
    void EmitInvokeOutCopy(const CMapperCall& call, int arg, int variantIndex, int reserved, FILE* file) override;
    void EmitInvokeCleanup(int arg, int variantIndex, FILE* file) override;
    void EmitInvokeReturn(FILE* file) override;
    void GetVtblParamType(CString& text) override { text = m_unsigned ? "unsigned char *" : "char *"; }
    void EmitVtblArgumentSetup(const CMapperCall& call, int arg, bool outOnly, const char* javaExpr, FILE* file, bool returnsValue) override;
    void GetVtblArgumentExpr(int arg, int reserved, CString& text) override;
    void EmitVtblCleanup(int arg, const char* javaExpr, FILE* file) override;
    void EmitVtblReturnDecl(const CMapperCall& call, FILE* file) override;
    void GetVtblReturnPointer(FILE* file) override;
    void EmitVtblReturn(FILE* file) override;
    // In events the byte behind the pointer reaches the listener as a
    // byte[] of one element (an IN value), which is the holder of an OUT or
    // IN/OUT value: its element goes back to the caller's byte.
    void EmitEventParam(const CMapperCall& call, int eventParam, FILE* file) override;
    void GetEventArgExpr(int eventParam, CString& text) override;
    void EmitEventCleanup(int eventParam, FILE* file) override;
    void EmitVtblEventParam(const CMapperCall& call, int arg, FILE* file) override;
    void GetVtblEventArgExpr(int arg, CString& text) override;
    void EmitVtblEventCleanup(int arg, FILE* file) override { EmitEventCleanup(arg, file); }
    bool IsByRefEventParam() override { return true; }
    bool PassesByRefThroughArray() override { return false; }
    void EmitEventArrayCreate(int, FILE*) override {}
    void EmitEventArrayFillFromVtbl(const CMapperCall& call, int arg, FILE* file) override;
    void EmitEventArrayFillFromVariant(const CMapperCall& call, int eventParam, FILE* file) override;
    void EmitEventArrayPublish(int, FILE*) override {}
    void EmitEventArrayReload(int, FILE*) override {}
    void EmitEventArrayCopyToVtbl(const CMapperCall& call, int arg, FILE* file) override;
    void EmitEventArrayCopyToVariant(const CMapperCall& call, int eventParam, FILE* file) override;
    void EmitEventArrayRelease(int, FILE*) override {}
    void EmitEventArrayDeleteRef(int eventParam, FILE* file) override;
    bool IsUnsigned() const { return m_unsigned; }

private:
    bool m_unsigned;
};
