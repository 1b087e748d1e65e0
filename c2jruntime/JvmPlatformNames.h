// The names of the Java runtime's own files, the only thing about the Java
// runtime that differs between the two builds. The Windows runtime keeps
// jvm.dll in a sub-folder (client, hotspot, server, ...) of <home>\bin; the
// Linux runtime keeps libjvm.so in a sub-folder of <home>/lib.
#pragma once

namespace brivel::c2j {

#ifdef _WIN32
constexpr char kPathSeparator = '\\';
constexpr const char* kJvmLibraryName = "jvm.dll";
constexpr const char* kJvmLibraryFolder = "bin\\";  // below the Java home
constexpr const char* kRootFolder = "C:\\";        // when there is no temporary folder
#else
constexpr char kPathSeparator = '/';
constexpr const char* kJvmLibraryName = "libjvm.so";
constexpr const char* kJvmLibraryFolder = "lib/";
constexpr const char* kRootFolder = "/";
#endif
// The launcher that runs the home probe, found the way the system finds a
// program named on a command line.
constexpr const char* kJavaLauncher = "java";

}  // namespace brivel::c2j
