// Conversion fragments of OLE_COLOR <-> java.awt.Color. Towards COM the
// colour becomes a COLORREF (0x00BBGGRR) of its red, green and blue; towards
// Java the COM value is resolved with OleTranslateColor first, so that a
// system colour index becomes the colour the system shows for it.
#include "ShapeTypeMappers.h"

#include <oleauto.h>

#include <cstring>
#include <string>

// The components of the Java colour x into blue__n, red__n and green__n.
// A colour is a Java object whose methods may throw: no further method is
// called once one did, and the native then returns as after a refused
// argument (releasing the arguments set up before), its exception pending.
static void WriteColorComponents(const CMapperCall& call, FILE* f, const char* indent, int n, const char* x,
                                 bool returnsValue) {
    fprintf(f, "\t%sjclass awtColorClass__%d = env->GetObjectClass( %s );\n", indent, n, x);
    fprintf(f, "\t%sunsigned int blue__%d = env->CallIntMethod( %s, env->GetMethodID( awtColorClass__%d, \"getBlue\", \"()I\" ));\n",
            indent, n, x, n);
    fprintf(f, "\t%sunsigned int red__%d = env->ExceptionCheck() ? 0 : env->CallIntMethod( %s, env->GetMethodID( awtColorClass__%d, \"getRed\", \"()I\" ));\n",
            indent, n, x, n);
    fprintf(f, "\t%sunsigned int green__%d = env->ExceptionCheck() ? 0 : env->CallIntMethod( %s, env->GetMethodID( awtColorClass__%d, \"getGreen\", \"()I\" ));\n",
            indent, n, x, n);
    fprintf(f, "\t%sif ( env->ExceptionCheck()) {\n", indent);
    int depth = static_cast<int>(strlen(indent)) + 2;
    call.WriteEarlyRelease(f, depth);
    fprintf(f, "%s%s\n", std::string(static_cast<size_t>(depth), '\t').c_str(), returnsValue ? "return 0;" : "return;");
    fprintf(f, "\t%s}\n", indent);
}

// The Java colour x into the local color__n (declared by the caller).
static void WriteJavaColorConversion(const CMapperCall& call, FILE* f, const char* indent, int n, const char* x,
                                     bool returnsValue) {
    WriteColorComponents(call, f, indent, n, x, returnsValue);
    fprintf(f, "\t%scolor__%d = ( blue__%d << 16 ) | ( green__%d << 8 ) | red__%d;\n", indent, n, n, n, n);
}

// color__n of the callee into a new java.awt.Color stored in the holder.
static void WriteOutCopy(FILE* f, const char* t, int n) {
    fprintf(f, "%sCOLORREF outColor__%d = 0;\n", t, n);
    fprintf(f, "%sOleTranslateColor( (OLE_COLOR) color__%d, NULL, &outColor__%d );\n", t, n, n);
    fprintf(f, "%sjclass outColorClass__%d = env->FindClass( \"java/awt/Color\" );\n", t, n);
    fprintf(f, "%sjobject outColorObj__%d = env->NewObject( outColorClass__%d,\n", t, n, n);
    fprintf(f, "              env->GetMethodID( outColorClass__%d, \"<init>\", \"(III)V\"), GetRValue( outColor__%d ), GetGValue( outColor__%d ), GetBValue( outColor__%d ));\n",
            n, n, n, n);
    fprintf(f, "%senv->SetObjectArrayElement((jobjectArray)arg%d, 0, outColorObj__%d );\n", t, n, n);
}

// A COM colour expression into a new java.awt.Color local named by prefix
// and n, made with the sink's environment.
static void WriteEventColor(FILE* f, const char* prefix, int n, const char* comValue) {
    fprintf(f, "\t\tCOLORREF %s__%d = 0;\n", prefix, n);
    fprintf(f, "\t\tOleTranslateColor( (OLE_COLOR) %s, NULL, &%s__%d );\n", comValue, prefix, n);
    fprintf(f, "\t\tjclass %sClass__%d = brivelJniEnv->FindClass( \"java/awt/Color\" );\n", prefix, n);
    fprintf(f, "\t\tjobject %sObj__%d = brivelJniEnv->NewObject( %sClass__%d,\n", prefix, n, prefix, n);
    fprintf(f, "              brivelJniEnv->GetMethodID( %sClass__%d, \"<init>\", \"(III)V\"), GetRValue( %s__%d ), GetGValue( %s__%d ), GetBValue( %s__%d ));\n",
            prefix, n, prefix, n, prefix, n, prefix, n);
}

void CColorTypeMapper::EmitInvokeArgument(const CMapperCall& call, int n, int v, bool outOnly, const char* x, bool returnsValue, const VARIANT* def,
                                          FILE* f) {
    fprintf(f, "\tDWORD color__%d;\n", n);
    if (def && !outOnly) {
        // The default's value word, read as a 32-bit colour whatever integer
        // type the library stored it as.
        VARIANT converted;
        VariantInit(&converted);
        const VARIANT* value = def;
        if (def->vt != VT_I4 && SUCCEEDED(VariantChangeType(&converted, const_cast<VARIANT*>(def), 0, VT_I4)))
            value = &converted;
        fprintf(f, "\tif ( %s == 0 ) {\n", x);
        fprintf(f, "\t\tcolor__%d = 0x%x;\n", n, static_cast<unsigned>(reinterpret_cast<const DWORD*>(value)[2]));
        fputs("\t} else {\n", f);
        WriteJavaColorConversion(call, f, "\t", n, x, returnsValue);
        fputs("\t}\n", f);
        VariantClear(&converted);
    } else if (outOnly) {
        // Nothing is read from an out-only holder: its empty element is fine.
        fprintf(f, "\tcolor__%d = 0;\n", n);
    } else {
        EmitNullArgumentCheck(call, f, x, returnsValue);
        WriteJavaColorConversion(call, f, "", n, x, returnsValue);
    }
    // By reference the colour is exactly the OLE_COLOR the callee declares
    // (a VT_UI4): a server checks a reference's type, it cannot coerce it.
    if (m_byRef) {
        fprintf(f, "\tvargs[%d].vt = VT_BYREF | VT_UI4;\n", v);
        fprintf(f, "\tV_BYREF( &vargs[%d] ) = &color__%d;\n", v, n);
    } else {
        fprintf(f, "\tvargs[%d].vt = VT_I4;\n", v);
        fprintf(f, "\tV_I4( &vargs[%d] ) = (long) color__%d;\n", v, n);
    }
}

void CColorTypeMapper::EmitInvokeOutCopy(const CMapperCall&, int n, int, int, FILE* f) { WriteOutCopy(f, "\t\t", n); }

// The result is read as the 32-bit integer it must be (an OLE_COLOR is a
// VT_UI4): another type is changed as the platform changes it, and one that
// cannot be (nothing, an empty VARIANT) is the colour 0. A colour that cannot
// be translated is black, never what the stack held.
void CColorTypeMapper::EmitInvokeReturn(FILE* f) {
    EmitResultCoercion(f, "VT_I4", "VT_UI4");
    fputs("\tCOLORREF retColor = 0;\n", f);
    fputs("\tOleTranslateColor( (OLE_COLOR) V_I4( &ret ), NULL, &retColor );\n", f);
    fputs("\tjclass retColorClass = env->FindClass( \"java/awt/Color\" );\n", f);
    fputs("\treturn env->NewObject( retColorClass,\n", f);
    fputs("              env->GetMethodID( retColorClass, \"<init>\", \"(III)V\"), GetRValue( retColor ), GetGValue( retColor ), GetBValue( retColor ));\n", f);
}

void CColorTypeMapper::EmitVtblArgumentSetup(const CMapperCall& call, int n, bool outOnly, const char* x, FILE* f, bool returnsValue) {
    if (outOnly) {
        fprintf(f, "\tCOLORREF color__%d = 0;\n", n);
        return;
    }
    EmitNullArgumentCheck(call, f, x, returnsValue);
    WriteColorComponents(call, f, "", n, x, returnsValue);
    fprintf(f, "\tCOLORREF color__%d = ( blue__%d << 16 ) | ( green__%d << 8 ) | red__%d;\n", n, n, n, n);
}

void CColorTypeMapper::GetVtblArgumentExpr(int n, int, CString& text) { text.Format(m_byRef ? "&color__%d" : "color__%d", n); }
void CColorTypeMapper::EmitVtblOutCopy(const CMapperCall&, int n, int, FILE* f) { WriteOutCopy(f, "\t", n); }
void CColorTypeMapper::EmitVtblReturnDecl(const CMapperCall&, FILE* f) { fputs("\tOLE_COLOR retColor = 0;\n", f); }
void CColorTypeMapper::GetVtblReturnPointer(FILE* f) { fputs("&retColor", f); }

void CColorTypeMapper::EmitVtblReturn(FILE* f) {
    fputs("\tCOLORREF retColorRef = 0;\n", f);
    fputs("\tOleTranslateColor( retColor, NULL, &retColorRef );\n", f);
    fputs("\tjclass retColorClass = env->FindClass( \"java/awt/Color\" );\n", f);
    fputs("\treturn env->NewObject( retColorClass,\n", f);
    fputs("              env->GetMethodID( retColorClass, \"<init>\", \"(III)V\"), GetRValue( retColorRef ), GetGValue( retColorRef ), GetBValue( retColorRef ));\n", f);
}

// An out-only colour is written as black (0), never read.
void CColorTypeMapper::EmitEventParam(const CMapperCall& call, int e, FILE* f) {
    CString value, empty;
    empty.Format("*V_I4REF( &pDispParams->rgvarg[eventParamIndex%d] ) = 0;", e);
    if (m_byRef) EmitOutOnlyEventSlot(call, f, empty);
    value.Format(m_byRef ? "*V_I4REF( &pDispParams->rgvarg[eventParamIndex%d] )" : "V_I4( &pDispParams->rgvarg[eventParamIndex%d] )", e);
    WriteEventColor(f, "eventColor", e, value.c_str());
}

void CColorTypeMapper::GetEventArgExpr(int e, CString& text) { text.Format("eventColorObj__%d", e); }

// The colour's class goes with the colour: on a COM thread that stays
// attached to the VM, no frame would ever free either.
static void WriteEventColorCleanup(FILE* f, const char* prefix, int n) {
    fprintf(f, "\t\tif ( %sObj__%d != 0 ) brivelJniEnv->DeleteLocalRef( %sObj__%d );\n", prefix, n, prefix, n);
    fprintf(f, "\t\tif ( %sClass__%d != 0 ) brivelJniEnv->DeleteLocalRef( %sClass__%d );\n", prefix, n, prefix, n);
}

void CColorTypeMapper::EmitEventCleanup(int e, FILE* f) { WriteEventColorCleanup(f, "eventColor", e); }

// A virtual-table sink receives the COLORREF (or its address) as arg<n>.
void CColorTypeMapper::EmitVtblEventParam(const CMapperCall& call, int n, FILE* f) {
    CString value, empty;
    empty.Format("*arg%d = 0;", n);
    if (m_byRef) EmitOutOnlyEventSlot(call, f, empty);
    value.Format(m_byRef ? "*arg%d" : "arg%d", n);
    WriteEventColor(f, "vtblEventColor", n, value.c_str());
}

void CColorTypeMapper::GetVtblEventArgExpr(int n, CString& text) { text.Format("vtblEventColorObj__%d", n); }

void CColorTypeMapper::EmitVtblEventCleanup(int n, FILE* f) { WriteEventColorCleanup(f, "vtblEventColor", n); }
