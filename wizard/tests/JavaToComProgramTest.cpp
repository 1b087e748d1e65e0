// The Java-to-COM wizard of Brivel.exe under Wine on a display, from the
// start page to the build page: every page's checks with their messages,
// the COM object page's registered-library chooser and ProgID lookup, the
// option dialogs of the advanced page, and the bridge the run writes,
// compared with what the generator's console driver writes with the same
// options. Screenshots of every page and dialog go to the build's
// screenshot folder.
#include <gtest/gtest.h>
#include <objbase.h>
#include <windows.h>

#include <cstdlib>
#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "WizardProcess.h"
#include "resource.h"

using namespace brivel::wizard::testing;

namespace {

constexpr const char* kStartPage = "Welcome to Brivel";
constexpr const char* kComObjPage = "COM object";
constexpr const char* kOutputLocPage = "Output folder";
constexpr const char* kPkgPage = "Java package";
constexpr const char* kLibPage = "JNI library";
constexpr const char* kAdvancedPage = "Advanced options";
constexpr const char* kFinishupPage = "Summary";
constexpr const char* kBuildPage = "Build";

constexpr const char* kProfileKey = "Software\\Orvanth Software\\Brivel";

std::string Fixture(const char* name) { return WindowsPath(std::string(BRIVEL_FIXTURES) + "/" + name); }

std::string NewFolderName(const char* name) {
    char temp[MAX_PATH] = "";
    GetTempPathA(sizeof temp, temp);
    return std::string(temp) + "brivel-j2c-" + name + "-" + std::to_string(GetCurrentProcessId()) + "-" +
           std::to_string(GetTickCount());
}

bool IsFolder(const std::string& path) {
    DWORD attributes = GetFileAttributesA(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

void DeleteTree(HKEY parent, const std::string& name) {
    HKEY key;
    if (RegOpenKeyExA(parent, name.c_str(), 0, KEY_ALL_ACCESS, &key) != ERROR_SUCCESS) return;
    char child[256];
    DWORD length = sizeof child;
    while (RegEnumKeyExA(key, 0, child, &length, nullptr, nullptr, nullptr, nullptr) == ERROR_SUCCESS) {
        DeleteTree(key, child);
        length = sizeof child;
    }
    RegCloseKey(key);
    RegDeleteKeyA(parent, name.c_str());
}

void SetDefault(const std::string& key, const std::string& value) {
    HKEY handle;
    if (RegCreateKeyExA(HKEY_CLASSES_ROOT, key.c_str(), 0, nullptr, 0, KEY_SET_VALUE, nullptr, &handle, nullptr) !=
        ERROR_SUCCESS)
        return;
    RegSetValueExA(handle, nullptr, 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()),
                   static_cast<DWORD>(value.size() + 1));
    RegCloseKey(handle);
}

std::string GuidText() {
    GUID id;
    CoCreateGuid(&id);
    OLECHAR wide[64];
    StringFromGUID2(id, wide, 64);
    char text[64];
    WideCharToMultiByte(CP_ACP, 0, wide, -1, text, sizeof text, nullptr, nullptr);
    return text;
}

// Every file below `folder` (relative path to its lines), the generation
// time stamp left out.
void ReadTree(const std::string& folder, const std::string& relative, std::map<std::string, std::string>& files) {
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA((folder + "\\*").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) return;
    do {
        std::string name = found.cFileName;
        if (name == "." || name == "..") continue;
        std::string path = folder + "\\" + name;
        if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
            ReadTree(path, relative + name + "\\", files);
            continue;
        }
        std::ifstream in(path, std::ios::binary);
        std::string line, kept;
        while (std::getline(in, line))
            if (line.rfind("// Generated: ", 0) != 0) kept += line + "\n";
        files[relative + name] = kept;
    } while (FindNextFileA(search, &found));
    FindClose(search);
}

// Runs the generator's console driver (beside the tests) and waits for it.
DWORD RunGenerator(const std::string& arguments) {
    char program[MAX_PATH] = "";
    GetModuleFileNameA(nullptr, program, sizeof program);
    std::string folder(program);
    folder = folder.substr(0, folder.rfind('\\') + 1);
    std::string command = "\"" + folder + "brivel-generate.exe\" " + arguments;
    std::vector<char> line(command.begin(), command.end());
    line.push_back('\0');
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    if (!CreateProcessA(nullptr, line.data(), nullptr, nullptr, FALSE, CREATE_NO_WINDOW, nullptr, nullptr, &startup,
                        &process))
        return 0xFFFFFFFF;
    WaitForSingleObject(process.hProcess, 120000);
    DWORD code = 0xFFFFFFFF;
    GetExitCodeProcess(process.hProcess, &code);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return code;
}

// The entries of a list box in another process, asked of the list itself
// (in UTF-16: the list keeps its entries so, and another process's ANSI
// request is not converted).
std::vector<std::string> ListEntries(HWND list) {
    std::vector<std::string> entries;
    LRESULT count = SendMessageW(list, LB_GETCOUNT, 0, 0);
    for (LRESULT i = 0; i < count; ++i) {
        wchar_t wide[1024] = L"";
        if (SendMessageW(list, LB_GETTEXTLEN, static_cast<WPARAM>(i), 0) < 1024)
            SendMessageW(list, LB_GETTEXT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(wide));
        char text[2048] = "";
        WideCharToMultiByte(CP_ACP, 0, wide, -1, text, sizeof text, nullptr, nullptr);
        entries.push_back(text);
    }
    return entries;
}

// Selects a list entry as a click does, and tells the dialog.
void SelectEntry(HWND dialog, int id, int index) {
    HWND list = GetDlgItem(dialog, id);
    SendMessageA(list, LB_SETCURSEL, static_cast<WPARAM>(index), 0);
    SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(id, LBN_SELCHANGE), reinterpret_cast<LPARAM>(list));
}

void ChooseRadio(HWND dialog, int id) {
    SendMessageA(GetDlgItem(dialog, id), BM_SETCHECK, BST_CHECKED, 0);
    Click(dialog, id);
}

class JavaToComProgram : public ::testing::Test {
protected:
    void SetUp() override {
        const char* display = std::getenv("DISPLAY");
        if (!display || !*display) GTEST_SKIP() << "needs a display";
        // No names proposed from earlier runs.
        DeleteTree(HKEY_CURRENT_USER, std::string(kProfileKey) + "\\PreviousPkgName");
        DeleteTree(HKEY_CURRENT_USER, std::string(kProfileKey) + "\\PreviousLibName");
        ASSERT_TRUE(wizard.Start());
        frame = wizard.WaitForFrame();
        ASSERT_NE(frame, nullptr);
        ASSERT_TRUE(wizard.WaitForPage(frame, kStartPage));
        ChooseRadio(wizard.Page(frame, kStartPage), IDC_JAVA_TO_COM);
        ASSERT_TRUE(WaitUntil([&] { return IsEnabled(frame, IDC_NEXT); }));
        NextTo(kComObjPage);
    }
    void TearDown() override {
        for (const std::string& key : classKeys) DeleteTree(HKEY_CLASSES_ROOT, key);
    }

    void NextTo(const char* heading) {
        Click(frame, IDC_NEXT);
        ASSERT_TRUE(wizard.WaitForPage(frame, heading)) << "expected " << heading << ", shown: " << wizard.ShownPage(frame);
    }

    // The message dialog with this caption: its text, then closed with `button`.
    std::string Answer(const char* caption, int button = IDOK) {
        HWND box = wizard.WaitForDialog(caption);
        if (!box) return "(no " + std::string(caption) + ")";
        std::string text = ItemText(box, IDC_MESSAGE_TEXT);
        Click(box, button);
        EXPECT_TRUE(wizard.WaitUntilGone(caption));
        return text;
    }

    // Next on the page with `text` in its edit: the error box's message.
    std::string Refused(const char* heading, int edit, const std::string& text) {
        SetText(wizard.Page(frame, heading), edit, text);
        Click(frame, IDC_NEXT);
        std::string message = Answer("Error Message");
        EXPECT_EQ(wizard.ShownPage(frame), heading) << text;
        return message;
    }

    // A dialog opened by a page's button.
    HWND OpenDialog(const char* heading, int button, const char* caption) {
        Click(wizard.Page(frame, heading), button);
        return wizard.WaitForDialog(caption);
    }

    void CloseDialog(HWND dialog, const char* caption, int button = IDOK) {
        Click(dialog, button);
        EXPECT_TRUE(wizard.WaitUntilGone(caption)) << caption;
    }

    WizardProcess wizard;
    HWND frame = nullptr;
    std::vector<std::string> classKeys;
};

}  // namespace

TEST_F(JavaToComProgram, EveryPageChecksItsEntryAndTheOptionsReachTheGeneratedBridge) {
    HWND comObj = wizard.Page(frame, kComObjPage);
    EXPECT_TRUE(TakeScreenshot("j2c-com-object-page", frame));
    EXPECT_EQ(Refused(kComObjPage, IDC_COM_FILE, ""), "Please specify a COM source");
    std::string notes = NewFolderName("notes") + ".txt";
    std::ofstream(notes) << "not a library";
    EXPECT_EQ(Refused(kComObjPage, IDC_COM_FILE, notes), notes + ": File does not contain COM type information");
    SetText(comObj, IDC_COM_FILE, Fixture("VtableEvents.tlb"));
    NextTo(kOutputLocPage);

    // A folder three levels below an existing one: one question makes all three.
    EXPECT_TRUE(TakeScreenshot("j2c-output-folder-page", frame));
    std::string top = NewFolderName("out");
    std::string output = top + "\\two\\three";
    SetText(wizard.Page(frame, kOutputLocPage), IDC_OUTPUT_FOLDER, output + "\\");
    Click(frame, IDC_NEXT);
    EXPECT_EQ(Answer("Brivel Question", IDNO), output + " does not exist, create?");
    EXPECT_FALSE(IsFolder(top));
    Click(frame, IDC_NEXT);
    EXPECT_EQ(Answer("Brivel Question", IDYES), output + " does not exist, create?");
    ASSERT_TRUE(wizard.WaitForPage(frame, kPkgPage));
    EXPECT_TRUE(IsFolder(output));
    EXPECT_EQ(ItemText(wizard.Page(frame, kOutputLocPage), IDC_OUTPUT_FOLDER), output);

    // The package: empty (nothing saved yet), then javac's rules.
    HWND pkg = wizard.Page(frame, kPkgPage);
    EXPECT_EQ(ItemText(pkg, IDC_PACKAGE), "");
    EXPECT_EQ(ItemText(pkg, IDC_PACKAGE_NOTE), "");
    EXPECT_EQ(Refused(kPkgPage, IDC_PACKAGE, ""), "Please specify a package name");
    EXPECT_EQ(Refused(kPkgPage, IDC_PACKAGE, "brivel.events"), "The package name \"brivel\" is in use by Brivel!");
    EXPECT_EQ(Refused(kPkgPage, IDC_PACKAGE, "test..events"),
              "Invalid Name: Please use only ASCII alphanumerics in the package name.  Period (.) characters can be "
              "used as separators only. Numerics cannot be first letter.");
    EXPECT_EQ(Refused(kPkgPage, IDC_PACKAGE, "test.new.events"),
              "Invalid Name: \"new\" is a reserved word of Java and cannot name a package.");
    SetText(pkg, IDC_PACKAGE, "test.events");
    EXPECT_TRUE(TakeScreenshot("j2c-package-page", frame));
    NextTo(kLibPage);

    // The library page proposes "J" and the COM object's name.
    HWND lib = wizard.Page(frame, kLibPage);
    EXPECT_EQ(ItemText(lib, IDC_LIBRARY), "JVtableEvents");
    EXPECT_EQ(Refused(kLibPage, IDC_LIBRARY, "vtableevents"),
              "This JNI library name cannot be same as the COM object name.");
    EXPECT_EQ(Refused(kLibPage, IDC_LIBRARY, "_JEvents"),
              "Please use only alphanumerics or the underscore character in the library name.  Numerics or "
              "underscore cannot be used as the first letter.");
    SetText(lib, IDC_LIBRARY, "JEvents");
    EXPECT_TRUE(TakeScreenshot("j2c-library-page", frame));
    NextTo(kAdvancedPage);
    EXPECT_TRUE(TakeScreenshot("j2c-advanced-page", frame));

    // Callback interfaces: an exact repeat is refused; a name in another
    // letter case is kept, and the job takes both as one (the bridge below
    // equals brivel-generate's with the one name).
    HWND callbacks = OpenDialog(kAdvancedPage, IDC_CALLBACK_INTERFACES, "Callback Interfaces");
    ASSERT_NE(callbacks, nullptr);
    EXPECT_FALSE(IsEnabled(callbacks, IDC_CALLBACK_DELETE));
    SetText(callbacks, IDC_CALLBACK_NAME, "  ICallback ");
    Click(callbacks, IDC_CALLBACK_ADD);
    ASSERT_TRUE(WaitUntil([&] { return ListEntries(GetDlgItem(callbacks, IDC_CALLBACK_LIST)).size() == 1; }));
    EXPECT_EQ(ItemText(callbacks, IDC_CALLBACK_NAME), "");
    SetText(callbacks, IDC_CALLBACK_NAME, "ICallback");
    Click(callbacks, IDC_CALLBACK_ADD);
    EXPECT_EQ(Answer("Brivel Message"), "Name already exists");
    SetText(callbacks, IDC_CALLBACK_NAME, "icallback");
    Click(callbacks, IDC_CALLBACK_ADD);
    ASSERT_TRUE(WaitUntil([&] { return ListEntries(GetDlgItem(callbacks, IDC_CALLBACK_LIST)).size() == 2; }));
    SetText(callbacks, IDC_CALLBACK_NAME, "IUnused");
    Click(callbacks, IDC_CALLBACK_ADD);
    ASSERT_TRUE(WaitUntil([&] { return ListEntries(GetDlgItem(callbacks, IDC_CALLBACK_LIST)).size() == 3; }));
    EXPECT_TRUE(TakeScreenshot("j2c-callback-interfaces", callbacks));
    SelectEntry(callbacks, IDC_CALLBACK_LIST, 2);
    EXPECT_TRUE(IsEnabled(callbacks, IDC_CALLBACK_DELETE));
    Click(callbacks, IDC_CALLBACK_DELETE);
    ASSERT_TRUE(WaitUntil([&] { return ListEntries(GetDlgItem(callbacks, IDC_CALLBACK_LIST)).size() == 2; }));
    EXPECT_FALSE(IsEnabled(callbacks, IDC_CALLBACK_DELETE));
    CloseDialog(callbacks, "Callback Interfaces");

    // The virtual-table model, chosen and kept.
    HWND dual = OpenDialog(kAdvancedPage, IDC_DUAL_INTERFACE, "Dual Interface Preference");
    ASSERT_NE(dual, nullptr);
    EXPECT_EQ(SendMessageA(GetDlgItem(dual, IDC_DISPATCH_MODEL), BM_GETCHECK, 0, 0), BST_CHECKED);
    ChooseRadio(dual, IDC_VTABLE_MODEL);
    SendMessageA(GetDlgItem(dual, IDC_DISPATCH_MODEL), BM_SETCHECK, BST_UNCHECKED, 0);
    EXPECT_TRUE(TakeScreenshot("j2c-dual-interface", dual));
    CloseDialog(dual, "Dual Interface Preference");
    dual = OpenDialog(kAdvancedPage, IDC_DUAL_INTERFACE, "Dual Interface Preference");
    ASSERT_NE(dual, nullptr);
    EXPECT_EQ(SendMessageA(GetDlgItem(dual, IDC_VTABLE_MODEL), BM_GETCHECK, 0, 0), BST_CHECKED);
    CloseDialog(dual, "Dual Interface Preference", IDCANCEL);

    // Remote access files on; object creation opened and cancelled.
    HWND remote = OpenDialog(kAdvancedPage, IDC_REMOTE_ACCESS, "Remote Access Support");
    ASSERT_NE(remote, nullptr);
    SendMessageA(GetDlgItem(remote, IDC_BUILD_REMOTE_ACCESS), BM_SETCHECK, BST_CHECKED, 0);
    EXPECT_TRUE(TakeScreenshot("j2c-remote-access", remote));
    CloseDialog(remote, "Remote Access Support");
    HWND creation = OpenDialog(kAdvancedPage, IDC_OBJECT_CREATION, "Object Creation Options");
    ASSERT_NE(creation, nullptr);
    SendMessageA(GetDlgItem(creation, IDC_SERVER_ONLY_CREATION), BM_SETCHECK, BST_CHECKED, 0);
    EXPECT_TRUE(TakeScreenshot("j2c-object-creation", creation));
    CloseDialog(creation, "Object Creation Options", IDCANCEL);
    HWND dcom = OpenDialog(kAdvancedPage, IDC_DCOM_SUPPORT, "DCOM Support");
    ASSERT_NE(dcom, nullptr);
    EXPECT_FALSE(IsShown(dcom, IDCANCEL));
    EXPECT_TRUE(TakeScreenshot("j2c-dcom-support", dcom));
    CloseDialog(dcom, "DCOM Support");

    // ADO settings: the pre-generated library, its values fixed; the own
    // wrapper's values are checked before OK closes; Cancel keeps the preset.
    HWND ado = OpenDialog(kAdvancedPage, IDC_ADO_SUPPORT, "ADO DB Settings");
    ASSERT_NE(ado, nullptr);
    EXPECT_EQ(SendMessageA(GetDlgItem(ado, IDC_USE_PREGENERATED), BM_GETCHECK, 0, 0), BST_CHECKED);
    EXPECT_EQ(ItemText(ado, IDC_ADO_PACKAGE), "brivel.adodb");
    EXPECT_EQ(ItemText(ado, IDC_WRAPPER_LIBRARY), "brivelAdodbLib");
    EXPECT_FALSE(IsEnabled(ado, IDC_ADO_PACKAGE));
    EXPECT_FALSE(IsEnabled(ado, IDC_BROWSE_WRAPPER_JAR));
    EXPECT_TRUE(TakeScreenshot("j2c-ado-settings", ado));
    SendMessageA(GetDlgItem(ado, IDC_USE_PREGENERATED), BM_SETCHECK, BST_UNCHECKED, 0);
    ChooseRadio(ado, IDC_USE_OWN_WRAPPER);
    ASSERT_TRUE(WaitUntil([&] { return IsEnabled(ado, IDC_ADO_PACKAGE); }));
    EXPECT_EQ(ItemText(ado, IDC_ADO_PACKAGE), "");
    SetText(ado, IDC_ADO_PACKAGE, "my.ado");
    SetText(ado, IDC_WRAPPER_LIBRARY, "my_ado");
    Click(ado, IDOK);
    EXPECT_EQ(Answer("Brivel Message"), "Library name should not contain punctuations or space");
    CloseDialog(ado, "ADO DB Settings", IDCANCEL);
    HWND xml = OpenDialog(kAdvancedPage, IDC_XML_SUPPORT, "XML Settings");
    ASSERT_NE(xml, nullptr);
    EXPECT_EQ(ItemText(xml, IDC_XML_PACKAGE), "brivel.msxml");
    EXPECT_TRUE(TakeScreenshot("j2c-xml-settings", xml));
    CloseDialog(xml, "XML Settings");

    NextTo(kFinishupPage);
    HWND summary = wizard.Page(frame, kFinishupPage);
    EXPECT_EQ(ItemText(summary, IDC_SUMMARY_TYPE_LIBRARY), Fixture("VtableEvents.tlb"));
    EXPECT_EQ(ItemText(summary, IDC_SUMMARY_PACKAGE), "test.events");
    EXPECT_EQ(ItemText(summary, IDC_SUMMARY_LIBRARY), "JEvents");
    EXPECT_EQ(ItemText(summary, IDC_SUMMARY_OUTPUT_FOLDER), output);
    EXPECT_TRUE(TakeScreenshot("j2c-summary-page", frame));
    Click(frame, IDC_NEXT);
    ASSERT_TRUE(wizard.WaitForPage(frame, kBuildPage, 120000)) << wizard.ShownPage(frame);
    EXPECT_TRUE(TakeScreenshot("j2c-build-page", frame));

    // The wizard's names were written for the next run.
    HKEY key;
    char value[256] = "";
    DWORD size = sizeof value;
    ASSERT_EQ(RegOpenKeyExA(HKEY_CURRENT_USER, (std::string(kProfileKey) + "\\PreviousPkgName").c_str(), 0,
                            KEY_QUERY_VALUE, &key),
              ERROR_SUCCESS);
    RegQueryValueExA(key, "VtableEvents", nullptr, nullptr, reinterpret_cast<BYTE*>(value), &size);
    RegCloseKey(key);
    EXPECT_STREQ(value, "test.events");

    Click(frame, IDCANCEL);
    EXPECT_EQ(Answer("Brivel Question", IDYES), "Are you sure you wish to exit without completing all build steps?");
    EXPECT_EQ(wizard.WaitForExit(), 0u);

    // The same bridge as the generator writes with these options into the
    // same folder (the files name it), the wizard's moved aside first.
    std::string wizardOutput = top + "-wizard";
    ASSERT_TRUE(MoveFileA(output.c_str(), wizardOutput.c_str()));
    CreateDirectoryA(output.c_str(), nullptr);
    ASSERT_EQ(RunGenerator("--remote-access --dual-vtable \"" + Fixture("VtableEvents.tlb") + "\" \"" + output +
                           "\" test.events JEvents ICallback"),
              0u);
    std::map<std::string, std::string> written, wanted;
    ReadTree(wizardOutput, "", written);
    ReadTree(output, "", wanted);
    ASSERT_FALSE(wanted.empty());
    EXPECT_TRUE(written.count("brvRemoteClient\\MakeJava.bat")) << "no remote-access files";
    EXPECT_NE(written["test\\events\\ICallback.java"].find("extends brivel.TavoEventListener"), std::string::npos);
    for (const auto& [name, text] : wanted) EXPECT_EQ(written[name], text) << name;
    EXPECT_EQ(written.size(), wanted.size());
}

TEST_F(JavaToComProgram, TheComObjectPageChoosesARegisteredLibraryAndFindsAProgIdsServer) {
    // A library registered at version a.0 (10), and a ProgID whose class
    // has only a LocalServer32 command line.
    std::string library = NewFolderName("registered") + ".tlb";
    ASSERT_TRUE(CopyFileA(Fixture("Bridge.tlb").c_str(), library.c_str(), FALSE));
    std::string libraryKey = "TypeLib\\" + GuidText();
    classKeys.push_back(libraryKey);
    SetDefault(libraryKey + "\\a.0", "Bridge test library");
    SetDefault(libraryKey + "\\a.0\\0\\win32", library);
    std::string server = NewFolderName("local server") + ".exe";
    std::ofstream(server) << "MZ";
    std::string progId = "Brivel.J2cPagesTest." + std::to_string(GetCurrentProcessId());
    std::string clsid = GuidText();
    classKeys.push_back(progId);
    classKeys.push_back("CLSID\\" + clsid);
    SetDefault(progId + "\\CLSID", clsid);
    SetDefault("CLSID\\" + clsid + "\\LocalServer32", "\"" + server + "\" /automation");

    HWND chooser = OpenDialog(kComObjPage, IDC_SEARCH_COM_OBJECTS, "Select COM/ActiveX Object");
    ASSERT_NE(chooser, nullptr);
    std::vector<std::string> entries = ListEntries(GetDlgItem(chooser, IDC_TYPE_LIBRARY_LIST));
    int ours = -1;
    for (int i = 0; i < static_cast<int>(entries.size()) && ours < 0; ++i) {
        if (entries[static_cast<size_t>(i)] != "Bridge test library (BridgeLib)") continue;
        SelectEntry(chooser, IDC_TYPE_LIBRARY_LIST, i);
        if (lstrcmpiA(ItemText(chooser, IDC_TYPE_LIBRARY_PATH).c_str(), library.c_str()) == 0) ours = i;
    }
    std::string listed;
    for (const std::string& entry : entries) listed += entry + "\n";
    ASSERT_GE(ours, 0) << "the library registered at version a.0 is not listed in:\n" << listed;
    EXPECT_TRUE(TakeScreenshot("j2c-com-object-chooser", chooser));
    CloseDialog(chooser, "Select COM/ActiveX Object");
    EXPECT_EQ(lstrcmpiA(ItemText(wizard.Page(frame, kComObjPage), IDC_COM_FILE).c_str(), library.c_str()), 0);

    // Opened again: the same list, without a new search.
    chooser = OpenDialog(kComObjPage, IDC_SEARCH_COM_OBJECTS, "Select COM/ActiveX Object");
    ASSERT_NE(chooser, nullptr);
    EXPECT_EQ(ListEntries(GetDlgItem(chooser, IDC_TYPE_LIBRARY_LIST)), entries);
    CloseDialog(chooser, "Select COM/ActiveX Object", IDCANCEL);

    HWND progIdDialog = OpenDialog(kComObjPage, IDC_LOCATE_PROGID, "Locate COM/ActiveX object by ProgID");
    ASSERT_NE(progIdDialog, nullptr);
    SetText(progIdDialog, IDC_PROGID, progId);
    EXPECT_TRUE(TakeScreenshot("j2c-progid-dialog", progIdDialog));
    CloseDialog(progIdDialog, "Locate COM/ActiveX object by ProgID");
    std::string located = Answer("Brivel Message");
    const std::string lead = progId + ": PROG ID located in: ";
    EXPECT_EQ(located.substr(0, lead.size()), lead);
    EXPECT_EQ(lstrcmpiA(located.substr(lead.size()).c_str(), server.c_str()), 0) << located;
    EXPECT_EQ(lstrcmpiA(ItemText(wizard.Page(frame, kComObjPage), IDC_COM_FILE).c_str(), server.c_str()), 0);

    progIdDialog = OpenDialog(kComObjPage, IDC_LOCATE_PROGID, "Locate COM/ActiveX object by ProgID");
    ASSERT_NE(progIdDialog, nullptr);
    SetText(progIdDialog, IDC_PROGID, "Brivel.NoSuchObject.1");
    CloseDialog(progIdDialog, "Locate COM/ActiveX object by ProgID");
    EXPECT_EQ(Answer("Brivel Message"), "Brivel.NoSuchObject.1: This PROG ID was not found");

    // The server is no type library: the page refuses it, naming it as typed.
    Click(frame, IDC_NEXT);
    EXPECT_EQ(Answer("Error Message"), ItemText(wizard.Page(frame, kComObjPage), IDC_COM_FILE) +
                                           ": File does not contain COM type information");
    Click(frame, IDCANCEL);
    EXPECT_EQ(wizard.WaitForExit(), 0u);
}

TEST_F(JavaToComProgram, TheFramesSystemCommandsOpenTheOptionDialogsWithTheJobsValues) {
    // The dual-interface preference: stored on OK only.
    PostMessageA(frame, WM_SYSCOMMAND, IDM_DUAL_INTERFACE, 0);
    HWND dual = wizard.WaitForDialog("Dual Interface Preference");
    ASSERT_NE(dual, nullptr);
    SendMessageA(GetDlgItem(dual, IDC_DISPATCH_MODEL), BM_SETCHECK, BST_UNCHECKED, 0);
    ChooseRadio(dual, IDC_VTABLE_MODEL);
    CloseDialog(dual, "Dual Interface Preference", IDCANCEL);
    PostMessageA(frame, WM_SYSCOMMAND, IDM_DUAL_INTERFACE, 0);
    dual = wizard.WaitForDialog("Dual Interface Preference");
    ASSERT_NE(dual, nullptr);
    EXPECT_EQ(SendMessageA(GetDlgItem(dual, IDC_DISPATCH_MODEL), BM_GETCHECK, 0, 0), BST_CHECKED);
    CloseDialog(dual, "Dual Interface Preference", IDCANCEL);

    // DCOM support: the box is kept however the dialog closes, the close box too.
    PostMessageA(frame, WM_SYSCOMMAND, IDM_DCOM_SUPPORT, 0);
    HWND dcom = wizard.WaitForDialog("DCOM Support");
    ASSERT_NE(dcom, nullptr);
    EXPECT_EQ(SendMessageA(GetDlgItem(dcom, IDC_REMOTE_CONSTRUCTORS), BM_GETCHECK, 0, 0), BST_UNCHECKED);
    SendMessageA(GetDlgItem(dcom, IDC_REMOTE_CONSTRUCTORS), BM_SETCHECK, BST_CHECKED, 0);
    PostMessageA(dcom, WM_CLOSE, 0, 0);
    ASSERT_TRUE(wizard.WaitUntilGone("DCOM Support"));
    PostMessageA(frame, WM_SYSCOMMAND, IDM_DCOM_SUPPORT, 0);
    dcom = wizard.WaitForDialog("DCOM Support");
    ASSERT_NE(dcom, nullptr);
    EXPECT_EQ(SendMessageA(GetDlgItem(dcom, IDC_REMOTE_CONSTRUCTORS), BM_GETCHECK, 0, 0), BST_CHECKED);
    CloseDialog(dcom, "DCOM Support");

    // The ADO settings: an own wrapper's values are stored and shown again;
    // the pre-generated library chosen again stores its defaults.
    std::string wrapper = NewFolderName("wrapper");
    CreateDirectoryA(wrapper.c_str(), nullptr);
    CreateDirectoryA((wrapper + "\\doc").c_str(), nullptr);
    std::ofstream(wrapper + "\\myado.jar") << "PK";
    std::ofstream(wrapper + "\\doc\\index.html") << "<HTML></HTML>";
    PostMessageA(frame, WM_SYSCOMMAND, IDM_ADO_SETTINGS, 0);
    HWND ado = wizard.WaitForDialog("ADO DB Settings");
    ASSERT_NE(ado, nullptr);
    EXPECT_EQ(ItemText(ado, IDC_ADO_PACKAGE), "brivel.adodb");
    SendMessageA(GetDlgItem(ado, IDC_USE_PREGENERATED), BM_SETCHECK, BST_UNCHECKED, 0);
    ChooseRadio(ado, IDC_USE_OWN_WRAPPER);
    ASSERT_TRUE(WaitUntil([&] { return IsEnabled(ado, IDC_ADO_JAR); }));
    SetText(ado, IDC_ADO_PACKAGE, "my.ado");
    SetText(ado, IDC_WRAPPER_LIBRARY, "myado");
    SetText(ado, IDC_ADO_JAR, wrapper + "\\missing.jar");
    SetText(ado, IDC_WRAPPER_DOC_FOLDER, wrapper + "\\doc");
    Click(ado, IDOK);
    EXPECT_EQ(Answer("Brivel Message"), "Could not access jar file " + wrapper + "\\missing.jar");
    SetText(ado, IDC_ADO_JAR, wrapper + "\\myado.jar");
    CloseDialog(ado, "ADO DB Settings");
    PostMessageA(frame, WM_SYSCOMMAND, IDM_ADO_SETTINGS, 0);
    ado = wizard.WaitForDialog("ADO DB Settings");
    ASSERT_NE(ado, nullptr);
    EXPECT_EQ(SendMessageA(GetDlgItem(ado, IDC_USE_OWN_WRAPPER), BM_GETCHECK, 0, 0), BST_CHECKED);
    EXPECT_EQ(ItemText(ado, IDC_ADO_PACKAGE), "my.ado");
    EXPECT_EQ(ItemText(ado, IDC_ADO_JAR), wrapper + "\\myado.jar");
    EXPECT_TRUE(IsEnabled(ado, IDC_WRAPPER_DOC_FOLDER));
    SendMessageA(GetDlgItem(ado, IDC_USE_OWN_WRAPPER), BM_SETCHECK, BST_UNCHECKED, 0);
    ChooseRadio(ado, IDC_USE_PREGENERATED);
    ASSERT_TRUE(WaitUntil([&] { return !IsEnabled(ado, IDC_ADO_JAR); }));
    EXPECT_EQ(ItemText(ado, IDC_ADO_PACKAGE), "brivel.adodb");
    CloseDialog(ado, "ADO DB Settings");
    PostMessageA(frame, WM_SYSCOMMAND, IDM_ADO_SETTINGS, 0);
    ado = wizard.WaitForDialog("ADO DB Settings");
    ASSERT_NE(ado, nullptr);
    EXPECT_EQ(SendMessageA(GetDlgItem(ado, IDC_USE_PREGENERATED), BM_GETCHECK, 0, 0), BST_CHECKED);
    CloseDialog(ado, "ADO DB Settings", IDCANCEL);
    PostMessageA(frame, WM_SYSCOMMAND, IDM_XML_SETTINGS, 0);
    HWND xml = wizard.WaitForDialog("XML Settings");
    ASSERT_NE(xml, nullptr);
    EXPECT_EQ(ItemText(xml, IDC_XML_PACKAGE), "brivel.msxml");
    CloseDialog(xml, "XML Settings", IDCANCEL);

    Click(frame, IDCANCEL);
    EXPECT_EQ(wizard.WaitForExit(), 0u);
}

TEST_F(JavaToComProgram, TheSampleObjectFixesItsPackageAndAnotherObjectIsProposedItsSavedNames) {
    HKEY key;
    ASSERT_EQ(RegCreateKeyExA(HKEY_CURRENT_USER, (std::string(kProfileKey) + "\\PreviousLibName").c_str(), 0, nullptr,
                              0, KEY_SET_VALUE, nullptr, &key, nullptr),
              ERROR_SUCCESS);
    RegSetValueExA(key, "Bridge", 0, REG_SZ, reinterpret_cast<const BYTE*>("JOldBridge"), 11);
    RegCloseKey(key);
    ASSERT_EQ(RegCreateKeyExA(HKEY_CURRENT_USER, (std::string(kProfileKey) + "\\PreviousPkgName").c_str(), 0, nullptr,
                              0, KEY_SET_VALUE, nullptr, &key, nullptr),
              ERROR_SUCCESS);
    RegSetValueExA(key, "Bridge", 0, REG_SZ, reinterpret_cast<const BYTE*>("old.bridge"), 11);
    RegCloseKey(key);

    std::string folder = NewFolderName("sample");
    CreateDirectoryA(folder.c_str(), nullptr);
    std::string sample = folder + "\\BrivelSampleActiveX.tlb";
    ASSERT_TRUE(CopyFileA(Fixture("Bridge.tlb").c_str(), sample.c_str(), FALSE));
    SetText(wizard.Page(frame, kComObjPage), IDC_COM_FILE, sample);
    NextTo(kOutputLocPage);
    SetText(wizard.Page(frame, kOutputLocPage), IDC_OUTPUT_FOLDER, folder);
    NextTo(kPkgPage);
    HWND pkg = wizard.Page(frame, kPkgPage);
    EXPECT_EQ(ItemText(pkg, IDC_PACKAGE), "j2c.tutorial");
    EXPECT_EQ(ItemText(pkg, IDC_PACKAGE_NOTE), "The package name for this sample activeX must be \"j2c.tutorial\"");
    EXPECT_FALSE(IsEnabled(pkg, IDC_PACKAGE));
    EXPECT_TRUE(TakeScreenshot("j2c-package-page-sample", frame));
    NextTo(kLibPage);
    HWND lib = wizard.Page(frame, kLibPage);
    EXPECT_EQ(ItemText(lib, IDC_LIBRARY), "JBrivelSampleActiveX");
    EXPECT_FALSE(IsEnabled(lib, IDC_LIBRARY));

    // Back to another COM object: both pages propose its saved names.
    for (const char* page : {kPkgPage, kOutputLocPage, kComObjPage}) {
        Click(frame, IDC_BACK);
        ASSERT_TRUE(wizard.WaitForPage(frame, page)) << page;
    }
    SetText(wizard.Page(frame, kComObjPage), IDC_COM_FILE, Fixture("Bridge.tlb"));
    NextTo(kOutputLocPage);
    NextTo(kPkgPage);
    EXPECT_EQ(ItemText(pkg, IDC_PACKAGE), "old.bridge");
    EXPECT_EQ(ItemText(pkg, IDC_PACKAGE_NOTE), "");
    EXPECT_TRUE(IsEnabled(pkg, IDC_PACKAGE));
    NextTo(kLibPage);
    EXPECT_EQ(ItemText(lib, IDC_LIBRARY), "JOldBridge");
    EXPECT_TRUE(IsEnabled(lib, IDC_LIBRARY));

    // An edited package stays when the page shows again.
    Click(frame, IDC_BACK);
    ASSERT_TRUE(wizard.WaitForPage(frame, kPkgPage));
    SetText(pkg, IDC_PACKAGE, "edited.bridge");
    NextTo(kLibPage);
    Click(frame, IDC_BACK);
    ASSERT_TRUE(wizard.WaitForPage(frame, kPkgPage));
    EXPECT_EQ(ItemText(pkg, IDC_PACKAGE), "edited.bridge");

    Click(frame, IDCANCEL);
    EXPECT_EQ(Answer("Brivel Question", IDYES), "Do you want to exit this wizard and lose your changes?");
    EXPECT_EQ(wizard.WaitForExit(), 0u);
}
