// The date, currency, file-time and colour mappers: defaults, OUT copies on
// both call paths, a file time that is read as a value, never as an address,
// and colours. Every fragment of these mappers is compiled by the test
// generator.value_fragments_compile (fragments/).
#include "mappers/ShapeTypeMappers.h"
#include "mappers/StaticTypeMappers.h"
#include "WrittenText.h"

#include <gtest/gtest.h>

#include <cstring>

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
    EXPECT_EQ(Written([&](FILE* f) { g_dateMapper.EmitInvokeArgument(CMapperCall(), 1, 0, false, "arg1", true, &asDate, f); }), expected);
    EXPECT_EQ(Written([&](FILE* f) { g_dateMapper.EmitInvokeArgument(CMapperCall(), 1, 0, false, "arg1", true, &asInteger, f); }), expected);
    // An out-only by-reference date is declared, not converted, and copied back.
    EXPECT_EQ(Written([&](FILE* f) {
                  g_dateRefMapper.EmitInvokeArgument(CMapperCall(), 2, 1, true, "x", true, &asDate, f);
                  g_dateRefMapper.EmitInvokeOutCopy(CMapperCall(), 2, 1, 1, f);
              }),
              "\tDATE temp__2 = 0;\n"
              "\tvargs[1].vt = VT_BYREF | VT_DATE;\n"
              "\tV_DATEREF( &vargs[1 ] ) = &temp__2;\n"
              "\t\tenv->SetObjectArrayElement((jobjectArray)arg2, 0, brivelDateToJobject( env, *V_DATEREF( &vargs[1] ) ));\n");
}

TEST(CurrencyMapper, EveryJavaValuePassesAndOutValuesReachTheHolder) {
    // A Java long cannot be left out: 0 is an amount, never "use the default".
    EXPECT_FALSE(g_currencyMapper.WritesRawDefault());
    EXPECT_TRUE(g_currencyMapper.SkipsNullCheck());
    std::string in = Written([](FILE* f) { g_currencyMapper.EmitInvokeArgument(CMapperCall(), 0, 0, false, "arg0", true, nullptr, f); });
    EXPECT_EQ(in, "\tCY temp__0;\n\ttemp__0.int64 = (jlong) arg0;\n\tvargs[0].vt = VT_CY;\n"
                  "\tV_CY( &vargs[0] ).int64 = temp__0.int64;\n");
    // Both call paths store the callee's value into the Java long[] buffer.
    EXPECT_EQ(Written([](FILE* f) { g_currencyRefMapper.EmitInvokeOutCopy(CMapperCall(), 1, 0, 0, f); }),
              "\t\targ1__arrayBuf[0] = (jlong) temp__1.int64;\n");
    EXPECT_EQ(Written([](FILE* f) {
                  g_currencyRefMapper.EmitVtblArgumentSetup(CMapperCall(), 1, true, "arg1__arrayBuf[0]", f, false);
                  g_currencyRefMapper.EmitVtblOutCopy(CMapperCall(), 1, 0, f);
              }),
              "\tCY cy__1;\n\tcy__1.int64 = 0;\n\targ1__arrayBuf[0] = (jlong) cy__1.int64;\n");
    EXPECT_STREQ(g_currencyRefMapper.GetArrayAccessorWord(), "Long");
}

TEST(FiletimeMapper, TheValueIsNeverTakenForAnAddress) {
    // By value the eight bytes fill the VARIANT's value part.
    std::string byValue = Written([](FILE* f) { g_filetimeMapper.EmitInvokeArgument(CMapperCall(), 0, 0, false, "d", true, nullptr, f); });
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
    std::string outOnly = Written([](FILE* f) { g_colorRefMapper.EmitInvokeArgument(CMapperCall(), 1, 0, true, "x", true, nullptr, f); });
    EXPECT_EQ(outOnly, "\tDWORD color__1;\n\tcolor__1 = 0;\n\tvargs[0].vt = VT_BYREF | VT_UI4;\n"
                       "\tV_BYREF( &vargs[0] ) = &color__1;\n");
    EXPECT_EQ(Written([](FILE* f) { g_colorRefMapper.EmitVtblArgumentSetup(CMapperCall(), 1, true, "x", f, false); }),
              "\tCOLORREF color__1 = 0;\n");
    // An input colour without a default is checked; with one, null takes it.
    std::string in = Written([](FILE* f) { g_colorMapper.EmitInvokeArgument(CMapperCall(), 0, 0, false, "c", false, nullptr, f); });
    EXPECT_NE(in.find("\tif ( c == 0 ) {\n\t\tenv->ThrowNew( brivelFindClass( env, \"java/lang/NullPointerException\" ), \"Null Argument\" );\n\t\treturn;\n"),
              std::string::npos) << in;
    EXPECT_NE(in.find("\tcolor__0 = ( blue__0 << 16 ) | ( green__0 << 8 ) | red__0;\n"), std::string::npos) << in;
    VARIANT face = Default(VT_I4, static_cast<LONG>(0x8000000F), 0);
    std::string withDefault = Written([&](FILE* f) { g_colorMapper.EmitInvokeArgument(CMapperCall(), 0, 0, false, "c", false, &face, f); });
    EXPECT_NE(withDefault.find("\tif ( c == 0 ) {\n\t\tcolor__0 = 0x8000000f;\n\t} else {\n"), std::string::npos) << withDefault;
    EXPECT_EQ(withDefault.find("NullPointerException"), std::string::npos) << withDefault;
    // Colours back to Java are resolved by the system first.
    EXPECT_NE(Written([](FILE* f) { g_colorMapper.EmitVtblReturn(f); }).find("OleTranslateColor( retColor, NULL, &retColorRef );"),
              std::string::npos);
}

// A colour's component methods are Java code that may throw: none is called
// once one threw, and the native returns before the call, releasing what
// the arguments before the colour set up (the exception stays pending).
TEST(ColorMapper, AColourWhoseMethodThrowsEndsTheNativeBeforeTheCall) {
    const CMapperCall call = CallReleasing("\tSysFreeString( bstr__0 );\n");
    const std::string refused = "\tif ( env->ExceptionCheck()) {\n\t\tSysFreeString( bstr__0 );\n\t\treturn 0;\n\t}\n";
    struct Form {
        const char* name;
        std::string text;
        std::string refused;
        const char* assigned;
    };
    VARIANT face = Default(VT_I4, static_cast<LONG>(0x8000000F), 0);
    const Form forms[] = {
        {"Invoke", Written([&](FILE* f) { g_colorMapper.EmitInvokeArgument(call, 1, 0, false, "c", true, nullptr, f); }),
         refused, "\tcolor__1 = ( blue__1"},
        {"Invoke with a default", Written([&](FILE* f) { g_colorMapper.EmitInvokeArgument(call, 1, 0, false, "c", true, &face, f); }),
         "\t\tif ( env->ExceptionCheck()) {\n\t\t\tSysFreeString( bstr__0 );\n\t\t\treturn 0;\n\t\t}\n", "\t\tcolor__1 = ( blue__1"},
        {"virtual table", Written([&](FILE* f) { g_colorMapper.EmitVtblArgumentSetup(call, 1, false, "c", f, true); }),
         refused, "\tCOLORREF color__1 = ( blue__1"},
    };
    for (const Form& form : forms) {
        const std::string& text = form.text;
        size_t blue = text.find("unsigned int blue__1 = env->CallIntMethod( c,");
        size_t red = text.find("unsigned int red__1 = env->ExceptionCheck() ? 0 : env->CallIntMethod( c,");
        size_t green = text.find("unsigned int green__1 = env->ExceptionCheck() ? 0 : env->CallIntMethod( c,");
        size_t check = text.find(form.refused);
        size_t assigned = text.find(form.assigned);
        EXPECT_NE(blue, std::string::npos) << form.name << "\n" << text;
        EXPECT_NE(assigned, std::string::npos) << form.name << "\n" << text;
        EXPECT_TRUE(blue < red && red < green && green < check && check < assigned) << form.name << "\n" << text;
    }
}

// Every fragment of the three mappers and of the colour mapper, in functions shaped like the bridge's
// own, so that the win32 compiler checks that the texts are valid C++.
