// Texts the wizard's frame shows, kept in one place: tests compare the
// real windows against them byte for byte.
#pragma once

namespace wizard_text {

constexpr const char* kStartTitle = "Brivel: Java to COM Bi-Directional Bridge Builder";
constexpr const char* kJavaToComTitle = "Brivel: Java to COM Bridge Builder";
constexpr const char* kComToJavaTitle = "Brivel: COM to Java Bridge Builder";
constexpr const char* kCancelQuestion = "Do you want to exit this wizard and lose your changes?";
constexpr const char* kCreatingFiles = "Creating Brivel files";

// Captions of the message dialog.
constexpr const char* kErrorCaption = "Error Message";
constexpr const char* kInfoCaption = "Brivel Message";
constexpr const char* kQuestionCaption = "Brivel Question";

// Loading whole JAR files.
constexpr const char* kJarFileLine = "Jar File: ";
constexpr const char* kJarErrorOne = "An error occurred during loading the JAR file.\n\n";
constexpr const char* kJarErrorSeveral = "The following errors occurred during loading the JAR file.\n";
constexpr const char* kJarErrorTrailer =
    "\n\nPlease restart Brivel and add other/more JAR files, or build using \"Detailed Build\".";

// A JAR-mode save after the VM already runs with another class path.
constexpr const char* kVmClassPathFixed =
    "The Java VM of this run was started with the class path \"%s\" and cannot take the JAR files' class path "
    "\"%s\".  Please restart Brivel to build from these JAR files.";

}  // namespace wizard_text
