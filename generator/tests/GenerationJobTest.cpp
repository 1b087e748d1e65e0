#include "TestJob.h"
#include "TypeLibBuilder.h"
#include "GeneratorHelpers.h"
#include "TempFolder.h"
#include "TypeLibraryReading.h"
#include "TypeMapperSelection.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>

namespace {

std::vector<std::string> InterfaceNames(CBridgeGenerator& job, bool withEvents) {
    std::vector<std::string> names;
    job.InterfaceTable().ForEach([&](const CString&, CInterfaceEntry* const& entry) {
        if (withEvents || !entry->isEvent || entry->implementedByCoclass) names.push_back(entry->javaName.c_str());
    });
    return names;
}

std::vector<std::string> Names(const std::vector<CInterfaceEntry*>& entries) {
    std::vector<std::string> names;
    for (CInterfaceEntry* entry : entries) names.push_back(entry->javaName.c_str());
    return names;
}

bool Contains(const std::vector<std::string>& names, const char* name) {
    return std::find(names.begin(), names.end(), name) != names.end();
}

class GenerationJob : public ComTest {
protected:
    bool Run(const std::string& path, const char* package = "test.pkg") {
        job.SetOptions(path.c_str(), TestOutputFolder().c_str(), package, "C:\\lib\\JShapes.dll");
        bool ok = job.Generate();
        job.FinishJob(ok);
        return ok;
    }
    CTestJob job;
};

}  // namespace

TEST_F(GenerationJob, CollectsCoclassesInterfacesEnumerationsRecordsAndAliases) {
    ASSERT_TRUE(Run(FixturePath("Shapes.tlb"), "com.my_co.shapes")) << (job.messages.empty() ? "" : job.messages[0]);
    EXPECT_TRUE(job.messages.empty());
    EXPECT_STREQ(job.JniPackage(), "com_my_1co_shapes");
    EXPECT_STREQ(job.SlashPackage(), "com/my_co/shapes");
    EXPECT_STREQ(job.FolderPackage(), "com\\my_co\\shapes");
    EXPECT_STREQ(job.JniLibraryName(), "JShapes");
    EXPECT_STREQ(job.LibraryName(), "ShapesLib");
    EXPECT_STREQ(job.LibraryDocumentation(), "Shapes test library");
    EXPECT_EQ(job.CurrentLibrary(), nullptr);  // released by FinishJob

    ASSERT_EQ(job.CoclassList().size(), 3u);
    CCoclassEntry* circle = job.CoclassList()[0];
    EXPECT_STREQ(circle->javaName, "Circle");
    EXPECT_STREQ(circle->documentation, "A circle");
    EXPECT_TRUE(circle->creatable);
    EXPECT_FALSE(job.CoclassList()[1]->creatable);  // Hidden is noncreatable
    // The implemented interface brings its bases; the source interface is an event.
    EXPECT_EQ(Names(circle->interfaces), (std::vector<std::string>{"ICircle", "IShape"}));
    EXPECT_EQ(Names(circle->eventInterfaces), (std::vector<std::string>{"DShapeEvents"}));

    // Knob is flagged as a control and never created; no coclass here
    // answers the control queries.
    EXPECT_TRUE(job.CoclassList()[2]->isControl);
    EXPECT_TRUE(job.HasControls());
    EXPECT_EQ(job.ControlTable().GetCount(), 0);
    EXPECT_FALSE(job.IsFreeThreaded());  // nothing registered

    auto names = InterfaceNames(job, true);
    EXPECT_TRUE(Contains(names, "IShape"));
    EXPECT_TRUE(Contains(names, "IOrphan"));
    CInterfaceEntry* events = job.FindInterfaceRecord(ParseGuid("{5A1B0000-0000-4000-8000-000000000031}"));
    ASSERT_NE(events, nullptr);
    EXPECT_TRUE(events->isEvent);
    CInterfaceEntry* orphan = job.FindInterfaceRecord(ParseGuid("{5A1B0000-0000-4000-8000-000000000033}"));
    ASSERT_NE(orphan, nullptr);
    EXPECT_FALSE(orphan->implementedByCoclass);

    // Enumerations: Colour by its own name; tagSize under its alias's rename.
    EXPECT_NE(job.LookupEnum("Colour"), nullptr);
    CString renamed;
    EXPECT_TRUE(job.EnumRenameTable().Lookup("SizeAlias", renamed));
    EXPECT_STREQ(renamed, "tagSize");
    EXPECT_TRUE(job.LookupEnum("tagSize")->describedByRenamingAlias);

    CRecordEntry* point = job.LookupRecord("Point");
    ASSERT_NE(point, nullptr);
    EXPECT_FALSE(point->guidIsZero);
    EXPECT_EQ(point->size, 4 + 4 + 8 + 16);
    ASSERT_EQ(point->fields.size(), 4u);
    EXPECT_STREQ(point->fields[1].comName, "y");
    EXPECT_EQ(point->fields[1].offset, 4);
    EXPECT_EQ(point->fields[0].mapper, SelectSmallIntMapper(VT_I4));
    ASSERT_NE(point->fields[2].mapper, nullptr);
    EXPECT_TRUE(point->fields[2].mapper->IsFixedSizeArray());
    CRecordEntry* rect = job.LookupRecord("tagRect");
    ASSERT_NE(rect, nullptr);
    EXPECT_TRUE(rect->guidIsZero);
    EXPECT_TRUE(job.RecordRenameTable().Lookup("RectAlias", renamed));

    CTypeMapper* counter = nullptr;
    ASSERT_TRUE(job.AliasMapperTable().Lookup("Counter", counter));
    EXPECT_EQ(counter, SelectSmallIntMapper(VT_I4));
}

TEST_F(GenerationJob, SecondRunStartsFromEmptyTables) {
    ASSERT_TRUE(Run(FixturePath("Shapes.tlb")));
    ASSERT_TRUE(Run(FixturePath("WebBrowserOrder.tlb")));
    EXPECT_EQ(job.CoclassList().size(), 11u);
    EXPECT_EQ(job.LookupRecord("Point"), nullptr);
    EXPECT_EQ(job.ReferencedLibraries().size(), 1u);
    ASSERT_TRUE(Run(FixturePath("Shapes.tlb")));
    EXPECT_EQ(job.CoclassList().size(), 3u);
    EXPECT_STREQ(job.CoclassList()[0]->javaName, "Circle");  // not Circle_ from the run before
}

TEST_F(GenerationJob, InterfaceTableIteratesInTheWebBrowserMapOrder) {
    ASSERT_TRUE(Run(FixturePath("WebBrowserOrder.tlb"), "iexplorer"));
    std::vector<std::string> expected = {
        "ISearchAssistantOC3", "IShellFavoritesNameSpace", "ISearchAssistantOC2", "ISearchAssistantOC",
        "IWebBrowser",         "IWebBrowser2",             "IShellNameSpace",     "IWebBrowserApp",
        "IShellUIHelper",      "IShellWindows",            "IScriptErrorList",    "ISearches",
        "ISearch"};
    EXPECT_EQ(InterfaceNames(job, false), expected);
    std::vector<std::string> coclasses;
    for (CCoclassEntry* entry : job.CoclassList()) coclasses.push_back(entry->javaName.c_str());
    EXPECT_EQ(coclasses, (std::vector<std::string>{"WebBrowser_V1", "WebBrowser", "InternetExplorer",
                                                   "ShellBrowserWindow", "ShellWindows", "ShellUIHelper",
                                                   "ShellNameSpace", "ShellShellNameSpace", "CScriptErrorList",
                                                   "SearchAssistantOC", "ShellSearchAssistantOC"}));
    EXPECT_EQ(Names(job.CoclassList()[4]->eventInterfaces), (std::vector<std::string>{"DShellWindowsEvents"}));
    // Wine serves the browser control in process: created once, it answers
    // the control queries, though the library does not flag it.
    std::vector<std::string> controls;
    job.ControlTable().ForEach([&](const CString& name, const int&) { controls.push_back(name.c_str()); });
    EXPECT_EQ(controls, (std::vector<std::string>{"WebBrowser", "WebBrowser_V1"}));
    EXPECT_TRUE(job.HasControls());
    EXPECT_FALSE(Contains(controls, "ShellUIHelper"));
}

TEST_F(GenerationJob, ReferencedLibraryIsLoadedAndItsTypesCollected) {
    std::string importer = FixturePath("Importer.tlb");
    ASSERT_TRUE(WriteImporterLibrary(importer, FixturePath("Imported.tlb")));
    ASSERT_TRUE(Run(importer)) << (job.messages.empty() ? "" : job.messages[0]);
    // stdole is dropped; the imported library stays after the main one.
    ASSERT_EQ(job.ReferencedLibraries().size(), 2u);
    EXPECT_NE(job.FindInterfaceRecord(ParseGuid("{5A1B0001-0000-4000-8000-000000000030}")), nullptr);
    EXPECT_NE(job.LookupEnum("Shade"), nullptr);
    ASSERT_EQ(job.CoclassList().size(), 1u);
    EXPECT_STREQ(job.CoclassList()[0]->javaName, "Importer");
}

TEST_F(GenerationJob, TypeRepeatedAsFirstTypeOfAnotherLibraryIsCollectedOnce) {
    std::string repeat = FixturePath("Repeat.tlb"), main = FixturePath("RepeatMain.tlb");
    ASSERT_TRUE(WriteRepeatLibraries(repeat, main));
    ASSERT_TRUE(Run(main)) << (job.messages.empty() ? "" : job.messages[0]);
    ASSERT_EQ(job.ReferencedLibraries().size(), 2u);
    EXPECT_NE(job.LookupEnum("Tone"), nullptr);
    CInterfaceEntry* entry = job.FindInterfaceRecord(kImporterIid);
    ASSERT_NE(entry, nullptr);
    EXPECT_STREQ(entry->javaName, "IImporter");  // no second class IImporter_
    EXPECT_EQ(job.InterfaceTable().GetCount(), 2);
    // The coclass keeps its name; the other library's enumeration gives way.
    ASSERT_EQ(job.CoclassList().size(), 1u);
    EXPECT_STREQ(job.CoclassList()[0]->javaName, "RepeatMain");
    EXPECT_NE(job.LookupEnum("RepeatMain_"), nullptr);
}

TEST_F(GenerationJob, FailuresAreReportedWithThePath) {
    EXPECT_FALSE(Run("C:\\no\\such\\library.tlb"));
    ASSERT_EQ(job.messages.size(), 1u);
    EXPECT_EQ(job.messages[0], "C:\\no\\such\\library.tlb: File does not exist");
    EXPECT_EQ(job.CurrentLibrary(), nullptr);

    // A path longer than the platform's classic limit is handled whole.
    job.messages.clear();
    std::string longPath = "C:\\" + std::string(300, 'x') + "\\library.tlb";
    EXPECT_FALSE(Run(longPath));
    ASSERT_EQ(job.messages.size(), 1u);
    EXPECT_EQ(job.messages[0], longPath + ": File does not exist");

    job.messages.clear();
    std::string notALibrary = FixturePath("Shapes.idl.txt");
    FILE* file = fopen(notALibrary.c_str(), "w");
    fputs("not a type library", file);
    fclose(file);
    EXPECT_FALSE(Run(notALibrary));
    ASSERT_EQ(job.messages.size(), 1u);
    EXPECT_EQ(job.messages[0], notALibrary + ": File does not contain type information");

    job.messages.clear();
    EXPECT_FALSE(Run(FixturePath("Imported.tlb")));
    ASSERT_EQ(job.messages.size(), 1u);
    EXPECT_EQ(job.messages[0], FixturePath("Imported.tlb") +
                                   ": Cannot call library. No creatable types found.\n\nThis library may have been "
                                   "built with the \"noncreatable\" flag.\nIt should be built without this flag in "
                                   "order to be callable.");

    // Libraries with a function whose description the platform cannot read
    // (a default value of an alias type the IDL compiler could not write),
    // which a dispatch view would fault on: inherited by a dual interface
    // (the platform's own interface definitions), taken by a dispinterface.
    struct {
        const char* file;
        const char* text;
    } unreadable[] = {
        {"Unreadable.tlb", "Cannot read the type \"IStore\" of the library \"UnreadableLib\": the description of "
                           "function #2 declared by \"IStore\" cannot be read (error 0x80020008)"},
        {"platform-cdosys.tlb", "Cannot read the type \"Fields20\" of the library \"CDO\": the description of "
                                "function #1 declared by \"Fields20\" cannot be read (error 0x80020008)"},
        {"platform-msado15_backcompat.tlb", "Cannot read the type \"Fields20\" of the library \"ADODB\": the "
                                            "description of function #1 declared by \"Fields20\" cannot be read "
                                            "(error 0x80020008)"},
    };
    for (const auto& library : unreadable) {
        job.messages.clear();
        EXPECT_FALSE(Run(FixturePath(library.file))) << library.file;
        ASSERT_EQ(job.messages.size(), 1u) << library.file;
        EXPECT_EQ(job.messages[0], FixturePath(library.file) + ": " + library.text);
        EXPECT_EQ(job.CurrentLibrary(), nullptr) << library.file;
    }
}

// A job that reports on the standard error, where a death test reads it.
class ReportingToStderr : public CBridgeGenerator {
public:
    void ReportMessage(const char* a, const char* b) override { fprintf(stderr, "%s: %s\n", a, b); }
};

// A fault while a library is read ends the program with a message naming
// the library and the type, not with a bare page fault. The platform's
// reader faults when the dispatch view of the dual interface Fields is asked
// for the function it inherits from Fields20 and cannot read (the job itself
// never asks it).
TEST_F(GenerationJob, AFaultWhileReadingNamesTheLibraryAndTheType) {
    std::string path = FixturePath("platform-msado15_backcompat.tlb");
    auto readInheritedFunction = [&path]() {
        ReportingToStderr job;
        CTypeLibraryReading reading(&job, path.c_str());
        std::wstring widePath(path.begin(), path.end());
        ITypeLib* lib = nullptr;
        if (LoadTypeLib(widePath.c_str(), &lib) != S_OK) return;
        for (UINT i = 0; i < lib->GetTypeInfoCount(); ++i) {
            BSTR name = nullptr;
            bool fields = SUCCEEDED(lib->GetDocumentation(static_cast<INT>(i), &name, nullptr, nullptr, nullptr)) &&
                          name && wcscmp(name, L"Fields") == 0;
            SysFreeString(name);
            ITypeInfo* info = nullptr;
            if (!fields || FAILED(lib->GetTypeInfo(i, &info))) continue;
            CTypeLibraryReading::At(lib, i);
            FUNCDESC* func = nullptr;
            info->GetFuncDesc(11, &func);  // IUnknown 3, IDispatch 4, _Collection 3, Fields15 1, then Fields20
        }
    };
    EXPECT_EXIT(readInheritedFunction(),
                [](int status) { return static_cast<DWORD>(status) == EXCEPTION_ACCESS_VIOLATION; },
                "platform-msado15_backcompat.tlb: Cannot read the type \"Fields\" of the library \"ADODB\": reading "
                "it ended in a fault \\(exception 0xC0000005\\)");
}

TEST_F(GenerationJob, CallbackInterfacesAreMarkedAndMissingOnesWarned) {
    job.AddCallbackInterface("iorphan");
    ASSERT_TRUE(Run(FixturePath("Shapes.tlb")));
    EXPECT_TRUE(job.messages.empty());
    CInterfaceEntry* orphan = job.FindInterfaceRecord(ParseGuid("{5A1B0000-0000-4000-8000-000000000033}"));
    EXPECT_TRUE(orphan->isCallback);
    EXPECT_TRUE(orphan->isEvent);

    job.AddCallbackInterface("INowhere");
    ASSERT_TRUE(Run(FixturePath("Shapes.tlb")));
    ASSERT_EQ(job.messages.size(), 1u);
    EXPECT_EQ(job.messages[0], FixturePath("Shapes.tlb") + ": WARNING:  Did not find the Callback Interface \"INOWHERE\"");

    job.messages.clear();
    job.AddCallbackInterface("IElsewhere");
    ASSERT_TRUE(Run(FixturePath("Shapes.tlb")));
    ASSERT_EQ(job.messages.size(), 1u);
    EXPECT_EQ(job.messages[0].find(FixturePath("Shapes.tlb") +
                                   ": WARNING:  Did not find the following Callback Interfaces:  "),
              0u);
    EXPECT_NE(job.messages[0].find(" INOWHERE"), std::string::npos);
    EXPECT_NE(job.messages[0].find(" IELSEWHERE"), std::string::npos);
}

TEST_F(GenerationJob, WineSystemLibrariesLoadAndCollect) {
    struct { const char* file; size_t minCoclasses; int minInterfaces; } libraries[] = {
        {"shdocvw.dll", 11, 13}, {"msxml3.dll", 10, 40}, {"scrrun.dll", 3, 5}, {"stdole2.tlb", 2, 3},
        {"mshtml.tlb", 20, 100}};
    for (const auto& library : libraries) {
        CTestJob wine;
        std::string path = SystemLibraryPath(library.file);
        wine.SetOptions(path.c_str(), TestOutputFolder().c_str(), "pkg", "C:\\lib\\x.dll");
        bool ok = wine.Generate();
        wine.FinishJob(ok);
        EXPECT_TRUE(ok) << library.file << ": " << (wine.messages.empty() ? "" : wine.messages[0]);
        EXPECT_GE(wine.CoclassList().size(), library.minCoclasses) << library.file;
        EXPECT_GE(wine.InterfaceTable().GetCount(), library.minInterfaces) << library.file;
    }
}

TEST_F(GenerationJob, FreeThreadingFollowsTheRegistryOfEveryCoclass) {
    // Register the three coclasses of the fixture with threading models.
    auto setModel = [](const char* clsid, const char* model) {
        std::string key = std::string("CLSID\\") + clsid + "\\InprocServer32";
        HKEY hkey = nullptr;
        ASSERT_EQ(RegCreateKeyExA(HKEY_CLASSES_ROOT, key.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &hkey, nullptr),
                  ERROR_SUCCESS);
        if (model) RegSetValueExA(hkey, "ThreadingModel", 0, REG_SZ, reinterpret_cast<const BYTE*>(model),
                                  static_cast<DWORD>(strlen(model) + 1));
        else RegDeleteValueA(hkey, "ThreadingModel");
        RegCloseKey(hkey);
    };
    std::string library = FixturePath("Threading.tlb");
    ASSERT_TRUE(WriteThreadingLibrary(library));
    const char* circle = "{5A1B0005-0000-4000-8000-000000000040}";
    const char* hidden = "{5A1B0005-0000-4000-8000-000000000041}";
    const char* knob = "{5A1B0005-0000-4000-8000-000000000042}";
    setModel(circle, "Both");
    setModel(hidden, "free");
    setModel(knob, "Both");
    ASSERT_TRUE(Run(library));
    EXPECT_TRUE(job.IsFreeThreaded());
    // One coclass in the middle decides for the whole run.
    setModel(hidden, "Apartment");
    ASSERT_TRUE(Run(library));
    EXPECT_FALSE(job.IsFreeThreaded());
    setModel(hidden, nullptr);
    ASSERT_TRUE(Run(library));
    EXPECT_FALSE(job.IsFreeThreaded());
    setModel(hidden, "");
    ASSERT_TRUE(Run(library));
    EXPECT_FALSE(job.IsFreeThreaded());
    for (const char* clsid : {circle, hidden, knob}) {
        std::string key = std::string("CLSID\\") + clsid;
        RegDeleteKeyA(HKEY_CLASSES_ROOT, (key + "\\InprocServer32").c_str());
        RegDeleteKeyA(HKEY_CLASSES_ROOT, key.c_str());
    }
}

TEST_F(GenerationJob, KnownLibrariesAndPresets) {
    EXPECT_TRUE(job.IsAdoPreset());
    EXPECT_TRUE(job.IsXmlPreset());
    CString package, mangled, path;
    EXPECT_FALSE(job.IsKnownLibrary("Other", package, mangled, path));
    EXPECT_TRUE(package.IsEmpty());
    EXPECT_TRUE(job.IsKnownLibrary("ADODB", package, mangled, path));
    EXPECT_STREQ(package, "brivel.adodb");
    EXPECT_STREQ(mangled, "brivel_adodb");
    EXPECT_STREQ(path, "brivel\\adodb");
    EXPECT_TRUE(job.AdoSettings().referenced && job.AdoSettings().used);
    EXPECT_FALSE(job.XmlSettings().referenced);
    EXPECT_TRUE(job.IsKnownLibrary("msxml", package, mangled, path));
    EXPECT_TRUE(job.XmlSettings().used);
    CString p, l, jar, doc;
    job.GetXmlSettings(p, l, jar, doc);
    job.SetXmlSettings("my.xml", l, jar, doc);
    EXPECT_FALSE(job.IsXmlPreset());
}

TEST_F(GenerationJob, UniqueJavaNamesIgnoreCaseAndKeywords) {
    CString out;
    job.MakeUniqueJavaName(out, "Item", nullptr);
    EXPECT_STREQ(out, "Item");
    job.MakeUniqueJavaName(out, "ITEM", nullptr);
    EXPECT_STREQ(out, "ITEM_1");
    job.MakeUniqueJavaName(out, "Class", nullptr);
    EXPECT_STREQ(out, "Class_1");
    job.MakeUniqueJavaName(out, "Object", nullptr);
    EXPECT_STREQ(out, "Object");
    CNameSet local;
    job.MakeUniqueJavaName(out, "item", &local);
    EXPECT_STREQ(out, "item_2");  // item and item_1 are the job's
}

namespace {

// The notes library and its bridge: in the test's own folder, or in the
// folder that BRIVEL_NOTES_BRIDGE names (a test of the build compiles what
// is written there, against MSXML's classes as the kit pre-generates them).
class NotesBridge : public GenerationJob {
protected:
    void SetUp() override {
        GenerationJob::SetUp();
        const char* kept = std::getenv("BRIVEL_NOTES_BRIDGE");
        out = kept && *kept ? kept : TestOutputFolder();
        CreateDirectories(out.c_str());
        std::string library = out + "\\Notes.tlb";
        ASSERT_TRUE(WriteNotesLibrary(library, SystemLibraryPath("msxml.dll")));
        job.SetOptions(library.c_str(), out.c_str(), "test.notes", "C:\\lib\\JNotes.dll");
        ASSERT_TRUE(job.Generate()) << (job.messages.empty() ? "" : job.messages[0]);
        job.FinishJob(true);
    }
    std::string Text(const char* name) {
        std::string text;
        for (char c : brivel::testing::ReadFileBytes(out + "\\" + name))
            if (c != '\r') text += c;
        return text;
    }
    std::string out;
};

}  // namespace

// MSXML's classes come pre-generated: the library that references it is
// generated alone, and MSXML's interfaces are the classes of its package.
TEST_F(NotesBridge, KnownLibraryTypesMapOntoThePreGeneratedClasses) {
    EXPECT_TRUE(job.messages.empty());
    EXPECT_EQ(job.ReferencedLibraries().size(), 1u);
    EXPECT_EQ(InterfaceNames(job, true), (std::vector<std::string>{"INotes"}));
    EXPECT_EQ(job.FindInterfaceRecord(ParseGuid("{2933BF80-7B36-11D2-B20E-00C04F983E60}")), nullptr);
    EXPECT_TRUE(job.XmlSettings().referenced && job.XmlSettings().used);
    EXPECT_FALSE(job.AdoSettings().referenced || job.AdoSettings().used);

    std::string notes = Text("test\\notes\\INotes.java");
    EXPECT_NE(notes.find("\tpublic native void Attach(brivel.msxml.IXMLDOMNode node) throws brivel.TavoException;\n"),
              std::string::npos) << notes;
    EXPECT_NE(notes.find("\tpublic native brivel.msxml.IXMLDOMDocument Load() throws brivel.TavoException;\n"),
              std::string::npos);
    EXPECT_NE(notes.find("\t\tSystem.loadLibrary( \"JNotes\" );\n\t\tSystem.loadLibrary( \"brivelMsXmlLib\" );\n"),
              std::string::npos);
    EXPECT_FALSE(std::filesystem::exists(out + "\\test\\notes\\IXMLDOMNode.java"));
    // The interface pointer goes to the callee as it is (not by reference).
    std::string cpp = Text("JNotes.cpp");
    EXPECT_NE(cpp.find("Java_test_notes_INotes_Attach__Lbrivel_msxml_IXMLDOMNode_2\n"), std::string::npos);
    EXPECT_NE(cpp.find("\tIDispatch * arg1 = va_arg( ap, IDispatch * );\n"), std::string::npos);
    EXPECT_NE(cpp.find("\"brivel/msxml/IXMLDOMDocument\""), std::string::npos);
    EXPECT_NE(Text("MakeJava.bat").find("brivelMsXmlLib.jar;. -d . test/notes/*.java\n"), std::string::npos);
    EXPECT_NE(Text("readme.html").find("This COM object requires the MS-XML package."), std::string::npos);
}

// Documentation strings reach Java comments without a unicode escape or a
// comment end, in ASCII; field names reach the C++ record table as exact
// wide literals.
TEST_F(NotesBridge, RecordsCarryTheirDocumentationAndFieldNamesSafely) {
    std::string note = Text("test\\notes\\Note.java");
    EXPECT_NE(note.find("\n/** A note kept in C:&#92;users\\notes, &#224; la carte */\n"
                        "public class Note extends brivel.TavoRecord {\n\n"
                        "\t/** Width in C:&#92;units */\n\t/** Width in C:&#92;units */\n\tpublic int width;\n"
                        "\t/** Gr&#246;&#223;e: the size *&#47; of it */\n\t/** Gr&#246;&#223;e: the size *&#47; of it */\n"
                        "\tpublic int GroBe;\n"),
              std::string::npos) << note;
    EXPECT_NE(note.find("\t/** Two cells per line */\n\tprivate int[] cells = new int[2];\n"
                        "\t/** Two cells per line */\n\tpublic int[] getCells() { return cells; }\n"),
              std::string::npos);
    std::string cpp = Text("JNotes.cpp");
    EXPECT_NE(cpp.find(", L\"Gr\\u00F6\\u00DFe\", \"GroBe\", \"I\", "), std::string::npos) << cpp;
    EXPECT_NE(cpp.find(", L\"a\\\"b\\\\c\\?\", \"a_b_c_\", \"I\", "), std::string::npos);
}

class JavaFiles : public brivel::testing::TempFolderTest {};

TEST_F(JavaFiles, FoldersAreCreatedFromTheTopAndTheFileStartsWithItsHeader) {
    std::string root = folder_.string();
    for (char& c : root)
        if (c == '/') c = '\\';
    std::string deep = root + "\\a\\b\\c\\";
    CreateDirectories(deep.c_str());
    EXPECT_NE(GetFileAttributesA((root + "\\a\\b\\c").c_str()), INVALID_FILE_ATTRIBUTES);
    CreateDirectories("C:");  // a bare drive is left alone

    CTestJob job;
    job.SetClock([] { return static_cast<time_t>(1000000000); });
    job.SetOptions("x.tlb", root.c_str(), "com.acme", "C:\\lib\\JAcme.dll");
    ASSERT_FALSE(job.Generate());  // fills the package forms; the library is missing
    FILE* file = job.OpenJavaFile("Widget");
    ASSERT_NE(file, nullptr);
    fputs("class Widget {}\n", file);
    fclose(file);
    std::string text = brivel::testing::ReadFileBytes(root + "\\com\\acme\\Widget.java");
    // ctime's text ends with its own line break: a blank line follows.
    time_t when = 1000000000;
    EXPECT_EQ(text, brivel::testing::AsTextFile(std::string("// File: Widget.java\n// Generated: ") + ctime(&when) +
                                                "\n// This Java source file has been automatically\n"
                                                "// generated by Brivel.\n\nclass Widget {}\n"));

    // A folder that cannot be made: a file stands in its place.
    brivel::testing::WriteFileBytes(root + "\\blocked", "");
    CTestJob blocked;
    blocked.SetOptions("x.tlb", (root + "\\blocked").c_str(), "p", "C:\\lib\\JAcme.dll");
    blocked.Generate();
    blocked.messages.clear();
    EXPECT_EQ(blocked.OpenJavaFile("Widget"), nullptr);
    ASSERT_EQ(blocked.messages.size(), 1u);
    EXPECT_EQ(blocked.messages[0], root + "\\blocked\\p\\Widget.java: Cannot write file");
}
