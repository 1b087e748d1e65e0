// Every text the upload control shows: its form, its save-location dialog,
// its status line and its message boxes. The texts it shares with the
// wizard's exchange ("Connection lost", "File uploaded, waiting for build",
// the upload, download and build-time counters) come from ExchangeTexts.h.
#pragma once

#include <string>

#include "SaveLocation.h"

namespace brivel::uploadctl::texts {

constexpr char kAgent[] = "Brivel Uploader";

// Build DLL: the fields and their checks.
constexpr char kFieldEmpty[] = "Field \"%s\" is empty";
constexpr char kMissingInput[] = "Missing Input";
constexpr char kPackageNameField[] = "Package Name";
constexpr char kLibraryNameField[] = "Library Name (for JNI DLL)";
constexpr char kComFileNameField[] = "COM File Name";
constexpr char kNoComInterface[] = "File does not have a COM interface";
constexpr char kCannotReadFile[] = "Cannot read file \"%s\"";
constexpr char kReadFailed[] = "Read Failed";
constexpr char kNoInternet[] = "Unable to open access to internet";
constexpr char kNoServer[] = "Unable to contact server";
constexpr char kNoUrl[] = "Unable to contact url";
constexpr char kNoBuildServer[] = "Unable to contact build server at ";
constexpr char kError[] = "Error";

// The answer and the saved DLL.
constexpr char kDllSavedAs[] = "DLL saved as %s";
constexpr char kBuildComplete[] = "Build Complete";

// The COM file's open dialog.
constexpr char kOpenTitle[] = "COM File";
constexpr char kComFilesFilter[] = "COM DLL or Type library (*.dll;*.ocx;*.tlb;*.olb;*.exe)";
constexpr char kComFilesPatterns[] = "*.tlb;*.olb;*.ocx;*.dll;*.exe";
constexpr char kAllFilesFilter[] = "All Files (*.*)";
constexpr char kAllFilesPattern[] = "*.*";

// The save-location dialog.
constexpr char kSystemDirectory[] = "System directory %s  (Recommended)";
constexpr char kWindowsDirectory[] = "Windows directory %s";
constexpr char kSaveAsTitle[] = "Save DLL As";
constexpr char kDllFilesFilter[] = "DLL Files (*.dll)";
constexpr char kDllFilesPattern[] = "*.dll";
constexpr char kSpecifyLocation[] = "Please specify location";
constexpr char kMustEndWithDll[] = "File name must end with .DLL";
constexpr char kNoSuchDirectory[] = "%s:  Directory does not exist";
constexpr char kReplaceExisting[] = "%s already exists.  Do you want to replace it?";
constexpr char kReplaceCaption[] = "Replace DLL";

// Failures the control reports beyond its original texts.
constexpr char kNotALibraryName[] =
    "The library name \"%s\" cannot name a DLL: use a file name without a folder, a drive or any of \\ / : * ? \" < > |";
constexpr char kInvalidInput[] = "Invalid Input";
constexpr char kRequestTooLong[] = "Cannot send the build request: its names or the file are too long";
constexpr char kNotAWebAddress[] = "Attempting to redirect: not a web address: ";
constexpr char kNotSaved[] = "The DLL was not saved";
constexpr char kCouldNotSave[] = "The DLL could not be saved as %s (%s).  It was kept as %s";
// A page's saved parameter refused (to the container's error log).
constexpr char kValueTooLong[] = "The value of %s is longer than %u characters; the property keeps its value";

std::string FieldEmptyText(const char* field);
std::string CannotReadFileText(const std::string& path);
std::string NotALibraryNameText(const std::string& name);
std::string DllSavedAsText(const std::string& path);
std::string CouldNotSaveText(const std::string& target, const std::string& reason, const std::string& kept);
std::string ValueTooLongText(const char* bagName, size_t maxLength);
std::string SystemDirectoryText(const std::string& folder);
std::string WindowsDirectoryText(const std::string& folder);
std::string ReplaceExistingText(const std::string& path);
// The message of a check of "Other Location" (empty for None); a bare file
// name has no folder, and is named itself.
std::string OtherLocationProblemText(OtherLocationProblem problem, const std::string& path);

}  // namespace brivel::uploadctl::texts
