// A server folder of the tests' own, as the installer lays one down: the
// server host program and library, the server's archive (a stand-in, its
// contents are never read), a configuration file, and java.exe (the tests'
// stand-in launcher) beside them.
#pragma once

#include <windows.h>

#include <string>

#include "ProgramFolder.h"

namespace brivel::serverhost::testing {

class ServerFolder {
public:
    // `configuration` becomes BrivelServer.config.
    explicit ServerFolder(const std::string& configuration = "; Server configuration file\n");
    ~ServerFolder();
    ServerFolder(const ServerFolder&) = delete;
    ServerFolder& operator=(const ServerFolder&) = delete;

    const std::string& Folder() const { return folder_; }
    std::string Path(const std::string& name) const { return folder_ + "\\" + name; }
    std::string Read(const std::string& name) const;
    void Write(const std::string& name, const std::string& bytes) const;
    bool Exists(const std::string& name) const;
    void Remove(const std::string& name) const;

private:
    std::string folder_;
};

// The folder of the running test program (the build's program folder).
using brivel::testing::ProgramFolder;

// Puts the folder first on this process's search path for the length of a
// test, so that the shell finds its java.exe.
class SearchPathFirst {
public:
    explicit SearchPathFirst(const std::string& folder);
    ~SearchPathFirst();

private:
    std::string saved_;
};

}  // namespace brivel::serverhost::testing
