#include "mappers/StaticTypeMappers.h"
#include "WrittenText.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <functional>
#include <string>

namespace {

struct NumericRow {
    CPrimitiveTypeMapper* mapper;
    bool byRef;
    const char *java, *jni, *c, *sig, *vt, *accessor, *word, *arrayType;
};

std::string Str(const char* text) { return text ? text : "(none)"; }

}  // namespace

TEST(StaticTypeMappers, NumericMappersCarryTheirEightStrings) {
    const NumericRow rows[] = {
        {&g_byteMapper, false, "byte", "jbyte", "unsigned char", "B", "VT_UI1", "V_UI1", "Byte", "jbyteArray"},
        {&g_signedByteMapper, false, "byte", "jbyte", "signed char", "B", "VT_I1", "V_I1", "Byte", "jbyteArray"},
        {&g_intMapper, false, "int", "jint", "int", "I", "VT_INT", "V_INT", "Int", "jintArray"},
        {&g_shortMapper, false, "short", "jshort", "short", "S", "VT_I2", "V_I2", "Short", "jshortArray"},
        {&g_longMapper, false, "int", "jint", "long", "I", "VT_I4", "V_I4", "Int", "jintArray"},
        {&g_uintMapper, false, "int", "jint", "int", "I", "VT_UINT", "V_UINT", "Int", "jintArray"},
        {&g_ushortMapper, false, "short", "jshort", "short", "S", "VT_UI2", "V_UI2", "Short", "jshortArray"},
        {&g_ulongMapper, false, "int", "jint", "long", "I", "VT_UI4", "V_UI4", "Int", "jintArray"},
        {&g_floatMapper, false, "float", "jfloat", "float", "F", "VT_R4", "V_R4", "Float", "jfloatArray"},
        {&g_doubleMapper, false, "double", "jdouble", "double", "D", "VT_R8", "V_R8", "Double", "jdoubleArray"},
        {&g_int64Mapper, false, "long", "jlong", "__int64", "J", "VT_I8", "V_I8", "Long", "jlongArray"},
        {&g_errorMapper, false, "int", "jint", "long", "I", "VT_ERROR", "V_ERROR", "Int", "jintArray"},
        {&g_byteRefMapper, true, "byte", "jbyte", "unsigned char *", "B", "VT_BYREF | VT_UI1", "V_UI1REF", "Byte", "jbyteArray"},
        {&g_signedByteRefMapper, true, "byte", "jbyte", "signed char *", "B", "VT_BYREF | VT_I1", "V_I1REF", "Byte", "jbyteArray"},
        {&g_intRefMapper, true, "int", "jint", "long *", "I", "VT_BYREF | VT_I4", "V_I4REF", "Int", "jintArray"},
        {&g_shortRefMapper, true, "short", "jshort", "short *", "S", "VT_BYREF | VT_I2", "V_I2REF", "Short", "jshortArray"},
        {&g_longRefMapper, true, "int", "jint", "long *", "I", "VT_BYREF | VT_I4", "V_I4REF", "Int", "jintArray"},
        {&g_uintRefMapper, true, "int", "jint", "long *", "I", "VT_BYREF | VT_UI4", "V_I4REF", "Int", "jintArray"},
        {&g_ushortRefMapper, true, "short", "jshort", "short *", "S", "VT_BYREF | VT_UI2", "V_I2REF", "Short", "jshortArray"},
        {&g_ulongRefMapper, true, "int", "jint", "long *", "I", "VT_BYREF | VT_UI4", "V_I4REF", "Int", "jintArray"},
        {&g_floatRefMapper, true, "float", "jfloat", "float *", "F", "VT_BYREF | VT_R4", "V_R4REF", "Float", "jfloatArray"},
        {&g_doubleRefMapper, true, "double", "jdouble", "double *", "D", "VT_BYREF | VT_R8", "V_R8REF", "Double", "jdoubleArray"},
        {&g_int64RefMapper, true, "long", "jlong", "__int64 *", "J", "VT_BYREF | VT_I8", "V_I8REF", "Long", "jlongArray"},
        {&g_boolMapper, false, "boolean", "jboolean", "VARIANT_BOOL", "Z", "VT_BOOL", "V_BOOL", "Boolean", "jbooleanArray"},
        {&g_boolRefMapper, true, "boolean", "jboolean", "VARIANT_BOOL *", "Z", "VT_BOOL | VT_BYREF", "V_BOOLREF", "Boolean", "jbooleanArray"},
        {&g_lpstrMapper, false, "String", "jstring", "VARIANT_LPSTR", "Ljava/lang/String;", "VT_LPSTR", "V_LPSTR", "String", "jobjectArray"},
        {&g_voidMapper, false, "void", "void", "void", "V", "VT_VOID", "", nullptr, nullptr},
        {&g_enumeratorMarkerMapper, false, "byte", "jbyte", "unsigned char", "B", "VT_UI1", "V_UI1", "Byte", "jbyteArray"},
    };
    for (const NumericRow& row : rows) {
        CString text;
        EXPECT_EQ(row.mapper->IsByRef(), row.byRef) << row.vt;
        row.mapper->GetJavaType(text);
        EXPECT_STREQ(text, row.java) << row.vt;
        row.mapper->GetJniType(text);
        EXPECT_STREQ(text, row.jni) << row.vt;
        EXPECT_STREQ(row.mapper->GetCType(), row.c) << row.vt;
        row.mapper->GetJniSignature(false, text);
        EXPECT_STREQ(text, row.sig) << row.vt;
        EXPECT_STREQ(row.mapper->GetVtName(), row.vt) << row.vt;
        EXPECT_STREQ(row.mapper->GetAccessor(), row.accessor) << row.vt;
        EXPECT_EQ(Str(row.mapper->GetArrayAccessorWord()), Str(row.word)) << row.vt;
        EXPECT_EQ(Str(row.mapper->GetJniArrayType()), Str(row.arrayType)) << row.vt;
        // Runtime function names use the array accessor word.
        EXPECT_EQ(Str(row.mapper->GetHelperKindWord()), Str(row.word)) << row.vt;
    }
    EXPECT_TRUE(g_voidMapper.IsVoid());
    EXPECT_FALSE(g_byteMapper.IsVoid());
    EXPECT_TRUE(g_lpstrMapper.IsVirtualCallOnly());
    EXPECT_TRUE(g_lpstrRefMapper.IsLpstrByRef());
    EXPECT_FALSE(g_lpstrRefMapper.IsByRef());
    EXPECT_NE(&g_lpstrRefMapper, &g_lpstrRefMapper2);
    EXPECT_NE(static_cast<CTypeMapper*>(&g_enumeratorMarkerMapper), static_cast<CTypeMapper*>(&g_byteMapper));
}

TEST(StaticTypeMappers, SafeArrayPairsAreSeparateObjectsPerElement) {
    EXPECT_NE(&g_i1SafeArrayMappers.byValue, &g_ui1SafeArrayMappers.byValue);
    // The signed bytes' arrays are arrays of VT_I1.
    EXPECT_STREQ(g_i1SafeArrayMappers.byValue.GetElement()->GetVtName(), "VT_I1");
    EXPECT_STREQ(g_ui1SafeArrayMappers.byValue.GetElement()->GetVtName(), "VT_UI1");
    EXPECT_FALSE(g_i4SafeArrayMappers.byValue.IsByRef());
    EXPECT_TRUE(g_i4SafeArrayMappers.byRef.IsByRef());
    CString text;
    g_i4SafeArrayMappers.byValue.GetJniSignature(false, text);
    EXPECT_STREQ(text, "[I");
    g_stringSafeArrayMappers.byRef.GetJniSignature(true, text);
    EXPECT_STREQ(text, "Lbrivel_out_TavoStringArray_2");
    g_variantSafeArrayMappers.byRef.GetJavaType(text);
    EXPECT_STREQ(text, "brivel.out.TavoVariantArray");
    g_dateSafeArrayMappers.byRef.GetJavaType(text);
    EXPECT_STREQ(text, "brivel.out.TavoDateArray");
    g_i2SafeArrayMappers.byRef.GetJavaType(text);
    EXPECT_STREQ(text, "brivel.out.TavoShortArray");
    g_r8SafeArrayMappers.byValue.GetJavaType(text);
    EXPECT_STREQ(text, "double[]");
}

TEST(StaticTypeMappers, VariantLevelsAndFlagsGoTogether) {
    EXPECT_FALSE(g_variantMapper.IsByRef());
    EXPECT_TRUE(g_variantRefMapper.IsByRef());
    EXPECT_EQ(g_variantRefMapper.GetLevel(), 1);
    EXPECT_EQ(g_variantLevel2Mapper.GetLevel(), 2);
    CString text;
    g_variantLevel2Mapper.GetVtblParamType(text);
    EXPECT_STREQ(text, "VARIANT **");
    g_variantLevel0Mapper.GetVtblParamType(text);
    EXPECT_STREQ(text, "VARIANT *");
}

TEST(StaticTypeMappers, NumericFragments) {
    EXPECT_EQ(Written([](FILE* f) { g_longRefMapper.EmitInvokeArgument(CMapperCall(), 2, 0, false, "&arg2__arrayBuf[0]", true, nullptr, f); }),
              "\tvargs[0].vt = VT_BYREF | VT_I4;\n\tV_I4REF( &vargs[0] ) = (long *) &&arg2__arrayBuf[0];\n");
    EXPECT_EQ(Written([](FILE* f) { g_shortMapper.EmitInvokeArgument(CMapperCall(), 1, 3, false, "arg1", true, nullptr, f); }),
              "\tvargs[3].vt = VT_I2;\n\tV_I2( &vargs[3] ) = (short) arg1;\n");
    // A result is coerced to its type before it is read (by value: the
    // coercion reads a reference through).
    EXPECT_EQ(Written([](FILE* f) { g_doubleRefMapper.EmitInvokeReturn(f); }),
              "\tif ( ret.vt != VT_R8 && FAILED( hr = VariantChangeType( &ret, &ret, 0, VT_R8 ))) {\n"
              "\t\tif ( ret.vt != VT_EMPTY ) {\n"
              "\t\t\tVariantClear( &ret );\n"
              "\t\t\tbrivelThrowComExceptionObject( env, hr, 0 );\n"
              "\t\t\treturn 0;\n"
              "\t\t}\n"
              "\t\tmemset( &ret, 0, sizeof ret );\n"
              "\t}\n"
              "\treturn (jdouble)V_R8( &ret );\n");
    EXPECT_EQ(Written([](FILE* f) { g_shortMapper.WriteClassLiteral(f); }), "Short.TYPE");
    EXPECT_EQ(Written([](FILE* f) { g_longMapper.WriteClassLiteral(f); }), "Integer.TYPE");
    EXPECT_EQ(Written([](FILE* f) { g_intMapper.WriteBoxing(f, "x"); }), "new Integer( x )");
    EXPECT_EQ(Written([](FILE* f) { g_int64RefMapper.EmitInvokeArgument(CMapperCall(), 0, 1, false, "p", true, nullptr, f); }),
              "\tvargs[1].vt = VT_BYREF | VT_I8;\n\tvargs[1].plVal = (long *) (__int64 *) &p;\n");
    EXPECT_EQ(Written([](FILE* f) { g_longMapper.EmitArrayBufferRelease(4, f); }),
              "\tenv->ReleaseIntArrayElements( (jintArray) arg4, arg4__arrayBuf, 0 );\n");
    CString text;
    g_longRefMapper.GetArrayBufferExpr(4, text);
    EXPECT_STREQ(text, "&arg4__arrayBuf[0]");
    g_floatRefMapper.GetEventArgExpr(2, text);
    EXPECT_STREQ(text, "(jfloat) *V_R4REF( &pDispParams->rgvarg[eventParamIndex2] )");
    g_longMapper.GetVtblEventArgExpr(3, text);
    EXPECT_STREQ(text, "(jint) arg3");
}

TEST(StaticTypeMappers, BooleanFragments) {
    EXPECT_EQ(Written([](FILE* f) { g_boolMapper.EmitInvokeArgument(CMapperCall(), 0, 0, false, "arg0", true, nullptr, f); }),
              "\tvargs[0].vt = VT_BOOL;\n\tV_BOOL( &vargs[0] ) = arg0 ? 0xFFFF : 0;\n");
    EXPECT_EQ(Written([](FILE* f) { g_boolRefMapper.EmitInvokeArgument(CMapperCall(), 1, 0, false, "b", true, nullptr, f); }),
              "\tvargs[0].vt = VT_BYREF | VT_BOOL;\n\tshort temp__1 = b ? 0xFFFF : 0;\n\tV_BOOLREF( &vargs[0] ) = &temp__1;\n");
    EXPECT_EQ(Written([](FILE* f) { g_boolRefMapper.EmitInvokeOutCopy(CMapperCall(), 1, 0, 0, f); }),
              "\t\targ1__arrayBuf[0] = temp__1 ? JNI_TRUE : JNI_FALSE;\n");
    EXPECT_EQ(Written([](FILE* f) { g_boolMapper.EmitInvokeReturn(f); }),
              "\tif ( ret.vt != VT_BOOL && FAILED( hr = VariantChangeType( &ret, &ret, 0, VT_BOOL ))) {\n"
              "\t\tif ( ret.vt != VT_EMPTY ) {\n"
              "\t\t\tVariantClear( &ret );\n"
              "\t\t\tbrivelThrowComExceptionObject( env, hr, 0 );\n"
              "\t\t\treturn 0;\n"
              "\t\t}\n"
              "\t\tmemset( &ret, 0, sizeof ret );\n"
              "\t}\n"
              "\treturn V_BOOL( &ret ) ? JNI_TRUE : JNI_FALSE;\n");
    EXPECT_EQ(Written([](FILE* f) { g_boolRefMapper.EmitEventArrayCopyToVariant(CMapperCall(), 2, f); }),
              "\t\t\t*V_BOOLREF( &pDispParams->rgvarg[eventParamIndex2] ) = *eventArrayPtr_2 ? VARIANT_TRUE : VARIANT_FALSE;\n");
}

TEST(StaticTypeMappers, ByteBufferFragments) {
    CString word;
    EXPECT_TRUE(g_unsignedByteBufferMapper.GetKindWord(word));
    EXPECT_STREQ(word, "byte array");
    EXPECT_TRUE(g_signedByteBufferMapper.GetKindWord(word));
    EXPECT_STREQ(word, "character array");
    EXPECT_EQ(Written([](FILE* f) { g_signedByteBufferMapper.EmitInvokeArgument(CMapperCall(), 0, 1, false, "arg0", false, nullptr, f); }),
              "\tif ( arg0 == 0 ) {\n"
              "\t\tenv->ThrowNew( brivelFindClass( env, \"java/lang/NullPointerException\" ), \"Null Argument\" );\n"
              "\t\treturn;\n"
              "\t}\n"
              "\tjbyteArray byteArray0 = (jbyteArray) arg0;\n"
              "\tjbyte * bufPtr0 = byteArray0 == 0 ? 0 : env->GetByteArrayElements( byteArray0, NULL );\n"
              "\tvargs[1].vt = VT_BYREF | VT_I1;\n"
              "\tvargs[1].byref = bufPtr0;\n");
    CString text;
    g_unsignedByteBufferMapper.GetVtblArgumentExpr(5, 0, text);
    EXPECT_STREQ(text, "(unsigned char *) bufPtr5");
    EXPECT_EQ(Written([](FILE* f) { g_unsignedByteBufferMapper.EmitVtblReturn(f); }), "\treturn 0;\n");
}

TEST(TypeMapperBase, NullCheckAndEventArrayTexts) {
    EXPECT_EQ(Written([](FILE* f) { EmitNullArgumentCheck(CMapperCall(), f, "arg3", true); }),
              "\tif ( arg3 == 0 ) {\n"
              "\t\tenv->ThrowNew( brivelFindClass( env, \"java/lang/NullPointerException\" ), \"Null Argument\" );\n"
              "\t\treturn 0;\n"
              "\t}\n");
    EXPECT_EQ(Written([](FILE* f) { EmitNullArgumentCheck(CMapperCall(), f, "h", false, "\t\t", "Argument 2 is null"); }),
              "\t\tif ( h == 0 ) {\n"
              "\t\t\tenv->ThrowNew( brivelFindClass( env, \"java/lang/NullPointerException\" ), \"Argument 2 is null\" );\n"
              "\t\t\treturn;\n"
              "\t\t}\n");
    EXPECT_EQ(Written([](FILE* f) {
                  g_longRefMapper.EmitEventArrayCreate(1, f);
                  g_longRefMapper.EmitEventArrayPublish(1, f);
                  g_longRefMapper.EmitEventArrayReload(1, f);
                  g_longRefMapper.EmitEventArrayRelease(1, f);
              }),
              "\t\tjintArray eventArrayArg_1 = brivelJniEnv->NewIntArray(1);\n"
              "\t\tjint * eventArrayPtr_1 = eventArrayArg_1 == 0 ? 0 : brivelJniEnv->GetIntArrayElements( eventArrayArg_1, 0 );\n"
              "\t\tif ( eventArrayPtr_1 != 0 ) brivelJniEnv->ReleaseIntArrayElements( eventArrayArg_1, eventArrayPtr_1, 0 );\n"
              "\t\tjobject eventArrayRef_1 = brivelJniEnv->NewGlobalRef(eventArrayArg_1);\n"
              "\t\t\teventArrayPtr_1 = brivelJniEnv->GetIntArrayElements( eventArrayArg_1, 0 );\n"
              "\t\t\tbrivelJniEnv->ReleaseIntArrayElements( eventArrayArg_1, eventArrayPtr_1, 0 );\n");
    CString text;
    g_longRefMapper.GetEventArrayExpr(7, text);
    EXPECT_STREQ(text, "eventArrayArg_7");
    // Release of a shared mapper leaves it usable.
    g_longMapper.Release();
    EXPECT_STREQ(g_longMapper.GetVtName(), "VT_I4");
}
