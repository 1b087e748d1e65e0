// The date, currency, file-time and colour mappers: defaults, OUT copies on
// both call paths, a file time that is read as a value, never as an address,
// and colours. One case also writes every fragment of these mappers into the
// C++ file
// that BRIVEL_FRAGMENT_FILE names, which a CTest compiles with the win32
// compiler.
#include "ShapeTypeMappers.h"
#include "StaticTypeMappers.h"
#include "WrittenText.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <fstream>

namespace {

VARIANT Default(VARTYPE vt, LONG i4, double date) {
    VARIANT v;
    VariantInit(&v);
    v.vt = vt;
    if (vt == VT_DATE) V_DATE(&v) = date;
    else V_I4(&v) = i4;
    return v;
}

std::string Text(const std::function<void(CString&)>& get) {
    CString text;
    get(text);
    return text.str();
}

}  // namespace

TEST(DateMapper, DefaultsAreWrittenAsTheWordsOfADate) {
    // 1 January 2000 is day 36526: stored as a date or as a plain integer,
    // the local receives the words of the double 36526.0.
    const char* expected =
        "\tDATE temp__1;\n"
        "\tif ( arg1 == 0 ) {\n"
        "\t\t((DWORD *)&temp__1)[0] = 0x0;\n"
        "\t\t((DWORD *)&temp__1)[1] = 0x40e1d5c0;\n"
        "\t} else\n"
        "\t\ttemp__1 = brivelJdateToDate( env, (jobject) arg1 );\n"
        "\tvargs[0].vt = VT_DATE;\n"
        "\tV_DATE( &vargs[0] ) = temp__1;\n";
    VARIANT asDate = Default(VT_DATE, 0, 36526.0);
    VARIANT asInteger = Default(VT_I4, 36526, 0);
    EXPECT_EQ(Written([&](FILE* f) { g_dateMapper.EmitInvokeArgument(1, 0, false, "arg1", true, &asDate, f); }), expected);
    EXPECT_EQ(Written([&](FILE* f) { g_dateMapper.EmitInvokeArgument(1, 0, false, "arg1", true, &asInteger, f); }), expected);
    // An out-only by-reference date is declared, not converted, and copied back.
    EXPECT_EQ(Written([&](FILE* f) {
                  g_dateRefMapper.EmitInvokeArgument(2, 1, true, "x", true, &asDate, f);
                  g_dateRefMapper.EmitInvokeOutCopy(2, 1, 1, f);
              }),
              "\tDATE temp__2;\n"
              "\tvargs[1].vt = VT_BYREF | VT_DATE;\n"
              "\tV_DATEREF( &vargs[1 ] ) = &temp__2;\n"
              "\t\tenv->SetObjectArrayElement((jobjectArray)arg2, 0, brivelDateToJobject( env, *V_DATEREF( &vargs[1] ) ));\n");
}

TEST(CurrencyMapper, EveryJavaValuePassesAndOutValuesReachTheHolder) {
    // A Java long cannot be left out: 0 is an amount, never "use the default".
    EXPECT_FALSE(g_currencyMapper.WritesRawDefault());
    EXPECT_TRUE(g_currencyMapper.SkipsNullCheck());
    std::string in = Written([](FILE* f) { g_currencyMapper.EmitInvokeArgument(0, 0, false, "arg0", true, nullptr, f); });
    EXPECT_EQ(in, "\tCY temp__0;\n\ttemp__0.int64 = (jlong) arg0;\n\tvargs[0].vt = VT_CY;\n"
                  "\tV_CY( &vargs[0] ).int64 = temp__0.int64;\n");
    // Both call paths store the callee's value into the Java long[] buffer.
    EXPECT_EQ(Written([](FILE* f) { g_currencyRefMapper.EmitInvokeOutCopy(1, 0, 0, f); }),
              "\t\targ1__arrayBuf[0] = (jlong) temp__1.int64;\n");
    EXPECT_EQ(Written([](FILE* f) {
                  g_currencyRefMapper.EmitVtblArgumentSetup(1, true, "arg1__arrayBuf[0]", f, false);
                  g_currencyRefMapper.EmitVtblOutCopy(1, 0, f);
              }),
              "\tCY cy__1;\n\tcy__1.int64 = 0;\n\targ1__arrayBuf[0] = (jlong) cy__1.int64;\n");
    EXPECT_STREQ(g_currencyRefMapper.GetArrayAccessorWord(), "Long");
}

TEST(FiletimeMapper, TheValueIsNeverTakenForAnAddress) {
    // By value the eight bytes fill the VARIANT's value part.
    std::string byValue = Written([](FILE* f) { g_filetimeMapper.EmitInvokeArgument(0, 0, false, "d", true, nullptr, f); });
    EXPECT_NE(byValue.find("memcpy( &V_CY( &vargs[0] ), &temp__0, sizeof( FILETIME ));"), std::string::npos) << byValue;
    EXPECT_EQ(byValue.find("V_BYREF"), std::string::npos) << byValue;
    // A result is read from where its VARIANT type says, by value or by reference.
    for (CFiletimeTypeMapper* mapper : {&g_filetimeMapper, &g_filetimeRefMapper}) {
        std::string ret = Written([&](FILE* f) { mapper->EmitInvokeReturn(f); });
        EXPECT_EQ(ret.find("FILETIME **"), std::string::npos) << ret;
        EXPECT_NE(ret.find("(( ret.vt & VT_BYREF ) ? (FILETIME *) V_BYREF( &ret ) : (FILETIME *) &V_CY( &ret ))"),
                  std::string::npos) << ret;
    }
    // Event arguments use only accessors the platform headers define.
    std::string event = Text([](CString& t) { g_filetimeMapper.GetEventArgExpr(3, t); });
    EXPECT_EQ(event.find("V_FILETIME"), std::string::npos) << event;
}

TEST(ColorMapper, NullChecksOnlyWhatIsRead) {
    // An out-only colour reads nothing from its holder: an empty one is fine.
    std::string outOnly = Written([](FILE* f) { g_colorRefMapper.EmitInvokeArgument(1, 0, true, "x", true, nullptr, f); });
    EXPECT_EQ(outOnly, "\tDWORD color__1;\n\tcolor__1 = 0;\n\tvargs[0].vt = VT_BYREF | VT_UI4;\n"
                       "\tV_BYREF( &vargs[0] ) = &color__1;\n");
    EXPECT_EQ(Written([](FILE* f) { g_colorRefMapper.EmitVtblArgumentSetup(1, true, "x", f, false); }),
              "\tCOLORREF color__1 = 0;\n");
    // An input colour without a default is checked; with one, null takes it.
    std::string in = Written([](FILE* f) { g_colorMapper.EmitInvokeArgument(0, 0, false, "c", false, nullptr, f); });
    EXPECT_NE(in.find("\tif ( c == 0 ) {\n\t\tenv->ThrowNew( brivelFindClass( env, \"java/lang/NullPointerException\" ), \"Null Argument\" );\n\t\treturn;\n"),
              std::string::npos) << in;
    EXPECT_NE(in.find("\tcolor__0 = ( blue__0 << 16 ) | ( green__0 << 8 ) | red__0;\n"), std::string::npos) << in;
    VARIANT face = Default(VT_I4, static_cast<LONG>(0x8000000F), 0);
    std::string withDefault = Written([&](FILE* f) { g_colorMapper.EmitInvokeArgument(0, 0, false, "c", false, &face, f); });
    EXPECT_NE(withDefault.find("\tif ( c == 0 ) {\n\t\tcolor__0 = 0x8000000f;\n\t} else {\n"), std::string::npos) << withDefault;
    EXPECT_EQ(withDefault.find("NullPointerException"), std::string::npos) << withDefault;
    // Colours back to Java are resolved by the system first.
    EXPECT_NE(Written([](FILE* f) { g_colorMapper.EmitVtblReturn(f); }).find("OleTranslateColor( retColor, NULL, &retColorRef );"),
              std::string::npos);
}

// Every fragment of the three mappers and of the colour mapper, in functions shaped like the bridge's
// own, so that the win32 compiler checks that the texts are valid C++.
TEST(ValueMappers, FragmentsFormACompilableFile) {
    VARIANT date = Default(VT_DATE, 0, 1.5);
    std::string text;
    text += "// Written by generator_tests: every fragment of the date, currency, file-time and colour mappers.\n";
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
            mapper->EmitInvokeArgument(0, 2, false, "arg0", true, mapper->WritesRawDefault() ? &date : nullptr, f);
            mapper->EmitInvokeArgument(1, 1, false, currency ? "arg1__arrayBuf[0]" : "env->GetObjectArrayElement(arg1,0)",
                                       true, nullptr, f);
            mapper->EmitInvokeArgument(2, 0, true, currency ? "arg2__arrayBuf[0]" : "env->GetObjectArrayElement(arg2,0)",
                                       true, nullptr, f);
            fputs("\tif ( SUCCEEDED( hr )) {\n", f);
            mapper->EmitInvokeOutCopy(1, 1, 1, f);
            mapper->EmitInvokeOutCopy(2, 0, 1, f);
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
            mapper->EmitVtblArgumentSetup(0, false, "arg0", f, true);
            mapper->EmitVtblArgumentSetup(1, false, currency ? "arg1__arrayBuf[0]" : "env->GetObjectArrayElement(arg1,0)", f,
                                          true);
            mapper->EmitVtblReturnDecl(f);
        });
        mapper->GetVtblArgumentExpr(0, 0, argExpr);
        text += "\tHRESULT hr = callee" + std::to_string(function) + "( " + argExpr.str() + ", ";
        text += Written([&](FILE* f) { mapper->GetVtblReturnPointer(f); }) + " );\n";
        text += Written([&](FILE* f) {
            fputs("\tif ( SUCCEEDED( hr )) {\n", f);
            mapper->EmitVtblOutCopy(1, 0, f);
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
        text += head + Written([&](FILE* f) { mapper->EmitEventParam(0, f); });
        text += "\t" + jniType.str() + " result = " + eventExpr.str() + ";\n";
        text += Written([&](FILE* f) { mapper->EmitEventCleanup(0, f); }) + "\treturn result;\n}\n\n";
        snprintf(head, sizeof head, "%s vtblEventFragment%d(JNIEnv * brivelJniEnv, %s arg0)\n{\n", jniType.c_str(), function,
                 param.c_str());
        text += head + Written([&](FILE* f) { mapper->EmitVtblEventParam(0, f); });
        text += "\t" + jniType.str() + " result = " + vtblEventExpr.str() + ";\n";
        text += Written([&](FILE* f) { mapper->EmitVtblEventCleanup(0, f); }) + "\treturn result;\n}\n\n";
        ++function;
    }
    // The compile test names the file; an ordinary run only builds the text.
    const char* path = std::getenv("BRIVEL_FRAGMENT_FILE");
    if (!path) return;
    std::ofstream out(path, std::ios::binary);
    ASSERT_TRUE(out) << path;
    out << text;
}
