// Event listeners: the abstract Java class a user extends, and the C++ sink
// that COM calls when the object fires an event, which finds the Java
// method by name and signature and calls it (or forwards the event to a
// remote client).
#include "BridgeGenerator.h"
#include "MethodWrapperWriter.h"
#include "NamingHelpers.h"
#include "mappers/StaticTypeMappers.h"
#include "TypeMapperSelection.h"

#include <cstring>
#include <string>
#include <vector>

namespace {

// JNI types of Java objects (arrays included), whose local references an
// event call must delete.
bool IsJavaReferenceType(const CString& jniType) {
    const std::string& type = jniType.str();
    return type == "jobject" || type == "jstring" ||
           (type.size() > 5 && type.compare(type.size() - 5, 5, "Array") == 0);
}

// Writes, at `indent`, the lookup of the listener's method `name` into
// `method` (a local's name, or its declaration). The listener's class is a
// local reference of its own, deleted at once: on a COM thread that stays
// attached to the VM, nothing else would ever free it. The class local is
// declared there unless `classDeclared` (by an enclosing lookup).
void WriteListenerMethodLookup(FILE* f, const char* indent, const char* method, const char* name,
                               const char* signature, bool classDeclared = false) {
    fprintf(f, "%s%sbrivelListenerClass = brivelJniEnv->GetObjectClass(brvJavaObject);\n", indent,
            classDeclared ? "" : "jclass ");
    fprintf(f, "%s%s = brivelJniEnv->GetMethodID(brivelListenerClass, \"%s\", \"%s\");\n", indent, method, name,
            signature);
    fprintf(f, "%sbrivelJniEnv->DeleteLocalRef( brivelListenerClass );\n", indent);
}

const char kErrorSignature[] = "(Ljava/lang/String;Ljava/lang/String;)V";
// What a listener's TavoOnEventError hears of an event that its sink refused.
const char kCountRefusal[] = "Argument count mismatch";
const char kTypeRefusal[] = "Argument type mismatch";
const char kExceptionSignature[] = "(Ljava/lang/String;Ljava/lang/Throwable;)V";

// A parameter as its caller pushes it: one value of `type`, or (a record
// or union by value) `words` stack words.
struct StackSlot {
    const char* type = "void *";
    int words = 0;
};

// The stack slot of a parameter of type `type`, described in `info`:
// pointers and values of up to four bytes take a word, eight-byte values a
// double, VARIANTs and DECIMALs their sixteen bytes, records and unions
// their size in words; an alias is what it names. A __stdcall callee pops
// exactly what its declaration says, so none of these may be a pointer.
StackSlot StackSlotOf(ITypeInfo* info, const TYPEDESC& type) {
    StackSlot slot;
    switch (type.vt) {
    case VT_R8: case VT_DATE: case VT_CY: case VT_I8: case VT_UI8: slot.type = "double"; return slot;
    case VT_VARIANT: slot.type = "VARIANT"; return slot;
    case VT_DECIMAL: slot.type = "DECIMAL"; return slot;
    case VT_USERDEFINED: break;
    default: return slot;
    }
    ITypeInfo* target = nullptr;
    if (!info || FAILED(info->GetRefTypeInfo(type.hreftype, &target)) || !target) return slot;
    TYPEATTR* attr = nullptr;
    if (SUCCEEDED(target->GetTypeAttr(&attr)) && attr) {
        if (attr->typekind == TKIND_ALIAS)
            slot = StackSlotOf(target, attr->tdescAlias);
        else if ((attr->typekind == TKIND_RECORD || attr->typekind == TKIND_UNION) && attr->cbSizeInstance > 4)
            slot.words = static_cast<int>((attr->cbSizeInstance + 3) / 4);
        target->ReleaseTypeAttr(attr);
    }
    target->Release();
    return slot;
}

// The declaration of parameter arg<arg> from its stack slot, named in a
// definition (a record's words as arg<arg>_<word>, as its mapper names
// them).
CString StackSlotDeclaration(const StackSlot& slot, int arg, bool named) {
    CString text;
    if (slot.words == 0) {
        text = slot.type;
        if (named) {
            CString name;
            name.Format(" arg%d", arg);
            text += name;
        }
        return text;
    }
    for (int i = 0; i < slot.words; ++i) {
        CString word;
        if (named)
            word.Format("%sDWORD arg%d_%d", i == 0 ? "" : ",", arg, i);
        else
            word = i == 0 ? "DWORD" : ",DWORD";
        text += word;
    }
    return text;
}

struct EventRecord {
    bool written = false;
    bool skipped = false;  // a method of IUnknown or IDispatch
    bool present = false;  // its function description was read
    int paramCount = 0;
    // The dispatch description of a dual interface lifts the result out of
    // the parameters; on the virtual table it is one more pointer.
    bool liftedResult = false;
    // Per parameter, what the caller pushes, for the method of an event that
    // has no Java method: it still has to take all of it off the stack.
    std::vector<StackSlot> stackSlots;
    CString name;
    MEMBERID memid = 0;
    int slot = 0;
    std::vector<CTypeMapper*> mappers;
    // The same for the virtual-table methods: the dispatch selection takes an
    // IN-only VARIANT pointer as a value, while on the stack it is a pointer.
    std::vector<CTypeMapper*> vtblMappers;
    std::vector<int> passing;  // 0 by value, 1 in a one-element array, 2 in the mapper's own holder
    std::vector<bool> pureOut;
    std::vector<CString> javaNames;
    CTypeMapper* result = nullptr;
    bool returnsBoolean = false;
};

CString JavaTypeOf(CTypeMapper* mapper) {
    CString type;
    mapper->GetJavaType(type);
    return type;
}

CString EventSignature(const EventRecord& record) {
    CString sig = "(";
    for (size_t i = 0; i < record.mappers.size(); ++i) {
        CString plain;
        record.mappers[i]->GetJniSignature(false, plain);
        if (record.passing[i] == 1) sig += "[";
        sig += plain;
    }
    sig += record.returnsBoolean ? ")Z" : ")V";
    return sig;
}

// The slot table of a sink's virtual-table form: per slot the index of the
// event record there, or -1. Empty when the sink cannot have that form.
std::vector<int> BuildEventSlotTable(const std::vector<EventRecord>& records) {
    std::vector<int> table;
    int highest = -1;
    for (const EventRecord& record : records) {
        if (!record.present) continue;
        if (record.slot < 0) return table;
        if (record.slot > highest) highest = record.slot;
    }
    if (records.empty() || highest < 0 || highest + 1 > 4 * static_cast<int>(records.size()) + 400) return table;
    // The sink's first seven slots are its own IDispatch methods: an
    // interface whose events sit there (one derived from IUnknown alone)
    // cannot be served by this layout, only through IDispatch.
    for (const EventRecord& record : records)
        if (record.present && !record.skipped && record.slot >= 1 && record.slot <= 6) return table;
    table.assign(static_cast<size_t>(highest) + 1, -1);
    for (size_t i = 0; i < records.size(); ++i)
        if (records[i].present) table[static_cast<size_t>(records[i].slot)] = static_cast<int>(i);
    return table;
}

// The parameter list of Event_<N>: the types as the caller pushes them, with
// their names in a definition.
void WriteEventHandlerSignature(FILE* f, const EventRecord* record, bool definition) {
    fputs("(", f);
    if (record) {
        for (int i = 0; i < record->paramCount; ++i) {
            if (i > 0) fputs(",", f);
            // A VARIANT by value fills sixteen bytes of the stack, not a
            // pointer's four; a record by value fills its own size.
            CString declaration;
            if (record->written)
                record->vtblMappers[static_cast<size_t>(i)]->GetVtblEventParamDeclaration(i, definition, declaration);
            else
                declaration = StackSlotDeclaration(record->stackSlots[static_cast<size_t>(i)], i, definition);
            fputs(declaration, f);
        }
        if (record->liftedResult) fputs(definition ? (record->paramCount > 0 ? ",void * brivelRetVal" : "void * brivelRetVal")
                                                   : (record->paramCount > 0 ? ",void *" : "void *"),
                                        f);
    }
    fputs(")", f);
}

// A Java object that an argument expression makes inline is kept in a local
// so that it can be deleted once the event is handled.
CString KeepInLocal(FILE* f, CTypeMapper* mapper, int i, const CString& expr, const char* indent) {
    CString type;
    mapper->GetJniType(type);
    if (expr.Find("(") >= 0 && IsJavaReferenceType(type)) {
        fprintf(f, "%s%s eventArgValue_%d = %s;\n", indent, type.c_str(), i, expr.c_str());
        CString local;
        local.Format("eventArgValue_%d", i);
        return local;
    }
    return expr;
}

// The first exception an argument's conversion left (kept in brivelUnmade),
// raised again where the listener would be called: no Java is called (the
// calls test brivelUnmade, whose value stays set), and the exception goes
// to the listener's TavoOnEventException.
void WriteUnmadeRaised(FILE* f, int paramCount) {
    if (paramCount == 0) return;
    fputs("\t\tif ( brivelUnmade != NULL ) {\n"
          "\t\t\tbrivelJniEnv->Throw( brivelUnmade );\n"
          "\t\t\tbrivelJniEnv->DeleteLocalRef( brivelUnmade );\n"
          "\t\t}\n",
          f);
}

// The body of Event_<N>: the Java method of the event, called with the
// arguments as the caller passed them on the stack.
void WriteEventHandlerEntry(FILE* f, const EventRecord* record) {
    if (!record || !record->written) {
        fputs("\t\treturn S_OK;\n", f);
        return;
    }
    const char* name = record->name;
    fputs("\tJNIEnv * brivelJniEnv = brivelGetJniEnv();\n"
          "\tif ( brivelJniEnv == NULL ) return E_UNEXPECTED;\n"
          "\tbrivelInitEventThread( brivelJniEnv );\n"
          "\tHRESULT hResult = S_OK;\n"
          "\tif ( serverSide && ! CheckServerSideEvents( brivelJniEnv )) return hResult;\n"
          "\tjmethodID brivelMethod = NULL;\n"
          "\tif ( ! serverSide ) {\n",
          f);
    WriteListenerMethodLookup(f, "\t\t", "brivelMethod", name, EventSignature(*record).c_str());
    fputs("\t\tif ( brivelMethod == NULL ) {\n"
          "\t\t\tbrivelJniEnv->ExceptionClear();\n",
          f);
    WriteListenerMethodLookup(f, "\t\t\t", "jmethodID brivelErrorMethod", "TavoOnEventError", kErrorSignature, true);
    fputs("\t\t\tif ( brivelErrorMethod != NULL ) {\n", f);
    fprintf(f, "\t\t\t\tjstring brivelFnString = brivelJniEnv->NewStringUTF( \"%s\" );\n", name);
    fputs("\t\t\t\tjstring brivelErrorString = brivelJniEnv->NewStringUTF( \"Unable to locate method\" );\n"
          "\t\t\t\tbrivelJniEnv->CallVoidMethod( brvJavaObject, brivelErrorMethod, brivelFnString, brivelErrorString );\n"
          "\t\t\t\tbrivelJniEnv->DeleteLocalRef( brivelFnString );\n"
          "\t\t\t\tbrivelJniEnv->DeleteLocalRef( brivelErrorString );\n"
          "\t\t\t\tif ( brivelJniEnv->ExceptionCheck()) brivelJniEnv->ExceptionClear();\n"
          "\t\t\t\treturn hResult;\n"
          "\t\t\t}\n"
          "\t\t\tbrivelJniEnv->ExceptionClear();\n"
          "\t\t}\n"
          "\t}\n",
          f);
    int p = record->paramCount;
    std::vector<CString> exprs;
    if (p > 0) fputs("\t\tjthrowable brivelUnmade = NULL;\n", f);
    for (int i = 0; i < p; ++i) {
        CTypeMapper* mapper = record->vtblMappers[static_cast<size_t>(i)];
        CString expr;
        if (record->passing[static_cast<size_t>(i)] == 0) {
            mapper->EmitVtblEventParam(CMapperCall::EventArgument(record->pureOut[static_cast<size_t>(i)]), i, f);
            mapper->GetVtblEventArgExpr(i, expr);
            expr = KeepInLocal(f, mapper, i, expr, "\t\t");
        } else {
            {
                const CMapperCall call = CMapperCall::EventArgument(record->pureOut[static_cast<size_t>(i)]);
                mapper->EmitEventArrayCreate(i, f);
                mapper->EmitEventArrayFillFromVtbl(call, i, f);
                mapper->EmitEventArrayPublish(i, f);
            }
            mapper->GetEventArrayExpr(i, expr);
        }
        EmitEventArgumentMadeCheck(f);
        exprs.push_back(expr);
    }
    WriteUnmadeRaised(f, p);
    const char* close = record->returnsBoolean ? ") ? S_OK : S_FALSE;\n" : ");\n";
    // An argument the VM could not make (its exception pending) calls no
    // Java: the exception goes to the listener's TavoOnEventException below.
    if (p > 0)
        fputs("\t\tif ( brivelUnmade != NULL ) {\n"
              "\t\t\t// An argument could not be made: nothing is called.\n"
              "\t\t} else if ( brivelMethod != NULL ) {\n",
              f);
    else
        fputs("\t\tif ( brivelMethod != NULL ) {\n", f);
    fputs(record->returnsBoolean ? "\t\thResult = brivelJniEnv->CallBooleanMethod( brvJavaObject, brivelMethod"
                                 : "\t\tbrivelJniEnv->CallVoidMethod( brvJavaObject, brivelMethod",
          f);
    if (p == 0) {
        fputs(" ", f);
    } else {
        fputs("\n", f);
        for (const CString& expr : exprs) fprintf(f, "\t\t\t\t, %s\n", expr.c_str());
        fputs("\t\t\t", f);
    }
    fputs(close, f);
    // A local sink whose method was not found (and whose listener takes no
    // error report) calls nothing.
    fputs("\t\t} else {\n\t\t\tif ( serverSide ) ", f);
    if (record->returnsBoolean) fputs("hResult = ", f);
    fprintf(f, "OnServerSideEvent( brivelJniEnv, brvJavaObject, interfaceName, %d, 0, \"%s\", \"%s\"", p,
            record->returnsBoolean ? "boolean" : "void", name);
    if (p == 0) {
        fputs(" ", f);
    } else {
        fputs("\n", f);
        for (int i = 0; i < p; ++i) {
            CString javaType = JavaTypeOf(record->mappers[static_cast<size_t>(i)]);
            if (javaType == "String") javaType = "java.lang.String";
            fprintf(f, "\t\t\t\t, %s, \"%s\", %s\n", record->passing[static_cast<size_t>(i)] ? "true" : "false", javaType.c_str(),
                    exprs[static_cast<size_t>(i)].c_str());
        }
        fputs("\t\t\t", f);
    }
    fputs(close, f);
    fputs("\t\t}\n", f);
    fputs("\t\tjthrowable brvException = brivelJniEnv->ExceptionOccurred();\n"
          "\t\tif ( brvException != NULL ) {\n"
          "\t\t\tbrivelJniEnv->ExceptionClear();\n",
          f);
    WriteListenerMethodLookup(f, "\t\t\t", "jmethodID brivelMethod", "TavoOnEventException", kExceptionSignature);
    fputs("\t\t\tif ( brivelMethod != NULL ) {\n", f);
    fprintf(f, "\t\t\t\tjstring brivelFnString = brivelJniEnv->NewStringUTF( \"%s\" );\n", name);
    fputs("\t\t\t\tbrivelJniEnv->CallVoidMethod( brvJavaObject, brivelMethod, brivelFnString, brvException );\n"
          "\t\t\t\tbrivelJniEnv->DeleteLocalRef( brivelFnString );\n"
          "\t\t\t}\n"
          "\t\t\tbrivelJniEnv->DeleteLocalRef( brvException );\n",
          f);
    bool anyByRef = false;
    for (int kind : record->passing) anyByRef = anyByRef || kind != 0;
    if (anyByRef) {
        // Values the handler stored go back to the caller only when it threw
        // nothing.
        fputs("\t\t} else {\n", f);
        for (int i = 0; i < p; ++i) {
            if (record->passing[static_cast<size_t>(i)] == 0) continue;
            CTypeMapper* mapper = record->vtblMappers[static_cast<size_t>(i)];
            {
                const CMapperCall call = CMapperCall::EventArgument(record->pureOut[static_cast<size_t>(i)]);
                mapper->EmitEventArrayReload(i, f);
                mapper->EmitEventArrayCopyToVtbl(call, i, f);
                mapper->EmitEventArrayRelease(i, f);
            }
        }
        // A value that could not go back (its conversion left an exception
        // pending) is reported as the dispatch sink reports it.
        fputs("\t\t\tbrvException = brivelJniEnv->ExceptionOccurred();\n"
              "\t\t\tif ( brvException != NULL ) {\n"
              "\t\t\t\tbrivelJniEnv->ExceptionClear();\n",
              f);
        WriteListenerMethodLookup(f, "\t\t\t\t", "jmethodID brivelMethod", "TavoOnEventException", kExceptionSignature);
        fputs("\t\t\t\tif ( brivelMethod != NULL ) {\n", f);
        fprintf(f, "\t\t\t\t\tjstring brivelFnString = brivelJniEnv->NewStringUTF( \"%s\" );\n", name);
        fputs("\t\t\t\t\tbrivelJniEnv->CallVoidMethod( brvJavaObject, brivelMethod, brivelFnString, brvException );\n"
              "\t\t\t\t\tbrivelJniEnv->DeleteLocalRef( brivelFnString );\n"
              "\t\t\t\t}\n"
              "\t\t\t\tbrivelJniEnv->DeleteLocalRef( brvException );\n"
              "\t\t\t}\n",
              f);
    }
    fputs("\t\t}\n", f);
    for (int i = 0; i < p; ++i) {
        CTypeMapper* mapper = record->vtblMappers[static_cast<size_t>(i)];
        if (record->passing[static_cast<size_t>(i)] == 0) {
            mapper->EmitVtblEventCleanup(i, f);
            const CString& expr = exprs[static_cast<size_t>(i)];
            if (expr.Find("eventArgValue_") == 0)
                fprintf(f, "\t\tif ( %s != 0 ) brivelJniEnv->DeleteLocalRef( %s );\n", expr.c_str(), expr.c_str());
        } else {
            mapper->EmitEventArrayDeleteRef(i, f);
        }
    }
    if (record->liftedResult && record->returnsBoolean)
        fputs("\tif ( brivelRetVal != 0 ) *(VARIANT_BOOL *) brivelRetVal = hResult == S_OK ? VARIANT_TRUE : VARIANT_FALSE;\n", f);
    fputs("\tif ( brivelJniEnv->ExceptionCheck()) brivelJniEnv->ExceptionClear();\n", f);
    fputs("\treturn hResult;\n", f);
}

}  // namespace

namespace {

// An event's names, documentation and the shape of its stack as the
// interface declares it.
void ReadEventRecord(ITypeInfo* info, const FUNCDESC* func, EventRecord& record, CString& comName, CString& doc,
                     std::vector<CString>& paramNames) {
    std::vector<BSTR> names(static_cast<size_t>(func->cParams) + 1, nullptr);
    UINT got = 0;
    info->GetNames(func->memid, names.data(), static_cast<UINT>(names.size()), &got);
    comName = got > 0 ? WideToAnsi(names[0]) : CString();
    for (UINT i = 1; i < names.size(); ++i) paramNames.push_back(i < got ? WideToAnsi(names[i]) : CString());
    for (BSTR name : names) SysFreeString(name);
    BSTR docText = nullptr;
    if (SUCCEEDED(info->GetDocumentation(func->memid, nullptr, &docText, nullptr, nullptr)) && docText) {
        doc = WideToAnsi(docText);
        SysFreeString(docText);
    }
    record.name = comName;
    record.memid = func->memid;
    record.slot = func->oVft / 4;
    record.present = true;
    record.paramCount = func->cParams;
    for (int i = 0; i < func->cParams; ++i) record.stackSlots.push_back(StackSlotOf(info, func->lprgelemdescParam[i].tdesc));
    record.liftedResult = func->funckind == FUNC_DISPATCH && func->elemdescFunc.tdesc.vt != VT_VOID &&
                          func->elemdescFunc.tdesc.vt != VT_HRESULT;
}

// How each argument of a written event reaches the listener: the Java
// method's name, the mappers of both sinks, by value or in a holder, and
// the parameters' Java names.
void SelectEventPassing(CBridgeGenerator* job, const FUNCDESC* func, const std::vector<CTypeMapper*>& mappers,
                        CTypeMapper* result, const CString& comName, const std::vector<CString>& paramNames,
                        EventRecord& record) {
    int count = static_cast<int>(mappers.size());
    // The Java method's name: a valid identifier that does not clash
    // with the methods of java.lang.Object; the sink looks it up by it.
    static const char* const kObjectMethods[] = {"getClass", "equals", "clone", "hashCode", "notify",
                                                 "notifyAll", "toString", "wait", "finalize"};
    MakeJavaIdentifierFree(record.name, comName);
    for (const char* objectMethod : kObjectMethods)
        if (record.name == objectMethod) record.name += "_";
    record.mappers = mappers;
    record.vtblMappers = mappers;
    for (int i = 0; i < count; ++i) {
        const TYPEDESC& type = func->lprgelemdescParam[i].tdesc;
        if (mappers[static_cast<size_t>(i)] == &g_variantMapper && type.vt == VT_PTR && type.lptdesc &&
            type.lptdesc->vt == VT_VARIANT)
            record.vtblMappers[static_cast<size_t>(i)] = &g_variantLevel1Mapper;
        // An IN-only IUnknown** or IDispatch** comes from the caller as
        // it is declared, by reference: both sinks read the interface
        // pointer through it (the call path passes it by value).
        VARTYPE target = type.vt == VT_PTR && type.lptdesc ? type.lptdesc->vt : static_cast<VARTYPE>(VT_EMPTY);
        if ((target == VT_UNKNOWN || target == VT_DISPATCH) &&
            mappers[static_cast<size_t>(i)] == SelectInvokeInterfaceMapper(job, false))
            record.mappers[static_cast<size_t>(i)] = record.vtblMappers[static_cast<size_t>(i)] =
                SelectInvokeInterfaceMapper(job, true, target);
    }
    record.result = result;
    record.returnsBoolean = JavaTypeOf(result) == "boolean";
    CNameSet localNames;
    for (int i = 0; i < count; ++i) {
        USHORT flags = func->lprgelemdescParam[i].paramdesc.wParamFlags;
        bool out = (flags & PARAMFLAG_FOUT) != 0;
        int kind = 0;
        if (out && mappers[static_cast<size_t>(i)]->IsByRefEventParam())
            kind = mappers[static_cast<size_t>(i)]->PassesByRefThroughArray() ? 1 : 2;
        record.passing.push_back(kind);
        record.pureOut.push_back(out && !(flags & PARAMFLAG_FIN));
        CString base, unique;
        MakeJavaIdentifierFree(base, paramNames[static_cast<size_t>(i)].IsEmpty() ? "arg" : paramNames[static_cast<size_t>(i)].c_str());
        job->MakeUniqueJavaName(unique, base, &localNames);
        record.javaNames.push_back(unique);
    }
}

// The listener's abstract method of one event, with its documentation.
void WriteListenerMethod(FILE* java, FILE* r, const EventRecord& record, const std::vector<CTypeMapper*>& mappers,
                         const CString& comName, const CString& doc) {
    int count = static_cast<int>(mappers.size());
    PrintToTwoFiles(java, r, "\t/** Override this method to process the \"%s\" event. \n", JavaCommentText(comName).c_str());
    if (!doc.IsEmpty()) PrintToTwoFiles(java, r, "\t  * %s\n", JavaCommentText(doc).c_str());
    for (int i = 0; i < count; ++i) {
        const char* name = record.javaNames[static_cast<size_t>(i)];
        bool pure = record.pureOut[static_cast<size_t>(i)];
        if (record.passing[static_cast<size_t>(i)] == 1)
            PrintToTwoFiles(java, r, pure ? "\t * <P>Parameter <i>%s</i> is OUT.  It will be passed inside an array of size 1, so it can be modified.\n"
                               : "\t * <P>Parameter <i>%s</i> is IN/OUT.  It will be passed inside an array of size 1, so it can be modified.\n",
                    name);
        else if (record.passing[static_cast<size_t>(i)] == 2)
            PrintToTwoFiles(java, r, pure ? "\t * <P>Parameter <i>%s</i> is an OUT parameter. It can be modified by the event handler.\n"
                               : "\t * <P>Parameter <i>%s</i> is IN/OUT parameter.  It can be modified by the event handler.\n",
                    name);
    }
    PrintToTwoFiles(java, r, "\t  */\n");
    PrintToTwoFiles(java, r, record.returnsBoolean ? "\tpublic abstract boolean %s" : "\tpublic abstract void %s", record.name.c_str());
    PrintToTwoFiles(java, r, "(");
    int counter = 0;
    for (int i = 0; i < count; ++i) {
        if (i > 0) PrintToTwoFiles(java, r, ", ");
        if (counter > 10) {
            counter = 0;
            PrintToTwoFiles(java, r, "\n\t\t");
        } else {
            ++counter;
        }
        PrintToTwoFiles(java, r, "%s%s %s", JavaTypeOf(mappers[static_cast<size_t>(i)]).c_str(),
                record.passing[static_cast<size_t>(i)] == 1 ? "[]" : "", record.javaNames[static_cast<size_t>(i)].c_str());
    }
    PrintToTwoFiles(java, r, ");\n\n");
}

}  // namespace

void CBridgeGenerator::WriteEventListener(CInterfaceEntry* entry, const CString& listenerName, ITypeInfo* info) {
    FILE* java = OpenJavaFile(listenerName);
    if (!java) return;
    // The remote-client copy: the same listener, without the native sink.
    FILE* r = OpenRemoteClientJavaFile(listenerName, true);
    FILE* cpp = m_jniFile;
    if (!m_javaPackage.IsEmpty()) PrintToTwoFiles(java, r, "package %s;\n", m_javaPackage.c_str());
    PrintToTwoFiles(java, r, "\n");
    if (!entry->help.IsEmpty()) PrintToTwoFiles(java, r, "/** %s */\n", JavaCommentText(entry->help).c_str());
    PrintToTwoFiles(java, r, "public abstract class %s extends brivel.TavoEventListener {\n\n", listenerName.c_str());

    TYPEATTR* attr = nullptr;
    int functionCount = 0;
    if (SUCCEEDED(info->GetTypeAttr(&attr)) && attr) {
        functionCount = attr->cFuncs;
        info->ReleaseTypeAttr(attr);
    }
    std::vector<EventRecord> records(static_cast<size_t>(functionCount));
    for (int f = 0; f < functionCount; ++f) {
        EventRecord& record = records[static_cast<size_t>(f)];
        FUNCDESC* func = nullptr;
        if (FAILED(info->GetFuncDesc(static_cast<UINT>(f), &func)) || !func) continue;
        CString comName, doc;
        std::vector<CString> paramNames;
        ReadEventRecord(info, func, record, comName, doc, paramNames);
        if (IsStandardComMethod(comName)) {
            record.skipped = true;
            info->ReleaseFuncDesc(func);
            continue;
        }
        auto notAvailable = [&](const char* line) {
            if (!doc.IsEmpty()) PrintToTwoFiles(java, r, "\t// %s\n", JavaCommentText(doc).c_str());
            PrintToTwoFiles(java, r, "\t// %s:\n", JavaCommentText(comName).c_str());
            PrintToTwoFiles(java, r, "%s", (line));
        };
        int count = func->cParams;
        std::vector<CTypeMapper*> mappers;
        CTypeMapper* result = nullptr;
        CString error;
        if (!CheckParameters(this, false, nullptr, info, nullptr, count, func, mappers, &result, error)) {
            CString line;
            line.Format("\t\t// Function is not available: %s\n\n", error.c_str());
            notAvailable(line);
        } else if (func->invkind != INVOKE_FUNC) {
            notAvailable("\t\t// Function is not available: Properties in event listeners are not supported.\n\n");
        } else if (func->cParamsOpt != 0) {
            notAvailable("\t\t// Function is not available: Optional parameters in event listeners are not supported.\n\n");
        } else {
            record.written = true;
            SelectEventPassing(this, func, mappers, result, comName, paramNames, record);
            WriteListenerMethod(java, r, record, mappers, comName, doc);
        }
        info->ReleaseFuncDesc(func);
    }

    if (cpp) WriteEventSink(entry, listenerName, records.size(), &records);

    PrintToTwoFiles(java, r, "\t/** Default constructor for COM-event listener object */\n\n");
    PrintToTwoFiles(java, r, "\tpublic %s()\n\t{\n", listenerName.c_str());
    fputs("\t\ttry{\n\t\t\t__TavoEventListenerInit();\n\t\t} catch (brivel.TavoException ex) {\n"
          "\t\t\tthrow new RuntimeException( ex.toString());\n\t\t}\n", java);
    PrintToTwoFiles(java, r, "\t}\n\n");
    fputs("\t/** JNI functions used internally by Brivel */\n", java);
    fputs("\tprivate native boolean __TavoEventListenerInit() throws brivel.TavoException;\n", java);
    fputs("\tstatic {\n", java);
    if (m_freeThreaded) {
        fputs("\t\t// Object prefers MTA mode.  Check for MTA.\n", java);
        fputs("\t\tif ( brivel.TavoObject.__TavoWarnMTA && ! brivel.TavoObject.TavoModeMTA()) {\n", java);
        fputs("\t\t\tSystem.err.println( \"Warning: This program should be run in \\\"MTA\\\" mode for best results.  Please see documentation on \\\"STA and MTA\\\" modes.\" );\n", java);
        fputs("\t\t\tbrivel.TavoObject.__TavoWarnMTA = false;\n\t\t}\n", java);
    }
    WriteLoadLibraryLines(java);
    fputs("\t}\n\n", java);
    PrintToTwoFiles(java, r, "}\n\n");
    fclose(java);
    if (r) fclose(r);
}

namespace {

// The event record that a slot of the virtual-table form calls (none for a
// slot without an event).
const EventRecord* RecordAtSlot(const std::vector<int>& slots, const std::vector<EventRecord>& records, int slot) {
    int index = slots[static_cast<size_t>(slot)];
    return index < 0 ? nullptr : &records[static_cast<size_t>(index)];
}

// The sink's class: IDispatch, and the virtual-table form's methods when
// the slot table could be built.
void WriteSinkClass(FILE* f, const char* name, bool callback, const std::vector<int>& slots,
                    const std::vector<EventRecord>& records) {
    bool slotsOk = !slots.empty();
    int highest = static_cast<int>(slots.size()) - 1;
    fprintf(f, "class %sHandlerImpl : public IDispatch {\n", name);
    fputs("\tjobject brvJavaObject;\n\tbool serverSide;\n\tjstring interfaceName;\n\tlong brvRef;\n", f);
    if (callback) fputs("\tvoid initDisp( jobject obj );\n", f);
    fputs("public:\n", f);
    const char* body = callback ? "{ initDisp( obj ); }" : "{}";
    fprintf(f, "\t%sHandlerImpl( jobject obj ) : interfaceName(NULL), serverSide(false), brvJavaObject( brivelGetJniEnv()->NewGlobalRef( obj )), brvRef(1) %s\n\n", name, body);
    fprintf(f, "\t%sHandlerImpl( jstring intf, jobject obj ) : interfaceName(intf), serverSide(true), brvJavaObject( brivelGetJniEnv()->NewGlobalRef( obj )), brvRef(1) %s\n\n", name, body);
    fputs("\tvirtual HRESULT STDMETHODCALLTYPE QueryInterface( REFIID riid, void __RPC_FAR *__RPC_FAR *ppvObject);\n"
          "\tvirtual ULONG STDMETHODCALLTYPE AddRef( void);\n"
          "\tvirtual ULONG STDMETHODCALLTYPE Release( void);\n"
          "\tvirtual HRESULT STDMETHODCALLTYPE GetTypeInfoCount( UINT __RPC_FAR *pctinfo);\n"
          "\tvirtual HRESULT STDMETHODCALLTYPE GetTypeInfo( UINT iTInfo, LCID lcid, ITypeInfo __RPC_FAR *__RPC_FAR *ppTInfo);\n"
          "\tvirtual HRESULT STDMETHODCALLTYPE GetIDsOfNames( REFIID riid, LPOLESTR __RPC_FAR *rgszNames, UINT cNames, LCID lcid, DISPID __RPC_FAR *rgDispId);\n"
          "\tvirtual HRESULT STDMETHODCALLTYPE Invoke( DISPID dispIdMember, REFIID riid, LCID lcid, WORD wFlags, DISPPARAMS __RPC_FAR *pDispParams, VARIANT __RPC_FAR *pVarResult, EXCEPINFO __RPC_FAR *pExcepInfo, UINT __RPC_FAR *puArgErr);\n",
          f);
    // The virtual-table form: one method per slot after IDispatch's seven,
    // so that a caller of the interface's own slots reaches its event.
    for (int slot = 7; slotsOk && slot <= highest; ++slot) {
        fprintf(f, "\tvirtual HRESULT STDMETHODCALLTYPE Event_%d", slot - 6);
        WriteEventHandlerSignature(f, RecordAtSlot(slots, records, slot), false);
        fputs(";\n", f);
    }
    fputs("};\n\n\n", f);
}

// The sink's IUnknown methods and the IDispatch methods it does not serve;
// a callback sink's object is the listener's own.
void WriteSinkObjectMethods(FILE* f, const CInterfaceEntry* entry, const char* name, bool slotsOk) {
    bool callback = entry->isCallback;
    if (callback) {
        // The listener is the callback interface's Java object, and its
        // sink the interface's COM object: the pointer goes into the
        // listener's own (event) field, where the wrappers that pass the
        // listener read it. A listener has no field of brivel.TavoObject. A
        // server-side sink's object is a coclass object, whose COM pointer
        // stays its own.
        fprintf(f, "void %sHandlerImpl::initDisp( jobject obj )\n{\n", name);
        fputs("\tif ( serverSide ) return;\n"
              "\tJNIEnv * env = brivelGetJniEnv();\n\tenv->SetIntField( obj, brivelGetEventId(), (long)( (IDispatch *) this ));\n}\n\n",
              f);
    }
    fprintf(f, "HRESULT STDMETHODCALLTYPE %sHandlerImpl::QueryInterface( REFIID riid, void __RPC_FAR *__RPC_FAR *ppvObject)\n{\n", name);
    if (slotsOk)
        fprintf(f, "\tif ( riid == IID_IUnknown || riid == IID_IDispatch || riid == IID_ITavo%s ) {\n", entry->javaName.c_str());
    else
        fputs("\tif ( riid == IID_IUnknown || riid == IID_IDispatch ) {\n", f);
    fputs("\t\t*ppvObject = this;\n\t\tAddRef();\n\t\treturn S_OK;\n\t}\n", f);
    fprintf(f, "\tif ( riid == IID_BrivelQueryIID ) {\n\t\t*ppvObject = (void *) &IID_ITavo%s;\n\t\treturn S_OK;\n\t}\n",
            entry->javaName.c_str());
    fputs("\t*ppvObject = NULL;\n\treturn E_NOINTERFACE;\n}\n\n", f);
    fprintf(f, "ULONG STDMETHODCALLTYPE %sHandlerImpl::AddRef( void )\n{\n\treturn InterlockedIncrement( &brvRef );\n}\n\n", name);
    // The count is taken from the decrement itself: once it reaches 0 the
    // object may be gone.
    fprintf(f, "ULONG STDMETHODCALLTYPE %sHandlerImpl::Release( void )\n{\n", name);
    // Without a VM (gone, or never on this thread) there is no reference to
    // delete.
    fputs("\tLONG brvCount = InterlockedDecrement( &brvRef );\n\tif ( brvCount <= 0 ) {\n"
          "\t\tJNIEnv * brivelJniEnv = brivelGetJniEnv();\n"
          "\t\tif ( brivelJniEnv != NULL ) {\n"
          "\t\t\tif ( brvJavaObject != NULL ) brivelJniEnv->DeleteGlobalRef( brvJavaObject );\n"
          "\t\t\tif ( interfaceName != NULL ) brivelJniEnv->DeleteGlobalRef( interfaceName );\n"
          "\t\t}\n"
          "\t\tdelete this;\n\t\treturn 0;\n\t}\n\treturn brvCount;\n}\n\n",
          f);
    fprintf(f, "HRESULT STDMETHODCALLTYPE %sHandlerImpl::GetTypeInfoCount( UINT __RPC_FAR *pctinfo)\n{\n\treturn E_NOTIMPL;\n}\n\n", name);
    fprintf(f, "HRESULT STDMETHODCALLTYPE %sHandlerImpl::GetTypeInfo( UINT iTInfo, LCID lcid, ITypeInfo __RPC_FAR *__RPC_FAR *ppTInfo )\n{\n\treturn E_NOTIMPL;\n}\n\n", name);
    fprintf(f, "HRESULT STDMETHODCALLTYPE %sHandlerImpl::GetIDsOfNames( REFIID riid, LPOLESTR __RPC_FAR *rgszNames, UINT cNames, LCID lcid, DISPID __RPC_FAR *rgDispId)\n{\n\treturn E_NOTIMPL;\n}\n\n", name);
}

// An event's arguments as the event declares them, before any is read: each
// goes through brivelEventArgument into the case's own array (a conversion
// into brivelOwnArgs, cleared at the end of the case), which then stands in
// for the caller's DISPPARAMS. An argument that cannot be had in its type
// answers DISP_E_TYPEMISMATCH with its index, and no listener is called.
void WriteEventArgumentTypes(FILE* f, const EventRecord& record) {
    int p = static_cast<int>(record.mappers.size());
    fprintf(f, "\t\tVARIANTARG brivelArgs[%d];\n\t\tVARIANTARG brivelOwnArgs[%d];\n", p, p);
    fprintf(f, "\t\tfor ( int brivelArg = 0; brivelArg < %d; brivelArg++ ) VariantInit( &brivelOwnArgs[brivelArg] );\n", p);
    fputs("\t\tint brivelBadArg = -1;\n", f);
    for (int i = 0; i < p; ++i) {
        CString vt = record.mappers[static_cast<size_t>(i)]->GetEventArgumentVt();
        if (vt.IsEmpty()) vt = "VT_EMPTY";
        fprintf(f,
                "\t\tif ( brivelBadArg < 0 && FAILED( brivelEventArgument( &pDispParams->rgvarg[eventParamIndex%d], %s, "
                "&brivelOwnArgs[%d], &brivelArgs[%d] ))) brivelBadArg = eventParamIndex%d;\n",
                i, vt.c_str(), i, i, i);
    }
    fprintf(f, "\t\tif ( brivelBadArg >= 0 ) {\n"
               "\t\t\tfor ( int brivelArg = 0; brivelArg < %d; brivelArg++ ) VariantClear( &brivelOwnArgs[brivelArg] );\n"
               "\t\t\tif ( puArgErr != NULL ) *puArgErr = (UINT) brivelBadArg;\n"
               "\t\t\treturn brivelRefuseEvent( brivelJniEnv, brvJavaObject, serverSide, \"%s\", \"%s\", DISP_E_TYPEMISMATCH );\n\t\t}\n",
            p, record.name.c_str(), kTypeRefusal);
    fprintf(f, "\t\tDISPPARAMS brivelParams = { brivelArgs, NULL, %d, 0 };\n", p);
    fputs("\t\t// From here the arguments are read from the case's own array.\n"
          "\t\tDISPPARAMS * pDispParams = &brivelParams;\n", f);
    for (int i = 0; i < p; ++i) fprintf(f, "\t\teventParamIndex%d = %d;\n", i, i);
}

// One event's case of Invoke: the listener's method looked up, the
// arguments converted, the call (or the server-side forward), values that
// go back to the caller, and the release of every argument.
void WriteDispatchEventCase(FILE* f, const EventRecord& record) {
    int p = static_cast<int>(record.mappers.size());
    fprintf(f, "\tif ( dispIdMember == %d ) {\n", static_cast<int>(record.memid));
    fputs("\t\tjmethodID brivelMethod = NULL;\n\t\tif ( ! serverSide ) {\n", f);
    WriteListenerMethodLookup(f, "\t\t\t", "brivelMethod", record.name.c_str(), EventSignature(record).c_str());
    fputs("\t\t\tif ( brivelMethod == NULL ) brivelJniEnv->ExceptionClear();\n", f);
    fputs("\t\t\tif ( brivelMethod == NULL && brivelError == NULL ) brivelError = \"Unable to locate method\";\n", f);
    fputs("\t\t}\n", f);
    fprintf(f, "\t\tbrivelFnName = \"%s\";\n", record.name.c_str());
    for (int i = 0; i < p; ++i) {
        fprintf(f, "\t\tint eventParamIndex%d = brivelGetParamIndex(%d,pDispParams,%d);\n", i, i, p);
        fprintf(f, "\t\tif ( eventParamIndex%d < 0 ) return brivelRefuseEvent( brivelJniEnv, brvJavaObject, serverSide, \"%s\", \"%s\", DISP_E_BADPARAMCOUNT );\n",
                i, record.name.c_str(), kCountRefusal);
    }
    // Events whose arguments the mappers read as they come need no copies.
    bool typed = false;
    for (CTypeMapper* mapper : record.mappers) typed = typed || !mapper->GetEventArgumentVt().IsEmpty();
    if (typed) WriteEventArgumentTypes(f, record);
    std::vector<CString> exprs;
    if (p > 0) fputs("\t\tjthrowable brivelUnmade = NULL;\n", f);
    for (int i = 0; i < p; ++i) {
        CTypeMapper* mapper = record.mappers[static_cast<size_t>(i)];
        CString expr;
        if (record.passing[static_cast<size_t>(i)] == 0) {
            mapper->EmitEventParam(CMapperCall::EventArgument(record.pureOut[static_cast<size_t>(i)]), i, f);
            mapper->GetEventArgExpr(i, expr);
            // An inline conversion makes a Java object: keep it in a local
            // so that it can be deleted after the calls.
            CString type;
            mapper->GetJniType(type);
            if (expr.Find("(") >= 0 && IsJavaReferenceType(type)) {
                fprintf(f, "\t\t%s eventArgValue_%d = %s;\n", type.c_str(), i, expr.c_str());
                expr.Format("eventArgValue_%d", i);
            }
        } else {
            {
                const CMapperCall call = CMapperCall::EventArgument(record.pureOut[static_cast<size_t>(i)]);
                mapper->EmitEventArrayCreate(i, f);
                mapper->EmitEventArrayFillFromVariant(call, i, f);
                mapper->EmitEventArrayPublish(i, f);
            }
            mapper->GetEventArrayExpr(i, expr);
        }
        EmitEventArgumentMadeCheck(f);
        exprs.push_back(expr);
    }
    WriteUnmadeRaised(f, p);
    // An argument the VM could not make (its exception pending) calls no
    // Java: the exception goes to the listener's TavoOnEventException.
    const char* made = p > 0 ? " && brivelUnmade == NULL" : "";
    fprintf(f, "\t\tif ( brivelMethod != NULL && brivelError == NULL%s ) ", made);
    fputs(record.returnsBoolean ? "hResult = brivelJniEnv->CallBooleanMethod( brvJavaObject, brivelMethod"
                                : "brivelJniEnv->CallVoidMethod( brvJavaObject, brivelMethod",
          f);
    if (p == 0) {
        fputs(" ", f);
    } else {
        fputs("\n", f);
        for (int i = 0; i < p; ++i) fprintf(f, "\t\t\t, %s\n", exprs[static_cast<size_t>(i)].c_str());
        fputs("\t\t", f);
    }
    fputs(record.returnsBoolean ? ") ? S_OK : S_FALSE;\n" : ");\n", f);
    fprintf(f, "\t\tif ( serverSide && brivelError == NULL%s ) ", made);
    if (record.returnsBoolean) fputs("hResult = ", f);
    fprintf(f, "OnServerSideEvent( brivelJniEnv, brvJavaObject, interfaceName, %d, 0, \"%s\", \"%s\"", p,
            record.returnsBoolean ? "boolean" : "void", record.name.c_str());
    if (p == 0) {
        fputs(" ", f);
    } else {
        fputs("\n", f);
        for (int i = 0; i < p; ++i) {
            CString javaType = JavaTypeOf(record.mappers[static_cast<size_t>(i)]);
            if (javaType == "String") javaType = "java.lang.String";
            fprintf(f, "\t\t\t, %s, \"%s\", %s\n", record.passing[static_cast<size_t>(i)] ? "true" : "false",
                    javaType.c_str(), exprs[static_cast<size_t>(i)].c_str());
        }
        fputs("\t\t", f);
    }
    fputs(record.returnsBoolean ? ") ? S_OK : S_FALSE;\n" : ");\n", f);
    bool anyByRef = false;
    for (int kind : record.passing) anyByRef = anyByRef || kind != 0;
    if (anyByRef) {
        fputs("\t\tif ( ! brivelJniEnv->ExceptionCheck()) {\n", f);
        for (int i = 0; i < p; ++i) {
            if (record.passing[static_cast<size_t>(i)] == 0) continue;
            CTypeMapper* mapper = record.mappers[static_cast<size_t>(i)];
            {
                const CMapperCall call = CMapperCall::EventArgument(record.pureOut[static_cast<size_t>(i)]);
                mapper->EmitEventArrayReload(i, f);
                mapper->EmitEventArrayCopyToVariant(call, i, f);
                mapper->EmitEventArrayRelease(i, f);
            }
        }
        fputs("\t\t}\n", f);
    }
    for (int i = 0; i < p; ++i) {
        CTypeMapper* mapper = record.mappers[static_cast<size_t>(i)];
        if (record.passing[static_cast<size_t>(i)] == 0) {
            mapper->EmitEventCleanup(i, f);
            CString expr = exprs[static_cast<size_t>(i)];
            CString jni;
            mapper->GetJniType(jni);
            if (expr.Find("eventArgValue_") == 0 && IsJavaReferenceType(jni))
                fprintf(f, "\t\tif ( %s != 0 ) brivelJniEnv->DeleteLocalRef( %s );\n", expr.c_str(), expr.c_str());
        } else {
            mapper->EmitEventArrayDeleteRef(i, f);
        }
    }
    if (typed) fprintf(f, "\t\tfor ( int brivelArg = 0; brivelArg < %d; brivelArg++ ) VariantClear( &brivelOwnArgs[brivelArg] );\n", p);
    fputs("\t}\n", f);
}

// Invoke: every event's case, then the report of what went wrong to the
// listener.
void WriteSinkInvoke(FILE* f, const char* name, const std::vector<EventRecord>& records) {
    fprintf(f, "HRESULT STDMETHODCALLTYPE %sHandlerImpl::Invoke( DISPID dispIdMember, REFIID riid, LCID lcid, WORD wFlags,\n", name);
    fputs("    DISPPARAMS __RPC_FAR *pDispParams,\n    VARIANT __RPC_FAR *pVarResult,\n    EXCEPINFO __RPC_FAR *pExcepInfo,\n"
          "    UINT __RPC_FAR *puArgErr)\n{\n"
          "\tJNIEnv * brivelJniEnv = brivelGetJniEnv();\n"
          "\tif ( brivelJniEnv == NULL ) return E_UNEXPECTED;\n"
          "\tbrivelInitEventThread( brivelJniEnv );\n"
          "\tconst char * brivelError = NULL;\n"
          "\tconst char * brivelFnName = NULL;\n"
          "\tHRESULT hResult = S_OK;\n"
          "\tif ( serverSide && ! CheckServerSideEvents( brivelJniEnv )) return hResult;\n",
          f);
    for (const EventRecord& record : records)
        if (record.written) WriteDispatchEventCase(f, record);
    fputs("\tif ( brivelError != NULL && brivelFnName != NULL ) {\n", f);
    WriteListenerMethodLookup(f, "\t\t", "jmethodID brivelMethod", "TavoOnEventError", kErrorSignature);
    fputs("\t\tif ( brivelMethod != NULL ) {\n"
          "\t\t\tjstring brivelFnString = brivelJniEnv->NewStringUTF( brivelFnName );\n"
          "\t\t\tjstring brivelErrorString = brivelJniEnv->NewStringUTF( brivelError );\n"
          "\t\t\tbrivelJniEnv->CallVoidMethod( brvJavaObject, brivelMethod, brivelFnString, brivelErrorString );\n"
          "\t\t\tbrivelJniEnv->DeleteLocalRef( brivelFnString );\n"
          "\t\t\tbrivelJniEnv->DeleteLocalRef( brivelErrorString );\n"
          "\t\t}\n"
          "\t} else {\n"
          "\t\tjthrowable brvException = brivelJniEnv->ExceptionOccurred();\n"
          "\t\tif ( brvException != NULL ) {\n"
          "\t\t\tbrivelJniEnv->ExceptionClear();\n",
          f);
    WriteListenerMethodLookup(f, "\t\t\t", "jmethodID brivelMethod", "TavoOnEventException", kExceptionSignature);
    fputs("\t\t\tif ( brivelMethod != NULL ) {\n"
          "\t\t\t\tjstring brivelFnString = brivelJniEnv->NewStringUTF( brivelFnName );\n"
          "\t\t\t\tbrivelJniEnv->CallVoidMethod( brvJavaObject, brivelMethod, brivelFnString, brvException );\n"
          "\t\t\t\tbrivelJniEnv->DeleteLocalRef( brivelFnString );\n"
          "\t\t\t}\n"
          "\t\t\tbrivelJniEnv->DeleteLocalRef( brvException );\n"
          "\t\t}\n"
          "\t}\n"
          "\tif ( brivelJniEnv->ExceptionCheck()) brivelJniEnv->ExceptionClear();\n"
          "\treturn hResult;\n"
          "}\n\n",
          f);
}

// The natives of the listener class: loading the event interface of a COM
// object and making the listener's sink.
void WriteSinkNatives(FILE* f, const CString& jniPackage, const CInterfaceEntry* entry, const CString& listenerName) {
    const char* name = listenerName;
    CString mangledName;
    JniMangleName(mangledName, listenerName);
    fprintf(f, "extern \"C\" JNIEXPORT jboolean JNICALL Java_%s__1_1TavoLoad\n", QualifiedName(jniPackage, mangledName, '_').c_str());
    fputs("\t(JNIEnv * env, jobject thisObj, jobject obj, jboolean initial )\n{\n\tHRESULT ret;\n\tIUnknown * pUnk;\n\tIDispatch * pDisp;\n"
          "\tbrivelInitThread( env );\n"
          "\tif ( obj == 0 ) return 0;\n"
          "\tpUnk = (IUnknown *) env->GetIntField( obj, brivelGetComId());\n",
          f);
    fprintf(f, "\tret = brivelQueryInterface( env, pUnk, &IID_ITavo%s, (void **) &pDisp );\n", entry->javaName.c_str());
    fputs("\tif ( brivelCheckFatalError( env )) return 0;\n\tif ( FAILED( ret ) && initial ) {\n"
          "\t\tret = brivelQueryInterface( env, pUnk, &IID_IDispatch, (void **) &pDisp );\n"
          "\t\tif ( brivelCheckFatalError( env )) return 0;\n\t}\n\tif ( FAILED( ret )) {\n\t\treturn 0;\n\t}\n"
          "\tenv->SetIntField( thisObj, brivelGetComId(), (jint) pDisp );\n\treturn 1;\n}\n\n",
          f);
    fprintf(f, "extern \"C\" JNIEXPORT jboolean JNICALL Java_%s__1_1TavoEventListenerInit\n",
            QualifiedName(jniPackage, mangledName, '_').c_str());
    // No memory for the sink: OutOfMemoryError, not an exception of C++
    // thrown through the VM's frames.
    fprintf(f, "\t(JNIEnv * env, jobject thisObj )\n{\n\tbrivelInitThread( env );\n"
               "\t%sHandlerImpl * sink = 0;\n"
               "\ttry {\n\t\tsink = new %sHandlerImpl( thisObj );\n\t} catch ( ... ) {\n"
               "\t\tenv->ThrowNew( brivelFindClass( env, \"java/lang/OutOfMemoryError\" ), \"event sink\" );\n"
               "\t\treturn 0;\n\t}\n"
               "\tenv->SetIntField( thisObj, brivelGetEventId(), (jint) sink );\n\treturn 1;\n}\n\n",
            name, name);
}

}  // namespace

void CBridgeGenerator::WriteEventSink(CInterfaceEntry* entry, const CString& listenerName, size_t, void* recordsIn) {
    auto& records = *static_cast<std::vector<EventRecord>*>(recordsIn);
    FILE* f = m_jniFile;
    const char* name = listenerName;
    // The vtable form: a slot table within 4 x functions + 400 entries.
    std::vector<int> slots = BuildEventSlotTable(records);
    bool slotsOk = !slots.empty();
    int highest = static_cast<int>(slots.size()) - 1;
    WriteSinkClass(f, name, entry->isCallback, slots, records);
    WriteSinkObjectMethods(f, entry, name, slotsOk);
    for (int slot = 7; slotsOk && slot <= highest; ++slot) {
        fprintf(f, "\nHRESULT STDMETHODCALLTYPE %sHandlerImpl::Event_%d", name, slot - 6);
        WriteEventHandlerSignature(f, RecordAtSlot(slots, records, slot), true);
        fputs("\n{\n", f);
        WriteEventHandlerEntry(f, RecordAtSlot(slots, records, slot));
        fputs("}\n\n", f);
    }

    if (!m_paramIndexWritten) {
        m_paramIndexWritten = true;
        // Named arguments come first in rgvarg, wherever the positional index
        // stands; positional ones follow in reverse order. A parameter the
        // caller did not pass gives -1.
        fputs("int brivelGetParamIndex( int arg, DISPPARAMS * param, int cArgs )\n{\n"
              "\tfor ( int i = 0; i < (int) param->cNamedArgs; i++ ) {\n"
              "\t\tif ( param->rgdispidNamedArgs[i] == arg )\n"
              "\t\t\treturn i;\n"
              "\t}\n"
              "\tint index = (int) param->cArgs - 1 - arg;\n"
              "\tif ( index < (int) param->cNamedArgs || index >= (int) param->cArgs ) return -1;\n"
              "\treturn index;\n"
              "}\n\n",
              f);
        // An event's argument as its event declares it (`vt`), read through
        // `use`: a value of another type converted into `own` (the sink
        // clears it); a reference must point at the declared type, since the
        // sink writes back through it; VT_INT reads as VT_I4, VT_UINT as
        // VT_UI4, an IDispatch as an IUnknown, no object as a null one, and
        // VT_NULL as an absent string or date (a null string, the zero date).
        fputs("HRESULT brivelEventArgument( VARIANTARG * arg, VARTYPE vt, VARIANTARG * own, VARIANTARG * use )\n{\n"
              "\t*use = *arg;\n"
              "\tif ( vt == VT_EMPTY ) return S_OK;\n"
              "\tVARTYPE types[2] = { V_VT( arg ), vt };\n"
              "\tfor ( int i = 0; i < 2; i++ ) {\n"
              "\t\tVARTYPE base = (VARTYPE) ( types[i] & ~VT_BYREF );\n"
              "\t\tif ( base == VT_INT ) base = VT_I4;\n"
              "\t\telse if ( base == VT_UINT ) base = VT_UI4;\n"
              "\t\telse if ( base == VT_DISPATCH ) base = VT_UNKNOWN;\n"
              "\t\ttypes[i] = (VARTYPE) (( types[i] & VT_BYREF ) | base );\n"
              "\t}\n"
              "\tif ( types[0] == types[1] ) return S_OK;\n"
              "\tif ( vt & VT_BYREF ) return DISP_E_TYPEMISMATCH;\n"
              "\tif ( vt == VT_UNKNOWN && ( V_VT( arg ) == VT_EMPTY || V_VT( arg ) == VT_NULL )) {\n"
              "\t\tV_VT( use ) = VT_UNKNOWN;\n"
              "\t\tV_UNKNOWN( use ) = NULL;\n"
              "\t\treturn S_OK;\n"
              "\t}\n"
              "\tif ( V_VT( arg ) == VT_NULL && ( vt == VT_BSTR || vt == VT_DATE )) {\n"
              "\t\tV_VT( use ) = vt;\n"
              "\t\tif ( vt == VT_BSTR ) V_BSTR( use ) = NULL;\n"
              "\t\telse V_DATE( use ) = 0;\n"
              "\t\treturn S_OK;\n"
              "\t}\n"
              "\tif ( FAILED( VariantChangeType( own, arg, 0, vt ))) return DISP_E_TYPEMISMATCH;\n"
              "\t*use = *own;\n"
              "\treturn S_OK;\n"
              "}\n\n",
              f);
        // A refused event reaches no listener method: the listener's
        // TavoOnEventError hears of it (a server-side sink's object is no
        // listener), and the source gets the refusal as the answer.
        fputs("static HRESULT brivelRefuseEvent( JNIEnv * brivelJniEnv, jobject brvJavaObject, bool serverSide, const char * event, const char * error, HRESULT hr )\n{\n"
              "\tif ( brivelJniEnv == NULL || serverSide ) return hr;\n"
              "\tjclass brivelListenerClass = brivelJniEnv->GetObjectClass( brvJavaObject );\n"
              "\tjmethodID brivelMethod = brivelListenerClass == NULL ? NULL : brivelJniEnv->GetMethodID( brivelListenerClass, \"TavoOnEventError\", \"(Ljava/lang/String;Ljava/lang/String;)V\" );\n"
              "\tif ( brivelListenerClass != NULL ) brivelJniEnv->DeleteLocalRef( brivelListenerClass );\n"
              "\tif ( brivelMethod != NULL ) {\n"
              "\t\tjstring brivelFnString = brivelJniEnv->NewStringUTF( event );\n"
              "\t\tjstring brivelErrorString = brivelFnString == NULL ? NULL : brivelJniEnv->NewStringUTF( error );\n"
              "\t\tif ( brivelErrorString != NULL ) brivelJniEnv->CallVoidMethod( brvJavaObject, brivelMethod, brivelFnString, brivelErrorString );\n"
              "\t\tif ( brivelFnString != NULL ) brivelJniEnv->DeleteLocalRef( brivelFnString );\n"
              "\t\tif ( brivelErrorString != NULL ) brivelJniEnv->DeleteLocalRef( brivelErrorString );\n"
              "\t}\n"
              "\tif ( brivelJniEnv->ExceptionCheck()) brivelJniEnv->ExceptionClear();\n"
              "\treturn hr;\n"
              "}\n\n",
              f);
    }
    WriteSinkInvoke(f, name, records);
    WriteSinkNatives(f, m_jniPackage, entry, listenerName);
}
