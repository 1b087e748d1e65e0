// The head of the JNI file and the build files of a run, with the clock and
// the tool discovery fixed.
#include "BuildTools.h"
#include "TestJob.h"
#include "WrittenText.h"

#include <gtest/gtest.h>

#include "TempFolder.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <sstream>

namespace {

std::string ReadRaw(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

std::string WithoutCr(const std::string& text) {
    std::string out;
    for (char c : text)
        if (c != '\r') out += c;
    return out;
}

// A fresh folder per test under the temporary folder, removed afterwards.
class ScratchFolder {
public:
    ScratchFolder() : m_path(brivel::testing::MakeTestTempFolder()) {}
    ~ScratchFolder() {
        std::error_code ignored;
        std::filesystem::remove_all(m_path, ignored);
    }
    std::string Path() const { return m_path.string(); }

private:
    std::filesystem::path m_path;
};

class FixedJob : public CTestJob {
public:
    FixedJob() {
        SetClock([] { return static_cast<time_t>(1000000000); });
        tools.jdkHome = "C:\\jdk1.3\\";
        tools.javac = "javac";
        tools.jar = "jar";
        tools.javadoc = "javadoc";
        tools.programFolder = "C:\\BRIVEL\\";
        tools.systemFolder = "C:\\windows\\system32";
        tools.windowsFolder = "C:\\windows";
    }
    void DiscoverBuildTools(CBuildDiscovery& found) override { found = tools; }
    CBuildDiscovery tools;
};

class BuildOutput : public ComTest {
protected:
    void Generate(const char* package) {
        job.SetOptions(FixturePath("Shapes.tlb").c_str(), folder.Path().c_str(), package, "C:\\lib\\JShapes.dll");
        ASSERT_TRUE(job.Generate());
        job.FinishJob(true);
    }
    std::string File(const char* name) { return WithoutCr(ReadRaw(folder.Path() + "\\" + name)); }
    ScratchFolder folder;
    FixedJob job;
};

}  // namespace

TEST_F(BuildOutput, JniFileHeadDeclaresMapsAndLoadHook) {
    Generate("test.pkg");
    std::string raw = ReadRaw(folder.Path() + "\\JShapes.cpp");
    EXPECT_NE(raw.find("// by Brivel.  It provides the JNI interface for\r\n"), std::string::npos);  // a Windows text file
    std::string text = WithoutCr(raw);
    time_t when = 1000000000;
    // ctime's text ends with its own line break: a blank line follows.
    std::string head = "// File: " + folder.Path() + "\\JShapes.cpp\n// Generated: " + ctime(&when) +
                       "\n// This file has been automatically generated\n";
    EXPECT_EQ(text.substr(0, head.size()), head);
    // The load hook's declaration is a complete statement.
    EXPECT_NE(text.find("extern \"C\" int APIENTRY DllMain(HINSTANCE hInstance, DWORD dwReason, LPVOID lpReserved);\n\n\n"
                        "// Type Library GUID\n"
                        "const GUID IID_LibId = { 0x5a1b0000, 0x0, 0x4000, { 0x80, 0x0, 0x0, 0x0, 0x0, 0x0, 0x0, 0x1 }};\n"),
              std::string::npos);
    EXPECT_NE(text.find("IID IID_ITavoCircle = { 0x5a1b0000, 0x0, 0x4000, { 0x80, 0x0, 0x0, 0x0, 0x0, 0x0, 0x0, 0x40 }};\n"),
              std::string::npos);
    EXPECT_NE(text.find("} libDescriptionStruct = { &IID_LibId, 1, 2 };\n"), std::string::npos);
    // The event interface is only Circle's source: an identifier, no row. The
    // orphan interface has its row; the map holds no terminating row.
    EXPECT_NE(text.find("IID IID_ITavoDShapeEvents = "), std::string::npos);
    EXPECT_EQ(text.find("\t{ &IID_ITavoDShapeEvents, "), std::string::npos);
    EXPECT_NE(text.find("\t{ &IID_ITavoIOrphan, \"test/pkg/IOrphan\" },\n"), std::string::npos);
    EXPECT_EQ(text.find("\t{ 0, 0 }\n"), std::string::npos);
    EXPECT_NE(text.find("\t\tbrivelInitDLL18( 1 );\n\t\tbrivelIidMapTypes( brivelIIDMap, 3 );\n"), std::string::npos);
    EXPECT_EQ(job.IidMapRowCount(), 3);
    EXPECT_NE(text.find("\t} else if ( dwReason == DLL_THREAD_ATTACH ) {\n\t\tbrivelInitThread( NULL );\n\t}\n\treturn 1;\n}\n\n"
                        "\n\n// JNI implementations\n\n"),
              std::string::npos);
}

TEST_F(BuildOutput, AVariantPointerPointerIsReportedAndARunWithoutOneClearsIt) {
    Generate("test.pkg");
    EXPECT_TRUE(job.UsesVariantPointerPointer()) << "Paint takes a VARIANT**";
    job.SetOptions(FixturePath("Bridge.tlb").c_str(), folder.Path().c_str(), "test.bridge", "C:\\lib\\JBridge.dll");
    ASSERT_TRUE(job.Generate());
    job.FinishJob(true);
    EXPECT_FALSE(job.UsesVariantPointerPointer()) << "VARIANT and VARIANT* only";
}

TEST_F(BuildOutput, ProgIdsRefreshClassIdentifiersWithoutTheirVersion) {
    const char* clsid = "{5A1B0000-0000-4000-8000-0000000000F1}";
    struct Case {
        const char* progId;
        const char* written;
    } cases[] = {{"Shapes.Circle.3", "Shapes.Circle"}, {"Abc3", "Abc3"}, {"Abc.", "Abc"}, {"123", "123"}, {"{odd}", nullptr}};
    for (const Case& c : cases) {
        HKEY key = nullptr;
        std::string path = std::string("CLSID\\") + clsid + "\\ProgID";
        ASSERT_EQ(RegCreateKeyA(HKEY_CLASSES_ROOT, path.c_str(), &key), ERROR_SUCCESS) << c.progId;
        RegSetValueA(key, nullptr, REG_SZ, c.progId, static_cast<DWORD>(strlen(c.progId)));
        RegCloseKey(key);
        std::string text = Written([&](FILE* f) {
            job.SetJniFile(f);
            bool declared = false;
            job.WriteCreateFromProgId(declared, ParseGuid(clsid), "Circle");
            job.WriteCreateFromProgId(declared, ParseGuid(clsid), "Circle");
            job.SetJniFile(nullptr);
        });
        if (!c.written) {
            EXPECT_EQ(text, "") << c.progId;
        } else {
            std::string line = std::string("\t\tif ( SUCCEEDED( CLSIDFromProgID( L\"") + c.written + "\", &clsid )))\n"
                               "\t\t\tmemcpy( &IID_ITavoCircle, &clsid, sizeof( CLSID ));\n";
            EXPECT_EQ(text, "\t\tCLSID clsid;\n" + line + line) << c.progId;
        }
        RegDeleteKeyA(HKEY_CLASSES_ROOT, path.c_str());
        RegDeleteKeyA(HKEY_CLASSES_ROOT, (std::string("CLSID\\") + clsid).c_str());
    }
}

TEST_F(BuildOutput, CommandFilesWithFallbackTools) {
    job.tools.jdkFound = false;
    Generate("test.pkg");
    std::string out = folder.Path();
    std::string raw = ReadRaw(out + "\\MakeJava.bat");
    EXPECT_EQ(raw, "REM Use this file to compile the generated Java classes\r\nCD /D " + out +
                       "\r\njavac -classpath C:\\BRIVEL\\brivel18.jar;. -d . test/pkg/*.java\r\npause");
    EXPECT_EQ(File("MakeJar.bat"), "REM Use this file to build the Jar file JShapes.jar\nCD /D " + out +
                                       "\njar cvf JShapes.jar test/pkg/*.class\npause");
    EXPECT_EQ(File("MakeJavadoc.bat"),
              "REM Use this file to generate Javadoc in the \"doc\" folder\nCD /D " + out +
                  "\nif not exist doc md doc\njavadoc -classpath C:\\BRIVEL\\brivel18.jar;. -overview overview.html -d doc "
                  "-link file:///C:\\BRIVEL\\doc test\\pkg\\*.java\npause");
    std::string cl = "cl -EHsc -IC:\\jdk1.3\\include -IC:\\jdk1.3\\include\\win32 -LD JShapes.cpp -FeJShapes.dll ole32.lib "
                     "oleaut32.lib olepro32.lib uuid.lib C:\\BRIVEL\\brivellib18.lib";
    std::string txt = File("MakeDLL.txt");
    EXPECT_EQ(txt.substr(0, 60), "STEPS TO BUILDING THE JShapes.DLL FILE\n\nTo build the DLL usi");
    EXPECT_NE(txt.find("Then use the following command:\n\n" + cl + "\n\n\n"), std::string::npos);
    EXPECT_NE(txt.find("\nNOTE: Make sure to replace C:\\jdk1.3\\ by your JDK home in the above command lines!!\n\n"),
              std::string::npos);
    EXPECT_FALSE(job.IsDllCommandFileWritten());
    EXPECT_TRUE(job.IsDllStepAvailable());
    EXPECT_EQ(job.ReadmePath().str(), out + "\\readme.html");
    std::string readme = File("readme.html");
    EXPECT_EQ(readme.substr(0, 79), "<HTML><HEAD><TITLE>Readme file for ShapesLib</TITLE></HEAD></HTML>\n<BODY><P>\nFi");
    EXPECT_NE(readme.find("<LI>The file <B>makeDLL.txt</B> has been created"), std::string::npos);
    EXPECT_NE(readme.find("<LI>the C:\\windows directory or<LI>the C:\\windows\\system32 directory\n</UL>\n</UL><HR>\n"
                          "</BODY></HTML>\n"),
              std::string::npos);
}

TEST_F(BuildOutput, DllCommandFileCallsTheEnvironmentScript) {
    job.tools.jdkFound = true;
    job.tools.vcvarsFound = true;
    job.tools.vcvars = "C:\\VC\\BIN\\SETENV.CMD";
    Generate("test.pkg");
    std::string out = folder.Path();
    EXPECT_EQ(File("MakeDLL.bat"),
              "@echo off\ncall \"C:\\VC\\BIN\\SETENV.CMD\"\necho on\nCD /D " + out +
                  "\ncl -EHsc -IC:\\jdk1.3\\include -IC:\\jdk1.3\\include\\win32 -LD JShapes.cpp -FeJShapes.dll ole32.lib "
                  "oleaut32.lib olepro32.lib uuid.lib C:\\BRIVEL\\brivellib18.lib\ncopy /y JShapes.dll "
                  "C:\\windows\\system32\npause");
    EXPECT_TRUE(job.IsDllCommandFileWritten());
    // A folder gets the script's name.
    job.tools.vcvars = "C:\\VC\\BIN\\";
    ASSERT_TRUE(job.WriteBuildFiles());
    EXPECT_NE(File("MakeDLL.bat").find("call \"C:\\VC\\BIN\\vcvars32.bat\"\n"), std::string::npos);
}

TEST_F(BuildOutput, EmptyPackageAndKnownLibraries) {
    Generate("");
    EXPECT_NE(File("MakeJava.bat").find(";. -d . *.java\npause"), std::string::npos);
    EXPECT_NE(File("MakeJar.bat").find("jar cvf JShapes.jar *.class\n"), std::string::npos);
    std::string overview = File("overview.html");
    EXPECT_NE(overview.find("<P><A HREF=Circle.html>Circle</A>&nbsp;&nbsp;&nbsp;&nbsp;<I>A circle</I>"
                            "&nbsp;&nbsp;Create objects using <TT>new Circle()</TT></P>\n<UL>\n"
                            "<LI><A HREF=ICircle.html>ICircle</A>&nbsp;&nbsp;Do not instantiate.  Obtain by calling "
                            "<TT>getICircle</TT> method on <I>Circle</I> objects</LI>\n"),
              std::string::npos)
        << overview;
    EXPECT_NE(overview.find("<H2>ShapesLib Access from Java using Brivel.</H2>\n<H3>Shapes test library</H3>\n"),
              std::string::npos);
    // The ADO package in use adds its jar and documentation link only.
    CString package, mangled, path;
    job.SetAdoSettings("my.ado", "MyAdo", "C:\\ado.jar", "C:\\adodoc");
    ASSERT_TRUE(job.IsKnownLibrary("adodb", package, mangled, path));
    ASSERT_TRUE(job.WriteBuildFiles());
    std::string javadoc = File("MakeJavadoc.bat");
    EXPECT_NE(javadoc.find("brivel18.jar;C:\\ado.jar;. -overview overview.html -d doc -link file:///C:\\BRIVEL\\doc "
                           "-link file:///C:\\adodoc *.java\n"),
              std::string::npos)
        << javadoc;
    // Not the presets: no download notice.
    EXPECT_EQ(File("readme.html").find("requires the ADO package"), std::string::npos);
}

TEST_F(BuildOutput, RemoteClientFolderAndTheSample) {
    job.SetRemoteAccess(true);
    Generate("test.pkg");
    std::string out = folder.Path();
    EXPECT_EQ(File("brvRemoteClient\\MakeJar.bat"), "REM Use this file to build the Jar file JShapes.jar\nCD /D " + out +
                                                        "\\brvRemoteClient\njar cvf JShapesRemoteClient.jar test/pkg/*.class\npause");
    EXPECT_NE(File("brvRemoteClient\\MakeJava.bat").find("javac -classpath C:\\BRIVEL\\brivelRemoteClient18.jar;. -d . test/pkg/*.java"),
              std::string::npos);
    EXPECT_NE(File("brvRemoteClient\\index.html").find("</BODY></HTML>\n"), std::string::npos);
}

// The shipped sample gets no DLL command file: its readme gives the commands
// that build the JNI library by hand, and, when MakeJavadoc.bat cannot be
// written (a folder stands in its place), the javadoc command.
TEST_F(BuildOutput, SampleReadmeGivesTheManualCommands) {
    std::filesystem::create_directories(folder.Path() + "\\MakeJavadoc.bat");
    job.SetOptions(FixturePath("Shapes.tlb").c_str(), folder.Path().c_str(), "j2c.tutorial",
                   "C:\\lib\\jbrivelsampleactivex.dll");
    ASSERT_TRUE(job.Generate());
    job.FinishJob(true);
    EXPECT_EQ(job.messages, std::vector<std::string>{folder.Path() + "\\MakeJavadoc.bat: Cannot write file"});
    EXPECT_FALSE(std::filesystem::exists(folder.Path() + "\\MakeDLL.txt"));
    EXPECT_FALSE(std::filesystem::exists(folder.Path() + "\\MakeDLL.bat"));
    std::string readme = File("readme.html");
    // The link names the kit's folder once (not "file:///c:\C:\...").
    EXPECT_NE(readme.find("<BR><TT>javadoc -classpath C:\\BRIVEL\\brivel18.jar;. -overview overview.html -d doc "
                          "-link file:///C:\\BRIVEL\\doc j2c\\tutorial\\*.java</TT><BR>\n"),
              std::string::npos) << readme;
    EXPECT_NE(readme.find("<LI>The JBrivelSampleActiveX.dll file is available in the C:\\BRIVEL\\sample folder\n"),
              std::string::npos);
    // The mingw command compiles the JNI file that was written.
    EXPECT_NE(readme.find("<BR><TT>gcc -c -Ic:/jdk1.3/include -Ic:/jdk1.3/include/win32 jbrivelsampleactivex.cpp</TT>\n"
                          "<BR><TT>dllwrap jbrivelsampleactivex.o --add-stdcall-alias -lole32 -loleaut32 -lolepro32 "
                          "-luuid -lstdc++ -o jbrivelsampleactivex.dll</TT><BR>\n"),
              std::string::npos);
    EXPECT_TRUE(std::filesystem::exists(folder.Path() + "\\jbrivelsampleactivex.cpp"));
}

// Without the option nothing goes to the remote-client folder and nothing is
// reported; with it, a folder that cannot be made costs only the copies:
// each is reported, the main classes and the job still succeed.
TEST_F(BuildOutput, RemoteClientCopiesOnlyWithTheOptionAndTheirFailures) {
    Generate("test.pkg");
    EXPECT_FALSE(std::filesystem::exists(folder.Path() + "\\brvRemoteClient"));
    EXPECT_EQ(job.OpenRemoteClientJavaFile("Circle", true), nullptr);
    EXPECT_TRUE(job.messages.empty());

    std::ofstream(folder.Path() + "\\brvRemoteClient") << "in the way";
    job.SetRemoteAccess(true);
    Generate("test.pkg");
    std::string copy = folder.Path() + "\\brvRemoteClient\\test\\pkg\\Circle.java: Cannot write file";
    EXPECT_NE(std::find(job.messages.begin(), job.messages.end(), copy), job.messages.end());
    EXPECT_NE(std::find(job.messages.begin(), job.messages.end(),
                        folder.Path() + "\\brvRemoteClient\\MakeJava.bat: Cannot write file"),
              job.messages.end());
    EXPECT_NE(File("test\\pkg\\Circle.java").find("public class Circle extends brivel.TavoObject"), std::string::npos);
}

TEST(BuildTools, CommandFolderAndHtmlText) {
    CString folder;
    EXPECT_TRUE(GetCommandFolder("  \"C:\\Program Files\\DevStudio\\msdev.exe\" \"%1\"", folder));
    EXPECT_STREQ(folder, "C:\\Program Files\\DevStudio\\");
    EXPECT_TRUE(GetCommandFolder("C:\\VC\\BIN\\MSDEV.EXE %1", folder));
    EXPECT_STREQ(folder, "C:\\VC\\BIN\\");
    EXPECT_FALSE(GetCommandFolder("   ", folder));
    EXPECT_STREQ(HtmlEscape("a<b> & \"c\""), "a&lt;b&gt; &amp; &quot;c&quot;");
}

TEST(BuildTools, FolderSearchFindsTheScriptAndNeverLoops) {
    ScratchFolder root;
    std::string deep = root.Path() + "\\VC98\\Bin";
    CreateDirectoryA((root.Path() + "\\VC98").c_str(), nullptr);
    CreateDirectoryA(deep.c_str(), nullptr);
    CreateDirectoryA((root.Path() + "\\Common").c_str(), nullptr);
    std::ofstream((deep + "\\VCVARS32.BAT").c_str()) << "rem\n";
    brivel::StringKeyedMap<int> visited;
    CString found;
    // Down through the subfolders, the name compared without regard to case.
    EXPECT_TRUE(SearchFileUnderFolder((root.Path() + "\\VC98").c_str(), found, "vcvars32.bat", visited, root.Path().c_str()));
    EXPECT_EQ(found.str(), deep + "\\");
    // From a sibling the climb ends at the stop folder: the script below it
    // in another branch is not reached, and nothing above it is searched.
    brivel::StringKeyedMap<int> fresh;
    EXPECT_FALSE(SearchFileUnderFolder((root.Path() + "\\Common").c_str(), found, "vcvars32.bat", fresh, root.Path().c_str()));
    // A folder met again is not searched twice.
    EXPECT_FALSE(SearchFileUnderFolder((root.Path() + "\\VC98").c_str(), found, "vcvars32.bat", visited, root.Path().c_str()));
}
