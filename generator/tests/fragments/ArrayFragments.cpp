// Every fragment of the SAFEARRAY mapper for plain, string, enumeration and
// interface elements, by value and by reference (also those that no fixture
// reaches: by-value OUT copies, virtual-table events), in functions of a C++
// file that the build's compiler compiles.
#include "FragmentFiles.h"

#include "BridgeGenerator.h"
#include "mappers/ShapeTypeMappers.h"
#include "mappers/StaticTypeMappers.h"
#include "../WrittenText.h"

#include <cstdio>
#include <functional>

namespace {

// A job that only names the element types.
class CFragmentJob : public CBridgeGenerator {
public:
    void ReportMessage(const char*, const char*) override {}
};

std::string Text(const std::function<void(CString&)>& get) {
    CString text;
    get(text);
    return text.str();
}

}  // namespace

std::string ArrayFragmentsFile(std::string& problems) {
    CFragmentJob job;
    job.SetOptions("x.tlb", "out", "a.b", "Lib.dll");
    CEnumTypeMapper colors(&job, "Colors", 0);
    CDispatchTypeMapper shape(&job, "IShape", 0);
    CSafeArrayTypeMapper colorArray(&colors), colorHolder(&colors, true), shapeArray(&shape), shapeHolder(&shape, true);
    std::string text = "// Written by write-fragments: every fragment of the SAFEARRAY mapper.\n";
    int function = 0;
    for (CSafeArrayTypeMapper* mapper :
         {&g_intSafeArrayMappers.byValue, &g_intSafeArrayMappers.byRef, &g_stringSafeArrayMappers.byValue,
          &g_stringSafeArrayMappers.byRef, &g_stringSafeArrayMappers.inThroughPointer, &colorArray, &colorHolder,
          &shapeArray, &shapeHolder}) {
        std::string jni = Text([&](CString& t) { mapper->GetJniType(t); });
        std::string n = std::to_string(function++);
        // OUT copies never return: the cleanup of every argument follows them.
        std::string outCopies = Written([&](FILE* f) {
            mapper->EmitInvokeOutCopy(CMapperCall(), 1, 1, 1, f);
            mapper->EmitVtblOutCopy(CMapperCall(), 1, 0, f);
        });
        if (outCopies.find("return") != std::string::npos) problems += "an OUT copy returns:\n" + outCopies;
        text += jni + " invokeFragments" + n + "(JNIEnv * env, " + jni + " arg0, " + jni + " arg1, " + jni + " arg2)\n{\n";
        text += "\tVARIANTARG vargs[3];\n\tVARIANT ret;\n\tVariantInit( &ret );\n\tHRESULT hr = S_OK;\n";
        text += Written([&](FILE* f) {
            mapper->EmitInvokeArgument(CMapperCall(), 0, 2, false, "arg0", true, nullptr, f);
            mapper->EmitInvokeArgument(CMapperCall(), 1, 1, false, "arg1", true, nullptr, f);
            mapper->EmitInvokeArgument(CMapperCall(), 2, 0, true, "arg2", true, nullptr, f);
            fputs("\tif ( SUCCEEDED( hr )) {\n", f);
            mapper->EmitInvokeOutCopy(CMapperCall(), 1, 1, 1, f);
            mapper->EmitInvokeOutCopy(CMapperCall(), 2, 0, 1, f);
            fputs("\t}\n", f);
            for (int i = 0; i < 3; ++i) mapper->EmitInvokeCleanup(i, 2 - i, f);
            mapper->EmitInvokeReturn(f);
        });
        text += "}\n\nHRESULT callee" + n + "(...);\n";
        text += jni + " vtblFragments" + n + "(JNIEnv * env, " + jni + " arg0, " + jni + " arg1)\n{\n";
        text += Written([&](FILE* f) {
            mapper->EmitVtblArgumentSetup(CMapperCall(), 0, false, "arg0", f, true);
            mapper->EmitVtblArgumentSetup(CMapperCall(), 1, true, "arg1", f, true);
            mapper->EmitVtblReturnDecl(CMapperCall(), f);
        });
        std::string arg0 = Text([&](CString& t) { mapper->GetVtblArgumentExpr(0, 0, t); });
        std::string arg1 = Text([&](CString& t) { mapper->GetVtblArgumentExpr(1, 0, t); });
        text += "\tHRESULT hr = callee" + n + "( " + arg0 + ", " + arg1 + ", " +
                Written([&](FILE* f) { mapper->GetVtblReturnPointer(f); }) + " );\n";
        text += Written([&](FILE* f) {
            fputs("\tif ( SUCCEEDED( hr )) {\n", f);
            mapper->EmitVtblOutCopy(CMapperCall(), 0, 0, f);
            mapper->EmitVtblOutCopy(CMapperCall(), 1, 0, f);
            fputs("\t}\n", f);
            mapper->EmitVtblCleanup(0, "arg0", f);
            mapper->EmitVtblCleanup(1, "arg1", f);
            mapper->EmitVtblReturn(f);
        });
        std::string param = Text([&](CString& t) { mapper->GetVtblParamType(t); });
        text += "}\n\n" + jni + " eventFragment" + n +
                "(JNIEnv * brivelJniEnv, DISPPARAMS * pDispParams, int eventParamIndex0)\n{\n"
                "\tjthrowable brivelUnmade = NULL;\n";
        text += Written([&](FILE* f) { mapper->EmitEventParam(CMapperCall::EventArgument(true), 0, f); });
        text += "\t" + jni + " result = (" + jni + ") " + Text([&](CString& t) { mapper->GetEventArgExpr(0, t); }) + ";\n";
        text += Written([&](FILE* f) { mapper->EmitEventCleanup(0, f); }) + "\treturn result;\n}\n\n";
        text += "jobject vtblEventFragment" + n + "(JNIEnv * brivelJniEnv, " + param + " arg0)\n{\n"
                "\tjthrowable brivelUnmade = NULL;\n";
        text += Written([&](FILE* f) { mapper->EmitVtblEventParam(CMapperCall::EventArgument(true), 0, f); });
        text += "\tjobject result = (jobject) " + Text([&](CString& t) { mapper->GetVtblEventArgExpr(0, t); }) + ";\n";
        text += Written([&](FILE* f) { mapper->EmitVtblEventCleanup(0, f); }) + "\treturn result;\n}\n\n";
        // OUT arrays of events in the mapper's holder, through both sinks.
        if (mapper->IsByRefEventParam()) {
            text += "void eventHolderFragment" + n + "(JNIEnv * brivelJniEnv, DISPPARAMS * pDispParams, int eventParamIndex0, " +
                    param + " arg0)\n{\n";
            text += Written([&](FILE* f) {
                for (int vtbl = 0; vtbl < 2; ++vtbl) {
                    fputs("\t{\n", f);
                    // The sink's first exception an argument left (see EventSinkWriter).
                    fputs("\t\tjthrowable brivelUnmade = NULL;\n", f);
                    mapper->EmitEventArrayCreate(0, f);
                    if (vtbl) mapper->EmitEventArrayFillFromVtbl(CMapperCall(), 0, f);
                    else mapper->EmitEventArrayFillFromVariant(CMapperCall(), 0, f);
                    mapper->EmitEventArrayPublish(0, f);
                    CString expr;
                    mapper->GetEventArrayExpr(0, expr);
                    fprintf(f, "\t\tjobject passed = %s;\n", expr.c_str());
                    fputs("\t\tif ( passed != 0 ) {\n", f);
                    mapper->EmitEventArrayReload(0, f);
                    if (vtbl) mapper->EmitEventArrayCopyToVtbl(CMapperCall(), 0, f);
                    else mapper->EmitEventArrayCopyToVariant(CMapperCall(), 0, f);
                    mapper->EmitEventArrayRelease(0, f);
                    fputs("\t\t}\n", f);
                    mapper->EmitEventArrayDeleteRef(0, f);
                    fputs("\t\tif ( brivelUnmade != NULL ) brivelJniEnv->DeleteLocalRef( brivelUnmade );\n", f);
                    fputs("\t}\n", f);
                }
            });
            text += "}\n\n";
        }
    }
    if (text.find("#error") != std::string::npos) problems += "a fragment holds #error\n";
    return text;
}
