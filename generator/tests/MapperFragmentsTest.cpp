// The conversion fragments of the VARIANT, string, GUID, LPSTR, enumeration,
// interface, generic object and record mappers, held to their exact texts.
#include "CapturedText.h"
#include "mappers/RecordTypeMappers.h"
#include "mappers/ShapeTypeMappers.h"
#include "mappers/StaticTypeMappers.h"
#include "TestJob.h"
#include "TypeMapperSelection.h"
#include "WrittenText.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <thread>

namespace {

VARIANT IntDefault(LONG value) {
    VARIANT v;
    VariantInit(&v);
    v.vt = VT_I4;
    V_I4(&v) = value;
    return v;
}

std::string Text(const std::function<void(CString&)>& get) {
    CString text;
    get(text);
    return text.str();
}

}  // namespace

TEST(VariantMapper, InvokeArgumentsWithAndWithoutDefaults) {
    VARIANT def = IntDefault(42);
    EXPECT_EQ(Written([&](FILE* f) { g_variantMapper.EmitInvokeArgument(CMapperCall(), 1, 0, false, "arg1", true, &def, f); }),
              "\tVARIANT tempVar__1;\n"
              "\tVARIANT * temp__1;\n"
              "\tif ( arg1 == 0 ) {\n"
              "\t\ttemp__1 = &tempVar__1;\n"
              "\t\t((DWORD *)&tempVar__1)[0] = 0x3;\n"
              "\t\t((DWORD *)&tempVar__1)[1] = 0x0;\n"
              "\t\t((DWORD *)&tempVar__1)[2] = 0x2a;\n"
              "\t\t((DWORD *)&tempVar__1)[3] = 0x0;\n"
              "\t} else {\n"
              "\t\ttemp__1 = brivelGetTavoVariant( env, arg1 );\n"
              "\t}\n"
              "\tvargs[0].vt = VT_VARIANT;\n"
              "\tVariantCopy( &vargs[0], temp__1 );\n");
    // An out-only argument ignores the default.
    EXPECT_EQ(Written([&](FILE* f) { g_variantRefMapper.EmitInvokeArgument(CMapperCall(), 0, 2, true, "e", false, &def, f); }),
              "\tvargs[2].vt = VT_BYREF | VT_VARIANT;\n"
              "\tV_VARIANTREF( &vargs[2 ] ) = brivelGetTavoVariant( env, e );\n"
              "\tVARIANT tmpVariant0;\n"
              "\tVariantInit( &tmpVariant0 );\n"
              "\tif ( V_VARIANTREF( &vargs[2 ] ) == 0 ) {\n"
              "\t\tV_VARIANTREF( &vargs[2 ] ) = &tmpVariant0;\n"
              "\t}\n");
    // What the callee wrote into that temporary is cleared on every path.
    EXPECT_EQ(Written([&](FILE* f) { g_variantRefMapper.EmitInvokeCleanup(0, 2, f); }),
              "\tVariantClear( &vargs[2] );\n"
              "\tVariantClear( &tmpVariant0 );\n");
    EXPECT_EQ(Written([&](FILE* f) { g_variantMapper.EmitInvokeArgument(CMapperCall(), 0, 1, false, "arg0", true, nullptr, f); }),
              "\tvargs[1].vt = VT_VARIANT;\n\tVariantCopy( &vargs[1], brivelGetTavoVariant( env, arg0 ));\n");
}

TEST(VariantMapper, PointerDefaultsArePassedAsMissing) {
    // The string lives in this process: its address must not reach the bridge.
    VARIANT def;
    VariantInit(&def);
    def.vt = VT_BSTR;
    V_BSTR(&def) = SysAllocString(L"text");
    std::string text = Written([&](FILE* f) { g_variantRefMapper.EmitInvokeArgument(CMapperCall(), 3, 0, false, "a", false, &def, f); });
    EXPECT_NE(text.find("\t\t((DWORD *)&tmpVariant3)[0] = 0xa;\n"
                        "\t\t((DWORD *)&tmpVariant3)[1] = 0x0;\n"
                        "\t\t((DWORD *)&tmpVariant3)[2] = 0x80020004;\n"
                        "\t\t((DWORD *)&tmpVariant3)[3] = 0x0;\n"),
              std::string::npos)
        << text;
    EXPECT_NE(text.find("\tV_VARIANTREF( &vargs[0 ] ) = temp__3;\n"), std::string::npos);
    VariantClear(&def);
}

TEST(VariantMapper, VirtualCallsResultsAndCleanup) {
    // A VARIANT the callee takes by value is read as a pointer and passed on as the value.
    EXPECT_EQ(Text([](CString& t) { g_variantLevel0Mapper.GetVtblParamType(t); }), "VARIANT *");
    EXPECT_EQ(Text([](CString& t) { g_variantLevel0Mapper.GetVtblParamTypeVariant(t); }), "VARIANT");
    EXPECT_TRUE(g_variantLevel0Mapper.NeedsVtblDereference());
    EXPECT_FALSE(g_variantLevel1Mapper.NeedsVtblDereference());
    EXPECT_EQ(Text([](CString& t) { g_variantLevel2Mapper.GetVtblParamTypeVariant(t); }), "VARIANT **");
    EXPECT_EQ(Written([](FILE* f) { g_variantLevel1Mapper.EmitVtblArgumentSetup(CMapperCall(), 2, false, "x", f, true); }),
              "\tif ( x == 0 ) {\n"
              "\t\tenv->ThrowNew( brivelFindClass( env, \"java/lang/NullPointerException\" ), \"Null Argument\" );\n"
              "\t\treturn 0;\n"
              "\t}\n"
              "\tVARIANT tmpStackVar__2;\n"
              "\ttmpStackVar__2.vt = VT_EMPTY;\n"
              "\tVARIANT * tmpVar__2 = &tmpStackVar__2;\n"
              "\tVariantCopy( tmpVar__2, brivelGetTavoVariant( env, (jobject) x ));\n");
    EXPECT_EQ(Written([](FILE* f) { g_variantLevel1Mapper.EmitVtblArgumentSetup(CMapperCall(), 2, true, "x", f, true); }),
              "\tVARIANT tmpStackVar__2;\n\ttmpStackVar__2.vt = VT_EMPTY;\n\tVARIANT * tmpVar__2 = &tmpStackVar__2;\n");
    EXPECT_EQ(Written([](FILE* f) {
                  g_variantLevel2Mapper.EmitVtblReturnDecl(CMapperCall(), f);
                  g_variantLevel2Mapper.GetVtblReturnPointer(f);
              }),
              "\tVARIANT retVal;\n\tVariantInit( &retVal );\n\tVARIANT * pRetVal = &retVal;\n&pRetVal");
    EXPECT_EQ(Written([](FILE* f) { g_variantLevel0Mapper.EmitVtblOutCopy(CMapperCall(), 1, 0, f); }), "");
    EXPECT_EQ(Written([](FILE* f) { g_variantLevel1Mapper.EmitVtblOutCopy(CMapperCall(), 1, 0, f); }),
              "\tenv->SetObjectArrayElement((jobjectArray)arg1, 0, brivelVariantObject( env, tmpVar__1));\n");
    EXPECT_EQ(Text([](CString& t) { g_variantLevel2Mapper.GetVtblArgumentExpr(4, 0, t); }), "&tmpVar__4");
    // Through a pointer to a pointer the callee may hand back a VARIANT of
    // its own: the result is read and cleared there, and so is a parameter,
    // whose local with the Java value is then cleared too.
    EXPECT_EQ(Written([](FILE* f) { g_variantLevel2Mapper.EmitVtblReturn(f); }),
              "\tjobject retObj = brivelVariantObject( env, pRetVal );\n\tVariantClear( pRetVal );\n\treturn retObj;\n");
    EXPECT_EQ(Written([](FILE* f) { g_variantLevel2Mapper.EmitVtblCleanup(4, "x", f); }),
              "\tif ( tmpVar__4 != &tmpStackVar__4 ) VariantClear( &tmpStackVar__4 );\n\tVariantClear( tmpVar__4 );\n");
    EXPECT_EQ(Written([](FILE* f) { g_variantLevel1Mapper.EmitVtblCleanup(4, "x", f); }), "\tVariantClear( tmpVar__4 );\n");
    EXPECT_EQ(Written([](FILE* f) { g_variantRefMapper.EmitInvokeOutCopy(CMapperCall(), 1, 0, 0, f); }),
              "\t\tenv->SetObjectArrayElement((jobjectArray)arg1, 0, brivelVariantObject( env, V_VARIANTREF( &vargs[0] )));\n");
    EXPECT_EQ(Written([](FILE* f) { g_variantMapper.EmitInvokeReturn(f); }),
              "\tjobject retobj = brivelVariantObject( env, &ret );\n\tVariantClear( &ret );\n\treturn retobj;\n");
}

TEST(VariantMapper, EventsUseTheirOwnHolder) {
    EXPECT_TRUE(g_variantRefMapper.IsByRefEventParam());
    EXPECT_FALSE(g_variantRefMapper.PassesByRefThroughArray());
    EXPECT_EQ(Written([](FILE* f) {
                  g_variantRefMapper.EmitEventArrayCreate(2, f);
                  g_variantRefMapper.EmitEventArrayFillFromVariant(CMapperCall(), 2, f);
                  g_variantRefMapper.EmitEventArrayPublish(2, f);
                  g_variantRefMapper.EmitEventArrayCopyToVariant(CMapperCall(), 2, f);
                  g_variantRefMapper.EmitEventArrayDeleteRef(2, f);
              }),
              "\t\tVARIANT * eventVariant2 = V_VARIANTREF( &pDispParams->rgvarg[eventParamIndex2] );\n"
              "\t\tjobject varobj2 = brivelVariantObject( brivelJniEnv, eventVariant2 );\n"
              "\t\t\tVariantCopy( eventVariant2, brivelGetTavoVariant( brivelJniEnv, varobj2 ));\n"
              "\t\tbrivelJniEnv->DeleteLocalRef( varobj2 );\n");
    EXPECT_EQ(Text([](CString& t) { g_variantRefMapper.GetEventArrayExpr(2, t); }), "varobj2");
    EXPECT_EQ(Text([](CString& t) { g_variantMapper.GetEventArgExpr(0, t); }),
              "brivelVariantObject( brivelJniEnv, &pDispParams->rgvarg[eventParamIndex0] )");
    // A virtual-table event method finds the VARIANT among its own
    // arguments: by value on the stack, or through the pointer it was given.
    EXPECT_EQ(Written([](FILE* f) { g_variantMapper.EmitVtblEventParam(CMapperCall(), 1, f); }),
              "\t\tVARIANT * eventVariant1 = &arg1;\n"
              "\t\tjobject varobj1 = brivelVariantObject( brivelJniEnv, eventVariant1 );\n");
    EXPECT_EQ(Written([](FILE* f) { g_variantRefMapper.EmitEventArrayFillFromVtbl(CMapperCall(), 1, f); }),
              "\t\tVARIANT * eventVariant1 = arg1;\n"
              "\t\tjobject varobj1 = brivelVariantObject( brivelJniEnv, eventVariant1 );\n");
    EXPECT_EQ(Text([](CString& t) { g_variantMapper.GetVtblParamTypeVariant(t); }), "VARIANT");
}

TEST(StringMappers, BstrArgumentsAreFreedTheWayTheyWereMade) {
    EXPECT_EQ(Written([](FILE* f) {
                  g_stringRefMapper.EmitInvokeArgument(CMapperCall(), 1, 0, false, "s", true, nullptr, f);
                  g_stringRefMapper.EmitInvokeOutCopy(CMapperCall(), 1, 0, 0, f);
                  g_stringRefMapper.EmitInvokeCleanup(1, 0, f);
              }),
              "\tvargs[0].vt = VT_BYREF | VT_BSTR;\n"
              "\tBSTR temp__1 = brivelJstringToBstr( env, (jstring) s );\n"
              "\tV_BSTRREF( &vargs[0 ] ) = &temp__1;\n"
              "\t\tenv->SetObjectArrayElement((jobjectArray)arg1, 0, brivelBstrToJstr( env, *V_BSTRREF( &vargs[0] )));\n"
              "\t\tVariantClear( &vargs[0] );\n"
              "\tSysFreeString( temp__1 );\n");
    EXPECT_EQ(Written([](FILE* f) { g_stringMapper.EmitInvokeCleanup(1, 2, f); }), "\tVariantClear( &vargs[2] );\n");
    EXPECT_EQ(Written([](FILE* f) {
                  g_stringRefMapper.EmitVtblArgumentSetup(CMapperCall(), 0, false, "arg0", f, false);
                  g_stringRefMapper.EmitVtblOutCopy(CMapperCall(), 0, 0, f);
                  g_stringRefMapper.EmitVtblCleanup(0, "arg0", f);
                  g_stringMapper.EmitVtblReturnDecl(CMapperCall(), f);
                  g_stringMapper.EmitVtblReturn(f);
              }),
              "\tBSTR bstr__0 = brivelJstringToBstr(env,(jstring)arg0);\n"
              "\tenv->SetObjectArrayElement((jobjectArray)arg0, 0, brivelBstrToJstr( env, bstr__0 ));\n"
              "\tSysFreeString( bstr__0 );\n"
              "\tBSTR retVal = 0;\n"
              "\tjstring retStr = brivelBstrToJstr( env, retVal );\n"
              "\tSysFreeString( retVal );\n"
              "\treturn retStr;\n");
    EXPECT_EQ(Text([](CString& t) { g_stringRefMapper.GetVtblArgumentExpr(3, 0, t); }), "&bstr__3");
    EXPECT_EQ(Written([](FILE* f) { g_stringRefMapper.EmitEventParam(CMapperCall(), 1, f); g_stringRefMapper.EmitEventCleanup(1, f); }),
              "\t\tjstring jstrEventArg_1 = brivelBstrToJstr( brivelJniEnv, *V_BSTRREF( &pDispParams->rgvarg[eventParamIndex1] ));\n"
              "\t\tif ( jstrEventArg_1 != 0 ) brivelJniEnv->DeleteLocalRef( jstrEventArg_1 );\n");
    EXPECT_EQ(Text([](CString& t) { g_stringMapper.GetVtblEventArgExpr(2, t); }), "brivelBstrToJstr( brivelJniEnv, arg2 )");
    EXPECT_TRUE(g_stringMapper.SkipsNullCheck());
}

TEST(StringMappers, GuidByValueTravelsThroughItsAddress) {
    // Sixteen bytes never go into the VARIANT's eight-byte value.
    std::string arg = Written([](FILE* f) { g_guidMapper.EmitInvokeArgument(CMapperCall(), 0, 1, false, "g", true, nullptr, f); });
    EXPECT_EQ(arg,
              "\tGUID temp__0;\n"
              "\tbrivelJstringToGuid( env, (jstring) g, temp__0 );\n"
              "\tvargs[1].vt = VT_CLSID;\n"
              "\tV_BYREF( &vargs[1] ) = &temp__0;\n");
    EXPECT_EQ(Written([](FILE* f) { g_guidRefMapper.EmitInvokeArgument(CMapperCall(), 0, 1, false, "g", true, nullptr, f); }),
              "\tGUID temp__0;\n"
              "\tbrivelJstringToGuid( env, (jstring) g, temp__0 );\n"
              "\tvargs[1].vt = VT_BYREF | VT_CLSID;\n"
              "\tV_BYREF( &vargs[1 ] ) = &temp__0;\n");
    std::string ret = Written([](FILE* f) { g_guidMapper.EmitInvokeReturn(f); });
    EXPECT_EQ(ret.find("&V_I4"), std::string::npos) << ret;
    EXPECT_NE(ret.find("\treturn brivelGuidToJstr( env, retguid );\n"), std::string::npos);
    EXPECT_EQ(Written([](FILE* f) {
                  g_guidRefMapper.EmitVtblArgumentSetup(CMapperCall(), 2, false, "a", f, true);
                  g_guidRefMapper.EmitVtblOutCopy(CMapperCall(), 2, 0, f);
                  g_guidMapper.EmitVtblReturnDecl(CMapperCall(), f);
                  g_guidMapper.GetVtblReturnPointer(f);
              }),
              "\tGUID guid__2;\n"
              "\tbrivelJstringToGuid(env,(jstring)a, guid__2 );\n"
              "\tenv->SetObjectArrayElement((jobjectArray)arg2, 0, brivelGuidToJstr( env, guid__2 ));\n"
              "\tGUID retGuid;\n" "\tmemset( &retGuid, 0, sizeof( GUID ));\n&retGuid");
    // By reference through IDispatch the callee's GUID goes back to the Java array.
    EXPECT_EQ(Written([](FILE* f) { g_guidRefMapper.EmitInvokeOutCopy(CMapperCall(), 0, 0, 0, f); }),
              "\t\tenv->SetObjectArrayElement((jobjectArray)arg0, 0, brivelGuidToJstr( env, temp__0 ));\n");
    EXPECT_EQ(Text([](CString& t) { g_guidMapper.GetVtblEventArgExpr(1, t); }), "brivelGuidToJstr( brivelJniEnv, arg1 )");
}

TEST(StringMappers, LpstrOnlyOnVirtualCalls) {
    EXPECT_TRUE(g_lpstrMapper.IsVirtualCallOnly());
    EXPECT_EQ(Written([](FILE* f) { g_lpstrMapper.WriteClassLiteral(f); g_lpstrMapper.WriteBoxing(f, " x"); }),
              "String.class x");
    // Text crosses through UTF-16 in the system code page, not modified
    // UTF-8, into a terminated copy of its own; a null Java string passes a
    // null LPSTR instead of crashing in the VM.
    const std::string toAnsi1 =
        "\tLPSTR lpstr__1 = 0;\n"
        "\tif ( arg1 != 0 ) {\n"
        "\t\tjsize wideCount = env->GetStringLength( (jstring)arg1 );\n"
        "\t\tconst jchar * wide = env->GetStringChars( (jstring)arg1, NULL );\n"
        "\t\tint ansiCount = wide == 0 || wideCount == 0 ? 0 : WideCharToMultiByte( CP_ACP, 0, (LPCWSTR) wide, "
        "wideCount, NULL, 0, NULL, NULL );\n"
        "\t\tlpstr__1 = (LPSTR) malloc( ansiCount + 1 );\n"
        "\t\tif ( lpstr__1 != 0 ) {\n"
        "\t\t\tif ( ansiCount > 0 ) WideCharToMultiByte( CP_ACP, 0, (LPCWSTR) wide, wideCount, lpstr__1, ansiCount, "
        "NULL, NULL );\n"
        "\t\t\tlpstr__1[ansiCount] = 0;\n"
        "\t\t}\n"
        "\t\tif ( wide != 0 ) env->ReleaseStringChars( (jstring)arg1, wide );\n"
        "\t}\n";
    EXPECT_EQ(Written([](FILE* f) {
                  g_lpstrMapper.EmitVtblArgumentSetup(CMapperCall(), 1, false, "arg1", f, true);
                  g_lpstrMapper.EmitVtblCleanup(1, "arg1", f);
              }),
              toAnsi1 + "\tfree( lpstr__1 );\n");
    // By reference the callee may store another pointer: our copy is freed
    // through the one handed in, the callee's text is copied to Java.
    std::string toAnsiS = toAnsi1;
    for (size_t at; (at = toAnsiS.find("arg1")) != std::string::npos;) toAnsiS.replace(at, 4, "s");
    EXPECT_EQ(Written([](FILE* f) {
                  g_lpstrRefMapper.EmitVtblArgumentSetup(CMapperCall(), 1, false, "s", f, true);
                  g_lpstrRefMapper.EmitVtblOutCopy(CMapperCall(), 1, 0, f);
                  g_lpstrRefMapper.EmitVtblCleanup(1, "s", f);
              }),
              toAnsiS +
                  "\tLPSTR lpstrIn__1 = lpstr__1;\n"
                  "\tjstring lpstrOut__1 = 0;\n"
                  "\tif ( lpstr__1 != 0 ) {\n"
                  "\t\tint wideCount = MultiByteToWideChar( CP_ACP, 0, lpstr__1, -1, NULL, 0 );\n"
                  "\t\tWCHAR * wide = wideCount > 0 ? (WCHAR *) malloc( wideCount * sizeof( WCHAR )) : 0;\n"
                  "\t\tif ( wide != 0 && MultiByteToWideChar( CP_ACP, 0, lpstr__1, -1, wide, wideCount ) == "
                  "wideCount )\n"
                  "\t\t\tlpstrOut__1 = env->NewString( (const jchar *) wide, wideCount - 1 );\n"
                  "\t\tfree( wide );\n"
                  "\t}\n"
                  "\tenv->SetObjectArrayElement((jobjectArray)arg1, 0, lpstrOut__1 );\n"
                  "\tfree( lpstrIn__1 );\n");
    EXPECT_EQ(Text([](CString& t) { g_lpstrRefMapper.GetVtblArgumentExpr(1, 0, t); }), "&lpstr__1");
    EXPECT_EQ(Text([](CString& t) { g_lpstrRefMapper.GetVtblReturnType(t); }), "LPSTR *");
    EXPECT_EQ(Written([](FILE* f) { g_lpstrMapper.EmitVtblReturnDecl(CMapperCall(), f); g_lpstrMapper.EmitVtblReturn(f); }),
              "\tLPSTR retVal = 0;\n"
              "\tjstring retStr = 0;\n"
              "\tif ( retVal != 0 ) {\n"
              "\t\tint wideCount = MultiByteToWideChar( CP_ACP, 0, retVal, -1, NULL, 0 );\n"
              "\t\tWCHAR * wide = wideCount > 0 ? (WCHAR *) malloc( wideCount * sizeof( WCHAR )) : 0;\n"
              "\t\tif ( wide != 0 && MultiByteToWideChar( CP_ACP, 0, retVal, -1, wide, wideCount ) == wideCount )\n"
              "\t\t\tretStr = env->NewString( (const jchar *) wide, wideCount - 1 );\n"
              "\t\tfree( wide );\n"
              "\t}\n"
              "\t/* free( retStr ); No clue what the LPSTR-using COM author wants, 'free', 'delete' or leave it alone! */\n"
              "\treturn retStr;\n");
    EXPECT_EQ(Written([](FILE* f) { g_lpstrMapper.EmitInvokeReturn(f); }),
              "\tjstring retstr = 0;\n"
              "\tif ( (LPCSTR) V_BYREF( &ret ) != 0 ) {\n"
              "\t\tint wideCount = MultiByteToWideChar( CP_ACP, 0, (LPCSTR) V_BYREF( &ret ), -1, NULL, 0 );\n"
              "\t\tWCHAR * wide = wideCount > 0 ? (WCHAR *) malloc( wideCount * sizeof( WCHAR )) : 0;\n"
              "\t\tif ( wide != 0 && MultiByteToWideChar( CP_ACP, 0, (LPCSTR) V_BYREF( &ret ), -1, wide, wideCount ) "
              "== wideCount )\n"
              "\t\t\tretstr = env->NewString( (const jchar *) wide, wideCount - 1 );\n"
              "\t\tfree( wide );\n"
              "\t}\n"
              "\tVariantClear( &ret );\n"
              "\treturn retstr;\n");
}

TEST(NamedMappers, EnumerationsInTheJobsPackage) {
    CTestJob job;
    job.SetOptions("x.tlb", "out", "a.b", "Lib.dll");
    CEnumTypeMapper colors(&job, "Colors", 0), outColors(&job, "Colors", 1), under(&job, "My_Enum", 0);
    EXPECT_EQ(Text([&](CString& t) { colors.GetJavaType(t); }), "a.b.Colors");
    EXPECT_EQ(Text([&](CString& t) { colors.GetJniSignature(true, t); }), "La_b_Colors_2");
    EXPECT_EQ(Text([&](CString& t) { under.GetJniSignature(true, t); }), "La_b_My_1Enum_2");
    EXPECT_EQ(Text([&](CString& t) { under.GetJniSignature(false, t); }), "La/b/My_Enum;");
    // An out-only enumeration starts at 0 and comes back as an object of the generated class.
    EXPECT_EQ(Written([&](FILE* f) {
                  outColors.EmitInvokeArgument(CMapperCall(), 2, 0, true, "e", true, nullptr, f);
                  outColors.EmitInvokeOutCopy(CMapperCall(), 2, 0, 0, f);
              }),
              "\tvargs[0].vt = VT_BYREF | VT_I4;\n"
              "\tjint temp__2 = 0;\n"
              "\tV_I4REF( &vargs[0] ) = (long *) &temp__2;\n"
              "\t\tenv->SetObjectArrayElement((jobjectArray)arg2, 0, brivelIntToEnumeratedObject( env, temp__2, \"a/b/Colors\" ));\n");
    EXPECT_EQ(Written([&](FILE* f) { colors.EmitInvokeArgument(CMapperCall(), 0, 1, false, "arg0", true, nullptr, f); colors.EmitInvokeReturn(f); }),
              "\tvargs[1].vt = VT_I4;\n"
              "\tV_I4( &vargs[1] ) = brivelEnumeratedObjectToInt( env, arg0 );\n"
              "\tif ( brivelCheckFatalError( env )) {\n"
              "\t\treturn 0;\n"
              "\t}\n"
              "\tif ( ret.vt != VT_I4 && FAILED( hr = VariantChangeType( &ret, &ret, 0, VT_I4 ))) {\n"
              "\t\tif ( ret.vt != VT_EMPTY ) {\n"
              "\t\t\tVariantClear( &ret );\n"
              "\t\t\tbrivelThrowComExceptionObject( env, hr, 0 );\n"
              "\t\t\treturn 0;\n"
              "\t\t}\n"
              "\t\tmemset( &ret, 0, sizeof ret );\n"
              "\t}\n"
              "\treturn brivelIntToEnumeratedObject( env, V_INT( &ret ), \"a/b/Colors\" );\n");
    EXPECT_EQ(Written([&](FILE* f) {
                  outColors.EmitVtblArgumentSetup(CMapperCall(), 1, true, "x", f, true);
                  colors.EmitVtblArgumentSetup(CMapperCall(), 2, false, "y", f, true);
                  colors.EmitVtblReturn(f);
                  outColors.EmitEventParam(CMapperCall(), 3, f);
              }),
              "\tint enum__1 = 0;\n"
              "\tint enum__2 = brivelEnumeratedObjectToInt( env, y );\n"
              "\tif ( brivelCheckFatalError( env )) {\n"
              "\t\treturn 0;\n"
              "\t}\n"
              "\treturn brivelIntToEnumeratedObject(env,retVal, \"a/b/Colors\" );\n"
              "\t\tjobject jenumEventArg_3 = brivelIntToEnumeratedObject( brivelJniEnv, *V_INTREF( &pDispParams->rgvarg[eventParamIndex3] ), \"a/b/Colors\" );\n");
    EXPECT_EQ(Text([&](CString& t) { outColors.GetVtblEventArgExpr(1, t); }),
              "brivelIntToEnumeratedObject( brivelJniEnv, *(int *)arg1, \"a/b/Colors\" )");
}

TEST(NamedMappers, InterfacesCarryTheirReferences) {
    CTestJob job;
    job.SetOptions("x.tlb", "out", "p", "Lib.dll");
    CDispatchTypeMapper shape(&job, "IShape", 0), outShape(&job, "IShape", 1);
    EXPECT_EQ(Written([&](FILE* f) { shape.EmitInvokeArgument(CMapperCall(), 0, 0, false, "arg0", true, nullptr, f); shape.EmitInvokeCleanup(0, 0, f); }),
              "\tvargs[0].vt = VT_DISPATCH;\n"
              "\tV_DISPATCH( &vargs[0] ) = (IDispatch *) env->GetIntField( arg0, brivelGetComId());\n"
              "\tIDispatch * temp__0 = V_DISPATCH( &vargs[0] );\n");
    // In/out: the callee may release what it is handed, so it gets a reference
    // of its own; what the local holds afterwards is released on every path.
    EXPECT_EQ(Written([&](FILE* f) {
                  outShape.EmitInvokeArgument(CMapperCall(), 1, 0, false, "x", true, nullptr, f);
                  outShape.EmitInvokeOutCopy(CMapperCall(), 1, 0, 0, f);
                  outShape.EmitInvokeCleanup(1, 0, f);
              }),
              "\tvargs[0].vt = VT_BYREF | VT_DISPATCH;\n"
              "\tIDispatch * temp__1 = (IDispatch *) env->GetIntField( x, brivelGetComId());\n"
              "\tif ( temp__1 != 0 ) temp__1->AddRef();\n"
              "\tV_DISPATCHREF( &vargs[0] ) = &temp__1;\n"
              "\t\tenv->SetObjectArrayElement((jobjectArray)arg1, 0, brivelUnknownToInterfaceObject( env, temp__1, \"p/IShape\" ));\n"
              "\tif ( temp__1 != 0 ) temp__1->Release();\n");
    EXPECT_EQ(Written([&](FILE* f) { shape.EmitInvokeReturn(f); }),
              "\tif ( ret.vt != VT_UNKNOWN && ret.vt != VT_DISPATCH && FAILED( hr = VariantChangeType( &ret, &ret, 0, VT_UNKNOWN ))) {\n"
              "\t\tif ( ret.vt != VT_EMPTY && ret.vt != VT_NULL ) {\n"
              "\t\t\tVariantClear( &ret );\n"
              "\t\t\tbrivelThrowComExceptionObject( env, hr, 0 );\n"
              "\t\t\treturn 0;\n"
              "\t\t}\n"
              "\t\tmemset( &ret, 0, sizeof ret );\n"
              "\t}\n"
              "\tjobject retDisp =  brivelUnknownToInterfaceObject( env, V_DISPATCH( &ret ), \"p/IShape\" );\n"
              "\tVariantClear( &ret );\n"
              "\treturn retDisp;\n");
    // A null interface argument on the virtual-call path throws before the call.
    EXPECT_EQ(Written([&](FILE* f) { shape.EmitVtblArgumentSetup(CMapperCall(), 0, false, "arg0", f, false); }),
              "\tif ( arg0 == 0 ) {\n"
              "\t\tenv->ThrowNew( brivelFindClass( env, \"java/lang/NullPointerException\" ), \"Null Argument\" );\n"
              "\t\treturn;\n"
              "\t}\n"
              "\tIDispatch * idisp__0 = (IDispatch *) env->GetIntField( arg0, brivelGetComId());\n");
    EXPECT_EQ(Written([&](FILE* f) {
                  outShape.EmitVtblArgumentSetup(CMapperCall(), 2, true, "x", f, true);
                  outShape.EmitVtblOutCopy(CMapperCall(), 2, 0, f);
                  outShape.EmitVtblCleanup(2, "x", f);
                  shape.EmitVtblReturnDecl(CMapperCall(), f);
                  shape.EmitVtblReturn(f);
              }),
              "\tIDispatch * idisp__2 = 0;\n"
              "\tenv->SetObjectArrayElement((jobjectArray)arg2, 0, brivelUnknownToInterfaceObject( env, idisp__2, \"p/IShape\" ));\n"
              "\tif ( idisp__2 != 0 ) idisp__2->Release();\n"
              "\tIDispatch * retVal = 0;\n"
              "\tjobject retObj = brivelUnknownToInterfaceObject(env,retVal,\"p/IShape\");\n"
              "\tif ( retVal != 0 ) retVal->Release();\n"
              "\treturn retObj;\n");
    EXPECT_EQ(Text([&](CString& t) { outShape.GetVtblEventArgExpr(4, t); }),
              "brivelUnknownToInterfaceObject(brivelJniEnv,*(IUnknown **)arg4, \"p/IShape\" )");
}

TEST(NamedMappers, KnownLibraryInterfacesUseThatLibrarysPackage) {
    CTestJob job;
    job.SetOptions("x.tlb", "out", "mine", "Lib.dll");
    job.SetAdoSettings("com.example.ado_x", "Ado.dll", "ado.jar", "doc");
    CKnownInterfaceTypeMapper recordset(&job, "adodb", "Recordset", 0);
    EXPECT_EQ(Text([&](CString& t) { recordset.GetJavaType(t); }), "com.example.ado_x.Recordset");
    EXPECT_EQ(Text([&](CString& t) { recordset.GetJniSignature(true, t); }), "Lcom_example_ado_1x_Recordset_2");
    EXPECT_EQ(Written([&](FILE* f) { recordset.EmitInvokeReturn(f); }),
              "\tif ( ret.vt != VT_UNKNOWN && ret.vt != VT_DISPATCH && FAILED( hr = VariantChangeType( &ret, &ret, 0, VT_UNKNOWN ))) {\n"
              "\t\tif ( ret.vt != VT_EMPTY && ret.vt != VT_NULL ) {\n"
              "\t\t\tVariantClear( &ret );\n"
              "\t\t\tbrivelThrowComExceptionObject( env, hr, 0 );\n"
              "\t\t\treturn 0;\n"
              "\t\t}\n"
              "\t\tmemset( &ret, 0, sizeof ret );\n"
              "\t}\n"
              "\tjobject retDisp =  brivelUnknownToInterfaceObject( env, V_DISPATCH( &ret ), \"com/example/ado_x/Recordset\" );\n"
              "\tVariantClear( &ret );\n"
              "\treturn retDisp;\n");
}

TEST(ObjectMapper, ConversionsNameTheInterfaceMapOfTheirJob) {
    {
        // Without a job, the map is empty.
        CObjectTypeMapper noJob(nullptr, CObjectTypeMapper::kInvoke, 0);
        EXPECT_EQ(Written([&](FILE* f) { noJob.EmitInvokeReturn(f); }),
                  "\tif ( ret.vt != VT_UNKNOWN && ret.vt != VT_DISPATCH && FAILED( hr = VariantChangeType( &ret, &ret, 0, VT_UNKNOWN ))) {\n"
                  "\t\tif ( ret.vt != VT_EMPTY && ret.vt != VT_NULL ) {\n"
                  "\t\t\tVariantClear( &ret );\n"
                  "\t\t\tbrivelThrowComExceptionObject( env, hr, 0 );\n"
                  "\t\t\treturn 0;\n"
                  "\t\t}\n"
                  "\t\tmemset( &ret, 0, sizeof ret );\n"
                  "\t}\n"
                  "\tjobject retobj = brivelBestUnknownToJobject( env, (IUnknown *) V_DISPATCH( &ret ), brivelIIDMap, 0);\n"
                  "\tVariantClear( &ret );\n"
                  "\treturn retobj;\n");
    }
    CTestJob job;
    job.SetIidMapRowCount(13);
    auto* byValue = static_cast<CObjectTypeMapper*>(SelectInvokeInterfaceMapper(&job, false));
    auto* byRef = static_cast<CObjectTypeMapper*>(SelectInvokeInterfaceMapper(&job, true));
    auto* level2 = static_cast<CObjectTypeMapper*>(SelectInterfaceMapper(&job, 2));
    // Another job's mappers are its own and name its own map, whichever
    // writes first.
    CTestJob other;
    other.SetIidMapRowCount(4);
    EXPECT_NE(SelectInvokeInterfaceMapper(&other, false), byValue);
    std::string otherText = Written([&](FILE* f) { SelectInvokeInterfaceMapper(&other, false)->EmitVtblReturn(f); });
    EXPECT_NE(otherText.find("brivelIIDMap, 4);"), std::string::npos) << otherText;
    EXPECT_EQ(Written([&](FILE* f) {
                  byRef->EmitInvokeArgument(CMapperCall(), 0, 1, true, "o", true, nullptr, f);
                  byRef->EmitInvokeOutCopy(CMapperCall(), 0, 1, 0, f);
                  byRef->EmitInvokeCleanup(0, 1, f);
              }),
              "\tvargs[1].vt = VT_BYREF | VT_DISPATCH;\n"
              "\tIDispatch * temp__0 = 0;\n"
              "\tV_DISPATCHREF( &vargs[1] ) = &temp__0;\n"
              "\t\tenv->SetObjectArrayElement((jobjectArray)arg0, 0, brivelBestUnknownToJobject( env, (IUnknown *) temp__0,  brivelIIDMap, 13 ));\n"
              "\tif ( temp__0 != 0 ) temp__0->Release();\n");
    EXPECT_EQ(Written([&](FILE* f) {
                  level2->EmitVtblReturnDecl(CMapperCall(), f);
                  level2->GetVtblReturnPointer(f);
              }),
              "\tIDispatch * retVal = 0;\n\tIDispatch ** pRetVal = &retVal;\n&pRetVal");
    EXPECT_EQ(Written([&](FILE* f) { byValue->EmitVtblReturn(f); }),
              "\tjobject retObj = brivelBestUnknownToJobject(env, retVal, brivelIIDMap, 13);\n"
              "\tif ( retVal != 0 ) retVal->Release();\n"
              "\treturn retObj;\n");
    EXPECT_EQ(Written([&](FILE* f) { byRef->EmitEventParam(CMapperCall(), 2, f); }),
              "\t\tjobject jobjEventArg_2 = brivelBestUnknownToJobject( brivelJniEnv, (IUnknown *) *V_DISPATCHREF( &pDispParams->rgvarg[eventParamIndex2] ), brivelIIDMap, 13);\n");
    // A by-reference object event parameter travels in a one-element array;
    // what the listener leaves goes back with a reference of the caller's
    // own, replacing (and releasing) the caller's; null goes back as null.
    EXPECT_TRUE(byRef->IsByRefEventParam());
    EXPECT_FALSE(byValue->IsByRefEventParam());
    EXPECT_EQ(Written([&](FILE* f) {
                  byRef->EmitEventArrayCreate(1, f);
                  byRef->EmitEventArrayFillFromVariant(CMapperCall(), 1, f);
                  byRef->EmitEventArrayPublish(1, f);
                  byRef->EmitEventArrayReload(1, f);
                  byRef->EmitEventArrayCopyToVariant(CMapperCall(), 1, f);
                  byRef->EmitEventArrayDeleteRef(1, f);
              }),
              "\t\tjobjectArray eventArrayArg_1 = brivelJniEnv->NewObjectArray(1, brivelGetComBaseClass(), 0 );\n"
              "\t\tjobject eventArrayElem_1 = eventArrayArg_1 == 0 ? 0 : brivelUnknownToJobject( brivelJniEnv, *V_UNKNOWNREF(&pDispParams->rgvarg[eventParamIndex1] ));\n"
              "\t\tif ( eventArrayArg_1 != 0 ) brivelJniEnv->SetObjectArrayElement( eventArrayArg_1, 0, eventArrayElem_1 );\n"
              "\t\tjobject eventArrayRef_1 = brivelJniEnv->NewGlobalRef(eventArrayArg_1);\n"
              "\t\t\tif ( eventArrayElem_1 != 0 ) brivelJniEnv->DeleteLocalRef( eventArrayElem_1 );\n"
              "\t\t\teventArrayElem_1 = brivelJniEnv->GetObjectArrayElement( eventArrayArg_1, 0 );\n"
              "\t\t\tIUnknown * eventHeldUnk_1 = (IUnknown *) ( eventArrayElem_1 == 0 ? 0 : brivelJniEnv->GetIntField( eventArrayElem_1, brivelGetComId()));\n"
              "\t\t\tIUnknown * eventNewUnk_1 = 0;\n"
              "\t\t\tif ( eventHeldUnk_1 != 0 && FAILED( eventHeldUnk_1->QueryInterface( IID_IDispatch, (void **) &eventNewUnk_1 ))) {\n"
              "\t\t\t\teventNewUnk_1 = eventHeldUnk_1;\n"
              "\t\t\t\teventNewUnk_1->AddRef();\n"
              "\t\t\t}\n"
              "\t\t\tif ( (*V_UNKNOWNREF(&pDispParams->rgvarg[eventParamIndex1] )) != 0 ) (*V_UNKNOWNREF(&pDispParams->rgvarg[eventParamIndex1] ))->Release();\n"
              "\t\t\t(*V_UNKNOWNREF(&pDispParams->rgvarg[eventParamIndex1] )) = eventNewUnk_1;\n"
              "\t\tif ( eventArrayRef_1 != 0 ) brivelJniEnv->DeleteGlobalRef( eventArrayRef_1 );\n"
              "\t\tbrivelJniEnv->DeleteLocalRef( eventArrayArg_1 );\n"
              "\t\tif ( eventArrayElem_1 != 0 ) brivelJniEnv->DeleteLocalRef( eventArrayElem_1 );\n");
    // An IUnknown by reference goes as VT_UNKNOWN, the type a server checks.
    EXPECT_EQ(Written([&](FILE* f) { SelectInvokeInterfaceMapper(&job, true, VT_UNKNOWN)->EmitInvokeArgument(CMapperCall(), 0, 1, true, "o", true, nullptr, f); }),
              "\tvargs[1].vt = VT_BYREF | VT_UNKNOWN;\n"
              "\tIUnknown * temp__0 = 0;\n"
              "\tV_UNKNOWNREF( &vargs[1] ) = &temp__0;\n");
    // IUnknown*** on the virtual table: the address of a pointer to the
    // local, read back where the callee points it; its slot is taken over.
    CString type, expr;
    level2->GetVtblParamType(type);
    level2->GetVtblArgumentExpr(3, 0, expr);
    EXPECT_STREQ(type, "IDispatch ***");
    EXPECT_STREQ(expr, "&pidisp__3");
    EXPECT_EQ(Written([&](FILE* f) {
                  level2->EmitVtblArgumentSetup(CMapperCall(), 3, true, "x", f, false);
                  level2->EmitVtblOutCopy(CMapperCall(), 3, 0, f);
                  level2->EmitVtblCleanup(3, "x", f);
              }),
              "\tIDispatch * idisp__3 = 0;\n"
              "\tIDispatch ** pidisp__3 = &idisp__3;\n"
              "\tenv->SetObjectArrayElement((jobjectArray)arg3, 0, brivelBestUnknownToJobject( env, (IUnknown *) *pidisp__3, brivelIIDMap, 13 ));\n"
              "\tif ( pidisp__3 != &idisp__3 && *pidisp__3 != 0 ) {\n\t\t(*pidisp__3)->Release();\n\t\t*pidisp__3 = 0;\n\t}\n"
              "\tif ( idisp__3 != 0 ) idisp__3->Release();\n");
    EXPECT_EQ(Written([&](FILE* f) { level2->EmitVtblReturn(f); }),
              "\tjobject retObj = brivelBestUnknownToJobject(env, *pRetVal, brivelIIDMap, 13);\n"
              "\tif ( *pRetVal != 0 ) {\n\t\t(*pRetVal)->Release();\n\t\t*pRetVal = 0;\n\t}\n"
              "\treturn retObj;\n");
}

TEST(CapturedText, CapturesInsideAnotherOrOnTwoThreadsKeepTheirOwnText) {
    std::string inner;
    std::string outer = CaptureWritten([&](FILE* f) {
                            fputs("outer before\n", f);
                            inner = CaptureWritten([](FILE* g) { fputs("inner\n", g); }).str();
                            fputs("outer after\n", f);
                        }).str();
    EXPECT_EQ(outer, "outer before\nouter after\n");
    EXPECT_EQ(inner, "inner\n");
    // Two threads capturing at once each get what they wrote.
    int wrong[2] = {0, 0};
    auto capture = [&](int id) {
        std::string expected(4000, static_cast<char>('a' + id));
        for (int i = 0; i < 100; ++i)
            if (CaptureWritten([&](FILE* f) { fputs(expected.c_str(), f); }).str() != expected) ++wrong[id];
    };
    std::thread first(capture, 0), second(capture, 1);
    first.join();
    second.join();
    EXPECT_EQ(wrong[0], 0);
    EXPECT_EQ(wrong[1], 0);
}

// A capture keeps its text in memory and sees every way the generator
// writes, with the C runtime's return values; a real file written in the
// same step gets exactly its own text.
TEST(CapturedText, EveryWayOfWritingReachesTheCaptureAndOtherStreamsKeepTheirText) {
    FILE* file = std::tmpfile();
    ASSERT_NE(file, nullptr);
    int results[7] = {};
    size_t sizes[4] = {};
    auto both = [&](FILE* f, FILE* g) {
        results[0] = fputs("puts ", f);
        results[1] = fputc('c', f);
        results[2] = fputc(0xE9, f);  // a character above 127 comes back as itself
        sizes[0] = fwrite("write ", 1, 6, f);
        sizes[1] = fwrite("pairs ", 2, 3, f);
        sizes[2] = fwrite("none", 0, 4, f);
        sizes[3] = fwrite("none", 4, 0, f);
        results[3] = fprintf(f, "%s %d\r\n", "printf", 7);
        fputs("file ", g);
        fputc('!', g);
        fwrite("bytes", 1, 5, g);
        fprintf(g, " %d", 12);
    };
    std::string captured = Written([&](FILE* f) { both(f, file); });
    EXPECT_EQ(captured, "puts c\xE9write pairs printf 7\n");  // a CR goes, as it always went
    EXPECT_GE(results[0], 0);
    EXPECT_EQ(results[1], 'c');
    EXPECT_EQ(results[2], 0xE9);
    EXPECT_EQ(sizes[0], 6u);
    EXPECT_EQ(sizes[1], 3u);
    EXPECT_EQ(sizes[2], 0u);
    EXPECT_EQ(sizes[3], 0u);
    EXPECT_EQ(results[3], 10);
    rewind(file);
    char back[64] = {};
    size_t got = fread(back, 1, sizeof back - 1, file);
    fclose(file);
    EXPECT_EQ(std::string(back, got), "file !bytes 12");
    // A capture after a long one starts empty.
    EXPECT_EQ(Written([](FILE* f) { fputs("short", f); }), "short");
}

extern "C" int __real_fputc(int c, FILE* stream);  // the C runtime's own, past the wrapper

// A capture that would lose text stops the program with the reason instead
// of handing back a short or empty fragment: a write around the wrappers,
// or no stream left for the capture.
TEST(CapturedText, ACaptureThatWouldLoseTextStopsTheProgram) {
    EXPECT_DEATH(CaptureWritten([](FILE* f) { __real_fputc('x', f); }), "around its wrappers");
    EXPECT_DEATH(
        {
            while (fopen("NUL", "rb")) {
            }
            CaptureWritten([](FILE* f) { fputs("lost", f); });
        },
        "no stream for a capture");
}

// fprintf formats into a buffer and writes it at once: texts longer than
// the formatter's first buffer, embedded NULs from %c and the count returned
// are what the formatter itself gives.
TEST(FormattedWrites, LongAndShortTextsReachTheStreamWhole) {
    std::string longText(5000, 'x');
    int counts[3] = {0, 0, 0};
    std::string written = Written([&](FILE* f) {
        counts[0] = fprintf(f, "<%s|%d>\n", longText.c_str(), 42);
        counts[1] = fprintf(f, "%c%c", 'a', 0);
        counts[2] = fprintf(f, "%5.2f;%s", 1.5, "");
    });
    EXPECT_EQ(counts[0], 5006);
    EXPECT_EQ(counts[1], 2);
    EXPECT_EQ(counts[2], 6);
    // The capture ends at the NUL, as every capture of text does.
    EXPECT_EQ(written, "<" + longText + "|42>\na");
}

TEST(TypeMapperBase, ReleaseStatementsKeepTheirNestingAtEveryReturnDepth) {
    CReleaseStatements release;
    release.Add("\tif ( rec0 != 0 ) {\n\t\tbrivelFreeRecord( rec0 );\n\t}\n");
    release.Add("\tSysFreeString( bstr1 );\n");
    EXPECT_EQ(release.Text(2).str(), "\t\tif ( rec0 != 0 ) {\n\t\t\tbrivelFreeRecord( rec0 );\n\t\t}\n\t\tSysFreeString( bstr1 );\n");
    EXPECT_EQ(release.Text(1).str(), "\tif ( rec0 != 0 ) {\n\t\tbrivelFreeRecord( rec0 );\n\t}\n\tSysFreeString( bstr1 );\n");
    EXPECT_EQ(release.Text(3).str().substr(0, 4), "\t\t\ti");
    EXPECT_TRUE(CReleaseStatements().IsEmpty());
    EXPECT_EQ(CReleaseStatements().Text(2).str(), "");
}

TEST(TypeMapperBase, MapperNullChecksReleaseWhatWasSetUpBefore) {
    std::string text;
    {
        const CMapperCall call = CallReleasing("\tSysFreeString( bstr__0 );\n");
        text = Written([&](FILE* f) { g_variantLevel0Mapper.EmitVtblArgumentSetup(call, 1, false, "arg1", f, false); });
    }
    EXPECT_NE(text.find("\t\tSysFreeString( bstr__0 );\n\t\treturn;\n"), std::string::npos) << text;
    EXPECT_EQ(Written([](FILE* f) { EmitNullArgumentCheck(CMapperCall(), f, "a", true); }).find("SysFreeString"), std::string::npos);
}

TEST(ArrayMappers, HolderClassesAndTheirFieldSignatures) {
    CTestJob job;
    job.SetOptions("x.tlb", "out", "a.b", "Lib.dll");
    CEnumTypeMapper colors(&job, "Colors", 0);
    CDispatchTypeMapper shape(&job, "IShape", 0);
    CSafeArrayTypeMapper colorArray(&colors), colorHolder(&colors, true), shapeHolder(&shape, true);
    // BSTR arrays: a String array by value, the String holder by reference.
    EXPECT_EQ(Text([&](CString& t) { g_stringSafeArrayMappers.byValue.GetJavaType(t); }), "String[]");
    EXPECT_EQ(Text([&](CString& t) { g_stringSafeArrayMappers.byRef.GetJavaType(t); }), "brivel.out.TavoStringArray");
    EXPECT_EQ(Text([&](CString& t) { colorArray.GetJavaType(t); }), "a.b.Colors[]");
    EXPECT_EQ(Text([&](CString& t) { colorHolder.GetJniSignature(true, t); }), "Lbrivel_out_TavoEnumArray_2");
    EXPECT_EQ(Text([&](CString& t) { shapeHolder.GetJniSignature(false, t); }), "Lbrivel/out/TavoComobjArray;");
    // The holders of objects declare their field with the product's base class.
    EXPECT_EQ(colorHolder.HolderFieldSignature().str(), "[Lbrivel/TavoEnumeration;");
    EXPECT_EQ(shapeHolder.HolderFieldSignature().str(), "[Lbrivel/TavoObject;");
    EXPECT_EQ(g_currencySafeArrayMappers.byRef.HolderFieldSignature().str(), "[J");
    EXPECT_EQ(g_dateSafeArrayMappers.byRef.HolderFieldSignature().str(), "[Ljava/util/Date;");
    // Enumerations and VT_INT travel as VT_I4.
    EXPECT_EQ(colorArray.ElementVt().str(), "VT_I4");
    std::string intArgument = Written([](FILE* f) {
        g_intSafeArrayMappers.byValue.EmitInvokeArgument(CMapperCall(), 0, 0, false, "arg0", false, nullptr, f);
    });
    EXPECT_NE(intArgument.find("\tvargs[0].vt = VT_ARRAY | VT_I4;\n"), std::string::npos) << intArgument;
    EXPECT_EQ(intArgument.find("VT_INT"), std::string::npos) << intArgument;
}

TEST(ArrayMappers, ByReferenceArraysKeepTheirInputAndComeBackIntoTheHoldersField) {
    // In/out on the virtual-table path: the holder is checked, its array goes
    // in, and the result goes back into its field.
    std::string setup;
    {
        const CMapperCall call = CallReleasing("\tSysFreeString( bstr__0 );\n");
        setup = Written([&](FILE* f) { g_i4SafeArrayMappers.byRef.EmitVtblArgumentSetup(call, 1, false, "arg1", f, true); });
    }
    EXPECT_EQ(setup,
              "\tif ( arg1 == 0 ) {\n"
              "\t\tenv->ThrowNew( brivelFindClass( env, \"java/lang/NullPointerException\" ), \"Argument 2 is null\" );\n"
              "\t\tSysFreeString( bstr__0 );\n"
              "\t\treturn 0;\n"
              "\t}\n"
              "\tSAFEARRAY * tmpSa__1 = brivelArrayObjToSafeArray( env, VT_I4, (jobject) arg1, \"[I\" );\n"
              "\tif ( env->ExceptionCheck() ) {\n"
              "\t\tif ( tmpSa__1 != 0 ) SafeArrayDestroy( tmpSa__1 );\n"
              "\t\tSysFreeString( bstr__0 );\n"
              "\t\treturn 0;\n"
              "\t}\n");
    EXPECT_EQ(Written([](FILE* f) {
                  g_i4SafeArrayMappers.byRef.EmitVtblOutCopy(CMapperCall(), 1, 0, f);
                  g_i4SafeArrayMappers.byRef.EmitVtblCleanup(1, "arg1", f);
              }),
              "\t\tbrivelCopySafeArrayToArrayObj( env, VT_I4, tmpSa__1, (jobject) arg1, \"[I\" );\n"
              "\tSafeArrayDestroy( tmpSa__1 );\n");
    EXPECT_EQ(Text([](CString& t) { g_i4SafeArrayMappers.byRef.GetVtblArgumentExpr(1, 0, t); }), "&tmpSa__1");
    // Out-only: the holder must still be there, but nothing of it is read.
    std::string outOnly = Written([](FILE* f) {
        g_stringSafeArrayMappers.byRef.EmitVtblArgumentSetup(CMapperCall(), 2, true, "arg2", f, false);
        g_stringSafeArrayMappers.byRef.EmitInvokeArgument(CMapperCall(), 3, 0, true, "arg3", false, nullptr, f);
    });
    EXPECT_NE(outOnly.find("\"Argument 3 is null\" );\n\t\treturn;\n"), std::string::npos) << outOnly;
    EXPECT_NE(outOnly.find("\"Argument 4 is null\" );\n\t\treturn;\n"), std::string::npos) << outOnly;
    EXPECT_NE(outOnly.find("\tSAFEARRAY * tmpSa__2 = 0;\n"), std::string::npos) << outOnly;
    EXPECT_NE(outOnly.find("\tSAFEARRAY * tmpSafeArray3 = 0;\n"
                           "\tvargs[0].vt = VT_ARRAY | VT_BYREF | VT_BSTR;\n"
                           "\tvargs[0].pparray = &tmpSafeArray3;\n"),
              std::string::npos)
        << outOnly;
    EXPECT_EQ(outOnly.find("brivelArrayObjToSafeArray"), std::string::npos) << outOnly;
    // A by-value array gets the writer's null check, a holder its own.
    EXPECT_FALSE(g_i4SafeArrayMappers.byValue.SkipsNullCheck());
    EXPECT_TRUE(g_i4SafeArrayMappers.byRef.SkipsNullCheck());
}

TEST(ArrayMappers, InArraysBehindAPointerArePassedByAddress) {
    // [in] SAFEARRAY(long)*: a Java int[] whose SAFEARRAY the callee receives
    // by address on both paths; nothing comes back.
    CSafeArrayTypeMapper& mapper = g_i4SafeArrayMappers.inThroughPointer;
    EXPECT_EQ(Text([&](CString& t) { mapper.GetJavaType(t); }), "int[]");
    EXPECT_EQ(Text([&](CString& t) { mapper.GetVtblParamType(t); }), "SAFEARRAY **");
    EXPECT_EQ(Text([&](CString& t) { mapper.GetVtblArgumentExpr(2, 0, t); }), "&tmpSa__2");
    EXPECT_EQ(Text([&](CString& t) { g_i4SafeArrayMappers.byValue.GetVtblArgumentExpr(2, 0, t); }), "tmpSa__2");
    std::string invoke = Written([&](FILE* f) { mapper.EmitInvokeArgument(CMapperCall(), 2, 0, false, "arg2", false, nullptr, f); });
    EXPECT_NE(invoke.find("\tvargs[0].vt = VT_ARRAY | VT_BYREF | VT_I4;\n\tvargs[0].pparray = &tmpSafeArray2;\n"),
              std::string::npos)
        << invoke;
    EXPECT_FALSE(mapper.IsByRefEventParam());
    std::string event = Written([&](FILE* f) { mapper.EmitVtblEventParam(CMapperCall(), 0, f); });
    EXPECT_NE(event.find("\t\tSAFEARRAY * eventSafeArray0 = ( arg0 == 0 ? (SAFEARRAY *) 0 : *arg0 );\n"), std::string::npos)
        << event;
}

TEST(ArrayMappers, ResultsAreReadWhereTheVariantSaysAndReleased) {
    std::string invokeResult = Written([](FILE* f) { g_dateSafeArrayMappers.byValue.EmitInvokeReturn(f); });
    EXPECT_EQ(invokeResult,
              "\tif ( ( ret.vt & VT_ARRAY ) == 0 && ret.vt != VT_EMPTY && ret.vt != VT_NULL ) {\n"
              "\t\tVariantClear( &ret );\n"
              "\t\tbrivelThrowComExceptionObject( env, DISP_E_TYPEMISMATCH, 0 );\n"
              "\t\treturn 0;\n"
              "\t}\n"
              "\tSAFEARRAY * retSafeArray = ((( ret ).vt & VT_ARRAY ) == 0 ? (SAFEARRAY *) 0 : (( ret ).vt & VT_BYREF ) ? "
              "(( ret ).pparray == 0 ? (SAFEARRAY *) 0 : *( ret ).pparray ) : ( ret ).parray );\n"
              "\tjobjectArray retArray = (jobjectArray) brivelSafeArrayToJArray( env, retSafeArray, VT_DATE );\n"
              "\tVariantClear( &ret );\n"
              "\treturn retArray;\n");
    // A by-reference mapper answers its holder class: the result is a new holder.
    std::string vtblResult = Written([](FILE* f) {
        g_r8SafeArrayMappers.byRef.EmitVtblReturnDecl(CMapperCall(), f);
        g_r8SafeArrayMappers.byRef.EmitVtblReturn(f);
    });
    EXPECT_EQ(vtblResult,
              "\tSAFEARRAY * retVal = 0;\n"
              "\tjdoubleArray retElements = (jdoubleArray) brivelSafeArrayToJArray( env, retVal, VT_R8 );\n"
              "\tjobject retArray = 0;\n"
              "\tjclass retArrayClass = brivelFindClass( env, \"brivel/out/TavoDoubleArray\" );\n"
              "\tjfieldID retArrayField = retArrayClass == 0 ? 0 : env->GetFieldID( retArrayClass, \"array\", \"[D\" );\n"
              "\tif ( retArrayField != 0 ) retArray = env->AllocObject( retArrayClass );\n"
              "\tif ( retArray != 0 ) env->SetObjectField( retArray, retArrayField, retElements );\n"
              "\tif ( retElements != 0 ) env->DeleteLocalRef( retElements );\n"
              "\tif ( retArrayClass != 0 ) env->DeleteLocalRef( retArrayClass );\n"
              "\tSafeArrayDestroy( retVal );\n"
              "\treturn retArray;\n");
}

TEST(ArrayMappers, InterfaceArraysCheckWhatTheyReadAndReleaseWhatTheyTake) {
    CTestJob job;
    job.SetOptions("x.tlb", "out", "a.b", "Lib.dll");
    CDispatchTypeMapper shape(&job, "IShape", 0);
    CSafeArrayTypeMapper shapes(&shape);
    std::string text = Written([&](FILE* f) { shapes.EmitInvokeReturn(f); });
    // Only a one-dimensional array of interface pointers is read, through
    // the data access it checks; null pointers stay null elements; each
    // element's local reference goes once stored; the VARIANT is cleared.
    for (const char* part : {"SafeArrayGetDim( retSafeArray ) == 1 && ( retSafeArray->fFeatures & ( FADF_UNKNOWN | FADF_DISPATCH )) != 0",
                             "jclass retArrayClass = brivelFindClass( env, \"a/b/IShape\" );",
                             "SUCCEEDED( SafeArrayAccessData( retSafeArray, &retArrayData ))",
                             "if ( retArrayUnk == 0 ) continue;",
                             "brivelUnknownToInterfaceObject( env, retArrayUnk, \"a/b/IShape\" );",
                             "env->DeleteLocalRef( retArrayItem );",
                             "SafeArrayUnaccessData( retSafeArray );\n\t\t}\n"
                             "\t\tif ( retArrayClass != 0 ) env->DeleteLocalRef( retArrayClass );\n"
                             "\t}\n\tVariantClear( &ret );\n\treturn retArray;\n"})
        EXPECT_NE(text.find(part), std::string::npos) << part << "\n" << text;
    // Balanced braces: the loop and its blocks are closed.
    EXPECT_EQ(std::count(text.begin(), text.end(), '{'), std::count(text.begin(), text.end(), '}')) << text;
    // In events, the Java array is a local deleted after the listener's call.
    std::string event = Written([&](FILE* f) {
        shapes.EmitEventParam(CMapperCall(), 2, f);
        shapes.EmitEventCleanup(2, f);
    });
    EXPECT_NE(event.find("\t\tSAFEARRAY * eventSafeArray2 = ((( pDispParams->rgvarg[eventParamIndex2] ).vt & VT_ARRAY )"),
              std::string::npos)
        << event;
    EXPECT_NE(event.find("\t\tif ( eventArray2 != 0 ) brivelJniEnv->DeleteLocalRef( eventArray2 );\n"), std::string::npos);
    EXPECT_EQ(Text([&](CString& t) { shapes.GetEventArgExpr(2, t); }), "eventArray2");
}

TEST(ArrayMappers, InOutEventArraysComeBackFromTheListenersHolder) {
    // By reference the sink passes the mapper's own holder, copied back
    // only when the listener threw nothing (the sink writer's block).
    EXPECT_TRUE(g_stringSafeArrayMappers.byRef.IsByRefEventParam());
    EXPECT_FALSE(g_stringSafeArrayMappers.byRef.PassesByRefThroughArray());
    EXPECT_FALSE(g_stringSafeArrayMappers.byValue.IsByRefEventParam());
    std::string fill = Written([](FILE* f) { g_stringSafeArrayMappers.byRef.EmitEventArrayFillFromVtbl(CMapperCall(), 1, f); });
    EXPECT_NE(fill.find("\t\tSAFEARRAY * eventSafeArray1 = ( arg1 == 0 ? (SAFEARRAY *) 0 : *arg1 );\n"), std::string::npos) << fill;
    EXPECT_NE(fill.find("\t\tif ( eventArray1Field != 0 ) eventArray1 = brivelJniEnv->AllocObject( eventArray1Class );\n"
                        "\t\tif ( eventArray1 != 0 ) brivelJniEnv->SetObjectField( eventArray1, eventArray1Field, eventElements1 );\n"),
              std::string::npos)
        << fill;
    EXPECT_EQ(Text([](CString& t) { g_stringSafeArrayMappers.byRef.GetEventArrayExpr(1, t); }), "eventArray1");
    // What the listener leaves replaces the caller's array (an empty holder
    // leaves none); a failed conversion, or a caller's array that cannot be
    // destroyed, leaves the caller's array.
    EXPECT_EQ(Written([](FILE* f) { g_stringSafeArrayMappers.byRef.EmitEventArrayCopyToVtbl(CMapperCall(), 1, f); }),
              "\t\t\tif ( eventArray1 != 0 && arg1 != 0 ) {\n"
              "\t\t\t\tJNIEnv * env = brivelJniEnv;\n"
              "\t\t\t\tjclass eventNewArray1Class = env->GetObjectClass( eventArray1 );\n"
              "\t\t\t\tjfieldID eventNewArray1Field = env->GetFieldID( eventNewArray1Class, \"array\", \"[Ljava/lang/String;\" );\n"
              "\t\t\t\tenv->DeleteLocalRef( eventNewArray1Class );\n"
              "\t\t\t\tjobject eventNewArray1Value = eventNewArray1Field == 0 ? 0 : env->GetObjectField( eventArray1, eventNewArray1Field );\n"
              "\t\t\t\tSAFEARRAY * eventNewArray1 = brivelJArrayToSafeArray( env, (jarray) eventNewArray1Value, VT_BSTR );\n"
              "\t\t\t\tif ( eventNewArray1Value != 0 ) env->DeleteLocalRef( eventNewArray1Value );\n"
              "\t\t\t\tif ( eventNewArray1Field != 0 && ! env->ExceptionCheck() && ( *arg1 == 0 || SUCCEEDED( SafeArrayDestroy( *arg1 ))))\n"
              "\t\t\t\t\t*arg1 = eventNewArray1;\n"
              "\t\t\t\telse if ( eventNewArray1 != 0 )\n"
              "\t\t\t\t\tSafeArrayDestroy( eventNewArray1 );\n"
              "\t\t\t}\n");
    // Through IDispatch only a VARIANT that holds an array by reference takes it.
    std::string toVariant = Written([](FILE* f) { g_stringSafeArrayMappers.byRef.EmitEventArrayCopyToVariant(CMapperCall(), 1, f); });
    EXPECT_EQ(toVariant.find("\t\t\tif (( pDispParams->rgvarg[eventParamIndex1].vt & ( VT_BYREF | VT_ARRAY )) == ( VT_BYREF | VT_ARRAY )) {\n"
                             "\t\t\t\tif ( eventArray1 != 0 && pDispParams->rgvarg[eventParamIndex1].pparray != 0 ) {\n"),
              0u)
        << toVariant;
    EXPECT_EQ(Written([](FILE* f) { g_stringSafeArrayMappers.byRef.EmitEventArrayDeleteRef(1, f); }),
              "\t\tif ( eventArray1 != 0 ) brivelJniEnv->DeleteLocalRef( eventArray1 );\n");
    // An out-only argument's incoming value is neither read nor freed.
    std::string outOnly;
    {
        const CMapperCall call = CMapperCall::EventArgument(true);
        outOnly = Written([&](FILE* f) {
            g_stringSafeArrayMappers.byRef.EmitEventArrayFillFromVtbl(call, 1, f);
            g_stringSafeArrayMappers.byRef.EmitEventArrayCopyToVtbl(call, 1, f);
        });
    }
    EXPECT_NE(outOnly.find("\t\tSAFEARRAY * eventSafeArray1 = (SAFEARRAY *) 0;\n"), std::string::npos) << outOnly;
    EXPECT_NE(outOnly.find("\t\t\t\tif ( eventNewArray1Field != 0 && ! env->ExceptionCheck() )\n\t\t\t\t\t*arg1 = eventNewArray1;\n"),
              std::string::npos)
        << outOnly;
    EXPECT_EQ(outOnly.find("*arg1 )"), std::string::npos) << outOnly;
}

namespace {

// A record of two fields whose tables start at row 5, with an identifier or
// without one (then the runtime copies its bytes directly).
struct RecordFixture {
    explicit RecordFixture(bool withGuid) {
        record.javaName = "Spot";
        record.size = 12;
        record.firstDetailRow = 5;
        if (withGuid) record.guid = ParseGuid("{6B2C0300-0000-4000-8000-000000000001}");
        record.fields.resize(2);
        record.fields[0].mapper = &g_longMapper;
        record.fields[1].mapper = &g_stringMapper;
    }
    CTestJob job;
    CRecordEntry record;
};

}  // namespace

TEST(RecordMapper, DirectRecordByReferenceIsPassedAsItsBufferAndCopiedFromIt) {
    RecordFixture fixture(false);
    CRecordTypeMapper byRef(&fixture.job, &fixture.record, true, 1);
    EXPECT_EQ(Text([&](CString& t) { byRef.GetVtblParamType(t); }), "void **");
    EXPECT_EQ(Written([&](FILE* f) { byRef.EmitVtblArgumentSetup(CMapperCall(), 1, false, "arg1", f, false); }),
              "\tjfieldID fieldIds1[2];\n"
              "\tbool err1;\n"
              "\tunsigned char rec1[12];\n"
              "\tmemset( rec1, 0, sizeof rec1 );\n"
              "\tbrivelDirectCopyJObjectToComRecord( env, arg1, rec1, 2, &brivelRecordDetails[5], fieldIds1, &err1 );\n"
              "\tif ( err1 ) {\n"
              "\t\tbrivelClearDirectRecord( &brivelRecordDetails[5], 2, rec1 );\n"
              "\t\treturn;\n"
              "\t}\n"
              "\tvoid ** recPtr1 = (void **) &rec1;\n");
    EXPECT_EQ(Text([&](CString& t) { byRef.GetVtblArgumentExpr(1, 0, t); }), "recPtr1");
    // The out copy reads the bytes the callee filled, not a pointer made of them.
    EXPECT_EQ(Written([&](FILE* f) { byRef.EmitVtblOutCopy(CMapperCall(), 1, 0, f); }),
              "\tbrivelDirectCopyComRecordToJObject( env, rec1, arg1, 2, &brivelRecordDetails[5], fieldIds1 );\n");
    EXPECT_EQ(Written([&](FILE* f) { byRef.GetVtblReturnPointer(f); }), "(void *) recRetPtr");
    // Through a pointer to a pointer the callee may hand back its own record.
    CRecordTypeMapper twice(&fixture.job, &fixture.record, true, 2);
    std::string setup = Written([&](FILE* f) { twice.EmitVtblArgumentSetup(CMapperCall(), 0, true, "arg0", f, true); });
    EXPECT_EQ(setup.find("brivelDirectCopyJObjectToComRecord"), std::string::npos) << "an out-only record is not read";
    EXPECT_NE(setup.find("\tvoid * recRef0 = rec0;\n\tvoid ** recPtr0 = &recRef0;\n"), std::string::npos) << setup;
    EXPECT_EQ(Written([&](FILE* f) { twice.EmitVtblOutCopy(CMapperCall(), 0, 1, f); }),
              "\tif ( *recPtr0 != 0 ) brivelDirectCopyComRecordToJObject( env, (unsigned char *) *recPtr0, arg0, 2, "
              "&brivelRecordDetails[5], fieldIds0 );\n");
    EXPECT_EQ(Written([&](FILE* f) { twice.GetVtblReturnPointer(f); }), "(void **) &recRetPtr");
    // A VARIANT cannot carry a record without IRecordInfo.
    EXPECT_EQ(Written([&](FILE* f) { byRef.EmitInvokeArgument(CMapperCall(), 0, 0, false, "arg0", true, nullptr, f); }),
              "\tenv->ThrowNew( brivelFindClass( env, \"brivel/TavoException\" ), \"Record definition not found in type library\" );\n"
              "\treturn 0;\n");
}

TEST(RecordMapper, RecordWithIdentifierGoesThroughRecordInfo) {
    RecordFixture fixture(true);
    CRecordTypeMapper byRef(&fixture.job, &fixture.record, true, 1);
    EXPECT_EQ(Text([&](CString& t) { byRef.GetVtblParamType(t); }), "void *");
    // Out-only records are not read from Java (the runtime is given no Java
    // record, and makes an empty one); a failed conversion releases the
    // arguments before it.
    std::string invoke;
    {
        const CMapperCall call = CallReleasing("\tSysFreeString( bstr0 );\n");
        invoke = Written([&](FILE* f) { byRef.EmitInvokeArgument(call, 2, 0, true, "arg2", false, nullptr, f); });
    }
    EXPECT_EQ(invoke,
              "\tif ( arg2 == 0 ) {\n"
              "\t\tenv->ThrowNew( brivelFindClass( env, \"java/lang/NullPointerException\" ), \"Argument 3 is null\" );\n"
              "\t\tSysFreeString( bstr0 );\n"
              "\t\treturn;\n"
              "\t}\n"
              "\tvargs[0].vt = VT_RECORD;\n"
              "\tIRecordInfo * iRecInfo2 = 0;\n"
              "\tjfieldID fieldIds2[2];\n"
              "\tbool err2;\n"
              "\tjobject recobj2 = arg2;\n"
              "\tV_RECORD( &vargs[0 ] ) = brivelJObjectToComRecord( env, (jobject) 0, &libDescriptionStruct, &IID_RecordSpot, "
              "&brivelRecordDetails[5], 2, &err2, &iRecInfo2, fieldIds2, true );\n"
              "\tif ( err2 ) {\n"
              "\t\tSysFreeString( bstr0 );\n"
              "\t\treturn;\n"
              "\t}\n"
              "\tV_RECORDINFO( &vargs[0] ) = iRecInfo2;\n");
    // The event's record belongs to the event's source: copied, not destroyed.
    std::string event = Text([&](CString& t) { byRef.GetEventArgExpr(1, t); });
    EXPECT_EQ(event.substr(event.size() - 11), " ), false )") << event;
    // A result that is not a record is not read: an empty one is null,
    // another one throws as a failed conversion.
    std::string result = Written([&](FILE* f) { byRef.EmitInvokeReturn(f); });
    EXPECT_EQ(result.find("\tif ( ret.vt != VT_RECORD && ret.vt != VT_EMPTY && ret.vt != VT_NULL ) {\n\t\tVariantClear( &ret );\n"
                          "\t\tbrivelThrowComExceptionObject( env, DISP_E_TYPEMISMATCH, 0 );\n\t\treturn 0;\n\t}\n"
                          "\tif ( ret.vt != VT_RECORD ) {\n\t\tVariantClear( &ret );\n\t\treturn 0;\n\t}\n"), 0u) << result;
}

TEST(RecordMapper, RecordWithoutTablesThrowsOnEveryPath) {
    RecordFixture fixture(true);
    fixture.record.fields[1].mapper = nullptr;  // a field without conversion
    CRecordTypeMapper mapper(&fixture.job, &fixture.record, false, 0);
    {
        const CMapperCall call = CallReleasing("\tSysFreeString( bstr0 );\n");
        EXPECT_EQ(Written([&](FILE* f) { mapper.EmitVtblArgumentSetup(call, 1, false, "arg1", f, true); }),
                  "\tenv->ThrowNew( brivelFindClass( env, \"brivel/TavoException\" ), \"Unsupported record type\" );\n"
                  "\tSysFreeString( bstr0 );\n"
                  "\treturn 0;\n"
                  "\tvoid * rec1 = 0;\n");
    }
    EXPECT_EQ(Written([&](FILE* f) { mapper.EmitVtblCleanup(1, "arg1", f); }), "");
    EXPECT_EQ(Written([&](FILE* f) { mapper.EmitInvokeCleanup(1, 0, f); }), "");
    EXPECT_EQ(Text([&](CString& t) { mapper.GetEventArgExpr(0, t); }), "(jobject) 0");
    CRecordArrayTypeMapper array(&mapper, false);
    EXPECT_EQ(Written([&](FILE* f) { array.EmitInvokeArgument(CMapperCall(), 0, 0, false, "arg0", false, nullptr, f); }),
              "\tenv->ThrowNew( brivelFindClass( env, \"brivel/TavoException\" ), \"Record definition not found in type library\" );\n"
              "\treturn;\n"
              "\tSAFEARRAY * tmpSafeArray0 = NULL;\n");
}

TEST(RecordArrayMapper, HolderArrayGoesInAndIsReplacedByTheCalleesArray) {
    RecordFixture fixture(true);
    CRecordTypeMapper element(&fixture.job, &fixture.record, false, 0);
    CRecordArrayTypeMapper byRef(&element, true);
    EXPECT_EQ(Text([&](CString& t) { byRef.GetJavaType(t); }), "brivel.out.TavoRecordArray");
    std::string setup = Written([&](FILE* f) { byRef.EmitVtblArgumentSetup(CMapperCall(), 1, false, "arg1", f, true); });
    EXPECT_NE(setup.find("\tjobjectArray jarray1 = (jobjectArray) env->GetObjectField( arg1, holderField1 );\n"),
              std::string::npos) << setup;
    EXPECT_NE(setup.find("brivelJArrayToSafeArrayRecord( env, jarray1, "), std::string::npos) << setup;
    // A failed copy back releases every argument before returning.
    std::string invokeCopy, vtblCopy;
    {
        const CMapperCall call = CallReleasing("\tSafeArrayDestroy( tmpSafeArray0 );\n\tSafeArrayDestroy( tmpSafeArray1 );\n");
        invokeCopy = Written([&](FILE* f) { byRef.EmitInvokeOutCopy(call, 1, 0, 1, f); });
        vtblCopy = Written([&](FILE* f) { byRef.EmitVtblOutCopy(call, 1, 1, f); });
    }
    EXPECT_EQ(invokeCopy,
              "\t\tjobjectArray outArray1 = brivelCopySafeArrayToJArrayRecord( env, true, *vargs[0].pparray, jarray1, NULL, "
              "\"Spot\", &err1, &brivelRecordDetails[5], 2,  fieldIds1 );\n"
              "\t\tif ( !err1 ) env->SetObjectField( arg1, holderField1, outArray1 );\n"
              "\t\tif ( err1 ) {\n"
              "\t\t\tSafeArrayDestroy( tmpSafeArray0 );\n"
              "\t\t\tSafeArrayDestroy( tmpSafeArray1 );\n"
              "\t\t\treturn 0;\n"
              "\t\t}\n");
    EXPECT_NE(vtblCopy.find("\tif ( vErr1 ) {\n\t\tSafeArrayDestroy( tmpSafeArray0 );\n\t\tSafeArrayDestroy( tmpSafeArray1 );\n\t\treturn 0;\n\t}\n"),
              std::string::npos) << vtblCopy;
    // An event hands the listener a holder of its own.
    std::string event = Written([&](FILE* f) { byRef.EmitEventParam(CMapperCall(), 0, f); });
    EXPECT_NE(event.find("\t\tjobject eventRecordHolder0 = eventRecordHolderClass0 == 0 ? 0 : brivelJniEnv->NewObject( eventRecordHolderClass0, "),
              std::string::npos) << event;
    EXPECT_EQ(Text([&](CString& t) { byRef.GetEventArgExpr(0, t); }), "eventRecordHolder0");
}

namespace {

struct WordsPoint {
    LONG x, y;
};
struct WordsSample {
    double value;
    short flags;
    BSTR note;
};

// An event method as the sink declares it: the record's bytes as stack words.
HRESULT STDMETHODCALLTYPE TakesRecordWords(void* self, DWORD at_0, DWORD at_1) {
    DWORD words[2] = {at_0, at_1};
    *static_cast<WordsPoint*>(self) = *reinterpret_cast<WordsPoint*>(words);
    return S_OK;
}

HRESULT STDMETHODCALLTYPE TakesRecordsByValue(void* self, WordsPoint at, WordsSample sample) {
    auto* seen = static_cast<double*>(self);
    seen[0] = at.x;
    seen[1] = at.y;
    seen[2] = sample.value;
    seen[3] = sample.flags;
    seen[4] = sample.note == reinterpret_cast<BSTR>(0x1234) ? 1 : 0;
    return S_OK;
}

}  // namespace

// A record the callee takes by value is handed over as the words of its
// bytes: the thunk's call type and arguments, and the platform's calling
// convention agreeing with them.
TEST(RecordMapper, RecordByValueIsPassedAsItsStackWords) {
    RecordFixture fixture(false);
    fixture.record.size = 16;
    CRecordTypeMapper byValue(&fixture.job, &fixture.record, false, 0);
    EXPECT_EQ(Text([&](CString& t) { byValue.GetVtblParamType(t); }), "void *");
    EXPECT_EQ(Text([&](CString& t) { byValue.GetVtblParamTypeVariant(t); }), "DWORD,DWORD,DWORD,DWORD");
    EXPECT_EQ(Text([&](CString& t) { byValue.GetVtblCallArguments(2, t); }),
              ",((DWORD *) arg2)[0],((DWORD *) arg2)[1],((DWORD *) arg2)[2],((DWORD *) arg2)[3]");
    CRecordTypeMapper byRef(&fixture.job, &fixture.record, true, 1);
    EXPECT_EQ(Text([&](CString& t) { byRef.GetVtblCallArguments(2, t); }), ",arg2");

    WordsPoint at = {7, -9};
    WordsSample sample = {2.5, 3, reinterpret_cast<BSTR>(0x1234)};
    static_assert(sizeof(WordsSample) == 16, "the record of the fixture");
    void* arg1 = &at;
    void* arg2 = &sample;
    double seen[5] = {};
    // Read at run time, as a virtual-table entry is (the compiler cannot
    // look through it).
    void* volatile slot = reinterpret_cast<void*>(TakesRecordsByValue);
    HRESULT hr = ((HRESULT(STDMETHODCALLTYPE*)(void*, DWORD, DWORD, DWORD, DWORD, DWORD, DWORD))slot)(
        seen, ((DWORD*)arg1)[0], ((DWORD*)arg1)[1], ((DWORD*)arg2)[0], ((DWORD*)arg2)[1], ((DWORD*)arg2)[2],
        ((DWORD*)arg2)[3]);
    EXPECT_EQ(hr, S_OK);
    EXPECT_EQ(seen[0], 7);
    EXPECT_EQ(seen[1], -9);
    EXPECT_EQ(seen[2], 2.5);
    EXPECT_EQ(seen[3], 3);
    EXPECT_EQ(seen[4], 1);

    // An event source pushes the record itself; the sink's method takes its words.
    CRecordTypeMapper point(&fixture.job, &fixture.record, false, 0);
    fixture.record.size = 8;
    EXPECT_EQ(Text([&](CString& t) { point.GetVtblEventParamDeclaration(1, true, t); }), "DWORD arg1_0,DWORD arg1_1");
    EXPECT_EQ(Text([&](CString& t) { point.GetVtblEventParamDeclaration(1, false, t); }), "DWORD,DWORD");
    EXPECT_EQ(Written([&](FILE* f) { point.EmitVtblEventParam(CMapperCall(), 1, f); }),
              "\tbool err1;\n\tjfieldID fieldIds1[2];\n\tDWORD recWords1[2] = { arg1_0, arg1_1 };\n");
    EXPECT_NE(Text([&](CString& t) { point.GetVtblEventArgExpr(1, t); }).find("(unsigned char *) recWords1,"), std::string::npos);
    WordsPoint received = {};
    void* volatile eventSlot = reinterpret_cast<void*>(TakesRecordWords);
    hr = ((HRESULT(STDMETHODCALLTYPE*)(void*, WordsPoint))eventSlot)(&received, at);
    EXPECT_EQ(hr, S_OK);
    EXPECT_EQ(received.x, 7);
    EXPECT_EQ(received.y, -9);
}
