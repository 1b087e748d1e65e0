// The one interface through which the generator treats a COM type. A mapper
// stands for one type shape; it answers the type's Java, JNI, C++ and VARIANT
// names and writes every conversion fragment of the generated bridge. The
// order of the virtual operations is fixed: writers call them by name, and
// derived mappers append their own after these.
#pragma once

#include "BrvString.h"
#include "MapperCall.h"

#include <windows.h>
#include <oaidl.h>

#include <cstdio>

class CTypeMapper {
public:
    virtual ~CTypeMapper() = default;

    // The type can only be passed in virtual-table calls.
    virtual bool IsVirtualCallOnly() { return false; }
    // Deletes the object; every concrete mapper makes this a no-op, since
    // mappers are shared for a whole run or process.
    virtual void Release() { delete this; }
    // The word used in messages about the type ("record", "byte array").
    virtual bool GetKindWord(CString& word) { (void)word; return false; }
    virtual void GetJavaType(CString& text) = 0;
    virtual void GetJniType(CString& text) = 0;
    virtual void GetJniSignature(bool mangled, CString& text) = 0;
    virtual bool IsVoid() { return false; }
    // 1 value, 2 interface, 3 enumeration, 4 record.
    virtual int GetCategory() { return 1; }
    virtual const char* GetArrayAccessorWord() { return nullptr; }
    virtual const char* GetJniArrayType() { return nullptr; }
    virtual const char* GetVtName() { return nullptr; }
    virtual const char* GetHelperKindWord() { return GetArrayAccessorWord(); }
    virtual bool IsFixedSizeArray() { return false; }
    virtual void WriteClassLiteral(FILE* javaFile);
    virtual void WriteBoxing(FILE* javaFile, const char* expression);
    virtual bool IsJavaPrimitive() { return false; }
    virtual bool SkipsNullCheck() { return false; }
    virtual bool WritesRawDefault() { return false; }

    // IDispatch::Invoke path.
    virtual void EmitInvokeArgument(const CMapperCall& call, int arg, int variantIndex, bool outOnly, const char* javaExpr,
                                    bool returnsValue, const VARIANT* defaultValue, FILE* file) = 0;
    virtual void EmitInvokeOutCopy(const CMapperCall& call, int arg, int variantIndex, int reserved, FILE* file) = 0;
    virtual void EmitInvokeCleanup(int arg, int variantIndex, FILE* file) { (void)arg; (void)variantIndex; (void)file; }
    virtual void EmitInvokeReturn(FILE* file) = 0;

    // Virtual-table call path.
    virtual void GetVtblParamType(CString& text) = 0;
    virtual void GetVtblParamTypeVariant(CString& text) { GetVtblParamType(text); }
    virtual bool NeedsVtblDereference() { return false; }
    // The thunk's call arguments made of its parameter arg<argNumber> (each
    // preceded by a comma): the parameter, or what it points to.
    virtual void GetVtblCallArguments(int argNumber, CString& text) {
        text.Format(NeedsVtblDereference() ? ",*arg%d" : ",arg%d", argNumber);
    }
    // The declaration of parameter arg<arg> of a virtual-table event method,
    // as the caller pushed it; named "arg<arg>" when `named`.
    virtual void GetVtblEventParamDeclaration(int arg, bool named, CString& text) {
        GetVtblParamTypeVariant(text);
        if (named) {
            CString name;
            name.Format(" arg%d", arg);
            text += name;
        }
    }
    virtual void EmitVtblArgumentSetup(const CMapperCall&, int arg, bool outOnly, const char* javaExpr, FILE* file, bool returnsValue) {
        (void)arg; (void)outOnly; (void)javaExpr; (void)file; (void)returnsValue;
    }
    virtual void GetVtblArgumentExpr(int arg, int reserved, CString& text) = 0;
    virtual void EmitVtblOutCopy(const CMapperCall&, int arg, int reserved, FILE* file) { (void)arg; (void)reserved; (void)file; }
    virtual void EmitVtblCleanup(int arg, const char* javaExpr, FILE* file) { (void)arg; (void)javaExpr; (void)file; }
    virtual void GetVtblReturnType(CString& text) { GetVtblParamType(text); }
    virtual void EmitVtblReturnDecl(const CMapperCall& call, FILE* file) = 0;
    virtual void GetVtblReturnPointer(FILE* file) = 0;
    virtual void EmitVtblReturn(FILE* file) = 0;

    // Event sinks.
    virtual void EmitEventParam(const CMapperCall&, int eventParam, FILE* file) { (void)eventParam; (void)file; }
    virtual void GetEventArgExpr(int eventParam, CString& text) = 0;
    virtual void EmitEventCleanup(int eventParam, FILE* file) { (void)eventParam; (void)file; }
    virtual void EmitVtblEventParam(const CMapperCall&, int arg, FILE* file) { (void)arg; (void)file; }
    virtual void GetVtblEventArgExpr(int arg, CString& text) = 0;
    virtual void EmitVtblEventCleanup(int arg, FILE* file) { (void)arg; (void)file; }
    virtual bool IsByRefEventParam() { return false; }
    // The VARIANT type that an IDispatch sink reads the event's argument as
    // ("VT_I4", "VT_BYREF | VT_BSTR"): a value of another type is converted
    // to it, a reference must point at it. Empty: the argument is read as it
    // comes (the mapper looks at its type itself).
    virtual CString GetEventArgumentVt() { return CString(); }
    virtual bool PassesByRefThroughArray() { return true; }
    virtual void EmitEventArrayCreate(int eventParam, FILE* file);
    virtual void EmitEventArrayFillFromVtbl(const CMapperCall&, int arg, FILE* file) { (void)arg; (void)file; }
    virtual void EmitEventArrayFillFromVariant(const CMapperCall&, int eventParam, FILE* file) { (void)eventParam; (void)file; }
    virtual void EmitEventArrayPublish(int eventParam, FILE* file);
    virtual void GetEventArrayExpr(int eventParam, CString& text);
    virtual void EmitEventArrayReload(int eventParam, FILE* file);
    virtual void EmitEventArrayCopyToVtbl(const CMapperCall&, int arg, FILE* file) { (void)arg; (void)file; }
    virtual void EmitEventArrayCopyToVariant(const CMapperCall&, int eventParam, FILE* file) { (void)eventParam; (void)file; }
    virtual void EmitEventArrayRelease(int eventParam, FILE* file);
    virtual void EmitEventArrayDeleteRef(int eventParam, FILE* file);

protected:
    // True for mappers whose event array holds an object whose element local
    // reference must be deleted with the array.
    virtual bool EventArrayHoldsObject() { return false; }
};

// Writes the coercion of the Invoke result `ret` to `vt` before it is read:
// a result of another type is changed as the platform changes it
// (VariantChangeType, in place). One that cannot be changed throws
// brivel.TavoException with the conversion's HRESULT and returns, unless it
// is empty (nothing answered; with `nullIsAbsent`, VT_NULL too): that one
// becomes the type's empty value, so that no union member is read that the
// callee did not write. A result of type `alsoTaken` is taken as it is too
// (VT_DISPATCH for VT_UNKNOWN; VT_I1 for VT_UI1, whose bytes one Java byte
// carries alike).
void EmitResultCoercion(FILE* file, const char* vt, const char* alsoTaken = nullptr, bool nullIsAbsent = false);

// Writes, after a runtime conversion of a Java argument that can refuse it
// (leaving an exception pending), the return that follows a refused
// argument: the arguments set up before it are released.
void EmitConversionCheck(const CMapperCall& call, FILE* file, bool returnsValue);

// Writes the check of an Invoke result `ret` that is read only when it is of
// the right type: one that is not (the condition `unreadable`), and neither
// empty nor VT_NULL (nothing answered), throws brivel.TavoException with
// DISP_E_TYPEMISMATCH and returns.
void EmitResultTypeCheck(FILE* file, const char* unreadable);

// Writes, for an event's out-only argument (`call`), the statement that
// sets the caller's slot to its type's empty value before anything reads
// it: its incoming value is undefined (a pointer no one may follow, a
// VARIANT of any type), so it is written, never read or freed, and the
// listener gets the empty value. `statement` is the store, without its
// indentation and line end; nothing is written for any other argument.
void EmitOutOnlyEventSlot(const CMapperCall& call, FILE* file, const char* statement);

// Writes, in an event sink after a conversion that can fail with a Java
// exception pending (the VM out of memory), the keeping of the first such
// exception in the event's brivelUnmade, cleared: the conversions after it
// run without an exception pending (some clear one), and the sink raises it
// again where it would call the listener, and calls none.
void EmitEventArgumentMadeCheck(FILE* file);

// Writes the Java null check of a native argument: throws
// java.lang.NullPointerException, releases the call's earlier arguments and
// returns when the expression is null.
void EmitNullArgumentCheck(const CMapperCall& call, FILE* file, const char* javaExpr, bool returnsValue,
                           const char* indent = "\t", const char* message = "Null Argument");
