// Mappers of the shapes beyond plain numbers: VARIANT, strings, GUIDs, dates,
// currency, colours, file times, generic and named interfaces, enumerations,
// records and arrays. This file gives each its identity (the flags, levels
// and elements that selection keys on) and its names in the four worlds.
// Their conversion fragments are written by the bridge writers; until a
// fragment is in place it writes a #error line, so that a bridge that would
// need it cannot compile silently wrong.
#pragma once

#include "TypeMapper.h"

class IJobView;
struct CRecordEntry;

class CShapeTypeMapper : public CTypeMapper {
public:
    void Release() override {}
    void EmitInvokeArgument(const CMapperCall& call, int arg, int variantIndex, bool outOnly, const char* javaExpr, bool returnsValue,
                            const VARIANT* defaultValue, FILE* file) override;
    void EmitInvokeOutCopy(const CMapperCall& call, int arg, int variantIndex, int reserved, FILE* file) override;
    void EmitInvokeReturn(FILE* file) override;
    void GetVtblArgumentExpr(int arg, int reserved, CString& text) override;
    void EmitVtblReturnDecl(const CMapperCall& call, FILE* file) override;
    void GetVtblReturnPointer(FILE* file) override;
    void EmitVtblReturn(FILE* file) override;
    void GetEventArgExpr(int eventParam, CString& text) override;
    void GetVtblEventArgExpr(int arg, CString& text) override;

protected:
    void WritePending(FILE* file, const char* fragment);
};

// VARIANT <-> brivel.TavoVariant. Level and by-reference flag go together.
class CVariantTypeMapper : public CShapeTypeMapper {
public:
    static CVariantTypeMapper FromFlag(bool byRef) { return CVariantTypeMapper(byRef ? 1 : 0); }
    static CVariantTypeMapper FromLevel(int level) { return CVariantTypeMapper(level); }
    void GetJavaType(CString& text) override { text = "brivel.TavoVariant"; }
    void GetJniType(CString& text) override { text = "jobject"; }
    void GetJniSignature(bool mangled, CString& text) override;
    const char* GetVtName() override { return "VT_VARIANT"; }
    const char* GetHelperKindWord() override { return "Variant"; }
    void GetVtblParamType(CString& text) override { text = m_level == 2 ? "VARIANT **" : "VARIANT *"; }
    // A VARIANT that the callee takes by value travels to the thunk as a
    // pointer and is passed on as the value the callee declares.
    void GetVtblParamTypeVariant(CString& text) override {
        if (m_level == 0) text = "VARIANT";
        else GetVtblParamType(text);
    }
    bool NeedsVtblDereference() override { return m_level == 0; }
    bool WritesRawDefault() override { return true; }
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
    void GetEventArgExpr(int eventParam, CString& text) override;
    void EmitVtblEventParam(const CMapperCall& call, int arg, FILE* file) override;
    void GetVtblEventArgExpr(int arg, CString& text) override;
    void EmitVtblEventCleanup(int arg, FILE* file) override;
    bool IsByRefEventParam() override { return true; }
    bool PassesByRefThroughArray() override { return false; }
    // The Java holder wraps the caller's VARIANT itself: nothing to create
    // before it is found, in the DISPPARAMS or among the method's arguments.
    void EmitEventArrayCreate(int, FILE*) override {}
    void EmitEventArrayFillFromVtbl(const CMapperCall& call, int arg, FILE* file) override { EmitVtblEventParam(call, arg, file); }
    void EmitEventArrayFillFromVariant(const CMapperCall& call, int eventParam, FILE* file) override;
    void EmitEventArrayPublish(int, FILE*) override {}
    void GetEventArrayExpr(int eventParam, CString& text) override { GetVtblEventArgExpr(eventParam, text); }
    void EmitEventArrayReload(int, FILE*) override {}
    void EmitEventArrayCopyToVtbl(const CMapperCall& call, int arg, FILE* file) override;
    void EmitEventArrayCopyToVariant(const CMapperCall& call, int eventParam, FILE* file) override { EmitEventArrayCopyToVtbl(call, eventParam, file); }
    void EmitEventArrayRelease(int, FILE*) override {}
    void EmitEventArrayDeleteRef(int eventParam, FILE* file) override { EmitVtblEventCleanup(eventParam, file); }
    int GetLevel() const { return m_level; }
    bool IsByRef() const { return m_level > 0; }

private:
    explicit CVariantTypeMapper(int level) : m_level(level) {}
    int m_level;
};

// A value type with a by-reference flag and fixed names.
class CFlaggedTypeMapper : public CShapeTypeMapper {
public:
    bool IsByRef() const { return m_byRef; }

protected:
    CFlaggedTypeMapper(bool byRef, const char* javaType, const char* jniType, const char* plainSig,
                       const char* mangledSig, const char* vtName, const char* cType)
        : m_byRef(byRef), m_javaType(javaType), m_jniType(jniType), m_plainSig(plainSig), m_mangledSig(mangledSig),
          m_vtName(vtName), m_cType(cType) {}
    void GetJavaType(CString& text) override { text = m_javaType; }
    void GetJniType(CString& text) override { text = m_jniType; }
    void GetJniSignature(bool mangled, CString& text) override { text = mangled ? m_mangledSig : m_plainSig; }
    const char* GetVtName() override { return m_vtName; }
    void GetVtblParamType(CString& text) override;
    // The value's type, by reference where the mapper is.
    CString FlaggedEventVt() const { return m_byRef ? CString("VT_BYREF | ") + m_vtName : CString(m_vtName); }

    bool m_byRef;
    const char* m_javaType;
    const char* m_jniType;
    const char* m_plainSig;
    const char* m_mangledSig;
    const char* m_vtName;
    const char* m_cType;
};

class CStringTypeMapper : public CFlaggedTypeMapper {
public:
    explicit CStringTypeMapper(bool byRef)
        : CFlaggedTypeMapper(byRef, "String", "jstring", "Ljava/lang/String;", "Ljava_lang_String_2", "VT_BSTR", "BSTR") {}
    bool SkipsNullCheck() override { return true; }
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
    CString GetEventArgumentVt() override { return FlaggedEventVt(); }
    void GetEventArgExpr(int eventParam, CString& text) override;
    void EmitEventCleanup(int eventParam, FILE* file) override;
    void EmitVtblEventParam(const CMapperCall& call, int arg, FILE* file) override;
    void GetVtblEventArgExpr(int arg, CString& text) override;
};

// A GUID travels as its string form on the Java side.
class CGuidTypeMapper : public CFlaggedTypeMapper {
public:
    explicit CGuidTypeMapper(bool byRef)
        : CFlaggedTypeMapper(byRef, "String", "jstring", "Ljava/lang/String;", "Ljava_lang_String_2", "VT_CLSID", "GUID") {}
    bool SkipsNullCheck() override { return true; }
    void EmitInvokeArgument(const CMapperCall& call, int arg, int variantIndex, bool outOnly, const char* javaExpr, bool returnsValue,
                            const VARIANT* defaultValue, FILE* file) override;
    void EmitInvokeOutCopy(const CMapperCall& call, int arg, int variantIndex, int reserved, FILE* file) override;
    void EmitInvokeReturn(FILE* file) override;
    void EmitVtblArgumentSetup(const CMapperCall& call, int arg, bool outOnly, const char* javaExpr, FILE* file, bool returnsValue) override;
    void GetVtblArgumentExpr(int arg, int reserved, CString& text) override;
    void EmitVtblOutCopy(const CMapperCall& call, int arg, int reserved, FILE* file) override;
    void EmitVtblReturnDecl(const CMapperCall& call, FILE* file) override;
    void GetVtblReturnPointer(FILE* file) override;
    void EmitVtblReturn(FILE* file) override;
    void EmitEventParam(const CMapperCall& call, int eventParam, FILE* file) override;
    void GetEventArgExpr(int eventParam, CString& text) override;
    void EmitVtblEventParam(const CMapperCall& call, int arg, FILE* file) override;
    void GetVtblEventArgExpr(int arg, CString& text) override;
};

class CDateTypeMapper : public CFlaggedTypeMapper {
public:
    explicit CDateTypeMapper(bool byRef)
        : CFlaggedTypeMapper(byRef, "java.util.Date", "jobject", "Ljava/util/Date;", "Ljava_util_Date_2", "VT_DATE", "DATE") {}
    bool WritesRawDefault() override { return true; }
    void EmitInvokeArgument(const CMapperCall& call, int arg, int variantIndex, bool outOnly, const char* javaExpr, bool returnsValue,
                            const VARIANT* defaultValue, FILE* file) override;
    void EmitInvokeOutCopy(const CMapperCall& call, int arg, int variantIndex, int reserved, FILE* file) override;
    void EmitInvokeReturn(FILE* file) override;
    void EmitVtblArgumentSetup(const CMapperCall& call, int arg, bool outOnly, const char* javaExpr, FILE* file, bool returnsValue) override;
    void GetVtblArgumentExpr(int arg, int reserved, CString& text) override;
    void EmitVtblOutCopy(const CMapperCall& call, int arg, int reserved, FILE* file) override;
    void EmitVtblReturnDecl(const CMapperCall& call, FILE* file) override;
    void GetVtblReturnPointer(FILE* file) override;
    void EmitVtblReturn(FILE* file) override;
    CString GetEventArgumentVt() override { return FlaggedEventVt(); }
    void EmitEventParam(const CMapperCall& call, int eventParam, FILE* file) override;
    void GetEventArgExpr(int eventParam, CString& text) override;
    void EmitVtblEventParam(const CMapperCall& call, int arg, FILE* file) override;
    void GetVtblEventArgExpr(int arg, CString& text) override;
};

class CCurrencyTypeMapper : public CFlaggedTypeMapper {
public:
    explicit CCurrencyTypeMapper(bool byRef)
        : CFlaggedTypeMapper(byRef, "long", "jlong", "J", "J", "VT_CY", "CY") {}
    // A Java long has no "absent" value: every value, 0 included, is passed
    // as given, so the type library's default is never substituted.
    bool SkipsNullCheck() override { return true; }
    const char* GetArrayAccessorWord() override { return "Long"; }
    const char* GetJniArrayType() override { return "jlongArray"; }
    void EmitInvokeArgument(const CMapperCall& call, int arg, int variantIndex, bool outOnly, const char* javaExpr, bool returnsValue,
                            const VARIANT* defaultValue, FILE* file) override;
    void EmitInvokeOutCopy(const CMapperCall& call, int arg, int variantIndex, int reserved, FILE* file) override;
    void EmitInvokeReturn(FILE* file) override;
    void EmitVtblArgumentSetup(const CMapperCall& call, int arg, bool outOnly, const char* javaExpr, FILE* file, bool returnsValue) override;
    void GetVtblArgumentExpr(int arg, int reserved, CString& text) override;
    void EmitVtblOutCopy(const CMapperCall& call, int arg, int reserved, FILE* file) override;
    void EmitVtblReturnDecl(const CMapperCall& call, FILE* file) override;
    void GetVtblReturnPointer(FILE* file) override;
    void EmitVtblReturn(FILE* file) override;
    CString GetEventArgumentVt() override { return FlaggedEventVt(); }
    void EmitEventParam(const CMapperCall& call, int eventParam, FILE* file) override;
    void GetEventArgExpr(int eventParam, CString& text) override;
    void EmitVtblEventParam(const CMapperCall& call, int arg, FILE* file) override;
    void GetVtblEventArgExpr(int arg, CString& text) override;
};

class CFiletimeTypeMapper : public CFlaggedTypeMapper {
public:
    explicit CFiletimeTypeMapper(bool byRef)
        : CFlaggedTypeMapper(byRef, "java.util.Date", "jobject", "Ljava/util/Date;", "Ljava_util_Date_2", nullptr, "FILETIME") {}
    bool WritesRawDefault() override { return true; }
    void EmitInvokeArgument(const CMapperCall& call, int arg, int variantIndex, bool outOnly, const char* javaExpr, bool returnsValue,
                            const VARIANT* defaultValue, FILE* file) override;
    void EmitInvokeOutCopy(const CMapperCall& call, int arg, int variantIndex, int reserved, FILE* file) override;
    void EmitInvokeReturn(FILE* file) override;
    void EmitVtblArgumentSetup(const CMapperCall& call, int arg, bool outOnly, const char* javaExpr, FILE* file, bool returnsValue) override;
    void GetVtblArgumentExpr(int arg, int reserved, CString& text) override;
    void EmitVtblOutCopy(const CMapperCall& call, int arg, int reserved, FILE* file) override;
    void EmitVtblReturnDecl(const CMapperCall& call, FILE* file) override;
    void GetVtblReturnPointer(FILE* file) override;
    void EmitVtblReturn(FILE* file) override;
    void EmitEventParam(const CMapperCall& call, int eventParam, FILE* file) override;
    void GetEventArgExpr(int eventParam, CString& text) override;
    void EmitVtblEventParam(const CMapperCall& call, int arg, FILE* file) override;
    void GetVtblEventArgExpr(int arg, CString& text) override;
};

class CColorTypeMapper : public CFlaggedTypeMapper {
public:
    explicit CColorTypeMapper(bool byRef)
        : CFlaggedTypeMapper(byRef, "java.awt.Color", "jobject", "Ljava/awt/Color;", "Ljava_awt_Color_2", nullptr, "COLORREF") {}
    // The mapper checks for null itself: an out-only colour is not read.
    bool SkipsNullCheck() override { return true; }
    bool WritesRawDefault() override { return true; }
    void EmitInvokeArgument(const CMapperCall& call, int arg, int variantIndex, bool outOnly, const char* javaExpr, bool returnsValue,
                            const VARIANT* defaultValue, FILE* file) override;
    void EmitInvokeOutCopy(const CMapperCall& call, int arg, int variantIndex, int reserved, FILE* file) override;
    void EmitInvokeReturn(FILE* file) override;
    void EmitVtblArgumentSetup(const CMapperCall& call, int arg, bool outOnly, const char* javaExpr, FILE* file, bool returnsValue) override;
    void GetVtblArgumentExpr(int arg, int reserved, CString& text) override;
    void EmitVtblOutCopy(const CMapperCall& call, int arg, int reserved, FILE* file) override;
    void EmitVtblReturnDecl(const CMapperCall& call, FILE* file) override;
    void GetVtblReturnPointer(FILE* file) override;
    void EmitVtblReturn(FILE* file) override;
    void EmitEventParam(const CMapperCall& call, int eventParam, FILE* file) override;
    void GetEventArgExpr(int eventParam, CString& text) override;
    void EmitEventCleanup(int eventParam, FILE* file) override;
    void EmitVtblEventParam(const CMapperCall& call, int arg, FILE* file) override;
    void GetVtblEventArgExpr(int arg, CString& text) override;
    void EmitVtblEventCleanup(int arg, FILE* file) override;
};

// IUnknown and IDispatch without a known class: brivel.TavoObject. The
// Invoke family knows by value and by reference, the virtual-call family
// levels 0 to 2.
//
// Interface pointers and references: the runtime's converters to Java take
// their own reference, so a wrapper releases what it received from the
// callee; an in/out pointer handed to the callee carries a reference of its
// own, since the callee may release it and store another.
class CObjectTypeMapper : public CShapeTypeMapper {
public:
    // The IDispatch::Invoke path (an IUnknown apart: by reference its
    // VARIANT must say VT_UNKNOWN), and the virtual-table path.
    enum Family { kInvoke, kInvokeUnknown, kVtbl };
    // `job`: the job whose interface map the conversions name (its row
    // count); none names an empty map.
    CObjectTypeMapper(IJobView* job, Family family, int level) : m_job(job), m_family(family), m_level(level) {}
    void GetJavaType(CString& text) override { text = "brivel.TavoObject"; }
    void GetJniType(CString& text) override { text = "jobject"; }
    void GetJniSignature(bool mangled, CString& text) override;
    int GetCategory() override { return 2; }
    const char* GetVtName() override { return "VT_UNKNOWN"; }
    const char* GetHelperKindWord() override { return "Comobj"; }
    void GetVtblParamType(CString& text) override {
        text = m_level == 0 ? "IDispatch *" : m_level == 1 ? "IDispatch **" : "IDispatch ***";
    }
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
    void GetVtblEventArgExpr(int arg, CString& text) override;
    bool IsByRefEventParam() override { return m_level > 0; }
    // Either interface (VT_DISPATCH reads as VT_UNKNOWN).
    CString GetEventArgumentVt() override { return IsByRef() ? "VT_BYREF | VT_UNKNOWN" : "VT_UNKNOWN"; }
    void EmitEventArrayCreate(int eventParam, FILE* file) override;
    void EmitEventArrayFillFromVtbl(const CMapperCall& call, int arg, FILE* file) override;
    void EmitEventArrayFillFromVariant(const CMapperCall& call, int eventParam, FILE* file) override;
    void EmitEventArrayPublish(int eventParam, FILE* file) override;
    void EmitEventArrayReload(int eventParam, FILE* file) override;
    void EmitEventArrayCopyToVtbl(const CMapperCall& call, int arg, FILE* file) override;
    void EmitEventArrayCopyToVariant(const CMapperCall& call, int eventParam, FILE* file) override;
    void EmitEventArrayRelease(int, FILE*) override {}
    Family GetFamily() const { return m_family; }
    int GetLevel() const { return m_level; }
    bool IsByRef() const { return m_level > 0; }

protected:
    bool EventArrayHoldsObject() override { return true; }

private:
    int RowCount() const;
    // The local idisp__<arg> with the Java argument's pointer (or none).
    void WriteVtblLocal(const CMapperCall& call, int arg, bool outOnly, const char* javaExpr, FILE* file, bool returnsValue);

    IJobView* m_job;
    Family m_family;
    int m_level;
};

// A type named by the job: its Java class lives in the job's package.
class CNamedTypeMapper : public CShapeTypeMapper {
public:
    CNamedTypeMapper(IJobView* job, const char* javaName, int level)
        : m_job(job), m_javaName(javaName), m_level(level) {}
    void GetJavaType(CString& text) override;
    void GetJniType(CString& text) override { text = "jobject"; }
    void GetJniSignature(bool mangled, CString& text) override;
    virtual CString GetJavaPackage();
    virtual CString GetPackagePath();
    virtual CString GetMangledPackage();
    const CString& GetJavaName() const { return m_javaName; }
    int GetLevel() const { return m_level; }

protected:
    // "<package path>/<Java name>", the class the runtime makes.
    CString ClassPath();

    IJobView* m_job;
    CString m_javaName;
    int m_level;
};

#define BRIVEL_NAMED_MAPPER_FRAGMENTS                                                                      \
    void EmitInvokeArgument(const CMapperCall& call, int arg, int variantIndex, bool outOnly, const char* javaExpr, bool returnsValue, \
                            const VARIANT* defaultValue, FILE* file) override;                               \
    void EmitInvokeOutCopy(const CMapperCall& call, int arg, int variantIndex, int reserved, FILE* file) override;                     \
    void EmitInvokeReturn(FILE* file) override;                                                               \
    void EmitVtblArgumentSetup(const CMapperCall& call, int arg, bool outOnly, const char* javaExpr, FILE* file, bool returnsValue)    \
        override;                                                                                             \
    void GetVtblArgumentExpr(int arg, int reserved, CString& text) override;                                  \
    void EmitVtblOutCopy(const CMapperCall& call, int arg, int reserved, FILE* file) override;                                         \
    void EmitVtblReturnDecl(const CMapperCall& call, FILE* file) override;                                                             \
    void GetVtblReturnPointer(FILE* file) override;                                                           \
    void EmitVtblReturn(FILE* file) override;                                                                 \
    void EmitEventParam(const CMapperCall& call, int eventParam, FILE* file) override;                        \
    void GetEventArgExpr(int eventParam, CString& text) override;                                             \
    void EmitEventCleanup(int eventParam, FILE* file) override;                                               \
    void EmitVtblEventParam(const CMapperCall& call, int arg, FILE* file) override;                           \
    void GetVtblEventArgExpr(int arg, CString& text) override;

class CEnumTypeMapper : public CNamedTypeMapper {
public:
    using CNamedTypeMapper::CNamedTypeMapper;
    int GetCategory() override { return 3; }
    const char* GetVtName() override { return "VT_INT"; }
    CString GetEventArgumentVt() override { return m_level > 0 ? "VT_BYREF | VT_I4" : "VT_I4"; }
    const char* GetHelperKindWord() override { return "Enum"; }
    bool SkipsNullCheck() override { return true; }
    void GetVtblParamType(CString& text) override { text = m_level > 0 ? "int *" : "int"; }
    BRIVEL_NAMED_MAPPER_FRAGMENTS
};

// Interfaces and coclasses of a library. Pointers handed back by the callee
// are released after their conversion (which takes its own reference); an
// in/out pointer carries a reference of its own into the call.
class CDispatchTypeMapper : public CNamedTypeMapper {
public:
    using CNamedTypeMapper::CNamedTypeMapper;
    int GetCategory() override { return 2; }
    const char* GetVtName() override { return "VT_UNKNOWN"; }
    const char* GetHelperKindWord() override { return "Comobj"; }
    void GetVtblParamType(CString& text) override { text = m_level > 0 ? "IDispatch **" : "IDispatch *"; }
    // Either interface (VT_DISPATCH reads as VT_UNKNOWN).
    CString GetEventArgumentVt() override { return m_level > 0 ? "VT_BYREF | VT_UNKNOWN" : "VT_UNKNOWN"; }
    BRIVEL_NAMED_MAPPER_FRAGMENTS
    void EmitInvokeCleanup(int arg, int variantIndex, FILE* file) override;
    void EmitVtblCleanup(int arg, const char* javaExpr, FILE* file) override;
    // Marks a type whose objects hold a pointer that is not an IDispatch (a
    // coclass, an interface derived from IUnknown alone).
    void SetPointerNeedsQuery() { m_pointerNeedsQuery = true; }
    // Marks a type whose objects hold a pointer that is not the interface a
    // virtual-table callee expects (a coclass object holds its IUnknown, the
    // callee its default interface): the argument is queried for `iidName`
    // ("IID_ITavoILedger").
    void SetVtblQueryIid(const CString& iidName) { m_vtblQueryIid = iidName; }

protected:
    // Whether an Invoke argument queries the object's IDispatch.
    bool QueriesDispatch();
    bool m_pointerNeedsQuery = false;
    CString m_vtblQueryIid;
    // The call that answers the field ID of the Java object's interface
    // pointer: a callback interface's Java class is its listener, whose
    // sink (in its event field) is the interface's object.
    virtual const char* ComFieldIdCall();
};
#undef BRIVEL_NAMED_MAPPER_FRAGMENTS

// An interface of one of the two libraries whose Java classes are
// pre-generated: its package is that library's package.
class CKnownInterfaceTypeMapper : public CDispatchTypeMapper {
public:
    CKnownInterfaceTypeMapper(IJobView* job, const char* libraryShortName, const char* interfaceName, int level);
    CString GetJavaPackage() override { return m_package; }
    CString GetPackagePath() override { return m_packagePath; }
    CString GetMangledPackage() override { return m_mangledPackage; }

protected:
    // The other library's interfaces are never this job's callbacks.
    const char* ComFieldIdCall() override { return "brivelGetComId()"; }

private:
    CString m_package, m_packagePath, m_mangledPackage;
};

// The SAFEARRAY mappers, on which the record-array mapper builds.
#include "ArrayTypeMappers.h"

// The IDispatch argument of an Invoke call from a Java object's COM pointer
// (read through the field ID that `comFieldIdCall` answers): by value, or
// by reference through a temporary that holds its own reference (none read
// for an out-only argument).
// With `queryDispatch` the pointer is taken for an IUnknown: the callee
// gets the object's IDispatch (VT_UNKNOWN where it has none), held with a
// reference of the local's own that the cleanup releases.
void EmitDispatchInvokeArgument(bool byRef, int arg, int variantIndex, bool outOnly, const char* javaExpr, FILE* file,
                                const char* comFieldIdCall = "brivelGetComId()", bool queryDispatch = false);
