// Learning the Java home by running the PrintJavaHome probe with the Java
// launcher found the usual way: the probe class is written to the temporary
// folder, the launcher runs it hidden with its output in a unique temporary
// file, and the first line of that file is the home. Shared by every host of
// an embedded VM; they differ only in the message for an unreadable output.
#pragma once

#include <string>

namespace brivel::c2j {

struct JavaHomeProbeResult {
    bool ok = false;
    std::string home;
    std::string message;           // why the probe failed
    bool outputUnreadable = false; // the launcher ran but its output could not be read
    std::string outputName;        // the temporary output file's name
};

// `prefix` starts the temporary output file's name.
JavaHomeProbeResult ProbeJavaHome(const char* prefix);

}  // namespace brivel::c2j
