// The COM-to-Java wizard in a real frame in the test process, under Wine on
// the test display: from the start page through a saved project's pages to
// the save page, which writes the .c2j file and its readme and hands the
// file to the build page, with a screenshot of each page and dialog. The
// Java VM lies outside the system and this build has none: the frame's
// project reaches the tests' VM host instead, which loads and reflects the
// saved project's class as a VM would.
#include <gtest/gtest.h>
#include <objbase.h>
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "C2jEvalBldPage.h"
#include "C2jJarfilesPage.h"
#include "C2jPageRules.h"
#include "C2jSpecification.h"
#include "ClassListIds.h"
#include "ComNameSet.h"
#include "FakeVmHost.h"
#include "JavaTypeHandler.h"
#include "OwnDialogs.h"
#include "TempFolder.h"
#include "WinApp.h"
#include "WizardDlg.h"
#include "WizardProcess.h"
#include "resource.h"

using namespace brivel::wizard::testing;
using brivel::testing::AddReflectedMethod;
using brivel::testing::FakeVmHost;

namespace {

constexpr const char* kClass = "calc.Calculator";

// The application object a program has: the pages keep their profile values
// through it (under this test program's own name).
class TestApp : public brivel::winui::WinApp {
protected:
    bool InitInstance() override { return false; }
};

std::string ProfileKey() {
    return "Software\\Orvanth Software\\" + brivel::winui::ProgramName() + "\\SavedData";
}

std::string ProfileValue(const char* name) {
    char value[1024] = "";
    DWORD size = sizeof value;
    HKEY key = nullptr;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, ProfileKey().c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS) return "(none)";
    LONG status = RegQueryValueExA(key, name, nullptr, nullptr, reinterpret_cast<BYTE*>(value), &size);
    RegCloseKey(key);
    return status == ERROR_SUCCESS ? std::string(value) : "(none)";
}

// Replaces an edit control's text as typing does (the control tells its
// dialog of the change).
void TypeText(HWND dialog, int id, const char* text) {
    HWND edit = GetDlgItem(dialog, id);
    SendMessageA(edit, EM_SETSEL, 0, -1);
    SendMessageA(edit, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(text));
}

std::vector<std::string> ListTexts(HWND list) {
    std::vector<std::string> texts;
    LRESULT count = SendMessageA(list, LB_GETCOUNT, 0, 0);
    for (LRESULT i = 0; i < count; ++i) {
        char text[512] = "";
        SendMessageA(list, LB_GETTEXT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(text));
        texts.push_back(text);
    }
    return texts;
}

class C2jWizardRun : public brivel::testing::TempFolderTest {
protected:
    void SetUp() override {
        const char* display = std::getenv("DISPLAY");
        if (!display || !*display) GTEST_SKIP() << "needs a display";
        TempFolderTest::SetUp();
        RegDeleteKeyA(HKEY_CURRENT_USER, ProfileKey().c_str());
        app_ = std::make_unique<TestApp>();
        app_->SetRegistryKey("Orvanth Software");

        // The class the tests' VM host knows: a constructor, a method and a field.
        vm_.Define(kClass).reflect = [](CJavaClassSpec& c) {
            CJavaTypeHandler* integer = GetStaticTypeHandler(kTypeInt);
            AddReflectedMethod(c, c.m_constructors, "<init>", GetStaticTypeHandler(kTypeVoid), {});
            AddReflectedMethod(c, c.m_methods, "add", integer, {integer, integer});
            auto field = std::make_unique<CJavaFieldSpec>();
            field->m_type = integer;
            field->m_javaName = "memory";
            field->m_comName = c.MakeUniqueName("memory", field.get(), kComNameField, true);
            c.m_fields.push_back(std::move(field));
        };
        output_ = Path("out\\calc");
        project_ = Path("calc.c2j");
        WriteSavedProject();

        frame_ = std::make_unique<CWizardDlg>();
        ASSERT_TRUE(frame_->Create(nullptr));
        window_ = frame_->Handle();
        frame_->m_c2jSpec.m_vmHost = &vm_;
        Pump(200);
    }

    void TearDown() override {
        if (frame_) {
            if (IsWindow(window_)) frame_->DestroyWindow();
            bool com = frame_->ComStarted();
            frame_.reset();
            if (com) CoUninitialize();
        }
        app_.reset();
        RegDeleteKeyA(HKEY_CURRENT_USER, ProfileKey().c_str());
        TempFolderTest::TearDown();
    }

    std::string Path(const std::string& name) const { return folder_.string() + "\\" + name; }

    // A project saved by an earlier run: the class with its constructor and
    // method chosen, its library name, class path and output folder.
    void WriteSavedProject() {
        CComNameSet names;
        CC2jSpecification saved;
        saved.m_vmHost = &vm_;
        CString error;
        CJavaClassSpec* c = saved.AddClassFromVm("C:\\lib\\calc.jar", false, kClass, error);
        ASSERT_NE(c, nullptr) << error.c_str();
        vm_.ReflectClass(c);
        c->m_comObjectName = "Calculator";
        c->m_constructors[0]->m_selected = true;
        c->m_methods[0]->m_selected = true;
        c->m_methods[0]->m_comment = "the sum";
        saved.m_classPath = "C:\\lib\\calc.jar";
        saved.m_libraryName = "Calc";
        saved.m_libraryComment = "A calculator";
        saved.m_outputFolder = output_.c_str();
        FILE* file = std::fopen(project_.c_str(), "wb");
        ASSERT_NE(file, nullptr);
        ASSERT_TRUE(saved.Save(file));
        std::fclose(file);
        saved.RemoveClass(kClass);
        vm_.vmStarted = false;  // that was an earlier run's VM
    }

    static void Pump(DWORD ms) { PumpUntil([] { return false; }, ms); }

    // The heading of the page the frame shows.
    std::string ShownHeading() const {
        HWND area = frame_->Item(IDC_PAGE_AREA);
        for (HWND page = GetWindow(area, GW_CHILD); page; page = GetWindow(page, GW_HWNDNEXT))
            if (IsWindowVisible(page)) return Text(GetWindow(page, GW_CHILD));
        return "";
    }

    HWND ShownPage() const {
        HWND area = frame_->Item(IDC_PAGE_AREA);
        for (HWND page = GetWindow(area, GW_CHILD); page; page = GetWindow(page, GW_HWNDNEXT))
            if (IsWindowVisible(page)) return page;
        return nullptr;
    }

    // Next, and the page it leads to.
    std::string Next() {
        std::string before = ShownHeading();
        Click(window_, IDC_NEXT);
        PumpUntil([&] { return ShownHeading() != before; }, 5000);
        return ShownHeading();
    }

    // Next while `answer` deals with what the page shows; the page shown after.
    std::string NextAnswering(const std::function<void()>& answer) {
        {
            Driver driver(answer);
            Click(window_, IDC_NEXT);
        }
        Pump(100);
        return ShownHeading();
    }

    // A button of the shown page pressed while `answer` deals with the dialog it opens.
    void PressAnswering(int id, const std::function<void()>& answer) {
        Driver driver(answer);
        Click(ShownPage(), id);
    }

    // The screenshot paints what is still to paint first: the messages
    // waiting now are handled, then it is taken.
    void Shot(const char* name) {
        Pump(30);
        EXPECT_TRUE(TakeScreenshot(name, window_)) << name;
    }

    std::unique_ptr<TestApp> app_;
    FakeVmHost vm_;
    std::unique_ptr<CWizardDlg> frame_;
    HWND window_ = nullptr;
    std::string output_, project_;
};

}  // namespace

TEST_F(C2jWizardRun, ASavedProjectRunsFromTheStartPageToTheSavePage) {
    ASSERT_EQ(ShownHeading(), "Welcome to Brivel");
    Shot("c2j-start-page");
    std::string message;
    EXPECT_EQ(NextAnswering([&] { message = AnswerMessage("Brivel Message"); }), "Welcome to Brivel");
    EXPECT_EQ(message, "Please select a wizard");
    ClickCheck(ShownPage(), IDC_COM_TO_JAVA);
    Pump(100);
    EXPECT_EQ(Text(window_), "Brivel: COM to Java Bridge Builder");

    // The load page: no project was saved through this profile yet.
    ASSERT_EQ(Next(), "COM-to-Java project");
    HWND load = ShownPage();
    EXPECT_TRUE(IsChecked(load, IDC_START_NEW));
    EXPECT_FALSE(IsChecked(load, IDC_CONTINUE_SAVED));
    ClickCheck(load, IDC_START_NEW, false);
    ClickCheck(load, IDC_CONTINUE_SAVED);
    Shot("c2j-load-page");
    EXPECT_EQ(NextAnswering([&] { message = AnswerMessage("Error Message"); }), "COM-to-Java project");
    EXPECT_EQ(message, "Please specify file to load");
    SetText(load, IDC_LOAD_FILE, Path("missing.c2j"));
    NextAnswering([&] { message = AnswerMessage("Error Message"); });
    EXPECT_EQ(message, Path("missing.c2j") + ": Cannot read");
    SetText(load, IDC_LOAD_FILE, project_);

    // The saved project's pages, filled from the file.
    ASSERT_EQ(Next(), "Class path");
    HWND classPath = ShownPage();
    EXPECT_EQ(ItemText(classPath, IDC_CLASS_PATH), "C:\\lib\\calc.jar");
    EXPECT_FALSE(IsEnabled(window_, IDC_BACK)) << "a loaded project does not go back";
    Shot("c2j-class-path-page");
    const int starts = vm_.starts;
    ASSERT_EQ(Next(), "COM library");
    EXPECT_EQ(vm_.starts, starts + 1) << "leaving the class path page starts the VM";
    EXPECT_FALSE(IsEnabled(classPath, IDC_CLASS_PATH)) << "the VM's class path is fixed";
    EXPECT_FALSE(IsEnabled(classPath, IDC_CLASS_PATH_ADD_JAR));
    HWND library = ShownPage();
    EXPECT_EQ(ItemText(library, IDC_C2J_LIBRARY_NAME), "Calc");
    EXPECT_EQ(ItemText(library, IDC_C2J_LIBRARY_COMMENT), "A calculator");
    SetText(library, IDC_C2J_LIBRARY_NAME, "2Calc");
    NextAnswering([&] { message = AnswerMessage("Error Message"); });
    EXPECT_EQ(message, "Name must consist of alphanumeric characters, starting with a letter");
    SetText(library, IDC_C2J_LIBRARY_NAME, " Calc_2 ");
    Shot("c2j-library-page");

    // The class list: the saved class reloaded with its choices.
    ASSERT_EQ(Next(), "Java classes of the COM object");
    HWND classList = ShownPage();
    HWND list = GetDlgItem(classList, IDC_CLASS_LIST);
    EXPECT_EQ(ListTexts(list), (std::vector<std::string>{kClass}));
    EXPECT_TRUE(frame_->m_vmHost.IsTaken("Calculator")) << "a reloaded class keeps its COM name";
    EXPECT_FALSE(IsEnabled(classList, IDC_SPECIFY_MEMBERS));
    SendMessageA(list, LB_SETSEL, TRUE, 0);
    SendMessageA(classList, WM_COMMAND, MAKEWPARAM(IDC_CLASS_LIST, LBN_SELCHANGE), reinterpret_cast<LPARAM>(list));
    EXPECT_TRUE(IsEnabled(classList, IDC_SPECIFY_MEMBERS));
    Shot("c2j-class-list-page");

    std::vector<std::string> members;
    PressAnswering(IDC_SPECIFY_MEMBERS, [&] {
        HWND dialog = WaitForOwnDialog("Class Methods and Fields");
        ASSERT_NE(dialog, nullptr);
        members = ListTexts(GetDlgItem(dialog, IDC_MEMBER_LIST));
        SendMessageA(GetDlgItem(dialog, IDC_MEMBER_LIST), LB_SETCURSEL, 3, 0);
        SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(IDC_MEMBER_LIST, LBN_SELCHANGE),
                     reinterpret_cast<LPARAM>(GetDlgItem(dialog, IDC_MEMBER_LIST)));
        EXPECT_EQ(ItemText(dialog, IDC_MEMBER_DESCRIPTION), "Java method name:     add");
        EXPECT_EQ(ItemText(dialog, IDC_MEMBER_COM_NAME), "Add");
        EXPECT_EQ(ListTexts(GetDlgItem(dialog, IDC_PARAMETER_LIST)), (std::vector<std::string>{"arg1", "arg2"}));
        EXPECT_TRUE(TakeScreenshot("c2j-methods-dialog", dialog));
        PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
        WaitUntilOwnDialogGone("Class Methods and Fields");
    });
    EXPECT_EQ(members, (std::vector<std::string>{"Constructors", "void Construct", "Methods", "int Add    // the sum",
                                                 "Fields", "int Memory"}));

    PressAnswering(IDC_CLASS_PROPERTIES, [&] {
        HWND dialog = WaitForOwnDialog("Specify Java class name");
        ASSERT_NE(dialog, nullptr);
        EXPECT_EQ(ItemText(dialog, IDC_CLASS_NAME), kClass);
        EXPECT_FALSE(IsEnabled(dialog, IDC_CLASS_NAME));
        EXPECT_FALSE(IsEnabled(dialog, IDC_INCLUDE_BASE_CLASSES));
        EXPECT_FALSE(IsEnabled(dialog, IDC_VISUAL_EMBEDDING)) << "both class check boxes are fixed";
        EXPECT_FALSE(IsEnabled(dialog, IDC_LOAD_FROM_JAR));
        EXPECT_EQ(ItemText(dialog, IDC_COM_OBJECT_NAME), "Calculator");
        SetText(dialog, IDC_COM_OBJECT_NAME, "Adder");
        SetText(dialog, IDC_CLASS_COMMENT, "adds numbers");
        EXPECT_TRUE(TakeScreenshot("c2j-class-name-dialog", dialog));
        PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
        WaitUntilOwnDialogGone("Specify Java class name");
    });
    CJavaClassSpec* calculator = frame_->m_c2jSpec.GetClass(kClass);
    ASSERT_NE(calculator, nullptr);
    EXPECT_EQ(calculator->m_comObjectName.str(), "Adder");
    EXPECT_TRUE(frame_->m_vmHost.IsTaken("Adder"));
    EXPECT_FALSE(frame_->m_vmHost.IsTaken("Calculator")) << "the old name is free again";

    // The output folder is missing: it is made once the user agrees.
    ASSERT_EQ(Next(), "Output folder of the COM DLL");
    HWND output = ShownPage();
    EXPECT_EQ(ItemText(output, IDC_C2J_OUTPUT_FOLDER), output_);
    Shot("c2j-output-page");
    std::string question;
    EXPECT_EQ(NextAnswering([&] { question = AnswerQuestion(true); }), "Save the specification");
    EXPECT_EQ(question, output_ + " does not exist, create?");
    EXPECT_EQ(GetFileAttributesA(output_.c_str()) & FILE_ATTRIBUTE_DIRECTORY, FILE_ATTRIBUTE_DIRECTORY);

    // The save page offers the loaded file again; the project is saved as another.
    HWND save = ShownPage();
    const std::string specFile = output_ + "\\Calc_2.c2j";
    EXPECT_EQ(ItemText(save, IDC_C2J_FILE), project_);
    SetText(save, IDC_C2J_FILE, ".c2j");
    NextAnswering([&] { message = AnswerMessage("Error Message"); });
    EXPECT_EQ(message, "Extension must be .c2j");
    SetText(save, IDC_C2J_FILE, specFile);
    Shot("c2j-save-page");
    ASSERT_EQ(Next(), "Build the COM DLL");
    EXPECT_EQ(ItemText(ShownPage(), IDC_SPEC_FILE), specFile);
    Shot("c2j-build-page-ready");

    // What was written: the project with its changes, the readme and where it lies.
    EXPECT_EQ(ProfileValue("Dir"), output_ + "\\");
    EXPECT_EQ(ProfileValue("File"), "Calc_2.c2j");
    EXPECT_GT(std::filesystem::file_size(folder_ / "out" / "calc" / "readme.html"), 0u);
    FILE* file = std::fopen(specFile.c_str(), "rb");
    ASSERT_NE(file, nullptr);
    CC2jSpecification written;
    CString error;
    bool read = written.Load(file, error);
    std::fclose(file);
    ASSERT_TRUE(read) << error.c_str();
    EXPECT_EQ(written.m_libraryName.str(), "Calc_2");
    EXPECT_EQ(written.m_classPath.str(), "C:\\lib\\calc.jar");
    EXPECT_EQ(written.m_specFilePath.str(), specFile);
    const CJavaClassSpec* savedClass = written.GetClass(kClass);
    ASSERT_NE(savedClass, nullptr);
    EXPECT_EQ(savedClass->m_comObjectName.str(), "Adder");
    EXPECT_EQ(savedClass->m_comment.str(), "adds numbers");
    ASSERT_EQ(savedClass->m_methods.size(), 1u);
    EXPECT_TRUE(savedClass->m_methods[0]->m_selected);
    EXPECT_EQ(savedClass->m_methods[0]->m_comment.str(), "the sum");

    // The next run proposes the file just saved.
    EXPECT_EQ(SavedSpecificationPath(ProfileValue("Dir").c_str(), ProfileValue("File").c_str()).str(), specFile);
}

TEST_F(C2jWizardRun, ANewProjectChoosesBetweenWholeJarFilesAndChosenClasses) {
    const int starts = vm_.starts;
    ClickCheck(ShownPage(), IDC_COM_TO_JAVA);
    // Each page shown gives the focus to its first control that takes input
    // (a group's chosen radio button), never to its heading.
    ASSERT_EQ(Next(), "COM-to-Java project");
    EXPECT_EQ(GetFocus(), GetDlgItem(ShownPage(), IDC_START_NEW));
    ASSERT_EQ(Next(), "Java classes");  // a new project
    EXPECT_EQ(GetFocus(), GetDlgItem(ShownPage(), IDC_ALL_FROM_JARS));
    EXPECT_FALSE(IsChecked(ShownPage(), IDC_ALL_FROM_JARS)) << "the focus chose nothing";
    std::string message;
    EXPECT_EQ(NextAnswering([&] { message = AnswerMessage("Brivel Message"); }), "Java classes");
    EXPECT_EQ(message, "Please select one of the options");
    Shot("c2j-type-selection-page");

    ClickCheck(ShownPage(), IDC_ALL_FROM_JARS);
    ASSERT_EQ(Next(), "JAR files");
    EXPECT_TRUE(frame_->IsJarMode());
    HWND jars = ShownPage();
    EXPECT_EQ(GetFocus(), GetDlgItem(jars, IDC_JAR_LIST));
    EXPECT_FALSE(IsEnabled(jars, IDC_JAR_REMOVE));
    EXPECT_EQ(NextAnswering([&] { message = AnswerMessage("Brivel Message"); }), "JAR files");
    EXPECT_EQ(message, "Please specify one or more JAR files");
    SendMessageA(GetDlgItem(jars, IDC_JAR_LIST), LB_ADDSTRING, 0, reinterpret_cast<LPARAM>("C:\\lib\\calc.jar"));
    SetText(jars, IDC_JAR_EXTRA_CLASSPATH, "C:\\lib\\more.jar");
    Shot("c2j-jar-files-page");
    ASSERT_EQ(Next(), "COM library");
    EXPECT_EQ(frame_->m_pC2jJarfilesPage->m_jarFiles, (std::vector<CString>{"C:\\lib\\calc.jar"}));

    // Back to the classes chosen one by one: the class path page follows.
    Click(window_, IDC_BACK);
    Pump(100);
    Click(window_, IDC_BACK);
    Pump(100);
    ASSERT_EQ(ShownHeading(), "Java classes");
    ClickCheck(ShownPage(), IDC_ALL_FROM_JARS, false);
    ClickCheck(ShownPage(), IDC_CHOOSE_CLASSES);
    ASSERT_EQ(Next(), "Class path");
    EXPECT_FALSE(frame_->IsJarMode());
    HWND classPath = ShownPage();
    EXPECT_EQ(GetFocus(), GetDlgItem(classPath, IDC_CLASS_PATH));
    SetText(classPath, IDC_CLASS_PATH, "   ");
    EXPECT_EQ(NextAnswering([&] { message = AnswerMessage("Error Message"); }), "Class path");
    EXPECT_EQ(message, "Please specify CLASSPATH");
    EXPECT_EQ(vm_.starts, starts) << "no VM for an empty class path";
}

TEST_F(C2jWizardRun, TheJavaToComChoiceLeadsToTheComObjectPage) {
    ClickCheck(ShownPage(), IDC_JAVA_TO_COM);
    Pump(100);
    EXPECT_EQ(Text(window_), "Brivel: Java to COM Bridge Builder");
    EXPECT_EQ(Next(), "COM object");
}

TEST_F(C2jWizardRun, ClassesAreAddedChosenAndCheckedOnTheClassListPage) {
    ClickCheck(ShownPage(), IDC_COM_TO_JAVA);
    ASSERT_EQ(Next(), "COM-to-Java project");
    ASSERT_EQ(Next(), "Java classes");
    ClickCheck(ShownPage(), IDC_CHOOSE_CLASSES);
    ASSERT_EQ(Next(), "Class path");
    SetText(ShownPage(), IDC_CLASS_PATH, "C:\\classes");
    ASSERT_EQ(Next(), "Java classes of the COM object");
    HWND page = ShownPage();
    HWND list = GetDlgItem(page, IDC_CLASS_LIST);
    std::string message;
    NextAnswering([&] { message = AnswerMessage("Error Message"); });
    EXPECT_EQ(message, "Please select one or more Java classes!");

    // The COM name follows the class name; a class with built-in support and
    // JAR files outside the class path are refused in the dialog.
    std::string proposed, builtIn, noJars;
    bool jarUnticked = false;
    PressAnswering(IDC_ADD_CLASS, [&] {
        HWND dialog = WaitForOwnDialog("Specify Java class name");
        ASSERT_NE(dialog, nullptr);
        TypeText(dialog, IDC_CLASS_NAME, "java.lang.String");
        PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
        builtIn = AnswerMessage("Brivel Message");
        ClickCheck(dialog, IDC_LOAD_FROM_JAR);
        noJars = AnswerMessage("Brivel Message");
        WaitUntil([&] { return !IsChecked(dialog, IDC_LOAD_FROM_JAR); }, 5000);
        jarUnticked = !IsChecked(dialog, IDC_LOAD_FROM_JAR);
        TypeText(dialog, IDC_CLASS_NAME, kClass);
        proposed = ItemText(dialog, IDC_COM_OBJECT_NAME);
        PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
        WaitUntilOwnDialogGone("Specify Java class name");
    });
    Pump(100);
    EXPECT_EQ(builtIn, "This class cannot be added because it has built-in support!");
    EXPECT_EQ(noJars, "No JAR or ZIP files found in CLASSPATH specified.");
    EXPECT_TRUE(jarUnticked);
    EXPECT_EQ(proposed, "Calculator");
    EXPECT_EQ(ListTexts(list), (std::vector<std::string>{kClass}));
    EXPECT_TRUE(frame_->m_vmHost.IsTaken("Calculator"));

    // The same class a second time: the dialog proposes another COM name,
    // and the page refuses the class.
    PressAnswering(IDC_ADD_CLASS, [&] {
        HWND dialog = WaitForOwnDialog("Specify Java class name");
        ASSERT_NE(dialog, nullptr);
        TypeText(dialog, IDC_CLASS_NAME, kClass);
        proposed = ItemText(dialog, IDC_COM_OBJECT_NAME);
        PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
        message = AnswerMessage("Error Message");
    });
    Pump(100);
    EXPECT_EQ(proposed.rfind("Calculator_", 0), 0u) << proposed;  // numbered as the name scope numbers
    EXPECT_EQ(message, "The class \"calc.Calculator\" has already been added.");
    EXPECT_EQ(ListTexts(list), (std::vector<std::string>{kClass}));
    EXPECT_FALSE(frame_->m_vmHost.IsTaken(proposed.c_str()));

    // Nothing chosen yet: no constructor. Then every member through "Select All Methods".
    NextAnswering([&] { message = AnswerMessage("Error Message"); });
    EXPECT_EQ(message,
              "There are no constructors selected.  Java objects cannot be created without a constructorl.  Please "
              "select at least one constructor as a starting point!");
    std::string moreThanOne;
    PressAnswering(IDC_SPECIFY_MEMBERS, [&] { moreThanOne = AnswerMessage("Brivel Message"); });
    EXPECT_EQ(moreThanOne, "Please only select one class to specify methods");
    SendMessageA(list, LB_SETSEL, TRUE, 0);
    SendMessageA(page, WM_COMMAND, MAKEWPARAM(IDC_CLASS_LIST, LBN_SELCHANGE), reinterpret_cast<LPARAM>(list));
    PressAnswering(IDC_SPECIFY_MEMBERS, [&] {
        HWND dialog = WaitForOwnDialog("Class Methods and Fields");
        ASSERT_NE(dialog, nullptr);
        PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(IDC_SELECT_ALL_METHODS, BN_CLICKED), 0);
        PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
        WaitUntilOwnDialogGone("Class Methods and Fields");
    });
    CJavaClassSpec* calculator = frame_->m_c2jSpec.GetClass(kClass);
    ASSERT_NE(calculator, nullptr);
    EXPECT_TRUE(calculator->m_constructors[0]->m_selected);
    EXPECT_TRUE(calculator->m_methods[0]->m_selected);
    EXPECT_TRUE(calculator->m_fields[0]->m_selected);

    // Remove asks first; No keeps the class.
    std::string question;
    PressAnswering(IDC_REMOVE_CLASS, [&] { question = AnswerQuestion(false); });
    EXPECT_EQ(question, "Remove class calc.Calculator?");
    EXPECT_EQ(ListTexts(list), (std::vector<std::string>{kClass}));
    EXPECT_EQ(Next(), "COM library");
}

// The class path page answers for the VM it starts: a start that fails
// says why even without the host's reason, and once the VM runs a loaded
// project with another class path is refused (its classes would be saved
// under a class path they were not reflected from). The load page shows the
// document's own message in the information box.
TEST_F(C2jWizardRun, TheClassPathPageTakesOnlyTheClassPathTheVmRunsWith) {
    ClickCheck(ShownPage(), IDC_COM_TO_JAVA);
    ASSERT_EQ(Next(), "COM-to-Java project");
    ASSERT_EQ(Next(), "Java classes");
    ClickCheck(ShownPage(), IDC_CHOOSE_CLASSES);
    ASSERT_EQ(Next(), "Class path");
    SetText(ShownPage(), IDC_CLASS_PATH, "C:\\classes");
    vm_.failSilently = true;
    std::string message;
    EXPECT_EQ(NextAnswering([&] { message = AnswerMessage("Brivel Message", 5000); }), "Class path");
    EXPECT_EQ(message, "The Java VM could not be started with this class path.");
    vm_.failSilently = false;
    ASSERT_EQ(Next(), "Java classes of the COM object");

    // Back to the load page, and a project saved with another class path.
    for (const char* page : {"Class path", "Java classes", "COM-to-Java project"}) {
        Click(window_, IDC_BACK);
        PumpUntil([&] { return ShownHeading() == page; }, 5000);
        ASSERT_EQ(ShownHeading(), page);
    }
    HWND load = ShownPage();
    ClickCheck(load, IDC_START_NEW, false);
    ClickCheck(load, IDC_CONTINUE_SAVED);
    brivel::testing::WriteFileBytes(Path("other.c2j"), "not a project");
    SetText(load, IDC_LOAD_FILE, Path("other.c2j"));
    EXPECT_EQ(NextAnswering([&] { message = AnswerMessage("Brivel Message", 5000); }), "COM-to-Java project");
    EXPECT_EQ(message, "Incorrect file type");
    SetText(load, IDC_LOAD_FILE, project_);
    ASSERT_EQ(Next(), "Class path");
    EXPECT_EQ(ItemText(ShownPage(), IDC_CLASS_PATH), "C:\\lib\\calc.jar");
    EXPECT_EQ(NextAnswering([&] { message = AnswerMessage("Error Message", 5000); }), "Class path");
    EXPECT_EQ(message,
              "The Java VM of this run was started with the class path \"C:\\classes\" and cannot take the class path "
              "\"C:\\lib\\calc.jar\".  Please restart Brivel to use this class path.");
}

// JAR mode starts the VM with the JAR files' class path; going back to
// classes chosen one by one, the locked class path page shows that class
// path and takes it.
TEST_F(C2jWizardRun, AfterJarModeStartedTheVmTheClassPathPageShowsItsClassPath) {
    ClickCheck(ShownPage(), IDC_COM_TO_JAVA);
    ASSERT_EQ(Next(), "COM-to-Java project");
    ASSERT_EQ(Next(), "Java classes");
    ClickCheck(ShownPage(), IDC_ALL_FROM_JARS);
    ASSERT_EQ(Next(), "JAR files");
    SendMessageA(GetDlgItem(ShownPage(), IDC_JAR_LIST), LB_ADDSTRING, 0, reinterpret_cast<LPARAM>("C:\\lib\\calc.jar"));
    ASSERT_EQ(Next(), "COM library");
    SetText(ShownPage(), IDC_C2J_LIBRARY_NAME, "Calc");
    ASSERT_EQ(Next(), "Output folder of the COM DLL");
    SetText(ShownPage(), IDC_C2J_OUTPUT_FOLDER, folder_.string());
    ASSERT_EQ(Next(), "Save the specification");
    // The VM starts; the JAR itself cannot be read.
    std::string message;
    EXPECT_EQ(NextAnswering([&] { message = AnswerMessage("Brivel Message", 5000); }), "Save the specification");
    EXPECT_EQ(message, "The following errors occurred during loading the JAR file.\n\nJar File: C:\\lib\\calc.jar\n"
                       "Could not open file C:\\lib\\calc.jar\n\nPlease restart Brivel and add other/more JAR files, "
                       "or build using \"Detailed Build\".");
    for (const char* page : {"Output folder of the COM DLL", "COM library", "JAR files", "Java classes"}) {
        Click(window_, IDC_BACK);
        PumpUntil([&] { return ShownHeading() == page; }, 5000);
        ASSERT_EQ(ShownHeading(), page);
    }
    ClickCheck(ShownPage(), IDC_ALL_FROM_JARS, false);
    ClickCheck(ShownPage(), IDC_CHOOSE_CLASSES);
    ASSERT_EQ(Next(), "Class path");
    HWND classPath = ShownPage();
    EXPECT_EQ(ItemText(classPath, IDC_CLASS_PATH), "C:\\lib\\calc.jar");
    EXPECT_FALSE(IsEnabled(classPath, IDC_CLASS_PATH));
    EXPECT_EQ(Next(), "Java classes of the COM object");
    EXPECT_EQ(frame_->m_c2jSpec.m_classPath.str(), "C:\\lib\\calc.jar");
}

namespace {

void SelectRows(HWND page, std::initializer_list<int> rows) {
    HWND list = GetDlgItem(page, IDC_CLASS_LIST);
    SendMessageA(list, LB_SETSEL, FALSE, -1);
    for (int row : rows) SendMessageA(list, LB_SETSEL, TRUE, row);
    SendMessageA(page, WM_COMMAND, MAKEWPARAM(IDC_CLASS_LIST, LBN_SELCHANGE), reinterpret_cast<LPARAM>(list));
}

// A click of the member list at `x` in row `row`, as the mouse gives it.
void ClickRow(HWND list, int row, int x) {
    RECT r{};
    SendMessageA(list, LB_GETITEMRECT, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&r));
    LPARAM at = MAKELPARAM(r.left + x, (r.top + r.bottom) / 2);
    SendMessageA(list, WM_LBUTTONDOWN, MK_LBUTTON, at);
    SendMessageA(list, WM_LBUTTONUP, 0, at);
}

// The colour at a row's check box: its centre (where the X crosses) or a
// point inside it off both diagonals.
COLORREF CheckBoxPixel(HWND list, int row, bool centre) {
    RedrawWindow(list, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
    RECT r{};
    SendMessageA(list, LB_GETITEMRECT, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&r));
    int size = (r.bottom - r.top) - 4;
    int x = r.left + 2 + (centre ? size / 2 : 2);
    int y = r.top + 2 + size / 2;
    HDC dc = GetDC(list);
    COLORREF colour = GetPixel(dc, x, y);
    ReleaseDC(list, dc);
    return colour;
}

}  // namespace

// The class list page's other roads: a JAR from the class path (one that
// cannot be read says only why; one that loads says so and lists the class
// it left out), the methods dialog's check list and the 32-bit forms of
// long, an interface used for events, and several classes removed at once.
TEST_F(C2jWizardRun, JarsMembersEventsAndSeveralClassesOnTheClassListPage) {
    vm_.Define("calc.Wide").reflect = [](CJavaClassSpec& c) {
        CJavaTypeHandler* wide = GetStaticTypeHandler(kTypeLong);
        AddReflectedMethod(c, c.m_constructors, "<init>", GetStaticTypeHandler(kTypeVoid), {});
        AddReflectedMethod(c, c.m_methods, "scale", wide, {wide});
    };
    vm_.Define("calc.Listener").isInterface = true;
    vm_.Define("calc.Listener").reflect = [](CJavaClassSpec& c) {
        AddReflectedMethod(c, c.m_methods, "changed", GetStaticTypeHandler(kTypeVoid), {GetStaticTypeHandler(kTypeInt)});
    };
    vm_.DefineJar("C:\\lib\\calc.jar", {kClass, "calc.Wide", "calc.Gone"});
    ClickCheck(ShownPage(), IDC_COM_TO_JAVA);
    ASSERT_EQ(Next(), "COM-to-Java project");
    ASSERT_EQ(Next(), "Java classes");
    ClickCheck(ShownPage(), IDC_CHOOSE_CLASSES);
    ASSERT_EQ(Next(), "Class path");
    SetText(ShownPage(), IDC_CLASS_PATH, "C:\\lib\\calc.jar;C:\\lib\\none.jar");
    ASSERT_EQ(Next(), "Java classes of the COM object");
    HWND page = ShownPage();
    HWND list = GetDlgItem(page, IDC_CLASS_LIST);

    // The JAR of the class path at `choice` added, the message boxes that
    // follow answered in turn: "<caption>: <text>" for each of `boxes`.
    auto addFromJar = [&](int choice, std::initializer_list<const char*> boxes) {
        std::vector<std::string> messages;
        PressAnswering(IDC_ADD_CLASS, [&] {
            HWND dialog = WaitForOwnDialog("Specify Java class name");
            ASSERT_NE(dialog, nullptr);
            ClickCheck(dialog, IDC_LOAD_FROM_JAR);
            HWND jars = GetDlgItem(dialog, IDC_JAR_CHOICE);
            EXPECT_TRUE(WaitUntil([&] { return SendMessageA(jars, CB_GETCOUNT, 0, 0) == 2; }, 10000))
                << "the class path's two JAR files are offered";
            SendMessageA(jars, CB_SETCURSEL, static_cast<WPARAM>(choice), 0);
            PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
            WaitUntilOwnDialogGone("Specify Java class name");
            for (const char* caption : boxes) messages.push_back(caption + std::string(": ") + AnswerMessage(caption));
        });
        Pump(100);
        return messages;
    };
    EXPECT_EQ(addFromJar(1, {"Error Message"}),
              (std::vector<std::string>{"Error Message: Could not open file C:\\lib\\none.jar"}));
    EXPECT_TRUE(ListTexts(list).empty());
    EXPECT_EQ(addFromJar(0, {"Brivel Message", "Error Message"}),
              (std::vector<std::string>{
                  "Brivel Message: The JAR file has been loaded.  Since JAR files do not include parameter names or "
                  "comments, it is suggested that the methods/fields be reviewed for parameter names and comments.",
                  "Error Message: Class calc.Gone not found (CLASSPATH problem?)"}));
    EXPECT_EQ(ListTexts(list), (std::vector<std::string>{kClass, "calc.Wide"}));

    // The methods dialog of calc.Wide: rows, clicks, drawing, the long switches.
    CJavaClassSpec* wide = frame_->m_c2jSpec.GetClass("calc.Wide");
    ASSERT_NE(wide, nullptr);
    CJavaMethodSpec& construct = *wide->m_constructors[0];
    CJavaMethodSpec& scale = *wide->m_methods[0];
    EXPECT_TRUE(scale.m_selected) << "a JAR's members of known types are chosen";
    SelectRows(page, {1});
    std::vector<std::string> rows;
    bool shown32 = false, shownTruncate = false, toggled = false, keptByRightClick = false, headerKept = false,
         chosenByJar = false;
    int parameterCode = 0, resultCode = 0, parameterCodeBack = 0;
    COLORREF checkedCentre = 0, checkedInside = 0, uncheckedCentre = 0;
    LRESULT extent = 0;
    PressAnswering(IDC_SPECIFY_MEMBERS, [&] {
        HWND dialog = WaitForOwnDialog("Class Methods and Fields");
        ASSERT_NE(dialog, nullptr);
        HWND members = GetDlgItem(dialog, IDC_MEMBER_LIST);
        rows = ListTexts(members);
        // Row 1 "void Construct" (chosen by the JAR load): a click right of
        // the box on the checked row only selects it; a click on the box
        // unchecks it; a header never toggles.
        chosenByJar = construct.m_selected;
        ClickRow(members, 1, 120);
        Sleep(200);
        keptByRightClick = construct.m_selected;
        ClickRow(members, 1, 4);
        toggled = WaitUntil([&] { return !construct.m_selected; }, 5000);
        ClickRow(members, 0, 4);
        Sleep(200);
        headerKept = !construct.m_selected;
        // Drawing, with row 0 the current row: the checked row 3 ("long
        // Scale") shows an X in the window-text colour, the unchecked row 1
        // an empty box.
        checkedCentre = CheckBoxPixel(members, 3, true);
        checkedInside = CheckBoxPixel(members, 3, false);
        uncheckedCentre = CheckBoxPixel(members, 1, true);
        ClickRow(members, 3, 120);  // row 3 current, still checked
        extent = SendMessageA(members, LB_GETHORIZONTALEXTENT, 0, 0);
        // Row 3's long parameter and result switch between the two forms.
        SendMessageA(members, LB_SETCURSEL, 3, 0);
        SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(IDC_MEMBER_LIST, LBN_SELCHANGE), reinterpret_cast<LPARAM>(members));
        shown32 = IsShown(dialog, IDC_USE_32_BIT_INTEGER);
        shownTruncate = IsShown(dialog, IDC_TRUNCATE_RETURN);
        auto codeOf = [](const CJavaTypeHandler* type) { return static_cast<int>(type->GetTypeCode()); };
        ClickCheck(dialog, IDC_USE_32_BIT_INTEGER);
        WaitUntil([&] { return codeOf(scale.m_parameterTypes[0]) == kTypeLong32; }, 5000);
        parameterCode = codeOf(scale.m_parameterTypes[0]);
        ClickCheck(dialog, IDC_TRUNCATE_RETURN);
        WaitUntil([&] { return codeOf(scale.m_returnType) == kTypeLong32; }, 5000);
        resultCode = codeOf(scale.m_returnType);
        ClickCheck(dialog, IDC_USE_32_BIT_INTEGER, false);
        WaitUntil([&] { return codeOf(scale.m_parameterTypes[0]) == kTypeLong; }, 5000);
        parameterCodeBack = codeOf(scale.m_parameterTypes[0]);
        PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
        WaitUntilOwnDialogGone("Class Methods and Fields");
    });
    EXPECT_EQ(rows, (std::vector<std::string>{"Constructors", "void Construct", "Methods", "long Scale"}));
    EXPECT_TRUE(chosenByJar);
    EXPECT_TRUE(keptByRightClick);
    EXPECT_TRUE(toggled);
    EXPECT_TRUE(headerKept);
    EXPECT_FALSE(construct.m_selected);
    EXPECT_TRUE(scale.m_selected);
    EXPECT_EQ(checkedCentre, GetSysColor(COLOR_WINDOWTEXT));
    EXPECT_EQ(checkedInside, GetSysColor(COLOR_WINDOW));
    EXPECT_EQ(uncheckedCentre, GetSysColor(COLOR_WINDOW));
    EXPECT_GT(extent, 0);
    EXPECT_TRUE(shown32);
    EXPECT_TRUE(shownTruncate);
    EXPECT_EQ(parameterCode, static_cast<int>(kTypeLong32));
    EXPECT_EQ(resultCode, static_cast<int>(kTypeLong32));
    EXPECT_EQ(parameterCodeBack, static_cast<int>(kTypeLong));
    EXPECT_EQ(static_cast<int>(scale.m_returnType->GetTypeCode()), static_cast<int>(kTypeLong32));

    // An interface that does not yet receive events: "Use for Events" marks
    // it and opens the dialog again, without the button.
    PressAnswering(IDC_ADD_CLASS, [&] {
        HWND dialog = WaitForOwnDialog("Specify Java class name");
        ASSERT_NE(dialog, nullptr);
        TypeText(dialog, IDC_CLASS_NAME, "calc.Listener");
        PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
        WaitUntilOwnDialogGone("Specify Java class name");
    });
    Pump(100);
    CJavaClassSpec* listener = frame_->m_c2jSpec.GetClass("calc.Listener");
    ASSERT_NE(listener, nullptr);
    listener->m_eventInterface = 0;
    SelectRows(page, {2});
    bool offered = false, offeredAgain = true;
    PressAnswering(IDC_SPECIFY_MEMBERS, [&] {
        HWND first = WaitForOwnDialog("Class Methods and Fields");
        ASSERT_NE(first, nullptr);
        offered = IsShown(first, IDC_USE_FOR_EVENTS);
        PostMessageA(first, WM_COMMAND, MAKEWPARAM(IDC_USE_FOR_EVENTS, BN_CLICKED), 0);
        HWND again = nullptr;
        WaitUntil([&] {
            again = WaitForOwnDialog("Class Methods and Fields", 0);
            return again && again != first;
        }, 10000);
        ASSERT_NE(again, nullptr);
        offeredAgain = IsShown(again, IDC_USE_FOR_EVENTS);
        PostMessageA(again, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
        WaitUntilOwnDialogGone("Class Methods and Fields");
    });
    EXPECT_TRUE(offered);
    EXPECT_FALSE(offeredAgain);
    EXPECT_EQ(listener->m_eventInterface, 1);

    // Two classes removed at once, after the question.
    SelectRows(page, {0, 1});
    std::string question;
    PressAnswering(IDC_REMOVE_CLASS, [&] { question = AnswerQuestion(true); });
    Pump(100);
    EXPECT_EQ(question, "Are you sure you want to remove all these classes?");
    EXPECT_EQ(ListTexts(list), (std::vector<std::string>{"calc.Listener"}));
    EXPECT_EQ(frame_->m_c2jSpec.GetClass(kClass), nullptr);
    EXPECT_EQ(frame_->m_c2jSpec.GetClass("calc.Wide"), nullptr);
    EXPECT_FALSE(frame_->m_vmHost.IsTaken("Calculator"));
    EXPECT_FALSE(frame_->m_vmHost.IsTaken("Wide"));
    EXPECT_TRUE(frame_->m_vmHost.IsTaken("Listener"));
}

// JAR mode: a class of the JAR that the VM cannot load is left out and
// listed in the JAR errors' list; the rest is saved and the wizard goes on.
TEST_F(C2jWizardRun, AJarClassTheVmCannotLoadIsListedAndTheSaveGoesOn) {
    vm_.DefineJar("C:\\lib\\calc.jar", {kClass, "calc.Gone"});
    ClickCheck(ShownPage(), IDC_COM_TO_JAVA);
    ASSERT_EQ(Next(), "COM-to-Java project");
    ASSERT_EQ(Next(), "Java classes");
    ClickCheck(ShownPage(), IDC_ALL_FROM_JARS);
    ASSERT_EQ(Next(), "JAR files");
    SendMessageA(GetDlgItem(ShownPage(), IDC_JAR_LIST), LB_ADDSTRING, 0, reinterpret_cast<LPARAM>("C:\\lib\\calc.jar"));
    ASSERT_EQ(Next(), "COM library");
    SetText(ShownPage(), IDC_C2J_LIBRARY_NAME, "Calc");
    ASSERT_EQ(Next(), "Output folder of the COM DLL");
    SetText(ShownPage(), IDC_C2J_OUTPUT_FOLDER, folder_.string());
    ASSERT_EQ(Next(), "Save the specification");
    std::vector<std::string> lines;
    EXPECT_EQ(NextAnswering([&] {
                  HWND list = WaitForOwnDialog("Jar File Loading Errors", 10000);
                  ASSERT_NE(list, nullptr);
                  lines = ListTexts(GetDlgItem(list, IDC_JAR_ERROR_LIST));
                  PostMessageA(list, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
                  WaitUntilOwnDialogGone("Jar File Loading Errors");
              }),
              "Build the COM DLL");
    EXPECT_EQ(lines, (std::vector<std::string>{"Jar File: C:\\lib\\calc.jar",
                                               "Class calc.Gone not found (CLASSPATH problem?)"}));
    EXPECT_NE(frame_->m_c2jSpec.GetClass(kClass), nullptr);
    EXPECT_TRUE(std::filesystem::exists(folder_ / "Calc.c2j"));
}
