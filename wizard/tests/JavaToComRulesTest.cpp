// The rules and exact messages of the Java-to-COM pages and of the option
// dialogs, apart from their windows.
#include <gtest/gtest.h>
#include <windows.h>

#include <set>
#include <string>
#include <vector>

#include "CallbackInterfaceList.h"
#include "ComObjectRules.h"
#include "KnownLibraryChoice.h"
#include "LibraryNameRules.h"
#include "OutputFolderRules.h"
#include "PackageNameRules.h"
#include "RegisteredTypeLibraries.h"
#include "ServerProgramPath.h"
#include "TempFolder.h"

namespace {

const std::string kInvalidPackage =
    "Invalid Name: Please use only ASCII alphanumerics in the package name.  Period (.) characters can be used as "
    "separators only. Numerics cannot be first letter.";

std::string Package(const std::string& package) { return CheckPackageName(package.c_str()).str(); }

// Records what CheckFolder asked and showed; answers its questions with `yes`.
class RecordingPrompts : public IFolderPrompts {
public:
    explicit RecordingPrompts(bool yes) : yes_(yes) {}
    bool AskQuestion(const char* text) override {
        said.push_back(std::string("? ") + text);
        return yes_;
    }
    void ShowError(const char* text) override { said.push_back(std::string("! ") + text); }
    std::vector<std::string> said;

private:
    bool yes_;
};

#ifdef _WIN32
constexpr const char* kSeparator = "\\";
#else
constexpr const char* kSeparator = "/";
#endif

class OutputFolderPage : public brivel::testing::TempFolderTest {};

bool IsFolder(const std::string& path) {
    DWORD attributes = GetFileAttributesA(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

}  // namespace

TEST(PackagePage, ChecksEmptyReservedAndInvalidPackagesWithTheirMessages) {
    EXPECT_EQ(Package(""), "Please specify a package name");
    EXPECT_EQ(Package("brivel"), "The package name \"brivel\" is in use by Brivel!");
    EXPECT_EQ(Package("BRIVEL.test"), "The package name \"brivel\" is in use by Brivel!");
    EXPECT_EQ(Package("briveltest"), "");
    EXPECT_EQ(Package("1abc"), kInvalidPackage);
    EXPECT_EQ(Package("a_b"), kInvalidPackage);
    EXPECT_EQ(Package("caf\xe9"), kInvalidPackage);
    EXPECT_EQ(Package("com.orvanth.bridge"), "");
    EXPECT_EQ(Package("A9.b8"), "");
    EXPECT_EQ(Package(std::string(127, 'a')), "");
    EXPECT_EQ(Package(std::string(128, 'a')), kInvalidPackage);
    EXPECT_EQ(Package("abc."), kInvalidPackage);
    EXPECT_EQ(Package(".abc"), kInvalidPackage);
}

TEST(PackagePage, RefusesWhatJavacRefusesEmptyPartsPartsStartingWithDigitsAndReservedWords) {
    EXPECT_EQ(Package("a..b"), kInvalidPackage);
    EXPECT_EQ(Package("a.1b"), kInvalidPackage);
    EXPECT_EQ(Package("com.int.x"), "Invalid Name: \"int\" is a reserved word of Java and cannot name a package.");
    EXPECT_EQ(Package("my.class"), "Invalid Name: \"class\" is a reserved word of Java and cannot name a package.");
    EXPECT_EQ(Package("null"), "Invalid Name: \"null\" is a reserved word of Java and cannot name a package.");
    // Reserved words are case-sensitive, and a word that only holds one is fine.
    EXPECT_EQ(Package("my.Class"), "");
    EXPECT_EQ(Package("interfaces.integer"), "");
}

TEST(PackagePage, TheSampleObjectRequiresItsPackageInAnyLetterCase) {
    EXPECT_EQ(RequiredPackage("BrivelSampleActiveX").str(), "j2c.tutorial");
    EXPECT_EQ(RequiredPackage("brivelsampleactivex").str(), "j2c.tutorial");
    EXPECT_EQ(RequiredPackageNote("BRIVELSAMPLEACTIVEX").str(),
              "The package name for this sample activeX must be \"j2c.tutorial\"");
    EXPECT_EQ(RequiredPackage("Bridge").str(), "");
    EXPECT_EQ(RequiredPackageNote("Bridge").str(), "");
}

TEST(LibraryPage, ProposesThePreviousNameOrJAndTheObjectNameAndChecksTheName) {
    EXPECT_EQ(ProposedLibraryName("Bridge", "").str(), "JBridge");
    EXPECT_EQ(ProposedLibraryName("Bridge", "JOld").str(), "JOld");
    const std::string invalid =
        "Please use only alphanumerics or the underscore character in the library name.  Numerics or underscore "
        "cannot be used as the first letter.";
    EXPECT_EQ(CheckJniLibraryName("", "Bridge").str(), "Please specify a library name");
    EXPECT_EQ(CheckJniLibraryName("_lib", "Bridge").str(), invalid);
    EXPECT_EQ(CheckJniLibraryName("9lib", "Bridge").str(), invalid);
    EXPECT_EQ(CheckJniLibraryName("J lib", "Bridge").str(), invalid);
    EXPECT_EQ(CheckJniLibraryName("J-lib", "Bridge").str(), invalid);
    EXPECT_EQ(CheckJniLibraryName("bRIDGE", "Bridge").str(),
              "This JNI library name cannot be same as the COM object name.");
    EXPECT_EQ(CheckJniLibraryName("J_bridge2", "Bridge").str(), "");
}

TEST(OutputFolderText, DropsATrailingBackslashExceptOnADriveRoot) {
    EXPECT_EQ(TrimOutputFolder("C:\\").str(), "C:\\");
    EXPECT_EQ(TrimOutputFolder("C:\\out\\").str(), "C:\\out");
    EXPECT_EQ(TrimOutputFolder("\\").str(), "\\");
    EXPECT_EQ(TrimOutputFolder("out").str(), "out");
    EXPECT_EQ(ParentFolder("C:\\a\\b").str(), "C:\\a");
    EXPECT_EQ(ParentFolder("C:\\a").str(), "C:\\");
    EXPECT_EQ(ParentFolder("\\a").str(), "\\");
    EXPECT_EQ(ParentFolder("a/b").str(), "a");
    EXPECT_EQ(ParentFolder("a").str(), "");
    EXPECT_EQ(ParentFolder("Q:\\").str(), "Q:\\");  // a root is its own parent
}

TEST_F(OutputFolderPage, AsksOnceAndMakesEveryMissingLevel) {
    std::string deepest = Path("one") + kSeparator + "two" + kSeparator + "three";
    RecordingPrompts yes(true);
    ASSERT_TRUE(CheckFolder(deepest.c_str(), true, yes));
    EXPECT_EQ(yes.said, (std::vector<std::string>{"? " + deepest + " does not exist, create?"}));
    EXPECT_TRUE(IsFolder(deepest));

    // An existing folder passes without a question.
    RecordingPrompts silent(true);
    EXPECT_TRUE(CheckFolder(deepest.c_str(), true, silent));
    EXPECT_TRUE(silent.said.empty());

    // No makes nothing.
    std::string refused = Path("refused") + kSeparator + "below";
    RecordingPrompts no(false);
    EXPECT_FALSE(CheckFolder(refused.c_str(), true, no));
    EXPECT_FALSE(IsFolder(Path("refused")));
}

TEST_F(OutputFolderPage, AFileInTheWayOrAFolderThatCannotBeMadeIsReported) {
    std::string file = Path("plain.txt");
    HANDLE handle = CreateFileA(file.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(handle, INVALID_HANDLE_VALUE);
    CloseHandle(handle);
    RecordingPrompts yes(true);
    EXPECT_FALSE(CheckFolder(file.c_str(), true, yes));
    EXPECT_EQ(yes.said, (std::vector<std::string>{"! " + file + ": is not a directory!"}));

    // Below a file: its parent (the file) is refused first.
    RecordingPrompts below(true);
    std::string under = file + kSeparator + "sub";
    EXPECT_FALSE(CheckFolder(under.c_str(), true, below));
    EXPECT_EQ(below.said, (std::vector<std::string>{"? " + under + " does not exist, create?",
                                                    "! " + file + ": is not a directory!"}));
}

TEST(CallbackInterfaces, TrimsRefusesEmptyAndRepeatedNamesAndKeepsNamesDifferingInCase) {
    CCallbackInterfaceList list({"ICallback"});
    EXPECT_EQ(list.Add("   ").str(), "Please specify an interface name");
    EXPECT_EQ(list.Add(" ICallback ").str(), "Name already exists");
    EXPECT_EQ(list.Add(" icallback\t").str(), "");  // another letter case is another entry
    EXPECT_EQ(list.Add("  IEvents  ").str(), "");
    ASSERT_EQ(list.Names().size(), 3u);
    EXPECT_EQ(list.Names()[1].str(), "icallback");
    EXPECT_EQ(list.Names()[2].str(), "IEvents");
    list.Delete(5);
    list.Delete(0);
    ASSERT_EQ(list.Names().size(), 2u);
    EXPECT_EQ(list.Names()[0].str(), "icallback");
}

TEST(KnownLibrarySettings, ThePresetSelectsThePreGeneratedLibraryAndOwnValuesTheOwnWrapper) {
    KnownLibraryValues defaults{"brivel.ado", "brivelado", "C:\\Brivel\\ado.jar", "C:\\Brivel\\adodoc"};
    CKnownLibraryChoice preset(defaults, defaults);
    EXPECT_EQ(preset.Choice(), CKnownLibraryChoice::kPreGenerated);
    EXPECT_FALSE(preset.EditsEnabled());
    EXPECT_EQ(preset.Shown().jar.str(), "C:\\Brivel\\ado.jar");

    KnownLibraryValues own{"my.ado", "myado", "C:\\mine\\ado.jar", "C:\\mine\\doc"};
    CKnownLibraryChoice custom(own, defaults);
    EXPECT_EQ(custom.Choice(), CKnownLibraryChoice::kOwnWrapper);
    EXPECT_TRUE(custom.EditsEnabled());
    EXPECT_EQ(custom.Shown().package.str(), "my.ado");
    custom.SetChoice(CKnownLibraryChoice::kPreGenerated);
    EXPECT_EQ(custom.Shown().package.str(), "brivel.ado");
    custom.SetChoice(CKnownLibraryChoice::kOwnWrapper);
    EXPECT_EQ(custom.Shown().library.str(), "myado");
}

TEST(KnownLibrarySettings, OkChecksTheOwnValuesInOrder) {
    KnownLibraryValues defaults{"brivel.ado", "brivelado", "", ""};
    CKnownLibraryChoice choice(defaults, defaults);
    std::set<std::string> files{"C:\\mine\\ado.jar", "C:\\mine\\doc\\index.html"};
    auto check = [&](KnownLibraryValues values) {
        choice.SetOwn(values);
        return choice.CheckOwn([&](const char* path) { return files.count(path) > 0; }).str();
    };
    EXPECT_EQ(check({"", "lib", "C:\\mine\\ado.jar", "C:\\mine\\doc"}), "Missing or invalid package name");
    EXPECT_EQ(check({"Brivel.mine", "lib", "C:\\mine\\ado.jar", "C:\\mine\\doc"}), "Missing or invalid package name");
    EXPECT_EQ(check({"my.ado", "", "", ""}), "Please specify the library name");
    EXPECT_EQ(check({"my.ado", "my lib", "", ""}), "Library name should not contain punctuations or space");
    EXPECT_EQ(check({"my.ado", "my_lib", "", ""}), "Library name should not contain punctuations or space");
    EXPECT_EQ(check({"my.ado", "mylib2", "", ""}), "Please specify the jar file");
    EXPECT_EQ(check({"my.ado", "mylib2", "C:\\no.jar", ""}), "Could not access jar file C:\\no.jar");
    EXPECT_EQ(check({"my.ado", "mylib2", "C:\\mine\\ado.jar", ""}), "Please specify the documentation folder");
    EXPECT_EQ(check({"my.ado", "mylib2", "C:\\mine\\ado.jar", "C:\\nodoc\\"}),
              "Could not access documentation at C:\\nodoc\\index.html");
    EXPECT_EQ(check({"my.ado", "mylib2", "C:\\mine\\ado.jar", "C:\\mine\\doc"}), "");
    EXPECT_EQ(check({"my.ado", "mylib2", "C:\\mine\\ado.jar", "C:\\mine\\doc\\"}), "");
}

TEST(RegisteredTypeLibraries, VersionKeysAreHexadecimalAndVersionZeroCounts) {
    unsigned major = 99;
    EXPECT_TRUE(MajorVersionOfKey("a.0", major));
    EXPECT_EQ(major, 10u);
    EXPECT_TRUE(MajorVersionOfKey("0.1", major));
    EXPECT_EQ(major, 0u);
    EXPECT_TRUE(MajorVersionOfKey("1F", major));
    EXPECT_EQ(major, 31u);
    EXPECT_FALSE(MajorVersionOfKey("FLAGS", major));
    EXPECT_FALSE(MajorVersionOfKey(".1", major));
    EXPECT_FALSE(MajorVersionOfKey("12345.0", major));

    EXPECT_TRUE(HighestMajorVersion({"9.0", "a.0", "2.1"}, major));
    EXPECT_EQ(major, 10u);
    EXPECT_TRUE(HighestMajorVersion({"0.0", "HELPDIR"}, major));
    EXPECT_EQ(major, 0u);
    EXPECT_FALSE(HighestMajorVersion({"HELPDIR"}, major));
    EXPECT_FALSE(HighestMajorVersion({}, major));
}

TEST(RegisteredTypeLibraries, TheDescriptionIsTheDocumentationAndNameOrWhatThereIs) {
    EXPECT_EQ(TypeLibraryDescription("Bridge Library", "BridgeLib", "C:\\b.tlb").str(), "Bridge Library (BridgeLib)");
    EXPECT_EQ(TypeLibraryDescription("Bridge Library", "", "C:\\b.tlb").str(), "Bridge Library");
    EXPECT_EQ(TypeLibraryDescription("", "BridgeLib", "C:\\b.tlb").str(), "BridgeLib");
    EXPECT_EQ(TypeLibraryDescription("", "", "C:\\b.tlb").str(), "C:\\b.tlb");
}

TEST(ProgIdLookup, AServerValueWithQuotesOrSwitchesYieldsTheProgramPath) {
    std::set<std::string> files{"C:\\Program Files\\App\\app.exe", "C:\\App\\server.exe", "C:\\App\\in proc.dll"};
    auto path = [&](const char* value) {
        return ServerProgramPath(value, [&](const char* p) { return files.count(p) > 0; }).str();
    };
    EXPECT_EQ(path("\"C:\\Program Files\\App\\app.exe\" /automation"), "C:\\Program Files\\App\\app.exe");
    EXPECT_EQ(path("\"C:\\Program Files\\App\\app.exe\""), "C:\\Program Files\\App\\app.exe");
    EXPECT_EQ(path("C:\\Program Files\\App\\app.exe /automation"), "C:\\Program Files\\App\\app.exe");
    EXPECT_EQ(path("C:\\App\\server.exe -Embedding"), "C:\\App\\server.exe");
    EXPECT_EQ(path("C:\\App\\in proc.dll"), "C:\\App\\in proc.dll");
    EXPECT_EQ(path("  C:\\App\\server.exe  "), "C:\\App\\server.exe");
    // Not on this machine: the part before the switch.
    EXPECT_EQ(path("D:\\gone\\old.exe /regserver"), "D:\\gone\\old.exe");
    EXPECT_EQ(path("D:\\gone\\old.exe"), "D:\\gone\\old.exe");
    EXPECT_EQ(path("\"D:\\unclosed.exe"), "D:\\unclosed.exe");
}

TEST(ComObjectPage, ChecksThePathAsTypedAndNamesTheObjectAfterTheFile) {
    auto full = [](const char* typed) { return CString("C:\\work\\") + typed; };
    std::set<std::string> present{"C:\\work\\Bridge.tlb", "C:\\work\\notes.txt"};
    auto exists = [&](const char* p) { return present.count(p) > 0; };
    auto library = [](const char* p) { return CString(p).Right(4) == ".tlb"; };
    EXPECT_EQ(CheckComSource("", full, exists, library).message.str(), "Please specify a COM source");
    EXPECT_EQ(CheckComSource("gone.tlb", full, exists, library).message.str(), "gone.tlb: File does not exist");
    EXPECT_EQ(CheckComSource("notes.txt", full, exists, library).message.str(),
              "notes.txt: File does not contain COM type information");
    ComSourceCheck accepted = CheckComSource("Bridge.tlb", full, exists, library);
    EXPECT_TRUE(accepted.Ok());
    EXPECT_EQ(accepted.objectName.str(), "Bridge");
    EXPECT_EQ(ComObjectName("C:\\a.b\\lib.v2.dll").str(), "lib.v2");
    EXPECT_EQ(ComObjectName("C:\\a.b\\noext").str(), "noext");
}
