#include "StaticTypeMappers.h"
#include "TestJob.h"
#include "TypeLibBuilder.h"
#include "TypeMapperSelection.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

class Selection : public ComTest {
protected:
    void SetUp() override {
        ComTest::SetUp();
        job.SetOptions(FixturePath("Shapes.tlb").c_str(), TestOutputFolder().c_str(), "test.pkg", "C:\\lib\\JShapes.dll");
        ASSERT_TRUE(job.Generate());
        job.FinishJob(true);
        // The vtable half of the dual interface IShape.
        ITypeInfo* info = nullptr;
        ASSERT_EQ(job.ReferencedLibraries()[0]->GetTypeInfoOfGuid(
                      ParseGuid("{5A1B0000-0000-4000-8000-000000000030}"), &info), S_OK);
        TYPEATTR* attr = nullptr;
        info->GetTypeAttr(&attr);
        if (attr->typekind == TKIND_DISPATCH) {
            HREFTYPE ref = 0;
            ASSERT_EQ(info->GetRefTypeOfImplType(static_cast<UINT>(-1), &ref), S_OK);
            ASSERT_EQ(info->GetRefTypeInfo(ref, &shape), S_OK);
        } else {
            shape = info;
            shape->AddRef();
        }
        info->ReleaseTypeAttr(attr);
        info->Release();
    }
    void TearDown() override {
        for (FUNCDESC* func : funcs) shape->ReleaseFuncDesc(func);
        if (shape) shape->Release();
        ComTest::TearDown();
    }
    // The function of IShape with the given dispatch id.
    FUNCDESC* Func(MEMBERID id) {
        TYPEATTR* attr = nullptr;
        shape->GetTypeAttr(&attr);
        FUNCDESC* found = nullptr;
        for (UINT i = 0; i < attr->cFuncs && !found; ++i) {
            FUNCDESC* func = nullptr;
            shape->GetFuncDesc(i, &func);
            if (func->memid == id) found = func;
            else shape->ReleaseFuncDesc(func);
        }
        shape->ReleaseTypeAttr(attr);
        if (found) funcs.push_back(found);
        return found;
    }
    bool Check(bool vtbl, MEMBERID id, std::vector<CTypeMapper*>& mappers, CTypeMapper** result = nullptr,
               bool* vtblOnly = nullptr) {
        FUNCDESC* func = Func(id);
        EXPECT_NE(func, nullptr);
        if (!func) return false;
        int count = func->cParams;
        error.Empty();
        bool ok = CheckParameters(&job, vtbl, vtblOnly, shape, nullptr, count, func, mappers, result, error);
        paramCount = count;
        return ok;
    }
    CTypeMapper* Invoke(VARTYPE vt, bool out = false, bool result = false) {
        TYPEDESC desc = {};
        desc.vt = vt;
        return SelectTypeMapper(nullptr, result, &job, &desc, out, kContextParameter, error);
    }
    CTypeMapper* Vtbl(VARTYPE vt, bool out = false) {
        TYPEDESC desc = {};
        desc.vt = vt;
        return SelectVtblParamMapper(nullptr, false, &job, &desc, out, kContextParameter, error);
    }

    CTestJob job;
    ITypeInfo* shape = nullptr;
    std::vector<FUNCDESC*> funcs;
    CString error;
    int paramCount = 0;
};

// Pointer chains over a base VARTYPE: Ptr(Ptr(VT_VARIANT)).
struct Chain {
    TYPEDESC levels[3] = {};
    const TYPEDESC* Make(VARTYPE base, int pointers) {
        levels[pointers].vt = base;
        for (int i = pointers - 1; i >= 0; --i) {
            levels[i].vt = VT_PTR;
            levels[i].lptdesc = &levels[i + 1];
        }
        return &levels[0];
    }
};

}  // namespace

TEST_F(Selection, OutParametersDeclaredByValue) {
    EXPECT_EQ(Invoke(VT_I4, true), &g_longRefMapper);
    EXPECT_EQ(Vtbl(VT_I4, true), &g_longMapper);
    EXPECT_EQ(Invoke(VT_UI4, true), &g_ulongRefMapper);
    EXPECT_EQ(Invoke(VT_INT, true), &g_intRefMapper);
    EXPECT_EQ(Invoke(VT_BSTR, true), &g_stringMapper);  // strings are not promoted
    EXPECT_EQ(Invoke(VT_BYREF | VT_UI1), &g_byteRefMapper);
    EXPECT_EQ(Invoke(VT_BYREF | VT_I1), &g_signedByteRefMapper);
    EXPECT_EQ(Invoke(VT_I1), &g_signedByteMapper);
    EXPECT_EQ(Invoke(VT_UI1), &g_byteMapper);
    EXPECT_EQ(Invoke(VT_BYREF | VT_BOOL), &g_boolRefMapper);
    EXPECT_EQ(Invoke(VT_BYREF | VT_INT), &g_intRefMapper);
    EXPECT_EQ(Invoke(VT_ERROR), &g_errorMapper);
    EXPECT_EQ(Vtbl(VT_ERROR), nullptr);
    EXPECT_STREQ(error, "Unsupported Type");
}

TEST_F(Selection, ResultsAndUnsupportedTypes) {
    EXPECT_EQ(Invoke(VT_HRESULT, false, true), &g_voidMapper);
    EXPECT_EQ(Invoke(VT_HRESULT), nullptr);
    EXPECT_STREQ(error, "Unsupported type");
    EXPECT_EQ(Invoke(VT_DECIMAL), nullptr);
    EXPECT_STREQ(error, "Unsupported Type");
    EXPECT_EQ(Invoke(VT_CARRAY), nullptr);
    EXPECT_STREQ(error, "Fixed-size are not supported except as part of records");
    EXPECT_EQ(Vtbl(VT_CARRAY), nullptr);
    EXPECT_STREQ(error, "Unsupported Type");
}

TEST_F(Selection, PointerShapes) {
    Chain chain;
    EXPECT_EQ(SelectVtblParamMapper(nullptr, false, &job, chain.Make(VT_VARIANT, 2), false, 1, error), &g_variantLevel2Mapper);
    EXPECT_EQ(SelectTypeMapper(nullptr, false, &job, chain.Make(VT_VARIANT, 2), false, 1, error), &g_variantRefMapper);
    EXPECT_EQ(SelectTypeMapper(nullptr, false, &job, chain.Make(VT_VARIANT, 1), false, 1, error), &g_variantMapper);
    EXPECT_EQ(SelectTypeMapper(nullptr, false, &job, chain.Make(VT_VARIANT, 1), false, 2, error), &g_variantRefMapper);
    EXPECT_EQ(SelectTypeMapper(nullptr, false, &job, chain.Make(VT_UI1, 1), false, 1, error), &g_unsignedByteBufferMapper);
    EXPECT_EQ(SelectVtblParamMapper(nullptr, false, &job, chain.Make(VT_I1, 1), false, 1, error), &g_signedByteBufferMapper);
    EXPECT_EQ(SelectTypeMapper(nullptr, false, &job, chain.Make(VT_FILETIME, 1), false, 1, error), &g_filetimeRefMapper);
    EXPECT_EQ(SelectTypeMapper(nullptr, false, &job, chain.Make(VT_LPSTR, 1), false, 1, error), &g_lpstrRefMapper);
    EXPECT_EQ(SelectTypeMapper(nullptr, false, &job, chain.Make(VT_LPSTR, 2), false, 1, error), &g_lpstrRefMapper2);
    EXPECT_EQ(SelectVtblParamMapper(nullptr, false, &job, chain.Make(VT_LPSTR, 1), false, 1, error), nullptr);
    EXPECT_STREQ(error, "Unsupported Type");
    EXPECT_EQ(SelectVtblParamMapper(nullptr, false, &job, chain.Make(VT_BYREF | VT_UI1, 1), false, 1, error), nullptr);
    EXPECT_EQ(SelectTypeMapper(nullptr, false, &job, chain.Make(VT_I4, 2), false, 1, error), nullptr);
    EXPECT_STREQ(error, "Nested pointers are not supported");
    EXPECT_EQ(SelectVtblParamMapper(nullptr, false, &job, chain.Make(VT_I4, 2), false, 1, error), nullptr);
    EXPECT_STREQ(error, "Nested pointers are not supported");
    // Interfaces: the Invoke family by value and by reference, the virtual-call family by level.
    EXPECT_EQ(SelectTypeMapper(nullptr, false, &job, chain.Make(VT_DISPATCH, 0), false, 1, error), SelectInvokeInterfaceMapper(&job, false));
    EXPECT_EQ(SelectTypeMapper(nullptr, false, &job, chain.Make(VT_DISPATCH, 1), true, 1, error), SelectInvokeInterfaceMapper(&job, true));
    // An IUnknown by reference is one of its own: its VARIANT says VT_UNKNOWN.
    CTypeMapper* unknownRef = SelectTypeMapper(nullptr, false, &job, chain.Make(VT_UNKNOWN, 1), true, 1, error);
    EXPECT_EQ(unknownRef, SelectInvokeInterfaceMapper(&job, true, VT_UNKNOWN));
    EXPECT_EQ(SelectTypeMapper(nullptr, false, &job, chain.Make(VT_UNKNOWN, 2), false, 1, error), unknownRef);
    EXPECT_NE(unknownRef, SelectInvokeInterfaceMapper(&job, true));
    EXPECT_EQ(SelectTypeMapper(nullptr, false, &job, chain.Make(VT_UNKNOWN, 0), false, 1, error), SelectInvokeInterfaceMapper(&job, false));
    EXPECT_EQ(SelectVtblParamMapper(nullptr, false, &job, chain.Make(VT_UNKNOWN, 1), false, 1, error), SelectInterfaceMapper(&job, 1));
    EXPECT_EQ(SelectVtblParamMapper(nullptr, false, &job, chain.Make(VT_DISPATCH, 2), false, 1, error), SelectInterfaceMapper(&job, 2));
}

TEST_F(Selection, FixedArraysOnlyInRecordsAndSharedPerElementAndCount) {
    struct { ARRAYDESC desc; SAFEARRAYBOUND more[2]; } array = {};
    array.desc.tdescElem.vt = VT_I4;
    array.desc.cDims = 1;
    array.desc.rgbounds[0].cElements = 4;
    CTypeMapper* first = SelectFixedArrayMapper(&job, &array.desc, kContextRecordField, error);
    ASSERT_NE(first, nullptr);
    EXPECT_TRUE(first->IsFixedSizeArray());
    EXPECT_EQ(SelectFixedArrayMapper(&job, &array.desc, kContextRecordField, error), first);
    // The record Point of the fixture has a long[4] field: the same object.
    EXPECT_EQ(job.LookupRecord("Point")->fields[3].mapper, first);
    EXPECT_EQ(SelectFixedArrayMapper(&job, &array.desc, kContextParameter, error), nullptr);
    EXPECT_STREQ(error, "Fixed-size are not supported except as part of records");
    array.desc.cDims = 2;
    EXPECT_EQ(SelectFixedArrayMapper(&job, &array.desc, kContextRecordField, error), nullptr);
    EXPECT_STREQ(error, "Multi-dimensional fixed-size array are not supported");
    array.desc.cDims = 4;
    EXPECT_EQ(SelectFixedArrayMapper(&job, &array.desc, kContextRecordField, error), nullptr);
    array.desc.cDims = 1;
    array.desc.tdescElem.vt = VT_USERDEFINED;
    EXPECT_EQ(SelectFixedArrayMapper(&job, &array.desc, kContextRecordField, error), nullptr);
    EXPECT_STREQ(error, "User-defined C-arrays are not supported");
    array.desc.tdescElem.vt = VT_BSTR;
    EXPECT_EQ(SelectFixedArrayMapper(&job, &array.desc, kContextRecordField, error), nullptr);
    EXPECT_STREQ(error, "Unsupported Fixed-Size Array type");
}

TEST_F(Selection, SafeArrayElements) {
    TYPEDESC element = {};
    element.vt = VT_DECIMAL;
    EXPECT_EQ(SelectSafeArrayMapper(false, nullptr, &job, &element, false, 1, false, error), nullptr);
    EXPECT_STREQ(error, "Unsupported Array type");
    element.vt = VT_UI1;
    EXPECT_EQ(SelectSafeArrayMapper(false, nullptr, &job, &element, false, 1, false, error), &g_ui1SafeArrayMappers.byValue);
    element.vt = VT_I1;
    EXPECT_EQ(SelectSafeArrayMapper(true, nullptr, &job, &element, true, 1, false, error), &g_i1SafeArrayMappers.byRef);
    EXPECT_EQ(SelectSafeArrayMapper(true, nullptr, &job, &element, true, 1, true, error), &g_i1SafeArrayMappers.byValue);
}

TEST_F(Selection, FixtureParametersOnBothPaths) {
    std::vector<CTypeMapper*> mappers;
    CTypeMapper* result = nullptr;
    // Move(long dx, [in, out] long* dy, [out] long* dz)
    ASSERT_TRUE(Check(false, 2, mappers, &result)) << error;
    EXPECT_EQ(mappers, (std::vector<CTypeMapper*>{&g_longMapper, &g_longRefMapper, &g_longRefMapper}));
    EXPECT_EQ(result, &g_voidMapper);
    // Area([out, retval] double*): the virtual call's result.
    ASSERT_TRUE(Check(true, 1, mappers, &result)) << error;
    EXPECT_TRUE(mappers.empty());
    EXPECT_EQ(paramCount, 0);
    EXPECT_EQ(result, &g_doubleRefMapper);
    // Paint(Colour, Point*, VARIANT, VARIANT**)
    ASSERT_TRUE(Check(true, 4, mappers, &result)) << error;
    ASSERT_EQ(mappers.size(), 4u);
    EXPECT_EQ(mappers[0]->GetCategory(), 3);
    CString text;
    mappers[0]->GetJavaType(text);
    EXPECT_STREQ(text, "test.pkg.Colour");
    EXPECT_EQ(mappers[1]->GetCategory(), 4);
    mappers[1]->GetJniSignature(true, text);
    EXPECT_STREQ(text, "Ltest_pkg_Point_2");
    EXPECT_EQ(mappers[2], &g_variantLevel0Mapper);
    EXPECT_EQ(mappers[3], &g_variantLevel2Mapper);
    std::vector<CTypeMapper*> again;
    ASSERT_TRUE(Check(true, 4, again, nullptr));
    EXPECT_EQ(again, mappers);  // named-type mappers are made once per job
    // Items(SAFEARRAY(long), SAFEARRAY(BSTR)*, IDispatch*)
    ASSERT_TRUE(Check(false, 5, mappers, &result)) << error;
    EXPECT_EQ(mappers[0], &g_i4SafeArrayMappers.byValue);
    // An IN array behind a pointer: a Java array, whose SAFEARRAY the callee
    // receives by address.
    EXPECT_EQ(mappers[1], &g_stringSafeArrayMappers.inThroughPointer);
    mappers[1]->GetJavaType(text);
    EXPECT_STREQ(text, "String[]");
    mappers[1]->GetVtblParamType(text);
    EXPECT_STREQ(text, "SAFEARRAY **");
    EXPECT_EQ(mappers[2], SelectInvokeInterfaceMapper(&job, false));
    // Bytes(unsigned char*, char*, int, unsigned int)
    ASSERT_TRUE(Check(true, 6, mappers, &result)) << error;
    EXPECT_EQ(mappers, (std::vector<CTypeMapper*>{&g_unsignedByteBufferMapper, &g_signedByteBufferMapper, &g_intMapper, &g_uintMapper}));
    // Result(IShape*, IShape**, Counter)
    ASSERT_TRUE(Check(true, 8, mappers, &result)) << error;
    mappers[0]->GetJavaType(text);
    EXPECT_STREQ(text, "test.pkg.IShape");
    EXPECT_EQ(mappers[0]->GetCategory(), 2);
    EXPECT_NE(mappers[1], mappers[0]);
    mappers[1]->GetVtblParamType(text);
    EXPECT_STREQ(text, "IDispatch **");
    EXPECT_EQ(mappers[2], &g_longMapper);
    // Matrix(SAFEARRAY(SizeAlias), SAFEARRAY(Point))
    ASSERT_TRUE(Check(false, 12, mappers, &result)) << error;
    mappers[0]->GetJavaType(text);
    EXPECT_STREQ(text, "test.pkg.tagSize[]");
    CString word;
    ASSERT_TRUE(mappers[1]->GetKindWord(word));
    EXPECT_STREQ(word, "array");
}

TEST_F(Selection, OptionalAndUnsignedParameters) {
    std::vector<CTypeMapper*> mappers;
    // Optional([in, optional] VARIANT maybe, [in, defaultvalue(3)] long three)
    ASSERT_TRUE(Check(false, 9, mappers)) << error;
    EXPECT_EQ(mappers, (std::vector<CTypeMapper*>{&g_variantMapper, &g_longMapper}));
    // Unsigned([out] unsigned long* ul, [in] unsigned short us)
    ASSERT_TRUE(Check(false, 10, mappers)) << error;
    EXPECT_EQ(mappers, (std::vector<CTypeMapper*>{&g_ulongRefMapper, &g_ushortMapper}));
}

TEST_F(Selection, RecordArrayInsideARecordIsRefused) {
    CRecordEntry* polygon = job.LookupRecord("Polygon");
    ASSERT_NE(polygon, nullptr);
    ASSERT_EQ(polygon->fields.size(), 2u);
    EXPECT_EQ(polygon->fields[1].mapper, nullptr);
    EXPECT_STREQ(polygon->fields[1].error, "Nested record types in arrays of records are not supported");
}

TEST_F(Selection, FailuresOfWholeFunctions) {
    std::vector<CTypeMapper*> mappers;
    CTypeMapper* result = nullptr;
    // Deep(long***)
    EXPECT_FALSE(Check(true, 7, mappers, &result));
    EXPECT_STREQ(error, "Nested pointers are not supported");
    // Ansi(LPSTR): virtual calls only.
    bool vtblOnly = false;
    EXPECT_FALSE(Check(false, 11, mappers, &result, &vtblOnly));
    EXPECT_TRUE(vtblOnly);
    EXPECT_STREQ(error, "Type is only supported for virtual calls (set preference from top-left menu of builder)");
    EXPECT_TRUE(Check(true, 11, mappers, &result)) << error;
    // 101 parameters.
    FUNCDESC* func = Func(2);
    int count = 101;
    EXPECT_FALSE(CheckParameters(&job, true, nullptr, shape, nullptr, count, func, mappers, &result, error));
    EXPECT_STREQ(error, "Too many parameters");
    EXPECT_TRUE(mappers.empty());
}

TEST_F(Selection, AnEnumerationGoesByValueOrThroughOnePointer) {
    CTypeMapper* byValue = FindNamedTypeMapper(&job, GUID_NULL, "Colour", 0, kKindParameter, error, 0);
    ASSERT_NE(byValue, nullptr);
    CTypeMapper* byRef = FindNamedTypeMapper(&job, GUID_NULL, "Colour", 2, kKindParameter, error, 1);
    ASSERT_NE(byRef, nullptr);
    EXPECT_NE(byRef, byValue);
    // Colour** on either path, and Colour* behind a VT_BYREF.
    for (int mode : {2, 3}) {
        error.Empty();
        EXPECT_EQ(FindNamedTypeMapper(&job, GUID_NULL, "Colour", 2, kKindParameter, error, mode), nullptr) << mode;
        EXPECT_STREQ(error, "Nested pointers are not supported") << mode;
    }
}

TEST_F(Selection, KnownInterfacesOfThePreGeneratedLibraries) {
    GUID recordset = ParseGuid("{00000556-0000-0010-8000-00AA006D2EA4}");  // _Recordset
    CTypeMapper* level0 = FindKnownInterfaceMapper(&job, recordset, 0);
    ASSERT_NE(level0, nullptr);
    EXPECT_EQ(FindKnownInterfaceMapper(&job, recordset, 0), level0);
    EXPECT_EQ(FindKnownInterfaceMapper(&job, recordset, 1), level0);  // an interface pointer is passed as it is
    CTypeMapper* level2 = FindKnownInterfaceMapper(&job, recordset, 2);
    ASSERT_NE(level2, nullptr);
    CString type;
    level2->GetVtblParamType(type);
    EXPECT_STREQ(type, "IDispatch **");
    level0->GetVtblParamType(type);
    EXPECT_STREQ(type, "IDispatch *");
    CString text;
    level0->GetJavaType(text);
    EXPECT_STREQ(text, "brivel.adodb._Recordset");
    level0->GetJniSignature(true, text);
    EXPECT_STREQ(text, "Lbrivel_adodb__1Recordset_2");
    CTypeMapper* document = FindKnownInterfaceMapper(&job, ParseGuid("{2933BF81-7B36-11D2-B20E-00C04F983E60}"), 0);
    ASSERT_NE(document, nullptr);
    document->GetJavaType(text);
    EXPECT_STREQ(text, "brivel.msxml.IXMLDOMDocument");
    EXPECT_EQ(FindKnownInterfaceMapper(&job, ParseGuid("{5A1B0000-0000-4000-8000-000000000030}"), 0), nullptr);
}

TEST_F(ComTest, StandardOleTypes) {
    std::string path = FixturePath("StdoleUser.tlb");
    ASSERT_TRUE(WriteStdoleUserLibrary(path, {"OLE_COLOR", "OLE_COLOR*", "Font*", "Picture*", "IEnumVARIANT*",
                                              "OLE_XPOS_PIXELS"}));
    CTestJob job;
    job.SetOptions(path.c_str(), TestOutputFolder().c_str(), "p", "C:\\lib\\x.dll");
    ASSERT_TRUE(job.Generate()) << (job.messages.empty() ? "" : job.messages[0]);
    job.FinishJob(true);
    ITypeInfo* info = nullptr;
    ASSERT_EQ(job.ReferencedLibraries()[0]->GetTypeInfoOfGuid(ParseGuid("{5A1B0006-0000-4000-8000-000000000030}"), &info), S_OK);
    auto select = [&](UINT index, bool vtbl, CString& error) {
        FUNCDESC* func = nullptr;
        info->GetFuncDesc(index, &func);
        const TYPEDESC* desc = &func->lprgelemdescParam[0].tdesc;
        CTypeMapper* mapper = vtbl ? SelectVtblParamMapper(info, false, &job, desc, false, kContextParameter, error)
                                   : SelectTypeMapper(info, false, &job, desc, false, kContextParameter, error);
        info->ReleaseFuncDesc(func);
        return mapper;
    };
    CString error;
    EXPECT_EQ(select(0, false, error), &g_colorMapper);
    // OLE_COLOR* is the colour by reference on both paths.
    EXPECT_EQ(select(1, false, error), &g_colorRefMapper);
    EXPECT_EQ(select(1, true, error), &g_colorRefMapper);
    // The standard library declares Font as a dispatch interface.
    EXPECT_EQ(select(2, true, error), nullptr);
    EXPECT_STREQ(error, "Font Types are not supported");
    EXPECT_EQ(select(3, true, error), nullptr);  // no table and no known library knows it
    EXPECT_STREQ(error, "Unable to get type information");
    EXPECT_EQ(select(4, true, error), &g_enumeratorMarkerMapper);
    // Another alias with an identifier: the aliased type.
    EXPECT_EQ(select(5, false, error), &g_longMapper) << error;
    info->Release();
}
