// The $-macros of the kit's text files (flagged entries of the payload),
// expanded in place after extraction: each line is scanned once, and at
// every position the macros are tried in a fixed order, in any letter case.
#pragma once

#include <string>

namespace brivel::setup {

// What each macro stands for. The web and EJB settings are set by nothing in
// this kit (they stay empty); the host is "localhost".
struct InstallMacroValues {
    std::string targetFolder;  // $TGTDIR: the short installation folder, no trailing backslash
    std::string targetDrive;   // $TGTDRIVE: its drive, such as "C:"
    std::string systemFolder;  // $WINSYS
    std::string windowsFolder; // $WINDIR
    std::string webPort, webAdmin, ejbPort, ejbAdmin, webPassword, ejbPassword;
    std::string host = "localhost";
};

// The values for an installation into `shortFolder` (its trailing backslash
// dropped, its drive taken from it).
InstallMacroValues MakeInstallMacroValues(const std::string& shortFolder, const std::string& systemFolder,
                                          const std::string& windowsFolder);

// The drive of a path: "C:" for "C:\x", "\\server\share" for a UNC path,
// empty for a path without either.
std::string DriveOfPath(const std::string& path);

// A host and a web port joined for an address: the host alone when the port
// is empty or reads as 80, else "host:port".
std::string HostWithPort(const std::string& host, const std::string& port);

// One line (its line end, if any, included) with every macro replaced.
std::string ExpandMacrosInLine(const std::string& line, const InstallMacroValues& values);

// The name of the file the expansion writes before it replaces `path`: the
// file name's extension replaced by ".tmp" (".tmp" appended to a name
// without one). A dot in a folder name does not count, and a file that is
// itself named *.tmp gets ".tmp" appended, never its own name.
std::string MacroOutputPath(const std::string& path);

// Expands the macros of the file in place. Lines of any length; bytes other
// than macros are copied unchanged (line ends included). False, with the
// file left as it was, when it cannot be read, the output cannot be written
// or it cannot replace the file.
bool ExpandInstallMacros(const std::string& path, const InstallMacroValues& values);

}  // namespace brivel::setup
