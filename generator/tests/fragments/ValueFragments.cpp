// Every fragment of the date, currency, file-time and colour mappers, in
// functions of a C++ file that the build's compiler compiles (the fixture
// library cannot hold a file time or an OLE colour).
#include "FragmentFiles.h"

#include "mappers/ShapeTypeMappers.h"
#include "mappers/StaticTypeMappers.h"
#include "../WrittenText.h"

#include <cstdio>
#include <cstring>
#include <initializer_list>

namespace {

VARIANT Default(VARTYPE vt, LONG i4, double date) {
    VARIANT v;
    VariantInit(&v);
    v.vt = vt;
    if (vt == VT_DATE) V_DATE(&v) = date;
    else V_I4(&v) = i4;
    return v;
}

}  // namespace

std::string ValueFragmentsFile(std::string& problems) {
    (void)problems;
    VARIANT date = Default(VT_DATE, 0, 1.5);
    std::string text;
    text += "// Written by write-fragments: every fragment of the date, currency, file-time and colour mappers.\n";
    int function = 0;
    for (CTypeMapper* mapper : std::initializer_list<CTypeMapper*>{&g_dateMapper, &g_dateRefMapper, &g_currencyMapper,
                                                                   &g_currencyRefMapper, &g_filetimeMapper,
                                                                   &g_filetimeRefMapper, &g_colorMapper, &g_colorRefMapper}) {
        CString jniType;
        mapper->GetJniType(jniType);
        bool currency = strcmp(jniType.c_str(), "jlong") == 0;
        const char* holder = currency ? "jlongArray" : "jobjectArray";
        char head[256];
        // The Invoke path: an in argument (with a default where the mapper
        // takes one), an out-only argument, the OUT copies and the result.
        snprintf(head, sizeof head, "%s invokeFragments%d(JNIEnv * env, %s arg0, %s arg1, %s arg2)\n{\n", jniType.c_str(),
                 function, jniType.c_str(), holder, holder);
        text += head;
        text += "\tVARIANTARG vargs[3];\n\tVARIANT ret;\n\tVariantInit( &ret );\n\tHRESULT hr = S_OK;\n";
        if (currency)
            text += "\tjlong * arg1__arrayBuf = env->GetLongArrayElements( arg1, NULL );\n"
                    "\tjlong * arg2__arrayBuf = env->GetLongArrayElements( arg2, NULL );\n";
        text += Written([&](FILE* f) {
            mapper->EmitInvokeArgument(CMapperCall(), 0, 2, false, "arg0", true, mapper->WritesRawDefault() ? &date : nullptr, f);
            mapper->EmitInvokeArgument(CMapperCall(), 1, 1, false, currency ? "arg1__arrayBuf[0]" : "env->GetObjectArrayElement(arg1,0)",
                                       true, nullptr, f);
            mapper->EmitInvokeArgument(CMapperCall(), 2, 0, true, currency ? "arg2__arrayBuf[0]" : "env->GetObjectArrayElement(arg2,0)",
                                       true, nullptr, f);
            fputs("\tif ( SUCCEEDED( hr )) {\n", f);
            mapper->EmitInvokeOutCopy(CMapperCall(), 1, 1, 1, f);
            mapper->EmitInvokeOutCopy(CMapperCall(), 2, 0, 1, f);
            fputs("\t}\n", f);
            mapper->EmitInvokeReturn(f);
        });
        text += "}\n\n";
        // The virtual-call path.
        CString param, argExpr;
        mapper->GetVtblParamType(param);
        snprintf(head, sizeof head, "HRESULT callee%d(...);\n", function);
        text += head;
        snprintf(head, sizeof head, "%s vtblFragments%d(JNIEnv * env, %s arg0, %s arg1)\n{\n", jniType.c_str(), function,
                 jniType.c_str(), holder);
        text += head;
        if (currency) text += "\tjlong * arg1__arrayBuf = env->GetLongArrayElements( arg1, NULL );\n";
        text += Written([&](FILE* f) {
            mapper->EmitVtblArgumentSetup(CMapperCall(), 0, false, "arg0", f, true);
            mapper->EmitVtblArgumentSetup(CMapperCall(), 1, false, currency ? "arg1__arrayBuf[0]" : "env->GetObjectArrayElement(arg1,0)", f,
                                          true);
            mapper->EmitVtblReturnDecl(CMapperCall(), f);
        });
        mapper->GetVtblArgumentExpr(0, 0, argExpr);
        text += "\tHRESULT hr = callee" + std::to_string(function) + "( " + argExpr.str() + ", ";
        text += Written([&](FILE* f) { mapper->GetVtblReturnPointer(f); }) + " );\n";
        text += Written([&](FILE* f) {
            fputs("\tif ( SUCCEEDED( hr )) {\n", f);
            mapper->EmitVtblOutCopy(CMapperCall(), 1, 0, f);
            fputs("\t}\n", f);
            mapper->EmitVtblReturn(f);
        });
        text += "}\n\n";
        // Events, through IDispatch and through a virtual-table sink.
        CString eventExpr, vtblEventExpr;
        mapper->GetEventArgExpr(0, eventExpr);
        mapper->GetVtblEventArgExpr(0, vtblEventExpr);
        snprintf(head, sizeof head, "%s eventFragment%d(JNIEnv * brivelJniEnv, DISPPARAMS * pDispParams, int eventParamIndex0)\n{\n",
                 jniType.c_str(), function);
        text += head + Written([&](FILE* f) { mapper->EmitEventParam(CMapperCall::EventArgument(true), 0, f); });
        text += "\t" + jniType.str() + " result = " + eventExpr.str() + ";\n";
        text += Written([&](FILE* f) { mapper->EmitEventCleanup(0, f); }) + "\treturn result;\n}\n\n";
        snprintf(head, sizeof head, "%s vtblEventFragment%d(JNIEnv * brivelJniEnv, %s arg0)\n{\n", jniType.c_str(), function,
                 param.c_str());
        text += head + Written([&](FILE* f) { mapper->EmitVtblEventParam(CMapperCall::EventArgument(true), 0, f); });
        text += "\t" + jniType.str() + " result = " + vtblEventExpr.str() + ";\n";
        text += Written([&](FILE* f) { mapper->EmitVtblEventCleanup(0, f); }) + "\treturn result;\n}\n\n";
        ++function;
    }
    return text;
}
