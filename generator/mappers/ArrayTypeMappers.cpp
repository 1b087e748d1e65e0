#include "ArrayTypeMappers.h"

// ---- names

CString CSafeArrayTypeMapper::HolderWord() {
    if (const char* word = m_element->GetHelperKindWord()) return word;
    CString javaType;
    m_element->GetJavaType(javaType);
    if (javaType == "String") return "String";
    if (javaType == "java.util.Date") return "Date";
    return "Variant";
}

void CSafeArrayTypeMapper::GetJavaType(CString& text) {
    if (m_byRef) {
        text = "brivel.out.Tavo" + HolderWord() + "Array";
    } else {
        m_element->GetJavaType(text);
        text += "[]";
    }
}

void CSafeArrayTypeMapper::GetJniType(CString& text) {
    if (m_byRef) {
        text = "jobject";
    } else {
        const char* arrayType = m_element->GetJniArrayType();
        text = arrayType ? arrayType : "jobjectArray";
    }
}

void CSafeArrayTypeMapper::GetJniSignature(bool mangled, CString& text) {
    if (m_byRef) {
        text = (mangled ? "Lbrivel_out_Tavo" : "Lbrivel/out/Tavo") + HolderWord() + (mangled ? "Array_2" : "Array;");
    } else {
        CString element;
        m_element->GetJniSignature(mangled, element);
        text = (mangled ? "_3" : "[") + element;
    }
}

CString CSafeArrayTypeMapper::ElementVt() {
    const char* vt = m_element->GetVtName();
    if (!vt) return "VT_EMPTY";
    if (CString(vt) == "VT_INT") return "VT_I4";
    return vt;
}

// The holders of objects declare their field with the product's base
// class, whatever the element's own class: the field is found only by that
// signature.
CString CSafeArrayTypeMapper::HolderFieldSignature() {
    CString word = HolderWord();
    if (word == "Comobj") return "[Lbrivel/TavoObject;";
    if (word == "Enum") return "[Lbrivel/TavoEnumeration;";
    if (word == "Record") return "[Lbrivel/TavoRecord;";
    if (word == "Variant") return "[Lbrivel/TavoVariant;";
    CString element;
    m_element->GetJniSignature(false, element);
    return "[" + element;
}

CString CSafeArrayTypeMapper::ElementClassPath() {
    CString signature;
    m_element->GetJniSignature(false, signature);
    // "L<path>;" -> "<path>"
    if (signature.GetLength() >= 2 && signature.GetAt(0) == 'L')
        return signature.Mid(1, signature.GetLength() - 2);
    return signature;
}

// ---- shared pieces of text

namespace {

const char* ReturnText(bool returnsValue) { return returnsValue ? "return 0;" : "return;"; }

// A SAFEARRAY held by a VARIANT, read where the VARIANT's type says it is:
// nothing when the VARIANT does not hold an array.
CString ArrayInVariant(const char* variant) {
    CString text;
    text.Format("((( %s ).vt & VT_ARRAY ) == 0 ? (SAFEARRAY *) 0 : (( %s ).vt & VT_BYREF ) ? "
                "(( %s ).pparray == 0 ? (SAFEARRAY *) 0 : *( %s ).pparray ) : ( %s ).parray )",
                variant, variant, variant, variant, variant);
    return text;
}

}  // namespace

// Writes, at `indent`, a local `target` of the Java array that holds the
// elements of the SAFEARRAY `source` (which stays the caller's). Interface
// pointers and enumeration values become objects of the element's class one
// by one: the array is read only when it is one-dimensional and holds
// elements of that kind, null pointers stay null elements, and each
// element's local reference is deleted once stored.
void CSafeArrayTypeMapper::WriteJavaArrayFrom(FILE* f, const char* i, const char* env, const char* source,
                                              const char* target) {
    if (!HasObjectElements()) {
        const char* arrayType = m_element->GetJniArrayType();
        CString jniType = arrayType ? arrayType : "jobjectArray";
        fprintf(f, "%s%s %s = (%s) brivelSafeArrayToJArray( %s, %s, %s );\n", i, jniType.c_str(), target,
                jniType.c_str(), env, source, ElementVt().c_str());
        return;
    }
    bool interfaces = HasInterfaceElements();
    CString cls = ElementClassPath();
    fprintf(f, "%sjobjectArray %s = 0;\n", i, target);
    if (interfaces)
        fprintf(f, "%sif ( %s != 0 && SafeArrayGetDim( %s ) == 1 && ( %s->fFeatures & ( FADF_UNKNOWN | FADF_DISPATCH )) != 0 ) {\n",
                i, source, source, source);
    else
        fprintf(f, "%sif ( %s != 0 && SafeArrayGetDim( %s ) == 1 && SafeArrayGetElemsize( %s ) == sizeof( LONG )) {\n", i,
                source, source, source);
    fprintf(f, "%s\tjsize %sLength = (jsize) %s->rgsabound[0].cElements;\n", i, target, source);
    fprintf(f, "%s\tjclass %sClass = brivelFindClass( %s, \"%s\" );\n", i, target, env, cls.c_str());
    fprintf(f, "%s\tvoid * %sData = 0;\n", i, target);
    fprintf(f, "%s\tif ( %sClass != 0 ) %s = %s->NewObjectArray( %sLength, %sClass, 0 );\n", i, target, target, env, target,
            target);
    fprintf(f, "%s\tif ( %s != 0 && %sLength > 0 && SUCCEEDED( SafeArrayAccessData( %s, &%sData ))) {\n", i, target,
            target, source, target);
    fprintf(f, "%s\t\tfor ( jsize %sIndex = 0; %sIndex < %sLength; %sIndex++ ) {\n", i, target, target, target, target);
    if (interfaces) {
        fprintf(f, "%s\t\t\tIUnknown * %sUnk = ((IUnknown **) %sData)[%sIndex];\n", i, target, target, target);
        fprintf(f, "%s\t\t\tif ( %sUnk == 0 ) continue;\n", i, target);
        fprintf(f, "%s\t\t\tjobject %sItem = brivelUnknownToInterfaceObject( %s, %sUnk, \"%s\" );\n", i, target, env,
                target, cls.c_str());
    } else {
        fprintf(f, "%s\t\t\tjobject %sItem = brivelIntToEnumeratedObject( %s, (int) ((LONG *) %sData)[%sIndex], \"%s\" );\n",
                i, target, env, target, target, cls.c_str());
    }
    fprintf(f, "%s\t\t\tif ( %sItem == 0 ) {\n", i, target);
    fprintf(f, "%s\t\t\t\tif ( %s->ExceptionCheck() ) break;\n", i, env);
    fprintf(f, "%s\t\t\t\tcontinue;\n", i);
    fprintf(f, "%s\t\t\t}\n", i);
    fprintf(f, "%s\t\t\t%s->SetObjectArrayElement( %s, %sIndex, %sItem );\n", i, env, target, target, target);
    fprintf(f, "%s\t\t\t%s->DeleteLocalRef( %sItem );\n", i, env, target);
    fprintf(f, "%s\t\t}\n", i);
    fprintf(f, "%s\t\tSafeArrayUnaccessData( %s );\n", i, source);
    fprintf(f, "%s\t}\n", i);
    // Event sinks run on threads whose local references live on.
    fprintf(f, "%s\tif ( %sClass != 0 ) %s->DeleteLocalRef( %sClass );\n", i, target, env, target);
    fprintf(f, "%s}\n", i);
}

// Writes the assignment of a new VT_I4 SAFEARRAY made from the Java array of
// enumeration objects `javaArray` to the local `target` (left as it is for a
// null Java array); null elements are 0.
void CSafeArrayTypeMapper::WriteEnumSafeArrayFrom(FILE* f, const char* i, const char* javaArray, const char* target) {
    fprintf(f, "%sif ( %s != 0 ) {\n", i, javaArray);
    fprintf(f, "%s\tjobjectArray %sJava = (jobjectArray) %s;\n", i, target, javaArray);
    fprintf(f, "%s\tjsize %sLength = env->GetArrayLength( %sJava );\n", i, target, target);
    fprintf(f, "%s\tvoid * %sData = 0;\n", i, target);
    fprintf(f, "%s\t%s = SafeArrayCreateVector( VT_I4, 0, (ULONG) %sLength );\n", i, target, target);
    fprintf(f, "%s\tif ( %s != 0 && SUCCEEDED( SafeArrayAccessData( %s, &%sData ))) {\n", i, target, target, target);
    fprintf(f, "%s\t\tfor ( jsize %sIndex = 0; %sIndex < %sLength && ! env->ExceptionCheck(); %sIndex++ ) {\n", i,
            target, target, target, target);
    fprintf(f, "%s\t\t\tjobject %sItem = env->GetObjectArrayElement( %sJava, %sIndex );\n", i, target, target, target);
    fprintf(f, "%s\t\t\t((LONG *) %sData)[%sIndex] = %sItem == 0 ? 0 : (LONG) brivelEnumeratedObjectToInt( env, %sItem );\n",
            i, target, target, target, target);
    fprintf(f, "%s\t\t\tif ( %sItem != 0 ) env->DeleteLocalRef( %sItem );\n", i, target, target);
    fprintf(f, "%s\t\t}\n", i);
    fprintf(f, "%s\t\tSafeArrayUnaccessData( %s );\n", i, target);
    fprintf(f, "%s\t}\n", i);
    fprintf(f, "%s}\n", i);
}

// Writes, at `indent`, the declaration of the SAFEARRAY local `target` made
// from the value of the holder `holder`.
void CSafeArrayTypeMapper::WriteSafeArrayFromHolder(FILE* f, const char* i, const char* holder, const char* target) {
    CString field = HolderFieldSignature();
    if (!IsEnumElements()) {
        fprintf(f, "%sSAFEARRAY * %s = brivelArrayObjToSafeArray( env, %s, %s, \"%s\" );\n", i, target,
                ElementVt().c_str(), holder, field.c_str());
        return;
    }
    fprintf(f, "%sSAFEARRAY * %s = 0;\n", i, target);
    fprintf(f, "%s{\n", i);
    fprintf(f, "%s\tjfieldID %sField = env->GetFieldID( env->GetObjectClass( %s ), \"array\", \"%s\" );\n", i, target,
            holder, field.c_str());
    fprintf(f, "%s\tjobject %sValue = %sField == 0 ? 0 : env->GetObjectField( %s, %sField );\n", i, target, target,
            holder, target);
    WriteEnumSafeArrayFrom(f, (CString(i) + "\t").c_str(), (CString(target) + "Value").c_str(), target);
    fprintf(f, "%s\tif ( %sValue != 0 ) env->DeleteLocalRef( %sValue );\n", i, target, target);
    fprintf(f, "%s}\n", i);
}

// Writes the local `holder`: a new holder object whose field holds the Java
// array `elements` (whose local reference is deleted).
void CSafeArrayTypeMapper::WriteNewHolder(FILE* f, const char* i, const char* env, const char* elements,
                                          const char* holder) {
    CString holderClass = "brivel/out/Tavo" + HolderWord() + "Array";
    fprintf(f, "%sjobject %s = 0;\n", i, holder);
    fprintf(f, "%sjclass %sClass = brivelFindClass( %s, \"%s\" );\n", i, holder, env, holderClass.c_str());
    fprintf(f, "%sjfieldID %sField = %sClass == 0 ? 0 : %s->GetFieldID( %sClass, \"array\", \"%s\" );\n", i, holder,
            holder, env, holder, HolderFieldSignature().c_str());
    fprintf(f, "%sif ( %sField != 0 ) %s = %s->AllocObject( %sClass );\n", i, holder, holder, env, holder);
    fprintf(f, "%sif ( %s != 0 ) %s->SetObjectField( %s, %sField, %s );\n", i, holder, env, holder, holder, elements);
    fprintf(f, "%sif ( %s != 0 ) %s->DeleteLocalRef( %s );\n", i, elements, env, elements);
    fprintf(f, "%sif ( %sClass != 0 ) %s->DeleteLocalRef( %sClass );\n", i, holder, env, holder);
}

// Writes the store of the SAFEARRAY `source` into the field of the holder
// `holder`: object elements are converted here, others through the runtime.
void CSafeArrayTypeMapper::WriteHolderStore(FILE* f, const char* i, const char* source, const char* holder,
                                            const char* local) {
    CString field = HolderFieldSignature();
    if (!HasObjectElements()) {
        fprintf(f, "%sbrivelCopySafeArrayToArrayObj( env, %s, %s, %s, \"%s\" );\n", i, ElementVt().c_str(), source,
                holder, field.c_str());
        return;
    }
    fprintf(f, "%s{\n", i);
    CString inner = CString(i) + "\t";
    WriteJavaArrayFrom(f, inner, "env", source, local);
    fprintf(f, "%sjfieldID %sField = env->GetFieldID( env->GetObjectClass( %s ), \"array\", \"%s\" );\n", inner.c_str(),
            local, holder, field.c_str());
    fprintf(f, "%sif ( %sField != 0 ) env->SetObjectField( %s, %sField, %s );\n", inner.c_str(), local, holder, local,
            local);
    fprintf(f, "%sif ( %s != 0 ) env->DeleteLocalRef( %s );\n", inner.c_str(), local, local);
    fprintf(f, "%s}\n", i);
}

// A by-reference mapper answers its holder class, so its result is a new
// holder around the array.
void CSafeArrayTypeMapper::WriteResultConversion(FILE* f, const char* source, const char* release) {
    if (m_byRef) {
        WriteJavaArrayFrom(f, "\t", "env", source, "retElements");
        WriteNewHolder(f, "\t", "env", "retElements", "retArray");
    } else {
        WriteJavaArrayFrom(f, "\t", "env", source, "retArray");
    }
    fputs(release, f);
    fputs("\treturn retArray;\n", f);
}

void CSafeArrayTypeMapper::WriteConversionCheck(const CMapperCall& call, FILE* f, const char* local, bool returnsValue) {
    fputs("\tif ( env->ExceptionCheck() ) {\n", f);
    fprintf(f, "\t\tif ( %s != 0 ) SafeArrayDestroy( %s );\n", local, local);
    call.WriteEarlyRelease(f, 2);
    fprintf(f, "\t\t%s\n", ReturnText(returnsValue));
    fputs("\t}\n", f);
}

// ---- IDispatch::Invoke path

void CSafeArrayTypeMapper::EmitInvokeArgument(const CMapperCall& call, int n, int v, bool outOnly, const char* x, bool returnsValue,
                                              const VARIANT*, FILE* f) {
    if (HasRecordElements()) return WritePending(f, "Invoke argument");
    CString vt = ElementVt();
    if (m_byRef) {
        CString message;
        message.Format("Argument %d is null", n + 1);
        EmitNullArgumentCheck(call, f, x, returnsValue, "\t", message);
        fprintf(f, "\tjobject jarray%d = (jobject) %s;\n", n, x);
        CString local, holder;
        local.Format("tmpSafeArray%d", n);
        holder.Format("jarray%d", n);
        if (outOnly) {
            // No value goes in: the callee makes the array.
            fprintf(f, "\tSAFEARRAY * tmpSafeArray%d = 0;\n", n);
        } else {
            WriteSafeArrayFromHolder(f, "\t", holder, local);
            WriteConversionCheck(call, f, local, returnsValue);
        }
        fprintf(f, "\tvargs[%d].vt = VT_ARRAY | VT_BYREF | %s;\n", v, vt.c_str());
        fprintf(f, "\tvargs[%d].pparray = &tmpSafeArray%d;\n", v, n);
    } else {
        fprintf(f, "\tjarray jarray%d = (jarray) %s;\n", n, x);
        CString local, javaArray;
        local.Format("tmpSafeArray%d", n);
        javaArray.Format("jarray%d", n);
        if (IsEnumElements()) {
            fprintf(f, "\tSAFEARRAY * tmpSafeArray%d = 0;\n", n);
            WriteEnumSafeArrayFrom(f, "\t", javaArray, local);
        } else {
            fprintf(f, "\tSAFEARRAY * tmpSafeArray%d = brivelJArrayToSafeArray( env, jarray%d, %s );\n", n, n, vt.c_str());
        }
        WriteConversionCheck(call, f, local, returnsValue);
        if (PassesPointer()) {
            fprintf(f, "\tvargs[%d].vt = VT_ARRAY | VT_BYREF | %s;\n", v, vt.c_str());
            fprintf(f, "\tvargs[%d].pparray = &tmpSafeArray%d;\n", v, n);
        } else {
            fprintf(f, "\tvargs[%d].vt = VT_ARRAY | %s;\n", v, vt.c_str());
            fprintf(f, "\tvargs[%d].parray = tmpSafeArray%d;\n", v, n);
        }
    }
}

// The callee may have replaced the array: the local that the VARIANT points
// at holds the current one, which the cleanup destroys.
void CSafeArrayTypeMapper::EmitInvokeOutCopy(const CMapperCall&, int n, int v, int, FILE* f) {
    if (m_byRef) {
        fprintf(f, "\t\ttmpSafeArray%d = *vargs[%d].pparray;\n", n, v);
        CString source, holder, local;
        source.Format("tmpSafeArray%d", n);
        holder.Format("jarray%d", n);
        local.Format("outArray%d", n);
        WriteHolderStore(f, "\t\t", source, holder, local);
    } else {
        fprintf(f, PassesPointer() ? "\t\ttmpSafeArray%d = *vargs[%d].pparray;\n" : "\t\ttmpSafeArray%d = vargs[%d].parray;\n",
                n, v);
        CString source, target;
        source.Format("tmpSafeArray%d", n);
        target.Format("jarray%d", n);
        WriteCopyIntoJavaArray(f, source, target, target);
    }
}

// Writes the copy of the SAFEARRAY `source` into the existing Java array
// `target` (as many elements as both have): object elements are made here,
// others are copied by the runtime.
void CSafeArrayTypeMapper::WriteCopyIntoJavaArray(FILE* f, const char* source, const char* target, const char* name) {
    if (!HasObjectElements()) {
        fprintf(f, "\t\tbrivelCopySafeArrayToJarray( env, %s, %s, %s );\n", source, target, ElementVt().c_str());
        return;
    }
    fputs("\t\t{\n", f);
    CString made = CString(name) + "Made";
    WriteJavaArrayFrom(f, "\t\t\t", "env", source, made);
    fprintf(f, "\t\t\tjsize %sCount = %s == 0 || %s == 0 ? 0 : env->GetArrayLength( %s );\n", made.c_str(),
            made.c_str(), target, made.c_str());
    fprintf(f, "\t\t\tif ( %s != 0 && env->GetArrayLength( (jarray) %s ) < %sCount ) %sCount = env->GetArrayLength( (jarray) %s );\n",
            target, target, made.c_str(), made.c_str(), target);
    fprintf(f, "\t\t\tfor ( jsize %sIndex = 0; %sIndex < %sCount; %sIndex++ ) {\n", made.c_str(), made.c_str(),
            made.c_str(), made.c_str());
    fprintf(f, "\t\t\t\tjobject %sItem = env->GetObjectArrayElement( %s, %sIndex );\n", made.c_str(), made.c_str(),
            made.c_str());
    fprintf(f, "\t\t\t\tenv->SetObjectArrayElement( (jobjectArray) %s, %sIndex, %sItem );\n", target, made.c_str(),
            made.c_str());
    fprintf(f, "\t\t\t\tif ( %sItem != 0 ) env->DeleteLocalRef( %sItem );\n", made.c_str(), made.c_str());
    fputs("\t\t\t}\n", f);
    fprintf(f, "\t\t\tif ( %s != 0 ) env->DeleteLocalRef( %s );\n", made.c_str(), made.c_str());
    fputs("\t\t}\n", f);
}

void CSafeArrayTypeMapper::EmitInvokeCleanup(int n, int, FILE* f) {
    if (HasRecordElements()) return;
    fprintf(f, "\tSafeArrayDestroy( tmpSafeArray%d );\n", n);
}

// The result is read where the VARIANT's type says it is, and the VARIANT
// is cleared after the conversion (which copies what it needs), so that an
// array handed over by value is destroyed with its elements' references.
void CSafeArrayTypeMapper::EmitInvokeReturn(FILE* f) {
    if (HasRecordElements()) return WritePending(f, "Invoke result");
    EmitResultTypeCheck(f, "( ret.vt & VT_ARRAY ) == 0");
    fprintf(f, "\tSAFEARRAY * retSafeArray = %s;\n", ArrayInVariant("ret").c_str());
    WriteResultConversion(f, "retSafeArray", "\tVariantClear( &ret );\n");
}

// ---- virtual-table path

void CSafeArrayTypeMapper::EmitVtblArgumentSetup(const CMapperCall& call, int n, bool outOnly, const char* x, FILE* f, bool returnsValue) {
    if (HasRecordElements()) return WritePending(f, "virtual-call argument");
    CString vt = ElementVt();
    CString local;
    local.Format("tmpSa__%d", n);
    if (m_byRef) {
        // The holder takes the result, so it must be there; an in/out array
        // goes in with the holder's current value.
        CString message;
        message.Format("Argument %d is null", n + 1);
        EmitNullArgumentCheck(call, f, x, returnsValue, "\t", message);
        if (outOnly) {
            fprintf(f, "\tSAFEARRAY * tmpSa__%d = 0;\n", n);
        } else {
            WriteSafeArrayFromHolder(f, "\t", "(jobject) " + CString(x), local);
            WriteConversionCheck(call, f, local, returnsValue);
        }
    } else if (IsEnumElements()) {
        fprintf(f, "\tSAFEARRAY * tmpSa__%d = 0;\n", n);
        WriteEnumSafeArrayFrom(f, "\t", x, local);
        WriteConversionCheck(call, f, local, returnsValue);
    } else {
        fprintf(f, "\tSAFEARRAY * tmpSa__%d = brivelJArrayToSafeArray( env, (jarray) %s, %s );\n", n, x, vt.c_str());
        WriteConversionCheck(call, f, local, returnsValue);
    }
}

void CSafeArrayTypeMapper::GetVtblArgumentExpr(int n, int, CString& text) {
    text.Format(PassesPointer() ? "&tmpSa__%d" : "tmpSa__%d", n);
}

// A by-reference array goes back into the holder's field, not into the
// holder object itself.
void CSafeArrayTypeMapper::EmitVtblOutCopy(const CMapperCall&, int n, int, FILE* f) {
    if (m_byRef) {
        CString source, holder, local;
        source.Format("tmpSa__%d", n);
        holder.Format("(jobject) arg%d", n);
        local.Format("outArray%d", n);
        WriteHolderStore(f, "\t\t", source, holder, local);
    } else {
        CString source, target, name;
        source.Format("tmpSa__%d", n);
        target.Format("(jarray) arg%d", n);
        name.Format("outArray%d", n);
        WriteCopyIntoJavaArray(f, source, target, name);
    }
}

void CSafeArrayTypeMapper::EmitVtblCleanup(int n, const char*, FILE* f) {
    if (HasRecordElements()) return;
    fprintf(f, "\tSafeArrayDestroy( tmpSa__%d );\n", n);
}

void CSafeArrayTypeMapper::EmitVtblReturnDecl(const CMapperCall&, FILE* f) {
    if (HasRecordElements()) return WritePending(f, "virtual-call result");
    fputs("\tSAFEARRAY * retVal = 0;\n", f);
}

void CSafeArrayTypeMapper::GetVtblReturnPointer(FILE* f) { fputs("&retVal", f); }

void CSafeArrayTypeMapper::EmitVtblReturn(FILE* f) {
    if (HasRecordElements()) return WritePending(f, "virtual-call result");
    WriteResultConversion(f, "retVal", "\tSafeArrayDestroy( retVal );\n");
}

// ---- event sinks

// Writes the Java value of an event's array `source` into the local
// eventArray<e>: the Java array, or by reference a new holder around it.
void CSafeArrayTypeMapper::WriteEventValue(FILE* f, int e, const char* source, bool outOnly) {
    // An out-only array's incoming value is undefined: the holder starts empty.
    if (m_byRef && outOnly) source = "(SAFEARRAY *) 0";
    CString array, elements, holder;
    array.Format("eventSafeArray%d", e);
    elements.Format(m_byRef ? "eventElements%d" : "eventArray%d", e);
    holder.Format("eventArray%d", e);
    fprintf(f, "\t\tSAFEARRAY * %s = %s;\n", array.c_str(), source);
    WriteJavaArrayFrom(f, "\t\t", "brivelJniEnv", array, elements);
    // An array the VM could not make is kept before the holder's class is
    // looked up (which clears any exception pending).
    if (m_byRef) EmitEventArgumentMadeCheck(f);
    if (m_byRef) WriteNewHolder(f, "\t\t", "brivelJniEnv", elements, holder);
}

// Writes, at `indent`, the store of what the listener left in its holder
// eventArray<e> into the caller's array `*pointer`, which it replaces (and
// destroys).
void CSafeArrayTypeMapper::WriteEventCopyBack(const CMapperCall& call, FILE* f, const char* indent, int e, const char* pointer) {
    CString holder, local, value, field;
    holder.Format("eventArray%d", e);
    local.Format("eventNewArray%d", e);
    value = local + "Value";
    field = local + "Field";
    const char* i = indent;
    CString inner = CString(indent) + "\t";
    fprintf(f, "%sif ( %s != 0 && %s != 0 ) {\n", i, holder.c_str(), pointer);
    fprintf(f, "%s\tJNIEnv * env = brivelJniEnv;\n", i);
    // The holder's class is a local reference of its own, which the sink's
    // attached thread would otherwise keep.
    fprintf(f, "%s\tjclass %sClass = env->GetObjectClass( %s );\n", i, local.c_str(), holder.c_str());
    fprintf(f, "%s\tjfieldID %s = env->GetFieldID( %sClass, \"array\", \"%s\" );\n", i, field.c_str(), local.c_str(),
            HolderFieldSignature().c_str());
    fprintf(f, "%s\tenv->DeleteLocalRef( %sClass );\n", i, local.c_str());
    fprintf(f, "%s\tjobject %s = %s == 0 ? 0 : env->GetObjectField( %s, %s );\n", i, value.c_str(), field.c_str(),
            holder.c_str(), field.c_str());
    // A holder left empty gives the caller no array.
    if (IsEnumElements()) {
        fprintf(f, "%s\tSAFEARRAY * %s = 0;\n", i, local.c_str());
        WriteEnumSafeArrayFrom(f, inner, value, local);
    } else {
        fprintf(f, "%s\tSAFEARRAY * %s = brivelJArrayToSafeArray( env, (jarray) %s, %s );\n", i, local.c_str(),
                value.c_str(), ElementVt().c_str());
    }
    fprintf(f, "%s\tif ( %s != 0 ) env->DeleteLocalRef( %s );\n", i, value.c_str(), value.c_str());
    // A failed conversion, or a locked or fixed array of the caller, leaves
    // the caller's array as it is; an out-only argument has none to free.
    if (call.EventArgumentOutOnly())
        fprintf(f, "%s\tif ( %s != 0 && ! env->ExceptionCheck() )\n", i, field.c_str());
    else
        fprintf(f, "%s\tif ( %s != 0 && ! env->ExceptionCheck() && ( *%s == 0 || SUCCEEDED( SafeArrayDestroy( *%s ))))\n", i,
                field.c_str(), pointer, pointer);
    fprintf(f, "%s\t\t*%s = %s;\n", i, pointer, local.c_str());
    fprintf(f, "%s\telse if ( %s != 0 )\n", i, local.c_str());
    fprintf(f, "%s\t\tSafeArrayDestroy( %s );\n", i, local.c_str());
    fprintf(f, "%s}\n", i);
}

static CString EventVariant(int e) {
    CString text;
    text.Format("pDispParams->rgvarg[eventParamIndex%d]", e);
    return text;
}

static CString EventVtblArray(int e, bool throughPointer) {
    CString text;
    text.Format(throughPointer ? "( arg%d == 0 ? (SAFEARRAY *) 0 : *arg%d )" : "arg%d", e, e);
    return text;
}

// The listener gets the Java array (by reference: a holder around it) in a
// local of its own, deleted after the call.
void CSafeArrayTypeMapper::EmitEventParam(const CMapperCall&, int e, FILE* f) {
    if (HasRecordElements()) return WritePending(f, "event argument");
    WriteEventValue(f, e, ArrayInVariant(EventVariant(e)), false);
}

// A plain local: the sink writer keeps no second local of its own for it.
void CSafeArrayTypeMapper::GetEventArgExpr(int e, CString& text) { text.Format("eventArray%d", e); }

void CSafeArrayTypeMapper::EmitEventCleanup(int e, FILE* f) {
    if (HasRecordElements()) return;
    fprintf(f, "\t\tif ( eventArray%d != 0 ) brivelJniEnv->DeleteLocalRef( eventArray%d );\n", e, e);
}

void CSafeArrayTypeMapper::EmitVtblEventParam(const CMapperCall&, int e, FILE* f) {
    if (HasRecordElements()) return WritePending(f, "event argument");
    WriteEventValue(f, e, EventVtblArray(e, PassesPointer()), false);
}

void CSafeArrayTypeMapper::GetVtblEventArgExpr(int e, CString& text) { text.Format("eventArray%d", e); }

void CSafeArrayTypeMapper::EmitVtblEventCleanup(int e, FILE* f) { EmitEventCleanup(e, f); }

// An OUT or IN/OUT array of an event travels in a holder that the listener
// may fill: what it leaves there goes back to the caller, unless it threw.
// An out-only array's slot is set to no array first: the caller never finds
// it undefined, whatever the listener does.
void CSafeArrayTypeMapper::EmitEventArrayFillFromVariant(const CMapperCall& call, int e, FILE* f) {
    if (HasRecordElements()) return WritePending(f, "event argument");
    CString v = EventVariant(e), empty;
    empty.Format("if (( %s.vt & ( VT_BYREF | VT_ARRAY )) == ( VT_BYREF | VT_ARRAY ) && %s.pparray != 0 ) *%s.pparray = 0;",
                 v.c_str(), v.c_str(), v.c_str());
    EmitOutOnlyEventSlot(call, f, empty);
    WriteEventValue(f, e, ArrayInVariant(EventVariant(e)), call.EventArgumentOutOnly());
}

void CSafeArrayTypeMapper::EmitEventArrayFillFromVtbl(const CMapperCall& call, int e, FILE* f) {
    if (HasRecordElements()) return WritePending(f, "event argument");
    CString empty;
    empty.Format("if ( arg%d != 0 ) *arg%d = 0;", e, e);
    EmitOutOnlyEventSlot(call, f, empty);
    WriteEventValue(f, e, EventVtblArray(e, true), call.EventArgumentOutOnly());
}

void CSafeArrayTypeMapper::GetEventArrayExpr(int e, CString& text) { text.Format("eventArray%d", e); }

void CSafeArrayTypeMapper::EmitEventArrayCopyToVariant(const CMapperCall& call, int e, FILE* f) {
    if (HasRecordElements()) return;
    CString v = EventVariant(e), pointer;
    pointer.Format("%s.pparray", v.c_str());
    fprintf(f, "\t\t\tif (( %s.vt & ( VT_BYREF | VT_ARRAY )) == ( VT_BYREF | VT_ARRAY )) {\n", v.c_str());
    WriteEventCopyBack(call, f, "\t\t\t\t", e, pointer);
    fputs("\t\t\t}\n", f);
}

void CSafeArrayTypeMapper::EmitEventArrayCopyToVtbl(const CMapperCall& call, int e, FILE* f) {
    if (HasRecordElements()) return;
    CString pointer;
    pointer.Format("arg%d", e);
    WriteEventCopyBack(call, f, "\t\t\t", e, pointer);
}

void CSafeArrayTypeMapper::EmitEventArrayDeleteRef(int e, FILE* f) { EmitEventCleanup(e, f); }
