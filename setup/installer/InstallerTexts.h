// The installer's own texts and the choices it makes where nothing is given:
// message texts and captions, the javac help address, the built-in
// agreement text.
#pragma once

namespace brivel::setup::texts {

constexpr const char kJavacHelpAddress[] = "http://www.orvanth.com/brivel/javac.html";
constexpr const char kBrowserFailed[] = "Failed to launch browser, please start the browser and visit %s manually";
constexpr const char kBrowserFailedCaption[] = "Browser Launch Failed";

constexpr const char kBrowseTitle[] = "Select folder for installing %s";
constexpr const char kMissingField[] = "Please specify a value for field \"%s\"";
constexpr const char kMissingFieldCaption[] = "Missing Data";
constexpr const char kNonNumericField[] = "Please specify a numerical value for field \"%s\"";
constexpr const char kNonNumericFieldCaption[] = "Invalid Data";
constexpr const char kFolderFieldName[] = "Installation Folder";

constexpr const char kNotADirectory[] = "Specified target is not a directory";
constexpr const char kNotADirectoryCaption[] = "Not a directory";
constexpr const char kCreateFolder[] = "Target folder does not exist, create? ";
constexpr const char kCreateFolderCaption[] = "Create directory";
constexpr const char kCannotCreateFolder[] = ": Could not create directory";
constexpr const char kCannotCreateFolderCaption[] = "Directory Creation Error";

constexpr const char kServiceName[] = "BrivelWindowsServer";
constexpr const char kServiceRunning[] =
    "The Brivel Remote Access Service is running.  Please stop or uninstall the service before installing a new "
    "version.";
constexpr const char kServiceRunningCaption[] = "Service running";
constexpr const char kExtractingFiles[] = "Extracting files";
constexpr const char kExtractingFile[] = "Extracting %s";
constexpr const char kCannotWrite[] = "Could not write file %s";
constexpr const char kCannotWriteCaption[] = "I/O Error";
constexpr const char kExtractionFailed[] =
    "Could not extract data.\nThe self-extracting executable may have been corrupted.\nPlease download again.";
constexpr const char kExtractionFailedCaption[] = "Extraction Failed";
constexpr const char kUpdateClasspath[] = "Please update your System CLASSPATH to include brivel18.jar";
constexpr const char kUpdateClasspathCaption[] = "Update CLASSPATH";
constexpr const char kComplete[] = "%s installation is complete.";
constexpr const char kCompleteCaption[] = "Finished";

constexpr const char kBuiltInLicense[] =
    "Brivel is provided \"as is\", without warranty of any kind. You may install and use it on the computers of "
    "your own organisation and distribute its redist files with the programs you build with it.";

}  // namespace brivel::setup::texts
