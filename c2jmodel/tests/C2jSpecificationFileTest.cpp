// The .c2j file: hand-written files of every version, round trips, and
// damaged files of every kind.
#include "C2jSpecification.h"
#include "FakeVmHost.h"

#include "SpecFileText.h"
#include "TempFolder.h"

#include <gtest/gtest.h>

#include <regex>
#include <set>

using brivel::testing::FakeVmHost;
using brivel::testing::ReadFileBytes;
using brivel::testing::SpecFileFromText;
using brivel::testing::WriteFileBytes;

namespace {

const std::set<std::string> kLoadMessages = {
    "Incorrect file type",
    "File has been saved by a newer (incompatible) version of Brivel",
    "File format is too old",
    "Unexpected end of file",
    "Unexpected end of file while reading string data",
    "Unexpected eof at start of file",
    "Unexpected eof while reading class definition",
    "Error reading data type from file",
    "No classes defined in file",
};

bool IsGuidText(const CString& text) {
    static const std::regex form("[0-9a-f]{8}-[0-9a-f]{4}-[0-9a-f]{4}-[0-9a-f]{4}-[0-9a-f]{12}");
    return std::regex_match(text.str(), form);
}

// The header of a version-106 file up to the class count.
const char kHeader106[] =
    "\"AXOV\" u32:106 str:\"cp\" str:\"L\" str:\"\" str:\"g1\" str:\"g2\" str:\"g3\" str:\"out\" "
    "u32:0 u32:0 str:\"\" u16:0 ";

// A plain version-106 class record without members, then `tail`.
std::string ClassRecord(const std::string& name, const std::string& groups = "u32:0 u32:0 u32:0 u32:0 u32:0") {
    return "str:\"" + name + "\" u8:0 u16:0 u16:0 u16:0 str:\"\" u16:0 str:\"N\" str:\"\" str:\"c1\" str:\"c2\" " + groups +
           " ";
}

class SpecFileTest : public brivel::testing::TempFolderTest {
protected:
    static std::string Golden(int version) {
        return SpecFileFromText(
            ReadFileBytes(std::string(C2JMODEL_TEST_DATA) + "/v" + std::to_string(version) + ".c2j.txt"));
    }

    // Loads `bytes` from a real file into `doc`; answers the message ("" on success).
    std::string LoadBytes(CC2jSpecification& doc, const std::string& bytes) {
        WriteFileBytes(Path("in.c2j"), bytes);
        FILE* file = fopen(Path("in.c2j").c_str(), "rb");
        CString error;
        const bool loaded = doc.Load(file, error);
        fclose(file);
        EXPECT_EQ(loaded, error.IsEmpty()) << error.c_str();
        return error.str();
    }
    std::string LoadText(CC2jSpecification& doc, const std::string& text) { return LoadBytes(doc, SpecFileFromText(text)); }

    std::string SaveBytes(CC2jSpecification& doc) {
        FILE* file = fopen(Path("out.c2j").c_str(), "wb");
        EXPECT_TRUE(doc.Save(file));
        fclose(file);
        return ReadFileBytes(Path("out.c2j"));
    }
};

}  // namespace

TEST_F(SpecFileTest, Version106FileLoadsAndSavesByteForByte) {
    const std::string golden = Golden(106);
    CC2jSpecification doc;
    ASSERT_EQ(LoadBytes(doc, golden), "");
    EXPECT_EQ(doc.m_version, 106u);
    EXPECT_EQ(doc.m_classPath, "lib\\shapes.jar;C:\\java\\caf\xE9.jar");
    EXPECT_EQ(doc.m_libraryName, "ShapesLib");
    EXPECT_EQ(doc.m_libraryComment, "Shapes for COM");
    EXPECT_EQ(doc.m_projectGuid3, "1b4e28ba-2fa1-11d2-883f-0016d3cca427");
    EXPECT_EQ(doc.m_specFilePath, "C:\\out\\shapes\\ShapesLib.c2j");
    EXPECT_TRUE(doc.m_jarMode);
    EXPECT_EQ(doc.GetClassNames(), (std::vector<CString>{"geo.Shape", "geo.IListener", "geo.ShapeError"}));

    const CJavaClassSpec* shape = doc.GetClass("geo.Shape");
    ASSERT_NE(shape, nullptr);
    EXPECT_EQ(shape->m_jniClassName, "geo/Shape");
    EXPECT_TRUE(shape->m_includeInherited);
    EXPECT_EQ(shape->m_visual, 1);
    EXPECT_EQ(shape->m_comment, "A shape");
    ASSERT_EQ(shape->m_methods.size(), 2u);
    const CJavaMethodSpec& moveTo = *shape->m_methods[1];
    EXPECT_TRUE(moveTo.m_selected && moveTo.m_supported && !moveTo.m_static && !moveTo.m_constructor);
    EXPECT_FALSE(moveTo.m_usesObjectTypes);
    EXPECT_EQ(moveTo.m_parameterNames, (std::vector<CString>{"x", "where", "tags"}));
    EXPECT_EQ(moveTo.m_parameterTypes[0], GetStaticTypeHandler(12));
    EXPECT_EQ(moveTo.m_parameterTypes[1], FindOrCreateObjectTypeHandler("geo.Point"));
    EXPECT_EQ(moveTo.m_parameterTypes[2], GetStaticTypeHandler(265));
    EXPECT_TRUE(shape->m_constructors[0]->m_constructor);
    EXPECT_TRUE(shape->m_staticMethods[0]->m_static);
    EXPECT_EQ(shape->m_staticMethods[0]->m_returnType, FindOrCreateObjectTypeHandler("geo.Shape"));
    EXPECT_TRUE(shape->m_staticFields[0]->m_readOnly);
    EXPECT_TRUE(shape->m_staticFields[0]->m_static);
    EXPECT_EQ(shape->m_staticFields[0]->m_type, FindOrCreateObjectArrayTypeHandler("geo.Point"));
    // Loaded classes are linked to their object handlers.
    EXPECT_EQ(FindOrCreateObjectTypeHandler("geo.Shape")->GetClassSpec(), shape);
    EXPECT_EQ(FindOrCreateObjectTypeHandler("geo.Shape")->GetComInterfaceType(), "_Shape *");

    const CJavaClassSpec* listener = doc.GetClass("geo.IListener");
    EXPECT_EQ(listener->m_isInterface, 0xFFFF);
    EXPECT_EQ(listener->m_eventInterface, 0xFFFF);
    EXPECT_EQ(listener->m_interfaceGuid2, "45c48cce-2e2d-4fbd-a1af-4b4f9d0c7e6a");
    EXPECT_EQ(listener->m_interfaceGuid3, "d3d94468-02a4-4e8d-9b2a-7e8b2f6b9b1c");
    EXPECT_EQ(doc.GetClass("geo.ShapeError")->m_exceptionOrder, 1);

    EXPECT_EQ(SaveBytes(doc), golden);
}

TEST_F(SpecFileTest, OlderVersionsLoadWithTheirDefaults) {
    {
        CC2jSpecification doc;
        ASSERT_EQ(LoadText(doc, ReadFileBytes(std::string(C2JMODEL_TEST_DATA) + "/v105.c2j.txt")), "");
        EXPECT_EQ(doc.m_version, 105u);
        EXPECT_TRUE(IsGuidText(doc.m_projectGuid2) && IsGuidText(doc.m_projectGuid3));
        EXPECT_NE(doc.m_projectGuid2, doc.m_projectGuid3);
        const CJavaClassSpec* c = doc.GetClass("ev.Listener");
        EXPECT_EQ(c->m_isInterface, 1);
        EXPECT_EQ(c->m_eventInterface, 0);
        EXPECT_EQ(c->m_comment, "Events");
        EXPECT_TRUE(IsGuidText(c->m_interfaceGuid2) && IsGuidText(c->m_interfaceGuid3));
        EXPECT_TRUE(IsGuidText(c->m_classGuid1) && IsGuidText(c->m_classGuid2));
        EXPECT_NE(c->m_classGuid1, c->m_classGuid2);
        EXPECT_EQ(c->m_interfaceGuid1, "a3bb189e-8bf9-3888-9912-ace4e6543002");
    }
    {
        CC2jSpecification doc;
        ASSERT_EQ(LoadBytes(doc, Golden(104)), "");
        EXPECT_TRUE(doc.m_jarMode);
        EXPECT_EQ(doc.GetClass("ev.Listener")->m_eventInterface, 7);
        EXPECT_TRUE(IsGuidText(doc.GetClass("ev.Listener")->m_interfaceGuid2));
        EXPECT_EQ(doc.GetClass("ui.Panel")->m_visual, 1);
        EXPECT_TRUE(doc.GetClass("ui.Panel")->m_interfaceGuid2.IsEmpty());
        EXPECT_TRUE(doc.m_libraryGuid.IsEmpty());  // made by saving or by taking the settings over
    }
    {
        CC2jSpecification doc;
        ASSERT_EQ(LoadBytes(doc, Golden(103)), "");
        EXPECT_EQ(doc.GetClass("a.Err")->m_exceptionOrder, 2);
        EXPECT_EQ(doc.GetClass("a.Err")->m_visual, 0);
    }
    {
        CC2jSpecification doc;
        ASSERT_EQ(LoadBytes(doc, Golden(102)), "");
        EXPECT_FALSE(doc.m_jarMode);
        EXPECT_EQ(doc.m_specFilePath, "out\\Lib102.c2j");
        EXPECT_EQ(doc.GetClass("a.Thing")->m_methods[0]->m_returnType, GetStaticTypeHandler(1));
        EXPECT_EQ(doc.GetClass("a.IThing")->m_eventInterface, 1);
    }
    {
        CC2jSpecification doc;
        ASSERT_EQ(LoadBytes(doc, Golden(101)), "");
        const CJavaClassSpec* c = doc.GetClass("a.Oops");
        EXPECT_EQ(c->m_exceptionOrder, 3);
        EXPECT_EQ(c->m_isInterface, 0);
        EXPECT_TRUE(c->m_includeInherited);
    }
    {
        CC2jSpecification doc;
        ASSERT_EQ(LoadBytes(doc, Golden(100)), "");
        const CJavaClassSpec* c = doc.GetClass("a.Calc");
        EXPECT_EQ(c->m_exceptionOrder, 0);
        EXPECT_EQ(c->m_visual, 0);
        EXPECT_EQ(c->m_isInterface, 0);
        EXPECT_EQ(c->m_eventInterface, 0);
        EXPECT_EQ(c->m_comObjectName, "Calculator");
        EXPECT_EQ(c->m_comment, "Adds numbers");
        ASSERT_EQ(c->m_methods.size(), 1u);
        EXPECT_EQ(c->m_methods[0]->m_comName, "Add");
        EXPECT_EQ(c->m_methods[0]->m_comment, "sum");
        EXPECT_EQ(c->m_methods[0]->m_parameterTypes, (std::vector<CJavaTypeHandler*>{GetStaticTypeHandler(12), GetStaticTypeHandler(12)}));
    }
}

TEST_F(SpecFileTest, EveryVersionSavesIntoAFileThatLoadsAgain) {
    for (int version = 100; version <= 106; ++version) {
        CC2jSpecification first;
        ASSERT_EQ(LoadBytes(first, Golden(version)), "") << "version " << version;
        const std::string saved = SaveBytes(first);
        CC2jSpecification second;
        ASSERT_EQ(LoadBytes(second, saved), "") << "version " << version;
        EXPECT_EQ(second.m_version, 106u) << "version " << version;
        EXPECT_EQ(second.m_jarMode, first.m_jarMode) << "version " << version;
        EXPECT_EQ(second.GetClassNames(), first.GetClassNames()) << "version " << version;
        EXPECT_EQ(second.m_libraryGuid, first.m_libraryGuid) << "version " << version;
        EXPECT_EQ(SaveBytes(second), saved) << "version " << version;
    }
}

TEST_F(SpecFileTest, NewDocumentSavesOnlySelectedMembersAndMadeGuids) {
    CC2jSpecification doc;
    EXPECT_EQ(doc.m_version, 106u);
    ASSERT_EQ(LoadText(doc, std::string(kHeader106) + "u32:1 str:\"p.K\" " +
                                ClassRecord("p.K", "u32:0 u32:2 str:\"a\" str:\"A\" str:\"\" u32:1 u32:0 "
                                                   "str:\"b\" str:\"B\" str:\"\" u32:1 u32:0 u32:0 u32:0 u32:0")),
              "");
    doc.m_libraryGuid.Empty();
    doc.m_projectGuid2.Empty();
    doc.GetClass("p.K")->m_methods[0]->m_selected = false;
    const std::string bytes = SaveBytes(doc);
    EXPECT_TRUE(IsGuidText(doc.m_libraryGuid));
    EXPECT_TRUE(IsGuidText(doc.m_projectGuid2));
    EXPECT_EQ(doc.m_projectGuid3, "g3");
    const std::string expected =
        SpecFileFromText("\"AXOV\" u32:106 str:\"cp\" str:\"L\" str:\"\" str:\"" + doc.m_libraryGuid.str() + "\" str:\"" +
                         doc.m_projectGuid2.str() + "\" str:\"g3\" str:\"out\" u32:0 u32:0 str:\"\" u16:0 u32:1 str:\"p.K\" " +
                         ClassRecord("p.K", "u32:0 u32:1 str:\"b\" str:\"B\" str:\"\" u32:1 u32:0 u32:0 u32:0 u32:0"));
    EXPECT_EQ(bytes, expected);
}

TEST_F(SpecFileTest, WriteErrorsAreReported) {
    CC2jSpecification doc;
    WriteFileBytes(Path("readonly.c2j"), "x");
    FILE* file = fopen(Path("readonly.c2j").c_str(), "rb");
    EXPECT_FALSE(doc.Save(file));
    fclose(file);
}

TEST_F(SpecFileTest, HeadersOfOtherFilesAndVersionsAreRefused) {
    CC2jSpecification a, b, c, d, e, f;
    EXPECT_EQ(LoadBytes(a, "AXOW" + Golden(106).substr(4)), "Incorrect file type");
    EXPECT_EQ(LoadBytes(b, "VOXA"), "Incorrect file type");
    EXPECT_EQ(LoadText(c, "\"AXOV\" u32:99"), "File format is too old");
    EXPECT_EQ(LoadText(d, "\"AXOV\" u32:107"), "File has been saved by a newer (incompatible) version of Brivel");
    EXPECT_EQ(LoadText(e, std::string(kHeader106) + "u32:0"), "No classes defined in file");
    EXPECT_EQ(LoadBytes(f, "AX"), "Unexpected end of file");
}

TEST_F(SpecFileTest, FilesCutShortGiveTheMessageOfTheFieldCut) {
    const std::string golden = Golden(106);
    for (size_t length = 0; length < golden.size(); ++length) {
        CC2jSpecification doc;
        const std::string message = LoadBytes(doc, golden.substr(0, length));
        EXPECT_TRUE(kLoadMessages.count(message)) << length << ": " << message;
    }
    struct Case { std::string text; const char* message; } cases[] = {
        {"\"AXOV\" u32:106 u32:10 \"abc\"", "Unexpected end of file while reading string data"},
        {"\"AXOV\" u32:106 \"\x01\"", "Unexpected end of file"},
        {"\"AXOV\" u32:106 str:\"cp\" str:\"L\" str:\"\" str:\"g1\" str:\"g2\" str:\"g3\" str:\"out\" u32:0",
         "Unexpected end of file"},
        {"\"AXOV\" u32:106 str:\"cp\" str:\"L\" str:\"\" str:\"g1\" str:\"g2\" str:\"g3\" str:\"out\" u32:0 u32:0 "
         "str:\"\" \"\x01\"",
         "Unexpected eof at start of file"},
        {std::string(kHeader106) + "u32:1 str:\"p.K\" str:\"p.K\"", "Unexpected eof while reading class definition"},
        {std::string(kHeader106) + "u32:1 str:\"p.K\" str:\"p.K\" u8:0 \"\x01\"",
         "Unexpected eof while reading class definition"},
        {std::string(kHeader106) + "u32:1 str:\"p.K\" str:\"p.K\" u8:0 u16:0 u16:0 u16:0 str:\"\"",
         "Unexpected eof while reading class definition"},
        {std::string(kHeader106) + "u32:1 str:\"p.K\" " + ClassRecord("p.K", "u32:1 str:\"<init>\" str:\"C\" str:\"\" \"\x07\""),
         "Error reading data type from file"},
        {std::string(kHeader106) + "u32:1 str:\"p.K\" " + ClassRecord("p.K", "u32:1 str:\"<init>\" str:\"C\" str:\"\" u32:7"),
         "Unexpected end of file"},
        {std::string(kHeader106) + "u32:1 str:\"p.K\" " + ClassRecord("p.K", "u32:0 u32:0 u32:0 u32:1 str:\"f\" str:\"F\" str:\"\" u32:0 u32:255 u32:4 \"a.B\""),
         "Error reading data type from file"},
    };
    for (const Case& c : cases) {
        CC2jSpecification doc;
        EXPECT_EQ(LoadText(doc, c.text), c.message) << c.text;
    }
}

// The wizard's project holds p.K; a file naming p.K that cannot be read
// whole takes nothing from it, and one that can points p.K's handler at its
// own record until that document goes.
TEST_F(SpecFileTest, OnlyAWholeFileTakesTheTypeHandlersOfItsClasses) {
    FakeVmHost host;
    host.Define("p.K");
    CC2jSpecification project;
    project.m_vmHost = &host;
    CString error;
    CJavaClassSpec* k = project.AddClassFromVm("", false, "p.K", error);
    ASSERT_NE(k, nullptr);
    CObjectTypeHandler* handler = FindOrCreateObjectTypeHandler("p.K");
    {
        CC2jSpecification damaged;
        EXPECT_EQ(LoadText(damaged, std::string(kHeader106) + "u32:2 str:\"p.K\" str:\"p.L\" " + ClassRecord("p.K") +
                                        "str:\"p.L\" u8:0"),
                  "Unexpected eof while reading class definition");
        EXPECT_EQ(handler->GetClassSpec(), k);
    }
    EXPECT_EQ(handler->GetClassSpec(), k) << "a failed load's document took the class's handler with it";
    {
        CC2jSpecification whole;
        EXPECT_EQ(LoadText(whole, std::string(kHeader106) + "u32:1 str:\"p.K\" " + ClassRecord("p.K")), "");
        EXPECT_EQ(handler->GetClassSpec(), whole.GetClass("p.K"));
    }
    project.RemoveClass("p.K");
}

TEST_F(SpecFileTest, DamagedLengthsAndCountsEndAtTheEndOfTheFile) {
    const std::string method = "str:\"m\" str:\"M\" str:\"\" u32:7 ";
    struct Case { std::string text; const char* message; } cases[] = {
        // A class path said to be nearly 4 GB long.
        {"\"AXOV\" u32:106 u32:0xFFFFFFF0 \"cp\"", "Unexpected end of file while reading string data"},
        {std::string(kHeader106) + "u32:0xFFFFFFFF str:\"p.K\"", "Unexpected end of file"},
        {std::string(kHeader106) + "u32:0x7FFFFFFF str:\"p.K\" str:\"p.K\" u32:0x7FFFFFFF", "Unexpected end of file while reading string data"},
        {std::string(kHeader106) + "u32:1 str:\"p.K\" " + ClassRecord("p.K", "u32:0xFFFFFFFF " + method + "u32:0"),
         "Unexpected end of file"},
        {std::string(kHeader106) + "u32:1 str:\"p.K\" " + ClassRecord("p.K", "u32:0 u32:1 " + method + "u32:0x7FFFFFFF str:\"a\" u32:1"),
         "Unexpected end of file"},
        {std::string(kHeader106) + "u32:1 str:\"p.K\" " + ClassRecord("p.K", "u32:0 u32:1 " + method + "u32:0xFFFFFFFF str:\"a\" u32:1 str:\"b\""),
         "Error reading data type from file"},
        // A class name in a type record longer than a reader takes.
        {std::string(kHeader106) + "u32:1 str:\"p.K\" " + ClassRecord("p.K", "u32:0 u32:1 str:\"m\" str:\"M\" str:\"\" u32:255 u32:5000 \"x\""),
         "Error reading data type from file"},
    };
    for (const Case& c : cases) {
        CC2jSpecification doc;
        EXPECT_EQ(LoadText(doc, c.text), c.message) << c.text;
    }
}

TEST_F(SpecFileTest, TypeCodesWithoutHandlerAreRefused) {
    for (int code : {258, 263, 267, 268, 0, 13, 256}) {
        CC2jSpecification doc;
        const std::string text = std::string(kHeader106) + "u32:1 str:\"p.K\" " +
                                 ClassRecord("p.K", "u32:0 u32:0 u32:0 u32:1 str:\"f\" str:\"F\" str:\"\" u32:0 u32:" +
                                                        std::to_string(code) + " u32:0");
        EXPECT_EQ(LoadText(doc, text), "Error reading data type from file") << code;
    }
}

TEST_F(SpecFileTest, EachClassIsStoredOnceUnderItsRecordName) {
    CC2jSpecification doc;
    const std::string text = std::string(kHeader106) + "u32:3 str:\"p.A\" str:\"p.A\" str:\"p.Listed\" " +
                             ClassRecord("p.A") + ClassRecord("p.A", "u32:0 u32:0 u32:0 u32:1 str:\"f\" str:\"F\" str:\"\" u32:0 u32:1 u32:0") +
                             ClassRecord("p.Other");
    ASSERT_EQ(LoadText(doc, text), "");
    EXPECT_EQ(doc.GetClassNames(), (std::vector<CString>{"p.A", "p.Other"}));
    ASSERT_NE(doc.GetClass("p.A"), nullptr);
    EXPECT_EQ(doc.GetClass("p.A")->m_fields.size(), 1u);
    EXPECT_EQ(doc.GetClass("p.Listed"), nullptr);
    EXPECT_EQ(doc.GetClass("p.Other")->m_javaClassName, "p.Other");
}

// A class name is a C string everywhere it is used (the map, the VM, the
// type handlers): one that holds a NUL byte is refused as unreadable.
TEST_F(SpecFileTest, ClassNamesHoldingANulByteAreRefused) {
    struct Case {
        std::string text;
        std::string message;
    } cases[] = {
        {std::string(kHeader106) + "u32:1 str:\"p.A\" " + ClassRecord("p.A\\x00B"),
         "Unexpected eof while reading class definition"},
        {std::string(kHeader106) + "u32:1 str:\"p.A\\x00B\" " + ClassRecord("p.A"),
         "Unexpected eof while reading class definition"},
        {std::string(kHeader106) + "u32:1 str:\"p.K\" " +
             ClassRecord("p.K", "u32:0 u32:0 u32:0 u32:1 str:\"f\" str:\"F\" str:\"\" u32:0 u32:255 str:\"p.\\x00T\" u32:0"),
         "Error reading data type from file"},
        {std::string(kHeader106) + "u32:1 str:\"p.K\" " +
             ClassRecord("p.K", "u32:0 u32:0 u32:0 u32:1 str:\"f\" str:\"F\" str:\"\" u32:0 u32:511 str:\"p.T\\x00\" u32:0"),
         "Error reading data type from file"},
    };
    for (const Case& c : cases) {
        CC2jSpecification doc;
        EXPECT_EQ(LoadText(doc, c.text), c.message) << c.text;
    }
}

TEST_F(SpecFileTest, LongTextsAndEveryByteValueSurviveARoundTrip) {
    CC2jSpecification doc;
    ASSERT_EQ(LoadBytes(doc, Golden(106)), "");
    std::string path;
    for (int i = 0; i < 70000; ++i) path += static_cast<char>(1 + i % 255);
    doc.m_classPath = CString(path);
    doc.GetClass("geo.Shape")->m_comment = "caf\xE9 \x80 \xFF";
    const std::string saved = SaveBytes(doc);
    CC2jSpecification again;
    ASSERT_EQ(LoadBytes(again, saved), "");
    EXPECT_EQ(again.m_classPath.str(), path);
    EXPECT_EQ(again.GetClass("geo.Shape")->m_comment, "caf\xE9 \x80 \xFF");
}
