#include "StaticTypeMappers.h"

// Built in this order before the program's entry code runs, destroyed in
// reverse order at exit; the SAFEARRAY mappers follow their elements.

CPrimitiveTypeMapper g_byteMapper(false, "byte", "jbyte", "unsigned char", "B", "VT_UI1", "V_UI1", "Byte", "jbyteArray");
// A signed byte is a VT_I1 in its VARIANTs and arrays: a negative value
// tagged VT_UI1 is a different number, which a callee cannot take.
CPrimitiveTypeMapper g_signedByteMapper(false, "byte", "jbyte", "signed char", "B", "VT_I1", "V_I1", "Byte", "jbyteArray");
CPrimitiveTypeMapper g_intMapper(false, "int", "jint", "int", "I", "VT_INT", "V_INT", "Int", "jintArray");
CPrimitiveTypeMapper g_shortMapper(false, "short", "jshort", "short", "S", "VT_I2", "V_I2", "Short", "jshortArray");
CPrimitiveTypeMapper g_longMapper(false, "int", "jint", "long", "I", "VT_I4", "V_I4", "Int", "jintArray");
CPrimitiveTypeMapper g_uintMapper(false, "int", "jint", "int", "I", "VT_UINT", "V_UINT", "Int", "jintArray");
CPrimitiveTypeMapper g_ushortMapper(false, "short", "jshort", "short", "S", "VT_UI2", "V_UI2", "Short", "jshortArray");
CPrimitiveTypeMapper g_ulongMapper(false, "int", "jint", "long", "I", "VT_UI4", "V_UI4", "Int", "jintArray");
CPrimitiveTypeMapper g_floatMapper(false, "float", "jfloat", "float", "F", "VT_R4", "V_R4", "Float", "jfloatArray");
CPrimitiveTypeMapper g_doubleMapper(false, "double", "jdouble", "double", "D", "VT_R8", "V_R8", "Double", "jdoubleArray");
CPrimitiveTypeMapper g_int64Mapper(false, "long", "jlong", "__int64", "J", "VT_I8", "V_I8", "Long", "jlongArray");
CPrimitiveTypeMapper g_errorMapper(false, "int", "jint", "long", "I", "VT_ERROR", "V_ERROR", "Int", "jintArray");

CPrimitiveTypeMapper g_byteRefMapper(true, "byte", "jbyte", "unsigned char *", "B", "VT_BYREF | VT_UI1", "V_UI1REF", "Byte", "jbyteArray");
CPrimitiveTypeMapper g_signedByteRefMapper(true, "byte", "jbyte", "signed char *", "B", "VT_BYREF | VT_I1", "V_I1REF", "Byte", "jbyteArray");
CPrimitiveTypeMapper g_intRefMapper(true, "int", "jint", "long *", "I", "VT_BYREF | VT_I4", "V_I4REF", "Int", "jintArray");
CPrimitiveTypeMapper g_shortRefMapper(true, "short", "jshort", "short *", "S", "VT_BYREF | VT_I2", "V_I2REF", "Short", "jshortArray");
CPrimitiveTypeMapper g_longRefMapper(true, "int", "jint", "long *", "I", "VT_BYREF | VT_I4", "V_I4REF", "Int", "jintArray");
CPrimitiveTypeMapper g_uintRefMapper(true, "int", "jint", "long *", "I", "VT_BYREF | VT_UI4", "V_I4REF", "Int", "jintArray");
CPrimitiveTypeMapper g_ushortRefMapper(true, "short", "jshort", "short *", "S", "VT_BYREF | VT_UI2", "V_I2REF", "Short", "jshortArray");
CPrimitiveTypeMapper g_ulongRefMapper(true, "int", "jint", "long *", "I", "VT_BYREF | VT_UI4", "V_I4REF", "Int", "jintArray");
CPrimitiveTypeMapper g_floatRefMapper(true, "float", "jfloat", "float *", "F", "VT_BYREF | VT_R4", "V_R4REF", "Float", "jfloatArray");
CPrimitiveTypeMapper g_doubleRefMapper(true, "double", "jdouble", "double *", "D", "VT_BYREF | VT_R8", "V_R8REF", "Double", "jdoubleArray");
CInt64RefTypeMapper g_int64RefMapper;
CBooleanTypeMapper g_boolMapper(false);
CBooleanTypeMapper g_boolRefMapper(true);
CLpstrTypeMapper g_lpstrMapper(false);
CLpstrTypeMapper g_lpstrRefMapper(true);
CLpstrTypeMapper g_lpstrRefMapper2(true);
CVoidTypeMapper g_voidMapper;
CPrimitiveTypeMapper g_enumeratorMarkerMapper(false, "byte", "jbyte", "unsigned char", "B", "VT_UI1", "V_UI1", "Byte", "jbyteArray");

CVariantTypeMapper g_variantMapper = CVariantTypeMapper::FromFlag(false);
CVariantTypeMapper g_variantRefMapper = CVariantTypeMapper::FromFlag(true);
CVariantTypeMapper g_variantLevel0Mapper = CVariantTypeMapper::FromLevel(0);
CVariantTypeMapper g_variantLevel1Mapper = CVariantTypeMapper::FromLevel(1);
CVariantTypeMapper g_variantLevel2Mapper = CVariantTypeMapper::FromLevel(2);
CStringTypeMapper g_stringMapper(false), g_stringRefMapper(true);
CGuidTypeMapper g_guidMapper(false), g_guidRefMapper(true);
CDateTypeMapper g_dateMapper(false), g_dateRefMapper(true);
CCurrencyTypeMapper g_currencyMapper(false), g_currencyRefMapper(true);
CColorTypeMapper g_colorMapper(false), g_colorRefMapper(true);
CFiletimeTypeMapper g_filetimeMapper(false), g_filetimeRefMapper(true);
CByteBufferTypeMapper g_signedByteBufferMapper(false), g_unsignedByteBufferMapper(true);

CSafeArrayMapperPair g_i1SafeArrayMappers(&g_signedByteMapper);
CSafeArrayMapperPair g_ui1SafeArrayMappers(&g_byteMapper);
CSafeArrayMapperPair g_i2SafeArrayMappers(&g_shortMapper);
CSafeArrayMapperPair g_ui2SafeArrayMappers(&g_ushortMapper);
CSafeArrayMapperPair g_i4SafeArrayMappers(&g_longMapper);
CSafeArrayMapperPair g_ui4SafeArrayMappers(&g_ulongMapper);
CSafeArrayMapperPair g_intSafeArrayMappers(&g_intMapper);
CSafeArrayMapperPair g_uintSafeArrayMappers(&g_uintMapper);
CSafeArrayMapperPair g_r4SafeArrayMappers(&g_floatMapper);
CSafeArrayMapperPair g_r8SafeArrayMappers(&g_doubleMapper);
CSafeArrayMapperPair g_i8SafeArrayMappers(&g_int64Mapper);
CSafeArrayMapperPair g_variantSafeArrayMappers(&g_variantMapper);
CSafeArrayMapperPair g_stringSafeArrayMappers(&g_stringMapper);
CSafeArrayMapperPair g_dateSafeArrayMappers(&g_dateMapper);
CSafeArrayMapperPair g_currencySafeArrayMappers(&g_currencyMapper);
CSafeArrayMapperPair g_boolSafeArrayMappers(&g_boolMapper);
