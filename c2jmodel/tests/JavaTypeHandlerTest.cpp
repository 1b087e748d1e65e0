#include "JavaClassSpec.h"
#include "JavaTypeHandler.h"

#include "TempFolder.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>

using brivel::testing::ReadFileBytes;
using brivel::testing::WriteFileBytes;

namespace {

std::string U32(uint32_t v) {
    std::string s;
    for (int i = 0; i < 4; ++i) s += static_cast<char>((v >> (8 * i)) & 0xFF);
    return s;
}

struct Expected {
    uint32_t code;
    const char* javaType;
    const char* jniSignature;
    const char* jniType;
    const char* comType;
    const char* idlType;
    const char* callWord;
    const char* shortName;
};

// The fixed types as the wizard documents them.
const Expected kFixedTypes[] = {
    {1, "int", "I", "jint", "int", "int", "Int", "int"},
    {2, "char", "C", "jchar", "short", "short", "Char", "char"},
    {3, "short", "S", "jshort", "short", "short", "Short", "short"},
    {4, "byte", "B", "jbyte", "unsigned char", "unsigned char", "Byte", "byte"},
    {5, "float", "F", "jfloat", "float", "float", "Float", "float"},
    {6, "double", "D", "jdouble", "double", "double", "Double", "double"},
    {7, "void", "V", "void", "void", "void", "Void", "void"},
    {8, "boolean", "Z", "jboolean", "VARIANT_BOOL", "VARIANT_BOOL", "Boolean", "boolean"},
    {9, "java.lang.String", "Ljava/lang/String;", "jstring", "BSTR", "BSTR", "Obj", "String"},
    {10, "java.util.Date", "Ljava/util/Date;", "jobject", "DATE", "DATE", "Obj", "Date"},
    {11, "long", "J", "jlong", "__int64", "__int64", "Long", "long"},
    {12, "long", "J", "jlong", "int", "int", "Long", "long"},
    {257, "int []", "[I", "jarray", "SAFEARRAY *", "SAFEARRAY(int)", "Obj", "int []"},
    {259, "int []", "[S", "jarray", "SAFEARRAY *", "SAFEARRAY(int)", "Obj", "int []"},
    {260, "byte []", "[B", "jarray", "SAFEARRAY *", "SAFEARRAY(byte)", "Obj", "byte []"},
    {261, "float []", "[F", "jarray", "SAFEARRAY *", "SAFEARRAY(float)", "Obj", "float []"},
    {262, "double []", "[D", "jarray", "SAFEARRAY *", "SAFEARRAY(double)", "Obj", "double []"},
    {264, "boolean []", "[Z", "jarray", "SAFEARRAY *", "SAFEARRAY(VARIANT_BOOL)", "Obj", "boolean []"},
    {265, "String []", "[Ljava/lang/String;", "jarray", "SAFEARRAY *", "SAFEARRAY(BSTR)", "Obj", "String []"},
    {266, "java.util.Date []", "[Ljava/util/Date;", "jarray", "SAFEARRAY *", "SAFEARRAY(DATE)", "Obj", "java.util.Date []"},
};

class TypeFileTest : public brivel::testing::TempFolderTest {
protected:
    // Reads one type from a file holding exactly `bytes`.
    CJavaTypeHandler* ReadType(const std::string& bytes) {
        WriteFileBytes(Path("type.bin"), bytes);
        FILE* file = fopen(Path("type.bin").c_str(), "rb");
        CJavaTypeHandler* handler = ReadTypeFromSpecFile(file);
        fclose(file);
        return handler;
    }
    std::string WriteType(const CJavaTypeHandler* handler) {
        FILE* file = fopen(Path("out.bin").c_str(), "wb");
        EXPECT_TRUE(handler->WriteToSpecFile(file));
        fclose(file);
        return ReadFileBytes(Path("out.bin"));
    }
};

}  // namespace

TEST(JavaTypeHandler, FixedTypesCarryTheirJavaJniAndComForms) {
    for (const Expected& e : kFixedTypes) {
        const CJavaTypeHandler* h = GetStaticTypeHandler(e.code);
        ASSERT_NE(h, nullptr) << e.code;
        EXPECT_EQ(h->GetTypeCode(), e.code) << e.code;
        EXPECT_EQ(h->GetJavaType(), e.javaType) << e.code;
        EXPECT_EQ(h->GetJniSignature(), e.jniSignature) << e.code;
        EXPECT_EQ(h->GetJniType(), e.jniType) << e.code;
        EXPECT_EQ(h->GetComType(), e.comType) << e.code;
        EXPECT_EQ(h->GetComInterfaceType(), e.idlType) << e.code;
        EXPECT_EQ(h->GetCallWord(), e.callWord) << e.code;
        EXPECT_EQ(h->GetShortName(), e.shortName) << e.code;
        EXPECT_EQ(h->GetIdlAttributes(), e.code > 256 ? "[in, out] " : "") << e.code;
        EXPECT_TRUE(h->IsConvertible()) << e.code;
        EXPECT_FALSE(h->IsObjectType()) << e.code;
    }
    for (uint32_t code : {0u, 13u, 255u, 256u, 258u, 263u, 267u, 268u, 511u}) EXPECT_EQ(GetStaticTypeHandler(code), nullptr) << code;
    const CJavaTypeHandler* dispatch = GetDispatchTypeHandler();
    EXPECT_EQ(dispatch->GetTypeCode(), 255u);
    EXPECT_EQ(dispatch->GetComType(), "IDispatch *");
    EXPECT_EQ(dispatch->GetComInterfaceType(), "IDispatch *");
    EXPECT_TRUE(dispatch->IsObjectType());
}

TEST(JavaTypeHandler, ReflectedNamesResolveToTheirHandlers) {
    bool supported = true;
    CString error;
    EXPECT_EQ(ResolveJavaTypeHandler("long", supported, error)->GetTypeCode(), 11u);
    EXPECT_EQ(ResolveJavaTypeHandler("char", supported, error)->GetTypeCode(), 2u);
    EXPECT_EQ(ResolveJavaTypeHandler("java.lang.String", supported, error), GetStaticTypeHandler(9));
    EXPECT_EQ(ResolveJavaTypeHandler("java/util/Date", supported, error), GetStaticTypeHandler(10));
    EXPECT_EQ(ResolveJavaTypeHandler("[B", supported, error)->GetTypeCode(), 260u);
    EXPECT_EQ(ResolveJavaTypeHandler("[S", supported, error)->GetTypeCode(), 259u);
    EXPECT_EQ(ResolveJavaTypeHandler("[Ljava.lang.String;", supported, error)->GetTypeCode(), 265u);
    EXPECT_EQ(ResolveJavaTypeHandler("[Ljava.util.Date;", supported, error)->GetTypeCode(), 266u);
    EXPECT_TRUE(supported);
    EXPECT_TRUE(error.IsEmpty());

    CJavaTypeHandler* shape = ResolveJavaTypeHandler("geo.shapes.Shape", supported, error);
    EXPECT_EQ(shape, ResolveJavaTypeHandler("geo.shapes.Shape", supported, error));
    EXPECT_EQ(shape, FindOrCreateObjectTypeHandler("geo.shapes.Shape"));
    EXPECT_EQ(shape->GetTypeCode(), 255u);
    EXPECT_EQ(shape->GetJniSignature(), "Lgeo/shapes/Shape;");
    EXPECT_EQ(shape->GetJniType(), "jobject");
    EXPECT_EQ(shape->GetShortName(), "geo.shapes.Shape");
    EXPECT_EQ(shape->GetCallWord(), "Obj");
    EXPECT_TRUE(shape->IsObjectType());
    EXPECT_EQ(shape->GetComInterfaceType(), "IDispatch *");
    CJavaClassSpec shapeClass;
    shapeClass.m_comObjectName = "Shape";
    static_cast<CObjectTypeHandler*>(shape)->SetClassSpec(&shapeClass);
    EXPECT_EQ(shape->GetComInterfaceType(), "_Shape *");
    static_cast<CObjectTypeHandler*>(shape)->SetClassSpec(nullptr);
}

TEST(JavaTypeHandler, ObjectArraysFollowTheirElementClass) {
    bool supported = true;
    CString error;
    CJavaTypeHandler* array = ResolveJavaTypeHandler("[La.B;", supported, error);
    ASSERT_TRUE(supported);
    EXPECT_EQ(array, FindOrCreateObjectArrayTypeHandler("a.B"));
    EXPECT_EQ(array->GetTypeCode(), 511u);
    EXPECT_EQ(array->GetClassName(), "a.B");
    EXPECT_EQ(array->GetJavaType(), "a.B []");
    EXPECT_EQ(array->GetJniSignature(), "[La/B;");
    EXPECT_EQ(array->GetJniType(), "jobjectArray");
    EXPECT_EQ(array->GetComType(), "SAFEARRAY *");
    EXPECT_EQ(array->GetComInterfaceType(), "SAFEARRAY(VARIANT)");
    EXPECT_EQ(array->GetIdlAttributes(), "[in, out] ");
    EXPECT_TRUE(array->IsObjectType());

    CObjectTypeHandler* element = FindOrCreateObjectTypeHandler("a.B");
    EXPECT_EQ(element->GetArrayHandler(), array);
    // Convertible only once the element class is part of the project.
    EXPECT_FALSE(array->IsConvertible());
    CJavaClassSpec elementClass;
    element->SetClassSpec(&elementClass);
    EXPECT_TRUE(array->IsConvertible());
    element->SetClassSpec(nullptr);
}

TEST(JavaTypeHandler, UnsupportedTypesSayWhy) {
    struct Case { const char* name; const char* message; } cases[] = {
        {"[[I", "Multi-dimensional arrays are not currently supported (encountered Array of arrays of int)"},
        {"[[J", "Multi-dimensional arrays are not currently supported (encountered Array of arrays of long)"},
        {"[[Z", "Multi-dimensional arrays are not currently supported (encountered Array of arrays of boolean)"},
        {"[[F", "Multi-dimensional arrays are not currently supported (encountered Array of arrays of floag)"},
        {"[[D", "Multi-dimensional arrays are not currently supported (encountered Array of arrays of double)"},
        {"[[C", "Multi-dimensional arrays are not currently supported (encountered Array of arrays of char)"},
        {"[[B", "Multi-dimensional arrays are not currently supported (encountered Array of arrays of byte)"},
        {"[[S", "Multi-dimensional arrays are not currently supported (encountered Array of arrays of short)"},
        {"[[Ljava.lang.String;",
         "Multi-dimensional arrays are not currently supported (encountered Array of arrays of java.lang.String)"},
        {"[J", "Arrays of long's  are not currently supported"},
        {"[C", "Array of \"char\" is not currently supported"},
    };
    for (const Case& c : cases) {
        bool supported = true;
        CString error;
        CJavaTypeHandler* handler = ResolveJavaTypeHandler(c.name, supported, error);
        EXPECT_FALSE(supported) << c.name;
        EXPECT_EQ(error, c.message);
        EXPECT_EQ(handler->GetJavaType(), c.name);
        EXPECT_EQ(handler->GetComType(), c.name);
        EXPECT_EQ(handler->GetComInterfaceType(), c.name);
        EXPECT_EQ(handler->GetJniType(), "void");
        EXPECT_EQ(handler->GetJniSignature(), "V");
        EXPECT_FALSE(handler->IsConvertible());
        bool again = true;
        EXPECT_EQ(ResolveJavaTypeHandler(c.name, again, error), handler);
    }
}

TEST_F(TypeFileTest, TypesAreWrittenAsCodeAndClassName) {
    EXPECT_EQ(WriteType(FindOrCreateObjectArrayTypeHandler("a.B")), U32(511) + U32(3) + "a.B");
    EXPECT_EQ(WriteType(FindOrCreateObjectTypeHandler("x.Y")), U32(255) + U32(3) + "x.Y");
    EXPECT_EQ(WriteType(GetStaticTypeHandler(12)), U32(12));
    EXPECT_EQ(WriteType(GetStaticTypeHandler(266)), U32(266));
}

TEST_F(TypeFileTest, EveryFixedTypeReadsBackAsItself) {
    for (const Expected& e : kFixedTypes) EXPECT_EQ(ReadType(U32(e.code)), GetStaticTypeHandler(e.code)) << e.code;
    EXPECT_EQ(ReadType(U32(255) + U32(16) + "java/lang/String"), GetStaticTypeHandler(9));
    EXPECT_EQ(ReadType(U32(255) + U32(16) + "java.lang.String"), GetStaticTypeHandler(9));
    EXPECT_EQ(ReadType(U32(255) + U32(14) + "java/util/Date"), GetStaticTypeHandler(10));
    EXPECT_EQ(ReadType(U32(255) + U32(5) + "p.Cls"), FindOrCreateObjectTypeHandler("p.Cls"));
    EXPECT_EQ(ReadType(U32(511) + U32(5) + "p.Cls"), FindOrCreateObjectArrayTypeHandler("p.Cls"));
}

TEST_F(TypeFileTest, UnknownCodesAndDamagedNamesAreRefused) {
    for (uint32_t code : {0u, 13u, 254u, 256u, 258u, 263u, 267u, 268u, 512u, 0xFFFFFFFFu})
        EXPECT_EQ(ReadType(U32(code)), nullptr) << code;
    EXPECT_EQ(ReadType(std::string("\x01\x00", 2)), nullptr);
    EXPECT_EQ(ReadType(U32(255) + U32(10) + "short"), nullptr);
    EXPECT_EQ(ReadType(U32(511) + std::string("\x03", 1)), nullptr);
    // Names up to the reader's limit are taken; longer or absurd ones not.
    const std::string longest(kMaxSpecTypeClassName, 'q');
    EXPECT_NE(ReadType(U32(255) + U32(kMaxSpecTypeClassName) + longest), nullptr);
    EXPECT_EQ(ReadType(U32(255) + U32(kMaxSpecTypeClassName + 1) + longest + "q"), nullptr);
    EXPECT_EQ(ReadType(U32(255) + U32(0xFFFFFFFFu) + "abc"), nullptr);
}

TEST_F(TypeFileTest, ReflectedClassNamesBeyondATypeRecordAreUnsupported) {
    // A project holding such a type would save into a file that no longer
    // loads: the class itself, and arrays of it, are refused when reflected.
    const std::string longest(kMaxSpecTypeClassName, 'q');
    for (const std::string& name : {longest, "[L" + longest + ";"}) {
        bool supported = true;
        CString error;
        CJavaTypeHandler* handler = ResolveJavaTypeHandler(name.c_str(), supported, error);
        EXPECT_TRUE(supported) << name.size();
        EXPECT_EQ(ReadType(WriteType(handler)), handler) << name.size();
    }
    for (const std::string& name : {longest + "q", "[L" + longest + "q;"}) {
        bool supported = true;
        CString error;
        CJavaTypeHandler* handler = ResolveJavaTypeHandler(name.c_str(), supported, error);
        EXPECT_FALSE(supported) << name.size();
        EXPECT_EQ(error, "Class names longer than 2062 characters are not currently supported") << name.size();
        EXPECT_EQ(handler->GetTypeCode(), 0u) << name.size();
    }
}

TEST(JavaTypeHandler, ReferencedClassesOutsideTheProjectAreListed) {
    CObjectTypeHandler* listed = FindOrCreateObjectTypeHandler("z.Listed");
    CObjectTypeHandler* missingB = FindOrCreateObjectTypeHandler("z.MissingB");
    CObjectTypeHandler* missingA = FindOrCreateObjectTypeHandler("z.MissingA");
    FindOrCreateObjectTypeHandler("z.Unused");
    CJavaClassSpec listedClass;
    listed->SetClassSpec(&listedClass);
    for (CObjectTypeHandler* h : {listed, missingB, missingA}) h->SetReferenced(true);

    std::vector<CString> names{"stale"};
    EXPECT_TRUE(ListUndefinedReferencedClasses(names));
    EXPECT_EQ(names, (std::vector<CString>{"z.MissingA", "z.MissingB"}));

    ClearClassReferenceMarks();
    EXPECT_FALSE(missingA->IsReferenced());
    EXPECT_FALSE(ListUndefinedReferencedClasses(names));
    EXPECT_TRUE(names.empty());
    listed->SetClassSpec(nullptr);
}
