// Texts of the Java-to-COM pages and of the option dialogs, kept in one
// place: tests compare the real windows against them byte for byte.
#pragma once

namespace j2c_text {

// COM object page.
constexpr const char* kSpecifyComSource = "Please specify a COM source";
constexpr const char* kFileDoesNotExist = ": File does not exist";
constexpr const char* kNoComTypeInformation = ": File does not contain COM type information";
constexpr const char* kNoComInterface = "File does not contain a COM interface definition.";
constexpr const char* kComFileFilter =
    "DLL, EXE, OCX, Type library (*.dll;*.ocx;*.tlb;*.olb;*.exe)|*.tlb;*.olb;*.ocx;*.dll;*.exe|All Files (*.*)|*.*||";
constexpr const char* kProgIdNotFound = ": This PROG ID was not found";
constexpr const char* kRegistryLookupFailed = "Registry lookup failed";
constexpr const char* kProgIdLocatedIn = ": PROG ID located in: ";
constexpr const char* kNoFileForProgId = ": No file found for this PROG ID";

// Registered type-library chooser.
constexpr const char* kSearchingComObjects = "Searching for COM objects";
constexpr const char* kTypeLibKeyFailed = "Failed to access TypeLib key in registry";

// Output folder page.
constexpr const char* kSpecifyFolder = "Please specify a folder";
constexpr const char* kNotADirectory = ": is not a directory!";
constexpr const char* kCreateQuestion = " does not exist, create?";
constexpr const char* kFailedToCreate = ": Failed to create directory";
constexpr const char* kOutputFolderTitle = "Select folder for output files";

// Package page.
constexpr const char* kSampleComObject = "BrivelSampleActiveX";
constexpr const char* kSamplePackage = "j2c.tutorial";
constexpr const char* kSamplePackageNote = "The package name for this sample activeX must be \"j2c.tutorial\"";
constexpr const char* kSpecifyPackage = "Please specify a package name";
constexpr const char* kPackageInUse = "The package name \"brivel\" is in use by Brivel!";
constexpr const char* kInvalidPackage =
    "Invalid Name: Please use only ASCII alphanumerics in the package name.  Period (.) characters can be used as "
    "separators only. Numerics cannot be first letter.";
// A part of the package that Java reserves (javac refuses it).
constexpr const char* kPackageKeyword = "Invalid Name: \"%s\" is a reserved word of Java and cannot name a package.";
constexpr const char* kPreviousPackageSection = "PreviousPkgName";

// Library page.
constexpr const char* kSpecifyLibrary = "Please specify a library name";
constexpr const char* kInvalidLibrary =
    "Please use only alphanumerics or the underscore character in the library name.  Numerics or underscore cannot "
    "be used as the first letter.";
constexpr const char* kLibraryIsComName = "This JNI library name cannot be same as the COM object name.";
constexpr const char* kPreviousLibrarySection = "PreviousLibName";

// ADO and MSXML settings.
constexpr const char* kJarFilter = "Jar file (*.jar)|*.jar|All Files (*.*)|*.*||";
constexpr const char* kDocumentationTitle = "Select folder containing documentation";
constexpr const char* kInvalidWrapperPackage = "Missing or invalid package name";
constexpr const char* kSpecifyWrapperLibrary = "Please specify the library name";
constexpr const char* kWrapperLibraryPunctuation = "Library name should not contain punctuations or space";
constexpr const char* kSpecifyJar = "Please specify the jar file";
constexpr const char* kCannotAccessJar = "Could not access jar file ";
constexpr const char* kSpecifyDocumentation = "Please specify the documentation folder";
constexpr const char* kCannotAccessDocumentation = "Could not access documentation at ";

// Callback interfaces.
constexpr const char* kSpecifyInterfaceName = "Please specify an interface name";
constexpr const char* kNameExists = "Name already exists";

}  // namespace j2c_text
