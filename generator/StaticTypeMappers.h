// The mappers of fixed COM types: objects of static lifetime that selection
// hands out. Nothing creates or deletes them; their Release does nothing.
#pragma once

#include "PrimitiveTypeMappers.h"
#include "ShapeTypeMappers.h"

// Numbers by value.
extern CPrimitiveTypeMapper g_byteMapper;     // VT_UI1
extern CPrimitiveTypeMapper g_signedByteMapper;  // VT_I1
extern CPrimitiveTypeMapper g_intMapper;      // VT_INT
extern CPrimitiveTypeMapper g_shortMapper;    // VT_I2
extern CPrimitiveTypeMapper g_longMapper;     // VT_I4
extern CPrimitiveTypeMapper g_uintMapper;     // VT_UINT
extern CPrimitiveTypeMapper g_ushortMapper;   // VT_UI2
extern CPrimitiveTypeMapper g_ulongMapper;    // VT_UI4
extern CPrimitiveTypeMapper g_floatMapper;    // VT_R4
extern CPrimitiveTypeMapper g_doubleMapper;   // VT_R8
extern CPrimitiveTypeMapper g_int64Mapper;    // VT_I8
extern CPrimitiveTypeMapper g_errorMapper;    // VT_ERROR
// Numbers by reference.
extern CPrimitiveTypeMapper g_byteRefMapper;
extern CPrimitiveTypeMapper g_signedByteRefMapper;
extern CPrimitiveTypeMapper g_intRefMapper;
extern CPrimitiveTypeMapper g_shortRefMapper;
extern CPrimitiveTypeMapper g_longRefMapper;
extern CPrimitiveTypeMapper g_uintRefMapper;
extern CPrimitiveTypeMapper g_ushortRefMapper;
extern CPrimitiveTypeMapper g_ulongRefMapper;
extern CPrimitiveTypeMapper g_floatRefMapper;
extern CPrimitiveTypeMapper g_doubleRefMapper;
extern CInt64RefTypeMapper g_int64RefMapper;
extern CBooleanTypeMapper g_boolMapper;
extern CBooleanTypeMapper g_boolRefMapper;
extern CLpstrTypeMapper g_lpstrMapper;
extern CLpstrTypeMapper g_lpstrRefMapper;
extern CLpstrTypeMapper g_lpstrRefMapper2;  // LPSTR reached through two pointers
extern CVoidTypeMapper g_voidMapper;
// Selection returns this for the collection enumerator; the method writer
// recognises it by identity.
extern CPrimitiveTypeMapper g_enumeratorMarkerMapper;

extern CVariantTypeMapper g_variantMapper;        // by value (Invoke path, SAFEARRAY element)
extern CVariantTypeMapper g_variantRefMapper;     // by reference
extern CVariantTypeMapper g_variantLevel0Mapper;  // virtual-call path, levels 0 to 2
extern CVariantTypeMapper g_variantLevel1Mapper;
extern CVariantTypeMapper g_variantLevel2Mapper;
extern CStringTypeMapper g_stringMapper, g_stringRefMapper;
extern CGuidTypeMapper g_guidMapper, g_guidRefMapper;
extern CDateTypeMapper g_dateMapper, g_dateRefMapper;
extern CCurrencyTypeMapper g_currencyMapper, g_currencyRefMapper;
extern CColorTypeMapper g_colorMapper, g_colorRefMapper;
extern CFiletimeTypeMapper g_filetimeMapper, g_filetimeRefMapper;
extern CByteBufferTypeMapper g_signedByteBufferMapper, g_unsignedByteBufferMapper;

// SAFEARRAY mappers, one pair (by value, by reference) per element, and the
// by-value form of an IN array that the callee takes through a pointer.
struct CSafeArrayMapperPair {
    CSafeArrayTypeMapper byValue;
    CSafeArrayTypeMapper byRef;
    CSafeArrayTypeMapper inThroughPointer;
    explicit CSafeArrayMapperPair(CTypeMapper* element)
        : byValue(element), byRef(element, true), inThroughPointer(element, false, true) {}
};
extern CSafeArrayMapperPair g_i1SafeArrayMappers, g_ui1SafeArrayMappers, g_i2SafeArrayMappers,
    g_ui2SafeArrayMappers, g_i4SafeArrayMappers, g_ui4SafeArrayMappers, g_intSafeArrayMappers,
    g_uintSafeArrayMappers, g_r4SafeArrayMappers, g_r8SafeArrayMappers, g_i8SafeArrayMappers,
    g_variantSafeArrayMappers, g_stringSafeArrayMappers, g_dateSafeArrayMappers, g_currencySafeArrayMappers,
    g_boolSafeArrayMappers;
