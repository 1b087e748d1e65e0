// What the type mappers and their selection use of a generation job: the
// forms of the Java package that name generated classes, the tables that
// named types are looked up in, and the mappers the job owns or keeps one of
// per run. The job (CBridgeGenerator) implements it; mappers/ and the
// selection include this header, never the job's, so that they depend on
// these operations alone (docs/generator.md, "Layers").
#pragma once

#include "BrvString.h"
#include "GeneratorTypes.h"
#include "StringMap.h"

#include <windows.h>
#include <oaidl.h>

class CFixedArrayTypeMapper;
class CTypeMapper;

class IJobView {
public:
    virtual ~IJobView() = default;

    // The Java package: dotted ("test.texts"), slashed ("test/texts") and
    // JNI-mangled ("test_texts"); empty for the default package.
    virtual const CString& JavaPackage() const = 0;
    virtual const CString& SlashPackage() const = 0;
    virtual const CString& JniPackage() const = 0;
    // The settings of the known libraries (ADO and MSXML), whose packages
    // name their pre-generated classes.
    virtual const CKnownLibrarySettings& AdoSettings() const = 0;
    virtual const CKnownLibrarySettings& XmlSettings() const = 0;
    virtual bool IsCallbackInterface(const char* name) = 0;
    // Row count of the interface map of the JNI file, known once its head
    // is written.
    virtual int IidMapRowCount() const = 0;

    // Named types: records and enumerations by their Java names,
    // interfaces and coclasses by their identifiers; the renames of records
    // and enumerations (library name to Java name) and the mappers of
    // aliases by their names.
    virtual CRecordEntry* LookupRecord(const char* name) = 0;
    virtual CEnumEntry* LookupEnum(const char* name) = 0;
    virtual CInterfaceEntry* FindInterfaceRecord(REFGUID iid) = 0;
    virtual CCoclassEntry* FindCoclassRecord(REFGUID clsid) = 0;
    virtual brivel::CMapStringToString& RecordRenameTable() = 0;
    virtual brivel::CMapStringToString& EnumRenameTable() = 0;
    virtual brivel::CMapStringToPtr<CTypeMapper>& AliasMapperTable() = 0;

    // Owner of mappers made for the run that no entry owns (alias targets).
    virtual CTypeMapper* OwnMapper(CTypeMapper* mapper) = 0;
    // The generic IUnknown/IDispatch mappers of this job, which name its
    // interface map: on the Invoke path by value and by reference (an
    // IUnknown by reference has its own, vt VT_UNKNOWN), on the virtual-call
    // path per indirection level 0 to 2.
    virtual CTypeMapper* InvokeObjectMapper(bool byRef, VARTYPE vt) = 0;
    virtual CTypeMapper* VtblObjectMapper(int level) = 0;
    // The run's fixed-array mapper for (element mapper, element count), made
    // on first request; the JNI file's table lists them in that order.
    virtual CFixedArrayTypeMapper* FixedArrayMapper(CTypeMapper* element, int count) = 0;
    // The run's cached mapper of a known-interface row at level 0, 1 or 2.
    virtual CTypeMapper*& KnownInterfaceMapper(int row, int level) = 0;
    // The library passes a VARIANT** somewhere (the build page then
    // suggests the virtual-table model).
    virtual void NoteVariantPointerPointer() = 0;
};
