// One Java-to-COM generation run: loads a type library and every library it
// references, collects its coclasses, interfaces, enumerations, records and
// aliases into tables, names them for Java, marks event and callback
// interfaces, and drives the writers of the bridge.
#pragma once

#include "BrowserLauncher.h"
#include "BrvString.h"
#include "BuildTools.h"
#include "GeneratorTypes.h"
#include "JobView.h"
#include "StringMap.h"
#include "mappers/TypeMapper.h"

#include <windows.h>
#include <oaidl.h>

#include <cstdio>
#include <ctime>
#include <functional>
#include <memory>
#include <vector>

using brivel::CMapStringToPtr;
using brivel::CMapStringToString;
using brivel::StringKeyedMap;

// A set of names (the value is unused).
using CNameSet = StringKeyedMap<int>;

class CFixedArrayTypeMapper;

class CBridgeGenerator : public IJobView {
public:
    CBridgeGenerator();
    ~CBridgeGenerator() override;

    // Locate the C++ compiler's environment script and the JDK home.
    virtual CString FindVcvars32Bat();
    virtual CString FindJdkHome();
    // Every failure and warning of a run reaches the user through this.
    virtual void ReportMessage(const char* a, const char* b) = 0;

    void SetOptions(const char* typeLibraryPath, const char* outputFolder, const char* javaPackage,
                    const char* libraryPath);
    void AddCallbackInterface(const char* name);
    // Forgets every registered callback interface (a new run's list follows).
    void ClearCallbackInterfaces() { m_callbackTable.RemoveAll(); }
    bool IsCallbackInterface(const char* name) override;

    bool Generate();
    void FinishJob(bool succeeded);

    bool LoadTypeLibrary();
    void CheckCallbackInterfaces();

    // Named-type lookup for selection and the writers (interfaces and
    // coclasses by their identifier).
    CRecordEntry* LookupRecord(const char* name) override;
    CEnumEntry* LookupEnum(const char* name) override;
    CInterfaceEntry* FindInterfaceRecord(REFGUID iid) override;
    CCoclassEntry* FindCoclassRecord(REFGUID clsid) override;

    // Known libraries (ADO and MSXML) and their settings.
    bool IsKnownLibrary(const char* libraryName, CString& package, CString& mangledPackage, CString& packagePath);
    void GetAdoSettings(CString& package, CString& library, CString& jar, CString& docFolder) const;
    void SetAdoSettings(const char* package, const char* library, const char* jar, const char* docFolder);
    void GetXmlSettings(CString& package, CString& library, CString& jar, CString& docFolder) const;
    void SetXmlSettings(const char* package, const char* library, const char* jar, const char* docFolder);
    static void PresetAdo(CString& package, CString& library, CString& jar, CString& docFolder);
    static void PresetXml(CString& package, CString& library, CString& jar, CString& docFolder);
    bool IsAdoPreset() const;
    bool IsXmlPreset() const;
    const CKnownLibrarySettings& AdoSettings() const override { return m_ado; }
    const CKnownLibrarySettings& XmlSettings() const override { return m_xml; }

    // The values the build files are written from: the JDK, its tools, the
    // C++ environment script and the folders (tests hand in their own).
    virtual void DiscoverBuildTools(CBuildDiscovery& found);
    // The command files, MakeDLL, readme.html and the remote-client folder;
    // then overview.html. False only when a page cannot be created.
    bool WriteBuildFiles();
    bool WriteJavadocOverview();
    void SetRemoteAccess(bool on) { m_remoteAccess = on; }
    bool IsRemoteAccess() const { return m_remoteAccess; }
    // Generated default constructors create their objects with server-only
    // options (some servers start only that way).
    void SetServerOnlyCreation(bool on) { m_serverOnlyCreation = on; }
    bool IsServerOnlyCreation() const { return m_serverOnlyCreation; }
    // The dual-interface preference: 0 calls dual interfaces through
    // IDispatch, 1 through their virtual tables.
    // Generated coclasses get constructors that create their objects on
    // another machine (DCOM).
    void SetRemoteConstructors(bool on) { m_remoteConstructors = on; }
    bool IsRemoteConstructors() const { return m_remoteConstructors; }
    void SetDualInterfacePreference(int model) { m_dualInterfacePreference = model; }
    int DualInterfacePreference() const { return m_dualInterfacePreference; }
    const CString& ReadmePath() const { return m_readmePath; }
    bool IsDllStepAvailable() const { return m_dllStepAvailable; }
    bool IsDllCommandFileWritten() const { return m_dllCommandFileWritten; }
    // The library passes a VARIANT** somewhere: through IDispatch it goes
    // as a VARIANT by reference, which some servers refuse ("Bad Data
    // Type"), so the build page suggests the virtual-table model.
    bool UsesVariantPointerPointer() const { return m_usesVariantPointerPointer; }
    void NoteVariantPointerPointer() override { m_usesVariantPointerPointer = true; }

    // The Java classes of every type and their natives in the JNI file.
    bool WriteJavaClasses();
    bool WriteCoclassClass(CCoclassEntry* coclass);
    bool WriteInterfaceClass(CInterfaceEntry* entry);
    bool WriteEnumClass(CEnumEntry* entry);
    bool WriteRecordClass(CRecordEntry* record);
    void WriteRemoteEventAdd(CCoclassEntry* coclass);
    void WriteConstructors(CCoclassEntry* coclass, FILE* javaFile, FILE* remoteFile,
                           const std::vector<CInterfaceEntry*>& interfaces);
    void WriteRemoteCreation(CCoclassEntry* coclass, const std::vector<CInterfaceEntry*>& interfaces);
    // The abstract listener class of an event or callback interface and,
    // with a JNI file, its sink.
    void WriteEventListener(CInterfaceEntry* entry, const CString& listenerName, ITypeInfo* info);
    void WriteEventSink(CInterfaceEntry* entry, const CString& listenerName, size_t count, void* records);
    void WriteLoadLibraryLines(FILE* java);
    // "<Name>", or "<Name>_Listener" when the interface is also implemented.
    CString ListenerClassName(CInterfaceEntry* entry);

    // Numbers of the virtual-call thunks: consecutive for the generator
    // object's life, from 1.
    int NextThunkNumber() { return m_thunkCounter++; }

    // The browser that opens help pages, readme files and the build
    // service's redirects: looked up once per run (the main dialog, derived
    // from the job, is what every page and build client reaches).
    CString GetBrowserPath() { return m_browser.GetBrowserPath(); }

    // The clock that dates generated files (tests set a fixed one).
    void SetClock(std::function<time_t()> clock) { m_clock = std::move(clock); }
    time_t Now() const { return m_clock ? m_clock() : time(nullptr); }

    // The head of the JNI C++ file, up to the natives; false when the file
    // cannot be created.
    bool WriteJniPrologue();
    // The refresh of one class identifier from its ProgID in DllMain.
    void WriteCreateFromProgId(bool& clsidDeclared, REFCLSID clsid, const char* javaName);

    // A Java name unique against the job's names (and a local set when given).
    void MakeUniqueJavaName(CString& out, const char* name, CNameSet* localSet);

    // Java source files in the package folder, with their header.
    FILE* OpenJavaFile(const char* className);
    // With the remote-access option: the class's copy in the remote-client
    // folder (asJavaClass), or a file of that folder by its name; else null.
    FILE* OpenRemoteClientJavaFile(const char* name, bool asJavaClass);

    // The tables and what a run has read.
    std::vector<CCoclassEntry*>& CoclassList() { return m_coclassList; }
    CMapStringToPtr<CInterfaceEntry>& InterfaceTable() { return m_interfaceTable; }
    CMapStringToPtr<CCoclassEntry>& CoclassTable() { return m_coclassTable; }
    CMapStringToPtr<CEnumEntry>& EnumTable() { return m_enumTable; }
    CMapStringToPtr<CRecordEntry>& RecordTable() { return m_recordTable; }
    CMapStringToString& RecordRenameTable() override { return m_recordRenames; }
    CMapStringToPtr<CRecordEntry>& RecordAliasTable() { return m_recordAliases; }
    CMapStringToString& EnumRenameTable() override { return m_enumRenames; }
    CMapStringToPtr<CEnumEntry>& EnumAliasTable() { return m_enumAliases; }
    CMapStringToPtr<CTypeMapper>& AliasMapperTable() override { return m_aliasMappers; }
    StringKeyedMap<int>& ControlTable() { return m_controlTable; }
    const std::vector<ITypeLib*>& ReferencedLibraries() const { return m_libraries; }
    ITypeLib* CurrentLibrary() const { return m_currentLibrary; }

    const CString& JniLibraryName() const { return m_jniLibraryName; }
    const CString& LibraryName() const { return m_libraryName; }
    const CString& LibraryDocumentation() const { return m_libraryDoc; }
    const CString& JniPackage() const override { return m_jniPackage; }
    const CString& SlashPackage() const override { return m_slashPackage; }
    const CString& FolderPackage() const { return m_folderPackage; }
    const CString& TypeLibraryPath() const { return m_typeLibraryPath; }
    const CString& OutputFolder() const { return m_outputFolder; }
    const CString& JavaPackage() const override { return m_javaPackage; }
    const CString& LibraryPath() const { return m_libraryPath; }
    bool IsFreeThreaded() const { return m_freeThreaded; }
    bool HasControls() const { return m_hasControls; }
    int InitType() const { return m_initType; }
    // Row counts of the interface map and the record map of the JNI file,
    // known once its head is written.
    int IidMapRowCount() const override { return m_iidMapRowCount; }
    void SetIidMapRowCount(int count) { m_iidMapRowCount = count; }
    int RecordMapRowCount() const { return m_recordMapRowCount; }
    void SetRecordMapRowCount(int count) { m_recordMapRowCount = count; }
    FILE* JniFile() const { return m_jniFile; }
    void SetJniFile(FILE* file) { m_jniFile = file; }

    // What mappers and selection use of the job (JobView.h): the owner of
    // the run's mappers that no entry owns, the generic object mappers, the
    // fixed-array mappers and the known-interface mappers of the run.
    CTypeMapper* OwnMapper(CTypeMapper* mapper) override { m_ownedMappers.emplace_back(mapper); return mapper; }
    CTypeMapper* InvokeObjectMapper(bool byRef, VARTYPE vt) override;
    CTypeMapper* VtblObjectMapper(int level) override;
    CFixedArrayTypeMapper* FixedArrayMapper(CTypeMapper* element, int count) override;
    // The fixed-array mappers in the order they were made.
    const std::vector<CFixedArrayTypeMapper*>& FixedArrayMappers() const { return m_fixedArrays; }
    CTypeMapper*& KnownInterfaceMapper(int row, int level) override { return m_knownMappers[row][level]; }

private:
    // The steps of WriteJniPrologue.
    void WriteJniFileHead(FILE* f, const CString& path);
    void WriteLibraryGuids(FILE* f);
    void WriteInterfaceMap(FILE* f);
    // The records the JNI file describes, each once, in table order.
    std::vector<CRecordEntry*> WrittenRecords();
    void WriteRecordTables(FILE* f, std::vector<CRecordEntry*>& records);
    void WriteFixedArrayMap(FILE* f);
    void WriteDllMain(FILE* f, const std::vector<CRecordEntry*>& records);

    // The steps of WriteBuildFiles.
    struct CBuildFileNames;
    struct CBuildFilesWritten;
    FILE* OpenBuildFile(const CString& path);
    void WriteJdkCommandFiles(const CBuildFileNames& names, CBuildFilesWritten& written);
    void WriteDllCommandFile(const CBuildFileNames& names, CBuildFilesWritten& written);
    bool WriteReadme(const CBuildFileNames& names, const CBuildFilesWritten& written, const CString& readme,
                     const CString& title, bool isSample);
    void WriteRemoteClientBuildFiles(const CBuildFileNames& names, const CString& title);

    // Steps of Generate after loading: the writers of the JNI file, the Java
    // classes and the build files. Each reports its own failures.

    void ResetRun();
    void InitInterfaceMappers();
    void BuildPackageForms();
    // The first part of the Java package: no generated class may take it as
    // its name, or the package's qualified names would name that class.
    CString PackageHead() const;
    void WalkReferencedLibraries(size_t index);
    void VisitTypeDesc(ITypeInfo* info, const TYPEDESC& desc);
    void AddLibraryOfType(ITypeInfo* info, HREFTYPE ref);
    void RemoveSkippedLibraries();
    void CollectType(ITypeInfo* info, TYPEATTR* attr, int index, CNameSet& namesTaken);
    void AddAlias(ITypeInfo* info, int index, TYPEATTR* attr, CNameSet& namesTaken);
    void MarkSourceInterfaces();
    bool IsFreeThreadingCoclass(REFCLSID clsid);
    bool IsControlObject(REFCLSID clsid);
    void LinkCoclassInterfaces(CCoclassEntry* coclass, CInterfaceEntry* entry);
    void LinkEventInterfaceToCoclass(CCoclassEntry* coclass, CInterfaceEntry* entry);
    void ReadAllRecordDescriptions();
    void ResolveAliases();

    CInterfaceEntry* AddInterfaceRecord(ITypeInfo* info, TYPEATTR* attr, CNameSet& namesTaken);
    CCoclassEntry* AddCoclassRecord(ITypeInfo* info, TYPEATTR* attr, int index, bool isControl, CNameSet& namesTaken);
    CEnumEntry* AddEnumRecord(ITypeInfo* info, TYPEATTR* attr, int index, CNameSet& namesTaken);
    CRecordEntry* AddRecordRecord(ITypeInfo* info, TYPEATTR* attr, int index, CNameSet& namesTaken);
    void ReadRecordDescription(ITypeInfo* info, CRecordEntry* record);
    // Keeps a reference on the library of an entry for the run.
    void KeepLibrary(ITypeLib* lib);

    std::vector<CCoclassEntry*> m_coclassList;
    CMapStringToPtr<CInterfaceEntry> m_interfaceTable;
    CMapStringToPtr<CCoclassEntry> m_coclassTable;
    CMapStringToPtr<CEnumEntry> m_enumTable;
    CMapStringToPtr<CRecordEntry> m_recordTable;
    CMapStringToString m_recordRenames;
    CMapStringToPtr<CRecordEntry> m_recordAliases;
    CMapStringToString m_enumRenames;
    CMapStringToPtr<CEnumEntry> m_enumAliases;
    // Library name to Java name of the enumerations and records whose two differ.
    CMapStringToString m_enumTypeLibNames;
    CMapStringToString m_recordTypeLibNames;
    StringKeyedMap<int> m_callbackTable;
    CString m_jniLibraryName;
    CString m_libraryName;
    CString m_libraryDoc;
    CString m_jniPackage;
    CString m_slashPackage;
    FILE* m_jniFile = nullptr;
    CString m_typeLibraryPath;
    CString m_outputFolder;
    CString m_javaPackage;
    CString m_libraryPath;
    CString m_folderPackage;
    bool m_freeThreaded = false;
    CKnownLibrarySettings m_ado;
    CKnownLibrarySettings m_xml;
    std::vector<ITypeLib*> m_libraries;
    std::vector<ITypeLib*> m_keptLibraries;  // libraries of entries that the list dropped
    bool m_hasControls = false;
    StringKeyedMap<int> m_controlTable;
    CMapStringToPtr<CTypeMapper> m_aliasMappers;
    ITypeLib* m_currentLibrary = nullptr;
    int m_initType = 1;
    int m_iidMapRowCount = 0;
    int m_thunkCounter = 1;
    bool m_paramIndexWritten = false;
    bool m_buildFiles = true;
    bool m_remoteAccess = false;
    bool m_serverOnlyCreation = false;
    int m_dualInterfacePreference = 0;
    bool m_remoteConstructors = false;
    int m_remoteIidLists = 0;  // remote IID lists written by this run
    CString m_readmePath;
    bool m_dllStepAvailable = false;
    bool m_dllCommandFileWritten = false;
    bool m_usesVariantPointerPointer = false;
    std::function<time_t()> m_clock;
    CBrowserLauncher m_browser;
    int m_recordMapRowCount = 0;
    CNameSet m_javaNames;
    CTypeMapper* m_knownMappers[127][3] = {};  // lower-cased names taken by MakeUniqueJavaName

    // Owners of the run's entries and mappers.
    std::vector<std::unique_ptr<CCoclassEntry>> m_coclasses;
    std::vector<std::unique_ptr<CInterfaceEntry>> m_interfaces;
    std::vector<std::unique_ptr<CEnumEntry>> m_enums;
    std::vector<std::unique_ptr<CRecordEntry>> m_records;
    std::vector<std::unique_ptr<CTypeMapper>> m_ownedMappers;
    std::vector<CFixedArrayTypeMapper*> m_fixedArrays;  // owned by m_ownedMappers
    // The job's generic object mappers: Invoke by value, by reference, an
    // IUnknown by reference; virtual-call levels 0, 1 and 2.
    std::unique_ptr<CTypeMapper> m_objectMappers[6];
};
