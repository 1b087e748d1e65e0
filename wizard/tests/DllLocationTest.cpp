// Where a downloaded JNI DLL goes, and the checks of a location typed by
// the user.
#include <gtest/gtest.h>

#include <set>
#include <string>

#include "DllLocation.h"

namespace {

std::string Verdict(const char* path, const std::set<std::string>& folders = {"C:\\out\\", "C:\\"}) {
    DllLocationVerdict verdict =
        CheckOtherLocation(path, "JCalc", [&](const char* folder) { return folders.count(folder) > 0; });
    return verdict.Ok() ? "ok" : verdict.caption.str() + ": " + verdict.message.str();
}

}  // namespace

TEST(DllLocation, TheFoldersTakeTheLibrarysDllAndTheOtherLocationIsTakenAsEntered) {
    EXPECT_EQ(DllTargetPath(DllLocationChoice::SystemFolder, "C:\\windows\\system32", "C:\\windows", "JCalc", "").str(),
              "C:\\windows\\system32\\JCalc.dll");
    EXPECT_EQ(DllTargetPath(DllLocationChoice::WindowsFolder, "C:\\windows\\system32", "C:\\", "JCalc", "").str(),
              "C:\\JCalc.dll");
    EXPECT_EQ(DllTargetPath(DllLocationChoice::OtherLocation, "C:\\s", "C:\\w", "JCalc", "D:\\x\\jcalc.DLL").str(),
              "D:\\x\\jcalc.DLL");
    EXPECT_EQ(SystemFolderRadioText("C:\\windows\\system32").str(),
              "System directory C:\\windows\\system32  (Recommended)");
    EXPECT_EQ(WindowsFolderRadioText("C:\\windows").str(), "Windows directory C:\\windows");
}

TEST(DllLocation, PathsSplitAsThePlatformSplitsThem) {
    PathParts parts = SplitPath("C:\\out\\sub.dir\\JCalc.x.dll");
    EXPECT_EQ(parts.drive.str(), "C:");
    EXPECT_EQ(parts.folder.str(), "\\out\\sub.dir\\");
    EXPECT_EQ(parts.name.str(), "JCalc.x");
    EXPECT_EQ(parts.extension.str(), ".dll");
    parts = SplitPath("relative/name");
    EXPECT_EQ(parts.drive.str(), "");
    EXPECT_EQ(parts.folder.str(), "relative/");
    EXPECT_EQ(parts.name.str(), "name");
    EXPECT_EQ(parts.extension.str(), "");
}

TEST(DllLocation, AnOtherLocationIsCheckedInOrder) {
    EXPECT_EQ(Verdict(""), "Error: Please specify location");
    EXPECT_EQ(Verdict("C:\\out\\JCalc.exe"), "Error: File name must end with .DLL");
    EXPECT_EQ(Verdict("C:\\out\\JCalc"), "Error: File name must end with .DLL");
    // Whatever the folder, a wrong name names the library.
    EXPECT_EQ(Verdict("C:\\nowhere\\Other.dll"), "Brivel: DLL name must be JCalc.dll");
    EXPECT_EQ(Verdict("C:\\nowhere\\JCalc.dll"), "Error: C:\\nowhere\\:  Directory does not exist");
    EXPECT_EQ(Verdict("C:\\out\\jcalc.DLL"), "ok");
    EXPECT_EQ(Verdict("C:\\JCalc.dll"), "ok");
}
