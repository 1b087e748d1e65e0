// The rules and texts of the start page and the COM-to-Java pages that hold
// no window: the saved project the load page proposes, the class path taken
// from the environment, class path entries appended by the pickers, the
// library name, the specification
// file's name and the profile values written when it is saved.
#pragma once

#include "BrvString.h"

class IJavaVmHost;

namespace c2j_text {

constexpr const char* kSelectWizard = "Please select a wizard";
constexpr const char* kSelectOption = "Please select one of the options";
constexpr const char* kSpecifyFileToLoad = "Please specify file to load";
constexpr const char* kCannotRead = ": Cannot read";
constexpr const char* kC2jFilter = "C2J Files (*.c2j)|*.c2j|All Files (*.*)|*.*||";
constexpr const char* kC2jExtension = ".c2j";
constexpr const char* kLoadTitle = "Load Specifications From";
constexpr const char* kSaveTitle = "Save Specifications As";
constexpr const char* kJarFilter = "Jar files (*.jar)|*.jar|All Files (*.*)|*.*||";
constexpr const char* kSpecifyJarFiles = "Please specify one or more JAR files";
constexpr const char* kRemoveJarQuestion = "Remove selected jar file ";
constexpr const char* kClearClassPathQuestion = "Clear classpath field?";
constexpr const char* kOutputFolderTitle = "Select folder for output files";
constexpr const char* kClassPathFolderTitle = "Select folder to add to classpath";
constexpr const char* kSpecifyClassPath = "Please specify CLASSPATH";
constexpr const char* kSpecifyLibraryName = "Please specify Library Name";
constexpr const char* kBadLibraryName = "Name must consist of alphanumeric characters, starting with a letter";
constexpr const char* kSpecifyFolder = "Please specify a folder";
constexpr const char* kSpecifyFile = "Please specify a file";
constexpr const char* kExtensionMustBeC2j = "Extension must be .c2j";
constexpr const char* kCannotWrite = ": Cannot write";
constexpr const char* kTutorialJar = "\\sample\\CallingJavaTut.jar";
// The class path page when the VM of this run already runs with another
// class path (a project loaded after it started, or JAR mode before), and
// when it cannot start and gives no reason.
constexpr const char* kVmClassPathFixed =
    "The Java VM of this run was started with the class path \"%s\" and cannot take the class path \"%s\".  "
    "Please restart Brivel to use this class path.";
constexpr const char* kVmNotStarted = "The Java VM could not be started with this class path.";
// Profile section and entries of the last saved specification.
constexpr const char* kSavedDataSection = "SavedData";
constexpr const char* kSavedDirEntry = "Dir";
constexpr const char* kSavedFileEntry = "File";

}  // namespace c2j_text

// The saved specification the load page proposes: the folder, a backslash
// when it has none, and the file name; empty when either value is missing.
CString SavedSpecificationPath(const CString& dir, const CString& file);

// The class path of the environment without the product's own JAR: the
// entries split at ';', every entry whose file name is "brivel18.jar"
// (ignoring case) dropped, the rest joined in their order.
CString ClassPathWithoutProductJar(const CString& environmentValue);

// Appends a picked JAR file or folder to a class path text: a ';' first when
// the text is not empty and does not end with one.
void AppendClassPathEntry(CString& text, const CString& entry);

// Whether the Java VM of this run takes `classPath`: any before it exists,
// afterwards only the one it was created with (returned in `running` when
// it differs).
bool VmTakesClassPath(const IJavaVmHost* host, const CString& classPath, CString& running);

// The COM library name: trimmed in place; false with the message when it
// is empty or not a letter followed by ASCII letters, digits and '_'.
bool CheckLibraryName(CString& name, CString& message);

// The specification file's path: at least five characters ending with
// ".c2j" (ignoring case); false with the message otherwise.
bool CheckSpecificationPath(const CString& path, CString& message);

// The file the save page proposes in the output folder: the library name
// (or "input") with ".c2j".
CString ProposedSpecificationPath(const CString& folder, const CString& libraryName);

// The profile values of a saved specification: its drive and folder (with
// the separator) and its file name with extension.
void SplitSpecificationPath(const CString& path, CString& dir, CString& file);

// True when the class path is longer than the tutorial's JAR and ends with
// it (ignoring case): the readme then describes the tutorial.
bool IsTutorialClassPath(const CString& classPath);
