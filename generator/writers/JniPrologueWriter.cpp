// The head of the JNI C++ file of a bridge: includes, compatibility macros,
// the runtime's declarations, the identifiers of the library's types, the
// interface and record maps, and DllMain, which hands the maps to the
// runtime and refreshes class identifiers from their ProgIDs.
#include "BridgeGenerator.h"
#include "GeneratorHelpers.h"
#include "NamingHelpers.h"
#include "mappers/RecordTypeMappers.h"
#include "mappers/ShapeTypeMappers.h"
#include "TypeMapperSelection.h"

#include <objbase.h>

#include <algorithm>
#include <cstring>
#include <map>
#include <vector>

namespace {

const char* const kExternalDeclarations[] = {
    "extern \"C\" __declspec(dllimport) int brivelInitDLL18( int initType );\n",
    "extern \"C\" __declspec(dllimport) void brivelInitThread( JNIEnv * env );\n",
    "extern \"C\" __declspec(dllimport) jfieldID brivelGetComId();\n",
    "extern \"C\" __declspec(dllimport) jfieldID brivelGetEventId();\n",
    "extern \"C\" __declspec(dllimport) JNIEnv * brivelGetJniEnv();\n",
    "extern \"C\" __declspec(dllimport) jmethodID brivelGetComCtorId();\n",
    "extern \"C\" __declspec(dllimport) jclass brivelGetComBaseClass();\n",
    "extern \"C\" __declspec(dllimport) jfieldID brivelGetVariantData();\n",
    "extern \"C\" __declspec(dllimport) jmethodID brivelGetVariantCtorId();\n",
    "extern \"C\" __declspec(dllimport) jclass brivelGetComVariantClass();\n",
    "extern \"C\" __declspec(dllimport) BSTR brivelJstringToBstr( JNIEnv * env, jstring jstr );\n",
    "extern \"C\" __declspec(dllimport) jstring brivelBstrToJstr( JNIEnv * env, BSTR bstring );\n",
    "extern \"C\" __declspec(dllimport) void brivelJstringToGuid( JNIEnv * env, jstring jstr, GUID & guid );\n",
    "extern \"C\" __declspec(dllimport) jstring brivelGuidToJstr( JNIEnv * env, GUID & guid );\n",
    "extern \"C\" __declspec(dllimport) HRESULT brivelCreateInstance( JNIEnv * env, const CLSID * clsid, IUnknown ** pUnk );\n",
    "extern \"C\" __declspec(dllimport) HRESULT brivelCreateInstanceRemote( JNIEnv * env, const CLSID * clsid, LPCWSTR remoteName, LPCWSTR remoteUser, LPCWSTR remotePwd, LPCWSTR remoteDomain, int count, jobjectArray objList, const IID ** remoteIidList );\n",
    "extern \"C\" __declspec(dllimport) HRESULT brivelInvokeHelper( JNIEnv * env, IDispatch * pDisp, DISPID dispid, DISPPARAMS * params, WORD wFlags, EXCEPINFO * excepInfo, unsigned int * argErr, VARIANT * ret );\n",
    "extern \"C\" __declspec(dllimport) HRESULT brivelQueryInterface( JNIEnv * env, IUnknown * pUnk, const IID * pIid, void ** result );\n",
    "extern \"C\" __declspec(dllimport) jarray brivelSafeArrayToJArray( JNIEnv * env, SAFEARRAY * sa, VARTYPE vt );\n",
    "extern \"C\" __declspec(dllimport) SAFEARRAY * brivelJArrayToSafeArray( JNIEnv * env, jarray ja, VARTYPE vt );\n",
    "extern \"C\" __declspec(dllimport) int brivelCopySafeArrayToJarray( JNIEnv * env, SAFEARRAY * sa, jarray ja, VARTYPE vt );\n",
    "extern \"C\" __declspec(dllimport) jclass brivelFindClass( JNIEnv * env, const char * clsname );\n",
    "extern \"C\" __declspec(dllimport) jobject brivelUnknownToJobject( JNIEnv * env, IUnknown * pUnk );\n",
    "extern \"C\" __declspec(dllimport) jobject brivelBestUnknownToJobject( JNIEnv * env, IUnknown * pUnk, void * iidMap, int n );\n",
    "extern \"C\" __declspec(dllimport) jobject brivelIntToEnumeratedObject( JNIEnv * env, int ival, const char * classname );\n",
    "extern \"C\" __declspec(dllimport) jint brivelEnumeratedObjectToInt( JNIEnv * env, jobject obj );\n",
    "extern \"C\" __declspec(dllimport) jobject brivelUnknownToInterfaceObject( JNIEnv * env, IUnknown * pUnk, const char * classname );\n",
    "extern \"C\" __declspec(dllimport) jobject brivelVariantObject( JNIEnv * env, VARIANT * variant );\n",
    "extern \"C\" __declspec(dllimport) VARIANT * brivelGetTavoVariant( JNIEnv * env, jobject obj );\n",
    "extern \"C\" __declspec(dllimport) void brivelThrowComExceptionObject( JNIEnv * env, HRESULT hr, EXCEPINFO * excepInfo );\n",
    "extern \"C\" __declspec(dllimport) void brivelJdateToFiletime( JNIEnv * env, FILETIME * ft, jobject date );\n",
    "extern \"C\" __declspec(dllimport) DATE brivelJdateToDate( JNIEnv * env, jobject date );\n",
    "extern \"C\" __declspec(dllimport) jobject brivelDateToJobject( JNIEnv * env, DATE date );\n",
    "extern \"C\" __declspec(dllimport) jobject brivelFiletimeToJobject( JNIEnv * env, FILETIME * ft );\n",
    "extern \"C\" __declspec(dllimport) void * brivelJObjectToComRecord( JNIEnv * env, jobject obj, void * lisPtr, const GUID * recordGuid, void * rsPtr, int count, bool * err, IRecordInfo ** iri, jfieldID fieldIds[], bool outOnly );\n",
    "extern \"C\" __declspec(dllimport) void brivelCopyComRecordToJObject( JNIEnv * env, void * rec, jobject obj, void * rsPtr, int count, IRecordInfo * iri, jfieldID fieldIds[] );\n",
    "extern \"C\" __declspec(dllimport) void brivelDirectCopyComRecordToJObject( JNIEnv * env, unsigned char * rec, jobject obj, int count, void * rsPtr, jfieldID fieldIds[] );\n",
    "extern \"C\" __declspec(dllimport) void * brivelDirectCopyJObjectToComRecord( JNIEnv * env, jobject obj, unsigned char * rec, int count, void * rsPtr, jfieldID fieldIds[], bool * err );\n",
    "extern \"C\" __declspec(dllimport) void brivelProcessEnumeration( JNIEnv * env, jobject thisObj, jobject receiver, int memid, int funckind );\n",
    "extern \"C\" __declspec(dllimport) void brivelThrowFatalError( JNIEnv * env );\n",
    "extern \"C\" __declspec(dllimport) bool brivelCheckFatalError( JNIEnv * env );\n",
    "extern \"C\" __declspec(dllexport) void brivelInitEventThread( JNIEnv * env );\n",
    "extern \"C\" __declspec(dllimport) HRESULT brivelGetActiveInstance( JNIEnv * env, const CLSID * clsid, IUnknown ** pUnk );\n",
    "extern \"C\" __declspec(dllimport) void * brivelMiscFunc4( void * arg1, void * arg2, void * arg3, void * arg4 );\n",
    "extern \"C\" __declspec(dllimport) HRESULT brivelVtableInvoker( JNIEnv * env, _ThunkFunc thunkFunc, IUnknown * pUnk, ... );\n",
    "extern \"C\" __declspec(dllimport) int brivelRegisterRecordTypes( void * lib, void * map, int count );\n",
    "extern \"C\" __declspec(dllimport) void brivelIidMapTypes( void * map, int count );\n",
    "extern \"C\" __declspec(dllimport) void brivelClearRecordData( JNIEnv * env, void * rec, IRecordInfo * iri );\n",
    "extern \"C\" __declspec(dllimport) jobject brivelComRecordToJobject( JNIEnv * env, void * rec, const char * classname, void * lisPtr, const GUID * recordGuid, void * rsPtr, int count, bool * err, jfieldID fieldIds[], IRecordInfo * iri, bool destroy );\n",
    "extern \"C\" __declspec(dllimport) jobject brivelDirectComRecordToJobject( JNIEnv * env, unsigned char * rec, const char * classname, void * rsPtr, int count, bool * err, jfieldID fieldIds[] );\n",
    "extern \"C\" __declspec(dllimport) SAFEARRAY * brivelJArrayToSafeArrayRecord( JNIEnv * env, jobjectArray ja, void * lisPtr, const GUID * recordGuid, void * rsPtr, int count, bool * err, IRecordInfo ** iri, jfieldID fieldIds[], bool outOnly );\n",
    "extern \"C\" __declspec(dllimport) jobjectArray brivelCopySafeArrayToJArrayRecord( JNIEnv * env, bool allocate, SAFEARRAY * sa, jobjectArray jarray, jclass cls, const char * classname, bool * err, void * rsPtr, int count, jfieldID fieldIds[] );\n",
    "extern \"C\" __declspec(dllimport) jobjectArray brivelSafeArrayToJArrayRecord( JNIEnv * env, SAFEARRAY * sa, bool * err, const char * classname, void * rsPtr, int count, jfieldID fieldIds[] );\n",
    "extern \"C\" __declspec(dllimport) void brivelClearDirectRecord( void * rsPtr, int count, unsigned char * rec );\n",
    "extern \"C\" JNIEXPORT jint JNICALL Java_brivel_TavoObject__1_1TavoAdvise(JNIEnv * env, jobject tgt, jobject listener);\n",
    "extern \"C\" __declspec(dllexport) int OnServerSideEvent( JNIEnv * brivelJniEnv, jobject brvJavaObject, jstring interfaceName, int numArgs, int reply, const char * repType, const char * eventFn,  ... );\n",
    "extern \"C\" __declspec(dllexport) bool CheckServerSideEvents(JNIEnv * brivelJniEnv);\n",
    "extern \"C\" __declspec(dllexport) SAFEARRAY * brivelArrayObjToSafeArray( JNIEnv * env, VARTYPE vt, jobject arrayObj, const char * arraySig );\n",
    "extern \"C\" __declspec(dllexport) void brivelCopySafeArrayToArrayObj( JNIEnv * env, VARTYPE vt, SAFEARRAY * sa, jobject arrayObj, const char * arraySig );\n",
    // Ends with ";" so that the file compiles.
    "extern \"C\" int APIENTRY DllMain(HINSTANCE hInstance, DWORD dwReason, LPVOID lpReserved);\n",
};

void WriteGuidLine(FILE* f, const char* head, REFGUID g) {
    fprintf(f, "%s = { 0x%x, 0x%x, 0x%x, { 0x%x, 0x%x, 0x%x, 0x%x, 0x%x, 0x%x, 0x%x, 0x%x }};\n", head,
            (unsigned)g.Data1, g.Data2, g.Data3, g.Data4[0], g.Data4[1], g.Data4[2], g.Data4[3], g.Data4[4],
            g.Data4[5], g.Data4[6], g.Data4[7]);
}

// The VT_ text of a record field in brivelRecordDetails.
CString FieldVtText(CTypeMapper* mapper) {
    if (mapper->IsFixedSizeArray()) return "VT_CARRAY";
    switch (mapper->GetCategory()) {
    case 2: return "VT_UNKNOWN";
    case 3: return "(VARTYPE) 231";
    case 4:
        // A field that points to a record holds its address, not its bytes.
        if (auto* record = dynamic_cast<CRecordTypeMapper*>(mapper))
            if (record->IsByRef() || record->GetMode() != 0) return "VT_BYREF | VT_RECORD";
        break;
    default: break;
    }
    const char* vt = mapper->GetVtName();
    if (!vt) return "VT_I4";
    if (strcmp(vt, "VT_VARIANT") == 0)
        if (auto* variant = dynamic_cast<CVariantTypeMapper*>(mapper))
            if (variant->IsByRef()) return "VT_BYREF | VT_VARIANT";
    return vt;
}

// The characters of a wide string literal that holds an ANSI name as
// UTF-16: printable ASCII as it is (quote, backslash and "?" escaped), control
// characters as octal escapes, anything else as a universal character name,
// so that every compiler reads the same name whatever it takes the source's
// encoding to be.
CString WideLiteralText(const char* ansi) {
    int length = MultiByteToWideChar(CP_ACP, 0, ansi, -1, nullptr, 0);
    std::vector<WCHAR> wide(static_cast<size_t>(length > 0 ? length : 1), 0);
    MultiByteToWideChar(CP_ACP, 0, ansi, -1, wide.data(), length);
    CString out;
    for (size_t i = 0; i < wide.size() && wide[i]; ++i) {
        unsigned c = wide[i];
        CString escaped;
        if (c == '"' || c == '\\' || c == '?')  // "??" could start a trigraph
            escaped.Format("\\%c", static_cast<char>(c));
        else if (c >= 0x20 && c < 0x7F)
            escaped.Format("%c", static_cast<char>(c));
        else if (c < 0xA0)
            escaped.Format("\\%03o", c);
        else if (c >= 0xD800 && c < 0xDC00 && i + 1 < wide.size() && wide[i + 1] >= 0xDC00 && wide[i + 1] < 0xE000)
            escaped.Format("\\U%08X", 0x10000 + ((c - 0xD800) << 10) + (wide[++i] - 0xDC00u));
        else
            escaped.Format("\\u%04X", c);
        out += escaped;
    }
    return out;
}

// The class name of a field's Java type, with "/" for ".".
CString FieldClassName(CTypeMapper* mapper) {
    CString javaType;
    mapper->GetJavaType(javaType);
    CString out;
    for (int i = 0; i < javaType.GetLength(); ++i) out += javaType.GetAt(i) == '.' ? '/' : javaType.GetAt(i);
    return out;
}

}  // namespace

bool CBridgeGenerator::WriteJniPrologue() {
    CString path = m_outputFolder;
    if (path.IsEmpty() || path.GetAt(path.GetLength() - 1) != '\\') path += "\\";
    path += m_jniLibraryName + ".cpp";
    CreateDirectories(m_outputFolder);
    FILE* f = fopen(path, "w");
    if (!f) return false;
    m_jniFile = f;
    WriteJniFileHead(f, path);
    WriteLibraryGuids(f);
    WriteInterfaceMap(f);
    // The records that are written, in table order, with their row in recordIidMap.
    std::vector<CRecordEntry*> records = WrittenRecords();
    WriteRecordTables(f, records);
    WriteFixedArrayMap(f);
    WriteDllMain(f, records);
    return true;
}

// The file's comment, includes, compatibility macros and the runtime's
// declarations.
void CBridgeGenerator::WriteJniFileHead(FILE* f, const CString& path) {
    time_t now = Now();
    fprintf(f, "// File: %s\n// Generated: %s\n", path.c_str(), ctime(&now));
    fprintf(f, "// This file has been automatically generated\n");
    fprintf(f, "// by Brivel.  It provides the JNI interface for\n");
    fprintf(f, "// the generated Java classes.\n\n");

    fputs("#include <stdio.h>\n#include <windows.h>\n#include <objbase.h>\n#include <ole2.h>\n#include <olectl.h>\n"
          "#include <jni.h>\n#include <malloc.h>\n\n#include <stdarg.h>\n\n", f);
    fputs("#ifdef __GNUC__\n#define V_INT V_I4\n#define V_INTREF V_I4REF\n#define V_RECORDINFO(X) ((X)->pRecInfo)\n"
          "#define V_RECORD(X)     ((X)->pvRecord)\n#undef V_BOOL\n#define V_BOOL(X) V_UNION(X,boolVal)\n"
          "#define V_UINT V_I4\n#define V_UI4 V_I4\n#define V_UINTREF V_I4REF\n#define V_UI4REF V_I4REF\n"
          "#define V_UI2 V_I2\n#define V_UI2REF V_I2REF\n#endif\n\n", f);
    fputs("#ifndef VT_I8\n#define VT_I8 20\n#endif\n\n#ifndef V_I8\n#define V_I8(X) (X)->cyVal.int64\n#endif\n\n"
          "#ifndef V_I8REF\n#define V_I8REF(X) (&((X)->pcyVal->int64))\n#endif\n\n", f);
    fputs("typedef HRESULT  (STDMETHODCALLTYPE *  _VtblFunc)(void *);\n"
          "typedef HRESULT (* _ThunkFunc)(IUnknown * pUnk, va_list ap);\n\n", f);
    fputs("// External declarations\n", f);
    for (const char* line : kExternalDeclarations) fputs(line, f);
    fputs("\n\n", f);
}

// The identifiers of the library and of its coclasses and interfaces, and
// the library's description.
void CBridgeGenerator::WriteLibraryGuids(FILE* f) {
    TLIBATTR* libAttr = nullptr;
    GUID libGuid = {};
    unsigned major = 0, minor = 0;
    if (m_currentLibrary && SUCCEEDED(m_currentLibrary->GetLibAttr(&libAttr))) {
        libGuid = libAttr->guid;
        major = libAttr->wMajorVerNum;
        minor = libAttr->wMinorVerNum;
        m_currentLibrary->ReleaseTLibAttr(libAttr);
    }
    fputs("// Type Library GUID\n", f);
    WriteGuidLine(f, "const GUID IID_LibId", libGuid);
    fputs("// IIDs used in type library\n\n", f);
    for (CCoclassEntry* coclass : m_coclassList)
        WriteGuidLine(f, ("IID IID_ITavo" + coclass->javaName).c_str(), coclass->guid);
    m_interfaceTable.ForEach([&](const CString&, CInterfaceEntry*& entry) {
        WriteGuidLine(f, ("IID IID_ITavo" + entry->javaName).c_str(), entry->guid);
    });
    fputs("const IID IID_BrivelQueryIID = { 0xb14f3c49, 0x0c7b, 0x4439, {0xa2, 0x48, 0x62, 0x29, 0xfe, 0x6d, 0x96, 0x05}};\n", f);
    fprintf(f, "\nstruct {\n\tconst GUID * libGuid;\n\tULONG verMajor;\n\tULONG verMinor;\n} libDescriptionStruct = { &IID_LibId, %d, %d };\n\n",
            major, minor);
}

// The map from interface identifiers to Java classes.
void CBridgeGenerator::WriteInterfaceMap(FILE* f) {
    fputs("struct {\n\tconst IID * iid;\n\tconst char * className;\n} brivelIIDMap[] = {\n", f);
    m_iidMapRowCount = 0;
    m_interfaceTable.ForEach([&](const CString&, CInterfaceEntry*& entry) {
        if (entry->isEvent && !entry->implementedByCoclass) return;
        fprintf(f, "\t{ &IID_ITavo%s, \"%s\" },\n", entry->javaName.c_str(),
                QualifiedName(m_slashPackage, entry->javaName, '/').c_str());
        ++m_iidMapRowCount;
    });
    if (m_iidMapRowCount == 0) fputs("\t{ 0, 0 }\n", f);
    fputs("};\n", f);
}

std::vector<CRecordEntry*> CBridgeGenerator::WrittenRecords() {
    std::vector<CRecordEntry*> records;
    // An alias shares its target's entry: each record is written once.
    m_recordTable.ForEach([&](const CString&, CRecordEntry*& record) {
        if (IsWrittenRecord(record) && std::find(records.begin(), records.end(), record) == records.end())
            records.push_back(record);
    });
    return records;
}

// The records' identifiers, their field rows and the record map.
void CBridgeGenerator::WriteRecordTables(FILE* f, std::vector<CRecordEntry*>& records) {
    for (CRecordEntry* record : records)
        if (!IsAllZeroGuid(record->guid))
            WriteGuidLine(f, ("const IID IID_Record" + record->javaName).c_str(), record->guid);

    fputs("\nstruct {\n\tVARTYPE vt;\n\tint offset;\n\tconst wchar_t * comFieldName;\n\tconst char * javaFieldName;\n"
          "\tconst char * javaSig;\n\tconst char * javaClassName;\n\tvoid * extraData;\n} brivelRecordDetails[] = {\n", f);
    int row = 0;
    for (CRecordEntry* record : records) {
        record->firstDetailRow = row;
        for (CRecordField& field : record->fields) {
            CString signature;
            field.mapper->GetJniSignature(false, signature);
            fprintf(f, "\t{ %s, %d, L\"%s\", \"%s\", \"%s\", \"%s\", ", FieldVtText(field.mapper).c_str(), field.offset,
                    WideLiteralText(field.comName).c_str(), field.javaName.c_str(), signature.c_str(),
                    FieldClassName(field.mapper).c_str());
            fputs("0", f);
            fputs(" },\n", f);
            ++row;
        }
    }
    if (row == 0) fputs("\t{ 0 }\n", f);
    fputs("};\n", f);

    fputs("\nstruct {\n\tconst IID * structIID;\n\tint size;\n\tconst char * className;\n\tvoid * fieldDetailStart;\n"
          "\tint fieldCount;\n} recordIidMap[] = {\n", f);
    for (CRecordEntry* record : records) {
        if (!IsAllZeroGuid(record->guid))
            fprintf(f, "\t{ &IID_Record%s, %d, \"%s\", &brivelRecordDetails[%d], %d },\n", record->javaName.c_str(),
                    record->size, QualifiedName(m_slashPackage, record->javaName, '/').c_str(), record->firstDetailRow,
                    static_cast<int>(record->fields.size()));
        else
            fprintf(f, "\t{ 0, %d, \"%s\", &brivelRecordDetails[%d], %d },\n", record->size,
                    QualifiedName(m_slashPackage, record->javaName, '/').c_str(), record->firstDetailRow,
                    static_cast<int>(record->fields.size()));
    }
    m_recordMapRowCount = static_cast<int>(records.size());
    if (records.empty()) fputs("\t{ 0, 0, 0, 0 }\n", f);
    fputs("};\n", f);
}

// The element types and counts of fixed-size array fields.
void CBridgeGenerator::WriteFixedArrayMap(FILE* f) {
    const std::vector<CFixedArrayTypeMapper*>& fixedArrays = FixedArrayMappers();
    if (!fixedArrays.empty()) {
        fputs("\nstruct {\n\tVARTYPE vt;\n\tint size;\n} cArrayIidMap[] = {\n", f);
        for (CFixedArrayTypeMapper* mapper : fixedArrays) {
            const char* vt = mapper->GetElement()->GetVtName();
            fprintf(f, "\t{ %s, %d },\n", vt ? vt : "VT_I4", mapper->GetCount());
        }
        fputs("};\n", f);
    }
}

// DllMain: hands the maps to the runtime, links record fields to their
// arrays and nested records, and refreshes class identifiers from ProgIDs.
void CBridgeGenerator::WriteDllMain(FILE* f, const std::vector<CRecordEntry*>& records) {
    const std::vector<CFixedArrayTypeMapper*>& fixedArrays = FixedArrayMappers();
    std::map<const CRecordEntry*, int> recordRow;
    for (size_t i = 0; i < records.size(); ++i) recordRow[records[i]] = static_cast<int>(i);
    fputs("\n// DLL initialization/termination\n\n", f);
    fputs("extern \"C\" int APIENTRY DllMain(HINSTANCE hInstance, DWORD dwReason, LPVOID lpReserved)\n{\n", f);
    fputs("\tif ( dwReason == DLL_PROCESS_ATTACH ) {\n", f);
    fprintf(f, "\t\tbrivelInitDLL18( %d );\n", m_initType);
    if (m_iidMapRowCount > 0) fprintf(f, "\t\tbrivelIidMapTypes( brivelIIDMap, %d );\n", m_iidMapRowCount);
    if (!records.empty()) {
        fprintf(f, "\t\tbrivelRegisterRecordTypes( &libDescriptionStruct, recordIidMap, %d );\n",
                static_cast<int>(records.size()));
        for (CRecordEntry* record : records) {
            int fieldRow = record->firstDetailRow;
            for (CRecordField& field : record->fields) {
                if (field.mapper->IsFixedSizeArray()) {
                    for (size_t i = 0; i < fixedArrays.size(); ++i)
                        if (fixedArrays[i] == field.mapper)
                            fprintf(f, "\t\tbrivelRecordDetails[%d].extraData = &cArrayIidMap[%d];\n", fieldRow,
                                    static_cast<int>(i));
                } else if (auto* nested = dynamic_cast<CRecordTypeMapper*>(field.mapper)) {
                    auto target = recordRow.find(nested->GetRecord());
                    if (target != recordRow.end())
                        fprintf(f, "\t\tbrivelRecordDetails[%d].extraData = &recordIidMap[%d];\n", fieldRow,
                                target->second);
                }
                ++fieldRow;
            }
        }
    }
    bool clsidDeclared = false;
    for (CCoclassEntry* coclass : m_coclassList) WriteCreateFromProgId(clsidDeclared, coclass->guid, coclass->javaName);
    m_interfaceTable.ForEach([&](const CString&, CInterfaceEntry*& entry) {
        WriteCreateFromProgId(clsidDeclared, entry->guid, entry->javaName);
    });
    fputs("\t} else if ( dwReason == DLL_THREAD_ATTACH ) {\n\t\tbrivelInitThread( NULL );\n\t}\n\treturn 1;\n}\n\n", f);
    fputs("\n\n// JNI implementations\n\n", f);
}

void CBridgeGenerator::WriteCreateFromProgId(bool& clsidDeclared, REFCLSID clsid, const char* javaName) {
    CString progId;
    if (!RegisteredProgId(clsid, progId)) return;
    if (progId.IsEmpty() || progId.GetAt(0) == '{') return;
    if (!clsidDeclared) {
        fputs("\t\tCLSID clsid;\n", m_jniFile);
        clsidDeclared = true;
    }
    // The version-independent form: ".<digits>" at the end is cut; a final "."
    // without digits goes too.
    int length = progId.GetLength();
    int end = length;
    while (end > 0 && progId.GetAt(end - 1) >= '0' && progId.GetAt(end - 1) <= '9') --end;
    if (end > 1 && progId.GetAt(end - 1) == '.') length = end - 1;
    fprintf(m_jniFile, "\t\tif ( SUCCEEDED( CLSIDFromProgID( L\"%*.*s\", &clsid )))\n", length, length, progId.c_str());
    fprintf(m_jniFile, "\t\t\tmemcpy( &IID_ITavo%s, &clsid, sizeof( CLSID ));\n", javaName);
}
