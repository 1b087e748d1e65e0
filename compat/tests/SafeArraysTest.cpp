// SAFEARRAY layout, bounds, elements and locking, against the platform and
// our own layer.
#include <gtest/gtest.h>

#include "OleText.h"
#include "TestObjects.h"

TEST(SafeArrays, ElementSizesFeaturesAndTypesFollowTheElementType) {
    const struct { VARTYPE vt; UINT size; USHORT features; } cases[] = {
        {VT_UI1, 1, FADF_HAVEVARTYPE},
        {VT_I2, 2, FADF_HAVEVARTYPE},
        {VT_BOOL, 2, FADF_HAVEVARTYPE},
        {VT_I4, 4, FADF_HAVEVARTYPE},
        {VT_UINT, 4, FADF_HAVEVARTYPE},
        {VT_R8, 8, FADF_HAVEVARTYPE},
        {VT_CY, 8, FADF_HAVEVARTYPE},
        {VT_DATE, 8, FADF_HAVEVARTYPE},
        {VT_I8, 8, FADF_HAVEVARTYPE},
        {VT_BSTR, 4, FADF_HAVEVARTYPE | FADF_BSTR},
        {VT_VARIANT, 16, FADF_HAVEVARTYPE | FADF_VARIANT},
        {VT_DECIMAL, 16, FADF_HAVEVARTYPE},
        {VT_DISPATCH, 4, FADF_HAVEIID | FADF_DISPATCH},
        {VT_UNKNOWN, 4, FADF_HAVEIID | FADF_UNKNOWN},
    };
    for (const auto& c : cases) {
        SAFEARRAY* array = SafeArrayCreateVector(c.vt, 0, 3);
        ASSERT_NE(array, nullptr) << c.vt;
        EXPECT_EQ(SafeArrayGetElemsize(array), c.size) << c.vt;
        EXPECT_EQ(array->cbElements, c.size) << c.vt;
        // Only the documented type flags: how a vector's block is allocated
        // is the platform's own business.
        const USHORT typeFlags = FADF_RECORD | FADF_HAVEIID | FADF_HAVEVARTYPE | FADF_BSTR | FADF_UNKNOWN |
                                 FADF_DISPATCH | FADF_VARIANT;
        EXPECT_EQ(array->fFeatures & typeFlags, c.features) << c.vt;
        VARTYPE vt = 0;
        EXPECT_EQ(SafeArrayGetVartype(array, &vt), S_OK);
        EXPECT_EQ(vt, c.vt);
        EXPECT_EQ(SafeArrayDestroy(array), S_OK);
    }
    EXPECT_EQ(SafeArrayCreateVector(VT_EMPTY, 0, 1), nullptr);
    EXPECT_EQ(SafeArrayCreateVector(VT_NULL, 0, 1), nullptr);
}

TEST(SafeArrays, VectorHasItsBoundAndZeroedData) {
    SAFEARRAY* array = SafeArrayCreateVector(VT_I4, -2, 5);
    ASSERT_NE(array, nullptr);
    EXPECT_EQ(SafeArrayGetDim(array), 1u);
    EXPECT_EQ(array->rgsabound[0].cElements, 5u);
    EXPECT_EQ(array->rgsabound[0].lLbound, -2);
    LONG low = 0, high = 0;
    EXPECT_EQ(SafeArrayGetLBound(array, 1, &low), S_OK);
    EXPECT_EQ(SafeArrayGetUBound(array, 1, &high), S_OK);
    EXPECT_EQ(low, -2);
    EXPECT_EQ(high, 2);
    EXPECT_EQ(SafeArrayGetLBound(array, 2, &low), DISP_E_BADINDEX);
    EXPECT_EQ(SafeArrayGetUBound(array, 0, &high), DISP_E_BADINDEX);
    LONG* data;
    ASSERT_EQ(SafeArrayAccessData(array, reinterpret_cast<void**>(&data)), S_OK);
    for (int i = 0; i < 5; ++i) EXPECT_EQ(data[i], 0);
    SafeArrayUnaccessData(array);
    SafeArrayDestroy(array);
}

TEST(SafeArrays, BoundsAreStoredRightmostFirstAndTheLeftmostIndexVariesFastest) {
    SAFEARRAYBOUND bounds[2] = {{2, 0}, {3, 10}};  // a(0 To 1, 10 To 12)
    SAFEARRAY* array = SafeArrayCreate(VT_I4, 2, bounds);
    ASSERT_NE(array, nullptr);
    EXPECT_EQ(array->rgsabound[0].cElements, 3u);
    EXPECT_EQ(array->rgsabound[0].lLbound, 10);
    EXPECT_EQ(array->rgsabound[1].cElements, 2u);
    LONG low;
    EXPECT_EQ(SafeArrayGetLBound(array, 1, &low), S_OK);
    EXPECT_EQ(low, 0);
    EXPECT_EQ(SafeArrayGetLBound(array, 2, &low), S_OK);
    EXPECT_EQ(low, 10);
    for (LONG i = 0; i < 2; ++i)
        for (LONG j = 10; j < 13; ++j) {
            LONG indices[2] = {i, j};
            LONG value = i * 100 + j;
            ASSERT_EQ(SafeArrayPutElement(array, indices, &value), S_OK);
        }
    LONG* data;
    ASSERT_EQ(SafeArrayAccessData(array, reinterpret_cast<void**>(&data)), S_OK);
    const LONG expected[6] = {10, 110, 11, 111, 12, 112};
    for (int k = 0; k < 6; ++k) EXPECT_EQ(data[k], expected[k]) << k;
    SafeArrayUnaccessData(array);
    LONG outside[2] = {2, 10};
    LONG value = 0;
    EXPECT_EQ(SafeArrayGetElement(array, outside, &value), DISP_E_BADINDEX);
    LONG inside[2] = {1, 12};
    EXPECT_EQ(SafeArrayGetElement(array, inside, &value), S_OK);
    EXPECT_EQ(value, 112);
    SafeArrayDestroy(array);
}

TEST(SafeArrays, StringElementsAreCopiedInAndOut) {
    SAFEARRAY* array = SafeArrayCreateVector(VT_BSTR, 1, 2);
    ASSERT_NE(array, nullptr);
    LONG index = 2;
    BSTR text = SysAllocString(L"two");
    ASSERT_EQ(SafeArrayPutElement(array, &index, text), S_OK);
    BSTR* data;
    ASSERT_EQ(SafeArrayAccessData(array, reinterpret_cast<void**>(&data)), S_OK);
    EXPECT_NE(data[1], text);
    EXPECT_EQ(data[0], nullptr);
    SafeArrayUnaccessData(array);
    SysFreeString(text);
    BSTR out = nullptr;
    ASSERT_EQ(SafeArrayGetElement(array, &index, &out), S_OK);
    EXPECT_EQ(BstrText(out), u"two");
    SysFreeString(out);
    SafeArrayDestroy(array);
}

TEST(SafeArrays, InterfaceElementsAreReferencedAndReleased) {
    CountedDispatch object;
    SAFEARRAY* array = SafeArrayCreateVector(VT_DISPATCH, 0, 1);
    ASSERT_NE(array, nullptr);
    LONG index = 0;
    ASSERT_EQ(SafeArrayPutElement(array, &index, static_cast<IDispatch*>(&object)), S_OK);
    EXPECT_EQ(object.references, 2);
    IDispatch* out = nullptr;
    ASSERT_EQ(SafeArrayGetElement(array, &index, &out), S_OK);
    EXPECT_EQ(out, &object);
    EXPECT_EQ(object.references, 3);
    out->Release();
    SAFEARRAY* copy = nullptr;
    ASSERT_EQ(SafeArrayCopy(array, &copy), S_OK);
    EXPECT_EQ(object.references, 3);
    EXPECT_EQ(SafeArrayDestroy(copy), S_OK);
    EXPECT_EQ(SafeArrayDestroy(array), S_OK);
    EXPECT_EQ(object.references, 1);
}

TEST(SafeArrays, VariantElementsAreCopies) {
    SAFEARRAY* array = SafeArrayCreateVector(VT_VARIANT, 0, 2);
    ASSERT_NE(array, nullptr);
    VARIANT value;
    VariantInit(&value);
    V_VT(&value) = VT_BSTR;
    V_BSTR(&value) = SysAllocString(L"inside");
    LONG index = 1;
    ASSERT_EQ(SafeArrayPutElement(array, &index, &value), S_OK);
    VariantClear(&value);
    VARIANT out;
    VariantInit(&out);
    ASSERT_EQ(SafeArrayGetElement(array, &index, &out), S_OK);
    EXPECT_EQ(V_VT(&out), VT_BSTR);
    EXPECT_EQ(BstrText(V_BSTR(&out)), u"inside");
    VariantClear(&out);
    EXPECT_EQ(SafeArrayDestroy(array), S_OK);
}

TEST(SafeArrays, LockedArraysCannotBeDestroyed) {
    SAFEARRAY* array = SafeArrayCreateVector(VT_I2, 0, 4);
    ASSERT_NE(array, nullptr);
    void* data;
    ASSERT_EQ(SafeArrayAccessData(array, &data), S_OK);
    EXPECT_EQ(array->cLocks, 1u);
    EXPECT_EQ(SafeArrayLock(array), S_OK);
    EXPECT_EQ(array->cLocks, 2u);
    EXPECT_EQ(SafeArrayDestroy(array), DISP_E_ARRAYISLOCKED);
    EXPECT_EQ(SafeArrayUnlock(array), S_OK);
    EXPECT_EQ(SafeArrayUnaccessData(array), S_OK);
    EXPECT_EQ(SafeArrayUnaccessData(array), E_UNEXPECTED);
    EXPECT_EQ(SafeArrayDestroy(array), S_OK);
    EXPECT_EQ(SafeArrayDestroy(nullptr), S_OK);
}

TEST(SafeArrays, RecordArraysUseTheirRecordInformation) {
    CountedRecordInfo info;
    SAFEARRAY* array = SafeArrayCreateVectorEx(VT_RECORD, 0, 2, &info);
    ASSERT_NE(array, nullptr);
    EXPECT_EQ(array->cbElements, sizeof(TestRecord));
    EXPECT_EQ(array->fFeatures & FADF_RECORD, FADF_RECORD);
    VARTYPE vt;
    EXPECT_EQ(SafeArrayGetVartype(array, &vt), S_OK);
    EXPECT_EQ(vt, VT_RECORD);
    EXPECT_GT(info.references, 1);
    // The array's record information, with a reference for the caller.
    LONG held = info.references;
    IRecordInfo* own = nullptr;
    EXPECT_EQ(SafeArrayGetRecordInfo(array, &own), S_OK);
    EXPECT_EQ(own, static_cast<IRecordInfo*>(&info));
    EXPECT_EQ(info.references, held + 1);
    if (own) own->Release();
    SAFEARRAY* numbers = SafeArrayCreateVector(VT_I4, 0, 1);
    own = &info;
    EXPECT_EQ(SafeArrayGetRecordInfo(numbers, &own), E_INVALIDARG);
    SafeArrayDestroy(numbers);
    TestRecord record = {const_cast<char*>("text"), 3};
    LONG index = 1;
    ASSERT_EQ(SafeArrayPutElement(array, &index, &record), S_OK);
    EXPECT_EQ(info.copies, 1);
    EXPECT_EQ(SafeArrayDestroy(array), S_OK);
    EXPECT_EQ(info.references, 1);
}

// Record information comes from registered type libraries only; a library
// nobody registered is reported as such.
TEST(SafeArrays, RecordInformationOfAnUnregisteredLibraryIsRefused) {
    const GUID library = {0x7E2E0000, 0x0000, 0x4000, {0x80, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x77}};
    const GUID type = {0x7E2E0000, 0x0000, 0x4000, {0x80, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x78}};
    IRecordInfo* info = nullptr;
    EXPECT_EQ(GetRecordInfoFromGuids(library, 1, 0, 0, type, &info), TYPE_E_LIBNOTREGISTERED);
}
