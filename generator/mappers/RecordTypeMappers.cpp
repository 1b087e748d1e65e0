#include "RecordTypeMappers.h"

#include "JobView.h"
#include "NamingHelpers.h"

#include <algorithm>
#include <cstring>

namespace {

const char kNotFound[] = "Record definition not found in type library";
const char kUnsupported[] = "Unsupported record type";
const char kHolderClass[] = "brivel/out/TavoRecordArray";
const char kHolderArraySig[] = "[Lbrivel/TavoRecord;";

const char* ReturnLine(bool returnsValue) { return returnsValue ? "\treturn 0;\n" : "\treturn;\n"; }

// Throws brivel.TavoException and returns, after releasing what the
// arguments before this one set up.
void WriteThrowAndReturn(const CMapperCall& call, FILE* f, const char* message, bool returnsValue) {
    fprintf(f, "\tenv->ThrowNew( brivelFindClass( env, \"brivel/TavoException\" ), \"%s\" );\n", message);
    call.WriteEarlyRelease(f, 1);
    fputs(ReturnLine(returnsValue), f);
}

// After a conversion that reports failure through a flag (its exception is
// pending): release the arguments before this one, and this one's own
// partial work, then return.
void WriteFailureReturn(const CMapperCall& call, FILE* f, const char* flag, bool returnsValue, const CString& ownCleanup = CString()) {
    if (call.EarlyRelease().IsEmpty() && ownCleanup.IsEmpty()) {
        fprintf(f, "\tif ( %s ) return%s;\n", flag, returnsValue ? " 0" : "");
        return;
    }
    fprintf(f, "\tif ( %s ) {\n", flag);
    fputs(ownCleanup, f);
    call.WriteEarlyRelease(f, 2);
    fprintf(f, "\t%s", ReturnLine(returnsValue));
    fputs("\t}\n", f);
}

// A record or holder that receives a value must exist (the writer checks
// only the arguments that are read).
void WriteOutTargetCheck(const CMapperCall& call, FILE* f, const char* javaExpr, int n, bool returnsValue) {
    CString message;
    message.Format("Argument %d is null", n + 1);
    EmitNullArgumentCheck(call, f, javaExpr, returnsValue, "\t", message);
}

}  // namespace

namespace {

// A record inside another needs rows of its own, which the outer record's
// row links to at load time. Records reached again through pointers are
// looked at a bounded number of levels deep.
bool IsWrittenRecordAt(const CRecordEntry* record, int depth) {
    if (record->unusable) return false;
    for (const CRecordField& field : record->fields) {
        if (!field.mapper) return false;
        auto* nested = dynamic_cast<CRecordTypeMapper*>(field.mapper);
        if (nested && nested->GetRecord() != record && depth < 8 && !IsWrittenRecordAt(nested->GetRecord(), depth + 1))
            return false;
    }
    return true;
}

}  // namespace

bool IsWrittenRecord(const CRecordEntry* record) { return IsWrittenRecordAt(record, 0); }

// ---- CRecordTypeMapper: names and the record's tables

void CRecordTypeMapper::GetJavaType(CString& text) { text = QualifiedName(m_job->JavaPackage(), m_record->javaName, '.'); }

void CRecordTypeMapper::GetJniSignature(bool mangled, CString& text) {
    if (mangled) {
        CString name;
        JniMangleName(name, m_record->javaName);
        text = "L" + QualifiedName(m_job->JniPackage(), name, '_') + "_2";
    } else {
        text = "L" + QualifiedName(m_job->SlashPackage(), m_record->javaName, '/') + ";";
    }
}

bool CRecordTypeMapper::IsDirect() const { return IsAllZeroGuid(m_record->guid); }
CString CRecordTypeMapper::ClassPath() const { return QualifiedName(m_job->SlashPackage(), m_record->javaName, '/'); }
int CRecordTypeMapper::FirstRow() const { return m_record->firstDetailRow; }
int CRecordTypeMapper::FieldCount() const { return static_cast<int>(m_record->fields.size()); }
int CRecordTypeMapper::FieldIdCount() const { return std::max(FieldCount(), 1); }
// Whole stack words, so that a record passed by value can be read word by word.
int CRecordTypeMapper::Size() const { return std::max((m_record->size + 3) / 4 * 4, 4); }

// ---- CRecordTypeMapper: IDispatch::Invoke path. A VT_RECORD VARIANT carries
// the record's IRecordInfo, which only a record with an identifier has.

void CRecordTypeMapper::EmitInvokeArgument(const CMapperCall& call, int n, int v, bool outOnly, const char* x, bool returnsValue, const VARIANT*,
                                           FILE* f) {
    if (!IsWritten() || IsDirect()) {
        WriteThrowAndReturn(call, f, kNotFound, returnsValue);
        return;
    }
    if (outOnly) WriteOutTargetCheck(call, f, x, n, returnsValue);
    const char* name = m_record->javaName;
    fprintf(f, "\tvargs[%d].vt = VT_RECORD;\n", v);
    fprintf(f, "\tIRecordInfo * iRecInfo%d = 0;\n", n);
    fprintf(f, "\tjfieldID fieldIds%d[%d];\n", n, FieldIdCount());
    fprintf(f, "\tbool err%d;\n", n);
    fprintf(f, "\tjobject recobj%d = %s;\n", n, x);
    // The runtime reads the fields of the Java record it is given: an
    // out-only record is given none, so that it starts empty (the callee
    // fills it; what the Java record held does not go in).
    CString source;
    source.Format(outOnly ? "(jobject) 0" : "recobj%d", n);
    fprintf(f,
            "\tV_RECORD( &vargs[%d ] ) = brivelJObjectToComRecord( env, %s, &libDescriptionStruct, &IID_Record%s, "
            "&brivelRecordDetails[%d], %d, &err%d, &iRecInfo%d, fieldIds%d, %s );\n",
            v, source.c_str(), name, FirstRow(), FieldCount(), n, n, n, outOnly ? "true" : "false");
    CString flag;
    flag.Format("err%d", n);
    WriteFailureReturn(call, f, flag, returnsValue);
    fprintf(f, "\tV_RECORDINFO( &vargs[%d] ) = iRecInfo%d;\n", v, n);
}

void CRecordTypeMapper::EmitInvokeOutCopy(const CMapperCall&, int n, int v, int, FILE* f) {
    if (!IsWritten() || IsDirect()) return;
    fprintf(f,
            "\t\tbrivelCopyComRecordToJObject( env, V_RECORD( &vargs[%d] ), recobj%d, &brivelRecordDetails[%d], %d, "
            "V_RECORDINFO( &vargs[%d] ), fieldIds%d );\n",
            v, n, FirstRow(), FieldCount(), v, n);
}

void CRecordTypeMapper::EmitInvokeCleanup(int, int v, FILE* f) {
    if (!IsWritten() || IsDirect()) return;
    fprintf(f, "\tbrivelClearRecordData( env, V_RECORD( &vargs[%d] ), V_RECORDINFO( &vargs[%d] ));\n", v, v);
}

void CRecordTypeMapper::EmitInvokeReturn(FILE* f) {
    if (!IsWritten() || IsDirect()) {
        fputs("\tVariantClear( &ret );\n", f);
        fprintf(f, "\tenv->ThrowNew( brivelFindClass( env, \"brivel/TavoException\" ), \"%s\" );\n", kNotFound);
        fputs("\treturn 0;\n", f);
        return;
    }
    // A result that is no record has no record to read: an empty one is
    // null, another one a failed conversion.
    EmitResultTypeCheck(f, "ret.vt != VT_RECORD");
    fputs("\tif ( ret.vt != VT_RECORD ) {\n\t\tVariantClear( &ret );\n\t\treturn 0;\n\t}\n", f);
    fputs("\tbool reterr;\n", f);
    fprintf(f, "\tjfieldID retFieldIds[%d];\n", FieldIdCount());
    fprintf(f,
            "\treturn brivelComRecordToJobject( env, V_RECORD( &ret ), \"%s\", &libDescriptionStruct, &IID_Record%s, "
            "&brivelRecordDetails[%d], %d,  &reterr, retFieldIds, V_RECORDINFO( &ret ), true );\n",
            ClassPath().c_str(), m_record->javaName.c_str(), FirstRow(), FieldCount());
}

// ---- CRecordTypeMapper: virtual-table path. A record with an identifier is
// made by the runtime through IRecordInfo; one without lives in a byte buffer
// of the record's size on the native's stack.

// Behind a pointer to a pointer the callee gets the address of a pointer to
// the record, with or without an identifier.
void CRecordTypeMapper::GetVtblParamType(CString& text) {
    text = (m_byRef && IsWritten() && (IsDirect() || PassesPointerToPointer())) ? "void **" : "void *";
}

void CRecordTypeMapper::GetVtblParamTypeVariant(CString& text) {
    if (!PassesBytes()) {
        GetVtblParamType(text);
        return;
    }
    text = "";
    for (int i = 0; i < WordCount(); ++i) text += i == 0 ? "DWORD" : ",DWORD";
}

void CRecordTypeMapper::GetVtblCallArguments(int argNumber, CString& text) {
    if (!PassesBytes()) {
        text.Format(",arg%d", argNumber);
        return;
    }
    text = "";
    for (int i = 0; i < WordCount(); ++i) {
        CString word;
        word.Format(",((DWORD *) arg%d)[%d]", argNumber, i);
        text += word;
    }
}

void CRecordTypeMapper::GetVtblEventParamDeclaration(int arg, bool named, CString& text) {
    if (!PassesBytes()) {
        CShapeTypeMapper::GetVtblEventParamDeclaration(arg, named, text);
        return;
    }
    text = "";
    for (int i = 0; i < WordCount(); ++i) {
        CString word;
        if (named)
            word.Format("%sDWORD arg%d_%d", i == 0 ? "" : ",", arg, i);
        else
            word = i == 0 ? "DWORD" : ",DWORD";
        text += word;
    }
}

void CRecordTypeMapper::EmitVtblArgumentSetup(const CMapperCall& call, int n, bool outOnly, const char* x, FILE* f, bool returnsValue) {
    if (!IsWritten()) {
        WriteThrowAndReturn(call, f, kUnsupported, returnsValue);
        fprintf(f, "\tvoid * rec%d = 0;\n", n);
        return;
    }
    if (outOnly) WriteOutTargetCheck(call, f, x, n, returnsValue);
    CString flag;
    flag.Format("err%d", n);
    if (IsDirect()) {
        fprintf(f, "\tjfieldID fieldIds%d[%d];\n", n, FieldIdCount());
        fprintf(f, "\tbool err%d;\n", n);
        fprintf(f, "\tunsigned char rec%d[%d];\n", n, Size());
        fprintf(f, "\tmemset( rec%d, 0, sizeof rec%d );\n", n, n);
        // An out-only record starts empty: the callee fills it.
        if (!outOnly) {
            fprintf(f, "\tbrivelDirectCopyJObjectToComRecord( env, %s, rec%d, %d, &brivelRecordDetails[%d], fieldIds%d, &err%d );\n",
                    x, n, FieldCount(), FirstRow(), n, n);
            CString own;
            own.Format("\t\tbrivelClearDirectRecord( &brivelRecordDetails[%d], %d, rec%d );\n", FirstRow(), FieldCount(), n);
            WriteFailureReturn(call, f, flag, returnsValue, own);
        }
        if (PassesPointerToPointer()) {
            // The callee receives a pointer to the buffer, which it may replace.
            fprintf(f, "\tvoid * recRef%d = rec%d;\n", n, n);
            fprintf(f, "\tvoid ** recPtr%d = &recRef%d;\n", n, n);
        } else if (m_byRef) {
            // The callee receives the address of the record's bytes.
            fprintf(f, "\tvoid ** recPtr%d = (void **) &rec%d;\n", n, n);
        }
        return;
    }
    fprintf(f, "\tIRecordInfo * iRecInfo%d = 0;\n", n);
    fprintf(f, "\tjfieldID fieldIds%d[%d];\n", n, FieldIdCount());
    fprintf(f, "\tbool err%d;\n", n);
    // An out-only record starts empty, as above.
    fprintf(f,
            "\tvoid * rec%d = brivelJObjectToComRecord( env, %s, &libDescriptionStruct, &IID_Record%s, "
            "&brivelRecordDetails[%d], %d, &err%d, &iRecInfo%d, fieldIds%d, %s );\n",
            n, outOnly ? "(jobject) 0" : x, m_record->javaName.c_str(), FirstRow(), FieldCount(), n, n, n, outOnly ? "true" : "false");
    WriteFailureReturn(call, f, flag, returnsValue);
    if (PassesPointerToPointer()) {
        // The callee receives a pointer to the runtime's record, which it may replace.
        fprintf(f, "\tvoid * recRef%d = rec%d;\n", n, n);
        fprintf(f, "\tvoid ** recPtr%d = &recRef%d;\n", n, n);
    }
    if (PassesBytes()) {
        // Whole stack words of the record's bytes, read past no allocation.
        fprintf(f, "\tunsigned char recBytes%d[%d];\n", n, Size());
        fprintf(f, "\tmemset( recBytes%d, 0, sizeof recBytes%d );\n", n, n);
        fprintf(f, "\tif ( rec%d != 0 ) memcpy( recBytes%d, rec%d, %d );\n", n, n, n, m_record->size);
    }
}

void CRecordTypeMapper::GetVtblArgumentExpr(int n, int, CString& text) {
    if (m_byRef && IsWritten() && (IsDirect() || PassesPointerToPointer()))
        text.Format("recPtr%d", n);
    else if (PassesBytes() && !IsDirect())
        text.Format("(void *) recBytes%d", n);
    else
        text.Format("(void *) rec%d", n);
}

void CRecordTypeMapper::EmitVtblOutCopy(const CMapperCall&, int n, int, FILE* f) {
    if (!IsWritten()) return;
    if (!IsDirect()) {
        // Behind a pointer to a pointer: the record the callee's pointer now
        // designates (its own, which it keeps); the runtime's is cleaned up.
        CString record;
        record.Format(PassesPointerToPointer() ? "*recPtr%d" : "rec%d", n);
        if (PassesPointerToPointer()) fprintf(f, "\tif ( %s != 0 ) ", record.c_str());
        else fputs("\t", f);
        fprintf(f, "brivelCopyComRecordToJObject( env, %s, arg%d, &brivelRecordDetails[%d], %d, iRecInfo%d, fieldIds%d );\n",
                record.c_str(), n, FirstRow(), FieldCount(), n, n);
    } else if (PassesPointerToPointer()) {
        // The record the callee's pointer now designates.
        fprintf(f,
                "\tif ( *recPtr%d != 0 ) brivelDirectCopyComRecordToJObject( env, (unsigned char *) *recPtr%d, arg%d, %d, "
                "&brivelRecordDetails[%d], fieldIds%d );\n",
                n, n, n, FieldCount(), FirstRow(), n);
    } else {
        // The buffer itself holds the record (never its first bytes read as
        // a pointer).
        fprintf(f, "\tbrivelDirectCopyComRecordToJObject( env, rec%d, arg%d, %d, &brivelRecordDetails[%d], fieldIds%d );\n",
                n, n, FieldCount(), FirstRow(), n);
    }
}

void CRecordTypeMapper::EmitVtblCleanup(int n, const char*, FILE* f) {
    if (!IsWritten()) return;
    if (IsDirect())
        fprintf(f, "\tbrivelClearDirectRecord( &brivelRecordDetails[%d], %d, rec%d );\n", FirstRow(), FieldCount(), n);
    else
        fprintf(f, "\tbrivelClearRecordData( env, rec%d, iRecInfo%d );\n", n, n);
}

// A result is read from a buffer by the direct copies, with or without an
// identifier: the callee fills the buffer (or, through a pointer to a
// pointer, hands back its own record).
void CRecordTypeMapper::EmitVtblReturnDecl(const CMapperCall& call, FILE* f) {
    if (!IsWritten()) {
        WriteThrowAndReturn(call, f, kUnsupported, true);
        return;
    }
    fprintf(f, "\tunsigned char recRet[%d];\n", Size());
    fputs("\tmemset( recRet, 0, sizeof recRet );\n", f);
    fputs("\tunsigned char * recRetPtr = recRet;\n", f);
}

void CRecordTypeMapper::GetVtblReturnPointer(FILE* f) {
    if (!IsWritten())
        fputs("(void *) 0", f);
    else
        fputs(PassesPointerToPointer() ? "(void **) &recRetPtr" : "(void *) recRetPtr", f);
}

void CRecordTypeMapper::EmitVtblReturn(FILE* f) {
    if (!IsWritten()) {
        fputs("\treturn 0;\n", f);
        return;
    }
    fputs("\tbool retErr;\n", f);
    fprintf(f, "\tjfieldID fieldIdsRet[%d];\n", FieldIdCount());
    fprintf(f, "\tjobject retObj = brivelDirectComRecordToJobject( env, recRetPtr, \"%s\", &brivelRecordDetails[%d], %d, &retErr, fieldIdsRet );\n",
            ClassPath().c_str(), FirstRow(), FieldCount());
    fprintf(f, "\tbrivelClearDirectRecord( &brivelRecordDetails[%d], %d, recRetPtr );\n", FirstRow(), FieldCount());
    fputs("\treturn retObj;\n", f);
}

// ---- CRecordTypeMapper: events. The event's record belongs to its source:
// the conversion copies it and never destroys it.

// An out-only record is written empty (all its bytes zero, as a new record
// starts), never read: the listener gets the empty record.
void CRecordTypeMapper::EmitEventParam(const CMapperCall& call, int e, FILE* f) {
    if (!IsWritten()) return;
    if (m_byRef) {
        CString empty;
        empty.Format("if ( V_RECORD( &pDispParams->rgvarg[eventParamIndex%d] ) != 0 ) memset( V_RECORD( &pDispParams->rgvarg[eventParamIndex%d] ), 0, %d );",
                     e, e, Size());
        EmitOutOnlyEventSlot(call, f, empty);
    }
    fprintf(f, "\tbool evRecordErr%d;\n", e);
    fprintf(f, "\tjfieldID evRecordFieldIds%d[%d];\n", e, FieldIdCount());
}

void CRecordTypeMapper::GetEventArgExpr(int e, CString& text) {
    if (!IsWritten()) {
        text = "(jobject) 0";
    } else if (IsDirect()) {
        text.Format("brivelDirectComRecordToJobject( brivelJniEnv, (unsigned char *) V_RECORD( &pDispParams->rgvarg[eventParamIndex%d] ), "
                    "\"%s\", &brivelRecordDetails[%d], %d, &evRecordErr%d, evRecordFieldIds%d )",
                    e, ClassPath().c_str(), FirstRow(), FieldCount(), e, e);
    } else {
        text.Format("brivelComRecordToJobject( brivelJniEnv, V_RECORD( &pDispParams->rgvarg[eventParamIndex%d] ), \"%s\", "
                    "&libDescriptionStruct, &IID_Record%s, &brivelRecordDetails[%d], %d,  &evRecordErr%d, evRecordFieldIds%d, "
                    "V_RECORDINFO( &pDispParams->rgvarg[eventParamIndex%d] ), false )",
                    e, ClassPath().c_str(), m_record->javaName.c_str(), FirstRow(), FieldCount(), e, e, e);
    }
}

// Through a pointer to a pointer, an out-only record's pointer is the
// callee's to give: it is written null (the listener gets no record).
void CRecordTypeMapper::EmitVtblEventParam(const CMapperCall& call, int n, FILE* f) {
    if (!IsWritten()) return;
    if (m_byRef) {
        CString empty;
        if (PassesPointerToPointer())
            empty.Format("if ( arg%d != 0 ) *(unsigned char **) arg%d = 0;", n, n);
        else
            empty.Format("if ( arg%d != 0 ) memset( arg%d, 0, %d );", n, n, Size());
        EmitOutOnlyEventSlot(call, f, empty);
    }
    fprintf(f, "\tbool err%d;\n", n);
    fprintf(f, "\tjfieldID fieldIds%d[%d];\n", n, FieldIdCount());
    if (PassesBytes()) {
        // The record's bytes, gathered from the stack words they came in.
        fprintf(f, "\tDWORD recWords%d[%d] = {", n, WordCount());
        for (int i = 0; i < WordCount(); ++i) fprintf(f, "%s arg%d_%d", i == 0 ? "" : ",", n, i);
        fputs(" };\n", f);
    }
}

void CRecordTypeMapper::GetVtblEventArgExpr(int n, CString& text) {
    if (!IsWritten()) {
        text = "(jobject) 0";
        return;
    }
    CString bytes;
    if (PassesBytes())
        bytes.Format("(unsigned char *) recWords%d", n);
    else if (PassesPointerToPointer())
        bytes.Format("arg%d == 0 ? 0 : *(unsigned char **) arg%d", n, n);
    else
        bytes.Format("(unsigned char *)arg%d", n);
    text.Format("brivelDirectComRecordToJobject( brivelJniEnv, %s, \"%s\", &brivelRecordDetails[%d], %d, &err%d, fieldIds%d )",
                bytes.c_str(), ClassPath().c_str(), FirstRow(), FieldCount(), n, n);
}

// ---- CRecordArrayTypeMapper

bool CRecordArrayTypeMapper::CanSend() const { return GetRecordMapper()->IsWritten() && !GetRecordMapper()->IsDirect(); }
bool CRecordArrayTypeMapper::CanReceive() const { return GetRecordMapper()->IsWritten(); }

void CRecordArrayTypeMapper::WriteJavaArray(const CMapperCall& call, FILE* f, int n, const char* x, bool returnsValue) {
    if (!m_byRef) {
        fprintf(f, "\tjobjectArray jarray%d = (jobjectArray) %s;\n", n, x);
        return;
    }
    WriteOutTargetCheck(call, f, x, n, returnsValue);
    // The holder's array goes in; the callee's array replaces it afterwards.
    fprintf(f, "\tjfieldID holderField%d = env->GetFieldID( brivelFindClass( env, \"%s\" ), \"array\", \"%s\" );\n", n,
            kHolderClass, kHolderArraySig);
    fprintf(f, "\tjobjectArray jarray%d = (jobjectArray) env->GetObjectField( %s, holderField%d );\n", n, x, n);
}

void CRecordArrayTypeMapper::WriteOutCopy(const CMapperCall& call, FILE* f, const char* indent, int n, const char* safeArray, const char* errName,
                                          const char* fieldIds, bool returnsValue) {
    CRecordTypeMapper* record = GetRecordMapper();
    if (m_byRef) {
        fprintf(f, "%sjobjectArray outArray%d = brivelCopySafeArrayToJArrayRecord( env, true, %s, jarray%d, NULL, \"%s\", &%s%d, &brivelRecordDetails[%d], %d,  %s%d );\n",
                indent, n, safeArray, n, record->ClassPath().c_str(), errName, n, record->FirstRow(), record->FieldCount(),
                fieldIds, n);
        fprintf(f, "%sif ( !%s%d ) env->SetObjectField( arg%d, holderField%d, outArray%d );\n", indent, errName, n, n, n, n);
    } else {
        fprintf(f, "%sbrivelCopySafeArrayToJArrayRecord( env, false, %s, jarray%d, NULL, \"%s\", &%s%d, &brivelRecordDetails[%d], %d,  %s%d );\n",
                indent, safeArray, n, record->ClassPath().c_str(), errName, n, record->FirstRow(), record->FieldCount(),
                fieldIds, n);
    }
    // Every argument is released before the return, this one included.
    fprintf(f, "%sif ( %s%d ) {\n", indent, errName, n);
    call.WriteEarlyRelease(f, static_cast<int>(strlen(indent)) + 1);
    fprintf(f, "%s\treturn%s;\n", indent, returnsValue ? " 0" : "");
    fprintf(f, "%s}\n", indent);
}

CString CRecordArrayTypeMapper::EventArray(const CString& safeArray, const char* errName, const char* fieldIds, int index) {
    CRecordTypeMapper* record = GetRecordMapper();
    if (!CanReceive()) return m_byRef ? "(jobject) 0" : "(jobjectArray) 0";
    CString array;
    array.Format("(jobjectArray) brivelSafeArrayToJArrayRecord( brivelJniEnv, %s, &%s%d, \"%s\", &brivelRecordDetails[%d], %d, %s%d )",
                 safeArray.c_str(), errName, index, record->ClassPath().c_str(), record->FirstRow(), record->FieldCount(),
                 fieldIds, index);
    if (!m_byRef) return array;
    CString held;
    held.Format("eventRecordHolder%d", index);
    return held;
}

// The holder is made by statements of its own: its class and the array it
// wraps are local references that the sink's attached thread would keep.
void CRecordArrayTypeMapper::WriteEventLocals(FILE* f, int e, const CString& safeArray) {
    if (!CanReceive()) return;
    fprintf(f, "\tbool eventErr%d;\n", e);
    fprintf(f, "\tjfieldID eventFieldIds%d[%d];\n", e, GetRecordMapper()->FieldIdCount());
    if (!m_byRef) return;
    CRecordTypeMapper* record = GetRecordMapper();
    fprintf(f, "\t\tjobjectArray eventRecords%d = (jobjectArray) brivelSafeArrayToJArrayRecord( brivelJniEnv, %s, &eventErr%d, \"%s\", &brivelRecordDetails[%d], %d, eventFieldIds%d );\n",
            e, safeArray.c_str(), e, record->ClassPath().c_str(), record->FirstRow(), record->FieldCount(), e);
    // Records the VM could not make are kept before the holder's class is
    // looked up (which clears any exception pending).
    EmitEventArgumentMadeCheck(f);
    fprintf(f, "\t\tjclass eventRecordHolderClass%d = brivelFindClass( brivelJniEnv, \"%s\" );\n", e, kHolderClass);
    fprintf(f, "\t\tjobject eventRecordHolder%d = eventRecordHolderClass%d == 0 ? 0 : brivelJniEnv->NewObject( eventRecordHolderClass%d, brivelJniEnv->GetMethodID( eventRecordHolderClass%d, \"<init>\", \"(%s)V\" ), eventRecords%d );\n",
            e, e, e, e, kHolderArraySig, e);
    fprintf(f, "\t\tif ( eventRecordHolderClass%d != 0 ) brivelJniEnv->DeleteLocalRef( eventRecordHolderClass%d );\n", e, e);
    fprintf(f, "\t\tif ( eventRecords%d != 0 ) brivelJniEnv->DeleteLocalRef( eventRecords%d );\n", e, e);
}

void CRecordArrayTypeMapper::EmitEventCleanup(int e, FILE* f) {
    if (m_byRef && CanReceive())
        fprintf(f, "\t\tif ( eventRecordHolder%d != 0 ) brivelJniEnv->DeleteLocalRef( eventRecordHolder%d );\n", e, e);
}

// The Java array converted into a new SAFEARRAY of records, with the
// locals that the call path names its own way; a failure returns at once.
void CRecordArrayTypeMapper::WriteSendConversion(const CMapperCall& call, FILE* f, int n, const char* javaExpr, bool outOnly, bool returnsValue,
                                                 const char* arrayName, const char* errName, const char* infoName,
                                                 const char* fieldIds) {
    CRecordTypeMapper* record = GetRecordMapper();
    WriteJavaArray(call, f, n, javaExpr, returnsValue);
    fprintf(f, "\tbool %s%d;\n", errName, n);
    fprintf(f, "\tIRecordInfo * %s%d;\n", infoName, n);
    fprintf(f, "\tjfieldID %s%d[%d];\n", fieldIds, n, record->FieldIdCount());
    if (outOnly && m_byRef) {
        // An out-only array goes in as NULL: the callee stores its own
        // there without destroying what it finds.
        fprintf(f, "\t%s%d = false;\n", errName, n);
        fprintf(f, "\t%s%d = 0;\n", infoName, n);
        fprintf(f, "\tSAFEARRAY * %s%d = NULL;\n", arrayName, n);
        return;
    }
    fprintf(f,
            "\tSAFEARRAY * %s%d = brivelJArrayToSafeArrayRecord( env, jarray%d, &libDescriptionStruct, &IID_Record%s, "
            "&brivelRecordDetails[%d], %d, &%s%d, &%s%d, %s%d, %s );\n",
            arrayName, n, n, record->GetRecord()->javaName.c_str(), record->FirstRow(), record->FieldCount(), errName, n,
            infoName, n, fieldIds, n, outOnly ? "true" : "false");
    CString flag;
    flag.Format("%s%d", errName, n);
    WriteFailureReturn(call, f, flag, returnsValue);
}

void CRecordArrayTypeMapper::EmitInvokeArgument(const CMapperCall& call, int n, int v, bool outOnly, const char* x, bool returnsValue,
                                                const VARIANT*, FILE* f) {
    if (!CanSend()) {
        WriteThrowAndReturn(call, f, kNotFound, returnsValue);
        fprintf(f, "\tSAFEARRAY * tmpSafeArray%d = NULL;\n", n);
        return;
    }
    WriteSendConversion(call, f, n, x, outOnly, returnsValue, "tmpSafeArray", "err", "iRecInfo", "fieldIds");
    if (m_byRef) {
        fprintf(f, "\tvargs[%d].vt = VT_ARRAY | VT_BYREF | VT_RECORD;\n", v);
        fprintf(f, "\tvargs[%d].pparray = &tmpSafeArray%d;\n", v, n);
    } else {
        fprintf(f, "\tvargs[%d].vt = VT_ARRAY | VT_RECORD;\n", v);
        fprintf(f, "\tvargs[%d].parray = tmpSafeArray%d;\n", v, n);
    }
}

void CRecordArrayTypeMapper::EmitInvokeOutCopy(const CMapperCall& call, int n, int v, int returnsValue, FILE* f) {
    if (!CanSend()) return;
    CString safeArray;
    safeArray.Format(m_byRef ? "*vargs[%d].pparray" : "vargs[%d].parray", v);
    WriteOutCopy(call, f, "\t\t", n, safeArray, "err", "fieldIds", returnsValue != 0);
}

void CRecordArrayTypeMapper::EmitInvokeCleanup(int n, int, FILE* f) {
    if (!CanSend()) return;
    fprintf(f, "\tSafeArrayDestroy( tmpSafeArray%d );\n", n);
}

void CRecordArrayTypeMapper::EmitInvokeReturn(FILE* f) {
    if (!CanReceive()) {
        fputs("\tVariantClear( &ret );\n", f);
        fprintf(f, "\tenv->ThrowNew( brivelFindClass( env, \"brivel/TavoException\" ), \"%s\" );\n", kNotFound);
        fputs("\treturn 0;\n", f);
        return;
    }
    CRecordTypeMapper* record = GetRecordMapper();
    EmitResultTypeCheck(f, "( ret.vt & VT_ARRAY ) == 0");
    fputs("\tbool reterr;\n", f);
    fprintf(f, "\tjfieldID retFieldIds[%d];\n", record->FieldIdCount());
    // The array is read where the VARIANT says it is, and the VARIANT is
    // cleared as its owner would (an array held by reference is not ours).
    fprintf(f,
            "\tjobjectArray retArray = brivelSafeArrayToJArrayRecord( env, ( ret.vt & VT_ARRAY ) == 0 ? 0 : ( ret.vt & VT_BYREF ) ? "
            "*ret.pparray : ret.parray, &reterr, \"%s\", &brivelRecordDetails[%d], %d, retFieldIds );\n",
            record->ClassPath().c_str(), record->FirstRow(), record->FieldCount());
    fputs("\tVariantClear( &ret );\n", f);
    fputs("\treturn retArray;\n", f);
}

void CRecordArrayTypeMapper::EmitVtblArgumentSetup(const CMapperCall& call, int n, bool outOnly, const char* x, FILE* f, bool returnsValue) {
    if (!CanSend()) {
        WriteThrowAndReturn(call, f, kUnsupported, returnsValue);
        fprintf(f, "\tSAFEARRAY * tmpSa__%d = 0;\n", n);
        return;
    }
    WriteSendConversion(call, f, n, x, outOnly, returnsValue, "tmpSa__", "vErr", "vRecInfo", "vFieldIds");
}

void CRecordArrayTypeMapper::GetVtblArgumentExpr(int n, int, CString& text) {
    text.Format(m_byRef ? "&tmpSa__%d" : "tmpSa__%d", n);
}

void CRecordArrayTypeMapper::EmitVtblOutCopy(const CMapperCall& call, int n, int returnsValue, FILE* f) {
    if (!CanSend()) return;
    CString safeArray;
    safeArray.Format("tmpSa__%d", n);
    WriteOutCopy(call, f, "\t", n, safeArray, "vErr", "vFieldIds", returnsValue != 0);
}

void CRecordArrayTypeMapper::EmitVtblCleanup(int n, const char*, FILE* f) {
    if (!CanSend()) return;
    fprintf(f, "\tSafeArrayDestroy( tmpSa__%d );\n", n);
}

void CRecordArrayTypeMapper::EmitVtblReturnDecl(const CMapperCall& call, FILE* f) {
    if (!CanReceive()) {
        WriteThrowAndReturn(call, f, kUnsupported, true);
        return;
    }
    fputs("\tSAFEARRAY * retVal = 0;\n", f);
}

void CRecordArrayTypeMapper::GetVtblReturnPointer(FILE* f) { fputs(CanReceive() ? "&retVal" : "(SAFEARRAY **) 0", f); }

void CRecordArrayTypeMapper::EmitVtblReturn(FILE* f) {
    if (!CanReceive()) {
        fputs("\treturn 0;\n", f);
        return;
    }
    CRecordTypeMapper* record = GetRecordMapper();
    fputs("\tbool retErr;\n", f);
    fprintf(f, "\tjfieldID retFieldIds[%d];\n", record->FieldIdCount());
    fprintf(f, "\tjobjectArray retArray = brivelSafeArrayToJArrayRecord( env, retVal, &retErr, \"%s\", &brivelRecordDetails[%d], %d, retFieldIds );\n",
            record->ClassPath().c_str(), record->FirstRow(), record->FieldCount());
    fputs("\tSafeArrayDestroy( retVal );\n", f);
    if (!m_byRef) {
        fputs("\treturn retArray;\n", f);
        return;
    }
    // The Java method answers the holder class (as for arrays of other
    // elements): the array goes into a new holder, unless the conversion
    // failed and left its exception pending.
    fputs("\tif ( retErr ) return 0;\n", f);
    WriteNewHolder(f, "\t", "env", "retArray", "retHolder");
    fputs("\treturn retHolder;\n", f);
}

static CString DispatchEventArray(bool byRef, int e) {
    CString safeArray;
    safeArray.Format(byRef ? "*pDispParams->rgvarg[eventParamIndex%d].pparray" : "pDispParams->rgvarg[eventParamIndex%d].parray", e);
    return safeArray;
}

static CString VtblEventArray(bool byRef, int n) {
    CString safeArray;
    safeArray.Format(byRef ? "*(SAFEARRAY **)arg%d" : "(SAFEARRAY *)arg%d", n);
    return safeArray;
}

void CRecordArrayTypeMapper::EmitEventParam(const CMapperCall&, int e, FILE* f) { WriteEventLocals(f, e, DispatchEventArray(m_byRef, e)); }

void CRecordArrayTypeMapper::GetEventArgExpr(int e, CString& text) {
    text = EventArray(DispatchEventArray(m_byRef, e), "eventErr", "eventFieldIds", e);
}

void CRecordArrayTypeMapper::EmitVtblEventParam(const CMapperCall&, int n, FILE* f) { WriteEventLocals(f, n, VtblEventArray(m_byRef, n)); }

void CRecordArrayTypeMapper::GetVtblEventArgExpr(int n, CString& text) {
    text = EventArray(VtblEventArray(m_byRef, n), "eventErr", "eventFieldIds", n);
}

// An out-only array's incoming value is undefined: its holder starts empty,
// and the caller's slot holds no array until the listener's goes back.
void CRecordArrayTypeMapper::EmitEventArrayFillFromVariant(const CMapperCall& call, int e, FILE* f) {
    CString empty;
    empty.Format("if (( pDispParams->rgvarg[eventParamIndex%d].vt & ( VT_BYREF | VT_ARRAY )) == ( VT_BYREF | VT_ARRAY ) && "
                 "pDispParams->rgvarg[eventParamIndex%d].pparray != 0 ) *pDispParams->rgvarg[eventParamIndex%d].pparray = 0;",
                 e, e, e);
    EmitOutOnlyEventSlot(call, f, empty);
    WriteEventLocals(f, e, call.EventArgumentOutOnly() ? CString("(SAFEARRAY *) 0") : DispatchEventArray(true, e));
}

void CRecordArrayTypeMapper::EmitEventArrayFillFromVtbl(const CMapperCall& call, int n, FILE* f) {
    CString safeArray;
    safeArray.Format("( arg%d == 0 ? (SAFEARRAY *) 0 : *(SAFEARRAY **)arg%d )", n, n);
    CString empty;
    empty.Format("if ( arg%d != 0 ) *(SAFEARRAY **)arg%d = 0;", n, n);
    EmitOutOnlyEventSlot(call, f, empty);
    WriteEventLocals(f, n, call.EventArgumentOutOnly() ? CString("(SAFEARRAY *) 0") : safeArray);
}

void CRecordArrayTypeMapper::GetEventArrayExpr(int e, CString& text) {
    if (CanReceive())
        text.Format("eventRecordHolder%d", e);
    else
        text = "(jobject) 0";
}

void CRecordArrayTypeMapper::EmitEventArrayCopyToVariant(const CMapperCall& call, int e, FILE* f) {
    if (!CanReceive()) return;
    CString v, pointer;
    v.Format("pDispParams->rgvarg[eventParamIndex%d]", e);
    pointer.Format("%s.pparray", v.c_str());
    fprintf(f, "\t\t\tif (( %s.vt & ( VT_BYREF | VT_ARRAY )) == ( VT_BYREF | VT_ARRAY )) {\n", v.c_str());
    WriteEventCopyBack(call, f, "\t\t\t\t", e, pointer, kNotFound);
    fputs("\t\t\t}\n", f);
}

void CRecordArrayTypeMapper::EmitEventArrayCopyToVtbl(const CMapperCall& call, int n, FILE* f) {
    if (!CanReceive()) return;
    CString pointer;
    pointer.Format("((SAFEARRAY **) arg%d)", n);
    WriteEventCopyBack(call, f, "\t\t\t", n, pointer, kUnsupported);
}

// The holder's array (the listener's, or the one it came with) becomes a new
// SAFEARRAY of records that replaces the caller's (destroyed; an out-only
// argument's is undefined and left alone). A conversion that fails leaves
// the caller's array as it was, with the runtime's exception pending.
void CRecordArrayTypeMapper::WriteEventCopyBack(const CMapperCall& call, FILE* f, const char* indent, int e, const char* pointer,
                                                const char* refusal) {
    CRecordTypeMapper* record = GetRecordMapper();
    CString inner = CString(indent) + "\t";
    const char* i = indent;
    const char* t = inner;
    fprintf(f, "%sif ( eventRecordHolder%d != 0 && %s != 0 ) {\n", i, e, pointer);
    fprintf(f, "%sJNIEnv * env = brivelJniEnv;\n", t);
    // The holder's class is a local reference of its own, which the sink's
    // attached thread would otherwise keep.
    fprintf(f, "%sjclass eventNewRecordsClass%d = env->GetObjectClass( eventRecordHolder%d );\n", t, e, e);
    fprintf(f, "%sjfieldID eventNewRecordsField%d = env->GetFieldID( eventNewRecordsClass%d, \"array\", \"%s\" );\n", t,
            e, e, kHolderArraySig);
    fprintf(f, "%senv->DeleteLocalRef( eventNewRecordsClass%d );\n", t, e);
    fprintf(f, "%sjobjectArray eventNewRecords%d = eventNewRecordsField%d == 0 ? 0 : (jobjectArray) env->GetObjectField( eventRecordHolder%d, eventNewRecordsField%d );\n",
            t, e, e, e, e);
    fprintf(f, "%sif ( eventNewRecords%d != 0 ) {\n", t, e);
    if (!CanSend()) {
        fprintf(f, "%s\tjclass eventRefusal%d = brivelFindClass( env, \"brivel/TavoException\" );\n", t, e);
        fprintf(f, "%s\tif ( eventRefusal%d != 0 ) env->ThrowNew( eventRefusal%d, \"%s\" );\n", t, e, e, refusal);
        fprintf(f, "%s\tif ( eventRefusal%d != 0 ) env->DeleteLocalRef( eventRefusal%d );\n", t, e, e);
    } else {
        fprintf(f, "%s\tbool eventSendErr%d = false;\n", t, e);
        fprintf(f, "%s\tIRecordInfo * eventSendInfo%d = 0;\n", t, e);
        fprintf(f, "%s\tjfieldID eventSendFieldIds%d[%d];\n", t, e, record->FieldIdCount());
        fprintf(f, "%s\tSAFEARRAY * eventNewArray%d = brivelJArrayToSafeArrayRecord( env, eventNewRecords%d, &libDescriptionStruct, &IID_Record%s, &brivelRecordDetails[%d], %d, &eventSendErr%d, &eventSendInfo%d, eventSendFieldIds%d, false );\n",
                t, e, e, record->GetRecord()->javaName.c_str(), record->FirstRow(), record->FieldCount(), e, e, e);
        if (call.EventArgumentOutOnly())
            fprintf(f, "%s\tif ( ! eventSendErr%d && eventNewArray%d != 0 )\n", t, e, e);
        else
            fprintf(f, "%s\tif ( ! eventSendErr%d && eventNewArray%d != 0 && ( *%s == 0 || SUCCEEDED( SafeArrayDestroy( *%s ))))\n",
                    t, e, e, pointer, pointer);
        fprintf(f, "%s\t\t*%s = eventNewArray%d;\n", t, pointer, e);
        fprintf(f, "%s\telse if ( eventNewArray%d != 0 )\n", t, e);
        fprintf(f, "%s\t\tSafeArrayDestroy( eventNewArray%d );\n", t, e);
    }
    fprintf(f, "%s\tenv->DeleteLocalRef( eventNewRecords%d );\n", t, e);
    fprintf(f, "%s}\n", t);
    fprintf(f, "%s}\n", i);
}
