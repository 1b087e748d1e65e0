// Texts of the build page, the server build dialog, the DLL location dialog,
// the proxy dialog and the COM-to-Java build page, kept in one place: tests
// compare the real windows against them byte for byte.
#pragma once

namespace build_text {

// Build page.
constexpr const char* kStep1 = "Step 1) Execute MakeJava.bat file in ";
constexpr const char* kStep2 = "Step 2) Execute MakeJar.bat file in ";
constexpr const char* kStep3 = "Step 3) Execute MakeJavadoc.bat file in ";
constexpr const char* kStep4 = "Step 4) Execute MakeDLL.bat file in ";
constexpr const char* kStepsComplete = "Build steps are complete";
constexpr const char* kExitUnfinished = "Are you sure you wish to exit without completing all build steps?";
constexpr const char* kCommandFileFailed = "Failed to execute command file, please execute manually";
constexpr const char* kBuildJniDll = "Build JNI DLL";
constexpr const char* kClasspathFailed =
    "Could not add JAR file to System CLASSPATH.\n(May not have sufficient privilege).\nPlease add manually.";
constexpr const char* kVariantPointerNote =
    "NOTE:  The COM object(s) references pointer-to-pointer-to-VARIANT data type.  If you see \"Bad Data Type\" "
    "exceptions, run the wizard again and select \"Use virtual table model\" from \"Dual Interface Support...\" on "
    "the Advanced Options page";

// Proxy settings, shared by both build owners.
constexpr const char* kSpecifyProxyServer = "Please specify the proxy server";
constexpr const char* kSpecifyHost = "Please specify host";
constexpr const char* kCouldNotFindHost = "Could not find host ";
constexpr const char* kEnterCredentials = "Please enter username/password";
constexpr const char* kPortRange = "Please enter an integer between 0 and 65535.";

// Server build dialog and DLL location dialog.
constexpr const char* kDllSavedAs = "DLL saved as %s";
constexpr const char* kWindowsDirectory = "Windows directory %s";
constexpr const char* kSystemDirectory = "System directory %s  (Recommended)";
constexpr const char* kSaveDllTitle = "Save DLL As";
constexpr const char* kDllFilter = "DLL Files (*.dll)|*.dll|All Files (*.*)|*.*||";
constexpr const char* kSpecifyLocation = "Please specify location";
constexpr const char* kMustEndWithDll = "File name must end with .DLL";
constexpr const char* kDllNameMustBe = "DLL name must be %s.dll";
constexpr const char* kDirectoryMissing = "%s:  Directory does not exist";
constexpr const char* kErrorCaption = "Error";
constexpr const char* kProgramCaption = "Brivel";
// A built DLL that could not be put in its place (the old file, if any, stays).
constexpr const char* kCannotSaveDll = "Could not save the DLL as %s: %s";

// COM-to-Java build page.
constexpr const char* kRegistered =
    "DLL saved as %s.  DLL has been registered as a COM component, and is ready to use.\nA reference can be added "
    "for it from language IDEs now.";
constexpr const char* kNotRegistered =
    "DLL has been saved as %s\nHowever, DLL could not be registered, please try to register using regsvr32.";
constexpr const char* kWow64Note =
    "Please note that this DLL is a 32 bit DLL.  For evaluating it from a .NET environemnt running on 64-bit "
    "Windows, the calling .NET project's 'target's must be set to X86";
constexpr const char* kStopBuildQuestion = "Please confirm: stop DLL build and exit?";
constexpr const char* kExitWithoutBuildQuestion = "Please confirm: exit without completing the build?";

}  // namespace build_text
