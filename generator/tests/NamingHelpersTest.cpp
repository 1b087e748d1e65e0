#include "MethodWrapperWriter.h"
#include "NamingHelpers.h"
#include "TestJob.h"

#include <gtest/gtest.h>

TEST(NamingHelpers, LatinLettersFoldToAscii) {
    CString out;
    EXPECT_STREQ(MakeJavaIdentifierFree(out, "Gr\xF6\xDF" "e"), "GroBe");
    EXPECT_STREQ(MakeJavaIdentifierFree(out, "Half \xBD"), "Half_1_2");
    EXPECT_STREQ(MakeJavaIdentifierFree(out, "\xC0\xC6\xC7\xCC\xD0\xD1\xD2\xD7\xD8\xD9\xDD\xDE"), "AECIDNOx0UYp");
    EXPECT_STREQ(MakeJavaIdentifierFree(out, "\xE0\xE6\xE7\xEC\xF0\xF1\xF2\xF8\xF9\xFD\xFE\xBC\xBE"), "aeciuno0uyp1_43_4");
}

TEST(NamingHelpers, BytesJavaCannotCarryBecomeUnderscores) {
    CString out;
    // Division sign, copyright, feminine ordinal, y-diaeresis, dollar, hyphen.
    EXPECT_STREQ(MakeJavaIdentifierFree(out, "a\xF7" "b\xA9" "c\xAA\xFF"), "a_b_c__");
    EXPECT_STREQ(MakeJavaIdentifierFree(out, "My$Type-2"), "My_Type_2");
    EXPECT_STREQ(MakeJavaIdentifierFree(out, "3D"), "_3D");
    EXPECT_STREQ(MakeJavaIdentifierFree(out, ""), "__");  // "_" is reserved
}

TEST(NamingHelpers, ReservedWordsGetAnUnderscore) {
    CString out;
    EXPECT_STREQ(MakeJavaIdentifierFree(out, "int"), "int_");
    EXPECT_STREQ(MakeJavaIdentifierFree(out, "Int"), "Int");
    EXPECT_STREQ(MakeJavaIdentifierFree(out, "java"), "java_");
    EXPECT_STREQ(MakeJavaIdentifierFree(out, "Object"), "Object_");
    EXPECT_STREQ(MakeJavaIdentifierFree(out, "enum"), "enum_");
    EXPECT_STREQ(MakeJavaIdentifierFree(out, "assert"), "assert_");
    EXPECT_STREQ(MakeJavaIdentifierFree(out, "_"), "__");
    EXPECT_STREQ(MakeJavaIdentifierFree(out, "while"), "while_");
    EXPECT_STREQ(MakeJavaIdentifierFree(out, "abstract"), "abstract_");
    EXPECT_STREQ(MakeJavaIdentifierFree(out, "whilst"), "whilst");
}

TEST(NamingHelpers, EveryReservedWordIsFound) {
    const char* words[] = {
        "Class", "Object", "System", "_", "abstract", "assert", "boolean", "break", "byte", "case", "catch", "char",
        "class", "const", "continue", "default", "do", "double", "else", "enum", "extends", "false", "final",
        "finally", "float", "for", "goto", "if", "implements", "import", "instanceof", "int", "interface", "java",
        "long", "native", "new", "null", "package", "private", "protected", "public", "return", "short", "static",
        "strictfp", "super", "switch", "synchronized", "this", "throw", "throws", "transient", "true", "try", "void",
        "volatile", "while"};
    for (const char* word : words) EXPECT_TRUE(IsJavaReservedWord(word)) << word;
    for (const char* word : {"object", "system", "Int", "whilex", "a", "", "zzz"}) EXPECT_FALSE(IsJavaReservedWord(word)) << word;
}

TEST(NamingHelpers, TakenNamesAreMadeUniqueIgnoringCase) {
    CNameSet taken;
    CString out;
    EXPECT_STREQ(MakeJavaIdentifier(out, "Item", &taken), "Item");
    EXPECT_STREQ(MakeJavaIdentifier(out, "Item_", &taken), "Item_");
    EXPECT_STREQ(MakeJavaIdentifier(out, "Item", &taken), "Item__");
    // Same letters in another case would overwrite Item.java on Windows.
    EXPECT_STREQ(MakeJavaIdentifier(out, "ITEM", &taken), "ITEM___");
    EXPECT_EQ(taken.GetCount(), 4);
}

// Found by the naming fuzz entry: the underscores that made a class name
// unique could make it the package head after all.
TEST(NamingHelpers, UniqueClassNamesStayClearOfThePackageHead) {
    CString out;
    CNameSet taken;
    EXPECT_STREQ(MakeJavaClassName(out, "test", "test_", &taken), "test");
    EXPECT_STREQ(MakeJavaClassName(out, "t\xE9st", "test_", &taken), "test__");  // e-acute folds to e
    EXPECT_STREQ(MakeJavaClassName(out, "", "___", &taken), "__");
    EXPECT_STREQ(MakeJavaClassName(out, "", "___", &taken), "____");
}

// A class may not take a name javac refuses for classes, nor one that hides
// what generated code writes unqualified; other identifiers may.
TEST(NamingHelpers, ClassNamesHideNothingTheGeneratedCodeNames) {
    CString out;
    for (const char* name : {"var", "yield", "record", "sealed", "permits", "String", "Integer", "Boolean", "Short",
                             "Long", "Byte", "Float", "Double", "RuntimeException", "ClassCastException", "brivel"})
        EXPECT_EQ(std::string(MakeJavaClassName(out, name, "com", nullptr)), std::string(name) + "_") << name;
    EXPECT_STREQ(MakeJavaClassName(out, "com", "com", nullptr), "com_");  // the package's first part
    EXPECT_STREQ(MakeJavaClassName(out, "Object", "com", nullptr), "Object_");
    for (const char* name : {"Var", "string", "Brivel", "Record", "comet", "acme"})
        EXPECT_STREQ(MakeJavaClassName(out, name, "com", nullptr), name) << name;
    EXPECT_STREQ(MakeJavaClassName(out, "Item", "", nullptr), "Item");
    // Methods, fields and parameters may bear these names.
    EXPECT_STREQ(MakeJavaIdentifierFree(out, "record"), "record");
    EXPECT_STREQ(MakeJavaIdentifierFree(out, "String"), "String");
    // Unique against the names taken, ignoring case.
    CNameSet taken;
    EXPECT_STREQ(MakeJavaClassName(out, "string", "", &taken), "string");
    EXPECT_STREQ(MakeJavaClassName(out, "String", "", &taken), "String_");
    EXPECT_STREQ(MakeJavaClassName(out, "STRING_", "", &taken), "STRING__");
}

// Documentation strings in Java comments: a backslash that would start a
// unicode escape (one preceded by an even number of backslashes) and every
// non-ASCII character become character references; line breaks become blanks.
TEST(NamingHelpers, CommentTextsCarryNoUnicodeEscapeAndOnlyAscii) {
    EXPECT_STREQ(JavaCommentText("C:\\users\\me\\notes"), "C:&#92;users\\me\\notes");
    EXPECT_STREQ(JavaCommentText("\\\\u and \\\\\\u and \\\\\\\\u"), "\\\\u and \\\\&#92;u and \\\\\\\\u");
    EXPECT_STREQ(JavaCommentText("\\uuuu00e9 \\U"), "&#92;uuuu00e9 \\U");
    EXPECT_STREQ(JavaCommentText("Gr\xF6\xDF" "e \x80 \xFF"), "Gr&#246;&#223;e &#8364; &#255;");
    EXPECT_STREQ(JavaCommentText("end */ here\r\nnext\nlast\r"), "end *&#47; here next last ");
    EXPECT_STREQ(JavaCommentText(nullptr), "");
}

TEST(NamingHelpers, JniManglingEscapesUnderscoreAndSemicolon) {
    CString out;
    JniMangleName(out, "a_b;");
    EXPECT_STREQ(out, "a_1b_2");
    JniMangleName(out, "plain");
    EXPECT_STREQ(out, "plain");
}

TEST(NamingHelpers, StandardMethodsAndZeroGuids) {
    EXPECT_TRUE(IsStandardComMethod("QueryInterface"));
    EXPECT_TRUE(IsStandardComMethod("GetIDsOfNames"));
    EXPECT_FALSE(IsStandardComMethod("queryinterface"));
    EXPECT_FALSE(IsStandardComMethod("Navigate"));
    GUID zero = {};
    EXPECT_TRUE(IsAllZeroGuid(zero));
    GUID one = {};
    one.Data4[7] = 1;
    EXPECT_FALSE(IsAllZeroGuid(one));
}

TEST_F(ComTest, ProgIdOrClsidStringPrefersTheRegisteredProgId) {
    CString out;
    // Wine registers the standard font object's ProgID.
    ProgIdOrClsidString(ParseGuid("{0BE35203-8F91-11CE-9DE3-00AA004BB851}"), out);
    EXPECT_STREQ(out, "StdFont");
    ProgIdOrClsidString(ParseGuid("{5A1B0000-0000-4000-8000-0000000000FF}"), out);
    EXPECT_STREQ(out, "{5A1B0000-0000-4000-8000-0000000000FF}");
    CString progId = "unchanged";
    EXPECT_TRUE(RegisteredProgId(ParseGuid("{0BE35203-8F91-11CE-9DE3-00AA004BB851}"), progId));
    EXPECT_STREQ(progId, "StdFont");
    progId = "unchanged";
    EXPECT_FALSE(RegisteredProgId(ParseGuid("{5A1B0000-0000-4000-8000-0000000000FF}"), progId));
    EXPECT_STREQ(progId, "unchanged");
}

TEST(NamingHelpers, WideTextConvertsThroughTheAnsiCodePage) {
    EXPECT_STREQ(WideToAnsi(L"Gr\u00F6\u00DFe \u20AC"), "Gr\xF6\xDF" "e \x80");
    EXPECT_STREQ(WideToAnsi(nullptr), "");
}
