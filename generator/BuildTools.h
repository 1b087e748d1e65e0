// Discovery of the tools that the generated command files call: the C++
// compiler's environment script, the JDK and its tools, the program and
// system folders. All of it reads the registry and the file system.
#pragma once

#include "BrvString.h"
#include "StringMap.h"

#include <windows.h>

#include <cstdio>

// What the build files are written from; the job gathers it once per run
// (tests hand in their own).
struct CBuildDiscovery {
    CString jdkHome;          // with a trailing "\"; the fallback when none was found
    bool jdkFound = false;
    CString javac, jar, javadoc;
    CString programFolder;    // short form, trailing "\"
    CString vcvars;           // folder or script path; empty: no C++ environment
    bool vcvarsFound = false;
    CString systemFolder;
    CString windowsFolder;
};

// Reads a string value (the key's default value without a name) of a key
// path opened one "\"-separated component at a time; true with at least one
// byte read.
bool QueryRegistryString(HKEY root, const char* path, CString& out, const char* valueName);
// The command that opens Visual C++ project or source files.
bool FindVisualCppFolder(CString& command);
// The drive and folder of the first token of a command line.
bool GetCommandFolder(const char* commandLine, CString& folder);
// Depth-first search for a file under a folder and then its parents; stops
// at the drive's root, at "<drive>:\Program Files\" and at the stop folder.
bool SearchFileUnderFolder(const char* folder, CString& found, const char* fileName,
                           brivel::StringKeyedMap<int>& visited, const char* stopFolder = nullptr);
CString FindVcvars32BatFolder();
CString FindJdkHomeFolder();
void FindJdkTools(CString& javac, CString& jar, CString& javadoc);
// The short form of a path; the path itself when it has none.
CString ShortPath(const char* path);
// Copies the sample DLL from the program's "sample\" folder; an existing
// file is kept.
void CopySampleDll(const char* programFolder, const char* dllName, const char* systemFolder);

// Formats once into each of the two files that is open.
void PrintToTwoFiles(FILE* a, FILE* b, const char* format, ...) __attribute__((format(printf, 3, 4)));

// Text for HTML: markup characters written as entities.
CString HtmlEscape(const char* text);
