#include "Editions.h"

#include "NoCase.h"

namespace brivel::setup {

namespace {

const InstallerEdition kDefaultInstaller = {"", "C:\\Brivel", "Brivel", "Brivel", "Uninstaller.exe",
                                            "Brivel Installer"};

const InstallerEdition kInstallerEditions[] = {
    {"BrivelEval", "C:\\BrivelEval", "Brivel Evaluation", "BrivelEval", "BrivelEvalUninstaller.exe",
     "Brivel Evaluation Installer"},
};

const char* const kNoFiles[] = {nullptr};
// The evaluation edition ships the ADO bridge pre-generated.
const char* const kEvalSystemFiles[] = {"JAdodb.dll", nullptr};
const char* const kEvalFolderFiles[] = {"JAdodb.jar", nullptr};

const UninstallerEdition kDefaultUninstaller = {"", "Brivel", "Brivel", kNoFiles, kNoFiles};

const UninstallerEdition kUninstallerEditions[] = {
    {"BrivelEvalUninstaller", "Brivel Evaluation", "BrivelEval", kEvalSystemFiles, kEvalFolderFiles},
};

// The ADO bridge was shipped as JAdodb.jar and JAdodb.dll before it became
// the package BrivelAdodbLib.
const PackageEditionFiles kPackageEditions[] = {
    {"BrivelAdodbLib.jar", "redist\\JAdodb.jar", "redist\\JAdodb.dll", "JAdodb"},
};

}  // namespace

std::string ProgramBaseName(const std::string& programPath) {
    size_t separator = programPath.find_last_of("\\/");
    std::string name = separator == std::string::npos ? programPath : programPath.substr(separator + 1);
    size_t dot = name.rfind('.');
    return dot == std::string::npos ? name : name.substr(0, dot);
}

const InstallerEdition& InstallerEditionFor(const std::string& programPath) {
    std::string base = ProgramBaseName(programPath);
    for (const InstallerEdition& edition : kInstallerEditions)
        if (StartsWithNoCase(base, edition.namePrefix)) return edition;
    return kDefaultInstaller;
}

const UninstallerEdition& UninstallerEditionFor(const std::string& programPath) {
    std::string base = ProgramBaseName(programPath);
    for (const UninstallerEdition& edition : kUninstallerEditions)
        if (SameNoCase(base, edition.uninstallerName)) return edition;
    return kDefaultUninstaller;
}

const PackageEditionFiles* PackageEditionFilesFor(const std::string& packageJar) {
    for (const PackageEditionFiles& files : kPackageEditions)
        if (SameNoCase(packageJar, files.packageJar)) return &files;
    return nullptr;
}

}  // namespace brivel::setup
